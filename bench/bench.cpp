// The keystroke cycle (read, find the day, replace its text, write, sync, rename) on diaries of
// 1, 10 and 50 years, next to the raw floor: writing, syncing and renaming the same bytes.
// Ends with one line per size that runs can be compared by:
//   keystroke 10y median_ms=6.1 floor_ms=2.4 ratio=2.5
#include "diary/DiarySession.h"
#include "diary/DiaryStorage.h"
#include "diary/NoteFile.h"
#include "diary/Search.h"
#include "export/ExportJob.h"
#include "gui/DiaryTags.h"
#include "gui/MainWindow.h"
#include "history/Backups.h"
#include "history/HistoryStore.h"
#include "platform/Plist.h"
#include "platform/Preferences.h"
#include "privacy/SealedFile.h"
#include "services/DiaryProtection.h"
#include "services/DiaryServices.h"
#include "tags/TagIndex.h"
#ifdef PENWICK_BENCH_XCB
#include "StartUnderX.h"
#endif

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <dlfcn.h>
#include <fcntl.h>
#include <functional>
#include <future>
#include <map>
#include <sys/resource.h>
#include <unistd.h>

// Every fsync and fdatasync of the process is counted, the history's SQLite among them (the
// bench exports these so that shared libraries call them too).
static std::atomic<long> syncCalls { 0 };
extern "C" int fsync(int fd)
{
    static const auto next = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    ++syncCalls;
    return next(fd);
}
extern "C" int fdatasync(int fd)
{
    static const auto next = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fdatasync"));
    ++syncCalls;
    return next(fd);
}

using namespace penwick;

