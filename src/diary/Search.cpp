#include "Search.h"

#include "diary/NoteScan.h"

#include <QByteArrayMatcher>
#include <algorithm>

namespace penwick::diary {

namespace {

// True when every character is one that composition leaves alone and that never combines with
// its neighbours: below U+0300 (Latin, Greek and Cyrillic letters come before the first
// combining mark), CJK punctuation and kana without their combining marks, CJK ideographs,
// Hangul syllables and the full-width forms. Such text is already in composed form, and most diary
// text is such text; checking this is far cheaper than normalising.
bool staysComposed(char16_t u)
{
    return u < 0x0300 || (u >= 0x3000 && u <= 0x3029)
            || (u >= 0x3030 && u <= 0x30FF && u != 0x3099 && u != 0x309A)
            || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xAC00 && u <= 0xD7A3)
            || (u >= 0xFF00 && u <= 0xFFEF);
}

bool surelyComposed(const QString &s)
{
    return std::all_of(s.cbegin(), s.cend(), [](QChar c) { return staysComposed(c.unicode()); });
}

// Composed form, so that "é" and "e" + U+0301 compare equal.
QString composed(const QString &s)
{
    return surelyComposed(s) ? s : s.normalized(QString::NormalizationForm_C);
}

// The first place from `from` on where the composed needle stands in the composed haystack as
// a whole: a match that ends inside a letter ("e" in "e" + a combining accent with no composed
// form) is a different character, not the keyword. -1 when there is none.
qsizetype matchFrom(const QString &haystack, const QString &needle, qsizetype from)
{
    for (qsizetype at = haystack.indexOf(needle, from); at >= 0;
            at = haystack.indexOf(needle, at + 1)) {
        const qsizetype end = at + needle.size();
        if (end >= haystack.size() || !haystack.at(end).isMark())
            return at;
    }
    return -1;
}

} // namespace

namespace {

QString foldedSlowly(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString kept;
    kept.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.unicode() < 0x0300 || c.unicode() > 0x036F) // the combining accents
            kept.append(c);
    }
    // composed again, so that kana and their voicing marks read as the quick path reads them
    return kept.normalized(QString::NormalizationForm_C).toCaseFolded();
}

// The folded form of each Latin, Greek and Cyrillic letter (below U+0530), worked out once: most
// of a diary's letters are among them, and normalising every text anew would make the search
// slow.
const QStringList &foldedLatin()
{
    static const QStringList table = [] {
        QStringList folded;
        for (char16_t c = 0; c < 0x530; ++c)
            folded.append(foldedSlowly(QString(QChar(c))));
        return folded;
    }();
    return table;
}

} // namespace

QString foldedForSearch(const QString &text)
{
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; }))
        return text.toLower(); // most diary text: folding is lower case
    const QStringList &latin = foldedLatin();
    QString folded;
    folded.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x0300 && u <= 0x036F)
            continue; // a combining accent
        else if (u < 0x530)
            folded.append(latin.at(u));
        else if (u >= 0xFF01 && u <= 0xFF5E) // full-width ASCII
            folded.append(latin.at(u - 0xFEE0));
        else if (staysComposed(u) && !(u >= 0xFF00 && u <= 0xFFEF))
            folded.append(c); // kana without their marks, ideographs, Hangul: no case
        else
            return foldedSlowly(text); // anything else: the full rules
    }
    return folded;
}

QString composedForSearch(const QString &text)
{
    return composed(text);
}

bool containsKeyword(const QString &text, const QString &keyword)
{
    if (keyword.isEmpty())
        return false;
    return matchFrom(composed(text), composed(keyword), 0) >= 0;
}

