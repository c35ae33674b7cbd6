#include "Modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace penwick {

QFunctionPointer moduleFunction(const QString &name, const char *symbol, QString *error)
{
    const QString app = QCoreApplication::applicationDirPath();
    QStringList folders { app, app + QStringLiteral("/../PlugIns"),
        app + QStringLiteral("/" PENWICK_MODULE_DIR) };
    const QString chosen = qEnvironmentVariable("PENWICK_MODULE_DIR");
    if (!chosen.isEmpty())
        folders.prepend(chosen);
    for (const QString &folder : std::as_const(folders)) {
        QLibrary module(QDir(folder).filePath(name));
        if (const QFunctionPointer found = module.resolve(symbol))
            return found; // the module stays loaded: a QLibrary unloads only when told
        *error = module.errorString();
    }
    return nullptr;
}

} // namespace penwick
