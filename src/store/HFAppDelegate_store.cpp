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

std::optional<QVariantList> HFAppDelegate::load()
{
    store::Entries loaded = store::loadEntries(rest());
    report(loaded.outcome);
    if (!loaded.outcome.ok())
        return std::nullopt;
    return std::move(loaded.entries);
}

QString HFAppDelegate::read(const QString &date)
{
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
        m_window->statusBar()->showMessage(tr("Removed %n empty entries.", nullptr, removed), 5000);
}

void HFAppDelegate::textDidChange()
{
    const QString date = rule(1).format(m_selectedDate);
    const store::Outcome outcome = store::saveDayText(rest(), date, m_text->toPlainText());
    if (outcome.ok())
        m_saveFailed = false;
    report(outcome);
}

void HFAppDelegate::placeText(const QString &text)
{
    // Text the program places is no edit: no change signal, and no undo step into another day.
    const QSignalBlocker blocker(m_text);
    m_text->setPlainText(text);
    m_ui->actionUndo->setEnabled(false);
    m_ui->actionRedo->setEnabled(false);
}
