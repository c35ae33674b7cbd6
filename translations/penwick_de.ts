<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AtomicFile</name>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>The diary %1 could not be backed up: %2</source>
        <translation>Das Tagebuch %1 konnte nicht gesichert werden: %2</translation>
    </message>
    <message>
        <source>Backups of your diary have stopped: the folder %1 would take more than a tenth of the free space on its disk.</source>
        <translation>Die Sicherungen Ihres Tagebuchs wurden angehalten: Der Ordner %1 würde mehr als ein Zehntel des freien Speichers auf seinem Datenträger belegen.</translation>
    </message>
    <message>
        <source>it is missing.</source>
        <translation>die Datei fehlt.</translation>
    </message>
    <message>
        <source>Backups of your diary have stopped: %1 is a link, or no folder of yours; it is left as it is.</source>
        <translation>Die Sicherungen Ihres Tagebuchs sind angehalten: %1 ist eine Verknüpfung oder kein Ordner von Ihnen; er bleibt, wie er ist.</translation>
    </message>
    <message>
        <source>%1 is a link.</source>
        <translation>%1 ist eine Verknüpfung.</translation>
    </message>
    <message>
        <source>Backups of your diary have stopped: the folder %1 cannot be created.</source>
        <translation>Die Sicherungen Ihres Tagebuchs sind angehalten: Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>Su</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>We</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>Sa</translation>
    </message>
</context>
<context>
    <name>CalendarModel</name>
    <message>
        <source>has an entry</source>
        <translation>hat einen Eintrag</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>ausgewählt</translation>
    </message>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
</context>
<context>
    <name>CalendarWidget</name>
    <message>
        <source>Previous Month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Back to Today</source>
        <translation>Zurück zu heute</translation>
    </message>
    <message>
        <source>Displayed month; click to go back to today</source>
        <translation>Angezeigter Monat; klicken, um zu heute zurückzukehren</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Go to Date</source>
        <translation>Gehe zu Datum</translation>
    </message>
    <message>
        <source>&amp;Date (for example %1 or %2):</source>
        <translation>&amp;Datum (zum Beispiel %1 oder %2):</translation>
    </message>
    <message>
        <source>“%1” is no date Penwick can read; type it as %2 or as %3.</source>
        <translation>„%1“ ist kein Datum, das Penwick lesen kann; geben Sie es als %2 oder als %3 ein.</translation>
    </message>
</context>
<context>
    <name>ConflictCopy</name>
    <message>
        <source>%1 is a link, not a copy a sync engine left; it is left as it is.</source>
        <translation>%1 ist eine Verknüpfung, keine Kopie, die ein Synchronisationsprogramm hinterlassen hat; sie bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>%1 belongs to another user, so it is no copy a sync engine left for you; it is left as it is.</source>
        <translation>%1 gehört einem anderen Benutzer und ist daher keine Kopie, die ein Synchronisationsprogramm für Sie hinterlassen hat; sie bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>The conflict copy %1 cannot be read or is too large; it is left as it is.</source>
        <translation>Die Konfliktkopie %1 kann nicht gelesen werden oder ist zu groß; sie bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>The conflict copy %1 is not a diary Penwick can read; it is left as it is.</source>
        <translation>Die Konfliktkopie %1 ist kein Tagebuch, das Penwick lesen kann; sie bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>The conflict copy %1 is merged but could not be moved into %2, which is a link or no folder of yours; it stays where it is.</source>
        <translation>Die Konfliktkopie %1 ist zusammengeführt, konnte aber nicht nach %2 verschoben werden, das eine Verknüpfung oder kein Ordner von Ihnen ist; sie bleibt, wo sie ist.</translation>
    </message>
    <message>
        <source>The conflict copy %1 is merged but could not be moved into %2.</source>
        <translation>Die Konfliktkopie %1 ist zusammengeführt, konnte aber nicht nach %2 verschoben werden.</translation>
    </message>
    <message>
        <source>The conflict copy %1 is protected by another passphrase, or was changed or damaged; it is left as it is.</source>
        <translation>Die Konfliktkopie %1 ist mit einer anderen Passphrase geschützt oder wurde verändert oder beschädigt; sie bleibt, wie sie ist.</translation>
    </message>
</context>
<context>
    <name>ConflictCopyBar</name>
    <message>
        <source>Merged copies</source>
        <translation>Zusammengeführte Kopien</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Show &amp;History</source>
        <translation>&amp;Verlauf zeigen</translation>
    </message>
    <message>
        <source>%1: both texts are kept in the day</source>
        <translation>%1: Beide Texte stehen im Tag</translation>
    </message>
    <message>
        <source>%1: the copy&apos;s text, the diary&apos;s is in the day&apos;s history</source>
        <translation>%1: der Text der Kopie, der des Tagebuchs steht im Verlauf des Tages</translation>
    </message>
    <message>
        <source>%1: the other text, yours is in the day&apos;s history</source>
        <translation>%1: der andere Text, Ihrer steht im Verlauf des Tages</translation>
    </message>
    <message>
        <source>%1: the diary&apos;s text, the copy&apos;s is in the day&apos;s history</source>
        <translation>%1: der Text des Tagebuchs, der der Kopie steht im Verlauf des Tages</translation>
    </message>
    <message>
        <source>%1: the other program&apos;s text, yours is in the day&apos;s history</source>
        <translation>%1: der Text des anderen Programms, Ihrer steht im Verlauf des Tages</translation>
    </message>
    <message>
        <source>and 1 more</source>
        <translation>und 1 weiterer</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Merged %1, a copy another machine left: 1 day came from it.</source>
        <translation>%1 zusammengeführt, eine Kopie, die ein anderer Rechner hinterlassen hat: 1 Tag kam daraus.</translation>
    </message>
    <message>
        <source>Merged %1, a copy another machine left: %2 days came from it.</source>
        <translation>%1 zusammengeführt, eine Kopie, die ein anderer Rechner hinterlassen hat: %2 Tage kamen daraus.</translation>
    </message>
    <message>
        <source>Another program changed a day you wrote in.</source>
        <translation>Ein anderes Programm hat einen Tag geändert, in dem Sie geschrieben haben.</translation>
    </message>
    <message>
        <source>Another program changed %1 days you wrote in.</source>
        <translation>Ein anderes Programm hat %1 Tage geändert, in denen Sie geschrieben haben.</translation>
    </message>
    <message>
        <source>Another program changed a day you typed in before Penwick last stopped.</source>
        <translation>Ein anderes Programm hat einen Tag geändert, in dem Sie geschrieben hatten, bevor Penwick zuletzt beendet wurde.</translation>
    </message>
    <message>
        <source>Another program changed %1 days you typed in before Penwick last stopped.</source>
        <translation>Ein anderes Programm hat %1 Tage geändert, in denen Sie geschrieben hatten, bevor Penwick zuletzt beendet wurde.</translation>
    </message>
    <message>
        <source>The open day&apos;s text changed.</source>
        <translation>Der Text des geöffneten Tages hat sich geändert.</translation>
    </message>
</context>
<context>
    <name>DayPage</name>
    <message>
        <source>%1 words</source>
        <translation>%1 Wörter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>A&amp;lles auswählen</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Print Day…</source>
        <translation>Tag &amp;drucken…</translation>
    </message>
    <message>
        <source>1 word</source>
        <translation>1 Wort</translation>
    </message>
    <message>
        <source>Print Day</source>
        <translation>Tag drucken</translation>
    </message>
    <message>
        <source>Penwick cannot print here: its printing module is missing (%1).</source>
        <translation>Penwick kann hier nicht drucken: sein Druckmodul fehlt (%1).</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Weiters&amp;uchen</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Rückwär&amp;ts suchen</translation>
    </message>
