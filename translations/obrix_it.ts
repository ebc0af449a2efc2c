<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CAboutBox</name>
    <message>
        <source>A database editor for Golvar: edit its leagues, teams and players, their kits and skills, move players between clubs and bring in leagues made by other players.</source>
        <translation>Un editor del database di Golvar: modifica campionati, squadre e giocatori, le loro divise e abilità, trasferisci giocatori tra club e importa campionati creati da altri giocatori.</translation>
    </message>
    <message>
        <source>Programming and artwork: the Obrix developers at Brannoc.
Thanks to everyone who tried the early versions and sent in their leagues.</source>
        <translation>Programmazione e grafica: gli sviluppatori di Obrix presso Brannoc.
Grazie a tutti coloro che hanno provato le prime versioni e inviato i loro campionati.</translation>
    </message>
    <message>
        <source>About Obrix</source>
        <translation>Informazioni su Obrix</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>CPictureListBox</name>
    <message>
        <source>Shorts %1</source>
        <translation>Pantaloncini %1</translation>
    </message>
    <message>
        <source>Socks %1</source>
        <translation>Calzettoni %1</translation>
    </message>
    <message>
        <source>Jersey %1</source>
        <translation>Maglia %1</translation>
    </message>
</context>
<context>
    <name>CPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Golvar Folder:</source>
        <translation>Cartella di Golvar:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Language of the editor:</source>
        <translation>Lingua dell&apos;editor:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Applied at the next start.</source>
        <translation>Verrà applicata al prossimo avvio.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portoghese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Olandese</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svedese</translation>
    </message>
    <message>
        <source>Please close down Obrix and restart before change of language takes effect!</source>
        <translation>Chiudi Obrix e riavvialo perché il cambio di lingua abbia effetto!</translation>
    </message>
    <message>
        <source>Language of the game&apos;s names:</source>
        <translation>Lingua dei nomi del gioco:</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Cronologia</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>&lt;as loaded&gt;</source>
        <translation>&lt;come caricato&gt;</translation>
    </message>
    <message>
        <source>Swap Teams</source>
        <translation>Scambia squadre</translation>
    </message>
    <message>
        <source>Swap Players</source>
        <translation>Scambia giocatori</translation>
    </message>
    <message>
        <source>Move Player</source>
        <translation>Sposta giocatore</translation>
    </message>
    <message>
        <source>Global Modifications</source>
        <translation>Modifiche globali</translation>
    </message>
    <message>
        <source>Import League &apos;%1&apos;</source>
        <translation>Importa campionato «%1»</translation>
    </message>
    <message>
        <source>Import GLV File</source>
        <translation>Importa file GLV</translation>
    </message>
    <message>
        <source>Delete Team &apos;%1&apos;</source>
        <translation>Elimina squadra «%1»</translation>
    </message>
    <message>
        <source>Delete Player &apos;%1&apos;</source>
        <translation>Elimina giocatore «%1»</translation>
    </message>
    <message>
        <source>Paste Team &apos;%1&apos;</source>
        <translation>Incolla squadra «%1»</translation>
    </message>
    <message>
        <source>Paste Player &apos;%1&apos;</source>
        <translation>Incolla giocatore «%1»</translation>
    </message>
    <message>
        <source>New League &apos;%1&apos;</source>
        <translation>Nuovo campionato «%1»</translation>
    </message>
    <message>
        <source>League Name &apos;%1&apos;</source>
        <translation>Nome campionato «%1»</translation>
    </message>
    <message>
        <source>Remove League &apos;%1&apos;</source>
        <translation>Rimuovi campionato «%1»</translation>
    </message>
    <message>
        <source>Apply Remembered Team</source>
        <translation>Applica squadra memorizzata</translation>
    </message>
</context>
<context>
    <name>apptexts</name>
    <message>
        <source>Loading Player Data...</source>
        <translation>Caricamento dati giocatori...</translation>
    </message>
    <message>
        <source>Loading Team Data...</source>
        <translation>Caricamento dati squadre...</translation>
    </message>
    <message>
        <source>Loading League Data...</source>
        <translation>Caricamento dati campionati...</translation>
    </message>
    <message>
        <source>Reading Player Data...</source>
        <translation>Lettura dati giocatori...</translation>
    </message>
    <message>
        <source>Reading Team Data...</source>
        <translation>Lettura dati squadre...</translation>
    </message>
    <message>
        <source>Reading League Data...</source>
        <translation>Lettura dati campionati...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Cannot read player data.</source>
        <translation>Impossibile leggere i dati dei giocatori.</translation>
    </message>
    <message>
        <source>Cannot read team data.</source>
        <translation>Impossibile leggere i dati delle squadre.</translation>
    </message>
    <message>
        <source>Cannot read league data.</source>
        <translation>Impossibile leggere i dati dei campionati.</translation>
    </message>
    <message>
        <source>%1 The Golvar database in %2 cannot be read:
