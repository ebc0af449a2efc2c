<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CAboutBox</name>
    <message>
        <source>A database editor for Golvar: edit its leagues, teams and players, their kits and skills, move players between clubs and bring in leagues made by other players.</source>
        <translation>Un editor del database di Golvar: modifica competizioni, squadre e giocatori, le loro divise e abilità, trasferisci giocatori tra club e importa competizioni create da altri giocatori.</translation>
    </message>
    <message>
        <source>Programming and artwork: the Obrix developers at Brannoc.
Thanks to everyone who tried the early versions and sent in their leagues.</source>
        <translation>Programmazione e grafica: gli sviluppatori di Obrix presso Brannoc.
Grazie a tutti coloro che hanno provato le prime versioni e inviato le loro competizioni.</translation>
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
    <name>CDataPropSheet</name>
    <message>
        <source>Data Sheet</source>
        <translation>Scheda dati</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Squadra</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Trasferimenti</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Confronto</translation>
    </message>
</context>
<context>
    <name>CFindDialog</name>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Trova:</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Obrix Help</source>
        <translation>Guida di Obrix</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigazione</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
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
        <source>Language of the game&apos;s names:</source>
        <translation>Lingua dei nomi del gioco:</translation>
    </message>
    <message>
        <source>Obrix shows the names in the chosen language from its next start.</source>
        <translation>Obrix mostrerà i nomi nella lingua scelta dal prossimo avvio.</translation>
    </message>
    <message>
        <source>This Golvar folder has no names in this language (%1 is missing).</source>
        <translation>Questa cartella di Golvar non contiene nomi in questa lingua (manca %1).</translation>
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
        <source>Global Modifications</source>
        <translation>Modifiche globali</translation>
    </message>
    <message>
        <source>Import League &apos;%1&apos;</source>
        <translation>Importa competizione «%1»</translation>
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
        <translation>Nuova competizione «%1»</translation>
    </message>
    <message>
        <source>League Name &apos;%1&apos;</source>
        <translation>Nome competizione «%1»</translation>
    </message>
    <message>
        <source>Remove League &apos;%1&apos;</source>
        <translation>Rimuovi competizione «%1»</translation>
    </message>
    <message>
        <source>Apply Remembered Team</source>
        <translation>Applica squadra memorizzata</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Eseguito: %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Annullato: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Ripetuto: %1</translation>
    </message>
    <message>
        <source>Swap Teams &apos;%1&apos; and &apos;%2&apos;</source>
        <translation>Scambia squadre «%1» e «%2»</translation>
    </message>
    <message>
        <source>Swap Players &apos;%1&apos; and &apos;%2&apos;</source>
        <translation>Scambia giocatori «%1» e «%2»</translation>
    </message>
    <message>
        <source>Move Player &apos;%1&apos;</source>
        <translation>Sposta giocatore «%1»</translation>
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
        <translation>Caricamento dati competizioni...</translation>
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
        <translation>Lettura dati competizioni...</translation>
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
        <translation>Impossibile leggere i dati delle competizioni.</translation>
    </message>
    <message>
        <source>%1 The Golvar database in %2 cannot be read:
%3</source>
        <translation>%1 Il database di Golvar in %2 non può essere letto:
%3</translation>
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
    <message>
        <source>“Restore Backup” puts back the game&apos;s files as they were backed up on %1. “Choose Another Folder” opens a different Golvar folder.</source>
        <translation>«Ripristina backup» riporta i file del gioco allo stato del backup del %1. «Scegli un&apos;altra cartella» apre un&apos;altra cartella di Golvar.</translation>
    </message>
    <message>
        <source>There is no usable backup of this folder to restore. “Choose Another Folder” opens a different Golvar folder.</source>
        <translation>Non esiste un backup utilizzabile di questa cartella da ripristinare. «Scegli un&apos;altra cartella» apre un&apos;altra cartella di Golvar.</translation>
    </message>
    <message>
        <source>The game&apos;s files were changed by another program since Obrix read them (%1).

“Reload” reads them again and drops your changes. “Save Over Them” replaces what the other program saved with the data shown here.</source>
        <translation>I file del gioco sono stati modificati da un altro programma dopo che Obrix li ha letti (%1).

«Ricarica» li rilegge e scarta le tue modifiche. «Sovrascrivi» sostituisce quanto salvato dall&apos;altro programma con i dati mostrati qui.</translation>
    </message>
    <message>
        <source>%1 The Golvar database in %2 cannot be read again:
%3

Obrix keeps the data it shows, your changes included.</source>
        <translation>%1 Il database di Golvar in %2 non può essere riletto:
%3

Obrix mantiene i dati che mostra, comprese le tue modifiche.</translation>
    </message>
    <message>
        <source>Keep Current Data goes on with the data shown, which Save Data can write back over the game&apos;s files. Restore Backup puts back the game&apos;s files as they were backed up on %1. Choose Another Folder opens a different Golvar folder.</source>
        <translation>Mantieni i dati attuali continua con i dati mostrati, che Salva dati può riscrivere sopra i file del gioco. Ripristina backup riporta i file del gioco allo stato del backup del %1. Scegli un&apos;altra cartella apre un&apos;altra cartella di Golvar.</translation>
    </message>
    <message>
        <source>Keep Current Data goes on with the data shown, which Save Data can write back over the game&apos;s files. There is no usable backup of this folder to restore. Choose Another Folder opens a different Golvar folder.</source>
        <translation>Mantieni i dati attuali continua con i dati mostrati, che Salva dati può riscrivere sopra i file del gioco. Non esiste un backup utilizzabile di questa cartella da ripristinare. Scegli un&apos;altra cartella apre un&apos;altra cartella di Golvar.</translation>
    </message>
    <message>
        <source>Keep Current Data</source>
        <translation>Mantieni i dati attuali</translation>
    </message>
    <message>
        <source>The Golvar folder %1 has no names in the language chosen in Preferences (%2 is missing). Obrix shows the English names for this run; Preferences offers the languages this folder has.</source>
        <translation>La cartella di Golvar %1 non contiene nomi nella lingua scelta in Preferenze (manca %2). Obrix mostra i nomi in inglese per questa sessione; Preferenze offre le lingue presenti in questa cartella.</translation>
    </message>
</context>
<context>
    <name>backuptexts</name>
    <message>
        <source>Restoring original Golvar data file will overwrite all changes made. Do you wish to continue?</source>
        <translation>Il ripristino dei file di dati originali di Golvar sovrascriverà tutte le modifiche fatte. Vuoi continuare?</translation>
    </message>
    <message>
        <source>There is no backup of this Golvar folder to restore.</source>
        <translation>Non esiste un backup di questa cartella di Golvar da ripristinare.</translation>
    </message>
    <message>
        <source>Restored %1 from the backup of %2.</source>
        <translation>Ripristino di %1 dal backup del %2 completato.</translation>
    </message>
    <message>
        <source>Nothing was restored: %1</source>
        <translation>Non è stato ripristinato nulla: %1</translation>
    </message>
    <message>
        <source>the backup in %1 is damaged (%2).</source>
        <translation>il backup in %1 è danneggiato (%2).</translation>
    </message>
    <message>
        <source>the backup does not load as a game database (%1).</source>
        <translation>il backup non si carica come database del gioco (%1).</translation>
    </message>
    <message>
        <source>The backup of %1 could not be made: %2</source>
        <translation>Impossibile creare il backup di %1: %2</translation>
    </message>
    <message>
        <source>the game&apos;s files do not load as a game database (%1), and a backup of them would be of no use; the earlier backup, if any, is kept</source>
        <translation>i file del gioco non si caricano come database del gioco (%1) e un loro backup sarebbe inutile; l&apos;eventuale backup precedente viene conservato</translation>
    </message>
    <message>
        <source>The original Golvar data files could not be backed up to
