<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>CAboutBox</name>
    <message>
        <source>A database editor for Golvar: edit its leagues, teams and players, their kits and skills, move players between clubs and bring in leagues made by other players.</source>
        <translation>En databasredigerare för Golvar: redigera ligor, lag och spelare, deras matchställ och färdigheter, flytta spelare mellan klubbar och ta in ligor som andra spelare har gjort.</translation>
    </message>
    <message>
        <source>Programming and artwork: the Obrix developers at Brannoc.
Thanks to everyone who tried the early versions and sent in their leagues.</source>
        <translation>Programmering och grafik: Obrix-utvecklarna på Brannoc.
Tack till alla som provade de tidiga versionerna och skickade in sina ligor.</translation>
    </message>
    <message>
        <source>About Obrix</source>
        <translation>Om Obrix</translation>
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
        <translation>Datablad</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spelare</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Övergångar</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Jämför</translation>
    </message>
</context>
<context>
    <name>CFindDialog</name>
    <message>
        <source>Find</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Sök:</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Obrix Help</source>
        <translation>Hjälp för Obrix</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigering</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Bakåt</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Framåt</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Innehåll</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>Verktygsfält</translation>
    </message>
</context>
<context>
    <name>CPictureListBox</name>
    <message>
        <source>Shorts %1</source>
        <translation>Byxor %1</translation>
    </message>
    <message>
        <source>Socks %1</source>
        <translation>Strumpor %1</translation>
    </message>
    <message>
        <source>Jersey %1</source>
        <translation>Tröja %1</translation>
    </message>
</context>
<context>
    <name>CPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Golvar Folder:</source>
        <translation>Golvar-mapp:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Bläddra...</translation>
    </message>
    <message>
        <source>Language of the editor:</source>
        <translation>Redigerarens språk:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Applied at the next start.</source>
        <translation>Gäller från nästa start.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engelska</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Franska</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanska</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugisiska</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tyska</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanska</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederländska</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienska</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svenska</translation>
    </message>
    <message>
        <source>Language of the game&apos;s names:</source>
        <translation>Språk för spelets namn:</translation>
    </message>
    <message>
        <source>Obrix shows the names in the chosen language from its next start.</source>
        <translation>Obrix visar namnen på det valda språket från nästa start.</translation>
    </message>
    <message>
        <source>This Golvar folder has no names in this language (%1 is missing).</source>
        <translation>Den här Golvar-mappen har inga namn på det här språket (%1 saknas).</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Undo</source>
        <translation>Ångra</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Gör om</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gör om</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historik</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historik</translation>
    </message>
    <message>
        <source>&lt;as loaded&gt;</source>
        <translation>&lt;som inläst&gt;</translation>
    </message>
    <message>
        <source>Global Modifications</source>
        <translation>Globala ändringar</translation>
    </message>
    <message>
        <source>Import League &apos;%1&apos;</source>
        <translation>Importera ligan ”%1”</translation>
    </message>
    <message>
        <source>Import GLV File</source>
        <translation>Importera GLV-fil</translation>
    </message>
    <message>
        <source>Delete Team &apos;%1&apos;</source>
        <translation>Ta bort laget ”%1”</translation>
    </message>
    <message>
        <source>Delete Player &apos;%1&apos;</source>
        <translation>Ta bort spelaren ”%1”</translation>
    </message>
    <message>
        <source>Paste Team &apos;%1&apos;</source>
        <translation>Klistra in laget ”%1”</translation>
    </message>
    <message>
        <source>Paste Player &apos;%1&apos;</source>
        <translation>Klistra in spelaren ”%1”</translation>
    </message>
    <message>
        <source>New League &apos;%1&apos;</source>
        <translation>Ny liga ”%1”</translation>
    </message>
    <message>
        <source>League Name &apos;%1&apos;</source>
        <translation>Liganamn ”%1”</translation>
    </message>
    <message>
        <source>Remove League &apos;%1&apos;</source>
        <translation>Ta bort ligan ”%1”</translation>
    </message>
    <message>
        <source>Apply Remembered Team</source>
        <translation>Tillämpa memorerat lag</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Utfört: %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Ångrat: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Gjort om: %1</translation>
    </message>
    <message>
        <source>Swap Teams &apos;%1&apos; and &apos;%2&apos;</source>
        <translation>Byt plats på lagen ”%1” och ”%2”</translation>
    </message>
    <message>
        <source>Swap Players &apos;%1&apos; and &apos;%2&apos;</source>
        <translation>Byt plats på spelarna ”%1” och ”%2”</translation>
    </message>
    <message>
        <source>Move Player &apos;%1&apos;</source>
        <translation>Flytta spelaren ”%1”</translation>
    </message>
</context>
<context>
    <name>apptexts</name>
    <message>
        <source>Loading Player Data...</source>
        <translation>Laddar spelardata...</translation>
    </message>
    <message>
        <source>Loading Team Data...</source>
        <translation>Laddar lagdata...</translation>
    </message>
    <message>
        <source>Loading League Data...</source>
        <translation>Laddar ligadata...</translation>
    </message>
    <message>
        <source>Reading Player Data...</source>
        <translation>Läser spelardata...</translation>
    </message>
    <message>
        <source>Reading Team Data...</source>
        <translation>Läser lagdata...</translation>
    </message>
    <message>
        <source>Reading League Data...</source>
        <translation>Läser ligadata...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Cannot read player data.</source>
        <translation>Det går inte att läsa spelardata.</translation>
    </message>
    <message>
        <source>Cannot read team data.</source>
        <translation>Det går inte att läsa lagdata.</translation>
    </message>
    <message>
        <source>Cannot read league data.</source>
        <translation>Det går inte att läsa ligadata.</translation>
    </message>
    <message>
        <source>%1 The Golvar database in %2 cannot be read:
%3</source>
        <translation>%1 Golvar-databasen i %2 kan inte läsas:
%3</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Återställ säkerhetskopia</translation>
    </message>
    <message>
        <source>Choose Another Folder</source>
        <translation>Välj en annan mapp</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>You have made modifications to the data of %1. Do you want to save them there before Obrix opens %2?</source>
        <translation>Du har ändrat data i %1. Vill du spara ändringarna där innan Obrix öppnar %2?</translation>
    </message>
    <message>
        <source>The Golvar database in %1 cannot be read: %2
Obrix goes on with the database of %3.</source>
        <translation>Golvar-databasen i %1 kan inte läsas: %2
Obrix fortsätter med databasen i %3.</translation>
    </message>
    <message>
        <source>You have made modifications to the data. Do you want to save the changes before exiting Obrix?</source>
        <translation>Du har ändrat data. Vill du spara ändringarna innan du avslutar Obrix?</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Läs in igen</translation>
    </message>
    <message>
        <source>Save Over Them</source>
        <translation>Spara över dem</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Every change you made since the data was last read or saved will be lost. Reload the game&apos;s files?</source>
        <translation>Alla ändringar sedan data senast lästes eller sparades går förlorade. Läsa in spelets filer igen?</translation>
    </message>
    <message>
        <source>%1: the game folder is in use by another program. Nothing was saved; please save again once it has finished.</source>
        <translation>%1: spelmappen används av ett annat program. Inget sparades; spara igen när det är klart.</translation>
    </message>
    <message>
        <source>“Restore Backup” puts back the game&apos;s files as they were backed up on %1. “Choose Another Folder” opens a different Golvar folder.</source>
        <translation>”Återställ säkerhetskopia” lägger tillbaka spelets filer så som de säkerhetskopierades %1. ”Välj en annan mapp” öppnar en annan Golvar-mapp.</translation>
    </message>
    <message>
        <source>There is no usable backup of this folder to restore. “Choose Another Folder” opens a different Golvar folder.</source>
        <translation>Det finns ingen användbar säkerhetskopia av den här mappen att återställa. ”Välj en annan mapp” öppnar en annan Golvar-mapp.</translation>
    </message>
    <message>
        <source>The game&apos;s files were changed by another program since Obrix read them (%1).

“Reload” reads them again and drops your changes. “Save Over Them” replaces what the other program saved with the data shown here.</source>
        <translation>Spelets filer har ändrats av ett annat program sedan Obrix läste dem (%1).

”Läs in igen” läser in filerna på nytt och tar bort dina ändringar. ”Spara över dem” ersätter det som det andra programmet sparade med de data som visas här.</translation>
    </message>
    <message>
        <source>%1 The Golvar database in %2 cannot be read again:
%3

Obrix keeps the data it shows, your changes included.</source>
        <translation>%1 Golvar-databasen i %2 kan inte läsas in igen:
%3

Obrix behåller de data som visas, dina ändringar inräknade.</translation>
    </message>
    <message>
        <source>Keep Current Data goes on with the data shown, which Save Data can write back over the game&apos;s files. Restore Backup puts back the game&apos;s files as they were backed up on %1. Choose Another Folder opens a different Golvar folder.</source>
        <translation>Behåll nuvarande data fortsätter med de data som visas, som Spara data kan skriva tillbaka över spelets filer. Återställ säkerhetskopia lägger tillbaka spelets filer så som de säkerhetskopierades %1. Välj en annan mapp öppnar en annan Golvar-mapp.</translation>
    </message>
    <message>
        <source>Keep Current Data goes on with the data shown, which Save Data can write back over the game&apos;s files. There is no usable backup of this folder to restore. Choose Another Folder opens a different Golvar folder.</source>
        <translation>Behåll nuvarande data fortsätter med de data som visas, som Spara data kan skriva tillbaka över spelets filer. Det finns ingen användbar säkerhetskopia av den här mappen att återställa. Välj en annan mapp öppnar en annan Golvar-mapp.</translation>
    </message>
    <message>
        <source>Keep Current Data</source>
        <translation>Behåll nuvarande data</translation>
    </message>
    <message>
        <source>The Golvar folder %1 has no names in the language chosen in Preferences (%2 is missing). Obrix shows the English names for this run; Preferences offers the languages this folder has.</source>
        <translation>Golvar-mappen %1 har inga namn på det språk som valts i Inställningar (%2 saknas). Obrix visar de engelska namnen den här gången; Inställningar erbjuder de språk som mappen har.</translation>
    </message>