</context>
<context>
    <name>Decrypt</name>
    <message>
        <source>Usage: penwick --decrypt FILE [--recovery-key] &gt; clear.plist</source>
        <translation>Aufruf: penwick --decrypt FILE [--recovery-key] &gt; clear.plist</translation>
    </message>
    <message>
        <source>%1 is not a protected diary: it is not encrypted.</source>
        <translation>%1 ist kein geschütztes Tagebuch: Die Datei ist nicht verschlüsselt.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Recovery key: </source>
        <translation>Wiederherstellungsschlüssel: </translation>
    </message>
    <message>
        <source>Passphrase: </source>
        <translation>Passphrase: </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>What is written out is not encrypted: keep it safe, or remove it when you are done.</source>
        <translation>Die Ausgabe ist nicht verschlüsselt: Bewahren Sie sie sicher auf oder löschen Sie sie, wenn Sie fertig sind.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Some changes are not saved</source>
        <translation>Einige Änderungen sind nicht gespeichert</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Save a Copy As…</source>
        <translation>Kopie speichern unter…</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Beenden ohne zu speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>DiaryExport</name>
    <message>
        <source>Plain text</source>
        <translation>Reiner Text</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Markdown, one file</source>
        <translation>Markdown, eine Datei</translation>
    </message>
    <message>
        <source>Markdown files (*.md)</source>
        <translation>Markdown-Dateien (*.md)</translation>
    </message>
    <message>
        <source>Markdown daily notes, a folder</source>
        <translation>Markdown-Tagesnotizen, ein Ordner</translation>
    </message>
    <message>
        <source>Folders (*)</source>
        <translation>Ordner (*)</translation>
    </message>
    <message>
        <source>HTML page</source>
        <translation>HTML-Seite</translation>
    </message>
    <message>
        <source>HTML files (*.html)</source>
        <translation>HTML-Dateien (*.html)</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>JSON, as jrnl exports it</source>
        <translation>JSON, wie jrnl es exportiert</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON-Dateien (*.json)</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>The whole diary</source>
        <translation>Das ganze Tagebuch</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Erster Tag</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Letzter Tag</translation>
    </message>
    <message>
        <source>%1 or yyyy-MM-dd</source>
        <translation>%1 oder yyyy-MM-dd</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>Leave out empty days</source>
        <translation>Leere Tage auslassen</translation>
    </message>
    <message>
        <source>Start each month on a new page</source>
        <translation>Jeden Monat auf einer neuen Seite beginnen</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Fortschritt des Exports</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Druck&amp;vorschau…</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Preview…</source>
        <translation>Vorschau…</translation>
    </message>
    <message>
        <source>This month (%1)</source>
        <translation>Dieser Monat (%1)</translation>
    </message>
    <message>
        <source>This year (%1)</source>
        <translation>Dieses Jahr (%1)</translation>
    </message>
    <message numerus="yes">
        <source>The days the search found (%n)</source>
        <translation>
            <numerusform>Der Tag, den die Suche fand (%n)</numerusform>
            <numerusform>Die Tage, die die Suche fand (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” is no date Penwick can read; type it as %2 or as yyyy-MM-dd.</source>
        <translation>„%1“ ist kein Datum, das Penwick lesen kann; geben Sie es als %2 oder als yyyy-MM-dd ein.</translation>
    </message>
    <message>
        <source>The first day, %1, comes after the last, %2.</source>
        <translation>Der erste Tag, %1, liegt nach dem letzten, %2.</translation>
    </message>
    <message>
        <source>The export was cancelled; nothing was written.</source>
        <translation>Der Export wurde abgebrochen; nichts wurde geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n days to %1.</source>
        <translation>
            <numerusform>%n Tag nach %1 exportiert.</numerusform>
            <numerusform>%n Tage nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Penwick cannot print here: its printing module is missing (%1).</source>
        <translation>Penwick kann hier nicht drucken: sein Druckmodul fehlt (%1).</translation>
    </message>
    <message>
        <source>Diary</source>
        <translation>Tagebuch</translation>
    </message>
    <message>
        <source>Laying out the pages…</source>
        <translation>Die Seiten werden gesetzt…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportieren…</translation>
    </message>
    <message>
        <source>Prin&amp;t…</source>
        <translation>Tage drucke&amp;n…</translation>
    </message>
    <message>
        <source>What you export is not encrypted.</source>
        <translation>Was Sie exportieren, ist nicht verschlüsselt.</translation>
    </message>
    <message>
        <source>What you print is not encrypted.</source>
        <translation>Was Sie drucken, ist nicht verschlüsselt.</translation>
    </message>
    <message>
        <source>Your diary is protected by a passphrase, but anyone who gets at the file or the pages can read them.</source>
        <translation>Ihr Tagebuch ist mit einer Passphrase geschützt, aber wer an die Datei oder die Seiten gelangt, kann sie lesen.</translation>
    </message>
    <message>
        <source>C&amp;ontinue</source>
        <translation>&amp;Fortfahren</translation>
    </message>
</context>
<context>
    <name>DiaryImport</name>
    <message>
        <source>&amp;Import from Another Diary…</source>
        <translation>Aus anderem Tagebuch &amp;importieren …</translation>
    </message>
    <message>
        <source>jrnl, RedNotebook, Day One, or a folder of daily notes (choose any of its files)</source>
        <translation>jrnl, RedNotebook, Day One oder ein Ordner mit Tagesnotizen (eine beliebige Datei darin wählen)</translation>
    </message>
    <message>
        <source>Import from Another Diary</source>
        <translation>Aus anderem Tagebuch importieren</translation>
    </message>
    <message>
        <source>Imported 1 day from %1.</source>
        <translation>1 Tag aus %1 importiert.</translation>
    </message>
    <message>
        <source>Imported %1 days from %2.</source>
        <translation>%1 Tage aus %2 importiert.</translation>
    </message>
    <message>
        <source>Diaries (*.txt *.json *.zip *.md)</source>
        <translation>Tagebücher (*.txt *.json *.zip *.md)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Penwick imports a jrnl file (text or JSON), a Day One export (.zip or .json), a RedNotebook data folder and a folder of daily notes (2026-03-15.md). For a folder, choose any of its files.</source>
        <translation>Penwick importiert eine jrnl-Datei (Text oder JSON), einen Day-One-Export (.zip oder .json), einen RedNotebook-Datenordner und einen Ordner mit Tagesnotizen (2026-03-15.md). Für einen Ordner wählen Sie eine beliebige Datei darin.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
</context>
<context>
    <name>DiaryLock</name>
    <message>
        <source>Prote&amp;ct with a Passphrase…</source>
        <translation>Mit Passphrase s&amp;chützen…</translation>
    </message>
    <message>
        <source>C&amp;hange Passphrase…</source>
        <translation>Passp&amp;hrase ändern…</translation>
    </message>
    <message>
        <source>Remove Protectio&amp;n…</source>
        <translation>Schutz a&amp;ufheben…</translation>
    </message>
    <message>
        <source>&amp;Lock Now</source>
        <translation>&amp;Jetzt sperren</translation>
    </message>
    <message>
        <source>Lock &amp;After</source>
        <translation>Sperren n&amp;ach</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Aus</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) without use</source>
        <translation>
            <numerusform>%n Minute ohne Nutzung</numerusform>
            <numerusform>%n Minuten ohne Nutzung</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep Passphrase in &amp;Keyring</source>
        <translation>&amp;Passphrase im Schlüsselbund speichern</translation>
    </message>
    <message>
        <source>Penwick — Locked</source>
        <translation>Penwick — Gesperrt</translation>
    </message>
    <message>
        <source>%1 After %2 wrong tries, the next one waits %3 seconds.</source>
        <translation>%1 Nach %2 Fehlversuchen ist der nächste Versuch erst in %3 Sekunden möglich.</translation>
    </message>
    <message>
        <source>Your diary at %1 cannot be opened: %2 It is left as it is; its backups are in %3.</source>
        <translation>Ihr Tagebuch unter %1 kann nicht geöffnet werden: %2 Es bleibt, wie es ist; seine Sicherungen liegen in %3.</translation>
    </message>
    <message>
        <source>The keyring did not give the passphrase: %1</source>
        <translation>Der Schlüsselbund hat die Passphrase nicht herausgegeben: %1</translation>
    </message>
    <message>
        <source>The passphrase could not be kept in the keyring: %1</source>
        <translation>Die Passphrase konnte nicht im Schlüsselbund gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Penwick: the recovery key of your diary

%1</source>
        <translation>Penwick: der Wiederherstellungsschlüssel Ihres Tagebuchs

%1</translation>
    </message>
    <message>
        <source>Recovery Key</source>
        <translation>Wiederherstellungsschlüssel</translation>
    </message>
    <message>
        <source>Print the Recovery Key</source>
        <translation>Wiederherstellungsschlüssel drucken</translation>
    </message>
    <message>
        <source>Save the Recovery Key</source>
        <translation>Wiederherstellungsschlüssel speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Your diary, its history and its backups are encrypted now. Files Penwick did not make may still hold your diary in clear:</source>
        <translation>Ihr Tagebuch, sein Verlauf und seine Sicherungen sind jetzt verschlüsselt. Dateien, die nicht von Penwick stammen, können Ihr Tagebuch noch unverschlüsselt enthalten:</translation>
    </message>
    <message>
        <source>Your Diary Is Protected</source>
        <translation>Ihr Tagebuch ist geschützt</translation>
    </message>
    <message>
        <source>The passphrase is changed; the recovery key stays as it was.</source>
        <translation>Die Passphrase ist geändert; der Wiederherstellungsschlüssel bleibt, wie er war.</translation>
    </message>
    <message>
        <source>This passphrase does not open the diary.</source>
        <translation>Diese Passphrase öffnet das Tagebuch nicht.</translation>
    </message>
    <message>
        <source>Your diary is stored without encryption again.</source>
        <translation>Ihr Tagebuch wird wieder unverschlüsselt gespeichert.</translation>
    </message>
</context>
<context>
    <name>DiaryProtection</name>
    <message>
        <source>Your diary could not be rewritten, so nothing was changed: %1</source>
        <translation>Ihr Tagebuch konnte nicht neu geschrieben werden, daher wurde nichts geändert: %1</translation>
    </message>
    <message>
        <source>Your diary cannot be protected now: it cannot be read or written, or changes still wait to be stored.</source>
        <translation>Ihr Tagebuch kann jetzt nicht geschützt werden: Es kann nicht gelesen oder geschrieben werden, oder Änderungen warten noch darauf, gespeichert zu werden.</translation>
    </message>
    <message>
        <source>The key could not be made: there is not enough memory.</source>
        <translation>Der Schlüssel konnte nicht erzeugt werden: Es ist nicht genug Speicher frei.</translation>
    </message>
    <message>
        <source>The passphrase cannot be changed now: the diary cannot be written, or changes still wait to be stored.</source>
        <translation>Die Passphrase kann jetzt nicht geändert werden: Das Tagebuch kann nicht geschrieben werden, oder Änderungen warten noch darauf, gespeichert zu werden.</translation>
    </message>
    <message>
        <source>The protection cannot be removed now: the diary cannot be written, or changes still wait to be stored.</source>
        <translation>Der Schutz kann jetzt nicht aufgehoben werden: Das Tagebuch kann nicht geschrieben werden, oder Änderungen warten noch darauf, gespeichert zu werden.</translation>
    </message>
    <message>
        <source>exports you made, such as those in %1</source>
        <translation>Exporte, die Sie erstellt haben, etwa die in %1</translation>
    </message>
    <message>
        <source>the diary an earlier version kept in the preferences at %1</source>
        <translation>das Tagebuch, das eine frühere Version in den Einstellungen unter %1 führte</translation>
    </message>
    <message>
        <source>copies of the diary file you made yourself, and earlier versions that a sync engine or a backup program keeps of it</source>
        <translation>Kopien der Tagebuchdatei, die Sie selbst angelegt haben, und frühere Fassungen, die ein Synchronisations- oder Sicherungsprogramm davon aufbewahrt</translation>
    </message>
