// A single pass over a note file in the plain XML form that Penwick and the earlier versions
// write. It checks the whole file and finds, without building a tree, where each entry's date
// and text stand, so that a keystroke can splice the new text into the old bytes: every other
// byte of the file, entries and values we do not understand included, is kept exactly.
//
// It accepts a strict subset of XML property lists (UTF-8 without a byte-order mark, no
// comments, processing instructions, CDATA or attributes inside the values). For anything else
// it declines, and the caller reads the file with the full property-list reader instead; it
// never accepts a file that the full reader would refuse.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

namespace penwick::diary {

struct Span
{
    qsizetype begin = -1;
    qsizetype end = -1;
    bool isValid() const { return begin >= 0; }
    QByteArrayView of(QByteArrayView bytes) const { return bytes.sliced(begin, end - begin); }
};

// A dictionary of the root array whose "date" and "text" are both strings.
struct ScannedEntry
{
    Span date; // raw content of the date string
    Span text; // raw content of the text string (empty for <string/>)
    Span textElement; // the whole text element
    bool textSelfClosing = false;
    bool textIsPlain = true; // the raw text holds no character reference and no CR
};

// True when raw character data holds no character reference ("&#") and no CR, so that its
// bytes are its UTF-8 but for the five named entities.
bool isPlainCharacterData(QByteArrayView raw);

struct NoteScan
{
    std::vector<ScannedEntry> entries; // in file order
    qsizetype insertAt = -1; // where an appended entry goes: after the last element
    Span emptyArrayTag; // the <array/> of an empty diary, when written so

    // The scan, or nothing when the bytes are not in the subset described above.
    static std::optional<NoteScan> scan(QByteArrayView bytes);

    // The first entry whose date equals the given UTF-8 date, or -1.
    qsizetype find(QByteArrayView bytes, QByteArrayView date) const;

    // The bytes with the escaped text put in place of the day's text, or with a new entry for
    // the day appended; this scan is moved to describe the new bytes. Every other byte stays.
    QByteArray spliceText(QByteArrayView bytes, QByteArrayView date, QByteArrayView escapedText);
};

// An entry as Penwick appends it, with its date and text escaped; dateAt and textAt receive
// where the two values start in it.
QByteArray newEntryXml(QByteArrayView escapedDate, QByteArrayView escapedText,
        qsizetype *dateAt = nullptr, qsizetype *textAt = nullptr);

// The value of raw XML character data: entities resolved, line ends normalised as XML does.
QString decodeCharacterData(QByteArrayView raw);

} // namespace penwick::diary
