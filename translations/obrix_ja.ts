<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CAboutBox</name>
    <message>
        <source>A database editor for Golvar: edit its leagues, teams and players, their kits and skills, move players between clubs and bring in leagues made by other players.</source>
        <translation>Golvar のデータベースエディター:リーグ、チーム、選手とそのユニフォームや能力を編集し、クラブ間で選手を移籍させ、他のプレイヤーが作ったリーグを取り込めます。</translation>
    </message>
    <message>
        <source>Programming and artwork: the Obrix developers at Brannoc.
Thanks to everyone who tried the early versions and sent in their leagues.</source>
        <translation>プログラムとアートワーク:Brannoc の Obrix 開発者。
初期のバージョンを試し、リーグを送ってくださったすべての方に感謝します。</translation>
    </message>
    <message>
        <source>About Obrix</source>
        <translation>Obrix について</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
</context>
<context>
    <name>CDataPropSheet</name>
    <message>
        <source>Data Sheet</source>
        <translation>データシート</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>選手</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>チーム</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>移籍</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比較</translation>
    </message>
</context>
<context>
    <name>CFindDialog</name>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>検索(&amp;F):</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Obrix Help</source>
        <translation>Obrix ヘルプ</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>ナビゲーション</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目次</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
</context>
<context>
    <name>CPictureListBox</name>
    <message>
        <source>Shorts %1</source>
        <translation>パンツ %1</translation>
    </message>
    <message>
        <source>Socks %1</source>
        <translation>ストッキング %1</translation>
    </message>
    <message>
        <source>Jersey %1</source>
        <translation>シャツ %1</translation>
    </message>
</context>
<context>
    <name>CPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Golvar Folder:</source>
        <translation>Golvar フォルダー:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Language of the editor:</source>
        <translation>エディターの言語:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>Applied at the next start.</source>
        <translation>次回の起動時に反映されます。</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>French</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>ポルトガル語</translation>
    </message>
    <message>
        <source>German</source>
        <translation>ドイツ語</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>オランダ語</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>イタリア語</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>スウェーデン語</translation>
    </message>
    <message>
        <source>Language of the game&apos;s names:</source>
        <translation>ゲームの名前の言語:</translation>
    </message>
    <message>
        <source>Obrix shows the names in the chosen language from its next start.</source>
        <translation>選択した言語の名前は、次回 Obrix を起動したときから表示されます。</translation>
    </message>
    <message>
        <source>This Golvar folder has no names in this language (%1 is missing).</source>
        <translation>この Golvar フォルダーには、この言語の名前がありません (%1 がありません)。</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>履歴(&amp;H)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>&lt;as loaded&gt;</source>
        <translation>&lt;読み込み時のまま&gt;</translation>
    </message>
    <message>
        <source>Global Modifications</source>
        <translation>一括変更</translation>
    </message>
    <message>
        <source>Import League &apos;%1&apos;</source>
        <translation>リーグ「%1」をインポート</translation>
    </message>
    <message>
        <source>Import GLV File</source>
        <translation>GLV ファイルをインポート</translation>
    </message>
    <message>
        <source>Delete Team &apos;%1&apos;</source>
        <translation>チーム「%1」を削除</translation>
    </message>
    <message>
        <source>Delete Player &apos;%1&apos;</source>
        <translation>選手「%1」を削除</translation>
    </message>
    <message>
        <source>Paste Team &apos;%1&apos;</source>
        <translation>チーム「%1」を貼り付け</translation>
    </message>
    <message>
        <source>Paste Player &apos;%1&apos;</source>
        <translation>選手「%1」を貼り付け</translation>
    </message>
    <message>
        <source>New League &apos;%1&apos;</source>
        <translation>新しいリーグ「%1」</translation>
    </message>
    <message>
        <source>League Name &apos;%1&apos;</source>
        <translation>リーグ名「%1」</translation>
    </message>
    <message>
        <source>Remove League &apos;%1&apos;</source>
        <translation>リーグ「%1」を取り除く</translation>
    </message>
    <message>
        <source>Apply Remembered Team</source>
        <translation>記憶したチームを適用</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>実行しました:%1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>元に戻しました:%1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>やり直しました:%1</translation>
    </message>
    <message>
        <source>Swap Teams &apos;%1&apos; and &apos;%2&apos;</source>
        <translation>チーム「%1」と「%2」を入れ替え</translation>
    </message>
    <message>
        <source>Swap Players &apos;%1&apos; and &apos;%2&apos;</source>
        <translation>選手「%1」と「%2」を入れ替え</translation>
    </message>
    <message>
        <source>Move Player &apos;%1&apos;</source>
        <translation>選手「%1」を移動</translation>
    </message>
</context>
<context>
    <name>apptexts</name>
    <message>
        <source>Loading Player Data...</source>
        <translation>選手データを読み込んでいます...</translation>
    </message>
    <message>
        <source>Loading Team Data...</source>
        <translation>チームデータを読み込んでいます...</translation>
    </message>
    <message>
        <source>Loading League Data...</source>
        <translation>リーグデータを読み込んでいます...</translation>
    </message>
    <message>
        <source>Reading Player Data...</source>
        <translation>選手データを読み取っています...</translation>
    </message>
    <message>
        <source>Reading Team Data...</source>
        <translation>チームデータを読み取っています...</translation>
    </message>
    <message>
        <source>Reading League Data...</source>
        <translation>リーグデータを読み取っています...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Cannot read player data.</source>
        <translation>選手データを読み取れません。</translation>
    </message>
    <message>
        <source>Cannot read team data.</source>
        <translation>チームデータを読み取れません。</translation>
    </message>
    <message>
        <source>Cannot read league data.</source>
        <translation>リーグデータを読み取れません。</translation>
    </message>
    <message>
        <source>%1 The Golvar database in %2 cannot be read:
%3</source>
        <translation>%1 %2 の Golvar データベースを読み取れません:
%3</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>バックアップを復元</translation>
    </message>
    <message>
        <source>Choose Another Folder</source>
        <translation>別のフォルダーを選択</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>You have made modifications to the data of %1. Do you want to save them there before Obrix opens %2?</source>
        <translation>%1 のデータに変更があります。Obrix が %2 を開く前に、変更を %1 に保存しますか?</translation>
    </message>
    <message>
        <source>The Golvar database in %1 cannot be read: %2
Obrix goes on with the database of %3.</source>
        <translation>%1 の Golvar データベースを読み取れません:%2
Obrix は %3 のデータベースで続行します。</translation>
    </message>
    <message>
        <source>You have made modifications to the data. Do you want to save the changes before exiting Obrix?</source>
        <translation>データに変更があります。Obrix を終了する前に変更を保存しますか?</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <source>Save Over Them</source>
        <translation>相手の変更を上書きして保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Every change you made since the data was last read or saved will be lost. Reload the game&apos;s files?</source>
        <translation>データを最後に読み込んだか保存した後の変更はすべて失われます。ゲームのファイルを再読み込みしますか?</translation>
    </message>
    <message>
        <source>%1: the game folder is in use by another program. Nothing was saved; please save again once it has finished.</source>
        <translation>%1: ゲームフォルダーは別のプログラムが使用中です。何も保存されていません。そのプログラムが終わったら、もう一度保存してください。</translation>
    </message>
    <message>
        <source>“Restore Backup” puts back the game&apos;s files as they were backed up on %1. “Choose Another Folder” opens a different Golvar folder.</source>
        <translation>「バックアップを復元」は、ゲームのファイルを %1 のバックアップの状態に戻します。「別のフォルダーを選択」は別の Golvar フォルダーを開きます。</translation>
    </message>
    <message>
        <source>There is no usable backup of this folder to restore. “Choose Another Folder” opens a different Golvar folder.</source>
        <translation>このフォルダーには復元できるバックアップがありません。「別のフォルダーを選択」は別の Golvar フォルダーを開きます。</translation>
    </message>
    <message>
        <source>The game&apos;s files were changed by another program since Obrix read them (%1).

“Reload” reads them again and drops your changes. “Save Over Them” replaces what the other program saved with the data shown here.</source>
        <translation>Obrix が読み込んだ後に、ゲームのファイルが別のプログラムによって変更されました (%1)。

「再読み込み」はファイルを読み込み直し、あなたの変更を破棄します。「相手の変更を上書きして保存」は、別のプログラムが保存した内容をここに表示されているデータで置き換えます。</translation>
    </message>
    <message>
        <source>%1 The Golvar database in %2 cannot be read again:
%3

Obrix keeps the data it shows, your changes included.</source>
        <translation>%1 %2 の Golvar データベースを再度読み取れません:
%3

Obrix は表示中のデータを、あなたの変更も含めてそのまま保持します。</translation>
    </message>
    <message>
        <source>Keep Current Data goes on with the data shown, which Save Data can write back over the game&apos;s files. Restore Backup puts back the game&apos;s files as they were backed up on %1. Choose Another Folder opens a different Golvar folder.</source>
        <translation>「現在のデータを保持」は表示中のデータで作業を続けます。このデータは「データを保存」でゲームのファイルに書き戻せます。「バックアップを復元」は、ゲームのファイルを %1 のバックアップの状態に戻します。「別のフォルダーを選択」は別の Golvar フォルダーを開きます。</translation>
    </message>
    <message>
        <source>Keep Current Data goes on with the data shown, which Save Data can write back over the game&apos;s files. There is no usable backup of this folder to restore. Choose Another Folder opens a different Golvar folder.</source>
        <translation>「現在のデータを保持」は表示中のデータで作業を続けます。このデータは「データを保存」でゲームのファイルに書き戻せます。このフォルダーには復元できるバックアップがありません。「別のフォルダーを選択」は別の Golvar フォルダーを開きます。</translation>
    </message>
    <message>
        <source>Keep Current Data</source>
        <translation>現在のデータを保持</translation>
    </message>
    <message>
        <source>The Golvar folder %1 has no names in the language chosen in Preferences (%2 is missing). Obrix shows the English names for this run; Preferences offers the languages this folder has.</source>
        <translation>Golvar フォルダー %1 には、環境設定で選んだ言語の名前がありません (%2 がありません)。今回は英語の名前を表示します。環境設定では、このフォルダーにある言語を選べます。</translation>
    </message>
