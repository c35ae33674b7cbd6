// Bringing a diary kept by another program into Penwick's: what an import would change, the
// question that says so before anything changes, and the import itself — a backup first, then
// every changed day through the diary session, which keeps each day's earlier text in the
// history and writes the diary once.
#pragma once

#include "imports/ForeignDiary.h"

#include <QMap>
#include <QString>

namespace penwick::diary {
class DiarySession;
}

namespace penwick::imports {

struct ImportPlan
{
    QString error; // why nothing can be imported, for the user
    QString kind;
    QString source; // the file or folder read, as the user named it
    int days = 0; // days the import holds
    int daysWithText = 0; // of them, days that already have other text here
    int attachmentsLeftOut = 0;
    QMap<QString, QString> imported; // day key to the text the import brings for the day
    QMap<QString, QString> changes; // day key to the day's text after the import
};

// Reads the diary at source (a file or folder; a month file of a RedNotebook folder or one note
// of a folder of daily notes stands for its folder) and compares it with the session's diary.
ImportPlan planImport(const QString &source, diary::DiarySession &session);

// Why the diary at source cannot be imported (read as planImport reads it), or nothing.
QString sourceError(const QString &source);

// "Import 1,234 days from Day One? 56 of them already have text here; …" in the user's language.
QString importQuestion(const ImportPlan &plan);

// Backs the diary up into backupsFolder, then imports plan through the session and waits until
// the diary holds it; a day that changed since the plan gets the imported text below its text
// as it is now. Returns an error sentence, empty on success.
QString applyImport(
        const ImportPlan &plan, diary::DiarySession &session, const QString &backupsFolder);

} // namespace penwick::imports
