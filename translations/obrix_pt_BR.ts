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
    <name>CDataPropSheet</name>
    <message>
        <source>Data Sheet</source>
        <translation>Ficha</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transferência</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Estatísticas</translation>
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
        <translation>Localizar</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Localizar:</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Obrix Help</source>
        <translation>Ajuda do Obrix</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegação</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sumário</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
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
        <source>Language of the game&apos;s names:</source>
        <translation>Idioma dos nomes do jogo:</translation>
    </message>
    <message>
        <source>Obrix shows the names in the chosen language from its next start.</source>
        <translation>O Obrix mostrará os nomes no idioma escolhido a partir da próxima inicialização.</translation>
    </message>
    <message>
        <source>This Golvar folder has no names in this language (%1 is missing).</source>
        <translation>Esta pasta do Golvar não tem nomes neste idioma (falta %1).</translation>
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
    <message>
        <source>Done: %1</source>
        <translation>Feito: %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Desfeito: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Refeito: %1</translation>
    </message>
    <message>
        <source>Swap Teams &apos;%1&apos; and &apos;%2&apos;</source>
        <translation>Trocar times “%1” e “%2”</translation>
    </message>
    <message>
        <source>Swap Players &apos;%1&apos; and &apos;%2&apos;</source>
        <translation>Trocar jogadores “%1” e “%2”</translation>
    </message>
    <message>
        <source>Move Player &apos;%1&apos;</source>
        <translation>Mover jogador “%1”</translation>
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
    <message>
        <source>“Restore Backup” puts back the game&apos;s files as they were backed up on %1. “Choose Another Folder” opens a different Golvar folder.</source>
        <translation>“Restaurar backup” devolve os arquivos do jogo ao estado do backup feito em %1. “Escolher outra pasta” abre outra pasta do Golvar.</translation>
    </message>
    <message>
        <source>There is no usable backup of this folder to restore. “Choose Another Folder” opens a different Golvar folder.</source>
        <translation>Não há backup utilizável desta pasta para restaurar. “Escolher outra pasta” abre outra pasta do Golvar.</translation>
    </message>
    <message>
        <source>The game&apos;s files were changed by another program since Obrix read them (%1).

“Reload” reads them again and drops your changes. “Save Over Them” replaces what the other program saved with the data shown here.</source>
        <translation>Os arquivos do jogo foram alterados por outro programa desde que o Obrix os leu (%1).

“Recarregar” lê os arquivos novamente e descarta suas alterações. “Salvar por cima” substitui o que o outro programa salvou pelos dados mostrados aqui.</translation>
    </message>
    <message>
        <source>%1 The Golvar database in %2 cannot be read again:
%3

Obrix keeps the data it shows, your changes included.</source>
        <translation>%1 O banco de dados do Golvar em %2 não pode ser lido novamente:
%3

O Obrix mantém os dados que mostra, incluindo suas alterações.</translation>
    </message>
    <message>
        <source>Keep Current Data goes on with the data shown, which Save Data can write back over the game&apos;s files. Restore Backup puts back the game&apos;s files as they were backed up on %1. Choose Another Folder opens a different Golvar folder.</source>
        <translation>Manter os dados atuais continua com os dados mostrados, que Salvar dados pode gravar de volta sobre os arquivos do jogo. Restaurar backup devolve os arquivos do jogo ao estado do backup feito em %1. Escolher outra pasta abre outra pasta do Golvar.</translation>
    </message>
    <message>
        <source>Keep Current Data goes on with the data shown, which Save Data can write back over the game&apos;s files. There is no usable backup of this folder to restore. Choose Another Folder opens a different Golvar folder.</source>
        <translation>Manter os dados atuais continua com os dados mostrados, que Salvar dados pode gravar de volta sobre os arquivos do jogo. Não há backup utilizável desta pasta para restaurar. Escolher outra pasta abre outra pasta do Golvar.</translation>
    </message>
    <message>
        <source>Keep Current Data</source>
        <translation>Manter os dados atuais</translation>
    </message>
    <message>
        <source>The Golvar folder %1 has no names in the language chosen in Preferences (%2 is missing). Obrix shows the English names for this run; Preferences offers the languages this folder has.</source>
        <translation>A pasta do Golvar %1 não tem nomes no idioma escolhido em Preferências (falta %2). O Obrix mostra os nomes em inglês nesta execução; Preferências oferece os idiomas que esta pasta tem.</translation>
    </message>
</context>
<context>
    <name>backuptexts</name>
    <message>
        <source>Restoring original Golvar data file will overwrite all changes made. Do you wish to continue?</source>
        <translation>Restaurar os arquivos de dados originais do Golvar vai sobrescrever todas as alterações feitas. Deseja continuar?</translation>
    </message>
    <message>
        <source>There is no backup of this Golvar folder to restore.</source>
        <translation>Não há backup desta pasta do Golvar para restaurar.</translation>
    </message>
    <message>
        <source>Restored %1 from the backup of %2.</source>
        <translation>Restaurado a partir do backup de %2: %1.</translation>
    </message>
    <message>
        <source>Nothing was restored: %1</source>
        <translation>Nada foi restaurado: %1</translation>
    </message>
    <message>
        <source>the backup in %1 is damaged (%2).</source>
        <translation>o backup em %1 está danificado (%2).</translation>
    </message>
    <message>
        <source>the backup does not load as a game database (%1).</source>
        <translation>o backup não carrega como banco de dados do jogo (%1).</translation>
    </message>
    <message>
        <source>The backup of %1 could not be made: %2</source>
        <translation>Não foi possível fazer o backup de %1: %2</translation>
    </message>
    <message>
        <source>the game&apos;s files do not load as a game database (%1), and a backup of them would be of no use; the earlier backup, if any, is kept</source>
        <translation>os arquivos do jogo não carregam como banco de dados do jogo (%1), e um backup deles não teria utilidade; o backup anterior, se houver, é mantido</translation>
    </message>
    <message>
        <source>The original Golvar data files could not be backed up to
%1

Without a backup, “Restore” cannot undo the changes you save now.
Do you wish to save without a backup?</source>
        <translation>Não foi possível fazer o backup dos arquivos de dados originais do Golvar em
%1

Sem um backup, “Restaurar” não poderá desfazer as alterações que você salvar agora.
Deseja salvar sem backup?</translation>
    </message>
    <message>
        <source>The original Golvar data files could not be backed up to
%1

%2

Without a backup, “Restore” cannot undo the changes you save now.
Do you wish to save without a backup?</source>
        <translation>Não foi possível fazer o backup dos arquivos de dados originais do Golvar em
%1

%2

Sem um backup, “Restaurar” não poderá desfazer as alterações que você salvar agora.
Deseja salvar sem backup?</translation>
    </message>
    <message>
        <source>%1 The new backup was taken back: %2 holds the backup it held before, if any.</source>
        <translation>%1 O novo backup foi desfeito: %2 contém o backup que havia antes, se havia algum.</translation>
    </message>
    <message>
        <source>the backup in %1 was taken from another Golvar folder (%2), not from this one (%3).</source>
        <translation>o backup em %1 foi feito de outra pasta do Golvar (%2), não desta (%3).</translation>
    </message>
