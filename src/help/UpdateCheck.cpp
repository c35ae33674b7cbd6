#include "UpdateCheck.h"

#include "platform/Log.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSysInfo>
#include <QTimer>
#include <limits>

namespace penwick::help {

namespace {

// Reads an integer the way the update document's versions have always been read: leading white
// space, an optional sign, the digits up to the first other character; 0 without digits.
qint64 leadingInteger(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        negative = text[i++] == QLatin1Char('-');
    qint64 value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        const int digit = text[i].unicode() - '0';
        if (value > (std::numeric_limits<qint64>::max() - digit) / 10)
            return negative ? std::numeric_limits<qint64>::min()
                            : std::numeric_limits<qint64>::max();
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

} // namespace

qint64 versionNumber(const QString &version)
{
    QString digits = version;
    digits.remove(QLatin1Char('.'));
    return leadingInteger(digits);
}

quint64 systemNumber()
{
    const QStringList parts = QSysInfo::productVersion().split(QLatin1Char('.'));
    const qint64 major = leadingInteger(parts.value(0));
    const qint64 minor = leadingInteger(parts.value(1));
    return quint64(major * 100 + minor);
}

bool newerVersionListed(const QByteArray &document, const QString &appName,
        const QString &runningVersion, quint64 system)
{
    QJsonParseError error {};
    const QJsonDocument json = QJsonDocument::fromJson(document, &error);
    if (error.error != QJsonParseError::NoError || !json.isArray())
        return false;
    const QJsonArray apps = json.array();
    for (const QJsonValue &app : apps) {
        if (!app.isObject())
            return false;
        const QJsonObject object = app.toObject();
        const QJsonValue name = object.value(QLatin1String("name"));
        if (!name.isString())
            return false;
        if (name.toString() != appName)
            continue;
        // the first object with the name decides, whatever it says
        const QJsonValue dots = object.value(QLatin1String("dots"));
        const QJsonValue vers = object.value(QLatin1String("vers"));
        if ((!dots.isUndefined() && !dots.isString()) || (!vers.isUndefined() && !vers.isString()))
            return false;
        quint64 required = 0;
        if (dots.isString()) {
            const QStringList parts = dots.toString().split(QLatin1Char('.'));
            if (parts.size() < 2)
                return false;
            // a negative result wraps to above every system, as the comparison is unsigned
            required = quint64(leadingInteger(parts[0]) * 100 + leadingInteger(parts[1]));
        }
        if (system < required)
            return false;
        return versionNumber(runningVersion) < versionNumber(vers.toString());
    }
    return false;
}

QUrl documentUrl(const QUrl &base)
{
    return QUrl(base.toString() + QStringLiteral("xapp.json"));
}

QUrl productPageUrl(const QUrl &base, const QString &appName)
{
    QString page = appName.toLower();
    page.remove(QLatin1Char(' ')).remove(QLatin1Char('\''));
    return QUrl(base.toString() + page + QStringLiteral(".html"));
}

QUrl siteBaseUrl()
{
    const QString override = qEnvironmentVariable("PENWICK_UPDATE_URL");
    return QUrl(override.isEmpty() ? QStringLiteral(PENWICK_UPDATE_BASE_URL) : override);
}

UpdateCheck::UpdateCheck(QObject *parent)
    : QObject(parent), m_network(new QNetworkAccessManager(this))
{ }

UpdateCheck::~UpdateCheck() = default;

void UpdateCheck::start(const QUrl &base, const QString &appName, const QString &runningVersion)
{
    if (m_reply)
        return;
    QNetworkRequest request(documentUrl(base));
    m_reply = m_network->get(request);
    auto *deadline = new QTimer(m_reply);
    deadline->setSingleShot(true);
    deadline->setTimerType(Qt::PreciseTimer); // a coarse timer may fire 5 % early
    connect(deadline, &QTimer::timeout, m_reply, &QNetworkReply::abort);
    deadline->start(deadlineMs);
    connect(m_reply, &QNetworkReply::finished, this, [this, appName, runningVersion] {
        const bool ok = m_reply->error() == QNetworkReply::NoError;
        if (!ok)
            qCInfo(lcPenwick) << "Update check ended:" << m_reply->errorString();
        const QByteArray body = ok ? m_reply->read(1 << 20) : QByteArray();
        end(ok && newerVersionListed(body, appName, runningVersion, systemNumber()));
    });
}

void UpdateCheck::end(bool newer)
{
    m_reply->deleteLater();
    m_reply = nullptr;
    if (newer)
        Q_EMIT newerVersionFound();
    Q_EMIT finished();
}

} // namespace penwick::help
