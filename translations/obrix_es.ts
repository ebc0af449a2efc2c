<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CAboutBox</name>
    <message>
        <source>A database editor for Golvar: edit its leagues, teams and players, their kits and skills, move players between clubs and bring in leagues made by other players.</source>
        <translation>Un editor de la base de datos de Golvar: edite sus ligas, equipos y jugadores, sus equipaciones y habilidades, traspase jugadores entre clubes e incorpore ligas creadas por otros jugadores.</translation>
    </message>
    <message>
        <source>Programming and artwork: the Obrix developers at Brannoc.
Thanks to everyone who tried the early versions and sent in their leagues.</source>
        <translation>Programación y gráficos: los desarrolladores de Obrix en Brannoc.
Gracias a todos los que probaron las primeras versiones y enviaron sus ligas.</translation>
    </message>
    <message>
        <source>About Obrix</source>
        <translation>Acerca de Obrix</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>CDataPropSheet</name>
    <message>
        <source>Data Sheet</source>
        <translation>Hoja de datos</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Traspasos</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
</context>
<context>
    <name>CFindDialog</name>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Obrix Help</source>
        <translation>Ayuda de Obrix</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
</context>
<context>
    <name>CPictureListBox</name>
    <message>
        <source>Shorts %1</source>
        <translation>Pantalón %1</translation>
    </message>
    <message>
        <source>Socks %1</source>
        <translation>Medias %1</translation>
    </message>
    <message>
        <source>Jersey %1</source>
        <translation>Camiseta %1</translation>
    </message>
</context>
<context>
    <name>CPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Golvar Folder:</source>
        <translation>Carpeta de Golvar:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Language of the editor:</source>
        <translation>Idioma del editor:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Applied at the next start.</source>
        <translation>Se aplica en el próximo inicio.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Neerlandés</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Sueco</translation>
    </message>
    <message>
        <source>Language of the game&apos;s names:</source>
        <translation>Idioma de los nombres del juego:</translation>
    </message>
    <message>
        <source>Obrix shows the names in the chosen language from its next start.</source>
        <translation>Obrix mostrará los nombres en el idioma elegido a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>This Golvar folder has no names in this language (%1 is missing).</source>
        <translation>Esta carpeta de Golvar no tiene nombres en este idioma (falta %1).</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historial</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>&lt;as loaded&gt;</source>
        <translation>&lt;tal como se cargó&gt;</translation>
    </message>
    <message>
        <source>Global Modifications</source>
        <translation>Modificaciones globales</translation>
    </message>
    <message>
        <source>Import League &apos;%1&apos;</source>
        <translation>Importar liga «%1»</translation>
    </message>
    <message>
        <source>Import GLV File</source>
        <translation>Importar archivo GLV</translation>
    </message>
    <message>
        <source>Delete Team &apos;%1&apos;</source>
        <translation>Eliminar equipo «%1»</translation>
    </message>
    <message>
        <source>Delete Player &apos;%1&apos;</source>
        <translation>Eliminar jugador «%1»</translation>
    </message>
    <message>
        <source>Paste Team &apos;%1&apos;</source>
        <translation>Pegar equipo «%1»</translation>
    </message>
    <message>
        <source>Paste Player &apos;%1&apos;</source>
        <translation>Pegar jugador «%1»</translation>
    </message>
    <message>
        <source>New League &apos;%1&apos;</source>
        <translation>Nueva liga «%1»</translation>
    </message>
    <message>
        <source>League Name &apos;%1&apos;</source>
        <translation>Nombre de liga «%1»</translation>
    </message>
    <message>
        <source>Remove League &apos;%1&apos;</source>
        <translation>Quitar liga «%1»</translation>
    </message>
    <message>
        <source>Apply Remembered Team</source>
        <translation>Aplicar equipo recordado</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Hecho: %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Deshecho: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Rehecho: %1</translation>
    </message>
    <message>
        <source>Swap Teams &apos;%1&apos; and &apos;%2&apos;</source>
        <translation>Intercambiar equipos «%1» y «%2»</translation>
    </message>
    <message>
        <source>Swap Players &apos;%1&apos; and &apos;%2&apos;</source>
        <translation>Intercambiar jugadores «%1» y «%2»</translation>
    </message>
    <message>
        <source>Move Player &apos;%1&apos;</source>
        <translation>Mover jugador «%1»</translation>
    </message>
</context>
<context>
    <name>apptexts</name>
    <message>
        <source>Loading Player Data...</source>
        <translation>Cargando datos de jugadores...</translation>
    </message>
    <message>
        <source>Loading Team Data...</source>
        <translation>Cargando datos de equipos...</translation>
    </message>
    <message>
        <source>Loading League Data...</source>
        <translation>Cargando datos de ligas...</translation>
    </message>
    <message>
        <source>Reading Player Data...</source>
        <translation>Leyendo datos de jugadores...</translation>
    </message>
    <message>
        <source>Reading Team Data...</source>
        <translation>Leyendo datos de equipos...</translation>
    </message>
    <message>
        <source>Reading League Data...</source>
        <translation>Leyendo datos de ligas...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Cannot read player data.</source>
        <translation>No se pueden leer los datos de jugadores.</translation>
    </message>
    <message>
        <source>Cannot read team data.</source>
        <translation>No se pueden leer los datos de equipos.</translation>
    </message>
    <message>
        <source>Cannot read league data.</source>
        <translation>No se pueden leer los datos de ligas.</translation>
    </message>
    <message>
        <source>%1 The Golvar database in %2 cannot be read:
%3</source>
        <translation>%1 La base de datos de Golvar en %2 no se puede leer:
%3</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <source>Choose Another Folder</source>
        <translation>Elegir otra carpeta</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>You have made modifications to the data of %1. Do you want to save them there before Obrix opens %2?</source>
        <translation>Ha modificado los datos de %1. ¿Desea guardarlos allí antes de que Obrix abra %2?</translation>
    </message>
    <message>
        <source>The Golvar database in %1 cannot be read: %2
Obrix goes on with the database of %3.</source>
        <translation>La base de datos de Golvar en %1 no se puede leer: %2
Obrix sigue con la base de datos de %3.</translation>
    </message>
    <message>
        <source>You have made modifications to the data. Do you want to save the changes before exiting Obrix?</source>
        <translation>Ha modificado los datos. ¿Desea guardar los cambios antes de salir de Obrix?</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Save Over Them</source>
        <translation>Guardar encima</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Every change you made since the data was last read or saved will be lost. Reload the game&apos;s files?</source>
        <translation>Se perderán todos los cambios hechos desde la última vez que se leyeron o guardaron los datos. ¿Recargar los archivos del juego?</translation>
    </message>
    <message>
        <source>%1: the game folder is in use by another program. Nothing was saved; please save again once it has finished.</source>
        <translation>%1: otro programa está usando la carpeta del juego. No se ha guardado nada; vuelva a guardar cuando haya terminado.</translation>
    </message>
    <message>
        <source>“Restore Backup” puts back the game&apos;s files as they were backed up on %1. “Choose Another Folder” opens a different Golvar folder.</source>
        <translation>«Restaurar copia de seguridad» devuelve los archivos del juego al estado de la copia del %1. «Elegir otra carpeta» abre otra carpeta de Golvar.</translation>
    </message>
    <message>
        <source>There is no usable backup of this folder to restore. “Choose Another Folder” opens a different Golvar folder.</source>
        <translation>No hay ninguna copia de seguridad utilizable de esta carpeta para restaurar. «Elegir otra carpeta» abre otra carpeta de Golvar.</translation>
    </message>
    <message>
        <source>The game&apos;s files were changed by another program since Obrix read them (%1).

“Reload” reads them again and drops your changes. “Save Over Them” replaces what the other program saved with the data shown here.</source>
        <translation>Otro programa ha cambiado los archivos del juego desde que Obrix los leyó (%1).

«Recargar» los vuelve a leer y descarta sus cambios. «Guardar encima» sustituye lo que guardó el otro programa por los datos que se muestran aquí.</translation>
    </message>
    <message>
        <source>%1 The Golvar database in %2 cannot be read again:
%3

Obrix keeps the data it shows, your changes included.</source>
        <translation>%1 La base de datos de Golvar en %2 no se puede volver a leer:
%3

Obrix conserva los datos que muestra, incluidos sus cambios.</translation>
    </message>
    <message>
        <source>Keep Current Data goes on with the data shown, which Save Data can write back over the game&apos;s files. Restore Backup puts back the game&apos;s files as they were backed up on %1. Choose Another Folder opens a different Golvar folder.</source>
        <translation>Conservar los datos actuales sigue con los datos que se muestran, que Guardar datos puede volver a escribir sobre los archivos del juego. Restaurar copia de seguridad devuelve los archivos del juego al estado de la copia del %1. Elegir otra carpeta abre otra carpeta de Golvar.</translation>
    </message>
    <message>
        <source>Keep Current Data goes on with the data shown, which Save Data can write back over the game&apos;s files. There is no usable backup of this folder to restore. Choose Another Folder opens a different Golvar folder.</source>
        <translation>Conservar los datos actuales sigue con los datos que se muestran, que Guardar datos puede volver a escribir sobre los archivos del juego. No hay ninguna copia de seguridad utilizable de esta carpeta para restaurar. Elegir otra carpeta abre otra carpeta de Golvar.</translation>
    </message>
    <message>
        <source>Keep Current Data</source>
        <translation>Conservar los datos actuales</translation>
    </message>
    <message>
        <source>The Golvar folder %1 has no names in the language chosen in Preferences (%2 is missing). Obrix shows the English names for this run; Preferences offers the languages this folder has.</source>
        <translation>La carpeta de Golvar %1 no tiene nombres en el idioma elegido en Preferencias (falta %2). Obrix muestra los nombres en inglés durante esta sesión; Preferencias ofrece los idiomas que tiene esta carpeta.</translation>
    </message>
