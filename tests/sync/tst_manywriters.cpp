// Every writer of the diary at once. Schedules made at random from a run number interleave the
// user's typing into random days (with pauses that let the file catch up), another program
// replacing the file (changing other days, the same day, or writing back a version it read a
// while ago), conflict copies (of another version, or of this machine's own when the sync
// engine put another machine's in its place), imports, restores and kill -9 with a restart, on
// one machine and on two that exchange their diaries. After each schedule:
// - every text any writer produced is in the diary file or in a history;
// - the text of each day's latest change is in the diary file;
// - two machines that exchanged everything hold the same bytes.
// PENWICK_SCHEDULES=first:count replays or widens the runs; a failure names its run number.
#include "TestEnvironment.h"
#include "diary/DayKey.h"
#include "diary/DiaryWriter.h"
#include "history/HistoryStore.h"
#include "imports/ForeignDiary.h"
#include "services/DiaryServices.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>

using namespace penwick;
using namespace penwick::test;

namespace {

const QStringList days { "2026-03-01", "2026-03-02", "2026-03-03", "2026-03-04" };

QMap<QString, QString> textsIn(const QString &path)
{
    QMap<QString, QString> texts;
    for (const QVariant &entry : entriesIn(path))
        if (!texts.contains(entry.toMap().value("date").toString()))
            texts.insert(
                    entry.toMap().value("date").toString(), entry.toMap().value("text").toString());
    return texts;
}

QByteArray diaryOf(const QMap<QString, QString> &texts)
{
    QVariantList entries;
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        entries.append(entry(it.key(), it.value()));
    return plist::writeXml(entries);
}

// One machine: its own diary, history and preferences, on a clock of the schedule's.
struct Machine
{
    QString folder;
    QDateTime now { QDate(2026, 3, 4), QTime(9, 0) };
    std::unique_ptr<DiaryServices> services;
    QSet<QString> *noticed = nullptr; // the days the bar named since their latest change

    Machine(const QString &in, QSet<QString> *days) : folder(in), noticed(days)
    {
        QDir().mkpath(folder);
        writeAll(folder + "/prefs.plist",
                plist::writeXml(QVariantMap { { "safe", diary() }, { "NU", 1 } }));
        start();
    }
    QString diary() const { return folder + "/note.plist"; }
    diary::DiarySession &session() { return services->session(); }
    void start()
    {
        services = std::make_unique<DiaryServices>(
                [this] { return now; }, true, folder + "/history.sqlite", folder + "/prefs.plist");
        session().setCopiesFolder(folder + "/Backups");
        QObject::connect(&session(), &diary::DiarySession::versionsSettled,
                [this](const diary::SettleReport &report) {
                    for (const diary::SettledDay &day : report.days)
                        noticed->insert(day.dayKey);
                });
        services->open();
        session().textOf(session().today()); // the day shown, as the window shows it
    }
    // kill -9: what the journal committed is all that is left
    void kill()
    {
        services->history()->flush();
        session().abandonForTest();
        services.reset();
        start();
    }
    // the folder watch's look, once the write under way is done (a write that meets the change
    // settles it as well)
    void look()
    {
        now = now.addMSecs(300);
        session().writer().waitForIdle(10000);
        session().checkForOutsideChanges();
    }
    bool inHistory(const QString &day, const QString &text) const
    {
        for (const history::Version &v : services->history()->versions(diary(), day))
            if (v.text.contains(text))
                return true;
        return false;
    }
};

class Schedule
{
public:
    Schedule(quint32 run, const QString &root) : m_random(run)
    {
        m_machines.push_back(std::make_unique<Machine>(root + "/a", &m_noticed));
        if (m_random.bounded(3) == 0)
            m_machines.push_back(std::make_unique<Machine>(root + "/b", &m_noticed));
        for (auto &machine : m_machines) {
            QVERIFY(writeAll(machine->diary(), diaryOf({ { days[0], "first" }, { days[1], "" } })));
            machine->session().checkForOutsideChanges();
        }
        m_otherRead = textsIn(m_machines[0]->diary());
    }

    QString log;

    void run(int steps)
    {
        for (int step = 0; step < steps; ++step) {
            takeFiles();
            act();
            noteOwnWrites();
        }
        settle();
    }

