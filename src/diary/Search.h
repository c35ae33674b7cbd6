// Keyword search over the diary: one literal keyword, case-sensitive, spaces included, where a
// precomposed letter and its decomposed form count as the same.
#pragma once

#include "diary/NoteFile.h"

#include <QByteArrayMatcher>
#include <QString>

namespace penwick::diary {

// True when keyword occurs in text; an empty keyword occurs nowhere.
bool containsKeyword(const QString &text, const QString &keyword);

// Text as a search that ignores case and accents compares it: full-width and half-width forms
// as their plain letters, accents on Latin, Greek and Cyrillic letters dropped, case folded
// ("Café", "CAFE" and "ｃａｆｅ" all read "cafe"). Kana keep their voicing marks.
QString foldedForSearch(const QString &text);

// The text in composed form, as the search compares it: the positions of matches refer to it.
QString composedForSearch(const QString &text);

// One place of a keyword in a text (composed form), as the editor selects it.
struct MatchSpan
{
    qsizetype at = -1;
    qsizetype length = 0;
    friend bool operator==(const MatchSpan &, const MatchSpan &) = default;
};

// The words around the first of places (in order, in the composed text), for a list of results:
// about width characters in all, cut at word boundaries, line breaks and tabs read as spaces;
// each of the places that falls inside is marked.
struct MarkedWords
{
    QString text; // starts or ends with "…" where the text goes on
    QList<MatchSpan> marks; // positions in text
};
MarkedWords wordsAround(const QString &text, const QList<MatchSpan> &places, int width = 60);
// Of places in order, the first from position from on, or backwards the last one that ends at
// or before from; at is -1 when there is none.
MatchSpan nextPlace(const QList<MatchSpan> &places, qsizetype from, bool backwards = false);

// Every place of keyword in text, one after the other, at most limit of them; the text is
// prepared once, not once a place.
QList<MatchSpan> allMatches(
        const QString &text, const QString &keyword, bool ignoreCaseAndAccents, qsizetype limit);

// One keyword, ready to be looked for in many texts, most of them ruled out from their stored
// bytes without being decoded.
class KeywordMatcher
{
public:
    explicit KeywordMatcher(const QString &keyword, bool ignoreCaseAndAccents = false);

    bool matches(const QString &text) const;
    bool ignoresCase() const { return !m_folded.isEmpty(); }
    // Whether a text already folded for search holds the folded keyword.
    bool matchesFolded(const QString &foldedText) const;
    // What the raw character data of a stored text tells without decoding it: plain says that
    // it holds no character reference and no CR (see isPlainCharacterData).
    enum class Verdict { No, Maybe, Yes };
    Verdict judge(QByteArrayView raw, bool plain) const;
    // False only when the raw text cannot hold the keyword.
    bool mightMatch(QByteArrayView raw) const;

private:
    QString m_keyword;
    QString m_folded; // the folded keyword, when case and accents are ignored
    QByteArray m_utf8;
    QByteArrayMatcher m_bytes;
    bool m_byteFilter = false; // the keyword's bytes must stand in a composed text's bytes
    bool m_composesFromAscii = false; // no non-ASCII character composes into this keyword
};

// The entries whose text contains keyword, sorted by date; entries of the same date keep their
// order in the file.
DiaryEntries searchDiary(const QString &path, const QString &keyword);

} // namespace penwick::diary
