<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AtomicFile</name>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>Impossible d’écrire %1 : %2.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>The diary %1 could not be backed up: %2</source>
        <translation>Le journal %1 n’a pas pu être sauvegardé : %2</translation>
    </message>
    <message>
        <source>Backups of your diary have stopped: the folder %1 would take more than a tenth of the free space on its disk.</source>
        <translation>Les sauvegardes de votre journal sont arrêtées : le dossier %1 occuperait plus d’un dixième de l’espace libre de son disque.</translation>
    </message>
    <message>
        <source>it is missing.</source>
        <translation>il est introuvable.</translation>
    </message>
    <message>
        <source>Backups of your diary have stopped: %1 is a link, or no folder of yours; it is left as it is.</source>
        <translation>Les sauvegardes de votre journal sont arrêtées : %1 est un lien, ou n’est pas un dossier à vous ; il est laissé tel quel.</translation>
    </message>
    <message>
        <source>%1 is a link.</source>
        <translation>%1 est un lien.</translation>
    </message>
    <message>
        <source>Backups of your diary have stopped: the folder %1 cannot be created.</source>
        <translation>Les sauvegardes de votre journal sont arrêtées : le dossier %1 ne peut pas être créé.</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>Su</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>Lu</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>Ma</translation>
    </message>
    <message>
        <source>We</source>
        <translation>Me</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>Je</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>Ve</translation>
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
        <translation>avec une page</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>sélectionné</translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd’hui</translation>
    </message>
</context>
<context>
    <name>CalendarWidget</name>
    <message>
        <source>Previous Month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Back to Today</source>
        <translation>Revenir à aujourd’hui</translation>
    </message>
    <message>
        <source>Displayed month; click to go back to today</source>
        <translation>Mois affiché ; cliquer pour revenir à aujourd’hui</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Go to Date</source>
        <translation>Aller à la date</translation>
    </message>
    <message>
        <source>&amp;Date (for example %1 or %2):</source>
        <translation>&amp;Date (par exemple %1 ou %2) :</translation>
    </message>
    <message>
        <source>“%1” is no date Penwick can read; type it as %2 or as %3.</source>
        <translation>« %1 » n’est pas une date que Penwick sait lire ; tapez-la sous la forme %2 ou %3.</translation>
    </message>
</context>
<context>
    <name>ConflictCopy</name>
    <message>
        <source>%1 is a link, not a copy a sync engine left; it is left as it is.</source>
        <translation>%1 est un lien, et non une copie laissée par un outil de synchronisation ; il est laissé tel quel.</translation>
    </message>
    <message>
        <source>%1 belongs to another user, so it is no copy a sync engine left for you; it is left as it is.</source>
        <translation>%1 appartient à un autre utilisateur : ce n’est donc pas une copie laissée pour vous par un outil de synchronisation ; elle est laissée telle quelle.</translation>
    </message>
    <message>
        <source>The conflict copy %1 cannot be read or is too large; it is left as it is.</source>
        <translation>La copie en conflit %1 est illisible ou trop grande ; elle est laissée telle quelle.</translation>
    </message>
    <message>
        <source>The conflict copy %1 is not a diary Penwick can read; it is left as it is.</source>
        <translation>La copie en conflit %1 n’est pas un journal que Penwick sait lire ; elle est laissée telle quelle.</translation>
    </message>
    <message>
        <source>The conflict copy %1 is merged but could not be moved into %2, which is a link or no folder of yours; it stays where it is.</source>
        <translation>La copie en conflit %1 est fusionnée mais n’a pas pu être déplacée dans %2, qui est un lien ou n’est pas un dossier à vous ; elle reste où elle est.</translation>
    </message>
    <message>
        <source>The conflict copy %1 is merged but could not be moved into %2.</source>
        <translation>La copie en conflit %1 est fusionnée mais n’a pas pu être déplacée dans %2.</translation>
    </message>
    <message>
        <source>The conflict copy %1 is protected by another passphrase, or was changed or damaged; it is left as it is.</source>
        <translation>La copie en conflit %1 est protégée par une autre phrase secrète, ou a été modifiée ou endommagée ; elle est laissée telle quelle.</translation>
    </message>
</context>
<context>
    <name>ConflictCopyBar</name>
    <message>
        <source>Merged copies</source>
        <translation>Copies fusionnées</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Show &amp;History</source>
        <translation>Afficher l’&amp;historique</translation>
    </message>
    <message>
        <source>%1: both texts are kept in the day</source>
        <translation>%1 : les deux textes sont gardés dans le jour</translation>
    </message>
    <message>
        <source>%1: the copy&apos;s text, the diary&apos;s is in the day&apos;s history</source>
        <translation>%1 : le texte de la copie, celui du journal est dans l’historique du jour</translation>
    </message>
    <message>
        <source>%1: the other text, yours is in the day&apos;s history</source>
        <translation>%1 : l’autre texte, le vôtre est dans l’historique du jour</translation>
    </message>
    <message>
        <source>%1: the diary&apos;s text, the copy&apos;s is in the day&apos;s history</source>
        <translation>%1 : le texte du journal, celui de la copie est dans l’historique du jour</translation>
    </message>
    <message>
        <source>%1: the other program&apos;s text, yours is in the day&apos;s history</source>
        <translation>%1 : le texte de l’autre programme, le vôtre est dans l’historique du jour</translation>
    </message>
    <message>
        <source>and 1 more</source>
        <translation>et 1 autre</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 autres</translation>
    </message>
    <message>
        <source>Merged %1, a copy another machine left: 1 day came from it.</source>
        <translation>%1 fusionnée, une copie laissée par une autre machine : 1 jour en est venu.</translation>
    </message>
    <message>
        <source>Merged %1, a copy another machine left: %2 days came from it.</source>
        <translation>%1 fusionnée, une copie laissée par une autre machine : %2 jours en sont venus.</translation>
    </message>
    <message>
        <source>Another program changed a day you wrote in.</source>
        <translation>Un autre programme a modifié un jour où vous avez écrit.</translation>
    </message>
    <message>
        <source>Another program changed %1 days you wrote in.</source>
        <translation>Un autre programme a modifié %1 jours où vous avez écrit.</translation>
    </message>
    <message>
        <source>Another program changed a day you typed in before Penwick last stopped.</source>
        <translation>Un autre programme a modifié un jour où vous aviez écrit avant le dernier arrêt de Penwick.</translation>
    </message>
    <message>
        <source>Another program changed %1 days you typed in before Penwick last stopped.</source>
        <translation>Un autre programme a modifié %1 jours où vous aviez écrit avant le dernier arrêt de Penwick.</translation>
    </message>
    <message>
        <source>The open day&apos;s text changed.</source>
        <translation>Le texte du jour ouvert a changé.</translation>
    </message>
</context>
<context>
    <name>DayPage</name>
    <message>
        <source>%1 words</source>
        <translation>%1 mots</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Réta&amp;blir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>&amp;Print Day…</source>
        <translation>Im&amp;primer le jour…</translation>
    </message>
    <message>
        <source>1 word</source>
        <translation>1 mot</translation>
    </message>
    <message>
        <source>Print Day</source>
        <translation>Imprimer le jour</translation>
    </message>
    <message>
        <source>Penwick cannot print here: its printing module is missing (%1).</source>
        <translation>Penwick ne peut pas imprimer ici : son module d’impression manque (%1).</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Rechercher le &amp;suivant</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Rechercher le &amp;précédent</translation>
    </message>
