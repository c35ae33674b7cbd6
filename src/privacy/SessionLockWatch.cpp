#include "SessionLockWatch.h"

#include <QDBusConnection>

namespace penwick::privacy {

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
