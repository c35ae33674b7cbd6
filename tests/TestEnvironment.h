// Every test process runs in its own HOME and XDG folders inside a temporary folder, with a
// fixed time zone and locale, so that no test sees the user's diary or another test's files.
#pragma once

#include "platform/CommandRunner.h"
#include "platform/Plist.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QVariantMap>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>
#include <sys/stat.h>

namespace penwick::test {

class Environment
{
public:
    explicit Environment(const char *timeZone = "Europe/Berlin")
    {
        const QByteArray root = QFile::encodeName(m_dir.path());
        for (const char *folder : { "/home", "/home/.config", "/home/.local/share", "/runtime" })
            QDir().mkpath(QString::fromUtf8(root + folder));
        qputenv("HOME", root + "/home");
        qputenv("XDG_CONFIG_HOME", root + "/home/.config");
        qputenv("XDG_DATA_HOME", root + "/home/.local/share");
        qputenv("XDG_RUNTIME_DIR", root + "/runtime");
        ::chmod(QByteArray(root + "/runtime").constData(), 0700);
        qputenv("LC_ALL", "C.UTF-8");
        // the update check asks only this machine: port 9 refuses at once
        qputenv("PENWICK_UPDATE_URL", "http://127.0.0.1:9/");
        qputenv("PENWICK_MODULE_DIR", PENWICK_MODULE_DIR); // the update check's network module
        setTimeZone(timeZone);
    }

    static void setTimeZone(const char *timeZone)
    {
        qputenv("TZ", timeZone);
        ::tzset();
    }

    QString home() const { return m_dir.path() + QStringLiteral("/home"); }
    QString dataHome() const { return home() + QStringLiteral("/.local/share"); }
    QString configHome() const { return home() + QStringLiteral("/.config"); }

    // Empties the data, config and agent folders between tests.
    void clean() const
    {
        QDir(home() + QStringLiteral("/Library")).removeRecursively();
        for (const QString &folder : { dataHome(), configHome() }) {
            QDir(folder).removeRecursively();
            QDir().mkpath(folder);
        }
    }

private:
    QTemporaryDir m_dir;
};

inline Environment &environment()
{
    static Environment env;
    return env;
}

// A diary entry as the note file holds it.
inline QVariantMap entry(const QString &date, const QVariant &text)
{
    return { { "date", date }, { "text", text } };
}

inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// The entries a note file holds; a file that is no property list reads as { "unreadable" }.
inline QVariantList entriesIn(const QString &path)
{
    const plist::ReadResult r = plist::read(readAll(path));
    return r.value ? r.value->toList() : QVariantList { "unreadable" };
}

// While it lives, no file of this process may grow past bytes: writes stop short, as they do
// on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit small = m_saved;
        small.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved {};
};

// Runs a Python snippet (plistlib is the independent reader and writer of the format); the
// snippet gets the given arguments in sys.argv[1:]. Returns its standard output.
inline QByteArray python(const QString &code, const QStringList &arguments = {}, bool *ok = nullptr)
{
    QProcess p;
    p.start(QStringLiteral("python3"), QStringList { QStringLiteral("-c"), code } + arguments);
    const bool finished = p.waitForFinished(60000);
    if (ok)
        *ok = finished && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!finished || p.exitCode() != 0)
        qWarning().noquote() << "python3 failed:" << p.readAllStandardError();
    return p.readAllStandardOutput();
}

// Stands in for launchctl and systemctl: records each program with its arguments, whether the
// caller waited for it, and whether the agent file existed at that moment.
class RecordingRunner : public CommandRunner
{
public:
    QString watchedFile; // whose presence each call records
    QStringList calls; // "wait: program args [file]" or "start: program args [file]"
    bool succeeds = true; // what run() answers, as a program that ran to a good or a bad end

    bool run(const QString &program, const QStringList &arguments, int) override
    {
        record(QStringLiteral("wait"), program, arguments);
        return succeeds;
    }
    bool start(const QString &program, const QStringList &arguments) override
    {
        record(QStringLiteral("start"), program, arguments);
        return true;
    }

private:
    void record(const QString &how, const QString &program, const QStringList &arguments)
    {
        QString call = how + QStringLiteral(": ") + program + QLatin1Char(' ')
                + arguments.join(QLatin1Char(' '));
        if (!watchedFile.isEmpty())
            call += QFileInfo::exists(watchedFile) ? QStringLiteral(" [file]")
                                                   : QStringLiteral(" [no file]");
        calls << call;
    }
};

} // namespace penwick::test

// QTEST_MAIN and QTEST_GUILESS_MAIN, with the environment in place before the application.
#define PENWICK_TEST_MAIN(TestObject, App)                                                         \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        penwick::test::environment();                                                              \
        App app(argc, argv);                                                                       \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
