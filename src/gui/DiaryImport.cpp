#include "DiaryImport.h"

#include "Dialogs.h"
#include "diary/DiarySession.h"
#include "history/Backups.h"
#include "imports/ImportIntoDiary.h"

#include <QAction>
#include <QDir>
#include <QLocale>
#include <QMenu>

DiaryImport::DiaryImport(penwick::diary::DiarySession *session, Dialogs *dialogs, QWidget *window)
    : QObject(window), m_session(session), m_dialogs(dialogs), m_window(window)
{ }

void DiaryImport::addActionTo(QMenu *file, QAction *before)
{
    auto *action = new QAction(tr("&Import from Another Diary…"), this);
    action->setObjectName(QStringLiteral("actionImportFromAnotherDiary"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
    action->setToolTip(tr("jrnl, RedNotebook, Day One, or a folder of daily notes (choose any "
                          "of its files)"));
    connect(action, &QAction::triggered, this, &DiaryImport::chooseAndImport);
    file->insertAction(before, action);
}

void DiaryImport::chooseAndImport()
{
    const QString source = m_dialogs->openFileNameFiltered(m_window,
            tr("Import from Another Diary"), QDir::homePath(),
            { tr("Diaries (*.txt *.json *.zip *.md)"), tr("All files (*)") },
            tr("Penwick imports a jrnl file (text or JSON), a Day One export (.zip or .json), a "
               "RedNotebook data folder and a folder of daily notes (2026-03-15.md). For a "
               "folder, choose any of its files."));
    if (!source.isEmpty())
        importFrom(source);
}

void DiaryImport::importFrom(const QString &source, bool ask)
{
    const penwick::imports::ImportPlan plan = penwick::imports::planImport(source, *m_session);
    if (!plan.error.isEmpty()) {
        m_dialogs->showFailure(m_window, plan.error);
        return;
    }
    const QString question = penwick::imports::importQuestion(plan);
    if (plan.changes.isEmpty()) {
        Q_EMIT noticeRaised(question);
        return;
    }
    if (ask && !m_dialogs->ask(m_window, question, QString(), tr("&Import")))
        return;
    const QString error
            = penwick::imports::applyImport(plan, *m_session, penwick::history::backupsFolder());
    if (!error.isEmpty()) {
        m_dialogs->showFailure(m_window, error);
        return;
    }
    Q_EMIT diaryChanged();
    const int days = int(plan.changes.size());
    Q_EMIT noticeRaised(days == 1
                    ? tr("Imported 1 day from %1.").arg(plan.kind)
                    : tr("Imported %1 days from %2.").arg(QLocale().toString(days), plan.kind));
}
