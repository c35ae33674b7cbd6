// The signals that ask a program to end (SIGTERM at shutdown or from kill, SIGHUP when the
// session goes), turned into a Qt signal on the main thread, so that Penwick ends as after a
// quit: what is pending stored, nobody asked. A file-size limit (SIGXFSZ) is ignored, so a
// write past it fails with EFBIG like a full disk instead of killing the process.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace penwick {

class QuitSignals : public QObject
{
    Q_OBJECT
public:
    // One per process: the handlers write to this object's pipe.
    explicit QuitSignals(QObject *parent = nullptr);
    ~QuitSignals() override;

Q_SIGNALS:
    void quitRequested(int signal);

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace penwick
