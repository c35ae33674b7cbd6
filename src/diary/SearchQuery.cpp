#include "SearchQuery.h"

#include "diary/Words.h"

#include <algorithm>

namespace penwick::diary {

namespace {

bool opensPhrase(QChar c)
{
    return QStringView(u"\"\u201C\u201E").contains(c);
}

bool closesPhrase(QChar c)
{
    return QStringView(u"\"\u201D\u201C").contains(c);
}

// Whether a tag whose key is key stands in text.
bool holdsTag(const QString &text, const QString &key)
{
    if (!text.contains(QLatin1Char('#')) && !text.contains(QChar(0xFF03)))
        return false;
    const QList<TagSpan> tags = findTags(text);
    return std::any_of(tags.cbegin(), tags.cend(), [&](const TagSpan &tag) {
        return tagKey(QStringView(text).sliced(tag.at, tag.length)) == key;
    });
}

// Whether plain character data holds the tag key, read in its bytes: an ASCII tag's key is its
// lower case, any other's is worked out.
bool storedTextHoldsTag(QByteArrayView raw, const QString &key)
{
    for (const TagSpan &span : tagSpansInPlainData(raw)) {
        const QByteArrayView tag = raw.sliced(span.at + 1, span.length - 1);
        if (raw[span.at] != '#'
                || std::any_of(tag.cbegin(), tag.cend(), [](char c) { return c & 0x80; })) {
            if (tagKey(QString::fromUtf8(raw.sliced(span.at, span.length))) == key)
                return true;
            continue;
        }
        if (tag.size() == key.size()
                && std::equal(tag.cbegin(), tag.cend(), key.cbegin(), [](char c, QChar k) {
                       return (c >= 'A' && c <= 'Z' ? char(c + 32) : c) == k.unicode();
                   }))
            return true;
    }
    return false;
}

} // namespace

QList<SearchTerm> parseSearch(QStringView query)
{
    QList<SearchTerm> terms;
    const qsizetype n = query.size();
    for (qsizetype i = 0; i < n;) {
        if (query[i].isSpace()) {
            ++i;
            continue;
        }
        SearchTerm term;
        if (query[i] == QLatin1Char('-') && i + 1 < n && !query[i + 1].isSpace()) {
            term.excluded = true;
            ++i;
        }
        if (opensPhrase(query[i])) {
            qsizetype end = i + 1;
            while (end < n && !closesPhrase(query[end]))
                ++end;
            term.kind = SearchTerm::Kind::Phrase;
            term.text = query.sliced(i + 1, end - i - 1).toString();
            i = end + 1;
            if (!term.text.isEmpty()) // "" is no term
                terms.append(term);
            continue;
        }
        qsizetype end = i;
        while (end < n && !query[end].isSpace())
            ++end;
        term.text = query.sliced(i, end - i).toString();
        term.kind = isTag(term.text) ? SearchTerm::Kind::Tag : SearchTerm::Kind::Word;
        terms.append(term);
        i = end;
    }
    return terms;
}

QueryMatcher::QueryMatcher(const QString &query, bool ignoreCaseAndAccents)
    : m_ignoreCase(ignoreCaseAndAccents)
{
    for (const SearchTerm &term : parseSearch(query)) {
        const bool tag = term.kind == SearchTerm::Kind::Tag;
        m_terms.push_back({ term.excluded, tag, tag ? tagKey(term.text) : term.text,
                KeywordMatcher(tag ? QString() : term.text, ignoreCaseAndAccents) });
    }
    m_oneKeyword = m_terms.size() == 1 && !m_terms[0].excluded && !m_terms[0].tag;
}

bool QueryMatcher::ignoresCase() const
{
    return m_oneKeyword ? m_terms[0].words.ignoresCase() : m_ignoreCase;
}

bool QueryMatcher::termFound(const Term &term, const QString &text, const QString *folded) const
{
    if (term.tag)
        return holdsTag(folded ? *folded : text, term.text);
    return folded ? term.words.matchesFolded(*folded) : term.words.matches(text);
}

bool QueryMatcher::matches(const QString &text) const
{
    if (text.isEmpty() || isEmpty())
        return false;
    if (m_oneKeyword)
        return m_terms[0].words.matches(text);
    if (ignoresCase())
        return matchesFolded(foldedForSearch(text));
    return std::all_of(m_terms.cbegin(), m_terms.cend(),
            [&](const Term &term) { return termFound(term, text, nullptr) != term.excluded; });
}

bool QueryMatcher::matchesFolded(const QString &foldedText) const
{
    if (foldedText.isEmpty() || isEmpty())
        return false;
    if (m_oneKeyword)
        return m_terms[0].words.matchesFolded(foldedText);
    return std::all_of(m_terms.cbegin(), m_terms.cend(), [&](const Term &term) {
        return termFound(term, foldedText, &foldedText) != term.excluded;
    });
}

KeywordMatcher::Verdict QueryMatcher::judge(QByteArrayView raw, bool plain) const
{
    using Verdict = KeywordMatcher::Verdict;
    if (isEmpty() || raw.isEmpty())
        return Verdict::No;
    if (m_oneKeyword)
        return m_terms[0].words.judge(raw, plain);
    bool sure = true;
    for (const Term &term : m_terms) {
        // a plain text's tags are read around its "#"s, without decoding it
        Verdict verdict = Verdict::Maybe;
        if (!term.tag)
            verdict = term.words.judge(raw, plain);
        else if (plain)
            verdict = storedTextHoldsTag(raw, term.text) ? Verdict::Yes : Verdict::No;
        if (verdict == (term.excluded ? Verdict::Yes : Verdict::No))
            return Verdict::No;
        sure = sure && verdict != Verdict::Maybe;
    }
    return sure ? Verdict::Yes : Verdict::Maybe;
}

QList<MatchSpan> QueryMatcher::places(const QString &text, qsizetype limit) const
{
    QList<MatchSpan> found;
    QString composed;
    for (const Term &term : m_terms) {
        if (term.excluded)
            continue;
        if (!term.tag) {
            found += allMatches(text, term.text, m_ignoreCase, limit);
            continue;
        }
        if (composed.isNull())
            composed = composedForSearch(text);
        for (const TagSpan &tag : findTags(composed)) {
            if (tagKey(QStringView(composed).sliced(tag.at, tag.length)) == term.text)
                found.append({ tag.at, tag.length });
        }
    }
    std::sort(found.begin(), found.end(), [](const MatchSpan &a, const MatchSpan &b) {
        return a.at != b.at ? a.at < b.at : a.length > b.length;
    });
    // the same place found by two terms is one place
    found.erase(std::unique(found.begin(), found.end(),
                        [](const MatchSpan &a, const MatchSpan &b) { return a.at == b.at; }),
            found.end());
    if (found.size() > limit)
        found.resize(limit);
    return found;
}

} // namespace penwick::diary
