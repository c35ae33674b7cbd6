// A search as the user types it into the field: the words are all required, "a phrase" in
// quotes stands as it is, -word leaves the days that hold it out, and #tag finds the days
// tagged so. One plain word is the literal keyword it has always been: the same days, found the
// same way. Ignoring case and accents applies to every word and phrase; tags ignore them always.
#pragma once

#include "diary/Search.h"

#include <QList>
#include <QString>
#include <vector>

namespace penwick::diary {

struct SearchTerm
{
    enum class Kind { Word, Phrase, Tag };
    Kind kind = Kind::Word;
    QString text; // the word, the phrase without its quotes, or the tag with its "#"
    bool excluded = false; // written with a leading "-"
    friend bool operator==(const SearchTerm &, const SearchTerm &) = default;
};

// The terms of a search, in the order typed. Words are parted by white space of any kind; a
// quote (" “ „) opens a phrase that the next quote (" ” “) or the end closes; "-" before a term
// leaves it out, and a "-" alone is a word.
QList<SearchTerm> parseSearch(QStringView query);

// A search ready to be run over many texts, as KeywordMatcher is for one keyword.
class QueryMatcher
{
public:
    explicit QueryMatcher(const QString &query, bool ignoreCaseAndAccents = false);

    // No term at all (an empty or blank field): nothing matches.
    bool isEmpty() const { return m_terms.empty(); }
    // Whether texts are compared folded (one keyword of accents alone is compared as typed, as
    // KeywordMatcher does).
    bool ignoresCase() const;
    // Every wanted term stands in text and none of those left out does; an empty text never
    // matches, not even a search that only leaves days out.
    bool matches(const QString &text) const;
    // The same, for a text already folded for search (when case and accents are ignored).
    bool matchesFolded(const QString &foldedText) const;
    // What the raw character data of a stored text tells without decoding it (see
    // KeywordMatcher::judge).
    KeywordMatcher::Verdict judge(QByteArrayView raw, bool plain) const;

    // Every place of the wanted terms in text (positions in its composed form, as allMatches
    // gives them), in order of position, at most limit of them. Terms left out have no place.
    QList<MatchSpan> places(const QString &text, qsizetype limit = 100000) const;

private:
    struct Term
    {
        bool excluded;
        bool tag;
        QString text; // the word or the phrase, or the tag's key
        KeywordMatcher words; // for a word or a phrase
    };
    bool termFound(const Term &term, const QString &text, const QString *folded) const;

    std::vector<Term> m_terms;
    bool m_ignoreCase;
    bool m_oneKeyword = false; // one word or phrase, wanted: exactly the literal keyword search
};

} // namespace penwick::diary
