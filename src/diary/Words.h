// What a day's words are: how many (as the status bar and the year's overview count them), and
// which of them are tags. A tag is a word that starts with "#" (or its full-width form "＃")
// followed by letters or digits of any script, "_" or "-", with at least one letter: "#garden",
// "#Reise", "#旅行", "#well-being". "#1", a "#" alone, a "#" inside a word or a web address and a
// heading such as "# Title" are no tags. Tags are the same tag whatever their case and accents.
#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace penwick::diary {

// The words of a text, as the Unicode word boundaries find them (punctuation and spaces are no
// words; in Chinese and Japanese each piece between two boundaries is one).
int countWords(QStringView text);

// Where a tag stands in a text: from its "#" on, trailing hyphens left out.
struct TagSpan
{
    qsizetype at = -1;
    qsizetype length = 0;
    friend bool operator==(const TagSpan &, const TagSpan &) = default;
};

// Every tag in text, in order.
QList<TagSpan> findTags(QStringView text);

// Where the tags of plain character data (see isPlainCharacterData) stand in its bytes, found
// without decoding it.
QList<TagSpan> tagSpansInPlainData(QByteArrayView raw);

// The tags (as written) of a text as the diary file stores it, its raw character data. Plain data
// is read in its bytes: a diary's texts are never decoded for their tags.
QStringList tagsInStoredText(QByteArrayView raw, bool plain);

// Whether a tag may begin with the "#" at position at, as what stands before it tells (for
// offering tags while one is typed).
bool mayStartTag(QStringView text, qsizetype at);

// True when text is one tag as a whole ("#garden"; not "#garden," nor "#1").
bool isTag(QStringView text);

// What tells a tag from the others: its letters without the "#", case and accents folded as the
// search folds them ("#Café" and "#cafe" are one tag).
QString tagKey(QStringView tag);

} // namespace penwick::diary
