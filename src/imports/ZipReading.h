// Zip archives (Day One's exports) read through libzip, in a module of its own (penwick_zip)
// opened by the first archive read: libzip brings the system's cryptography library along,
// whose loading would cost every start several milliseconds. The limits and the messages are
// the caller's; this is the library alone.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <functional>

namespace penwick::imports {

// What reading an archive hands to its reader, member by member. The callbacks may throw: the
// archive is closed on the way out.
struct ZipReader
{
    // The number of members, told before any is read.
    std::function<void(qint64 members)> counted;
    // Whether the member of this name is read.
    std::function<bool(const QString &name)> wanted;
    // The next piece of the wanted member, inflated; an empty piece ends it.
    std::function<void(QByteArrayView piece)> read;
};

// Why an archive could not be read: libzip's reason, and the member it failed on (empty when
// the archive itself could not be opened). No reason: the archive was read through.
struct ZipFailure
{
    QString member;
    QString reason;
};

// Reads the archive at path into reader.
using ReadZip = ZipFailure (*)(const QString &path, const ZipReader &reader);

// The name the module exports its ReadZip by.
inline constexpr char readZipSymbol[] = "penwickReadZip";
// The version of this interface (see platform/Modules.h); raised when it changes.
inline constexpr int readZipVersion = 1;

} // namespace penwick::imports