namespace {

const int years[] = { 1, 10, 50 };

QTemporaryDir &folder()
{
    static QTemporaryDir dir(
            QDir::currentPath() + "/bench-XXXXXX"); // on the disk under test, not /tmp
    return dir;
}

QString diaryPath(int y)
{
    return folder().filePath(QStringLiteral("note-%1y.plist").arg(y));
}

// About 600 bytes of mixed scripts, line breaks and characters that need escaping.
QString pageOfText(int day)
{
    static const char *pieces[] = { "Walked to the market; bought apples & pears. ",
        "Café au lait, crème brûlée, naïve résumé. ", "今日は雨が降っていました。",
        "Note to self: 3 < 5 > 2.\n", "Über die Brücke gegangen. ",
        "Long day at work, but a good one.\n" };
    QString text;
    for (int i = 0; text.toUtf8().size() < 600; ++i)
        text += QString::fromUtf8(pieces[(day + i) % 6]);
    return text;
}

void makeDiary(int y)
{
    QVariantList entries;
    const QDate last(2026, 12, 6);
    const int days = 365 * y;
    for (int i = days - 1; i >= 0; --i) {
        const QDate d = last.addDays(-i);
        entries.append(
                QVariantMap { { "date", d.toString(Qt::ISODate) }, { "text", pageOfText(i) } });
    }
    QFile f(diaryPath(y));
    f.open(QIODevice::WriteOnly);
    f.write(plist::writeXml(entries));
}

void keystroke(benchmark::State &state)
{
    const QString path = diaryPath(int(state.range(0)));
    const QString base = pageOfText(0);
    int i = 0;
    for (auto _ : state) {
        if (!diary::saveDayText(path, "2026-12-06", base + QChar(u'a' + (i++ % 26))).ok())
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}

void floorWrite(benchmark::State &state)
{
    const QString path = diaryPath(int(state.range(0)));
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    const QByteArray target = QFile::encodeName(path + ".floor");
    const QByteArray temporary = target + ".tmp";
    const QByteArray dir = QFile::encodeName(folder().path());
    for (auto _ : state) {
        const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (::write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size())
            state.SkipWithError("write failed");
        ::fsync(fd);
        ::close(fd);
        ::rename(temporary.constData(), target.constData());
        const int d = ::open(dir.constData(), O_RDONLY | O_DIRECTORY);
        ::fsync(d);
        ::close(d);
    }
}

void lookup(benchmark::State &state)
{
    const QString path = diaryPath(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(diary::readDayText(path, "2000-06-15"));
}

// A Japanese keyword found in most texts, which are all decoded; an English one found in none,
// looked for in the bytes first.
void searchDiary(benchmark::State &state)
{
    const QString path = diaryPath(int(state.range(0)));
    const QString keyword
            = state.range(1) ? QString::fromUtf8("雨が降って") : QStringLiteral("rained");
    for (auto _ : state)
        benchmark::DoNotOptimize(diary::searchDiary(path, keyword));
}

// The whole diary as text, written to a file beside it.
void exportDiary(benchmark::State &state)
{
    const QString path = diaryPath(int(state.range(0)));
    const QString out = folder().filePath(QStringLiteral("export.txt"));
    for (auto _ : state) {
        if (!diary::exportDiary(path, out).ok)
            state.SkipWithError("export failed");
    }
}

// The diary of y years where Penwick looks for it, as a session (the window's or the command
// line's) reads it.
void placeDiary(int y)
{
    const QString note
            = QDir(qEnvironmentVariable("XDG_DATA_HOME")).filePath("Hollyfen/Penwick/note.plist");
    QDir().mkpath(QFileInfo(note).absolutePath());
    QFile::remove(note);
    QFile::copy(diaryPath(y), note);
}

// An export as the command line makes it, from the reading of the diary to the written file:
// a session of its own reads the file, the format's writer makes the bytes, and the file is
// replaced crash-safely (daily notes: a folder of new files, synced, renamed into place).
exports::ExportOutcome exportOnce(
        exports::Format format, const QString &out, exports::ExportProgress *progress)
{
    diary::DiarySession session;
    exports::ExportOptions options;
    options.format = format;
    options.font = QApplication::font();
    const QList<diary::DiaryEntry> days = session.daysBetween(QDate(1, 1, 1), QDate(9999, 12, 31));
    return exports::writeExport(days, options, out, session.noteFilePath(), progress);
}

void exportAs(benchmark::State &state)
{
    const auto format = exports::Format(state.range(0));
    placeDiary(int(state.range(1)));
    const QString out = folder().filePath(QStringLiteral("export-out"));
    for (auto _ : state) {
        state.PauseTiming();
        QDir(out).removeRecursively(); // daily notes go into a new folder
        QFile::remove(out);
        state.ResumeTiming();
        exports::ExportProgress progress;
        if (!exportOnce(format, out, &progress).ok()) {
            state.SkipWithError("export failed");
            break;
        }
    }
}

// What any search must pay: reading the file and parsing it whole.
void readAndParse(benchmark::State &state)
{
    const QString path = diaryPath(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(diary::loadEntries(path));
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * double(values.size())))];
}

// The window's own time per keystroke in the real editor (offscreen), by default 200 keys at
// 60 keys/s, and the time from the last key until the file holds the whole text; what the
// process wrote, synced and spent per key, from the first key until then.
struct Typing
{
    double medianMs = 0;
    double p99Ms = 0;
    double settleMs = 0;
    double historyBytesPerKey = 0;
    double bytesPerKey = 0;
    double syncsPerKey = 0;
    double cpuMsPerKey = 0;
};

// Bytes handed to write() by this process so far.
qint64 bytesWritten()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("wchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return 0;
}

double cpuMs()
{
    rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
            + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

qint64 historyBytes(const QString &file)
{
    return QFileInfo(file).size() + QFileInfo(file + "-wal").size();
}

const QString benchPassphrase = QStringLiteral("correct horse battery staple");

// The y-year diary protected by benchPassphrase, with Argon2id's limits calibrated here.
QString protectedDiaryPath(int y)
{
    return folder().filePath(QStringLiteral("note-%1y-protected.plist").arg(y));
}

// In the window's unlock view: the passphrase typed and Return pressed.
void unlockWindow(MainWindow &window)
{
    auto *field = window.findChild<QLineEdit *>("passphraseField");
    field->setText(benchPassphrase);
    QTest::keyClick(field, Qt::Key_Return);
}

Typing typeIntoWindow(int y, bool popover, bool history = false, int keys = 200,
        int keysPerSecond = 60, bool spelling = true, bool protectedDiary = false)
{
    const QString historyFile = folder().filePath(
            QStringLiteral("history-%1y%2.sqlite").arg(y).arg(protectedDiary ? "-protected" : ""));
    const QString note
            = QDir(qEnvironmentVariable("XDG_DATA_HOME")).filePath("Hollyfen/Penwick/note.plist");
    QDir().mkpath(QFileInfo(note).absolutePath());
    QFile::remove(note);
    QFile::copy(protectedDiary ? protectedDiaryPath(y) : diaryPath(y), note);
    DiaryServices services(
            [] { return QDateTime(QDate(2026, 12, 6), QTime(20, 0)); }, history, historyFile);
    history::HistoryStore *store = services.history();
    MainWindow window(&services, nullptr);
    window.start();
    if (protectedDiary)
        unlockWindow(window);
    auto *editor = window.findChild<QPlainTextEdit *>("editor");
    auto *checkSpelling = window.findChild<QAction *>("actionCheckSpelling");
    checkSpelling->setChecked(spelling);
    if (popover) {
        auto *field = window.findChild<QLineEdit *>("searchField");
        field->setText("Walked");
        QTest::keyClick(field, Qt::Key_Return);
    }
    editor->setFocus();
    editor->moveCursor(QTextCursor::End);
    std::vector<double> ui;
    // the start's own work (the dictionary, and with the history the day's backup, a few
    // seconds after start) is done before the first key
    if (store)
        QTest::qWait(3100);
    QThreadPool::globalInstance()->waitForDone();
    QTest::qWait(100);
    if (store)
        store->flush();
    const qint64 historyBefore = historyBytes(historyFile);
    const qint64 bytesBefore = bytesWritten();
    const long syncsBefore = syncCalls;
    const double cpuBefore = cpuMs();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < keys; ++i) {
        const qint64 due = qint64(i) * 1000 / keysPerSecond;
        if (clock.elapsed() < due) { // idle between keys, as a window is
            QEventLoop idle;
            QTimer::singleShot(
                    int(due - clock.elapsed()), Qt::PreciseTimer, &idle, &QEventLoop::quit);
            idle.exec();
        }
        QElapsedTimer key;
        key.start();
        QTest::keyClick(editor, i % 6 == 5 ? ' ' : char('a' + i % 26)); // words, as typed
        ui.push_back(double(key.nsecsElapsed()) / 1e6);
    }
    QElapsedTimer settle;
    settle.start();
    services.session().flush(60000);
    if (store)
        store->flush();
    const double settleMs = double(settle.nsecsElapsed()) / 1e6;
    const double perKey = double(historyBytes(historyFile) - historyBefore) / keys;
    Typing typing { percentile(ui, 0.5), percentile(ui, 0.99), settleMs, history ? perKey : 0 };
    typing.bytesPerKey = double(bytesWritten() - bytesBefore) / keys;
    typing.syncsPerKey = double(syncCalls - syncsBefore) / keys;
    typing.cpuMsPerKey = (cpuMs() - cpuBefore) / keys;
    checkSpelling->setChecked(true); // as Penwick starts by default
    QString stored = diary::readDayText(note, "2026-12-06").text;
    if (protectedDiary) { // sealed: read by a session of its own, under the same key
        diary::DiarySession reader;
        reader.setKey(services.session().key());
        stored = reader.textOf(QDate(2026, 12, 6));
    }
    if (!stored.endsWith(editor->toPlainText().right(20)))
        std::printf("typing %dy: the file does not hold the text!\n", y);
    return typing;
}

// Watches a widget for its next paint; installed on the application, the next paint of the
// viewport of the view named viewName, which may not be built yet.
struct Painted : QObject
{
    bool painted = false;
    QString viewName;
    bool eventFilter(QObject *object, QEvent *event) override
    {
        painted = painted
                || (event->type() == QEvent::Paint
                        && (viewName.isEmpty()
                                || (object->parent()
                                        && object->parent()->objectName() == viewName)));
        return false;
    }
};

// From constructing the window, with its history, until its editor has painted its first frame
// (median of 7), on a diary of y years (0: none yet).
double startToVisible(int y)
{
    const QString note
            = QDir(qEnvironmentVariable("XDG_DATA_HOME")).filePath("Hollyfen/Penwick/note.plist");
    QFile::remove(note);
    if (y > 0)
        QFile::copy(diaryPath(y), note);
    std::vector<double> times;
    for (int run = 0; run < 7; ++run) {
        QElapsedTimer clock;
        clock.start();
        Painted paint;
        DiaryServices services;
        MainWindow window(&services, nullptr);
        window.findChild<QPlainTextEdit *>("editor")->viewport()->installEventFilter(&paint);
        window.start();
        while (!paint.painted)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        QTest::qWait(300); // what follows the first frame is done before the window goes
    }
    return percentile(times, 0.5);
}

#ifdef PENWICK_BENCH_XCB
// Penwick started as a user starts it, from exec to its window, on a 30-year diary and on
// none, beside an empty Qt window (medians of 7 rounds of all three, each the median of 3, under
// an Xvfb of the bench's own).
void printStartUnderX()
{
    StartUnderX x;
    if (!x.isReady()) {
        std::printf("start 30y under Xvfb: skipped, no Xvfb\n");
        return;
    }
    const QString note
            = QDir(qEnvironmentVariable("XDG_DATA_HOME")).filePath("Hollyfen/Penwick/note.plist");
    // the three in turn, round by round, so that a machine slower for a while slows all three
    std::vector<double> rounds30, roundsNone, roundsEmpty;
    for (int round = 0; round < 7; ++round) {
        QFile::remove(note);
        QFile::copy(diaryPath(30), note);
        rounds30.push_back(x.medianMs(QStringLiteral(PENWICK_PROGRAM), 3));
        QFile::remove(note);
        roundsNone.push_back(x.medianMs(QStringLiteral(PENWICK_PROGRAM), 3));
        roundsEmpty.push_back(x.medianMs(QStringLiteral(EMPTY_WINDOW_PROGRAM), 3));
    }
    const double years30 = percentile(rounds30, 0.5);
    const double none = percentile(roundsNone, 0.5);
    const double empty = percentile(roundsEmpty, 0.5);
    std::printf("start 30y exec_to_visible_ms=%.1f no_diary_ms=%.1f empty_qt_ms=%.1f "
                "ratio_30y=%.2f ratio_no_diary=%.2f\n",
            years30, none, empty, years30 / empty, none / empty);
}
#endif

// In the real window (offscreen) on a 10-year diary, until the widget that shows the outcome has
// painted it, median of 5: Return in the search field with a keyword most days hold; then
// Alt+Left to the day before, which holds 100 KB of text, spelling checked.
struct WindowTimes
{
    double longDayMs = 0;
    double manyResultsMs = 0;
    int results = 0;
};

WindowTimes openLongDayAndManyResults()
{
    const QString note
            = QDir(qEnvironmentVariable("XDG_DATA_HOME")).filePath("Hollyfen/Penwick/note.plist");
    diary::Entries diary = diary::loadEntries(diaryPath(10));
    QString longText;
    for (int i = 0; longText.size() < 100000; ++i)
        longText += pageOfText(i) + (i % 3 ? " Misspeld wrods here. " : "\n\n");
    diary.entries[diary.entries.size() - 2]
            = QVariantMap { { "date", "2026-12-05" }, { "text", longText } };
    QFile::remove(note);
    QFile out(note);
    out.open(QIODevice::WriteOnly);
    out.write(plist::writeXml(diary.entries));
    out.close();
    std::vector<double> day, results;
    int found = 0;
    for (int run = 0; run < 5; ++run) {
        DiaryServices services([] { return QDateTime(QDate(2026, 12, 6), QTime(20, 0)); }, false);
        MainWindow window(&services, nullptr);
        window.start();
        QTest::qWait(200);
        auto waitForPaint = [](QObject *watched, auto &&act, const QString &viewName = {}) {
            Painted paint;
            paint.viewName = viewName;
            watched->installEventFilter(&paint);
            QElapsedTimer clock;
            clock.start();
            act();
            while (!paint.painted)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            return double(clock.nsecsElapsed()) / 1e6;
        };
        auto *field = window.findChild<QLineEdit *>("searchField");
        field->setText("Walked");
        // the results panel is built when it first opens
        results.push_back(waitForPaint(
                qApp, [&] { QTest::keyClick(field, Qt::Key_Return); },
                QStringLiteral("resultsView")));
        found = window.findChild<QAbstractItemView *>("resultsView")->model()->rowCount();
        QTest::keyClick(field, Qt::Key_Escape);
        QTest::qWait(100);
        auto *editor = window.findChild<QPlainTextEdit *>("editor");
        day.push_back(waitForPaint(editor->viewport(),
                [&] { QTest::keySequence(&window, QKeySequence("Alt+Left")); }));
        QTest::qWait(100);
    }
    return { percentile(day, 0.5), percentile(results, 0.5), found };
}

// A new keyword searched in the open diary, from memory.
double searchFromMemory(int y, const QString &keyword, bool ignoreCase = false)
{
    diary::DiarySession session;
    QFile::remove(
            QDir(qEnvironmentVariable("XDG_DATA_HOME")).filePath("Hollyfen/Penwick/note.plist"));
    QFile::copy(diaryPath(y),
            QDir(qEnvironmentVariable("XDG_DATA_HOME")).filePath("Hollyfen/Penwick/note.plist"));
    session.search(QStringLiteral("warm-up"));
    std::vector<double> times;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer t;
        t.start();
        benchmark::DoNotOptimize(session.search(keyword, ignoreCase));
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return percentile(times, 0.5);
}

// The first search ignoring case and accents, a second after the diary was opened with that
// option on (the time a user takes to type the keyword).
double firstSearchIgnoringCase(int y)
{
    const QString note
            = QDir(qEnvironmentVariable("XDG_DATA_HOME")).filePath("Hollyfen/Penwick/note.plist");
    QFile::remove(note);
    QFile::copy(diaryPath(y), note);
    diary::DiarySession session;
    session.preferences().setValue(prefkey::searchIgnoresCase, true);
    session.textOf(session.today());
    QTest::qWait(1000);
    QElapsedTimer t;
    t.start();
    benchmark::DoNotOptimize(session.search(QStringLiteral("Rained"), true));
    const double ms = double(t.nsecsElapsed()) / 1e6;
    session.preferences().setValue(prefkey::searchIgnoresCase, false);
    return ms;
}

// The window thread's longest stall in the second and a half after each of a few rewrites of a
// 10-year diary whose folder holds 20,000 other files: the folder watch looks for conflict
// copies after every change in it, Penwick's own rename included.
double longestStallAmongManyFiles()
{
    const QString note
            = QDir(qEnvironmentVariable("XDG_DATA_HOME")).filePath("Hollyfen/Penwick/note.plist");
    const QString others = QFileInfo(note).absolutePath();
    QFile::remove(note);
    QFile::copy(diaryPath(10), note);
    for (int i = 0; i < 20000; ++i)
        QFile(others + QStringLiteral("/other %1.txt").arg(i)).open(QIODevice::WriteOnly);
    DiaryServices services({}, false);
    services.open();
    services.startWatching();
    diary::DiarySession &session = services.session();
    QString text = session.textOf(session.today());
    double longest = 0;
    for (int write = 0; write < 5; ++write) {
        session.storeText(text += QStringLiteral(" and more"));
        session.flush();
        QElapsedTimer since;
        since.start();
        qint64 last = 0;
        while (since.elapsed() < 1500) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            const qint64 now = since.nsecsElapsed();
            longest = std::max(longest, double(now - last) / 1e6);
            last = now;
        }
    }
    for (int i = 0; i < 20000; ++i)
        QFile::remove(others + QStringLiteral("/other %1.txt").arg(i));
    return longest;
}