%1

Without a backup, “Restore” cannot undo the changes you save now.
Do you wish to save without a backup?</source>
        <translation>Impossibile eseguire il backup dei file di dati originali di Golvar in
%1

Senza un backup, «Ripristina» non potrà annullare le modifiche che salvi ora.
Vuoi salvare senza backup?</translation>
    </message>
    <message>
        <source>The original Golvar data files could not be backed up to
%1

%2

Without a backup, “Restore” cannot undo the changes you save now.
Do you wish to save without a backup?</source>
        <translation>Impossibile eseguire il backup dei file di dati originali di Golvar in
%1

%2

Senza un backup, «Ripristina» non potrà annullare le modifiche che salvi ora.
Vuoi salvare senza backup?</translation>
    </message>
    <message>
        <source>%1 The new backup was taken back: %2 holds the backup it held before, if any.</source>
        <translation>%1 Il nuovo backup è stato ritirato: %2 contiene il backup che conteneva prima, se c&apos;era.</translation>
    </message>
    <message>
        <source>the backup in %1 was taken from another Golvar folder (%2), not from this one (%3).</source>
        <translation>il backup in %1 è stato fatto da un&apos;altra cartella di Golvar (%2), non da questa (%3).</translation>
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
        <translation>più di una competizione ha id %lld; modifica quelle competizioni nell&apos;editor</translation>
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
        <translation>«%s» non è un campo di giocatori, squadre o competizioni</translation>
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
        <translation>le colonne non appartengono tutte alla stessa tabella tra giocatori, squadre e competizioni</translation>
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
        <translation>La competizione «%s» elenca la squadra %s (%u) più di una volta.</translation>
    </message>
    <message>
        <source>League &quot;%s&quot; has a slot naming team %u, which does not exist.</source>
        <translation>La competizione «%s» ha un posto assegnato alla squadra %u, che non esiste.</translation>
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
        <source>The %s %u has an empty %s.</source>
        <translation>Record %s %u: il campo %s è vuoto.</translation>
    </message>
    <message>
        <source>The %s %s (%u) has %s = %lld; the game uses %lld..%lld.</source>
        <translation>Record %s %s (%u): %s = %lld; il gioco usa %lld..%lld.</translation>
    </message>
    <message>
        <source>Player %s (%u) was listed by a team of the game when the files were read and is listed by none after the save.</source>
        <translation>Il giocatore %s (%u) era nella rosa di una squadra del gioco quando i file sono stati letti e dopo il salvataggio non è nella rosa di nessuna.</translation>
    </message>
    <message>
        <source>Player %s (%u) is listed by two clubs after the save, %s and %s.</source>
        <translation>Il giocatore %s (%u) è nella rosa di due club dopo il salvataggio, %s e %s.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists %s (%u), whose %s is %lld; the game&apos;s files hold %lld at most, so he cannot be moved or copied onto a team of the game until it is %lld or less.</source>
        <translation>La squadra &quot;%s&quot; elenca %s (%u), il cui %s vale %lld; i file del gioco contengono al massimo %lld, quindi non può essere spostato o copiato in una squadra del gioco finché non vale %lld o meno.</translation>
    </message>
