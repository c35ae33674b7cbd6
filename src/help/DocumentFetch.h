// One GET of a small document over HTTP(S), in a module of its own (penwick_fetch) that the
// update check opens when it first asks: the networking library and its security libraries are
// then loaded after the window shows, not with every start.
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <functional>

class QObject;

namespace penwick::help {

// The body, or why there is none (failure is empty when the body came whole).
struct FetchedDocument
{
    QByteArray body;
    QString failure;
};

// Asks for url once, in the thread of context; done follows once in every case, unless context
// is destroyed first. The request ends at deadlineMs; a body past bodyLimit is not read, and a
// redirect is followed only to the same scheme, host and port.
using FetchDocument = void (*)(QObject *context, const QUrl &url, qint64 bodyLimit, int deadlineMs,
        const std::function<void(const FetchedDocument &)> &done);

// The name the module exports its FetchDocument by.
inline constexpr char fetchDocumentSymbol[] = "penwickFetchDocument";
// The version of this interface (see platform/Modules.h); raised when it changes.
inline constexpr int fetchDocumentVersion = 1;

} // namespace penwick::help
