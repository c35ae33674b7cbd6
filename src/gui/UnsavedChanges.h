// What becomes of texts the diary could not take when Penwick ends: the user is asked (try
// again, save a copy, quit without them, or stay), or, with nobody to ask, they go to a file of
// their own.
#pragma once

#include <QCoreApplication>

class Dialogs;
class QWidget;
namespace penwick::diary {
class DiarySession;
}

class UnsavedChanges
{
    Q_DECLARE_TR_FUNCTIONS(UnsavedChanges)
public:
    // Asks until nothing waits or the user lets it go; false when the user stays.
    static bool settleBeforeClosing(
            QWidget *window, penwick::diary::DiarySession *session, Dialogs *dialogs);
    // Writes what waits to "Unsaved <date time>.txt" beside the default diary, named in the log.
    static void keepAside(penwick::diary::DiarySession *session);

private:
    static bool saveCopy(QWidget *window, penwick::diary::DiarySession *session, Dialogs *dialogs);
    static QByteArray asText(penwick::diary::DiarySession *session);
};
