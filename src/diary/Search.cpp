#include "Search.h"

#include <QByteArrayMatcher>
#include <algorithm>

namespace penwick::diary {

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

namespace {

// An ASCII keyword can only stand in a text's composed form where its bytes stand in the text's
// UTF-8: composition keeps ASCII characters in their order and makes no new ones, except 'K',
// ';' and '`' (from KELVIN SIGN, GREEK QUESTION MARK and GREEK VARIA). Nor can a named entity
// hide such a keyword, when it holds none of the five characters they stand for. For these
// keywords the bytes are searched first, and only the texts that hold them are decoded.
bool bytesMustHold(const QString &keyword)
{
    return std::all_of(keyword.cbegin(), keyword.cend(),
            [](QChar c) { return c.unicode() < 0x80 && !QStringView(u"K;`&<>\"'").contains(c); });
}

} // namespace

DiaryEntries searchDiary(const QString &path, const QString &keyword)
{
    if (keyword.isEmpty())
        return {};
    std::function<bool(QByteArrayView)> mightKeep;
    const QByteArrayMatcher bytes(keyword.toLatin1());
    if (bytesMustHold(keyword))
        mightKeep = [&bytes](QByteArrayView utf8) {
            return bytes.indexIn(utf8.data(), utf8.size()) >= 0;
        };
    DiaryEntries found = diaryEntries(
            path, [&keyword](const QString &text) { return containsKeyword(text, keyword); },
            mightKeep);
    std::stable_sort(found.entries.begin(), found.entries.end(),
            [](const DiaryEntry &a, const DiaryEntry &b) { return a.date < b.date; });
    return found;
}

} // namespace penwick::diary
