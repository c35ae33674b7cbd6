// Note file and auto-save: the controller's side of the store.
#include "app/HFAppDelegate.h"
#include "platform/Preferences.h"
#include "platform/StandardPaths.h"
#include "ui_MainWindow.h"

#include <QSignalBlocker>
#include <QStatusBar>

using namespace penwick;

QString HFAppDelegate::rest() const
{
    return store::noteFilePath(m_preferences->string(prefkey::safe), paths::applicationSupport());
}

// Reads try a change whose write failed once more first, so that they see it, and so that the
// window never replaces a change that could be stored by now.
std::optional<QVariantList> HFAppDelegate::load()
{
    retryPendingSave();
    store::Entries loaded = store::loadEntries(rest());
    report(loaded.outcome);
    if (!loaded.outcome.ok())
        return std::nullopt;
    return std::move(loaded.entries);
}

QString HFAppDelegate::read(const QString &date)
{
    retryPendingSave();
    store::DayText day = store::readDayText(rest(), date);
    report(day.outcome);
    return day.text;
}

void HFAppDelegate::wipe(QObject *)
{
    int removed = 0;
    const store::Outcome outcome = store::removeEmptyEntries(rest(), &removed);
    report(outcome);
    if (outcome.ok())
        m_window->statusBar()->showMessage(removed == 1
                        ? tr("Removed 1 empty entry.")
                        : tr("Removed %1 empty entries.").arg(removed),
                5000);
}

void HFAppDelegate::textDidChange()
{
    save(rule(1).format(m_selectedDate), m_text->toPlainText());
    // an open list of results follows the text as it changes
    if (m_cops && !m_cops->text().isEmpty() && isPopoverShown())
        cops(nullptr);
}

void HFAppDelegate::save(const QString &date, const QString &text)
{
    const store::Outcome outcome = store::saveDayText(rest(), date, text);
    if (outcome.status == store::Status::WriteFailed)
        m_pendingSave = PendingSave { date, text };
    else if (outcome.ok())
        m_pendingSave.reset();
    report(outcome);
}

void HFAppDelegate::retryPendingSave()
{
    if (m_pendingSave) {
        const PendingSave pending = *m_pendingSave;
        save(pending.date, pending.text);
    }
}

void HFAppDelegate::placeText(const QString &text)
{
    // Text the program places is no edit: no change signal, and no undo step into another day.
    const QSignalBlocker blocker(m_text);
    m_text->setPlainText(text);
    m_text->moveCursor(QTextCursor::End);
    m_ui->actionUndo->setEnabled(false);
    m_ui->actionRedo->setEnabled(false);
}
