// Bringing a diary kept by another program into Penwick's: what an import would change, the
// question that says so before anything changes, and the import itself — day by day, every
// changed day recorded in the history, a backup first, and the diary written once.
#pragma once

#include "imports/ForeignDiary.h"

#include <QMap>
#include <QString>

namespace penwick::history {
class HistoryStore;
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
    QMap<QString, QString> changes; // day key to the day's text after the import
    QMap<QString, QString> before; // day key to the day's text before it
};

// Reads the diary at source (a file or folder; a month file of a RedNotebook folder or one note
// of a folder of daily notes stands for its folder) and compares it with the diary at diaryPath.
ImportPlan planImport(const QString &source, const QString &diaryPath);

// "Import 1,234 days from Day One? 56 of them already have text here; …" in the user's language.
QString importQuestion(const ImportPlan &plan);

// Writes plan into the diary at diaryPath, over the version it was planned on only; returns
// an error sentence, empty on success.
QString applyImport(const ImportPlan &plan, const QString &diaryPath,
        history::HistoryStore *history, const QString &backupsFolder);

} // namespace penwick::imports