</context>
<context>
    <name>backuptexts</name>
    <message>
        <source>Restoring original Golvar data file will overwrite all changes made. Do you wish to continue?</source>
        <translation>Om du återställer Golvars ursprungliga datafiler skrivs alla ändringar över. Vill du fortsätta?</translation>
    </message>
    <message>
        <source>There is no backup of this Golvar folder to restore.</source>
        <translation>Det finns ingen säkerhetskopia av den här Golvar-mappen att återställa.</translation>
    </message>
    <message>
        <source>Restored %1 from the backup of %2.</source>
        <translation>Återställde %1 från säkerhetskopian från %2.</translation>
    </message>
    <message>
        <source>Nothing was restored: %1</source>
        <translation>Inget återställdes: %1</translation>
    </message>
    <message>
        <source>the backup in %1 is damaged (%2).</source>
        <translation>säkerhetskopian i %1 är skadad (%2).</translation>
    </message>
    <message>
        <source>the backup does not load as a game database (%1).</source>
        <translation>säkerhetskopian går inte att läsa in som speldatabas (%1).</translation>
    </message>
    <message>
        <source>The backup of %1 could not be made: %2</source>
        <translation>Säkerhetskopian av %1 kunde inte göras: %2</translation>
    </message>
    <message>
        <source>the game&apos;s files do not load as a game database (%1), and a backup of them would be of no use; the earlier backup, if any, is kept</source>
        <translation>spelets filer går inte att läsa in som speldatabas (%1), och en säkerhetskopia av dem vore till ingen nytta; den tidigare säkerhetskopian, om det finns någon, behålls</translation>
    </message>
    <message>
        <source>The original Golvar data files could not be backed up to
%1

Without a backup, “Restore” cannot undo the changes you save now.
Do you wish to save without a backup?</source>
        <translation>Golvars ursprungliga datafiler kunde inte säkerhetskopieras till
%1

Utan säkerhetskopia kan ”Återställ” inte ångra de ändringar du sparar nu.
Vill du spara utan säkerhetskopia?</translation>
    </message>
    <message>
        <source>The original Golvar data files could not be backed up to
%1

%2

Without a backup, “Restore” cannot undo the changes you save now.
Do you wish to save without a backup?</source>
        <translation>Golvars ursprungliga datafiler kunde inte säkerhetskopieras till
%1

%2

Utan säkerhetskopia kan ”Återställ” inte ångra de ändringar du sparar nu.
Vill du spara utan säkerhetskopia?</translation>
    </message>
    <message>
        <source>%1 The new backup was taken back: %2 holds the backup it held before, if any.</source>
        <translation>%1 Den nya säkerhetskopian togs tillbaka: %2 innehåller den säkerhetskopia som fanns där tidigare, om någon.</translation>
    </message>
    <message>
        <source>the backup in %1 was taken from another Golvar folder (%2), not from this one (%3).</source>
        <translation>säkerhetskopian i %1 togs från en annan Golvar-mapp (%2), inte från den här (%3).</translation>
    </message>
</context>
<context>
    <name>bulktexts</name>
    <message>
        <source>&quot;%s&quot; is not a whole number</source>
        <translation>”%s” är inte ett heltal</translation>
    </message>
    <message>
        <source>%lld is outside %lld..%lld, what this field can hold</source>
        <translation>%lld ligger utanför %lld..%lld, det som fältet kan rymma</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>texten är inte giltig UTF-8</translation>
    </message>
    <message>
        <source>&quot;%s&quot; holds a character the game&apos;s encoding cannot store</source>
        <translation>”%s” innehåller ett tecken som spelets teckenkodning inte kan lagra</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is %d bytes in the game&apos;s encoding; at most %lld fit</source>
        <translation>”%s” är %d byte i spelets teckenkodning; högst %lld får plats</translation>
    </message>
    <message>
        <source>the list has %d entries; at most %lld fit</source>
        <translation>listan har %d poster; högst %lld får plats</translation>
    </message>
    <message>
        <source>the list names %s %lld, which does not exist</source>
        <translation>listan nämner %s %lld, som inte finns</translation>
    </message>
    <message>
        <source>the list names %lld twice</source>
        <translation>listan nämner %lld två gånger</translation>
    </message>
    <message>
        <source>%s follows from other data and cannot be changed (it is %s)</source>
        <translation>%s härleds från andra data och kan inte ändras (värdet är %s)</translation>
    </message>
    <message>
        <source>%s is the editor&apos;s own bookkeeping and cannot be changed (it is %s)</source>
        <translation>%s hör till redigerarens egen bokföring och kan inte ändras (värdet är %s)</translation>
    </message>
    <message>
        <source>there is no %s with id %lld; an import changes records, it does not add them</source>
        <translation>det finns ingen post %s med id %lld; en import ändrar poster men lägger inte till nya</translation>
    </message>
    <message>
        <source>more than one league has id %lld; change those leagues in the editor</source>
        <translation>flera ligor har id %lld; ändra de ligorna i redigeraren</translation>
    </message>
    <message>
        <source>id %lld is on line %d already</source>
        <translation>id %lld finns redan på rad %d</translation>
    </message>
    <message>
        <source>the row has %d fields; the header has %d</source>
        <translation>raden har %d fält; rubrikraden har %d</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a field of players, teams or leagues</source>
        <translation>”%s” är inte ett fält för spelare, lag eller ligor</translation>
    </message>
    <message>
        <source>the column &quot;%s&quot; appears twice</source>
        <translation>kolumnen ”%s” förekommer två gånger</translation>
    </message>
    <message>
        <source>there is no id column</source>
        <translation>det finns ingen id-kolumn</translation>
    </message>
    <message>
        <source>the columns do not all belong to one of players, teams or leagues</source>
        <translation>kolumnerna hör inte alla till samma tabell: spelare, lag eller ligor</translation>
    </message>
    <message>
        <source>the columns fit more than one table; add a column that only one of them has</source>
        <translation>kolumnerna passar fler än en tabell; lägg till en kolumn som bara en av dem har</translation>
    </message>
    <message>
        <source>the file has no header row</source>
        <translation>filen har ingen rubrikrad</translation>
    </message>
    <message>
        <source>... and %d more problems</source>
        <translation>... och %d problem till</translation>
    </message>
    <message>
        <source>League &quot;%s&quot; lists team %s (%u) more than once.</source>
        <translation>Ligan ”%s” tar upp laget %s (%u) mer än en gång.</translation>
    </message>
    <message>
        <source>League &quot;%s&quot; has a slot naming team %u, which does not exist.</source>
        <translation>Ligan ”%s” har en plats för laget %u, som inte finns.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists %d players; a team needs at least 11.</source>
        <translation>Laget ”%s” har %d spelare; ett lag behöver minst 11.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists player %s (%u) more than once.</source>
        <translation>Laget ”%s” tar upp spelaren %s (%u) mer än en gång.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists player %u, which does not exist.</source>
        <translation>Laget ”%s” tar upp spelaren %u, som inte finns.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot;: %s and %s both wear number %d.</source>
        <translation>Laget ”%s”: %s och %s har båda nummer %d.</translation>
    </message>
    <message>
        <source>The %s %u has an empty %s.</source>
        <translation>Posten %s %u har ett tomt fält: %s.</translation>
    </message>
    <message>
        <source>The %s %s (%u) has %s = %lld; the game uses %lld..%lld.</source>
        <translation>Posten %s %s (%u) har %s = %lld; spelet använder %lld..%lld.</translation>
    </message>
    <message>
        <source>Player %s (%u) was listed by a team of the game when the files were read and is listed by none after the save.</source>
        <translation>Spelaren %s (%u) fanns i ett av spelets lag när filerna lästes in men finns inte i något efter att du sparat.</translation>
    </message>
    <message>
        <source>Player %s (%u) is listed by two clubs after the save, %s and %s.</source>
        <translation>Spelaren %s (%u) finns i två klubbar efter att du sparat, %s och %s.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists %s (%u), whose %s is %lld; the game&apos;s files hold %lld at most, so he cannot be moved or copied onto a team of the game until it is %lld or less.</source>
        <translation>Laget &quot;%s&quot; har %s (%u), vars %s är %lld; spelets filer rymmer högst %lld, så han kan inte flyttas eller kopieras till ett av spelets lag förrän det är %lld eller lägre.</translation>
    </message>