%3</source>
        <translation>%1 Il database di Golvar in %2 non può essere letto:
%3</translation>
    </message>
    <message>
        <source>Restore Backup puts back the game&apos;s files as they were backed up on %1. Choose Another Folder opens a different Golvar folder.</source>
        <translation>Ripristina backup riporta i file del gioco allo stato del backup del %1. Scegli un&apos;altra cartella apre un&apos;altra cartella di Golvar.</translation>
    </message>
    <message>
        <source>There is no usable backup of this folder to restore. Choose Another Folder opens a different Golvar folder.</source>
        <translation>Non esiste un backup utilizzabile di questa cartella da ripristinare. Scegli un&apos;altra cartella apre un&apos;altra cartella di Golvar.</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Ripristina backup</translation>
    </message>
    <message>
        <source>Choose Another Folder</source>
        <translation>Scegli un&apos;altra cartella</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>You have made modifications to the data of %1. Do you want to save them there before Obrix opens %2?</source>
        <translation>Hai modificato i dati di %1. Vuoi salvarli lì prima che Obrix apra %2?</translation>
    </message>
    <message>
        <source>The Golvar database in %1 cannot be read: %2
Obrix goes on with the database of %3.</source>
        <translation>Il database di Golvar in %1 non può essere letto: %2
Obrix continua con il database di %3.</translation>
    </message>
    <message>
        <source>You have made modifications to the data. Do you want to save the changes before exiting Obrix?</source>
        <translation>Hai modificato i dati. Vuoi salvare le modifiche prima di uscire da Obrix?</translation>
    </message>
    <message>
        <source>The game&apos;s files were changed by another program since Obrix read them (%1).

Reload reads them again and drops your changes. Save Over Them replaces what the other program saved with the data shown here.</source>
        <translation>I file del gioco sono stati modificati da un altro programma dopo che Obrix li ha letti (%1).

Ricarica li rilegge e scarta le tue modifiche. Sovrascrivi sostituisce quanto salvato dall&apos;altro programma con i dati mostrati qui.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Ricarica</translation>
    </message>
    <message>
        <source>Save Over Them</source>
        <translation>Sovrascrivi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Every change you made since the data was last read or saved will be lost. Reload the game&apos;s files?</source>
        <translation>Tutte le modifiche fatte dall&apos;ultima lettura o dall&apos;ultimo salvataggio dei dati andranno perse. Ricaricare i file del gioco?</translation>
    </message>
    <message>
        <source>%1: the game folder is in use by another program. Nothing was saved; please save again once it has finished.</source>
        <translation>%1: la cartella del gioco è usata da un altro programma. Non è stato salvato nulla; salva di nuovo quando avrà finito.</translation>
    </message>
