// Pages printed through the system's print dialog. Qt Print Support lives in a module of its
// own (penwick_print), opened when the user first prints, so that it does not load with every
// start.
#pragma once

#include <functional>

class QPagedPaintDevice;
class QString;
class QTextDocument;
class QWidget;

// Asks where to print, under dialogTitle over parent, and prints page there as name; false
// when the user cancels.
using PrintPage = bool (*)(
        QTextDocument *page, const QString &name, const QString &dialogTitle, QWidget *parent);

// The name the module exports its PrintPage by.
inline constexpr char printPageSymbol[] = "penwickPrintPage";
// The version of this interface (see platform/Modules.h); raised when it changes.
inline constexpr int printPageVersion = 2;

// Puts pages on the printer the user sets up: asks where to print, or with preview shows them
// in a print preview first, under dialogTitle over parent, and has paint put them on the printer
// (its paper and margins set the way paint sets them). paint returns false when the user
// cancelled it; then nothing is printed. False when the user cancels.
using PaintPages = std::function<bool(QPagedPaintDevice *printer)>;
using PrintPages = bool (*)(const PaintPages &paint, const QString &name,
        const QString &dialogTitle, bool preview, QWidget *parent);

inline constexpr char printPagesSymbol[] = "penwickPrintPages";