</context>
<context>
    <name>Decrypt</name>
    <message>
        <source>Usage: penwick --decrypt FILE [--recovery-key] &gt; clear.plist</source>
        <translation>Usage : penwick --decrypt FILE [--recovery-key] &gt; clear.plist</translation>
    </message>
    <message>
        <source>%1 is not a protected diary: it is not encrypted.</source>
        <translation>%1 n’est pas un journal protégé : il n’est pas chiffré.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Recovery key: </source>
        <translation>Clé de récupération : </translation>
    </message>
    <message>
        <source>Passphrase: </source>
        <translation>Phrase secrète : </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>What is written out is not encrypted: keep it safe, or remove it when you are done.</source>
        <translation>Ce qui est écrit en sortie n’est pas chiffré : gardez-le en lieu sûr, ou supprimez-le quand vous avez terminé.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Some changes are not saved</source>
        <translation>Certaines modifications ne sont pas enregistrées</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Save a Copy As…</source>
        <translation>Enregistrer une copie sous…</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Quitter sans enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>DiaryExport</name>
    <message>
        <source>Plain text</source>
        <translation>Texte brut</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Markdown, one file</source>
        <translation>Markdown, un seul fichier</translation>
    </message>
    <message>
        <source>Markdown files (*.md)</source>
        <translation>Fichiers Markdown (*.md)</translation>
    </message>
    <message>
        <source>Markdown daily notes, a folder</source>
        <translation>Notes quotidiennes Markdown, un dossier</translation>
    </message>
    <message>
        <source>Folders (*)</source>
        <translation>Dossiers (*)</translation>
    </message>
    <message>
        <source>HTML page</source>
        <translation>Page HTML</translation>
    </message>
    <message>
        <source>HTML files (*.html)</source>
        <translation>Fichiers HTML (*.html)</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>JSON, as jrnl exports it</source>
        <translation>JSON, comme l’exporte jrnl</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Fichiers JSON (*.json)</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>The whole diary</source>
        <translation>Tout le journal</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Premier jour</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Dernier jour</translation>
    </message>
    <message>
        <source>%1 or yyyy-MM-dd</source>
        <translation>%1 ou yyyy-MM-dd</translation>
    </message>
    <message>
        <source>to</source>
        <translation>au</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format :</translation>
    </message>
    <message>
        <source>Leave out empty days</source>
        <translation>Omettre les jours vides</translation>
    </message>
    <message>
        <source>Start each month on a new page</source>
        <translation>Commencer chaque mois sur une nouvelle page</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Avancement de l’export</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Aperçu a&amp;vant impression…</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Preview…</source>
        <translation>Aperçu…</translation>
    </message>
    <message>
        <source>This month (%1)</source>
        <translation>Ce mois-ci (%1)</translation>
    </message>
    <message>
        <source>This year (%1)</source>
        <translation>Cette année (%1)</translation>
    </message>
    <message numerus="yes">
        <source>The days the search found (%n)</source>
        <translation>
            <numerusform>Le jour trouvé par la recherche (%n)</numerusform>
            <numerusform>Les jours trouvés par la recherche (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” is no date Penwick can read; type it as %2 or as yyyy-MM-dd.</source>
        <translation>« %1 » n’est pas une date que Penwick sait lire ; tapez-la sous la forme %2 ou yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>The first day, %1, comes after the last, %2.</source>
        <translation>Le premier jour, %1, vient après le dernier, %2.</translation>
    </message>
    <message>
        <source>The export was cancelled; nothing was written.</source>
        <translation>L’export a été annulé ; rien n’a été écrit.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n days to %1.</source>
        <translation>
            <numerusform>%n jour exporté vers %1.</numerusform>
            <numerusform>%n jours exportés vers %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Penwick cannot print here: its printing module is missing (%1).</source>
        <translation>Penwick ne peut pas imprimer ici : son module d’impression manque (%1).</translation>
    </message>
    <message>
        <source>Diary</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Laying out the pages…</source>
        <translation>Mise en page…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>Ex&amp;porter…</translation>
    </message>
    <message>
        <source>Prin&amp;t…</source>
        <translation>Imprimer &amp;des jours…</translation>
    </message>
    <message>
        <source>What you export is not encrypted.</source>
        <translation>Ce que vous exportez n’est pas chiffré.</translation>
    </message>
    <message>
        <source>What you print is not encrypted.</source>
        <translation>Ce que vous imprimez n’est pas chiffré.</translation>
    </message>
    <message>
        <source>Your diary is protected by a passphrase, but anyone who gets at the file or the pages can read them.</source>
        <translation>Votre journal est protégé par une phrase secrète, mais quiconque accède au fichier ou aux pages peut les lire.</translation>
    </message>
    <message>
        <source>C&amp;ontinue</source>
        <translation>&amp;Continuer</translation>
    </message>
</context>
<context>
    <name>DiaryImport</name>
    <message>
        <source>&amp;Import from Another Diary…</source>
        <translation>&amp;Importer depuis un autre journal…</translation>
    </message>
    <message>
        <source>jrnl, RedNotebook, Day One, or a folder of daily notes (choose any of its files)</source>
        <translation>jrnl, RedNotebook, Day One ou un dossier de notes quotidiennes (choisissez l’un de ses fichiers)</translation>
    </message>
    <message>
        <source>Import from Another Diary</source>
        <translation>Importer depuis un autre journal</translation>
    </message>
    <message>
        <source>Imported 1 day from %1.</source>
        <translation>1 jour importé depuis %1.</translation>
    </message>
    <message>
        <source>Imported %1 days from %2.</source>
        <translation>%1 jours importés depuis %2.</translation>
    </message>
    <message>
        <source>Diaries (*.txt *.json *.zip *.md)</source>
        <translation>Journaux (*.txt *.json *.zip *.md)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Penwick imports a jrnl file (text or JSON), a Day One export (.zip or .json), a RedNotebook data folder and a folder of daily notes (2026-03-15.md). For a folder, choose any of its files.</source>
        <translation>Penwick importe un fichier jrnl (texte ou JSON), un export de Day One (.zip ou .json), un dossier de données RedNotebook et un dossier de notes quotidiennes (2026-03-15.md). Pour un dossier, choisissez l’un de ses fichiers.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
</context>
<context>
    <name>DiaryLock</name>
    <message>
        <source>Prote&amp;ct with a Passphrase…</source>
        <translation>P&amp;rotéger par une phrase secrète…</translation>
    </message>
    <message>
        <source>C&amp;hange Passphrase…</source>
        <translation>&amp;Changer la phrase secrète…</translation>
    </message>
    <message>
        <source>Remove Protectio&amp;n…</source>
        <translation>Retirer la protectio&amp;n…</translation>
    </message>
    <message>
        <source>&amp;Lock Now</source>
        <translation>Verrouiller &amp;maintenant</translation>
    </message>
    <message>
        <source>Lock &amp;After</source>
        <translation>Verrouiller &amp;après</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Jamais</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) without use</source>
        <translation>
            <numerusform>%n minute sans utilisation</numerusform>
            <numerusform>%n minutes sans utilisation</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep Passphrase in &amp;Keyring</source>
        <translation>Garder la phrase secrète dans le &amp;trousseau</translation>
    </message>
    <message>
        <source>Penwick — Locked</source>
        <translation>Penwick — Verrouillé</translation>
    </message>
    <message>
        <source>%1 After %2 wrong tries, the next one waits %3 seconds.</source>
        <translation>%1 Après %2 essais manqués, il faut attendre %3 secondes avant le suivant.</translation>
    </message>
    <message>
        <source>Your diary at %1 cannot be opened: %2 It is left as it is; its backups are in %3.</source>
        <translation>Votre journal à %1 ne peut pas être ouvert : %2 Il est laissé tel quel ; ses sauvegardes sont dans %3.</translation>
    </message>
    <message>
        <source>The keyring did not give the passphrase: %1</source>
        <translation>Le trousseau n’a pas fourni la phrase secrète : %1</translation>
    </message>
    <message>
        <source>The passphrase could not be kept in the keyring: %1</source>
        <translation>La phrase secrète n’a pas pu être gardée dans le trousseau : %1</translation>
    </message>
    <message>
        <source>Penwick: the recovery key of your diary

%1</source>
        <translation>Penwick : la clé de récupération de votre journal

%1</translation>
    </message>
    <message>
        <source>Recovery Key</source>
        <translation>Clé de récupération</translation>
    </message>
    <message>
        <source>Print the Recovery Key</source>
        <translation>Imprimer la clé de récupération</translation>
    </message>
    <message>
        <source>Save the Recovery Key</source>
        <translation>Enregistrer la clé de récupération</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Your diary, its history and its backups are encrypted now. Files Penwick did not make may still hold your diary in clear:</source>
        <translation>Votre journal, son historique et ses sauvegardes sont maintenant chiffrés. Des fichiers que Penwick n’a pas créés peuvent encore contenir votre journal en clair :</translation>
    </message>
    <message>
        <source>Your Diary Is Protected</source>
        <translation>Votre journal est protégé</translation>
    </message>
    <message>
        <source>The passphrase is changed; the recovery key stays as it was.</source>
        <translation>La phrase secrète est changée ; la clé de récupération reste la même.</translation>
    </message>
    <message>
        <source>This passphrase does not open the diary.</source>
        <translation>Cette phrase secrète n’ouvre pas le journal.</translation>
    </message>
    <message>
        <source>Your diary is stored without encryption again.</source>
        <translation>Votre journal est de nouveau enregistré sans chiffrement.</translation>
    </message>
</context>
<context>
    <name>DiaryProtection</name>
    <message>
        <source>Your diary could not be rewritten, so nothing was changed: %1</source>
        <translation>Votre journal n’a pas pu être réécrit, donc rien n’a été changé : %1</translation>
    </message>
    <message>
        <source>Your diary cannot be protected now: it cannot be read or written, or changes still wait to be stored.</source>
        <translation>Votre journal ne peut pas être protégé maintenant : il ne peut être ni lu ni écrit, ou des modifications attendent encore d’être enregistrées.</translation>
    </message>
    <message>
        <source>The key could not be made: there is not enough memory.</source>
        <translation>La clé n’a pas pu être créée : la mémoire est insuffisante.</translation>
    </message>
    <message>
        <source>The passphrase cannot be changed now: the diary cannot be written, or changes still wait to be stored.</source>
        <translation>La phrase secrète ne peut pas être changée maintenant : le journal ne peut pas être écrit, ou des modifications attendent encore d’être enregistrées.</translation>
    </message>
    <message>
        <source>The protection cannot be removed now: the diary cannot be written, or changes still wait to be stored.</source>
        <translation>La protection ne peut pas être retirée maintenant : le journal ne peut pas être écrit, ou des modifications attendent encore d’être enregistrées.</translation>
    </message>
    <message>
        <source>exports you made, such as those in %1</source>
        <translation>les exports que vous avez faits, comme ceux dans %1</translation>
    </message>
    <message>
        <source>the diary an earlier version kept in the preferences at %1</source>
        <translation>le journal qu’une version antérieure gardait dans les préférences à %1</translation>
    </message>
    <message>
        <source>copies of the diary file you made yourself, and earlier versions that a sync engine or a backup program keeps of it</source>
        <translation>les copies du fichier de journal que vous avez faites vous-même, et les versions antérieures qu’en garde un outil de synchronisation ou un programme de sauvegarde</translation>
    </message>
