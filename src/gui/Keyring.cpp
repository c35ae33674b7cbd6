#include "Keyring.h"

#include "platform/Modules.h"

#include <QCoreApplication>

void askKeyring(QObject *context, KeyringRequest request, const QString &account,
        const QString &secret, const KeyringDone &done)
{
    QString failure;
    static const auto ask = reinterpret_cast<AskKeyring>(penwick::moduleFunction(
            QStringLiteral("penwick_keyring"), askKeyringSymbol, askKeyringVersion, &failure));
    if (!ask) {
        done(false, {},
                QCoreApplication::translate("Keyring",
                        "Penwick cannot reach the keyring: its "
                        "keyring module is missing (%1).")
                        .arg(failure));
        return;
    }
    ask(context, request, account, secret, done);
}