</context>
<context>
    <name>bulkviewtexts</name>
    <message>
        <source>Export Table</source>
        <translation>Exportera tabell</translation>
    </message>
    <message>
        <source>Table:</source>
        <translation>Tabell:</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spelare</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>Leagues</source>
        <translation>Ligor</translation>
    </message>
    <message>
        <source>Spreadsheet Files (*.csv)|*.csv|All Files (*.*)|*.*|</source>
        <translation>Kalkylbladsfiler (*.csv)|*.csv|Alla filer (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Import Table</source>
        <translation>Importera tabell</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>Filen %1 kunde inte läsas.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows written to %1</source>
        <translation>
            <numerusform>%n rad skrevs till %1</numerusform>
            <numerusform>%n rader skrevs till %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The file was refused; nothing was changed.

%1</source>
        <translation>Filen avvisades; inget ändrades.

%1</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more problems</source>
        <translation>
            <numerusform>... och %n problem till</numerusform>
            <numerusform>... och %n problem till</numerusform>
        </translation>
    </message>
    <message>
        <source>The file changes nothing: every cell already holds its value.</source>
        <translation>Filen ändrar ingenting: varje cell har redan sitt värde.</translation>
    </message>
    <message>
        <source>Import Table: Preview</source>
        <translation>Importera tabell: förhandsgranskning</translation>
    </message>
    <message numerus="yes">
        <source>%n changes</source>
        <translation>
            <numerusform>%n ändring</numerusform>
            <numerusform>%n ändringar</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes by field</source>
        <translation>Ändringar per fält</translation>
    </message>
    <message>
        <source>Check Database</source>
        <translation>Kontrollera databasen</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Kontrollera igen</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n fel</numerusform>
            <numerusform>%n fel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n varning</numerusform>
            <numerusform>%n varningar</numerusform>
        </translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Inga problem hittades.</translation>
    </message>
    <message>
        <source>%1 now has an odd number (%2) of team slots: add or remove a team before saving.</source>
        <translation>%1 har nu ett udda antal lagplatser (%2): lägg till eller ta bort ett lag innan du sparar.</translation>
    </message>
    <message numerus="yes">
        <source>The edits leave %n things the game may not like, listed in Check Database (the game&apos;s files can hold them). Save anyway?</source>
        <translation>
            <numerusform>Efter ändringarna finns %n sak kvar som kan ställa till problem i spelet; den visas i ”Kontrollera databasen” (spelets filer kan lagra den). Spara ändå?</numerusform>
            <numerusform>Efter ändringarna finns %n saker kvar som kan ställa till problem i spelet; de visas i ”Kontrollera databasen” (spelets filer kan lagra dem). Spara ändå?</numerusform>
        </translation>
    </message>
    <message>
        <source>The database has errors that the save or the game would stumble on; nothing was saved. They are listed in Check Database: double-click one to go to its record.</source>
        <translation>Databasen har fel som skulle få sparandet eller spelet att fallera; inget sparades. De visas i ”Kontrollera databasen”: dubbelklicka på ett fel för att gå till dess post.</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Ändringar</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Osparade ändringar</translation>
    </message>
    <message>
        <source>Since the backup</source>
        <translation>Sedan säkerhetskopian</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Återställ värde</translation>
    </message>
    <message>
        <source>Revert Record</source>
        <translation>Återställ post</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Uppdatera</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message numerus="yes">
        <source>%n differences</source>
        <translation>
            <numerusform>%n skillnad</numerusform>
            <numerusform>%n skillnader</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records</source>
        <translation>
            <numerusform>%n post</numerusform>
            <numerusform>%n poster</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no backup of this game folder yet.</source>
        <translation>Det finns ingen säkerhetskopia av den här spelmappen än.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Post</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Fält</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Gammalt</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nytt</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Allvarlighetsgrad</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Kod</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meddelande</translation>
    </message>
    <message>
        <source>error</source>
        <translation>fel</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>varning</translation>
    </message>
    <message>
        <source>only in the files</source>
        <translation>bara i filerna</translation>
    </message>
    <message>
        <source>database</source>
        <translation>databas</translation>
    </message>
    <message>
        <source>only in the editor</source>
        <translation>bara i redigeraren</translation>
    </message>
    <message>
        <source>leagues</source>
        <translation>ligor</translation>
    </message>
    <message>
        <source>teams</source>
        <translation>lag</translation>
    </message>
    <message>
        <source>players</source>
        <translation>spelare</translation>
    </message>
    <message>
        <source>%1 in %2 of the %3 table. “OK” applies them all as one step.</source>
        <translation>%1 i %2 i tabellen för %3. ”OK” tillämpar alla som ett steg.</translation>
    </message>
    <message>
        <source>The table could not be written: %1</source>
        <translation>Tabellen kunde inte skrivas: %1</translation>
    </message>
</context>
<context>
    <name>commands</name>
    <message>
        <source>Export &amp;Table...</source>
        <translation>Exportera ta&amp;bell...</translation>
    </message>
    <message>
        <source>Import T&amp;able...</source>
        <translation>Importera &amp;tabell...</translation>
    </message>
    <message>
        <source>C&amp;heck Database...</source>
        <translation>Kontrollera &amp;databasen...</translation>
    </message>
    <message>
        <source>Write players, teams or leagues to a spreadsheet file
Export Table</source>
        <translation>Skriv spelare, lag eller ligor till en kalkylbladsfil
Exportera tabell</translation>
    </message>
    <message>
        <source>Apply a spreadsheet file&apos;s changes, after a preview
Import Table</source>
        <translation>Tillämpa ändringarna i en kalkylbladsfil efter en förhandsgranskning
Importera tabell</translation>
    </message>
    <message>
        <source>List what the game or the save would stumble on
Check Database</source>
        <translation>Lista det som skulle få spelet eller sparandet att fallera
Kontrollera databasen</translation>
    </message>
    <message>
        <source>List what differs from the files as loaded or from the backup
Changes</source>
        <translation>Lista det som skiljer sig från filerna som de lästes in eller från säkerhetskopian
Ändringar</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importera...</translation>
    </message>
    <message>
        <source>Import &amp;GLV Files...</source>
        <translation>Importera &amp;GLV-filer...</translation>
    </message>
    <message>
        <source>Ex&amp;port...</source>
        <translation>&amp;Exportera...</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Återställ</translation>
    </message>
    <message>
        <source>&amp;Make Jersey Thumbnails</source>
        <translation>S&amp;kapa tröjminiatyrer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Klipp &amp;ut</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiera</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Klistra &amp;in</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Ta bort</translation>
    </message>
    <message>
        <source>Clo&amp;ne</source>
        <translation>Kl&amp;ona</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Sök</translation>
    </message>
    <message>
        <source>Find &amp;Again</source>
        <translation>Sök ig&amp;en</translation>
    </message>
    <message>
        <source>&amp;Global Modifications...</source>
        <translation>Globala &amp;ändringar...</translation>
    </message>
    <message>
        <source>&amp;New League</source>
        <translation>Ny &amp;liga</translation>
    </message>
    <message>
        <source>&amp;League Name...</source>
        <translation>Liga&amp;namn...</translation>
    </message>
    <message>
        <source>Swap Tea&amp;ms</source>
        <translation>&amp;Byt plats på lag</translation>
    </message>
    <message>
        <source>S&amp;wap Players</source>
        <translation>Byt plats på s&amp;pelare</translation>
    </message>
    <message>
        <source>Appl&amp;y Remembered Team</source>
        <translation>Tillä&amp;mpa memorerat lag</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Verktygsfält</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusfält</translation>
    </message>
    <message>
        <source>T&amp;ransfer Page</source>
        <translation>&amp;Övergångssida</translation>
    </message>
    <message>
        <source>&amp;Next Pane</source>
        <translation>&amp;Nästa ruta</translation>
    </message>
    <message>
        <source>Pre&amp;vious Pane</source>
        <translation>Före&amp;gående ruta</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Hjälpavsnitt...</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Tangentbord</translation>
    </message>
    <message>
        <source>&amp;About Obrix...</source>
        <translation>&amp;Om Obrix...</translation>
    </message>
    <message>
        <source>Save changes to Golvar data files permanently\Save</source>
        <translation>Spara ändringarna permanent i Golvars datafiler\Spara</translation>
    </message>
    <message>
        <source>Import from DB files
Import</source>
        <translation>Importera från DB-filer
Importera</translation>
    </message>
    <message>
        <source>Export to DB files
Export</source>
        <translation>Exportera till DB-filer
Exportera</translation>
    </message>
    <message>
        <source>Transfer Teams and Players\Transfer</source>
        <translation>Flytta lag och spelare\Övergångar</translation>
    </message>
    <message>
        <source>Generate thumbnail images of jersey files
Make Jersey Thumbnails</source>
        <translation>Skapa miniatyrbilder av tröjfilerna
Skapa tröjminiatyrer</translation>
    </message>
    <message>
        <source>Find a player or a team\Find</source>
        <translation>Sök efter en spelare eller ett lag\Sök</translation>
    </message>
    <message>
        <source>Repeat Last Find</source>
        <translation>Upprepa senaste sökningen</translation>
    </message>
    <message>
        <source>Change league names</source>
        <translation>Ändra liganamn</translation>
    </message>
    <message>
        <source>Change Player Attributes Globally</source>
        <translation>Ändra spelarnas färdigheter globalt</translation>
    </message>
    <message>
        <source>Import GLV Files...</source>
        <translation>Importera GLV-filer...</translation>
    </message>
    <message>
        <source>Write the selected league as DB files that other users can import
Export League</source>
        <translation>Skriv den valda ligan som DB-filer som andra användare kan importera
Exportera liga</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Redigera</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visa</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>Swap the two teams selected on the Transfer page between their leagues
Swap Teams</source>
        <translation>Låt de två lag som valts på fliken Övergångar byta liga med varandra
Byt plats på lag</translation>
    </message>
    <message>
        <source>Swap the two players selected on the Transfer page between their teams
Swap Players</source>
        <translation>Låt de två spelare som valts på fliken Övergångar byta lag med varandra
Byt plats på spelare</translation>
    </message>
    <message>
        <source>Put back the game&apos;s files as they were backed up
Restore</source>
        <translation>Lägg tillbaka spelets filer så som de säkerhetskopierades
Återställ</translation>
    </message>
    <message>
        <source>Quit Obrix; unsaved changes are asked about first
Exit</source>
        <translation>Avsluta Obrix; först får du frågan om osparade ändringar
Avsluta</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>Ångra den senaste ändringen
Ångra</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Gör om den senast ångrade ändringen
Gör om</translation>
    </message>
    <message>
        <source>Add a new, empty league
New League</source>
        <translation>Lägg till en ny, tom liga
Ny liga</translation>
    </message>
    <message>
        <source>Remember the selected team&apos;s kit and names
Remember Team</source>
        <translation>Kom ihåg det valda lagets matchställ och namn
Kom ihåg lag</translation>
    </message>
    <message>
        <source>Move to the next pane: tree, data sheet, roster
Next Pane</source>
        <translation>Gå till nästa ruta: träd, datablad, trupp
Nästa ruta</translation>
    </message>
    <message>
        <source>Move to the previous pane
Previous Pane</source>
        <translation>Gå till föregående ruta
Föregående ruta</translation>
    </message>
    <message>
        <source>List every key of the editor
Keyboard</source>
        <translation>Lista alla tangenter i redigeraren
Tangentbord</translation>
    </message>
    <message>
        <source>Not available yet
Clone</source>
        <translation>Inte tillgängligt än
Klona</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gör om</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historik</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Ångra %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Gör om %1</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Visa eller dölj verktygsfältet</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Visa eller dölj statusfältet</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Visa programinformation, versionsnummer och upphovsrätt
Om</translation>
    </message>
    <message>
        <source>&amp;Changes</source>
        <translation>&amp;Ändringar</translation>
    </message>
    <message>
        <source>&amp;Save Data</source>
        <translation>&amp;Spara data</translation>
    </message>
    <message>
        <source>Remem&amp;ber Team</source>
        <translation>Kom i&amp;håg lag</translation>
    </message>
    <message>
        <source>Pr&amp;eferences...</source>
        <translation>Inställninga&amp;r...</translation>
    </message>
    <message>
        <source>St&amp;ats Page</source>
        <translation>S&amp;tatistiksida</translation>
    </message>
    <message>
        <source>Copy the selected player or team to the clipboard
Copy</source>
        <translation>Kopiera den valda spelaren eller det valda laget till urklipp
Kopiera</translation>
    </message>
    <message>
        <source>Cut the selected player; “Paste” on a team moves him there
Cut</source>
        <translation>Klipp ut den valda spelaren; ”Klistra in” på ett lag flyttar spelaren dit
Klipp ut</translation>
    </message>
    <message>
        <source>Paste the copied player into a team, or the copied team into a league
Paste</source>
        <translation>Klistra in den kopierade spelaren i ett lag, eller det kopierade laget i en liga
Klistra in</translation>
    </message>
    <message>
        <source>Delete the selected player or team
Delete</source>
        <translation>Ta bort den valda spelaren eller det valda laget
Ta bort</translation>
    </message>
    <message>
        <source>Give the selected team the kit and names kept with “Remember Team”
Apply Remembered Team</source>
        <translation>Ge det valda laget matchställ och namn som memorerats med ”Kom ihåg lag”
Tillämpa memorerat lag</translation>
    </message>
</context>
<context>
    <name>committexts</name>
    <message>
        <source>An interrupted %1 was completed: %2 now hold the new contents.</source>
        <translation>En avbruten åtgärd (%1) slutfördes: %2 har nu det nya innehållet.</translation>
    </message>
    <message>
        <source>An interrupted %1 was undone: the files are as before it.</source>
        <translation>En avbruten åtgärd (%1) ångrades: filerna är som före den.</translation>
    </message>
    <message>
        <source>it is not a regular file (a link, pipe, device or folder is in its place)</source>
        <translation>det är ingen vanlig fil (en länk, pipe, enhet eller mapp finns på dess plats)</translation>
    </message>
    <message>
        <source>%1: the new copy read back from the disk differs from what was written (%2 bytes read, %3 written).</source>
        <translation>%1: den nya kopian som lästes tillbaka från disken skiljer sig från det som skrevs (%2 byte lästa, %3 skrivna).</translation>
    </message>
    <message>
        <source>The %1 failed and the old files could not all be put back, so the set is mixed: %2. The old contents are kept beside them (%3); the editor finishes the set at the next load of this folder.</source>
        <translation>Åtgärden (%1) misslyckades och alla gamla filer kunde inte läggas tillbaka, så filerna är nu delvis gamla, delvis nya: %2. Det gamla innehållet finns kvar bredvid dem (%3); redigeraren gör klart filerna nästa gång den här mappen läses in.</translation>
    </message>
    <message>
        <source>An interrupted %1 in %2 could not be finished: %3. The old contents are kept beside the files (names ending &quot;.obrix-old...&quot;) and the record in %4.</source>
        <translation>En avbruten åtgärd (%1) i %2 kunde inte slutföras: %3. Det gamla innehållet finns kvar bredvid filerna (namn som slutar på ”.obrix-old...”) och loggen i %4.</translation>
    </message>
    <message>
        <source>it is larger than any file of its kind can be</source>
        <translation>den är större än en fil av detta slag kan vara</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a link, pipe, device or folder is in its place), so no interrupted save there can be finished or undone and no new one can be made. Remove it and try again.</source>
        <translation>%1 är ingen vanlig fil (en länk, pipe, enhet eller mapp finns på dess plats), så ingen avbruten sparning där kan slutföras eller ångras och ingen ny kan göras. Ta bort den och försök igen.</translation>
    </message>