</context>
<context>
    <name>DiarySession</name>
    <message>
        <source>Written here while another program changed this day, %1</source>
        <translation>Écrit ici pendant qu’un autre programme modifiait ce jour, %1</translation>
    </message>
    <message>
        <source>Typed before Penwick last stopped; another program changed this day meanwhile</source>
        <translation>Écrit avant le dernier arrêt de Penwick ; un autre programme a modifié ce jour entre-temps</translation>
    </message>
    <message>
        <source>Recovered after Penwick stopped</source>
        <translation>Récupéré après l’arrêt de Penwick</translation>
    </message>
    <message>
        <source>Another program replaced your diary while Penwick wrote it, and its version could not be put back: it is kept as %1 and merged like a conflict copy.</source>
        <translation>Un autre programme a remplacé votre journal pendant que Penwick l’écrivait, et sa version n’a pas pu être remise en place : elle est gardée sous %1 et fusionnée comme une copie en conflit.</translation>
    </message>
</context>
<context>
    <name>DiarySnapshot</name>
    <message>
        <source>it is protected by a passphrase.</source>
        <translation>il est protégé par une phrase secrète.</translation>
    </message>
</context>
<context>
    <name>DiaryStorage</name>
    <message>
        <source>%1 is the diary Penwick has open. Choose another file.</source>
        <translation>%1 est le journal ouvert dans Penwick. Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n’est pas un fichier ordinaire.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>The pages could not be started.</source>
        <translation>Les pages n’ont pas pu être commencées.</translation>
    </message>
    <message>
        <source>Diary</source>
        <translation>Journal</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not an empty folder: daily notes go into a new or empty folder, so that no note there is replaced.</source>
        <translation>%1 n’est pas un dossier vide : les notes quotidiennes vont dans un dossier nouveau ou vide, pour qu’aucune note déjà là ne soit remplacée.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>Usage: penwick --export FORMAT [--from yyyy-MM-dd] [--to yyyy-MM-dd] OUT, where FORMAT is text, markdown, notes, html, pdf or json.</source>
        <translation>Usage : penwick --export FORMAT [--from yyyy-MM-dd] [--to yyyy-MM-dd] OUT, où FORMAT est text, markdown, notes, html, pdf ou json.</translation>
    </message>
    <message>
        <source>“%1” is no format Penwick exports: use text, markdown, notes, html, pdf or json.</source>
        <translation>« %1 » n’est pas un format d’export de Penwick : utilisez text, markdown, notes, html, pdf ou json.</translation>
    </message>
    <message>
        <source>%1 needs a day after it, written yyyy-MM-dd.</source>
        <translation>%1 doit être suivi d’un jour, écrit yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>“%1” after %2 is no day: write it as yyyy-MM-dd, for example 2026-03-15.</source>
        <translation>« %1 » après %2 n’est pas un jour : écrivez-le yyyy-MM-dd, par exemple 2026-03-15.</translation>
    </message>
    <message>
        <source>“%1” is no option of --export. %2</source>
        <translation>« %1 » n’est pas une option de --export. %2</translation>
    </message>
    <message>
        <source>The day after --from, %1, comes after the day after --to, %2.</source>
        <translation>Le jour après --from, %1, vient après le jour après --to, %2.</translation>
    </message>
    <message>
        <source>The diary at %1 cannot be read: %2</source>
        <translation>Le journal à %1 ne peut pas être lu : %2</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n days to %1.</source>
        <translation>
            <numerusform>%n jour exporté vers %1.</numerusform>
            <numerusform>%n jours exportés vers %1.</numerusform>
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
        <translation>Aide de Penwick</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Versions of the day</source>
        <translation>Versions du jour</translation>
    </message>
    <message>
        <source>Chosen version, with its differences from the current text</source>
        <translation>Version choisie, avec ses différences par rapport au texte actuel</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Restaurer cette version</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Open Backups Folder</source>
        <translation>Ouvrir le dossier des sauvegardes</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Historique du %1</translation>
    </message>
    <message>
        <source>This day has no earlier versions yet.</source>
        <translation>Ce jour n’a pas encore de versions antérieures.</translation>
    </message>
    <message>
        <source>No file manager could be opened. The backups are in this folder:</source>
        <translation>Aucun gestionnaire de fichiers n’a pu être ouvert. Les sauvegardes sont dans ce dossier :</translation>
    </message>
    <message>
        <source>Backups folder</source>
        <translation>Dossier des sauvegardes</translation>
    </message>
    <message>
        <source>&amp;History of This Day…</source>
        <translation>&amp;Historique de ce jour…</translation>
    </message>
    <message>
        <source>Open &amp;Backups Folder</source>
        <translation>Ouvrir le dossier des sauve&amp;gardes</translation>
    </message>
    <message>
        <source>Underlined: only in this version. Struck through: only in the day&apos;s text now.</source>
        <translation>Souligné : seulement dans cette version. Barré : seulement dans le texte actuel du jour.</translation>
    </message>
    <message>
        <source>&amp;Restore This Version</source>
        <translation>&amp;Restaurer cette version</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>1 character</source>
        <translation>1 caractère</translation>
    </message>
    <message>
        <source>%1 characters</source>
        <translation>%1 caractères</translation>
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
        <translation>Un autre programme utilise l’historique de vos jours à %1 : les versions précédentes ne sont donc pas gardées pour l’instant. Penwick tient votre fichier de journal à jour en attendant et reprend l’historique dès qu’il le peut.</translation>
    </message>
    <message>
        <source>The disk that holds the history of your days at %1 is full, so earlier versions are not kept for now. Penwick keeps your diary file up to date meanwhile.</source>
        <translation>Le disque qui contient l’historique de vos jours à %1 est plein : les versions précédentes ne sont donc pas gardées pour l’instant. Penwick tient votre fichier de journal à jour en attendant.</translation>
    </message>
    <message>
        <source>The history of your days at %1 cannot be opened or written, so earlier versions are not kept for now. Penwick keeps your diary file up to date meanwhile.</source>
        <translation>L’historique de vos jours à %1 ne peut être ni ouvert ni écrit : les versions précédentes ne sont donc pas gardées pour l’instant. Penwick tient votre fichier de journal à jour en attendant.</translation>
    </message>
    <message>
        <source>Earlier versions of your days cannot be kept now (%1). Penwick keeps your diary file up to date meanwhile.</source>
        <translation>Les versions précédentes de vos jours ne peuvent pas être gardées maintenant (%1). Penwick tient votre fichier de journal à jour en attendant.</translation>
    </message>
    <message>
        <source>it is a link, or no file of yours, and is left as it is</source>
        <translation>c’est un lien, ou pas un fichier à vous, et il est laissé tel quel</translation>
    </message>
    <message>
        <source>The history of your days at %1 was removed or replaced while Penwick ran, so a new one is started. Your diary itself is not affected.</source>
        <translation>L’historique de vos jours à %1 a été supprimé ou remplacé pendant que Penwick tournait ; un nouveau est commencé. Votre journal lui-même n’est pas touché.</translation>
    </message>
    <message>
        <source>Earlier versions of your days cannot be kept: the history at %1 is damaged and cannot be replaced (%2). Your diary itself is not affected.</source>
        <translation>Les versions précédentes de vos jours ne peuvent pas être gardées : l’historique à %1 est endommagé et ne peut pas être remplacé (%2). Votre journal lui-même n’est pas touché.</translation>
    </message>
    <message>
        <source>The history of your days at %1 was damaged, so it was put aside as %2 and a new one started. Your diary itself is not affected.</source>
        <translation>L’historique de vos jours à %1 était endommagé : il a été mis de côté sous %2 et un nouveau est commencé. Votre journal lui-même n’est pas touché.</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Saisi</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Restauré</translation>
    </message>
    <message>
        <source>Changed by another program</source>
        <translation>Modifié par un autre programme</translation>
    </message>
    <message>
        <source>Merged from another copy</source>
        <translation>Fusionné depuis une autre copie</translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>Importé</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>%1 holds the date %2, which is not a valid day in the years 1 to 9999.</source>
        <translation>%1 contient la date %2, qui n’est pas un jour valide entre les années 1 et 9999.</translation>
    </message>
    <message>
        <source>%1 holds an entry that is not in the form Penwick expects.</source>
        <translation>%1 contient une entrée qui n’a pas la forme attendue par Penwick.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, more than Penwick imports from one file.</source>
        <translation>%1 dépasse %2 Mio, plus que ce que Penwick importe d’un seul fichier.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 files, more than Penwick imports at once.</source>
        <translation>%1 contient plus de %2 fichiers, plus que ce que Penwick importe en une fois.</translation>
    </message>
    <message>
        <source>%1 is not a diary Penwick can import.</source>
        <translation>%1 n’est pas un journal que Penwick sait importer.</translation>
    </message>
    <message>
        <source>%1 uses YAML aliases, which Penwick does not read.</source>
        <translation>%1 utilise des alias YAML, que Penwick ne lit pas.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 YAML nodes, more than Penwick reads.</source>
        <translation>%1 contient plus de %2 nœuds YAML, plus que ce que Penwick lit.</translation>
    </message>
    <message>
        <source>daily notes</source>
        <translation>notes quotidiennes</translation>
    </message>
    <message>
        <source>%1 holds no entries to import.</source>
        <translation>%1 ne contient aucune entrée à importer.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 MiB of text for %3, more than Penwick keeps for one day.</source>
        <translation>%1 contient plus de %2 Mio de texte pour le %3, plus que ce que Penwick garde pour un jour.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 MiB in total, more than Penwick imports at once.</source>
        <translation>%1 contient plus de %2 Mio au total, plus que ce que Penwick importe en une fois.</translation>
    </message>
    <message>
        <source>%1 is not valid UTF-8 text.</source>
        <translation>%1 n’est pas un texte UTF-8 valide.</translation>
    </message>
    <message>
        <source>%1 holds the time %2, which is not a valid time of day.</source>
        <translation>%1 contient l’heure %2, qui n’est pas une heure valide.</translation>
    </message>
    <message>
        <source>%1 is nested deeper than %2 levels, more than Penwick reads.</source>
        <translation>%1 est imbriqué sur plus de %2 niveaux, plus que ce que Penwick lit.</translation>
    </message>
    <message>
        <source>Handed to the running Penwick, which imports it now.</source>
        <translation>Confié au Penwick en cours d’exécution, qui l’importe maintenant.</translation>
    </message>
    <message>
        <source>Imported %1 days from %2.</source>
        <translation>%1 jours importés depuis %2.</translation>
    </message>
    <message>
        <source>There is no diary file at %1 to import into.</source>
        <translation>Il n’y a pas de fichier de journal à %1 dans lequel importer.</translation>
    </message>
    <message>
        <source>Every day from %1 is here already: nothing to import.</source>
        <translation>Chaque jour de %1 est déjà ici : rien à importer.</translation>
    </message>
    <message>
        <source>Import 1 day from %1?</source>
        <translation>Importer 1 jour depuis %1 ?</translation>
    </message>
    <message>
        <source>Import %1 days from %2?</source>
        <translation>Importer %1 jours depuis %2 ?</translation>
    </message>
    <message>
        <source>1 of them already has text here; the imported text will be added below it.</source>
        <translation>1 d’entre eux a déjà du texte ici ; le texte importé sera ajouté en dessous.</translation>
    </message>
    <message>
        <source>%1 of them already have text here; the imported text will be added below it.</source>
        <translation>%1 d’entre eux ont déjà du texte ici ; le texte importé sera ajouté en dessous.</translation>
    </message>
    <message>
        <source>%1 photos, recordings and other attachments are left out.</source>
        <translation>%1 photos, enregistrements et autres pièces jointes sont laissés de côté.</translation>
    </message>
    <message>
        <source>Imported 1 day from %1.</source>
        <translation>1 jour importé depuis %1.</translation>
    </message>
    <message>
        <source>Penwick cannot read %1 here: its YAML module is missing (%2).</source>
        <translation>Penwick ne peut pas lire %1 ici : son module YAML est absent (%2).</translation>
    </message>
    <message>
        <source>Penwick cannot read %1 here: its zip module is missing (%2).</source>
        <translation>Penwick ne peut pas lire %1 ici : son module ZIP est absent (%2).</translation>
    </message>
    <message>
        <source>Nothing was imported: your latest changes are not stored yet. %1</source>
        <translation>Rien n’a été importé : vos dernières modifications ne sont pas encore enregistrées. %1</translation>
    </message>
    <message>
        <source>The diary could not be written.</source>
        <translation>Le journal n’a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Your diary is protected by a passphrase: start Penwick, unlock the diary, and import from File &gt; Import from Another Diary…</source>
        <translation>Votre journal est protégé par une phrase secrète : démarrez Penwick, déverrouillez le journal, puis importez depuis Fichier &gt; Importer depuis un autre journal…</translation>
    </message>
