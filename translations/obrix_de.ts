<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutBox</name>
    <message>
        <source>A database editor for Golvar: edit its leagues, teams and players, their kits and skills, move players between clubs and bring in leagues made by other players.</source>
        <translation>Ein Datenbank-Editor für Golvar: Bearbeiten Sie Ligen, Mannschaften und Spieler, ihre Trikots und Fähigkeiten, transferieren Sie Spieler zwischen Vereinen und übernehmen Sie Ligen, die andere Spieler erstellt haben.</translation>
    </message>
    <message>
        <source>Programming and artwork: the Obrix developers at Brannoc.
Thanks to everyone who tried the early versions and sent in their leagues.</source>
        <translation>Programmierung und Grafik: die Obrix-Entwickler bei Brannoc.
Dank an alle, die die frühen Versionen ausprobiert und ihre Ligen eingeschickt haben.</translation>
    </message>
    <message>
        <source>About Obrix</source>
        <translation>Über Obrix</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>CDataPropSheet</name>
    <message>
        <source>Data Sheet</source>
        <translation>Datenblatt</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Mannschaft</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleich</translation>
    </message>
</context>
<context>
    <name>CFindDialog</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Obrix Help</source>
        <translation>Obrix-Hilfe</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
</context>
<context>
    <name>CPictureListBox</name>
    <message>
        <source>Shorts %1</source>
        <translation>Hose %1</translation>
    </message>
    <message>
        <source>Socks %1</source>
        <translation>Stutzen %1</translation>
    </message>
    <message>
        <source>Jersey %1</source>
        <translation>Trikot %1</translation>
    </message>
</context>
<context>
    <name>CPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Golvar Folder:</source>
        <translation>Golvar-Ordner:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Language of the editor:</source>
        <translation>Sprache des Editors:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Applied at the next start.</source>
        <translation>Wird beim nächsten Start wirksam.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>Language of the game&apos;s names:</source>
        <translation>Sprache der Namen im Spiel:</translation>
    </message>
    <message>
        <source>Obrix shows the names in the chosen language from its next start.</source>
        <translation>Obrix zeigt die Namen ab dem nächsten Start in der gewählten Sprache.</translation>
    </message>
    <message>
        <source>This Golvar folder has no names in this language (%1 is missing).</source>
        <translation>Dieser Golvar-Ordner enthält keine Namen in dieser Sprache (%1 fehlt).</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
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
        <source>&amp;History</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>&lt;as loaded&gt;</source>
        <translation>&lt;wie geladen&gt;</translation>
    </message>
    <message>
        <source>Global Modifications</source>
        <translation>Globale Änderungen</translation>
    </message>
    <message>
        <source>Import League &apos;%1&apos;</source>
        <translation>Liga „%1“ importieren</translation>
    </message>
    <message>
        <source>Import GLV File</source>
        <translation>GLV-Datei importieren</translation>
    </message>
    <message>
        <source>Delete Team &apos;%1&apos;</source>
        <translation>Mannschaft „%1“ löschen</translation>
    </message>
    <message>
        <source>Delete Player &apos;%1&apos;</source>
        <translation>Spieler „%1“ löschen</translation>
    </message>
    <message>
        <source>Paste Team &apos;%1&apos;</source>
        <translation>Mannschaft „%1“ einfügen</translation>
    </message>
    <message>
        <source>Paste Player &apos;%1&apos;</source>
        <translation>Spieler „%1“ einfügen</translation>
    </message>
    <message>
        <source>New League &apos;%1&apos;</source>
        <translation>Neue Liga „%1“</translation>
    </message>
    <message>
        <source>League Name &apos;%1&apos;</source>
        <translation>Liganame „%1“</translation>
    </message>
    <message>
        <source>Remove League &apos;%1&apos;</source>
        <translation>Liga „%1“ entfernen</translation>
    </message>
    <message>
        <source>Apply Remembered Team</source>
        <translation>Gemerkte Mannschaft anwenden</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Ausgeführt: %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Wiederholt: %1</translation>
    </message>
    <message>
        <source>Swap Teams &apos;%1&apos; and &apos;%2&apos;</source>
        <translation>Mannschaften „%1“ und „%2“ tauschen</translation>
    </message>
    <message>
        <source>Swap Players &apos;%1&apos; and &apos;%2&apos;</source>
        <translation>Spieler „%1“ und „%2“ tauschen</translation>
    </message>
    <message>
        <source>Move Player &apos;%1&apos;</source>
        <translation>Spieler „%1“ verschieben</translation>
    </message>
</context>
<context>
    <name>apptexts</name>
    <message>
        <source>Loading Player Data...</source>
        <translation>Spielerdaten werden geladen...</translation>
    </message>
    <message>
        <source>Loading Team Data...</source>
        <translation>Mannschaftsdaten werden geladen...</translation>
    </message>
    <message>
        <source>Loading League Data...</source>
        <translation>Ligadaten werden geladen...</translation>
    </message>
    <message>
        <source>Reading Player Data...</source>
        <translation>Spielerdaten werden eingelesen...</translation>
    </message>
    <message>
        <source>Reading Team Data...</source>
        <translation>Mannschaftsdaten werden eingelesen...</translation>
    </message>
    <message>
        <source>Reading League Data...</source>
        <translation>Ligadaten werden eingelesen...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Cannot read player data.</source>
        <translation>Die Spielerdaten können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot read team data.</source>
        <translation>Die Mannschaftsdaten können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot read league data.</source>
        <translation>Die Ligadaten können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 The Golvar database in %2 cannot be read:
%3</source>
        <translation>%1 Die Golvar-Datenbank in %2 kann nicht gelesen werden:
%3</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Choose Another Folder</source>
        <translation>Anderen Ordner wählen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>You have made modifications to the data of %1. Do you want to save them there before Obrix opens %2?</source>
        <translation>Sie haben die Daten von %1 geändert. Möchten Sie die Änderungen dort speichern, bevor Obrix %2 öffnet?</translation>
    </message>
    <message>
        <source>The Golvar database in %1 cannot be read: %2
Obrix goes on with the database of %3.</source>
        <translation>Die Golvar-Datenbank in %1 kann nicht gelesen werden: %2
Obrix arbeitet mit der Datenbank von %3 weiter.</translation>
    </message>
    <message>
        <source>You have made modifications to the data. Do you want to save the changes before exiting Obrix?</source>
        <translation>Sie haben die Daten geändert. Möchten Sie die Änderungen speichern, bevor Sie Obrix beenden?</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Save Over Them</source>
        <translation>Darüber speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Every change you made since the data was last read or saved will be lost. Reload the game&apos;s files?</source>
        <translation>Alle Änderungen seit dem letzten Einlesen oder Speichern der Daten gehen verloren. Die Dateien des Spiels neu laden?</translation>
    </message>
    <message>
        <source>%1: the game folder is in use by another program. Nothing was saved; please save again once it has finished.</source>
        <translation>%1: Der Spielordner wird von einem anderen Programm benutzt. Es wurde nichts gespeichert; bitte speichern Sie erneut, sobald es fertig ist.</translation>
    </message>
    <message>
        <source>“Restore Backup” puts back the game&apos;s files as they were backed up on %1. “Choose Another Folder” opens a different Golvar folder.</source>
        <translation>„Sicherung wiederherstellen“ stellt die Dateien des Spiels so wieder her, wie sie am %1 gesichert wurden. „Anderen Ordner wählen“ öffnet einen anderen Golvar-Ordner.</translation>
    </message>
    <message>
        <source>There is no usable backup of this folder to restore. “Choose Another Folder” opens a different Golvar folder.</source>
        <translation>Für diesen Ordner gibt es keine brauchbare Sicherung zum Wiederherstellen. „Anderen Ordner wählen“ öffnet einen anderen Golvar-Ordner.</translation>
    </message>
    <message>
        <source>The game&apos;s files were changed by another program since Obrix read them (%1).

“Reload” reads them again and drops your changes. “Save Over Them” replaces what the other program saved with the data shown here.</source>
        <translation>Die Dateien des Spiels wurden von einem anderen Programm geändert, seit Obrix sie gelesen hat (%1).

„Neu laden“ liest sie erneut ein und verwirft Ihre Änderungen. „Darüber speichern“ ersetzt, was das andere Programm gespeichert hat, durch die hier angezeigten Daten.</translation>
    </message>
    <message>
        <source>%1 The Golvar database in %2 cannot be read again:
%3

Obrix keeps the data it shows, your changes included.</source>
        <translation>%1 Die Golvar-Datenbank in %2 kann nicht erneut gelesen werden:
%3

Obrix behält die angezeigten Daten, einschließlich Ihrer Änderungen.</translation>
    </message>
    <message>
        <source>Keep Current Data goes on with the data shown, which Save Data can write back over the game&apos;s files. Restore Backup puts back the game&apos;s files as they were backed up on %1. Choose Another Folder opens a different Golvar folder.</source>
        <translation>„Aktuelle Daten behalten“ arbeitet mit den angezeigten Daten weiter, die „Daten speichern“ wieder über die Dateien des Spiels schreiben kann. „Sicherung wiederherstellen“ stellt die Dateien des Spiels so wieder her, wie sie am %1 gesichert wurden. „Anderen Ordner wählen“ öffnet einen anderen Golvar-Ordner.</translation>
    </message>
    <message>
        <source>Keep Current Data goes on with the data shown, which Save Data can write back over the game&apos;s files. There is no usable backup of this folder to restore. Choose Another Folder opens a different Golvar folder.</source>
        <translation>„Aktuelle Daten behalten“ arbeitet mit den angezeigten Daten weiter, die „Daten speichern“ wieder über die Dateien des Spiels schreiben kann. Für diesen Ordner gibt es keine brauchbare Sicherung zum Wiederherstellen. „Anderen Ordner wählen“ öffnet einen anderen Golvar-Ordner.</translation>
    </message>
    <message>
        <source>Keep Current Data</source>
        <translation>Aktuelle Daten behalten</translation>
    </message>
    <message>
        <source>The Golvar folder %1 has no names in the language chosen in Preferences (%2 is missing). Obrix shows the English names for this run; Preferences offers the languages this folder has.</source>
        <translation>Der Golvar-Ordner %1 enthält keine Namen in der in den Einstellungen gewählten Sprache (%2 fehlt). Obrix zeigt für diesen Lauf die englischen Namen; die Einstellungen bieten die Sprachen an, die dieser Ordner enthält.</translation>
    </message>
