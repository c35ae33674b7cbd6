#include "Manual.h"

#include <QCoreApplication>

namespace penwick::help {

namespace {

const char *const paragraphs[] = {
    QT_TRANSLATE_NOOP("Manual", "Penwick Help"),
    QT_TRANSLATE_NOOP("Manual", "Summary"),
    QT_TRANSLATE_NOOP("Manual",
            "A diary with auto-save function. Click the calendar to jump. You can also search "
            "through diary."),
    QT_TRANSLATE_NOOP("Manual", "Writing diary and save functions"),
    QT_TRANSLATE_NOOP("Manual",
            "On startup, the calendar, left, points today. Calendar and the diary space, right, "
            "synchronizes automatically. So you can start writing right away. If you click on "
            "the other date, you can jump to that date's diary."),
    QT_TRANSLATE_NOOP(
            "Manual", "When you write text on the diary space, it will be automatically saved."),
    QT_TRANSLATE_NOOP("Manual", "Coming from another diary"),
    QT_TRANSLATE_NOOP("Manual",
            "File > Import from Another Diary… reads a jrnl file (text or JSON), a Day One export "
            "(.zip or .json), a RedNotebook folder or a folder of daily notes named by date "
            "(choose any of its files). Penwick says how many days it brings in before anything "
            "changes; text already on a day stays, and the imported text is added below it. "
            "Each imported day keeps its earlier text in Edit > History of This Day."),
    QT_TRANSLATE_NOOP("Manual", "Taking the diary out"),
    QT_TRANSLATE_NOOP("Manual",
            "File > Export… writes the whole diary, the month or the year shown, a range of dates "
            "or the days the search found: as plain text, as Markdown (one file, or a folder of "
            "daily notes named by date), as an HTML page, as a PDF or as jrnl's JSON. File > "
            "Print… prints the same pages as the PDF, and File > Print Preview… shows them first. "
            "Penwick reads its daily notes and its JSON back with File > Import from Another "
            "Diary."),
    QT_TRANSLATE_NOOP("Manual", "One diary on several machines"),
    QT_TRANSLATE_NOOP("Manual",
            "Keep the diary in a folder that your sync tool (Syncthing, Nextcloud, Dropbox) "
            "shares. When two machines changed it between two syncs, Penwick merges the "
            "conflict copy the tool leaves, day by day: a day only one machine changed takes "
            "that change, a day both changed keeps both texts, one below the other, and the "
            "text that leaves a day goes into its history. The copy then goes into the Backups "
            "folder."),
    QT_TRANSLATE_NOOP("Manual", "Searches"),
    QT_TRANSLATE_NOOP("Manual",
            "When you write a single keyword inside the search box, left below, and hit return/ "
            "enter key, the app will display the list of the dates which includes the keyword."),
    QT_TRANSLATE_NOOP("Manual",
            "Several words find the days that hold all of them. Put \"a phrase\" in quotes to "
            "find it as it stands, write -word to leave out the days that hold it, and #tag to "
            "find the days with that tag."),
    QT_TRANSLATE_NOOP("Manual",
            "Clicking on the list of search results will show you the diary of that date."),
    QT_TRANSLATE_NOOP("Manual", "Clicking on x in the search box will delete the list."),
    QT_TRANSLATE_NOOP("Manual", "Tags"),
    QT_TRANSLATE_NOOP("Manual",
            "A word that starts with # is a tag, such as #garden or #travel. Typing # offers the "
            "tags you have used, most used first. View > Tags lists every tag with the number of "
            "days that hold it; choose one to search for it."),
    QT_TRANSLATE_NOOP("Manual", "The year at a glance"),
    QT_TRANSLATE_NOOP("Manual",
            "View > Year Overview… shows every day of a year as a square, coloured by the words "
            "you wrote that day, with the days written, the words, your longest and current "
            "streak, the words of each month and the tags of the year. Click a day or press "
            "Return to open it."),
    QT_TRANSLATE_NOOP("Manual", "A private diary"),
    QT_TRANSLATE_NOOP("Manual",
            "File > Protect with a Passphrase… encrypts the diary, its history and its backups. "
            "Penwick then shows a recovery key once: keep it apart from the computer, since "
            "either the passphrase or the recovery key opens the diary, and nothing else does. "
            "Penwick locks the diary after the time chosen in File > Lock After, when the "
            "desktop locks, and with File > Lock Now; everything typed is stored first. What "
            "you export or print is not encrypted."),
};

} // namespace

QList<ManualParagraph> manual(const std::function<QString(const char *english)> &translate)
{
    QList<ManualParagraph> styled;
    for (const char *english : paragraphs) {
        const QString text
                = translate ? translate(english) : QCoreApplication::translate("Manual", english);
        if (styled.isEmpty()) {
            styled.append({ text, true, 14 });
            continue;
        }
        const bool body = text.endsWith(QLatin1Char('.')) || text.endsWith(QChar(0x3002));
        styled.append({ text, !body, 12 });
    }
    return styled;
}

} // namespace penwick::help