namespace {

// The run of haystack shown around a match: a third of the room before it, the rest after it
// (what the end leaves unused goes before), each side cut back to a space.
std::pair<qsizetype, qsizetype> shownAround(
        const QString &haystack, qsizetype at, qsizetype length, int width)
{
    const qsizetype end = at + length;
    const qsizetype room = std::max<qsizetype>(0, width - length);
    const qsizetype beforeRoom = std::max(room / 3, room - (haystack.size() - end));
    qsizetype from = std::max<qsizetype>(0, at - beforeRoom);
    qsizetype to = std::min(haystack.size(), end + (room - (at - from)));
    if (from > 0) {
        const qsizetype space = haystack.indexOf(QLatin1Char(' '), from);
        from = space >= 0 && space < at ? space + 1 : from;
    }
    if (to < haystack.size()) {
        const qsizetype space = haystack.lastIndexOf(QLatin1Char(' '), to);
        to = space > end ? space : to;
    }
    return { from, to };
}

QString asOneLine(QStringView s)
{
    QString line = s.toString();
    for (QChar &c : line) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    }
    return line;
}

} // namespace

namespace {

// Where a folded keyword first stands in the text itself: the shortest run of the text from
// the earliest start that folds to it. For the few rows a list shows, not for the search.
qsizetype foldedMatch(
        const QString &text, const QString &folded, qsizetype *length, qsizetype from = 0)
{
    for (qsizetype at = from; at < text.size(); ++at) {
        for (qsizetype n = 1; n <= folded.size() * 3 && at + n <= text.size(); ++n) {
            const QString piece = foldedForSearch(text.mid(at, n));
            if (piece == folded) {
                *length = n;
                return at;
            }
            if (!folded.startsWith(piece))
                break;
        }
    }
    return -1;
}

} // namespace

MatchSpan nextPlace(const QList<MatchSpan> &places, qsizetype from, bool backwards)
{
    if (backwards) {
        for (auto it = places.crbegin(); it != places.crend(); ++it) {
            if (it->at + it->length <= from)
                return *it;
        }
        return {};
    }
    for (const MatchSpan &place : places) {
        if (place.at >= from)
            return place;
    }
    return {};
}

QList<MatchSpan> allMatches(
        const QString &text, const QString &keyword, bool ignoreCaseAndAccents, qsizetype limit)
{
    QList<MatchSpan> found;
    if (keyword.isEmpty())
        return found;
    const QString haystack = composed(text);
    const QString needle = ignoreCaseAndAccents ? foldedForSearch(keyword) : composed(keyword);
    for (qsizetype at = 0; found.size() < limit;) {
        qsizetype length = needle.size();
        at = ignoreCaseAndAccents ? foldedMatch(haystack, needle, &length, at)
                                  : matchFrom(haystack, needle, at);
        if (at < 0)
            break;
        found.append({ at, length });
        at += std::max<qsizetype>(1, length);
    }
    return found;
}

MarkedWords wordsAround(const QString &text, const QList<MatchSpan> &places, int width)
{
    MarkedWords shown;
    if (places.isEmpty())
        return shown;
    const QString haystack = composed(text);
    const MatchSpan first = places.constFirst();
    const auto [from, to] = shownAround(haystack, first.at, first.length, width);
    const qsizetype lead = from > 0 ? 1 : 0; // the ellipsis
    shown.text = (from > 0 ? QString(QChar(0x2026)) : QString())
            + asOneLine(QStringView(haystack).mid(from, to - from))
            + (to < haystack.size() ? QString(QChar(0x2026)) : QString());
    for (const MatchSpan &place : places) {
        if (place.at >= from && place.at + place.length <= to)
            shown.marks.append({ place.at - from + lead, place.length });
    }
    return shown;
}

namespace {

// True when the UTF-8 text decodes only to characters that composition leaves alone (as
// surelyComposed above): such a text holds a composed keyword exactly where its bytes do.
bool surelyComposedUtf8(QByteArrayView raw)
{
    const auto *p = reinterpret_cast<const unsigned char *>(raw.data());
    const auto *end = p + raw.size();
    while (p < end) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        char32_t c = 0;
        int length = 0;
        if ((*p & 0xE0) == 0xC0) {
            c = *p & 0x1F;
            length = 2;
        } else if ((*p & 0xF0) == 0xE0) {
            c = *p & 0x0F;
            length = 3;
        } else {
            return false; // four-byte sequences and malformed bytes: decode to be sure
        }
        if (end - p < length)
            return false;
        for (int i = 1; i < length; ++i)
            c = (c << 6) | (p[i] & 0x3F);
        p += length;
        if (!staysComposed(char16_t(c)))
            return false;
    }
    return true;
}

} // namespace

