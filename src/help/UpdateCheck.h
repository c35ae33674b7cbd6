// The start-up question to Penwick's site: is a newer version published, for a system as
// recent as this one? The document "xapp.json" lists applications by name, with the published
// version ("vers") and the lowest system version it runs on ("dots"); the first object named
// "Penwick" decides. Versions compare as integers read from their digits with the dots removed
// (1.4 is 14, 1.4.1 is 141, 1.10 is 110), systems as major × 100 + minor.
//
// The request never holds up the window: it runs in the event loop with a hard deadline, and
// any failure or odd document ends it without a word.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace penwick::help {

// The integer a version's text gives with its dots removed: leading white space skipped, an
// optional sign, then the digits up to the first other character; 0 when there are none.
qint64 versionNumber(const QString &version);

// The system's major × 100 + minor. On Linux, the major and minor numbers of the
// distribution's version (Debian 12 gives 1200, Ubuntu 24.04 gives 2404).
quint64 systemNumber();

// True when the document names a version of appName newer than runningVersion that runs on a
// system numbered system.
bool newerVersionListed(const QByteArray &document, const QString &appName,
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

    explicit UpdateCheck(QObject *parent = nullptr);
    ~UpdateCheck() override;

    // Asks base for the document once; finished follows in every case, newerVersionFound too
    // when there is one for this system.
    void start(const QUrl &base, const QString &appName, const QString &runningVersion);
    bool isRunning() const { return m_reply != nullptr; }

Q_SIGNALS:
    void newerVersionFound();
    void finished();

private:
    void end(bool newer);

    QNetworkAccessManager *m_network;
    QNetworkReply *m_reply = nullptr;
};

} // namespace penwick::help