</context>
<context>
    <name>DiarySession</name>
    <message>
        <source>Written here while another program changed this day, %1</source>
        <translation>Hier geschrieben, während ein anderes Programm diesen Tag änderte, %1</translation>
    </message>
    <message>
        <source>Typed before Penwick last stopped; another program changed this day meanwhile</source>
        <translation>Geschrieben, bevor Penwick zuletzt beendet wurde; ein anderes Programm hat diesen Tag inzwischen geändert</translation>
    </message>
    <message>
        <source>Recovered after Penwick stopped</source>
        <translation>Wiederhergestellt, nachdem Penwick beendet wurde</translation>
    </message>
    <message>
        <source>Another program replaced your diary while Penwick wrote it, and its version could not be put back: it is kept as %1 and merged like a conflict copy.</source>
        <translation>Ein anderes Programm hat Ihr Tagebuch ersetzt, während Penwick es schrieb, und seine Fassung ließ sich nicht zurücklegen: Sie wird als %1 aufbewahrt und wie eine Konfliktkopie zusammengeführt.</translation>
    </message>
</context>
<context>
    <name>DiarySnapshot</name>
    <message>
        <source>it is protected by a passphrase.</source>
        <translation>die Datei ist mit einer Passphrase geschützt.</translation>
    </message>
</context>
<context>
    <name>DiaryStorage</name>
    <message>
        <source>%1 is the diary Penwick has open. Choose another file.</source>
        <translation>%1 ist das Tagebuch, das Penwick geöffnet hat. Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine gewöhnliche Datei.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>The pages could not be started.</source>
        <translation>Die Seiten konnten nicht begonnen werden.</translation>
    </message>
    <message>
        <source>Diary</source>
        <translation>Tagebuch</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not an empty folder: daily notes go into a new or empty folder, so that no note there is replaced.</source>
        <translation>%1 ist kein leerer Ordner: Tagesnotizen kommen in einen neuen oder leeren Ordner, damit keine Notiz dort ersetzt wird.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Usage: penwick --export FORMAT [--from yyyy-MM-dd] [--to yyyy-MM-dd] OUT, where FORMAT is text, markdown, notes, html, pdf or json.</source>
        <translation>Aufruf: penwick --export FORMAT [--from yyyy-MM-dd] [--to yyyy-MM-dd] OUT, wobei FORMAT text, markdown, notes, html, pdf oder json ist.</translation>
    </message>
    <message>
        <source>“%1” is no format Penwick exports: use text, markdown, notes, html, pdf or json.</source>
        <translation>„%1“ ist kein Format, in das Penwick exportiert: Verwenden Sie text, markdown, notes, html, pdf oder json.</translation>
    </message>
    <message>
        <source>%1 needs a day after it, written yyyy-MM-dd.</source>
        <translation>Nach %1 muss ein Tag folgen, geschrieben als yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>“%1” after %2 is no day: write it as yyyy-MM-dd, for example 2026-03-15.</source>
        <translation>„%1“ nach %2 ist kein Tag: Schreiben Sie ihn als yyyy-MM-dd, zum Beispiel 2026-03-15.</translation>
    </message>
    <message>
        <source>“%1” is no option of --export. %2</source>
        <translation>„%1“ ist keine Option von --export. %2</translation>
    </message>
    <message>
        <source>The day after --from, %1, comes after the day after --to, %2.</source>
        <translation>Der Tag nach --from, %1, liegt nach dem Tag nach --to, %2.</translation>
    </message>
    <message>
        <source>The diary at %1 cannot be read: %2</source>
        <translation>Das Tagebuch in %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n days to %1.</source>
        <translation>
            <numerusform>%n Tag nach %1 exportiert.</numerusform>
            <numerusform>%n Tage nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a month&apos;s name, then its year</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Penwick Help</source>
        <translation>Penwick-Hilfe</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Versions of the day</source>
        <translation>Fassungen des Tages</translation>
    </message>
    <message>
        <source>Chosen version, with its differences from the current text</source>
        <translation>Gewählte Fassung mit ihren Unterschieden zum aktuellen Text</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Diese Fassung wiederherstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Open Backups Folder</source>
        <translation>Sicherungsordner öffnen</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Verlauf von %1</translation>
    </message>
    <message>
        <source>This day has no earlier versions yet.</source>
        <translation>Dieser Tag hat noch keine früheren Fassungen.</translation>
    </message>
    <message>
        <source>No file manager could be opened. The backups are in this folder:</source>
        <translation>Es konnte kein Dateimanager geöffnet werden. Die Sicherungen liegen in diesem Ordner:</translation>
    </message>
    <message>
        <source>Backups folder</source>
        <translation>Sicherungsordner</translation>
    </message>
    <message>
        <source>&amp;History of This Day…</source>
        <translation>&amp;Verlauf dieses Tages …</translation>
    </message>
    <message>
        <source>Open &amp;Backups Folder</source>
        <translation>Sicherungs&amp;ordner öffnen</translation>
    </message>
    <message>
        <source>Underlined: only in this version. Struck through: only in the day&apos;s text now.</source>
        <translation>Unterstrichen: nur in dieser Fassung. Durchgestrichen: nur im jetzigen Text des Tages.</translation>
    </message>
    <message>
        <source>&amp;Restore This Version</source>
        <translation>Diese Fassung &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>1 character</source>
        <translation>1 Zeichen</translation>
    </message>
    <message>
        <source>%1 characters</source>
        <translation>%1 Zeichen</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>Another program is using the history of your days at %1, so earlier versions are not kept for now. Penwick keeps your diary file up to date meanwhile and takes the history up again when it can.</source>
        <translation>Ein anderes Programm benutzt den Verlauf Ihrer Tage unter %1, daher werden frühere Fassungen vorerst nicht aufbewahrt. Penwick hält Ihre Tagebuchdatei solange aktuell und nimmt den Verlauf wieder auf, sobald es geht.</translation>
    </message>
    <message>
        <source>The disk that holds the history of your days at %1 is full, so earlier versions are not kept for now. Penwick keeps your diary file up to date meanwhile.</source>
        <translation>Das Laufwerk mit dem Verlauf Ihrer Tage unter %1 ist voll, daher werden frühere Fassungen vorerst nicht aufbewahrt. Penwick hält Ihre Tagebuchdatei solange aktuell.</translation>
    </message>
    <message>
        <source>The history of your days at %1 cannot be opened or written, so earlier versions are not kept for now. Penwick keeps your diary file up to date meanwhile.</source>
        <translation>Der Verlauf Ihrer Tage unter %1 kann nicht geöffnet oder geschrieben werden, daher werden frühere Fassungen vorerst nicht aufbewahrt. Penwick hält Ihre Tagebuchdatei solange aktuell.</translation>
    </message>
    <message>
        <source>Earlier versions of your days cannot be kept now (%1). Penwick keeps your diary file up to date meanwhile.</source>
        <translation>Frühere Fassungen Ihrer Tage können jetzt nicht aufbewahrt werden (%1). Penwick hält Ihre Tagebuchdatei solange aktuell.</translation>
    </message>
    <message>
        <source>it is a link, or no file of yours, and is left as it is</source>
        <translation>es ist eine Verknüpfung oder keine Datei von Ihnen und bleibt, wie es ist</translation>
    </message>
    <message>
        <source>The history of your days at %1 was removed or replaced while Penwick ran, so a new one is started. Your diary itself is not affected.</source>
        <translation>Der Verlauf Ihrer Tage unter %1 wurde entfernt oder ersetzt, während Penwick lief; ein neuer wurde begonnen. Ihr Tagebuch selbst ist nicht betroffen.</translation>
    </message>
    <message>
        <source>Earlier versions of your days cannot be kept: the history at %1 is damaged and cannot be replaced (%2). Your diary itself is not affected.</source>
        <translation>Frühere Fassungen Ihrer Tage können nicht aufbewahrt werden: Der Verlauf unter %1 ist beschädigt und kann nicht ersetzt werden (%2). Ihr Tagebuch selbst ist nicht betroffen.</translation>
    </message>
    <message>
        <source>The history of your days at %1 was damaged, so it was put aside as %2 and a new one started. Your diary itself is not affected.</source>
        <translation>Der Verlauf Ihrer Tage unter %1 war beschädigt; er wurde als %2 beiseitegelegt und ein neuer begonnen. Ihr Tagebuch selbst ist nicht betroffen.</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Wiederhergestellt</translation>
    </message>
    <message>
        <source>Changed by another program</source>
        <translation>Von einem anderen Programm geändert</translation>
    </message>
    <message>
        <source>Merged from another copy</source>
        <translation>Aus einer anderen Kopie zusammengeführt</translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>Importiert</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>%1 holds the date %2, which is not a valid day in the years 1 to 9999.</source>
        <translation>%1 enthält das Datum %2, das kein gültiger Tag in den Jahren 1 bis 9999 ist.</translation>
    </message>
    <message>
        <source>%1 holds an entry that is not in the form Penwick expects.</source>
        <translation>%1 enthält einen Eintrag, der nicht die Form hat, die Penwick erwartet.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, more than Penwick imports from one file.</source>
        <translation>%1 ist größer als %2 MiB, mehr als Penwick aus einer Datei importiert.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 files, more than Penwick imports at once.</source>
        <translation>%1 enthält mehr als %2 Dateien, mehr als Penwick auf einmal importiert.</translation>
    </message>
    <message>
        <source>%1 is not a diary Penwick can import.</source>
        <translation>%1 ist kein Tagebuch, das Penwick importieren kann.</translation>
    </message>
    <message>
        <source>%1 uses YAML aliases, which Penwick does not read.</source>
        <translation>%1 verwendet YAML-Aliasse, die Penwick nicht liest.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 YAML nodes, more than Penwick reads.</source>
        <translation>%1 enthält mehr als %2 YAML-Knoten, mehr als Penwick liest.</translation>
    </message>
    <message>
        <source>daily notes</source>
        <translation>Tagesnotizen</translation>
    </message>
    <message>
        <source>%1 holds no entries to import.</source>
        <translation>%1 enthält keine Einträge zum Importieren.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 MiB of text for %3, more than Penwick keeps for one day.</source>
        <translation>%1 enthält für den %3 mehr als %2 MiB Text, mehr als Penwick für einen Tag aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 MiB in total, more than Penwick imports at once.</source>
        <translation>%1 enthält insgesamt mehr als %2 MiB, mehr als Penwick auf einmal importiert.</translation>
    </message>
    <message>
        <source>%1 is not valid UTF-8 text.</source>
        <translation>%1 ist kein gültiger UTF-8-Text.</translation>
    </message>
    <message>
        <source>%1 holds the time %2, which is not a valid time of day.</source>
        <translation>%1 enthält die Uhrzeit %2, die keine gültige Tageszeit ist.</translation>
    </message>
    <message>
        <source>%1 is nested deeper than %2 levels, more than Penwick reads.</source>
        <translation>%1 ist tiefer als %2 Ebenen verschachtelt, tiefer als Penwick liest.</translation>
    </message>
    <message>
        <source>Handed to the running Penwick, which imports it now.</source>
        <translation>An das laufende Penwick übergeben, das jetzt importiert.</translation>
    </message>
    <message>
        <source>Imported %1 days from %2.</source>
        <translation>%1 Tage aus %2 importiert.</translation>
    </message>
    <message>
        <source>There is no diary file at %1 to import into.</source>
        <translation>Unter %1 gibt es keine Tagebuchdatei, in die importiert werden kann.</translation>
    </message>
    <message>
        <source>Every day from %1 is here already: nothing to import.</source>
        <translation>Jeder Tag aus %1 ist schon hier: nichts zu importieren.</translation>
    </message>
    <message>
        <source>Import 1 day from %1?</source>
        <translation>1 Tag aus %1 importieren?</translation>
    </message>
    <message>
        <source>Import %1 days from %2?</source>
        <translation>%1 Tage aus %2 importieren?</translation>
    </message>
    <message>
        <source>1 of them already has text here; the imported text will be added below it.</source>
        <translation>1 davon hat hier schon Text; der importierte Text wird darunter angefügt.</translation>
    </message>
    <message>
        <source>%1 of them already have text here; the imported text will be added below it.</source>
        <translation>%1 davon haben hier schon Text; der importierte Text wird darunter angefügt.</translation>
    </message>
    <message>
        <source>%1 photos, recordings and other attachments are left out.</source>
        <translation>%1 Fotos, Aufnahmen und andere Anhänge werden ausgelassen.</translation>
    </message>
    <message>
        <source>Imported 1 day from %1.</source>
        <translation>1 Tag aus %1 importiert.</translation>
    </message>
    <message>
        <source>Penwick cannot read %1 here: its YAML module is missing (%2).</source>
        <translation>Penwick kann %1 hier nicht lesen: Sein YAML-Modul fehlt (%2).</translation>
    </message>
    <message>
        <source>Penwick cannot read %1 here: its zip module is missing (%2).</source>
        <translation>Penwick kann %1 hier nicht lesen: Sein ZIP-Modul fehlt (%2).</translation>
    </message>
    <message>
        <source>Nothing was imported: your latest changes are not stored yet. %1</source>
        <translation>Nichts wurde importiert: Ihre letzten Änderungen sind noch nicht gespeichert. %1</translation>
    </message>
    <message>
        <source>The diary could not be written.</source>
        <translation>Das Tagebuch konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Your diary is protected by a passphrase: start Penwick, unlock the diary, and import from File &gt; Import from Another Diary…</source>
        <translation>Ihr Tagebuch ist mit einer Passphrase geschützt: Starten Sie Penwick, entsperren Sie das Tagebuch und importieren Sie über Datei &gt; Aus anderem Tagebuch importieren …</translation>
    </message>