</context>
<context>
    <name>bulktexts</name>
    <message>
        <source>&quot;%s&quot; is not a whole number</source>
        <translation>“%s” não é um número inteiro</translation>
    </message>
    <message>
        <source>%lld is outside %lld..%lld, what this field can hold</source>
        <translation>%lld está fora de %lld..%lld, o intervalo que este campo aceita</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>o texto não é UTF-8 válido</translation>
    </message>
    <message>
        <source>&quot;%s&quot; holds a character the game&apos;s encoding cannot store</source>
        <translation>“%s” contém um caractere que a codificação do jogo não consegue armazenar</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is %d bytes in the game&apos;s encoding; at most %lld fit</source>
        <translation>“%s” ocupa %d bytes na codificação do jogo; cabem no máximo %lld</translation>
    </message>
    <message>
        <source>the list has %d entries; at most %lld fit</source>
        <translation>a lista tem %d entradas; cabem no máximo %lld</translation>
    </message>
    <message>
        <source>the list names %s %lld, which does not exist</source>
        <translation>a lista inclui o registro %s %lld, que não existe</translation>
    </message>
    <message>
        <source>the list names %lld twice</source>
        <translation>a lista inclui %lld duas vezes</translation>
    </message>
    <message>
        <source>%s follows from other data and cannot be changed (it is %s)</source>
        <translation>%s é derivado de outros dados e não pode ser alterado (vale %s)</translation>
    </message>
    <message>
        <source>%s is the editor&apos;s own bookkeeping and cannot be changed (it is %s)</source>
        <translation>%s é um controle interno do editor e não pode ser alterado (vale %s)</translation>
    </message>
    <message>
        <source>there is no %s with id %lld; an import changes records, it does not add them</source>
        <translation>não há registro %s com id %lld; uma importação altera registros, não os adiciona</translation>
    </message>
    <message>
        <source>more than one league has id %lld; change those leagues in the editor</source>
        <translation>mais de uma liga tem o id %lld; altere essas ligas no editor</translation>
    </message>
    <message>
        <source>id %lld is on line %d already</source>
        <translation>o id %lld já está na linha %d</translation>
    </message>
    <message>
        <source>the row has %d fields; the header has %d</source>
        <translation>a linha tem %d campos; o cabeçalho tem %d</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a field of players, teams or leagues</source>
        <translation>“%s” não é um campo de jogadores, times ou ligas</translation>
    </message>
    <message>
        <source>the column &quot;%s&quot; appears twice</source>
        <translation>a coluna “%s” aparece duas vezes</translation>
    </message>
    <message>
        <source>there is no id column</source>
        <translation>não há coluna id</translation>
    </message>
    <message>
        <source>the columns do not all belong to one of players, teams or leagues</source>
        <translation>as colunas não pertencem todas a uma mesma tabela: jogadores, times ou ligas</translation>
    </message>
    <message>
        <source>the columns fit more than one table; add a column that only one of them has</source>
        <translation>as colunas servem para mais de uma tabela; adicione uma coluna que só uma delas tenha</translation>
    </message>
    <message>
        <source>the file has no header row</source>
        <translation>o arquivo não tem linha de cabeçalho</translation>
    </message>
    <message>
        <source>... and %d more problems</source>
        <translation>... e mais %d problemas</translation>
    </message>
    <message>
        <source>League &quot;%s&quot; lists team %s (%u) more than once.</source>
        <translation>A liga “%s” inclui o time %s (%u) mais de uma vez.</translation>
    </message>
    <message>
        <source>League &quot;%s&quot; has a slot naming team %u, which does not exist.</source>
        <translation>A liga “%s” tem uma vaga com o time %u, que não existe.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists %d players; a team needs at least 11.</source>
        <translation>O time “%s” tem %d jogadores; um time precisa de pelo menos 11.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists player %s (%u) more than once.</source>
        <translation>O time “%s” inclui o jogador %s (%u) mais de uma vez.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists player %u, which does not exist.</source>
        <translation>O time “%s” inclui o jogador %u, que não existe.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot;: %s and %s both wear number %d.</source>
        <translation>Time “%s”: %s e %s usam o mesmo número, o %d.</translation>
    </message>
    <message>
        <source>The %s %u has an empty %s.</source>
        <translation>O registro %s %u tem o campo %s vazio.</translation>
    </message>
    <message>
        <source>The %s %s (%u) has %s = %lld; the game uses %lld..%lld.</source>
        <translation>O registro %s %s (%u) tem %s = %lld; o jogo usa %lld..%lld.</translation>
    </message>
    <message>
        <source>Player %s (%u) was listed by a team of the game when the files were read and is listed by none after the save.</source>
        <translation>O jogador %s (%u) constava em um time do jogo quando os arquivos foram lidos e depois de salvar não consta em nenhum.</translation>
    </message>
    <message>
        <source>Player %s (%u) is listed by two clubs after the save, %s and %s.</source>
        <translation>O jogador %s (%u) consta em dois clubes depois de salvar, %s e %s.</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists %s (%u), whose %s is %lld; the game&apos;s files hold %lld at most, so he cannot be moved or copied onto a team of the game until it is %lld or less.</source>
        <translation>O time &quot;%s&quot; inclui %s (%u), cujo %s vale %lld; os arquivos do jogo aceitam no máximo %lld, então ele não pode ser movido nem copiado para um time do jogo até que seja %lld ou menos.</translation>
    </message>
</context>
<context>
    <name>bulkviewtexts</name>
    <message>
        <source>Export Table</source>
        <translation>Exportar tabela</translation>
    </message>
    <message>
        <source>Table:</source>
        <translation>Tabela:</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Times</translation>
    </message>
    <message>
        <source>Leagues</source>
        <translation>Ligas</translation>
    </message>
    <message>
        <source>Spreadsheet Files (*.csv)|*.csv|All Files (*.*)|*.*|</source>
        <translation>Arquivos de planilha (*.csv)|*.csv|Todos os arquivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Import Table</source>
        <translation>Importar tabela</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>Não foi possível ler o arquivo %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows written to %1</source>
        <translation>
            <numerusform>%n linha gravada em %1</numerusform>
            <numerusform>%n linhas gravadas em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The file was refused; nothing was changed.

%1</source>
        <translation>O arquivo foi recusado; nada foi alterado.

%1</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more problems</source>
        <translation>
            <numerusform>... e mais %n problema</numerusform>
            <numerusform>... e mais %n problemas</numerusform>
        </translation>
    </message>
    <message>
        <source>The file changes nothing: every cell already holds its value.</source>
        <translation>O arquivo não altera nada: todas as células já têm o seu valor.</translation>
    </message>
    <message>
        <source>Import Table: Preview</source>
        <translation>Importar tabela: pré-visualização</translation>
    </message>
    <message numerus="yes">
        <source>%n changes</source>
        <translation>
            <numerusform>%n alteração</numerusform>
            <numerusform>%n alterações</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes by field</source>
        <translation>Alterações por campo</translation>
    </message>
    <message>
        <source>Check Database</source>
        <translation>Verificar banco de dados</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Verificar de novo</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n erro</numerusform>
            <numerusform>%n erros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n aviso</numerusform>
            <numerusform>%n avisos</numerusform>
        </translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Nenhum problema encontrado.</translation>
    </message>
    <message>
        <source>%1 now has an odd number (%2) of team slots: add or remove a team before saving.</source>
        <translation>%1 agora tem um número ímpar (%2) de vagas de times: adicione ou remova um time antes de salvar.</translation>
    </message>
    <message numerus="yes">
        <source>The edits leave %n things the game may not like, listed in Check Database (the game&apos;s files can hold them). Save anyway?</source>
        <translation>
            <numerusform>Após as edições, resta %n item que pode causar problemas no jogo, listado em “Verificar banco de dados” (os arquivos do jogo conseguem armazená-lo). Salvar mesmo assim?</numerusform>
            <numerusform>Após as edições, restam %n itens que podem causar problemas no jogo, listados em “Verificar banco de dados” (os arquivos do jogo conseguem armazená-los). Salvar mesmo assim?</numerusform>
        </translation>
    </message>
    <message>
        <source>The database has errors that the save or the game would stumble on; nothing was saved. They are listed in Check Database: double-click one to go to its record.</source>
        <translation>O banco de dados tem erros que fariam a gravação ou o jogo falhar; nada foi salvo. Eles estão listados em “Verificar banco de dados”: clique duas vezes em um deles para ir ao seu registro.</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Alterações</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Alterações não salvas</translation>
    </message>
    <message>
        <source>Since the backup</source>
        <translation>Desde o backup</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Reverter</translation>
    </message>
    <message>
        <source>Revert Record</source>
        <translation>Reverter registro</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 em %2</translation>
    </message>
    <message numerus="yes">
        <source>%n differences</source>
        <translation>
            <numerusform>%n diferença</numerusform>
            <numerusform>%n diferenças</numerusform>
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
        <translation>Ainda não há backup desta pasta do jogo.</translation>
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
        <translation>Antigo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Gravidade</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erro</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>aviso</translation>
    </message>
    <message>
        <source>only in the files</source>
        <translation>só nos arquivos</translation>
    </message>
    <message>
        <source>database</source>
        <translation>banco de dados</translation>
    </message>
    <message>
        <source>only in the editor</source>
        <translation>só no editor</translation>
    </message>
    <message>
        <source>leagues</source>
        <translation>ligas</translation>
    </message>
    <message>
        <source>teams</source>
        <translation>times</translation>
    </message>
    <message>
        <source>players</source>
        <translation>jogadores</translation>
    </message>
    <message>
        <source>%1 in %2 of the %3 table. “OK” applies them all as one step.</source>
        <translation>%1 em %2 da tabela de %3. “OK” aplica todas em uma só etapa.</translation>
    </message>
    <message>
        <source>The table could not be written: %1</source>
        <translation>Não foi possível gravar a tabela: %1</translation>
    </message>
