// The manual's styling rule, applied to the English text and to each translation: headings
// bold, sentences regular, the title larger, whatever the language ends its sentences with.
#include "TestEnvironment.h"
#include "help/Manual.h"

#include <QCoreApplication>
#include <QTranslator>

using namespace penwick::help;

class tst_Manual : public QObject
{
    Q_OBJECT

    static QString styles(const QList<ManualParagraph> &paragraphs)
    {
        QString out;
        for (const ManualParagraph &p : paragraphs)
            out += p.pointSize == 14 ? 'T' : p.bold ? 'H' : 'b';
        return out;
    }

private Q_SLOTS:
    void theRuleFollowsTheTranslatedText()
    {
        // a body sentence ending in an ideographic full stop is body text; without a full stop
        // it is a heading, and the title stays the title whatever it ends with
        const QList<ManualParagraph> styled = manual([](const char *english) {
            const QString text = QString::fromUtf8(english);
            if (text.startsWith("A diary"))
                return QStringLiteral("自動保存の日記です。");
            if (text.startsWith("When you write text"))
                return QStringLiteral("Automatically saved");
            if (text == "Penwick Help")
                return QStringLiteral("Help.");
            return text;
        });
        QCOMPARE(styles(styled), QString("THbHbHHbHbHbbbb"));
        QCOMPARE(styled[2].pointSize, 12);
        QVERIFY(!styled[2].bold);
    }

    void everyTranslationKeepsTheShape_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "";
        QTest::newRow("German") << "de";
        QTest::newRow("French") << "fr";
        QTest::newRow("Japanese") << "ja";
    }

    void everyTranslationKeepsTheShape()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(language.isEmpty() || translator.load(QLocale(language), "penwick", "_", ":/i18n"));
        QCoreApplication::installTranslator(&translator);
        const QList<ManualParagraph> translated = manual();
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(styles(translated), QString("THbHbbHbHbHbbbb"));
        const QList<ManualParagraph> english = manual(); // built anew each time
        QCOMPARE(english.last().text, "Clicking on x in the search box will delete the list.");
        QCOMPARE(translated[2].text != english[2].text, !language.isEmpty());
        if (language == "ja")
            QVERIFY(translated[2].text.endsWith(QChar(0x3002)));
    }
};

PENWICK_TEST_MAIN(tst_Manual, QCoreApplication)
#include "tst_manual.moc"