    // What the oracle asks of the end.
    QString verdict()
    {
        for (auto &machine : m_machines)
            machine->services->history()->flush();
        const QMap<QString, QString> file = textsIn(m_machines[0]->diary());
        for (auto it = m_latest.cbegin(); it != m_latest.cend(); ++it)
            if (!file.value(it.key()).contains(it.value()) && !m_noticed.contains(it.key()))
                return QStringLiteral("the latest change of %1, \"%2\", left the diary without a "
                                      "word: \"%3\"")
                        .arg(it.key(), it.value(), file.value(it.key()));
        for (const auto &[day, text] : std::as_const(m_produced)) {
            const bool kept = file.value(day).contains(text)
                    || std::any_of(m_machines.cbegin(), m_machines.cend(),
                            [&](const auto &m) { return m->inHistory(day, text); });
            if (!kept)
                return QStringLiteral("\"%1\" of %2 is in neither the diary nor a history")
                        .arg(text, day);
        }
        if (m_machines.size() == 2
                && readAll(m_machines[0]->diary()) != readAll(m_machines[1]->diary()))
            return QStringLiteral("the two machines differ:\n%1\n%2")
                    .arg(QString::fromUtf8(readAll(m_machines[0]->diary())),
                            QString::fromUtf8(readAll(m_machines[1]->diary())));
        return {};
    }

private:
    QString word() { return QStringLiteral("w%1").arg(++m_words); }
    Machine &any() { return *m_machines[m_random.bounded(int(m_machines.size()))]; }
    QString anyDay() { return days[m_random.bounded(int(days.size()))]; }
    // The texts Penwick itself put into a file during a step are its own from then on (the
    // rule's stale deliveries); the files are taken before the step and after another program
    // wrote one.
    void takeFiles()
    {
        m_files.clear();
        for (auto &machine : m_machines)
            m_files.insert(machine.get(), textsIn(machine->diary()));
    }
    void noteOwnWrites()
    {
        for (auto &machine : m_machines) {
            const QMap<QString, QString> now = textsIn(machine->diary());
            for (auto it = now.cbegin(); it != now.cend(); ++it)
                if (m_files.value(machine.get()).value(it.key()) != it.value())
                    m_own.insert(machine->folder + it.key() + it.value());
        }
    }
    void produced(const QString &day, const QString &text)
    {
        if (!text.isEmpty())
            m_produced.append({ day, text });
        m_latest.insert(day, text);
        m_noticed.remove(day);
    }
    // What the user typed in a day is a text someone produced once anything else touches the
    // diary (the user's own next key replaces it in the same version).
    void noteTyping()
    {
        for (const auto &[machine, day] : std::as_const(m_typed))
            produced(day, machine->session().textOf(diary::dayFromKey(day)).trimmed());
        m_typed.clear();
    }

    void act()
    {
        Machine &m = any();
        const QString day = anyDay();
        const int what = int(m_random.bounded(100));
        if (what < 40) { // a word typed
            m.session().selectDay(diary::dayFromKey(day));
            const QString before = m.session().textOf(diary::dayFromKey(day));
            const QString text = before + word() + ' ';
            m_own.insert(m.folder + day + before);
            m_own.insert(m.folder + day + text);
            log += QStringLiteral("type %1 %2: %3\n").arg(m.folder.right(1), day, text);
            m.now = m.now.addMSecs(m_random.bounded(3000));
            m_latest.insert(day, m.session().storeText(text).trimmed());
            m_noticed.remove(day);
            m_typed.insert({ &m, day });
            return;
        }
        noteTyping();
        // what another program sees is the file once a write under way has landed
        for (auto &machine : m_machines)
            machine->session().writer().waitForIdle(10000);
        if (what < 55) { // a pause: the file catches up
            log += "pause\n";
            m.now = m.now.addSecs(11);
            m.session().flush();
        } else if (what < 62) { // another program reads the file, to write it later
            log += QStringLiteral("other reads %1\n").arg(m.folder.right(1));
            m_otherRead = textsIn(m.diary());
        } else if (what < 75) { // it writes what it read, with a change of its own or none
            QMap<QString, QString> texts = m_otherRead;
            if (m_random.bounded(4) != 0)
                texts[day] = texts.value(day) + QStringLiteral(" o") + word();
            // each day it gives another text than the file's is its change, but for an older
            // text of this machine's own, which the rule sees for the stale delivery it is
            const QMap<QString, QString> file = textsIn(m.diary());
            for (const QString &d : days)
                if (texts.value(d) != file.value(d)
                        && !m_own.contains(m.folder + d + texts.value(d)))
                    produced(d, texts.value(d));
            log += QStringLiteral("other writes to %1: %2\n")
                           .arg(m.folder.right(1), QStringList(texts.values()).join('|'));
            replaceFileAtomically(m.diary(), diaryOf(texts));
            takeFiles();
            m.look();
        } else if (what < 82) { // a conflict copy beside the diary
            conflict(m, day);
        } else if (what < 88) { // an import adds below the day's text
            const QString text = imports::mergedDayText(
                    m.session().textOf(diary::dayFromKey(day)), QStringLiteral("i") + word());
            log += QStringLiteral("import %1 %2\n").arg(day, text);
            m.session().replaceDays({ { day, text } }, diary::Origin::Imported);
            produced(day, text);
        } else if (what < 93) { // a restore of an earlier version
            m.services->history()->flush();
            const QList<history::Version> versions
                    = m.services->history()->versions(m.diary(), day);
            if (versions.isEmpty())
                return;
            const QString text = versions[m_random.bounded(int(versions.size()))].text;
            log += QStringLiteral("restore %1 %2\n").arg(day, text);
            if (!m.session().replaceDays({ { day, text } }, diary::Origin::Restored).isEmpty())
                produced(day, text);
        } else { // killed, and started again
            log += "kill\n";
            m.kill();
        }
    }

