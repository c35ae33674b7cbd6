#include "HistoryDialog.h"

#include "Dialogs.h"
#include "DiaryEditor.h"
#include "diary/DayKey.h"
#include "diary/DiarySession.h"
#include "history/Backups.h"
#include "history/WordDiff.h"
#include "platform/AtomicFile.h"

#include <QAction>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTextEdit>
#include <QUrl>
#include <QVBoxLayout>

using penwick::history::DiffPiece;
using penwick::history::HistoryStore;

HistoryDialog::HistoryDialog(HistoryStore *store, penwick::diary::DiarySession *session,
        DiaryEditor *editor, QWidget *parent)
    : QDialog(parent), m_store(store), m_session(session), m_editor(editor)
{
    m_showAction = new QAction(tr("&History of This Day…"), this);
    m_showAction->setObjectName(QStringLiteral("actionHistoryOfThisDay"));
    m_showAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));
    connect(m_showAction, &QAction::triggered, this, &HistoryDialog::present);
    m_openBackupsAction = new QAction(tr("Open &Backups Folder"), this);
    m_openBackupsAction->setObjectName(QStringLiteral("actionOpenBackupsFolder"));
    connect(m_openBackupsAction, &QAction::triggered, this, &HistoryDialog::openBackupsFolder);
}

void HistoryDialog::addActionsTo(QMenu *edit, QMenu *file, QAction *fileBefore)
{
    edit->addSeparator();
    edit->addAction(m_showAction);
    m_editor->addContextMenuAction(m_showAction);
    file->insertAction(fileBefore, m_openBackupsAction);
}

// The dialog's widgets are built when it is first shown: its buttons load the style's icons,
// no part of the start.
void HistoryDialog::buildView()
{
    setWindowModality(Qt::WindowModal);
    // the whole dialog on the screen, buttons too, whatever the scale
    const QRect screenArea = parentWidget() ? parentWidget()->screen()->availableGeometry()
                                            : QRect(0, 0, 1280, 720);
    resize(std::min(720, screenArea.width() * 9 / 10), std::min(480, screenArea.height() * 8 / 10));
    m_versionList = new QListWidget(this);
    m_versionList->setObjectName(QStringLiteral("versionList"));
    m_versionList->setAccessibleName(tr("Versions of the day"));
    // each version on two lines, wrapped rather than cut: its time, then where it came from
    // and its length
    m_versionList->setWordWrap(true);
    m_versionList->setTextElideMode(Qt::ElideNone);
    m_versionList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_versionList->setSpacing(3);
    m_versionList->setAlternatingRowColors(true);
    m_versionView = new QTextEdit(this);
    m_versionView->setObjectName(QStringLiteral("versionView"));
    m_versionView->setAccessibleName(
            tr("Chosen version, with its differences from the current text"));
    m_versionView->setReadOnly(true);
    auto *legend = new QLabel(tr("Underlined: only in this version. Struck through: only in the "
                                 "day's text now."),
            this);
    legend->setObjectName(QStringLiteral("historyLegend"));
    legend->setWordWrap(true);
    auto *splitter = new QSplitter(this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(m_versionList);
    splitter->addWidget(m_versionView);
    splitter->setStretchFactor(1, 2);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_restoreButton = buttons->addButton(tr("&Restore This Version"), QDialogButtonBox::AcceptRole);
    m_restoreButton->setObjectName(QStringLiteral("restoreButton"));
    m_restoreButton->setAccessibleName(tr("Restore This Version"));
    buttons->button(QDialogButtonBox::Close)->setText(tr("&Close"));
    buttons->button(QDialogButtonBox::Close)->setAccessibleName(tr("Close"));
    connect(m_restoreButton, &QPushButton::clicked, this, &HistoryDialog::restoreSelectedVersion);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_versionList, &QListWidget::currentRowChanged, this,
            &HistoryDialog::showSelectedVersion);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addWidget(legend);
    layout->addWidget(buttons);
}

void HistoryDialog::present()
{
    if (!m_versionList)
        buildView();
    const QDate day = m_session->selectedDay();
    setWindowTitle(tr("History of %1").arg(QLocale().toString(day, QLocale::LongFormat)));
    m_versions = m_store->versions(m_session->noteFilePath(), penwick::diary::dayKey(day));
    m_versionList->clear();
    const QLocale locale;
    for (const penwick::history::Version &version : std::as_const(m_versions)) {
        const int length = int(version.text.size());
        const QString size = length == 1 ? tr("1 character")
                                         : tr("%1 characters").arg(locale.toString(length));
        m_versionList->addItem(locale.toString(version.storedAt.toLocalTime(), QLocale::ShortFormat)
                + QLatin1Char('\n')
                + tr("%1, %2").arg(HistoryStore::originName(version.origin), size));
    }
    if (m_versions.isEmpty()) {
        m_versionView->setPlainText(tr("This day has no earlier versions yet."));
        m_restoreButton->setEnabled(false);
    } else {
        m_versionList->setCurrentRow(0);
    }
    m_versionList->setFocus();
    open();
}

void HistoryDialog::showSelectedVersion()
{
    const int row = m_versionList->currentRow();
    m_restoreButton->setEnabled(row >= 0 && !m_editor->isReadOnly());
    if (row < 0 || row >= m_versions.size())
        return;
    // what the version holds and the editor does not is underlined on green, what the editor
    // holds and the version does not struck through in red: shape as well as colour, and
    // colours that read on a dark page too
    m_versionView->clear();
    const bool dark = m_versionView->palette().color(QPalette::Base).lightness() < 128;
    QTextCursor cursor(m_versionView->document());
    QTextCharFormat added;
    added.setBackground(dark ? QColor(0x2e, 0x6b, 0x2e) : QColor(0xc8, 0xf0, 0xc8));
    added.setFontUnderline(true);
    QTextCharFormat removed;
    removed.setForeground(dark ? QColor(0xff, 0x8a, 0x8a) : QColor(0xb0, 0x20, 0x20));
    removed.setFontStrikeOut(true);
    for (const DiffPiece &piece :
            penwick::history::diffWords(m_editor->diaryText(), m_versions[row].text)) {
        cursor.insertText(piece.text,
                piece.kind == DiffPiece::Same            ? QTextCharFormat()
                        : piece.kind == DiffPiece::Added ? added
                                                         : removed);
    }
    m_versionView->moveCursor(QTextCursor::Start);
}

void HistoryDialog::restoreSelectedVersion()
{
    const int row = m_versionList->currentRow();
    if (row < 0 || row >= m_versions.size() || m_editor->isReadOnly())
        return;
    const penwick::history::Version &version = m_versions[row];
    // stored at once; the editor shows it as one step that Ctrl+Z takes back
    m_session->replaceDays({ { version.dayKey, version.text } }, penwick::history::Origin::Restored,
            version.storedAt.toString(Qt::ISODateWithMs));
    accept();
    m_editor->setFocus();
}

void HistoryDialog::openBackupsFolder()
{
    const QString folder = penwick::history::backupsFolder();
    penwick::makePrivateFolder(folder);
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        return;
    // no file manager answered: the path, to open by other means
    showTextToCopy(parentWidget(), tr("Open Backups Folder"),
            tr("No file manager could be opened. The backups are in this folder:"),
            QDir::toNativeSeparators(folder), tr("Backups folder"));
}

void HistoryDialog::forget()
{
    hide();
    m_versions.clear();
    if (m_versionList)
        m_versionList->clear();
    if (m_versionView)
        m_versionView->clear();
}
