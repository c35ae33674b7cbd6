// Tells when the desktop session locks, so that a protected diary locks with it: logind's Lock
// signal for a session (system bus) and the freedesktop and GNOME screen savers' ActiveChanged
// (session bus). Where neither bus is reachable it says nothing, and the idle time and Lock Now
// still lock. On macOS the system's distributed notification com.apple.screenIsLocked does.
#pragma once

#include <QObject>

namespace penwick::privacy {

class SessionLockWatch : public QObject
{
    Q_OBJECT
public:
    explicit SessionLockWatch(QObject *parent = nullptr);
    ~SessionLockWatch() override;

Q_SIGNALS:
    void sessionLocked();

private Q_SLOTS:
    void logindLocked();
    void screenSaverActive(bool active);
};

} // namespace penwick::privacy
