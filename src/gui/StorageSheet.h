// The storage sheet: where the diary file lives, and what can be done with it as a whole —
// move it, start a new one, point Penwick at another file or folder, open an existing diary,
// export it as text, and take over a diary kept by an earlier version. It works on the diary
// session and reports when the diary the window shows has changed.
#pragma once

#include <QDialog>
#include <QScopedPointer>

namespace Ui {
class StorageSheet;
}
namespace penwick::diary {
class DiarySession;
}
class Dialogs;

class StorageSheet : public QDialog
{
    Q_OBJECT
public:
    StorageSheet(penwick::diary::DiarySession *session, Dialogs *dialogs, QWidget *window);
    ~StorageSheet() override;

    void setDialogs(Dialogs *dialogs) { m_dialogs = dialogs; }

public Q_SLOTS:
    // Shows the sheet over the window, modal to it alone.
    void present();
    void moveDiary();
    void startNewDiary();
    void useDiaryAt();
    void useFolder();
    void openDiaryFile();
    void exportAsText();
    void takeOverEarlierDiary();

Q_SIGNALS:
    // The note file or its content changed: the window shows the selected day anew.
    void diaryChanged();
    void removeEmptyEntriesRequested();

private:
    enum class Relocation { Move, New, Use };
    void relocate(Relocation mode);
    bool pointDiaryAt(const QString &path, bool moved = false);
    QWidget *dialogParent() const;
    void showLocation();
    // Where the choosers start: the diary's folder; for an export, the last folder used.
    QString diaryFolder() const;
    QString exportFolder() const;

    const QScopedPointer<Ui::StorageSheet> m_ui;
    penwick::diary::DiarySession *m_session;
    Dialogs *m_dialogs;
};