// The y-year diary protected as the window protects it: Argon2id's limits calibrated to about
// half a second here, the file sealed by the session.
void makeProtectedDiary(int y)
{
    const QString note
            = QDir(qEnvironmentVariable("XDG_DATA_HOME")).filePath("Hollyfen/Penwick/note.plist");
    QFile::remove(note);
    QFile::copy(diaryPath(y), note);
    {
        DiaryServices services({}, false);
        services.open();
        const Conversion done
                = services.protection().protect(benchPassphrase, privacy::recovery::generate());
        if (!done.ok())
            std::printf("protect %dy: %s\n", y, qPrintable(done.error));
    }
    QFile::remove(protectedDiaryPath(y));
    QFile::copy(note, protectedDiaryPath(y));
}

// A protected 30-year diary: from constructing the window until its editor has painted the day,
// the passphrase given as soon as the unlock view asks (median of 5); beside the key's
// derivation alone and the unprotected start; CPU per key typed, protected and not; then the
// whole file rewritten, sealed and plain.
void printProtected(double plainStartMs)
{
    makeProtectedDiary(30);
    const Typing plainTyping = typeIntoWindow(30, false, true, 400, 8);
    const Typing sealedTyping = typeIntoWindow(30, false, true, 400, 8, true, true);
    std::printf("io 30y protected cpu_ms_per_key=%.2f unprotected_cpu_ms_per_key=%.2f ratio=%.2f "
                "protected_bytes_per_key=%.0f\n",
            sealedTyping.cpuMsPerKey, plainTyping.cpuMsPerKey,
            sealedTyping.cpuMsPerKey / plainTyping.cpuMsPerKey, sealedTyping.bytesPerKey);
    const QString note
            = QDir(qEnvironmentVariable("XDG_DATA_HOME")).filePath("Hollyfen/Penwick/note.plist");
    const QByteArray sealed = [] {
        QFile file(protectedDiaryPath(30));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    std::vector<double> derivation, unlock;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer clock;
        clock.start();
        benchmark::DoNotOptimize(privacy::unlockWithPassphrase(sealed, benchPassphrase));
        derivation.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    for (int run = 0; run < 5; ++run) {
        QFile::remove(note);
        QFile::copy(protectedDiaryPath(30), note);
        QElapsedTimer clock;
        clock.start();
        Painted paint;
        DiaryServices services;
        MainWindow window(&services, nullptr);
        window.findChild<QPlainTextEdit *>("editor")->viewport()->installEventFilter(&paint);
        window.start();
        unlockWindow(window);
        while (!paint.painted)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        unlock.push_back(double(clock.nsecsElapsed()) / 1e6);
        QTest::qWait(300);
    }
    const double derive = percentile(derivation, 0.5);
    const double opened = percentile(unlock, 0.5);
    std::printf("unlock 30y to_first_frame_ms=%.1f key_derivation_ms=%.1f start_ms=%.1f "
                "ratio=%.2f\n",
            opened, derive, plainStartMs, opened / (derive + plainStartMs));
    // the bounded rewrite's worst case: the whole file, sealed against plain
    std::vector<double> plain, protectedRewrite;
    for (const bool sealedRun : { false, true }) {
        QFile::remove(note);
        QFile::copy(sealedRun ? protectedDiaryPath(30) : diaryPath(30), note);
        DiaryServices services({}, false);
        services.open();
        if (sealedRun)
            services.protection().unlock(benchPassphrase, false);
        services.session().textOf(services.session().today());
        for (int run = 0; run < 5; ++run) {
            QElapsedTimer clock;
            clock.start();
            services.session().rewriteFile();
            (sealedRun ? protectedRewrite : plain).push_back(double(clock.nsecsElapsed()) / 1e6);
        }
    }
    std::printf("rewrite 30y protected_ms=%.1f plain_ms=%.1f ratio=%.2f\n",
            percentile(protectedRewrite, 0.5), percentile(plain, 0.5),
            percentile(protectedRewrite, 0.5) / percentile(plain, 0.5));
}

// A 50-year diary whose days carry tags: one or two of twelve, in three scripts.
QString taggedDiaryPath()
{
    return folder().filePath(QStringLiteral("note-50y-tags.plist"));
}

void makeTaggedDiary()
{
    static const char *tags[] = { "#garden", "#Reise", "#旅行", "#work", "#family", "#rain",
        "#books", "#running", "#Café", "#friends", "#travel", "#health" };
    QVariantList entries;
    const QDate last(2026, 12, 6);
    for (int i = 365 * 50 - 1; i >= 0; --i) {
        QString text = pageOfText(i) + QString::fromUtf8(tags[i % 12]);
        if (i % 3 == 0)
            text += QLatin1Char(' ') + QString::fromUtf8(tags[(i / 3) % 12]);
        entries.append(QVariantMap {
                { "date", last.addDays(-i).toString(Qt::ISODate) }, { "text", text } });
    }
    QFile f(taggedDiaryPath());
    f.open(QIODevice::WriteOnly);
    f.write(plist::writeXml(entries));
}

double medianMsOf(int runs, const std::function<void()> &run)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        run();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return percentile(times, 0.5);
}

