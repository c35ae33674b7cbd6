#include "DocumentFetch.h"

#include "platform/Modules.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

using penwick::help::FetchedDocument;

PENWICK_MODULE_VERSION(penwick::help::fetchDocumentVersion)

extern "C" Q_DECL_EXPORT void penwickFetchDocument(QObject *context, const QUrl &url,
        qint64 bodyLimit, int deadlineMs, const std::function<void(const FetchedDocument &)> &done)
{
    auto *network
            = context->findChild<QNetworkAccessManager *>(QString(), Qt::FindDirectChildrenOnly);
    if (!network)
        network = new QNetworkAccessManager(context);
    QNetworkRequest request(url);
    request.setAttribute(
            QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    QNetworkReply *reply = network->get(request);
    auto *deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    deadline->setTimerType(Qt::PreciseTimer); // a coarse timer may fire 5 % early
    QObject::connect(deadline, &QTimer::timeout, reply, &QNetworkReply::abort);
    deadline->start(deadlineMs);
    QObject::connect(reply, &QNetworkReply::redirected, reply, [reply, url](const QUrl &target) {
        const QUrl to = url.resolved(target);
        if (to.scheme() == url.scheme() && to.host() == url.host() && to.port() == url.port()) {
            Q_EMIT reply->redirectAllowed();
        } else {
            reply->setProperty("failure",
                    QString(QStringLiteral("no redirect to another host: ") + to.host()));
            reply->abort();
        }
    });
    // a body past the limit is a wrong answer, not something to hold in memory
    auto tooLarge = [reply, bodyLimit] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (reply->bytesAvailable() > bodyLimit || length.toLongLong() > bodyLimit) {
            reply->setProperty(
                    "failure", QStringLiteral("the answer is larger than %1 bytes").arg(bodyLimit));
            reply->abort();
        }
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, tooLarge);
    QObject::connect(reply, &QNetworkReply::readyRead, reply, tooLarge);
    QObject::connect(reply, &QNetworkReply::finished, context, [reply, bodyLimit, done] {
        reply->deleteLater();
        FetchedDocument document;
        document.failure = reply->property("failure").toString();
        if (document.failure.isEmpty() && reply->error() != QNetworkReply::NoError)
            document.failure = reply->errorString();
        if (document.failure.isEmpty())
            document.body = reply->read(bodyLimit);
        done(document);
    });
}
