#include "SessionLockWatch.h"

#ifdef Q_OS_MACOS
#include <CoreFoundation/CoreFoundation.h>
#else
#include <QDBusConnection>
#endif

namespace penwick::privacy {

#ifdef Q_OS_MACOS

namespace {

// Delivered on the main run loop, which Qt's event loop runs on macOS.
void screenLocked(
        CFNotificationCenterRef, void *observer, CFNotificationName, const void *, CFDictionaryRef)
{
    Q_EMIT static_cast<SessionLockWatch *>(observer)->sessionLocked();
}

} // namespace

SessionLockWatch::SessionLockWatch(QObject *parent) : QObject(parent)
{
    // the system tells every program of the session when the screen locks
    CFNotificationCenterAddObserver(CFNotificationCenterGetDistributedCenter(), this, screenLocked,
            CFSTR("com.apple.screenIsLocked"), nullptr,
            CFNotificationSuspensionBehaviorDeliverImmediately);
}

SessionLockWatch::~SessionLockWatch()
{
    CFNotificationCenterRemoveEveryObserver(CFNotificationCenterGetDistributedCenter(), this);
}

#else

SessionLockWatch::SessionLockWatch(QObject *parent) : QObject(parent)
{
    // any session's Lock: logind names ours by a path looked up per login, and locking with
    // another session of the same machine errs on the safe side
    QDBusConnection::systemBus().connect(QStringLiteral("org.freedesktop.login1"), QString(),
            QStringLiteral("org.freedesktop.login1.Session"), QStringLiteral("Lock"), this,
            SLOT(logindLocked()));
    QDBusConnection session = QDBusConnection::sessionBus();
    session.connect(QString(), QStringLiteral("/org/freedesktop/ScreenSaver"),
            QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("ActiveChanged"), this,
            SLOT(screenSaverActive(bool)));
    session.connect(QString(), QStringLiteral("/org/gnome/ScreenSaver"),
            QStringLiteral("org.gnome.ScreenSaver"), QStringLiteral("ActiveChanged"), this,
            SLOT(screenSaverActive(bool)));
}

SessionLockWatch::~SessionLockWatch() = default;

#endif

void SessionLockWatch::logindLocked()
{
    Q_EMIT sessionLocked();
}

void SessionLockWatch::screenSaverActive(bool active)
{
    if (active)
        Q_EMIT sessionLocked();
}

} // namespace penwick::privacy