</context>
<context>
    <name>commands</name>
    <message>
        <source>Export &amp;Table...</source>
        <translation>Exportar &amp;tabela...</translation>
    </message>
    <message>
        <source>Import T&amp;able...</source>
        <translation>Importar t&amp;abela...</translation>
    </message>
    <message>
        <source>C&amp;heck Database...</source>
        <translation>&amp;Verificar banco de dados...</translation>
    </message>
    <message>
        <source>Write players, teams or leagues to a spreadsheet file
Export Table</source>
        <translation>Gravar jogadores, times ou ligas em um arquivo de planilha
Exportar tabela</translation>
    </message>
    <message>
        <source>Apply a spreadsheet file&apos;s changes, after a preview
Import Table</source>
        <translation>Aplicar as alterações de um arquivo de planilha, após uma pré-visualização
Importar tabela</translation>
    </message>
    <message>
        <source>List what the game or the save would stumble on
Check Database</source>
        <translation>Listar o que causaria problemas ao jogo ou à gravação
Verificar banco de dados</translation>
    </message>
    <message>
        <source>List what differs from the files as loaded or from the backup
Changes</source>
        <translation>Listar o que difere dos arquivos como foram carregados ou do backup
Alterações</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Import &amp;GLV Files...</source>
        <translation>Importar arquivos &amp;GLV...</translation>
    </message>
    <message>
        <source>Ex&amp;port...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Make Jersey Thumbnails</source>
        <translation>Gerar &amp;miniaturas das camisas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>R&amp;ecortar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>Clo&amp;ne</source>
        <translation>Cl&amp;onar</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>Local&amp;izar</translation>
    </message>
    <message>
        <source>Find &amp;Again</source>
        <translation>Locali&amp;zar novamente</translation>
    </message>
    <message>
        <source>&amp;Global Modifications...</source>
        <translation>&amp;Modificações globais...</translation>
    </message>
    <message>
        <source>&amp;New League</source>
        <translation>&amp;Nova liga</translation>
    </message>
    <message>
        <source>&amp;League Name...</source>
        <translation>Nome da li&amp;ga...</translation>
    </message>
    <message>
        <source>Swap Tea&amp;ms</source>
        <translation>Trocar time&amp;s</translation>
    </message>
    <message>
        <source>S&amp;wap Players</source>
        <translation>Trocar &amp;jogadores</translation>
    </message>
    <message>
        <source>Appl&amp;y Remembered Team</source>
        <translation>&amp;Aplicar time memorizado</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de ferramentas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;status</translation>
    </message>
    <message>
        <source>T&amp;ransfer Page</source>
        <translation>Página de &amp;transferência</translation>
    </message>
    <message>
        <source>&amp;Next Pane</source>
        <translation>&amp;Próximo painel</translation>
    </message>
    <message>
        <source>Pre&amp;vious Pane</source>
        <translation>Painel &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Tópicos da ajuda...</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>Te&amp;clado</translation>
    </message>
    <message>
        <source>&amp;About Obrix...</source>
        <translation>&amp;Sobre o Obrix...</translation>
    </message>
    <message>
        <source>Save changes to Golvar data files permanently\Save</source>
        <translation>Salvar as alterações nos arquivos de dados do Golvar permanentemente\Salvar</translation>
    </message>
    <message>
        <source>Import from DB files
Import</source>
        <translation>Importar de arquivos DB
Importar</translation>
    </message>
    <message>
        <source>Export to DB files
Export</source>
        <translation>Exportar para arquivos DB
Exportar</translation>
    </message>
    <message>
        <source>Transfer Teams and Players\Transfer</source>
        <translation>Transferir times e jogadores\Transferir</translation>
    </message>
    <message>
        <source>Generate thumbnail images of jersey files
Make Jersey Thumbnails</source>
        <translation>Gerar imagens em miniatura dos arquivos de camisas
Gerar miniaturas das camisas</translation>
    </message>
    <message>
        <source>Find a player or a team\Find</source>
        <translation>Localizar um jogador ou um time\Localizar</translation>
    </message>
    <message>
        <source>Repeat Last Find</source>
        <translation>Repetir a última busca</translation>
    </message>
    <message>
        <source>Change league names</source>
        <translation>Alterar os nomes das ligas</translation>
    </message>
    <message>
        <source>Change Player Attributes Globally</source>
        <translation>Alterar as habilidades dos jogadores globalmente</translation>
    </message>
    <message>
        <source>Import GLV Files...</source>
        <translation>Importar arquivos GLV...</translation>
    </message>
    <message>
        <source>Write the selected league as DB files that other users can import
Export League</source>
        <translation>Gravar a liga selecionada como arquivos DB que outros usuários podem importar
Exportar liga</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Swap the two teams selected on the Transfer page between their leagues
Swap Teams</source>
        <translation>Trocar entre suas ligas os dois times selecionados na página de transferência
Trocar times</translation>
    </message>
    <message>
        <source>Swap the two players selected on the Transfer page between their teams
Swap Players</source>
        <translation>Trocar entre seus times os dois jogadores selecionados na página de transferência
Trocar jogadores</translation>
    </message>
    <message>
        <source>Put back the game&apos;s files as they were backed up
Restore</source>
        <translation>Devolver os arquivos do jogo ao estado do backup
Restaurar</translation>
    </message>
    <message>
        <source>Quit Obrix; unsaved changes are asked about first
Exit</source>
        <translation>Sair do Obrix (antes, você será consultado sobre as alterações não salvas)
Sair</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>Desfazer a última alteração
Desfazer</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Refazer a última alteração desfeita
Refazer</translation>
    </message>
    <message>
        <source>Add a new, empty league
New League</source>
        <translation>Adicionar uma liga nova e vazia
Nova liga</translation>
    </message>
    <message>
        <source>Remember the selected team&apos;s kit and names
Remember Team</source>
        <translation>Memorizar o uniforme e os nomes do time selecionado
Memorizar time</translation>
    </message>
    <message>
        <source>Move to the next pane: tree, data sheet, roster
Next Pane</source>
        <translation>Ir para o próximo painel: árvore, ficha, elenco
Próximo painel</translation>
    </message>
    <message>
        <source>Move to the previous pane
Previous Pane</source>
        <translation>Ir para o painel anterior
Painel anterior</translation>
    </message>
    <message>
        <source>List every key of the editor
Keyboard</source>
        <translation>Listar todas as teclas do editor
Teclado</translation>
    </message>
    <message>
        <source>Not available yet
Clone</source>
        <translation>Ainda não disponível
Clonar</translation>
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
        <source>&amp;Undo %1</source>
        <translation>&amp;Desfazer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refazer %1</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Mostrar ou ocultar a barra de ferramentas</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostrar ou ocultar a barra de status</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Exibir informações do programa, número da versão e direitos autorais
Sobre</translation>
    </message>
    <message>
        <source>&amp;Changes</source>
        <translation>A&amp;lterações</translation>
    </message>
    <message>
        <source>&amp;Save Data</source>
        <translation>Salvar &amp;dados</translation>
    </message>
    <message>
        <source>Remem&amp;ber Team</source>
        <translation>Memorizar &amp;time</translation>
    </message>
    <message>
        <source>Pr&amp;eferences...</source>
        <translation>&amp;Preferências...</translation>
    </message>
    <message>
        <source>St&amp;ats Page</source>
        <translation>Página de &amp;estatísticas</translation>
    </message>
    <message>
        <source>Copy the selected player or team to the clipboard
Copy</source>
        <translation>Copiar o jogador ou o time selecionado para a área de transferência
Copiar</translation>
    </message>
    <message>
        <source>Cut the selected player; “Paste” on a team moves him there
Cut</source>
        <translation>Recortar o jogador selecionado; “Colar” em um time o leva para lá
Recortar</translation>
    </message>
    <message>
        <source>Paste the copied player into a team, or the copied team into a league
Paste</source>
        <translation>Colar o jogador copiado em um time, ou o time copiado em uma liga
Colar</translation>
    </message>
    <message>
        <source>Delete the selected player or team
Delete</source>
        <translation>Excluir o jogador ou o time selecionado
Excluir</translation>
    </message>
    <message>
        <source>Give the selected team the kit and names kept with “Remember Team”
Apply Remembered Team</source>
        <translation>Dar ao time selecionado o uniforme e os nomes guardados com “Memorizar time”
Aplicar time memorizado</translation>
    </message>