</context>
<context>
    <name>backuptexts</name>
    <message>
        <source>Restoring original Golvar data file will overwrite all changes made. Do you wish to continue?</source>
        <translation>Restaurar los archivos de datos originales de Golvar sobrescribirá todos los cambios realizados. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>There is no backup of this Golvar folder to restore.</source>
        <translation>No hay ninguna copia de seguridad de esta carpeta de Golvar para restaurar.</translation>
    </message>
    <message>
        <source>Restored %1 from the backup of %2.</source>
        <translation>Se ha restaurado %1 a partir de la copia de seguridad del %2.</translation>
    </message>
    <message>
        <source>Nothing was restored: %1</source>
        <translation>No se ha restaurado nada: %1</translation>
    </message>
    <message>
        <source>the backup in %1 is damaged (%2).</source>
        <translation>la copia de seguridad de %1 está dañada (%2).</translation>
    </message>
    <message>
        <source>the backup does not load as a game database (%1).</source>
        <translation>la copia de seguridad no se carga como base de datos del juego (%1).</translation>
    </message>
    <message>
        <source>The backup of %1 could not be made: %2</source>
        <translation>No se ha podido hacer la copia de seguridad de %1: %2</translation>
    </message>
    <message>
        <source>the game&apos;s files do not load as a game database (%1), and a backup of them would be of no use; the earlier backup, if any, is kept</source>
        <translation>los archivos del juego no se cargan como base de datos del juego (%1) y una copia de seguridad de ellos no serviría de nada; se conserva la copia de seguridad anterior, si la hay</translation>
    </message>
    <message>
        <source>The original Golvar data files could not be backed up to
%1

Without a backup, “Restore” cannot undo the changes you save now.
Do you wish to save without a backup?</source>
        <translation>No se ha podido hacer una copia de seguridad de los archivos de datos originales de Golvar en
%1

Sin copia de seguridad, «Restaurar» no podrá deshacer los cambios que guarde ahora.
¿Desea guardar sin copia de seguridad?</translation>
    </message>
    <message>
        <source>The original Golvar data files could not be backed up to
%1

%2

Without a backup, “Restore” cannot undo the changes you save now.
Do you wish to save without a backup?</source>
        <translation>No se ha podido hacer una copia de seguridad de los archivos de datos originales de Golvar en
%1

%2

Sin copia de seguridad, «Restaurar» no podrá deshacer los cambios que guarde ahora.
¿Desea guardar sin copia de seguridad?</translation>
    </message>
    <message>
        <source>%1 The new backup was taken back: %2 holds the backup it held before, if any.</source>
        <translation>%1 La nueva copia de seguridad se ha retirado: %2 conserva la copia de seguridad que tenía antes, si la había.</translation>
    </message>
    <message>
        <source>the backup in %1 was taken from another Golvar folder (%2), not from this one (%3).</source>
        <translation>la copia de seguridad de %1 se hizo de otra carpeta de Golvar (%2), no de esta (%3).</translation>
    </message>
</context>
<context>
    <name>bulktexts</name>
    <message>
        <source>&quot;%s&quot; is not a whole number</source>
        <translation>«%s» no es un número entero</translation>
    </message>
    <message>
        <source>%lld is outside %lld..%lld, what this field can hold</source>
        <translation>%lld está fuera de %lld..%lld, el rango que admite este campo</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>el texto no es UTF-8 válido</translation>
    </message>
    <message>
        <source>&quot;%s&quot; holds a character the game&apos;s encoding cannot store</source>
        <translation>«%s» contiene un carácter que la codificación del juego no puede guardar</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is %d bytes in the game&apos;s encoding; at most %lld fit</source>
        <translation>«%s» ocupa %d bytes en la codificación del juego; caben como máximo %lld</translation>
    </message>
    <message>
        <source>the list has %d entries; at most %lld fit</source>
        <translation>la lista tiene %d entradas; caben como máximo %lld</translation>
    </message>
    <message>
        <source>the list names %s %lld, which does not exist</source>
        <translation>la lista incluye el registro %s %lld, que no existe</translation>
    </message>
    <message>
        <source>the list names %lld twice</source>
        <translation>la lista incluye %lld dos veces</translation>
    </message>
    <message>
        <source>%s follows from other data and cannot be changed (it is %s)</source>
        <translation>%s se deriva de otros datos y no se puede cambiar (vale %s)</translation>
    </message>
    <message>
        <source>%s is the editor&apos;s own bookkeeping and cannot be changed (it is %s)</source>
        <translation>%s es un dato interno del editor y no se puede cambiar (vale %s)</translation>
    </message>
    <message>
        <source>there is no %s with id %lld; an import changes records, it does not add them</source>
        <translation>no hay ningún registro %s con id %lld; una importación modifica registros, no los añade</translation>
    </message>
    <message>
        <source>more than one league has id %lld; change those leagues in the editor</source>
        <translation>más de una liga tiene el id %lld; cambie esas ligas en el editor</translation>
    </message>
    <message>
        <source>id %lld is on line %d already</source>
        <translation>el id %lld ya está en la línea %d</translation>
    </message>
    <message>
        <source>the row has %d fields; the header has %d</source>
        <translation>la fila tiene %d campos; la cabecera tiene %d</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a field of players, teams or leagues</source>
        <translation>«%s» no es un campo de jugadores, equipos ni ligas</translation>
    </message>
    <message>
        <source>the column &quot;%s&quot; appears twice</source>
        <translation>la columna «%s» aparece dos veces</translation>
    </message>
    <message>
        <source>there is no id column</source>
        <translation>no hay ninguna columna id</translation>
    </message>
    <message>
        <source>the columns do not all belong to one of players, teams or leagues</source>
        <translation>las columnas no pertenecen todas a una misma tabla: jugadores, equipos o ligas</translation>
    </message>
    <message>
        <source>the columns fit more than one table; add a column that only one of them has</source>
        <translation>las columnas encajan en más de una tabla; añada una columna que solo tenga una de ellas</translation>
    </message>
    <message>
        <source>the file has no header row</source>
        <translation>el archivo no tiene fila de cabecera</translation>
    </message>
    <message>
        <source>... and %d more problems</source>
        <translation>... y %d problemas más</translation>
    </message>
    <message>
        <source>League &quot;%s&quot; lists team %s (%u) more than once.</source>
        <translation>La liga «%s» incluye el equipo %s (%u) más de una vez.</translation>
    </message>
    <message>
        <source>League &quot;%s&quot; has a slot naming team %u, which does not exist.</source>
        <translation>La liga «%s» tiene una plaza con el equipo %u, que no existe.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists %d players; a team needs at least 11.</source>
        <translation>El equipo «%s» tiene %d jugadores; un equipo necesita al menos 11.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists player %s (%u) more than once.</source>
        <translation>El equipo «%s» incluye al jugador %s (%u) más de una vez.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists player %u, which does not exist.</source>
        <translation>El equipo «%s» incluye al jugador %u, que no existe.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot;: %s and %s both wear number %d.</source>
        <translation>Equipo «%s»: %s y %s llevan el mismo dorsal, el %d.</translation>
    </message>
    <message>
        <source>The %s %u has an empty %s.</source>
        <translation>El registro %s %u tiene vacío el campo %s.</translation>
    </message>
    <message>
        <source>The %s %s (%u) has %s = %lld; the game uses %lld..%lld.</source>
        <translation>El registro %s %s (%u) tiene %s = %lld; el juego usa %lld..%lld.</translation>
    </message>
    <message>
        <source>Player %s (%u) was listed by a team of the game when the files were read and is listed by none after the save.</source>
        <translation>El jugador %s (%u) figuraba en un equipo del juego cuando se leyeron los archivos y después de guardar no figura en ninguno.</translation>
    </message>
    <message>
        <source>Player %s (%u) is listed by two clubs after the save, %s and %s.</source>
        <translation>El jugador %s (%u) figura en dos clubs después de guardar, %s y %s.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists %s (%u), whose %s is %lld; the game&apos;s files hold %lld at most, so he cannot be moved or copied onto a team of the game until it is %lld or less.</source>
        <translation>El equipo &quot;%s&quot; incluye a %s (%u), cuyo %s vale %lld; los archivos del juego admiten como máximo %lld, así que no puede moverse ni copiarse a un equipo del juego hasta que valga %lld o menos.</translation>
    </message>
</context>
<context>
    <name>bulkviewtexts</name>
    <message>
        <source>Export Table</source>
        <translation>Exportar tabla</translation>
    </message>
    <message>
        <source>Table:</source>
        <translation>Tabla:</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Equipos</translation>
    </message>
    <message>
        <source>Leagues</source>
        <translation>Ligas</translation>
    </message>
    <message>
        <source>Spreadsheet Files (*.csv)|*.csv|All Files (*.*)|*.*|</source>
        <translation>Archivos de hoja de cálculo (*.csv)|*.csv|Todos los archivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Import Table</source>
        <translation>Importar tabla</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>No se ha podido leer el archivo %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows written to %1</source>
        <translation>
            <numerusform>%n fila escrita en %1</numerusform>
            <numerusform>%n filas escritas en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The file was refused; nothing was changed.

