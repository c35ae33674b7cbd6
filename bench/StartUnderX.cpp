// A program's start as its user sees it: from exec until the X server maps its first window,
// on an Xvfb of the bench's own, watched through the root window's substructure events.
#include "StartUnderX.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <poll.h>
#include <xcb/xcb.h>

namespace {

// Waits at most timeoutMs for a top-level window to be mapped.
bool waitForMap(xcb_connection_t *connection, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY
                    && !reinterpret_cast<xcb_map_notify_event_t *>(event)->override_redirect;
            free(event);
            if (mapped)
                return true;
        }
        pollfd fd { xcb_get_file_descriptor(connection), POLLIN, 0 };
        ::poll(&fd, 1, 5);
    }
    return false;
}

} // namespace

StartUnderX::StartUnderX()
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        return;
    // the server takes a free display and names it on its standard output
    m_server.start(xvfb,
            { QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"),
                    QStringLiteral("tcp") });
    if (!m_server.waitForStarted())
        return;
    QByteArray number;
    while (!number.contains('\n') && m_server.waitForReadyRead(10000))
        number += m_server.readAllStandardOutput();
    if (!number.contains('\n'))
        return;
    m_display = QStringLiteral(":%1").arg(QString::fromLatin1(number.trimmed()));
    xcb_connection_t *connection = xcb_connect(qPrintable(m_display), nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return;
    }
    m_connection = connection;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(m_connection);
}

StartUnderX::~StartUnderX()
{
    if (m_connection)
        xcb_disconnect(m_connection);
    m_server.terminate();
    m_server.waitForFinished();
}

double StartUnderX::medianMs(const QString &program, int runs)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    // spelling is checked in American English, as a user there has it
    environment.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    std::vector<double> times;
    for (int run = 0; run <= runs; ++run) { // the first warms the caches
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection))
            free(event);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        QElapsedTimer clock;
        clock.start();
        process.start(program, {});
        const bool mapped = waitForMap(m_connection, 10000);
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        QThread::msleep(300); // what follows the first frame is done before the window goes
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished();
        }
        if (!mapped)
            return -1;
        if (run > 0)
            times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