</context>
<context>
    <name>bulktexts</name>
    <message>
        <source>&quot;%s&quot; is not a whole number</source>
        <translation>«%s» non è un numero intero</translation>
    </message>
    <message>
        <source>%lld is outside %lld..%lld, what this field can hold</source>
        <translation>%lld è fuori dall&apos;intervallo %lld..%lld che questo campo può contenere</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>il testo non è UTF-8 valido</translation>
    </message>
    <message>
        <source>&quot;%s&quot; holds a character the game&apos;s encoding cannot store</source>
        <translation>«%s» contiene un carattere che la codifica del gioco non può memorizzare</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is %d bytes in the game&apos;s encoding; at most %lld fit</source>
        <translation>«%s» occupa %d byte nella codifica del gioco; ne entrano al massimo %lld</translation>
    </message>
    <message>
        <source>the list has %d entries; at most %lld fit</source>
        <translation>l&apos;elenco ha %d voci; ne entrano al massimo %lld</translation>
    </message>
    <message>
        <source>the list names %s %lld, which does not exist</source>
        <translation>l&apos;elenco indica %s %lld, che non esiste</translation>
    </message>
    <message>
        <source>the list names %lld twice</source>
        <translation>l&apos;elenco indica %lld due volte</translation>
    </message>
    <message>
        <source>%s follows from other data and cannot be changed (it is %s)</source>
        <translation>%s deriva da altri dati e non può essere modificato (vale %s)</translation>
    </message>
    <message>
        <source>%s is the editor&apos;s own bookkeeping and cannot be changed (it is %s)</source>
        <translation>%s è un dato interno dell&apos;editor e non può essere modificato (vale %s)</translation>
    </message>
    <message>
        <source>there is no %s with id %lld; an import changes records, it does not add them</source>
        <translation>non esiste alcun record %s con id %lld; un&apos;importazione modifica i record, non ne aggiunge</translation>
    </message>
    <message>
        <source>more than one league has id %lld; change those leagues in the editor</source>
        <translation>più di un campionato ha id %lld; modifica quei campionati nell&apos;editor</translation>
    </message>
    <message>
        <source>id %lld is on line %d already</source>
        <translation>l&apos;id %lld è già alla riga %d</translation>
    </message>
    <message>
        <source>the row has %d fields; the header has %d</source>
        <translation>la riga ha %d campi; l&apos;intestazione ne ha %d</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a field of players, teams or leagues</source>
        <translation>«%s» non è un campo di giocatori, squadre o campionati</translation>
    </message>
    <message>
        <source>the column &quot;%s&quot; appears twice</source>
        <translation>la colonna «%s» compare due volte</translation>
    </message>
    <message>
        <source>there is no id column</source>
        <translation>manca la colonna id</translation>
    </message>
    <message>
        <source>the columns do not all belong to one of players, teams or leagues</source>
        <translation>le colonne non appartengono tutte alla stessa tabella tra giocatori, squadre e campionati</translation>
    </message>
    <message>
        <source>the columns fit more than one table; add a column that only one of them has</source>
        <translation>le colonne valgono per più di una tabella; aggiungi una colonna presente in una sola di esse</translation>
    </message>
    <message>
        <source>the file has no header row</source>
        <translation>il file non ha una riga di intestazione</translation>
    </message>
    <message>
        <source>... and %d more problems</source>
        <translation>... e altri %d problemi</translation>
    </message>
    <message>
        <source>League &quot;%s&quot; lists team %s (%u) more than once.</source>
        <translation>Il campionato «%s» elenca la squadra %s (%u) più di una volta.</translation>
    </message>
    <message>
        <source>League &quot;%s&quot; has a slot naming team %u, which does not exist.</source>
        <translation>Il campionato «%s» ha un posto assegnato alla squadra %u, che non esiste.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists %d players; a team needs at least 11.</source>
        <translation>La squadra «%s» ha %d giocatori in rosa; una squadra ne richiede almeno 11.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists player %s (%u) more than once.</source>
        <translation>La squadra «%s» elenca il giocatore %s (%u) più di una volta.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists player %u, which does not exist.</source>
        <translation>La squadra «%s» elenca il giocatore %u, che non esiste.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot;: %s and %s both wear number %d.</source>
        <translation>Squadra «%s»: %s e %s hanno entrambi il numero %d.</translation>
    </message>
    <message>
        <source>Player %s (%u) was listed by a team when the files were read and is listed by no team now.</source>
        <translation>Il giocatore %s (%u) era nella rosa di una squadra quando i file sono stati letti e ora non è nella rosa di nessuna squadra.</translation>
    </message>
    <message>
        <source>The %s %u has an empty %s.</source>
        <translation>Record %s %u: il campo %s è vuoto.</translation>
    </message>
    <message>
        <source>The %s %s (%u) has %s = %lld; the game uses %lld..%lld.</source>
        <translation>Record %s %s (%u): %s = %lld; il gioco usa %lld..%lld.</translation>
    </message>
