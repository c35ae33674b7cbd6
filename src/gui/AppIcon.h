// Penwick's icon, drawn in code so that it is sharp at every size without image plugins: a
// bound notebook with ruled lines and a bookmark in the calendar's highlight colour. The same
// picture is packaging/linux/com.hollyfen.penwick.svg.
#pragma once

#include <QIcon>

QIcon penwickIcon();
