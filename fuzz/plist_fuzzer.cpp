// Feeds any bytes to the property-list reader and to the note file's fast scanner. Neither may
// crash, and whatever the scanner accepts the full reader must accept and read the same way.
#include "diary/NoteFile.h"
#include "diary/NoteScan.h"
#include "platform/Plist.h"

#include <algorithm>
#include <cstdlib>

using namespace penwick;

namespace {

// XML 1.0 carries neither NUL nor half of a surrogate pair, an XML date has whole seconds, and
// NaN equals nothing: values holding them cannot come back equal, whatever the writer does.
bool comesBackEqual(const QVariant &v)
{
    auto textOk = [](const QString &s) {
        for (qsizetype i = 0; i < s.size(); ++i) {
            const QChar c = s.at(i);
            if (c.unicode() == 0)
                return false;
            if (c.isHighSurrogate() && (i + 1 == s.size() || !s.at(i + 1).isLowSurrogate()))
                return false;
            if (c.isLowSurrogate() && (i == 0 || !s.at(i - 1).isHighSurrogate()))
                return false;
        }
        return true;
    };
    switch (v.typeId()) {
    case QMetaType::QString:
        return textOk(v.toString());
    case QMetaType::Double:
        return v.toDouble() == v.toDouble();
    case QMetaType::QDateTime:
        return v.toDateTime().time().msec() == 0;
    case QMetaType::QVariantList: {
        const QVariantList list = v.toList();
        return std::all_of(list.cbegin(), list.cend(), comesBackEqual);
    }
    case QMetaType::QVariantMap: {
        const QVariantMap map = v.toMap();
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            if (!textOk(it.key()) || !comesBackEqual(it.value()))
                return false;
        return true;
    }
    default:
        return true;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const plist::ReadResult full = plist::read(bytes);
    if (full.value && comesBackEqual(*full.value)) // what is read is written back value for value
        if (plist::read(plist::writeXml(*full.value)).value != full.value)
            std::abort();

    const auto scan = diary::NoteScan::scan(bytes);
    if (!scan)
        return 0;
    if (!full.value || full.value->typeId() != QMetaType::QVariantList)
        std::abort(); // the scanner accepted a file the reader refuses
    const QVariantList entries = full.value->toList();
    for (const QVariant &entry : entries) {
        if (!diary::isDiaryEntry(entry))
            continue;
        const QString date = entry.toMap().value("date").toString();
        const qsizetype at = scan->find(bytes, date.toUtf8());
        const QString fast = at < 0
                ? QString()
                : diary::decodeCharacterData(scan->entries[size_t(at)].text.of(bytes));
        if (fast != diary::lookupText(entries, date))
            std::abort(); // the two read a day differently
    }

    // A keystroke's splice keeps the scanner's map true and every other value as it was.
    diary::NoteScan moved = *scan;
    const QByteArray spliced = moved.spliceText(bytes, "2024-01-01", "typed &amp; kept");
    const auto fresh = diary::NoteScan::scan(spliced);
    if (!fresh || fresh->entries.size() != moved.entries.size()
            || fresh->insertAt != moved.insertAt)
        std::abort();
    for (size_t i = 0; i < moved.entries.size(); ++i) {
        const auto &a = moved.entries[i], &b = fresh->entries[i];
        if (a.date.begin != b.date.begin || a.text.begin != b.text.begin || a.text.end != b.text.end
                || a.textElement.end != b.textElement.end || a.textIsPlain != b.textIsPlain)
            std::abort();
    }
    QVariantList expected = entries;
    diary::replaceEntry(expected, "2024-01-01", "typed & kept");
    const plist::ReadResult after = plist::read(spliced);
    if (!after.value || (comesBackEqual(expected) && after.value->toList() != expected))
        std::abort();
    return 0;
}
