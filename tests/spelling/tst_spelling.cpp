// Spelling through the spelling module with the en_US dictionary the bootstrap installs:
// misspelt words found with the likeliest correction first, correct ones and unchecked scripts
// left alone, added words kept in Enchant's own personal dictionary.
#include "TestEnvironment.h"
#include "spelling/SpellChecker.h"

#include <QCoreApplication>

using penwick::spelling::SpellChecker;

class tst_Spelling : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checksWithTheInstalledDictionary()
    {
        QTemporaryDir dir;
        const QString words = dir.filePath("words.txt");
        QVERIFY(penwick::test::writeAll(words, "Quillmoor\n"));
        SpellChecker checker(words);
        QCOMPARE(checker.unavailableReason(), QString());
        if (!checker.setLanguage(checker.languageFor("en_US")))
            QSKIP("no en_US dictionary is installed (hunspell-en-us)");
        QCOMPARE(checker.languageFor("de_AT").left(2), QString("de"));
        for (const char *correct : { "receive", "diary", "2026", "雨が降った", "Quillmoor" })
            QVERIFY2(checker.isCorrect(QString::fromUtf8(correct)), correct);
        QVERIFY(!checker.isCorrect("recieve"));
        QCOMPARE(checker.suggestions("recieve").value(0), QString("receive"));
        QCOMPARE(checker.suggestions("Teh").value(0), QString("The"));
        QVERIFY(checker.suggestions("recieve").size() <= 8);

        QVERIFY(!checker.isCorrect("Wrenfold")); // asked once: the answer is kept, until
        checker.ignore("Wrenfold");
        QVERIFY(checker.isCorrect("Wrenfold"));
        checker.addToDictionary("Penwickish");
        QVERIFY(checker.isCorrect("Penwickish"));
        // added words are Enchant's, for every program; Penwick's own list is only read
        const QByteArray shared = penwick::test::readAll(penwick::test::environment().configHome()
                + "/enchant/" + checker.language() + ".dic");
        QVERIFY2(shared.contains("Penwickish\n") && shared.contains("Quillmoor\n"), shared);
        QCOMPARE(penwick::test::readAll(words), QByteArray("Quillmoor\n"));
        SpellChecker later(dir.filePath("none.txt")); // ignoring does not outlive the session
        later.setLanguage(checker.language());
        QVERIFY(later.isCorrect("Penwickish"));
        QVERIFY(!later.isCorrect("Wrenfold"));
        QVERIFY(!later.isCorrect("Tagebuch")); // and another language asks anew
        if (later.setLanguage(later.languageFor("de_DE")))
            QVERIFY(later.isCorrect("Tagebuch"));
    }

    void offersTheLikeliestCorrectionFirst_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("fromDictionary");
        QTest::addColumn<int>("most");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("two letters swapped, case aside, before other single edits")
                << "Teh" << QStringList { "Tea", "Tech", "Ten", "Eh", "Heat", "The" } << 8
                << QStringList { "The", "Tea", "Tech", "Ten", "Eh", "Heat" };
        QTest::newRow("case alone first, then further edits in the dictionary's order")
                << "monday" << QStringList { "Mandy", "Mondays", "Monday", "Moody" } << 8
                << QStringList { "Monday", "Mondays", "Mandy", "Moody" };
        QTest::newRow("at most as many as asked for, the likeliest kept")
                << "recieve" << QStringList { "reverie", "relieve", "receive" } << 2
                << QStringList { "receive", "relieve" };
    }

    void offersTheLikeliestCorrectionFirst()
    {
        QFETCH(QString, word);
        QFETCH(QStringList, fromDictionary);
        QFETCH(int, most);
        QTEST(penwick::spelling::rankedSuggestions(word, fromDictionary, most), "offered");
    }
};

PENWICK_TEST_MAIN(tst_Spelling, QCoreApplication)
#include "tst_spelling.moc"