</context>
<context>
    <name>bulkviewtexts</name>
    <message>
        <source>Export Table</source>
        <translation>Esporta tabella</translation>
    </message>
    <message>
        <source>Table:</source>
        <translation>Tabella:</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Squadre</translation>
    </message>
    <message>
        <source>Leagues</source>
        <translation>Competizioni</translation>
    </message>
    <message>
        <source>Spreadsheet Files (*.csv)|*.csv|All Files (*.*)|*.*|</source>
        <translation>Fogli di calcolo (*.csv)|*.csv|Tutti i file (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Import Table</source>
        <translation>Importa tabella</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>Impossibile leggere il file %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows written to %1</source>
        <translation>
            <numerusform>%n riga scritta in %1</numerusform>
            <numerusform>%n righe scritte in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The file was refused; nothing was changed.

%1</source>
        <translation>Il file è stato rifiutato; non è stato modificato nulla.

%1</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more problems</source>
        <translation>
            <numerusform>... e %n altro problema</numerusform>
            <numerusform>... e altri %n problemi</numerusform>
        </translation>
    </message>
    <message>
        <source>The file changes nothing: every cell already holds its value.</source>
        <translation>Il file non cambia nulla: ogni cella contiene già il suo valore.</translation>
    </message>
    <message>
        <source>Import Table: Preview</source>
        <translation>Importa tabella: anteprima</translation>
    </message>
    <message numerus="yes">
        <source>%n changes</source>
        <translation>
            <numerusform>%n modifica</numerusform>
            <numerusform>%n modifiche</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes by field</source>
        <translation>Modifiche per campo</translation>
    </message>
    <message>
        <source>Check Database</source>
        <translation>Controlla database</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Controlla di nuovo</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n errore</numerusform>
            <numerusform>%n errori</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n avviso</numerusform>
            <numerusform>%n avvisi</numerusform>
        </translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Nessun problema trovato.</translation>
    </message>
    <message>
        <source>%1 now has an odd number (%2) of team slots: add or remove a team before saving.</source>
        <translation>%1 ha ora un numero dispari (%2) di posti squadra: aggiungi o rimuovi una squadra prima di salvare.</translation>
    </message>
    <message numerus="yes">
        <source>The edits leave %n things the game may not like, listed in Check Database (the game&apos;s files can hold them). Save anyway?</source>
        <translation>
            <numerusform>Dopo le modifiche resta %n punto che potrebbe creare problemi al gioco, elencato in «Controlla database» (i file del gioco possono contenerlo). Salvare comunque?</numerusform>
            <numerusform>Dopo le modifiche restano %n punti che potrebbero creare problemi al gioco, elencati in «Controlla database» (i file del gioco possono contenerli). Salvare comunque?</numerusform>
        </translation>
    </message>
    <message>
        <source>The database has errors that the save or the game would stumble on; nothing was saved. They are listed in Check Database: double-click one to go to its record.</source>
        <translation>Il database contiene errori che farebbero fallire il salvataggio o il gioco; non è stato salvato nulla. Sono elencati in «Controlla database»: fai doppio clic su uno per andare al suo record.</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifiche</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Modifiche non salvate</translation>
    </message>
    <message>
        <source>Since the backup</source>
        <translation>Dal backup</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Riporta al valore precedente</translation>
    </message>
    <message>
        <source>Revert Record</source>
        <translation>Riporta il record ai valori precedenti</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message numerus="yes">
        <source>%n differences</source>
        <translation>
            <numerusform>%n differenza</numerusform>
            <numerusform>%n differenze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records</source>
        <translation>
            <numerusform>%n record</numerusform>
            <numerusform>%n record</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no backup of this game folder yet.</source>
        <translation>Non esiste ancora un backup di questa cartella del gioco.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Vecchio</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Gravità</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>error</source>
        <translation>errore</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>avviso</translation>
    </message>
    <message>
        <source>only in the files</source>
        <translation>solo nei file</translation>
    </message>
    <message>
        <source>database</source>
        <translation>database</translation>
    </message>
    <message>
        <source>only in the editor</source>
        <translation>solo nell&apos;editor</translation>
    </message>
    <message>
        <source>leagues</source>
        <translation>competizioni</translation>
    </message>
    <message>
        <source>teams</source>
        <translation>squadre</translation>
    </message>
    <message>
        <source>players</source>
        <translation>giocatori</translation>
    </message>
    <message>
        <source>%1 in %2 of the %3 table. “OK” applies them all as one step.</source>
        <translation>%1 in %2 della tabella %3. «OK» le applica tutte in un solo passaggio.</translation>
    </message>
    <message>
        <source>The table could not be written: %1</source>
        <translation>Impossibile scrivere la tabella: %1</translation>
    </message>
</context>
<context>
    <name>commands</name>
    <message>
        <source>Export &amp;Table...</source>
        <translation>Esporta &amp;tabella...</translation>
    </message>
    <message>
        <source>Import T&amp;able...</source>
        <translation>Importa ta&amp;bella...</translation>
    </message>
    <message>
        <source>C&amp;heck Database...</source>
        <translation>Controlla &amp;database...</translation>
    </message>
    <message>
        <source>Write players, teams or leagues to a spreadsheet file
Export Table</source>
        <translation>Scrive giocatori, squadre o competizioni in un foglio di calcolo
Esporta tabella</translation>
    </message>
    <message>
        <source>Apply a spreadsheet file&apos;s changes, after a preview
Import Table</source>
        <translation>Applica le modifiche di un foglio di calcolo, dopo un&apos;anteprima
Importa tabella</translation>
    </message>
    <message>
        <source>List what the game or the save would stumble on
Check Database</source>
        <translation>Elenca gli errori che farebbero fallire il gioco o il salvataggio
Controlla database</translation>
    </message>
    <message>
        <source>List what differs from the files as loaded or from the backup
Changes</source>
        <translation>Elenca le differenze dai file come caricati o dal backup
Modifiche</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importa...</translation>
    </message>
    <message>
        <source>Import &amp;GLV Files...</source>
        <translation>Importa file &amp;GLV...</translation>
    </message>
    <message>
        <source>Ex&amp;port...</source>
        <translation>&amp;Esporta...</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>&amp;Make Jersey Thumbnails</source>
        <translation>Crea &amp;miniature delle maglie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Es&amp;ci</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Clo&amp;ne</source>
        <translation>Cl&amp;ona</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>Tro&amp;va</translation>
    </message>
    <message>
        <source>Find &amp;Again</source>
        <translation>Trova &amp;successivo</translation>
    </message>
    <message>
        <source>&amp;Global Modifications...</source>
        <translation>&amp;Modifiche globali...</translation>
    </message>
    <message>
        <source>&amp;New League</source>
        <translation>&amp;Nuova competizione</translation>
    </message>
    <message>
        <source>&amp;League Name...</source>
        <translation>Nome com&amp;petizione...</translation>
    </message>
    <message>
        <source>Swap Tea&amp;ms</source>
        <translation>Scambia s&amp;quadre</translation>
    </message>
    <message>
        <source>S&amp;wap Players</source>
        <translation>Scambia &amp;giocatori</translation>
    </message>
    <message>
        <source>Appl&amp;y Remembered Team</source>
        <translation>App&amp;lica squadra memorizzata</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra degli strumenti</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra di s&amp;tato</translation>
    </message>
    <message>
        <source>T&amp;ransfer Page</source>
        <translation>Pagina t&amp;rasferimenti</translation>
    </message>
    <message>
        <source>&amp;Next Pane</source>
        <translation>Riquadro s&amp;uccessivo</translation>
    </message>
    <message>
        <source>Pre&amp;vious Pane</source>
        <translation>Riquadro &amp;precedente</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Argomenti della guida...</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Tastiera</translation>
    </message>
    <message>
        <source>&amp;About Obrix...</source>
        <translation>&amp;Informazioni su Obrix...</translation>
    </message>
    <message>
        <source>Save changes to Golvar data files permanently\Save</source>
        <translation>Salva definitivamente le modifiche nei file di dati di Golvar\Salva</translation>
    </message>
    <message>
        <source>Import from DB files
Import</source>
        <translation>Importa da file DB
Importa</translation>
    </message>
    <message>
        <source>Export to DB files
Export</source>
        <translation>Esporta in file DB
Esporta</translation>
    </message>
    <message>
        <source>Transfer Teams and Players\Transfer</source>
        <translation>Trasferisce squadre e giocatori\Trasferisci</translation>
    </message>
    <message>
        <source>Generate thumbnail images of jersey files
Make Jersey Thumbnails</source>
        <translation>Genera le miniature dei file delle maglie
Crea miniature delle maglie</translation>
    </message>
    <message>
        <source>Find a player or a team\Find</source>
        <translation>Trova un giocatore o una squadra\Trova</translation>
    </message>
    <message>
        <source>Repeat Last Find</source>
        <translation>Ripete l&apos;ultima ricerca</translation>
    </message>
    <message>
        <source>Change league names</source>
        <translation>Cambia i nomi delle competizioni</translation>
    </message>
    <message>
        <source>Change Player Attributes Globally</source>
        <translation>Cambia le abilità dei giocatori in modo globale</translation>
    </message>
    <message>
        <source>Import GLV Files...</source>
        <translation>Importa file GLV...</translation>
    </message>
    <message>
        <source>Write the selected league as DB files that other users can import
Export League</source>
        <translation>Scrive la competizione selezionata come file DB importabili da altri utenti
Esporta competizione</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Swap the two teams selected on the Transfer page between their leagues
Swap Teams</source>
        <translation>Scambia tra le loro competizioni le due squadre selezionate nella pagina Trasferimenti
Scambia squadre</translation>
    </message>
    <message>
        <source>Swap the two players selected on the Transfer page between their teams
Swap Players</source>
        <translation>Scambia tra le loro squadre i due giocatori selezionati nella pagina Trasferimenti
Scambia giocatori</translation>
    </message>
    <message>
        <source>Put back the game&apos;s files as they were backed up
Restore</source>
        <translation>Riporta i file del gioco allo stato del backup
Ripristina</translation>
    </message>
    <message>
        <source>Quit Obrix; unsaved changes are asked about first
Exit</source>
        <translation>Chiude Obrix; prima chiede cosa fare delle modifiche non salvate
Esci</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>Annulla l&apos;ultima modifica
Annulla</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Ripete l&apos;ultima modifica annullata
Ripeti</translation>
    </message>
    <message>
        <source>Add a new, empty league
New League</source>
        <translation>Aggiunge una nuova competizione vuota
Nuova competizione</translation>
    </message>
    <message>
        <source>Remember the selected team&apos;s kit and names
Remember Team</source>
        <translation>Memorizza la divisa e i nomi della squadra selezionata
Memorizza squadra</translation>
    </message>
    <message>
        <source>Move to the next pane: tree, data sheet, roster
Next Pane</source>
        <translation>Passa al riquadro successivo: albero, scheda dati, rosa
Riquadro successivo</translation>
    </message>
    <message>
        <source>Move to the previous pane
Previous Pane</source>
        <translation>Passa al riquadro precedente
Riquadro precedente</translation>
    </message>
    <message>
        <source>List every key of the editor
Keyboard</source>
        <translation>Elenca tutti i tasti dell&apos;editor
Tastiera</translation>
    </message>
    <message>
        <source>Not available yet
Clone</source>
        <translation>Non ancora disponibile
Clona</translation>
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
        <source>&amp;Undo %1</source>
        <translation>&amp;Annulla %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ripeti %1</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Mostra o nasconde la barra degli strumenti</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostra o nasconde la barra di stato</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostra informazioni sul programma, numero di versione e copyright
Informazioni</translation>
    </message>
    <message>
        <source>&amp;Changes</source>
        <translation>&amp;Modifiche</translation>
    </message>
    <message>
        <source>&amp;Save Data</source>
        <translation>&amp;Salva dati</translation>
    </message>
    <message>
        <source>Remem&amp;ber Team</source>
        <translation>Memori&amp;zza squadra</translation>
    </message>
    <message>
        <source>Pr&amp;eferences...</source>
        <translation>Pre&amp;ferenze...</translation>
    </message>
    <message>
        <source>St&amp;ats Page</source>
        <translation>Pagina &amp;statistiche</translation>
    </message>
    <message>
        <source>Copy the selected player or team to the clipboard
Copy</source>
        <translation>Copia negli appunti il giocatore o la squadra selezionati
Copia</translation>
    </message>
    <message>
        <source>Cut the selected player; “Paste” on a team moves him there
Cut</source>
        <translation>Taglia il giocatore selezionato; «Incolla» su una squadra lo sposta lì
Taglia</translation>
    </message>
    <message>
        <source>Paste the copied player into a team, or the copied team into a league
Paste</source>
        <translation>Incolla il giocatore copiato in una squadra, o la squadra copiata in una competizione
Incolla</translation>
    </message>
    <message>
        <source>Delete the selected player or team
Delete</source>
        <translation>Elimina il giocatore o la squadra selezionati
Elimina</translation>
    </message>
    <message>
        <source>Give the selected team the kit and names kept with “Remember Team”
Apply Remembered Team</source>
        <translation>Dà alla squadra selezionata la divisa e i nomi memorizzati con «Memorizza squadra»
Applica squadra memorizzata</translation>
    </message>
</context>
<context>
    <name>committexts</name>
    <message>
        <source>An interrupted %1 was completed: %2 now hold the new contents.</source>
        <translation>Un&apos;operazione «%1» interrotta è stata completata: %2 ora contengono i nuovi dati.</translation>
    </message>
    <message>
        <source>An interrupted %1 was undone: the files are as before it.</source>
        <translation>Un&apos;operazione «%1» interrotta è stata annullata: i file sono come prima.</translation>
    </message>
    <message>
        <source>it is not a regular file (a link, pipe, device or folder is in its place)</source>
        <translation>non è un file normale (al suo posto c&apos;è un collegamento, una pipe, un dispositivo o una cartella)</translation>
    </message>
    <message>
        <source>%1: the new copy read back from the disk differs from what was written (%2 bytes read, %3 written).</source>
        <translation>%1: la nuova copia riletta dal disco è diversa da quanto scritto (%2 byte letti, %3 scritti).</translation>
    </message>
    <message>
        <source>The %1 failed and the old files could not all be put back, so the set is mixed: %2. The old contents are kept beside them (%3); the editor finishes the set at the next load of this folder.</source>
        <translation>L&apos;operazione «%1» non è riuscita e non è stato possibile ripristinare tutti i vecchi file, quindi ora ci sono file vecchi e nuovi mescolati: %2. I vecchi contenuti sono conservati accanto (%3); l&apos;editor completa i file al prossimo caricamento di questa cartella.</translation>
    </message>
    <message>
        <source>An interrupted %1 in %2 could not be finished: %3. The old contents are kept beside the files (names ending &quot;.obrix-old...&quot;) and the record in %4.</source>
        <translation>Impossibile completare un&apos;operazione «%1» interrotta in %2: %3. I vecchi contenuti sono conservati accanto ai file (nomi che terminano con «.obrix-old...») e la registrazione in %4.</translation>
    </message>
    <message>
        <source>it is larger than any file of its kind can be</source>
        <translation>è più grande di quanto possa essere qualsiasi file del suo tipo</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a link, pipe, device or folder is in its place), so no interrupted save there can be finished or undone and no new one can be made. Remove it and try again.</source>
        <translation>%1 non è un file normale (al suo posto c&apos;è un collegamento, una pipe, un dispositivo o una cartella), quindi nessun salvataggio interrotto può esservi completato o annullato e non se ne può fare uno nuovo. Rimuovilo e riprova.</translation>
    </message>