// The keyword's bytes must stand in a text's bytes when the text is in composed form and the
// keyword holds none of the five characters that named entities stand for: composition leaves
// composed text as it is, and a match cannot span an entity. A text whose bytes lack the
// keyword can then still hold it only when it is not surely composed. An ASCII keyword without
// 'K', ';' and '`' (the only ASCII letters composition makes, from KELVIN SIGN, GREEK QUESTION
// MARK and GREEK VARIA) cannot be made by composition at all.
KeywordMatcher::KeywordMatcher(const QString &keyword, bool ignoreCaseAndAccents)
    : m_keyword(keyword)
    , m_folded(ignoreCaseAndAccents ? foldedForSearch(keyword) : QString())
    , m_utf8(keyword.toUtf8())
    , m_bytes(m_utf8)
{
    // other cases and accents have other bytes: only the decoded text can tell
    m_byteFilter = m_folded.isEmpty() && !keyword.isEmpty() && surelyComposed(keyword)
            && std::none_of(keyword.cbegin(), keyword.cend(),
                    [](QChar c) { return QStringView(u"&<>\"'").contains(c); });
    m_composesFromAscii = std::all_of(keyword.cbegin(), keyword.cend(),
            [](QChar c) { return c.unicode() < 0x80 && !QStringView(u"K;`").contains(c); });
}

bool KeywordMatcher::matches(const QString &text) const
{
    return m_folded.isEmpty() ? containsKeyword(text, m_keyword)
                              : matchFrom(foldedForSearch(text), m_folded, 0) >= 0;
}

bool KeywordMatcher::matchesFolded(const QString &foldedText) const
{
    return matchFrom(foldedText, m_folded, 0) >= 0;
}

// In a composed text the keyword's bytes are the keyword, and no combining mark can follow
// them; entities cannot stand inside it, since it holds none of their characters.
KeywordMatcher::Verdict KeywordMatcher::judge(QByteArrayView raw, bool plain) const
{
    if (!m_byteFilter || !plain)
        return Verdict::Maybe;
    const qsizetype at = m_bytes.indexIn(raw.data(), raw.size());
    if (at < 0)
        return m_composesFromAscii || surelyComposedUtf8(raw) ? Verdict::No : Verdict::Maybe;
    // The bytes may overlap a named entity ("amp" in "&amp;"): then only the decoded text can
    // tell. Entities are at most six bytes long.
    const qsizetype end = at + m_utf8.size();
    for (qsizetype amp = raw.lastIndexOf('&', end - 1); amp >= 0 && amp >= at - 6;
            amp = amp > 0 ? raw.lastIndexOf('&', amp - 1) : -1) {
        const qsizetype semicolon = raw.indexOf(';', amp);
        if (semicolon < 0 || semicolon >= at)
            return Verdict::Maybe;
    }
    // The match stands as it is unless what follows it combines with its last letter; a
    // character that composition leaves alone cannot.
    const QByteArrayView after = raw.sliced(end);
    const qsizetype next = std::min<qsizetype>(
            after.size(), after.isEmpty() ? 0 : [&] {
                const auto lead = static_cast<unsigned char>(after[0]);
                return qsizetype(lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4);
            }());
    return surelyComposedUtf8(after.first(next)) ? Verdict::Yes : Verdict::Maybe;
}

bool KeywordMatcher::mightMatch(QByteArrayView raw) const
{
    return judge(raw, isPlainCharacterData(raw)) != Verdict::No;
}

DiaryEntries searchDiary(const QString &path, const QString &keyword)
{
    if (keyword.isEmpty())
        return {};
    const KeywordMatcher matcher(keyword);
    DiaryEntries found = diaryEntries(
            path, [&matcher](const QString &text) { return matcher.matches(text); },
            [&matcher](QByteArrayView raw) { return matcher.mightMatch(raw); });
    sortByDate(found.entries);
    return found;
}

} // namespace penwick::diary