</context>
<context>
    <name>editingtexts</name>
    <message>
        <source>Too many players (26) in this team already!</source>
        <translation>Questa squadra ha già troppi giocatori (26)!</translation>
    </message>
    <message>
        <source>Cannot edit European Competition Fixtures.</source>
        <translation>Impossibile modificare i calendari delle coppe europee.</translation>
    </message>
    <message>
        <source>Can only copy a player to clipboard!</source>
        <translation>Si può copiare negli appunti solo un giocatore!</translation>
    </message>
    <message>
        <source>Can only paste player to a team!</source>
        <translation>Un giocatore si può incollare solo in una squadra!</translation>
    </message>
    <message>
        <source>New League</source>
        <translation>Nuovo campionato</translation>
    </message>
    <message>
        <source>League Name</source>
        <translation>Nome campionato</translation>
    </message>
    <message>
        <source>Imported League Name</source>
        <translation>Nome del campionato importato</translation>
    </message>
    <message>
        <source>League Name:</source>
        <translation>Nome campionato:</translation>
    </message>
    <message>
        <source>%s of %s %s -&gt; %s</source>
        <translation>%s di %s %s -&gt; %s</translation>
    </message>
    <message>
        <source>%s %s -&gt; %s</source>
        <translation>%s %s -&gt; %s</translation>
    </message>
    <message>
        <source>Cannot find &apos;%1&apos;</source>
        <translation>Impossibile trovare «%1»</translation>
    </message>
    <message>
        <source>%1 has been duplicated to %2</source>
        <translation>%1 è stato duplicato in %2</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>Copiato: %1</translation>
    </message>
</context>
<context>
    <name>exchangetexts</name>
    <message>
        <source>Failed!  %s
(Code is %d)</source>
        <translation>Operazione non riuscita!  %s
(Codice %d)</translation>
    </message>
    <message>
        <source>FormatMessage() failed!</source>
        <translation>FormatMessage() non riuscita!</translation>
    </message>
    <message>
        <source>Import from DB files</source>
        <translation>Importa da file DB</translation>
    </message>
    <message>
        <source>Select directory to import DB files from:</source>
        <translation>Seleziona la cartella da cui importare i file DB:</translation>
    </message>
    <message>
        <source>Importing League...</source>
        <translation>Importazione campionato...</translation>
    </message>
    <message>
        <source>Importing Player %d/%d %s...</source>
        <translation>Importazione giocatore %d/%d %s...</translation>
    </message>
    <message>
        <source>Importing Xfer %d/%d ...</source>
        <translation>Importazione trasferimento %d/%d ...</translation>
    </message>
    <message>
        <source>Importing Team %d/%d %s...</source>
        <translation>Importazione squadra %d/%d %s...</translation>
    </message>
    <message>
        <source>Error reading CUSPLYR.DB.</source>
        <translation>Errore di lettura di CUSPLYR.DB.</translation>
    </message>
    <message>
        <source>Error reading CUSTOM.DB.</source>
        <translation>Errore di lettura di CUSTOM.DB.</translation>
    </message>
    <message>
        <source>Error allocating memory for output buffer.</source>
        <translation>Errore di allocazione della memoria per il buffer di output.</translation>
    </message>
    <message>
        <source>Error Importing data.</source>
        <translation>Errore durante l&apos;importazione dei dati.</translation>
    </message>
    <message>
        <source>%s: %s.</source>
        <translation>%s: %s.</translation>
    </message>
    <message>
        <source>%s announces %u bytes when unpacked; no exchange file holds more than %u, so it is not read.</source>
        <translation>%s dichiara %u byte una volta decompresso; nessun file di scambio supera i %u, quindi non viene letto.</translation>
    </message>
    <message>
        <source>File CUSTOM.DB appears to be corrupted. Import failed!</source>
        <translation>Il file CUSTOM.DB sembra danneggiato. Importazione non riuscita!</translation>
    </message>
    <message>
        <source>Importing GLV file...</source>
        <translation>Importazione file GLV...</translation>
    </message>
    <message>
        <source>Cannot open GLV file</source>
        <translation>Impossibile aprire il file GLV</translation>
    </message>
    <message>
        <source>File is not a GLV file</source>
        <translation>Il file non è un file GLV</translation>
    </message>
    <message>
        <source>The database has no league at position %d for the teams of a GLV file to be based on. Import failed!</source>
        <translation>Il database non ha alcun campionato in posizione %d su cui basare le squadre di un file GLV. Importazione non riuscita!</translation>
    </message>
    <message>
        <source>Team %d of the GLV file has no team to be based on in the league at position %d. Import failed!</source>
        <translation>La squadra %d del file GLV non ha una squadra su cui basarsi nel campionato in posizione %d. Importazione non riuscita!</translation>
    </message>
    <message>
        <source>GLV Files (*.GLV)|*.GLV|All Files (*.*)|*.*|</source>
        <translation>File GLV (*.GLV)|*.GLV|Tutti i file (*.*)|*.*|</translation>
    </message>
    <message>
        <source>The GLV file holds %d teams, but the league its teams are based on has only %d.</source>
        <translation>Il file GLV contiene %d squadre, ma il campionato su cui si basano ne ha solo %d.</translation>
    </message>
    <message>
        <source>The GLV file gives a negative number of teams (%d).</source>
        <translation>Il file GLV indica un numero negativo di squadre (%d).</translation>
    </message>
    <message>
        <source>Team %d of the GLV file holds %d players; a team has at most %d.</source>
        <translation>La squadra %d del file GLV contiene %d giocatori; una squadra ne ha al massimo %d.</translation>
    </message>
    <message>
        <source>The GLV file ends before its list of teams.</source>
        <translation>Il file GLV termina prima dell&apos;elenco delle squadre.</translation>
    </message>
    <message>
        <source>The GLV file ends in the middle of team %d.</source>
        <translation>Il file GLV termina a metà della squadra %d.</translation>
    </message>
    <message>
        <source>Packing %s...</source>
        <translation>Compressione di %s...</translation>
    </message>
    <message>
        <source>There is no league at position %d.</source>
        <translation>Non c&apos;è alcun campionato in posizione %d.</translation>
    </message>
    <message>
        <source>Cannot create the folder %s.</source>
        <translation>Impossibile creare la cartella %s.</translation>
    </message>
    <message>
        <source>Cannot create a temporary folder %s.</source>
        <translation>Impossibile creare la cartella temporanea %s.</translation>
    </message>
    <message>
        <source>Cannot write the temporary file %s.</source>
        <translation>Impossibile scrivere il file temporaneo %s.</translation>
    </message>
    <message>
        <source>Removed %s, the temporary folder of an export that was cut off.</source>
        <translation>Rimossa %s, la cartella temporanea di un&apos;esportazione interrotta.</translation>
    </message>
    <message>
        <source>Packing %s failed.</source>
        <translation>Compressione di %s non riuscita.</translation>
    </message>
    <message>
        <source>Packing %s left no packed file.</source>
        <translation>La compressione di %s non ha prodotto alcun file compresso.</translation>
    </message>
    <message>
        <source>Cannot write %s.</source>
        <translation>Impossibile scrivere %s.</translation>
    </message>
    <message>
        <source>Exported %s, %s and %s to %s.</source>
        <translation>Esportati %s, %s e %s in %s.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
