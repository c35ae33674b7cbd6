// Reads a large diary whole after the window has shown the day from the file's end, and holds
// the first input until the read is in: no key, click or drop reaches the window before it
// shows what the whole file holds, so nothing typed builds on a text the file does not hold.
#pragma once

#include <QObject>

namespace penwick::diary {
class DiarySession;
}

class ReadAheadGate : public QObject
{
    Q_OBJECT
public:
    // Starts the read; deletes itself once opened.
    explicit ReadAheadGate(penwick::diary::DiarySession *session, QObject *parent = nullptr);

Q_SIGNALS:
    // The whole diary is in: the window shows it now, before the input that may have opened
    // the gate is delivered.
    void opened();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void open();

    penwick::diary::DiarySession *m_session;
    bool m_open = false;
};