</context>
<context>
    <name>backuptexts</name>
    <message>
        <source>Restoring original Golvar data file will overwrite all changes made. Do you wish to continue?</source>
        <translation>Beim Wiederherstellen der ursprünglichen Golvar-Datendatei werden alle vorgenommenen Änderungen überschrieben. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>There is no backup of this Golvar folder to restore.</source>
        <translation>Für diesen Golvar-Ordner gibt es keine Sicherung zum Wiederherstellen.</translation>
    </message>
    <message>
        <source>Restored %1 from the backup of %2.</source>
        <translation>Aus der Sicherung vom %2 wiederhergestellt: %1.</translation>
    </message>
    <message>
        <source>Nothing was restored: %1</source>
        <translation>Es wurde nichts wiederhergestellt: %1</translation>
    </message>
    <message>
        <source>the backup in %1 is damaged (%2).</source>
        <translation>die Sicherung in %1 ist beschädigt (%2).</translation>
    </message>
    <message>
        <source>the backup does not load as a game database (%1).</source>
        <translation>die Sicherung lässt sich nicht als Spieldatenbank laden (%1).</translation>
    </message>
    <message>
        <source>The backup of %1 could not be made: %2</source>
        <translation>Die Sicherung von %1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>the game&apos;s files do not load as a game database (%1), and a backup of them would be of no use; the earlier backup, if any, is kept</source>
        <translation>die Dateien des Spiels lassen sich nicht als Spieldatenbank laden (%1), und eine Sicherung davon wäre nutzlos; die frühere Sicherung bleibt, falls vorhanden, erhalten</translation>
    </message>
    <message>
        <source>The original Golvar data files could not be backed up to
%1

Without a backup, “Restore” cannot undo the changes you save now.
Do you wish to save without a backup?</source>
        <translation>Die ursprünglichen Golvar-Datendateien konnten nicht gesichert werden nach
%1

Ohne Sicherung kann „Wiederherstellen“ die Änderungen, die Sie jetzt speichern, nicht rückgängig machen.
Möchten Sie ohne Sicherung speichern?</translation>
    </message>
    <message>
        <source>The original Golvar data files could not be backed up to
%1

%2

Without a backup, “Restore” cannot undo the changes you save now.
Do you wish to save without a backup?</source>
        <translation>Die ursprünglichen Golvar-Datendateien konnten nicht gesichert werden nach
%1

%2

Ohne Sicherung kann „Wiederherstellen“ die Änderungen, die Sie jetzt speichern, nicht rückgängig machen.
Möchten Sie ohne Sicherung speichern?</translation>
    </message>
    <message>
        <source>%1 The new backup was taken back: %2 holds the backup it held before, if any.</source>
        <translation>%1 Die neue Sicherung wurde zurückgenommen: %2 enthält die Sicherung, die dort vorher war, falls vorhanden.</translation>
    </message>
    <message>
        <source>the backup in %1 was taken from another Golvar folder (%2), not from this one (%3).</source>
        <translation>die Sicherung in %1 stammt aus einem anderen Golvar-Ordner (%2), nicht aus diesem (%3).</translation>
    </message>
</context>
<context>
    <name>bulktexts</name>
    <message>
        <source>&quot;%s&quot; is not a whole number</source>
        <translation>„%s“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>%lld is outside %lld..%lld, what this field can hold</source>
        <translation>%lld liegt außerhalb von %lld..%lld, dem Bereich, den dieses Feld fassen kann</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>der Text ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>&quot;%s&quot; holds a character the game&apos;s encoding cannot store</source>
        <translation>„%s“ enthält ein Zeichen, das die Kodierung des Spiels nicht speichern kann</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is %d bytes in the game&apos;s encoding; at most %lld fit</source>
        <translation>„%s“ ist in der Kodierung des Spiels %d Bytes lang; höchstens %lld passen hinein</translation>
    </message>
    <message>
        <source>the list has %d entries; at most %lld fit</source>
        <translation>die Liste hat %d Einträge; höchstens %lld passen hinein</translation>
    </message>
    <message>
        <source>the list names %s %lld, which does not exist</source>
        <translation>die Liste nennt %s %lld, aber diesen Datensatz gibt es nicht</translation>
    </message>
    <message>
        <source>the list names %lld twice</source>
        <translation>die Liste nennt %lld zweimal</translation>
    </message>
    <message>
        <source>%s follows from other data and cannot be changed (it is %s)</source>
        <translation>%s ergibt sich aus anderen Daten und kann nicht geändert werden (der Wert ist %s)</translation>
    </message>
    <message>
        <source>%s is the editor&apos;s own bookkeeping and cannot be changed (it is %s)</source>
        <translation>%s ist eine interne Angabe des Editors und kann nicht geändert werden (der Wert ist %s)</translation>
    </message>
    <message>
        <source>there is no %s with id %lld; an import changes records, it does not add them</source>
        <translation>es gibt keinen Datensatz %s mit der ID %lld; ein Import ändert Datensätze, er fügt keine hinzu</translation>
    </message>
    <message>
        <source>more than one league has id %lld; change those leagues in the editor</source>
        <translation>mehr als eine Liga hat die ID %lld; ändern Sie diese Ligen im Editor</translation>
    </message>
    <message>
        <source>id %lld is on line %d already</source>
        <translation>die ID %lld steht bereits in Zeile %d</translation>
    </message>
    <message>
        <source>the row has %d fields; the header has %d</source>
        <translation>die Zeile hat %d Felder; die Kopfzeile hat %d</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a field of players, teams or leagues</source>
        <translation>„%s“ ist kein Feld von Spielern, Mannschaften oder Ligen</translation>
    </message>
    <message>
        <source>the column &quot;%s&quot; appears twice</source>
        <translation>die Spalte „%s“ kommt zweimal vor</translation>
    </message>
    <message>
        <source>there is no id column</source>
        <translation>es gibt keine ID-Spalte</translation>
    </message>
    <message>
        <source>the columns do not all belong to one of players, teams or leagues</source>
        <translation>die Spalten gehören nicht alle zu derselben Tabelle (Spieler, Mannschaften oder Ligen)</translation>
    </message>
    <message>
        <source>the columns fit more than one table; add a column that only one of them has</source>
        <translation>die Spalten passen zu mehr als einer Tabelle; fügen Sie eine Spalte hinzu, die nur eine davon hat</translation>
    </message>
    <message>
        <source>the file has no header row</source>
        <translation>die Datei hat keine Kopfzeile</translation>
    </message>
    <message>
        <source>... and %d more problems</source>
        <translation>... und %d weitere Probleme</translation>
    </message>
    <message>
        <source>League &quot;%s&quot; lists team %s (%u) more than once.</source>
        <translation>Liga „%s“ führt Mannschaft %s (%u) mehr als einmal auf.</translation>
    </message>
    <message>
        <source>League &quot;%s&quot; has a slot naming team %u, which does not exist.</source>
        <translation>Liga „%s“ hat einen Platz für Mannschaft %u, die es nicht gibt.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists %d players; a team needs at least 11.</source>
        <translation>Mannschaft „%s“ hat %d Spieler im Kader; eine Mannschaft braucht mindestens 11.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists player %s (%u) more than once.</source>
        <translation>Mannschaft „%s“ führt Spieler %s (%u) mehr als einmal im Kader.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists player %u, which does not exist.</source>
        <translation>Mannschaft „%s“ führt Spieler %u im Kader, den es nicht gibt.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot;: %s and %s both wear number %d.</source>
        <translation>Mannschaft „%s“: %s und %s tragen beide die Nummer %d.</translation>
    </message>
    <message>
        <source>The %s %u has an empty %s.</source>
        <translation>%s %u: Das Feld %s ist leer.</translation>
    </message>
    <message>
        <source>The %s %s (%u) has %s = %lld; the game uses %lld..%lld.</source>
        <translation>%s %s (%u): %s = %lld; das Spiel verwendet %lld..%lld.</translation>
    </message>
    <message>
        <source>Player %s (%u) was listed by a team of the game when the files were read and is listed by none after the save.</source>
        <translation>Spieler %s (%u) stand beim Einlesen der Dateien im Kader einer Mannschaft des Spiels und steht nach dem Speichern in keinem mehr.</translation>
    </message>
    <message>
        <source>Player %s (%u) is listed by two clubs after the save, %s and %s.</source>
        <translation>Spieler %s (%u) steht nach dem Speichern im Kader zweier Vereine, %s und %s.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists %s (%u), whose %s is %lld; the game&apos;s files hold %lld at most, so he cannot be moved or copied onto a team of the game until it is %lld or less.</source>
        <translation>Mannschaft &quot;%s&quot; führt %s (%u), dessen %s %lld ist; die Dateien des Spiels fassen höchstens %lld, daher kann er erst in eine Mannschaft des Spiels verschoben oder kopiert werden, wenn der Wert %lld oder weniger ist.</translation>
    </message>