</context>
<context>
    <name>Keyring</name>
    <message>
        <source>Penwick cannot reach the keyring: its keyring module is missing (%1).</source>
        <translation>Penwick kann den Schlüsselbund nicht erreichen: Sein Schlüsselbund-Modul fehlt (%1).</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Search the diary</source>
        <translation>Im Tagebuch suchen</translation>
    </message>
    <message>
        <source>Diary entry</source>
        <translation>Tagebucheintrag</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Gehe zu</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Storage…</source>
        <translation>&amp;Speicherort…</translation>
    </message>
    <message>
        <source>Where your diary lives: move, start, open or export it</source>
        <translation>Wo Ihr Tagebuch liegt: verschieben, neu anlegen, öffnen oder exportieren</translation>
    </message>
    <message>
        <source>&amp;Open Diary File…</source>
        <translation>Tagebuchdatei ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Export as Text…</source>
        <translation>Als Text &amp;exportieren…</translation>
    </message>
    <message>
        <source>&amp;Remove Empty Entries</source>
        <translation>&amp;Leere Einträge entfernen</translation>
    </message>
    <message>
        <source>Remove the days whose text is empty from the diary file</source>
        <translation>Tage ohne Text aus der Tagebuchdatei entfernen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Suchen…</translation>
    </message>
    <message>
        <source>&amp;Previous Month</source>
        <translation>&amp;Vorheriger Monat</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Heute</translation>
    </message>
    <message>
        <source>&amp;Next Month</source>
        <translation>&amp;Nächster Monat</translation>
    </message>
    <message>
        <source>Previous &amp;Day</source>
        <translation>Vorheriger &amp;Tag</translation>
    </message>
    <message>
        <source>Ne&amp;xt Day</source>
        <translation>Nä&amp;chster Tag</translation>
    </message>
    <message>
        <source>Penwick &amp;Help</source>
        <translation>Penwick-&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Penwick</source>
        <translation>Ü&amp;ber Penwick</translation>
    </message>
    <message>
        <source>Removed 1 empty entry.</source>
        <translation>1 leerer Eintrag entfernt.</translation>
    </message>
    <message>
        <source>Removed %1 empty entries.</source>
        <translation>%1 leere Einträge entfernt.</translation>
    </message>
    <message>
        <source>About Penwick</source>
        <translation>Über Penwick</translation>
    </message>
    <message>
        <source>&lt;b&gt;Penwick %1&lt;/b&gt;&lt;p&gt;A small diary that keeps every word you type.&lt;/p&gt;&lt;p&gt;Your diary is kept in %2&lt;/p&gt;</source>
        <translation>&lt;b&gt;Penwick %1&lt;/b&gt;&lt;p&gt;Ein kleines Tagebuch, das jedes Wort behält, das Sie schreiben.&lt;/p&gt;&lt;p&gt;Ihr Tagebuch liegt in %2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The reminder could not be switched on. %1</source>
        <translation>Die Erinnerung konnte nicht eingeschaltet werden. %1</translation>
    </message>
    <message>
        <source>Your preferences at %1 cannot be read; they are left as they are, and Penwick uses the diary at %2.</source>
        <translation>Ihre Einstellungen unter %1 können nicht gelesen werden; sie bleiben unverändert, und Penwick verwendet das Tagebuch unter %2.</translation>
    </message>
    <message>
        <source>Open day</source>
        <translation>Geöffneter Tag</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>%1 — Penwick</source>
        <translation>%1 — Penwick</translation>
    </message>
    <message>
        <source>Previous &amp;Year</source>
        <translation>Vorheriges &amp;Jahr</translation>
    </message>
    <message>
        <source>Next Ye&amp;ar</source>
        <translation>Nächstes J&amp;ahr</translation>
    </message>
    <message>
        <source>&amp;Go to Date…</source>
        <translation>Gehe zu &amp;Datum…</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Penwick Help</source>
        <translation>Penwick-Hilfe</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>A diary with auto-save function. Click the calendar to jump. You can also search through diary.</source>
        <translation>Ein Tagebuch, das automatisch speichert. Klicken Sie in den Kalender, um zu einem Tag zu springen. Sie können das Tagebuch auch durchsuchen.</translation>
    </message>
    <message>
        <source>Writing diary and save functions</source>
        <translation>Schreiben und Speichern</translation>
    </message>
    <message>
        <source>On startup, the calendar, left, points today. Calendar and the diary space, right, synchronizes automatically. So you can start writing right away. If you click on the other date, you can jump to that date&apos;s diary.</source>
        <translation>Beim Start zeigt der Kalender links auf heute. Kalender und Schreibfläche rechts folgen einander automatisch, Sie können also sofort schreiben. Ein Klick auf ein anderes Datum zeigt den Eintrag dieses Tages.</translation>
    </message>
    <message>
        <source>When you write text on the diary space, it will be automatically saved.</source>
        <translation>Was Sie auf der Schreibfläche schreiben, wird automatisch gespeichert.</translation>
    </message>
    <message>
        <source>Searches</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>When you write a single keyword inside the search box, left below, and hit return/ enter key, the app will display the list of the dates which includes the keyword.</source>
        <translation>Wenn Sie ein einzelnes Stichwort in das Suchfeld links unten eingeben und die Eingabetaste drücken, zeigt Penwick die Liste der Tage, die das Stichwort enthalten.</translation>
    </message>
    <message>
        <source>Clicking on the list of search results will show you the diary of that date.</source>
        <translation>Ein Klick auf ein Suchergebnis zeigt den Eintrag dieses Tages.</translation>
    </message>
    <message>
        <source>Clicking on x in the search box will delete the list.</source>
        <translation>Ein Klick auf das x im Suchfeld leert die Liste.</translation>
    </message>
    <message>
        <source>Coming from another diary</source>
        <translation>Aus einem anderen Tagebuch kommen</translation>
    </message>
    <message>
        <source>File &gt; Import from Another Diary… reads a jrnl file (text or JSON), a Day One export (.zip or .json), a RedNotebook folder or a folder of daily notes named by date (choose any of its files). Penwick says how many days it brings in before anything changes; text already on a day stays, and the imported text is added below it. Each imported day keeps its earlier text in Edit &gt; History of This Day.</source>
        <translation>Datei &gt; Aus anderem Tagebuch importieren … liest eine jrnl-Datei (Text oder JSON), einen Day-One-Export (.zip oder .json), einen RedNotebook-Ordner oder einen Ordner mit nach Datum benannten Tagesnotizen (eine beliebige Datei darin wählen). Penwick sagt, wie viele Tage es übernimmt, bevor sich etwas ändert; vorhandener Text eines Tages bleibt, der importierte wird darunter angefügt. Jeder importierte Tag behält seinen früheren Text unter Bearbeiten &gt; Verlauf dieses Tages.</translation>
    </message>
    <message>
        <source>One diary on several machines</source>
        <translation>Ein Tagebuch auf mehreren Rechnern</translation>
    </message>
    <message>
        <source>Taking the diary out</source>
        <translation>Das Tagebuch mitnehmen</translation>
    </message>
    <message>
        <source>File &gt; Export… writes the whole diary, the month or the year shown, a range of dates or the days the search found: as plain text, as Markdown (one file, or a folder of daily notes named by date), as an HTML page, as a PDF or as jrnl&apos;s JSON. File &gt; Print… prints the same pages as the PDF, and File &gt; Print Preview… shows them first. Penwick reads its daily notes and its JSON back with File &gt; Import from Another Diary.</source>
        <translation>Datei &gt; Exportieren… schreibt das ganze Tagebuch, den gezeigten Monat oder das gezeigte Jahr, einen Zeitraum oder die Tage, die die Suche fand: als reinen Text, als Markdown (eine Datei oder ein Ordner von Tagesnotizen, nach Datum benannt), als HTML-Seite, als PDF oder als JSON von jrnl. Datei &gt; Tage drucken… druckt dieselben Seiten wie das PDF, und Datei &gt; Druckvorschau… zeigt sie vorher. Seine Tagesnotizen und sein JSON liest Penwick mit Datei &gt; Aus anderem Tagebuch importieren wieder ein.</translation>
    </message>
    <message>
        <source>Keep the diary in a folder that your sync tool (Syncthing, Nextcloud, Dropbox) shares. When two machines changed it between two syncs, Penwick merges the conflict copy the tool leaves, day by day: a day only one machine changed takes that change, a day both changed keeps both texts, one below the other, and the text that leaves a day goes into its history. The copy then goes into the Backups folder.</source>
        <translation>Bewahren Sie das Tagebuch in einem Ordner auf, den Ihr Synchronisationsprogramm (Syncthing, Nextcloud, Dropbox) teilt. Haben zwei Rechner es zwischen zwei Abgleichen geändert, führt Penwick die Konfliktkopie, die das Programm hinterlässt, Tag für Tag zusammen: Ein Tag, den nur ein Rechner geändert hat, übernimmt diese Änderung, ein Tag, den beide geändert haben, behält beide Texte untereinander, und der Text, der einen Tag verlässt, kommt in dessen Verlauf. Die Kopie kommt danach in den Ordner Backups.</translation>
    </message>
    <message>
        <source>Several words find the days that hold all of them. Put &quot;a phrase&quot; in quotes to find it as it stands, write -word to leave out the days that hold it, and #tag to find the days with that tag.</source>
        <translation>Mehrere Wörter finden die Tage, die alle enthalten. Setzen Sie „eine Wendung“ in Anführungszeichen, um sie genau so zu finden, schreiben Sie -Wort, um die Tage auszulassen, die es enthalten, und #Schlagwort, um die Tage mit diesem Schlagwort zu finden.</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <source>A word that starts with # is a tag, such as #garden or #travel. Typing # offers the tags you have used, most used first. View &gt; Tags lists every tag with the number of days that hold it; choose one to search for it.</source>
        <translation>Ein Wort, das mit # beginnt, ist ein Schlagwort, etwa #Garten oder #Reise. Wenn Sie # tippen, bietet Penwick die Schlagwörter an, die Sie schon verwendet haben, die häufigsten zuerst. Ansicht &gt; Schlagwörter listet jedes Schlagwort mit der Zahl der Tage, die es enthalten; wählen Sie eines, um danach zu suchen.</translation>
    </message>
    <message>
        <source>The year at a glance</source>
        <translation>Das Jahr auf einen Blick</translation>
    </message>
    <message>
        <source>View &gt; Year Overview… shows every day of a year as a square, coloured by the words you wrote that day, with the days written, the words, your longest and current streak, the words of each month and the tags of the year. Click a day or press Return to open it.</source>
        <translation>Ansicht &gt; Jahresüberblick … zeigt jeden Tag eines Jahres als Quadrat, gefärbt nach den Wörtern, die Sie an dem Tag geschrieben haben, dazu die beschriebenen Tage, die Wörter, Ihre längste und Ihre aktuelle Serie, die Wörter jedes Monats und die Schlagwörter des Jahres. Klicken Sie auf einen Tag oder drücken Sie die Eingabetaste, um ihn zu öffnen.</translation>
    </message>
    <message>
        <source>A private diary</source>
        <translation>Ein privates Tagebuch</translation>
    </message>
    <message>
        <source>File &gt; Protect with a Passphrase… encrypts the diary, its history and its backups. Penwick then shows a recovery key once: keep it apart from the computer, since either the passphrase or the recovery key opens the diary, and nothing else does. Penwick locks the diary after the time chosen in File &gt; Lock After, when the desktop locks, and with File &gt; Lock Now; everything typed is stored first. What you export or print is not encrypted.</source>
        <translation>Datei &gt; Mit Passphrase schützen… verschlüsselt das Tagebuch, seinen Verlauf und seine Sicherungen. Penwick zeigt dann einmal einen Wiederherstellungsschlüssel: Bewahren Sie ihn getrennt vom Computer auf, denn nur die Passphrase oder der Wiederherstellungsschlüssel öffnet das Tagebuch, sonst nichts. Penwick sperrt das Tagebuch nach der unter Datei &gt; Sperren nach gewählten Zeit, wenn der Desktop gesperrt wird, und mit Datei &gt; Jetzt sperren; alles Getippte wird vorher gespeichert. Was Sie exportieren oder drucken, ist nicht verschlüsselt.</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>%1 is of version %2, and this Penwick needs version %3</source>
        <translation>%1 hat die Version %2, dieses Penwick braucht Version %3</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>it is a folder.</source>
        <translation>es ist ein Ordner.</translation>
    </message>
    <message>
        <source>it is larger than 1 GB.</source>
        <translation>sie ist größer als 1 GB.</translation>
    </message>
    <message>
        <source>it is empty.</source>
        <translation>sie ist leer.</translation>
    </message>
    <message>
        <source>it does not hold a list of diary entries.</source>
        <translation>sie enthält keine Liste von Tagebucheinträgen.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>es ist keine gewöhnliche Datei.</translation>
    </message>
