<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CAboutBox</name>
    <message>
        <source>A database editor for Golvar: edit its leagues, teams and players, their kits and skills, move players between clubs and bring in leagues made by other players.</source>
        <translation>Um editor do banco de dados do Golvar: edite ligas, times e jogadores, seus uniformes e habilidades, transfira jogadores entre clubes e traga ligas criadas por outros jogadores.</translation>
    </message>
    <message>
        <source>Programming and artwork: the Obrix developers at Brannoc.
Thanks to everyone who tried the early versions and sent in their leagues.</source>
        <translation>Programação e arte: os desenvolvedores do Obrix na Brannoc.
Obrigado a todos que testaram as primeiras versões e enviaram suas ligas.</translation>
    </message>
    <message>
        <source>About Obrix</source>
        <translation>Sobre o Obrix</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
</context>
<context>
    <name>CPictureListBox</name>
    <message>
        <source>Shorts %1</source>
        <translation>Calção %1</translation>
    </message>
    <message>
        <source>Socks %1</source>
        <translation>Meião %1</translation>
    </message>
    <message>
        <source>Jersey %1</source>
        <translation>Camisa %1</translation>
    </message>
</context>
<context>
    <name>CPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Golvar Folder:</source>
        <translation>Pasta do Golvar:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Language of the editor:</source>
        <translation>Idioma do editor:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Applied at the next start.</source>
        <translation>Aplicado na próxima inicialização.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Holandês</translation>
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
        <source>Please close down Obrix and restart before change of language takes effect!</source>
        <translation>Feche o Obrix e inicie-o de novo para que a mudança de idioma tenha efeito!</translation>
    </message>
    <message>
        <source>Language of the game&apos;s names:</source>
        <translation>Idioma dos nomes do jogo:</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Histórico</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>&lt;as loaded&gt;</source>
        <translation>&lt;como carregado&gt;</translation>
    </message>
    <message>
        <source>Swap Teams</source>
        <translation>Trocar times</translation>
    </message>
    <message>
        <source>Swap Players</source>
        <translation>Trocar jogadores</translation>
    </message>
    <message>
        <source>Move Player</source>
        <translation>Mover jogador</translation>
    </message>
    <message>
        <source>Global Modifications</source>
        <translation>Modificações globais</translation>
    </message>
    <message>
        <source>Import League &apos;%1&apos;</source>
        <translation>Importar liga “%1”</translation>
    </message>
    <message>
        <source>Import GLV File</source>
        <translation>Importar arquivo GLV</translation>
    </message>
    <message>
        <source>Delete Team &apos;%1&apos;</source>
        <translation>Excluir time “%1”</translation>
    </message>
    <message>
        <source>Delete Player &apos;%1&apos;</source>
        <translation>Excluir jogador “%1”</translation>
    </message>
    <message>
        <source>Paste Team &apos;%1&apos;</source>
        <translation>Colar time “%1”</translation>
    </message>
    <message>
        <source>Paste Player &apos;%1&apos;</source>
        <translation>Colar jogador “%1”</translation>
    </message>
    <message>
        <source>New League &apos;%1&apos;</source>
        <translation>Nova liga “%1”</translation>
    </message>
    <message>
        <source>League Name &apos;%1&apos;</source>
        <translation>Nome da liga “%1”</translation>
    </message>
    <message>
        <source>Remove League &apos;%1&apos;</source>
        <translation>Remover liga “%1”</translation>
    </message>
    <message>
        <source>Apply Remembered Team</source>
        <translation>Aplicar time memorizado</translation>
    </message>
</context>
<context>
    <name>apptexts</name>
    <message>
        <source>Loading Player Data...</source>
        <translation>Carregando dados dos jogadores...</translation>
    </message>
    <message>
        <source>Loading Team Data...</source>
        <translation>Carregando dados dos times...</translation>
    </message>
    <message>
        <source>Loading League Data...</source>
        <translation>Carregando dados das ligas...</translation>
    </message>
    <message>
        <source>Reading Player Data...</source>
        <translation>Lendo dados dos jogadores...</translation>
    </message>
    <message>
        <source>Reading Team Data...</source>
        <translation>Lendo dados dos times...</translation>
    </message>
    <message>
        <source>Reading League Data...</source>
        <translation>Lendo dados das ligas...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Cannot read player data.</source>
        <translation>Não é possível ler os dados dos jogadores.</translation>
    </message>
    <message>
        <source>Cannot read team data.</source>
        <translation>Não é possível ler os dados dos times.</translation>
    </message>
    <message>
        <source>Cannot read league data.</source>
        <translation>Não é possível ler os dados das ligas.</translation>
    </message>
    <message>
        <source>%1 The Golvar database in %2 cannot be read:
