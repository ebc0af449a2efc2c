<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CAboutBox</name>
    <message>
        <source>A database editor for Golvar: edit its leagues, teams and players, their kits and skills, move players between clubs and bring in leagues made by other players.</source>
        <translation>Een database-editor voor Golvar: bewerk de competities, teams en spelers, hun tenues en vaardigheden, verplaats spelers tussen clubs en haal competities binnen die andere spelers hebben gemaakt.</translation>
    </message>
    <message>
        <source>Programming and artwork: the Obrix developers at Brannoc.
Thanks to everyone who tried the early versions and sent in their leagues.</source>
        <translation>Programmering en vormgeving: de ontwikkelaars van Obrix bij Brannoc.
Dank aan iedereen die de eerste versies heeft uitgeprobeerd en zijn competities heeft ingestuurd.</translation>
    </message>
    <message>
        <source>About Obrix</source>
        <translation>Over Obrix</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
</context>
<context>
    <name>CDataPropSheet</name>
    <message>
        <source>Data Sheet</source>
        <translation>Gegevensblad</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergelijken</translation>
    </message>
</context>
<context>
    <name>CFindDialog</name>
    <message>
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Zoeken:</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Obrix Help</source>
        <translation>Obrix-help</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigatie</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vooruit</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>Werkbalk</translation>
    </message>
</context>
<context>
    <name>CPictureListBox</name>
    <message>
        <source>Shorts %1</source>
        <translation>Broek %1</translation>
    </message>
    <message>
        <source>Socks %1</source>
        <translation>Kousen %1</translation>
    </message>
    <message>
        <source>Jersey %1</source>
        <translation>Shirt %1</translation>
    </message>
</context>
<context>
    <name>CPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Voorkeuren</translation>
    </message>
    <message>
        <source>Golvar Folder:</source>
        <translation>Golvar-map:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Bladeren...</translation>
    </message>
    <message>
        <source>Language of the editor:</source>
        <translation>Taal van de editor:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>Applied at the next start.</source>
        <translation>Wordt bij de volgende start toegepast.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engels</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japans</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugees</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaans</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiaans</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Zweeds</translation>
    </message>
    <message>
        <source>Language of the game&apos;s names:</source>
        <translation>Taal van de namen in het spel:</translation>
    </message>
    <message>
        <source>Obrix shows the names in the chosen language from its next start.</source>
        <translation>Obrix toont de namen in de gekozen taal vanaf de volgende start.</translation>
    </message>
    <message>
        <source>This Golvar folder has no names in this language (%1 is missing).</source>
        <translation>Deze Golvar-map bevat geen namen in deze taal (%1 ontbreekt).</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>O&amp;pnieuw</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Geschiedenis</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geschiedenis</translation>
    </message>
    <message>
        <source>&lt;as loaded&gt;</source>
        <translation>&lt;zoals geladen&gt;</translation>
    </message>
    <message>
        <source>Global Modifications</source>
        <translation>Globale wijzigingen</translation>
    </message>
    <message>
        <source>Import League &apos;%1&apos;</source>
        <translation>Competitie “%1” importeren</translation>
    </message>
    <message>
        <source>Import GLV File</source>
        <translation>GLV-bestand importeren</translation>
    </message>
    <message>
        <source>Delete Team &apos;%1&apos;</source>
        <translation>Team “%1” verwijderen</translation>
    </message>
    <message>
        <source>Delete Player &apos;%1&apos;</source>
        <translation>Speler “%1” verwijderen</translation>
    </message>
    <message>
        <source>Paste Team &apos;%1&apos;</source>
        <translation>Team “%1” plakken</translation>
    </message>
    <message>
        <source>Paste Player &apos;%1&apos;</source>
        <translation>Speler “%1” plakken</translation>
    </message>
    <message>
        <source>New League &apos;%1&apos;</source>
        <translation>Nieuwe competitie “%1”</translation>
    </message>
    <message>
        <source>League Name &apos;%1&apos;</source>
        <translation>Competitienaam “%1”</translation>
    </message>
    <message>
        <source>Remove League &apos;%1&apos;</source>
        <translation>Competitie “%1” weghalen</translation>
    </message>
    <message>
        <source>Apply Remembered Team</source>
        <translation>Onthouden team toepassen</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Uitgevoerd: %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Ongedaan gemaakt: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Opnieuw uitgevoerd: %1</translation>
    </message>
    <message>
        <source>Swap Teams &apos;%1&apos; and &apos;%2&apos;</source>
        <translation>Teams “%1” en “%2” wisselen</translation>
    </message>
    <message>
        <source>Swap Players &apos;%1&apos; and &apos;%2&apos;</source>
        <translation>Spelers “%1” en “%2” wisselen</translation>
    </message>
    <message>
        <source>Move Player &apos;%1&apos;</source>
        <translation>Speler “%1” verplaatsen</translation>
    </message>
</context>
<context>
    <name>apptexts</name>
    <message>
        <source>Loading Player Data...</source>
        <translation>Spelersgegevens laden...</translation>
    </message>
    <message>
        <source>Loading Team Data...</source>
        <translation>Teamgegevens laden...</translation>
    </message>
    <message>
        <source>Loading League Data...</source>
        <translation>Competitiegegevens laden...</translation>
    </message>
    <message>
        <source>Reading Player Data...</source>
        <translation>Spelersgegevens inlezen...</translation>
    </message>
    <message>
        <source>Reading Team Data...</source>
        <translation>Teamgegevens inlezen...</translation>
    </message>
    <message>
        <source>Reading League Data...</source>
        <translation>Competitiegegevens inlezen...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Cannot read player data.</source>
        <translation>De spelersgegevens kunnen niet worden gelezen.</translation>
    </message>
    <message>
        <source>Cannot read team data.</source>
        <translation>De teamgegevens kunnen niet worden gelezen.</translation>
    </message>
    <message>
        <source>Cannot read league data.</source>
        <translation>De competitiegegevens kunnen niet worden gelezen.</translation>
    </message>
    <message>
        <source>%1 The Golvar database in %2 cannot be read:
%3</source>
        <translation>%1 De Golvar-database in %2 kan niet worden gelezen:
%3</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Back-up terugzetten</translation>
    </message>
    <message>
        <source>Choose Another Folder</source>
        <translation>Andere map kiezen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>You have made modifications to the data of %1. Do you want to save them there before Obrix opens %2?</source>
        <translation>U hebt de gegevens van %1 gewijzigd. Wilt u ze daar opslaan voordat Obrix %2 opent?</translation>
    </message>
    <message>
        <source>The Golvar database in %1 cannot be read: %2
Obrix goes on with the database of %3.</source>
        <translation>De Golvar-database in %1 kan niet worden gelezen: %2
Obrix gaat verder met de database van %3.</translation>
    </message>
    <message>
        <source>You have made modifications to the data. Do you want to save the changes before exiting Obrix?</source>
        <translation>U hebt de gegevens gewijzigd. Wilt u de wijzigingen opslaan voordat u Obrix afsluit?</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Opnieuw laden</translation>
    </message>
    <message>
        <source>Save Over Them</source>
        <translation>Eroverheen opslaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Every change you made since the data was last read or saved will be lost. Reload the game&apos;s files?</source>
        <translation>Alle wijzigingen sinds de gegevens voor het laatst zijn gelezen of opgeslagen gaan verloren. De bestanden van het spel opnieuw laden?</translation>
    </message>
    <message>
        <source>%1: the game folder is in use by another program. Nothing was saved; please save again once it has finished.</source>
        <translation>%1: de spelmap wordt door een ander programma gebruikt. Er is niets opgeslagen; sla opnieuw op zodra het klaar is.</translation>
    </message>
    <message>
        <source>“Restore Backup” puts back the game&apos;s files as they were backed up on %1. “Choose Another Folder” opens a different Golvar folder.</source>
        <translation>“Back-up terugzetten” zet de bestanden van het spel terug zoals ze op %1 zijn geback-upt. “Andere map kiezen” opent een andere Golvar-map.</translation>
    </message>
    <message>
        <source>There is no usable backup of this folder to restore. “Choose Another Folder” opens a different Golvar folder.</source>
        <translation>Er is geen bruikbare back-up van deze map om terug te zetten. “Andere map kiezen” opent een andere Golvar-map.</translation>
    </message>
    <message>
        <source>The game&apos;s files were changed by another program since Obrix read them (%1).

“Reload” reads them again and drops your changes. “Save Over Them” replaces what the other program saved with the data shown here.</source>
        <translation>De bestanden van het spel zijn door een ander programma gewijzigd sinds Obrix ze las (%1).

“Opnieuw laden” leest ze opnieuw in en verwerpt uw wijzigingen. “Eroverheen opslaan” vervangt wat het andere programma heeft opgeslagen door de gegevens die hier worden getoond.</translation>
    </message>
    <message>
        <source>%1 The Golvar database in %2 cannot be read again:
%3

Obrix keeps the data it shows, your changes included.</source>
        <translation>%1 De Golvar-database in %2 kan niet opnieuw worden gelezen:
%3

Obrix behoudt de gegevens die het toont, inclusief uw wijzigingen.</translation>
    </message>
    <message>
        <source>Keep Current Data goes on with the data shown, which Save Data can write back over the game&apos;s files. Restore Backup puts back the game&apos;s files as they were backed up on %1. Choose Another Folder opens a different Golvar folder.</source>
        <translation>Huidige gegevens behouden gaat verder met de getoonde gegevens, die Gegevens opslaan weer over de bestanden van het spel kan schrijven. Back-up terugzetten zet de bestanden van het spel terug zoals ze op %1 zijn geback-upt. Andere map kiezen opent een andere Golvar-map.</translation>
    </message>
    <message>
        <source>Keep Current Data goes on with the data shown, which Save Data can write back over the game&apos;s files. There is no usable backup of this folder to restore. Choose Another Folder opens a different Golvar folder.</source>
        <translation>Huidige gegevens behouden gaat verder met de getoonde gegevens, die Gegevens opslaan weer over de bestanden van het spel kan schrijven. Er is geen bruikbare back-up van deze map om terug te zetten. Andere map kiezen opent een andere Golvar-map.</translation>
    </message>
    <message>
        <source>Keep Current Data</source>
        <translation>Huidige gegevens behouden</translation>
    </message>
    <message>
        <source>The Golvar folder %1 has no names in the language chosen in Preferences (%2 is missing). Obrix shows the English names for this run; Preferences offers the languages this folder has.</source>
        <translation>De Golvar-map %1 bevat geen namen in de taal die in Voorkeuren is gekozen (%2 ontbreekt). Obrix toont deze keer de Engelse namen; Voorkeuren biedt de talen aan die deze map bevat.</translation>
    </message>
