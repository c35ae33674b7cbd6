#include "ReadAheadGate.h"

#include "diary/DiarySession.h"

#include <QCoreApplication>
#include <QEvent>

ReadAheadGate::ReadAheadGate(penwick::diary::DiarySession *session, QObject *parent)
    : QObject(parent), m_session(session)
{
    QCoreApplication::instance()->installEventFilter(this);
    connect(session, &penwick::diary::DiarySession::readAheadFinished, this, &ReadAheadGate::open);
    session->readAhead();
}

bool ReadAheadGate::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::DragEnter:
    case QEvent::Drop:
        open(); // waits the rest of the read, then the event goes on
        break;
    default:
        break;
    }
    return false;
}

void ReadAheadGate::open()
{
    if (m_open)
        return;
    m_open = true;
    QCoreApplication::instance()->removeEventFilter(this);
    m_session->waitForReadAhead();
    Q_EMIT opened();
    deleteLater();
}
