#include "app/AppIcon.h"
#include "app/HFAppDelegate.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Penwick"));
    QApplication::setOrganizationName(QStringLiteral("Hollyfen"));
    QApplication::setApplicationVersion(QStringLiteral(PENWICK_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("penwick"));
    QApplication::setWindowIcon(penwickIcon());

    // The user's language where a translation exists; English otherwise.
    QTranslator qtTranslator, translator;
    if (qtTranslator.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);
    if (translator.load(QLocale(), QStringLiteral("penwick"), QStringLiteral("_"),
                QStringLiteral(":/i18n")))
        QApplication::installTranslator(&translator);

    // A second launch hands over to the running Penwick, which raises its window.
    penwick::SingleInstance instance;
    if (!instance.claim()) {
        if (!instance.errorString().isEmpty())
            QMessageBox::warning(nullptr, QStringLiteral("Penwick"), instance.errorString());
        return 0;
    }

    HFAppDelegate delegate;
    QObject::connect(&instance, &penwick::SingleInstance::raiseRequested, &delegate,
            &HFAppDelegate::raiseWindow);
    QApplication::setQuitOnLastWindowClosed(
            delegate.applicationShouldTerminateAfterLastWindowClosed());
    delegate.applicationDidFinishLaunching();
    return app.exec();
}
