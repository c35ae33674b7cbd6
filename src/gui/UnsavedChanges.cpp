#include "UnsavedChanges.h"

#include "Dialogs.h"
#include "diary/DiarySession.h"
#include "diary/DiaryStorage.h"
#include "platform/Log.h"
#include "platform/StandardPaths.h"
#include "privacy/SealedFile.h"

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
        QString informative = days == 1
                ? tr("What you wrote on one day is still only in the window. %1").arg(where)
                : tr("What you wrote on %1 days is still only in the window. %2")
                          .arg(days)
                          .arg(where);
        if (session->key())
            informative += QLatin1Char(' ') + tr("A copy you save is not encrypted.");
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
    // a protected diary's texts are kept sealed, as the diary is: never in clear
    const penwick::privacy::KeyPointer &key = session->key();
    if (!key
            && penwick::privacy::isSealed(
                    penwick::readRegularFile(session->noteFilePath()).bytes)) {
        qCWarning(lcPenwick) << "Ended with changes not stored in the locked diary; without its "
                                "key they cannot be kept anywhere";
        return;
    }
    const QString path
            = QDir(penwick::paths::applicationSupport())
                      .filePath(QStringLiteral("Hollyfen/Penwick/Unsaved %1.%2")
                                        .arg(QDateTime::currentDateTime().toString(
                                                     QStringLiteral("yyyy-MM-dd HHmmss")),
                                                key ? QStringLiteral("sealed")
                                                    : QStringLiteral("txt")));
    penwick::makePrivateFolder(QFileInfo(path).absolutePath());
    const QByteArray text = asText(session);
    const penwick::WriteResult written
            = penwick::diary::writeTextFile(path, key ? penwick::privacy::seal(text, *key) : text);
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