</context>
<context>
    <name>OnThisDay</name>
    <message>
        <source>On This Day</source>
        <translation>An diesem Tag</translation>
    </message>
    <message>
        <source>On this day in earlier years</source>
        <translation>An diesem Tag in früheren Jahren</translation>
    </message>
    <message>
        <source>Nothing on this day in earlier years</source>
        <translation>Nichts an diesem Tag in früheren Jahren</translation>
    </message>
    <message>
        <source>On This &amp;Day</source>
        <translation>An &amp;diesem Tag</translation>
    </message>
</context>
<context>
    <name>PassphraseDialog</name>
    <message>
        <source>Remove Protection</source>
        <translation>Schutz aufheben</translation>
    </message>
    <message>
        <source>Your diary, its history and its backups will be stored without encryption again. Type the passphrase to go on.</source>
        <translation>Ihr Tagebuch, sein Verlauf und seine Sicherungen werden wieder unverschlüsselt gespeichert. Geben Sie die Passphrase ein, um fortzufahren.</translation>
    </message>
    <message>
        <source>&amp;Passphrase:</source>
        <translation>&amp;Passphrase:</translation>
    </message>
    <message>
        <source>Passphrase</source>
        <translation>Passphrase</translation>
    </message>
    <message>
        <source>&amp;Remove Protection</source>
        <translation>&amp;Schutz aufheben</translation>
    </message>
    <message>
        <source>Protect with a Passphrase</source>
        <translation>Mit Passphrase schützen</translation>
    </message>
    <message>
        <source>Change Passphrase</source>
        <translation>Passphrase ändern</translation>
    </message>
    <message>
        <source>The diary, its history and its backups are encrypted with this passphrase. A few words that you remember and nobody would guess make a good one. Without it, only the recovery key opens the diary.</source>
        <translation>Das Tagebuch, sein Verlauf und seine Sicherungen werden mit dieser Passphrase verschlüsselt. Gut sind einige Wörter, die Sie sich merken können und die niemand erraten würde. Ohne sie öffnet nur der Wiederherstellungsschlüssel das Tagebuch.</translation>
    </message>
    <message>
        <source>New passphrase</source>
        <translation>Neue Passphrase</translation>
    </message>
    <message>
        <source>New passphrase again</source>
        <translation>Neue Passphrase wiederholen</translation>
    </message>
    <message>
        <source>&amp;New passphrase:</source>
        <translation>&amp;Neue Passphrase:</translation>
    </message>
    <message>
        <source>&amp;Again:</source>
        <translation>Noch &amp;einmal:</translation>
    </message>
    <message>
        <source>&amp;Keep the passphrase in the desktop&apos;s keyring</source>
        <translation>&amp;Passphrase im Schlüsselbund der Arbeitsumgebung speichern</translation>
    </message>
    <message>
        <source>&amp;Protect</source>
        <translation>&amp;Schützen</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Ändern</translation>
    </message>
    <message>
        <source>Weak: easy to guess. Longer, or a few unrelated words, is better.</source>
        <translation>Schwach: leicht zu erraten. Besser ist eine längere Passphrase oder ein paar Wörter ohne Zusammenhang.</translation>
    </message>
    <message>
        <source>Fair: a few more characters or words make it much harder to guess.</source>
        <translation>Mittel: Ein paar Zeichen oder Wörter mehr machen sie viel schwerer zu erraten.</translation>
    </message>
    <message>
        <source>Good.</source>
        <translation>Gut.</translation>
    </message>
    <message>
        <source>Strong.</source>
        <translation>Stark.</translation>
    </message>
    <message>
        <source>The two passphrases differ.</source>
        <translation>Die beiden Passphrasen stimmen nicht überein.</translation>
    </message>
