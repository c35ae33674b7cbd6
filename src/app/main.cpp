#include "diary/DiarySession.h"
#include "gui/AppIcon.h"
#include "gui/MainWindow.h"
#include "history/HistoryStore.h"
#include "platform/CommandRunner.h"
#include "platform/QuitSignals.h"
#include "platform/SingleInstance.h"
#include "reminder/Reminder.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSessionManager>
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

} // namespace

int main(int argc, char *argv[])
{
#if defined(__GLIBC__)
    // The diary's bytes live in buffers as large as the file; each write makes the next one and
    // frees the last. A fixed threshold keeps such buffers mapped apart and returned to the
    // system when freed (glibc would otherwise raise its threshold and keep them in the heap).
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
    if (!hasDisplay()) {
        std::fputs("Penwick needs a graphical display: start it from a desktop session (no DISPLAY "
                   "or WAYLAND_DISPLAY is set).\n",
                stderr);
        return 1;
    }
    QApplication app(argc, argv);
    // First, so that no write meets a file-size limit unguarded; until the window is there,
    // asked to end, Penwick just ends.
    penwick::QuitSignals quitSignals;
    QObject::connect(&quitSignals, &penwick::QuitSignals::quitRequested, &app,
            [] { QCoreApplication::exit(0); });
    QApplication::setApplicationName(QStringLiteral("Penwick"));
    QApplication::setOrganizationName(QStringLiteral("Hollyfen"));
    QApplication::setApplicationVersion(QStringLiteral(PENWICK_VERSION));
    QApplication::setDesktopFileName(penwick::reminder::agentLabel);
    QApplication::setWindowIcon(penwickIcon());

    // The user's language where a translation exists; English otherwise.
    QTranslator qtTranslator, translator;
    if (qtTranslator.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);
    if (translator.load(QLocale(), QStringLiteral("penwick"), QStringLiteral("_"),
                QStringLiteral(":/i18n")))
        QApplication::installTranslator(&translator);

    // A second launch for the same diary hands over to the running Penwick, which raises its
    // window.
    penwick::diary::DiarySession session;
    penwick::SingleInstance instance(session.noteFilePath());
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
    penwick::history::HistoryStore history;
    MainWindow window(&session, &reminder);
    window.setHistory(&history);
    QObject::connect(
            &instance, &penwick::SingleInstance::raiseRequested, &window, &MainWindow::raiseWindow);
    QObject::disconnect(&quitSignals, nullptr, &app, nullptr);
    QObject::connect(&quitSignals, &penwick::QuitSignals::quitRequested, &window,
            &MainWindow::quitWithoutAsking);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
            [&window](QSessionManager &) { window.storeEverything(); });
    QApplication::setQuitOnLastWindowClosed(true); // closing the window ends Penwick
    window.start();
    return app.exec();
}
