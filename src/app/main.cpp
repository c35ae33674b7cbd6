#include "app/HFAppDelegate.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Penwick"));
    QApplication::setOrganizationName(QStringLiteral("Hollyfen"));
    QApplication::setApplicationVersion(QStringLiteral(PENWICK_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("penwick"));

    // A second launch hands over to the running Penwick, which raises its window.
    penwick::SingleInstance instance;
    if (!instance.claim()) {
        if (!instance.errorString().isEmpty())
            QMessageBox::warning(nullptr, QStringLiteral("Penwick"), instance.errorString());
        return 0;
    }

    HFAppDelegate delegate;
    QObject::connect(&instance, &penwick::SingleInstance::raiseRequested, &delegate, &HFAppDelegate::raiseWindow);
    QApplication::setQuitOnLastWindowClosed(delegate.applicationShouldTerminateAfterLastWindowClosed());
    delegate.applicationDidFinishLaunching();
    return app.exec();
}
