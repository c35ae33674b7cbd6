#include "UnsavedChanges.h"

#include "Dialogs.h"
#include "diary/DiarySession.h"
#include "diary/DiaryStorage.h"
#include "platform/Log.h"
#include "platform/StandardPaths.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using penwick::diary::DiarySession;

bool UnsavedChanges::settleBeforeClosing(QWidget *window, DiarySession *session, Dialogs *dialogs)
{
    while (session->hasUnsavedChanges()) {
        const penwick::diary::DiaryProblem problem = session->problem();
        const int days = int(session->unsavedChanges().size());
        const QString where = problem.reason.isEmpty()
                ? QDir::toNativeSeparators(session->noteFilePath())
                : problem.reason;
        const QString informative = days == 1
                ? tr("What you wrote on one day is still only in the window. %1").arg(where)
                : tr("What you wrote on %1 days is still only in the window. %2")
                          .arg(days)
                          .arg(where);
        switch (dialogs->askAboutUnsavedChanges(window, informative)) {
        case Dialogs::UnsavedChoice::TryAgain:
            session->tryAgain();
            continue;
        case Dialogs::UnsavedChoice::SaveCopy:
            if (saveCopy(window, session, dialogs))
                return true;
            continue;
        case Dialogs::UnsavedChoice::QuitWithoutSaving:
            return true;
        case Dialogs::UnsavedChoice::Cancel:
            return false;
        }
    }
    return true;
}

void UnsavedChanges::keepAside(DiarySession *session)
{
    const QString path = QDir(penwick::paths::applicationSupport())
                                 .filePath(QStringLiteral("Hollyfen/Penwick/Unsaved %1.txt")
                                                   .arg(QDateTime::currentDateTime().toString(
                                                           QStringLiteral("yyyy-MM-dd HHmmss"))));
    penwick::makePrivateFolder(QFileInfo(path).absolutePath());
    const penwick::WriteResult written = penwick::diary::writeTextFile(path, asText(session));
    qCWarning(lcPenwick) << "Ended with changes not stored in the diary; kept in" << path
                         << (written.ok ? QString() : written.error);
}

bool UnsavedChanges::saveCopy(QWidget *window, DiarySession *session, Dialogs *dialogs)
{
    const QString path = dialogs->saveFileName(window, tr("Save a Copy As"),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            QStringLiteral("Penwick-Unsaved.txt"), tr("Text files (*.txt)"), true);
    if (path.isEmpty())
        return false;
    const penwick::WriteResult written = penwick::diary::writeTextFile(path, asText(session));
    if (!written.ok)
        dialogs->showFailure(window, written.error);
    return written.ok;
}

QByteArray UnsavedChanges::asText(DiarySession *session)
{
    QList<penwick::diary::DiaryEntry> days;
    const QMap<QString, QString> &unsaved = session->unsavedChanges();
    for (auto it = unsaved.cbegin(); it != unsaved.cend(); ++it)
        days.append({ it.key(), it.value() });
    return penwick::diary::exportText(days);
}
