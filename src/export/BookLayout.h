// The page layout of a diary as a book, shared by the PDF export and printing: a title page
// with the range, each month under its name (on a new page when the options say so), each day
// under its date, the text in the user's font with its line breaks, and the page number at the
// foot of every page after the title. Lines are laid out one paragraph at a time and pages
// painted as they fill, so fifty years take no more memory than a page, and progress and
// cancelling work day by day.
#pragma once

#include "export/ExportFormat.h"

#include <QPageSize>

class QPagedPaintDevice;

namespace penwick::exports {

// The paper of the locale: Letter where it is the custom (the United States, Canada, Mexico
// and a few more), A4 elsewhere.
QPageSize::PageSizeId paperFor(const QLocale &locale);

// Paints days on device, which has its page size set (the margins are the book's); its first page
// becomes the title page. False, with nothing more painted, once progress says the user
// cancelled, or when the device cannot be painted on (error then says why).
bool paintBook(QPagedPaintDevice &device, const QList<DiaryEntry> &days,
        const ExportOptions &options, ExportProgress *progress, QString *error = nullptr);

} // namespace penwick::exports
