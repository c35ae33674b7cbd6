// Spelling with the en_US dictionary the bootstrap installs: misspelt words found with
// suggestions, correct ones and unchecked scripts left alone, the personal list kept.
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
        SpellChecker checker(words);
        if (!checker.setLanguage(checker.languageFor("en_US")))
            QSKIP("no en_US dictionary is installed (hunspell-en-us)");
        QCOMPARE(checker.languageFor("de_AT").left(2), QString("de"));
        for (const char *correct : { "receive", "diary", "2026", "雨が降った", "weather" })
            QVERIFY2(checker.isCorrect(QString::fromUtf8(correct)), correct);
        QVERIFY(!checker.isCorrect("recieve"));
        QVERIFY(checker.suggestions("recieve").contains("receive"));
        QVERIFY(checker.suggestions("recieve").size() <= 8);

        QVERIFY(!checker.isCorrect("Wrenfold")); // asked once: the answer is kept, until
        checker.ignore("Wrenfold");
        QVERIFY(checker.isCorrect("Wrenfold"));
        checker.addToDictionary("Penwickish");
        SpellChecker later(words); // the personal list outlives the session, ignoring does not
        later.setLanguage(checker.language());
        QVERIFY(later.isCorrect("Penwickish"));
        QVERIFY(!later.isCorrect("Wrenfold"));
        QVERIFY(!later.isCorrect("Tagebuch")); // and another language asks anew
        if (later.setLanguage(later.languageFor("de_DE")))
            QVERIFY(later.isCorrect("Tagebuch"));
    }
};

QTEST_GUILESS_MAIN(tst_Spelling)
#include "tst_spelling.moc"