</context>
<context>
    <name>backuptexts</name>
    <message>
        <source>Restoring original Golvar data file will overwrite all changes made. Do you wish to continue?</source>
        <translation>Door de oorspronkelijke gegevensbestanden van Golvar terug te zetten, worden alle aangebrachte wijzigingen overschreven. Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>There is no backup of this Golvar folder to restore.</source>
        <translation>Er is geen back-up van deze Golvar-map om terug te zetten.</translation>
    </message>
    <message>
        <source>Restored %1 from the backup of %2.</source>
        <translation>%1 teruggezet vanuit de back-up van %2.</translation>
    </message>
    <message>
        <source>Nothing was restored: %1</source>
        <translation>Er is niets teruggezet: %1</translation>
    </message>
    <message>
        <source>the backup in %1 is damaged (%2).</source>
        <translation>de back-up in %1 is beschadigd (%2).</translation>
    </message>
    <message>
        <source>the backup does not load as a game database (%1).</source>
        <translation>de back-up kan niet als database van het spel worden geladen (%1).</translation>
    </message>
    <message>
        <source>The backup of %1 could not be made: %2</source>
        <translation>De back-up van %1 kon niet worden gemaakt: %2</translation>
    </message>
    <message>
        <source>the game&apos;s files do not load as a game database (%1), and a backup of them would be of no use; the earlier backup, if any, is kept</source>
        <translation>de bestanden van het spel kunnen niet als database van het spel worden geladen (%1), en een back-up ervan zou nutteloos zijn; de eerdere back-up, als die er is, blijft bewaard</translation>
    </message>
    <message>
        <source>The original Golvar data files could not be backed up to
%1

Without a backup, “Restore” cannot undo the changes you save now.
Do you wish to save without a backup?</source>
        <translation>Er kon geen back-up van de oorspronkelijke gegevensbestanden van Golvar worden gemaakt in
%1

Zonder back-up kan “Terugzetten” de wijzigingen die u nu opslaat niet ongedaan maken.
Wilt u opslaan zonder back-up?</translation>
    </message>
    <message>
        <source>The original Golvar data files could not be backed up to
%1

%2

Without a backup, “Restore” cannot undo the changes you save now.
Do you wish to save without a backup?</source>
        <translation>Er kon geen back-up van de oorspronkelijke gegevensbestanden van Golvar worden gemaakt in
%1

%2

Zonder back-up kan “Terugzetten” de wijzigingen die u nu opslaat niet ongedaan maken.
Wilt u opslaan zonder back-up?</translation>
    </message>
    <message>
        <source>%1 The new backup was taken back: %2 holds the backup it held before, if any.</source>
        <translation>%1 De nieuwe back-up is teruggenomen: %2 bevat de back-up die er eerder was, als die er was.</translation>
    </message>
    <message>
        <source>the backup in %1 was taken from another Golvar folder (%2), not from this one (%3).</source>
        <translation>de back-up in %1 is gemaakt van een andere Golvar-map (%2), niet van deze (%3).</translation>
    </message>
</context>
<context>
    <name>bulktexts</name>
    <message>
        <source>&quot;%s&quot; is not a whole number</source>
        <translation>“%s” is geen geheel getal</translation>
    </message>
    <message>
        <source>%lld is outside %lld..%lld, what this field can hold</source>
        <translation>%lld ligt buiten %lld..%lld, het bereik van dit veld</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>de tekst is geen geldige UTF-8</translation>
    </message>
    <message>
        <source>&quot;%s&quot; holds a character the game&apos;s encoding cannot store</source>
        <translation>“%s” bevat een teken dat de codering van het spel niet kan opslaan</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is %d bytes in the game&apos;s encoding; at most %lld fit</source>
        <translation>“%s” is %d bytes in de codering van het spel; er passen er hoogstens %lld in</translation>
    </message>
    <message>
        <source>the list has %d entries; at most %lld fit</source>
        <translation>de lijst heeft %d items; er passen er hoogstens %lld in</translation>
    </message>
    <message>
        <source>the list names %s %lld, which does not exist</source>
        <translation>%s %lld uit de lijst bestaat niet</translation>
    </message>
    <message>
        <source>the list names %lld twice</source>
        <translation>de lijst noemt %lld twee keer</translation>
    </message>
    <message>
        <source>%s follows from other data and cannot be changed (it is %s)</source>
        <translation>%s volgt uit andere gegevens en kan niet worden gewijzigd (de waarde is %s)</translation>
    </message>
    <message>
        <source>%s is the editor&apos;s own bookkeeping and cannot be changed (it is %s)</source>
        <translation>%s is de eigen administratie van de editor en kan niet worden gewijzigd (de waarde is %s)</translation>
    </message>
    <message>
        <source>there is no %s with id %lld; an import changes records, it does not add them</source>
        <translation>er is geen %s met id %lld; een import wijzigt records, maar voegt er geen toe</translation>
    </message>
    <message>
        <source>more than one league has id %lld; change those leagues in the editor</source>
        <translation>meer dan één competitie heeft id %lld; wijzig die competities in de editor</translation>
    </message>
    <message>
        <source>id %lld is on line %d already</source>
        <translation>id %lld staat al op regel %d</translation>
    </message>
    <message>
        <source>the row has %d fields; the header has %d</source>
        <translation>de rij heeft %d velden; de kopregel heeft er %d</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a field of players, teams or leagues</source>
        <translation>“%s” is geen veld van spelers, teams of competities</translation>
    </message>
    <message>
        <source>the column &quot;%s&quot; appears twice</source>
        <translation>de kolom “%s” komt twee keer voor</translation>
    </message>
    <message>
        <source>there is no id column</source>
        <translation>er is geen id-kolom</translation>
    </message>
    <message>
        <source>the columns do not all belong to one of players, teams or leagues</source>
        <translation>de kolommen horen niet allemaal bij één tabel: spelers, teams of competities</translation>
    </message>
    <message>
        <source>the columns fit more than one table; add a column that only one of them has</source>
        <translation>de kolommen passen bij meer dan één tabel; voeg een kolom toe die maar één ervan heeft</translation>
    </message>
    <message>
        <source>the file has no header row</source>
        <translation>het bestand heeft geen kopregel</translation>
    </message>
    <message>
        <source>... and %d more problems</source>
        <translation>... en nog %d problemen</translation>
    </message>
    <message>
        <source>League &quot;%s&quot; lists team %s (%u) more than once.</source>
        <translation>Competitie “%s” noemt team %s (%u) meer dan eens.</translation>
    </message>
    <message>
        <source>League &quot;%s&quot; has a slot naming team %u, which does not exist.</source>
        <translation>Competitie “%s” heeft een plaats voor team %u, dat niet bestaat.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists %d players; a team needs at least 11.</source>
        <translation>Team “%s” heeft %d spelers; een team heeft er minstens 11 nodig.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists player %s (%u) more than once.</source>
        <translation>Team “%s” noemt speler %s (%u) meer dan eens.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists player %u, which does not exist.</source>
        <translation>Team “%s” noemt speler %u, die niet bestaat.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot;: %s and %s both wear number %d.</source>
        <translation>Team “%s”: %s en %s dragen allebei nummer %d.</translation>
    </message>
    <message>
        <source>The %s %u has an empty %s.</source>
        <translation>Bij %s %u is het veld %s leeg.</translation>
    </message>
    <message>
        <source>The %s %s (%u) has %s = %lld; the game uses %lld..%lld.</source>
        <translation>Bij %s %s (%u) is %s = %lld; het spel gebruikt %lld..%lld.</translation>
    </message>
    <message>
        <source>Player %s (%u) was listed by a team of the game when the files were read and is listed by none after the save.</source>
        <translation>Speler %s (%u) stond bij een team van het spel toen de bestanden werden gelezen en staat na het opslaan bij geen enkel team.</translation>
    </message>
    <message>
        <source>Player %s (%u) is listed by two clubs after the save, %s and %s.</source>
        <translation>Speler %s (%u) staat na het opslaan bij twee clubs, %s en %s.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists %s (%u), whose %s is %lld; the game&apos;s files hold %lld at most, so he cannot be moved or copied onto a team of the game until it is %lld or less.</source>
        <translation>Team &quot;%s&quot; bevat %s (%u), wiens %s %lld is; de bestanden van het spel bevatten hoogstens %lld, dus hij kan pas naar een team van het spel worden verplaatst of gekopieerd als het %lld of lager is.</translation>
    </message>
