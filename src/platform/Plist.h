// Property-list codec: reads the XML 1.0 and binary "bplist00" forms, writes the XML form in
// Apple's layout. Values are QVariant: QString, qlonglong/qulonglong, double, bool, QDateTime
// (UTC), QByteArray, QVariantList and QVariantMap.
//
// Reading is hardened for files from anywhere: every failure is a clear message, never a crash,
// nesting is bounded and binary object references are checked for range and cycles.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>

namespace penwick::plist {

// Deepest nesting of arrays and dictionaries accepted; deeper input is refused rather than
// risking the stack.
inline constexpr int maxDepth = 512;

struct ReadResult
{
    std::optional<QVariant> value; // empty when the bytes are no property list
    QString error; // a full sentence when value is empty
};

// Parses XML or binary bytes, whichever they hold.
ReadResult read(QByteArrayView bytes);

// Serialises a value as an XML property list in Apple's layout (header, DOCTYPE, tab indents).
QByteArray writeXml(const QVariant &value);

// Appends text escaped for an XML text node: & < > as entities, CR and the control characters
// XML cannot carry raw as character references, NUL dropped.
void appendEscaped(QByteArray &out, QByteArrayView utf8);

// UTF-8 to text, keeping a U+FEFF at the start as the character it is (QString::fromUtf8 would
// take it for a byte-order mark and drop it from the user's text).
QString textFromUtf8(QByteArrayView utf8);

// The scalar syntaxes, shared by every reader so that they accept exactly the same files.
std::optional<QVariant> parseInteger(QByteArrayView text);
std::optional<double> parseReal(QByteArrayView text);
std::optional<QDateTime> parseDate(QByteArrayView text);
std::optional<QByteArray> parseData(QByteArrayView text);

} // namespace penwick::plist