</context>
<context>
    <name>comparisontexts</name>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Jämför</translation>
    </message>
    <message>
        <source>Differences:</source>
        <translation>Skillnader:</translation>
    </message>
    <message>
        <source>Can only compare teams.</source>
        <translation>Endast lag kan jämföras.</translation>
    </message>
</context>
<context>
    <name>editingtexts</name>
    <message>
        <source>Too many players (26) in this team already!</source>
        <translation>Laget har redan högsta antalet spelare, 26.</translation>
    </message>
    <message>
        <source>Cannot edit European Competition Fixtures.</source>
        <translation>Det går inte att redigera spelschemat för Europacuperna.</translation>
    </message>
    <message>
        <source>Can only copy a player to clipboard!</source>
        <translation>Endast en spelare kan kopieras till urklipp.</translation>
    </message>
    <message>
        <source>Can only paste player to a team!</source>
        <translation>En spelare kan bara klistras in i ett lag.</translation>
    </message>
    <message>
        <source>New League</source>
        <translation>Ny liga</translation>
    </message>
    <message>
        <source>League Name</source>
        <translation>Liganamn</translation>
    </message>
    <message>
        <source>Imported League Name</source>
        <translation>Namn på importerad liga</translation>
    </message>
    <message>
        <source>League Name:</source>
        <translation>Liganamn:</translation>
    </message>
    <message>
        <source>%s of %s %s -&gt; %s</source>
        <translation>%s för %s %s -&gt; %s</translation>
    </message>
    <message>
        <source>%s %s -&gt; %s</source>
        <translation>%s %s -&gt; %s</translation>
    </message>
    <message>
        <source>Cannot find &apos;%1&apos;</source>
        <translation>Hittar inte ”%1”</translation>
    </message>
    <message>
        <source>%1 has been duplicated to %2</source>
        <translation>%1 har duplicerats till %2</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>Kopierade %1</translation>
    </message>
</context>
<context>
    <name>exchangetexts</name>
    <message>
        <source>Import from DB files</source>
        <translation>Importera från DB-filer</translation>
    </message>
    <message>
        <source>Select directory to import DB files from:</source>
        <translation>Välj mappen som DB-filerna ska importeras från:</translation>
    </message>
    <message>
        <source>Importing League...</source>
        <translation>Importerar liga...</translation>
    </message>
    <message>
        <source>Importing Player %d/%d %s...</source>
        <translation>Importerar spelare %d/%d %s...</translation>
    </message>
    <message>
        <source>Importing Xfer %d/%d ...</source>
        <extracomment>Xfer: one of the exchange files&apos; transfer records.</extracomment>
        <translation>Importerar övergång %d/%d ...</translation>
    </message>
    <message>
        <source>Importing Team %d/%d %s...</source>
        <translation>Importerar lag %d/%d %s...</translation>
    </message>
    <message>
        <source>Error reading CUSPLYR.DB.</source>
        <translation>Fel vid läsning av CUSPLYR.DB.</translation>
    </message>
    <message>
        <source>Error reading CUSTOM.DB.</source>
        <translation>Fel vid läsning av CUSTOM.DB.</translation>
    </message>
    <message>
        <source>Error allocating memory for output buffer.</source>
        <translation>Det gick inte att reservera minne för utdatabufferten.</translation>
    </message>
    <message>
        <source>Error Importing data.</source>
        <translation>Fel vid import av data.</translation>
    </message>
    <message>
        <source>%s: %s.</source>
        <translation>%s: %s.</translation>
    </message>
    <message>
        <source>%s announces %u bytes when unpacked; no exchange file holds more than %u, so it is not read.</source>
        <translation>%s anger %u byte uppackad; ingen utbytesfil rymmer mer än %u, så den läses inte.</translation>
    </message>
    <message>
        <source>File CUSTOM.DB appears to be corrupted. Import failed!</source>
        <translation>Filen CUSTOM.DB verkar vara skadad. Importen misslyckades.</translation>
    </message>
    <message>
        <source>Importing GLV file...</source>
        <translation>Importerar GLV-fil...</translation>
    </message>
    <message>
        <source>Cannot open GLV file</source>
        <translation>Det går inte att öppna GLV-filen</translation>
    </message>
    <message>
        <source>File is not a GLV file</source>
        <translation>Filen är inte en GLV-fil</translation>
    </message>
    <message>
        <source>The database has no league at position %d for the teams of a GLV file to be based on. Import failed!</source>
        <translation>Databasen har ingen liga på plats %d som GLV-filens lag kan bygga på. Importen misslyckades.</translation>
    </message>
    <message>
        <source>Team %d of the GLV file has no team to be based on in the league at position %d. Import failed!</source>
        <translation>Lag %d i GLV-filen har inget lag att bygga på i ligan på plats %d. Importen misslyckades.</translation>
    </message>
    <message>
        <source>GLV Files (*.GLV)|*.GLV|All Files (*.*)|*.*|</source>
        <translation>GLV-filer (*.GLV)|*.GLV|Alla filer (*.*)|*.*|</translation>
    </message>
    <message>
        <source>The GLV file holds %d teams, but the league its teams are based on has only %d.</source>
        <translation>GLV-filen innehåller %d lag, men ligan som dess lag bygger på har bara %d.</translation>
    </message>
    <message>
        <source>The GLV file gives a negative number of teams (%d).</source>
        <translation>GLV-filen anger ett negativt antal lag (%d).</translation>
    </message>
    <message>
        <source>Team %d of the GLV file holds %d players; a team has at most %d.</source>
        <translation>Lag %d i GLV-filen har %d spelare; ett lag har högst %d.</translation>
    </message>
    <message>
        <source>The GLV file ends before its list of teams.</source>
        <translation>GLV-filen tar slut före listan över lag.</translation>
    </message>
    <message>
        <source>The GLV file ends in the middle of team %d.</source>
        <translation>GLV-filen tar slut mitt i lag %d.</translation>
    </message>
    <message>
        <source>Packing %s...</source>
        <translation>Packar %s...</translation>
    </message>
    <message>
        <source>There is no league at position %d.</source>
        <translation>Det finns ingen liga på plats %d.</translation>
    </message>
    <message>
        <source>Cannot create the folder %s.</source>
        <translation>Det går inte att skapa mappen %s.</translation>
    </message>
    <message>
        <source>Cannot create a temporary folder %s.</source>
        <translation>Det går inte att skapa den tillfälliga mappen %s.</translation>
    </message>
    <message>
        <source>Cannot write the temporary file %s.</source>
        <translation>Det går inte att skriva den tillfälliga filen %s.</translation>
    </message>
    <message>
        <source>Removed %s, the temporary folder of an export that was cut off.</source>
        <translation>Tog bort %s, den tillfälliga mappen från en avbruten export.</translation>
    </message>
    <message>
        <source>Packing %s failed.</source>
        <translation>Packningen av %s misslyckades.</translation>
    </message>
    <message>
        <source>Packing %s left no packed file.</source>
        <translation>Packningen av %s gav ingen packad fil.</translation>
    </message>
    <message>
        <source>Cannot write %s.</source>
        <translation>Det går inte att skriva %s.</translation>
    </message>
    <message>
        <source>Exported %s, %s and %s to %s.</source>
        <translation>Exporterade %s, %s och %s till %s.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>The packer program, which reads and writes the exchange files, could not be started: %s
