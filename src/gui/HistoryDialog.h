// The history of the shown day: a window-modal dialog listing its versions newest first, the
// chosen one shown read-only with its differences from the editor's text marked, and Restore
// This Version, which puts it into the editor as one undoable step. It owns its actions (History
// of This Day…, Open Backups Folder), feeds the session's stored texts into the history, and
// makes the daily backups.
#pragma once

#include "history/HistoryStore.h"

#include <QDialog>
#include <QList>
#include <QStringList>

namespace penwick::diary {
class DiarySession;
}
namespace penwick::history {
class BackupSchedule;
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
    ~HistoryDialog() override;

    // History of This Day… into edit (and the editor's context menu), Open Backups Folder into
    // file before fileBefore.
    void addActionsTo(QMenu *edit, QMenu *file, QAction *fileBefore);

public Q_SLOTS:
    // Shows the selected day's versions.
    void present();
    void restoreSelectedVersion();
    void openBackupsFolder();
    // Another day is shown: the next change starts a new version.
    void leaveDay();
    // The diary file moved: its history goes along.
    void followMovedDiary();

Q_SIGNALS:
    // The history or the backups cannot do their work: a sentence for the window's bar.
    void noticeRaised(const QString &notice);

private:
    void buildView();
    void showSelectedVersion();
    void passOnNotice(const QString &notice);
    // The canonical path that names the diary in the history, looked up once per path.
    QString diaryKey();

    penwick::history::HistoryStore *m_store;
    penwick::diary::DiarySession *m_session;
    DiaryEditor *m_editor;
    penwick::history::BackupSchedule *m_backups;
    QAction *m_showAction;
    QAction *m_openBackupsAction;
    QListWidget *m_versionList = nullptr;
    QTextEdit *m_versionView = nullptr;
    QPushButton *m_restoreButton = nullptr;
    QList<penwick::history::Version> m_versions;
    QString m_diaryPath;
    QString m_diaryKey;
    QStringList m_noticesPassedOn;
};