    // The sync engine found both machines changed: the diary stays one machine's version and
    // the other's is left beside it. With one machine, the other is another program's.
    void conflict(Machine &m, const QString &day)
    {
        const QString copy = m.folder
                + QStringLiteral("/note.sync-conflict-20260304-%1-ABCDEFG.plist")
                          .arg(++m_copies, 6, 10, QLatin1Char('0'));
        if (m_machines.size() == 1) {
            QMap<QString, QString> texts = m_otherRead;
            texts[day] = texts.value(day) + QStringLiteral(" c") + word();
            produced(day, texts[day]);
            log += QStringLiteral("copy %1 %2\n").arg(day, texts[day]);
            writeAll(copy, diaryOf(texts));
            m.look();
            return;
        }
        Machine &winner = *m_machines[m_random.bounded(2)];
        Machine &loser = &winner == m_machines[0].get() ? *m_machines[1] : *m_machines[0];
        log += QStringLiteral("sync conflict, %1 wins\n").arg(winner.folder.right(1));
        // the loser's own version is moved aside and the winner's takes its place, on both
        const QString aside = QFileInfo(copy).fileName();
        QFile::rename(loser.diary(), loser.folder + '/' + aside);
        QFile::copy(loser.folder + '/' + aside, winner.folder + '/' + aside);
        QFile::copy(winner.diary(), loser.folder + "/.incoming");
        QFile::rename(loser.folder + "/.incoming", loser.diary());
        winner.look();
        loser.look();
    }

    // Everything written, and with two machines, exchanged until both hold the same.
    void settle()
    {
        noteTyping();
        for (auto &machine : m_machines) {
            machine->now = machine->now.addSecs(11);
            machine->session().flush();
            machine->look();
        }
        for (int round = 0; m_machines.size() == 2 && round < 6; ++round) {
            if (readAll(m_machines[0]->diary()) == readAll(m_machines[1]->diary()))
                break;
            conflict(*m_machines[0], days[0]);
            for (auto &machine : m_machines)
                machine->session().flush();
        }
    }

    QRandomGenerator m_random;
    QSet<QString> m_noticed; // before the machines, which tell it until they go
    std::vector<std::unique_ptr<Machine>> m_machines;
    QMap<QString, QString> m_otherRead;
    QList<std::pair<QString, QString>> m_produced;
    QMap<QString, QString> m_latest;
    QSet<std::pair<Machine *, QString>> m_typed;
    QSet<QString> m_own; // texts typed, typed over and written, by machine and day
    QHash<Machine *, QMap<QString, QString>> m_files;
    int m_words = 0;
    int m_copies = 0;
};

} // namespace

class tst_ManyWriters : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noTextIsLostAndMachinesMeet()
    {
        quint32 first = 1;
        quint32 count = 1000;
        if (const QByteArray asked = qgetenv("PENWICK_SCHEDULES"); !asked.isEmpty()) {
            first = asked.split(':').value(0).toUInt();
            count = asked.split(':').value(1, "1").toUInt();
        }
        // on a memory file system where there is one: the histories sync every commit
        const QString base = QFileInfo("/dev/shm").isWritable() ? "/dev/shm" : QDir::tempPath();
        QElapsedTimer time;
        time.start();
        quint32 run = first;
        for (; run < first + count && time.elapsed() < 60000; ++run) {
            QTemporaryDir root(base + "/penwick-writers-XXXXXX");
            Schedule schedule(run, root.path());
            schedule.run(24);
            const QString verdict = schedule.verdict();
            QVERIFY2(verdict.isEmpty(),
                    qPrintable(QStringLiteral("run %1 (PENWICK_SCHEDULES=%1:1): %2\n%3")
                                       .arg(run)
                                       .arg(verdict, schedule.log)));
        }
        qInfo("%u schedules in %lld ms", run - first, time.elapsed());
    }
};

PENWICK_TEST_MAIN(tst_ManyWriters, QCoreApplication)
#include "tst_manywriters.moc"