</context>
<context>
    <name>committexts</name>
    <message>
        <source>An interrupted %1 was completed: %2 now hold the new contents.</source>
        <translation>Uma operação interrompida (%1) foi concluída: %2 agora têm o novo conteúdo.</translation>
    </message>
    <message>
        <source>An interrupted %1 was undone: the files are as before it.</source>
        <translation>Uma operação interrompida (%1) foi desfeita: os arquivos estão como antes dela.</translation>
    </message>
    <message>
        <source>it is not a regular file (a link, pipe, device or folder is in its place)</source>
        <translation>não é um arquivo comum (há um link, pipe, dispositivo ou pasta no lugar dele)</translation>
    </message>
    <message>
        <source>%1: the new copy read back from the disk differs from what was written (%2 bytes read, %3 written).</source>
        <translation>%1: a nova cópia lida de volta do disco difere do que foi gravado (%2 bytes lidos, %3 gravados).</translation>
    </message>
    <message>
        <source>The %1 failed and the old files could not all be put back, so the set is mixed: %2. The old contents are kept beside them (%3); the editor finishes the set at the next load of this folder.</source>
        <translation>A operação (%1) falhou e nem todos os arquivos antigos puderam ser repostos, então agora há arquivos antigos e novos misturados: %2. O conteúdo antigo foi mantido ao lado deles (%3); o editor completa os arquivos na próxima vez que carregar esta pasta.</translation>
    </message>
    <message>
        <source>An interrupted %1 in %2 could not be finished: %3. The old contents are kept beside the files (names ending &quot;.obrix-old...&quot;) and the record in %4.</source>
        <translation>Uma operação interrompida (%1) em %2 não pôde ser concluída: %3. O conteúdo antigo foi mantido ao lado dos arquivos (nomes terminados em “.obrix-old...”) e o registro, em %4.</translation>
    </message>
    <message>
        <source>it is larger than any file of its kind can be</source>
        <translation>é maior do que qualquer arquivo desse tipo pode ser</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a link, pipe, device or folder is in its place), so no interrupted save there can be finished or undone and no new one can be made. Remove it and try again.</source>
        <translation>%1 não é um arquivo comum (há um link, pipe, dispositivo ou pasta no lugar dele), então nenhum salvamento interrompido ali pode ser concluído ou desfeito e nenhum novo pode ser feito. Remova-o e tente novamente.</translation>
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
        <translation>Diferenças:</translation>
    </message>
    <message>
        <source>Can only compare teams.</source>
        <translation>Só é possível comparar times.</translation>
    </message>
</context>
<context>
    <name>editingtexts</name>
    <message>
        <source>Too many players (26) in this team already!</source>
        <translation>Este time já tem o máximo de 26 jogadores.</translation>
    </message>
    <message>
        <source>Cannot edit European Competition Fixtures.</source>
        <translation>Não é possível editar a tabela das competições europeias.</translation>
    </message>
    <message>
        <source>Can only copy a player to clipboard!</source>
        <translation>Só é possível copiar um jogador para a área de transferência.</translation>
    </message>
    <message>
        <source>Can only paste player to a team!</source>
        <translation>Um jogador só pode ser colado em um time.</translation>
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
        <source>Import from DB files</source>
        <translation>Importar de arquivos DB</translation>
    </message>
    <message>
        <source>Select directory to import DB files from:</source>
        <translation>Selecione a pasta de onde importar os arquivos DB:</translation>
    </message>
    <message>
        <source>Importing League...</source>
        <translation>Importando liga...</translation>
    </message>
    <message>
        <source>Importing Player %d/%d %s...</source>
        <translation>Importando jogador %d/%d %s...</translation>
    </message>
    <message>
        <source>Importing Xfer %d/%d ...</source>
        <extracomment>Xfer: one of the exchange files&apos; transfer records.</extracomment>
        <translation>Importando transferência %d/%d ...</translation>
    </message>
    <message>
        <source>Importing Team %d/%d %s...</source>
        <translation>Importando time %d/%d %s...</translation>
    </message>
    <message>
        <source>Error reading CUSPLYR.DB.</source>
        <translation>Erro ao ler CUSPLYR.DB.</translation>
    </message>
    <message>
        <source>Error reading CUSTOM.DB.</source>
        <translation>Erro ao ler CUSTOM.DB.</translation>
    </message>
    <message>
        <source>Error allocating memory for output buffer.</source>
        <translation>Erro ao alocar memória para o buffer de saída.</translation>
    </message>
    <message>
        <source>Error Importing data.</source>
        <translation>Erro ao importar os dados.</translation>
    </message>
    <message>
        <source>%s: %s.</source>
        <translation>%s: %s.</translation>
    </message>
    <message>
        <source>%s announces %u bytes when unpacked; no exchange file holds more than %u, so it is not read.</source>
        <translation>%s anuncia %u bytes depois de descompactado; nenhum arquivo de intercâmbio tem mais de %u, por isso ele não é lido.</translation>
    </message>
    <message>
        <source>File CUSTOM.DB appears to be corrupted. Import failed!</source>
        <translation>O arquivo CUSTOM.DB parece estar corrompido. A importação falhou.</translation>
    </message>
    <message>
        <source>Importing GLV file...</source>
        <translation>Importando arquivo GLV...</translation>
    </message>
    <message>
        <source>Cannot open GLV file</source>
        <translation>Não é possível abrir o arquivo GLV</translation>
    </message>
    <message>
        <source>File is not a GLV file</source>
        <translation>O arquivo não é um arquivo GLV</translation>
    </message>
    <message>
        <source>The database has no league at position %d for the teams of a GLV file to be based on. Import failed!</source>
        <translation>O banco de dados não tem liga na posição %d para servir de base aos times de um arquivo GLV. A importação falhou.</translation>
    </message>
    <message>
        <source>Team %d of the GLV file has no team to be based on in the league at position %d. Import failed!</source>
        <translation>O time %d do arquivo GLV não tem um time que lhe sirva de base na liga da posição %d. A importação falhou.</translation>
    </message>
    <message>
        <source>GLV Files (*.GLV)|*.GLV|All Files (*.*)|*.*|</source>
        <translation>Arquivos GLV (*.GLV)|*.GLV|Todos os arquivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>The GLV file holds %d teams, but the league its teams are based on has only %d.</source>
        <translation>O arquivo GLV contém %d times, mas a liga que serve de base aos seus times tem só %d.</translation>
    </message>
    <message>
        <source>The GLV file gives a negative number of teams (%d).</source>
        <translation>O arquivo GLV indica um número negativo de times (%d).</translation>
    </message>
    <message>
        <source>Team %d of the GLV file holds %d players; a team has at most %d.</source>
        <translation>O time %d do arquivo GLV contém %d jogadores; um time tem no máximo %d.</translation>
    </message>
    <message>
        <source>The GLV file ends before its list of teams.</source>
        <translation>O arquivo GLV termina antes da sua lista de times.</translation>
    </message>
    <message>
        <source>The GLV file ends in the middle of team %d.</source>
        <translation>O arquivo GLV termina no meio do time %d.</translation>
    </message>
    <message>
        <source>Packing %s...</source>
        <translation>Compactando %s...</translation>
    </message>
    <message>
        <source>There is no league at position %d.</source>
        <translation>Não há liga na posição %d.</translation>
    </message>
    <message>
        <source>Cannot create the folder %s.</source>
        <translation>Não é possível criar a pasta %s.</translation>
    </message>
    <message>
        <source>Cannot create a temporary folder %s.</source>
        <translation>Não é possível criar uma pasta temporária %s.</translation>
    </message>
    <message>
        <source>Cannot write the temporary file %s.</source>
        <translation>Não é possível gravar o arquivo temporário %s.</translation>
    </message>
    <message>
        <source>Removed %s, the temporary folder of an export that was cut off.</source>
        <translation>Foi removida %s, a pasta temporária de uma exportação interrompida.</translation>
    </message>
    <message>
        <source>Packing %s failed.</source>
        <translation>Falha ao compactar %s.</translation>
    </message>
    <message>
        <source>Packing %s left no packed file.</source>
        <translation>A compactação de %s não gerou nenhum arquivo.</translation>
    </message>
    <message>
        <source>Cannot write %s.</source>
        <translation>Não é possível gravar %s.</translation>
    </message>
    <message>
        <source>Exported %s, %s and %s to %s.</source>
        <translation>Exportados %s, %s e %s para %s.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>The packer program, which reads and writes the exchange files, could not be started: %s
(System error %d)</source>
        <translation>Não foi possível iniciar o programa compactador, que lê e grava os arquivos de intercâmbio: %s
