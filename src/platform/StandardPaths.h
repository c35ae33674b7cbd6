// The per-user folders the application keeps its files in.
#pragma once

#include <QString>

namespace penwick::paths {

// The per-user application-support folder: ~/Library/Application Support on macOS,
// $XDG_DATA_HOME (or ~/.local/share) on Linux.
QString applicationSupport();

} // namespace penwick::paths
