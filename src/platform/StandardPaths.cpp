#include "StandardPaths.h"

#include <QDir>
#include <QStandardPaths>

namespace penwick::paths {

QString applicationSupport()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString home()
{
    return QDir::homePath();
}

} // namespace penwick::paths