</context>
<context>
    <name>Plist</name>
    <message>
        <source>A &lt;data&gt; value is not valid base64.</source>
        <translation>Ein &lt;data&gt;-Wert ist kein gültiges Base64.</translation>
    </message>
    <message>
        <source>A boolean element holds text.</source>
        <translation>Ein boolesches Element enthält Text.</translation>
    </message>
    <message>
        <source>The element &lt;%1&gt; is not part of a property list.</source>
        <translation>Das Element &lt;%1&gt; gehört nicht zu einer Property-List.</translation>
    </message>
    <message>
        <source>The element &lt;%1&gt; must not contain other elements.</source>
        <translation>Das Element &lt;%1&gt; darf keine anderen Elemente enthalten.</translation>
    </message>
    <message>
        <source>The %1 value &quot;%2&quot; cannot be read.</source>
        <translation>Der %1-Wert „%2“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Text stands between the values of &lt;%1&gt;.</source>
        <translation>Text steht zwischen den Werten von &lt;%1&gt;.</translation>
    </message>
    <message>
        <source>The values are nested too deeply.</source>
        <translation>Die Werte sind zu tief verschachtelt.</translation>
    </message>
    <message>
        <source>A dictionary value has no key.</source>
        <translation>Ein Wörterbuchwert hat keinen Schlüssel.</translation>
    </message>
    <message>
        <source>A dictionary key has no value.</source>
        <translation>Ein Wörterbuchschlüssel hat keinen Wert.</translation>
    </message>
    <message>
        <source>The file is not a valid property list: %1 (at byte %2).</source>
        <translation>Die Datei ist keine gültige Property-List: %1 (bei Byte %2).</translation>
    </message>
    <message>
        <source>The file holds no property list.</source>
        <translation>Die Datei enthält keine Property-List.</translation>
    </message>
    <message>
        <source>The property list holds more than one value.</source>
        <translation>Die Property-List enthält mehr als einen Wert.</translation>
    </message>
    <message>
        <source>Text stands outside the values of the property list.</source>
        <translation>Text steht außerhalb der Werte der Property-List.</translation>
    </message>
    <message>
        <source>The property list holds no value.</source>
        <translation>Die Property-List enthält keinen Wert.</translation>
    </message>
    <message>
        <source>The file is not a valid property list: %1</source>
        <translation>Die Datei ist keine gültige Property-List: %1</translation>
    </message>
    <message>
        <source>The binary property list is truncated or of an unknown version.</source>
        <translation>Die binäre Property-List ist abgeschnitten oder hat eine unbekannte Version.</translation>
    </message>
    <message>
        <source>The binary property list has a damaged trailer.</source>
        <translation>Die binäre Property-List hat einen beschädigten Abschluss.</translation>
    </message>
    <message>
        <source>a count lies outside the file.</source>
        <translation>eine Anzahl liegt außerhalb der Datei.</translation>
    </message>
    <message>
        <source>a count is not an integer.</source>
        <translation>eine Anzahl ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>a container lies outside the file.</source>
        <translation>ein Container liegt außerhalb der Datei.</translation>
    </message>
    <message>
        <source>its shared values expand beyond any diary&apos;s size.</source>
        <translation>ihre geteilten Werte wachsen über jede Tagebuchgröße hinaus.</translation>
    </message>
    <message>
        <source>a reference points past the last object.</source>
        <translation>ein Verweis zeigt hinter das letzte Objekt.</translation>
    </message>
    <message>
        <source>a container contains itself.</source>
        <translation>ein Container enthält sich selbst.</translation>
    </message>
    <message>
        <source>the values are nested too deeply.</source>
        <translation>die Werte sind zu tief verschachtelt.</translation>
    </message>
    <message>
        <source>an object lies outside the file.</source>
        <translation>ein Objekt liegt außerhalb der Datei.</translation>
    </message>
    <message>
        <source>it holds a null or unknown value.</source>
        <translation>sie enthält einen leeren oder unbekannten Wert.</translation>
    </message>
    <message>
        <source>an integer lies outside the file.</source>
        <translation>eine Ganzzahl liegt außerhalb der Datei.</translation>
    </message>
    <message>
        <source>an integer is too large.</source>
        <translation>eine Ganzzahl ist zu groß.</translation>
    </message>
    <message>
        <source>a number lies outside the file.</source>
        <translation>eine Zahl liegt außerhalb der Datei.</translation>
    </message>
    <message>
        <source>a date is out of range.</source>
        <translation>ein Datum liegt außerhalb des gültigen Bereichs.</translation>
    </message>
    <message>
        <source>a string or data value lies outside the file.</source>
        <translation>ein Text- oder Datenwert liegt außerhalb der Datei.</translation>
    </message>
    <message>
        <source>a reference value lies outside the file.</source>
        <translation>ein Verweiswert liegt außerhalb der Datei.</translation>
    </message>
    <message>
        <source>a dictionary key is not a string.</source>
        <translation>ein Wörterbuchschlüssel ist kein Text.</translation>
    </message>
    <message>
        <source>it holds an object of an unknown type.</source>
        <translation>sie enthält ein Objekt unbekannten Typs.</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>The preferences at %1 could not be written.</source>
        <translation>Die Einstellungen unter %1 konnten nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>RecoveryKeyDialog</name>
    <message>
        <source>Your Recovery Key</source>
        <translation>Ihr Wiederherstellungsschlüssel</translation>
    </message>
    <message>
        <source>If you forget the passphrase, this recovery key opens your diary. It is shown only now: print it or write it down, and keep it apart from the computer.</source>
        <translation>Wenn Sie die Passphrase vergessen, öffnet dieser Wiederherstellungsschlüssel Ihr Tagebuch. Er wird nur jetzt angezeigt: Drucken Sie ihn aus oder schreiben Sie ihn auf, und bewahren Sie ihn getrennt vom Computer auf.</translation>
    </message>
    <message>
        <source>Recovery key</source>
        <translation>Wiederherstellungsschlüssel</translation>
    </message>
    <message>
        <source>The recovery key&apos;s last group</source>
        <translation>Letzte Gruppe des Wiederherstellungsschlüssels</translation>
    </message>
    <message>
        <source>To show that you have it, type its &amp;last group:</source>
        <translation>Zum Nachweis, dass Sie ihn haben, geben Sie seine &amp;letzte Gruppe ein:</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Speichern…</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>Penwick&apos;s path cannot be written into a systemd unit safely: %1</source>
        <translation>Der Pfad von Penwick lässt sich nicht sicher in eine systemd-Unit schreiben: %1</translation>
    </message>
    <message>
        <source>The timer could not be enabled at %1.</source>
        <translation>Der Timer konnte unter %1 nicht aktiviert werden.</translation>
    </message>
    <message>
        <source>It starts with your next login: &quot;systemctl --user&quot; could not reach your session&apos;s service manager.</source>
        <translation>Sie beginnt mit der nächsten Anmeldung: „systemctl --user“ hat den Dienstverwalter Ihrer Sitzung nicht erreicht.</translation>
    </message>
</context>
<context>
    <name>ReminderWidget</name>
    <message>
        <source>&amp;Reminder</source>
        <translation>&amp;Erinnerung</translation>
    </message>
    <message>
        <source>Penwick opens every day at this time</source>
        <translation>Penwick öffnet sich jeden Tag zu dieser Uhrzeit</translation>
    </message>
    <message>
        <source>Reminder time</source>
        <translation>Erinnerungszeit</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Reminder on</source>
        <translation>Erinnerung ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Reminder off</source>
        <translation>Erinnerung aus</translation>
    </message>
    <message>
        <source>The time Penwick opens every day</source>
        <translation>Die Uhrzeit, zu der Penwick sich jeden Tag öffnet</translation>
    </message>
    <message>
        <source>The reminder is on. %1</source>
        <translation>Die Erinnerung ist eingeschaltet. %1</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message numerus="yes">
        <source> (%n times)</source>
        <translation>
            <numerusform> (%n-mal)</numerusform>
            <numerusform> (%n-mal)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SealedFile</name>
    <message>
        <source>it was changed or damaged: its contents do not pass the check of its encryption.</source>
        <translation>die Datei wurde verändert oder beschädigt: Ihr Inhalt besteht die Prüfung ihrer Verschlüsselung nicht.</translation>
    </message>
    <message>
        <source>it was written by a newer version of Penwick (format %1), which this one cannot read. Open it with that version.</source>
        <translation>die Datei stammt von einer neueren Version von Penwick (Format %1) und kann von dieser nicht gelesen werden. Öffnen Sie sie mit jener Version.</translation>
    </message>
    <message>
        <source>there is not enough memory to open it.</source>
        <translation>zum Öffnen ist nicht genug Speicher frei.</translation>
    </message>
    <message>
        <source>the encryption library cannot start.</source>
        <translation>die Verschlüsselungsbibliothek kann nicht starten.</translation>
    </message>
    <message>
        <source>there is not enough memory to work out the key from the passphrase.</source>
        <translation>es ist nicht genug Speicher frei, um den Schlüssel aus der Passphrase abzuleiten.</translation>
    </message>
    <message>
        <source>This passphrase does not open the diary.</source>
        <translation>Diese Passphrase öffnet das Tagebuch nicht.</translation>
    </message>
    <message>
        <source>This recovery key does not open the diary.</source>
        <translation>Dieser Wiederherstellungsschlüssel öffnet das Tagebuch nicht.</translation>
    </message>
    <message>
        <source>A recovery key is 25 letters and digits, in five groups of five.</source>
        <translation>Ein Wiederherstellungsschlüssel besteht aus 25 Buchstaben und Ziffern in fünf Gruppen zu je fünf.</translation>
    </message>
    <message>
        <source>it does not open with this diary&apos;s key: it was changed or damaged, or it is protected by another passphrase.</source>
        <translation>die Datei lässt sich mit dem Schlüssel dieses Tagebuchs nicht öffnen: Sie wurde verändert oder beschädigt, oder sie ist mit einer anderen Passphrase geschützt.</translation>
    </message>
