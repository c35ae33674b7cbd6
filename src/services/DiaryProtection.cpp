#include "DiaryProtection.h"

#include "diary/DiarySession.h"
#include "history/HistoryStore.h"
#include "platform/AtomicFile.h"
#include "platform/Log.h"
#include "platform/Preferences.h"
#include "privacy/SealedFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <sodium.h>

namespace penwick {

namespace {

struct DiaryProtectionText
{
    Q_DECLARE_TR_FUNCTIONS(DiaryProtection)
};

// The first bytes of the file at path: enough to tell a sealed file and its header.
QByteArray headOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(privacy::sealingOverhead) : QByteArray();
}

} // namespace

DiaryProtection::DiaryProtection(diary::DiarySession &session, history::HistoryStore *history,
        const QString &backupsFolder, QObject *parent)
    : QObject(parent), m_session(session), m_history(history), m_backupsFolder(backupsFolder)
{ }

bool DiaryProtection::diaryIsSealed() const
{
    return privacy::isSealed(headOf(m_session.noteFilePath()));
}

bool DiaryProtection::isUnlocked() const
{
    return m_session.key() != nullptr;
}

privacy::Unsealed DiaryProtection::unlock(const QString &secret, bool isRecoveryKey)
{
    const ReadResult file = readRegularFile(m_session.noteFilePath());
    privacy::Unsealed unlocked = isRecoveryKey ? privacy::unlockWithRecoveryKey(file.bytes, secret)
                                               : privacy::unlockWithPassphrase(file.bytes, secret);
    if (unlocked.ok())
        useKey(unlocked.key);
    return unlocked;
}

bool DiaryProtection::checkPassphrase(const QString &passphrase) const
{
    const privacy::KeyPointer &key = m_session.key();
    if (!key)
        return false;
    const privacy::Unsealed unlocked = privacy::unlockWithPassphrase(
            readRegularFile(m_session.noteFilePath()).bytes, passphrase);
    return unlocked.ok()
            && sodium_memcmp(unlocked.key->dataKey(), key->dataKey(), privacy::keyBytes) == 0;
}

void DiaryProtection::followDiary()
{
    const privacy::KeyPointer key = m_session.key();
    if (!key)
        return;
    if (!diaryIsSealed()) {
        m_session.setKey(nullptr);
        if (m_history)
            m_history->setKey(m_session.noteFilePath(), nullptr);
        Q_EMIT lockedChanged(false);
        return;
    }
    if (!privacy::open(readRegularFile(m_session.noteFilePath()).bytes, *key).ok())
        lock(); // another protected diary
}

QMap<QString, QString> DiaryProtection::fileTexts()
{
    QMap<QString, QString> texts;
    for (const diary::DiaryEntry &day : m_session.daysBetween(QDate(1, 1, 1), QDate(9999, 12, 31)))
        texts.insert(day.date, day.text);
    return texts;
}

void DiaryProtection::useKey(privacy::KeyPointer key)
{
    m_session.setKey(key);
    if (m_history) {
        m_history->setKey(m_session.noteFilePath(), key, fileTexts());
        // the journal is opened again under the key: what it kept is settled, what it knows read
        m_session.setJournal(m_history);
    }
    // a backup a conversion left in clear, or under the passphrase before the last change
    privacy::convertFolder(m_backupsFolder, key.get(), key.get());
    Q_EMIT lockedChanged(false);
}

void DiaryProtection::lock()
{
    if (!isUnlocked())
        return;
    m_session.flush();
    if (m_history) {
        m_history->closeStretches();
        m_history->flush();
    }
    m_session.setKey(nullptr);
    m_session.forgetTexts();
    if (m_history)
        m_history->lock();
    qCInfo(lcPenwick) << "The diary is locked";
    Q_EMIT lockedChanged(true);
}

QString DiaryProtection::rewriteDiary()
{
    m_session.rewriteFile();
    const QByteArray head = headOf(m_session.noteFilePath());
    const privacy::KeyPointer &key = m_session.key();
    if (key ? privacy::sameHeader(head, *key) : !privacy::isSealed(head))
        return {};
    const diary::DiaryProblem problem = m_session.problem();
    return DiaryProtectionText::tr("Your diary could not be rewritten, so nothing was changed: %1")
            .arg(problem.reason.isEmpty() ? QDir::toNativeSeparators(m_session.noteFilePath())
                                          : problem.reason);
}

