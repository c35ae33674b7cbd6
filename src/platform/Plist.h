// Property-list codec: reads the XML 1.0 and binary "bplist00" forms, writes the XML form in
// Apple's layout. Values are QVariant: QString, qlonglong/qulonglong, double, bool, QDateTime
// (UTC), QByteArray, QVariantList and QVariantMap.
//
// Reading is hardened for files from anywhere: every failure is a clear message, never a crash,
// nesting is bounded and binary object references are checked for range and cycles.
#pragma once

#include "PlistValues.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>

namespace penwick::plist {

struct ReadResult
{
    std::optional<QVariant> value; // empty when the bytes are no property list
    QString error; // a full sentence when value is empty
};

// Parses XML or binary bytes, whichever they hold.
ReadResult read(QByteArrayView bytes);

// Serialises a value as an XML property list in Apple's layout (header, DOCTYPE, tab indents).
QByteArray writeXml(const QVariant &value);

} // namespace penwick::plist
