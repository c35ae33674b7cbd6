// Search: the keyword field, the results popover and the jump to a result.
#include "app/HFAppDelegate.h"
#include "platform/Log.h"
#include "search/Search.h"
#include "ui_MainWindow.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QShortcut>

using namespace penwick;

namespace {
const int popoverMinimumWidth = 340;
const int popoverVisibleRows = 8;
} // namespace

void HFAppDelegate::wireSearch()
{
    m_ctrl = new ResultsModel(this);
    m_ctrl->setObjectName(QStringLiteral("ctrl"));
    m_tabs->setModel(m_ctrl);
    m_tabs->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_tabs->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_tabs->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_tabs->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &HFAppDelegate::tableViewSelectionDidChange);
    // A click on a result shows its day, also when the row was selected already (the user may
    // have moved to another day since), and leaves the keyboard in the day's text.
    connect(m_tabs, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        if (resultsSelectionIndex() == index.row()
                && m_ctrl->dateAt(index.row()) != rule(1).format(m_selectedDate))
            tableViewSelectionDidChange();
        m_text->setFocus();
    });

    // The popover floats over the window's content, under the field, and stays open while the
    // user writes, so that the list can be seen following the text.
    m_ui->mainLayout->removeWidget(m_over);
    m_over->setParent(m_window);
    m_over->setAutoFillBackground(true);
    m_over->hide();
    QFont small = m_ui->overTitle->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    m_ui->overTitle->setFont(small);

    connect(m_cops, &QLineEdit::returnPressed, this, [this] { over(m_cops); });
    connect(m_cops, &QLineEdit::textChanged, this, [this](const QString &keyword) {
        if (keyword.isEmpty()) { // the clear button, or every letter deleted
            cops(nullptr);
            closePopover();
        }
    });
    connect(m_ui->overClose, &QToolButton::clicked, this, &HFAppDelegate::closePopover);
    auto *escape = new QShortcut(QKeySequence::Cancel, m_window);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, [this] {
        const bool inResults = m_tabs && m_tabs->hasFocus();
        closePopover();
        if (inResults)
            m_cops->setFocus();
    });
    connect(m_ui->actionFind, &QAction::triggered, this, [this] {
        m_cops->setFocus(Qt::ShortcutFocusReason);
        m_cops->selectAll();
    });
    m_cops->installEventFilter(this);
    m_tabs->installEventFilter(this);
    m_window->installEventFilter(this);
}

bool HFAppDelegate::isPopoverShown() const
{
    return m_over && m_over->isVisible();
}

void HFAppDelegate::closePopover()
{
    if (m_over)
        m_over->hide();
}

qint64 HFAppDelegate::resultsSelectionIndex() const
{
    if (!m_tabs || !m_tabs->selectionModel())
        return noSelection;
    const QModelIndexList rows = m_tabs->selectionModel()->selectedRows();
    return rows.isEmpty() ? noSelection : rows.first().row();
}

void HFAppDelegate::placePopover()
{
    if (!m_over || !m_cops)
        return;
    const QRect field(m_cops->mapTo(m_window, QPoint(0, 0)), m_cops->size());
    const int width = std::min(
            std::max(field.width(), popoverMinimumWidth), m_window->width() - field.left() - 8);
    const int rows = std::clamp(int(m_ctrl->rowCount()), 3, popoverVisibleRows);
    const int rowHeight = m_tabs->verticalHeader()->defaultSectionSize();
    const int height = m_ui->overTitle->sizeHint().height() + rows * rowHeight + 24;
    int top = field.bottom() + 3;
    if (top + height > m_window->height() - 4) // no room below: open upwards, over the calendar
        top = std::max(
                field.top() - height - 3, m_window->menuBar() ? m_window->menuBar()->height() : 0);
    m_over->setGeometry(field.left(), top, width, height);
    m_over->raise();
}

void HFAppDelegate::cops(QObject *)
{
    const qint64 remembered = resultsSelectionIndex();
    m_ctrl->setResults({});
    const QString keyword = m_cops ? m_cops->text() : QString();
    if (!keyword.isEmpty()) {
        retryPendingSave(); // the search sees the text as it stands in the window
        store::Entries found = search::searchDiary(rest(), keyword);
        report(found.outcome);
        m_ctrl->setResults(std::move(found.entries));
    }
    const int count = m_ctrl->rowCount();
    QString title;
    if (keyword.isEmpty())
        title = QString();
    else if (count == 0)
        title = tr("No day holds “%1”").arg(keyword);
    else if (count == 1)
        title = tr("1 day holds “%1”").arg(keyword);
    else
        title = tr("%1 days hold “%2”").arg(count).arg(keyword);
    m_ui->overTitle->setText(title);
    if (remembered != noSelection && remembered < count && m_tabs) {
        // Keeping the user's place in the list is no choice of a day: the day, the calendar
        // and the editor stay as they are, or typing would land in another day's entry.
        m_restoringSelection = true;
        m_tabs->selectionModel()->select(m_ctrl->index(int(remembered), 0),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        m_restoringSelection = false;
        m_tabs->scrollTo(m_ctrl->index(int(remembered), 0));
    }
    if (isPopoverShown())
        placePopover();
}

void HFAppDelegate::over(QObject *)
{
    if (m_over) {
        placePopover();
        m_over->show();
        m_over->raise();
    }
    if (!m_cops || m_cops->text().isEmpty())
        return;
    cops(nullptr);
    const QModelIndexList gridRows = m_grid && m_grid->selectionModel()
            ? m_grid->selectionModel()->selectedRows()
            : QModelIndexList();
    const long gridRow = gridRows.isEmpty() ? -1L : long(gridRows.first().row());
    qCInfo(lcPenwick, "GRID:%ld, CTRL:%ld", gridRow, long(resultsSelectionIndex()));
}

void HFAppDelegate::tableViewSelectionDidChange()
{
    if (m_restoringSelection || !m_tabs)
        return;
    const qint64 row = resultsSelectionIndex();
    if (row == noSelection)
        return;
    const QDateTime day = rule(1).parse(m_ctrl->dateAt(int(row)));
    if (!day.isValid()) // a date from elsewhere that names no day
        return;
    m_selectedDate = day;
    orgs(); // the result's month, its day marked, its text in the editor
}

// Down from the field into the results, Return from a result into its text, and the popover
// following the window's size.
bool HFAppDelegate::searchEvent(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Resize) {
        if (isPopoverShown())
            placePopover();
    } else if (watched == m_cops && event->type() == QEvent::KeyPress) {
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Down && isPopoverShown()
                && m_ctrl->rowCount() > 0) {
            m_tabs->setFocus();
            if (resultsSelectionIndex() == noSelection)
                m_tabs->selectRow(0);
            return true;
        }
    } else if (watched == m_tabs && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_text->setFocus();
            return true;
        }
    }
    return false;
}