</context>
<context>
    <name>bulkviewtexts</name>
    <message>
        <source>Export Table</source>
        <translation>Tabelle exportieren</translation>
    </message>
    <message>
        <source>Table:</source>
        <translation>Tabelle:</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Mannschaften</translation>
    </message>
    <message>
        <source>Leagues</source>
        <translation>Ligen</translation>
    </message>
    <message>
        <source>Spreadsheet Files (*.csv)|*.csv|All Files (*.*)|*.*|</source>
        <translation>Tabellendateien (*.csv)|*.csv|Alle Dateien (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Import Table</source>
        <translation>Tabelle importieren</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows written to %1</source>
        <translation>
            <numerusform>%n Zeile nach %1 geschrieben</numerusform>
            <numerusform>%n Zeilen nach %1 geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>The file was refused; nothing was changed.

%1</source>
        <translation>Die Datei wurde abgelehnt; es wurde nichts geändert.

%1</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more problems</source>
        <translation>
            <numerusform>... und %n weiteres Problem</numerusform>
            <numerusform>... und %n weitere Probleme</numerusform>
        </translation>
    </message>
    <message>
        <source>The file changes nothing: every cell already holds its value.</source>
        <translation>Die Datei ändert nichts: Jede Zelle enthält bereits ihren Wert.</translation>
    </message>
    <message>
        <source>Import Table: Preview</source>
        <translation>Tabelle importieren: Vorschau</translation>
    </message>
    <message numerus="yes">
        <source>%n changes</source>
        <translation>
            <numerusform>%n Änderung</numerusform>
            <numerusform>%n Änderungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes by field</source>
        <translation>Änderungen nach Feld</translation>
    </message>
    <message>
        <source>Check Database</source>
        <translation>Datenbank prüfen</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Erneut prüfen</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n Fehler</numerusform>
            <numerusform>%n Fehler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n Warnung</numerusform>
            <numerusform>%n Warnungen</numerusform>
        </translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Keine Probleme gefunden.</translation>
    </message>
    <message>
        <source>%1 now has an odd number (%2) of team slots: add or remove a team before saving.</source>
        <translation>%1 hat jetzt eine ungerade Anzahl (%2) von Mannschaftsplätzen: Fügen Sie vor dem Speichern eine Mannschaft hinzu oder entfernen Sie eine.</translation>
    </message>
    <message numerus="yes">
        <source>The edits leave %n things the game may not like, listed in Check Database (the game&apos;s files can hold them). Save anyway?</source>
        <translation>
            <numerusform>Nach den Änderungen bleibt %n Punkt, den das Spiel möglicherweise nicht verträgt; er steht in „Datenbank prüfen“ (die Dateien des Spiels können ihn speichern). Trotzdem speichern?</numerusform>
            <numerusform>Nach den Änderungen bleiben %n Punkte, die das Spiel möglicherweise nicht verträgt; sie stehen in „Datenbank prüfen“ (die Dateien des Spiels können sie speichern). Trotzdem speichern?</numerusform>
        </translation>
    </message>
    <message>
        <source>The database has errors that the save or the game would stumble on; nothing was saved. They are listed in Check Database: double-click one to go to its record.</source>
        <translation>Die Datenbank enthält Fehler, an denen das Speichern oder das Spiel scheitern würde; es wurde nichts gespeichert. Sie stehen in „Datenbank prüfen“: Ein Doppelklick auf einen Eintrag führt zu seinem Datensatz.</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>Since the backup</source>
        <translation>Seit der Sicherung</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Auf alten Wert setzen</translation>
    </message>
    <message>
        <source>Revert Record</source>
        <translation>Datensatz auf alte Werte setzen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message numerus="yes">
        <source>%n differences</source>
        <translation>
            <numerusform>%n Unterschied</numerusform>
            <numerusform>%n Unterschiede</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records</source>
        <translation>
            <numerusform>%n Datensatz</numerusform>
            <numerusform>%n Datensätzen</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no backup of this game folder yet.</source>
        <translation>Für diesen Spielordner gibt es noch keine Sicherung.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Schweregrad</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>only in the files</source>
        <translation>nur in den Dateien</translation>
    </message>
    <message>
        <source>database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <source>only in the editor</source>
        <translation>nur im Editor</translation>
    </message>
    <message>
        <source>leagues</source>
        <translation>Ligen</translation>
    </message>
    <message>
        <source>teams</source>
        <translation>Mannschaften</translation>
    </message>
    <message>
        <source>players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>%1 in %2 of the %3 table. “OK” applies them all as one step.</source>
        <translation>%1 in %2 der Tabelle %3. „OK“ übernimmt sie alle in einem Schritt.</translation>
    </message>
    <message>
        <source>The table could not be written: %1</source>
        <translation>Die Tabelle konnte nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>commands</name>
    <message>
        <source>Export &amp;Table...</source>
        <translation>&amp;Tabelle exportieren...</translation>
    </message>
    <message>
        <source>Import T&amp;able...</source>
        <translation>Tabelle im&amp;portieren...</translation>
    </message>
    <message>
        <source>C&amp;heck Database...</source>
        <translation>Datenbank &amp;prüfen...</translation>
    </message>
    <message>
        <source>Write players, teams or leagues to a spreadsheet file
Export Table</source>
        <translation>Spieler, Mannschaften oder Ligen in eine Tabellendatei schreiben
Tabelle exportieren</translation>
    </message>
    <message>
        <source>Apply a spreadsheet file&apos;s changes, after a preview
Import Table</source>
        <translation>Die Änderungen einer Tabellendatei nach einer Vorschau übernehmen
Tabelle importieren</translation>
    </message>
    <message>
        <source>List what the game or the save would stumble on
Check Database</source>
        <translation>Auflisten, woran das Spiel oder das Speichern scheitern würde
Datenbank prüfen</translation>
    </message>
    <message>
        <source>List what differs from the files as loaded or from the backup
Changes</source>
        <translation>Auflisten, was sich von den geladenen Dateien oder von der Sicherung unterscheidet
Änderungen</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Import &amp;GLV Files...</source>
        <translation>&amp;GLV-Dateien importieren...</translation>
    </message>
    <message>
        <source>Ex&amp;port...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Make Jersey Thumbnails</source>
        <translation>Trikot-&amp;Miniaturen erstellen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
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
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Clo&amp;ne</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Find &amp;Again</source>
        <translation>Weitersu&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Global Modifications...</source>
        <translation>&amp;Globale Änderungen...</translation>
    </message>
    <message>
        <source>&amp;New League</source>
        <translation>&amp;Neue Liga</translation>
    </message>
    <message>
        <source>&amp;League Name...</source>
        <translation>L&amp;iganame...</translation>
    </message>
    <message>
        <source>Swap Tea&amp;ms</source>
        <translation>&amp;Mannschaften tauschen</translation>
    </message>
    <message>
        <source>S&amp;wap Players</source>
        <translation>Spieler &amp;tauschen</translation>
    </message>
    <message>
        <source>Appl&amp;y Remembered Team</source>
        <translation>Gemerkte Mannsc&amp;haft anwenden</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Stat&amp;usleiste</translation>
    </message>
    <message>
        <source>T&amp;ransfer Page</source>
        <translation>&amp;Transferseite</translation>
    </message>
    <message>
        <source>&amp;Next Pane</source>
        <translation>&amp;Nächster Bereich</translation>
    </message>
    <message>
        <source>Pre&amp;vious Pane</source>
        <translation>&amp;Vorheriger Bereich</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Hilfethemen...</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Tastatur</translation>
    </message>
    <message>
        <source>&amp;About Obrix...</source>
        <translation>Ü&amp;ber Obrix...</translation>
    </message>
    <message>
        <source>Save changes to Golvar data files permanently\Save</source>
        <translation>Änderungen dauerhaft in den Golvar-Datendateien speichern\Speichern</translation>
    </message>
    <message>
        <source>Import from DB files
Import</source>
        <translation>Aus DB-Dateien importieren
Importieren</translation>
    </message>
    <message>
        <source>Export to DB files
Export</source>
        <translation>In DB-Dateien exportieren
Exportieren</translation>
    </message>
    <message>
        <source>Transfer Teams and Players\Transfer</source>
        <translation>Mannschaften und Spieler transferieren\Transfer</translation>
    </message>
    <message>
        <source>Generate thumbnail images of jersey files
Make Jersey Thumbnails</source>
        <translation>Miniaturbilder der Trikotdateien erzeugen
Trikot-Miniaturen erstellen</translation>
    </message>
    <message>
        <source>Find a player or a team\Find</source>
        <translation>Einen Spieler oder eine Mannschaft suchen\Suchen</translation>
    </message>
    <message>
        <source>Repeat Last Find</source>
        <translation>Letzte Suche wiederholen</translation>
    </message>
    <message>
        <source>Change league names</source>
        <translation>Ligennamen ändern</translation>
    </message>
    <message>
        <source>Change Player Attributes Globally</source>
        <translation>Spielerfähigkeiten global ändern</translation>
    </message>
    <message>
        <source>Import GLV Files...</source>
        <translation>GLV-Dateien importieren...</translation>
    </message>
    <message>
        <source>Write the selected league as DB files that other users can import
Export League</source>
        <translation>Die gewählte Liga als DB-Dateien schreiben, die andere Benutzer importieren können
Liga exportieren</translation>
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
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Swap the two teams selected on the Transfer page between their leagues
Swap Teams</source>
        <translation>Die zwei auf der Transferseite gewählten Mannschaften zwischen ihren Ligen tauschen
Mannschaften tauschen</translation>
    </message>
    <message>
        <source>Swap the two players selected on the Transfer page between their teams
Swap Players</source>
        <translation>Die zwei auf der Transferseite gewählten Spieler zwischen ihren Mannschaften tauschen
Spieler tauschen</translation>
    </message>
    <message>
        <source>Put back the game&apos;s files as they were backed up
Restore</source>
        <translation>Die Dateien des Spiels so wiederherstellen, wie sie gesichert wurden
Wiederherstellen</translation>
    </message>
    <message>
        <source>Quit Obrix; unsaved changes are asked about first
Exit</source>
        <translation>Obrix beenden; bei ungespeicherten Änderungen wird vorher nachgefragt
Beenden</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>Die letzte Änderung rückgängig machen
Rückgängig</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Die zuletzt rückgängig gemachte Änderung wiederholen
Wiederholen</translation>
    </message>
    <message>
        <source>Add a new, empty league
New League</source>
        <translation>Eine neue, leere Liga hinzufügen
Neue Liga</translation>
    </message>
    <message>
        <source>Remember the selected team&apos;s kit and names
Remember Team</source>
        <translation>Trikots und Namen der gewählten Mannschaft merken
Mannschaft merken</translation>
    </message>
    <message>
        <source>Move to the next pane: tree, data sheet, roster
Next Pane</source>
        <translation>Zum nächsten Bereich wechseln: Baum, Datenblatt, Kader
Nächster Bereich</translation>
    </message>
    <message>
        <source>Move to the previous pane
Previous Pane</source>
        <translation>Zum vorherigen Bereich wechseln
Vorheriger Bereich</translation>
    </message>
    <message>
        <source>List every key of the editor
Keyboard</source>
        <translation>Alle Tasten des Editors auflisten
Tastatur</translation>
    </message>
    <message>
        <source>Not available yet
Clone</source>
        <translation>Noch nicht verfügbar
Duplizieren</translation>
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
        <source>&amp;History</source>
        <translation>Ver&amp;lauf</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Symbolleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Statusleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Über</translation>
    </message>
    <message>
        <source>&amp;Changes</source>
        <translation>Änd&amp;erungen</translation>
    </message>
    <message>
        <source>&amp;Save Data</source>
        <translation>&amp;Daten speichern</translation>
    </message>
    <message>
        <source>Remem&amp;ber Team</source>
        <translation>Mannscha&amp;ft merken</translation>
    </message>
    <message>
        <source>Pr&amp;eferences...</source>
        <translation>Einstell&amp;ungen...</translation>
    </message>
    <message>
        <source>St&amp;ats Page</source>
        <translation>St&amp;atistikseite</translation>
    </message>
    <message>
        <source>Copy the selected player or team to the clipboard
Copy</source>
        <translation>Den gewählten Spieler oder die gewählte Mannschaft in die Zwischenablage kopieren
Kopieren</translation>
    </message>
    <message>
        <source>Cut the selected player; “Paste” on a team moves him there
Cut</source>
        <translation>Den gewählten Spieler ausschneiden; „Einfügen“ in eine Mannschaft verschiebt ihn dorthin
Ausschneiden</translation>
    </message>
    <message>
        <source>Paste the copied player into a team, or the copied team into a league
Paste</source>
        <translation>Den kopierten Spieler in eine Mannschaft oder die kopierte Mannschaft in eine Liga einfügen
Einfügen</translation>
    </message>
    <message>
        <source>Delete the selected player or team
Delete</source>
        <translation>Den gewählten Spieler oder die gewählte Mannschaft löschen
Löschen</translation>
    </message>
    <message>
        <source>Give the selected team the kit and names kept with “Remember Team”
Apply Remembered Team</source>
        <translation>Der gewählten Mannschaft die mit „Mannschaft merken“ gemerkten Trikots und Namen geben
Gemerkte Mannschaft anwenden</translation>
    </message>
</context>
<context>
    <name>committexts</name>
    <message>
        <source>An interrupted %1 was completed: %2 now hold the new contents.</source>
        <translation>Ein unterbrochener Vorgang (%1) wurde abgeschlossen: %2 enthalten jetzt den neuen Inhalt.</translation>
    </message>
    <message>
        <source>An interrupted %1 was undone: the files are as before it.</source>
        <translation>Ein unterbrochener Vorgang (%1) wurde rückgängig gemacht: Die Dateien sind wie zuvor.</translation>
    </message>
    <message>
        <source>it is not a regular file (a link, pipe, device or folder is in its place)</source>
        <translation>es ist keine normale Datei (an ihrer Stelle steht ein Link, eine Pipe, ein Gerät oder ein Ordner)</translation>
    </message>
    <message>
        <source>%1: the new copy read back from the disk differs from what was written (%2 bytes read, %3 written).</source>
        <translation>%1: Die von der Festplatte zurückgelesene neue Kopie weicht vom Geschriebenen ab (%2 Bytes gelesen, %3 geschrieben).</translation>
    </message>
    <message>
        <source>The %1 failed and the old files could not all be put back, so the set is mixed: %2. The old contents are kept beside them (%3); the editor finishes the set at the next load of this folder.</source>
        <translation>Der Vorgang (%1) ist fehlgeschlagen, und die alten Dateien konnten nicht alle wiederhergestellt werden; die Dateien sind jetzt teils alt, teils neu: %2. Die alten Inhalte liegen daneben (%3); der Editor bringt die Dateien beim nächsten Laden dieses Ordners auf einen Stand.</translation>
    </message>
    <message>
        <source>An interrupted %1 in %2 could not be finished: %3. The old contents are kept beside the files (names ending &quot;.obrix-old...&quot;) and the record in %4.</source>
        <translation>Ein unterbrochener Vorgang (%1) in %2 konnte nicht abgeschlossen werden: %3. Die alten Inhalte liegen neben den Dateien (Namen enden auf „.obrix-old...“), die Aufzeichnung in %4.</translation>
    </message>
    <message>
        <source>it is larger than any file of its kind can be</source>
        <translation>sie ist größer, als eine Datei dieser Art sein kann</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a link, pipe, device or folder is in its place), so no interrupted save there can be finished or undone and no new one can be made. Remove it and try again.</source>
        <translation>%1 ist keine normale Datei (an ihrer Stelle steht ein Link, eine Pipe, ein Gerät oder ein Ordner), daher kann dort kein unterbrochenes Speichern abgeschlossen oder rückgängig gemacht und kein neues begonnen werden. Entfernen Sie sie und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>comparisontexts</name>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Vergleichen</translation>
    </message>
    <message>
        <source>Differences:</source>
        <translation>Unterschiede:</translation>
    </message>
    <message>
        <source>Can only compare teams.</source>
        <translation>Nur Mannschaften können verglichen werden.</translation>
    </message>