%1</source>
        <translation>Se ha rechazado el archivo; no se ha cambiado nada.

%1</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more problems</source>
        <translation>
            <numerusform>... y %n problema más</numerusform>
            <numerusform>... y %n problemas más</numerusform>
        </translation>
    </message>
    <message>
        <source>The file changes nothing: every cell already holds its value.</source>
        <translation>El archivo no cambia nada: cada celda ya contiene su valor.</translation>
    </message>
    <message>
        <source>Import Table: Preview</source>
        <translation>Importar tabla: vista previa</translation>
    </message>
    <message numerus="yes">
        <source>%n changes</source>
        <translation>
            <numerusform>%n cambio</numerusform>
            <numerusform>%n cambios</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes by field</source>
        <translation>Cambios por campo</translation>
    </message>
    <message>
        <source>Check Database</source>
        <translation>Comprobar base de datos</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Volver a comprobar</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n advertencia</numerusform>
            <numerusform>%n advertencias</numerusform>
        </translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>No se han encontrado problemas.</translation>
    </message>
    <message>
        <source>%1 now has an odd number (%2) of team slots: add or remove a team before saving.</source>
        <translation>%1 tiene ahora un número impar (%2) de plazas de equipo: añada o quite un equipo antes de guardar.</translation>
    </message>
    <message numerus="yes">
        <source>The edits leave %n things the game may not like, listed in Check Database (the game&apos;s files can hold them). Save anyway?</source>
        <translation>
            <numerusform>Tras las modificaciones queda %n punto que puede dar problemas en el juego; aparece en «Comprobar base de datos» (los archivos del juego pueden guardarlo). ¿Guardar de todos modos?</numerusform>
            <numerusform>Tras las modificaciones quedan %n puntos que pueden dar problemas en el juego; aparecen en «Comprobar base de datos» (los archivos del juego pueden guardarlos). ¿Guardar de todos modos?</numerusform>
        </translation>
    </message>
    <message>
        <source>The database has errors that the save or the game would stumble on; nothing was saved. They are listed in Check Database: double-click one to go to its record.</source>
        <translation>La base de datos tiene errores que harían fallar el guardado o el juego; no se ha guardado nada. Aparecen en «Comprobar base de datos»: haga doble clic en uno para ir a su registro.</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>Since the backup</source>
        <translation>Desde la copia de seguridad</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Revertir</translation>
    </message>
    <message>
        <source>Revert Record</source>
        <translation>Revertir registro</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message numerus="yes">
        <source>%n differences</source>
        <translation>
            <numerusform>%n diferencia</numerusform>
            <numerusform>%n diferencias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records</source>
        <translation>
            <numerusform>%n registro</numerusform>
            <numerusform>%n registros</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no backup of this game folder yet.</source>
        <translation>Todavía no hay ninguna copia de seguridad de esta carpeta del juego.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Gravedad</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>advertencia</translation>
    </message>
    <message>
        <source>only in the files</source>
        <translation>solo en los archivos</translation>
    </message>
    <message>
        <source>database</source>
        <translation>base de datos</translation>
    </message>
    <message>
        <source>only in the editor</source>
        <translation>solo en el editor</translation>
    </message>
    <message>
        <source>leagues</source>
        <translation>ligas</translation>
    </message>
    <message>
        <source>teams</source>
        <translation>equipos</translation>
    </message>
    <message>
        <source>players</source>
        <translation>jugadores</translation>
    </message>
    <message>
        <source>%1 in %2 of the %3 table. “OK” applies them all as one step.</source>
        <translation>%1 en %2 de la tabla %3. «Aceptar» los aplica todos en un solo paso.</translation>
    </message>
    <message>
        <source>The table could not be written: %1</source>
        <translation>No se pudo escribir la tabla: %1</translation>
    </message>
</context>
<context>
    <name>commands</name>
    <message>
        <source>Export &amp;Table...</source>
        <translation>Exportar &amp;tabla...</translation>
    </message>
    <message>
        <source>Import T&amp;able...</source>
        <translation>Importar t&amp;abla...</translation>
    </message>
    <message>
        <source>C&amp;heck Database...</source>
        <translation>Comprobar &amp;base de datos...</translation>
    </message>
    <message>
        <source>Write players, teams or leagues to a spreadsheet file
Export Table</source>
        <translation>Escribe jugadores, equipos o ligas en un archivo de hoja de cálculo
Exportar tabla</translation>
    </message>
    <message>
        <source>Apply a spreadsheet file&apos;s changes, after a preview
Import Table</source>
        <translation>Aplica los cambios de un archivo de hoja de cálculo, tras una vista previa
Importar tabla</translation>
    </message>
    <message>
        <source>List what the game or the save would stumble on
Check Database</source>
        <translation>Muestra los errores que harían fallar el guardado o el juego
Comprobar base de datos</translation>
    </message>
    <message>
        <source>List what differs from the files as loaded or from the backup
Changes</source>
        <translation>Muestra lo que difiere de los archivos tal como se cargaron o de la copia de seguridad
Cambios</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Import &amp;GLV Files...</source>
        <translation>Importar archivos GL&amp;V...</translation>
    </message>
    <message>
        <source>Ex&amp;port...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Make Jersey Thumbnails</source>
        <translation>Crear &amp;miniaturas de camisetas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Clo&amp;ne</source>
        <translation>C&amp;lonar</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>B&amp;uscar</translation>
    </message>
    <message>
        <source>Find &amp;Again</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Global Modifications...</source>
        <translation>Modificaciones &amp;globales...</translation>
    </message>
    <message>
        <source>&amp;New League</source>
        <translation>&amp;Nueva liga</translation>
    </message>
    <message>
        <source>&amp;League Name...</source>
        <translation>Nombre de l&amp;iga...</translation>
    </message>
    <message>
        <source>Swap Tea&amp;ms</source>
        <translation>Intercambiar e&amp;quipos</translation>
    </message>
    <message>
        <source>S&amp;wap Players</source>
        <translation>Intercambiar &amp;jugadores</translation>
    </message>
    <message>
        <source>Appl&amp;y Remembered Team</source>
        <translation>&amp;Aplicar equipo recordado</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>T&amp;ransfer Page</source>
        <translation>Página de &amp;traspasos</translation>
    </message>
    <message>
        <source>&amp;Next Pane</source>
        <translation>Panel &amp;siguiente</translation>
    </message>
    <message>
        <source>Pre&amp;vious Pane</source>
        <translation>Panel a&amp;nterior</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Temas de ayuda...</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>Te&amp;clado</translation>
    </message>
    <message>
        <source>&amp;About Obrix...</source>
        <translation>&amp;Acerca de Obrix...</translation>
    </message>
    <message>
        <source>Save changes to Golvar data files permanently\Save</source>
        <translation>Guarda los cambios en los archivos de datos de Golvar de forma permanente\Guardar</translation>
    </message>
    <message>
        <source>Import from DB files
Import</source>
        <translation>Importa desde archivos DB
Importar</translation>
    </message>
    <message>
        <source>Export to DB files
Export</source>
        <translation>Exporta a archivos DB
Exportar</translation>
    </message>
    <message>
        <source>Transfer Teams and Players\Transfer</source>
        <translation>Traspasa equipos y jugadores\Traspasos</translation>
    </message>
    <message>
        <source>Generate thumbnail images of jersey files
Make Jersey Thumbnails</source>
        <translation>Genera miniaturas de los archivos de camisetas
Crear miniaturas de camisetas</translation>
    </message>
    <message>
        <source>Find a player or a team\Find</source>
        <translation>Busca un jugador o un equipo\Buscar</translation>
    </message>
    <message>
        <source>Repeat Last Find</source>
        <translation>Repite la última búsqueda</translation>
    </message>
    <message>
        <source>Change league names</source>
        <translation>Cambia los nombres de las ligas</translation>
    </message>
    <message>
        <source>Change Player Attributes Globally</source>
        <translation>Cambia las habilidades de los jugadores de forma global</translation>
    </message>
    <message>
        <source>Import GLV Files...</source>
        <translation>Importar archivos GLV...</translation>
    </message>
    <message>
        <source>Write the selected league as DB files that other users can import
Export League</source>
        <translation>Escribe la liga seleccionada como archivos DB que otros usuarios pueden importar
Exportar liga</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Swap the two teams selected on the Transfer page between their leagues
Swap Teams</source>
        <translation>Intercambia entre sus ligas los dos equipos seleccionados en la página de traspasos
Intercambiar equipos</translation>
    </message>
    <message>
        <source>Swap the two players selected on the Transfer page between their teams
Swap Players</source>
        <translation>Intercambia entre sus equipos los dos jugadores seleccionados en la página de traspasos
Intercambiar jugadores</translation>
    </message>
    <message>
        <source>Put back the game&apos;s files as they were backed up
Restore</source>
        <translation>Devuelve los archivos del juego al estado de la copia de seguridad
Restaurar</translation>
    </message>
    <message>
        <source>Quit Obrix; unsaved changes are asked about first
Exit</source>
        <translation>Sale de Obrix; antes pregunta por los cambios sin guardar
Salir</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>Deshace el último cambio
Deshacer</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Rehace el último cambio deshecho
Rehacer</translation>
    </message>
    <message>
        <source>Add a new, empty league