</context>
<context>
    <name>comparisontexts</name>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Confronta</translation>
    </message>
    <message>
        <source>Differences:</source>
        <translation>Differenze:</translation>
    </message>
    <message>
        <source>Can only compare teams.</source>
        <translation>Si possono confrontare solo squadre.</translation>
    </message>
</context>
<context>
    <name>editingtexts</name>
    <message>
        <source>Too many players (26) in this team already!</source>
        <translation>Questa squadra ha già il massimo di 26 giocatori.</translation>
    </message>
    <message>
        <source>Cannot edit European Competition Fixtures.</source>
        <translation>Impossibile modificare i calendari delle coppe europee.</translation>
    </message>
    <message>
        <source>Can only copy a player to clipboard!</source>
        <translation>Si può copiare negli appunti solo un giocatore.</translation>
    </message>
    <message>
        <source>Can only paste player to a team!</source>
        <translation>Un giocatore si può incollare solo in una squadra.</translation>
    </message>
    <message>
        <source>New League</source>
        <translation>Nuova competizione</translation>
    </message>
    <message>
        <source>League Name</source>
        <translation>Nome competizione</translation>
    </message>
    <message>
        <source>Imported League Name</source>
        <translation>Nome della competizione importata</translation>
    </message>
    <message>
        <source>League Name:</source>
        <translation>Nome competizione:</translation>
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
        <source>Import from DB files</source>
        <translation>Importa da file DB</translation>
    </message>
    <message>
        <source>Select directory to import DB files from:</source>
        <translation>Seleziona la cartella da cui importare i file DB:</translation>
    </message>
    <message>
        <source>Importing League...</source>
        <translation>Importazione competizione...</translation>
    </message>
    <message>
        <source>Importing Player %d/%d %s...</source>
        <translation>Importazione giocatore %d/%d %s...</translation>
    </message>
    <message>
        <source>Importing Xfer %d/%d ...</source>
        <extracomment>Xfer: one of the exchange files&apos; transfer records.</extracomment>
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
        <translation>Il file CUSTOM.DB sembra danneggiato. Importazione non riuscita.</translation>
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
        <translation>Il database non ha alcuna competizione in posizione %d su cui basare le squadre di un file GLV. Importazione non riuscita.</translation>
    </message>
    <message>
        <source>Team %d of the GLV file has no team to be based on in the league at position %d. Import failed!</source>
        <translation>La squadra %d del file GLV non ha una squadra su cui basarsi nella competizione in posizione %d. Importazione non riuscita.</translation>
    </message>
    <message>
        <source>GLV Files (*.GLV)|*.GLV|All Files (*.*)|*.*|</source>
        <translation>File GLV (*.GLV)|*.GLV|Tutti i file (*.*)|*.*|</translation>
    </message>
    <message>
        <source>The GLV file holds %d teams, but the league its teams are based on has only %d.</source>
        <translation>Il file GLV contiene %d squadre, ma la competizione su cui si basano ne ha solo %d.</translation>
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
        <translation>Non c&apos;è alcuna competizione in posizione %d.</translation>
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
    <message>
        <source>The packer program, which reads and writes the exchange files, could not be started: %s