</context>
<context>
    <name>editingtexts</name>
    <message>
        <source>Too many players (26) in this team already!</source>
        <translation>Diese Mannschaft hat bereits die Höchstzahl von 26 Spielern.</translation>
    </message>
    <message>
        <source>Cannot edit European Competition Fixtures.</source>
        <translation>Die Spielpläne der Europapokal-Wettbewerbe können nicht bearbeitet werden.</translation>
    </message>
    <message>
        <source>Can only copy a player to clipboard!</source>
        <translation>Nur ein Spieler kann in die Zwischenablage kopiert werden.</translation>
    </message>
    <message>
        <source>Can only paste player to a team!</source>
        <translation>Ein Spieler kann nur in eine Mannschaft eingefügt werden.</translation>
    </message>
    <message>
        <source>New League</source>
        <translation>Neue Liga</translation>
    </message>
    <message>
        <source>League Name</source>
        <translation>Liganame</translation>
    </message>
    <message>
        <source>Imported League Name</source>
        <translation>Name der importierten Liga</translation>
    </message>
    <message>
        <source>League Name:</source>
        <translation>Liganame:</translation>
    </message>
    <message>
        <source>%s of %s %s -&gt; %s</source>
        <translation>%s von %s %s -&gt; %s</translation>
    </message>
    <message>
        <source>%s %s -&gt; %s</source>
        <translation>%s %s -&gt; %s</translation>
    </message>
    <message>
        <source>Cannot find &apos;%1&apos;</source>
        <translation>„%1“ nicht gefunden</translation>
    </message>
    <message>
        <source>%1 has been duplicated to %2</source>
        <translation>%1 wurde als Kopie in %2 aufgenommen</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 kopiert</translation>
    </message>
</context>
<context>
    <name>exchangetexts</name>
    <message>
        <source>Import from DB files</source>
        <translation>Import aus DB-Dateien</translation>
    </message>
    <message>
        <source>Select directory to import DB files from:</source>
        <translation>Ordner wählen, aus dem die DB-Dateien importiert werden:</translation>
    </message>
    <message>
        <source>Importing League...</source>
        <translation>Liga wird importiert...</translation>
    </message>
    <message>
        <source>Importing Player %d/%d %s...</source>
        <translation>Spieler %d/%d %s wird importiert...</translation>
    </message>
    <message>
        <source>Importing Xfer %d/%d ...</source>
        <extracomment>Xfer: one of the exchange files&apos; transfer records.</extracomment>
        <translation>Transfer %d/%d wird importiert ...</translation>
    </message>
    <message>
        <source>Importing Team %d/%d %s...</source>
        <translation>Mannschaft %d/%d %s wird importiert...</translation>
    </message>
    <message>
        <source>Error reading CUSPLYR.DB.</source>
        <translation>Fehler beim Lesen von CUSPLYR.DB.</translation>
    </message>
    <message>
        <source>Error reading CUSTOM.DB.</source>
        <translation>Fehler beim Lesen von CUSTOM.DB.</translation>
    </message>
    <message>
        <source>Error allocating memory for output buffer.</source>
        <translation>Fehler beim Reservieren von Speicher für den Ausgabepuffer.</translation>
    </message>
    <message>
        <source>Error Importing data.</source>
        <translation>Fehler beim Importieren der Daten.</translation>
    </message>
    <message>
        <source>%s: %s.</source>
        <translation>%s: %s.</translation>
    </message>
    <message>
        <source>%s announces %u bytes when unpacked; no exchange file holds more than %u, so it is not read.</source>
        <translation>%s gibt entpackt %u Bytes an; keine Austauschdatei enthält mehr als %u, daher wird sie nicht gelesen.</translation>
    </message>
    <message>
        <source>File CUSTOM.DB appears to be corrupted. Import failed!</source>
        <translation>Die Datei CUSTOM.DB scheint beschädigt zu sein. Der Import ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Importing GLV file...</source>
        <translation>GLV-Datei wird importiert...</translation>
    </message>
    <message>
        <source>Cannot open GLV file</source>
        <translation>GLV-Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>File is not a GLV file</source>
        <translation>Die Datei ist keine GLV-Datei</translation>
    </message>
    <message>
        <source>The database has no league at position %d for the teams of a GLV file to be based on. Import failed!</source>
        <translation>Die Datenbank hat keine Liga an Position %d, auf deren Mannschaften die einer GLV-Datei aufbauen können. Der Import ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Team %d of the GLV file has no team to be based on in the league at position %d. Import failed!</source>
        <translation>Mannschaft %d der GLV-Datei hat keine Mannschaft, auf der sie aufbauen kann, in der Liga an Position %d. Der Import ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>GLV Files (*.GLV)|*.GLV|All Files (*.*)|*.*|</source>
        <translation>GLV-Dateien (*.GLV)|*.GLV|Alle Dateien (*.*)|*.*|</translation>
    </message>
    <message>
        <source>The GLV file holds %d teams, but the league its teams are based on has only %d.</source>
        <translation>Die GLV-Datei enthält %d Mannschaften, aber die Liga, auf der ihre Mannschaften aufbauen, hat nur %d.</translation>
    </message>
    <message>
        <source>The GLV file gives a negative number of teams (%d).</source>
        <translation>Die GLV-Datei gibt eine negative Anzahl von Mannschaften an (%d).</translation>
    </message>
    <message>
        <source>Team %d of the GLV file holds %d players; a team has at most %d.</source>
        <translation>Mannschaft %d der GLV-Datei enthält %d Spieler; eine Mannschaft hat höchstens %d.</translation>
    </message>
    <message>
        <source>The GLV file ends before its list of teams.</source>
        <translation>Die GLV-Datei endet vor ihrer Liste der Mannschaften.</translation>
    </message>
    <message>
        <source>The GLV file ends in the middle of team %d.</source>
        <translation>Die GLV-Datei endet mitten in Mannschaft %d.</translation>
    </message>
    <message>
        <source>Packing %s...</source>
        <translation>%s wird gepackt...</translation>
    </message>
    <message>
        <source>There is no league at position %d.</source>
        <translation>An Position %d gibt es keine Liga.</translation>
    </message>
    <message>
        <source>Cannot create the folder %s.</source>
        <translation>Der Ordner %s kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Cannot create a temporary folder %s.</source>
        <translation>Der temporäre Ordner %s kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Cannot write the temporary file %s.</source>
        <translation>Die temporäre Datei %s kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Removed %s, the temporary folder of an export that was cut off.</source>
        <translation>%s wurde entfernt, der temporäre Ordner eines abgebrochenen Exports.</translation>
    </message>
    <message>
        <source>Packing %s failed.</source>
        <translation>Packen von %s fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Packing %s left no packed file.</source>
        <translation>Beim Packen von %s ist keine gepackte Datei entstanden.</translation>
    </message>
    <message>
        <source>Cannot write %s.</source>
        <translation>%s kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Exported %s, %s and %s to %s.</source>
        <translation>%s, %s und %s nach %s exportiert.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>The packer program, which reads and writes the exchange files, could not be started: %s