(Erro do sistema %d)</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <translation>o sistema não informou o motivo</translation>
    </message>
    <message>
        <source>The file is larger than any GLV file can be (%u bytes), so it is not read.</source>
        <translation>O arquivo é maior do que um arquivo GLV pode ser (%u bytes), então não é lido.</translation>
    </message>
</context>
<context>
    <name>foldtexts</name>
    <message>
        <source>&apos;%1&apos; takes the place of the game&apos;s &apos;%2&apos; of %3</source>
        <translation>&apos;%1&apos; ocupa o lugar de &apos;%2&apos; do jogo, do %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes the place of the game&apos;s &apos;%2&apos;, who is in no club</source>
        <translation>&apos;%1&apos; ocupa o lugar de &apos;%2&apos; do jogo, que não está em nenhum clube</translation>
    </message>
    <message>
        <source>An imported player has no record of his own in the game&apos;s files, so the save writes each one moved or copied onto a game team over a game player: the one whose id is the low 16 bits of his own (whichever club lists him), or a player of that team leaving for the imported player&apos;s team. That player&apos;s name and values are gone, and his club lists the newcomer as well as the team you chose:</source>
        <translation>Um jogador importado não tem registro próprio nos arquivos do jogo, então ao salvar cada um movido ou copiado para um time do jogo é gravado sobre um jogador do jogo: aquele cujo id são os 16 bits baixos do seu (em qualquer clube), ou um jogador desse time que vai para o time do jogador importado. O nome e os valores desse jogador se perdem, e o clube dele inclui o recém-chegado, assim como o time escolhido:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... e mais %1.</translation>
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
        <translation>Salvando dados...</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n changed records to %1</source>
        <translation>
            <numerusform>%n registro alterado salvo em %1</numerusform>
            <numerusform>%n registros alterados salvos em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was saved</source>
        <translation>Nada foi salvo</translation>
    </message>
    <message>
        <source>Cut %1: paste on a team to move him</source>
        <translation>%1 recortado: cole em um time para movê-lo</translation>
    </message>
    <message>
        <source>Moved %1 to %2</source>
        <translation>%1 movido para %2</translation>
    </message>
    <message>
        <source>W A R N I N G !

This action will save changes you have made to Golvar data files PERMANENTLY. Some teams and players may be announced in their original names.

If you do not wish to make permanent changes to the files, it is suggested that you use the File/Export feature.

Do you wish to continue?</source>
        <extracomment>&quot;announced&quot;: the match commentator may say some teams&apos; and players&apos; original names, since the spoken names are recordings the editor cannot change.</extracomment>
        <translation>A T E N Ç Ã O !

Esta ação vai salvar PERMANENTEMENTE as alterações que você fez nos arquivos de dados do Golvar. A narração pode chamar alguns times e jogadores pelos nomes originais.

Se você não quiser fazer alterações permanentes nos arquivos, sugerimos usar a função Arquivo/Exportar.

Deseja continuar?</translation>
    </message>
    <message>
        <source>Select directory to export the league&apos;s DB files to:</source>
        <translation>Selecione a pasta para onde exportar os arquivos DB da liga:</translation>
    </message>
    <message>
        <source>Exporting League...</source>
        <translation>Exportando liga...</translation>
    </message>
    <message>
        <source>This directory already holds DB files. Do you want to replace them?</source>
        <translation>Esta pasta já contém arquivos DB. Deseja substituí-los?</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sumário</translation>
    </message>
    <message>
        <source>The window</source>
        <translation>A janela</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Saving and backup</source>
        <translation>Gravação e backup</translation>
    </message>
    <message>
        <source>Delete works on the pane that has the focus; in a text box it deletes text as usual. A deleted team or player comes back with Undo. Cut, then Paste on a team, moves the player there.</source>
        <translation>Excluir age no painel que tem o foco; em uma caixa de texto, apaga o texto normalmente. Um time ou jogador excluído volta com Desfazer. Recortar e depois Colar em um time move o jogador para lá.</translation>
    </message>
</context>
<context>
    <name>gametexts</name>
    <message>
        <source>The save was refused and nothing was written: read back, %1 %2 would have %3 %4 in the files, where the editor holds %5.</source>
        <translation>A gravação foi recusada e nada foi gravado: na releitura, %1 %2 teria %3 %4 nos arquivos, enquanto o editor tem %5.</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: the files it built could not be read back (%1).</source>
        <translation>A gravação foi recusada e nada foi gravado: os arquivos gerados não puderam ser lidos de volta (%1).</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: it meant to write %1 players and %2 teams, and read back %3 and %4.</source>
        <translation>A gravação foi recusada e nada foi gravado: deveria gravar %1 jogadores e %2 times, e leu de volta %3 e %4.</translation>
    </message>
    <message>
        <source>Error writing to Team Data File.</source>
        <translation>Erro ao gravar o arquivo de dados dos times.</translation>
    </message>
    <message>
        <source>Error writing to Team Name File.</source>
        <translation>Erro ao gravar o arquivo de nomes dos times.</translation>
    </message>
    <message>
        <source>Error writing to Player Data File.</source>
        <translation>Erro ao gravar o arquivo de dados dos jogadores.</translation>
    </message>
    <message>
        <source>Error writing to Player Name File.</source>
        <translation>Erro ao gravar o arquivo de nomes dos jogadores.</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: the data in the editor was not read whole from the game&apos;s files in %1, and saving it would replace them with less than they hold.</source>
        <translation>A gravação foi recusada e nada foi gravado: os dados do editor não foram lidos por inteiro dos arquivos do jogo em %1, e salvá-los os substituiria por menos do que contêm.</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: the data in the editor was read from %1, not from %2.</source>
        <translation>A gravação foi recusada e nada foi gravado: os dados do editor foram lidos de %1, não de %2.</translation>
    </message>
</context>
<context>
    <name>globalmodtexts</name>
    <message>
        <source>Global Modifications</source>
        <translation>Modificações globais</translation>
    </message>
    <message>
        <source>Value to change:</source>
        <extracomment>The amount added to (or, when negative, taken from) each ticked skill.</extracomment>
        <translation>Valor a alterar:</translation>
    </message>
    <message>
        <source>Type of Players</source>
        <translation>Tipo de jogador</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Habilidades</translation>
    </message>
    <message>
        <source>Defenders</source>
        <translation>Defensores</translation>
    </message>
    <message>
        <source>Midfielders</source>
        <translation>Meio-campistas</translation>
    </message>
    <message>
        <source>Forwards</source>
        <translation>Atacantes</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Aceleração</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Agilidade</translation>
    </message>
    <message>
        <source>Awareness</source>
        <translation>Visão de jogo</translation>
    </message>
    <message>
        <source>Ball Control</source>
        <translation>Controle de bola</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Criatividade</translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation>Preparo físico</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Cabeceio</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Passe</translation>
    </message>
    <message>
        <source>Reaction</source>
        <translation>Reação</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Tackle</source>
        <translation>Desarme</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Digite um número inteiro entre %1 e %2.</translation>
    </message>
    <message>
        <source>%1 %2 for %3</source>
        <translation>%1 %2 para %3</translation>
    </message>
    <message>
        <source>All skills</source>
        <translation>Todas as habilidades</translation>
    </message>
    <message>
        <source>No skill</source>
        <translation>Nenhuma habilidade</translation>
    </message>
    <message>
        <source>player</source>
        <translation>jogador</translation>
    </message>
    <message>
        <source>players</source>
        <translation>jogadores</translation>
    </message>
    <message>
        <source>Goalkeepers</source>
        <translation>Goleiros</translation>
    </message>
    <message>
        <source>Shot Power</source>
        <translation>Força do chute</translation>
    </message>
    <message>
        <source>Shot Accuracy</source>
        <translation>Precisão do chute</translation>
    </message>
    <message>
        <source>Type an amount other than 0 to enable “OK”.</source>
        <translation>Digite um valor diferente de 0 para ativar “OK”.</translation>
    </message>
    <message>
        <source>Tick at least one type of players to enable “OK”.</source>
        <translation>Marque pelo menos um tipo de jogador para ativar “OK”.</translation>
    </message>
</context>
<context>
    <name>keptleaguetexts</name>
    <message>
        <source>Remove the imported league %1 from Obrix? Its teams and its edits will be gone, and it will not come back at the next start.</source>
        <translation>Remover a liga importada %1 do Obrix? Seus times e suas edições serão perdidos, e ela não voltará na próxima inicialização.</translation>
    </message>
    <message>
        <source>The imported leagues could not be kept in %1: %2</source>
        <translation>Não foi possível manter as ligas importadas em %1: %2</translation>
    </message>
    <message>
        <source>The kept leagues in %1 could not be read: %2.
