// On This Day: under the calendar, under its heading, the entries written on the chosen calendar
// day in earlier years (the year and the entry's first line, wrapped), newest first; a click or
// Return opens one. It is filled when the chosen day changes, never per keystroke.
#pragma once

#include <QDate>
#include <QListWidget>

class QLabel;
namespace penwick::diary {
class DiarySession;
}

class OnThisDay : public QListWidget
{
    Q_OBJECT
public:
    explicit OnThisDay(penwick::diary::DiarySession *session, QWidget *parent = nullptr);

    // The View menu's toggle, remembered in the preferences.
    QAction *toggleAction() const { return m_toggle; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    void follow(QDate day);

Q_SIGNALS:
    void dayChosen(QDate day);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    int heightFor(int lines) const;

    penwick::diary::DiarySession *m_session;
    QAction *m_toggle;
    QLabel *m_heading;
};