</context>
<context>
    <name>Keyring</name>
    <message>
        <source>Penwick cannot reach the keyring: its keyring module is missing (%1).</source>
        <translation>Penwick ne peut pas accéder au trousseau : son module de trousseau manque (%1).</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Search the diary</source>
        <translation>Rechercher dans le journal</translation>
    </message>
    <message>
        <source>Diary entry</source>
        <translation>Page du journal</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Aller</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;Storage…</source>
        <translation>&amp;Emplacement…</translation>
    </message>
    <message>
        <source>Where your diary lives: move, start, open or export it</source>
        <translation>Où se trouve votre journal : le déplacer, en créer un, l’ouvrir ou l’exporter</translation>
    </message>
    <message>
        <source>&amp;Open Diary File…</source>
        <translation>&amp;Ouvrir un fichier de journal…</translation>
    </message>
    <message>
        <source>&amp;Export as Text…</source>
        <translation>E&amp;xporter en texte…</translation>
    </message>
    <message>
        <source>&amp;Remove Empty Entries</source>
        <translation>&amp;Supprimer les pages vides</translation>
    </message>
    <message>
        <source>Remove the days whose text is empty from the diary file</source>
        <translation>Supprimer du fichier les jours dont le texte est vide</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Rechercher…</translation>
    </message>
    <message>
        <source>&amp;Previous Month</source>
        <translation>Mois &amp;précédent</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>Aujourd’&amp;hui</translation>
    </message>
    <message>
        <source>&amp;Next Month</source>
        <translation>Mois &amp;suivant</translation>
    </message>
    <message>
        <source>Previous &amp;Day</source>
        <translation>&amp;Jour précédent</translation>
    </message>
    <message>
        <source>Ne&amp;xt Day</source>
        <translation>Jour s&amp;uivant</translation>
    </message>
    <message>
        <source>Penwick &amp;Help</source>
        <translation>&amp;Aide de Penwick</translation>
    </message>
    <message>
        <source>&amp;About Penwick</source>
        <translation>À &amp;propos de Penwick</translation>
    </message>
    <message>
        <source>Removed 1 empty entry.</source>
        <translation>1 page vide supprimée.</translation>
    </message>
    <message>
        <source>Removed %1 empty entries.</source>
        <translation>%1 pages vides supprimées.</translation>
    </message>
    <message>
        <source>About Penwick</source>
        <translation>À propos de Penwick</translation>
    </message>
    <message>
        <source>&lt;b&gt;Penwick %1&lt;/b&gt;&lt;p&gt;A small diary that keeps every word you type.&lt;/p&gt;&lt;p&gt;Your diary is kept in %2&lt;/p&gt;</source>
        <translation>&lt;b&gt;Penwick %1&lt;/b&gt;&lt;p&gt;Un petit journal qui garde chaque mot que vous tapez.&lt;/p&gt;&lt;p&gt;Votre journal se trouve dans %2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The reminder could not be switched on. %1</source>
        <translation>Le rappel n’a pas pu être activé. %1</translation>
    </message>
    <message>
        <source>Your preferences at %1 cannot be read; they are left as they are, and Penwick uses the diary at %2.</source>
        <translation>Vos préférences à %1 ne peuvent pas être lues ; elles restent telles quelles, et Penwick utilise le journal à %2.</translation>
    </message>
    <message>
        <source>Open day</source>
        <translation>Jour ouvert</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>%1 — Penwick</source>
        <translation>%1 — Penwick</translation>
    </message>
    <message>
        <source>Previous &amp;Year</source>
        <translation>&amp;Année précédente</translation>
    </message>
    <message>
        <source>Next Ye&amp;ar</source>
        <translation>A&amp;nnée suivante</translation>
    </message>
    <message>
        <source>&amp;Go to Date…</source>
        <translation>Aller à la &amp;date…</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Penwick Help</source>
        <translation>Aide de Penwick</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Présentation</translation>
    </message>
    <message>
        <source>A diary with auto-save function. Click the calendar to jump. You can also search through diary.</source>
        <translation>Un journal qui s’enregistre tout seul. Cliquez dans le calendrier pour aller à un jour. Vous pouvez aussi chercher dans le journal.</translation>
    </message>
    <message>
        <source>Writing diary and save functions</source>
        <translation>Écrire et enregistrer</translation>
    </message>
    <message>
        <source>On startup, the calendar, left, points today. Calendar and the diary space, right, synchronizes automatically. So you can start writing right away. If you click on the other date, you can jump to that date&apos;s diary.</source>
        <translation>Au démarrage, le calendrier, à gauche, montre aujourd’hui. Le calendrier et la page, à droite, se suivent automatiquement : vous pouvez écrire tout de suite. Un clic sur une autre date affiche la page de ce jour.</translation>
    </message>
    <message>
        <source>When you write text on the diary space, it will be automatically saved.</source>
        <translation>Ce que vous écrivez sur la page est enregistré automatiquement.</translation>
    </message>
    <message>
        <source>Searches</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>When you write a single keyword inside the search box, left below, and hit return/ enter key, the app will display the list of the dates which includes the keyword.</source>
        <translation>Tapez un mot-clé dans le champ de recherche, en bas à gauche, puis appuyez sur Entrée : Penwick affiche la liste des jours qui contiennent ce mot-clé.</translation>
    </message>
    <message>
        <source>Clicking on the list of search results will show you the diary of that date.</source>
        <translation>Un clic sur un résultat affiche la page de ce jour.</translation>
    </message>
    <message>
        <source>Clicking on x in the search box will delete the list.</source>
        <translation>Un clic sur le x du champ de recherche vide la liste.</translation>
    </message>
    <message>
        <source>Coming from another diary</source>
        <translation>Venir d’un autre journal</translation>
    </message>
    <message>
        <source>File &gt; Import from Another Diary… reads a jrnl file (text or JSON), a Day One export (.zip or .json), a RedNotebook folder or a folder of daily notes named by date (choose any of its files). Penwick says how many days it brings in before anything changes; text already on a day stays, and the imported text is added below it. Each imported day keeps its earlier text in Edit &gt; History of This Day.</source>
        <translation>Fichier &gt; Importer depuis un autre journal… lit un fichier jrnl (texte ou JSON), un export Day One (.zip ou .json), un dossier RedNotebook ou un dossier de notes quotidiennes nommées par date (choisissez l’un de ses fichiers). Penwick indique combien de jours il apporte avant que rien ne change ; le texte déjà présent reste, et le texte importé est ajouté en dessous. Chaque jour importé garde son texte antérieur dans Édition &gt; Historique de ce jour.</translation>
    </message>
    <message>
        <source>One diary on several machines</source>
        <translation>Un journal sur plusieurs machines</translation>
    </message>
    <message>
        <source>Taking the diary out</source>
        <translation>Emporter son journal</translation>
    </message>
    <message>
        <source>File &gt; Export… writes the whole diary, the month or the year shown, a range of dates or the days the search found: as plain text, as Markdown (one file, or a folder of daily notes named by date), as an HTML page, as a PDF or as jrnl&apos;s JSON. File &gt; Print… prints the same pages as the PDF, and File &gt; Print Preview… shows them first. Penwick reads its daily notes and its JSON back with File &gt; Import from Another Diary.</source>
        <translation>Fichier &gt; Exporter… écrit tout le journal, le mois ou l’année affichés, une plage de dates ou les jours trouvés par la recherche : en texte brut, en Markdown (un seul fichier, ou un dossier de notes quotidiennes nommées par date), en page HTML, en PDF ou en JSON de jrnl. Fichier &gt; Imprimer des jours… imprime les mêmes pages que le PDF, et Fichier &gt; Aperçu avant impression… les montre d’abord. Penwick relit ses notes quotidiennes et son JSON avec Fichier &gt; Importer depuis un autre journal.</translation>
    </message>
    <message>
        <source>Keep the diary in a folder that your sync tool (Syncthing, Nextcloud, Dropbox) shares. When two machines changed it between two syncs, Penwick merges the conflict copy the tool leaves, day by day: a day only one machine changed takes that change, a day both changed keeps both texts, one below the other, and the text that leaves a day goes into its history. The copy then goes into the Backups folder.</source>
        <translation>Gardez le journal dans un dossier que votre outil de synchronisation (Syncthing, Nextcloud, Dropbox) partage. Quand deux machines l’ont modifié entre deux synchronisations, Penwick fusionne jour par jour la copie en conflit que l’outil laisse : un jour modifié par une seule machine prend cette modification, un jour modifié par les deux garde les deux textes, l’un sous l’autre, et le texte qui quitte un jour va dans son historique. La copie va ensuite dans le dossier Backups.</translation>
    </message>
    <message>
        <source>Several words find the days that hold all of them. Put &quot;a phrase&quot; in quotes to find it as it stands, write -word to leave out the days that hold it, and #tag to find the days with that tag.</source>
        <translation>Plusieurs mots trouvent les jours qui les contiennent tous. Mettez « une expression » entre guillemets pour la trouver telle quelle, écrivez -mot pour écarter les jours qui le contiennent, et #étiquette pour trouver les jours portant cette étiquette.</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>A word that starts with # is a tag, such as #garden or #travel. Typing # offers the tags you have used, most used first. View &gt; Tags lists every tag with the number of days that hold it; choose one to search for it.</source>
        <translation>Un mot qui commence par # est une étiquette, comme #jardin ou #voyage. Taper # propose les étiquettes déjà employées, les plus fréquentes d’abord. Affichage &gt; Étiquettes liste chaque étiquette avec le nombre de jours qui la portent ; choisissez-en une pour la rechercher.</translation>
    </message>
    <message>
        <source>The year at a glance</source>
        <translation>L’année d’un coup d’œil</translation>
    </message>
    <message>
        <source>View &gt; Year Overview… shows every day of a year as a square, coloured by the words you wrote that day, with the days written, the words, your longest and current streak, the words of each month and the tags of the year. Click a day or press Return to open it.</source>
        <translation>Affichage &gt; Aperçu de l’année… montre chaque jour d’une année par un carré, coloré selon les mots écrits ce jour-là, avec les jours écrits, les mots, votre plus longue série et la série en cours, les mots de chaque mois et les étiquettes de l’année. Cliquez sur un jour ou appuyez sur Entrée pour l’ouvrir.</translation>
    </message>
    <message>
        <source>A private diary</source>
        <translation>Un journal privé</translation>
    </message>
    <message>
        <source>File &gt; Protect with a Passphrase… encrypts the diary, its history and its backups. Penwick then shows a recovery key once: keep it apart from the computer, since either the passphrase or the recovery key opens the diary, and nothing else does. Penwick locks the diary after the time chosen in File &gt; Lock After, when the desktop locks, and with File &gt; Lock Now; everything typed is stored first. What you export or print is not encrypted.</source>
        <translation>Fichier &gt; Protéger par une phrase secrète… chiffre le journal, son historique et ses sauvegardes. Penwick affiche alors une clé de récupération, une seule fois : gardez-la loin de l’ordinateur, car seule la phrase secrète ou la clé de récupération ouvre le journal, rien d’autre. Penwick verrouille le journal après le délai choisi dans Fichier &gt; Verrouiller après, quand le bureau se verrouille, et avec Fichier &gt; Verrouiller maintenant ; tout ce qui a été tapé est enregistré avant. Ce que vous exportez ou imprimez n’est pas chiffré.</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>%1 is of version %2, and this Penwick needs version %3</source>
        <translation>%1 est en version %2, et ce Penwick demande la version %3</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>it is a folder.</source>
        <translation>c’est un dossier.</translation>
    </message>
    <message>
        <source>it is larger than 1 GB.</source>
        <translation>il dépasse 1 Go.</translation>
    </message>
    <message>
        <source>it is empty.</source>
        <translation>il est vide.</translation>
    </message>
    <message>
        <source>it does not hold a list of diary entries.</source>
        <translation>il ne contient pas de liste de pages de journal.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>ce n’est pas un fichier ordinaire.</translation>
    </message>