</context>
<context>
    <name>bulkviewtexts</name>
    <message>
        <source>Export Table</source>
        <translation>Tabel exporteren</translation>
    </message>
    <message>
        <source>Table:</source>
        <translation>Tabel:</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spelers</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Teams</translation>
    </message>
    <message>
        <source>Leagues</source>
        <translation>Competities</translation>
    </message>
    <message>
        <source>Spreadsheet Files (*.csv)|*.csv|All Files (*.*)|*.*|</source>
        <translation>Spreadsheetbestanden (*.csv)|*.csv|Alle bestanden (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Import Table</source>
        <translation>Tabel importeren</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>Het bestand %1 kon niet worden gelezen.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows written to %1</source>
        <translation>
            <numerusform>%n rij geschreven naar %1</numerusform>
            <numerusform>%n rijen geschreven naar %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The file was refused; nothing was changed.

%1</source>
        <translation>Het bestand is geweigerd; er is niets gewijzigd.

%1</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more problems</source>
        <translation>
            <numerusform>... en nog %n probleem</numerusform>
            <numerusform>... en nog %n problemen</numerusform>
        </translation>
    </message>
    <message>
        <source>The file changes nothing: every cell already holds its value.</source>
        <translation>Het bestand wijzigt niets: elke cel heeft die waarde al.</translation>
    </message>
    <message>
        <source>Import Table: Preview</source>
        <translation>Tabel importeren: voorbeeld</translation>
    </message>
    <message numerus="yes">
        <source>%n changes</source>
        <translation>
            <numerusform>%n wijziging</numerusform>
            <numerusform>%n wijzigingen</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes by field</source>
        <translation>Wijzigingen per veld</translation>
    </message>
    <message>
        <source>Check Database</source>
        <translation>Database controleren</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Opnieuw controleren</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n fout</numerusform>
            <numerusform>%n fouten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n waarschuwing</numerusform>
            <numerusform>%n waarschuwingen</numerusform>
        </translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Geen problemen gevonden.</translation>
    </message>
    <message>
        <source>%1 now has an odd number (%2) of team slots: add or remove a team before saving.</source>
        <translation>%1 heeft nu een oneven aantal (%2) teamplaatsen: voeg een team toe of verwijder er een voordat u opslaat.</translation>
    </message>
    <message numerus="yes">
        <source>The edits leave %n things the game may not like, listed in Check Database (the game&apos;s files can hold them). Save anyway?</source>
        <translation>
            <numerusform>Na de bewerkingen blijft %n punt over dat in het spel problemen kan geven; het staat in “Database controleren” (de bestanden van het spel kunnen het wel bevatten). Toch opslaan?</numerusform>
            <numerusform>Na de bewerkingen blijven %n punten over die in het spel problemen kunnen geven; ze staan in “Database controleren” (de bestanden van het spel kunnen ze wel bevatten). Toch opslaan?</numerusform>
        </translation>
    </message>
    <message>
        <source>The database has errors that the save or the game would stumble on; nothing was saved. They are listed in Check Database: double-click one to go to its record.</source>
        <translation>De database bevat fouten waarop het opslaan of het spel zou vastlopen; er is niets opgeslagen. Ze staan in “Database controleren”: dubbelklik op een fout om naar het bijbehorende record te gaan.</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Wijzigingen</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Niet-opgeslagen wijzigingen</translation>
    </message>
    <message>
        <source>Since the backup</source>
        <translation>Sinds de back-up</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Terugdraaien</translation>
    </message>
    <message>
        <source>Revert Record</source>
        <translation>Record terugdraaien</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message numerus="yes">
        <source>%n differences</source>
        <translation>
            <numerusform>%n verschil</numerusform>
            <numerusform>%n verschillen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records</source>
        <translation>
            <numerusform>%n record</numerusform>
            <numerusform>%n records</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no backup of this game folder yet.</source>
        <translation>Er is nog geen back-up van deze spelmap.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Veld</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Oud</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Ernst</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>error</source>
        <translation>fout</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>waarschuwing</translation>
    </message>
    <message>
        <source>only in the files</source>
        <translation>alleen in de bestanden</translation>
    </message>
    <message>
        <source>database</source>
        <translation>database</translation>
    </message>
    <message>
        <source>only in the editor</source>
        <translation>alleen in de editor</translation>
    </message>
    <message>
        <source>leagues</source>
        <translation>competities</translation>
    </message>
    <message>
        <source>teams</source>
        <translation>teams</translation>
    </message>
    <message>
        <source>players</source>
        <translation>spelers</translation>
    </message>
    <message>
        <source>%1 in %2 of the %3 table. “OK” applies them all as one step.</source>
        <translation>%1 in %2 van de tabel %3. “OK” past ze allemaal in één stap toe.</translation>
    </message>
    <message>
        <source>The table could not be written: %1</source>
        <translation>De tabel kon niet worden geschreven: %1</translation>
    </message>
</context>
<context>
    <name>commands</name>
    <message>
        <source>Export &amp;Table...</source>
        <translation>&amp;Tabel exporteren...</translation>
    </message>
    <message>
        <source>Import T&amp;able...</source>
        <translation>Ta&amp;bel importeren...</translation>
    </message>
    <message>
        <source>C&amp;heck Database...</source>
        <translation>Database &amp;controleren...</translation>
    </message>
    <message>
        <source>Write players, teams or leagues to a spreadsheet file
Export Table</source>
        <translation>Spelers, teams of competities naar een spreadsheetbestand schrijven
Tabel exporteren</translation>
    </message>
    <message>
        <source>Apply a spreadsheet file&apos;s changes, after a preview
Import Table</source>
        <translation>De wijzigingen uit een spreadsheetbestand toepassen, na een voorbeeld
Tabel importeren</translation>
    </message>
    <message>
        <source>List what the game or the save would stumble on
Check Database</source>
        <translation>Tonen waarop het spel of het opslaan zou vastlopen
Database controleren</translation>
    </message>
    <message>
        <source>List what differs from the files as loaded or from the backup
Changes</source>
        <translation>Tonen wat verschilt van de bestanden zoals geladen of van de back-up
Wijzigingen</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importeren...</translation>
    </message>
    <message>
        <source>Import &amp;GLV Files...</source>
        <translation>&amp;GLV-bestanden importeren...</translation>
    </message>
    <message>
        <source>Ex&amp;port...</source>
        <translation>E&amp;xporteren...</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>Te&amp;rugzetten</translation>
    </message>
    <message>
        <source>&amp;Make Jersey Thumbnails</source>
        <translation>Shirt&amp;miniaturen maken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Kn&amp;ippen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>P&amp;lakken</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Clo&amp;ne</source>
        <translation>Klon&amp;en</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Zoeken</translation>
    </message>
    <message>
        <source>Find &amp;Again</source>
        <translation>Volgen&amp;de zoeken</translation>
    </message>
    <message>
        <source>&amp;Global Modifications...</source>
        <translation>&amp;Globale wijzigingen...</translation>
    </message>
    <message>
        <source>&amp;New League</source>
        <translation>&amp;Nieuwe competitie</translation>
    </message>
    <message>
        <source>&amp;League Name...</source>
        <translation>Co&amp;mpetitienaam...</translation>
    </message>
    <message>
        <source>Swap Tea&amp;ms</source>
        <translation>&amp;Teams wisselen</translation>
    </message>
    <message>
        <source>S&amp;wap Players</source>
        <translation>&amp;Spelers wisselen</translation>
    </message>
    <message>
        <source>Appl&amp;y Remembered Team</source>
        <translation>Onthouden team toep&amp;assen</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkbalk</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>St&amp;atusbalk</translation>
    </message>
    <message>
        <source>T&amp;ransfer Page</source>
        <translation>&amp;Transferpagina</translation>
    </message>
    <message>
        <source>&amp;Next Pane</source>
        <translation>&amp;Volgend deelvenster</translation>
    </message>
    <message>
        <source>Pre&amp;vious Pane</source>
        <translation>V&amp;orig deelvenster</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Help-onderwerpen...</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Toetsenbord</translation>
    </message>
    <message>
        <source>&amp;About Obrix...</source>
        <translation>&amp;Over Obrix...</translation>
    </message>
    <message>
        <source>Save changes to Golvar data files permanently\Save</source>
        <translation>Wijzigingen definitief opslaan in de gegevensbestanden van Golvar\Opslaan</translation>
    </message>
    <message>
        <source>Import from DB files
Import</source>
        <translation>Importeren uit DB-bestanden
Importeren</translation>
    </message>
    <message>
        <source>Export to DB files
Export</source>
        <translation>Exporteren naar DB-bestanden
Exporteren</translation>
    </message>
    <message>
        <source>Transfer Teams and Players\Transfer</source>
        <translation>Teams en spelers verplaatsen\Transfer</translation>
    </message>
    <message>
        <source>Generate thumbnail images of jersey files
Make Jersey Thumbnails</source>
        <translation>Miniatuurafbeeldingen van de shirtbestanden maken
Shirtminiaturen maken</translation>
    </message>
    <message>
        <source>Find a player or a team\Find</source>
        <translation>Een speler of team zoeken\Zoeken</translation>
    </message>
    <message>
        <source>Repeat Last Find</source>
        <translation>Laatste zoekopdracht herhalen</translation>
    </message>
    <message>
        <source>Change league names</source>
        <translation>Competitienamen wijzigen</translation>
    </message>
    <message>
        <source>Change Player Attributes Globally</source>
        <translation>Vaardigheden van spelers globaal wijzigen</translation>
    </message>
    <message>
        <source>Import GLV Files...</source>
        <translation>GLV-bestanden importeren...</translation>
    </message>
    <message>
        <source>Write the selected league as DB files that other users can import
Export League</source>
        <translation>De geselecteerde competitie wegschrijven als DB-bestanden die andere gebruikers kunnen importeren
Competitie exporteren</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Swap the two teams selected on the Transfer page between their leagues
Swap Teams</source>
        <translation>De twee teams die op de transferpagina zijn geselecteerd tussen hun competities wisselen
Teams wisselen</translation>
    </message>
    <message>
        <source>Swap the two players selected on the Transfer page between their teams
Swap Players</source>
        <translation>De twee spelers die op de transferpagina zijn geselecteerd tussen hun teams wisselen
Spelers wisselen</translation>
    </message>
    <message>
        <source>Put back the game&apos;s files as they were backed up
Restore</source>
        <translation>De bestanden van het spel terugzetten zoals ze in de back-up staan
Terugzetten</translation>
    </message>
    <message>
        <source>Quit Obrix; unsaved changes are asked about first
Exit</source>
        <translation>Obrix afsluiten; eerst wordt gevraagd wat er met niet-opgeslagen wijzigingen moet gebeuren
Afsluiten</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>De laatste wijziging ongedaan maken
Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>De laatst ongedaan gemaakte wijziging opnieuw uitvoeren
Opnieuw</translation>
    </message>
    <message>
        <source>Add a new, empty league
New League</source>
        <translation>Een nieuwe, lege competitie toevoegen
Nieuwe competitie</translation>
    </message>
    <message>
        <source>Remember the selected team&apos;s kit and names
Remember Team</source>
        <translation>Het tenue en de namen van het geselecteerde team onthouden
Team onthouden</translation>
    </message>
    <message>
        <source>Move to the next pane: tree, data sheet, roster
Next Pane</source>
        <translation>Naar het volgende deelvenster gaan: boom, gegevensblad, spelerslijst
Volgend deelvenster</translation>
    </message>
    <message>
        <source>Move to the previous pane
Previous Pane</source>
        <translation>Naar het vorige deelvenster gaan
Vorig deelvenster</translation>
    </message>
    <message>
        <source>List every key of the editor
Keyboard</source>
        <translation>Alle toetsen van de editor tonen
Toetsenbord</translation>
    </message>
    <message>
        <source>Not available yet
Clone</source>
        <translation>Nog niet beschikbaar
Klonen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>O&amp;pnieuw</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Geschiedenis</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>%1 &amp;ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>%1 o&amp;pnieuw uitvoeren</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>De werkbalk tonen of verbergen</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>De statusbalk tonen of verbergen</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programma-informatie, versienummer en copyright weergeven
Over</translation>
    </message>
    <message>
        <source>&amp;Changes</source>
        <translation>W&amp;ijzigingen</translation>
    </message>
    <message>
        <source>&amp;Save Data</source>
        <translation>Gegevens &amp;opslaan</translation>
    </message>
    <message>
        <source>Remem&amp;ber Team</source>
        <translation>Team ont&amp;houden</translation>
    </message>
    <message>
        <source>Pr&amp;eferences...</source>
        <translation>Voo&amp;rkeuren...</translation>
    </message>
    <message>
        <source>St&amp;ats Page</source>
        <translation>&amp;Statistiekenpagina</translation>
    </message>
    <message>
        <source>Copy the selected player or team to the clipboard
Copy</source>
        <translation>De geselecteerde speler of het geselecteerde team naar het klembord kopiëren
Kopiëren</translation>
    </message>
    <message>
        <source>Cut the selected player; “Paste” on a team moves him there
Cut</source>
        <translation>De geselecteerde speler knippen; “Plakken” op een team verplaatst hem daarheen
Knippen</translation>
    </message>
    <message>
        <source>Paste the copied player into a team, or the copied team into a league
Paste</source>
        <translation>De gekopieerde speler in een team plakken, of het gekopieerde team in een competitie
Plakken</translation>
    </message>
    <message>
        <source>Delete the selected player or team
Delete</source>
        <translation>De geselecteerde speler of het geselecteerde team verwijderen
Verwijderen</translation>
    </message>
    <message>
        <source>Give the selected team the kit and names kept with “Remember Team”
Apply Remembered Team</source>
        <translation>Het geselecteerde team het tenue en de namen geven die met “Team onthouden” zijn bewaard
Onthouden team toepassen</translation>
    </message>
</context>
<context>
    <name>committexts</name>
    <message>
        <source>An interrupted %1 was completed: %2 now hold the new contents.</source>
        <translation>Een onderbroken bewerking (%1) is voltooid: %2 bevatten nu de nieuwe inhoud.</translation>
    </message>
    <message>
        <source>An interrupted %1 was undone: the files are as before it.</source>
        <translation>Een onderbroken bewerking (%1) is ongedaan gemaakt: de bestanden zijn zoals ervoor.</translation>
    </message>
    <message>
        <source>it is not a regular file (a link, pipe, device or folder is in its place)</source>
        <translation>het is geen gewoon bestand (er staat een koppeling, pipe, apparaat of map op zijn plaats)</translation>
    </message>
    <message>
        <source>%1: the new copy read back from the disk differs from what was written (%2 bytes read, %3 written).</source>
        <translation>%1: de nieuwe kopie die van de schijf is teruggelezen, verschilt van wat er is geschreven (%2 bytes gelezen, %3 geschreven).</translation>
    </message>
    <message>
        <source>The %1 failed and the old files could not all be put back, so the set is mixed: %2. The old contents are kept beside them (%3); the editor finishes the set at the next load of this folder.</source>
        <translation>De bewerking (%1) is mislukt en de oude bestanden konden niet allemaal worden teruggezet, dus nu staan er oude en nieuwe bestanden door elkaar: %2. De oude inhoud wordt ernaast bewaard (%3); de editor maakt de bestanden af wanneer deze map de volgende keer wordt geladen.</translation>
    </message>
    <message>
        <source>An interrupted %1 in %2 could not be finished: %3. The old contents are kept beside the files (names ending &quot;.obrix-old...&quot;) and the record in %4.</source>
        <translation>Een onderbroken bewerking (%1) in %2 kon niet worden voltooid: %3. De oude inhoud wordt naast de bestanden bewaard (namen die eindigen op “.obrix-old...”) en het verslag in %4.</translation>
    </message>
    <message>
        <source>it is larger than any file of its kind can be</source>
        <translation>het is groter dan een bestand van deze soort kan zijn</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a link, pipe, device or folder is in its place), so no interrupted save there can be finished or undone and no new one can be made. Remove it and try again.</source>
        <translation>%1 is geen gewoon bestand (er staat een koppeling, pipe, apparaat of map op zijn plaats), dus een onderbroken opslag daar kan niet worden voltooid of ongedaan gemaakt en er kan geen nieuwe worden gemaakt. Verwijder het en probeer het opnieuw.</translation>
    </message>