// The tag index of 50 years: built whole, built again after a rewrite that changed one day, and
// in the window from its start until the index is in (built off the window's thread, the
// window's longest wait for an event meanwhile); a search of several words and of a tag, from
// memory; the Year Overview from its command until the year's squares are drawn, the first
// time and again.
void printTagsSearchAndOverview()
{
    makeTaggedDiary();
    const diary::SnapshotPointer file = diary::DiarySnapshot::load(taggedDiaryPath());
    tags::TagIndex::Pointer index;
    const double buildMs = medianMsOf(7, [&] { index = tags::TagIndex::build(file); });
    diary::Entries changed = diary::loadEntries(taggedDiaryPath());
    changed.entries.last() = QVariantMap { { "date", "2026-12-06" }, { "text", "#new day" } };
    const QString changedPath = folder().filePath(QStringLiteral("note-50y-tags-changed.plist"));
    QFile out(changedPath);
    out.open(QIODevice::WriteOnly);
    out.write(plist::writeXml(changed.entries));
    out.close();
    const diary::SnapshotPointer newer = diary::DiarySnapshot::load(changedPath);
    const double rebuildMs = medianMsOf(7, [&] { tags::TagIndex::build(newer, index); });
    const double countsMs = medianMsOf(7, [&] { benchmark::DoNotOptimize(index->counts()); });

    const QString note
            = QDir(qEnvironmentVariable("XDG_DATA_HOME")).filePath("Hollyfen/Penwick/note.plist");
    QDir().mkpath(QFileInfo(note).absolutePath());
    QFile::remove(note);
    QFile::copy(taggedDiaryPath(), note);
    std::vector<double> ready, longestWait;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer clock;
        clock.start();
        DiaryServices services([] { return QDateTime(QDate(2026, 12, 6), QTime(20, 0)); }, false);
        MainWindow window(&services, nullptr);
        window.start();
        const auto *tagsOfDiary = window.findChild<DiaryTags *>("diaryTags");
        double wait = 0;
        while (tagsOfDiary->counts().isEmpty() && clock.elapsed() < 10000) {
            QElapsedTimer event;
            event.start();
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            wait = std::max(wait, double(event.nsecsElapsed()) / 1e6);
        }
        ready.push_back(double(clock.nsecsElapsed()) / 1e6);
        longestWait.push_back(wait);
        QTest::qWait(100);
    }
    std::printf("tags 50y index_build_ms=%.2f rebuild_after_one_day_ms=%.2f counts_ms=%.2f "
                "window_start_to_index_ms=%.1f window_longest_event_ms=%.1f\n",
            buildMs, rebuildMs, countsMs, percentile(ready, 0.5), percentile(longestWait, 0.5));

    {
        diary::DiarySession session;
        session.search(QStringLiteral("warm-up"));
        const auto searchMs = [&](const QString &query, bool ignore) {
            return medianMsOf(7, [&] { benchmark::DoNotOptimize(session.search(query, ignore)); });
        };
        // beside one word found in most days, whose texts are all decoded for the list
        std::printf(
                "search 50y several words median_ms=%.2f ignoring_case_ms=%.2f "
                "tag_and_word_ms=%.2f phrase_and_left_out_ms=%.2f one_word_found_often_ms=%.2f\n",
                searchMs(QStringLiteral("Walked market Brücke"), false),
                searchMs(QStringLiteral("walked MARKET brucke"), true),
                searchMs(QStringLiteral("#garden apples"), false),
                searchMs(QString::fromUtf8("\"雨が降って\" -#work"), false),
                searchMs(QString::fromUtf8("雨が降って"), false));
    }

    std::vector<double> first, again;
    for (int run = 0; run < 5; ++run) {
        DiaryServices services([] { return QDateTime(QDate(2026, 12, 6), QTime(20, 0)); }, false);
        MainWindow window(&services, nullptr);
        window.start();
        QTest::qWait(200);
        auto *open = window.findChild<QAction *>("actionYearOverview");
        const auto drawn = [&] {
            Painted paint;
            paint.viewName = QStringLiteral("yearGrid");
            qApp->installEventFilter(&paint);
            QElapsedTimer clock;
            clock.start();
            open->trigger();
            while (!paint.painted)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            qApp->removeEventFilter(&paint);
            return double(clock.nsecsElapsed()) / 1e6;
        };
        first.push_back(drawn());
        window.findChild<QDialog *>("yearOverview")->hide();
        QTest::qWait(50);
        again.push_back(drawn());
        window.findChild<QDialog *>("yearOverview")->hide();
    }
    std::printf("overview 50y open_to_drawn_ms=%.1f first_open_ms=%.1f\n", percentile(again, 0.5),
            percentile(first, 0.5));
}