</context>
<context>
    <name>backuptexts</name>
    <message>
        <source>Restoring original Golvar data file will overwrite all changes made. Do you wish to continue?</source>
        <translation>元の Golvar データファイルを復元すると、行った変更はすべて上書きされます。続行しますか?</translation>
    </message>
    <message>
        <source>There is no backup of this Golvar folder to restore.</source>
        <translation>この Golvar フォルダーには復元できるバックアップがありません。</translation>
    </message>
    <message>
        <source>Restored %1 from the backup of %2.</source>
        <translation>%2 時点のバックアップから %1 を復元しました。</translation>
    </message>
    <message>
        <source>Nothing was restored: %1</source>
        <translation>何も復元されませんでした:%1</translation>
    </message>
    <message>
        <source>the backup in %1 is damaged (%2).</source>
        <translation>%1 のバックアップが壊れています (%2)。</translation>
    </message>
    <message>
        <source>the backup does not load as a game database (%1).</source>
        <translation>バックアップをゲームのデータベースとして読み込めません (%1)。</translation>
    </message>
    <message>
        <source>The backup of %1 could not be made: %2</source>
        <translation>%1 のバックアップを作成できませんでした:%2</translation>
    </message>
    <message>
        <source>the game&apos;s files do not load as a game database (%1), and a backup of them would be of no use; the earlier backup, if any, is kept</source>
        <translation>ゲームのファイルをゲームのデータベースとして読み込めないため (%1)、バックアップしても役に立ちません。以前のバックアップがあれば、そのまま残します</translation>
    </message>
    <message>
        <source>The original Golvar data files could not be backed up to
%1

Without a backup, “Restore” cannot undo the changes you save now.
Do you wish to save without a backup?</source>
        <translation>元の Golvar データファイルを次の場所にバックアップできませんでした:
%1

バックアップがないと、今保存する変更を「復元」で取り消すことはできません。
バックアップなしで保存しますか?</translation>
    </message>
    <message>
        <source>The original Golvar data files could not be backed up to
%1

%2

Without a backup, “Restore” cannot undo the changes you save now.
Do you wish to save without a backup?</source>
        <translation>元の Golvar データファイルを次の場所にバックアップできませんでした:
%1

%2

バックアップがないと、今保存する変更を「復元」で取り消すことはできません。
バックアップなしで保存しますか?</translation>
    </message>
    <message>
        <source>%1 The new backup was taken back: %2 holds the backup it held before, if any.</source>
        <translation>%1 新しいバックアップは取り消されました: %2 には以前のバックアップ (あれば) がそのまま残っています。</translation>
    </message>
    <message>
        <source>the backup in %1 was taken from another Golvar folder (%2), not from this one (%3).</source>
        <translation>%1 のバックアップは別の Golvar フォルダー (%2) から作成されたもので、このフォルダー (%3) のものではありません。</translation>
    </message>
</context>
<context>
    <name>bulktexts</name>
    <message>
        <source>&quot;%s&quot; is not a whole number</source>
        <translation>「%s」は整数ではありません</translation>
    </message>
    <message>
        <source>%lld is outside %lld..%lld, what this field can hold</source>
        <translation>%lld は、このフィールドに入る範囲 %lld..%lld の外です</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>テキストが有効な UTF-8 ではありません</translation>
    </message>
    <message>
        <source>&quot;%s&quot; holds a character the game&apos;s encoding cannot store</source>
        <translation>「%s」には、ゲームの文字コードで保存できない文字が含まれています</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is %d bytes in the game&apos;s encoding; at most %lld fit</source>
        <translation>「%s」はゲームの文字コードで %d バイトです。入るのは最大 %lld バイトです</translation>
    </message>
    <message>
        <source>the list has %d entries; at most %lld fit</source>
        <translation>リストの項目は %d 個です。入るのは最大 %lld 個です</translation>
    </message>
    <message>
        <source>the list names %s %lld, which does not exist</source>
        <translation>リストにある %s %lld は存在しません</translation>
    </message>
    <message>
        <source>the list names %lld twice</source>
        <translation>リストに %lld が 2 回あります</translation>
    </message>
    <message>
        <source>%s follows from other data and cannot be changed (it is %s)</source>
        <translation>%s は他のデータから決まるため変更できません (現在の値:%s)</translation>
    </message>
    <message>
        <source>%s is the editor&apos;s own bookkeeping and cannot be changed (it is %s)</source>
        <translation>%s はエディターが内部で管理する値のため変更できません (現在の値:%s)</translation>
    </message>
    <message>
        <source>there is no %s with id %lld; an import changes records, it does not add them</source>
        <translation>%s に ID %lld のものはありません。インポートはレコードを変更するだけで、追加はしません</translation>
    </message>
    <message>
        <source>more than one league has id %lld; change those leagues in the editor</source>
        <translation>ID %lld のリーグが複数あります。それらのリーグをエディターで変更してください</translation>
    </message>
    <message>
        <source>id %lld is on line %d already</source>
        <translation>ID %lld はすでに %d 行目にあります</translation>
    </message>
    <message>
        <source>the row has %d fields; the header has %d</source>
        <translation>この行のフィールド数は %d ですが、見出し行は %d です</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a field of players, teams or leagues</source>
        <translation>「%s」は選手、チーム、リーグのどのフィールドでもありません</translation>
    </message>
    <message>
        <source>the column &quot;%s&quot; appears twice</source>
        <translation>列「%s」が 2 回あります</translation>
    </message>
    <message>
        <source>there is no id column</source>
        <translation>ID 列がありません</translation>
    </message>
    <message>
        <source>the columns do not all belong to one of players, teams or leagues</source>
        <translation>列が選手、チーム、リーグのどれか 1 つにそろっていません</translation>
    </message>
    <message>
        <source>the columns fit more than one table; add a column that only one of them has</source>
        <translation>列が複数の表に当てはまります。どれか 1 つの表にしかない列を追加してください</translation>
    </message>
    <message>
        <source>the file has no header row</source>
        <translation>ファイルに見出し行がありません</translation>
    </message>
    <message>
        <source>... and %d more problems</source>
        <translation>... ほかに %d 件の問題があります</translation>
    </message>
    <message>
        <source>League &quot;%s&quot; lists team %s (%u) more than once.</source>
        <translation>リーグ「%s」にチーム %s (%u) が複数回登録されています。</translation>
    </message>
    <message>
        <source>League &quot;%s&quot; has a slot naming team %u, which does not exist.</source>
        <translation>リーグ「%s」の枠に、存在しないチーム %u が指定されています。</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists %d players; a team needs at least 11.</source>
        <translation>チーム「%s」の選手は %d 人です。1 チームには 11 人以上が必要です。</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists player %s (%u) more than once.</source>
        <translation>チーム「%s」に選手 %s (%u) が複数回登録されています。</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists player %u, which does not exist.</source>
        <translation>チーム「%s」に、存在しない選手 %u が登録されています。</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot;: %s and %s both wear number %d.</source>
        <translation>チーム「%s」:%s と %s が同じ背番号 %d を付けています。</translation>
    </message>
    <message>
        <source>The %s %u has an empty %s.</source>
        <translation>%s %u の %s が空です。</translation>
    </message>
    <message>
        <source>The %s %s (%u) has %s = %lld; the game uses %lld..%lld.</source>
        <translation>%s %s (%u) の %s は %lld です。ゲームで使われる範囲は %lld..%lld です。</translation>
    </message>
    <message>
        <source>Player %s (%u) was listed by a team of the game when the files were read and is listed by none after the save.</source>
        <translation>選手 %s (%u) はファイルを読み込んだときにはゲームのチームに登録されていましたが、保存後はどのチームにも登録されません。</translation>
    </message>
    <message>
        <source>Player %s (%u) is listed by two clubs after the save, %s and %s.</source>
        <translation>選手 %s (%u) は保存後、2 つのクラブ (%s と %s) に登録されます。</translation>
    </message>
    <message>
        <source>Team &quot;%s&quot; lists %s (%u), whose %s is %lld; the game&apos;s files hold %lld at most, so he cannot be moved or copied onto a team of the game until it is %lld or less.</source>
        <translation>チーム &quot;%s&quot; の %s (%u) は %s が %lld ですが、ゲームのファイルに入るのは最大 %lld です。この値が %lld 以下になるまで、ゲームのチームへ移動やコピーはできません。</translation>
    </message>