%3</source>
        <translation>%1 O banco de dados do Golvar em %2 não pode ser lido:
%3</translation>
    </message>
    <message>
        <source>Restore Backup puts back the game&apos;s files as they were backed up on %1. Choose Another Folder opens a different Golvar folder.</source>
        <translation>Restaurar backup devolve os arquivos do jogo ao estado do backup feito em %1. Escolher outra pasta abre outra pasta do Golvar.</translation>
    </message>
    <message>
        <source>There is no usable backup of this folder to restore. Choose Another Folder opens a different Golvar folder.</source>
        <translation>Não há backup utilizável desta pasta para restaurar. Escolher outra pasta abre outra pasta do Golvar.</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurar backup</translation>
    </message>
    <message>
        <source>Choose Another Folder</source>
        <translation>Escolher outra pasta</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>You have made modifications to the data of %1. Do you want to save them there before Obrix opens %2?</source>
        <translation>Você modificou os dados de %1. Deseja salvá-los lá antes que o Obrix abra %2?</translation>
    </message>
    <message>
        <source>The Golvar database in %1 cannot be read: %2
Obrix goes on with the database of %3.</source>
        <translation>O banco de dados do Golvar em %1 não pode ser lido: %2
O Obrix continua com o banco de dados de %3.</translation>
    </message>
    <message>
        <source>You have made modifications to the data. Do you want to save the changes before exiting Obrix?</source>
        <translation>Você modificou os dados. Deseja salvar as alterações antes de sair do Obrix?</translation>
    </message>
    <message>
        <source>The game&apos;s files were changed by another program since Obrix read them (%1).

Reload reads them again and drops your changes. Save Over Them replaces what the other program saved with the data shown here.</source>
        <translation>Os arquivos do jogo foram alterados por outro programa desde que o Obrix os leu (%1).

Recarregar os lê novamente e descarta suas alterações. Salvar por cima substitui o que o outro programa salvou pelos dados mostrados aqui.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recarregar</translation>
    </message>
    <message>
        <source>Save Over Them</source>
        <translation>Salvar por cima</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Every change you made since the data was last read or saved will be lost. Reload the game&apos;s files?</source>
        <translation>Todas as alterações feitas desde a última leitura ou gravação dos dados serão perdidas. Recarregar os arquivos do jogo?</translation>
    </message>
    <message>
        <source>%1: the game folder is in use by another program. Nothing was saved; please save again once it has finished.</source>
        <translation>%1: a pasta do jogo está sendo usada por outro programa. Nada foi salvo; salve novamente quando ele terminar.</translation>
    </message>
