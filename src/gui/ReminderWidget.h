// The reminder's controls under the calendar: a time picker and an On / Off switch. A time
// changed while on is scheduled at once. What they show comes from the scheduler's files alone.
#pragma once

#include <QScopedPointer>
#include <QWidget>

namespace Ui {
class ReminderWidget;
}
namespace penwick::reminder {
class Reminder;
}

class ReminderWidget : public QWidget
{
    Q_OBJECT
public:
    enum Segment { On = 0, Off = 1 };

    explicit ReminderWidget(QWidget *parent = nullptr);
    ~ReminderWidget() override;

    void setReminder(penwick::reminder::Reminder *reminder);
    // Sets the switch and the picker from the agent file.
    void showSavedState();
    // The checked segment, or -1 when none is.
    int selectedSegment() const;

Q_SIGNALS:
    // The reminder could not be switched on; reason says why.
    void switchOnFailed(const QString &reason);
    // Something the user should know about a reminder that is on.
    void noticeShown(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applySwitch();
    void showState(bool on);

    const QScopedPointer<Ui::ReminderWidget> m_ui;
    penwick::reminder::Reminder *m_reminder = nullptr;
    bool m_showing = false; // the switch is being set to the saved state, not by the user
};