</context>
<context>
    <name>OnThisDay</name>
    <message>
        <source>On This Day</source>
        <translation>Ce jour-là</translation>
    </message>
    <message>
        <source>On this day in earlier years</source>
        <translation>Ce jour-là les années précédentes</translation>
    </message>
    <message>
        <source>Nothing on this day in earlier years</source>
        <translation>Rien ce jour-là les années précédentes</translation>
    </message>
    <message>
        <source>On This &amp;Day</source>
        <translation>&amp;Ce jour-là</translation>
    </message>
</context>
<context>
    <name>PassphraseDialog</name>
    <message>
        <source>Remove Protection</source>
        <translation>Retirer la protection</translation>
    </message>
    <message>
        <source>Your diary, its history and its backups will be stored without encryption again. Type the passphrase to go on.</source>
        <translation>Votre journal, son historique et ses sauvegardes seront de nouveau enregistrés sans chiffrement. Tapez la phrase secrète pour continuer.</translation>
    </message>
    <message>
        <source>&amp;Passphrase:</source>
        <translation>&amp;Phrase secrète :</translation>
    </message>
    <message>
        <source>Passphrase</source>
        <translation>Phrase secrète</translation>
    </message>
    <message>
        <source>&amp;Remove Protection</source>
        <translation>&amp;Retirer la protection</translation>
    </message>
    <message>
        <source>Protect with a Passphrase</source>
        <translation>Protéger par une phrase secrète</translation>
    </message>
    <message>
        <source>Change Passphrase</source>
        <translation>Changer la phrase secrète</translation>
    </message>
    <message>
        <source>The diary, its history and its backups are encrypted with this passphrase. A few words that you remember and nobody would guess make a good one. Without it, only the recovery key opens the diary.</source>
        <translation>Le journal, son historique et ses sauvegardes sont chiffrés avec cette phrase secrète. Quelques mots dont vous vous souvenez et que personne ne devinerait en font une bonne. Sans elle, seule la clé de récupération ouvre le journal.</translation>
    </message>
    <message>
        <source>New passphrase</source>
        <translation>Nouvelle phrase secrète</translation>
    </message>
    <message>
        <source>New passphrase again</source>
        <translation>Nouvelle phrase secrète, confirmation</translation>
    </message>
    <message>
        <source>&amp;New passphrase:</source>
        <translation>&amp;Nouvelle phrase secrète :</translation>
    </message>
    <message>
        <source>&amp;Again:</source>
        <translation>Encore une &amp;fois :</translation>
    </message>
    <message>
        <source>&amp;Keep the passphrase in the desktop&apos;s keyring</source>
        <translation>&amp;Garder la phrase secrète dans le trousseau du bureau</translation>
    </message>
    <message>
        <source>&amp;Protect</source>
        <translation>&amp;Protéger</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Changer</translation>
    </message>
    <message>
        <source>Weak: easy to guess. Longer, or a few unrelated words, is better.</source>
        <translation>Faible : facile à deviner. Mieux vaut plus long, ou quelques mots sans rapport entre eux.</translation>
    </message>
    <message>
        <source>Fair: a few more characters or words make it much harder to guess.</source>
        <translation>Moyenne : quelques caractères ou mots de plus la rendent bien plus difficile à deviner.</translation>
    </message>
    <message>
        <source>Good.</source>
        <translation>Bonne.</translation>
    </message>
    <message>
        <source>Strong.</source>
        <translation>Forte.</translation>
    </message>
    <message>
        <source>The two passphrases differ.</source>
        <translation>Les deux phrases secrètes sont différentes.</translation>
    </message>