// Keeps the median of each benchmark for the closing summary.
class Reporter : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> medianMs;

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medianMs[run.run_name.str()] = run.GetAdjustedRealTime();
        }
    }
};

} // namespace

int main(int argc, char *argv[])
{
    // the window runs offscreen, in folders of the bench's own
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString home = folder().filePath(QStringLiteral("home"));
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home + "/.local/share"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + "/.config"));
    qputenv("PENWICK_UPDATE_URL", "http://127.0.0.1:9/");
    qputenv("PENWICK_MODULE_DIR", PENWICK_MODULE_DIR); // the update check's network module
    QApplication app(argc, argv);
    // American English, so that spelling is checked with the en_US dictionary
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    for (int y : years)
        makeDiary(y);
    // PENWICK_BENCH_ONLY=tags: the tags, search and overview lines alone
    if (qEnvironmentVariable("PENWICK_BENCH_ONLY") == QLatin1String("tags")) {
        printTagsSearchAndOverview();
        return 0;
    }
    // PENWICK_BENCH_ONLY=start: the start-up lines alone
    if (qEnvironmentVariable("PENWICK_BENCH_ONLY") == QLatin1String("start")) {
        makeDiary(30);
        std::printf("start 30y in_process_first_frame_ms=%.1f no_diary_ms=%.1f\n",
                startToVisible(30), startToVisible(0));
#ifdef PENWICK_BENCH_XCB
        printStartUnderX();
#endif
        return 0;
    }
    // PENWICK_BENCH_ONLY=protected: the protected diary's lines alone
    if (qEnvironmentVariable("PENWICK_BENCH_ONLY") == QLatin1String("protected")) {
        makeDiary(30);
        printProtected(startToVisible(30));
        return 0;
    }
    // every figure in milliseconds, reported as aggregates over the repetitions
    auto measure = [](const char *name, void (*fn)(benchmark::State &),
                           const std::vector<int64_t> &args, int iterations, int repetitions) {
        benchmark::RegisterBenchmark(name, fn)
                ->Args(args)
                ->Iterations(iterations)
                ->Repetitions(repetitions)
                ->Unit(benchmark::kMillisecond)
                ->ReportAggregatesOnly();
    };
    for (int y : years) {
        const int iterations = y == 50 ? 10 : 30;
        measure("floor", floorWrite, { y }, iterations, 7);
        measure("keystroke", keystroke, { y }, iterations, 7);
        measure("lookup", lookup, { y }, iterations, 3);
    }
    measure("search", searchDiary, { 50, 1 }, 5, 5);
    measure("search", searchDiary, { 50, 0 }, 5, 5);
    measure("parse", readAndParse, { 50 }, 5, 5);
    measure("export", exportDiary, { 50 }, 5, 5);
    for (exports::Format format : { exports::Format::Text, exports::Format::Markdown,
                 exports::Format::Json, exports::Format::Html, exports::Format::DailyNotes })
        measure("export_as", exportAs, { int(format), 50 }, 3, 3);
    measure("export_as", exportAs, { int(exports::Format::Pdf), 1 }, 3, 3);
    benchmark::Initialize(&argc, argv);
    Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    for (int y : years) {
        const std::string arg = "/" + std::to_string(y)
                + "/iterations:" + std::to_string(y == 50 ? 10 : 30) + "/repeats:7";
        const double k = reporter.medianMs["keystroke" + arg];
        const double f = reporter.medianMs["floor" + arg];
        if (k <= 0 || f <= 0)
            continue; // not run (a --benchmark_filter left it out)
        const QFileInfo info(diaryPath(y));
        std::printf("diary %dy: %lld entries, %.1f MB\n", y, 365LL * y, double(info.size()) / 1e6);
        std::printf("keystroke %dy median_ms=%.2f floor_ms=%.2f ratio=%.2f\n", y, k, f,
                f > 0 ? k / f : 0.0);
    }
    const double parseMs = reporter.medianMs["parse/50/iterations:5/repeats:5"];
    for (const auto &[arg, name] : { std::pair { "1", "japanese" }, { "0", "english" } }) {
        const double searchMs
                = reporter.medianMs[std::string("search/50/") + arg + "/iterations:5/repeats:5"];
        if (searchMs > 0 && parseMs > 0)
            std::printf("search 50y %s median_ms=%.2f read_and_parse_ms=%.2f ratio=%.2f\n", name,
                    searchMs, parseMs, searchMs / parseMs);
    }
    const double exportMs = reporter.medianMs["export/50/iterations:5/repeats:5"];
    if (exportMs > 0 && parseMs > 0)
        std::printf("export 50y median_ms=%.2f read_and_parse_ms=%.2f ratio=%.2f\n", exportMs,
                parseMs, exportMs / parseMs);
    for (exports::Format format : { exports::Format::Text, exports::Format::Markdown,
                 exports::Format::Json, exports::Format::Html, exports::Format::DailyNotes }) {
        const double ms = reporter.medianMs["export_as/" + std::to_string(int(format))
                + "/50/iterations:3/repeats:3"];
        if (ms > 0 && parseMs > 0)
            std::printf("export %s 50y median_ms=%.2f read_and_parse_ms=%.2f ratio=%.2f\n",
                    qPrintable(exports::formatName(format)), ms, parseMs, ms / parseMs);
    }
    if (const double ms = reporter.medianMs["export_as/" + std::to_string(int(exports::Format::Pdf))
                + "/1/iterations:3/repeats:3"];
            ms > 0) {
        // fifty years of pages, timed once: when the first day is done (the progress bar
        // moves), and when the file is written
        placeDiary(50);
        exports::ExportProgress progress;
        QElapsedTimer clock;
        clock.start();
        auto running = std::async(std::launch::async, [&progress] {
            return exportOnce(exports::Format::Pdf, folder().filePath("export-50y.pdf"), &progress);
        });
        double firstDayMs = 0;
        while (running.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
            if (!firstDayMs && progress.done > 0)
                firstDayMs = double(clock.nsecsElapsed()) / 1e6;
        }
        const bool ok = running.get().ok();
        std::printf("export pdf 1y median_ms=%.0f; 50y%s first_day_done_ms=%.0f total_ms=%.0f "
                    "pages_bytes=%lld\n",
                ms, ok ? "" : " FAILED", firstDayMs, double(clock.nsecsElapsed()) / 1e6,
                QFileInfo(folder().filePath("export-50y.pdf")).size());
    }
    for (int y : years) {
        const double f = reporter.medianMs["floor/" + std::to_string(y)
                + "/iterations:" + std::to_string(y == 50 ? 10 : 30) + "/repeats:7"];
        for (const bool popover : { false, true }) {
            const Typing typing = typeIntoWindow(y, popover);
            std::printf("typing %dy%s ui_ms_p99=%.2f ui_ms_median=%.2f settle_ms=%.2f "
                        "floor_ms=%.2f\n",
                    y, popover ? " popover" : "", typing.p99Ms, typing.medianMs, typing.settleMs,
                    f);
        }
    }
    {
        const WindowTimes times = openLongDayAndManyResults();
        std::printf("window 10y open_100kb_day_spelling_ms=%.1f results_%d_fill_ms=%.1f\n",
                times.longDayMs, times.results, times.manyResultsMs);
    }
    // spelling checked while typing, and not
    for (const bool spelling : { true, false }) {
        const Typing typing = typeIntoWindow(50, false, false, 200, 60, spelling);
        std::printf("typing 50y spelling=%s ui_ms_p99=%.2f ui_ms_median=%.2f\n",
                spelling ? "on" : "off", typing.p99Ms, typing.medianMs);
    }
    // the history on and off, in the same run
    for (const bool history : { false, true }) {
        const Typing typing = typeIntoWindow(50, false, history);
        std::printf(
                "typing 50y history=%s ui_ms_p99=%.2f settle_ms=%.2f history_bytes_per_key=%.0f "
                "day_text_bytes=%lld\n",
                history ? "on" : "off", typing.p99Ms, typing.settleMs, typing.historyBytesPerKey,
                qint64(pageOfText(0).toUtf8().size() + 200));
    }
    // a burst of typing at 8 keys/s with the history as the journal, against the whole file
    // written per key without it (fewer keys: each costs the same)
    makeDiary(30);
    for (int y : { 1, 10, 30, 50 }) {
        const Typing journal = typeIntoWindow(y, false, true, 400, 8);
        const Typing whole = typeIntoWindow(y, false, false, 40, 8);
        std::printf("io %dy bytes_per_key=%.0f fsyncs_per_key=%.2f cpu_ms_per_key=%.2f "
                    "ui_ms_p99=%.2f settle_ms=%.2f whole_file_bytes_per_key=%.0f "
                    "whole_file_fsyncs_per_key=%.2f whole_file_cpu_ms_per_key=%.2f\n",
                y, journal.bytesPerKey, journal.syncsPerKey, journal.cpuMsPerKey, journal.p99Ms,
                journal.settleMs, whole.bytesPerKey, whole.syncsPerKey, whole.cpuMsPerKey);
    }
    const double start30 = startToVisible(30);
    std::printf("start 30y in_process_first_frame_ms=%.1f no_diary_ms=%.1f\n", start30,
            startToVisible(0));
    printProtected(start30);
    std::printf("folder 10y with 20000 other files: longest_stall_after_a_write_ms=%.1f\n",
            longestStallAmongManyFiles());
