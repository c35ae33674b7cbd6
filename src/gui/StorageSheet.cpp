#include "StorageSheet.h"

#include "Dialogs.h"
#include "diary/DiarySession.h"
#include "diary/DiaryStorage.h"
#include "history/Backups.h"
#include "platform/Plist.h"
#include "platform/Preferences.h"
#include "ui_StorageSheet.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

using namespace penwick::diary;

namespace {

const char *const moveFailed = QT_TRANSLATE_NOOP("StorageSheet",
        "Failed to load a diary. Or tried to write in a directory that's not permitted.");
const char *const writeFailed = QT_TRANSLATE_NOOP("StorageSheet",
        "Failed to write. This might happen by writing to a directory that needs permission.");

} // namespace

QString StorageSheet::diaryFolder() const
{
    return QFileInfo(m_session->noteFilePath()).absolutePath();
}

// The folder the last export went to while it still exists, else the user's documents.
QString StorageSheet::exportFolder() const
{
    const QString last = m_session->preferences().string(penwick::prefkey::exportFolder);
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

StorageSheet::StorageSheet(DiarySession *session, Dialogs *dialogs, QWidget *window)
    : QDialog(window), m_ui(new Ui::StorageSheet), m_session(session), m_dialogs(dialogs)
{
    m_ui->setupUi(this);
    setWindowModality(Qt::WindowModal);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_ui->moveButton, &QPushButton::clicked, this, &StorageSheet::moveDiary);
    connect(m_ui->newButton, &QPushButton::clicked, this, &StorageSheet::startNewDiary);
    connect(m_ui->useButton, &QPushButton::clicked, this, &StorageSheet::useDiaryAt);
    connect(m_ui->folderButton, &QPushButton::clicked, this, &StorageSheet::useFolder);
    connect(m_ui->openButton, &QPushButton::clicked, this, &StorageSheet::openDiaryFile);
    connect(m_ui->exportButton, &QPushButton::clicked, this, &StorageSheet::exportAsText);
    connect(m_ui->takeOverButton, &QPushButton::clicked, this, &StorageSheet::takeOverEarlierDiary);
    connect(m_ui->removeEmptyButton, &QPushButton::clicked, this,
            &StorageSheet::removeEmptyEntriesRequested);
    connect(m_ui->showInFileManagerButton, &QPushButton::clicked, this, [this] {
        QDesktopServices::openUrl(
                QUrl::fromLocalFile(QFileInfo(m_session->noteFilePath()).absolutePath()));
    });
}

StorageSheet::~StorageSheet() = default;

void StorageSheet::present()
{
    showLocation();
    // all of it where the screen has room; on a small screen the actions scroll
    adjustSize();
    if (const QScreen *shown = parentWidget() ? parentWidget()->screen() : screen())
        resize(size().boundedTo(shown->availableGeometry().size() * 9 / 10));
    open();
}

void StorageSheet::showLocation()
{
    m_ui->locationPath->setText(QDir::toNativeSeparators(m_session->noteFilePath()));
}

QWidget *StorageSheet::dialogParent() const
{
    return isVisible() ? const_cast<StorageSheet *>(this) : parentWidget();
}

void StorageSheet::moveDiary()
{
    relocate(Relocation::Move);
}

void StorageSheet::startNewDiary()
{
    relocate(Relocation::New);
}

void StorageSheet::useDiaryAt()
{
    relocate(Relocation::Use);
}

void StorageSheet::relocate(Relocation mode)
{
    static const char *const titles[] = {
        QT_TR_NOOP("Move Diary To"),
        QT_TR_NOOP("New Diary At"),
        QT_TR_NOOP("Use Diary At"),
    };
    hide();
    // Moving onto a file fails anyway, and using one is the point: only a new diary asks
    // before it replaces what is there.
    const QString destination = m_dialogs->saveFileName(parentWidget(), tr(titles[int(mode)]),
            diaryFolder(), QStringLiteral("note.plist"), tr("Diary files (*.plist)"),
            mode == Relocation::New);
    if (destination.isEmpty())
        return;
    const QString current = m_session->noteFilePath();
    if (mode != Relocation::Use) {
        if (const QString refusal = refusalToReplaceDiary(current, destination);
                !refusal.isEmpty()) {
            m_dialogs->showFailure(parentWidget(), refusal);
            return;
        }
    }
    if (mode == Relocation::Move) {
        m_session->flush(); // what waits for the old file goes with it
        if (!moveNoteFile(current, destination).ok) {
            m_dialogs->showFailure(parentWidget(), tr(moveFailed));
            return; // the diary stays where it was, and keeps being written there
        }
    } else if (mode == Relocation::New && !writeEmptyDiary(destination).ok) {
        m_dialogs->showFailure(parentWidget(), tr(writeFailed));
        return;
    }
    if (!pointDiaryAt(destination, mode == Relocation::Move) && mode == Relocation::Move)
        moveNoteFile(destination, current); // the preferences still name the old place
}

