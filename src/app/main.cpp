#include "export/ExportCommand.h"
#include "gui/AppIcon.h"
#include "gui/LazyIconStyle.h"
#include "gui/MainWindow.h"
#include "history/Backups.h"
#include "imports/ImportIntoDiary.h"
#include "platform/CommandRunner.h"
#include "platform/QuitSignals.h"
#include "platform/SingleInstance.h"
#include "privacy/DecryptCommand.h"
#include "reminder/Reminder.h"
#include "services/DiaryProtection.h"
#include "services/DiaryServices.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSessionManager>
#include <QStyle>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// Without a display Qt aborts with a page about platform plugins; one sentence says it better.
bool hasDisplay()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("DISPLAY")
            || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
            || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

void setUpApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Penwick"));
    QCoreApplication::setOrganizationName(QStringLiteral("Hollyfen"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PENWICK_VERSION));
}

// penwick --import PATH: the same question the window asks, printed, then the import without
// asking, with no display needed. A running Penwick is handed the import, so that only one
// process writes the file; otherwise the import goes through the same services the window uses,
// which first settle what the journal held when Penwick last stopped.
int importFromCommandLine(const QString &source)
{
    if (const QString error = penwick::imports::sourceError(source); !error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    penwick::SingleInstance instance;
    if (!instance.claim(QFileInfo(source).absoluteFilePath())) {
        if (!instance.errorString().isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(instance.errorString()));
            return 1;
        }
        std::printf("%s\n",
                qPrintable(QCoreApplication::translate(
                        "Import", "Handed to the running Penwick, which imports it now.")));
        return 0;
    }
    penwick::DiaryServices services;
    services.open(); // a missing diary is started, as the window starts it
    if (services.protection().isLocked()) {
        // without the window there is no passphrase to ask for, and nothing is written in clear
        std::fprintf(stderr, "%s\n",
                qPrintable(QCoreApplication::translate("Import",
                        "Your diary is protected by a passphrase: start Penwick, unlock the "
                        "diary, and import from File > Import from Another Diary…")));
        return 1;
    }
    penwick::diary::DiarySession &session = services.session();
    const penwick::imports::ImportPlan plan = penwick::imports::planImport(source, session);
    if (!plan.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(plan.error));
        return 2;
    }
    std::printf("%s\n", qPrintable(penwick::imports::importQuestion(plan)));
    if (plan.changes.isEmpty())
        return 0;
    const QString error
            = penwick::imports::applyImport(plan, session, penwick::history::backupsFolder());
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const int days = int(plan.changes.size());
    std::printf("%s\n",
            qPrintable(days == 1
                            ? QCoreApplication::translate("Import", "Imported 1 day from %1.")
                                      .arg(plan.kind)
                            : QCoreApplication::translate("Import", "Imported %1 days from %2.")
                                      .arg(QLocale().toString(days), plan.kind)));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
#if defined(__GLIBC__)
    // The diary's bytes live in buffers as large as the file; each write makes the next one and
    // frees the last. A fixed threshold keeps such buffers mapped apart and returned to the
    // system when freed (glibc would otherwise raise its threshold and keep them in the heap).
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
    if (const int exported = penwick::exports::exportFromCommandLine(argc, argv); exported >= 0)
        return exported; // penwick --export …: without a window, and without a display
    if (const int decrypted = penwick::privacy::decryptFromCommandLine(argc, argv); decrypted >= 0)
        return decrypted; // penwick --decrypt FILE: the protected diary in clear, on stdout
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--import") == 0) {
            QCoreApplication app(argc, argv);
            setUpApplication();
            QTranslator translator;
            if (translator.load(QLocale(), QStringLiteral("penwick"), QStringLiteral("_"),
                        QStringLiteral(":/i18n")))
                QCoreApplication::installTranslator(&translator);
            return importFromCommandLine(QString::fromLocal8Bit(argv[i + 1]));
        }
    }
    if (!hasDisplay()) {
        std::fputs("Penwick needs a graphical display: start it from a desktop session (no DISPLAY "
                   "or WAYLAND_DISPLAY is set).\n",
                stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setStyle(new LazyIconStyle(QApplication::style()->name()));
    // First, so that no write meets a file-size limit unguarded; until the window is there,
    // asked to end, Penwick just ends.
    penwick::QuitSignals quitSignals;
    QObject::connect(&quitSignals, &penwick::QuitSignals::quitRequested, &app,
            [] { QCoreApplication::exit(0); });
    setUpApplication();
    QApplication::setDesktopFileName(penwick::reminder::agentLabel);

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
        if (instance.errorString().isEmpty())
            return 0;
        std::fprintf(stderr, "%s\n", qPrintable(instance.errorString()));
        QMessageBox::warning(nullptr, QStringLiteral("Penwick"), instance.errorString());
        return 1;
    }

    penwick::ProcessRunner runner;
    penwick::reminder::Reminder reminder(runner, penwick::reminder::Reminder::systemScheduler(),
            penwick::reminder::Reminder::userFolders());
    penwick::DiaryServices services;
    MainWindow window(&services, &reminder);
    QObject::connect(
            &instance, &penwick::SingleInstance::raiseRequested, &window, &MainWindow::raiseWindow);
    // answered first, imported after: a long import keeps no later launch waiting
    QObject::connect(&instance, &penwick::SingleInstance::importRequested, &window,
            &MainWindow::importDiary, Qt::QueuedConnection);
    QObject::disconnect(&quitSignals, nullptr, &app, nullptr);
    QObject::connect(&quitSignals, &penwick::QuitSignals::quitRequested, &window,
            &MainWindow::quitWithoutAsking);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
            [&window](QSessionManager &) { window.storeEverything(); });
    QApplication::setQuitOnLastWindowClosed(true); // closing the window ends Penwick
    window.start();
    // drawn after the first frame: the window manager takes the icon when it comes
    QTimer::singleShot(0, &app, [] { QApplication::setWindowIcon(penwickIcon()); });
    return app.exec();
}