New League</source>
        <translation>Añade una liga nueva y vacía
Nueva liga</translation>
    </message>
    <message>
        <source>Remember the selected team&apos;s kit and names
Remember Team</source>
        <translation>Recuerda la equipación y los nombres del equipo seleccionado
Recordar equipo</translation>
    </message>
    <message>
        <source>Move to the next pane: tree, data sheet, roster
Next Pane</source>
        <translation>Pasa al panel siguiente: árbol, hoja de datos, plantilla
Panel siguiente</translation>
    </message>
    <message>
        <source>Move to the previous pane
Previous Pane</source>
        <translation>Pasa al panel anterior
Panel anterior</translation>
    </message>
    <message>
        <source>List every key of the editor
Keyboard</source>
        <translation>Muestra todas las teclas del editor
Teclado</translation>
    </message>
    <message>
        <source>Not available yet
Clone</source>
        <translation>Aún no disponible
Clonar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historial</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Muestra u oculta la barra de herramientas</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Muestra u oculta la barra de estado</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Muestra información del programa, número de versión y copyright
Acerca de</translation>
    </message>
    <message>
        <source>&amp;Changes</source>
        <translation>&amp;Cambios</translation>
    </message>
    <message>
        <source>&amp;Save Data</source>
        <translation>&amp;Guardar datos</translation>
    </message>
    <message>
        <source>Remem&amp;ber Team</source>
        <translation>Rec&amp;ordar equipo</translation>
    </message>
    <message>
        <source>Pr&amp;eferences...</source>
        <translation>Pre&amp;ferencias...</translation>
    </message>
    <message>
        <source>St&amp;ats Page</source>
        <translation>Página de esta&amp;dísticas</translation>
    </message>
    <message>
        <source>Copy the selected player or team to the clipboard
Copy</source>
        <translation>Copia el jugador o el equipo seleccionado al portapapeles
Copiar</translation>
    </message>
    <message>
        <source>Cut the selected player; “Paste” on a team moves him there
Cut</source>
        <translation>Corta el jugador seleccionado; «Pegar» en un equipo lo traslada allí
Cortar</translation>
    </message>
    <message>
        <source>Paste the copied player into a team, or the copied team into a league
Paste</source>
        <translation>Pega el jugador copiado en un equipo, o el equipo copiado en una liga
Pegar</translation>
    </message>
    <message>
        <source>Delete the selected player or team
Delete</source>
        <translation>Elimina el jugador o el equipo seleccionado
Eliminar</translation>
    </message>
    <message>
        <source>Give the selected team the kit and names kept with “Remember Team”
Apply Remembered Team</source>
        <translation>Da al equipo seleccionado la equipación y los nombres guardados con «Recordar equipo»
Aplicar equipo recordado</translation>
    </message>
</context>
<context>
    <name>committexts</name>
    <message>
        <source>An interrupted %1 was completed: %2 now hold the new contents.</source>
        <translation>Se ha completado una operación interrumpida (%1): %2 tienen ya el nuevo contenido.</translation>
    </message>
    <message>
        <source>An interrupted %1 was undone: the files are as before it.</source>
        <translation>Se ha deshecho una operación interrumpida (%1): los archivos están como antes de ella.</translation>
    </message>
    <message>
        <source>it is not a regular file (a link, pipe, device or folder is in its place)</source>
        <translation>no es un archivo normal (en su lugar hay un enlace, una tubería, un dispositivo o una carpeta)</translation>
    </message>
    <message>
        <source>%1: the new copy read back from the disk differs from what was written (%2 bytes read, %3 written).</source>
        <translation>%1: la nueva copia leída de nuevo del disco difiere de lo que se escribió (%2 bytes leídos, %3 escritos).</translation>
    </message>
    <message>
        <source>The %1 failed and the old files could not all be put back, so the set is mixed: %2. The old contents are kept beside them (%3); the editor finishes the set at the next load of this folder.</source>
        <translation>La operación (%1) ha fallado y no se han podido restituir todos los archivos antiguos, así que ahora hay archivos antiguos y nuevos mezclados: %2. El contenido antiguo se conserva junto a ellos (%3); el editor completará los archivos la próxima vez que cargue esta carpeta.</translation>
    </message>
    <message>
        <source>An interrupted %1 in %2 could not be finished: %3. The old contents are kept beside the files (names ending &quot;.obrix-old...&quot;) and the record in %4.</source>
        <translation>No se ha podido terminar una operación interrumpida (%1) en %2: %3. El contenido antiguo se conserva junto a los archivos (nombres que terminan en «.obrix-old...») y el registro de la operación en %4.</translation>
    </message>
    <message>
        <source>it is larger than any file of its kind can be</source>
        <translation>es más grande de lo que puede ser cualquier archivo de su tipo</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a link, pipe, device or folder is in its place), so no interrupted save there can be finished or undone and no new one can be made. Remove it and try again.</source>
        <translation>%1 no es un archivo normal (en su lugar hay un enlace, una tubería, un dispositivo o una carpeta), así que no se puede terminar ni deshacer ningún guardado interrumpido allí ni hacer uno nuevo. Elimínelo y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>comparisontexts</name>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparar</translation>
    </message>
    <message>
        <source>Differences:</source>
        <translation>Diferencias:</translation>
    </message>
    <message>
        <source>Can only compare teams.</source>
        <translation>Solo se pueden comparar equipos.</translation>
    </message>
</context>
<context>
    <name>editingtexts</name>
    <message>
        <source>Too many players (26) in this team already!</source>
        <translation>Este equipo ya tiene el máximo de 26 jugadores.</translation>
    </message>
    <message>
        <source>Cannot edit European Competition Fixtures.</source>
        <translation>No se pueden editar los calendarios de las competiciones europeas.</translation>
    </message>
    <message>
        <source>Can only copy a player to clipboard!</source>
        <translation>Solo se puede copiar un jugador al portapapeles.</translation>
    </message>
    <message>
        <source>Can only paste player to a team!</source>
        <translation>Un jugador solo se puede pegar en un equipo.</translation>
    </message>
    <message>
        <source>New League</source>
        <translation>Nueva liga</translation>
    </message>
    <message>
        <source>League Name</source>
        <translation>Nombre de liga</translation>
    </message>
    <message>
        <source>Imported League Name</source>
        <translation>Nombre de la liga importada</translation>
    </message>
    <message>
        <source>League Name:</source>
        <translation>Nombre de liga:</translation>
    </message>
    <message>
        <source>%s of %s %s -&gt; %s</source>
        <translation>%s de %s %s -&gt; %s</translation>
    </message>
    <message>
        <source>%s %s -&gt; %s</source>
        <translation>%s %s -&gt; %s</translation>
    </message>
    <message>
        <source>Cannot find &apos;%1&apos;</source>
        <translation>No se encuentra «%1»</translation>
    </message>
    <message>
        <source>%1 has been duplicated to %2</source>
        <translation>%1 se ha duplicado en %2</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 copiado</translation>
    </message>
