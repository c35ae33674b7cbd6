// Penwick's own modules: parts with heavy libraries (the network, printing) built as shared
// objects of their own and opened when first used, so that their libraries do not load with
// every start. A module is looked for in PENWICK_MODULE_DIR when set, beside the executable (a
// build tree, a macOS bundle's MacOS folder), in its PlugIns folder, then where it is installed.
#pragma once

#include <QFunctionPointer>
#include <QString>

namespace penwick {

// The function symbol of module name ("penwick_fetch"); null, with the loader's reason in
// error, when there is none.
QFunctionPointer moduleFunction(const QString &name, const char *symbol, QString *error);

} // namespace penwick