(System error %d)</source>
        <translation>Packprogrammet, som läser och skriver utbytesfilerna, kunde inte startas: %s
(Systemfel %d)</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <translation>systemet angav ingen orsak</translation>
    </message>
    <message>
        <source>The file is larger than any GLV file can be (%u bytes), so it is not read.</source>
        <translation>Filen är större än en GLV-fil kan vara (%u byte), så den läses inte.</translation>
    </message>
</context>
<context>
    <name>foldtexts</name>
    <message>
        <source>&apos;%1&apos; takes the place of the game&apos;s &apos;%2&apos; of %3</source>
        <translation>&apos;%1&apos; tar platsen för spelets &apos;%2&apos; i %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes the place of the game&apos;s &apos;%2&apos;, who is in no club</source>
        <translation>&apos;%1&apos; tar platsen för spelets &apos;%2&apos;, som inte finns i någon klubb</translation>
    </message>
    <message>
        <source>An imported player has no record of his own in the game&apos;s files, so the save writes each one moved or copied onto a game team over a game player: the one whose id is the low 16 bits of his own (whichever club lists him), or a player of that team leaving for the imported player&apos;s team. That player&apos;s name and values are gone, and his club lists the newcomer as well as the team you chose:</source>
        <translation>En importerad spelare har ingen egen post i spelets filer, så när du sparar skrivs varje spelare som flyttats eller kopierats till ett av spelets lag över en av spelets spelare: den vars id är de lägsta 16 bitarna av hans eget (i vilken klubb han än finns), eller en spelare i det laget som flyttar till den importerade spelarens lag. Den spelarens namn och värden försvinner, och hans klubb har nykomlingen liksom det lag du valde:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... och %1 till.</translation>
    </message>
</context>
<context>
    <name>frametexts</name>
    <message>
        <source>Ready</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Saving Data...</source>
        <translation>Sparar data...</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n changed records to %1</source>
        <translation>
            <numerusform>Sparade %n ändrad post i %1</numerusform>
            <numerusform>Sparade %n ändrade poster i %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was saved</source>
        <translation>Inget sparades</translation>
    </message>
    <message>
        <source>Cut %1: paste on a team to move him</source>
        <translation>Klippte ut %1: klistra in på ett lag för att flytta honom</translation>
    </message>
    <message>
        <source>Moved %1 to %2</source>
        <translation>Flyttade %1 till %2</translation>
    </message>
    <message>
        <source>W A R N I N G !

This action will save changes you have made to Golvar data files PERMANENTLY. Some teams and players may be announced in their original names.

If you do not wish to make permanent changes to the files, it is suggested that you use the File/Export feature.

Do you wish to continue?</source>
        <extracomment>&quot;announced&quot;: the match commentator may say some teams&apos; and players&apos; original names, since the spoken names are recordings the editor cannot change.</extracomment>
        <translation>V A R N I N G !

Den här åtgärden sparar dina ändringar i Golvars datafiler PERMANENT. Kommentatorn kan nämna vissa lag och spelare med deras ursprungliga namn.

Om du inte vill göra permanenta ändringar i filerna rekommenderas du att använda Arkiv/Exportera.

Vill du fortsätta?</translation>
    </message>
    <message>
        <source>Select directory to export the league&apos;s DB files to:</source>
        <translation>Välj mappen som ligans DB-filer ska exporteras till:</translation>
    </message>
    <message>
        <source>Exporting League...</source>
        <translation>Exporterar liga...</translation>
    </message>
    <message>
        <source>This directory already holds DB files. Do you want to replace them?</source>
        <translation>Den här mappen innehåller redan DB-filer. Vill du ersätta dem?</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tangentbord</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Innehåll</translation>
    </message>
    <message>
        <source>The window</source>
        <translation>Fönstret</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Kommandon</translation>
    </message>
    <message>
        <source>Saving and backup</source>
        <translation>Spara och säkerhetskopiera</translation>
    </message>
    <message>
        <source>Delete works on the pane that has the focus; in a text box it deletes text as usual. A deleted team or player comes back with Undo. Cut, then Paste on a team, moves the player there.</source>
        <translation>Ta bort verkar på den ruta som har fokus; i en textruta tar den bort text som vanligt. Ett borttaget lag eller en borttagen spelare kommer tillbaka med Ångra. Klipp ut och sedan Klistra in på ett lag flyttar spelaren dit.</translation>
    </message>
</context>
<context>
    <name>gametexts</name>
    <message>
        <source>The save was refused and nothing was written: read back, %1 %2 would have %3 %4 in the files, where the editor holds %5.</source>
        <translation>Sparandet avvisades och inget skrevs: vid tillbakaläsningen skulle posten %1 %2 ha %3 = %4 i filerna, medan redigeraren har %5.</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: the files it built could not be read back (%1).</source>
        <translation>Sparandet avvisades och inget skrevs: filerna som byggdes kunde inte läsas tillbaka (%1).</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: it meant to write %1 players and %2 teams, and read back %3 and %4.</source>
        <translation>Sparandet avvisades och inget skrevs: det skulle skriva %1 spelare och %2 lag men läste tillbaka %3 och %4.</translation>
    </message>
    <message>
        <source>Error writing to Team Data File.</source>
        <translation>Fel vid skrivning till lagdatafilen.</translation>
    </message>
    <message>
        <source>Error writing to Team Name File.</source>
        <translation>Fel vid skrivning till lagnamnsfilen.</translation>
    </message>
    <message>
        <source>Error writing to Player Data File.</source>
        <translation>Fel vid skrivning till spelardatafilen.</translation>
    </message>
    <message>
        <source>Error writing to Player Name File.</source>
        <translation>Fel vid skrivning till spelarnamnsfilen.</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: the data in the editor was not read whole from the game&apos;s files in %1, and saving it would replace them with less than they hold.</source>
        <translation>Sparandet avvisades och inget skrevs: data i redigeraren lästes inte in helt från spelets filer i %1, och att spara dem skulle ersätta filerna med mindre än de innehåller.</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: the data in the editor was read from %1, not from %2.</source>
        <translation>Sparandet avvisades och inget skrevs: data i redigeraren lästes från %1, inte från %2.</translation>
    </message>
