// Start-up and window: builds the window from MainWindow.ui, finds the controls, builds the
// menus, and runs the start-up sequence.
#include "HFAppDelegate.h"

#include "platform/AtomicFile.h"
#include "platform/Panels.h"
#include "platform/Preferences.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QKeySequence>
#include <QMessageBox>

using namespace penwick;

HFAppDelegate::HFAppDelegate(QObject *parent)
    : QObject(parent)
    , m_ui(std::make_unique<Ui::MainWindow>())
    , m_preferences(std::make_unique<Preferences>())
    , m_panels(std::make_unique<QtPanels>())
    , m_clock([] { return QDateTime::currentDateTime(); })
{
    m_window = new QMainWindow;
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_ui->setupUi(m_window);

    m_move = m_ui->move;
    m_grid = m_ui->grid;
    m_text = m_ui->text;
    m_cops = m_ui->cops;
    m_tabs = m_ui->tabs;
    m_over = m_ui->over;
    m_time = m_ui->time;
    m_wake = m_ui->wake;
    m_wake->setId(m_ui->wakeOn, 0);
    m_wake->setId(m_ui->wakeOff, 1);

    m_text->document()->setDocumentMargin(14);
    m_ui->splitter->setStretchFactor(0, 0);
    m_ui->splitter->setStretchFactor(1, 1);
    m_ui->splitter->setSizes({ 320, 640 });

    // The warning bar takes its colours from the palette, so it reads in light and dark themes.
    QPalette warning = m_ui->warning->palette();
    const QColor base = warning.color(QPalette::Window);
    const QColor amber(255, 176, 32);
    warning.setColor(QPalette::Window,
            QColor::fromRgbF(base.redF() * 0.7f + amber.redF() * 0.3f,
                    base.greenF() * 0.7f + amber.greenF() * 0.3f,
                    base.blueF() * 0.7f + amber.blueF() * 0.3f));
    m_ui->warning->setPalette(warning);
    m_ui->warning->setAutoFillBackground(true);
    m_ui->warning->hide();
    connect(m_ui->warningRetry, &QPushButton::clicked, this, &HFAppDelegate::retryPendingSave);

    buildMenus();
    wireCalendar();
    wireSearch();
}

HFAppDelegate::~HFAppDelegate()
{
    m_closing = true; // the controls' last events find nothing to act on
    delete m_window;
}

void HFAppDelegate::setPanels(std::unique_ptr<Panels> panels)
{
    m_panels = std::move(panels);
}

void HFAppDelegate::buildMenus()
{
    Ui::MainWindow &ui = *m_ui;
    ui.actionQuit->setShortcut(QKeySequence::Quit);
    connect(ui.actionQuit, &QAction::triggered, m_window, &QWidget::close);

    connect(ui.actionRemoveEmptyEntries, &QAction::triggered, this,
            [this, action = ui.actionRemoveEmptyEntries] { wipe(action); });

    // Editing commands go to the editor; a field with focus handles its own shortcuts first.
    const struct
    {
        QAction *action;
        QKeySequence::StandardKey key;
        void (QPlainTextEdit::*slot)();
    } editing[] = {
        { ui.actionUndo, QKeySequence::Undo, &QPlainTextEdit::undo },
        { ui.actionRedo, QKeySequence::Redo, &QPlainTextEdit::redo },
        { ui.actionCut, QKeySequence::Cut, &QPlainTextEdit::cut },
        { ui.actionCopy, QKeySequence::Copy, &QPlainTextEdit::copy },
        { ui.actionPaste, QKeySequence::Paste, &QPlainTextEdit::paste },
        { ui.actionSelectAll, QKeySequence::SelectAll, &QPlainTextEdit::selectAll },
    };
    for (const auto &e : editing) {
        e.action->setShortcut(e.key);
        connect(e.action, &QAction::triggered, m_text, e.slot);
    }
    ui.actionUndo->setEnabled(false);
    ui.actionRedo->setEnabled(false);
    connect(m_text, &QPlainTextEdit::undoAvailable, ui.actionUndo, &QAction::setEnabled);
    connect(m_text, &QPlainTextEdit::redoAvailable, ui.actionRedo, &QAction::setEnabled);

    ui.actionFind->setShortcut(QKeySequence::Find);
    ui.actionPreviousMonth->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    ui.actionNextMonth->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    ui.actionToday->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    ui.actionPreviousDay->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    ui.actionNextDay->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    ui.actionHelp->setShortcut(QKeySequence::HelpContents);

    connect(ui.actionAbout, &QAction::triggered, this, [this] {
        QMessageBox::about(m_window, tr("About Penwick"),
                tr("<b>Penwick %1</b><p>A small diary that keeps every word you type.</p>"
                   "<p>Your diary is kept in %2</p>")
                        .arg(QApplication::applicationVersion(), rest().toHtmlEscaped()));
    });
}

void HFAppDelegate::applicationDidFinishLaunching()
{
    m_selectedDate = now();
    connect(m_text, &QPlainTextEdit::textChanged, this, &HFAppDelegate::textDidChange,
            Qt::UniqueConnection);
    // Penwick runs once per diary, so a temporary file beside the note file is one that a
    // killed save left behind.
    removeStaleTemporaryFiles(rest());
    // A first launch, or a diary still kept in the preferences, gets its note file before the
    // first day is shown, so that the editor never shows a day the file is about to change.
    rise();
    orgs();
    m_window->show();
    m_text->setFocus();
}

DateFormatter HFAppDelegate::rule(int form) const
{
    return DateFormatter(form != 0 ? DateFormatter::Day : DateFormatter::Month);
}

void HFAppDelegate::raiseWindow()
{
    if (m_window->isMinimized())
        m_window->showNormal();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

bool HFAppDelegate::eventFilter(QObject *watched, QEvent *event)
{
    if (m_closing)
        return false;
    return calendarEvent(watched, event) || searchEvent(watched, event)
            || QObject::eventFilter(watched, event);
}

void HFAppDelegate::report(const store::Outcome &outcome)
{
    // A failed save stays on show until it is stored: reading another day does not store it.
    if (outcome.ok() && m_pendingSave)
        return;
    m_ui->warningText->setText(outcome.message);
    m_ui->warningRetry->setVisible(outcome.status == store::Status::WriteFailed);
    m_ui->warning->setVisible(!outcome.ok());
}