</context>
<context>
    <name>comparisontexts</name>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Vergelijken</translation>
    </message>
    <message>
        <source>Differences:</source>
        <translation>Verschillen:</translation>
    </message>
    <message>
        <source>Can only compare teams.</source>
        <translation>Alleen teams kunnen worden vergeleken.</translation>
    </message>
</context>
<context>
    <name>editingtexts</name>
    <message>
        <source>Too many players (26) in this team already!</source>
        <translation>Dit team heeft al het maximum van 26 spelers.</translation>
    </message>
    <message>
        <source>Cannot edit European Competition Fixtures.</source>
        <translation>Het programma van de Europese competities kan niet worden bewerkt.</translation>
    </message>
    <message>
        <source>Can only copy a player to clipboard!</source>
        <translation>Alleen een speler kan naar het klembord worden gekopieerd.</translation>
    </message>
    <message>
        <source>Can only paste player to a team!</source>
        <translation>Een speler kan alleen in een team worden geplakt.</translation>
    </message>
    <message>
        <source>New League</source>
        <translation>Nieuwe competitie</translation>
    </message>
    <message>
        <source>League Name</source>
        <translation>Competitienaam</translation>
    </message>
    <message>
        <source>Imported League Name</source>
        <translation>Naam van de geïmporteerde competitie</translation>
    </message>
    <message>
        <source>League Name:</source>
        <translation>Competitienaam:</translation>
    </message>
    <message>
        <source>%s of %s %s -&gt; %s</source>
        <translation>%s van %s %s -&gt; %s</translation>
    </message>
    <message>
        <source>%s %s -&gt; %s</source>
        <translation>%s %s -&gt; %s</translation>
    </message>
    <message>
        <source>Cannot find &apos;%1&apos;</source>
        <translation>Kan “%1” niet vinden</translation>
    </message>
    <message>
        <source>%1 has been duplicated to %2</source>
        <translation>%1 is gedupliceerd naar %2</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 gekopieerd</translation>
    </message>