The file is left as it is; the leagues it holds are not in this run.</source>
        <translation>Não foi possível ler as ligas mantidas em %1: %2.
O arquivo fica como está; as ligas que ele contém não fazem parte desta sessão.</translation>
    </message>
    <message>
        <source>The folder of the kept leagues, %1, could not be read: %2.
Nothing in it is changed; the leagues kept there are not in this run.</source>
        <translation>Não foi possível ler a pasta das ligas mantidas, %1: %2.
Nada nela foi alterado; as ligas mantidas ali não fazem parte desta sessão.</translation>
    </message>
    <message>
        <source>The kept league %1 (kept by an earlier version of Obrix in %2) could not be read again.
Its files are left as they are, where File/Import can try them again.</source>
        <translation>Não foi possível ler de novo a liga mantida %1 (mantida por uma versão anterior do Obrix em %2).
Seus arquivos ficam como estão, onde Arquivo/Importar pode tentar lê-los de novo.</translation>
    </message>
    <message>
        <source>The imported leagues were kept in %1, because %2 was not read in this run and is left as it is.</source>
        <translation>As ligas importadas foram mantidas em %1, porque %2 não foi lido nesta sessão e fica como está.</translation>
    </message>
    <message>
        <source>Imported leagues are kept by Obrix, not in the Golvar data files: they come back the next time Obrix starts. To bring their players into the game, move or copy them onto game teams (the Transfer page, Cut and Paste, or dragging them). The files have no record of their own for such a player: the save writes him over the game player whose id is the low 16 bits of his, often of another club, who is then gone; the save&apos;s question and the Changes view name each one first. Use File/Export to share the league.</source>
        <translation>As ligas importadas são mantidas pelo Obrix, não nos arquivos de dados do Golvar: elas voltam na próxima vez que o Obrix for iniciado. Para levar seus jogadores ao jogo, mova-os ou copie-os para times do jogo (página de transferência, Recortar e Colar, ou arrastando-os). Os arquivos não têm registro próprio para um jogador assim: ao salvar, ele é gravado sobre o jogador do jogo cujo id são os 16 bits baixos do seu, muitas vezes de outro clube, que então se perde; a pergunta ao salvar e a vista Alterações nomeiam cada um antes. Use Arquivo/Exportar para compartilhar a liga.</translation>
    </message>
    <message>
        <source>Imported league: kept by Obrix, not in the Golvar data files.
To bring its players into the game, move or copy them onto game teams: the save writes each over the game player whose id is the low 16 bits of his (named first); export it with File/Export to share it.</source>
        <translation>Liga importada: mantida pelo Obrix, não nos arquivos de dados do Golvar.
Para levar seus jogadores ao jogo, mova-os ou copie-os para times do jogo: ao salvar, cada um é gravado sobre o jogador do jogo cujo id são os 16 bits baixos do seu (nomeado antes); exporte-a com Arquivo/Exportar para compartilhá-la.</translation>
    </message>
    <message>
        <source>another program is keeping leagues there and did not finish in time; nothing there was changed</source>
        <translation>outro programa está mantendo ligas lá e não terminou a tempo; nada foi alterado lá</translation>
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
    <name>limittexts</name>
    <message>
        <source>league</source>
        <translation>liga</translation>
    </message>
    <message>
        <source>team</source>
        <translation>time</translation>
    </message>
    <message>
        <source>player</source>
        <translation>jogador</translation>
    </message>
    <message>
        <source>League &quot;%1&quot; (id %2)</source>
        <translation>Liga “%1” (id %2)</translation>
    </message>
    <message>
        <source>Team &quot;%1&quot; (id %2)</source>
        <translation>Time “%1” (id %2)</translation>
    </message>
    <message>
        <source>Player &quot;%1&quot; (id %2)</source>
        <translation>Jogador “%1” (id %2)</translation>
    </message>
    <message>
        <source>%1: the %2 is %3 bytes long in the game&apos;s encoding; the game&apos;s files hold at most %4.</source>
        <translation>%1: o campo %2 ocupa %3 bytes na codificação do jogo; os arquivos do jogo aceitam no máximo %4.</translation>
    </message>
    <message>
        <source>%1: the %2 holds a NUL character, which would end it in the game&apos;s files.</source>
        <translation>%1: o campo %2 contém um caractere NUL, que o encerraria nos arquivos do jogo.</translation>
    </message>
    <message>
        <source>%1: a league name beginning with &quot;EC&quot; marks one of the game&apos;s European competitions, which the editor shows with a leading &quot;x&quot;. Begin the name with &quot;xEC&quot; for a competition, or choose another name.</source>
        <translation>%1: um nome de liga que começa com “EC” marca uma das competições europeias do jogo, que o editor mostra com um “x” na frente. Comece o nome com “xEC” para uma competição ou escolha outro nome.</translation>
    </message>
    <message>
        <source>%1: %2 is %3; the game&apos;s files hold %4 at most.</source>
        <translation>%1: %2 vale %3; os arquivos do jogo aceitam no máximo %4.</translation>
    </message>
    <message>
        <source>%1: the id does not fit the game&apos;s files, which hold ids up to %2.</source>
        <translation>%1: o id não cabe nos arquivos do jogo, que aceitam ids até %2.</translation>
    </message>
    <message>
        <source>%1: %2 names id %3; the game&apos;s files hold ids up to 65535.</source>
        <translation>%1: %2 indica o id %3; os arquivos do jogo aceitam ids até 65535.</translation>
    </message>
    <message>
        <source>%1 lists %2 players; the game&apos;s files hold 26 for a team, the rest would be lost at save.</source>
        <translation>%1 tem %2 jogadores; os arquivos do jogo guardam 26 por time, o resto seria perdido ao salvar.</translation>
    </message>
    <message>
        <source>%1 has %2 team slots; the game&apos;s files hold at most 63 for a league.</source>
        <translation>%1 tem %2 vagas de times; os arquivos do jogo aceitam no máximo 63 por liga.</translation>
    </message>
    <message>
        <source>%1 League consist an odd number (%2) of teams. Please make sure that only even numbers of teams are used.</source>
        <translation>A liga %1 tem um número ímpar (%2) de times. Use apenas números pares de times.</translation>
    </message>
    <message>
        <source>The player table would begin at %1, beyond the 16-bit position the game reads (below 65536): delete teams or leagues.</source>
        <translation>A tabela de jogadores começaria na posição %1, além da posição de 16 bits que o jogo lê (abaixo de 65536): exclua times ou ligas.</translation>
    </message>
    <message>
        <source>%1 is a league of the game, and team %2 was imported: the game&apos;s files have no record for it, so the league cannot list it. To bring its players into the game, move or copy them onto game teams (the Transfer page, Cut and Paste, or dragging them) and save: the save writes each over the game player whose id is the low 16 bits of his, and names each one before it does.</source>
        <translation>%1 é uma liga do jogo, e o time %2 foi importado: os arquivos do jogo não têm registro para ele, então a liga não pode incluí-lo. Para levar seus jogadores ao jogo, mova-os ou copie-os para times do jogo (página de transferência, Recortar e Colar, ou arrastando-os) e salve: ao salvar, cada um é gravado sobre o jogador do jogo cujo id são os 16 bits baixos do seu, e cada um é nomeado antes.</translation>
    </message>
    <message>
        <source>%1 cannot go onto %2, a team of the game: his %3 is %4, and the game&apos;s files hold %5 at most. Set his %3 to %5 or less first; on his imported team he may keep %4.</source>
        <translation>%1 não pode ir para %2, um time do jogo: o %3 dele vale %4, e os arquivos do jogo aceitam no máximo %5. Ajuste antes o %3 dele para %5 ou menos; no time importado ele pode manter %4.</translation>
    </message>
    <message>
        <source>%1 is to go onto a team of the game at the next save, whose files hold %4 at most for his %2, so it cannot be %3. Undo his move onto that team first to give him a larger value.</source>
        <translation>%1 vai para um time do jogo no próximo salvamento, cujos arquivos aceitam no máximo %4 para o %2 dele, então não pode ser %3. Desfaça antes a ida dele para esse time para lhe dar um valor maior.</translation>
    </message>