(System error %d)</source>
        <translation>Das Packprogramm, das die Austauschdateien liest und schreibt, konnte nicht gestartet werden: %s
(Systemfehler %d)</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <translation>das System nannte keinen Grund</translation>
    </message>
    <message>
        <source>The file is larger than any GLV file can be (%u bytes), so it is not read.</source>
        <translation>Die Datei ist größer, als eine GLV-Datei sein kann (%u Bytes), daher wird sie nicht gelesen.</translation>
    </message>
</context>
<context>
    <name>foldtexts</name>
    <message>
        <source>&apos;%1&apos; takes the place of the game&apos;s &apos;%2&apos; of %3</source>
        <translation>&apos;%1&apos; nimmt den Platz von &apos;%2&apos; des Spiels ein, Spieler von %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes the place of the game&apos;s &apos;%2&apos;, who is in no club</source>
        <translation>&apos;%1&apos; nimmt den Platz von &apos;%2&apos; des Spiels ein, der in keinem Verein ist</translation>
    </message>
    <message>
        <source>An imported player has no record of his own in the game&apos;s files, so the save writes each one moved or copied onto a game team over a game player: the one whose id is the low 16 bits of his own (whichever club lists him), or a player of that team leaving for the imported player&apos;s team. That player&apos;s name and values are gone, and his club lists the newcomer as well as the team you chose:</source>
        <translation>Ein importierter Spieler hat keinen eigenen Datensatz in den Dateien des Spiels, daher schreibt das Speichern jeden, der in eine Mannschaft des Spiels verschoben oder kopiert wurde, über einen Spieler des Spiels: den, dessen ID die unteren 16 Bit seiner eigenen ist (gleich in welchem Verein), oder einen Spieler dieser Mannschaft, der zur Mannschaft des importierten Spielers wechselt. Name und Werte dieses Spielers gehen verloren, und sein Verein führt den Neuen ebenso wie die gewählte Mannschaft:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
</context>
<context>
    <name>frametexts</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Saving Data...</source>
        <translation>Daten werden gespeichert...</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n changed records to %1</source>
        <translation>
            <numerusform>%n geänderter Datensatz in %1 gespeichert</numerusform>
            <numerusform>%n geänderte Datensätze in %1 gespeichert</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was saved</source>
        <translation>Es wurde nichts gespeichert</translation>
    </message>
    <message>
        <source>Cut %1: paste on a team to move him</source>
        <translation>%1 ausgeschnitten: In eine Mannschaft einfügen, um ihn zu verschieben</translation>
    </message>
    <message>
        <source>Moved %1 to %2</source>
        <translation>%1 nach %2 verschoben</translation>
    </message>
    <message>
        <source>W A R N I N G !

This action will save changes you have made to Golvar data files PERMANENTLY. Some teams and players may be announced in their original names.

If you do not wish to make permanent changes to the files, it is suggested that you use the File/Export feature.

Do you wish to continue?</source>
        <extracomment>&quot;announced&quot;: the match commentator may say some teams&apos; and players&apos; original names, since the spoken names are recordings the editor cannot change.</extracomment>
        <translation>W A R N U N G !

Diese Aktion speichert Ihre Änderungen DAUERHAFT in den Golvar-Datendateien. Der Spielkommentar nennt einige Mannschaften und Spieler möglicherweise bei ihren ursprünglichen Namen.

Wenn Sie die Dateien nicht dauerhaft ändern möchten, verwenden Sie besser die Funktion Datei/Exportieren.

Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Select directory to export the league&apos;s DB files to:</source>
        <translation>Ordner wählen, in den die DB-Dateien der Liga exportiert werden:</translation>
    </message>
    <message>
        <source>Exporting League...</source>
        <translation>Liga wird exportiert...</translation>
    </message>
    <message>
        <source>This directory already holds DB files. Do you want to replace them?</source>
        <translation>Dieser Ordner enthält bereits DB-Dateien. Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>The window</source>
        <translation>Das Fenster</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Saving and backup</source>
        <translation>Speichern und Sicherung</translation>
    </message>
    <message>
        <source>Delete works on the pane that has the focus; in a text box it deletes text as usual. A deleted team or player comes back with Undo. Cut, then Paste on a team, moves the player there.</source>
        <translation>„Löschen“ wirkt auf den Bereich, der den Fokus hat; in einem Textfeld löscht es wie gewohnt Text. Eine gelöschte Mannschaft oder ein gelöschter Spieler kommt mit „Rückgängig“ zurück. „Ausschneiden“ und dann „Einfügen“ in eine Mannschaft verschiebt den Spieler dorthin.</translation>
    </message>
</context>
<context>
    <name>gametexts</name>
    <message>
        <source>The save was refused and nothing was written: read back, %1 %2 would have %3 %4 in the files, where the editor holds %5.</source>
        <translation>Das Speichern wurde abgelehnt und nichts geschrieben: Beim Zurücklesen hätte %1 %2 in den Dateien für %3 den Wert %4, während der Editor %5 enthält.</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: the files it built could not be read back (%1).</source>
        <translation>Das Speichern wurde abgelehnt und nichts geschrieben: Die erzeugten Dateien konnten nicht zurückgelesen werden (%1).</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: it meant to write %1 players and %2 teams, and read back %3 and %4.</source>
        <translation>Das Speichern wurde abgelehnt und nichts geschrieben: Es sollten %1 Spieler und %2 Mannschaften geschrieben werden, zurückgelesen wurden %3 und %4.</translation>
    </message>
    <message>
        <source>Error writing to Team Data File.</source>
        <translation>Fehler beim Schreiben der Mannschaftsdatendatei.</translation>
    </message>
    <message>
        <source>Error writing to Team Name File.</source>
        <translation>Fehler beim Schreiben der Mannschaftsnamendatei.</translation>
    </message>
    <message>
        <source>Error writing to Player Data File.</source>
        <translation>Fehler beim Schreiben der Spielerdatendatei.</translation>
    </message>
    <message>
        <source>Error writing to Player Name File.</source>
        <translation>Fehler beim Schreiben der Spielernamendatei.</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: the data in the editor was not read whole from the game&apos;s files in %1, and saving it would replace them with less than they hold.</source>
        <translation>Das Speichern wurde abgelehnt und nichts geschrieben: Die Daten im Editor wurden nicht vollständig aus den Dateien des Spiels in %1 gelesen, und sie zu speichern würde diese durch weniger ersetzen, als sie enthalten.</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: the data in the editor was read from %1, not from %2.</source>
        <translation>Das Speichern wurde abgelehnt und nichts geschrieben: Die Daten im Editor wurden aus %1 gelesen, nicht aus %2.</translation>
    </message>
</context>
<context>
    <name>globalmodtexts</name>
    <message>
        <source>Global Modifications</source>
        <translation>Globale Änderungen</translation>
    </message>
    <message>
        <source>Value to change:</source>
        <extracomment>The amount added to (or, when negative, taken from) each ticked skill.</extracomment>
        <translation>Änderungswert:</translation>
    </message>
    <message>
        <source>Type of Players</source>
        <translation>Spielertyp</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Fähigkeiten</translation>
    </message>
    <message>
        <source>Defenders</source>
        <translation>Verteidiger</translation>
    </message>
    <message>
        <source>Midfielders</source>
        <translation>Mittelfeldspieler</translation>
    </message>
    <message>
        <source>Forwards</source>
        <translation>Stürmer</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Beschleunigung</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Beweglichkeit</translation>
    </message>
    <message>
        <source>Awareness</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Ball Control</source>
        <translation>Ballkontrolle</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Kreativität</translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation>Fitness</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Kopfball</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Passspiel</translation>
    </message>
    <message>
        <source>Reaction</source>
        <translation>Reaktion</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Tackle</source>
        <translation>Tackling</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>%1 %2 for %3</source>
        <translation>%1 %2 für %3</translation>
    </message>
    <message>
        <source>All skills</source>
        <translation>Alle Fähigkeiten</translation>
    </message>
    <message>
        <source>No skill</source>
        <translation>Keine Fähigkeit</translation>
    </message>
    <message>
        <source>player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Goalkeepers</source>
        <translation>Torhüter</translation>
    </message>
    <message>
        <source>Shot Power</source>
        <translation>Schusskraft</translation>
    </message>
    <message>
        <source>Shot Accuracy</source>
        <translation>Schussgenauigkeit</translation>
    </message>
    <message>
        <source>Type an amount other than 0 to enable “OK”.</source>
        <translation>Geben Sie einen Wert ungleich 0 ein, um „OK“ zu aktivieren.</translation>
    </message>
    <message>
        <source>Tick at least one type of players to enable “OK”.</source>
        <translation>Kreuzen Sie mindestens einen Spielertyp an, um „OK“ zu aktivieren.</translation>
    </message>
