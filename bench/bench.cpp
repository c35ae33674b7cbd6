// The keystroke cycle (read, find the day, replace its text, write, sync, rename) on diaries of
// 1, 10 and 50 years, next to the raw floor: writing, syncing and renaming the same bytes.
// Ends with one line per size that runs can be compared by:
//   keystroke 10y median_ms=6.1 floor_ms=2.4 ratio=2.5
#include "diary/DiaryStorage.h"
#include "diary/NoteFile.h"
#include "diary/Search.h"
#include "platform/Plist.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <unistd.h>

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

// What any search must pay: reading the file and parsing it whole.
void readAndParse(benchmark::State &state)
{
    const QString path = diaryPath(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(diary::loadEntries(path));
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
    QCoreApplication app(argc, argv);
    for (int y : years)
        makeDiary(y);
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
    benchmark::Shutdown();
    return 0;
}