(System error %d)</source>
        <translation>Impossibile avviare il programma di compressione, che legge e scrive i file di scambio: %s
(Errore di sistema %d)</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <translation>il sistema non ha indicato il motivo</translation>
    </message>
    <message>
        <source>The file is larger than any GLV file can be (%u bytes), so it is not read.</source>
        <translation>Il file è più grande di quanto possa essere un file GLV (%u byte), quindi non viene letto.</translation>
    </message>
</context>
<context>
    <name>foldtexts</name>
    <message>
        <source>&apos;%1&apos; takes the place of the game&apos;s &apos;%2&apos; of %3</source>
        <translation>&apos;%1&apos; prende il posto di &apos;%2&apos; del gioco, di %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes the place of the game&apos;s &apos;%2&apos;, who is in no club</source>
        <translation>&apos;%1&apos; prende il posto di &apos;%2&apos; del gioco, che non è in nessun club</translation>
    </message>
    <message>
        <source>An imported player has no record of his own in the game&apos;s files, so the save writes each one moved or copied onto a game team over a game player: the one whose id is the low 16 bits of his own (whichever club lists him), or a player of that team leaving for the imported player&apos;s team. That player&apos;s name and values are gone, and his club lists the newcomer as well as the team you chose:</source>
        <translation>Un giocatore importato non ha un record proprio nei file del gioco, quindi il salvataggio scrive ognuno spostato o copiato in una squadra del gioco sopra un giocatore del gioco: quello il cui id sono i 16 bit bassi del suo (in qualunque club sia), o un giocatore di quella squadra che passa alla squadra del giocatore importato. Nome e valori di quel giocatore vanno persi, e il suo club elenca il nuovo arrivato oltre alla squadra scelta:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... e altri %1.</translation>
    </message>
</context>
<context>
    <name>frametexts</name>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Saving Data...</source>
        <translation>Salvataggio dati...</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n changed records to %1</source>
        <translation>
            <numerusform>Salvato %n record modificato in %1</numerusform>
            <numerusform>Salvati %n record modificati in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was saved</source>
        <translation>Non è stato salvato nulla</translation>
    </message>
    <message>
        <source>Cut %1: paste on a team to move him</source>
        <translation>Tagliato %1: incollalo su una squadra per spostarlo</translation>
    </message>
    <message>
        <source>Moved %1 to %2</source>
        <translation>%1 spostato in %2</translation>
    </message>
    <message>
        <source>W A R N I N G !

This action will save changes you have made to Golvar data files PERMANENTLY. Some teams and players may be announced in their original names.

If you do not wish to make permanent changes to the files, it is suggested that you use the File/Export feature.

Do you wish to continue?</source>
        <extracomment>&quot;announced&quot;: the match commentator may say some teams&apos; and players&apos; original names, since the spoken names are recordings the editor cannot change.</extracomment>
        <translation>A T T E N Z I O N E !

Questa operazione salverà DEFINITIVAMENTE le modifiche fatte ai file di dati di Golvar. Il telecronista potrebbe chiamare alcune squadre e giocatori con i nomi originali.

Se non vuoi modificare definitivamente i file, ti consigliamo di usare la funzione File/Esporta.

Vuoi continuare?</translation>
    </message>
    <message>
        <source>Select directory to export the league&apos;s DB files to:</source>
        <translation>Seleziona la cartella in cui esportare i file DB della competizione:</translation>
    </message>
    <message>
        <source>Exporting League...</source>
        <translation>Esportazione competizione...</translation>
    </message>
    <message>
        <source>This directory already holds DB files. Do you want to replace them?</source>
        <translation>Questa cartella contiene già file DB. Vuoi sostituirli?</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>The window</source>
        <translation>La finestra</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandi</translation>
    </message>
    <message>
        <source>Saving and backup</source>
        <translation>Salvataggio e backup</translation>
    </message>
    <message>
        <source>Delete works on the pane that has the focus; in a text box it deletes text as usual. A deleted team or player comes back with Undo. Cut, then Paste on a team, moves the player there.</source>
        <translation>Elimina agisce sul riquadro attivo; in una casella di testo cancella il testo come di consueto. Una squadra o un giocatore eliminati tornano con Annulla. Taglia, poi Incolla su una squadra, sposta lì il giocatore.</translation>
    </message>
</context>
<context>
    <name>gametexts</name>
    <message>
        <source>The save was refused and nothing was written: read back, %1 %2 would have %3 %4 in the files, where the editor holds %5.</source>
        <translation>Il salvataggio è stato rifiutato e non è stato scritto nulla: alla rilettura, nei file il record %1 %2 avrebbe %3 = %4, mentre l&apos;editor contiene %5.</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: the files it built could not be read back (%1).</source>
        <translation>Il salvataggio è stato rifiutato e non è stato scritto nulla: i file creati non si sono potuti rileggere (%1).</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: it meant to write %1 players and %2 teams, and read back %3 and %4.</source>
        <translation>Il salvataggio è stato rifiutato e non è stato scritto nulla: doveva scrivere %1 giocatori e %2 squadre, e ne ha riletti %3 e %4.</translation>
    </message>
    <message>
        <source>Error writing to Team Data File.</source>
        <translation>Errore di scrittura del file dati squadre.</translation>
    </message>
    <message>
        <source>Error writing to Team Name File.</source>
        <translation>Errore di scrittura del file nomi squadre.</translation>
    </message>
    <message>
        <source>Error writing to Player Data File.</source>
        <translation>Errore di scrittura del file dati giocatori.</translation>
    </message>
    <message>
        <source>Error writing to Player Name File.</source>
        <translation>Errore di scrittura del file nomi giocatori.</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: the data in the editor was not read whole from the game&apos;s files in %1, and saving it would replace them with less than they hold.</source>
        <translation>Il salvataggio è stato rifiutato e non è stato scritto nulla: i dati nell&apos;editor non sono stati letti per intero dai file del gioco in %1, e salvarli li sostituirebbe con meno di quanto contengono.</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: the data in the editor was read from %1, not from %2.</source>
        <translation>Il salvataggio è stato rifiutato e non è stato scritto nulla: i dati nell&apos;editor sono stati letti da %1, non da %2.</translation>
    </message>