</context>
<context>
    <name>keptleaguetexts</name>
    <message>
        <source>Remove the imported league %1 from Obrix? Its teams and its edits will be gone, and it will not come back at the next start.</source>
        <translation>Die importierte Liga %1 aus Obrix entfernen? Die Mannschaften der Liga und Ihre Änderungen daran gehen verloren, und die Liga kommt beim nächsten Start nicht wieder.</translation>
    </message>
    <message>
        <source>The imported leagues could not be kept in %1: %2</source>
        <translation>Die importierten Ligen konnten nicht in %1 aufbewahrt werden: %2</translation>
    </message>
    <message>
        <source>The kept leagues in %1 could not be read: %2.
The file is left as it is; the leagues it holds are not in this run.</source>
        <translation>Die aufbewahrten Ligen in %1 konnten nicht gelesen werden: %2.
Die Datei bleibt unverändert; die darin enthaltenen Ligen sind in dieser Sitzung nicht geladen.</translation>
    </message>
    <message>
        <source>The folder of the kept leagues, %1, could not be read: %2.
Nothing in it is changed; the leagues kept there are not in this run.</source>
        <translation>Der Ordner der aufbewahrten Ligen, %1, konnte nicht gelesen werden: %2.
Darin wird nichts geändert; die dort aufbewahrten Ligen sind in dieser Sitzung nicht geladen.</translation>
    </message>
    <message>
        <source>The kept league %1 (kept by an earlier version of Obrix in %2) could not be read again.
Its files are left as they are, where File/Import can try them again.</source>
        <translation>Die aufbewahrte Liga %1 (von einer früheren Version von Obrix in %2 aufbewahrt) konnte nicht erneut gelesen werden.
Ihre Dateien bleiben unverändert, dort kann Datei/Importieren sie erneut versuchen.</translation>
    </message>
    <message>
        <source>The imported leagues were kept in %1, because %2 was not read in this run and is left as it is.</source>
        <translation>Die importierten Ligen wurden in %1 aufbewahrt, weil %2 in dieser Sitzung nicht gelesen wurde und unverändert bleibt.</translation>
    </message>
    <message>
        <source>Imported leagues are kept by Obrix, not in the Golvar data files: they come back the next time Obrix starts. To bring their players into the game, move or copy them onto game teams (the Transfer page, Cut and Paste, or dragging them). The files have no record of their own for such a player: the save writes him over the game player whose id is the low 16 bits of his, often of another club, who is then gone; the save&apos;s question and the Changes view name each one first. Use File/Export to share the league.</source>
        <translation>Importierte Ligen werden von Obrix aufbewahrt, nicht in den Golvar-Datendateien: Sie sind beim nächsten Start von Obrix wieder da. Um ihre Spieler ins Spiel zu bringen, verschieben oder kopieren Sie sie in Mannschaften des Spiels (Transferseite, Ausschneiden und Einfügen oder Ziehen). Die Dateien haben für einen solchen Spieler keinen eigenen Datensatz: Beim Speichern wird er über den Spieler des Spiels geschrieben, dessen ID die unteren 16 Bit seiner eigenen ist, oft einer aus einem anderen Verein, der dann verloren ist; die Frage beim Speichern und die Ansicht Änderungen nennen jeden vorher. Mit Datei/Exportieren geben Sie die Liga weiter.</translation>
    </message>
    <message>
        <source>Imported league: kept by Obrix, not in the Golvar data files.
To bring its players into the game, move or copy them onto game teams: the save writes each over the game player whose id is the low 16 bits of his (named first); export it with File/Export to share it.</source>
        <translation>Importierte Liga: von Obrix aufbewahrt, nicht in den Golvar-Datendateien.
Um ihre Spieler ins Spiel zu bringen, verschieben oder kopieren Sie sie in Mannschaften des Spiels: Beim Speichern wird jeder über den Spieler des Spiels geschrieben, dessen ID die unteren 16 Bit seiner eigenen ist (vorher genannt); mit Datei/Exportieren geben Sie die Liga weiter.</translation>
    </message>
    <message>
        <source>another program is keeping leagues there and did not finish in time; nothing there was changed</source>
        <translation>ein anderes Programm bewahrt dort gerade Ligen auf und ist nicht rechtzeitig fertig geworden; dort wurde nichts geändert</translation>
    </message>
</context>
<context>
    <name>kitpalette</name>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>Hellrot</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Hellorange</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Dark Gold</source>
        <translation>Dunkelgold</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Light Purple</source>
        <translation>Helllila</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Dark Purple</source>
        <translation>Dunkellila</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Not Used</source>
        <translation>Nicht benutzt</translation>
    </message>
</context>
<context>
    <name>limittexts</name>
    <message>
        <source>league</source>
        <translation>Liga</translation>
    </message>
    <message>
        <source>team</source>
        <translation>Mannschaft</translation>
    </message>
    <message>
        <source>player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>League &quot;%1&quot; (id %2)</source>
        <translation>Liga „%1“ (ID %2)</translation>
    </message>
    <message>
        <source>Team &quot;%1&quot; (id %2)</source>
        <translation>Mannschaft „%1“ (ID %2)</translation>
    </message>
    <message>
        <source>Player &quot;%1&quot; (id %2)</source>
        <translation>Spieler „%1“ (ID %2)</translation>
    </message>
    <message>
        <source>%1: the %2 is %3 bytes long in the game&apos;s encoding; the game&apos;s files hold at most %4.</source>
        <translation>%1: Das Feld %2 ist in der Kodierung des Spiels %3 Bytes lang; die Dateien des Spiels fassen höchstens %4.</translation>
    </message>
    <message>
        <source>%1: the %2 holds a NUL character, which would end it in the game&apos;s files.</source>
        <translation>%1: Das Feld %2 enthält ein NUL-Zeichen, das es in den Dateien des Spiels beenden würde.</translation>
    </message>
    <message>
        <source>%1: a league name beginning with &quot;EC&quot; marks one of the game&apos;s European competitions, which the editor shows with a leading &quot;x&quot;. Begin the name with &quot;xEC&quot; for a competition, or choose another name.</source>
        <translation>%1: Ein Liganame, der mit „EC“ beginnt, kennzeichnet einen der Europapokal-Wettbewerbe des Spiels, die der Editor mit einem vorangestellten „x“ anzeigt. Beginnen Sie den Namen für einen Wettbewerb mit „xEC“ oder wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>%1: %2 is %3; the game&apos;s files hold %4 at most.</source>
        <translation>%1: %2 ist %3; die Dateien des Spiels fassen höchstens %4.</translation>
    </message>
    <message>
        <source>%1: the id does not fit the game&apos;s files, which hold ids up to %2.</source>
        <translation>%1: Die ID passt nicht in die Dateien des Spiels, die IDs bis %2 fassen.</translation>
    </message>
    <message>
        <source>%1: %2 names id %3; the game&apos;s files hold ids up to 65535.</source>
        <translation>%1: %2 nennt die ID %3; die Dateien des Spiels fassen IDs bis 65535.</translation>
    </message>
    <message>
        <source>%1 lists %2 players; the game&apos;s files hold 26 for a team, the rest would be lost at save.</source>
        <translation>%1 hat %2 Spieler im Kader; die Dateien des Spiels fassen 26 pro Mannschaft, der Rest ginge beim Speichern verloren.</translation>
    </message>
    <message>
        <source>%1 has %2 team slots; the game&apos;s files hold at most 63 for a league.</source>
        <translation>%1 hat %2 Mannschaftsplätze; die Dateien des Spiels fassen höchstens 63 pro Liga.</translation>
    </message>
    <message>
        <source>%1 League consist an odd number (%2) of teams. Please make sure that only even numbers of teams are used.</source>
        <translation>Die Liga %1 hat eine ungerade Anzahl (%2) von Mannschaften. Bitte achten Sie darauf, dass nur gerade Mannschaftszahlen verwendet werden.</translation>
    </message>
    <message>
        <source>The player table would begin at %1, beyond the 16-bit position the game reads (below 65536): delete teams or leagues.</source>
        <translation>Die Spielertabelle würde bei %1 beginnen, jenseits der 16-Bit-Position, die das Spiel liest (unter 65536): Löschen Sie Mannschaften oder Ligen.</translation>
    </message>
    <message>
        <source>%1 is a league of the game, and team %2 was imported: the game&apos;s files have no record for it, so the league cannot list it. To bring its players into the game, move or copy them onto game teams (the Transfer page, Cut and Paste, or dragging them) and save: the save writes each over the game player whose id is the low 16 bits of his, and names each one before it does.</source>
        <translation>%1 ist eine Liga des Spiels, und die Mannschaft %2 wurde importiert: Die Dateien des Spiels haben keinen Datensatz für sie, daher kann die Liga sie nicht führen. Um ihre Spieler ins Spiel zu bringen, verschieben oder kopieren Sie sie in Mannschaften des Spiels (Transferseite, Ausschneiden und Einfügen oder Ziehen) und speichern Sie: Beim Speichern wird jeder über den Spieler des Spiels geschrieben, dessen ID die unteren 16 Bit seiner eigenen ist, und jeder wird vorher genannt.</translation>
    </message>
    <message>
        <source>%1 cannot go onto %2, a team of the game: his %3 is %4, and the game&apos;s files hold %5 at most. Set his %3 to %5 or less first; on his imported team he may keep %4.</source>
        <translation>%1 kann nicht in %2, eine Mannschaft des Spiels: Sein %3 ist %4, und die Dateien des Spiels fassen höchstens %5. Setzen Sie zuerst sein %3 auf %5 oder weniger; in seiner importierten Mannschaft darf er %4 behalten.</translation>
    </message>
    <message>
        <source>%1 is to go onto a team of the game at the next save, whose files hold %4 at most for his %2, so it cannot be %3. Undo his move onto that team first to give him a larger value.</source>
        <translation>%1 soll beim nächsten Speichern in eine Mannschaft des Spiels, deren Dateien für sein %2 höchstens %4 fassen, daher kann es nicht %3 sein. Machen Sie zuerst seinen Wechsel in diese Mannschaft rückgängig, um ihm einen größeren Wert zu geben.</translation>
    </message>
