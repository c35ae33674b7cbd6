// The diagnostic log: one category for the whole application, enabled at info level.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcPenwick)