</context>
<context>
    <name>bulktexts</name>
    <message>
        <source>&quot;%s&quot; is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%lld is outside %lld..%lld, what this field can hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%s&quot; holds a character the game&apos;s encoding cannot store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%s&quot; is %d bytes in the game&apos;s encoding; at most %lld fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the list has %d entries; at most %lld fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the list names %s %lld, which does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the list names %lld twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s follows from other data and cannot be changed (it is %s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s is the editor&apos;s own bookkeeping and cannot be changed (it is %s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no %s with id %lld; an import changes records, it does not add them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than one league has id %lld; change those leagues in the editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>id %lld is on line %d already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the row has %d fields; the header has %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a field of players, teams or leagues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the column &quot;%s&quot; appears twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no id column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the columns do not all belong to one of players, teams or leagues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the columns fit more than one table; add a column that only one of them has</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file has no header row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %d more problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>League &quot;%s&quot; lists team %s (%u) more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>League &quot;%s&quot; has a slot naming team %u, which does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists %d players; a team needs at least 11.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists player %s (%u) more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists player %u, which does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team &quot;%s&quot;: %s and %s both wear number %d.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %s (%u) was listed by a team when the files were read and is listed by no team now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %s %u has an empty %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %s %s (%u) has %s = %lld; the game uses %lld..%lld.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editingtexts</name>
    <message>
        <source>Too many players (26) in this team already!</source>
        <translation>Este time já tem jogadores demais (26)!</translation>
    </message>
    <message>
        <source>Cannot edit European Competition Fixtures.</source>
        <translation>Não é possível editar a tabela das competições europeias.</translation>
    </message>
    <message>
        <source>Can only copy a player to clipboard!</source>
        <translation>Só é possível copiar um jogador para a área de transferência!</translation>
    </message>
    <message>
        <source>Can only paste player to a team!</source>
        <translation>Um jogador só pode ser colado em um time!</translation>
    </message>
    <message>
        <source>New League</source>
        <translation>Nova liga</translation>
    </message>
    <message>
        <source>League Name</source>
        <translation>Nome da liga</translation>
    </message>
    <message>
        <source>Imported League Name</source>
        <translation>Nome da liga importada</translation>
    </message>
    <message>
        <source>League Name:</source>
        <translation>Nome da liga:</translation>
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
        <translation>Não foi possível encontrar “%1”</translation>
    </message>
    <message>
        <source>%1 has been duplicated to %2</source>
        <translation>%1 foi duplicado para %2</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 copiado</translation>
    </message>
</context>
<context>
    <name>exchangetexts</name>
    <message>
        <source>Failed!  %s
(Code is %d)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FormatMessage() failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from DB files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select directory to import DB files from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing League...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing Player %d/%d %s...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing Xfer %d/%d ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing Team %d/%d %s...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error reading CUSPLYR.DB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error reading CUSTOM.DB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error allocating memory for output buffer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Importing data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s: %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s announces %u bytes when unpacked; no exchange file holds more than %u, so it is not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File CUSTOM.DB appears to be corrupted. Import failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing GLV file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open GLV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File is not a GLV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database has no league at position %d for the teams of a GLV file to be based on. Import failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team %d of the GLV file has no team to be based on in the league at position %d. Import failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GLV Files (*.GLV)|*.GLV|All Files (*.*)|*.*|</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The GLV file holds %d teams, but the league its teams are based on has only %d.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The GLV file gives a negative number of teams (%d).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team %d of the GLV file holds %d players; a team has at most %d.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The GLV file ends before its list of teams.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The GLV file ends in the middle of team %d.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packing %s...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no league at position %d.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the folder %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create a temporary folder %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the temporary file %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed %s, the temporary folder of an export that was cut off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packing %s failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packing %s left no packed file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %s, %s and %s to %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished">Pronto</translation>
    </message>
</context>
<context>
    <name>keptleaguetexts</name>
    <message>
        <source>Imported league: kept by Obrix, not in the Golvar data files.
To bring its players into the game, move or copy them onto game teams; export it with File/Export to share it.</source>
        <translation>Liga importada: mantida pelo Obrix, não nos arquivos de dados do Golvar.
Para levar seus jogadores ao jogo, mova-os ou copie-os para times do jogo; exporte-a com Arquivo/Exportar para compartilhá-la.</translation>
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
        <translation>Vermelho-claro</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Laranja-claro</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Laranja</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrom</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Dourado</translation>
    </message>
    <message>
        <source>Dark Gold</source>
        <translation>Dourado-escuro</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Verde-claro</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Verde-escuro</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Azul-claro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>Azul-escuro</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul-marinho</translation>
    </message>
    <message>
        <source>Light Purple</source>
        <translation>Roxo-claro</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Roxo</translation>
    </message>
    <message>
        <source>Dark Purple</source>
        <translation>Roxo-escuro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>Cinza-claro</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>Cinza-escuro</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Not Used</source>
        <translation>Não usado</translation>
    </message>
</context>
<context>
    <name>pagetexts</name>
    <message>
        <source>About Obrix</source>
        <translation type="unfinished">Sobre o Obrix</translation>
    </message>
    <message>
        <source>The game&apos;s files cannot hold these characters: %s
The name is kept as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Kit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A player must have a name. The name is kept as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number %d has already been used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Originally: %s from %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. Attributes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pos:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hair:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facial Hair:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin Colour:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hair Colour:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nat.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acceleration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agility:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Awareness:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ball Control:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creativity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitness:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reaction:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shot Power:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shot Acc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tackle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished">Branco</translation>
    </message>
    <message>
        <source>Tanned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brown</source>
        <translation type="unfinished">Marrom</translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished">Preto</translation>
    </message>
    <message>
        <source>Blond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished">Vermelho</translation>
    </message>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Kit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away Kit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bankroll must be a whole number between %d and %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bankroll must be between %d and %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A team must have a name. The name is kept as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The jersey editor Weftor was found but could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Needs the jersey editor Weftor, which was looked for in %1 and on the PATH, and not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edits the jersey texture with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abb.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bankroll:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tertiary:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Preset Colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jersey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shorts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Socks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goalie:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Defender:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midfielder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ave.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>statstexts</name>
    <message>
        <source>Please select a team/league to add.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing is not available: its module was not found with the editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select team(s) to be removed first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select team(s) to be exported first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing data for players of : %s...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processing data for player of : %s...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished">Pronto</translation>
    </message>
    <message>
        <source>Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*|</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;dd All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plain Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delimited Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write to File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player &amp;Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Characteristics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filters:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None: the grid lists every player of the chosen teams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nationality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>International</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Awareness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ball Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shot Acc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shot Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tackle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Cancelar</translation>
    </message>
</context>
</TS>