</context>
<context>
    <name>exchangetexts</name>
    <message>
        <source>Import from DB files</source>
        <translation>Importeren uit DB-bestanden</translation>
    </message>
    <message>
        <source>Select directory to import DB files from:</source>
        <translation>Kies de map waaruit u DB-bestanden wilt importeren:</translation>
    </message>
    <message>
        <source>Importing League...</source>
        <translation>Competitie importeren...</translation>
    </message>
    <message>
        <source>Importing Player %d/%d %s...</source>
        <translation>Speler %d/%d %s importeren...</translation>
    </message>
    <message>
        <source>Importing Xfer %d/%d ...</source>
        <extracomment>Xfer: one of the exchange files&apos; transfer records.</extracomment>
        <translation>Transfer %d/%d importeren...</translation>
    </message>
    <message>
        <source>Importing Team %d/%d %s...</source>
        <translation>Team %d/%d %s importeren...</translation>
    </message>
    <message>
        <source>Error reading CUSPLYR.DB.</source>
        <translation>Fout bij het lezen van CUSPLYR.DB.</translation>
    </message>
    <message>
        <source>Error reading CUSTOM.DB.</source>
        <translation>Fout bij het lezen van CUSTOM.DB.</translation>
    </message>
    <message>
        <source>Error allocating memory for output buffer.</source>
        <translation>Fout bij het reserveren van geheugen voor de uitvoerbuffer.</translation>
    </message>
    <message>
        <source>Error Importing data.</source>
        <translation>Fout bij het importeren van de gegevens.</translation>
    </message>
    <message>
        <source>%s: %s.</source>
        <translation>%s: %s.</translation>
    </message>
    <message>
        <source>%s announces %u bytes when unpacked; no exchange file holds more than %u, so it is not read.</source>
        <translation>%s meldt %u bytes na het uitpakken; geen uitwisselingsbestand bevat meer dan %u, dus het wordt niet gelezen.</translation>
    </message>
    <message>
        <source>File CUSTOM.DB appears to be corrupted. Import failed!</source>
        <translation>Het bestand CUSTOM.DB lijkt beschadigd. Importeren mislukt.</translation>
    </message>
    <message>
        <source>Importing GLV file...</source>
        <translation>GLV-bestand importeren...</translation>
    </message>
    <message>
        <source>Cannot open GLV file</source>
        <translation>Kan het GLV-bestand niet openen</translation>
    </message>
    <message>
        <source>File is not a GLV file</source>
        <translation>Het bestand is geen GLV-bestand</translation>
    </message>
    <message>
        <source>The database has no league at position %d for the teams of a GLV file to be based on. Import failed!</source>
        <translation>De database heeft geen competitie op positie %d waarop de teams van een GLV-bestand kunnen worden gebaseerd. Importeren mislukt.</translation>
    </message>
    <message>
        <source>Team %d of the GLV file has no team to be based on in the league at position %d. Import failed!</source>
        <translation>Voor team %d van het GLV-bestand is er in de competitie op positie %d geen team om op te baseren. Importeren mislukt.</translation>
    </message>
    <message>
        <source>GLV Files (*.GLV)|*.GLV|All Files (*.*)|*.*|</source>
        <translation>GLV-bestanden (*.GLV)|*.GLV|Alle bestanden (*.*)|*.*|</translation>
    </message>
    <message>
        <source>The GLV file holds %d teams, but the league its teams are based on has only %d.</source>
        <translation>Het GLV-bestand bevat %d teams, maar de competitie waarop de teams zijn gebaseerd heeft er maar %d.</translation>
    </message>
    <message>
        <source>The GLV file gives a negative number of teams (%d).</source>
        <translation>Het GLV-bestand geeft een negatief aantal teams op (%d).</translation>
    </message>
    <message>
        <source>Team %d of the GLV file holds %d players; a team has at most %d.</source>
        <translation>Team %d van het GLV-bestand bevat %d spelers; een team heeft er hoogstens %d.</translation>
    </message>
    <message>
        <source>The GLV file ends before its list of teams.</source>
        <translation>Het GLV-bestand eindigt vóór de lijst met teams.</translation>
    </message>
    <message>
        <source>The GLV file ends in the middle of team %d.</source>
        <translation>Het GLV-bestand eindigt midden in team %d.</translation>
    </message>
    <message>
        <source>Packing %s...</source>
        <translation>%s inpakken...</translation>
    </message>
    <message>
        <source>There is no league at position %d.</source>
        <translation>Er is geen competitie op positie %d.</translation>
    </message>
    <message>
        <source>Cannot create the folder %s.</source>
        <translation>Kan de map %s niet aanmaken.</translation>
    </message>
    <message>
        <source>Cannot create a temporary folder %s.</source>
        <translation>Kan de tijdelijke map %s niet aanmaken.</translation>
    </message>
    <message>
        <source>Cannot write the temporary file %s.</source>
        <translation>Kan het tijdelijke bestand %s niet schrijven.</translation>
    </message>
    <message>
        <source>Removed %s, the temporary folder of an export that was cut off.</source>
        <translation>%s verwijderd, de tijdelijke map van een afgebroken export.</translation>
    </message>
    <message>
        <source>Packing %s failed.</source>
        <translation>Inpakken van %s is mislukt.</translation>
    </message>
    <message>
        <source>Packing %s left no packed file.</source>
        <translation>Inpakken van %s heeft geen ingepakt bestand opgeleverd.</translation>
    </message>
    <message>
        <source>Cannot write %s.</source>
        <translation>Kan %s niet schrijven.</translation>
    </message>
    <message>
        <source>Exported %s, %s and %s to %s.</source>
        <translation>%s, %s en %s geëxporteerd naar %s.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>The packer program, which reads and writes the exchange files, could not be started: %s
(System error %d)</source>
        <translation>Het inpakprogramma, dat de uitwisselingsbestanden leest en schrijft, kon niet worden gestart: %s
(systeemfout %d)</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <translation>het systeem gaf geen reden op</translation>
    </message>
    <message>
        <source>The file is larger than any GLV file can be (%u bytes), so it is not read.</source>
        <translation>Het bestand is groter dan een GLV-bestand kan zijn (%u bytes), dus het wordt niet gelezen.</translation>
    </message>
</context>
<context>
    <name>foldtexts</name>
    <message>
        <source>&apos;%1&apos; takes the place of the game&apos;s &apos;%2&apos; of %3</source>
        <translation>&apos;%1&apos; neemt de plaats in van &apos;%2&apos; van het spel, van %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes the place of the game&apos;s &apos;%2&apos;, who is in no club</source>
        <translation>&apos;%1&apos; neemt de plaats in van &apos;%2&apos; van het spel, die bij geen club staat</translation>
    </message>
    <message>
        <source>An imported player has no record of his own in the game&apos;s files, so the save writes each one moved or copied onto a game team over a game player: the one whose id is the low 16 bits of his own (whichever club lists him), or a player of that team leaving for the imported player&apos;s team. That player&apos;s name and values are gone, and his club lists the newcomer as well as the team you chose:</source>
        <translation>Een geïmporteerde speler heeft geen eigen record in de bestanden van het spel, dus bij het opslaan wordt elke speler die naar een team van het spel is verplaatst of gekopieerd over een speler van het spel geschreven: degene wiens id de laagste 16 bits van de zijne is (bij welke club hij ook staat), of een speler van dat team die naar het team van de geïmporteerde speler gaat. Naam en waarden van die speler gaan verloren, en zijn club bevat de nieuwkomer net als het gekozen team:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... en nog %1.</translation>
    </message>
</context>
<context>
    <name>frametexts</name>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Saving Data...</source>
        <translation>Gegevens opslaan...</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n changed records to %1</source>
        <translation>
            <numerusform>%n gewijzigd record opgeslagen in %1</numerusform>
            <numerusform>%n gewijzigde records opgeslagen in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was saved</source>
        <translation>Er is niets opgeslagen</translation>
    </message>
    <message>
        <source>Cut %1: paste on a team to move him</source>
        <translation>%1 geknipt: plak op een team om hem te verplaatsen</translation>
    </message>
    <message>
        <source>Moved %1 to %2</source>
        <translation>%1 verplaatst naar %2</translation>
    </message>
    <message>
        <source>W A R N I N G !

This action will save changes you have made to Golvar data files PERMANENTLY. Some teams and players may be announced in their original names.

If you do not wish to make permanent changes to the files, it is suggested that you use the File/Export feature.

Do you wish to continue?</source>
        <extracomment>&quot;announced&quot;: the match commentator may say some teams&apos; and players&apos; original names, since the spoken names are recordings the editor cannot change.</extracomment>
        <translation>W A A R S C H U W I N G !

Met deze actie worden de wijzigingen die u hebt aangebracht DEFINITIEF opgeslagen in de gegevensbestanden van Golvar. Het kan zijn dat de commentator sommige teams en spelers bij hun oorspronkelijke naam noemt.

Als u de bestanden niet definitief wilt wijzigen, kunt u beter de functie Bestand/Exporteren gebruiken.

Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>Select directory to export the league&apos;s DB files to:</source>
        <translation>Kies de map waarnaar u de DB-bestanden van de competitie wilt exporteren:</translation>
    </message>
    <message>
        <source>Exporting League...</source>
        <translation>Competitie exporteren...</translation>
    </message>
    <message>
        <source>This directory already holds DB files. Do you want to replace them?</source>
        <translation>Deze map bevat al DB-bestanden. Wilt u ze vervangen?</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Toetsenbord</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>The window</source>
        <translation>Het venster</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Opdrachten</translation>
    </message>
    <message>
        <source>Saving and backup</source>
        <translation>Opslaan en back-up</translation>
    </message>
    <message>
        <source>Delete works on the pane that has the focus; in a text box it deletes text as usual. A deleted team or player comes back with Undo. Cut, then Paste on a team, moves the player there.</source>
        <translation>Verwijderen werkt op het deelvenster dat de focus heeft; in een tekstvak verwijdert het zoals gewoonlijk tekst. Een verwijderd team of een verwijderde speler komt terug met Ongedaan maken. Knippen en daarna Plakken op een team verplaatst de speler daarheen.</translation>
    </message>
</context>
<context>
    <name>gametexts</name>
    <message>
        <source>The save was refused and nothing was written: read back, %1 %2 would have %3 %4 in the files, where the editor holds %5.</source>
        <translation>Het opslaan is geweigerd en er is niets geschreven: bij het teruglezen zou %1 %2 in de bestanden %3 %4 hebben, terwijl de editor %5 bevat.</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: the files it built could not be read back (%1).</source>
        <translation>Het opslaan is geweigerd en er is niets geschreven: de gemaakte bestanden konden niet worden teruggelezen (%1).</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: it meant to write %1 players and %2 teams, and read back %3 and %4.</source>
        <translation>Het opslaan is geweigerd en er is niets geschreven: er zouden %1 spelers en %2 teams worden geschreven, maar er werden er %3 en %4 teruggelezen.</translation>
    </message>
    <message>
        <source>Error writing to Team Data File.</source>
        <translation>Fout bij het schrijven naar het teamgegevensbestand.</translation>
    </message>
    <message>
        <source>Error writing to Team Name File.</source>
        <translation>Fout bij het schrijven naar het teamnamenbestand.</translation>
    </message>
    <message>
        <source>Error writing to Player Data File.</source>
        <translation>Fout bij het schrijven naar het spelersgegevensbestand.</translation>
    </message>
    <message>
        <source>Error writing to Player Name File.</source>
        <translation>Fout bij het schrijven naar het spelersnamenbestand.</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: the data in the editor was not read whole from the game&apos;s files in %1, and saving it would replace them with less than they hold.</source>
        <translation>Het opslaan is geweigerd en er is niets geschreven: de gegevens in de editor zijn niet volledig uit de bestanden van het spel in %1 gelezen, en ze opslaan zou die vervangen door minder dan ze bevatten.</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: the data in the editor was read from %1, not from %2.</source>
        <translation>Het opslaan is geweigerd en er is niets geschreven: de gegevens in de editor zijn gelezen uit %1, niet uit %2.</translation>
    </message>