</context>
<context>
    <name>globalmodtexts</name>
    <message>
        <source>Global Modifications</source>
        <translation>Modifiche globali</translation>
    </message>
    <message>
        <source>Value to change:</source>
        <extracomment>The amount added to (or, when negative, taken from) each ticked skill.</extracomment>
        <translation>Valore da modificare:</translation>
    </message>
    <message>
        <source>Type of Players</source>
        <translation>Tipo di giocatori</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Abilità</translation>
    </message>
    <message>
        <source>Defenders</source>
        <translation>Difensori</translation>
    </message>
    <message>
        <source>Midfielders</source>
        <translation>Centrocampisti</translation>
    </message>
    <message>
        <source>Forwards</source>
        <translation>Attaccanti</translation>
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
        <translation>Visione di gioco</translation>
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
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Tackle</source>
        <translation>Contrasto</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Inserisci un numero intero tra %1 e %2.</translation>
    </message>
    <message>
        <source>%1 %2 for %3</source>
        <translation>%1 %2 per %3</translation>
    </message>
    <message>
        <source>All skills</source>
        <translation>Tutte le abilità</translation>
    </message>
    <message>
        <source>No skill</source>
        <translation>Nessuna abilità</translation>
    </message>
    <message>
        <source>player</source>
        <translation>giocatore</translation>
    </message>
    <message>
        <source>players</source>
        <translation>giocatori</translation>
    </message>
    <message>
        <source>Goalkeepers</source>
        <translation>Portieri</translation>
    </message>
    <message>
        <source>Shot Power</source>
        <translation>Potenza di tiro</translation>
    </message>
    <message>
        <source>Shot Accuracy</source>
        <translation>Precisione di tiro</translation>
    </message>
    <message>
        <source>Type an amount other than 0 to enable “OK”.</source>
        <translation>Digitare un valore diverso da 0 per attivare «OK».</translation>
    </message>
    <message>
        <source>Tick at least one type of players to enable “OK”.</source>
        <translation>Selezionare almeno un tipo di giocatori per attivare «OK».</translation>
    </message>
</context>
<context>
    <name>keptleaguetexts</name>
    <message>
        <source>Remove the imported league %1 from Obrix? Its teams and its edits will be gone, and it will not come back at the next start.</source>
        <translation>Rimuovere da Obrix la competizione importata %1? Le sue squadre e le tue modifiche andranno perse e non ricomparirà al prossimo avvio.</translation>
    </message>
    <message>
        <source>The imported leagues could not be kept in %1: %2</source>
        <translation>Impossibile conservare le competizioni importate in %1: %2</translation>
    </message>
    <message>
        <source>The kept leagues in %1 could not be read: %2.
The file is left as it is; the leagues it holds are not in this run.</source>
        <translation>Impossibile leggere le competizioni conservate in %1: %2.
Il file resta com&apos;è; le competizioni che contiene non sono presenti in questa sessione.</translation>
    </message>
    <message>
        <source>The folder of the kept leagues, %1, could not be read: %2.
Nothing in it is changed; the leagues kept there are not in this run.</source>
        <translation>Impossibile leggere la cartella delle competizioni conservate, %1: %2.
Non viene modificato nulla al suo interno; le competizioni conservate lì non sono presenti in questa sessione.</translation>
    </message>
    <message>
        <source>The kept league %1 (kept by an earlier version of Obrix in %2) could not be read again.
Its files are left as they are, where File/Import can try them again.</source>
        <translation>Impossibile rileggere la competizione conservata %1 (conservata da una versione precedente di Obrix in %2).
I suoi file restano come sono, dove File/Importa può riprovarli.</translation>
    </message>
    <message>
        <source>The imported leagues were kept in %1, because %2 was not read in this run and is left as it is.</source>
        <translation>Le competizioni importate sono state conservate in %1, perché %2 non è stato letto in questa sessione e resta com&apos;è.</translation>
    </message>
    <message>
        <source>Imported leagues are kept by Obrix, not in the Golvar data files: they come back the next time Obrix starts. To bring their players into the game, move or copy them onto game teams (the Transfer page, Cut and Paste, or dragging them). The files have no record of their own for such a player: the save writes him over the game player whose id is the low 16 bits of his, often of another club, who is then gone; the save&apos;s question and the Changes view name each one first. Use File/Export to share the league.</source>
        <translation>I campionati importati sono conservati da Obrix, non nei file di dati di Golvar: ricompaiono al successivo avvio di Obrix. Per portare i loro giocatori nel gioco, spostali o copiali in squadre del gioco (pagina Trasferimenti, Taglia e Incolla, o trascinandoli). I file non hanno un record proprio per un tale giocatore: il salvataggio lo scrive sopra il giocatore del gioco il cui id sono i 16 bit bassi del suo, spesso di un altro club, che allora va perso; la domanda del salvataggio e la vista Modifiche li nominano prima uno per uno. Usa File/Esporta per condividere il campionato.</translation>
    </message>
    <message>
        <source>Imported league: kept by Obrix, not in the Golvar data files.
To bring its players into the game, move or copy them onto game teams: the save writes each over the game player whose id is the low 16 bits of his (named first); export it with File/Export to share it.</source>
        <translation>Campionato importato: conservato da Obrix, non nei file di dati di Golvar.