</context>
<context>
    <name>Plist</name>
    <message>
        <source>A &lt;data&gt; value is not valid base64.</source>
        <translation>Une valeur &lt;data&gt; n’est pas du base64 valide.</translation>
    </message>
    <message>
        <source>A boolean element holds text.</source>
        <translation>Un élément booléen contient du texte.</translation>
    </message>
    <message>
        <source>The element &lt;%1&gt; is not part of a property list.</source>
        <translation>L’élément &lt;%1&gt; ne fait pas partie d’une liste de propriétés.</translation>
    </message>
    <message>
        <source>The element &lt;%1&gt; must not contain other elements.</source>
        <translation>L’élément &lt;%1&gt; ne doit pas contenir d’autres éléments.</translation>
    </message>
    <message>
        <source>The %1 value &quot;%2&quot; cannot be read.</source>
        <translation>La valeur %1 « %2 » ne peut pas être lue.</translation>
    </message>
    <message>
        <source>Text stands between the values of &lt;%1&gt;.</source>
        <translation>Du texte se trouve entre les valeurs de &lt;%1&gt;.</translation>
    </message>
    <message>
        <source>The values are nested too deeply.</source>
        <translation>Les valeurs sont imbriquées trop profondément.</translation>
    </message>
    <message>
        <source>A dictionary value has no key.</source>
        <translation>Une valeur de dictionnaire n’a pas de clé.</translation>
    </message>
    <message>
        <source>A dictionary key has no value.</source>
        <translation>Une clé de dictionnaire n’a pas de valeur.</translation>
    </message>
    <message>
        <source>The file is not a valid property list: %1 (at byte %2).</source>
        <translation>Le fichier n’est pas une liste de propriétés valide : %1 (à l’octet %2).</translation>
    </message>
    <message>
        <source>The file holds no property list.</source>
        <translation>Le fichier ne contient aucune liste de propriétés.</translation>
    </message>
    <message>
        <source>The property list holds more than one value.</source>
        <translation>La liste de propriétés contient plus d’une valeur.</translation>
    </message>
    <message>
        <source>Text stands outside the values of the property list.</source>
        <translation>Du texte se trouve hors des valeurs de la liste de propriétés.</translation>
    </message>
    <message>
        <source>The property list holds no value.</source>
        <translation>La liste de propriétés ne contient aucune valeur.</translation>
    </message>
    <message>
        <source>The file is not a valid property list: %1</source>
        <translation>Le fichier n’est pas une liste de propriétés valide : %1</translation>
    </message>
    <message>
        <source>The binary property list is truncated or of an unknown version.</source>
        <translation>La liste de propriétés binaire est tronquée ou d’une version inconnue.</translation>
    </message>
    <message>
        <source>The binary property list has a damaged trailer.</source>
        <translation>La fin de la liste de propriétés binaire est endommagée.</translation>
    </message>
    <message>
        <source>a count lies outside the file.</source>
        <translation>un nombre d’éléments se trouve hors du fichier.</translation>
    </message>
    <message>
        <source>a count is not an integer.</source>
        <translation>un nombre d’éléments n’est pas un entier.</translation>
    </message>
    <message>
        <source>a container lies outside the file.</source>
        <translation>un conteneur se trouve hors du fichier.</translation>
    </message>
    <message>
        <source>its shared values expand beyond any diary&apos;s size.</source>
        <translation>ses valeurs partagées dépassent la taille de tout journal.</translation>
    </message>
    <message>
        <source>a reference points past the last object.</source>
        <translation>une référence pointe au-delà du dernier objet.</translation>
    </message>
    <message>
        <source>a container contains itself.</source>
        <translation>un conteneur se contient lui-même.</translation>
    </message>
    <message>
        <source>the values are nested too deeply.</source>
        <translation>les valeurs sont imbriquées trop profondément.</translation>
    </message>
    <message>
        <source>an object lies outside the file.</source>
        <translation>un objet se trouve hors du fichier.</translation>
    </message>
    <message>
        <source>it holds a null or unknown value.</source>
        <translation>il contient une valeur nulle ou inconnue.</translation>
    </message>
    <message>
        <source>an integer lies outside the file.</source>
        <translation>un entier se trouve hors du fichier.</translation>
    </message>
    <message>
        <source>an integer is too large.</source>
        <translation>un entier est trop grand.</translation>
    </message>
    <message>
        <source>a number lies outside the file.</source>
        <translation>un nombre se trouve hors du fichier.</translation>
    </message>
    <message>
        <source>a date is out of range.</source>
        <translation>une date est hors limites.</translation>
    </message>
    <message>
        <source>a string or data value lies outside the file.</source>
        <translation>une chaîne ou une donnée se trouve hors du fichier.</translation>
    </message>
    <message>
        <source>a reference value lies outside the file.</source>
        <translation>une référence se trouve hors du fichier.</translation>
    </message>
    <message>
        <source>a dictionary key is not a string.</source>
        <translation>une clé de dictionnaire n’est pas une chaîne.</translation>
    </message>
    <message>
        <source>it holds an object of an unknown type.</source>
        <translation>il contient un objet de type inconnu.</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>The preferences at %1 could not be written.</source>
        <translation>Les préférences à %1 n’ont pas pu être écrites.</translation>
    </message>
</context>
<context>
    <name>RecoveryKeyDialog</name>
    <message>
        <source>Your Recovery Key</source>
        <translation>Votre clé de récupération</translation>
    </message>
    <message>
        <source>If you forget the passphrase, this recovery key opens your diary. It is shown only now: print it or write it down, and keep it apart from the computer.</source>
        <translation>Si vous oubliez la phrase secrète, cette clé de récupération ouvre votre journal. Elle n’est affichée que maintenant : imprimez-la ou notez-la, et gardez-la à l’écart de l’ordinateur.</translation>
    </message>
    <message>
        <source>Recovery key</source>
        <translation>Clé de récupération</translation>
    </message>
    <message>
        <source>The recovery key&apos;s last group</source>
        <translation>Dernier groupe de la clé de récupération</translation>
    </message>
    <message>
        <source>To show that you have it, type its &amp;last group:</source>
        <translation>Pour montrer que vous l’avez, tapez son &amp;dernier groupe :</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Enregistrer…</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>Penwick&apos;s path cannot be written into a systemd unit safely: %1</source>
        <translation>Le chemin de Penwick ne peut pas être écrit sans risque dans une unité systemd : %1</translation>
    </message>
    <message>
        <source>The timer could not be enabled at %1.</source>
        <translation>Le minuteur n’a pas pu être activé à %1.</translation>
    </message>
    <message>
        <source>It starts with your next login: &quot;systemctl --user&quot; could not reach your session&apos;s service manager.</source>
        <translation>Il démarre à votre prochaine connexion : « systemctl --user » n’a pas pu joindre le gestionnaire de services de votre session.</translation>
    </message>
</context>
<context>
    <name>ReminderWidget</name>
    <message>
        <source>&amp;Reminder</source>
        <translation>&amp;Rappel</translation>
    </message>
    <message>
        <source>Penwick opens every day at this time</source>
        <translation>Penwick s’ouvre chaque jour à cette heure</translation>
    </message>
    <message>
        <source>Reminder time</source>
        <translation>Heure du rappel</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Reminder on</source>
        <translation>Rappel activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Reminder off</source>
        <translation>Rappel désactivé</translation>
    </message>
    <message>
        <source>The time Penwick opens every day</source>
        <translation>L’heure à laquelle Penwick s’ouvre chaque jour</translation>
    </message>
    <message>
        <source>The reminder is on. %1</source>
        <translation>Le rappel est activé. %1</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message numerus="yes">
        <source> (%n times)</source>
        <translation>
            <numerusform> (%n fois)</numerusform>
            <numerusform> (%n fois)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SealedFile</name>
    <message>
        <source>it was changed or damaged: its contents do not pass the check of its encryption.</source>
        <translation>il a été modifié ou endommagé : son contenu ne passe pas la vérification de son chiffrement.</translation>
    </message>
    <message>
        <source>it was written by a newer version of Penwick (format %1), which this one cannot read. Open it with that version.</source>
        <translation>il a été écrit par une version plus récente de Penwick (format %1), et celle-ci ne sait pas le lire. Ouvrez-le avec cette version-là.</translation>
    </message>
    <message>
        <source>there is not enough memory to open it.</source>
        <translation>la mémoire est insuffisante pour l’ouvrir.</translation>
    </message>
    <message>
        <source>the encryption library cannot start.</source>
        <translation>la bibliothèque de chiffrement ne peut pas démarrer.</translation>
    </message>
    <message>
        <source>there is not enough memory to work out the key from the passphrase.</source>
        <translation>la mémoire est insuffisante pour calculer la clé à partir de la phrase secrète.</translation>
    </message>
    <message>
        <source>This passphrase does not open the diary.</source>
        <translation>Cette phrase secrète n’ouvre pas le journal.</translation>
    </message>
    <message>
        <source>This recovery key does not open the diary.</source>
        <translation>Cette clé de récupération n’ouvre pas le journal.</translation>
    </message>
    <message>
        <source>A recovery key is 25 letters and digits, in five groups of five.</source>
        <translation>Une clé de récupération compte 25 lettres et chiffres, en cinq groupes de cinq.</translation>
    </message>
    <message>
        <source>it does not open with this diary&apos;s key: it was changed or damaged, or it is protected by another passphrase.</source>
        <translation>il ne s’ouvre pas avec la clé de ce journal : il a été modifié ou endommagé, ou il est protégé par une autre phrase secrète.</translation>
    </message>