</context>
<context>
    <name>globalmodtexts</name>
    <message>
        <source>Global Modifications</source>
        <translation>Globale wijzigingen</translation>
    </message>
    <message>
        <source>Value to change:</source>
        <extracomment>The amount added to (or, when negative, taken from) each ticked skill.</extracomment>
        <translation>Te wijzigen waarde:</translation>
    </message>
    <message>
        <source>Type of Players</source>
        <translation>Soort spelers</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Vaardigheden</translation>
    </message>
    <message>
        <source>Defenders</source>
        <translation>Verdedigers</translation>
    </message>
    <message>
        <source>Midfielders</source>
        <translation>Middenvelders</translation>
    </message>
    <message>
        <source>Forwards</source>
        <translation>Aanvallers</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Acceleratie</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Behendigheid</translation>
    </message>
    <message>
        <source>Awareness</source>
        <translation>Spelinzicht</translation>
    </message>
    <message>
        <source>Ball Control</source>
        <translation>Balcontrole</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Creativiteit</translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation>Conditie</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Koppen</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Passen</translation>
    </message>
    <message>
        <source>Reaction</source>
        <translation>Reactie</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Snelheid</translation>
    </message>
    <message>
        <source>Tackle</source>
        <translation>Tackelen</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Voer een geheel getal tussen %1 en %2 in.</translation>
    </message>
    <message>
        <source>%1 %2 for %3</source>
        <translation>%1 %2 voor %3</translation>
    </message>
    <message>
        <source>All skills</source>
        <translation>Alle vaardigheden</translation>
    </message>
    <message>
        <source>No skill</source>
        <translation>Geen vaardigheid</translation>
    </message>
    <message>
        <source>player</source>
        <translation>speler</translation>
    </message>
    <message>
        <source>players</source>
        <translation>spelers</translation>
    </message>
    <message>
        <source>Goalkeepers</source>
        <translation>Keepers</translation>
    </message>
    <message>
        <source>Shot Power</source>
        <translation>Schotkracht</translation>
    </message>
    <message>
        <source>Shot Accuracy</source>
        <translation>Schotprecisie</translation>
    </message>
    <message>
        <source>Type an amount other than 0 to enable “OK”.</source>
        <translation>Typ een waarde anders dan 0 om “OK” in te schakelen.</translation>
    </message>
    <message>
        <source>Tick at least one type of players to enable “OK”.</source>
        <translation>Vink minstens één soort spelers aan om “OK” in te schakelen.</translation>
    </message>
</context>
<context>
    <name>keptleaguetexts</name>
    <message>
        <source>Remove the imported league %1 from Obrix? Its teams and its edits will be gone, and it will not come back at the next start.</source>
        <translation>De geïmporteerde competitie %1 uit Obrix weghalen? De teams en bewerkingen ervan verdwijnen, en de competitie komt bij de volgende start niet terug.</translation>
    </message>
    <message>
        <source>The imported leagues could not be kept in %1: %2</source>
        <translation>De geïmporteerde competities konden niet worden bewaard in %1: %2</translation>
    </message>
    <message>
        <source>The kept leagues in %1 could not be read: %2.
The file is left as it is; the leagues it holds are not in this run.</source>
        <translation>De bewaarde competities in %1 konden niet worden gelezen: %2.
Het bestand blijft zoals het is; de competities erin ontbreken in deze sessie.</translation>
    </message>
    <message>
        <source>The folder of the kept leagues, %1, could not be read: %2.
Nothing in it is changed; the leagues kept there are not in this run.</source>
        <translation>De map van de bewaarde competities, %1, kon niet worden gelezen: %2.
Er is niets in gewijzigd; de competities die daar zijn bewaard, ontbreken in deze sessie.</translation>
    </message>
    <message>
        <source>The kept league %1 (kept by an earlier version of Obrix in %2) could not be read again.
Its files are left as they are, where File/Import can try them again.</source>
        <translation>De bewaarde competitie %1 (bewaard door een eerdere versie van Obrix in %2) kon niet opnieuw worden gelezen.
De bestanden ervan blijven waar en zoals ze zijn, zodat Bestand/Importeren ze opnieuw kan proberen.</translation>
    </message>
    <message>
        <source>The imported leagues were kept in %1, because %2 was not read in this run and is left as it is.</source>
        <translation>De geïmporteerde competities zijn bewaard in %1, omdat %2 in deze sessie niet is gelezen en blijft zoals het is.</translation>
    </message>
    <message>
        <source>Imported leagues are kept by Obrix, not in the Golvar data files: they come back the next time Obrix starts. To bring their players into the game, move or copy them onto game teams (the Transfer page, Cut and Paste, or dragging them). The files have no record of their own for such a player: the save writes him over the game player whose id is the low 16 bits of his, often of another club, who is then gone; the save&apos;s question and the Changes view name each one first. Use File/Export to share the league.</source>
        <translation>Geïmporteerde competities worden door Obrix bewaard, niet in de gegevensbestanden van Golvar: ze komen terug wanneer Obrix de volgende keer start. Om hun spelers in het spel te krijgen, verplaatst of kopieert u ze naar teams van het spel (de pagina Transfer, Knippen en Plakken, of door ze te slepen). De bestanden hebben geen eigen record voor zo&apos;n speler: bij het opslaan wordt hij over de speler van het spel geschreven wiens id de laagste 16 bits van de zijne is, vaak van een andere club, die dan verloren is; de vraag bij het opslaan en de weergave Wijzigingen noemen elk vooraf. Gebruik Bestand/Exporteren om de competitie te delen.</translation>
    </message>
    <message>
        <source>Imported league: kept by Obrix, not in the Golvar data files.
To bring its players into the game, move or copy them onto game teams: the save writes each over the game player whose id is the low 16 bits of his (named first); export it with File/Export to share it.</source>
        <translation>Geïmporteerde competitie: bewaard door Obrix, niet in de gegevensbestanden van Golvar.
Om de spelers ervan in het spel te krijgen, verplaatst of kopieert u ze naar teams van het spel: bij het opslaan wordt elk over de speler van het spel geschreven wiens id de laagste 16 bits van de zijne is (vooraf genoemd); exporteer de competitie met Bestand/Exporteren om deze te delen.</translation>
    </message>
    <message>
        <source>another program is keeping leagues there and did not finish in time; nothing there was changed</source>
        <translation>een ander programma bewaart daar competities en was niet op tijd klaar; daar is niets gewijzigd</translation>
    </message>
</context>
<context>
    <name>kitpalette</name>
    <message>
        <source>Pink</source>
        <translation>Roze</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>Lichtrood</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Lichtoranje</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Oranje</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Bruin</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Goud</translation>
    </message>
    <message>
        <source>Dark Gold</source>
        <translation>Donkergoud</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Lichtgroen</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Donkergroen</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Lichtblauw</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>Donkerblauw</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblauw</translation>
    </message>
    <message>
        <source>Light Purple</source>
        <translation>Lichtpaars</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Paars</translation>
    </message>
    <message>
        <source>Dark Purple</source>
        <translation>Donkerpaars</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>Lichtgrijs</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>Donkergrijs</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Not Used</source>
        <translation>Niet gebruikt</translation>
    </message>
</context>
<context>
    <name>limittexts</name>
    <message>
        <source>league</source>
        <translation>competitie</translation>
    </message>
    <message>
        <source>team</source>
        <translation>team</translation>
    </message>
    <message>
        <source>player</source>
        <translation>speler</translation>
    </message>
    <message>
        <source>League &quot;%1&quot; (id %2)</source>
        <translation>Competitie “%1” (id %2)</translation>
    </message>
    <message>
        <source>Team &quot;%1&quot; (id %2)</source>
        <translation>Team “%1” (id %2)</translation>
    </message>
    <message>
        <source>Player &quot;%1&quot; (id %2)</source>
        <translation>Speler “%1” (id %2)</translation>
    </message>
    <message>
        <source>%1: the %2 is %3 bytes long in the game&apos;s encoding; the game&apos;s files hold at most %4.</source>
        <translation>%1: het veld %2 is %3 bytes lang in de codering van het spel; de bestanden van het spel bevatten er hoogstens %4.</translation>
    </message>
    <message>
        <source>%1: the %2 holds a NUL character, which would end it in the game&apos;s files.</source>
        <translation>%1: het veld %2 bevat een NUL-teken, dat het in de bestanden van het spel zou afbreken.</translation>
    </message>
    <message>
        <source>%1: a league name beginning with &quot;EC&quot; marks one of the game&apos;s European competitions, which the editor shows with a leading &quot;x&quot;. Begin the name with &quot;xEC&quot; for a competition, or choose another name.</source>
        <translation>%1: een competitienaam die met “EC” begint, duidt een van de Europese competities van het spel aan, die de editor met een “x” vooraan toont. Begin de naam met “xEC” voor een Europese competitie, of kies een andere naam.</translation>
    </message>
    <message>
        <source>%1: %2 is %3; the game&apos;s files hold %4 at most.</source>
        <translation>%1: %2 is %3; de bestanden van het spel bevatten hoogstens %4.</translation>
    </message>
    <message>
        <source>%1: the id does not fit the game&apos;s files, which hold ids up to %2.</source>
        <translation>%1: het id past niet in de bestanden van het spel, die id&apos;s tot %2 bevatten.</translation>
    </message>
    <message>
        <source>%1: %2 names id %3; the game&apos;s files hold ids up to 65535.</source>
        <translation>%1: %2 noemt id %3; de bestanden van het spel bevatten id&apos;s tot 65535.</translation>
    </message>
    <message>
        <source>%1 lists %2 players; the game&apos;s files hold 26 for a team, the rest would be lost at save.</source>
        <translation>%1 heeft %2 spelers; de bestanden van het spel bevatten er 26 per team, de rest zou bij het opslaan verloren gaan.</translation>
    </message>
    <message>
        <source>%1 has %2 team slots; the game&apos;s files hold at most 63 for a league.</source>
        <translation>%1 heeft %2 teamplaatsen; de bestanden van het spel bevatten er hoogstens 63 per competitie.</translation>
    </message>
    <message>
        <source>%1 League consist an odd number (%2) of teams. Please make sure that only even numbers of teams are used.</source>
        <translation>Competitie %1 bestaat uit een oneven aantal (%2) teams. Zorg ervoor dat alleen even aantallen teams worden gebruikt.</translation>
    </message>
    <message>
        <source>The player table would begin at %1, beyond the 16-bit position the game reads (below 65536): delete teams or leagues.</source>
        <translation>De spelerstabel zou beginnen op %1, voorbij de 16-bits positie die het spel leest (onder 65536): verwijder teams of competities.</translation>
    </message>
    <message>
        <source>%1 is a league of the game, and team %2 was imported: the game&apos;s files have no record for it, so the league cannot list it. To bring its players into the game, move or copy them onto game teams (the Transfer page, Cut and Paste, or dragging them) and save: the save writes each over the game player whose id is the low 16 bits of his, and names each one before it does.</source>
        <translation>%1 is een competitie van het spel en team %2 is geïmporteerd: de bestanden van het spel hebben er geen record voor, dus de competitie kan het niet bevatten. Om de spelers ervan in het spel te krijgen, verplaatst of kopieert u ze naar teams van het spel (de pagina Transfer, Knippen en Plakken, of door ze te slepen) en slaat u op: bij het opslaan wordt elk over de speler van het spel geschreven wiens id de laagste 16 bits van de zijne is, en elk wordt eerst genoemd.</translation>
    </message>
    <message>
        <source>%1 cannot go onto %2, a team of the game: his %3 is %4, and the game&apos;s files hold %5 at most. Set his %3 to %5 or less first; on his imported team he may keep %4.</source>
        <translation>%1 kan niet naar %2, een team van het spel: zijn %3 is %4, en de bestanden van het spel bevatten hoogstens %5. Zet eerst zijn %3 op %5 of lager; in zijn geïmporteerde team mag hij %4 houden.</translation>
    </message>
    <message>
        <source>%1 is to go onto a team of the game at the next save, whose files hold %4 at most for his %2, so it cannot be %3. Undo his move onto that team first to give him a larger value.</source>
        <translation>%1 gaat bij de volgende keer opslaan naar een team van het spel, waarvan de bestanden voor zijn %2 hoogstens %4 bevatten, dus het kan geen %3 zijn. Maak eerst zijn verplaatsing naar dat team ongedaan om hem een grotere waarde te geven.</translation>
    </message>