</context>
<context>
    <name>keptleaguetexts</name>
    <message>
        <source>Imported league: kept by Obrix, not in the Golvar data files.
To bring its players into the game, move or copy them onto game teams; export it with File/Export to share it.</source>
        <translation>Campionato importato: conservato da Obrix, non nei file di dati di Golvar.
Per portare i suoi giocatori nel gioco, spostali o copiali in squadre del gioco; esportalo con File/Esporta per condividerlo.</translation>
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
        <translation>Rosso chiaro</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Arancione chiaro</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Arancione</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrone</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <source>Dark Gold</source>
        <translation>Oro scuro</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Verde chiaro</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Verde scuro</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Azzurro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>Blu scuro</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Blu navy</translation>
    </message>
    <message>
        <source>Light Purple</source>
        <translation>Viola chiaro</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Dark Purple</source>
        <translation>Viola scuro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>Grigio chiaro</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>Grigio scuro</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Not Used</source>
        <translation>Non usato</translation>
    </message>
</context>
<context>
    <name>pagetexts</name>
    <message>
        <source>About Obrix</source>
        <translation>Informazioni su Obrix</translation>
    </message>
    <message>
        <source>The game&apos;s files cannot hold these characters: %s
The name is kept as it was.</source>
        <translation>I file del gioco non possono contenere questi caratteri: %s