Per portare i suoi giocatori nel gioco, spostali o copiali in squadre del gioco: il salvataggio scrive ciascuno sopra il giocatore del gioco il cui id sono i 16 bit bassi del suo (nominato prima); esportalo con File/Esporta per condividerlo.</translation>
    </message>
    <message>
        <source>another program is keeping leagues there and did not finish in time; nothing there was changed</source>
        <translation>un altro programma sta conservando campionati lì e non ha finito in tempo; lì non è stato cambiato nulla</translation>
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
    <name>limittexts</name>
    <message>
        <source>league</source>
        <translation>competizione</translation>
    </message>
    <message>
        <source>team</source>
        <translation>squadra</translation>
    </message>
    <message>
        <source>player</source>
        <translation>giocatore</translation>
    </message>
    <message>
        <source>League &quot;%1&quot; (id %2)</source>
        <translation>Competizione «%1» (id %2)</translation>
    </message>
    <message>
        <source>Team &quot;%1&quot; (id %2)</source>
        <translation>Squadra «%1» (id %2)</translation>
    </message>
    <message>
        <source>Player &quot;%1&quot; (id %2)</source>
        <translation>Giocatore «%1» (id %2)</translation>
    </message>
    <message>
        <source>%1: the %2 is %3 bytes long in the game&apos;s encoding; the game&apos;s files hold at most %4.</source>
        <translation>%1: il campo %2 occupa %3 byte nella codifica del gioco; i file del gioco ne contengono al massimo %4.</translation>
    </message>
    <message>
        <source>%1: the %2 holds a NUL character, which would end it in the game&apos;s files.</source>
        <translation>%1: il campo %2 contiene un carattere NUL, che lo terminerebbe nei file del gioco.</translation>
    </message>
    <message>
        <source>%1: a league name beginning with &quot;EC&quot; marks one of the game&apos;s European competitions, which the editor shows with a leading &quot;x&quot;. Begin the name with &quot;xEC&quot; for a competition, or choose another name.</source>
        <translation>%1: un nome di competizione che inizia con «EC» indica una delle coppe europee del gioco, che l&apos;editor mostra con una «x» iniziale. Inizia il nome con «xEC» per una coppa o scegli un altro nome.</translation>
    </message>
    <message>
        <source>%1: %2 is %3; the game&apos;s files hold %4 at most.</source>
        <translation>%1: %2 vale %3; i file del gioco contengono al massimo %4.</translation>
    </message>
    <message>
        <source>%1: the id does not fit the game&apos;s files, which hold ids up to %2.</source>
        <translation>%1: l&apos;id non entra nei file del gioco, che contengono id fino a %2.</translation>
    </message>
    <message>
        <source>%1: %2 names id %3; the game&apos;s files hold ids up to 65535.</source>
        <translation>%1: %2 indica l&apos;id %3; i file del gioco contengono id fino a 65535.</translation>
    </message>
    <message>
        <source>%1 lists %2 players; the game&apos;s files hold 26 for a team, the rest would be lost at save.</source>
        <translation>%1 ha %2 giocatori in rosa; i file del gioco ne contengono 26 per squadra, gli altri andrebbero persi al salvataggio.</translation>
    </message>
    <message>
        <source>%1 has %2 team slots; the game&apos;s files hold at most 63 for a league.</source>
        <translation>%1 ha %2 posti squadra; i file del gioco ne contengono al massimo 63 per competizione.</translation>
    </message>
    <message>
        <source>%1 League consist an odd number (%2) of teams. Please make sure that only even numbers of teams are used.</source>
        <translation>La competizione %1 ha un numero dispari (%2) di squadre. Assicurati di usare solo un numero pari di squadre.</translation>
    </message>
    <message>
        <source>The player table would begin at %1, beyond the 16-bit position the game reads (below 65536): delete teams or leagues.</source>
        <translation>La tabella dei giocatori inizierebbe alla posizione %1, oltre la posizione a 16 bit letta dal gioco (sotto 65536): elimina squadre o competizioni.</translation>
    </message>
    <message>
        <source>%1 is a league of the game, and team %2 was imported: the game&apos;s files have no record for it, so the league cannot list it. To bring its players into the game, move or copy them onto game teams (the Transfer page, Cut and Paste, or dragging them) and save: the save writes each over the game player whose id is the low 16 bits of his, and names each one before it does.</source>
        <translation>%1 è un campionato del gioco e la squadra %2 è stata importata: i file del gioco non hanno un record per essa, quindi il campionato non può elencarla. Per portare i suoi giocatori nel gioco, spostali o copiali in squadre del gioco (pagina Trasferimenti, Taglia e Incolla, o trascinandoli) e salva: il salvataggio scrive ciascuno sopra il giocatore del gioco il cui id sono i 16 bit bassi del suo, e prima li nomina uno per uno.</translation>
    </message>
    <message>
        <source>%1 cannot go onto %2, a team of the game: his %3 is %4, and the game&apos;s files hold %5 at most. Set his %3 to %5 or less first; on his imported team he may keep %4.</source>
        <translation>%1 non può andare in %2, una squadra del gioco: il suo %3 vale %4 e i file del gioco contengono al massimo %5. Porta prima il suo %3 a %5 o meno; nella sua squadra importata può tenere %4.</translation>
    </message>
    <message>
        <source>%1 is to go onto a team of the game at the next save, whose files hold %4 at most for his %2, so it cannot be %3. Undo his move onto that team first to give him a larger value.</source>
        <translation>%1 andrà in una squadra del gioco al prossimo salvataggio, i cui file contengono al massimo %4 per il suo %2, quindi non può valere %3. Annulla prima il suo spostamento in quella squadra per dargli un valore più alto.</translation>
    </message>
</context>
<context>
    <name>locktexts</name>
    <message>
        <source>%1: the game folder is in use by another program.</source>
        <translation>%1: la cartella del gioco è usata da un altro programma.</translation>
    </message>
    <message>
        <source>%1: another program is saving the game&apos;s files; its unfinished save is left for it to finish.</source>
        <translation>%1: un altro programma sta salvando i file del gioco. Obrix lascia che sia quel programma a completare il salvataggio.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 è una cartella, non un file normale, quindi i file del gioco non possono essere bloccati contro altri programmi. Rimuovila e riprova.</translation>
    </message>
    <message>
        <source>%1 is a link, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 è un collegamento, non un file normale, quindi i file del gioco non possono essere bloccati contro altri programmi. Rimuovilo e riprova.</translation>
    </message>
    <message>
        <source>%1 is a pipe, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 è una pipe, non un file normale, quindi i file del gioco non possono essere bloccati contro altri programmi. Rimuovila e riprova.</translation>
    </message>
    <message>
        <source>%1 is a device, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 è un dispositivo, non un file normale, quindi i file del gioco non possono essere bloccati contro altri programmi. Rimuovilo e riprova.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 non è un file normale, quindi i file del gioco non possono essere bloccati contro altri programmi. Rimuovilo e riprova.</translation>
    </message>
    <message>
        <source>%1 cannot be locked (%2), so the game&apos;s files cannot be locked against other programs.</source>
        <translation>%1 non può essere bloccato (%2), quindi i file del gioco non possono essere bloccati contro altri programmi.</translation>
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
        <extracomment>A button: sets every skill of the player to the highest value, 16.</extracomment>
        <translation>Abilità al massimo</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Reimposta tutto</translation>
    </message>
    <message>
        <source>Commentary</source>
        <extracomment>A check box: the match commentator says this player&apos;s name. Kept in the game&apos;s own words.</extracomment>
        <translation>Nome in telecronaca</translation>
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
        <extracomment>Vision of play: how well the player reads the game (not his positioning).</extracomment>
        <translation>Visione di gioco:</translation>
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
        <extracomment>Shot accuracy; short, for want of room beside its box.</extracomment>
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
        <extracomment>The team&apos;s abbreviation: its name in a few letters.</extracomment>
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
        <extracomment>A preset of skills: good, between Star and average.</extracomment>
        <translation>Buono</translation>
    </message>
    <message>
        <source>Ave.</source>
        <extracomment>A preset of skills: average.</extracomment>
        <translation>Medio</translation>
    </message>
    <message>
        <source>White</source>
        <comment>skin colour</comment>
        <translation>Chiara</translation>
    </message>
    <message>
        <source>Tanned</source>
        <comment>skin colour</comment>
        <translation>Abbronzata</translation>
    </message>
    <message>
        <source>Brown</source>
        <comment>skin colour</comment>
        <translation>Olivastra</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>skin colour</comment>
        <translation>Scura</translation>
    </message>
    <message>
        <source>Blond</source>
        <comment>hair colour</comment>
        <translation>Biondi</translation>
    </message>
    <message>
        <source>Brown</source>
        <comment>hair colour</comment>
        <translation>Castani</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>hair colour</comment>
        <translation>Rossi</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>hair colour</comment>
        <translation>Neri</translation>
    </message>
    <message>
        <source>This box holds at most %1 bytes of the game&apos;s text (a letter takes one, a Japanese character two).</source>
        <translation>Questa casella contiene al massimo %1 byte di testo del gioco (una lettera ne occupa uno, un carattere giapponese due).</translation>
    </message>
    <message>
        <source>A skill must be between %1 and %2. The skill is kept as it was.</source>
        <translation>Un&apos;abilità deve essere compresa tra %1 e %2. L&apos;abilità resta com&apos;era.</translation>
    </message>