</context>
<context>
    <name>locktexts</name>
    <message>
        <source>%1: the game folder is in use by another program.</source>
        <translation>%1: de spelmap wordt door een ander programma gebruikt.</translation>
    </message>
    <message>
        <source>%1: another program is saving the game&apos;s files; its unfinished save is left for it to finish.</source>
        <translation>%1: een ander programma slaat de bestanden van het spel op. Obrix laat dat programma het opslaan zelf afmaken.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 is een map, geen gewoon bestand, dus de bestanden van het spel kunnen niet tegen andere programma&apos;s worden vergrendeld. Verwijder de map en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>%1 is a link, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 is een koppeling, geen gewoon bestand, dus de bestanden van het spel kunnen niet tegen andere programma&apos;s worden vergrendeld. Verwijder de koppeling en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>%1 is a pipe, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 is een pipe, geen gewoon bestand, dus de bestanden van het spel kunnen niet tegen andere programma&apos;s worden vergrendeld. Verwijder de pipe en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>%1 is a device, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 is een apparaat, geen gewoon bestand, dus de bestanden van het spel kunnen niet tegen andere programma&apos;s worden vergrendeld. Verwijder het en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 is geen gewoon bestand, dus de bestanden van het spel kunnen niet tegen andere programma&apos;s worden vergrendeld. Verwijder het en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>%1 cannot be locked (%2), so the game&apos;s files cannot be locked against other programs.</source>
        <translation>%1 kan niet worden vergrendeld (%2), dus de bestanden van het spel kunnen niet tegen andere programma&apos;s worden vergrendeld.</translation>
    </message>
</context>
<context>
    <name>pagetexts</name>
    <message>
        <source>About Obrix</source>
        <translation>Over Obrix</translation>
    </message>
    <message>
        <source>The game&apos;s files cannot hold these characters: %s
The name is kept as it was.</source>
        <translation>De bestanden van het spel kunnen deze tekens niet bevatten: %s
De naam blijft zoals hij was.</translation>
    </message>
    <message>
        <source>Edit Player</source>
        <translation>Speler bewerken</translation>
    </message>
    <message>
        <source>Apply Preset</source>
        <translation>Sjabloon toepassen</translation>
    </message>
    <message>
        <source>Edit Team</source>
        <translation>Team bewerken</translation>
    </message>
    <message>
        <source>Change Kit</source>
        <translation>Tenue wijzigen</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Uiterlijk</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Vaardigheden</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Sjablonen</translation>
    </message>
    <message>
        <source>A player must have a name. The name is kept as it was.</source>
        <translation>Een speler moet een naam hebben. De naam blijft zoals hij was.</translation>
    </message>
    <message>
        <source>Number %d has already been used.</source>
        <translation>Nummer %d is al in gebruik.</translation>
    </message>
    <message>
        <source>Originally: %s from %s</source>
        <translation>Oorspronkelijk: %s van %s</translation>
    </message>
    <message>
        <source>Max. Attributes</source>
        <extracomment>A button: sets every skill of the player to the highest value, 16.</extracomment>
        <translation>Max. vaardigheden</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Alles opnieuw instellen</translation>
    </message>
    <message>
        <source>Commentary</source>
        <extracomment>A check box: the match commentator says this player&apos;s name. Kept in the game&apos;s own words.</extracomment>
        <translation>Naam in commentaar</translation>
    </message>
    <message>
        <source>No.:</source>
        <translation>Nr.:</translation>
    </message>
    <message>
        <source>Pos:</source>
        <translation>Pos:</translation>
    </message>
    <message>
        <source>Hair:</source>
        <translation>Haar:</translation>
    </message>
    <message>
        <source>Face:</source>
        <translation>Gezicht:</translation>
    </message>
    <message>
        <source>Facial Hair:</source>
        <translation>Baard:</translation>
    </message>
    <message>
        <source>Skin Colour:</source>
        <translation>Huidskleur:</translation>
    </message>
    <message>
        <source>Hair Colour:</source>
        <translation>Haarkleur:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Beoordeling:</translation>
    </message>
    <message>
        <source>Nat.:</source>
        <translation>Nat.:</translation>
    </message>
    <message>
        <source>Acceleration:</source>
        <translation>Acceleratie:</translation>
    </message>
    <message>
        <source>Agility:</source>
        <translation>Behendigheid:</translation>
    </message>
    <message>
        <source>Awareness:</source>
        <extracomment>Vision of play: how well the player reads the game (not his positioning).</extracomment>
        <translation>Spelinzicht:</translation>
    </message>
    <message>
        <source>Ball Control:</source>
        <translation>Balcontrole:</translation>
    </message>
    <message>
        <source>Creativity:</source>
        <translation>Creativiteit:</translation>
    </message>
    <message>
        <source>Fitness:</source>
        <translation>Conditie:</translation>
    </message>
    <message>
        <source>Heading:</source>
        <translation>Koppen:</translation>
    </message>
    <message>
        <source>Passing:</source>
        <translation>Passen:</translation>
    </message>
    <message>
        <source>Reaction:</source>
        <translation>Reactie:</translation>
    </message>
    <message>
        <source>Shot Power:</source>
        <translation>Schotkracht:</translation>
    </message>
    <message>
        <source>Shot Acc.</source>
        <extracomment>Shot accuracy; short, for want of room beside its box.</extracomment>
        <translation>Schotprec.</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Snelheid:</translation>
    </message>
    <message>
        <source>Tackle:</source>
        <translation>Tackelen:</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Home Kit</source>
        <translation>Thuistenue</translation>
    </message>
    <message>
        <source>Away Kit</source>
        <translation>Uittenue</translation>
    </message>
    <message>
        <source>Bankroll must be a whole number between %d and %d</source>
        <translation>Het budget moet een geheel getal tussen %d en %d zijn</translation>
    </message>
    <message>
        <source>Bankroll must be between %d and %d</source>
        <translation>Het budget moet tussen %d en %d liggen</translation>
    </message>
    <message>
        <source>A team must have a name. The name is kept as it was.</source>
        <translation>Een team moet een naam hebben. De naam blijft zoals hij was.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Voer een geheel getal in.</translation>
    </message>
    <message>
        <source>The jersey editor Weftor was found but could not be started.</source>
        <translation>De shirteditor Weftor is gevonden, maar kon niet worden gestart.</translation>
    </message>
    <message>
        <source>Needs the jersey editor Weftor, which was looked for in %1 and on the PATH, and not found.</source>
        <translation>Hiervoor is de shirteditor Weftor nodig; die is gezocht in %1 en in het PATH, maar niet gevonden.</translation>
    </message>
    <message>
        <source>Edits the jersey texture with %1</source>
        <translation>Bewerkt de textuur van het shirt met %1</translation>
    </message>
    <message>
        <source>Abb.</source>
        <extracomment>The team&apos;s abbreviation: its name in a few letters.</extracomment>
        <translation>Afk.</translation>
    </message>
    <message>
        <source>Short Name:</source>
        <translation>Korte naam:</translation>
    </message>
    <message>
        <source>Bankroll:</source>
        <translation>Budget:</translation>
    </message>
    <message>
        <source>Primary:</source>
        <translation>Hoofdkleur:</translation>
    </message>
    <message>
        <source>Secondary:</source>
        <translation>Tweede kleur:</translation>
    </message>
    <message>
        <source>Tertiary:</source>
        <translation>Derde kleur:</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bewerken...</translation>
    </message>
    <message>
        <source>Use Preset Colours</source>
        <translation>Standaardkleuren gebruiken</translation>
    </message>
    <message>
        <source>Jersey</source>
        <translation>Shirt</translation>
    </message>
    <message>
        <source>Shorts</source>
        <translation>Broek</translation>
    </message>
    <message>
        <source>Socks</source>
        <translation>Kousen</translation>
    </message>
    <message>
        <source>Goalie:</source>
        <translation>Keeper:</translation>
    </message>
    <message>
        <source>Defender:</source>
        <translation>Verdediger:</translation>
    </message>
    <message>
        <source>Midfielder:</source>
        <translation>Middenvelder:</translation>
    </message>
    <message>
        <source>Forward:</source>
        <translation>Aanvaller:</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Ster</translation>
    </message>
    <message>
        <source>Good</source>
        <extracomment>A preset of skills: good, between Star and average.</extracomment>
        <translation>Goed</translation>
    </message>
    <message>
        <source>Ave.</source>
        <extracomment>A preset of skills: average.</extracomment>
        <translation>Gem.</translation>
    </message>
    <message>
        <source>White</source>
        <comment>skin colour</comment>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Tanned</source>
        <comment>skin colour</comment>
        <translation>Getint</translation>
    </message>
    <message>
        <source>Brown</source>
        <comment>skin colour</comment>
        <translation>Bruin</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>skin colour</comment>
        <translation>Donker</translation>
    </message>
    <message>
        <source>Blond</source>
        <comment>hair colour</comment>
        <translation>Blond</translation>
    </message>
    <message>
        <source>Brown</source>
        <comment>hair colour</comment>
        <translation>Bruin</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>hair colour</comment>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>hair colour</comment>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>This box holds at most %1 bytes of the game&apos;s text (a letter takes one, a Japanese character two).</source>
        <translation>Dit vak bevat hoogstens %1 bytes speltekst (een letter neemt er één in, een Japans teken twee).</translation>
    </message>
    <message>
        <source>A skill must be between %1 and %2. The skill is kept as it was.</source>
        <translation>Een vaardigheid moet tussen %1 en %2 liggen. De vaardigheid blijft zoals ze was.</translation>
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
        <translation>Naam</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Beoord.</translation>
    </message>
    <message>
        <source>Acl</source>
        <translation>Acc</translation>
    </message>
    <message>
        <source>Agl</source>
        <translation>Beh</translation>
    </message>
    <message>
        <source>Awr</source>
        <translation>Inz</translation>
    </message>
    <message>
        <source>Bct</source>
        <translation>Bal</translation>
    </message>
    <message>
        <source>Cre</source>
        <translation>Cre</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Con</translation>
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
        <translation>SKr</translation>
    </message>
    <message>
        <source>Sac</source>
        <translation>SPr</translation>
    </message>
    <message>
        <source>Spd</source>
        <translation>Snl</translation>
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
        <translation>Kan de Golvar-map niet vinden in het register. Wilt u de map zelf selecteren?</translation>
    </message>
    <message>
        <source>Select Golvar directory</source>
        <translation>Golvar-map selecteren</translation>
    </message>
