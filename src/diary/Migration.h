// Diaries kept by earlier versions in the preferences: one preference per day, named by its
// date, gathered into a list of entries.
#pragma once

#include <QString>
#include <QVariant>
#include <functional>

namespace penwick::diary {

// True when key holds a date "dddd-dd-dd" (ASCII digits) anywhere in it.
bool isLegacyDateKey(const QString &key);

// An entry per legacy date key, in the order of keys: the whole key as date, its value as text.
QVariantList legacyEntries(
        const QStringList &keys, const std::function<QVariant(const QString &)> &valueOf);

} // namespace penwick::diary