</context>
<context>
    <name>exchangetexts</name>
    <message>
        <source>Import from DB files</source>
        <translation>Importar desde archivos DB</translation>
    </message>
    <message>
        <source>Select directory to import DB files from:</source>
        <translation>Seleccione la carpeta desde la que importar los archivos DB:</translation>
    </message>
    <message>
        <source>Importing League...</source>
        <translation>Importando liga...</translation>
    </message>
    <message>
        <source>Importing Player %d/%d %s...</source>
        <translation>Importando jugador %d/%d %s...</translation>
    </message>
    <message>
        <source>Importing Xfer %d/%d ...</source>
        <extracomment>Xfer: one of the exchange files&apos; transfer records.</extracomment>
        <translation>Importando traspaso %d/%d ...</translation>
    </message>
    <message>
        <source>Importing Team %d/%d %s...</source>
        <translation>Importando equipo %d/%d %s...</translation>
    </message>
    <message>
        <source>Error reading CUSPLYR.DB.</source>
        <translation>Error al leer CUSPLYR.DB.</translation>
    </message>
    <message>
        <source>Error reading CUSTOM.DB.</source>
        <translation>Error al leer CUSTOM.DB.</translation>
    </message>
    <message>
        <source>Error allocating memory for output buffer.</source>
        <translation>Error al reservar memoria para el búfer de salida.</translation>
    </message>
    <message>
        <source>Error Importing data.</source>
        <translation>Error al importar los datos.</translation>
    </message>
    <message>
        <source>%s: %s.</source>
        <translation>%s: %s.</translation>
    </message>
    <message>
        <source>%s announces %u bytes when unpacked; no exchange file holds more than %u, so it is not read.</source>
        <translation>%s anuncia %u bytes una vez descomprimido; ningún archivo de intercambio ocupa más de %u, así que no se lee.</translation>
    </message>
    <message>
        <source>File CUSTOM.DB appears to be corrupted. Import failed!</source>
        <translation>El archivo CUSTOM.DB parece estar dañado. La importación ha fallado.</translation>
    </message>
    <message>
        <source>Importing GLV file...</source>
        <translation>Importando archivo GLV...</translation>
    </message>
    <message>
        <source>Cannot open GLV file</source>
        <translation>No se puede abrir el archivo GLV</translation>
    </message>
    <message>
        <source>File is not a GLV file</source>
        <translation>El archivo no es un archivo GLV</translation>
    </message>
    <message>
        <source>The database has no league at position %d for the teams of a GLV file to be based on. Import failed!</source>
        <translation>La base de datos no tiene ninguna liga en la posición %d en la que basar los equipos de un archivo GLV. La importación ha fallado.</translation>
    </message>
    <message>
        <source>Team %d of the GLV file has no team to be based on in the league at position %d. Import failed!</source>
        <translation>El equipo %d del archivo GLV no tiene ningún equipo en el que basarse en la liga de la posición %d. La importación ha fallado.</translation>
    </message>
    <message>
        <source>GLV Files (*.GLV)|*.GLV|All Files (*.*)|*.*|</source>
        <translation>Archivos GLV (*.GLV)|*.GLV|Todos los archivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>The GLV file holds %d teams, but the league its teams are based on has only %d.</source>
        <translation>El archivo GLV contiene %d equipos, pero la liga en la que se basan sus equipos solo tiene %d.</translation>
    </message>
    <message>
        <source>The GLV file gives a negative number of teams (%d).</source>
        <translation>El archivo GLV indica un número negativo de equipos (%d).</translation>
    </message>
    <message>
        <source>Team %d of the GLV file holds %d players; a team has at most %d.</source>
        <translation>El equipo %d del archivo GLV contiene %d jugadores; un equipo tiene como máximo %d.</translation>
    </message>
    <message>
        <source>The GLV file ends before its list of teams.</source>
        <translation>El archivo GLV termina antes de su lista de equipos.</translation>
    </message>
    <message>
        <source>The GLV file ends in the middle of team %d.</source>
        <translation>El archivo GLV termina en mitad del equipo %d.</translation>
    </message>
    <message>
        <source>Packing %s...</source>
        <translation>Empaquetando %s...</translation>
    </message>
    <message>
        <source>There is no league at position %d.</source>
        <translation>No hay ninguna liga en la posición %d.</translation>
    </message>
    <message>
        <source>Cannot create the folder %s.</source>
        <translation>No se puede crear la carpeta %s.</translation>
    </message>
    <message>
        <source>Cannot create a temporary folder %s.</source>
        <translation>No se puede crear una carpeta temporal %s.</translation>
    </message>
    <message>
        <source>Cannot write the temporary file %s.</source>
        <translation>No se puede escribir el archivo temporal %s.</translation>
    </message>
    <message>
        <source>Removed %s, the temporary folder of an export that was cut off.</source>
        <translation>Se ha eliminado %s, la carpeta temporal de una exportación interrumpida.</translation>
    </message>
    <message>
        <source>Packing %s failed.</source>
        <translation>Error al empaquetar %s.</translation>
    </message>
    <message>
        <source>Packing %s left no packed file.</source>
        <translation>El empaquetado de %s no ha generado ningún archivo.</translation>
    </message>
    <message>
        <source>Cannot write %s.</source>
        <translation>No se puede escribir %s.</translation>
    </message>
    <message>
        <source>Exported %s, %s and %s to %s.</source>
        <translation>Se han exportado %s, %s y %s a %s.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>The packer program, which reads and writes the exchange files, could not be started: %s
(System error %d)</source>
        <translation>No se ha podido iniciar el programa empaquetador, que lee y escribe los archivos de intercambio: %s
(Error del sistema %d)</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <translation>el sistema no indicó el motivo</translation>
    </message>
    <message>
        <source>The file is larger than any GLV file can be (%u bytes), so it is not read.</source>
        <translation>El archivo es más grande de lo que puede ser un archivo GLV (%u bytes), así que no se lee.</translation>
    </message>
</context>
<context>
    <name>foldtexts</name>
    <message>
        <source>&apos;%1&apos; takes the place of the game&apos;s &apos;%2&apos; of %3</source>
        <translation>&apos;%1&apos; ocupa el lugar de &apos;%2&apos; del juego, de %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes the place of the game&apos;s &apos;%2&apos;, who is in no club</source>
        <translation>&apos;%1&apos; ocupa el lugar de &apos;%2&apos; del juego, que no está en ningún club</translation>
    </message>
    <message>
        <source>An imported player has no record of his own in the game&apos;s files, so the save writes each one moved or copied onto a game team over a game player: the one whose id is the low 16 bits of his own (whichever club lists him), or a player of that team leaving for the imported player&apos;s team. That player&apos;s name and values are gone, and his club lists the newcomer as well as the team you chose:</source>
        <translation>Un jugador importado no tiene registro propio en los archivos del juego, así que al guardar cada uno movido o copiado a un equipo del juego se escribe sobre un jugador del juego: aquel cuyo id son los 16 bits bajos del suyo (esté en el club que esté), o un jugador de ese equipo que se va al equipo del jugador importado. El nombre y los valores de ese jugador se pierden, y su club incluye al recién llegado además del equipo elegido:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... y %1 más.</translation>
    </message>
</context>
<context>
    <name>frametexts</name>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Saving Data...</source>
        <translation>Guardando datos...</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n changed records to %1</source>
        <translation>
            <numerusform>Se ha guardado %n registro modificado en %1</numerusform>
            <numerusform>Se han guardado %n registros modificados en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was saved</source>
        <translation>No se ha guardado nada</translation>
    </message>
    <message>
        <source>Cut %1: paste on a team to move him</source>
        <translation>%1 cortado: péguelo en un equipo para moverlo</translation>
    </message>
    <message>
        <source>Moved %1 to %2</source>
        <translation>%1 movido a %2</translation>
    </message>
    <message>
        <source>W A R N I N G !

This action will save changes you have made to Golvar data files PERMANENTLY. Some teams and players may be announced in their original names.

If you do not wish to make permanent changes to the files, it is suggested that you use the File/Export feature.

Do you wish to continue?</source>
        <extracomment>&quot;announced&quot;: the match commentator may say some teams&apos; and players&apos; original names, since the spoken names are recordings the editor cannot change.</extracomment>
        <translation>¡A T E N C I Ó N !

Esta acción guardará de forma PERMANENTE los cambios que ha hecho en los archivos de datos de Golvar. Es posible que los comentaristas nombren a algunos equipos y jugadores por su nombre original.

Si no desea hacer cambios permanentes en los archivos, le recomendamos usar la función Archivo/Exportar.

¿Desea continuar?</translation>
    </message>
    <message>
        <source>Select directory to export the league&apos;s DB files to:</source>
        <translation>Seleccione la carpeta a la que exportar los archivos DB de la liga:</translation>
    </message>
    <message>
        <source>Exporting League...</source>
        <translation>Exportando liga...</translation>
    </message>
    <message>
        <source>This directory already holds DB files. Do you want to replace them?</source>
        <translation>Esta carpeta ya contiene archivos DB. ¿Desea sustituirlos?</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>The window</source>
        <translation>La ventana</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Saving and backup</source>
        <translation>Guardar y copia de seguridad</translation>
    </message>
    <message>
        <source>Delete works on the pane that has the focus; in a text box it deletes text as usual. A deleted team or player comes back with Undo. Cut, then Paste on a team, moves the player there.</source>
        <translation>Eliminar actúa sobre el panel que tiene el foco; en un cuadro de texto borra texto como de costumbre. Un equipo o jugador eliminado vuelve con Deshacer. Cortar y luego Pegar en un equipo mueve allí al jugador.</translation>
    </message>
</context>
<context>
    <name>gametexts</name>
    <message>
        <source>The save was refused and nothing was written: read back, %1 %2 would have %3 %4 in the files, where the editor holds %5.</source>
        <translation>Se ha rechazado el guardado y no se ha escrito nada: al volver a leerlos, el registro %1 %2 tendría %3 = %4 en los archivos, mientras que el editor tiene %5.</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: the files it built could not be read back (%1).</source>
        <translation>Se ha rechazado el guardado y no se ha escrito nada: los archivos generados no se han podido volver a leer (%1).</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: it meant to write %1 players and %2 teams, and read back %3 and %4.</source>
        <translation>Se ha rechazado el guardado y no se ha escrito nada: debía escribir %1 jugadores y %2 equipos, y al volver a leer había %3 y %4.</translation>
    </message>
    <message>
        <source>Error writing to Team Data File.</source>
        <translation>Error al escribir en el archivo de datos de equipos.</translation>
    </message>
    <message>
        <source>Error writing to Team Name File.</source>
        <translation>Error al escribir en el archivo de nombres de equipos.</translation>
    </message>
    <message>
        <source>Error writing to Player Data File.</source>
        <translation>Error al escribir en el archivo de datos de jugadores.</translation>
    </message>
    <message>
        <source>Error writing to Player Name File.</source>
        <translation>Error al escribir en el archivo de nombres de jugadores.</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: the data in the editor was not read whole from the game&apos;s files in %1, and saving it would replace them with less than they hold.</source>
        <translation>Se ha rechazado el guardado y no se ha escrito nada: los datos del editor no se leyeron completos de los archivos del juego en %1, y guardarlos los sustituiría por menos de lo que contienen.</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: the data in the editor was read from %1, not from %2.</source>
        <translation>Se ha rechazado el guardado y no se ha escrito nada: los datos del editor se leyeron de %1, no de %2.</translation>
    </message>
