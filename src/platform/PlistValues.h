// The value syntaxes of property lists, shared by the codec and the diary's scanner so that
// both accept exactly the same files: text escaping and decoding, the scalars, the depth bound.
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

// The bytes without XML white space at either end.
QByteArrayView trimmedXmlSpace(QByteArrayView v);

} // namespace penwick::plist