</context>
<context>
    <name>roster</name>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Ruolo</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Val.</translation>
    </message>
    <message>
        <source>Acl</source>
        <translation>Acc</translation>
    </message>
    <message>
        <source>Agl</source>
        <translation>Agi</translation>
    </message>
    <message>
        <source>Awr</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>Bct</source>
        <translation>CPa</translation>
    </message>
    <message>
        <source>Cre</source>
        <translation>Cre</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>For</translation>
    </message>
    <message>
        <source>Hea</source>
        <translation>Tes</translation>
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
        <translation>Pot</translation>
    </message>
    <message>
        <source>Sac</source>
        <translation>Pre</translation>
    </message>
    <message>
        <source>Spd</source>
        <translation>Vel</translation>
    </message>
    <message>
        <source>Tac</source>
        <translation>Con</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
</context>
<context>
    <name>settingtexts</name>
    <message>
        <source>Cannot locate Golvar directory in the Registry. Do you want to select it yourself?</source>
        <translation>Impossibile trovare la cartella di Golvar nel Registro di sistema. Vuoi selezionarla tu?</translation>
    </message>
    <message>
        <source>Select Golvar directory</source>
        <translation>Seleziona la cartella di Golvar</translation>
    </message>
</context>
<context>
    <name>statstexts</name>
    <message>
        <source>Please select a team/league to add.</source>
        <translation>Seleziona una squadra o una competizione da aggiungere.</translation>
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
        <extracomment>The player&apos;s market value.</extracomment>
        <translation>Valore di mercato</translation>
    </message>
    <message>
        <source>International</source>
        <extracomment>Whether the player plays for his national team.</extracomment>
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
        <extracomment>Vision of play: how well the player reads the game (not his positioning).</extracomment>
        <translation>Visione di gioco</translation>
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
        <extracomment>A filter&apos;s comparison: equal to.</extracomment>
        <translation>Uguale</translation>
    </message>
    <message>
        <source>GT</source>
        <extracomment>A filter&apos;s comparison: greater than.</extracomment>
        <translation>Maggiore</translation>
    </message>
    <message>
        <source>LT</source>
        <extracomment>A filter&apos;s comparison: less than.</extracomment>
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
        <translation>Difensore</translation>
    </message>
    <message>
        <source>Midfielder</source>
        <translation>Centrocampista</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Attaccante</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Ruolo</translation>
    </message>
    <message>
        <source>Hair Colour</source>
        <translation>Colore capelli</translation>
    </message>
    <message>
        <source>Hair Type</source>
        <translation>Tipo capelli</translation>
    </message>
    <message>
        <source>Facial Hair</source>
        <translation>Barba</translation>
    </message>
    <message>
        <source>Skin Colour</source>
        <translation>Carnagione</translation>
    </message>
    <message>
        <source>Skill Ave</source>
        <extracomment>The average of the player&apos;s skills.</extracomment>
        <translation>Media abil.</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Squadra</translation>
    </message>
    <message>
        <source>Acl</source>
        <translation>Acc</translation>
    </message>
    <message>
        <source>Agl</source>
        <translation>Agi</translation>
    </message>
    <message>
        <source>Awr</source>
        <extracomment>Awareness, in about three letters: vision of play.</extracomment>
        <translation>Vis</translation>
    </message>
    <message>
        <source>Bct</source>
        <translation>CPa</translation>
    </message>
    <message>
        <source>Cre</source>
        <translation>Cre</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>For</translation>
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
        <translation>Pot</translation>
    </message>
    <message>
        <source>Sac</source>
        <translation>Pre</translation>
    </message>
    <message>
        <source>Spd</source>
        <translation>Vel</translation>
    </message>
    <message>
        <source>Tac</source>
        <translation>Con</translation>
    </message>
    <message>
        <source>Hea</source>
        <translation>Tes</translation>
    </message>
    <message>
        <source>The report could not be written: %1</source>
        <translation>Impossibile scrivere il rapporto: %1</translation>
    </message>
</context>
<context>
    <name>thumbnailtexts</name>
    <message>
        <source>%1 of the 64 jersey thumbnails could not be made:
%2</source>
        <translation>Impossibile creare %1 delle 64 miniature delle maglie:
%2</translation>
    </message>
    <message>
        <source>%1: not a texture with a whole jersey picture</source>
        <translation>%1: non è una texture con l&apos;immagine di una maglia intera</translation>
    </message>
</context>
<context>
    <name>transfertexts</name>
    <message>
        <source>Select a player or a team on each side, then &quot;&lt;----&gt;&quot; moves or swaps them.</source>
        <translation>Seleziona un giocatore o una squadra su ciascun lato, poi «&lt;----&gt;» li sposta o li scambia.</translation>
    </message>
    <message>
        <source>A league cannot be transferred: select a team or a player.</source>
        <translation>Una competizione non può essere trasferita: seleziona una squadra o un giocatore.</translation>
    </message>
    <message>
        <source>&quot;&lt;----&gt;&quot; moves %1 from %2 to %3.</source>
        <translation>«&lt;----&gt;» sposta %1 da %2 a %3.</translation>
    </message>
    <message>
        <source>&quot;&lt;----&gt;&quot; swaps %1 of %2 and %3 of %4.</source>
        <translation>«&lt;----&gt;» scambia %1 di %2 e %3 di %4.</translation>
    </message>
    <message>
        <source>&quot;&lt;----&gt;&quot; swaps %1 and %2: names, kits and players.</source>
        <translation>«&lt;----&gt;» scambia %1 e %2: nomi, divise e giocatori.</translation>
    </message>
    <message>
        <source>%1 is already in %2.</source>
        <translation>%1 è già in %2.</translation>
    </message>
    <message>
        <source>Creating Transfer Tables...</source>
        <translation>Creazione tabelle di trasferimento...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Can&apos;t transfer league.</source>
        <translation>Impossibile trasferire una competizione.</translation>
    </message>
    <message>
        <source>This team already has 20 players. To give it more, up to 26, choose it in the left-hand list of the Transfer page.</source>
        <translation>Questa squadra ha già 20 giocatori. Per dargliene altri, fino a 26, sceglila nella lista di sinistra della pagina Trasferimenti.</translation>
    </message>
    <message>
        <source>This team is full: a team holds at most 26 players.</source>
        <translation>La rosa è al completo: una squadra ha al massimo 26 giocatori.</translation>
    </message>
    <message>
        <source>A team cannot have fewer than 11 players.</source>
        <translation>Una squadra non può avere meno di 11 giocatori.</translation>
    </message>
</context>
</TS>
