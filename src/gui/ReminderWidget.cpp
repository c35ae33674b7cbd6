#include "ReminderWidget.h"

#include "reminder/Reminder.h"
#include "ui_ReminderWidget.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

namespace {

QTime minutesOf(QTime time)
{
    return QTime(time.hour(), time.minute());
}

} // namespace

ReminderWidget::ReminderWidget(QWidget *parent) : QWidget(parent), m_ui(new Ui::ReminderWidget)
{
    m_ui->setupUi(this);
    m_ui->reminderSwitch->setId(m_ui->reminderOnButton, On);
    m_ui->reminderSwitch->setId(m_ui->reminderOffButton, Off);
    // toggled, not clicked: a screen reader's toggle action switches as a click does
    connect(m_ui->reminderSwitch, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked && !m_showing)
            applySwitch();
    });
    connect(m_ui->reminderTime, &QTimeEdit::editingFinished, this, [this] {
        if (m_reminder && selectedSegment() == On
                && m_reminder->savedTime() != minutesOf(m_ui->reminderTime->time()))
            applySwitch();
    });
    // a click into the field selects the section under it, so typed digits replace it
    m_ui->reminderTime->installEventFilter(this);
    m_ui->reminderTime->findChild<QLineEdit *>()->installEventFilter(this);
    // The chosen half of the switch in the palette's highlight, plain to see in any theme.
    const QString checked = QStringLiteral(
            "QPushButton:checked { background: palette(highlight); color: "
            "palette(highlighted-text);"
            " border: 1px solid palette(highlight); border-radius: 3px; padding: 3px 10px; }");
    m_ui->reminderOnButton->setStyleSheet(checked);
    m_ui->reminderOffButton->setStyleSheet(checked);
}

ReminderWidget::~ReminderWidget() = default;

void ReminderWidget::setReminder(penwick::reminder::Reminder *reminder)
{
    m_reminder = reminder;
}

int ReminderWidget::selectedSegment() const
{
    return m_ui->reminderSwitch->checkedId();
}

void ReminderWidget::showSavedState()
{
    if (!m_reminder)
        return;
    const bool on = m_reminder->isOn();
    // an agent file without a time leaves the picker at the time it shows
    if (const std::optional<QTime> time = on ? m_reminder->savedTime() : std::nullopt)
        m_ui->reminderTime->setTime(*time);
    showState(on);
}

bool ReminderWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonRelease) {
        QTimer::singleShot(0, m_ui->reminderTime,
                [time = m_ui->reminderTime] { time->setSelectedSection(time->currentSection()); });
    }
    return QWidget::eventFilter(watched, event);
}

void ReminderWidget::showState(bool on)
{
    m_showing = true;
    (on ? m_ui->reminderOnButton : m_ui->reminderOffButton)->setChecked(true);
    m_showing = false;
}

void ReminderWidget::applySwitch()
{
    if (!m_reminder)
        return;
    if (selectedSegment() != On) {
        m_reminder->switchOff();
        showState(false);
        return;
    }
    QString notStarted;
    const penwick::WriteResult written
            = m_reminder->switchOn(minutesOf(m_ui->reminderTime->time()), &notStarted);
    showState(written.ok);
    if (!written.ok)
        Q_EMIT switchOnFailed(written.error);
    else if (!notStarted.isEmpty())
        Q_EMIT noticeShown(tr("The reminder is on. %1").arg(notStarted));
}
