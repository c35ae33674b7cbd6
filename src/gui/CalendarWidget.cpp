#include "CalendarWidget.h"

#include "CalendarModel.h"
#include "Dialogs.h"
#include "calendar/MonthGrid.h"
#include "ui_CalendarWidget.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// Cells are never selected: the selected day is drawn in the highlight colour on a filled
// round background of a light tint of it, today gets a ring, and the keyboard's place in the
// table gets a focus frame while the table has the keyboard.
class CalendarDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
            const QModelIndex &index) const override
    {
        const bool selected = index.data(CalendarModel::SelectedRole).toBool();
        const bool today = index.data(CalendarModel::TodayRole).toBool();
        if (selected || today) {
            const int side = std::min({ option.rect.width(), option.rect.height(),
                                     option.fontMetrics.height() * 2 + 4 })
                    - 4;
            QRectF circle(0, 0, side, side);
            circle.moveCenter(QRectF(option.rect).center());
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing);
            QColor tint = CalendarModel::highlightColor();
            tint.setAlphaF(0.22f);
            painter->setPen(today ? QPen(CalendarModel::highlightColor(), 1.5) : Qt::NoPen);
            painter->setBrush(selected ? QBrush(tint) : Qt::NoBrush);
            painter->drawEllipse(circle);
            painter->restore();
        }
        QStyledItemDelegate::paint(painter, option, index);
        const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
        if (view && view->hasFocus() && view->currentIndex() == index) {
            QStyleOptionFocusRect frame;
            frame.QStyleOption::operator=(option);
            frame.rect = option.rect.adjusted(1, 1, -1, -1);
            frame.backgroundColor = option.palette.color(QPalette::Base);
            view->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, painter, view);
        }
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~(QStyle::State_HasFocus | QStyle::State_Selected);
    }
};

} // namespace

CalendarWidget::CalendarWidget(QWidget *parent)
    : QWidget(parent), m_ui(new Ui::CalendarWidget), m_model(new CalendarModel(this))
{
    m_ui->setupUi(this);
    QTableView *view = m_ui->calendarView;
    view->setModel(m_model);
    view->setItemDelegate(new CalendarDelegate(view));
    // seven rows of seven cells fill the table and grow with the window, never scrolling
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view->verticalHeader()->setMinimumSectionSize(18);
    // every row of the longest month stays whole, whatever else the pane shows under it
    view->setMinimumHeight(7 * view->verticalHeader()->minimumSectionSize());
    view->setTabKeyNavigation(false); // Tab leaves the calendar; the arrow keys walk the days
    view->installEventFilter(this);
    connect(view, &QAbstractItemView::clicked, this, &CalendarWidget::chooseCell);

    connect(m_ui->previousMonthButton, &QAbstractButton::clicked, this,
            &CalendarWidget::previousMonthRequested);
    connect(m_ui->monthButton, &QAbstractButton::clicked, this, &CalendarWidget::todayRequested);
    connect(m_ui->nextMonthButton, &QAbstractButton::clicked, this,
            &CalendarWidget::nextMonthRequested);

    QFont label = m_ui->monthButton->font();
    label.setBold(true);
    label.setPointSizeF(label.pointSizeF() * 1.15);
    m_ui->monthButton->setFont(label);
    QFont arrows = m_ui->previousMonthButton->font();
    arrows.setPointSizeF(arrows.pointSizeF() * 1.6);
    m_ui->previousMonthButton->setFont(arrows);
    m_ui->nextMonthButton->setFont(arrows);
    // the flat label shows a ring when it has the keyboard, as every other control does
    m_ui->monthButton->setStyleSheet(QStringLiteral(
            "QPushButton { border: 2px solid transparent; border-radius: 4px; padding: 2px 6px; }"
            "QPushButton:focus { border-color: palette(highlight); }"));
    // the arrow keys walk the days inside the grid only, never the focus between the buttons
    for (QWidget *button : { static_cast<QWidget *>(m_ui->previousMonthButton),
                 static_cast<QWidget *>(m_ui->monthButton),
                 static_cast<QWidget *>(m_ui->nextMonthButton) })
        button->installEventFilter(this);
}

QWidget *CalendarWidget::chainFocusAfter(QWidget *previous)
{
    QWidget::setTabOrder(previous, m_ui->calendarView);
    QWidget::setTabOrder(m_ui->calendarView, m_ui->previousMonthButton);
    QWidget::setTabOrder(m_ui->previousMonthButton, m_ui->monthButton);
    QWidget::setTabOrder(m_ui->monthButton, m_ui->nextMonthButton);
    return m_ui->nextMonthButton;
}

CalendarWidget::~CalendarWidget() = default;

void CalendarWidget::setMonthLabelActions(const QList<QAction *> &actions)
{
    m_ui->monthButton->addActions(actions);
    m_ui->monthButton->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void CalendarWidget::showDay(QDate day)
{
    m_model->showDay(day);
    m_ui->monthButton->setText(penwick::calendar::monthLabel(m_model->shownMonth()));
    m_ui->calendarView->setCurrentIndex(m_model->indexOf(day));
}

void CalendarWidget::chooseCell(const QModelIndex &index)
{
    // Any click takes the highlight away; a click on a day gives it to that day. A blank or a
    // title changes nothing else: typing still goes to the day selected before.
    m_model->clearHighlight();
    const QDate day = m_model->dayAt(index);
    if (day.isValid())
        Q_EMIT dayChosen(day);
}

bool CalendarWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_ui->calendarView && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down)
            return true;
    }
    if (watched == m_ui->calendarView && event->type() == QEvent::KeyPress) {
        // the arrow keys walk the days when the calendar has the keyboard
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier) {
            switch (key->key()) {
            case Qt::Key_Left:
                Q_EMIT dayStepRequested(-1);
                return true;
            case Qt::Key_Right:
                Q_EMIT dayStepRequested(1);
                return true;
            case Qt::Key_Up:
                Q_EMIT dayStepRequested(-7);
                return true;
            case Qt::Key_Down:
                Q_EMIT dayStepRequested(7);
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Space:
                Q_EMIT dayActivated();
                return true;
            default:
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

QDate CalendarWidget::askForDate(Dialogs *dialogs, QDate today)
{
    // an example in the user's own short format, with a day past 12 so that the order shows
    const QDate example(today.year(), 3, 15);
    const QString shortForm = QLocale().toString(example, QLocale::ShortFormat);
    const QString iso = example.toString(u"yyyy-MM-dd");
    return dialogs->askForDate(
            window(), tr("Go to Date"), tr("&Date (for example %1 or %2):").arg(shortForm, iso),
            [today](const QString &typed) {
                return penwick::calendar::dayFromTyped(typed, QLocale(), today);
            },
            tr("“%1” is no date Penwick can read; type it as %2 or as %3.")
                    .arg(u"%1", shortForm, iso));
}
