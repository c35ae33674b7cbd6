// The history of the shown day: a window-modal dialog listing its versions newest first, the
// chosen one shown read-only with its differences from the editor's text marked, and Restore
// This Version, which gives the day that text through the session (the editor shows it as one
// undoable step). It owns its actions (History of This Day…, Open Backups Folder).
#pragma once

#include "history/HistoryStore.h"

#include <QDialog>
#include <QList>
#include <QStringList>

namespace penwick::diary {
class DiarySession;
}
class DiaryEditor;
class QAction;
class QListWidget;
class QMenu;
class QPushButton;
class QTextEdit;

class HistoryDialog : public QDialog
{
    Q_OBJECT
public:
    HistoryDialog(penwick::history::HistoryStore *store, penwick::diary::DiarySession *session,
            DiaryEditor *editor, QWidget *parent = nullptr);

    // History of This Day… into edit (and the editor's context menu), Open Backups Folder into
    // file before fileBefore.
    void addActionsTo(QMenu *edit, QMenu *file, QAction *fileBefore);

public Q_SLOTS:
    // Shows the selected day's versions.
    void present();
    void restoreSelectedVersion();
    void openBackupsFolder();

    // A lock: hidden, holding no text of the diary.
    void forget();

private:
    void buildView();
    void showSelectedVersion();

    penwick::history::HistoryStore *m_store;
    penwick::diary::DiarySession *m_session;
    DiaryEditor *m_editor;
    QAction *m_showAction;
    QAction *m_openBackupsAction;
    QListWidget *m_versionList = nullptr;
    QTextEdit *m_versionView = nullptr;
    QPushButton *m_restoreButton = nullptr;
    QList<penwick::history::Version> m_versions;
};