</context>
<context>
    <name>globalmodtexts</name>
    <message>
        <source>Global Modifications</source>
        <translation>Modificaciones globales</translation>
    </message>
    <message>
        <source>Value to change:</source>
        <extracomment>The amount added to (or, when negative, taken from) each ticked skill.</extracomment>
        <translation>Valor a cambiar:</translation>
    </message>
    <message>
        <source>Type of Players</source>
        <translation>Tipo de jugadores</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Habilidades</translation>
    </message>
    <message>
        <source>Defenders</source>
        <translation>Defensas</translation>
    </message>
    <message>
        <source>Midfielders</source>
        <translation>Centrocampistas</translation>
    </message>
    <message>
        <source>Forwards</source>
        <translation>Delanteros</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Aceleración</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Agilidad</translation>
    </message>
    <message>
        <source>Awareness</source>
        <translation>Visión de juego</translation>
    </message>
    <message>
        <source>Ball Control</source>
        <translation>Control de balón</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Creatividad</translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation>Forma física</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Cabezazo</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Pase</translation>
    </message>
    <message>
        <source>Reaction</source>
        <translation>Reacción</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Tackle</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Introduzca un número entero entre %1 y %2.</translation>
    </message>
    <message>
        <source>%1 %2 for %3</source>
        <translation>%1 %2 para %3</translation>
    </message>
    <message>
        <source>All skills</source>
        <translation>Todas las habilidades</translation>
    </message>
    <message>
        <source>No skill</source>
        <translation>Ninguna habilidad</translation>
    </message>
    <message>
        <source>player</source>
        <translation>jugador</translation>
    </message>
    <message>
        <source>players</source>
        <translation>jugadores</translation>
    </message>
    <message>
        <source>Goalkeepers</source>
        <translation>Porteros</translation>
    </message>
    <message>
        <source>Shot Power</source>
        <translation>Potencia de tiro</translation>
    </message>
    <message>
        <source>Shot Accuracy</source>
        <translation>Precisión de tiro</translation>
    </message>
    <message>
        <source>Type an amount other than 0 to enable “OK”.</source>
        <translation>Escriba una cantidad distinta de 0 para activar «OK».</translation>
    </message>
    <message>
        <source>Tick at least one type of players to enable “OK”.</source>
        <translation>Marque al menos un tipo de jugadores para activar «OK».</translation>
    </message>
</context>
<context>
    <name>keptleaguetexts</name>
    <message>
        <source>Remove the imported league %1 from Obrix? Its teams and its edits will be gone, and it will not come back at the next start.</source>
        <translation>¿Quitar de Obrix la liga importada %1? Sus equipos y sus modificaciones desaparecerán, y no volverá en el próximo inicio.</translation>
    </message>
    <message>
        <source>The imported leagues could not be kept in %1: %2</source>
        <translation>No se han podido conservar las ligas importadas en %1: %2</translation>
    </message>
    <message>
        <source>The kept leagues in %1 could not be read: %2.
The file is left as it is; the leagues it holds are not in this run.</source>
        <translation>No se han podido leer las ligas conservadas en %1: %2.
El archivo se deja como está; las ligas que contiene no están en esta sesión.</translation>
    </message>
    <message>
        <source>The folder of the kept leagues, %1, could not be read: %2.
Nothing in it is changed; the leagues kept there are not in this run.</source>
        <translation>No se ha podido leer la carpeta de las ligas conservadas, %1: %2.
No se cambia nada en ella; las ligas conservadas allí no están en esta sesión.</translation>
    </message>
    <message>
        <source>The kept league %1 (kept by an earlier version of Obrix in %2) could not be read again.
Its files are left as they are, where File/Import can try them again.</source>
        <translation>No se ha podido volver a leer la liga conservada %1 (conservada por una versión anterior de Obrix en %2).
Sus archivos se dejan como están, donde Archivo/Importar puede volver a intentarlo.</translation>
    </message>
    <message>
        <source>The imported leagues were kept in %1, because %2 was not read in this run and is left as it is.</source>
        <translation>Las ligas importadas se han conservado en %1, porque %2 no se ha leído en esta sesión y se deja como está.</translation>
    </message>
    <message>
        <source>Imported leagues are kept by Obrix, not in the Golvar data files: they come back the next time Obrix starts. To bring their players into the game, move or copy them onto game teams (the Transfer page, Cut and Paste, or dragging them). The files have no record of their own for such a player: the save writes him over the game player whose id is the low 16 bits of his, often of another club, who is then gone; the save&apos;s question and the Changes view name each one first. Use File/Export to share the league.</source>
        <translation>Las ligas importadas las conserva Obrix, no están en los archivos de datos de Golvar: vuelven la próxima vez que se inicia Obrix. Para llevar sus jugadores al juego, muévalos o cópielos a equipos del juego (la página de traspasos, Cortar y Pegar, o arrastrándolos). Los archivos no tienen registro propio para un jugador así: al guardar se escribe sobre el jugador del juego cuyo id son los 16 bits bajos del suyo, a menudo de otro club, que entonces se pierde; la pregunta al guardar y la vista Cambios nombran antes a cada uno. Use Archivo/Exportar para compartir la liga.</translation>
    </message>
    <message>
        <source>Imported league: kept by Obrix, not in the Golvar data files.
To bring its players into the game, move or copy them onto game teams: the save writes each over the game player whose id is the low 16 bits of his (named first); export it with File/Export to share it.</source>
        <translation>Liga importada: la conserva Obrix, no está en los archivos de datos de Golvar.
Para llevar sus jugadores al juego, muévalos o cópielos a equipos del juego: al guardar, cada uno se escribe sobre el jugador del juego cuyo id son los 16 bits bajos del suyo (nombrado antes); expórtela con Archivo/Exportar para compartirla.</translation>
    </message>
    <message>
        <source>another program is keeping leagues there and did not finish in time; nothing there was changed</source>
        <translation>otro programa está conservando ligas allí y no terminó a tiempo; no se ha cambiado nada allí</translation>
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
        <translation>Rojo claro</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Naranja claro</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrón</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Dorado</translation>
    </message>
    <message>
        <source>Dark Gold</source>
        <translation>Dorado oscuro</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Verde claro</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Verde oscuro</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Azul claro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>Azul oscuro</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Light Purple</source>
        <translation>Morado claro</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Dark Purple</source>
        <translation>Morado oscuro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>Gris claro</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>Gris oscuro</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Not Used</source>
        <translation>Sin usar</translation>
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
        <translation>equipo</translation>
    </message>
    <message>
        <source>player</source>
        <translation>jugador</translation>
    </message>
    <message>
        <source>League &quot;%1&quot; (id %2)</source>
        <translation>Liga «%1» (id %2)</translation>
    </message>
    <message>
        <source>Team &quot;%1&quot; (id %2)</source>
        <translation>Equipo «%1» (id %2)</translation>
    </message>
    <message>
        <source>Player &quot;%1&quot; (id %2)</source>
        <translation>Jugador «%1» (id %2)</translation>
    </message>
    <message>
        <source>%1: the %2 is %3 bytes long in the game&apos;s encoding; the game&apos;s files hold at most %4.</source>
        <translation>%1: el campo %2 ocupa %3 bytes en la codificación del juego; los archivos del juego admiten como máximo %4.</translation>
    </message>
    <message>
        <source>%1: the %2 holds a NUL character, which would end it in the game&apos;s files.</source>
        <translation>%1: el campo %2 contiene un carácter NUL, que lo terminaría en los archivos del juego.</translation>
    </message>
    <message>
        <source>%1: a league name beginning with &quot;EC&quot; marks one of the game&apos;s European competitions, which the editor shows with a leading &quot;x&quot;. Begin the name with &quot;xEC&quot; for a competition, or choose another name.</source>
        <translation>%1: un nombre de liga que empieza por «EC» indica una de las competiciones europeas del juego, que el editor muestra con una «x» delante. Empiece el nombre por «xEC» para una competición o elija otro nombre.</translation>
    </message>
    <message>
        <source>%1: %2 is %3; the game&apos;s files hold %4 at most.</source>
        <translation>%1: %2 vale %3; los archivos del juego admiten como máximo %4.</translation>
    </message>
    <message>
        <source>%1: the id does not fit the game&apos;s files, which hold ids up to %2.</source>
        <translation>%1: el id no cabe en los archivos del juego, que admiten ids hasta %2.</translation>
    </message>
    <message>
        <source>%1: %2 names id %3; the game&apos;s files hold ids up to 65535.</source>
        <translation>%1: %2 indica el id %3; los archivos del juego admiten ids hasta 65535.</translation>
    </message>
    <message>
        <source>%1 lists %2 players; the game&apos;s files hold 26 for a team, the rest would be lost at save.</source>
        <translation>%1 tiene %2 jugadores; los archivos del juego admiten 26 por equipo y el resto se perdería al guardar.</translation>
    </message>
    <message>
        <source>%1 has %2 team slots; the game&apos;s files hold at most 63 for a league.</source>
        <translation>%1 tiene %2 plazas de equipo; los archivos del juego admiten como máximo 63 por liga.</translation>
    </message>
    <message>
        <source>%1 League consist an odd number (%2) of teams. Please make sure that only even numbers of teams are used.</source>
        <translation>La liga %1 tiene un número impar (%2) de equipos. Asegúrese de usar solo números pares de equipos.</translation>
    </message>
    <message>
        <source>The player table would begin at %1, beyond the 16-bit position the game reads (below 65536): delete teams or leagues.</source>
        <translation>La tabla de jugadores empezaría en %1, más allá de la posición de 16 bits que lee el juego (menos de 65536): elimine equipos o ligas.</translation>
    </message>
    <message>
        <source>%1 is a league of the game, and team %2 was imported: the game&apos;s files have no record for it, so the league cannot list it. To bring its players into the game, move or copy them onto game teams (the Transfer page, Cut and Paste, or dragging them) and save: the save writes each over the game player whose id is the low 16 bits of his, and names each one before it does.</source>
        <translation>%1 es una liga del juego y el equipo %2 se ha importado: los archivos del juego no tienen ningún registro para él, así que la liga no puede incluirlo. Para llevar sus jugadores al juego, muévalos o cópielos a equipos del juego (la página de traspasos, Cortar y Pegar, o arrastrándolos) y guarde: al guardar, cada uno se escribe sobre el jugador del juego cuyo id son los 16 bits bajos del suyo, y antes se nombra a cada uno.</translation>
    </message>
    <message>
        <source>%1 cannot go onto %2, a team of the game: his %3 is %4, and the game&apos;s files hold %5 at most. Set his %3 to %5 or less first; on his imported team he may keep %4.</source>
        <translation>%1 no puede pasar a %2, un equipo del juego: su %3 vale %4 y los archivos del juego admiten como máximo %5. Ponga antes su %3 en %5 o menos; en su equipo importado puede conservar %4.</translation>
    </message>
    <message>
        <source>%1 is to go onto a team of the game at the next save, whose files hold %4 at most for his %2, so it cannot be %3. Undo his move onto that team first to give him a larger value.</source>
        <translation>%1 pasará a un equipo del juego al guardar, cuyos archivos admiten como máximo %4 para su %2, así que no puede valer %3. Deshaga antes su paso a ese equipo para darle un valor mayor.</translation>
    </message>