#ifdef PENWICK_BENCH_XCB
    printStartUnderX();
#endif
    {
        // a year of writing: 365 days of 4 stretches of 1.5 KB each
        const QString file = folder().filePath(QStringLiteral("history-year.sqlite"));
        qint64 texts = 0;
        {
            history::HistoryStore store(file);
            const QDate first(2026, 1, 1);
            for (int d = 0; d < 365; ++d) {
                for (int s = 0; s < 4; ++s) {
                    QString text = pageOfText(d + s);
                    text += text + pageOfText(d + s + 1);
                    texts += text.toUtf8().size();
                    store.recordVersion(diaryPath(50), first.addDays(d).toString(Qt::ISODate), text,
                            history::Origin::Typed);
                }
            }
        }
        std::printf("history year size_bytes=%lld texts_bytes=%lld ratio=%.2f\n",
                historyBytes(file), texts, double(historyBytes(file)) / double(texts));
    }
    {
        // a 50-year backup against a plain copy of the file
        std::vector<double> backup, copy;
        const QString backups = folder().filePath(QStringLiteral("Backups"));
        for (int i = 0; i < 5; ++i) {
            QDir(backups).removeRecursively();
            QElapsedTimer t;
            t.start();
            history::makeDailyBackup(diaryPath(50), backups, QDate(2026, 12, 6), qint64(1) << 50);
            backup.push_back(double(t.nsecsElapsed()) / 1e6);
            QFile::remove(diaryPath(50) + ".copy");
            t.start();
            QFile::copy(diaryPath(50), diaryPath(50) + ".copy");
            copy.push_back(double(t.nsecsElapsed()) / 1e6);
        }
        std::printf("backup 50y median_ms=%.2f plain_copy_ms=%.2f ratio=%.2f\n",
                percentile(backup, 0.5), percentile(copy, 0.5),
                percentile(backup, 0.5) / percentile(copy, 0.5));
    }
    for (int y : years) {
        std::printf("search %dy from memory english median_ms=%.2f japanese median_ms=%.2f\n", y,
                searchFromMemory(y, QStringLiteral("rained")),
                searchFromMemory(y, QString::fromUtf8("雨が降って")));
    }
    printTagsSearchAndOverview();
    std::printf("search 50y from memory ignoring case english median_ms=%.2f "
                "first_after_start_ms=%.2f\n",
            searchFromMemory(50, QStringLiteral("Rained"), true), firstSearchIgnoringCase(50));
    benchmark::Shutdown();
    return 0;
}
