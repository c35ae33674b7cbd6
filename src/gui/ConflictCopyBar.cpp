#include "ConflictCopyBar.h"

#include "diary/DayKey.h"
#include "diary/DiarySession.h"
#include "history/Backups.h"
#include "sync/ConflictCopy.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

ConflictCopyBar::ConflictCopyBar(penwick::diary::DiarySession *session,
        penwick::history::HistoryStore *history, QWidget *parent)
    : QFrame(parent)
    , m_session(session)
    , m_history(history)
    , m_message(new QLabel)
    , m_showHistory(new QPushButton(tr("Show History")))
{
    setObjectName(QStringLiteral("conflictCopyBar"));
    setAccessibleName(tr("Merged copies"));
    setFrameShape(QFrame::StyledPanel);
    m_message->setObjectName(QStringLiteral("conflictCopyMessage"));
    m_message->setWordWrap(true);
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
        Q_EMIT historyRequested(m_firstConflict);
    });
    hide();
}

void ConflictCopyBar::mergeCopies()
{
    const QString diaryPath = m_session->noteFilePath();
    QStringList copies = penwick::sync::conflictCopiesOf(diaryPath);
    copies.removeIf([this](const QString &copy) {
        const QFileInfo info(copy);
        return m_refused.contains(copy + QString::number(info.size())
                + info.lastModified().toString(Qt::ISODateWithMs));
    });
    // what waits for the diary is written first; while it cannot be, the copies wait too
    if (copies.isEmpty() || !m_session->flush() || m_session->hasUnsavedChanges())
        return;
    const bool typing = m_sinceTyping.isValid() && m_sinceTyping.elapsed() < 10000;
    const QString protectedDay
            = typing ? penwick::diary::dayKey(m_session->selectedDay()) : QString();
    QStringList said;
    m_firstConflict = {};
    bool changed = false;
    for (const QString &copy : std::as_const(copies)) {
        const QFileInfo info(copy);
        const QString identity = copy + QString::number(info.size())
                + info.lastModified().toString(Qt::ISODateWithMs);
        const penwick::sync::CopyMerge merge = penwick::sync::mergeConflictCopy(
                diaryPath, copy, m_history, penwick::history::backupsFolder(), protectedDay);
        if (!merge.ok()) {
            m_refused.insert(identity);
            said << merge.error;
            continue;
        }
        changed = true;
        if (!merge.conflicts.isEmpty() && !m_firstConflict.isValid())
            m_firstConflict = penwick::diary::dayFromKey(merge.conflicts.first().dayKey);
        const int days = merge.daysFromCopy;
        const int differing = int(merge.conflicts.size());
        said << tr("Merged %1, a copy another machine left: %2, %3.")
                        .arg(merge.copyName,
                                days == 1 ? tr("1 day came from it")
                                          : tr("%1 days came from it").arg(days),
                                differing == 1
                                        ? tr("1 day had different text, kept in its history")
                                        : tr("%1 days had different text, kept in their history")
                                                  .arg(differing));
    }
    if (said.isEmpty())
        return;
    m_message->setText(said.join(QLatin1Char(' ')));
    m_showHistory->setVisible(m_firstConflict.isValid() && m_history);
    show();
    if (changed) {
        m_session->checkForOutsideChanges();
        Q_EMIT diaryMerged();
    }
}
