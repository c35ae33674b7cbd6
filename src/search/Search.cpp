#include "Search.h"

#include <algorithm>

namespace penwick::search {

namespace {

// True when every character is one that composition leaves alone and that never combines with
// its neighbours: below U+0300 (Latin, Greek and Cyrillic letters come before the first
// combining mark), CJK punctuation and kana without their combining marks, CJK ideographs,
// Hangul syllables and the full-width forms. Such text is already in composed form, and most diary
// text is such text; checking this is far cheaper than normalising.
bool surelyComposed(const QString &s)
{
    return std::all_of(s.cbegin(), s.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x0300 || (u >= 0x3000 && u <= 0x3029)
                || (u >= 0x3030 && u <= 0x30FF && u != 0x3099 && u != 0x309A)
                || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xAC00 && u <= 0xD7A3)
                || (u >= 0xFF00 && u <= 0xFFEF);
    });
}

// Composed form, so that "é" and "e" + U+0301 compare equal.
QString composed(const QString &s)
{
    return surelyComposed(s) ? s : s.normalized(QString::NormalizationForm_C);
}

} // namespace

bool containsKeyword(const QString &text, const QString &keyword)
{
    if (keyword.isEmpty())
        return false;
    const QString needle = composed(keyword);
    const QString haystack = composed(text);
    for (qsizetype at = haystack.indexOf(needle); at >= 0; at = haystack.indexOf(needle, at + 1)) {
        // a match that ends inside a letter ("e" in "e" + a combining accent with no composed
        // form) is a different character, not the keyword
        const qsizetype end = at + needle.size();
        if (end >= haystack.size() || !haystack.at(end).isMark())
            return true;
    }
    return false;
}

store::Entries searchDiary(const QString &path, const QString &keyword)
{
    if (keyword.isEmpty())
        return {};
    store::Entries found = store::diaryEntries(
            path, [&keyword](const QString &text) { return containsKeyword(text, keyword); });
    std::stable_sort(
            found.entries.begin(), found.entries.end(), [](const QVariant &a, const QVariant &b) {
                return a.toMap().value(QStringLiteral("date")).toString()
                        < b.toMap().value(QStringLiteral("date")).toString();
            });
    return found;
}

} // namespace penwick::search