</context>
<context>
    <name>locktexts</name>
    <message>
        <source>%1: the game folder is in use by another program.</source>
        <translation>%1: a pasta do jogo está sendo usada por outro programa.</translation>
    </message>
    <message>
        <source>%1: another program is saving the game&apos;s files; its unfinished save is left for it to finish.</source>
        <translation>%1: outro programa está salvando os arquivos do jogo. O Obrix deixa que esse programa termine de salvar.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 é uma pasta, não um arquivo comum, então os arquivos do jogo não podem ser bloqueados contra outros programas. Remova-a e tente novamente.</translation>
    </message>
    <message>
        <source>%1 is a link, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 é um link, não um arquivo comum, então os arquivos do jogo não podem ser bloqueados contra outros programas. Remova-o e tente novamente.</translation>
    </message>
    <message>
        <source>%1 is a pipe, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 é um pipe, não um arquivo comum, então os arquivos do jogo não podem ser bloqueados contra outros programas. Remova-o e tente novamente.</translation>
    </message>
    <message>
        <source>%1 is a device, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 é um dispositivo, não um arquivo comum, então os arquivos do jogo não podem ser bloqueados contra outros programas. Remova-o e tente novamente.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 não é um arquivo comum, então os arquivos do jogo não podem ser bloqueados contra outros programas. Remova-o e tente novamente.</translation>
    </message>
    <message>
        <source>%1 cannot be locked (%2), so the game&apos;s files cannot be locked against other programs.</source>
        <translation>%1 não pode ser bloqueado (%2), então os arquivos do jogo não podem ser bloqueados contra outros programas.</translation>
    </message>
</context>
<context>
    <name>pagetexts</name>
    <message>
        <source>About Obrix</source>
        <translation>Sobre o Obrix</translation>
    </message>
    <message>
        <source>The game&apos;s files cannot hold these characters: %s
The name is kept as it was.</source>
        <translation>Os arquivos do jogo não aceitam estes caracteres: %s
O nome anterior foi mantido.</translation>
    </message>
    <message>
        <source>Edit Player</source>
        <translation>Editar jogador</translation>
    </message>
    <message>
        <source>Apply Preset</source>
        <translation>Aplicar perfil</translation>
    </message>
    <message>
        <source>Edit Team</source>
        <translation>Editar time</translation>
    </message>
    <message>
        <source>Change Kit</source>
        <translation>Alterar uniforme</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aparência</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Habilidades</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Perfis</translation>
    </message>
    <message>
        <source>A player must have a name. The name is kept as it was.</source>
        <translation>Um jogador precisa ter nome. O nome anterior foi mantido.</translation>
    </message>
    <message>
        <source>Number %d has already been used.</source>
        <translation>O número %d já está em uso.</translation>
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
        <translation>Redefinir tudo</translation>
    </message>
    <message>
        <source>Commentary</source>
        <extracomment>A check box: the match commentator says this player&apos;s name. Kept in the game&apos;s own words.</extracomment>
        <translation>Nome na narração</translation>
    </message>
    <message>
        <source>No.:</source>
        <translation>Número:</translation>
    </message>
    <message>
        <source>Pos:</source>
        <translation>Pos.:</translation>
    </message>
    <message>
        <source>Hair:</source>
        <translation>Cabelo:</translation>
    </message>
    <message>
        <source>Face:</source>
        <translation>Rosto:</translation>
    </message>
    <message>
        <source>Facial Hair:</source>
        <translation>Barba:</translation>
    </message>
    <message>
        <source>Skin Colour:</source>
        <translation>Cor da pele:</translation>
    </message>
    <message>
        <source>Hair Colour:</source>
        <translation>Cor do cabelo:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Avaliação:</translation>
    </message>
    <message>
        <source>Nat.:</source>
        <translation>Nac.:</translation>
    </message>
    <message>
        <source>Acceleration:</source>
        <translation>Aceleração:</translation>
    </message>
    <message>
        <source>Agility:</source>
        <translation>Agilidade:</translation>
    </message>
    <message>
        <source>Awareness:</source>
        <extracomment>Vision of play: how well the player reads the game (not his positioning).</extracomment>
        <translation>Visão de jogo:</translation>
    </message>
    <message>
        <source>Ball Control:</source>
        <translation>Controle de bola:</translation>
    </message>
    <message>
        <source>Creativity:</source>
        <translation>Criatividade:</translation>
    </message>
    <message>
        <source>Fitness:</source>
        <translation>Preparo físico:</translation>
    </message>
    <message>
        <source>Heading:</source>
        <translation>Cabeceio:</translation>
    </message>
    <message>
        <source>Passing:</source>
        <translation>Passe:</translation>
    </message>
    <message>
        <source>Reaction:</source>
        <translation>Reação:</translation>
    </message>
    <message>
        <source>Shot Power:</source>
        <translation>Força do chute:</translation>
    </message>
    <message>
        <source>Shot Acc.</source>
        <extracomment>Shot accuracy; short, for want of room beside its box.</extracomment>
        <translation>Prec. chute</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidade:</translation>
    </message>
    <message>
        <source>Tackle:</source>
        <translation>Desarme:</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Home Kit</source>
        <translation>Uniforme principal</translation>
    </message>
    <message>
        <source>Away Kit</source>
        <translation>Uniforme reserva</translation>
    </message>
    <message>
        <source>Bankroll must be a whole number between %d and %d</source>
        <translation>O orçamento deve ser um número inteiro entre %d e %d</translation>
    </message>
    <message>
        <source>Bankroll must be between %d and %d</source>
        <translation>O orçamento deve estar entre %d e %d</translation>
    </message>
    <message>
        <source>A team must have a name. The name is kept as it was.</source>
        <translation>Um time precisa ter nome. O nome anterior foi mantido.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Digite um número inteiro.</translation>
    </message>
    <message>
        <source>The jersey editor Weftor was found but could not be started.</source>
        <translation>O editor de camisas Weftor foi encontrado, mas não pôde ser iniciado.</translation>
    </message>
    <message>
        <source>Needs the jersey editor Weftor, which was looked for in %1 and on the PATH, and not found.</source>
        <translation>Requer o editor de camisas Weftor, que foi procurado em %1 e no PATH e não foi encontrado.</translation>
    </message>
    <message>
        <source>Edits the jersey texture with %1</source>
        <translation>Edita a textura da camisa com %1</translation>
    </message>
    <message>
        <source>Abb.</source>
        <extracomment>The team&apos;s abbreviation: its name in a few letters.</extracomment>
        <translation>Abrev.</translation>
    </message>
    <message>
        <source>Short Name:</source>
        <translation>Nome curto:</translation>
    </message>
    <message>
        <source>Bankroll:</source>
        <translation>Orçamento:</translation>
    </message>
    <message>
        <source>Primary:</source>
        <translation>Primária:</translation>
    </message>
    <message>
        <source>Secondary:</source>
        <translation>Secundária:</translation>
    </message>
    <message>
        <source>Tertiary:</source>
        <translation>Terciária:</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Use Preset Colours</source>
        <translation>Usar cores predefinidas</translation>
    </message>
    <message>
        <source>Jersey</source>
        <translation>Camisa</translation>
    </message>
    <message>
        <source>Shorts</source>
        <translation>Calção</translation>
    </message>
    <message>
        <source>Socks</source>
        <translation>Meião</translation>
    </message>
    <message>
        <source>Goalie:</source>
        <translation>Goleiro:</translation>
    </message>
    <message>
        <source>Defender:</source>
        <translation>Defensor:</translation>
    </message>
    <message>
        <source>Midfielder:</source>
        <translation>Meio-campista:</translation>
    </message>
    <message>
        <source>Forward:</source>
        <translation>Atacante:</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Craque</translation>
    </message>
    <message>
        <source>Good</source>
        <extracomment>A preset of skills: good, between Star and average.</extracomment>
        <translation>Bom</translation>
    </message>
    <message>
        <source>Ave.</source>
        <extracomment>A preset of skills: average.</extracomment>
        <translation>Médio</translation>
    </message>
    <message>
        <source>White</source>
        <comment>skin colour</comment>
        <translation>Branca</translation>
    </message>
    <message>
        <source>Tanned</source>
        <comment>skin colour</comment>
        <translation>Bronzeada</translation>
    </message>
    <message>
        <source>Brown</source>
        <comment>skin colour</comment>
        <translation>Parda</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>skin colour</comment>
        <translation>Negra</translation>
    </message>
    <message>
        <source>Blond</source>
        <comment>hair colour</comment>
        <translation>Loiro</translation>
    </message>
    <message>
        <source>Brown</source>
        <comment>hair colour</comment>
        <translation>Castanho</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>hair colour</comment>
        <translation>Ruivo</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>hair colour</comment>
        <translation>Preto</translation>
    </message>
    <message>
        <source>This box holds at most %1 bytes of the game&apos;s text (a letter takes one, a Japanese character two).</source>
        <translation>Esta caixa comporta no máximo %1 bytes de texto do jogo (uma letra ocupa um; um caractere japonês, dois).</translation>
    </message>
    <message>
        <source>A skill must be between %1 and %2. The skill is kept as it was.</source>
        <translation>Uma habilidade deve estar entre %1 e %2. A habilidade fica como estava.</translation>
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
        <translation>Nome</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Aval.</translation>
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
        <translation>Ctl</translation>
    </message>
    <message>
        <source>Cre</source>
        <translation>Cri</translation>
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
        <translation>Frç</translation>
    </message>
    <message>
        <source>Sac</source>
        <translation>Prc</translation>
    </message>
    <message>
        <source>Spd</source>
        <translation>Vel</translation>
    </message>
    <message>
        <source>Tac</source>
        <translation>Des</translation>
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
        <translation>Não foi possível localizar a pasta do Golvar no Registro. Deseja selecioná-la você mesmo?</translation>
    </message>
    <message>
        <source>Select Golvar directory</source>
        <translation>Selecione a pasta do Golvar</translation>
    </message>
