#include "Log.h"

Q_LOGGING_CATEGORY(lcPenwick, "penwick", QtInfoMsg)
