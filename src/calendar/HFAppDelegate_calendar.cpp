// Calendar: the month grid, month navigation and the choice of a day.
#include "app/HFAppDelegate.h"
#include "calendar/StyledText.h"
#include "ui_MainWindow.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

using namespace penwick;

namespace {

// The weekday titles, translated where a translation exists.
const char *const weekdayTitles[] = {
    QT_TRANSLATE_NOOP("Calendar", "Su"),
    QT_TRANSLATE_NOOP("Calendar", "Mo"),
    QT_TRANSLATE_NOOP("Calendar", "Tu"),
    QT_TRANSLATE_NOOP("Calendar", "We"),
    QT_TRANSLATE_NOOP("Calendar", "Th"),
    QT_TRANSLATE_NOOP("Calendar", "Fr"),
    QT_TRANSLATE_NOOP("Calendar", "Sa"),
};

// Cells are never selected: no focus frame or selection colour competes with the highlight.
class CalendarDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~(QStyle::State_HasFocus | QStyle::State_Selected);
    }
};

} // namespace

void HFAppDelegate::wireCalendar()
{
    m_tank = new CalendarModel(this);
    m_tank->setObjectName(QStringLiteral("tank"));
    m_grid->setModel(m_tank);
    m_grid->setItemDelegate(new CalendarDelegate(m_grid));
    // seven rows of seven cells fill the table and grow with the window, never scrolling
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->verticalHeader()->setMinimumSectionSize(22);
    m_grid->setFocusPolicy(Qt::TabFocus); // a click on a day leaves the keyboard in the editor
    m_grid->viewport()->installEventFilter(this);
    m_grid->installEventFilter(this);

    for (QObject *sender : { static_cast<QObject *>(m_ui->previousMonth),
                 static_cast<QObject *>(m_ui->nextMonth) })
        connect(static_cast<QAbstractButton *>(sender), &QAbstractButton::clicked, this,
                [this, sender] { move(sender); });
    connect(m_move, &QPushButton::clicked, this, [this] { move(m_move); });
    for (QAction *action :
            { m_ui->actionPreviousMonth, m_ui->actionToday, m_ui->actionNextMonth }) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, [this, action] { move(action); });
    }
    connect(m_ui->actionPreviousDay, &QAction::triggered, this, [this] { stepDay(-1); });
    connect(m_ui->actionNextDay, &QAction::triggered, this, [this] { stepDay(1); });

    QFont label = m_move->font();
    label.setBold(true);
    label.setPointSizeF(label.pointSizeF() * 1.15);
    m_move->setFont(label);
    QFont arrows = m_ui->previousMonth->font();
    arrows.setPointSizeF(arrows.pointSizeF() * 1.6);
    m_ui->previousMonth->setFont(arrows);
    m_ui->nextMonth->setFont(arrows);
}

calendar::MonthBreakdown HFAppDelegate::pick() const
{
    return calendar::breakDown(m_selectedDate);
}

int HFAppDelegate::what(const QDateTime &date) const
{
    return calendar::firstWeekday(date);
}

void HFAppDelegate::orgs()
{
    const calendar::MonthBreakdown b = pick();
    if (m_tank) {
        m_tank->setRows(calendar::buildMonthGrid(
                b, what(m_selectedDate),
                [](const QString &key) {
                    return QCoreApplication::translate(
                            "Calendar", weekdayTitles[calendar::weekdayKeys().indexOf(key)]);
                },
                [this](const QString &text, bool highlighted) { return draw(text, highlighted); }));
    }
    if (m_move)
        m_move->setText(calendar::monthLabel(b.year, b.month));
    placeText(read(calendar::dayString(b.year, b.month, b.day)));
}

QVariant HFAppDelegate::draw(const QString &text, bool highlighted) const
{
    StyledText styled { text, highlighted ? QColor::fromRgbF(0.0f, 0.7f, 1.0f, 1.0f) : QColor(),
        Qt::AlignCenter };
    return QVariant::fromValue(styled);
}

void HFAppDelegate::dark()
{
    if (!m_tank)
        return;
    const QList<calendar::Row> rows = m_tank->rows();
    for (int r = 1; r < rows.size(); ++r) {
        for (const QString &key : calendar::weekdayKeys()) {
            const QString text = cellText(rows[r].value(key));
            if (!text.isEmpty())
                m_tank->setCell(r, key, draw(text, false));
        }
    }
}

void HFAppDelegate::move(QObject *sender)
{
    const int tag = sender ? sender->property("tag").toInt() : -1;
    if (tag == 0 || tag == 2)
        m_selectedDate = calendar::neighbouringMonth(m_selectedDate, tag == 0 ? -1 : 1);
    else if (tag == 1)
        m_selectedDate = now();
    orgs();
}

void HFAppDelegate::show(QObject *)
{
    dark();
    if (!m_tank || !m_move)
        return;
    const int row = m_clickedRow;
    const int column = m_clickedColumn;
    if (row <= 0 || column < 0 || row >= m_tank->rows().size() || column > 6)
        return;
    const QString key = calendar::weekdayKeys().at(column);
    const QString text = cellText(m_tank->rows().at(row).value(key));
    if (text.isEmpty())
        return;
    const int day = text.toInt();
    // the displayed month, as the label shows it
    const QStringList label = m_move->text().split(QLatin1Char('.'));
    if (label.size() != 2)
        return;
    const QString date = QStringLiteral("%1-%2-%3")
                                 .arg(label[0])
                                 .arg(label[1].toInt(), 2, 10, QLatin1Char('0'))
                                 .arg(day, 2, 10, QLatin1Char('0'));
    placeText(read(date));
    m_tank->setCell(row, key, draw(text, true));
    const QDateTime chosen = rule(1).parse(date);
    if (chosen.isValid())
        m_selectedDate = chosen;
}

void HFAppDelegate::stepDay(int days)
{
    m_selectedDate = m_selectedDate.toLocalTime().date().addDays(days).startOfDay();
    orgs();
}

// The grid's clicks and arrow keys.
bool HFAppDelegate::calendarEvent(QObject *watched, QEvent *event)
{
    if (!m_grid)
        return false;
    if (watched == m_grid->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            const QModelIndex at = m_grid->indexAt(mouse->position().toPoint());
            m_clickedRow = at.isValid() ? at.row() : -1;
            m_clickedColumn = at.isValid() ? at.column() : -1;
            show(m_grid);
        }
    } else if (watched == m_grid && event->type() == QEvent::KeyPress) {
        // the arrow keys walk the days when the calendar has the keyboard
        static const QHash<int, int> steps { { Qt::Key_Left, -1 }, { Qt::Key_Right, 1 },
            { Qt::Key_Up, -7 }, { Qt::Key_Down, 7 } };
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier && steps.contains(key->key())) {
            stepDay(steps.value(key->key()));
            return true;
        }
    }
    return false;
}
