#include "StandardPaths.h"

#include <QStandardPaths>

namespace penwick::paths {

QString applicationSupport()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

} // namespace penwick::paths
