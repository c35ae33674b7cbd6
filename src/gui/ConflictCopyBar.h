// Merges the conflict copies a sync engine leaves beside the diary, at start and whenever the
// diary's folder changes, and says what each merge did in a bar over the editor, with a button
// that opens the history of the first day whose text differed.
#pragma once

#include <QDate>
#include <QElapsedTimer>
#include <QFrame>
#include <QSet>

class QLabel;
class QPushButton;
namespace penwick::diary {
class DiarySession;
}
namespace penwick::history {
class HistoryStore;
}

class ConflictCopyBar : public QFrame
{
    Q_OBJECT
public:
    ConflictCopyBar(penwick::diary::DiarySession *session, penwick::history::HistoryStore *history,
            QWidget *parent = nullptr);

    // The user typed in the selected day: a merge now keeps that day's text.
    void noteTyping() { m_sinceTyping.start(); }

public Q_SLOTS:
    // Merges every conflict copy beside the diary that has not been refused before.
    void mergeCopies();

Q_SIGNALS:
    void historyRequested(QDate day);
    // A merge changed the diary: the window shows it anew.
    void diaryMerged();

private:
    penwick::diary::DiarySession *m_session;
    penwick::history::HistoryStore *m_history;
    QLabel *m_message;
    QPushButton *m_showHistory;
    QDate m_firstConflict;
    QSet<QString> m_refused; // copies said once to be unreadable, by path, size and time
    QElapsedTimer m_sinceTyping;
};
