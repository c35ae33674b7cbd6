#include "ReminderWidget.h"

#include "reminder/Reminder.h"
#include "ui_ReminderWidget.h"

ReminderWidget::ReminderWidget(QWidget *parent) : QWidget(parent), m_ui(new Ui::ReminderWidget)
{
    m_ui->setupUi(this);
    m_ui->reminderSwitch->setId(m_ui->reminderOnButton, On);
    m_ui->reminderSwitch->setId(m_ui->reminderOffButton, Off);
    connect(m_ui->reminderSwitch, &QButtonGroup::idClicked, this, &ReminderWidget::applySwitch);
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

void ReminderWidget::showState(bool on)
{
    (on ? m_ui->reminderOnButton : m_ui->reminderOffButton)->setChecked(true);
    m_ui->reminderTime->setEnabled(!on);
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
    const QTime time = m_ui->reminderTime->time();
    const penwick::WriteResult written = m_reminder->switchOn(QTime(time.hour(), time.minute()));
    showState(written.ok);
    if (!written.ok)
        Q_EMIT switchOnFailed(written.error);
}