</context>
<context>
    <name>SealedFiles</name>
    <message>
        <source>%1 does not open with this diary&apos;s key and is left as it is.</source>
        <translation>%1 lässt sich mit dem Schlüssel dieses Tagebuchs nicht öffnen und bleibt unverändert.</translation>
    </message>
    <message>
        <source>The conflict copy %1 is merged but could not be moved into %2.</source>
        <translation>Die Konfliktkopie %1 ist zusammengeführt, konnte aber nicht nach %2 verschoben werden.</translation>
    </message>
</context>
<context>
    <name>SearchPopover</name>
    <message>
        <source>Close the search results (Esc)</source>
        <translation>Suchergebnisse schließen (Esc)</translation>
    </message>
    <message>
        <source>Close the search results</source>
        <translation>Suchergebnisse schließen</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <source>No day holds “%1”</source>
        <translation>Kein Tag enthält „%1“</translation>
    </message>
    <message>
        <source>1 day holds “%1”</source>
        <translation>1 Tag enthält „%1“</translation>
    </message>
    <message>
        <source>%1 days hold “%2”</source>
        <translation>%1 Tage enthalten „%2“</translation>
    </message>
    <message>
        <source>Type a word to search for, then press Return.</source>
        <translation>Geben Sie ein Wort ein, nach dem gesucht werden soll, und drücken Sie dann die Eingabetaste.</translation>
    </message>
    <message>
        <source>Ignore Case and Accents</source>
        <translation>Groß-/Kleinschreibung und Akzente ignorieren</translation>
    </message>
    <message>
        <source>No day holds “%1”; %2 days hold it in another case or with accents.</source>
        <translation>Kein Tag enthält „%1“; %2 Tage enthalten es in anderer Schreibung oder mit Akzenten.</translation>
    </message>
    <message>
        <source>No day holds “%1”; 1 day holds it in another case or with accents.</source>
        <translation>Kein Tag enthält „%1“; 1 Tag enthält es in anderer Schreibung oder mit Akzenten.</translation>
    </message>
    <message>
        <source>Several words find the days that hold all of them; &quot;a phrase&quot; in quotes stands together, -word leaves days out, #tag finds a tag.</source>
        <translation>Mehrere Wörter finden die Tage, die alle enthalten; „eine Wendung“ in Anführungszeichen bleibt beisammen, -Wort lässt Tage aus, #Schlagwort findet ein Schlagwort.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Penwick cannot make a private folder at %1.</source>
        <translation>Penwick kann unter %1 keinen privaten Ordner anlegen.</translation>
    </message>
    <message>
        <source>Penwick is already running, but does not answer.</source>
        <translation>Penwick läuft bereits, antwortet aber nicht.</translation>
    </message>
    <message>
        <source>Penwick cannot open its lock file %1: %2</source>
        <translation>Penwick kann seine Sperrdatei %1 nicht öffnen: %2</translation>
    </message>
</context>
<context>
    <name>SpellingSupport</name>
    <message>
        <source>No Suggestions</source>
        <translation>Keine Vorschläge</translation>
    </message>
    <message>
        <source>Check &amp;Spelling While Typing</source>
        <translation>Re&amp;chtschreibung während der Eingabe prüfen</translation>
    </message>
    <message>
        <source>Spelling &amp;Language</source>
        <translation>S&amp;prache der Rechtschreibprüfung</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>Zum &amp;Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorieren</translation>
    </message>
</context>
<context>
    <name>StorageSheet</name>
    <message>
        <source>Storage</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your diary is kept in&lt;/b&gt;</source>
        <translation>&lt;b&gt;Ihr Tagebuch liegt in&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Diary file</source>
        <translation>Tagebuchdatei</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>Im Dateimanager zeigen</translation>
    </message>
    <message>
        <source>Move Diary To</source>
        <translation>Tagebuch verschieben nach</translation>
    </message>
    <message>
        <source>The diary file moves to a place you choose, and stays your diary.</source>
        <translation>Die Tagebuchdatei zieht an einen Ort Ihrer Wahl und bleibt Ihr Tagebuch.</translation>
    </message>
    <message>
        <source>New Diary At</source>
        <translation>Neues Tagebuch in</translation>
    </message>
    <message>
        <source>An empty diary is written at a place you choose and becomes your diary.</source>
        <translation>Ein leeres Tagebuch wird an einem Ort Ihrer Wahl angelegt und wird Ihr Tagebuch.</translation>
    </message>
    <message>
        <source>Use Diary At</source>
        <translation>Tagebuch verwenden in</translation>
    </message>
    <message>
        <source>Penwick uses the file at a place you choose, without touching any file.</source>
        <translation>Penwick verwendet die Datei an einem Ort Ihrer Wahl, ohne eine Datei anzurühren.</translation>
    </message>
    <message>
        <source>Use Folder</source>
        <translation>Ordner verwenden</translation>
    </message>
    <message>
        <source>Your diary becomes the file of the same name in another folder, such as a synced one.</source>
        <translation>Ihr Tagebuch wird die gleichnamige Datei in einem anderen Ordner, etwa einem synchronisierten.</translation>
    </message>
    <message>
        <source>Open Diary File</source>
        <translation>Tagebuchdatei öffnen</translation>
    </message>
    <message>
        <source>An existing diary file becomes your diary, where it is.</source>
        <translation>Eine vorhandene Tagebuchdatei wird an ihrem Ort Ihr Tagebuch.</translation>
    </message>
    <message>
        <source>Export as Text</source>
        <translation>Als Text exportieren</translation>
    </message>
    <message>
        <source>The whole diary as one text file, oldest day first.</source>
        <translation>Das ganze Tagebuch als eine Textdatei, der älteste Tag zuerst.</translation>
    </message>
    <message>
        <source>Take Over an Earlier Diary</source>
        <translation>Früheres Tagebuch übernehmen</translation>
    </message>
    <message>
        <source>The diary an earlier version kept in its preferences becomes your diary.</source>
        <translation>Das Tagebuch, das eine frühere Version in ihren Einstellungen führte, wird Ihr Tagebuch.</translation>
    </message>
    <message>
        <source>Remove Empty Entries</source>
        <translation>Leere Einträge entfernen</translation>
    </message>
    <message>
        <source>Days whose text is empty are removed from the diary file.</source>
        <translation>Tage ohne Text werden aus der Tagebuchdatei entfernt.</translation>
    </message>
    <message>
        <source>Failed to load a diary. Or tried to write in a directory that&apos;s not permitted.</source>
        <translation>Das Tagebuch konnte nicht geladen werden, oder in den Ordner darf nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Failed to write. This might happen by writing to a directory that needs permission.</source>
        <translation>Schreiben fehlgeschlagen. Das kann in einem Ordner geschehen, der eine Berechtigung verlangt.</translation>
    </message>
    <message>
        <source>Diary files (*.plist)</source>
        <translation>Tagebuchdateien (*.plist)</translation>
    </message>
    <message>
        <source>Not a appropriate document.</source>
        <translation>Kein passendes Dokument.</translation>
    </message>
    <message>
        <source>Not a appropriate format.</source>
        <translation>Kein passendes Format.</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>This file holds no earlier diary.</source>
        <translation>Diese Datei enthält kein früheres Tagebuch.</translation>
    </message>
    <message>
        <source>Replace your diary with the earlier one?</source>
        <translation>Ihr Tagebuch durch das frühere ersetzen?</translation>
    </message>
    <message numerus="yes">
        <source>Your diary at %1 holds %n entries. They are replaced by the %2 entries of the earlier diary.</source>
        <translation>
            <numerusform>Ihr Tagebuch unter %1 enthält %n Eintrag. Er wird durch die %2 Einträge des früheren Tagebuchs ersetzt.</numerusform>
            <numerusform>Ihr Tagebuch unter %1 enthält %n Einträge. Sie werden durch die %2 Einträge des früheren Tagebuchs ersetzt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Storage actions</source>
        <translation>Aktionen für den Speicherort</translation>
    </message>
    <message>
        <source>There is no diary in %1 yet. Start a new one there?</source>
        <translation>In %1 gibt es noch kein Tagebuch. Dort ein neues beginnen?</translation>
    </message>
    <message>
        <source>To take your diary there instead, use Move Diary To… in Storage.</source>
        <translation>Um stattdessen Ihr Tagebuch dorthin mitzunehmen, verwenden Sie „Tagebuch verschieben nach…“ unter „Speicherort“.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginnen</translation>
    </message>
    <message>
        <source>Penwick opens a property-list diary file whose name ends in &quot;plist&quot;; &quot;%1&quot; has another name.</source>
        <translation>Penwick öffnet eine Tagebuchdatei im Property-List-Format, deren Name auf „plist“ endet; „%1“ heißt anders.</translation>
    </message>
    <message>
        <source>Penwick expected a property list of diary entries; &quot;%1&quot; holds something else.</source>
        <translation>Penwick hat eine Property-List mit Tagebucheinträgen erwartet; „%1“ enthält etwas anderes.</translation>
    </message>
    <message>
        <source>Show in &amp;File Manager</source>
        <translation>Im &amp;Dateimanager zeigen</translation>
    </message>
    <message>
        <source>&amp;Move Diary To…</source>
        <translation>Tagebuch &amp;verschieben nach…</translation>
    </message>
    <message>
        <source>&amp;New Diary At…</source>
        <translation>&amp;Neues Tagebuch in…</translation>
    </message>
    <message>
        <source>&amp;Use Diary At…</source>
        <translation>Tagebuch ver&amp;wenden in…</translation>
    </message>
    <message>
        <source>Use Fol&amp;der…</source>
        <translation>&amp;Ordner verwenden…</translation>
    </message>
    <message>
        <source>&amp;Open Diary File…</source>
        <translation>Tagebuchdatei ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Export as Text…</source>
        <translation>Als Text &amp;exportieren…</translation>
    </message>
    <message>
        <source>&amp;Take Over an Earlier Diary…</source>
        <translation>Früheres Tagebuch &amp;übernehmen…</translation>
    </message>
    <message>
        <source>&amp;Remove Empty Entries</source>
        <translation>&amp;Leere Einträge entfernen</translation>
    </message>
    <message>
        <source>Taken over from an earlier diary</source>
        <translation>Aus einem früheren Tagebuch übernommen</translation>
    </message>
    <message>
        <source>What you export is not encrypted.</source>
        <translation>Was Sie exportieren, ist nicht verschlüsselt.</translation>
    </message>
    <message>
        <source>Your diary is protected by a passphrase, but anyone who gets at the exported file can read it.</source>
        <translation>Ihr Tagebuch ist mit einer Passphrase geschützt, aber wer an die exportierte Datei gelangt, kann sie lesen.</translation>
    </message>
    <message>
        <source>C&amp;ontinue</source>
        <translation>&amp;Fortfahren</translation>
    </message>