Conversion DiaryProtection::protect(const QString &passphrase, const QString &recoveryKey)
{
    Conversion done;
    if (!m_session.flush() || m_session.hasUnsavedChanges() || !m_session.problem().ok()
            || !QFile::exists(m_session.noteFilePath())) {
        done.error = DiaryProtectionText::tr(
                "Your diary cannot be protected now: it cannot be read or "
                "written, or changes still wait to be stored.");
        return done;
    }
    const QMap<QString, QString> texts = fileTexts();
    const privacy::KeyPointer key
            = privacy::protect(passphrase, recoveryKey, privacy::limitsForNewKey());
    if (!key) {
        done.error
                = DiaryProtectionText::tr("The key could not be made: there is not enough memory.");
        return done;
    }
    m_session.setKey(key);
    if (QString error = rewriteDiary(); !error.isEmpty()) {
        m_session.setKey(nullptr);
        done.error = error;
        return done;
    }
    m_step("diary");
    if (m_history && !m_history->convert(m_session.noteFilePath(), nullptr, key, texts))
        qCWarning(lcPenwick) << "The history's texts are sealed at the next unlock";
    m_step("history");
    const privacy::FolderConversion backups
            = privacy::convertFolder(m_backupsFolder, key.get(), key.get());
    m_step("backups");
    done.leftAlone = backups.leftAlone;
    done.mayHoldClearText = placesOutside();
    qCInfo(lcPenwick) << "The diary is protected;" << backups.converted.size() << "backups sealed";
    Q_EMIT lockedChanged(false);
    return done;
}

Conversion DiaryProtection::changePassphrase(const QString &passphrase)
{
    Conversion done;
    const privacy::KeyPointer old = m_session.key();
    const privacy::KeyPointer key = old
            ? privacy::withNewPassphrase(*old, passphrase, privacy::limitsForNewKey())
            : nullptr;
    if (!key || !m_session.flush() || m_session.hasUnsavedChanges()) {
        done.error = DiaryProtectionText::tr(
                "The passphrase cannot be changed now: the diary cannot be "
                "written, or changes still wait to be stored.");
        return done;
    }
    m_session.setKey(key);
    if (QString error = rewriteDiary(); !error.isEmpty()) {
        m_session.setKey(old);
        done.error = error;
        return done;
    }
    m_step("diary");
    if (m_history)
        m_history->setKey(m_session.noteFilePath(), key); // the same data key: nothing to convert
    done.leftAlone = privacy::convertFolder(m_backupsFolder, key.get(), key.get()).leftAlone;
    return done;
}

Conversion DiaryProtection::removeProtection()
{
    Conversion done;
    const privacy::KeyPointer key = m_session.key();
    if (!key || !m_session.flush() || m_session.hasUnsavedChanges()) {
        done.error = DiaryProtectionText::tr(
                "The protection cannot be removed now: the diary cannot be "
                "written, or changes still wait to be stored.");
        return done;
    }
    // the file last: until it is in clear, a start seals what was opened again
    const privacy::FolderConversion backups
            = privacy::convertFolder(m_backupsFolder, key.get(), nullptr);
    m_step("backups");
    if (m_history)
        m_history->convert(m_session.noteFilePath(), key, nullptr, fileTexts());
    m_step("history");
    m_session.setKey(nullptr);
    if (QString error = rewriteDiary(); !error.isEmpty()) {
        useKey(key); // sealed again, as it was
        done.error = error;
        return done;
    }
    done.leftAlone = backups.leftAlone;
    Q_EMIT lockedChanged(false);
    return done;
}

QStringList DiaryProtection::placesOutside() const
{
    QStringList places;
    const QString exports = m_session.preferences().string(prefkey::exportFolder);
    if (!exports.isEmpty())
        places << DiaryProtectionText::tr("exports you made, such as those in %1")
                          .arg(QDir::toNativeSeparators(exports));
    if (!m_session.preferences().array(prefkey::note).isEmpty())
        places << DiaryProtectionText::tr(
                "the diary an earlier version kept in the preferences at %1")
                          .arg(QDir::toNativeSeparators(m_session.preferences().location()));
    places << DiaryProtectionText::tr(
            "copies of the diary file you made yourself, and earlier versions that "
            "a sync engine or a backup program keeps of it");
    return places;
}

} // namespace penwick
