// The diary's tags read from a real note file, in both layouts, with the window's unsaved texts,
// and again after a rewrite that takes over what the older index found.
#include "TestEnvironment.h"
#include "diary/NoteFile.h"
#include "tags/TagIndex.h"

#include <QCoreApplication>

using namespace penwick;
using namespace penwick::tags;
using test::entry;

class tst_TagIndex : public QObject
{
    Q_OBJECT

    static QString listed(const QList<TagCount> &counts)
    {
        QStringList shown;
        for (const TagCount &count : counts)
            shown << QString("%1 %2").arg(count.name).arg(count.days);
        return shown.join(", ");
    }

private Q_SLOTS:
    void countsDaysPerTag_data()
    {
        QTest::addColumn<bool>("scanned");
        QTest::newRow("the scanner's layout") << true;
        QTest::newRow("read by the full reader") << false;
    }
    void countsDaysPerTag()
    {
        QFETCH(bool, scanned);
        QTemporaryDir dir;
        const QString path = dir.filePath("note.plist");
        QByteArray bytes = plist::writeXml(QVariantList {
                entry("2026-01-01", "#Garden and #garden again, #rain"),
                entry("2026-01-02", "more #garden; no tag: a#b, # x, #1"), entry("2026-01-03", ""),
                entry("2026-01-04", "#Café #cafe"), entry("2026-01-05", "plain day"),
                entry("2026-01-06", "CHAR-REF"), entry("2026-01-07", "#Garden") });
        bytes.replace("CHAR-REF", "&#35;rain by reference"); // a '#' its bytes do not show
        if (!scanned)
            bytes.replace("<array>", "<array><!-- read by the full reader -->");
        QVERIFY(test::writeAll(path, bytes));
        const diary::SnapshotPointer snapshot = diary::DiarySnapshot::load(path);
        QCOMPARE(bool(snapshot->scan()), scanned);
        const TagIndex::Pointer index = TagIndex::build(snapshot);
        // one count per day, whatever its case and accents; named as written most often
        QCOMPARE(listed(index->counts()), QString("#Garden 3, #rain 2, #Café 1"));

        // the window's texts stand in for their days: one tag gone, one more, one new
        const QMap<QString, QString> unsaved { { "2026-01-01", "#garden only" },
            { "2026-01-05", "#rain and #Reise" } };
        QCOMPARE(listed(index->counts(unsaved)), QString("#Garden 3, #rain 2, #Café 1, #Reise 1"));
        QCOMPARE(listed(index->counts({ { "2026-01-04", "" } })), QString("#Garden 3, #rain 2"));
    }

    // A rewrite with some texts changed reads as a fresh index would, taking over the rest.
    void aNewerSnapshotReadsAsAFreshOne()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("note.plist");
        QVariantList diary;
        for (int i = 0; i < 60; ++i)
            diary << entry(QDate(2025, 1, 1).addDays(i).toString(Qt::ISODate),
                    QString("day %1 #tag%2 #all").arg(i).arg(i % 7));
        QVERIFY(diary::writeEntries(path, diary).ok());
        const TagIndex::Pointer older = TagIndex::build(diary::DiarySnapshot::load(path));
        for (int i = 0; i < 60; i += 9)
            diary[i] = entry(diary[i].toMap().value("date").toString(), "#new only");
        diary << entry("2025-03-02", "#tag1 appended");
        QVERIFY(diary::writeEntries(path, diary).ok());
        const diary::SnapshotPointer newer = diary::DiarySnapshot::load(path);
        const QList<TagCount> taken = TagIndex::build(newer, older)->counts();
        QCOMPARE(taken, TagIndex::build(newer)->counts());
        QCOMPARE(listed(taken.mid(0, 3)), QString("#all 53, #tag1 9, #tag0 8"));
    }
};

PENWICK_TEST_MAIN(tst_TagIndex, QCoreApplication)
#include "tst_tagindex.moc"
