// Internal: the reader of the binary "bplist00" form.
#pragma once

#include "Plist.h"

namespace penwick::plist::detail {
ReadResult readBinary(QByteArrayView bytes);
}
