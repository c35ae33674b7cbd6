// Keyword search over the diary: one literal keyword, case-sensitive, spaces included, where a
// precomposed letter and its decomposed form count as the same.
#pragma once

#include "diary/NoteFile.h"

#include <QString>

namespace penwick::diary {

// True when keyword occurs in text; an empty keyword occurs nowhere.
bool containsKeyword(const QString &text, const QString &keyword);

// The entries whose text contains keyword, sorted by date; entries of the same date keep their
// order in the file.
DiaryEntries searchDiary(const QString &path, const QString &keyword);

} // namespace penwick::diary
