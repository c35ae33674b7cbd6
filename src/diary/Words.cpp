#include "Words.h"

#include "diary/NoteScan.h"
#include "diary/Search.h"

#include <QTextBoundaryFinder>

namespace penwick::diary {

int countWords(QStringView text)
{
    QTextBoundaryFinder words(QTextBoundaryFinder::Word, text.data(), int(text.size()));
    int count = 0;
    qsizetype from = 0;
    for (qsizetype at = words.toNextBoundary(); at >= 0; at = words.toNextBoundary()) {
        // Chinese and Japanese characters are no items of the word boundaries: each piece
        // between two of them that is letters counts as a word (for Japanese, about its
        // characters, as Japanese counts its writing)
        if (words.boundaryReasons().testFlag(QTextBoundaryFinder::EndOfItem)
                || (at > from && text[from].isLetter()))
            ++count;
        from = at;
    }
    return count;
}

namespace {

bool isHash(char32_t c)
{
    return c == U'#' || c == U'\uFF03';
}

// A character a tag is made of; marks keep accents typed as separate characters (and the vowel
// signs of Indic scripts) inside the word, the joiners keep Persian and Indic words whole.
bool isTagCharacter(char32_t c)
{
    return QChar::isLetterOrNumber(c) || QChar::isMark(c) || c == U'_' || c == U'-'
            || c == U'\u200C' || c == U'\u200D';
}

// The character before a "#" that makes it part of something else: a word ("e#"), an address or
// a query ("/#top", "?a=#b", "&#35;"), another "#" ("##"). Chinese and Japanese put no spaces
// between words, so a "#" right after their characters starts a tag.
bool endsSomethingElse(char32_t c)
{
    const QChar::Script script = QChar::script(c);
    if (script == QChar::Script_Han || script == QChar::Script_Hiragana
            || script == QChar::Script_Katakana)
        return false;
    return isTagCharacter(c) || isHash(c)
            || (c < 0x80 && QStringView(u"&/=?.:@+%~\\").contains(QChar(char16_t(c))));
}

// The character at i (a surrogate pair read as one), and how many code units it takes.
char32_t characterAt(QStringView text, qsizetype i, int *units)
{
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        *units = 2;
        return QChar::surrogateToUcs4(c, text[i + 1]);
    }
    *units = 1;
    return c.unicode();
}

char32_t characterBefore(QStringView text, qsizetype i)
{
    if (i <= 0)
        return 0;
    const QChar c = text[i - 1];
    if (c.isLowSurrogate() && i >= 2 && text[i - 2].isHighSurrogate())
        return QChar::surrogateToUcs4(text[i - 2], c);
    return c.unicode();
}

// Whether the run of text without spaces that ends at i is a web address ("https://…/", "www.").
bool inWebAddress(QStringView text, qsizetype i)
{
    qsizetype start = i;
    while (start > 0 && !text[start - 1].isSpace())
        --start;
    const QStringView run = text.sliced(start, i - start);
    return run.contains(u"://") || run.startsWith(u"www.", Qt::CaseInsensitive);
}

} // namespace

bool mayStartTag(QStringView text, qsizetype at)
{
    return at >= 0 && at < text.size() && isHash(text[at].unicode())
            && !endsSomethingElse(characterBefore(text, at)) && !inWebAddress(text, at);
}

namespace {

// The tag that starts at the "#" at i: its length, or 0 when none starts there.
qsizetype tagAt(QStringView text, qsizetype i)
{
    if (!mayStartTag(text, i))
        return 0;
    int units = 1;
    qsizetype end = i + 1;
    qsizetype lastKept = end; // the end without trailing hyphens
    bool letter = false;
    while (end < text.size()) {
        const char32_t c = characterAt(text, end, &units);
        if (!isTagCharacter(c))
            break;
        letter = letter || QChar::isLetter(c);
        end += units;
        if (c != U'-')
            lastKept = end;
    }
    return letter ? lastKept - i : 0;
}

} // namespace

QList<TagSpan> findTags(QStringView text)
{
    QList<TagSpan> tags;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isHash(text[i].unicode()))
            continue;
        if (const qsizetype length = tagAt(text, i)) {
            tags.append({ i, length });
            i += length - 1;
        }
    }
    return tags;
}

