// Keyword search over the diary: one literal keyword, case-sensitive, spaces included, where a
// precomposed letter and its decomposed form count as the same.
#pragma once

#include "store/NoteFile.h"

#include <QString>

namespace penwick::search {

// True when keyword occurs in text; an empty keyword occurs nowhere.
bool containsKeyword(const QString &text, const QString &keyword);

// The entries whose text contains keyword, as maps of date and text, sorted by date; entries
// of the same date keep their order in the file.
store::Entries searchDiary(const QString &path, const QString &keyword);

} // namespace penwick::search