</context>
<context>
    <name>locktexts</name>
    <message>
        <source>%1: the game folder is in use by another program.</source>
        <translation>%1: Der Spielordner wird von einem anderen Programm benutzt.</translation>
    </message>
    <message>
        <source>%1: another program is saving the game&apos;s files; its unfinished save is left for it to finish.</source>
        <translation>%1: Ein anderes Programm speichert gerade die Dateien des Spiels. Obrix lässt es sein Speichern selbst beenden.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 ist ein Ordner, keine normale Datei, daher können die Dateien des Spiels nicht gegen andere Programme gesperrt werden. Entfernen Sie ihn und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 is a link, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 ist ein Link, keine normale Datei, daher können die Dateien des Spiels nicht gegen andere Programme gesperrt werden. Entfernen Sie ihn und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 is a pipe, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 ist eine Pipe, keine normale Datei, daher können die Dateien des Spiels nicht gegen andere Programme gesperrt werden. Entfernen Sie sie und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 is a device, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 ist ein Gerät, keine normale Datei, daher können die Dateien des Spiels nicht gegen andere Programme gesperrt werden. Entfernen Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 ist keine normale Datei, daher können die Dateien des Spiels nicht gegen andere Programme gesperrt werden. Entfernen Sie sie und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 cannot be locked (%2), so the game&apos;s files cannot be locked against other programs.</source>
        <translation>%1 kann nicht gesperrt werden (%2), daher können die Dateien des Spiels nicht gegen andere Programme gesperrt werden.</translation>
    </message>
</context>
<context>
    <name>pagetexts</name>
    <message>
        <source>About Obrix</source>
        <translation>Über Obrix</translation>
    </message>
    <message>
        <source>The game&apos;s files cannot hold these characters: %s
The name is kept as it was.</source>
        <translation>Die Dateien des Spiels können diese Zeichen nicht speichern: %s
Der Name bleibt unverändert.</translation>
    </message>
    <message>
        <source>Edit Player</source>
        <translation>Spieler bearbeiten</translation>
    </message>
    <message>
        <source>Apply Preset</source>
        <translation>Vorgabe anwenden</translation>
    </message>
    <message>
        <source>Edit Team</source>
        <translation>Mannschaft bearbeiten</translation>
    </message>
    <message>
        <source>Change Kit</source>
        <translation>Trikots ändern</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aussehen</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Fähigkeiten</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Vorgaben</translation>
    </message>
    <message>
        <source>A player must have a name. The name is kept as it was.</source>
        <translation>Ein Spieler muss einen Namen haben. Der Name bleibt unverändert.</translation>
    </message>
    <message>
        <source>Number %d has already been used.</source>
        <translation>Die Nummer %d ist bereits vergeben.</translation>
    </message>
    <message>
        <source>Originally: %s from %s</source>
        <translation>Ursprünglich: %s bei %s</translation>
    </message>
    <message>
        <source>Max. Attributes</source>
        <extracomment>A button: sets every skill of the player to the highest value, 16.</extracomment>
        <translation>Alle Fähigkeiten auf Maximum</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Alle zurücksetzen</translation>
    </message>
    <message>
        <source>Commentary</source>
        <extracomment>A check box: the match commentator says this player&apos;s name. Kept in the game&apos;s own words.</extracomment>
        <translation>Name im Spielkommentar</translation>
    </message>
    <message>
        <source>No.:</source>
        <translation>Nr.:</translation>
    </message>
    <message>
        <source>Pos:</source>
        <translation>Pos.:</translation>
    </message>
    <message>
        <source>Hair:</source>
        <translation>Frisur:</translation>
    </message>
    <message>
        <source>Face:</source>
        <translation>Gesicht:</translation>
    </message>
    <message>
        <source>Facial Hair:</source>
        <translation>Bart:</translation>
    </message>
    <message>
        <source>Skin Colour:</source>
        <translation>Hautfarbe:</translation>
    </message>
    <message>
        <source>Hair Colour:</source>
        <translation>Haarfarbe:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Stärke:</translation>
    </message>
    <message>
        <source>Nat.:</source>
        <translation>Nat.:</translation>
    </message>
    <message>
        <source>Acceleration:</source>
        <translation>Beschleunigung:</translation>
    </message>
    <message>
        <source>Agility:</source>
        <translation>Beweglichkeit:</translation>
    </message>
    <message>
        <source>Awareness:</source>
        <extracomment>Vision of play: how well the player reads the game (not his positioning).</extracomment>
        <translation>Übersicht:</translation>
    </message>
    <message>
        <source>Ball Control:</source>
        <translation>Ballkontrolle:</translation>
    </message>
    <message>
        <source>Creativity:</source>
        <translation>Kreativität:</translation>
    </message>
    <message>
        <source>Fitness:</source>
        <translation>Fitness:</translation>
    </message>
    <message>
        <source>Heading:</source>
        <translation>Kopfball:</translation>
    </message>
    <message>
        <source>Passing:</source>
        <translation>Passspiel:</translation>
    </message>
    <message>
        <source>Reaction:</source>
        <translation>Reaktion:</translation>
    </message>
    <message>
        <source>Shot Power:</source>
        <translation>Schusskraft:</translation>
    </message>
    <message>
        <source>Shot Acc.</source>
        <extracomment>Shot accuracy; short, for want of room beside its box.</extracomment>
        <translation>Schussgen.</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Tackle:</source>
        <translation>Tackling:</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Mannschaft</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Home Kit</source>
        <translation>Heimtrikots</translation>
    </message>
    <message>
        <source>Away Kit</source>
        <translation>Auswärtstrikots</translation>
    </message>
    <message>
        <source>Bankroll must be a whole number between %d and %d</source>
        <translation>Das Budget muss eine ganze Zahl zwischen %d und %d sein</translation>
    </message>
    <message>
        <source>Bankroll must be between %d and %d</source>
        <translation>Das Budget muss zwischen %d und %d liegen</translation>
    </message>
    <message>
        <source>A team must have a name. The name is kept as it was.</source>
        <translation>Eine Mannschaft muss einen Namen haben. Der Name bleibt unverändert.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>The jersey editor Weftor was found but could not be started.</source>
        <translation>Der Trikot-Editor Weftor wurde gefunden, konnte aber nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Needs the jersey editor Weftor, which was looked for in %1 and on the PATH, and not found.</source>
        <translation>Benötigt den Trikot-Editor Weftor, der in %1 und im PATH gesucht, aber nicht gefunden wurde.</translation>
    </message>
    <message>
        <source>Edits the jersey texture with %1</source>
        <translation>Bearbeitet die Trikot-Textur mit %1</translation>
    </message>
    <message>
        <source>Abb.</source>
        <extracomment>The team&apos;s abbreviation: its name in a few letters.</extracomment>
        <translation>Abk.</translation>
    </message>
    <message>
        <source>Short Name:</source>
        <translation>Kurzname:</translation>
    </message>
    <message>
        <source>Bankroll:</source>
        <translation>Budget:</translation>
    </message>
    <message>
        <source>Primary:</source>
        <translation>Hauptfarbe:</translation>
    </message>
    <message>
        <source>Secondary:</source>
        <translation>Zweitfarbe:</translation>
    </message>
    <message>
        <source>Tertiary:</source>
        <translation>Drittfarbe:</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Use Preset Colours</source>
        <translation>Vorgabefarben verwenden</translation>
    </message>
    <message>
        <source>Jersey</source>
        <translation>Trikot</translation>
    </message>
    <message>
        <source>Shorts</source>
        <translation>Hose</translation>
    </message>
    <message>
        <source>Socks</source>
        <translation>Stutzen</translation>
    </message>
    <message>
        <source>Goalie:</source>
        <translation>Torwart:</translation>
    </message>
    <message>
        <source>Defender:</source>
        <translation>Verteidiger:</translation>
    </message>
    <message>
        <source>Midfielder:</source>
        <translation>Mittelfeld:</translation>
    </message>
    <message>
        <source>Forward:</source>
        <translation>Stürmer:</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Star</translation>
    </message>
    <message>
        <source>Good</source>
        <extracomment>A preset of skills: good, between Star and average.</extracomment>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Ave.</source>
        <extracomment>A preset of skills: average.</extracomment>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>White</source>
        <comment>skin colour</comment>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Tanned</source>
        <comment>skin colour</comment>
        <translation>Gebräunt</translation>
    </message>
    <message>
        <source>Brown</source>
        <comment>skin colour</comment>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>skin colour</comment>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Blond</source>
        <comment>hair colour</comment>
        <translation>Blond</translation>
    </message>
    <message>
        <source>Brown</source>
        <comment>hair colour</comment>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>hair colour</comment>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>hair colour</comment>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>This box holds at most %1 bytes of the game&apos;s text (a letter takes one, a Japanese character two).</source>
        <translation>Dieses Feld fasst höchstens %1 Bytes Spieltext (ein Buchstabe belegt eines, ein japanisches Zeichen zwei).</translation>
    </message>
    <message>
        <source>A skill must be between %1 and %2. The skill is kept as it was.</source>
        <translation>Eine Fähigkeit muss zwischen %1 und %2 liegen. Die Fähigkeit bleibt unverändert.</translation>
    </message>