</context>
<context>
    <name>SealedFiles</name>
    <message>
        <source>%1 does not open with this diary&apos;s key and is left as it is.</source>
        <translation>%1 ne s’ouvre pas avec la clé de ce journal et est laissé tel quel.</translation>
    </message>
    <message>
        <source>The conflict copy %1 is merged but could not be moved into %2.</source>
        <translation>La copie en conflit %1 est fusionnée mais n’a pas pu être déplacée dans %2.</translation>
    </message>
</context>
<context>
    <name>SearchPopover</name>
    <message>
        <source>Close the search results (Esc)</source>
        <translation>Fermer les résultats (Échap)</translation>
    </message>
    <message>
        <source>Close the search results</source>
        <translation>Fermer les résultats</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Résultats de la recherche</translation>
    </message>
    <message>
        <source>No day holds “%1”</source>
        <translation>Aucun jour ne contient « %1 »</translation>
    </message>
    <message>
        <source>1 day holds “%1”</source>
        <translation>1 jour contient « %1 »</translation>
    </message>
    <message>
        <source>%1 days hold “%2”</source>
        <translation>%1 jours contiennent « %2 »</translation>
    </message>
    <message>
        <source>Type a word to search for, then press Return.</source>
        <translation>Tapez un mot à rechercher, puis appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Ignore Case and Accents</source>
        <translation>Ignorer la casse et les accents</translation>
    </message>
    <message>
        <source>No day holds “%1”; %2 days hold it in another case or with accents.</source>
        <translation>Aucun jour ne contient « %1 » ; %2 jours le contiennent avec une autre casse ou des accents.</translation>
    </message>
    <message>
        <source>No day holds “%1”; 1 day holds it in another case or with accents.</source>
        <translation>Aucun jour ne contient « %1 » ; 1 jour le contient avec une autre casse ou des accents.</translation>
    </message>
    <message>
        <source>Several words find the days that hold all of them; &quot;a phrase&quot; in quotes stands together, -word leaves days out, #tag finds a tag.</source>
        <translation>Plusieurs mots trouvent les jours qui les contiennent tous ; « une expression » entre guillemets reste entière, -mot écarte des jours, #étiquette trouve une étiquette.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Penwick cannot make a private folder at %1.</source>
        <translation>Penwick ne peut pas créer de dossier privé à %1.</translation>
    </message>
    <message>
        <source>Penwick is already running, but does not answer.</source>
        <translation>Penwick est déjà ouvert, mais ne répond pas.</translation>
    </message>
    <message>
        <source>Penwick cannot open its lock file %1: %2</source>
        <translation>Penwick ne peut pas ouvrir son fichier de verrou %1 : %2</translation>
    </message>
</context>
<context>
    <name>SpellingSupport</name>
    <message>
        <source>No Suggestions</source>
        <translation>Aucune suggestion</translation>
    </message>
    <message>
        <source>Check &amp;Spelling While Typing</source>
        <translation>&amp;Vérifier l’orthographe pendant la saisie</translation>
    </message>
    <message>
        <source>Spelling &amp;Language</source>
        <translation>&amp;Langue de l’orthographe</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>A&amp;jouter au dictionnaire</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>I&amp;gnorer</translation>
    </message>
</context>
<context>
    <name>StorageSheet</name>
    <message>
        <source>Storage</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your diary is kept in&lt;/b&gt;</source>
        <translation>&lt;b&gt;Votre journal se trouve dans&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Diary file</source>
        <translation>Fichier du journal</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>Afficher dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Move Diary To</source>
        <translation>Déplacer le journal vers</translation>
    </message>
    <message>
        <source>The diary file moves to a place you choose, and stays your diary.</source>
        <translation>Le fichier du journal part à l’endroit choisi et reste votre journal.</translation>
    </message>
    <message>
        <source>New Diary At</source>
        <translation>Nouveau journal à</translation>
    </message>
    <message>
        <source>An empty diary is written at a place you choose and becomes your diary.</source>
        <translation>Un journal vide est créé à l’endroit choisi et devient votre journal.</translation>
    </message>
    <message>
        <source>Use Diary At</source>
        <translation>Utiliser le journal à</translation>
    </message>
    <message>
        <source>Penwick uses the file at a place you choose, without touching any file.</source>
        <translation>Penwick utilise le fichier à l’endroit choisi, sans toucher à aucun fichier.</translation>
    </message>
    <message>
        <source>Use Folder</source>
        <translation>Utiliser un dossier</translation>
    </message>
    <message>
        <source>Your diary becomes the file of the same name in another folder, such as a synced one.</source>
        <translation>Votre journal devient le fichier du même nom dans un autre dossier, synchronisé par exemple.</translation>
    </message>
    <message>
        <source>Open Diary File</source>
        <translation>Ouvrir un fichier de journal</translation>
    </message>
    <message>
        <source>An existing diary file becomes your diary, where it is.</source>
        <translation>Un fichier de journal existant devient votre journal, là où il est.</translation>
    </message>
    <message>
        <source>Export as Text</source>
        <translation>Exporter en texte</translation>
    </message>
    <message>
        <source>The whole diary as one text file, oldest day first.</source>
        <translation>Tout le journal dans un fichier texte, du plus ancien jour au plus récent.</translation>
    </message>
    <message>
        <source>Take Over an Earlier Diary</source>
        <translation>Reprendre un ancien journal</translation>
    </message>
    <message>
        <source>The diary an earlier version kept in its preferences becomes your diary.</source>
        <translation>Le journal qu’une version antérieure gardait dans ses préférences devient votre journal.</translation>
    </message>
    <message>
        <source>Remove Empty Entries</source>
        <translation>Supprimer les pages vides</translation>
    </message>
    <message>
        <source>Days whose text is empty are removed from the diary file.</source>
        <translation>Les jours dont le texte est vide sont retirés du fichier.</translation>
    </message>
    <message>
        <source>Failed to load a diary. Or tried to write in a directory that&apos;s not permitted.</source>
        <translation>Impossible de charger le journal, ou écriture dans un dossier non autorisé.</translation>
    </message>
    <message>
        <source>Failed to write. This might happen by writing to a directory that needs permission.</source>
        <translation>Échec de l’écriture. Cela peut arriver dans un dossier qui demande une autorisation.</translation>
    </message>
    <message>
        <source>Diary files (*.plist)</source>
        <translation>Fichiers de journal (*.plist)</translation>
    </message>
    <message>
        <source>Not a appropriate document.</source>
        <translation>Document inapproprié.</translation>
    </message>
    <message>
        <source>Not a appropriate format.</source>
        <translation>Format inapproprié.</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>This file holds no earlier diary.</source>
        <translation>Ce fichier ne contient aucun ancien journal.</translation>
    </message>
    <message>
        <source>Replace your diary with the earlier one?</source>
        <translation>Remplacer votre journal par l’ancien ?</translation>
    </message>
    <message numerus="yes">
        <source>Your diary at %1 holds %n entries. They are replaced by the %2 entries of the earlier diary.</source>
        <translation>
            <numerusform>Votre journal à %1 contient %n page. Elle sera remplacée par les %2 pages de l’ancien journal.</numerusform>
            <numerusform>Votre journal à %1 contient %n pages. Elles seront remplacées par les %2 pages de l’ancien journal.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Storage actions</source>
        <translation>Actions sur l’emplacement</translation>
    </message>
    <message>
        <source>There is no diary in %1 yet. Start a new one there?</source>
        <translation>Il n’y a pas encore de journal dans %1. En commencer un nouveau à cet endroit ?</translation>
    </message>
    <message>
        <source>To take your diary there instead, use Move Diary To… in Storage.</source>
        <translation>Pour y emporter plutôt votre journal, utilisez « Déplacer le journal vers… » dans « Emplacement ».</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Penwick opens a property-list diary file whose name ends in &quot;plist&quot;; &quot;%1&quot; has another name.</source>
        <translation>Penwick ouvre un fichier journal au format liste de propriétés dont le nom se termine par « plist » ; « %1 » porte un autre nom.</translation>
    </message>
    <message>
        <source>Penwick expected a property list of diary entries; &quot;%1&quot; holds something else.</source>
        <translation>Penwick attendait une liste de propriétés d’entrées de journal ; « %1 » contient autre chose.</translation>
    </message>
    <message>
        <source>Show in &amp;File Manager</source>
        <translation>Afficher dans le &amp;gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>&amp;Move Diary To…</source>
        <translation>&amp;Déplacer le journal vers…</translation>
    </message>
    <message>
        <source>&amp;New Diary At…</source>
        <translation>&amp;Nouveau journal à…</translation>
    </message>
    <message>
        <source>&amp;Use Diary At…</source>
        <translation>&amp;Utiliser le journal à…</translation>
    </message>
    <message>
        <source>Use Fol&amp;der…</source>
        <translation>Utiliser un d&amp;ossier…</translation>
    </message>
    <message>
        <source>&amp;Open Diary File…</source>
        <translation>Ou&amp;vrir un fichier de journal…</translation>
    </message>
    <message>
        <source>&amp;Export as Text…</source>
        <translation>E&amp;xporter en texte…</translation>
    </message>
    <message>
        <source>&amp;Take Over an Earlier Diary…</source>
        <translation>&amp;Reprendre un ancien journal…</translation>
    </message>
    <message>
        <source>&amp;Remove Empty Entries</source>
        <translation>&amp;Supprimer les pages vides</translation>
    </message>
    <message>
        <source>Taken over from an earlier diary</source>
        <translation>Repris d’un ancien journal</translation>
    </message>
    <message>
        <source>What you export is not encrypted.</source>
        <translation>Ce que vous exportez n’est pas chiffré.</translation>
    </message>
    <message>
        <source>Your diary is protected by a passphrase, but anyone who gets at the exported file can read it.</source>
        <translation>Votre journal est protégé par une phrase secrète, mais quiconque accède au fichier exporté peut le lire.</translation>
    </message>
    <message>
        <source>C&amp;ontinue</source>
        <translation>&amp;Continuer</translation>
    </message>