bool StorageSheet::pointDiaryAt(const QString &path, bool moved)
{
    QString error;
    const bool pointed = m_session->setNoteFilePath(path, &error, moved);
    if (!pointed)
        m_dialogs->showFailure(parentWidget(), error);
    Q_EMIT diaryChanged();
    return pointed;
}

void StorageSheet::useFolder()
{
    hide();
    const QString folder = m_dialogs->folderName(parentWidget(), tr("Use Folder"), diaryFolder());
    if (folder.isEmpty())
        return;
    const QString path
            = pathInFolder(folder, m_session->preferences().string(penwick::prefkey::safe));
    if (!QFileInfo::exists(path)) {
        // an empty folder: starting a diary there is what will happen, so it is asked first
        if (!m_dialogs->confirm(parentWidget(),
                    tr("There is no diary in %1 yet. Start a new one there?")
                            .arg(QDir(folder).dirName()),
                    tr("To take your diary there instead, use Move Diary To… in Storage."),
                    tr("Start")))
            return;
        if (!writeEmptyDiary(path).ok) {
            m_dialogs->showFailure(parentWidget(), tr(writeFailed));
            return;
        }
    }
    pointDiaryAt(path);
}

void StorageSheet::openDiaryFile()
{
    hide();
    const QString path
            = m_dialogs->openFileName(parentWidget(), tr("Open Diary File"), diaryFolder());
    if (path.isEmpty())
        return;
    const QString name = QFileInfo(path).fileName();
    switch (checkImport(path)) {
    case ImportCheck::WrongName:
        m_dialogs->showFailure(parentWidget(),
                tr("Not a appropriate document.") + QLatin1Char('\n')
                        + tr("Penwick opens a property-list diary file whose name ends in "
                             "\"plist\"; \"%1\" has another name.")
                                  .arg(name));
        return;
    case ImportCheck::WrongFormat:
        m_dialogs->showFailure(parentWidget(),
                tr("Not a appropriate format.") + QLatin1Char('\n')
                        + tr("Penwick expected a property list of diary entries; \"%1\" holds "
                             "something else.")
                                  .arg(name));
        return;
    case ImportCheck::Accepted:
        pointDiaryAt(path);
        return;
    }
}

void StorageSheet::exportAsText()
{
    if (m_session->key()
            && !m_dialogs->ask(dialogParent(), tr("What you export is not encrypted."),
                    tr("Your diary is protected by a passphrase, but anyone who gets at the "
                       "exported file can read it."),
                    tr("C&ontinue")))
        return;
    const QString destination = m_dialogs->saveFileName(dialogParent(), tr("Export as Text"),
            exportFolder(), QStringLiteral("Penwick-Export.txt"), tr("Text files (*.txt)"), true);
    if (destination.isEmpty())
        return;
    if (const QString refusal = refusalToReplaceDiary(m_session->noteFilePath(), destination);
            !refusal.isEmpty()) {
        m_dialogs->showFailure(dialogParent(), refusal);
        return;
    }
    m_session->preferences().setValue(
            penwick::prefkey::exportFolder, QFileInfo(destination).absolutePath());
    m_session->flush(); // the export holds what the window shows
    if (!exportDiary(m_session->noteFilePath(), destination).ok)
        m_dialogs->showFailure(dialogParent(), tr(writeFailed));
}

void StorageSheet::takeOverEarlierDiary()
{
    const QString path = m_dialogs->openFileName(
            dialogParent(), tr("Take Over an Earlier Diary"), diaryFolder());
    if (path.isEmpty())
        return;
    const std::optional<QVariantList> earlier = legacyDiaryIn(path);
    if (!earlier) {
        m_dialogs->showFailure(dialogParent(), tr("This file holds no earlier diary."));
        return;
    }
    const QString notePath = m_session->noteFilePath();
    const Entries current = loadEntries(notePath);
    if (!current.entries.isEmpty()
            && !m_dialogs->confirm(dialogParent(), tr("Replace your diary with the earlier one?"),
                    tr("Your diary at %1 holds %n entries. They are replaced by the %2 entries "
                       "of the earlier diary.",
                            nullptr, int(current.entries.size()))
                            .arg(QDir::toNativeSeparators(notePath))
                            .arg(earlier->size()),
                    tr("Replace"))) {
        return;
    }
    m_session->flush();
    // the diary as it was stays within reach: Replace has no other way back
    if (QFileInfo::exists(notePath)) {
        const auto backup
                = penwick::history::makeBackupBefore(notePath, QStringLiteral("take-over"));
        if (!backup.ok()) {
            m_dialogs->showFailure(dialogParent(), backup.error);
            return;
        }
    }
    if (!m_session->replaceAllEntries(*earlier, penwick::diary::Origin::Imported,
                tr("Taken over from an earlier diary"))) {
        m_dialogs->showFailure(dialogParent(), tr(writeFailed));
        return;
    }
    Q_EMIT diaryChanged(); // the editor shows the day as the earlier diary holds it
}