</context>
<context>
    <name>statstexts</name>
    <message>
        <source>Please select a team/league to add.</source>
        <translation>Selecteer een team/competitie om toe te voegen.</translation>
    </message>
    <message>
        <source>Printing is not available: its module was not found with the editor.</source>
        <translation>Afdrukken is niet beschikbaar: de module ervoor is niet bij de editor gevonden.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>De printer kon niet worden gestart.</translation>
    </message>
    <message>
        <source>Please select team(s) to be removed first.</source>
        <translation>Selecteer eerst de team(s) die u wilt verwijderen.</translation>
    </message>
    <message>
        <source>Please select team(s) to be exported first.</source>
        <translation>Selecteer eerst de team(s) die u wilt exporteren.</translation>
    </message>
    <message>
        <source>Writing data for players of : %s...</source>
        <translation>Spelersgegevens schrijven voor: %s...</translation>
    </message>
    <message>
        <source>Processing data for player of : %s...</source>
        <translation>Spelersgegevens verwerken voor: %s...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*|</source>
        <translation>Tekstbestanden (*.TXT)|*.TXT|Alle bestanden (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>A&amp;dd All</source>
        <translation>&amp;Alles toevoegen</translation>
    </message>
    <message>
        <source>Re&amp;move All</source>
        <translation>Alles ve&amp;rwijderen</translation>
    </message>
    <message>
        <source>Plain Text</source>
        <translation>Platte tekst</translation>
    </message>
    <message>
        <source>Delimited Text</source>
        <translation>Tekst met scheidingstekens</translation>
    </message>
    <message>
        <source>&amp;Write to File</source>
        <translation>&amp;Naar bestand schrijven</translation>
    </message>
    <message>
        <source>Player &amp;Stats</source>
        <translation>&amp;Spelersstatistieken</translation>
    </message>
    <message>
        <source>&amp;Characteristics</source>
        <translation>&amp;Kenmerken</translation>
    </message>
    <message>
        <source>&amp;Filters</source>
        <translation>&amp;Filters</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Af&amp;drukken</translation>
    </message>
    <message>
        <source>&amp;Update Grid</source>
        <translation>Tabel &amp;bijwerken</translation>
    </message>
    <message>
        <source>Filters:</source>
        <translation>Filters:</translation>
    </message>
    <message>
        <source>None: the grid lists every player of the chosen teams</source>
        <translation>Geen: de tabel toont elke speler van de gekozen teams</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filters</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Nationality</source>
        <translation>Nationaliteit</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>Value</source>
        <extracomment>The player&apos;s market value.</extracomment>
        <translation>Marktwaarde</translation>
    </message>
    <message>
        <source>International</source>
        <extracomment>Whether the player plays for his national team.</extracomment>
        <translation>International</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Acceleratie</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Behendigheid</translation>
    </message>
    <message>
        <source>Awareness</source>
        <extracomment>Vision of play: how well the player reads the game (not his positioning).</extracomment>
        <translation>Spelinzicht</translation>
    </message>
    <message>
        <source>Ball Control</source>
        <translation>Balcontrole</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Creativiteit</translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation>Conditie</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Koppen</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Passen</translation>
    </message>
    <message>
        <source>Reaction</source>
        <translation>Reactie</translation>
    </message>
    <message>
        <source>Shot Acc</source>
        <translation>Schotprecisie</translation>
    </message>
    <message>
        <source>Shot Power</source>
        <translation>Schotkracht</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Snelheid</translation>
    </message>
    <message>
        <source>Tackle</source>
        <translation>Tackelen</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Beoordeling</translation>
    </message>
    <message>
        <source>EQ</source>
        <extracomment>A filter&apos;s comparison: equal to.</extracomment>
        <translation>=</translation>
    </message>
    <message>
        <source>GT</source>
        <extracomment>A filter&apos;s comparison: greater than.</extracomment>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>LT</source>
        <extracomment>A filter&apos;s comparison: less than.</extracomment>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
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
        <translation>&amp;Opnieuw instellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
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
        <translation>Verdediger</translation>
    </message>
    <message>
        <source>Midfielder</source>
        <translation>Middenvelder</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Aanvaller</translation>
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
        <translation>Haarkleur</translation>
    </message>
    <message>
        <source>Hair Type</source>
        <translation>Haartype</translation>
    </message>
    <message>
        <source>Facial Hair</source>
        <translation>Baard</translation>
    </message>
    <message>
        <source>Skin Colour</source>
        <translation>Huidskleur</translation>
    </message>
    <message>
        <source>Skill Ave</source>
        <extracomment>The average of the player&apos;s skills.</extracomment>
        <translation>Gem. vaard.</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Acl</source>
        <translation>Acc</translation>
    </message>
    <message>
        <source>Agl</source>
        <translation>Beh</translation>
    </message>
    <message>
        <source>Awr</source>
        <extracomment>Awareness, in about three letters: vision of play.</extracomment>
        <translation>Inz</translation>
    </message>
    <message>
        <source>Bct</source>
        <translation>Bal</translation>
    </message>
    <message>
        <source>Cre</source>
        <translation>Cre</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Con</translation>
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
        <translation>SKr</translation>
    </message>
    <message>
        <source>Sac</source>
        <translation>SPr</translation>
    </message>
    <message>
        <source>Spd</source>
        <translation>Snl</translation>
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
        <translation>Het rapport kon niet worden geschreven: %1</translation>
    </message>
</context>
<context>
    <name>thumbnailtexts</name>
    <message>
        <source>%1 of the 64 jersey thumbnails could not be made:
%2</source>
        <translation>Van de 64 shirtminiaturen konden er %1 niet worden gemaakt:
%2</translation>
    </message>
    <message>
        <source>%1: not a texture with a whole jersey picture</source>
        <translation>%1: geen textuur met een volledige afbeelding van een shirt</translation>
    </message>
</context>
<context>
    <name>transfertexts</name>
    <message>
        <source>Select a player or a team on each side, then &quot;&lt;----&gt;&quot; moves or swaps them.</source>
        <translation>Selecteer aan elke kant een speler of team; “&lt;----&gt;” verplaatst of wisselt ze dan.</translation>
    </message>
    <message>
        <source>A league cannot be transferred: select a team or a player.</source>
        <translation>Een competitie kan niet worden verplaatst: selecteer een team of een speler.</translation>
    </message>
    <message>
        <source>&quot;&lt;----&gt;&quot; moves %1 from %2 to %3.</source>
        <translation>“&lt;----&gt;” verplaatst %1 van %2 naar %3.</translation>
    </message>
    <message>
        <source>&quot;&lt;----&gt;&quot; swaps %1 of %2 and %3 of %4.</source>
        <translation>“&lt;----&gt;” wisselt %1 van %2 en %3 van %4.</translation>
    </message>
    <message>
        <source>&quot;&lt;----&gt;&quot; swaps %1 and %2: names, kits and players.</source>
        <translation>“&lt;----&gt;” wisselt %1 en %2: namen, tenues en spelers.</translation>
    </message>
    <message>
        <source>%1 is already in %2.</source>
        <translation>%1 zit al in %2.</translation>
    </message>
    <message>
        <source>Creating Transfer Tables...</source>
        <translation>Transfertabellen aanmaken...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Can&apos;t transfer league.</source>
        <translation>Een competitie kan niet worden verplaatst.</translation>
    </message>
    <message>
        <source>This team already has 20 players. To give it more, up to 26, choose it in the left-hand list of the Transfer page.</source>
        <translation>Dit team heeft al 20 spelers. Kies het in de linkerlijst van de transferpagina om het er meer te geven, tot 26.</translation>
    </message>
    <message>
        <source>This team is full: a team holds at most 26 players.</source>
        <translation>Dit team is vol: een team heeft hoogstens 26 spelers.</translation>
    </message>
    <message>
        <source>A team cannot have fewer than 11 players.</source>
        <translation>Een team kan niet minder dan 11 spelers hebben.</translation>
    </message>
</context>
</TS>