</context>
<context>
    <name>locktexts</name>
    <message>
        <source>%1: the game folder is in use by another program.</source>
        <translation>%1: otro programa está usando la carpeta del juego.</translation>
    </message>
    <message>
        <source>%1: another program is saving the game&apos;s files; its unfinished save is left for it to finish.</source>
        <translation>%1: otro programa está guardando los archivos del juego. Obrix deja que ese programa termine de guardar.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 es una carpeta, no un archivo normal, así que los archivos del juego no se pueden bloquear frente a otros programas. Elimínela y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 is a link, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 es un enlace, no un archivo normal, así que los archivos del juego no se pueden bloquear frente a otros programas. Elimínelo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 is a pipe, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 es una tubería, no un archivo normal, así que los archivos del juego no se pueden bloquear frente a otros programas. Elimínela y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 is a device, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 es un dispositivo, no un archivo normal, así que los archivos del juego no se pueden bloquear frente a otros programas. Elimínelo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 no es un archivo normal, así que los archivos del juego no se pueden bloquear frente a otros programas. Elimínelo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 cannot be locked (%2), so the game&apos;s files cannot be locked against other programs.</source>
        <translation>%1 no se puede bloquear (%2), así que los archivos del juego no se pueden bloquear frente a otros programas.</translation>
    </message>
</context>
<context>
    <name>pagetexts</name>
    <message>
        <source>About Obrix</source>
        <translation>Acerca de Obrix</translation>
    </message>
    <message>
        <source>The game&apos;s files cannot hold these characters: %s
The name is kept as it was.</source>
        <translation>Los archivos del juego no pueden guardar estos caracteres: %s
Se mantiene el nombre anterior.</translation>
    </message>
    <message>
        <source>Edit Player</source>
        <translation>Editar jugador</translation>
    </message>
    <message>
        <source>Apply Preset</source>
        <translation>Aplicar perfil</translation>
    </message>
    <message>
        <source>Edit Team</source>
        <translation>Editar equipo</translation>
    </message>
    <message>
        <source>Change Kit</source>
        <translation>Cambiar equipación</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aspecto</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Habilidades</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>A player must have a name. The name is kept as it was.</source>
        <translation>Un jugador debe tener nombre. Se mantiene el nombre anterior.</translation>
    </message>
    <message>
        <source>Number %d has already been used.</source>
        <translation>El dorsal %d ya está en uso.</translation>
    </message>
    <message>
        <source>Originally: %s from %s</source>
        <translation>Originalmente: %s, de %s</translation>
    </message>
    <message>
        <source>Max. Attributes</source>
        <extracomment>A button: sets every skill of the player to the highest value, 16.</extracomment>
        <translation>Habilidades máx.</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Restablecer todo</translation>
    </message>
    <message>
        <source>Commentary</source>
        <extracomment>A check box: the match commentator says this player&apos;s name. Kept in the game&apos;s own words.</extracomment>
        <translation>Nombre en la narración</translation>
    </message>
    <message>
        <source>No.:</source>
        <translation>Dorsal:</translation>
    </message>
    <message>
        <source>Pos:</source>
        <translation>Pos.:</translation>
    </message>
    <message>
        <source>Hair:</source>
        <translation>Pelo:</translation>
    </message>
    <message>
        <source>Face:</source>
        <translation>Cara:</translation>
    </message>
    <message>
        <source>Facial Hair:</source>
        <translation>Barba:</translation>
    </message>
    <message>
        <source>Skin Colour:</source>
        <translation>Color de piel:</translation>
    </message>
    <message>
        <source>Hair Colour:</source>
        <translation>Color de pelo:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Valoración:</translation>
    </message>
    <message>
        <source>Nat.:</source>
        <translation>Nac.:</translation>
    </message>
    <message>
        <source>Acceleration:</source>
        <translation>Aceleración:</translation>
    </message>
    <message>
        <source>Agility:</source>
        <translation>Agilidad:</translation>
    </message>
    <message>
        <source>Awareness:</source>
        <extracomment>Vision of play: how well the player reads the game (not his positioning).</extracomment>
        <translation>Visión de juego:</translation>
    </message>
    <message>
        <source>Ball Control:</source>
        <translation>Control de balón:</translation>
    </message>
    <message>
        <source>Creativity:</source>
        <translation>Creatividad:</translation>
    </message>
    <message>
        <source>Fitness:</source>
        <translation>Forma física:</translation>
    </message>
    <message>
        <source>Heading:</source>
        <translation>Cabezazo:</translation>
    </message>
    <message>
        <source>Passing:</source>
        <translation>Pase:</translation>
    </message>
    <message>
        <source>Reaction:</source>
        <translation>Reacción:</translation>
    </message>
    <message>
        <source>Shot Power:</source>
        <translation>Potencia de tiro:</translation>
    </message>
    <message>
        <source>Shot Acc.</source>
        <extracomment>Shot accuracy; short, for want of room beside its box.</extracomment>
        <translation>Prec. tiro</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Tackle:</source>
        <translation>Entradas:</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Home Kit</source>
        <translation>Equipación local</translation>
    </message>
    <message>
        <source>Away Kit</source>
        <translation>Equipación visitante</translation>
    </message>
    <message>
        <source>Bankroll must be a whole number between %d and %d</source>
        <translation>El presupuesto debe ser un número entero entre %d y %d</translation>
    </message>
    <message>
        <source>Bankroll must be between %d and %d</source>
        <translation>El presupuesto debe estar entre %d y %d</translation>
    </message>
    <message>
        <source>A team must have a name. The name is kept as it was.</source>
        <translation>Un equipo debe tener nombre. Se mantiene el nombre anterior.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>The jersey editor Weftor was found but could not be started.</source>
        <translation>Se ha encontrado el editor de camisetas Weftor, pero no se ha podido iniciar.</translation>
    </message>
    <message>
        <source>Needs the jersey editor Weftor, which was looked for in %1 and on the PATH, and not found.</source>
        <translation>Necesita el editor de camisetas Weftor, que se ha buscado en %1 y en el PATH sin encontrarlo.</translation>
    </message>
    <message>
        <source>Edits the jersey texture with %1</source>
        <translation>Edita la textura de la camiseta con %1</translation>
    </message>
    <message>
        <source>Abb.</source>
        <extracomment>The team&apos;s abbreviation: its name in a few letters.</extracomment>
        <translation>Abrev.</translation>
    </message>
    <message>
        <source>Short Name:</source>
        <translation>Nombre corto:</translation>
    </message>
    <message>
        <source>Bankroll:</source>
        <translation>Presupuesto:</translation>
    </message>
    <message>
        <source>Primary:</source>
        <translation>Primario:</translation>
    </message>
    <message>
        <source>Secondary:</source>
        <translation>Secundario:</translation>
    </message>
    <message>
        <source>Tertiary:</source>
        <translation>Terciario:</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Use Preset Colours</source>
        <translation>Usar colores predefinidos</translation>
    </message>
    <message>
        <source>Jersey</source>
        <translation>Camiseta</translation>
    </message>
    <message>
        <source>Shorts</source>
        <translation>Pantalón</translation>
    </message>
    <message>
        <source>Socks</source>
        <translation>Medias</translation>
    </message>
    <message>
        <source>Goalie:</source>
        <translation>Portero:</translation>
    </message>
    <message>
        <source>Defender:</source>
        <translation>Defensa:</translation>
    </message>
    <message>
        <source>Midfielder:</source>
        <translation>Centrocampista:</translation>
    </message>
    <message>
        <source>Forward:</source>
        <translation>Delantero:</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Good</source>
        <extracomment>A preset of skills: good, between Star and average.</extracomment>
        <translation>Bueno</translation>
    </message>
    <message>
        <source>Ave.</source>
        <extracomment>A preset of skills: average.</extracomment>
        <translation>Medio</translation>
    </message>
    <message>
        <source>White</source>
        <comment>skin colour</comment>
        <translation>Blanca</translation>
    </message>
    <message>
        <source>Tanned</source>
        <comment>skin colour</comment>
        <translation>Bronceada</translation>
    </message>
    <message>
        <source>Brown</source>
        <comment>skin colour</comment>
        <translation>Morena</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>skin colour</comment>
        <translation>Negra</translation>
    </message>
    <message>
        <source>Blond</source>
        <comment>hair colour</comment>
        <translation>Rubio</translation>
    </message>
    <message>
        <source>Brown</source>
        <comment>hair colour</comment>
        <translation>Castaño</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>hair colour</comment>
        <translation>Pelirrojo</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>hair colour</comment>
        <translation>Negro</translation>
    </message>
    <message>
        <source>This box holds at most %1 bytes of the game&apos;s text (a letter takes one, a Japanese character two).</source>
        <translation>Este cuadro admite como máximo %1 bytes de texto del juego (una letra ocupa uno; un carácter japonés, dos).</translation>
    </message>
    <message>
        <source>A skill must be between %1 and %2. The skill is kept as it was.</source>
        <translation>Una habilidad debe estar entre %1 y %2. La habilidad se queda como estaba.</translation>
    </message>
