// An Xvfb of the bench's own, on which programs are started and timed until their first window
// is mapped. Without Xvfb, isReady() is false.
#pragma once

#include <QProcess>
#include <QString>

struct xcb_connection_t;

class StartUnderX
{
public:
    StartUnderX();
    ~StartUnderX();
    bool isReady() const { return m_connection != nullptr; }
    // From exec to the first mapped window, median of runs after one that warms the caches;
    // -1 when no window came.
    double medianMs(const QString &program, int runs);

private:
    QProcess m_server;
    QString m_display;
    xcb_connection_t *m_connection = nullptr;
};
