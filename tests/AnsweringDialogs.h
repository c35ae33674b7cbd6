// The dialogs the window tests answer live with the rest of their fixture.
#pragma once

#include "WindowTest.h"