</context>
<context>
    <name>roster</name>
    <message>
        <source>No.</source>
        <translation>Nº</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Val.</translation>
    </message>
    <message>
        <source>Acl</source>
        <translation>Ace</translation>
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
        <translation>Ctr</translation>
    </message>
    <message>
        <source>Cre</source>
        <translation>Cre</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Fís</translation>
    </message>
    <message>
        <source>Hea</source>
        <translation>Cab</translation>
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
        <translation>Ent</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
</context>
<context>
    <name>settingtexts</name>
    <message>
        <source>Cannot locate Golvar directory in the Registry. Do you want to select it yourself?</source>
        <translation>No se encuentra la carpeta de Golvar en el Registro. ¿Desea seleccionarla usted mismo?</translation>
    </message>
    <message>
        <source>Select Golvar directory</source>
        <translation>Seleccione la carpeta de Golvar</translation>
    </message>
</context>
<context>
    <name>statstexts</name>
    <message>
        <source>Please select a team/league to add.</source>
        <translation>Seleccione un equipo o una liga para añadir.</translation>
    </message>
    <message>
        <source>Printing is not available: its module was not found with the editor.</source>
        <translation>La impresión no está disponible: no se ha encontrado su módulo junto al editor.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se ha podido iniciar la impresora.</translation>
    </message>
    <message>
        <source>Please select team(s) to be removed first.</source>
        <translation>Seleccione primero los equipos que desea quitar.</translation>
    </message>
    <message>
        <source>Please select team(s) to be exported first.</source>
        <translation>Seleccione primero los equipos que desea exportar.</translation>
    </message>
    <message>
        <source>Writing data for players of : %s...</source>
        <translation>Escribiendo datos de los jugadores de: %s...</translation>
    </message>
    <message>
        <source>Processing data for player of : %s...</source>
        <translation>Procesando datos de los jugadores de: %s...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*|</source>
        <translation>Archivos de texto (*.TXT)|*.TXT|Todos los archivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>A&amp;dd All</source>
        <translation>Añadir &amp;todos</translation>
    </message>
    <message>
        <source>Re&amp;move All</source>
        <translation>Quitar t&amp;odos</translation>
    </message>
    <message>
        <source>Plain Text</source>
        <translation>Texto sin formato</translation>
    </message>
    <message>
        <source>Delimited Text</source>
        <translation>Texto delimitado</translation>
    </message>
    <message>
        <source>&amp;Write to File</source>
        <translation>&amp;Guardar en archivo</translation>
    </message>
    <message>
        <source>Player &amp;Stats</source>
        <translation>E&amp;stadísticas de jugadores</translation>
    </message>
    <message>
        <source>&amp;Characteristics</source>
        <translation>&amp;Características</translation>
    </message>
    <message>
        <source>&amp;Filters</source>
        <translation>&amp;Filtros</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Update Grid</source>
        <translation>Act&amp;ualizar tabla</translation>
    </message>
    <message>
        <source>Filters:</source>
        <translation>Filtros:</translation>
    </message>
    <message>
        <source>None: the grid lists every player of the chosen teams</source>
        <translation>Ninguno: la tabla muestra todos los jugadores de los equipos elegidos</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Nationality</source>
        <translation>Nacionalidad</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Value</source>
        <extracomment>The player&apos;s market value.</extracomment>
        <translation>Valor de mercado</translation>
    </message>
    <message>
        <source>International</source>
        <extracomment>Whether the player plays for his national team.</extracomment>
        <translation>Internacional</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Aceleración</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Agilidad</translation>
    </message>
    <message>
        <source>Awareness</source>
        <extracomment>Vision of play: how well the player reads the game (not his positioning).</extracomment>
        <translation>Visión de juego</translation>
    </message>
    <message>
        <source>Ball Control</source>
        <translation>Control de balón</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Creatividad</translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation>Forma física</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Cabezazo</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Pase</translation>
    </message>
    <message>
        <source>Reaction</source>
        <translation>Reacción</translation>
    </message>
    <message>
        <source>Shot Acc</source>
        <translation>Prec. tiro</translation>
    </message>
    <message>
        <source>Shot Power</source>
        <translation>Potencia de tiro</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Tackle</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Valoración</translation>
    </message>
    <message>
        <source>EQ</source>
        <extracomment>A filter&apos;s comparison: equal to.</extracomment>
        <translation>Igual</translation>
    </message>
    <message>
        <source>GT</source>
        <extracomment>A filter&apos;s comparison: greater than.</extracomment>
        <translation>Mayor</translation>
    </message>
    <message>
        <source>LT</source>
        <extracomment>A filter&apos;s comparison: less than.</extracomment>
        <translation>Menor</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Defensa</translation>
    </message>
    <message>
        <source>Midfielder</source>
        <translation>Centrocampista</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Delantero</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nº</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Hair Colour</source>
        <translation>Color de pelo</translation>
    </message>
    <message>
        <source>Hair Type</source>
        <translation>Tipo de pelo</translation>
    </message>
    <message>
        <source>Facial Hair</source>
        <translation>Barba</translation>
    </message>
    <message>
        <source>Skin Colour</source>
        <translation>Color de piel</translation>
    </message>
    <message>
        <source>Skill Ave</source>
        <extracomment>The average of the player&apos;s skills.</extracomment>
        <translation>Media hab.</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Acl</source>
        <translation>Ace</translation>
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
        <translation>Ctr</translation>
    </message>
    <message>
        <source>Cre</source>
        <translation>Cre</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Fís</translation>
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
        <translation>Ent</translation>
    </message>
    <message>
        <source>Hea</source>
        <translation>Cab</translation>
    </message>
    <message>
        <source>The report could not be written: %1</source>
        <translation>No se pudo escribir el informe: %1</translation>
    </message>
</context>
<context>
    <name>thumbnailtexts</name>
    <message>
        <source>%1 of the 64 jersey thumbnails could not be made:
%2</source>
        <translation>No se han podido crear %1 de las 64 miniaturas de camisetas:
%2</translation>
    </message>
    <message>
        <source>%1: not a texture with a whole jersey picture</source>
        <translation>%1: no es una textura con la imagen completa de una camiseta</translation>
    </message>
</context>
<context>
    <name>transfertexts</name>
    <message>
        <source>Select a player or a team on each side, then &quot;&lt;----&gt;&quot; moves or swaps them.</source>
        <translation>Seleccione un jugador o un equipo en cada lado; luego «&lt;----&gt;» los mueve o los intercambia.</translation>
    </message>
    <message>
        <source>A league cannot be transferred: select a team or a player.</source>
        <translation>No se puede traspasar una liga: seleccione un equipo o un jugador.</translation>
    </message>
    <message>
        <source>&quot;&lt;----&gt;&quot; moves %1 from %2 to %3.</source>
        <translation>«&lt;----&gt;» mueve %1 de %2 a %3.</translation>
    </message>
    <message>
        <source>&quot;&lt;----&gt;&quot; swaps %1 of %2 and %3 of %4.</source>
        <translation>«&lt;----&gt;» intercambia %1 de %2 y %3 de %4.</translation>
    </message>
    <message>
        <source>&quot;&lt;----&gt;&quot; swaps %1 and %2: names, kits and players.</source>
        <translation>«&lt;----&gt;» intercambia %1 y %2: nombres, equipaciones y jugadores.</translation>
    </message>
    <message>
        <source>%1 is already in %2.</source>
        <translation>%1 ya está en %2.</translation>
    </message>
    <message>
        <source>Creating Transfer Tables...</source>
        <translation>Creando tablas de traspasos...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Can&apos;t transfer league.</source>
        <translation>No se puede traspasar una liga.</translation>
    </message>
    <message>
        <source>This team already has 20 players. To give it more, up to 26, choose it in the left-hand list of the Transfer page.</source>
        <translation>Este equipo ya tiene 20 jugadores. Para darle más, hasta 26, elíjalo en la lista de la izquierda de la página de traspasos.</translation>
    </message>
    <message>
        <source>This team is full: a team holds at most 26 players.</source>
        <translation>La plantilla está completa: un equipo tiene como máximo 26 jugadores.</translation>
    </message>
    <message>
        <source>A team cannot have fewer than 11 players.</source>
        <translation>Un equipo no puede tener menos de 11 jugadores.</translation>
    </message>
</context>
</TS>
