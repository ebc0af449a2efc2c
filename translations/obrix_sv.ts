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
        <source>Please close down Obrix and restart before change of language takes effect!</source>
        <translation>Stäng Obrix och starta om det för att språkbytet ska gälla!</translation>
    </message>
    <message>
        <source>Language of the game&apos;s names:</source>
        <translation>Språk för spelets namn:</translation>
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
        <source>Swap Teams</source>
        <translation>Byt plats på lag</translation>
    </message>
    <message>
        <source>Swap Players</source>
        <translation>Byt plats på spelare</translation>
    </message>
    <message>
        <source>Move Player</source>
        <translation>Flytta spelare</translation>
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
        <translation>Plocka bort ligan ”%1”</translation>
    </message>
    <message>
        <source>Apply Remembered Team</source>
        <translation>Tillämpa ihågkommet lag</translation>
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
        <source>Restore Backup puts back the game&apos;s files as they were backed up on %1. Choose Another Folder opens a different Golvar folder.</source>
        <translation>Återställ säkerhetskopia lägger tillbaka spelets filer så som de säkerhetskopierades %1. Välj en annan mapp öppnar en annan Golvar-mapp.</translation>
    </message>
    <message>
        <source>There is no usable backup of this folder to restore. Choose Another Folder opens a different Golvar folder.</source>
        <translation>Det finns ingen användbar säkerhetskopia av den här mappen att återställa. Välj en annan mapp öppnar en annan Golvar-mapp.</translation>
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
        <source>The game&apos;s files were changed by another program since Obrix read them (%1).

Reload reads them again and drops your changes. Save Over Them replaces what the other program saved with the data shown here.</source>
        <translation>Spelets filer har ändrats av ett annat program sedan Obrix läste dem (%1).

Läs in igen läser dem på nytt och kastar dina ändringar. Spara över dem ersätter det som det andra programmet sparade med de data som visas här.</translation>
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
        <source>Player %s (%u) was listed by a team when the files were read and is listed by no team now.</source>
        <translation>Spelaren %s (%u) fanns i ett lag när filerna lästes in men finns inte i något lag nu.</translation>
    </message>
    <message>
        <source>The %s %u has an empty %s.</source>
        <translation>Posten %s %u har ett tomt fält: %s.</translation>
    </message>
    <message>
        <source>The %s %s (%u) has %s = %lld; the game uses %lld..%lld.</source>
        <translation>Posten %s %s (%u) har %s = %lld; spelet använder %lld..%lld.</translation>
    </message>
</context>
<context>
    <name>editingtexts</name>
    <message>
        <source>Too many players (26) in this team already!</source>
        <translation>Laget har redan för många spelare (26)!</translation>
    </message>
    <message>
        <source>Cannot edit European Competition Fixtures.</source>
        <translation>Det går inte att redigera spelschemat för Europacuperna.</translation>
    </message>
    <message>
        <source>Can only copy a player to clipboard!</source>
        <translation>Endast en spelare kan kopieras till urklipp!</translation>
    </message>
    <message>
        <source>Can only paste player to a team!</source>
        <translation>En spelare kan bara klistras in i ett lag!</translation>
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
        <source>Failed!  %s
(Code is %d)</source>
        <translation>Misslyckades!  %s
(Felkod %d)</translation>
    </message>
    <message>
        <source>FormatMessage() failed!</source>
        <translation>FormatMessage() misslyckades!</translation>
    </message>
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
        <translation>Filen CUSTOM.DB verkar vara skadad. Importen misslyckades!</translation>
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
        <translation>Databasen har ingen liga på plats %d som GLV-filens lag kan bygga på. Importen misslyckades!</translation>
    </message>
    <message>
        <source>Team %d of the GLV file has no team to be based on in the league at position %d. Import failed!</source>
        <translation>Lag %d i GLV-filen har inget lag att bygga på i ligan på plats %d. Importen misslyckades!</translation>
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
</context>
<context>
    <name>keptleaguetexts</name>
    <message>
        <source>Imported league: kept by Obrix, not in the Golvar data files.
To bring its players into the game, move or copy them onto game teams; export it with File/Export to share it.</source>
        <translation>Importerad liga: sparas av Obrix, inte i Golvars datafiler.
För att få in dess spelare i spelet flyttar eller kopierar du dem till spelets lag; exportera ligan med Arkiv/Exportera för att dela den.</translation>
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
        <translation>Max. färdigheter</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Återställ allt</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>Kommentar</translation>
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
        <source>White</source>
        <translation>Vit</translation>
    </message>
    <message>
        <source>Tanned</source>
        <translation>Solbränd</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Brun</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Svart</translation>
    </message>
    <message>
        <source>Blond</source>
        <translation>Blond</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Röd</translation>
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
        <translation>Bra</translation>
    </message>
    <message>
        <source>Ave.</source>
        <translation>Medel</translation>
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
        <translation>Värde</translation>
    </message>
    <message>
        <source>International</source>
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
        <translation>Lika med</translation>
    </message>
    <message>
        <source>GT</source>
        <translation>Större än</translation>
    </message>
    <message>
        <source>LT</source>
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
</context>
</TS>
