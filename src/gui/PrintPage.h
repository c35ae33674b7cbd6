// A page printed through the system's print dialog. Qt Print Support lives in a module of its
// own (penwick_print), opened when the user first prints, so that it does not load with every
// start.
#pragma once

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
inline constexpr int printPageVersion = 1;