</context>
<context>
    <name>globalmodtexts</name>
    <message>
        <source>Global Modifications</source>
        <translation>Globala ändringar</translation>
    </message>
    <message>
        <source>Value to change:</source>
        <extracomment>The amount added to (or, when negative, taken from) each ticked skill.</extracomment>
        <translation>Värde att ändra med:</translation>
    </message>
    <message>
        <source>Type of Players</source>
        <translation>Spelartyp</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Färdigheter</translation>
    </message>
    <message>
        <source>Defenders</source>
        <translation>Försvarare</translation>
    </message>
    <message>
        <source>Midfielders</source>
        <translation>Mittfältare</translation>
    </message>
    <message>
        <source>Forwards</source>
        <translation>Anfallare</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Acceleration</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Smidighet</translation>
    </message>
    <message>
        <source>Awareness</source>
        <translation>Spelförståelse</translation>
    </message>
    <message>
        <source>Ball Control</source>
        <translation>Bollkontroll</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Kreativitet</translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation>Kondition</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Huvudspel</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Passningar</translation>
    </message>
    <message>
        <source>Reaction</source>
        <translation>Reaktion</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Snabbhet</translation>
    </message>
    <message>
        <source>Tackle</source>
        <translation>Tackling</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Ange ett heltal mellan %1 och %2.</translation>
    </message>
    <message>
        <source>%1 %2 for %3</source>
        <translation>%1 %2 för %3</translation>
    </message>
    <message>
        <source>All skills</source>
        <translation>Alla färdigheter</translation>
    </message>
    <message>
        <source>No skill</source>
        <translation>Ingen färdighet</translation>
    </message>
    <message>
        <source>player</source>
        <translation>spelare</translation>
    </message>
    <message>
        <source>players</source>
        <translation>spelare</translation>
    </message>
    <message>
        <source>Goalkeepers</source>
        <translation>Målvakter</translation>
    </message>
    <message>
        <source>Shot Power</source>
        <translation>Skottkraft</translation>
    </message>
    <message>
        <source>Shot Accuracy</source>
        <translation>Skottprecision</translation>
    </message>
    <message>
        <source>Type an amount other than 0 to enable “OK”.</source>
        <translation>Skriv ett värde som inte är 0 för att aktivera ”OK”.</translation>
    </message>
    <message>
        <source>Tick at least one type of players to enable “OK”.</source>
        <translation>Markera minst en spelartyp för att aktivera ”OK”.</translation>
    </message>
</context>
<context>
    <name>keptleaguetexts</name>
    <message>
        <source>Remove the imported league %1 from Obrix? Its teams and its edits will be gone, and it will not come back at the next start.</source>
        <translation>Ta bort den importerade ligan %1 från Obrix? Dess lag och ändringar försvinner, och den kommer inte tillbaka vid nästa start.</translation>
    </message>
    <message>
        <source>The imported leagues could not be kept in %1: %2</source>
        <translation>De importerade ligorna kunde inte förvaras i %1: %2</translation>
    </message>
    <message>
        <source>The kept leagues in %1 could not be read: %2.
The file is left as it is; the leagues it holds are not in this run.</source>
        <translation>De behållna ligorna i %1 kunde inte läsas: %2.
Filen lämnas som den är; ligorna i den är inte med den här gången.</translation>
    </message>
    <message>
        <source>The folder of the kept leagues, %1, could not be read: %2.
Nothing in it is changed; the leagues kept there are not in this run.</source>
        <translation>Mappen med de behållna ligorna, %1, kunde inte läsas: %2.
Inget i den ändras; ligorna som förvaras där är inte med den här gången.</translation>
    </message>
    <message>
        <source>The kept league %1 (kept by an earlier version of Obrix in %2) could not be read again.
Its files are left as they are, where File/Import can try them again.</source>
        <translation>Den behållna ligan %1 (förvarad av en tidigare version av Obrix i %2) kunde inte läsas igen.
Dess filer lämnas som de är, där Arkiv/Importera kan försöka med dem igen.</translation>
    </message>
    <message>
        <source>The imported leagues were kept in %1, because %2 was not read in this run and is left as it is.</source>
        <translation>De importerade ligorna förvarades i %1, eftersom %2 inte lästes den här gången och lämnas som den är.</translation>
    </message>
    <message>
        <source>Imported leagues are kept by Obrix, not in the Golvar data files: they come back the next time Obrix starts. To bring their players into the game, move or copy them onto game teams (the Transfer page, Cut and Paste, or dragging them). The files have no record of their own for such a player: the save writes him over the game player whose id is the low 16 bits of his, often of another club, who is then gone; the save&apos;s question and the Changes view name each one first. Use File/Export to share the league.</source>
        <translation>Importerade ligor sparas av Obrix, inte i Golvars datafiler: de kommer tillbaka nästa gång Obrix startar. För att få in deras spelare i spelet flyttar eller kopierar du dem till spelets lag (fliken Flytta, Klipp ut och Klistra in, eller genom att dra dem). Filerna har ingen egen post för en sådan spelare: när du sparar skrivs han över den av spelets spelare vars id är de lägsta 16 bitarna av hans eget, ofta en spelare i en annan klubb, som då försvinner; frågan när du sparar och vyn Ändringar nämner var och en först. Använd Arkiv/Exportera för att dela ligan.</translation>
    </message>
    <message>
        <source>Imported league: kept by Obrix, not in the Golvar data files.
To bring its players into the game, move or copy them onto game teams: the save writes each over the game player whose id is the low 16 bits of his (named first); export it with File/Export to share it.</source>
        <translation>Importerad liga: sparas av Obrix, inte i Golvars datafiler.
För att få in dess spelare i spelet flyttar eller kopierar du dem till spelets lag: när du sparar skrivs var och en över den av spelets spelare vars id är de lägsta 16 bitarna av hans eget (nämns först); exportera ligan med Arkiv/Exportera för att dela den.</translation>
    </message>
    <message>
        <source>another program is keeping leagues there and did not finish in time; nothing there was changed</source>
        <translation>ett annat program sparar ligor där och blev inte klart i tid; ingenting där ändrades</translation>
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
        <translation>Ljusröd</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Röd</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Ljusorange</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Brun</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gul</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Guld</translation>
    </message>
    <message>
        <source>Dark Gold</source>
        <translation>Mörkt guld</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Ljusgrön</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grön</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Mörkgrön</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Ljusblå</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blå</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>Mörkblå</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marinblå</translation>
    </message>
    <message>
        <source>Light Purple</source>
        <translation>Ljuslila</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Dark Purple</source>
        <translation>Mörklila</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Vit</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>Ljusgrå</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>Mörkgrå</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Svart</translation>
    </message>
    <message>
        <source>Not Used</source>
        <translation>Används inte</translation>
    </message>
</context>
<context>
    <name>limittexts</name>
    <message>
        <source>league</source>
        <translation>liga</translation>
    </message>
    <message>
        <source>team</source>
        <translation>lag</translation>
    </message>
    <message>
        <source>player</source>
        <translation>spelare</translation>
    </message>
    <message>
        <source>League &quot;%1&quot; (id %2)</source>
        <translation>Ligan ”%1” (id %2)</translation>
    </message>
    <message>
        <source>Team &quot;%1&quot; (id %2)</source>
        <translation>Laget ”%1” (id %2)</translation>
    </message>
    <message>
        <source>Player &quot;%1&quot; (id %2)</source>
        <translation>Spelaren ”%1” (id %2)</translation>
    </message>
    <message>
        <source>%1: the %2 is %3 bytes long in the game&apos;s encoding; the game&apos;s files hold at most %4.</source>
        <translation>%1: fältet %2 är %3 byte långt i spelets teckenkodning; spelets filer rymmer högst %4.</translation>
    </message>
    <message>
        <source>%1: the %2 holds a NUL character, which would end it in the game&apos;s files.</source>
        <translation>%1: fältet %2 innehåller ett NUL-tecken, som skulle avsluta det i spelets filer.</translation>
    </message>
    <message>
        <source>%1: a league name beginning with &quot;EC&quot; marks one of the game&apos;s European competitions, which the editor shows with a leading &quot;x&quot;. Begin the name with &quot;xEC&quot; for a competition, or choose another name.</source>
        <translation>%1: ett liganamn som börjar med ”EC” betecknar en av spelets Europacuper, som redigeraren visar med ett inledande ”x”. Börja namnet med ”xEC” för en cup, eller välj ett annat namn.</translation>
    </message>
    <message>
        <source>%1: %2 is %3; the game&apos;s files hold %4 at most.</source>
        <translation>%1: %2 är %3; spelets filer rymmer högst %4.</translation>
    </message>
    <message>
        <source>%1: the id does not fit the game&apos;s files, which hold ids up to %2.</source>
        <translation>%1: id-numret får inte plats i spelets filer, som rymmer id upp till %2.</translation>
    </message>
    <message>
        <source>%1: %2 names id %3; the game&apos;s files hold ids up to 65535.</source>
        <translation>%1: %2 anger id %3; spelets filer rymmer id upp till 65535.</translation>
    </message>
    <message>
        <source>%1 lists %2 players; the game&apos;s files hold 26 for a team, the rest would be lost at save.</source>
        <translation>%1 har %2 spelare; spelets filer rymmer 26 per lag, resten skulle gå förlorade när du sparar.</translation>
    </message>
    <message>
        <source>%1 has %2 team slots; the game&apos;s files hold at most 63 for a league.</source>
        <translation>%1 har %2 lagplatser; spelets filer rymmer högst 63 per liga.</translation>
    </message>
    <message>
        <source>%1 League consist an odd number (%2) of teams. Please make sure that only even numbers of teams are used.</source>
        <translation>Ligan %1 består av ett udda antal lag (%2). Se till att ligorna bara har ett jämnt antal lag.</translation>
    </message>
    <message>
        <source>The player table would begin at %1, beyond the 16-bit position the game reads (below 65536): delete teams or leagues.</source>
        <translation>Spelartabellen skulle börja på %1, bortom den 16-bitarsposition som spelet läser (under 65536): ta bort lag eller ligor.</translation>
    </message>
    <message>
        <source>%1 is a league of the game, and team %2 was imported: the game&apos;s files have no record for it, so the league cannot list it. To bring its players into the game, move or copy them onto game teams (the Transfer page, Cut and Paste, or dragging them) and save: the save writes each over the game player whose id is the low 16 bits of his, and names each one before it does.</source>
        <translation>%1 är en av spelets ligor, och laget %2 är importerat: spelets filer har ingen post för det, så ligan kan inte ta upp det. För att få in lagets spelare i spelet flyttar eller kopierar du dem till spelets lag (fliken Flytta, Klipp ut och Klistra in, eller genom att dra dem) och sparar: när du sparar skrivs var och en över den av spelets spelare vars id är de lägsta 16 bitarna av hans eget, och var och en nämns först.</translation>
    </message>
    <message>
        <source>%1 cannot go onto %2, a team of the game: his %3 is %4, and the game&apos;s files hold %5 at most. Set his %3 to %5 or less first; on his imported team he may keep %4.</source>
        <translation>%1 kan inte gå till %2, ett av spelets lag: hans %3 är %4, och spelets filer rymmer högst %5. Sätt först hans %3 till %5 eller lägre; i sitt importerade lag får han behålla %4.</translation>
    </message>
    <message>
        <source>%1 is to go onto a team of the game at the next save, whose files hold %4 at most for his %2, so it cannot be %3. Undo his move onto that team first to give him a larger value.</source>
        <translation>%1 ska till ett av spelets lag när du sparar nästa gång, och spelets filer rymmer högst %4 för hans %2, så det kan inte vara %3. Ångra först hans flytt till det laget för att ge honom ett större värde.</translation>
    </message>
