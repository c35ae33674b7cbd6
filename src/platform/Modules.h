// Penwick's own modules: parts with heavy libraries (the network, printing, spelling, zip
// archives, YAML) built as shared objects of their own and opened when first used, so that
// their libraries do not load with every start. Each module links its libraries as any program
// does, so the system's packaging sees what it needs. A module is looked for in
// PENWICK_MODULE_DIR when set, beside the executable (a build tree, a macOS bundle's MacOS
// folder), in its PlugIns folder, then where it is installed.
//
// A module states the version of the interface it was built with (PENWICK_MODULE_VERSION), and
// one of another version, left behind by an older or newer Penwick, is refused before anything
// of it is called: the next place is tried, and when none holds a fitting module it is reported
// as missing.
#pragma once

#include <QFunctionPointer>
#include <QString>
#include <QtGlobal>

namespace penwick {

// The function symbol of module name ("penwick_fetch") built with interface version; null,
// with the reason in error, when no such module is found.
QFunctionPointer moduleFunction(
        const QString &name, const char *symbol, int version, QString *error);

} // namespace penwick

// In each module's source: the version of the interface it implements.
#define PENWICK_MODULE_VERSION(version)                                                            \
    extern "C" Q_DECL_EXPORT int penwickModuleVersion()                                            \
    {                                                                                              \
        return version;                                                                            \
    }
