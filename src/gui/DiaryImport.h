// File > Import from Another Diary…: a diary kept by jrnl, RedNotebook, Day One or as a folder
// of daily notes is read whole, one question says what it would change, and only then is it
// written into the diary. The command line's import, handed over by a later launch, comes here
// too, without the question.
#pragma once

#include <QObject>

class Dialogs;
class QAction;
class QMenu;
class QWidget;
namespace penwick::diary {
class DiarySession;
}

class DiaryImport : public QObject
{
    Q_OBJECT
public:
    DiaryImport(penwick::diary::DiarySession *session, Dialogs *dialogs, QWidget *window);
    void setDialogs(Dialogs *dialogs) { m_dialogs = dialogs; }
    void addActionTo(QMenu *file, QAction *before);

public Q_SLOTS:
    // Asks for the diary to import, then imports it.
    void chooseAndImport();
    // Imports source; asks first unless the user asked already (from the command line).
    void importFrom(const QString &source, bool ask = true);

Q_SIGNALS:
    void diaryChanged();
    void noticeRaised(const QString &text);

private:
    penwick::diary::DiarySession *m_session;
    Dialogs *m_dialogs;
    QWidget *m_window;
};