</context>
<context>
    <name>locktexts</name>
    <message>
        <source>%1: the game folder is in use by another program.</source>
        <translation>%1: spelmappen används av ett annat program.</translation>
    </message>
    <message>
        <source>%1: another program is saving the game&apos;s files; its unfinished save is left for it to finish.</source>
        <translation>%1: ett annat program sparar spelets filer. Obrix låter det programmet slutföra sparandet.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 är en mapp, inte en vanlig fil, så spelets filer kan inte låsas mot andra program. Ta bort den och försök igen.</translation>
    </message>
    <message>
        <source>%1 is a link, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 är en länk, inte en vanlig fil, så spelets filer kan inte låsas mot andra program. Ta bort den och försök igen.</translation>
    </message>
    <message>
        <source>%1 is a pipe, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 är en pipe, inte en vanlig fil, så spelets filer kan inte låsas mot andra program. Ta bort den och försök igen.</translation>
    </message>
    <message>
        <source>%1 is a device, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 är en enhet, inte en vanlig fil, så spelets filer kan inte låsas mot andra program. Ta bort den och försök igen.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 är ingen vanlig fil, så spelets filer kan inte låsas mot andra program. Ta bort den och försök igen.</translation>
    </message>
    <message>
        <source>%1 cannot be locked (%2), so the game&apos;s files cannot be locked against other programs.</source>
        <translation>%1 kan inte låsas (%2), så spelets filer kan inte låsas mot andra program.</translation>
    </message>
</context>
<context>
    <name>pagetexts</name>
    <message>
        <source>About Obrix</source>
        <translation>Om Obrix</translation>
    </message>
    <message>
        <source>The game&apos;s files cannot hold these characters: %s
The name is kept as it was.</source>
        <translation>Spelets filer kan inte lagra dessa tecken: %s
Namnet behålls som det var.</translation>
    </message>
    <message>
        <source>Edit Player</source>
        <translation>Redigera spelare</translation>
    </message>
    <message>
        <source>Apply Preset</source>
        <translation>Använd mall</translation>
    </message>
    <message>
        <source>Edit Team</source>
        <translation>Redigera lag</translation>
    </message>
    <message>
        <source>Change Kit</source>
        <translation>Ändra matchställ</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spelare</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Utseende</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Färdigheter</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Mallar</translation>
    </message>
    <message>
        <source>A player must have a name. The name is kept as it was.</source>
        <translation>En spelare måste ha ett namn. Namnet behålls som det var.</translation>
    </message>
    <message>
        <source>Number %d has already been used.</source>
        <translation>Nummer %d används redan.</translation>
    </message>
    <message>
        <source>Originally: %s from %s</source>
        <translation>Ursprungligen: %s från %s</translation>
    </message>
    <message>
        <source>Max. Attributes</source>
        <extracomment>A button: sets every skill of the player to the highest value, 16.</extracomment>
        <translation>Max. färdigheter</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Återställ allt</translation>
    </message>
    <message>
        <source>Commentary</source>
        <extracomment>A check box: the match commentator says this player&apos;s name. Kept in the game&apos;s own words.</extracomment>
        <translation>Namn i kommenteringen</translation>
    </message>
    <message>
        <source>No.:</source>
        <translation>Nr:</translation>
    </message>
    <message>
        <source>Pos:</source>
        <translation>Pos:</translation>
    </message>
    <message>
        <source>Hair:</source>
        <translation>Frisyr:</translation>
    </message>
    <message>
        <source>Face:</source>
        <translation>Ansikte:</translation>
    </message>
    <message>
        <source>Facial Hair:</source>
        <translation>Skägg:</translation>
    </message>
    <message>
        <source>Skin Colour:</source>
        <translation>Hudfärg:</translation>
    </message>
    <message>
        <source>Hair Colour:</source>
        <translation>Hårfärg:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Betyg:</translation>
    </message>
    <message>
        <source>Nat.:</source>
        <translation>Nat.:</translation>
    </message>
    <message>
        <source>Acceleration:</source>
        <translation>Acceleration:</translation>
    </message>
    <message>
        <source>Agility:</source>
        <translation>Smidighet:</translation>
    </message>
    <message>
        <source>Awareness:</source>
        <extracomment>Vision of play: how well the player reads the game (not his positioning).</extracomment>
        <translation>Spelförståelse:</translation>
    </message>
    <message>
        <source>Ball Control:</source>
        <translation>Bollkontroll:</translation>
    </message>
    <message>
        <source>Creativity:</source>
        <translation>Kreativitet:</translation>
    </message>
    <message>
        <source>Fitness:</source>
        <translation>Kondition:</translation>
    </message>
    <message>
        <source>Heading:</source>
        <translation>Huvudspel:</translation>
    </message>
    <message>
        <source>Passing:</source>
        <translation>Passningar:</translation>
    </message>
    <message>
        <source>Reaction:</source>
        <translation>Reaktion:</translation>
    </message>
    <message>
        <source>Shot Power:</source>
        <translation>Skottkraft:</translation>
    </message>
    <message>
        <source>Shot Acc.</source>
        <extracomment>Shot accuracy; short, for want of room beside its box.</extracomment>
        <translation>Skottprec.</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Snabbhet:</translation>
    </message>
    <message>
        <source>Tackle:</source>
        <translation>Tackling:</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Namn:</translation>
    </message>
    <message>
        <source>Home Kit</source>
        <translation>Hemmaställ</translation>
    </message>
    <message>
        <source>Away Kit</source>
        <translation>Bortaställ</translation>
    </message>
    <message>
        <source>Bankroll must be a whole number between %d and %d</source>
        <translation>Kassan måste vara ett heltal mellan %d och %d</translation>
    </message>
    <message>
        <source>Bankroll must be between %d and %d</source>
        <translation>Kassan måste vara mellan %d och %d</translation>
    </message>
    <message>
        <source>A team must have a name. The name is kept as it was.</source>
        <translation>Ett lag måste ha ett namn. Namnet behålls som det var.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Ange ett heltal.</translation>
    </message>
    <message>
        <source>The jersey editor Weftor was found but could not be started.</source>
        <translation>Tröjredigeraren Weftor hittades men kunde inte startas.</translation>
    </message>
    <message>
        <source>Needs the jersey editor Weftor, which was looked for in %1 and on the PATH, and not found.</source>
        <translation>Kräver tröjredigeraren Weftor, som söktes i %1 och i PATH utan att hittas.</translation>
    </message>
    <message>
        <source>Edits the jersey texture with %1</source>
        <translation>Redigerar tröjans textur med %1</translation>
    </message>
    <message>
        <source>Abb.</source>
        <extracomment>The team&apos;s abbreviation: its name in a few letters.</extracomment>
        <translation>Förk.</translation>
    </message>
    <message>
        <source>Short Name:</source>
        <translation>Kortnamn:</translation>
    </message>
    <message>
        <source>Bankroll:</source>
        <translation>Kassa:</translation>
    </message>
    <message>
        <source>Primary:</source>
        <translation>Primär:</translation>
    </message>
    <message>
        <source>Secondary:</source>
        <translation>Sekundär:</translation>
    </message>
    <message>
        <source>Tertiary:</source>
        <translation>Tertiär:</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Redigera...</translation>
    </message>
    <message>
        <source>Use Preset Colours</source>
        <translation>Använd förinställda färger</translation>
    </message>
    <message>
        <source>Jersey</source>
        <translation>Tröja</translation>
    </message>
    <message>
        <source>Shorts</source>
        <translation>Byxor</translation>
    </message>
    <message>
        <source>Socks</source>
        <translation>Strumpor</translation>
    </message>
    <message>
        <source>Goalie:</source>
        <translation>Målvakt:</translation>
    </message>
    <message>
        <source>Defender:</source>
        <translation>Försvarare:</translation>
    </message>
    <message>
        <source>Midfielder:</source>
        <translation>Mittfältare:</translation>
    </message>
    <message>
        <source>Forward:</source>
        <translation>Anfallare:</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stjärna</translation>
    </message>
    <message>
        <source>Good</source>
        <extracomment>A preset of skills: good, between Star and average.</extracomment>
        <translation>Bra</translation>
    </message>
    <message>
        <source>Ave.</source>
        <extracomment>A preset of skills: average.</extracomment>
        <translation>Medel</translation>
    </message>
    <message>
        <source>White</source>
        <comment>skin colour</comment>
        <translation>Ljus</translation>
    </message>
    <message>
        <source>Tanned</source>
        <comment>skin colour</comment>
        <translation>Solbränd</translation>
    </message>
    <message>
        <source>Brown</source>
        <comment>skin colour</comment>
        <translation>Brun</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>skin colour</comment>
        <translation>Mörk</translation>
    </message>
    <message>
        <source>Blond</source>
        <comment>hair colour</comment>
        <translation>Blont</translation>
    </message>
    <message>
        <source>Brown</source>
        <comment>hair colour</comment>
        <translation>Brunt</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>hair colour</comment>
        <translation>Rött</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>hair colour</comment>
        <translation>Svart</translation>
    </message>
    <message>
        <source>This box holds at most %1 bytes of the game&apos;s text (a letter takes one, a Japanese character two).</source>
        <translation>Den här rutan rymmer högst %1 byte speltext (en bokstav tar en, ett japanskt tecken två).</translation>
    </message>
    <message>
        <source>A skill must be between %1 and %2. The skill is kept as it was.</source>
        <translation>En färdighet måste ligga mellan %1 och %2. Färdigheten behålls som den var.</translation>
    </message>
