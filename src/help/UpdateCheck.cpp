#include "UpdateCheck.h"

#include "DocumentFetch.h"
#include "platform/Log.h"
#include "platform/Modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibrary>
#include <QRegularExpression>
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

// The parts of a version made of dotted numbers only ("1.10" gives 1 and 10); empty otherwise.
QList<qint64> dottedParts(const QString &version)
{
    static const QRegularExpression dotted(QStringLiteral("^[0-9]{1,18}(\\.[0-9]{1,18})*$"));
    QList<qint64> parts;
    if (!dotted.match(version).hasMatch())
        return parts;
    for (const QStringView part : QStringView(version).split(QLatin1Char('.')))
        parts << part.toLongLong();
    return parts;
}

} // namespace

int compareVersions(const QString &a, const QString &b)
{
    const QList<qint64> left = dottedParts(a);
    const QList<qint64> right = dottedParts(b);
    if (left.isEmpty() || right.isEmpty()) {
        const qint64 x = versionNumber(a), y = versionNumber(b);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    for (qsizetype i = 0; i < qMax(left.size(), right.size()); ++i) {
        const qint64 x = left.value(i), y = right.value(i);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

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

QString newerVersionListed(const QByteArray &document, const QString &appName,
        const QString &runningVersion, quint64 system)
{
    QJsonParseError error {};
    const QJsonDocument json = QJsonDocument::fromJson(document, &error);
    if (error.error != QJsonParseError::NoError || !json.isArray())
        return {};
    const QJsonArray apps = json.array();
    for (const QJsonValue &app : apps) {
        if (!app.isObject())
            return {};
        const QJsonObject object = app.toObject();
        const QJsonValue name = object.value(QLatin1String("name"));
        if (!name.isString())
            return {};
        if (name.toString() != appName)
            continue;
        // the first object with the name decides, whatever it says
        const QJsonValue dots = object.value(QLatin1String("dots"));
        const QJsonValue vers = object.value(QLatin1String("vers"));
        if ((!dots.isUndefined() && !dots.isString()) || (!vers.isUndefined() && !vers.isString()))
            return {};
        quint64 required = 0;
        if (dots.isString()) {
            const QStringList parts = dots.toString().split(QLatin1Char('.'));
            if (parts.size() < 2)
                return {};
            // a negative result wraps to above every system, as the comparison is unsigned
            required = quint64(leadingInteger(parts[0]) * 100 + leadingInteger(parts[1]));
        }
        if (system < required)
            return {};
        if (compareVersions(runningVersion, vers.toString()) >= 0)
            return {};
        return vers.toString();
    }
    return {};
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

namespace {

// The fetch module's entry point, looked for once.
FetchDocument fetchModule(QString *failure)
{
    static QString notFound;
    static const auto fetch = reinterpret_cast<FetchDocument>(moduleFunction(
            QStringLiteral("penwick_fetch"), fetchDocumentSymbol, fetchDocumentVersion, &notFound));
    *failure = notFound;
    return fetch;
}

} // namespace

UpdateCheck::UpdateCheck(QObject *parent) : QObject(parent)
{ }

UpdateCheck::~UpdateCheck() = default;

void UpdateCheck::start(const QUrl &base, const QString &appName, const QString &runningVersion)
{
    if (m_running)
        return;
    m_running = true;
    QString failure;
    const FetchDocument fetch = fetchModule(&failure);
    if (!fetch) {
        qCInfo(lcPenwick) << "Update check: no network module:" << failure;
        QTimer::singleShot(0, this, [this] { end({}); });
        return;
    }
    fetch(this, documentUrl(base), bodyLimit, deadlineMs,
            [this, appName, runningVersion](const FetchedDocument &document) {
                if (!document.failure.isEmpty())
                    qCInfo(lcPenwick) << "Update check ended:" << document.failure;
                end(document.failure.isEmpty() ? newerVersionListed(
                            document.body, appName, runningVersion, systemNumber())
                                               : QString());
            });
}

void UpdateCheck::end(const QString &newerVersion)
{
    m_running = false;
    if (!newerVersion.isEmpty())
        Q_EMIT newerVersionFound(newerVersion);
    Q_EMIT finished();
}

} // namespace penwick::help
