#include "Modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace penwick {

QFunctionPointer moduleFunction(
        const QString &name, const char *symbol, int version, QString *error)
{
    const QString app = QCoreApplication::applicationDirPath();
    QStringList folders { app, app + QStringLiteral("/../PlugIns"),
        app + QStringLiteral("/" PENWICK_MODULE_DIR) };
    const QString chosen = qEnvironmentVariable("PENWICK_MODULE_DIR");
    if (!chosen.isEmpty())
        folders.prepend(chosen);
    QString refused;
    for (const QString &folder : std::as_const(folders)) {
        QLibrary module(QDir(folder).filePath(name));
        using Version = int (*)();
        const auto builtWith = reinterpret_cast<Version>(module.resolve("penwickModuleVersion"));
        if (!builtWith) {
            if (refused.isEmpty())
                *error = module.errorString();
            continue;
        }
        if (const int found = builtWith(); found != version) {
            refused = QCoreApplication::translate(
                    "Modules", "%1 is of version %2, and this Penwick needs version %3")
                              .arg(QDir::toNativeSeparators(module.fileName()))
                              .arg(found)
                              .arg(version);
            *error = refused;
            module.unload();
            continue;
        }
        if (const QFunctionPointer found = module.resolve(symbol))
            return found; // the module stays loaded: a QLibrary unloads only when told
        *error = module.errorString();
    }
    return nullptr;
}

} // namespace penwick