Il nome resta invariato.</translation>
    </message>
    <message>
        <source>Edit Player</source>
        <translation>Modifica giocatore</translation>
    </message>
    <message>
        <source>Apply Preset</source>
        <translation>Applica preimpostazione</translation>
    </message>
    <message>
        <source>Edit Team</source>
        <translation>Modifica squadra</translation>
    </message>
    <message>
        <source>Change Kit</source>
        <translation>Cambia divisa</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Abilità</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Preimpostazioni</translation>
    </message>
    <message>
        <source>A player must have a name. The name is kept as it was.</source>
        <translation>Un giocatore deve avere un nome. Il nome resta invariato.</translation>
    </message>
    <message>
        <source>Number %d has already been used.</source>
        <translation>Il numero %d è già stato assegnato.</translation>
    </message>
    <message>
        <source>Originally: %s from %s</source>
        <translation>In origine: %s della squadra %s</translation>
    </message>
    <message>
        <source>Max. Attributes</source>
        <translation>Abilità al max</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Ripristina tutto</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>Telecronaca</translation>
    </message>
    <message>
        <source>No.:</source>
        <translation>N.:</translation>
    </message>
    <message>
        <source>Pos:</source>
        <translation>Ruolo:</translation>
    </message>
    <message>
        <source>Hair:</source>
        <translation>Capelli:</translation>
    </message>
    <message>
        <source>Face:</source>
        <translation>Viso:</translation>
    </message>
    <message>
        <source>Facial Hair:</source>
        <translation>Barba:</translation>
    </message>
    <message>
        <source>Skin Colour:</source>
        <translation>Carnagione:</translation>
    </message>
    <message>
        <source>Hair Colour:</source>
        <translation>Colore capelli:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Valutazione:</translation>
    </message>
    <message>
        <source>Nat.:</source>
        <translation>Naz.:</translation>
    </message>
    <message>
        <source>Acceleration:</source>
        <translation>Accelerazione:</translation>
    </message>
    <message>
        <source>Agility:</source>
        <translation>Agilità:</translation>
    </message>
    <message>
        <source>Awareness:</source>
        <translation>Intuito:</translation>
    </message>
    <message>
        <source>Ball Control:</source>
        <translation>Controllo palla:</translation>
    </message>
    <message>
        <source>Creativity:</source>
        <translation>Creatività:</translation>
    </message>
    <message>
        <source>Fitness:</source>
        <translation>Forma fisica:</translation>
    </message>
    <message>
        <source>Heading:</source>
        <translation>Colpo di testa:</translation>
    </message>
    <message>
        <source>Passing:</source>
        <translation>Passaggio:</translation>
    </message>
    <message>
        <source>Reaction:</source>
        <translation>Reattività:</translation>
    </message>
    <message>
        <source>Shot Power:</source>
        <translation>Potenza di tiro:</translation>
    </message>
    <message>
        <source>Shot Acc.</source>
        <translation>Precisione tiro:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocità:</translation>
    </message>
    <message>
        <source>Tackle:</source>
        <translation>Contrasto:</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Tanned</source>
        <translation>Abbronzato</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrone</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Blond</source>
        <translation>Biondo</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Squadra</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Home Kit</source>
        <translation>Divisa di casa</translation>
    </message>
    <message>
        <source>Away Kit</source>
        <translation>Divisa da trasferta</translation>
    </message>
    <message>
        <source>Bankroll must be a whole number between %d and %d</source>
        <translation>Il budget deve essere un numero intero tra %d e %d</translation>
    </message>
    <message>
        <source>Bankroll must be between %d and %d</source>
        <translation>Il budget deve essere compreso tra %d e %d</translation>
    </message>
    <message>
        <source>A team must have a name. The name is kept as it was.</source>
        <translation>Una squadra deve avere un nome. Il nome resta invariato.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Inserisci un numero intero.</translation>
    </message>
    <message>
        <source>The jersey editor Weftor was found but could not be started.</source>
        <translation>L&apos;editor di maglie Weftor è stato trovato, ma non è stato possibile avviarlo.</translation>
    </message>
    <message>
        <source>Needs the jersey editor Weftor, which was looked for in %1 and on the PATH, and not found.</source>
        <translation>Richiede l&apos;editor di maglie Weftor, cercato in %1 e nel PATH ma non trovato.</translation>
    </message>
    <message>
        <source>Edits the jersey texture with %1</source>
        <translation>Modifica la texture della maglia con %1</translation>
    </message>
    <message>
        <source>Abb.</source>
        <translation>Sigla</translation>
    </message>
    <message>
        <source>Short Name:</source>
        <translation>Nome breve:</translation>
    </message>
    <message>
        <source>Bankroll:</source>
        <translation>Budget:</translation>
    </message>
    <message>
        <source>Primary:</source>
        <translation>Primario:</translation>
    </message>
    <message>
        <source>Secondary:</source>
        <translation>Secondario:</translation>
    </message>
    <message>
        <source>Tertiary:</source>
        <translation>Terziario:</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifica...</translation>
    </message>
    <message>
        <source>Use Preset Colours</source>
        <translation>Usa colori predefiniti</translation>
    </message>
    <message>
        <source>Jersey</source>
        <translation>Maglia</translation>
    </message>
    <message>
        <source>Shorts</source>
        <translation>Pantaloncini</translation>
    </message>
    <message>
        <source>Socks</source>
        <translation>Calzettoni</translation>
    </message>
    <message>
        <source>Goalie:</source>
        <translation>Portiere:</translation>
    </message>
    <message>
        <source>Defender:</source>
        <translation>Difensore:</translation>
    </message>
    <message>
        <source>Midfielder:</source>
        <translation>Centrocampista:</translation>
    </message>
    <message>
        <source>Forward:</source>
        <translation>Attaccante:</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Campione</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Buono</translation>
    </message>
    <message>
        <source>Ave.</source>
        <translation>Medio</translation>
    </message>
