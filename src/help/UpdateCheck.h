// The start-up question to Penwick's site: is a newer version published, for a system as
// recent as this one? The document "xapp.json" lists applications by name, with the published
// version ("vers") and the lowest system version it runs on ("dots"); the first object named
// "Penwick" decides. Versions of dotted numbers compare part by part ("3.0" > "2.0.0" > "1.10"
// > "1.9"); anything else compares as the integer read from its digits with the dots removed.
// Systems compare as major × 100 + minor.
//
// The request never holds up the window: it runs in the event loop with a hard deadline, and
// any failure or odd document ends it without a word. A body past bodyLimit is not read, and a
// redirect is followed only to the same scheme, host and port. The request itself is made by
// the module penwick_fetch (see DocumentFetch.h), opened with the first check.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

namespace penwick::help {

// The integer a version's text gives with its dots removed: leading white space skipped, an
// optional sign, then the digits up to the first other character; 0 when there are none.
qint64 versionNumber(const QString &version);

// Negative, zero or positive as version a is older than, the same as or newer than b: part by
// part when both are dotted numbers, a missing part counting as 0; else by versionNumber.
int compareVersions(const QString &a, const QString &b);

// The system's major × 100 + minor. On Linux, the major and minor numbers of the
// distribution's version (Debian 12 gives 1200, Ubuntu 24.04 gives 2404).
quint64 systemNumber();

// The version of appName the document names when it is newer than runningVersion and runs on a
// system numbered system; empty otherwise.
QString newerVersionListed(const QByteArray &document, const QString &appName,
        const QString &runningVersion, quint64 system);

// The address of the document and of the product page under the site's base URL.
QUrl documentUrl(const QUrl &base);
QUrl productPageUrl(const QUrl &base, const QString &appName);

// The site: PENWICK_UPDATE_URL when set, else the address Penwick was built with.
QUrl siteBaseUrl();

class UpdateCheck : public QObject
{
    Q_OBJECT
public:
    static constexpr int deadlineMs = 5000;
    static constexpr qint64 bodyLimit = 1 << 20;

    explicit UpdateCheck(QObject *parent = nullptr);
    ~UpdateCheck() override;

    // Asks base for the document once; finished follows in every case, newerVersionFound too
    // when there is one for this system.
    void start(const QUrl &base, const QString &appName, const QString &runningVersion);
    bool isRunning() const { return m_running; }

Q_SIGNALS:
    void newerVersionFound(const QString &version);
    void finished();

private:
    void end(const QString &newerVersion);

    bool m_running = false;
};

} // namespace penwick::help
