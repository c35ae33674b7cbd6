// The property-list codec against Python's plistlib, an independent implementation of the
// format, and against hostile input.
#include "TestEnvironment.h"
#include "platform/Plist.h"

#include <QCoreApplication>
#include <QTimeZone>

using namespace penwick;

namespace {

// Every kind of value a property list can hold, with text that needs escaping.
QVariant sample()
{
    return QVariantList {
        QVariantMap { { "date", "2024-03-05" },
                { "text", QString::fromUtf8("Café & <tea> \"1\" 'x'\nline 2\t日本語 🙂") } },
        QVariantMap { { "date", "2024-03-06" }, { "text", "" }, { "mood", qlonglong(-42) } },
        QVariantMap { { "nested", QVariantList { true, false, 3.25, QVariantMap {} } } },
        qlonglong(9007199254740993LL),
        qulonglong(18446744073709551615ULL),
        QByteArray("\x00\x01\xff"
                   "binary",
                9),
        QDateTime(QDate(2021, 7, 1), QTime(12, 30, 5), Qt::UTC),
        QString::fromUtf8("carriage\rreturn and \x01 control"),
        QVariantList {},
    };
}

} // namespace

class tst_Plist : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesApplesLayout()
    {
        const QVariantList entries { QVariantMap {
                { "date", "2026-12-06" }, { "text", "Hello" } } };
        QCOMPARE(plist::writeXml(entries),
                QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                           "<plist version=\"1.0\">\n<array>\n\t<dict>\n\t\t<key>date</key>\n"
                           "\t\t<string>2026-12-06</string>\n\t\t<key>text</key>\n"
                           "\t\t<string>Hello</string>\n\t</dict>\n</array>\n</plist>\n"));
        QVERIFY(plist::writeXml(QVariantList {})
                        .contains("<plist version=\"1.0\">\n<array/>\n</plist>"));
    }

    void roundTripKeepsEveryValue()
    {
        const plist::ReadResult back = plist::read(plist::writeXml(sample()));
        QVERIFY2(back.value, qPrintable(back.error));
        // our own writer drops only what XML cannot carry: nothing here but the control character,
        // which goes out as a character reference and comes back
        QCOMPARE(*back.value, sample());
    }

    // Python's plistlib writes every kind of value, XML and binary; Penwick reads it, writes it
    // back as XML, and plistlib finds the same values in what Penwick wrote.
    void interchangeWithPython_data()
    {
        QTest::addColumn<QString>("format");
        QTest::newRow("xml") << "FMT_XML";
        QTest::newRow("binary") << "FMT_BINARY";
    }

    void interchangeWithPython()
    {
        QFETCH(QString, format);
        const QString theirs = QDir(penwick::test::environment().home()).filePath("theirs.plist");
        const QString ours = QDir(penwick::test::environment().home()).filePath("ours.plist");
        const QString value
                = R"([{'date': '2024-03-05', 'text': 'Café & <tea> "q" \'a\'\nline 2\t日本語 🙂', 'n': -7},
            {'big': 2**64 - 1, 'neg': -2**63, 'r': 0.1, 'flags': [True, False], 'blob': b'\x00\x01\xff',
             'when': datetime.datetime(2021, 7, 1, 12, 30, 5), 'empty': {}, 'none': [], 'long': 'x' * 70000}])";
        bool ok = false;
        penwick::test::python(QStringLiteral("import plistlib, sys, datetime\nplistlib.dump(%1, "
                                             "open(sys.argv[1], 'wb'), "
                                             "fmt=plistlib.%2)")
                                      .arg(value, format),
                { theirs }, &ok);
        QVERIFY(ok);
        const plist::ReadResult read = plist::read(penwick::test::readAll(theirs));
        QVERIFY2(read.value, qPrintable(read.error));
        QCOMPARE(read.value->toList().at(0).toMap().value("text").toString(),
                QString::fromUtf8("Café & <tea> \"q\" 'a'\nline 2\t日本語 🙂"));
        QCOMPARE(read.value->toList().at(1).toMap().value("big").toULongLong(),
                18446744073709551615ULL);
        QVERIFY(penwick::test::writeAll(ours, plist::writeXml(*read.value)));
        const QByteArray same = penwick::test::python(
                QStringLiteral("import plistlib, sys, "
                               "datetime\nprint(plistlib.load(open(sys.argv[1], 'rb')) == %1)")
                        .arg(value),
                { ours }, &ok);
        QVERIFY(ok);
        QCOMPARE(same.trimmed(), QByteArray("True"));
    }

    void acceptsOtherValidForms_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QVariant>("expected");
        const auto row = [](const char *name, const QByteArray &bytes, const QVariant &expected) {
            QTest::newRow(name) << bytes << expected;
        };
        const QVariant one
                = QVariantList { QVariantMap { { "date", "2024-01-01" }, { "text", "a b" } } };
        row("byte-order mark",
                "\xEF\xBB\xBF<plist><array><dict><key>date</key><string>2024-01-01</string>"
                "<key>text</key><string>a b</string></dict></array></plist>",
                one);
        row("comments, CDATA, CRLF",
                "<?xml version=\"1.0\"?>\r\n<!-- hi --><plist version=\"1.0\"><array>\r\n<dict>"
                "<key>date</key><!-- x --><string>2024-01-01</string><key>text</key>"
                "<string><![CDATA[a]]> b</string></dict></array></plist>",
                one);
        row("bare root, no plist element", "<array><string>x</string></array>",
                QVariantList { "x" });
        row("whitespace-only string keeps its spaces", "<plist><string>  </string></plist>",
                QString("  "));
        row("repeated key: the last value wins",
                "<plist><dict><key>k</key><string>1</string><key>k</key><string>2</string></dict>"
                "</plist>",
                QVariantMap { { "k", "2" } });
        row("entities are not expanded",
                "<!DOCTYPE plist [<!ENTITY a \"aaaaaaaaaa\">]><plist><string>&a;</string></plist>",
                QString("&a;"));
        row("U+FEFF first in a string is kept", "<plist><string>\xEF\xBB\xBFx</string></plist>",
                QString(QChar(0xFEFF) + QString("x")));
        row("a sequence cut short becomes U+FFFD", "<plist><string>date\xDE</string></plist>",
                QString::fromUtf8("date\uFFFD"));
        row("hex integer, infinity",
                "<plist><array><integer>0x1F</integer><real>-infinity</real></array></plist>",
                QVariantList { qlonglong(31), -HUGE_VAL });
    }

    void acceptsOtherValidForms()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QVariant, expected);
        const plist::ReadResult read = plist::read(bytes);
        QVERIFY2(read.value, qPrintable(read.error));
        QCOMPARE(*read.value, expected);
    }

    void refusesBrokenInput_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = plist::writeXml(sample());
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated") << good.left(good.size() / 2);
        QTest::newRow("random bytes") << QByteArray("\x13\x9a\x00\xff\xfe garbage \x01", 16);
        QTest::newRow("unknown element") << QByteArray("<plist><array><foo/></array></plist>");
        QTest::newRow("key without value")
                << QByteArray("<plist><dict><key>a</key></dict></plist>");
        QTest::newRow("value without key")
                << QByteArray("<plist><dict><string>a</string></dict></plist>");
        QTest::newRow("text between values")
                << QByteArray("<plist><array>x<string>a</string></array></plist>");
        QTest::newRow("bad integer") << QByteArray("<plist><integer>12a</integer></plist>");
        QTest::newRow("integer too large")
                << QByteArray("<plist><integer>18446744073709551616</integer></plist>");
        QTest::newRow("bad date") << QByteArray("<plist><date>2024-02-30T00:00:00Z</date></plist>");
        QTest::newRow("bad base64") << QByteArray("<plist><data>!!!</data></plist>");
        QTest::newRow("two values") << QByteArray("<plist><true/><false/></plist>");
        QTest::newRow("element in string") << QByteArray("<plist><string>a<b/></string></plist>");
        QByteArray deep = "<plist>";
        for (int i = 0; i < 100000; ++i)
            deep += "<array>";
        QTest::newRow("100,000 deep, unclosed") << deep;
        for (int i = 0; i < 100000; ++i)
            deep += "</array>";
        QTest::newRow("100,000 deep, closed") << deep + "</plist>";

        // binary forms
        auto binary = [](QByteArray objects, int count, int top, qsizetype tableAt,
                              QByteArray table, int refSize = 1) -> QByteArray {
            QByteArray b = "bplist00" + objects + table;
            QByteArray trailer(32, '\0');
            trailer[6] = 1;
            trailer[7] = char(refSize);
            trailer[15] = char(count);
            trailer[23] = char(top);
            trailer[31] = char(tableAt);
            return b + trailer;
        };
        // object 0: an array holding itself
        QTest::newRow("binary cycle")
                << binary(QByteArray("\xA1\x00", 2), 1, 0, 10, QByteArray("\x08", 1));
        QTest::newRow("binary offset past the end")
                << binary(QByteArray("\x09", 1), 1, 0, 9, QByteArray("\x7f", 1));
        QTest::newRow("binary huge count")
                << binary(QByteArray("\x5F\x13\xff\xff\xff\xff\xff\xff\xff\xff", 10), 1, 0, 18,
                           QByteArray("\x08", 1));
        QTest::newRow("binary top past count")
                << binary(QByteArray("\x09", 1), 1, 5, 9, QByteArray("\x08", 1));
        QTest::newRow("binary truncated") << QByteArray("bplist00\xA1\x00");
        // objects 0..9, each an array of two references to the next: 2^9 leaves per reference,
        // the last a huge fan-out that would expand without bound if followed naively
        QByteArray objects, table;
        for (int i = 0; i < 60; ++i) {
            table += char(8 + objects.size());
            objects += i == 59 ? QByteArray("\x09", 1)
                               : QByteArray("\xA2") + char(i + 1) + char(i + 1);
        }
        QTest::newRow("binary shared references, 2^59 expanded")
                << binary(objects, 60, 0, 8 + objects.size(), table);
    }

    void refusesBrokenInput()
    {
        QFETCH(QByteArray, bytes);
        const plist::ReadResult read = plist::read(bytes);
        QVERIFY(!read.value);
        QVERIFY(!read.error.isEmpty());
    }
};

PENWICK_TEST_MAIN(tst_Plist, QCoreApplication)
#include "tst_plist.moc"