</context>
<context>
    <name>roster</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Acl</source>
        <translation>Bes</translation>
    </message>
    <message>
        <source>Agl</source>
        <translation>Bew</translation>
    </message>
    <message>
        <source>Awr</source>
        <translation>Übs</translation>
    </message>
    <message>
        <source>Bct</source>
        <translation>Bal</translation>
    </message>
    <message>
        <source>Cre</source>
        <translation>Kre</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Hea</source>
        <translation>Kop</translation>
    </message>
    <message>
        <source>Pas</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Rct</source>
        <translation>Rea</translation>
    </message>
    <message>
        <source>Spw</source>
        <translation>Kraft</translation>
    </message>
    <message>
        <source>Sac</source>
        <translation>Genau</translation>
    </message>
    <message>
        <source>Spd</source>
        <translation>Tem</translation>
    </message>
    <message>
        <source>Tac</source>
        <translation>Tac</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
</context>
<context>
    <name>settingtexts</name>
    <message>
        <source>Cannot locate Golvar directory in the Registry. Do you want to select it yourself?</source>
        <translation>Der Golvar-Ordner wurde in der Registry nicht gefunden. Möchten Sie ihn selbst auswählen?</translation>
    </message>
    <message>
        <source>Select Golvar directory</source>
        <translation>Golvar-Ordner auswählen</translation>
    </message>
</context>
<context>
    <name>statstexts</name>
    <message>
        <source>Please select a team/league to add.</source>
        <translation>Bitte wählen Sie eine Mannschaft/Liga zum Hinzufügen aus.</translation>
    </message>
    <message>
        <source>Printing is not available: its module was not found with the editor.</source>
        <translation>Drucken ist nicht verfügbar: Das Druckmodul wurde beim Editor nicht gefunden.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Please select team(s) to be removed first.</source>
        <translation>Bitte wählen Sie zuerst die zu entfernende(n) Mannschaft(en) aus.</translation>
    </message>
    <message>
        <source>Please select team(s) to be exported first.</source>
        <translation>Bitte wählen Sie zuerst die zu exportierende(n) Mannschaft(en) aus.</translation>
    </message>
    <message>
        <source>Writing data for players of : %s...</source>
        <translation>Spielerdaten von %s werden geschrieben...</translation>
    </message>
    <message>
        <source>Processing data for player of : %s...</source>
        <translation>Spielerdaten von %s werden verarbeitet...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*|</source>
        <translation>Textdateien (*.TXT)|*.TXT|Alle Dateien (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>A&amp;dd All</source>
        <translation>&amp;Alle hinzufügen</translation>
    </message>
    <message>
        <source>Re&amp;move All</source>
        <translation>Alle e&amp;ntfernen</translation>
    </message>
    <message>
        <source>Plain Text</source>
        <translation>Nur Text</translation>
    </message>
    <message>
        <source>Delimited Text</source>
        <translation>Text mit Trennzeichen</translation>
    </message>
    <message>
        <source>&amp;Write to File</source>
        <translation>&amp;In Datei schreiben</translation>
    </message>
    <message>
        <source>Player &amp;Stats</source>
        <translation>Spieler&amp;statistik</translation>
    </message>
    <message>
        <source>&amp;Characteristics</source>
        <translation>&amp;Merkmale</translation>
    </message>
    <message>
        <source>&amp;Filters</source>
        <translation>&amp;Filter</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Update Grid</source>
        <translation>&amp;Tabelle aktualisieren</translation>
    </message>
    <message>
        <source>Filters:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>None: the grid lists every player of the chosen teams</source>
        <translation>Keine: Die Tabelle zeigt alle Spieler der gewählten Mannschaften</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Nationality</source>
        <translation>Nationalität</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Value</source>
        <extracomment>The player&apos;s market value.</extracomment>
        <translation>Marktwert</translation>
    </message>
    <message>
        <source>International</source>
        <extracomment>Whether the player plays for his national team.</extracomment>
        <translation>Nationalspieler</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Beschleunigung</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Beweglichkeit</translation>
    </message>
    <message>
        <source>Awareness</source>
        <extracomment>Vision of play: how well the player reads the game (not his positioning).</extracomment>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Ball Control</source>
        <translation>Ballkontrolle</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Kreativität</translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation>Fitness</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Kopfball</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Passspiel</translation>
    </message>
    <message>
        <source>Reaction</source>
        <translation>Reaktion</translation>
    </message>
    <message>
        <source>Shot Acc</source>
        <translation>Schussgenauigkeit</translation>
    </message>
    <message>
        <source>Shot Power</source>
        <translation>Schusskraft</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Tackle</source>
        <translation>Tackling</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>EQ</source>
        <extracomment>A filter&apos;s comparison: equal to.</extracomment>
        <translation>gleich</translation>
    </message>
    <message>
        <source>GT</source>
        <extracomment>A filter&apos;s comparison: greater than.</extracomment>
        <translation>größer</translation>
    </message>
    <message>
        <source>LT</source>
        <extracomment>A filter&apos;s comparison: less than.</extracomment>
        <translation>kleiner</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>GK</source>
        <extracomment>A position&apos;s abbreviation, kept as the roster and the Player page show it (there in English).</extracomment>
        <translation>GK</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>SW</translation>
    </message>
    <message>
        <source>LB</source>
        <translation>LB</translation>
    </message>
    <message>
        <source>CB</source>
        <translation>CB</translation>
    </message>
    <message>
        <source>RB</source>
        <translation>RB</translation>
    </message>
    <message>
        <source>LM</source>
        <translation>LM</translation>
    </message>
    <message>
        <source>CM</source>
        <translation>CM</translation>
    </message>
    <message>
        <source>RM</source>
        <translation>RM</translation>
    </message>
    <message>
        <source>LF</source>
        <translation>LF</translation>
    </message>
    <message>
        <source>CF</source>
        <translation>CF</translation>
    </message>
    <message>
        <source>RF</source>
        <translation>RF</translation>
    </message>
    <message>
        <source>Defender</source>
        <translation>Verteidiger</translation>
    </message>
    <message>
        <source>Midfielder</source>
        <translation>Mittelfeldspieler</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Stürmer</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Hair Colour</source>
        <translation>Haarfarbe</translation>
    </message>
    <message>
        <source>Hair Type</source>
        <translation>Frisur</translation>
    </message>
    <message>
        <source>Facial Hair</source>
        <translation>Bart</translation>
    </message>
    <message>
        <source>Skin Colour</source>
        <translation>Hautfarbe</translation>
    </message>
    <message>
        <source>Skill Ave</source>
        <extracomment>The average of the player&apos;s skills.</extracomment>
        <translation>Ø Fähigk.</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Mannschaft</translation>
    </message>
    <message>
        <source>Acl</source>
        <translation>Bes</translation>
    </message>
    <message>
        <source>Agl</source>
        <translation>Bew</translation>
    </message>
    <message>
        <source>Awr</source>
        <extracomment>Awareness, in about three letters: vision of play.</extracomment>
        <translation>Übs</translation>
    </message>
    <message>
        <source>Bct</source>
        <translation>Bal</translation>
    </message>
    <message>
        <source>Cre</source>
        <translation>Kre</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Pas</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Rct</source>
        <translation>Rea</translation>
    </message>
    <message>
        <source>Spw</source>
        <translation>Kraft</translation>
    </message>
    <message>
        <source>Sac</source>
        <translation>Genau</translation>
    </message>
    <message>
        <source>Spd</source>
        <translation>Tem</translation>
    </message>
    <message>
        <source>Tac</source>
        <translation>Tac</translation>
    </message>
    <message>
        <source>Hea</source>
        <translation>Kop</translation>
    </message>
    <message>
        <source>The report could not be written: %1</source>
        <translation>Der Bericht konnte nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>thumbnailtexts</name>
    <message>
        <source>%1 of the 64 jersey thumbnails could not be made:
%2</source>
        <translation>%1 der 64 Trikot-Miniaturen konnten nicht erstellt werden:
%2</translation>
    </message>
    <message>
        <source>%1: not a texture with a whole jersey picture</source>
        <translation>%1: keine Textur mit einem vollständigen Trikotbild</translation>
    </message>
</context>
<context>
    <name>transfertexts</name>
    <message>
        <source>Select a player or a team on each side, then &quot;&lt;----&gt;&quot; moves or swaps them.</source>
        <translation>Wählen Sie auf jeder Seite einen Spieler oder eine Mannschaft, dann verschiebt oder tauscht „&lt;----&gt;“ sie.</translation>
    </message>
    <message>
        <source>A league cannot be transferred: select a team or a player.</source>
        <translation>Eine Liga kann nicht transferiert werden: Wählen Sie eine Mannschaft oder einen Spieler.</translation>
    </message>
    <message>
        <source>&quot;&lt;----&gt;&quot; moves %1 from %2 to %3.</source>
        <translation>„&lt;----&gt;“ verschiebt %1 von %2 nach %3.</translation>
    </message>
    <message>
        <source>&quot;&lt;----&gt;&quot; swaps %1 of %2 and %3 of %4.</source>
        <translation>„&lt;----&gt;“ tauscht %1 von %2 und %3 von %4.</translation>
    </message>
    <message>
        <source>&quot;&lt;----&gt;&quot; swaps %1 and %2: names, kits and players.</source>
        <translation>„&lt;----&gt;“ tauscht %1 und %2: Namen, Trikots und Spieler.</translation>
    </message>
    <message>
        <source>%1 is already in %2.</source>
        <translation>%1 ist bereits in %2.</translation>
    </message>
    <message>
        <source>Creating Transfer Tables...</source>
        <translation>Transfertabellen werden erstellt...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Can&apos;t transfer league.</source>
        <translation>Liga kann nicht transferiert werden.</translation>
    </message>
    <message>
        <source>This team already has 20 players. To give it more, up to 26, choose it in the left-hand list of the Transfer page.</source>
        <translation>Diese Mannschaft hat bereits 20 Spieler. Um ihr weitere zu geben (bis zu 26), wählen Sie sie in der linken Liste der Transferseite.</translation>
    </message>
    <message>
        <source>This team is full: a team holds at most 26 players.</source>
        <translation>Der Kader ist voll: Eine Mannschaft hat höchstens 26 Spieler.</translation>
    </message>
    <message>
        <source>A team cannot have fewer than 11 players.</source>
        <translation>Eine Mannschaft kann nicht weniger als 11 Spieler haben.</translation>
    </message>
</context>
</TS>
