// Says, in a bar over the editor, what settling another version of the diary did: a conflict
// copy a sync engine left, another program's change to a day the user was writing, or what
// Penwick held when it last stopped. It names the days (up to three) and what became of each,
// with a button that opens the history of the first of them.
#pragma once

#include <QDate>
#include <QFrame>

class QLabel;
class QPushButton;
namespace penwick::diary {
class DiarySession;
struct SettleReport;
} // namespace penwick::diary

class ConflictCopyBar : public QFrame
{
    Q_OBJECT
public:
    explicit ConflictCopyBar(penwick::diary::DiarySession *session, QWidget *parent = nullptr);

    // The sentence that says what report did.
    static QString textFor(const penwick::diary::SettleReport &report, QDate selectedDay);

public Q_SLOTS:
    void showReport(const penwick::diary::SettleReport &report);

Q_SIGNALS:
    void historyRequested(QDate day);

private:
    penwick::diary::DiarySession *m_session;
    QLabel *m_message;
    QPushButton *m_showHistory;
    QDate m_firstDay;
};