</context>
<context>
    <name>TagCompletion</name>
    <message>
        <source>Tags of the diary</source>
        <translation>Schlagwörter des Tagebuchs</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TagsPane</name>
    <message>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <source>&amp;Tags</source>
        <translation>&amp;Schlagwörter</translation>
    </message>
    <message>
        <source>No tags yet: a word with # before it, such as #garden, is one.</source>
        <translation>Noch keine Schlagwörter: Ein Wort mit # davor, etwa #Garten, ist eines.</translation>
    </message>
    <message>
        <source>Filter tags</source>
        <translation>Schlagwörter filtern</translation>
    </message>
    <message>
        <source>Filter the tags</source>
        <translation>Die Schlagwörter filtern</translation>
    </message>
    <message>
        <source>Order of the tags</source>
        <translation>Reihenfolge der Schlagwörter</translation>
    </message>
    <message>
        <source>Most days first</source>
        <translation>Meiste Tage zuerst</translation>
    </message>
    <message>
        <source>By name</source>
        <translation>Nach Name</translation>
    </message>
    <message>
        <source>Tags and the days that hold them</source>
        <translation>Schlagwörter und die Tage, die sie enthalten</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Schlagwort</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UnlockView</name>
    <message>
        <source>&amp;Unlock</source>
        <translation>&amp;Entsperren</translation>
    </message>
    <message>
        <source>Unlock from &amp;Keyring</source>
        <translation>Mit &amp;Schlüsselbund entsperren</translation>
    </message>
    <message>
        <source>Unlock the diary</source>
        <translation>Tagebuch entsperren</translation>
    </message>
    <message>
        <source>This diary is protected by a passphrase.</source>
        <translation>Dieses Tagebuch ist mit einer Passphrase geschützt.</translation>
    </message>
    <message>
        <source>Why the diary did not unlock</source>
        <translation>Warum das Tagebuch nicht entsperrt wurde</translation>
    </message>
    <message>
        <source>&amp;Recovery key:</source>
        <translation>&amp;Wiederherstellungsschlüssel:</translation>
    </message>
    <message>
        <source>&amp;Passphrase:</source>
        <translation>&amp;Passphrase:</translation>
    </message>
    <message>
        <source>Recovery key</source>
        <translation>Wiederherstellungsschlüssel</translation>
    </message>
    <message>
        <source>Passphrase</source>
        <translation>Passphrase</translation>
    </message>
    <message>
        <source>Use &amp;Passphrase</source>
        <translation>&amp;Passphrase verwenden</translation>
    </message>
    <message>
        <source>Use &amp;Recovery Key…</source>
        <translation>&amp;Wiederherstellungsschlüssel verwenden…</translation>
    </message>
    <message>
        <source>Unlock (%1 s)</source>
        <translation>Entsperren (%1 s)</translation>
    </message>
</context>
<context>
    <name>UnsavedChanges</name>
    <message>
        <source>What you wrote on one day is still only in the window. %1</source>
        <translation>Was Sie an einem Tag geschrieben haben, steht noch nur im Fenster. %1</translation>
    </message>
    <message>
        <source>What you wrote on %1 days is still only in the window. %2</source>
        <translation>Was Sie an %1 Tagen geschrieben haben, steht noch nur im Fenster. %2</translation>
    </message>
    <message>
        <source>Save a Copy As</source>
        <translation>Kopie speichern unter</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>A copy you save is not encrypted.</source>
        <translation>Eine Kopie, die Sie speichern, ist nicht verschlüsselt.</translation>
    </message>
</context>
<context>
    <name>UpdateNotice</name>
    <message>
        <source>Update Available</source>
        <translation>Update verfügbar</translation>
    </message>
    <message>
        <source>Open Product Page</source>
        <translation>Produktseite öffnen</translation>
    </message>
    <message>
        <source>Penwick %1 is available.</source>
        <translation>Penwick %1 ist verfügbar.</translation>
    </message>
    <message>
        <source>No browser could be opened. Copy this address into one:</source>
        <translation>Es konnte kein Browser geöffnet werden. Kopieren Sie diese Adresse in einen Browser:</translation>
    </message>
    <message>
        <source>Product page address</source>
        <translation>Adresse der Produktseite</translation>
    </message>
</context>
<context>
    <name>UpdateWatch</name>
    <message>
        <source>Check for &amp;Updates at Start-up</source>
        <translation>Beim Start nach &amp;Updates suchen</translation>
    </message>
</context>
<context>
    <name>WarningBar</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>There is no diary file at %1, so nothing can be written. Try Again starts an empty diary there.</source>
        <translation>Unter %1 gibt es keine Tagebuchdatei, daher kann nichts geschrieben werden. „Erneut versuchen“ legt dort ein leeres Tagebuch an.</translation>
    </message>
    <message>
        <source>The folder %1 that holds your diary is missing (a disconnected drive?), so nothing can be written. Try Again looks again.</source>
        <translation>Der Ordner %1 mit Ihrem Tagebuch fehlt (ein getrenntes Laufwerk?), daher kann nichts geschrieben werden. „Erneut versuchen“ sieht noch einmal nach.</translation>
    </message>
    <message>
        <source>The diary file %1 cannot be read: %2 Nothing can be written, and the file is left as it is. Try Again reads it again.</source>
        <translation>Die Tagebuchdatei %1 kann nicht gelesen werden: %2 Es kann nichts geschrieben werden, und die Datei bleibt unverändert. „Erneut versuchen“ liest sie noch einmal.</translation>
    </message>
    <message numerus="yes">
        <source>Changes to %n days could not be saved. %1 They are still in the window, and are saved with your next change.</source>
        <translation>
            <numerusform>Änderungen an %n Tag konnten nicht gespeichert werden. %1 Sie stehen noch im Fenster und werden mit Ihrer nächsten Änderung gespeichert.</numerusform>
            <numerusform>Änderungen an %n Tagen konnten nicht gespeichert werden. %1 Sie stehen noch im Fenster und werden mit Ihrer nächsten Änderung gespeichert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your latest change could not be saved. %1 It is still in the window, and is saved with your next change.</source>
        <translation>Ihre letzte Änderung konnte nicht gespeichert werden. %1 Sie steht noch im Fenster und wird mit Ihrer nächsten Änderung gespeichert.</translation>
    </message>
</context>
<context>
    <name>YearOverview</name>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n Wort</numerusform>
            <numerusform>%n Wörter</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: nothing written</source>
        <translation>%1: nichts geschrieben</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Year &amp;Overview…</source>
        <translation>&amp;Jahresüberblick …</translation>
    </message>
    <message>
        <source>Year Overview</source>
        <translation>Jahresüberblick</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Voriges Jahr</translation>
    </message>
    <message>
        <source>Previous year (Ctrl+Shift+PgUp)</source>
        <translation>Voriges Jahr (Strg+Umschalt+Bild auf)</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Nächstes Jahr</translation>
    </message>
    <message>
        <source>Next year (Ctrl+Shift+PgDown)</source>
        <translation>Nächstes Jahr (Strg+Umschalt+Bild ab)</translation>
    </message>
    <message>
        <source>Days of the year</source>
        <translation>Tage des Jahres</translation>
    </message>
    <message>
        <source>Each square is a day; the stronger its colour, the more words were written that day.</source>
        <translation>Jedes Quadrat ist ein Tag; je kräftiger seine Farbe, desto mehr Wörter wurden an dem Tag geschrieben.</translation>
    </message>
    <message>
        <source>Days written:</source>
        <translation>Beschriebene Tage:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Wörter:</translation>
    </message>
    <message>
        <source>Longest streak:</source>
        <translation>Längste Serie:</translation>
    </message>
    <message>
        <source>Current streak:</source>
        <translation>Aktuelle Serie:</translation>
    </message>
    <message>
        <source>Words per month</source>
        <translation>Wörter je Monat</translation>
    </message>
    <message>
        <source>Tags of the year</source>
        <translation>Schlagwörter des Jahres</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Schlagwort</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Days of %1</source>
        <translation>Tage von %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>1 day (%1)</source>
        <translation>1 Tag (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n days (%1 – %2)</source>
        <translation>
            <numerusform>%n Tag (%1 – %2)</numerusform>
            <numerusform>%n Tage (%1 – %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>No tags this year</source>
        <translation>Keine Schlagwörter in diesem Jahr</translation>
    </message>
</context>
</TS>