</context>
<context>
    <name>roster</name>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Betyg</translation>
    </message>
    <message>
        <source>Acl</source>
        <translation>Acc</translation>
    </message>
    <message>
        <source>Agl</source>
        <translation>Smi</translation>
    </message>
    <message>
        <source>Awr</source>
        <translation>Spf</translation>
    </message>
    <message>
        <source>Bct</source>
        <translation>Bko</translation>
    </message>
    <message>
        <source>Cre</source>
        <translation>Kre</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Kon</translation>
    </message>
    <message>
        <source>Hea</source>
        <translation>Huv</translation>
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
        <translation>Skk</translation>
    </message>
    <message>
        <source>Sac</source>
        <translation>Skp</translation>
    </message>
    <message>
        <source>Spd</source>
        <translation>Sna</translation>
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
        <translation>Golvar-mappen hittades inte i registret. Vill du välja den själv?</translation>
    </message>
    <message>
        <source>Select Golvar directory</source>
        <translation>Välj Golvar-mapp</translation>
    </message>
</context>
<context>
    <name>statstexts</name>
    <message>
        <source>Please select a team/league to add.</source>
        <translation>Välj ett lag eller en liga att lägga till.</translation>
    </message>
    <message>
        <source>Printing is not available: its module was not found with the editor.</source>
        <translation>Utskrift är inte tillgänglig: utskriftsmodulen hittades inte bland redigerarens filer.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Det gick inte att starta skrivaren.</translation>
    </message>
    <message>
        <source>Please select team(s) to be removed first.</source>
        <translation>Välj först de lag som ska tas bort.</translation>
    </message>
    <message>
        <source>Please select team(s) to be exported first.</source>
        <translation>Välj först de lag som ska exporteras.</translation>
    </message>
    <message>
        <source>Writing data for players of : %s...</source>
        <translation>Skriver data för spelarna i: %s...</translation>
    </message>
    <message>
        <source>Processing data for player of : %s...</source>
        <translation>Bearbetar data för spelarna i: %s...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*|</source>
        <translation>Textfiler (*.TXT)|*.TXT|Alla filer (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Lägg till</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Ta bort</translation>
    </message>
    <message>
        <source>A&amp;dd All</source>
        <translation>Lägg till &amp;alla</translation>
    </message>
    <message>
        <source>Re&amp;move All</source>
        <translation>Ta &amp;bort alla</translation>
    </message>
    <message>
        <source>Plain Text</source>
        <translation>Vanlig text</translation>
    </message>
    <message>
        <source>Delimited Text</source>
        <translation>Avgränsad text</translation>
    </message>
    <message>
        <source>&amp;Write to File</source>
        <translation>&amp;Skriv till fil</translation>
    </message>
    <message>
        <source>Player &amp;Stats</source>
        <translation>Spela&amp;rstatistik</translation>
    </message>
    <message>
        <source>&amp;Characteristics</source>
        <translation>&amp;Egenskaper</translation>
    </message>
    <message>
        <source>&amp;Filters</source>
        <translation>&amp;Filter</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Skri&amp;v ut</translation>
    </message>
    <message>
        <source>&amp;Update Grid</source>
        <translation>&amp;Uppdatera tabell</translation>
    </message>
    <message>
        <source>Filters:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>None: the grid lists every player of the chosen teams</source>
        <translation>Inga: tabellen visar alla spelare i de valda lagen</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Nationality</source>
        <translation>Nationalitet</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Value</source>
        <extracomment>The player&apos;s market value.</extracomment>
        <translation>Marknadsvärde</translation>
    </message>
    <message>
        <source>International</source>
        <extracomment>Whether the player plays for his national team.</extracomment>
        <translation>Landslagsspelare</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Acceleration</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Smidighet</translation>
    </message>
    <message>
        <source>Awareness</source>
        <extracomment>Vision of play: how well the player reads the game (not his positioning).</extracomment>
        <translation>Spelförståelse</translation>
    </message>
    <message>
        <source>Ball Control</source>
        <translation>Bollkontroll</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Kreativitet</translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation>Kondition</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Huvudspel</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Passningar</translation>
    </message>
    <message>
        <source>Reaction</source>
        <translation>Reaktion</translation>
    </message>
    <message>
        <source>Shot Acc</source>
        <translation>Skottprec.</translation>
    </message>
    <message>
        <source>Shot Power</source>
        <translation>Skottkraft</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Snabbhet</translation>
    </message>
    <message>
        <source>Tackle</source>
        <translation>Tackling</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Betyg</translation>
    </message>
    <message>
        <source>EQ</source>
        <extracomment>A filter&apos;s comparison: equal to.</extracomment>
        <translation>Lika med</translation>
    </message>
    <message>
        <source>GT</source>
        <extracomment>A filter&apos;s comparison: greater than.</extracomment>
        <translation>Större än</translation>
    </message>
    <message>
        <source>LT</source>
        <extracomment>A filter&apos;s comparison: less than.</extracomment>
        <translation>Mindre än</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
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
        <translation>&amp;Återställ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
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
        <translation>Försvarare</translation>
    </message>
    <message>
        <source>Midfielder</source>
        <translation>Mittfältare</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Anfallare</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Hair Colour</source>
        <translation>Hårfärg</translation>
    </message>
    <message>
        <source>Hair Type</source>
        <translation>Frisyr</translation>
    </message>
    <message>
        <source>Facial Hair</source>
        <translation>Skägg</translation>
    </message>
    <message>
        <source>Skin Colour</source>
        <translation>Hudfärg</translation>
    </message>
    <message>
        <source>Skill Ave</source>
        <extracomment>The average of the player&apos;s skills.</extracomment>
        <translation>Färd.snitt</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>Acl</source>
        <translation>Acc</translation>
    </message>
    <message>
        <source>Agl</source>
        <translation>Smi</translation>
    </message>
    <message>
        <source>Awr</source>
        <extracomment>Awareness, in about three letters: vision of play.</extracomment>
        <translation>Spf</translation>
    </message>
    <message>
        <source>Bct</source>
        <translation>Bko</translation>
    </message>
    <message>
        <source>Cre</source>
        <translation>Kre</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Kon</translation>
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
        <translation>Skk</translation>
    </message>
    <message>
        <source>Sac</source>
        <translation>Skp</translation>
    </message>
    <message>
        <source>Spd</source>
        <translation>Sna</translation>
    </message>
    <message>
        <source>Tac</source>
        <translation>Tac</translation>
    </message>
    <message>
        <source>Hea</source>
        <translation>Huv</translation>
    </message>
    <message>
        <source>The report could not be written: %1</source>
        <translation>Rapporten kunde inte skrivas: %1</translation>
    </message>
</context>
<context>
    <name>thumbnailtexts</name>
    <message>
        <source>%1 of the 64 jersey thumbnails could not be made:
%2</source>
        <translation>%1 av de 64 tröjminiatyrerna kunde inte skapas:
%2</translation>
    </message>
    <message>
        <source>%1: not a texture with a whole jersey picture</source>
        <translation>%1: ingen textur med en hel tröjbild</translation>
    </message>
</context>
<context>
    <name>transfertexts</name>
    <message>
        <source>Select a player or a team on each side, then &quot;&lt;----&gt;&quot; moves or swaps them.</source>
        <translation>Välj en spelare eller ett lag på var sida; sedan flyttar ”&lt;----&gt;” dem eller byter plats på dem.</translation>
    </message>
    <message>
        <source>A league cannot be transferred: select a team or a player.</source>
        <translation>En liga kan inte flyttas: välj ett lag eller en spelare.</translation>
    </message>
    <message>
        <source>&quot;&lt;----&gt;&quot; moves %1 from %2 to %3.</source>
        <translation>”&lt;----&gt;” flyttar %1 från %2 till %3.</translation>
    </message>
    <message>
        <source>&quot;&lt;----&gt;&quot; swaps %1 of %2 and %3 of %4.</source>
        <translation>”&lt;----&gt;” byter plats på %1 i %2 och %3 i %4.</translation>
    </message>
    <message>
        <source>&quot;&lt;----&gt;&quot; swaps %1 and %2: names, kits and players.</source>
        <translation>”&lt;----&gt;” byter plats på %1 och %2: namn, matchställ och spelare.</translation>
    </message>
    <message>
        <source>%1 is already in %2.</source>
        <translation>%1 finns redan i %2.</translation>
    </message>
    <message>
        <source>Creating Transfer Tables...</source>
        <translation>Skapar övergångstabeller...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Can&apos;t transfer league.</source>
        <translation>Det går inte att flytta en liga.</translation>
    </message>
    <message>
        <source>This team already has 20 players. To give it more, up to 26, choose it in the left-hand list of the Transfer page.</source>
        <translation>Laget har redan 20 spelare. Välj det i den vänstra listan på fliken Övergångar för att ge det fler, upp till 26.</translation>
    </message>
    <message>
        <source>This team is full: a team holds at most 26 players.</source>
        <translation>Truppen är full: ett lag har högst 26 spelare.</translation>
    </message>
    <message>
        <source>A team cannot have fewer than 11 players.</source>
        <translation>Ett lag kan inte ha färre än 11 spelare.</translation>
    </message>
</context>
</TS>