</context>
<context>
    <name>bulkviewtexts</name>
    <message>
        <source>Export Table</source>
        <translation>表をエクスポート</translation>
    </message>
    <message>
        <source>Table:</source>
        <translation>表:</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>選手</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>チーム</translation>
    </message>
    <message>
        <source>Leagues</source>
        <translation>リーグ</translation>
    </message>
    <message>
        <source>Spreadsheet Files (*.csv)|*.csv|All Files (*.*)|*.*|</source>
        <translation>スプレッドシートファイル (*.csv)|*.csv|すべてのファイル (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Import Table</source>
        <translation>表をインポート</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>ファイル %1 を読み取れませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>%n rows written to %1</source>
        <translation>
            <numerusform>%1 に %n 行を書き出しました</numerusform>
        </translation>
    </message>
    <message>
        <source>The file was refused; nothing was changed.

%1</source>
        <translation>ファイルは受け付けられませんでした。何も変更されていません。

%1</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more problems</source>
        <translation>
            <numerusform>... ほかに %n 件の問題があります</numerusform>
        </translation>
    </message>
    <message>
        <source>The file changes nothing: every cell already holds its value.</source>
        <translation>このファイルでは何も変わりません:すべてのセルがすでにその値になっています。</translation>
    </message>
    <message>
        <source>Import Table: Preview</source>
        <translation>表をインポート:プレビュー</translation>
    </message>
    <message numerus="yes">
        <source>%n changes</source>
        <translation>
            <numerusform>%n 件の変更</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes by field</source>
        <translation>フィールド別の変更</translation>
    </message>
    <message>
        <source>Check Database</source>
        <translation>データベースのチェック</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>再チェック</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n 件のエラー</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n 件の警告</numerusform>
        </translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>問題は見つかりませんでした。</translation>
    </message>
    <message>
        <source>%1 now has an odd number (%2) of team slots: add or remove a team before saving.</source>
        <translation>%1 のチーム枠が奇数 (%2) になりました。保存する前にチームを追加するか削除してください。</translation>
    </message>
    <message numerus="yes">
        <source>The edits leave %n things the game may not like, listed in Check Database (the game&apos;s files can hold them). Save anyway?</source>
        <translation>
            <numerusform>編集の結果、ゲームで問題になるおそれのある箇所が %n 件あります (ゲームのファイルには保存できます)。一覧は「データベースのチェック」にあります。このまま保存しますか?</numerusform>
        </translation>
    </message>
    <message>
        <source>The database has errors that the save or the game would stumble on; nothing was saved. They are listed in Check Database: double-click one to go to its record.</source>
        <translation>データベースに、保存やゲームで問題になるエラーがあるため、何も保存されませんでした。エラーは「データベースのチェック」に一覧表示されます。ダブルクリックすると、そのレコードに移動します。</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>変更点</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>未保存の変更</translation>
    </message>
    <message>
        <source>Since the backup</source>
        <translation>バックアップ以降</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>元の値に戻す</translation>
    </message>
    <message>
        <source>Revert Record</source>
        <translation>レコードを元の値に戻す</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%2 に %1</translation>
    </message>
    <message numerus="yes">
        <source>%n differences</source>
        <translation>
            <numerusform>%n 件の相違</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records</source>
        <translation>
            <numerusform>%n 件のレコード</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no backup of this game folder yet.</source>
        <translation>このゲームフォルダーのバックアップはまだありません。</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>レコード</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>フィールド</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>変更前</translation>
    </message>
    <message>
        <source>New</source>
        <translation>変更後</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>重要度</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>コード</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>only in the files</source>
        <translation>ファイルにのみ</translation>
    </message>
    <message>
        <source>database</source>
        <translation>データベース</translation>
    </message>
    <message>
        <source>only in the editor</source>
        <translation>エディターにのみ</translation>
    </message>
    <message>
        <source>leagues</source>
        <translation>リーグ</translation>
    </message>
    <message>
        <source>teams</source>
        <translation>チーム</translation>
    </message>
    <message>
        <source>players</source>
        <translation>選手</translation>
    </message>
    <message>
        <source>%1 in %2 of the %3 table. “OK” applies them all as one step.</source>
        <translation>%3の表の %2 に %1 があります。「OK」を押すと、すべてを 1 つの操作として適用します。</translation>
    </message>
    <message>
        <source>The table could not be written: %1</source>
        <translation>表を書き込めませんでした: %1</translation>
    </message>
</context>
<context>
    <name>commands</name>
    <message>
        <source>Export &amp;Table...</source>
        <translation>表をエクスポート(&amp;T)...</translation>
    </message>
    <message>
        <source>Import T&amp;able...</source>
        <translation>表をインポート(&amp;A)...</translation>
    </message>
    <message>
        <source>C&amp;heck Database...</source>
        <translation>データベースのチェック(&amp;H)...</translation>
    </message>
    <message>
        <source>Write players, teams or leagues to a spreadsheet file
Export Table</source>
        <translation>選手、チーム、リーグをスプレッドシートファイルに書き出します
表をエクスポート</translation>
    </message>
    <message>
        <source>Apply a spreadsheet file&apos;s changes, after a preview
Import Table</source>
        <translation>スプレッドシートファイルの変更を、プレビューしてから適用します
表をインポート</translation>
    </message>
    <message>
        <source>List what the game or the save would stumble on
Check Database</source>
        <translation>ゲームや保存で問題になる箇所を一覧表示します
データベースのチェック</translation>
    </message>
    <message>
        <source>List what differs from the files as loaded or from the backup
Changes</source>
        <translation>読み込み時のファイルやバックアップとの違いを一覧表示します
変更点</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>インポート(&amp;I)...</translation>
    </message>
    <message>
        <source>Import &amp;GLV Files...</source>
        <translation>GLV ファイルをインポート(&amp;G)...</translation>
    </message>
    <message>
        <source>Ex&amp;port...</source>
        <translation>エクスポート(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>復元(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Make Jersey Thumbnails</source>
        <translation>シャツのサムネイルを作成(&amp;M)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Clo&amp;ne</source>
        <translation>複製(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>検索(&amp;F)</translation>
    </message>
    <message>
        <source>Find &amp;Again</source>
        <translation>次を検索(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Global Modifications...</source>
        <translation>一括変更(&amp;G)...</translation>
    </message>
    <message>
        <source>&amp;New League</source>
        <translation>新しいリーグ(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;League Name...</source>
        <translation>リーグ名(&amp;L)...</translation>
    </message>
    <message>
        <source>Swap Tea&amp;ms</source>
        <translation>チームを入れ替え(&amp;M)</translation>
    </message>
    <message>
        <source>S&amp;wap Players</source>
        <translation>選手を入れ替え(&amp;W)</translation>
    </message>
    <message>
        <source>Appl&amp;y Remembered Team</source>
        <translation>記憶したチームを適用(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>ツールバー(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>ステータスバー(&amp;S)</translation>
    </message>
    <message>
        <source>T&amp;ransfer Page</source>
        <translation>移籍ページ(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Next Pane</source>
        <translation>次のペイン(&amp;N)</translation>
    </message>
    <message>
        <source>Pre&amp;vious Pane</source>
        <translation>前のペイン(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>ヘルプトピック(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>キーボード(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;About Obrix...</source>
        <translation>Obrix について(&amp;A)...</translation>
    </message>
    <message>
        <source>Save changes to Golvar data files permanently\Save</source>
        <translation>Golvar のデータファイルに変更を永続的に保存します\保存</translation>
    </message>
    <message>
        <source>Import from DB files
Import</source>
        <translation>DB ファイルからインポートします
インポート</translation>
    </message>
    <message>
        <source>Export to DB files
Export</source>
        <translation>DB ファイルにエクスポートします
エクスポート</translation>
    </message>
    <message>
        <source>Transfer Teams and Players\Transfer</source>
        <translation>チームと選手を移籍させます\移籍</translation>
    </message>
    <message>
        <source>Generate thumbnail images of jersey files
Make Jersey Thumbnails</source>
        <translation>シャツのファイルからサムネイル画像を作成します
シャツのサムネイルを作成</translation>
    </message>
    <message>
        <source>Find a player or a team\Find</source>
        <translation>選手またはチームを検索します\検索</translation>
    </message>
    <message>
        <source>Repeat Last Find</source>
        <translation>前回の検索を繰り返します</translation>
    </message>
    <message>
        <source>Change league names</source>
        <translation>リーグ名を変更します</translation>
    </message>
    <message>
        <source>Change Player Attributes Globally</source>
        <translation>選手の能力を一括変更します</translation>
    </message>
    <message>
        <source>Import GLV Files...</source>
        <translation>GLV ファイルをインポート...</translation>
    </message>
    <message>
        <source>Write the selected league as DB files that other users can import
Export League</source>
        <translation>選択したリーグを、他のユーザーがインポートできる DB ファイルとして書き出します
リーグをエクスポート</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Swap the two teams selected on the Transfer page between their leagues
Swap Teams</source>
        <translation>移籍ページで選択した 2 つのチームを、リーグ間で入れ替えます
チームを入れ替え</translation>
    </message>
    <message>
        <source>Swap the two players selected on the Transfer page between their teams
Swap Players</source>
        <translation>移籍ページで選択した 2 人の選手を、チーム間で入れ替えます
選手を入れ替え</translation>
    </message>
    <message>
        <source>Put back the game&apos;s files as they were backed up
Restore</source>
        <translation>ゲームのファイルをバックアップした時点の状態に戻します
復元</translation>
    </message>
    <message>
        <source>Quit Obrix; unsaved changes are asked about first
Exit</source>
        <translation>Obrix を終了します。未保存の変更があれば先に確認します
終了</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>最後の変更を元に戻します
元に戻す</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>最後に元に戻した変更をやり直します
やり直し</translation>
    </message>
    <message>
        <source>Add a new, empty league
New League</source>
        <translation>新しい空のリーグを追加します
新しいリーグ</translation>
    </message>
    <message>
        <source>Remember the selected team&apos;s kit and names
Remember Team</source>
        <translation>選択したチームのユニフォームと名前を記憶します
チームを記憶</translation>
    </message>
    <message>
        <source>Move to the next pane: tree, data sheet, roster
Next Pane</source>
        <translation>次のペインに移動します:ツリー、データシート、選手一覧
次のペイン</translation>
    </message>
    <message>
        <source>Move to the previous pane
Previous Pane</source>
        <translation>前のペインに移動します
前のペイン</translation>
    </message>
    <message>
        <source>List every key of the editor
Keyboard</source>
        <translation>エディターのすべてのキー操作を一覧表示します
キーボード</translation>
    </message>
    <message>
        <source>Not available yet
Clone</source>
        <translation>まだ使用できません
複製</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>履歴(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>元に戻す(&amp;U): %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>やり直し(&amp;R): %1</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>ツールバーの表示/非表示を切り替えます</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>ステータスバーの表示/非表示を切り替えます</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>プログラムの情報、バージョン番号、著作権を表示します
バージョン情報</translation>
    </message>
    <message>
        <source>&amp;Changes</source>
        <translation>変更点(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save Data</source>
        <translation>データを保存(&amp;S)</translation>
    </message>
    <message>
        <source>Remem&amp;ber Team</source>
        <translation>チームを記憶(&amp;B)</translation>
    </message>
    <message>
        <source>Pr&amp;eferences...</source>
        <translation>環境設定(&amp;E)...</translation>
    </message>
    <message>
        <source>St&amp;ats Page</source>
        <translation>統計ページ(&amp;A)</translation>
    </message>
    <message>
        <source>Copy the selected player or team to the clipboard
Copy</source>
        <translation>選択した選手またはチームをクリップボードにコピーします
コピー</translation>
    </message>
    <message>
        <source>Cut the selected player; “Paste” on a team moves him there
Cut</source>
        <translation>選択した選手を切り取ります。チームで「貼り付け」を行うと、その選手をそこへ移動します
切り取り</translation>
    </message>
    <message>
        <source>Paste the copied player into a team, or the copied team into a league
Paste</source>
        <translation>コピーした選手をチームに、またはコピーしたチームをリーグに貼り付けます
貼り付け</translation>
    </message>
    <message>
        <source>Delete the selected player or team
Delete</source>
        <translation>選択した選手またはチームを削除します
削除</translation>
    </message>
    <message>
        <source>Give the selected team the kit and names kept with “Remember Team”
Apply Remembered Team</source>
        <translation>「チームを記憶」で記憶したユニフォームと名前を、選択したチームに適用します
記憶したチームを適用</translation>
    </message>
</context>
<context>
    <name>committexts</name>
    <message>
        <source>An interrupted %1 was completed: %2 now hold the new contents.</source>
        <translation>中断された処理 (%1) を完了しました:%2 は新しい内容になりました。</translation>
    </message>
    <message>
        <source>An interrupted %1 was undone: the files are as before it.</source>
        <translation>中断された処理 (%1) を取り消しました:ファイルは処理前の状態です。</translation>
    </message>
    <message>
        <source>it is not a regular file (a link, pipe, device or folder is in its place)</source>
        <translation>通常のファイルではありません (その場所にリンク、パイプ、デバイス、またはフォルダーがあります)</translation>
    </message>
    <message>
        <source>%1: the new copy read back from the disk differs from what was written (%2 bytes read, %3 written).</source>
        <translation>%1: ディスクから読み戻した新しいコピーが、書き込んだ内容と異なります (読み取り %2 バイト、書き込み %3 バイト)。</translation>
    </message>
    <message>
        <source>The %1 failed and the old files could not all be put back, so the set is mixed: %2. The old contents are kept beside them (%3); the editor finishes the set at the next load of this folder.</source>
        <translation>処理 (%1) が失敗し、古いファイルをすべては元に戻せなかったため、古いファイルと新しいファイルが混在しています:%2。古い内容はその横に残してあります (%3)。このフォルダーを次に読み込むときに、エディターがファイルをそろえます。</translation>
    </message>
    <message>
        <source>An interrupted %1 in %2 could not be finished: %3. The old contents are kept beside the files (names ending &quot;.obrix-old...&quot;) and the record in %4.</source>
        <translation>%2 で中断された処理 (%1) を完了できませんでした:%3。古い内容はファイルの横に (名前が「.obrix-old...」で終わるファイルとして)、記録は %4 に残してあります。</translation>
    </message>
    <message>
        <source>it is larger than any file of its kind can be</source>
        <translation>この種類のファイルとしてあり得る大きさを超えています</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a link, pipe, device or folder is in its place), so no interrupted save there can be finished or undone and no new one can be made. Remove it and try again.</source>
        <translation>%1 は通常のファイルではありません (その場所にリンク、パイプ、デバイス、またはフォルダーがあります)。そのため、中断された保存を完了することも元に戻すこともできず、新しい保存もできません。削除してからもう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>comparisontexts</name>
    <message>
        <source>&amp;Compare</source>
        <translation>比較(&amp;C)</translation>
    </message>
    <message>
        <source>Differences:</source>
        <translation>相違点:</translation>
    </message>
    <message>
        <source>Can only compare teams.</source>
        <translation>比較できるのはチームだけです。</translation>
    </message>
</context>
<context>
    <name>editingtexts</name>
    <message>
        <source>Too many players (26) in this team already!</source>
        <translation>このチームの選手はすでに上限の 26 人です。</translation>
    </message>
    <message>
        <source>Cannot edit European Competition Fixtures.</source>
        <translation>ヨーロッパの大会の日程は編集できません。</translation>
    </message>
    <message>
        <source>Can only copy a player to clipboard!</source>
        <translation>クリップボードにコピーできるのは選手だけです。</translation>
    </message>
    <message>
        <source>Can only paste player to a team!</source>
        <translation>選手を貼り付けられるのはチームだけです。</translation>
    </message>
    <message>
        <source>New League</source>
        <translation>新しいリーグ</translation>
    </message>
    <message>
        <source>League Name</source>
        <translation>リーグ名</translation>
    </message>
    <message>
        <source>Imported League Name</source>
        <translation>インポートしたリーグの名前</translation>
    </message>
    <message>
        <source>League Name:</source>
        <translation>リーグ名:</translation>
    </message>
    <message>
        <source>%s of %s %s -&gt; %s</source>
        <translation>%s (%s) %s -&gt; %s</translation>
    </message>
    <message>
        <source>%s %s -&gt; %s</source>
        <translation>%s %s -&gt; %s</translation>
    </message>
    <message>
        <source>Cannot find &apos;%1&apos;</source>
        <translation>「%1」が見つかりません</translation>
    </message>
    <message>
        <source>%1 has been duplicated to %2</source>
        <translation>%1 を %2 に複製しました</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 をコピーしました</translation>
    </message>
</context>
<context>
    <name>exchangetexts</name>
    <message>
        <source>Import from DB files</source>
        <translation>DB ファイルからインポート</translation>
    </message>
    <message>
        <source>Select directory to import DB files from:</source>
        <translation>DB ファイルをインポートするフォルダーを選択してください:</translation>
    </message>
    <message>
        <source>Importing League...</source>
        <translation>リーグをインポートしています...</translation>
    </message>
    <message>
        <source>Importing Player %d/%d %s...</source>
        <translation>選手 %d/%d (%s) をインポートしています...</translation>
    </message>
    <message>
        <source>Importing Xfer %d/%d ...</source>
        <extracomment>Xfer: one of the exchange files&apos; transfer records.</extracomment>
        <translation>移籍情報 %d/%d をインポートしています...</translation>
    </message>
    <message>
        <source>Importing Team %d/%d %s...</source>
        <translation>チーム %d/%d (%s) をインポートしています...</translation>
    </message>
    <message>
        <source>Error reading CUSPLYR.DB.</source>
        <translation>CUSPLYR.DB の読み取り中にエラーが発生しました。</translation>
    </message>
    <message>
        <source>Error reading CUSTOM.DB.</source>
        <translation>CUSTOM.DB の読み取り中にエラーが発生しました。</translation>
    </message>
    <message>
        <source>Error allocating memory for output buffer.</source>
        <translation>出力バッファーのメモリを確保できませんでした。</translation>
    </message>
    <message>
        <source>Error Importing data.</source>
        <translation>データのインポート中にエラーが発生しました。</translation>
    </message>
    <message>
        <source>%s: %s.</source>
        <translation>%s: %s。</translation>
    </message>
    <message>
        <source>%s announces %u bytes when unpacked; no exchange file holds more than %u, so it is not read.</source>
        <translation>%s は展開後に %u バイトになると示していますが、交換ファイルは %u バイトを超えないため、読み込みません。</translation>
    </message>
    <message>
        <source>File CUSTOM.DB appears to be corrupted. Import failed!</source>
        <translation>CUSTOM.DB ファイルが壊れているようです。インポートに失敗しました。</translation>
    </message>
    <message>
        <source>Importing GLV file...</source>
        <translation>GLV ファイルをインポートしています...</translation>
    </message>
    <message>
        <source>Cannot open GLV file</source>
        <translation>GLV ファイルを開けません</translation>
    </message>
    <message>
        <source>File is not a GLV file</source>
        <translation>GLV ファイルではありません</translation>
    </message>
    <message>
        <source>The database has no league at position %d for the teams of a GLV file to be based on. Import failed!</source>
        <translation>データベースの %d 番目に、GLV ファイルのチームの元になるリーグがありません。インポートに失敗しました。</translation>
    </message>
    <message>
        <source>Team %d of the GLV file has no team to be based on in the league at position %d. Import failed!</source>
        <translation>GLV ファイルのチーム %d には、%d 番目のリーグに元になるチームがありません。インポートに失敗しました。</translation>
    </message>
    <message>
        <source>GLV Files (*.GLV)|*.GLV|All Files (*.*)|*.*|</source>
        <translation>GLV ファイル (*.GLV)|*.GLV|すべてのファイル (*.*)|*.*|</translation>
    </message>
    <message>
        <source>The GLV file holds %d teams, but the league its teams are based on has only %d.</source>
        <translation>GLV ファイルには %d チームがありますが、元になるリーグには %d チームしかありません。</translation>
    </message>
    <message>
        <source>The GLV file gives a negative number of teams (%d).</source>
        <translation>GLV ファイルのチーム数が負の値です (%d)。</translation>
    </message>
    <message>
        <source>Team %d of the GLV file holds %d players; a team has at most %d.</source>
        <translation>GLV ファイルのチーム %d には %d 人の選手がいます。1 チームの上限は %d 人です。</translation>
    </message>
    <message>
        <source>The GLV file ends before its list of teams.</source>
        <translation>GLV ファイルがチーム一覧の前で終わっています。</translation>
    </message>
    <message>
        <source>The GLV file ends in the middle of team %d.</source>
        <translation>GLV ファイルがチーム %d の途中で終わっています。</translation>
    </message>
    <message>
        <source>Packing %s...</source>
        <translation>%s を圧縮しています...</translation>
    </message>
    <message>
        <source>There is no league at position %d.</source>
        <translation>%d 番目のリーグはありません。</translation>
    </message>
    <message>
        <source>Cannot create the folder %s.</source>
        <translation>フォルダー %s を作成できません。</translation>
    </message>
    <message>
        <source>Cannot create a temporary folder %s.</source>
        <translation>一時フォルダー %s を作成できません。</translation>
    </message>
    <message>
        <source>Cannot write the temporary file %s.</source>
        <translation>一時ファイル %s に書き込めません。</translation>
    </message>
    <message>
        <source>Removed %s, the temporary folder of an export that was cut off.</source>
        <translation>中断されたエクスポートの一時フォルダー %s を削除しました。</translation>
    </message>
    <message>
        <source>Packing %s failed.</source>
        <translation>%s の圧縮に失敗しました。</translation>
    </message>
    <message>
        <source>Packing %s left no packed file.</source>
        <translation>%s を圧縮しましたが、圧縮ファイルが作成されませんでした。</translation>
    </message>
    <message>
        <source>Cannot write %s.</source>
        <translation>%s に書き込めません。</translation>
    </message>
    <message>
        <source>Exported %s, %s and %s to %s.</source>
        <translation>%s、%s、%s を %s にエクスポートしました。</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>The packer program, which reads and writes the exchange files, could not be started: %s
(System error %d)</source>
        <translation>交換ファイルを読み書きする圧縮プログラムを起動できませんでした:%s
(システムエラー %d)</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <translation>システムから理由が示されませんでした</translation>
    </message>
    <message>
        <source>The file is larger than any GLV file can be (%u bytes), so it is not read.</source>
        <translation>このファイルは GLV ファイルとしてあり得る大きさ (%u バイト) を超えているため、読み込みません。</translation>
    </message>
</context>
<context>
    <name>foldtexts</name>
    <message>
        <source>&apos;%1&apos; takes the place of the game&apos;s &apos;%2&apos; of %3</source>
        <translation>&apos;%1&apos; がゲームの &apos;%2&apos; (%3) に置き換わります</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes the place of the game&apos;s &apos;%2&apos;, who is in no club</source>
        <translation>&apos;%1&apos; がゲームの &apos;%2&apos; (所属クラブなし) に置き換わります</translation>
    </message>
    <message>
        <source>An imported player has no record of his own in the game&apos;s files, so the save writes each one moved or copied onto a game team over a game player: the one whose id is the low 16 bits of his own (whichever club lists him), or a player of that team leaving for the imported player&apos;s team. That player&apos;s name and values are gone, and his club lists the newcomer as well as the team you chose:</source>
        <translation>インポートした選手にはゲームのファイル内に自分のレコードがないため、ゲームのチームへ移動またはコピーした選手は、保存時にゲームの選手の上に書き込まれます。対象は、ID が自分の ID の下位 16 ビットである選手 (どのクラブの選手でも)、またはそのチームからインポートした選手のチームへ移る選手です。その選手の名前と値は失われ、そのクラブには選んだチームと同じく新しい選手が登録されます:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... ほか %1 件。</translation>
    </message>
</context>
<context>
    <name>frametexts</name>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Saving Data...</source>
        <translation>データを保存しています...</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n changed records to %1</source>
        <translation>
            <numerusform>変更された %n 件のレコードを %1 に保存しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was saved</source>
        <translation>何も保存されませんでした</translation>
    </message>
    <message>
        <source>Cut %1: paste on a team to move him</source>
        <translation>%1 を切り取りました:チームに貼り付けると移動します</translation>
    </message>
    <message>
        <source>Moved %1 to %2</source>
        <translation>%1 を %2 に移動しました</translation>
    </message>
    <message>
        <source>W A R N I N G !

This action will save changes you have made to Golvar data files PERMANENTLY. Some teams and players may be announced in their original names.

If you do not wish to make permanent changes to the files, it is suggested that you use the File/Export feature.

Do you wish to continue?</source>
        <extracomment>&quot;announced&quot;: the match commentator may say some teams&apos; and players&apos; original names, since the spoken names are recordings the editor cannot change.</extracomment>
        <translation>警 告 !

この操作は、行った変更を Golvar のデータファイルに【永続的に】保存します。一部のチームや選手は、実況で元の名前で呼ばれる場合があります。

ファイルを永続的に変更したくない場合は、「ファイル/エクスポート」機能を使用することをお勧めします。

続行しますか?</translation>
    </message>
    <message>
        <source>Select directory to export the league&apos;s DB files to:</source>
        <translation>リーグの DB ファイルをエクスポートするフォルダーを選択してください:</translation>
    </message>
    <message>
        <source>Exporting League...</source>
        <translation>リーグをエクスポートしています...</translation>
    </message>
    <message>
        <source>This directory already holds DB files. Do you want to replace them?</source>
        <translation>このフォルダーにはすでに DB ファイルがあります。置き換えますか?</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目次</translation>
    </message>
    <message>
        <source>The window</source>
        <translation>ウィンドウ</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>Saving and backup</source>
        <translation>保存とバックアップ</translation>
    </message>
    <message>
        <source>Delete works on the pane that has the focus; in a text box it deletes text as usual. A deleted team or player comes back with Undo. Cut, then Paste on a team, moves the player there.</source>
        <translation>Delete はフォーカスのあるペインに対して働きます。テキストボックスでは通常どおり文字を削除します。削除したチームや選手は「元に戻す」で戻せます。選手を切り取ってチームに貼り付けると、その選手をそこへ移動します。</translation>
    </message>
</context>
<context>
    <name>gametexts</name>
    <message>
        <source>The save was refused and nothing was written: read back, %1 %2 would have %3 %4 in the files, where the editor holds %5.</source>
        <translation>保存は拒否され、何も書き込まれていません:読み戻すと、ファイル上の %1 %2 の %3 は %4 になりますが、エディターでは %5 です。</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: the files it built could not be read back (%1).</source>
        <translation>保存は拒否され、何も書き込まれていません:作成したファイルを読み戻せませんでした (%1)。</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: it meant to write %1 players and %2 teams, and read back %3 and %4.</source>
        <translation>保存は拒否され、何も書き込まれていません:%1 人の選手と %2 チームを書き込むはずでしたが、読み戻したのは %3 人と %4 チームでした。</translation>
    </message>
    <message>
        <source>Error writing to Team Data File.</source>
        <translation>チームデータファイルへの書き込み中にエラーが発生しました。</translation>
    </message>
    <message>
        <source>Error writing to Team Name File.</source>
        <translation>チーム名ファイルへの書き込み中にエラーが発生しました。</translation>
    </message>
    <message>
        <source>Error writing to Player Data File.</source>
        <translation>選手データファイルへの書き込み中にエラーが発生しました。</translation>
    </message>
    <message>
        <source>Error writing to Player Name File.</source>
        <translation>選手名ファイルへの書き込み中にエラーが発生しました。</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: the data in the editor was not read whole from the game&apos;s files in %1, and saving it would replace them with less than they hold.</source>
        <translation>保存は拒否され、何も書き込まれていません: エディターのデータは %1 のゲームのファイルから完全には読み込まれていないため、保存するとファイルの内容の一部が失われます。</translation>
    </message>
    <message>
        <source>The save was refused and nothing was written: the data in the editor was read from %1, not from %2.</source>
        <translation>保存は拒否され、何も書き込まれていません: エディターのデータは %2 ではなく %1 から読み込まれました。</translation>
    </message>
</context>
<context>
    <name>globalmodtexts</name>
    <message>
        <source>Global Modifications</source>
        <translation>一括変更</translation>
    </message>
    <message>
        <source>Value to change:</source>
        <extracomment>The amount added to (or, when negative, taken from) each ticked skill.</extracomment>
        <translation>変更する値:</translation>
    </message>
    <message>
        <source>Type of Players</source>
        <translation>選手の種類</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>能力</translation>
    </message>
    <message>
        <source>Defenders</source>
        <translation>ディフェンダー</translation>
    </message>
    <message>
        <source>Midfielders</source>
        <translation>ミッドフィルダー</translation>
    </message>
    <message>
        <source>Forwards</source>
        <translation>フォワード</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>加速力</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>敏捷性</translation>
    </message>
    <message>
        <source>Awareness</source>
        <translation>判断力</translation>
    </message>
    <message>
        <source>Ball Control</source>
        <translation>ボールコントロール</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>創造性</translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation>体力</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>ヘディング</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Reaction</source>
        <translation>反応</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>スピード</translation>
    </message>
    <message>
        <source>Tackle</source>
        <translation>タックル</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>%1 から %2 までの整数を入力してください。</translation>
    </message>
    <message>
        <source>%1 %2 for %3</source>
        <translation>%1 %2 (対象:%3)</translation>
    </message>
    <message>
        <source>All skills</source>
        <translation>すべての能力</translation>
    </message>
    <message>
        <source>No skill</source>
        <translation>能力なし</translation>
    </message>
    <message>
        <source>player</source>
        <translation>人</translation>
    </message>
    <message>
        <source>players</source>
        <translation>人</translation>
    </message>
    <message>
        <source>Goalkeepers</source>
        <translation>ゴールキーパー</translation>
    </message>
    <message>
        <source>Shot Power</source>
        <translation>シュート力</translation>
    </message>
    <message>
        <source>Shot Accuracy</source>
        <translation>シュート精度</translation>
    </message>
    <message>
        <source>Type an amount other than 0 to enable “OK”.</source>
        <translation>「OK」を有効にするには、0 以外の値を入力してください。</translation>
    </message>
    <message>
        <source>Tick at least one type of players to enable “OK”.</source>
        <translation>「OK」を有効にするには、選手の種類を 1 つ以上チェックしてください。</translation>
    </message>
</context>
<context>
    <name>keptleaguetexts</name>
    <message>
        <source>Remove the imported league %1 from Obrix? Its teams and its edits will be gone, and it will not come back at the next start.</source>
        <translation>インポートしたリーグ %1 を Obrix から取り除きますか? そのチームと編集内容は失われ、次回の起動時にも戻りません。</translation>
    </message>
    <message>
        <source>The imported leagues could not be kept in %1: %2</source>
        <translation>インポートしたリーグを %1 に保持できませんでした:%2</translation>
    </message>
    <message>
        <source>The kept leagues in %1 could not be read: %2.
The file is left as it is; the leagues it holds are not in this run.</source>
        <translation>%1 に保持しているリーグを読み取れませんでした:%2。
ファイルはそのまま残します。そこにあるリーグは今回は読み込まれていません。</translation>
    </message>
    <message>
        <source>The folder of the kept leagues, %1, could not be read: %2.
Nothing in it is changed; the leagues kept there are not in this run.</source>
        <translation>保持しているリーグのフォルダー %1 を読み取れませんでした:%2。
フォルダーの中身は変更しません。そこに保持されているリーグは今回は読み込まれていません。</translation>
    </message>
    <message>
        <source>The kept league %1 (kept by an earlier version of Obrix in %2) could not be read again.
Its files are left as they are, where File/Import can try them again.</source>
        <translation>保持しているリーグ %1 (以前のバージョンの Obrix が %2 に保持したもの) を再び読み込めませんでした。
そのファイルはそのまま残してあり、「ファイル/インポート」でもう一度読み込みを試せます。</translation>
    </message>
    <message>
        <source>The imported leagues were kept in %1, because %2 was not read in this run and is left as it is.</source>
        <translation>%2 は今回読み込まれず、そのまま残してあるため、インポートしたリーグは %1 に保持しました。</translation>
    </message>
    <message>
        <source>Imported leagues are kept by Obrix, not in the Golvar data files: they come back the next time Obrix starts. To bring their players into the game, move or copy them onto game teams (the Transfer page, Cut and Paste, or dragging them). The files have no record of their own for such a player: the save writes him over the game player whose id is the low 16 bits of his, often of another club, who is then gone; the save&apos;s question and the Changes view name each one first. Use File/Export to share the league.</source>
        <translation>インポートしたリーグは Golvar のデータファイルではなく Obrix が保持しており、次回 Obrix を起動したときにも戻ってきます。所属選手をゲームに入れるには、ゲームのチームへ移動またはコピーしてください (移籍ページ、切り取りと貼り付け、またはドラッグ)。ファイルにはそのような選手自身のレコードがないため、保存すると、ID が自分の ID の下位 16 ビットであるゲームの選手 (多くは別のクラブの選手) の上に書き込まれ、その選手は失われます。保存の確認と「変更点」ビューで事前に一人ずつ示します。リーグを共有するには「ファイル/エクスポート」を使用してください。</translation>
    </message>
    <message>
        <source>Imported league: kept by Obrix, not in the Golvar data files.
To bring its players into the game, move or copy them onto game teams: the save writes each over the game player whose id is the low 16 bits of his (named first); export it with File/Export to share it.</source>
        <translation>インポートしたリーグ: Golvar のデータファイルではなく Obrix が保持しています。
所属選手をゲームに入れるには、ゲームのチームへ移動またはコピーしてください。保存すると、各選手は ID が自分の ID の下位 16 ビットであるゲームの選手の上に書き込まれます (事前に表示されます)。共有するには「ファイル/エクスポート」でエクスポートします。</translation>
    </message>
    <message>
        <source>another program is keeping leagues there and did not finish in time; nothing there was changed</source>
        <translation>別のプログラムがそこでリーグを保持中で、時間内に終わりませんでした。そこでは何も変更されていません</translation>
    </message>
</context>
<context>
    <name>kitpalette</name>
    <message>
        <source>Pink</source>
        <translation>ピンク</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>明るい赤</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>明るいオレンジ</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>茶色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>金色</translation>
    </message>
    <message>
        <source>Dark Gold</source>
        <translation>濃い金色</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>明るい緑</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>濃い緑</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>明るい青</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>濃い青</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>紺色</translation>
    </message>
    <message>
        <source>Light Purple</source>
        <translation>明るい紫</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫</translation>
    </message>
    <message>
        <source>Dark Purple</source>
        <translation>濃い紫</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>Light Gray</source>
        <translation>明るい灰色</translation>
    </message>
    <message>
        <source>Dark Gray</source>
        <translation>濃い灰色</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>Not Used</source>
        <translation>未使用</translation>
    </message>
</context>
<context>
    <name>limittexts</name>
    <message>
        <source>league</source>
        <translation>リーグ</translation>
    </message>
    <message>
        <source>team</source>
        <translation>チーム</translation>
    </message>
    <message>
        <source>player</source>
        <translation>選手</translation>
    </message>
    <message>
        <source>League &quot;%1&quot; (id %2)</source>
        <translation>リーグ「%1」(ID %2)</translation>
    </message>
    <message>
        <source>Team &quot;%1&quot; (id %2)</source>
        <translation>チーム「%1」(ID %2)</translation>
    </message>
    <message>
        <source>Player &quot;%1&quot; (id %2)</source>
        <translation>選手「%1」(ID %2)</translation>
    </message>
    <message>
        <source>%1: the %2 is %3 bytes long in the game&apos;s encoding; the game&apos;s files hold at most %4.</source>
        <translation>%1: %2 はゲームの文字コードで %3 バイトあります。ゲームのファイルに入るのは最大 %4 バイトです。</translation>
    </message>
    <message>
        <source>%1: the %2 holds a NUL character, which would end it in the game&apos;s files.</source>
        <translation>%1: %2 に NUL 文字が含まれています。ゲームのファイルではそこで途切れてしまいます。</translation>
    </message>
    <message>
        <source>%1: a league name beginning with &quot;EC&quot; marks one of the game&apos;s European competitions, which the editor shows with a leading &quot;x&quot;. Begin the name with &quot;xEC&quot; for a competition, or choose another name.</source>
        <translation>%1: 「EC」で始まるリーグ名はゲームのヨーロッパの大会を表し、エディターでは先頭に「x」を付けて表示します。大会にする場合は名前を「xEC」で始め、そうでない場合は別の名前を選んでください。</translation>
    </message>
    <message>
        <source>%1: %2 is %3; the game&apos;s files hold %4 at most.</source>
        <translation>%1: %2 は %3 です。ゲームのファイルに入るのは最大 %4 です。</translation>
    </message>
    <message>
        <source>%1: the id does not fit the game&apos;s files, which hold ids up to %2.</source>
        <translation>%1: この ID はゲームのファイルに収まりません。入る ID は %2 までです。</translation>
    </message>
    <message>
        <source>%1: %2 names id %3; the game&apos;s files hold ids up to 65535.</source>
        <translation>%1: %2 に ID %3 が指定されています。ゲームのファイルに入る ID は 65535 までです。</translation>
    </message>
    <message>
        <source>%1 lists %2 players; the game&apos;s files hold 26 for a team, the rest would be lost at save.</source>
        <translation>%1 の選手は %2 人です。ゲームのファイルに入るのは 1 チーム 26 人までで、残りは保存時に失われます。</translation>
    </message>
    <message>
        <source>%1 has %2 team slots; the game&apos;s files hold at most 63 for a league.</source>
        <translation>%1 のチーム枠は %2 です。ゲームのファイルに入るのは 1 リーグ最大 63 枠です。</translation>
    </message>
    <message>
        <source>%1 League consist an odd number (%2) of teams. Please make sure that only even numbers of teams are used.</source>
        <translation>リーグ %1 のチーム数が奇数 (%2) です。チーム数は必ず偶数にしてください。</translation>
    </message>
    <message>
        <source>The player table would begin at %1, beyond the 16-bit position the game reads (below 65536): delete teams or leagues.</source>
        <translation>選手テーブルの開始位置が %1 になり、ゲームが読める 16 ビットの位置 (65536 未満) を超えてしまいます。チームかリーグを削除してください。</translation>
    </message>
    <message>
        <source>%1 is a league of the game, and team %2 was imported: the game&apos;s files have no record for it, so the league cannot list it. To bring its players into the game, move or copy them onto game teams (the Transfer page, Cut and Paste, or dragging them) and save: the save writes each over the game player whose id is the low 16 bits of his, and names each one before it does.</source>
        <translation>%1 はゲームのリーグですが、チーム %2 はインポートしたチームです。ゲームのファイルにはこのチームのレコードがないため、リーグに登録できません。所属選手をゲームに入れるには、ゲームのチームへ移動またはコピーして (移籍ページ、切り取りと貼り付け、またはドラッグ)、保存してください。保存では各選手が、ID が自分の ID の下位 16 ビットであるゲームの選手の上に書き込まれます。その前に一人ずつ名前を示します。</translation>
    </message>
    <message>
        <source>%1 cannot go onto %2, a team of the game: his %3 is %4, and the game&apos;s files hold %5 at most. Set his %3 to %5 or less first; on his imported team he may keep %4.</source>
        <translation>%1 はゲームのチーム %2 に入れられません。%3 が %4 ですが、ゲームのファイルに入るのは最大 %5 です。先に %3 を %5 以下にしてください。インポートしたチームでは %4 のままでかまいません。</translation>
    </message>
    <message>
        <source>%1 is to go onto a team of the game at the next save, whose files hold %4 at most for his %2, so it cannot be %3. Undo his move onto that team first to give him a larger value.</source>
        <translation>%1 は次回の保存でゲームのチームに入ります。ゲームのファイルでは %2 は最大 %4 なので、%3 にはできません。大きな値にするには、先にそのチームへの移動を元に戻してください。</translation>
    </message>
</context>
<context>
    <name>locktexts</name>
    <message>
        <source>%1: the game folder is in use by another program.</source>
        <translation>%1: ゲームフォルダーは別のプログラムが使用中です。</translation>
    </message>
    <message>
        <source>%1: another program is saving the game&apos;s files; its unfinished save is left for it to finish.</source>
        <translation>%1: 別のプログラムがゲームのファイルを保存中です。Obrix はその保存をそのプログラムに完了させます。</translation>
    </message>
    <message>
        <source>%1 is a folder, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 は通常のファイルではなくフォルダーのため、ゲームのファイルを他のプログラムからロックできません。削除してからもう一度お試しください。</translation>
    </message>
    <message>
        <source>%1 is a link, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 は通常のファイルではなくリンクのため、ゲームのファイルを他のプログラムからロックできません。削除してからもう一度お試しください。</translation>
    </message>
    <message>
        <source>%1 is a pipe, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 は通常のファイルではなくパイプのため、ゲームのファイルを他のプログラムからロックできません。削除してからもう一度お試しください。</translation>
    </message>
    <message>
        <source>%1 is a device, not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 は通常のファイルではなくデバイスのため、ゲームのファイルを他のプログラムからロックできません。削除してからもう一度お試しください。</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so the game&apos;s files cannot be locked against other programs. Remove it and try again.</source>
        <translation>%1 は通常のファイルではないため、ゲームのファイルを他のプログラムからロックできません。削除してからもう一度お試しください。</translation>
    </message>
    <message>
        <source>%1 cannot be locked (%2), so the game&apos;s files cannot be locked against other programs.</source>
        <translation>%1 をロックできません (%2)。そのため、ゲームのファイルを他のプログラムからロックできません。</translation>
    </message>
</context>
<context>
    <name>pagetexts</name>
    <message>
        <source>About Obrix</source>
        <translation>Obrix について</translation>
    </message>
    <message>
        <source>The game&apos;s files cannot hold these characters: %s
The name is kept as it was.</source>
        <translation>ゲームのファイルには次の文字を保存できません:%s
名前は元のままです。</translation>
    </message>
    <message>
        <source>Edit Player</source>
        <translation>選手を編集</translation>
    </message>
    <message>
        <source>Apply Preset</source>
        <translation>プリセットを適用</translation>
    </message>
    <message>
        <source>Edit Team</source>
        <translation>チームを編集</translation>
    </message>
    <message>
        <source>Change Kit</source>
        <translation>ユニフォームを変更</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>選手</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外見</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>能力</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>A player must have a name. The name is kept as it was.</source>
        <translation>選手には名前が必要です。名前は元のままです。</translation>
    </message>
    <message>
        <source>Number %d has already been used.</source>
        <translation>背番号 %d はすでに使われています。</translation>
    </message>
    <message>
        <source>Originally: %s from %s</source>
        <translation>元の選手:%s (%s)</translation>
    </message>
    <message>
        <source>Max. Attributes</source>
        <extracomment>A button: sets every skill of the player to the highest value, 16.</extracomment>
        <translation>能力を最大に</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>すべてリセット</translation>
    </message>
    <message>
        <source>Commentary</source>
        <extracomment>A check box: the match commentator says this player&apos;s name. Kept in the game&apos;s own words.</extracomment>
        <translation>実況で名前を呼ぶ</translation>
    </message>
    <message>
        <source>No.:</source>
        <translation>背番号:</translation>
    </message>
    <message>
        <source>Pos:</source>
        <translation>ポジション:</translation>
    </message>
    <message>
        <source>Hair:</source>
        <translation>髪型:</translation>
    </message>
    <message>
        <source>Face:</source>
        <translation>顔:</translation>
    </message>
    <message>
        <source>Facial Hair:</source>
        <translation>ひげ:</translation>
    </message>
    <message>
        <source>Skin Colour:</source>
        <translation>肌の色:</translation>
    </message>
    <message>
        <source>Hair Colour:</source>
        <translation>髪の色:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>評価:</translation>
    </message>
    <message>
        <source>Nat.:</source>
        <translation>国籍:</translation>
    </message>
    <message>
        <source>Acceleration:</source>
        <translation>加速力:</translation>
    </message>
    <message>
        <source>Agility:</source>
        <translation>敏捷性:</translation>
    </message>
    <message>
        <source>Awareness:</source>
        <extracomment>Vision of play: how well the player reads the game (not his positioning).</extracomment>
        <translation>判断力:</translation>
    </message>
    <message>
        <source>Ball Control:</source>
        <translation>ボールコントロール:</translation>
    </message>
    <message>
        <source>Creativity:</source>
        <translation>創造性:</translation>
    </message>
    <message>
        <source>Fitness:</source>
        <translation>体力:</translation>
    </message>
    <message>
        <source>Heading:</source>
        <translation>ヘディング:</translation>
    </message>
    <message>
        <source>Passing:</source>
        <translation>パス:</translation>
    </message>
    <message>
        <source>Reaction:</source>
        <translation>反応:</translation>
    </message>
    <message>
        <source>Shot Power:</source>
        <translation>シュート力:</translation>
    </message>
    <message>
        <source>Shot Acc.</source>
        <extracomment>Shot accuracy; short, for want of room beside its box.</extracomment>
        <translation>シュート精度</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>スピード:</translation>
    </message>
    <message>
        <source>Tackle:</source>
        <translation>タックル:</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>チーム</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前:</translation>
    </message>
    <message>
        <source>Home Kit</source>
        <translation>ホームユニフォーム</translation>
    </message>
    <message>
        <source>Away Kit</source>
        <translation>アウェイユニフォーム</translation>
    </message>
    <message>
        <source>Bankroll must be a whole number between %d and %d</source>
        <translation>資金には %d から %d までの整数を入力してください</translation>
    </message>
    <message>
        <source>Bankroll must be between %d and %d</source>
        <translation>資金は %d から %d までの範囲で入力してください</translation>
    </message>
    <message>
        <source>A team must have a name. The name is kept as it was.</source>
        <translation>チームには名前が必要です。名前は元のままです。</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>整数を入力してください。</translation>
    </message>
    <message>
        <source>The jersey editor Weftor was found but could not be started.</source>
        <translation>シャツエディター Weftor は見つかりましたが、起動できませんでした。</translation>
    </message>
    <message>
        <source>Needs the jersey editor Weftor, which was looked for in %1 and on the PATH, and not found.</source>
        <translation>シャツエディター Weftor が必要ですが、%1 と PATH を探しても見つかりませんでした。</translation>
    </message>
    <message>
        <source>Edits the jersey texture with %1</source>
        <translation>%1 でシャツのテクスチャを編集します</translation>
    </message>
    <message>
        <source>Abb.</source>
        <extracomment>The team&apos;s abbreviation: its name in a few letters.</extracomment>
        <translation>略称</translation>
    </message>
    <message>
        <source>Short Name:</source>
        <translation>短縮名:</translation>
    </message>
    <message>
        <source>Bankroll:</source>
        <translation>資金:</translation>
    </message>
    <message>
        <source>Primary:</source>
        <translation>第1色:</translation>
    </message>
    <message>
        <source>Secondary:</source>
        <translation>第2色:</translation>
    </message>
    <message>
        <source>Tertiary:</source>
        <translation>第3色:</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>編集...</translation>
    </message>
    <message>
        <source>Use Preset Colours</source>
        <translation>プリセットの色を使用</translation>
    </message>
    <message>
        <source>Jersey</source>
        <translation>シャツ</translation>
    </message>
    <message>
        <source>Shorts</source>
        <translation>パンツ</translation>
    </message>
    <message>
        <source>Socks</source>
        <translation>ストッキング</translation>
    </message>
    <message>
        <source>Goalie:</source>
        <translation>GK:</translation>
    </message>
    <message>
        <source>Defender:</source>
        <translation>DF:</translation>
    </message>
    <message>
        <source>Midfielder:</source>
        <translation>MF:</translation>
    </message>
    <message>
        <source>Forward:</source>
        <translation>FW:</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>スター</translation>
    </message>
    <message>
        <source>Good</source>
        <extracomment>A preset of skills: good, between Star and average.</extracomment>
        <translation>上位</translation>
    </message>
    <message>
        <source>Ave.</source>
        <extracomment>A preset of skills: average.</extracomment>
        <translation>平均</translation>
    </message>
    <message>
        <source>White</source>
        <comment>skin colour</comment>
        <translation>白</translation>
    </message>
    <message>
        <source>Tanned</source>
        <comment>skin colour</comment>
        <translation>日焼け</translation>
    </message>
    <message>
        <source>Brown</source>
        <comment>skin colour</comment>
        <translation>褐色</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>skin colour</comment>
        <translation>黒</translation>
    </message>
    <message>
        <source>Blond</source>
        <comment>hair colour</comment>
        <translation>金髪</translation>
    </message>
    <message>
        <source>Brown</source>
        <comment>hair colour</comment>
        <translation>茶色</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>hair colour</comment>
        <translation>赤毛</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>hair colour</comment>
        <translation>黒髪</translation>
    </message>
    <message>
        <source>This box holds at most %1 bytes of the game&apos;s text (a letter takes one, a Japanese character two).</source>
        <translation>この欄に入るのはゲームのテキストで最大 %1 バイトです（英字は 1 バイト、日本語の文字は 2 バイト）。</translation>
    </message>
    <message>
        <source>A skill must be between %1 and %2. The skill is kept as it was.</source>
        <translation>能力は %1 から %2 の間でなければなりません。能力は元のままです。</translation>
    </message>
</context>
<context>
    <name>roster</name>
    <message>
        <source>No.</source>
        <translation>背番号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>評価</translation>
    </message>
    <message>
        <source>Acl</source>
        <translation>加速</translation>
    </message>
    <message>
        <source>Agl</source>
        <translation>敏捷</translation>
    </message>
    <message>
        <source>Awr</source>
        <translation>判断</translation>
    </message>
    <message>
        <source>Bct</source>
        <translation>ボール</translation>
    </message>
    <message>
        <source>Cre</source>
        <translation>創造</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>体力</translation>
    </message>
    <message>
        <source>Hea</source>
        <translation>ヘッド</translation>
    </message>
    <message>
        <source>Pas</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Rct</source>
        <translation>反応</translation>
    </message>
    <message>
        <source>Spw</source>
        <translation>シュ力</translation>
    </message>
    <message>
        <source>Sac</source>
        <translation>シュ精</translation>
    </message>
    <message>
        <source>Spd</source>
        <translation>スピ</translation>
    </message>
    <message>
        <source>Tac</source>
        <translation>タックル</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>インデックス</translation>
    </message>
</context>
<context>
    <name>settingtexts</name>
    <message>
        <source>Cannot locate Golvar directory in the Registry. Do you want to select it yourself?</source>
        <translation>レジストリに Golvar フォルダーが見つかりません。ご自分で選択しますか?</translation>
    </message>
    <message>
        <source>Select Golvar directory</source>
        <translation>Golvar フォルダーを選択</translation>
    </message>
</context>
<context>
    <name>statstexts</name>
    <message>
        <source>Please select a team/league to add.</source>
        <translation>追加するチーム/リーグを選択してください。</translation>
    </message>
    <message>
        <source>Printing is not available: its module was not found with the editor.</source>
        <translation>印刷機能を利用できません:エディターのフォルダーに印刷モジュールがありません。</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>印刷を開始できませんでした。</translation>
    </message>
    <message>
        <source>Please select team(s) to be removed first.</source>
        <translation>先に削除するチームを選択してください。</translation>
    </message>
    <message>
        <source>Please select team(s) to be exported first.</source>
        <translation>先にエクスポートするチームを選択してください。</translation>
    </message>
    <message>
        <source>Writing data for players of : %s...</source>
        <translation>%s の選手のデータを書き出しています...</translation>
    </message>
    <message>
        <source>Processing data for player of : %s...</source>
        <translation>%s の選手のデータを処理しています...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*|</source>
        <translation>テキストファイル (*.TXT)|*.TXT|すべてのファイル (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>追加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>A&amp;dd All</source>
        <translation>すべて追加(&amp;D)</translation>
    </message>
    <message>
        <source>Re&amp;move All</source>
        <translation>すべて削除(&amp;M)</translation>
    </message>
    <message>
        <source>Plain Text</source>
        <translation>プレーンテキスト</translation>
    </message>
    <message>
        <source>Delimited Text</source>
        <translation>区切り付きテキスト</translation>
    </message>
    <message>
        <source>&amp;Write to File</source>
        <translation>ファイルに書き出し(&amp;W)</translation>
    </message>
    <message>
        <source>Player &amp;Stats</source>
        <translation>選手の統計(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Characteristics</source>
        <translation>特徴(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Filters</source>
        <translation>フィルター(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>印刷(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Update Grid</source>
        <translation>表を更新(&amp;U)</translation>
    </message>
    <message>
        <source>Filters:</source>
        <translation>フィルター:</translation>
    </message>
    <message>
        <source>None: the grid lists every player of the chosen teams</source>
        <translation>なし:選んだチームの全選手を表に表示します</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Nationality</source>
        <translation>国籍</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>ポジション</translation>
    </message>
    <message>
        <source>Value</source>
        <extracomment>The player&apos;s market value.</extracomment>
        <translation>市場価値</translation>
    </message>
    <message>
        <source>International</source>
        <extracomment>Whether the player plays for his national team.</extracomment>
        <translation>代表選手</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>加速力</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>敏捷性</translation>
    </message>
    <message>
        <source>Awareness</source>
        <extracomment>Vision of play: how well the player reads the game (not his positioning).</extracomment>
        <translation>判断力</translation>
    </message>
    <message>
        <source>Ball Control</source>
        <translation>ボールコントロール</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>創造性</translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation>体力</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>ヘディング</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Reaction</source>
        <translation>反応</translation>
    </message>
    <message>
        <source>Shot Acc</source>
        <translation>シュート精度</translation>
    </message>
    <message>
        <source>Shot Power</source>
        <translation>シュート力</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>スピード</translation>
    </message>
    <message>
        <source>Tackle</source>
        <translation>タックル</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>評価</translation>
    </message>
    <message>
        <source>EQ</source>
        <extracomment>A filter&apos;s comparison: equal to.</extracomment>
        <translation>等しい</translation>
    </message>
    <message>
        <source>GT</source>
        <extracomment>A filter&apos;s comparison: greater than.</extracomment>
        <translation>より大きい</translation>
    </message>
    <message>
        <source>LT</source>
        <extracomment>A filter&apos;s comparison: less than.</extracomment>
        <translation>より小さい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>リセット(&amp;R)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>ディフェンダー</translation>
    </message>
    <message>
        <source>Midfielder</source>
        <translation>ミッドフィルダー</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>フォワード</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>背番号</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Hair Colour</source>
        <translation>髪の色</translation>
    </message>
    <message>
        <source>Hair Type</source>
        <translation>髪型</translation>
    </message>
    <message>
        <source>Facial Hair</source>
        <translation>ひげ</translation>
    </message>
    <message>
        <source>Skin Colour</source>
        <translation>肌の色</translation>
    </message>
    <message>
        <source>Skill Ave</source>
        <extracomment>The average of the player&apos;s skills.</extracomment>
        <translation>能力平均</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>チーム</translation>
    </message>
    <message>
        <source>Acl</source>
        <translation>加速</translation>
    </message>
    <message>
        <source>Agl</source>
        <translation>敏捷</translation>
    </message>
    <message>
        <source>Awr</source>
        <extracomment>Awareness, in about three letters: vision of play.</extracomment>
        <translation>判断</translation>
    </message>
    <message>
        <source>Bct</source>
        <translation>ボール</translation>
    </message>
    <message>
        <source>Cre</source>
        <translation>創造</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>体力</translation>
    </message>
    <message>
        <source>Pas</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Rct</source>
        <translation>反応</translation>
    </message>
    <message>
        <source>Spw</source>
        <translation>シュ力</translation>
    </message>
    <message>
        <source>Sac</source>
        <translation>シュ精</translation>
    </message>
    <message>
        <source>Spd</source>
        <translation>スピ</translation>
    </message>
    <message>
        <source>Tac</source>
        <translation>タックル</translation>
    </message>
    <message>
        <source>Hea</source>
        <translation>ヘッド</translation>
    </message>
    <message>
        <source>The report could not be written: %1</source>
        <translation>レポートを書き込めませんでした: %1</translation>
    </message>
</context>
<context>
    <name>thumbnailtexts</name>
    <message>
        <source>%1 of the 64 jersey thumbnails could not be made:
%2</source>
        <translation>64 個のシャツのサムネイルのうち %1 個を作成できませんでした:
%2</translation>
    </message>
    <message>
        <source>%1: not a texture with a whole jersey picture</source>
        <translation>%1: シャツ全体の画像を含むテクスチャではありません</translation>
    </message>
</context>
<context>
    <name>transfertexts</name>
    <message>
        <source>Select a player or a team on each side, then &quot;&lt;----&gt;&quot; moves or swaps them.</source>
        <translation>左右それぞれで選手またはチームを選択してから「&lt;----&gt;」を押すと、移動または入れ替えができます。</translation>
    </message>
    <message>
        <source>A league cannot be transferred: select a team or a player.</source>
        <translation>リーグは移籍させられません。チームか選手を選択してください。</translation>
    </message>
    <message>
        <source>&quot;&lt;----&gt;&quot; moves %1 from %2 to %3.</source>
        <translation>「&lt;----&gt;」で %1 を %2 から %3 に移動します。</translation>
    </message>
    <message>
        <source>&quot;&lt;----&gt;&quot; swaps %1 of %2 and %3 of %4.</source>
        <translation>「&lt;----&gt;」で %2 の %1 と %4 の %3 を入れ替えます。</translation>
    </message>
    <message>
        <source>&quot;&lt;----&gt;&quot; swaps %1 and %2: names, kits and players.</source>
        <translation>「&lt;----&gt;」で %1 と %2 の名前、ユニフォーム、選手を入れ替えます。</translation>
    </message>
    <message>
        <source>%1 is already in %2.</source>
        <translation>%1 はすでに %2 に所属しています。</translation>
    </message>
    <message>
        <source>Creating Transfer Tables...</source>
        <translation>移籍表を作成しています...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Can&apos;t transfer league.</source>
        <translation>リーグは移籍させられません。</translation>
    </message>
    <message>
        <source>This team already has 20 players. To give it more, up to 26, choose it in the left-hand list of the Transfer page.</source>
        <translation>このチームにはすでに 20 人の選手がいます。26 人まで増やすには、移籍ページの左側の一覧でこのチームを選んでください。</translation>
    </message>
    <message>
        <source>This team is full: a team holds at most 26 players.</source>
        <translation>このチームは満員です。1 チームの選手は最大 26 人です。</translation>
    </message>
    <message>
        <source>A team cannot have fewer than 11 players.</source>
        <translation>チームの選手を 11 人未満にはできません。</translation>
    </message>
</context>
</TS>
