// The module penwick_keyring: QtKeychain's jobs for Keyring.h.
#include "Keyring.h"
#include "platform/Modules.h"

#include <qt6keychain/keychain.h>

PENWICK_MODULE_VERSION(askKeyringVersion)

extern "C" Q_DECL_EXPORT void penwickAskKeyring(QObject *context, KeyringRequest request,
        const QString &account, const QString &secret, const KeyringDone &done)
{
    const QString service = QStringLiteral("Penwick");
    QKeychain::Job *job = nullptr;
    switch (request) {
    case KeyringRequest::Read:
        job = new QKeychain::ReadPasswordJob(service, context);
        break;
    case KeyringRequest::Write: {
        auto *write = new QKeychain::WritePasswordJob(service, context);
        write->setTextData(secret);
        job = write;
        break;
    }
    case KeyringRequest::Remove:
        job = new QKeychain::DeletePasswordJob(service, context);
        break;
    }
    job->setKey(account);
    QObject::connect(job, &QKeychain::Job::finished, context, [done](QKeychain::Job *finished) {
        const auto *read = qobject_cast<QKeychain::ReadPasswordJob *>(finished);
        done(finished->error() == QKeychain::NoError, read ? read->textData() : QString(),
                finished->errorString());
    });
    job->start();
}
