// The property-list codec against Python's plistlib, an independent implementation of the
// format, and against hostile input.
#include "TestEnvironment.h"
#include "platform/Plist.h"

#include <QCoreApplication>

using namespace penwick;
using namespace penwick::test;

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
        // what XML cannot carry raw goes out as character references, and comes back
        const QVariant odd
                = QVariantList { "a\rb \x01 <c> & d", qulonglong(18446744073709551615ULL) };
        QCOMPARE(*plist::read(plist::writeXml(odd)).value, odd);
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
        const QString theirs = environment().home() + "/theirs.plist";
        const QString ours = environment().home() + "/ours.plist";
        const QString value
                = R"([{'date': '2024-03-05', 'text': 'Café & <tea> "q" \'a\'\nline 2\t日本語 🙂', 'n': -7},
            {'big': 2**64 - 1, 'neg': -2**63, 'r': 0.1, 'flags': [True, False], 'blob': b'\x00\x01\xff',
             'when': datetime.datetime(2021, 7, 1, 12, 30, 5), 'empty': {}, 'none': [], 'long': 'x' * 70000}])";
        const QString script = "import plistlib, sys, datetime\n";
        bool ok = false;
        python(script + "plistlib.dump(" + value + ", open(sys.argv[1], 'wb'), fmt=plistlib."
                        + format + ")",
                { theirs }, &ok);
        QVERIFY(ok);
        const plist::ReadResult read = plist::read(readAll(theirs));
        QVERIFY2(read.value, qPrintable(read.error));
        QVERIFY(writeAll(ours, plist::writeXml(*read.value)));
        const QByteArray same
                = python(script + "print(plistlib.load(open(sys.argv[1], 'rb')) == " + value + ")",
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
        const auto in = [](const char *inner) -> QByteArray {
            return "<plist>" + QByteArray(inner) + "</plist>";
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
        row("whitespace-only string keeps its spaces", in("<string>  </string>"), QString("  "));
        row("repeated key: the last value wins",
                in("<dict><key>k</key><string>1</string><key>k</key><string>2</string></dict>"),
                QVariantMap { { "k", "2" } });
        row("entities are not expanded",
                "<!DOCTYPE plist [<!ENTITY a \"aaaaaaaaaa\">]><plist><string>&a;</string></plist>",
                QString("&a;"));
        row("U+FEFF first in a string is kept", in("<string>\xEF\xBB\xBFx</string>"),
                QString(QChar(0xFEFF) + QString("x")));
        row("a sequence cut short becomes U+FFFD", in("<string>date\xDE</string>"),
                QString::fromUtf8("date\uFFFD"));
        row("hex integer, infinity",
                in("<array><integer>0x1F</integer><real>-infinity</real></array>"),
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
        const QByteArray good = plist::writeXml(QVariantList { entry("2024-03-05", "text") });
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated") << good.left(good.size() / 2);
        QTest::newRow("random bytes") << QByteArray("\x13\x9a\x00\xff\xfe garbage \x01", 16);
        for (const char *inner : { "<array><foo/></array>", "<dict><key>a</key></dict>",
                     "<dict><string>a</string></dict>", "<array>x<string>a</string></array>",
                     "<integer>12a</integer>", "<integer>18446744073709551616</integer>",
                     "<date>2024-02-30T00:00:00Z</date>", "<data>!!!</data>", "<true/><false/>",
                     "<string>a<b/></string>" })
            QTest::newRow(inner) << "<plist>" + QByteArray(inner) + "</plist>";
        QByteArray deep = "<plist>";
        for (int i = 0; i < 100000; ++i)
            deep += "<array>";
        QTest::newRow("100,000 deep, unclosed") << deep;
        for (int i = 0; i < 100000; ++i)
            deep += "</array>";
        QTest::newRow("100,000 deep, closed") << deep + "</plist>";

        // binary forms: objects, their offset table, and a trailer with one-byte references
        auto binary = [](const char *name, QByteArray objects, int count, int top,
                              qsizetype tableAt, QByteArray table) {
            QByteArray trailer(32, '\0');
            trailer[6] = trailer[7] = 1;
            trailer[15] = char(count);
            trailer[23] = char(top);
            trailer[31] = char(tableAt);
            QTest::newRow(name) << "bplist00" + objects + table + trailer;
        };
        // object 0: an array holding itself
        binary("binary cycle", QByteArray("\xA1\x00", 2), 1, 0, 10, QByteArray("\x08", 1));
        binary("binary offset past the end", QByteArray("\x09", 1), 1, 0, 9, QByteArray("\x7f", 1));
        binary("binary huge count", QByteArray("\x5F\x13\xff\xff\xff\xff\xff\xff\xff\xff", 10), 1,
                0, 18, QByteArray("\x08", 1));
        binary("binary top past count", QByteArray("\x09", 1), 1, 5, 9, QByteArray("\x08", 1));
        QTest::newRow("binary truncated") << QByteArray("bplist00\xA1\x00");
        // objects 0..9, each an array of two references to the next: 2^9 leaves per reference,
        // the last a huge fan-out that would expand without bound if followed naively
        QByteArray objects, table;
        for (int i = 0; i < 60; ++i) {
            table += char(8 + objects.size());
            objects += i == 59 ? QByteArray("\x09", 1)
                               : QByteArray("\xA2") + char(i + 1) + char(i + 1);
        }
        binary("binary shared references, 2^59 expanded", objects, 60, 0, 8 + objects.size(),
                table);
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