</context>
<context>
    <name>statstexts</name>
    <message>
        <source>Please select a team/league to add.</source>
        <translation>Selecione um time ou uma liga para adicionar.</translation>
    </message>
    <message>
        <source>Printing is not available: its module was not found with the editor.</source>
        <translation>A impressão não está disponível: o módulo de impressão não foi encontrado junto ao editor.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Não foi possível iniciar a impressora.</translation>
    </message>
    <message>
        <source>Please select team(s) to be removed first.</source>
        <translation>Selecione primeiro os times que deseja remover.</translation>
    </message>
    <message>
        <source>Please select team(s) to be exported first.</source>
        <translation>Selecione primeiro os times que deseja exportar.</translation>
    </message>
    <message>
        <source>Writing data for players of : %s...</source>
        <translation>Gravando dados dos jogadores de: %s...</translation>
    </message>
    <message>
        <source>Processing data for player of : %s...</source>
        <translation>Processando dados dos jogadores de: %s...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*|</source>
        <translation>Arquivos de texto (*.TXT)|*.TXT|Todos os arquivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>A&amp;dd All</source>
        <translation>Adicionar &amp;todos</translation>
    </message>
    <message>
        <source>Re&amp;move All</source>
        <translation>Re&amp;mover todos</translation>
    </message>
    <message>
        <source>Plain Text</source>
        <translation>Texto simples</translation>
    </message>
    <message>
        <source>Delimited Text</source>
        <translation>Texto delimitado</translation>
    </message>
    <message>
        <source>&amp;Write to File</source>
        <translation>&amp;Salvar em arquivo</translation>
    </message>
    <message>
        <source>Player &amp;Stats</source>
        <translation>&amp;Estatísticas dos jogadores</translation>
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
        <translation>At&amp;ualizar tabela</translation>
    </message>
    <message>
        <source>Filters:</source>
        <translation>Filtros:</translation>
    </message>
    <message>
        <source>None: the grid lists every player of the chosen teams</source>
        <translation>Nenhum: a tabela mostra todos os jogadores dos times escolhidos</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Nationality</source>
        <translation>Nacionalidade</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Value</source>
        <extracomment>The player&apos;s market value.</extracomment>
        <translation>Valor de mercado</translation>
    </message>
    <message>
        <source>International</source>
        <extracomment>Whether the player plays for his national team.</extracomment>
        <translation>Seleção</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Aceleração</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Agilidade</translation>
    </message>
    <message>
        <source>Awareness</source>
        <extracomment>Vision of play: how well the player reads the game (not his positioning).</extracomment>
        <translation>Visão de jogo</translation>
    </message>
    <message>
        <source>Ball Control</source>
        <translation>Controle de bola</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Criatividade</translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation>Preparo físico</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Cabeceio</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Passe</translation>
    </message>
    <message>
        <source>Reaction</source>
        <translation>Reação</translation>
    </message>
    <message>
        <source>Shot Acc</source>
        <translation>Prec. chute</translation>
    </message>
    <message>
        <source>Shot Power</source>
        <translation>Força do chute</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Tackle</source>
        <translation>Desarme</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Avaliação</translation>
    </message>
    <message>
        <source>EQ</source>
        <extracomment>A filter&apos;s comparison: equal to.</extracomment>
        <translation>Igual</translation>
    </message>
    <message>
        <source>GT</source>
        <extracomment>A filter&apos;s comparison: greater than.</extracomment>
        <translation>Maior</translation>
    </message>
    <message>
        <source>LT</source>
        <extracomment>A filter&apos;s comparison: less than.</extracomment>
        <translation>Menor</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Redefinir</translation>
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
        <translation>Defensor</translation>
    </message>
    <message>
        <source>Midfielder</source>
        <translation>Meio-campista</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Atacante</translation>
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
        <translation>Cor do cabelo</translation>
    </message>
    <message>
        <source>Hair Type</source>
        <translation>Tipo de cabelo</translation>
    </message>
    <message>
        <source>Facial Hair</source>
        <translation>Barba</translation>
    </message>
    <message>
        <source>Skin Colour</source>
        <translation>Cor da pele</translation>
    </message>
    <message>
        <source>Skill Ave</source>
        <extracomment>The average of the player&apos;s skills.</extracomment>
        <translation>Média hab.</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Time</translation>
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
        <translation>Ctl</translation>
    </message>
    <message>
        <source>Cre</source>
        <translation>Cri</translation>
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
        <translation>Frç</translation>
    </message>
    <message>
        <source>Sac</source>
        <translation>Prc</translation>
    </message>
    <message>
        <source>Spd</source>
        <translation>Vel</translation>
    </message>
    <message>
        <source>Tac</source>
        <translation>Des</translation>
    </message>
    <message>
        <source>Hea</source>
        <translation>Cab</translation>
    </message>
    <message>
        <source>The report could not be written: %1</source>
        <translation>Não foi possível gravar o relatório: %1</translation>
    </message>
</context>
<context>
    <name>thumbnailtexts</name>
    <message>
        <source>%1 of the 64 jersey thumbnails could not be made:
%2</source>
        <translation>%1 das 64 miniaturas de camisas não puderam ser geradas:
%2</translation>
    </message>
    <message>
        <source>%1: not a texture with a whole jersey picture</source>
        <translation>%1: não é uma textura com a imagem de uma camisa inteira</translation>
    </message>
</context>
<context>
    <name>transfertexts</name>
    <message>
        <source>Select a player or a team on each side, then &quot;&lt;----&gt;&quot; moves or swaps them.</source>
        <translation>Selecione um jogador ou um time de cada lado; depois, “&lt;----&gt;” move ou troca os dois.</translation>
    </message>
    <message>
        <source>A league cannot be transferred: select a team or a player.</source>
        <translation>Uma liga não pode ser transferida: selecione um time ou um jogador.</translation>
    </message>
    <message>
        <source>&quot;&lt;----&gt;&quot; moves %1 from %2 to %3.</source>
        <translation>“&lt;----&gt;” move %1 de %2 para %3.</translation>
    </message>
    <message>
        <source>&quot;&lt;----&gt;&quot; swaps %1 of %2 and %3 of %4.</source>
        <translation>“&lt;----&gt;” troca %1 de %2 e %3 de %4.</translation>
    </message>
    <message>
        <source>&quot;&lt;----&gt;&quot; swaps %1 and %2: names, kits and players.</source>
        <translation>“&lt;----&gt;” troca %1 e %2: nomes, uniformes e jogadores.</translation>
    </message>
    <message>
        <source>%1 is already in %2.</source>
        <translation>%1 já está em %2.</translation>
    </message>
    <message>
        <source>Creating Transfer Tables...</source>
        <translation>Criando tabelas de transferência...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Can&apos;t transfer league.</source>
        <translation>Não é possível transferir uma liga.</translation>
    </message>
    <message>
        <source>This team already has 20 players. To give it more, up to 26, choose it in the left-hand list of the Transfer page.</source>
        <translation>Este time já tem 20 jogadores. Para lhe dar mais, até 26, escolha-o na lista da esquerda da página de transferência.</translation>
    </message>
    <message>
        <source>This team is full: a team holds at most 26 players.</source>
        <translation>O elenco está completo: um time tem no máximo 26 jogadores.</translation>
    </message>
    <message>
        <source>A team cannot have fewer than 11 players.</source>
        <translation>Um time não pode ter menos de 11 jogadores.</translation>
    </message>
</context>
</TS>
