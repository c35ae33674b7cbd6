// The day key "yyyy-MM-dd" that names an entry in the note file. It always has ASCII digits,
// whatever the user's locale, since it is stored; days are calendar dates, so no time zone or
// missing midnight can move them.
#pragma once

#include <QDate>
#include <QString>

namespace penwick::diary {

// "2026-03-05"; years before 1000 keep four digits ("0987-01-07"). Empty for an invalid date.
QString dayKey(QDate day);

// The day a key names, or an invalid date when the text is no day key.
QDate dayFromKey(const QString &key);

} // namespace penwick::diary