</context>
<context>
    <name>statstexts</name>
    <message>
        <source>Please select a team/league to add.</source>
        <translation>Seleziona una squadra o un campionato da aggiungere.</translation>
    </message>
    <message>
        <source>Printing is not available: its module was not found with the editor.</source>
        <translation>La stampa non è disponibile: il suo modulo non è stato trovato insieme all&apos;editor.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Impossibile avviare la stampante.</translation>
    </message>
    <message>
        <source>Please select team(s) to be removed first.</source>
        <translation>Seleziona prima le squadre da rimuovere.</translation>
    </message>
    <message>
        <source>Please select team(s) to be exported first.</source>
        <translation>Seleziona prima le squadre da esportare.</translation>
    </message>
    <message>
        <source>Writing data for players of : %s...</source>
        <translation>Scrittura dei dati dei giocatori di: %s...</translation>
    </message>
    <message>
        <source>Processing data for player of : %s...</source>
        <translation>Elaborazione dei dati dei giocatori di: %s...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*|</source>
        <translation>File di testo (*.TXT)|*.TXT|Tutti i file (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>A&amp;dd All</source>
        <translation>Aggiungi &amp;tutto</translation>
    </message>
    <message>
        <source>Re&amp;move All</source>
        <translation>Ri&amp;muovi tutto</translation>
    </message>
    <message>
        <source>Plain Text</source>
        <translation>Testo semplice</translation>
    </message>
    <message>
        <source>Delimited Text</source>
        <translation>Testo delimitato</translation>
    </message>
    <message>
        <source>&amp;Write to File</source>
        <translation>Scrivi su &amp;file</translation>
    </message>
    <message>
        <source>Player &amp;Stats</source>
        <translation>&amp;Statistiche giocatori</translation>
    </message>
    <message>
        <source>&amp;Characteristics</source>
        <translation>&amp;Caratteristiche</translation>
    </message>
    <message>
        <source>&amp;Filters</source>
        <translation>Fi&amp;ltri</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Stam&amp;pa</translation>
    </message>
    <message>
        <source>&amp;Update Grid</source>
        <translation>Aggiorna &amp;griglia</translation>
    </message>
    <message>
        <source>Filters:</source>
        <translation>Filtri:</translation>
    </message>
    <message>
        <source>None: the grid lists every player of the chosen teams</source>
        <translation>Nessuno: la griglia elenca tutti i giocatori delle squadre scelte</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtri</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Nationality</source>
        <translation>Nazionalità</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Ruolo</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>International</source>
        <translation>Nazionale</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Accelerazione</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Agilità</translation>
    </message>
    <message>
        <source>Awareness</source>
        <translation>Intuito</translation>
    </message>
    <message>
        <source>Ball Control</source>
        <translation>Controllo palla</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Creatività</translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation>Forma fisica</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Colpo di testa</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Passaggio</translation>
    </message>
    <message>
        <source>Reaction</source>
        <translation>Reattività</translation>
    </message>
    <message>
        <source>Shot Acc</source>
        <translation>Precisione tiro</translation>
    </message>
    <message>
        <source>Shot Power</source>
        <translation>Potenza di tiro</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Tackle</source>
        <translation>Contrasto</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Valutazione</translation>
    </message>
    <message>
        <source>EQ</source>
        <translation>Uguale</translation>
    </message>
    <message>
        <source>GT</source>
        <translation>Maggiore</translation>
    </message>
    <message>
        <source>LT</source>
        <translation>Minore</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Reimposta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
</TS>
