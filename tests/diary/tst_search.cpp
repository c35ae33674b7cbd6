// The keyword match and the search over a real note file.
#include "TestEnvironment.h"
#include "diary/DiarySnapshot.h"
#include "diary/NoteScan.h"
#include "diary/Search.h"
#include "diary/SearchQuery.h"
#include "diary/Words.h"

#include <QCoreApplication>
#include <QRandomGenerator>

using namespace penwick;
using namespace penwick::diary;

class tst_Search : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void resultsComeInDateOrderFromEveryLayout()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("note.plist");
        using test::entry;
        const QVariantList diary { entry("2024-03-01", "rain"), entry("2023-12-31", "rain & snow"),
            qlonglong(3), entry("2024-01-15", "more rain"), entry("2024-02-02", "sunny"),
            entry("2024-02-03", ""), entry("2024-02-04", qlonglong(5)),
            QVariantMap { { "text", "rain, but no date" } } };
        const QStringList expected { "2023-12-31", "2024-01-15", "2024-03-01" };
        for (const bool plain : { true, false }) {
            QByteArray bytes = plist::writeXml(diary);
            if (!plain)
                bytes.replace("<array>", "<array><!-- read by the full reader -->");
            QVERIFY(penwick::test::writeAll(path, bytes));
            const DiaryEntries found = searchDiary(path, "rain");
            QVERIFY(found.outcome.ok());
            QStringList dates;
            for (const DiaryEntry &entry : found.entries)
                dates << entry.date;
            QCOMPARE(dates, expected);
            QCOMPARE(found.entries[0].text, QString("rain & snow"));
            QVERIFY(searchDiary(path, "").entries.isEmpty());
        }
        QFile::remove(path);
        QCOMPARE(searchDiary(path, "rain").outcome.status, Status::Missing);
    }

    // As typed, and with case and accents ignored (folding, not transliteration; kana keep
    // their voicing marks); the words shown around a match agree.
    void keywordMatch_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<bool>("ignore");
        QTest::addColumn<bool>("found");
        const auto row = [](const char *name, const QString &text, const QString &keyword,
                                 bool found, bool ignore = false) {
            QTest::newRow(name) << text << keyword << ignore << found;
        };
        row("case matters", "a walk in the park", "Park", false);
        row("same case", "Park Lane", "Park", true);
        row("two words, together", "we went to the sea today", "the sea", true);
        row("two words, apart", "the deep blue sea", "the sea", false);
        row("two spaces are not one", "the  sea", "the sea", false);
        row("empty keyword", "anything", "", false);
        row("empty text", "", "a", false);
        row("composed keyword, decomposed text", "cafe\u0301 au lait", "café", true);
        row("decomposed keyword, composed text", "café au lait", "cafe\u0301", true);
        row("a letter is not its accented form", "café", "cafe", false);
        row("nor inside a mark with no composed form", "q\u0301uick", "q", false);
        row("diacritics are not folded", "resume", "résumé", false);
        row("widths are not folded", "ＡＢＣ", "ABC", false);
        row("Japanese", "今日は雨が降っていました", "雨が", true);
        row("Kelvin sign is the letter K", "300 \u212A", "300 K", true);
        row("Hangul syllable and its jamo", "\u1100\u1161\u11A8", "\uAC01", true);
        row("kana with a combining sound mark", "\u304B\u3099", "\u304C", true);
        row("regex characters are literal", "a.b", ".", true);
        row("regex characters match only themselves", "ab", "a.b", false);
        row("ignored: accent", "at the Café", "cafe", true, true);
        row("ignored: capitals with accent", "CAFÉ NOIR", "café", true, true);
        row("ignored: decomposed", "cafe\u0301", "Cafe", true, true);
        row("ignored: full-width", "ｃａｆｅ", "cafe", true, true);
        row("ignored: sharp s is not ss", "Straße", "strasse", false, true);
        row("ignored: Japanese", "いい天気ですね", "ですね", true, true);
        row("ignored: voicing kept", "が", "か", false, true);
    }

    void keywordMatch()
    {
        QFETCH(QString, text);
        QFETCH(QString, keyword);
        QFETCH(bool, ignore);
        QFETCH(bool, found);
        if (!ignore)
            QCOMPARE(containsKeyword(text, keyword), found);
        QCOMPARE(KeywordMatcher(keyword, ignore).matches(text), found);
        const QList<MatchSpan> places = allMatches(text, keyword, ignore, 10);
        QCOMPARE(!places.isEmpty(), found);
        if (found && ignore)
            QCOMPARE(foldedForSearch(composedForSearch(text).mid(places[0].at, places[0].length)),
                    foldedForSearch(keyword));
    }

    // Looking at the raw bytes first is a shortcut, and so is confirming a match from them; both
    // must find exactly the days the full comparison finds, whatever characters, entities and
    // line ends the texts hold.
    void byteShortcutFindsWhatTheFullCheckFinds()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("note.plist");
        const QStringList pieces { "ab", "#", "-", "#ab", "#AB", "/", "K", QString(QChar(0x212A)),
            ";", QString(QChar(0x037E)), "`", QString(QChar(0x1FEF)), "e",
            QString::fromUtf8("e\u0301"), QString::fromUtf8("é"), "&", "<", "\r\n", " ", "q",
            QString(QChar(0x0301)), QString::fromUtf8("日"), "\"", QString(QChar(1)),
            QString::fromUtf8("か"), QString(QChar(0x3099)), QString(QChar(0xAC00)),
            QString(QChar(0x11A8)), QString::fromUtf8("本") };
        QRandomGenerator random(5);
        auto randomText = [&](int length) {
            QString text;
            for (int i = 0; i < length; ++i)
                text += pieces[random.bounded(pieces.size())];
            return text;
        };
        QVariantList diary;
        for (int i = 0; i < 400; ++i)
            diary.append(QVariantMap {
                    { "date", QString::asprintf("2024-%02d-%02d", i / 28 + 1, i % 28 + 1) },
                    { "text", randomText(1 + random.bounded(12)) } });
        QVERIFY(writeEntries(path, diary).ok());
        QVariantList stored = loadEntries(path).entries;
        SnapshotPointer snapshot = DiarySnapshot::load(path);
        // each result as its date and its text, decoded
        auto dates = [](const QList<DiaryEntry> &entries) {
            QStringList found;
            for (const DiaryEntry &entry : entries)
                found << entry.date + '|' + entry.text;
            return found;
        };
        int oneWord = 0;
        for (int k = 0; k < 1000; ++k) {
            const QString keyword = randomText(1 + random.bounded(3));
            QStringList literal, expected, folded;
            const QueryMatcher asTyped(keyword), ignoring(keyword, true);
            for (const QVariant &entry : stored) {
                const QString text = entry.toMap().value("text").toString();
                const QString result = entry.toMap().value("date").toString() + '|' + text;
                if (containsKeyword(text, keyword))
                    literal << result;
                if (asTyped.matches(text))
                    expected << result;
                if (ignoring.matches(text))
                    folded << result;
            }
            QVERIFY2(dates(searchDiary(path, keyword).entries) == literal, qPrintable(keyword));
            // one word finds what the literal keyword always found
            const QList<SearchTerm> terms = parseSearch(keyword);
            if (terms == QList { SearchTerm { SearchTerm::Kind::Word, keyword } }) {
                ++oneWord;
                QVERIFY2(expected == literal, qPrintable(keyword));
            }
            // and the search of the diary held in memory, which confirms matches from the bytes
            QVERIFY2(dates(snapshot->search(keyword, {})) == expected, qPrintable(keyword));
            // ignoring case, from texts folded once; after a rewrite, the changed ones anew
            QVERIFY2(dates(snapshot->search(keyword, {}, true)) == folded, qPrintable(keyword));
            if (k == 500) {
                for (int i = 0; i < diary.size(); i += 7)
                    diary[i] = QVariantMap { { "date", diary[i].toMap().value("date") },
                        { "text", randomText(1 + random.bounded(12)) } };
                QVERIFY(writeEntries(path, diary).ok());
                stored = loadEntries(path).entries;
                const SnapshotPointer older = std::exchange(snapshot, DiarySnapshot::load(path));
                snapshot->inheritFoldedTexts(*older);
            }
        }
        QVERIFY(oneWord > 300);
    }

    // What is a tag: the tags found in each text, joined by "|".
    void tagRule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tags");
        const auto row = [](const char *name, const QString &text, const QString &tags) {
            QTest::newRow(name) << text << tags;
        };
        row("a word with a hash", "a #garden day", "#garden");
        row("at the start, then punctuation", "#rain, (#wind).", "#rain|#wind");
        row("accents and umlauts", "#Grüße #café", "#Grüße|#café");
        row("decomposed accent stays inside", "#cafe\u0301 x", "#cafe\u0301");
        row("Cyrillic and Greek", "#дача #θάλασσα", "#дача|#θάλασσα");
        row("Japanese after a space", "今日 #旅行 です", "#旅行");
        row("Japanese right after its words", "散歩した#散歩", "#散歩");
        row("full-width hash", "＃旅行", "＃旅行");
        row("hyphen and underscore inside", "#well-being #to_do", "#well-being|#to_do");
        row("a trailing hyphen is no part", "#garden- next", "#garden");
        row("digits with a letter", "#2024trip", "#2024trip");
        row("digits alone", "#1 and #2024", "");
        row("a hash alone", "# and #", "");
        row("headings", "# Title\n## Part\n### x", "");
        row("two hashes", "##tag", "");
        row("inside a word", "C#sharp e#x", "");
        row("web addresses", "https://x.org/#top www.x.org#a x.org/#b", "");
        row("in a query or entity", "?a=#b &#35;c", "");
        row("after an escaped character", "<#tag> &#x", "#tag");
        row("after an address and a wide space", "https://x.org\u3000#tag", "#tag");
    }
    void tagRule()
    {
        QFETCH(QString, text);
        QStringList found;
        for (const TagSpan &tag : findTags(text))
            found << text.mid(tag.at, tag.length);
        QTEST(found.join('|'), "tags");
        for (const QString &tag : found)
            QVERIFY(isTag(tag));
        // read from the bytes the diary file stores, the same
        const QByteArray raw = text.toUtf8().replace("&", "&amp;").replace("<", "&lt;");
        QTEST(tagsInStoredText(raw, true).join('|'), "tags");
    }

    void tagsIgnoreCaseAndAccents()
    {
        for (const QString tag : { "#Café", "#CAFE", "#cafe\u0301", "＃ｃａｆｅ" })
            QCOMPARE(tagKey(tag), QString("cafe"));
        QVERIFY(tagKey(u"#Straße") != tagKey(u"#strasse"));
    }

    // How the field's text parts into terms: w word, p phrase, t tag, "-" left out.
    void searchTerms_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("terms");
        const auto row = [](const char *name, const QString &query, const char *terms) {
            QTest::newRow(name) << query << QString(terms);
        };
        row("one word", "rain", "w:rain");
        row("words, any spaces", " rain \t snow\u3000雪 ", "w:rain w:snow w:雪");
        row("a phrase", "\"deep blue\" sea", "p:deep blue w:sea");
        row("typographic quotes", "„tief blau“ “dark sea”", "p:tief blau p:dark sea");
        row("an unclosed phrase runs to the end", "sea \"deep blue", "w:sea p:deep blue");
        row("an empty phrase is nothing", "\"\"", "");
        row("left out", "-snow -\"cold wind\" -#work", "-w:snow -p:cold wind -t:#work");
        row("a dash alone is a word", "- x", "w:- w:x");
        row("tags", "#garden #Reise", "t:#garden t:#Reise");
        row("what is no tag is a word", "#1 #garden, a#b", "w:#1 w:#garden, w:a#b");
        row("blank", "   ", "");
    }
    void searchTerms()
    {
        QFETCH(QString, query);
        QStringList terms;
        for (const SearchTerm &term : parseSearch(query))
            terms << QString(term.excluded ? "-" : "") + "wpt"[int(term.kind)] + ':' + term.text;
        QTEST(terms.join(' '), "terms");
    }

    // How terms combine, as typed and ignoring case and accents; and every wanted term is
    // marked, each in order.
    void searchCombines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("query");
        QTest::addColumn<bool>("ignore");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("places");
        const auto row = [](const char *name, const QString &text, const QString &query, bool found,
                                 int places, bool ignore = false) {
            QTest::newRow(name) << text << query << ignore << found << places;
        };
        row("all words, in any order", "rain, then snow", "snow rain", true, 2);
        row("one word missing", "rain only", "snow rain", false, 1);
        row("a phrase stands together", "the deep blue sea", "\"deep blue\"", true, 1);
        row("a phrase apart", "blue and deep", "\"deep blue\"", false, 0);
        row("left out when it stands", "rain and snow", "rain -snow", false, 1);
        row("kept when it does not", "rain all day", "rain -snow", true, 1);
        row("only leaving out: any day with text", "sun", "-snow", true, 0);
        row("only leaving out: never an empty day", "", "-snow", false, 0);
        row("a tag", "a #garden day, #Garden again", "#garden", true, 2);
        row("a tag is not a longer one", "#gardening", "#garden", false, 0);
        row("a tag is not the bare word", "garden", "#garden", false, 0);
        row("a tag left out", "#work day", "day -#work", false, 1);
        row("case counts as typed", "Rain and SNOW", "rain snow", false, 0);
        row("case ignored in every term", "Rain and SNOW", "rain snow", true, 2, true);
        row("accents ignored in every term", "Café crème", "cafe \"CREME\"", true, 2, true);
        row("accents ignored in a tag left out", "#Café", "-#cafe", false, 0, true);
    }
    void searchCombines()
    {
        QFETCH(QString, text);
        QFETCH(QString, query);
        QFETCH(bool, ignore);
        const QueryMatcher matcher(query, ignore);
        QTEST(matcher.matches(text), "found");
        QTEST(int(matcher.places(text).size()), "places");
    }

    // Stepping through a day's matches from the cursor, forwards and backwards.
    void nextMatch_data()
    {
        QTest::addColumn<qsizetype>("from");
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<bool>("ignore");
        QTest::addColumn<qsizetype>("at");
        QTest::newRow("first") << qsizetype(0) << false << false << qsizetype(0);
        QTest::newRow("next") << qsizetype(1) << false << false << qsizetype(9);
        QTest::newRow("past the last") << qsizetype(10) << false << false << qsizetype(-1);
        QTest::newRow("previous") << qsizetype(9) << true << false << qsizetype(0);
        QTest::newRow("before the first") << qsizetype(3) << true << false << qsizetype(-1);
        QTest::newRow("another case, ignored") << qsizetype(10) << false << true << qsizetype(20);
    }
    void nextMatch()
    {
        QFETCH(qsizetype, from);
        QFETCH(bool, backwards);
        QFETCH(bool, ignore);
        const QList<MatchSpan> places
                = QueryMatcher("rain", ignore).places("rain and rain, then RAIN");
        QTEST(nextPlace(places, from, backwards).at, "at");
    }

    // The words around the first match, cut at spaces to about 60 characters, for the list.
    void matchInContext_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown"); // [match], … where the text goes on
        QTest::addColumn<int>("count");
        const QString words = "one two three four five six seven eight nine ten eleven twelve";
        const auto row = [](const char *name, const QString &text, const char *shown, int count) {
            QTest::newRow(name) << text << QString(shown) << count;
        };
        row("at the start", "rain " + words,
                "[rain] one two three four five six seven eight nine ten eleven…", 1);
        row("in the middle, twice", words + " rain " + words + " rain",
                "…eleven twelve [rain] one two three four five six seven…", 2);
        row("every place in view marked", "wet rain, more rain", "wet [rain], more [rain]", 2);
        row("at the end", words + " rain",
                "…three four five six seven eight nine ten eleven twelve [rain]", 1);
        row("line breaks read as spaces", "wet\nrain\tall day", "wet [rain] all day", 1);
        row("decomposed text", "Cafe\u0301 au lait", "[Café] au lait", 1);
        row("none", words, "[]", 0);
    }
    void matchInContext()
    {
        QFETCH(QString, text);
        const QList<MatchSpan> places = allMatches(text,
                QTest::currentDataTag() == QByteArray("decomposed text") ? "Café" : "rain", false,
                10);
        QString shown = wordsAround(text, places).text;
        const QList<MatchSpan> marks = wordsAround(text, places).marks;
        for (auto mark = marks.crbegin(); mark != marks.crend(); ++mark)
            shown.insert(mark->at + mark->length, ']').insert(mark->at, '[');
        QTEST(places.isEmpty() ? QString("[]") : shown, "shown");
        QTEST(int(places.size()), "count");
    }
};

PENWICK_TEST_MAIN(tst_Search, QCoreApplication)
#include "tst_search.moc"
