#include "ConflictCopyBar.h"

#include "diary/DayKey.h"
#include "diary/DiarySession.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QToolButton>

using penwick::diary::SettleReport;
using penwick::sync::Settled;

ConflictCopyBar::ConflictCopyBar(penwick::diary::DiarySession *session, QWidget *parent)
    : QFrame(parent)
    , m_session(session)
    , m_message(new QLabel)
    , m_showHistory(new QPushButton(tr("Show &History")))
{
    setObjectName(QStringLiteral("conflictCopyBar"));
    setAccessibleName(tr("Merged copies"));
    setFrameShape(QFrame::StyledPanel);
    m_message->setObjectName(QStringLiteral("conflictCopyMessage"));
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_showHistory->setObjectName(QStringLiteral("conflictCopyHistoryButton"));
    auto *close = new QToolButton;
    close->setText(QStringLiteral("✕"));
    close->setAccessibleName(tr("Close"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 6, 6, 6);
    layout->addWidget(m_message, 1);
    layout->addWidget(m_showHistory);
    layout->addWidget(close);
    connect(close, &QToolButton::clicked, this, &QWidget::hide);
    connect(m_showHistory, &QPushButton::clicked, this, [this] {
        hide();
        Q_EMIT historyRequested(m_firstDay);
    });
    connect(session, &penwick::diary::DiarySession::versionsSettled, this,
            &ConflictCopyBar::showReport);
    hide();
}

QString ConflictCopyBar::textFor(const SettleReport &report, QDate selectedDay)
{
    if (!report.error.isEmpty())
        return report.error;
    const QLocale locale;
    QStringList days;
    bool selectedChanged = false;
    for (const penwick::diary::SettledDay &day : report.days) {
        const QDate date = penwick::diary::dayFromKey(day.dayKey);
        selectedChanged = selectedChanged || (date == selectedDay && day.text != day.diaryText);
        if (days.size() == 3)
            continue;
        const QString name
                = date.isValid() ? locale.toString(date, QLocale::ShortFormat) : day.dayKey;
        switch (day.settled) {
        case Settled::Both:
            days << tr("%1: both texts are kept in the day").arg(name);
            break;
        case Settled::Other:
            days << (report.from == SettleReport::From::ConflictCopy
                            ? tr("%1: the copy's text, the diary's is in the day's history")
                            : tr("%1: the other text, yours is in the day's history"))
                            .arg(name);
            break;
        case Settled::Diary:
            days << (report.from == SettleReport::From::ConflictCopy
                            ? tr("%1: the diary's text, the copy's is in the day's history")
                            : tr("%1: the other program's text, yours is in the day's history"))
                            .arg(name);
            break;
        }
    }
    const int more = int(report.days.size()) - 3;
    if (more > 0)
        days << (more == 1 ? tr("and 1 more") : tr("and %1 more").arg(locale.toString(more)));
    const int count = report.from == SettleReport::From::ConflictCopy ? report.daysFromOther
                                                                      : int(report.days.size());
    QString text;
    switch (report.from) {
    case SettleReport::From::ConflictCopy:
        text = count == 1 ? tr("Merged %1, a copy another machine left: 1 day came from it.")
                                    .arg(report.copyName)
                          : tr("Merged %1, a copy another machine left: %2 days came from it.")
                                    .arg(report.copyName, locale.toString(count));
        break;
    case SettleReport::From::OtherProgram:
        text = count == 1
                ? tr("Another program changed a day you wrote in.")
                : tr("Another program changed %1 days you wrote in.").arg(locale.toString(count));
        break;
    case SettleReport::From::EarlierRun:
        text = count == 1
                ? tr("Another program changed a day you typed in before Penwick last stopped.")
                : tr("Another program changed %1 days you typed in before Penwick last stopped.")
                          .arg(locale.toString(count));
        break;
    }
    if (!days.isEmpty())
        text += QLatin1Char(' ') + days.join(QStringLiteral("; ")) + QLatin1Char('.');
    if (selectedChanged)
        text += QLatin1Char(' ') + tr("The open day's text changed.");
    return text;
}

void ConflictCopyBar::showReport(const SettleReport &report)
{
    m_firstDay = report.days.isEmpty() ? QDate()
                                       : penwick::diary::dayFromKey(report.days.first().dayKey);
    m_message->setText(textFor(report, m_session->selectedDay()));
    m_showHistory->setVisible(m_firstDay.isValid() && m_session->journal());
    show();
}