bool isTag(QStringView text)
{
    return !text.isEmpty() && isHash(text[0].unicode()) && tagAt(text, 0) == text.size();
}

QString tagKey(QStringView tag)
{
    if (!tag.isEmpty() && isHash(tag[0].unicode()))
        tag = tag.sliced(1);
    return foldedForSearch(tag.toString());
}

namespace {

// The character whose UTF-8 starts at i, and its length; a malformed byte reads as U+FFFD, as
// decoding makes it.
char32_t utf8At(QByteArrayView raw, qsizetype i, int *length)
{
    const auto lead = static_cast<unsigned char>(raw[i]);
    *length = 1;
    if (lead < 0x80)
        return lead;
    const int n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (n == 0 || i + n > raw.size())
        return U'\uFFFD';
    char32_t c = lead & (0x7F >> n);
    for (int k = 1; k < n; ++k) {
        const auto next = static_cast<unsigned char>(raw[i + k]);
        if ((next & 0xC0) != 0x80)
            return U'\uFFFD';
        c = (c << 6) | (next & 0x3F);
    }
    *length = n;
    return c;
}

// The character that ends just before i: one of the five named entities read as what it
// stands for.
char32_t utf8Before(QByteArrayView raw, qsizetype i)
{
    if (i <= 0)
        return 0;
    if (raw[i - 1] == ';') {
        static const std::pair<QByteArrayView, char32_t> entities[] = { { "&amp;", U'&' },
            { "&lt;", U'<' }, { "&gt;", U'>' }, { "&quot;", U'"' }, { "&apos;", U'\'' } };
        for (const auto &[entity, c] : entities) {
            if (raw.first(i).endsWith(entity))
                return c;
        }
        return U';';
    }
    qsizetype start = i - 1;
    while (start > 0 && i - start < 4 && (static_cast<unsigned char>(raw[start]) & 0xC0) == 0x80)
        --start;
    int length = 0;
    const char32_t c = utf8At(raw, start, &length);
    return start + length == i ? c : U'\uFFFD';
}

bool isAsciiSpace(char c)
{
    return c == ' ' || c == '\n' || c == '\t';
}

} // namespace

QList<TagSpan> tagSpansInPlainData(QByteArrayView raw)
{
    QList<TagSpan> spans;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        int length = 1;
        if (raw[i] != '#' && !(raw[i] == '\xEF' && raw.sliced(i).startsWith("\xEF\xBC\x83")))
            continue;
        length = raw[i] == '#' ? 1 : 3;
        if (endsSomethingElse(utf8Before(raw, i)))
            continue;
        // the run before it, from the last space on (spaces of other scripts included)
        qsizetype from = i;
        while (from > 0 && !isAsciiSpace(raw[from - 1]))
            --from;
        for (qsizetype at = from; at < i;) {
            int n = 1;
            if (QChar::isSpace(utf8At(raw, at, &n)))
                from = at + n;
            at += n;
        }
        const QByteArrayView run = raw.sliced(from, i - from);
        if (run.contains("://")
                || (run.size() >= 4 && run.first(4).toByteArray().toLower() == "www."))
            continue;
        qsizetype end = i + length;
        qsizetype kept = end;
        bool letter = false;
        while (end < raw.size()) {
            int n = 1;
            const char32_t c = utf8At(raw, end, &n);
            if (!isTagCharacter(c))
                break;
            letter = letter || QChar::isLetter(c);
            end += n;
            if (c != U'-')
                kept = end;
        }
        if (letter) {
            spans.append({ i, kept - i });
            i = kept - 1;
        }
    }
    return spans;
}

QStringList tagsInStoredText(QByteArrayView raw, bool plain)
{
    QStringList tags;
    if (plain) {
        for (const TagSpan &span : tagSpansInPlainData(raw))
            tags.append(QString::fromUtf8(raw.sliced(span.at, span.length)));
        return tags;
    }
    const QString text = decodeCharacterData(raw);
    for (const TagSpan &span : findTags(text))
        tags.append(text.mid(span.at, span.length));
    return tags;
}

} // namespace penwick::diary