</context>
<context>
    <name>TagCompletion</name>
    <message>
        <source>Tags of the diary</source>
        <translation>Étiquettes du journal</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TagsPane</name>
    <message>
        <source>Tags</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>&amp;Tags</source>
        <translation>É&amp;tiquettes</translation>
    </message>
    <message>
        <source>No tags yet: a word with # before it, such as #garden, is one.</source>
        <translation>Pas encore d’étiquette : un mot précédé de #, comme #jardin, en est une.</translation>
    </message>
    <message>
        <source>Filter tags</source>
        <translation>Filtrer les étiquettes</translation>
    </message>
    <message>
        <source>Filter the tags</source>
        <translation>Filtrer les étiquettes</translation>
    </message>
    <message>
        <source>Order of the tags</source>
        <translation>Ordre des étiquettes</translation>
    </message>
    <message>
        <source>Most days first</source>
        <translation>Le plus de jours d’abord</translation>
    </message>
    <message>
        <source>By name</source>
        <translation>Par nom</translation>
    </message>
    <message>
        <source>Tags and the days that hold them</source>
        <translation>Étiquettes et les jours qui les portent</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Étiquette</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UnlockView</name>
    <message>
        <source>&amp;Unlock</source>
        <translation>Dé&amp;verrouiller</translation>
    </message>
    <message>
        <source>Unlock from &amp;Keyring</source>
        <translation>Déverrouiller avec le &amp;trousseau</translation>
    </message>
    <message>
        <source>Unlock the diary</source>
        <translation>Déverrouiller le journal</translation>
    </message>
    <message>
        <source>This diary is protected by a passphrase.</source>
        <translation>Ce journal est protégé par une phrase secrète.</translation>
    </message>
    <message>
        <source>Why the diary did not unlock</source>
        <translation>Pourquoi le journal ne s’est pas déverrouillé</translation>
    </message>
    <message>
        <source>&amp;Recovery key:</source>
        <translation>Clé de &amp;récupération :</translation>
    </message>
    <message>
        <source>&amp;Passphrase:</source>
        <translation>&amp;Phrase secrète :</translation>
    </message>
    <message>
        <source>Recovery key</source>
        <translation>Clé de récupération</translation>
    </message>
    <message>
        <source>Passphrase</source>
        <translation>Phrase secrète</translation>
    </message>
    <message>
        <source>Use &amp;Passphrase</source>
        <translation>Utiliser la &amp;phrase secrète</translation>
    </message>
    <message>
        <source>Use &amp;Recovery Key…</source>
        <translation>Utiliser la clé de &amp;récupération…</translation>
    </message>
    <message>
        <source>Unlock (%1 s)</source>
        <translation>Déverrouiller (%1 s)</translation>
    </message>
</context>
<context>
    <name>UnsavedChanges</name>
    <message>
        <source>What you wrote on one day is still only in the window. %1</source>
        <translation>Ce que vous avez écrit pour un jour n’est encore que dans la fenêtre. %1</translation>
    </message>
    <message>
        <source>What you wrote on %1 days is still only in the window. %2</source>
        <translation>Ce que vous avez écrit pour %1 jours n’est encore que dans la fenêtre. %2</translation>
    </message>
    <message>
        <source>Save a Copy As</source>
        <translation>Enregistrer une copie sous</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>A copy you save is not encrypted.</source>
        <translation>Une copie que vous enregistrez n’est pas chiffrée.</translation>
    </message>
</context>
<context>
    <name>UpdateNotice</name>
    <message>
        <source>Update Available</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message>
        <source>Open Product Page</source>
        <translation>Ouvrir la page du produit</translation>
    </message>
    <message>
        <source>Penwick %1 is available.</source>
        <translation>Penwick %1 est disponible.</translation>
    </message>
    <message>
        <source>No browser could be opened. Copy this address into one:</source>
        <translation>Aucun navigateur n’a pu être ouvert. Copiez cette adresse dans un navigateur :</translation>
    </message>
    <message>
        <source>Product page address</source>
        <translation>Adresse de la page du produit</translation>
    </message>
</context>
<context>
    <name>UpdateWatch</name>
    <message>
        <source>Check for &amp;Updates at Start-up</source>
        <translation>Rechercher les &amp;mises à jour au démarrage</translation>
    </message>
</context>
<context>
    <name>WarningBar</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>There is no diary file at %1, so nothing can be written. Try Again starts an empty diary there.</source>
        <translation>Il n’y a pas de fichier de journal à %1 : rien ne peut être écrit. « Réessayer » y crée un journal vide.</translation>
    </message>
    <message>
        <source>The folder %1 that holds your diary is missing (a disconnected drive?), so nothing can be written. Try Again looks again.</source>
        <translation>Le dossier %1 de votre journal est introuvable (un disque débranché ?) : rien ne peut être écrit. « Réessayer » regarde à nouveau.</translation>
    </message>
    <message>
        <source>The diary file %1 cannot be read: %2 Nothing can be written, and the file is left as it is. Try Again reads it again.</source>
        <translation>Le fichier de journal %1 ne peut pas être lu : %2 Rien ne peut être écrit, et le fichier reste tel quel. « Réessayer » le relit.</translation>
    </message>
    <message numerus="yes">
        <source>Changes to %n days could not be saved. %1 They are still in the window, and are saved with your next change.</source>
        <translation>
            <numerusform>Les modifications de %n jour n’ont pas pu être enregistrées. %1 Elles sont toujours dans la fenêtre et seront enregistrées avec votre prochaine modification.</numerusform>
            <numerusform>Les modifications de %n jours n’ont pas pu être enregistrées. %1 Elles sont toujours dans la fenêtre et seront enregistrées avec votre prochaine modification.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your latest change could not be saved. %1 It is still in the window, and is saved with your next change.</source>
        <translation>Votre dernière modification n’a pas pu être enregistrée. %1 Elle est toujours dans la fenêtre et sera enregistrée avec votre prochaine modification.</translation>
    </message>
</context>
<context>
    <name>YearOverview</name>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n mot</numerusform>
            <numerusform>%n mots</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: nothing written</source>
        <translation>%1 : rien d’écrit</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Year &amp;Overview…</source>
        <translation>Aperçu de l’&amp;année…</translation>
    </message>
    <message>
        <source>Year Overview</source>
        <translation>Aperçu de l’année</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Année précédente</translation>
    </message>
    <message>
        <source>Previous year (Ctrl+Shift+PgUp)</source>
        <translation>Année précédente (Ctrl+Maj+Page préc.)</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Année suivante</translation>
    </message>
    <message>
        <source>Next year (Ctrl+Shift+PgDown)</source>
        <translation>Année suivante (Ctrl+Maj+Page suiv.)</translation>
    </message>
    <message>
        <source>Days of the year</source>
        <translation>Jours de l’année</translation>
    </message>
    <message>
        <source>Each square is a day; the stronger its colour, the more words were written that day.</source>
        <translation>Chaque carré est un jour ; plus sa couleur est forte, plus on a écrit de mots ce jour-là.</translation>
    </message>
    <message>
        <source>Days written:</source>
        <translation>Jours écrits :</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Mots :</translation>
    </message>
    <message>
        <source>Longest streak:</source>
        <translation>Plus longue série :</translation>
    </message>
    <message>
        <source>Current streak:</source>
        <translation>Série en cours :</translation>
    </message>
    <message>
        <source>Words per month</source>
        <translation>Mots par mois</translation>
    </message>
    <message>
        <source>Tags of the year</source>
        <translation>Étiquettes de l’année</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Étiquette</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Days of %1</source>
        <translation>Jours de %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>1 day (%1)</source>
        <translation>1 jour (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n days (%1 – %2)</source>
        <translation>
            <numerusform>%n jour (%1 – %2)</numerusform>
            <numerusform>%n jours (%1 – %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>No tags this year</source>
        <translation>Aucune étiquette cette année</translation>
    </message>
</context>
</TS>
