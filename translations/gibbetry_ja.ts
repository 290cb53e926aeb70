<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AccessibleText</name>
    <message>
        <source>errors allowed</source>
        <translation>間違えてよい回数</translation>
    </message>
    <message>
        <source>errors made</source>
        <translation>間違えた回数</translation>
    </message>
    <message>
        <source>chances left</source>
        <translation>残りのチャンス</translation>
    </message>
    <message>
        <source>time of day</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>word list</source>
        <translation>単語リスト</translation>
    </message>
    <message>
        <source>word length limit</source>
        <translation>単語の長さの上限</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>ヒント</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>GAME OVER</source>
        <extracomment>Shown on the board, in capitals, when a game is lost.</extracomment>
        <translation>ゲームオーバー</translation>
    </message>
    <message>
        <source>Allowed errors</source>
        <extracomment>A counter of manual mode, its number to the right.</extracomment>
        <translation>間違えてよい回数</translation>
    </message>
    <message>
        <source>Errors made</source>
        <translation>間違えた回数</translation>
    </message>
    <message>
        <source>Chances left</source>
        <translation>残りのチャンス</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>gibbetry: no graphical desktop found (neither DISPLAY nor WAYLAND_DISPLAY is set); Gibbetry needs one to run.</source>
        <translation>gibbetry: グラフィカルなデスクトップが見つかりません (DISPLAY も WAYLAND_DISPLAY も設定されていません)。Gibbetry を実行するにはデスクトップが必要です。</translation>
    </message>
    <message>
        <source>gibbetry: this Wayland desktop has no X server and Qt&apos;s Wayland support is not installed; install the qt6-wayland package to run Gibbetry.</source>
        <translation>gibbetry: この Wayland デスクトップには X サーバーがなく、Qt の Wayland サポートもインストールされていません。Gibbetry を実行するには qt6-wayland パッケージをインストールしてください。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <extracomment>%1 is the program&apos;s name, gibbetry.</extracomment>
        <translation>使い方: %1 [オプション]</translation>
    </message>
    <message>
        <source>A game of hangman. It also takes Qt&apos;s options, such as -platform and -style.</source>
        <translation>ハングマンのゲームです。-platform や -style など、Qt のオプションも使えます。</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>a folder</source>
        <extracomment>What a path turned out to be, a noun phrase with its article; it stands where a sentence names what was found (&quot;%1 is %2, not a settings file&quot;).</extracomment>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>キャラクターデバイス</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>ブロックデバイス</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>FIFO (名前付きパイプ)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ソケット</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>no regular file</source>
        <translation>通常のファイル以外のもの</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No word list is loaded, so no game can start. Choose a word list in Options.</source>
        <translation>単語リストが読み込まれていないため、ゲームを始められません。「オプション」で単語リストを選んでください。</translation>
    </message>
    <message numerus="yes">
        <source>No word of the list &quot;%1&quot; fits the length limit of %n characters. Choose a longer limit or another list in Options.</source>
        <translation>
            <numerusform>単語リスト「%1」には、長さの上限 %n 文字に収まる単語がありません。「オプション」で上限を長くするか、ほかの単語リストを選んでください。</numerusform>
        </translation>
    </message>
    <message>
        <source>You have completed the word.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Well done.</source>
        <extracomment>The win message: keep its line breaks.</extracomment>
        <translation>単語が完成しました。<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
よくできました!</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>%1 %2</source>
        <comment>Two sentences of one message, the second after the first; a language that writes no space between sentences drops it</comment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read (%2), so it was left as it is.</source>
        <translation>設定ファイル %1 を読み込めなかったため (%2)、そのままにしました。</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read: %2. Gibbetry starts from the default options and will not save over that file.</source>
        <translation>設定ファイル %1 を読み込めませんでした: %2。Gibbetry は既定のオプションで起動し、このファイルには上書き保存しません。</translation>
    </message>
    <message>
        <source>the settings file %1 kept changing while Gibbetry tried to move it aside, so it was left as it is.</source>
        <translation>Gibbetry が設定ファイル %1 を退避しようとしている間も内容が変わり続けたため、そのままにしました。</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings, and it kept changing while Gibbetry tried to move it aside, so it is left as it is and options will not be saved over it.</source>
        <translation>設定ファイル %1 は Gibbetry の設定として読み込めず、Gibbetry が退避しようとしている間も内容が変わり続けたため、そのままにしてあり、オプションもこのファイルには保存しません。</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 64 KiB, far more than Gibbetry&apos;s settings take.</source>
        <translation>設定ファイル %1 は 64 KiB を超えています。Gibbetry の設定に必要な大きさをはるかに上回っています。</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings.</source>
        <translation>設定ファイル %1 を Gibbetry の設定として読み込めませんでした。</translation>
    </message>
    <message>
        <source>The options it did not hold start from their defaults.</source>
        <translation>このファイルに含まれていなかったオプションは既定値になります。</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be checked (%2), so it was left as it is.</source>
        <translation>設定ファイル %1 は Gibbetry の設定として読み込めず、確認もできなかったため (%2)、そのままにしました。</translation>
    </message>
    <message>
        <source>Where it lies could not be checked (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>このファイルの場所を確認できなかったため (%1)、そのままにしてあり、オプションもこのファイルには保存しません。</translation>
    </message>
    <message>
        <source>it is reached through another user&apos;s symbolic link</source>
        <translation>他のユーザーのシンボリックリンクを経由している</translation>
    </message>
    <message>
        <source>its folder %1 does not belong to the owner of %2</source>
        <translation>そのフォルダー %1 が %2 の所有者のものではない</translation>
    </message>
    <message>
        <source>the settings file %1 is left as it is, because %2 and Gibbetry run as root does not write there.</source>
        <translation>設定ファイル %1 は%2ため、そのままにしてあります (root として実行中の Gibbetry は、そのような場所には書き込みません)。</translation>
    </message>
    <message>
        <source>It is left as it is, and options will not be saved over it, because %1 and Gibbetry run as root does not write there.</source>
        <translation>このファイルは%1ため、そのままにしてあり、オプションもこのファイルには保存しません (root として実行中の Gibbetry は、そのような場所には書き込みません)。</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be moved aside, so it was left as it is.</source>
        <translation>設定ファイル %1 は Gibbetry の設定として読み込めず、退避もできなかったため、そのままにしました。</translation>
    </message>
    <message>
        <source>It could not be moved aside (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>このファイルを退避できなかったため (%1)、そのままにしてあり、オプションもこのファイルには保存しません。</translation>
    </message>
    <message>
        <source>It was moved, unchanged, to %1.</source>
        <translation>このファイルは、内容を変えずに %1 へ移動しました。</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and no copy of it could be kept, so it was left as it is.</source>
        <translation>設定ファイル %1 は Gibbetry の設定として読み込めず、コピーも残せなかったため、そのままにしました。</translation>
    </message>
    <message>
        <source>No copy of it could be kept (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>このファイルのコピーを残せなかったため (%1)、そのままにしてあり、オプションもこのファイルには保存しません。</translation>
    </message>
    <message>
        <source>It is reached through a symbolic link, which stays: a copy of it, unchanged, was kept as %1, and your next save writes over %2, where the link leads.</source>
        <translation>このファイルはシンボリックリンクを経由しており、リンクはそのまま残ります。内容を変えずにコピーを %1 として残しました。次に保存するときは、リンク先の %2 に上書きします。</translation>
    </message>
    <message>
        <source>It is no longer there: it was moved or deleted meanwhile.</source>
        <translation>このファイルはもうありません。処理の途中で移動または削除されました。</translation>
    </message>
    <message>
        <source>the folder %1 could not be reached: %2.</source>
        <translation>フォルダー %1 にアクセスできませんでした: %2。</translation>
    </message>
    <message>
        <source>%1 leads to %2, which is %3, not a folder, so nothing was written.</source>
        <translation>%1 が指している %2 はフォルダーではなく、%3であるため、何も書き込みませんでした。</translation>
    </message>
    <message>
        <source>%1 is reached through another user&apos;s symbolic link, which Gibbetry run as root does not follow, so nothing was written.</source>
        <translation>%1 は他のユーザーのシンボリックリンクを経由しています。root として実行中の Gibbetry はこのリンクをたどらないため、何も書き込みませんでした。</translation>
    </message>
    <message>
        <source>%1 is %2, not a settings file, so nothing was written to it.</source>
        <translation>%1 は設定ファイルではなく、%2であるため、何も書き込みませんでした。</translation>
    </message>
    <message>
        <source>%1 (through its link, %2)</source>
        <translation>%1 (リンク先: %2)</translation>
    </message>
    <message>
        <source>the settings file %1 could not be reached: %2.</source>
        <translation>設定ファイル %1 にアクセスできませんでした: %2。</translation>
    </message>
    <message>
        <source>%1 leads to %2, outside %3, and Gibbetry makes no file there.</source>
        <translation>%1 が指している %2 は %3 の外にあります。Gibbetry はそこにはファイルを作りません。</translation>
    </message>
    <message>
        <source>the settings file %1 is read-only: its owner took away the permission to write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>設定ファイル %1 は読み取り専用です。所有者が書き込みの権限を外しているため、Gibbetry はこのファイルをそのままにし、この状態が続く間はオプションを保存しません。</translation>
    </message>
    <message>
        <source>the settings file %1 belongs to another account, which does not let you write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>設定ファイル %1 は別のアカウントのもので、あなたには書き込みが許可されていません。そのため Gibbetry はこのファイルをそのままにし、この状態が続く間はオプションを保存しません。</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to: %2.</source>
        <translation>フォルダー %1 に書き込めません: %2。</translation>
    </message>
    <message>
        <source>the folder %1 does not belong to the owner of %2, and Gibbetry run as root writes in no other user&apos;s folder, so nothing was written.</source>
        <translation>フォルダー %1 は %2 の所有者のものではなく、root として実行中の Gibbetry は他のユーザーのフォルダーには書き込まないため、何も書き込みませんでした。</translation>
    </message>
    <message>
        <source>another Gibbetry game was saving its options to %1 and did not finish in time, so this game wrote nothing.</source>
        <translation>起動中の別の Gibbetry が %1 にオプションを保存している途中で、時間内に終わらなかったため、このゲームでは何も書き込みませんでした。</translation>
    </message>
    <message>
        <source>Gibbetry could not make its lock file in the folder %1, so nothing was written.</source>
        <translation>Gibbetry がフォルダー %1 にロックファイルを作成できなかったため、何も書き込みませんでした。</translation>
    </message>
    <message>
        <source>the settings file %1 was changed by another program each time Gibbetry was about to save it, so it was left as it was.</source>
        <translation>Gibbetry が設定ファイル %1 を保存しようとするたびに別のプログラムが変更したため、そのままにしました。</translation>
    </message>
    <message>
        <source>The settings file %1 kept changing while Gibbetry saved your options in it: they are in it, but what another program wrote to it at the same moment may not be.</source>
        <translation>Gibbetry がオプションを保存している間に、設定ファイル %1 の内容が変わり続けました。オプションは保存されていますが、同時に別のプログラムが書き込んだ内容は残っていないかもしれません。</translation>
    </message>
    <message>
        <source>the settings file %1 was changed since Gibbetry read it and no longer reads as its settings, so it was left as it is.</source>
        <translation>設定ファイル %1 は Gibbetry が読み込んだ後に変更され、Gibbetry の設定として読み込めなくなったため、そのままにしました。</translation>
    </message>
    <message>
        <source>the settings file %1 would grow larger than 64 KiB, so it was left as it was.</source>
        <translation>設定ファイル %1 が 64 KiB を超えてしまうため、そのままにしました。</translation>
    </message>
    <message>
        <source>the folder %1 was moved or replaced while Gibbetry saved, so nothing was written.</source>
        <translation>Gibbetry が保存している間にフォルダー %1 が移動または置き換えられたため、何も書き込みませんでした。</translation>
    </message>
    <message>
        <source>the replaced file could not be read again</source>
        <translation>置き換え後のファイルを読み込み直せませんでした</translation>
    </message>
    <message>
        <source>there is no room left on the disk that holds %1, so the file was left as it was.</source>
        <translation>%1 があるディスクに空き容量がないため、ファイルはそのままにしました。</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written: %2. It was left as it was.</source>
        <translation>設定ファイル %1 に書き込めませんでした: %2。ファイルはそのままにしました。</translation>
    </message>
    <message>
        <source>the folder %1 could not be created: %2.</source>
        <translation>フォルダー %1 を作成できませんでした: %2。</translation>
    </message>
    <message>
        <source>the folder %1 could not be given to its owner: %2.</source>
        <translation>フォルダー %1 の所有者を設定できませんでした: %2。</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Your options could not be saved: %1

They stay in force until Gibbetry is closed.</source>
        <translation>オプションを保存できませんでした: %1

変更したオプションは、Gibbetry を終了するまで有効です。</translation>
    </message>
    <message numerus="yes">
        <source>Word length limited to %n characters</source>
        <extracomment>The status line; %n is the chosen length, 4 to 20.</extracomment>
        <translation>
            <numerusform>単語の長さは %n 文字まで</numerusform>
        </translation>
    </message>
    <message>
        <source>No restriction on word length</source>
        <translation>単語の長さの制限なし</translation>
    </message>
    <message>
        <source>Hint is OFF</source>
        <translation>ヒントはオフ</translation>
    </message>
</context>
<context>
    <name>PosixFileReader</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>ファイルではなくフォルダーです</translation>
    </message>
    <message>
        <source>it is a character device, not a file</source>
        <translation>ファイルではなくキャラクターデバイスです</translation>
    </message>
    <message>
        <source>it is a block device, not a file</source>
        <translation>ファイルではなくブロックデバイスです</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe), not a file</source>
        <translation>ファイルではなく FIFO (名前付きパイプ) です</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>ファイルではなくソケットです</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
</context>
<context>
    <name>WordListLoader</name>
    <message>
        <source>The word list &quot;%1&quot; could not be read. It was looked for as:
%2

%3</source>
        <translation>単語リスト「%1」を読み込めませんでした。次の場所を探しました:
%2

%3</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.

%2</source>
        <translation>
            <numerusform>単語リスト %1 が %n 秒以内に応答しなかったため、Gibbetry は待つのをやめました。

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it and reads its own list instead.</source>
        <translation>
            <numerusform>単語リスト %1 が %n 秒以内に応答しなかったため、Gibbetry は待つのをやめ、代わりに付属の単語リストを読み込みます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.</source>
        <translation>
            <numerusform>単語リスト %1 が %n 秒以内に応答しなかったため、Gibbetry は待つのをやめました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n lines, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>Gibbetry は単語リストを最初の %n 行までしか読み込みませんが、%1 のその部分にはゲームに使える単語がありません。単語は A から Z までの文字 1 から 23 個でできている必要があります。

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n MiB, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>Gibbetry は単語リストを最初の %n MiB までしか読み込みませんが、%1 のその部分にはゲームに使える単語がありません。単語は A から Z までの文字 1 から 23 個でできている必要があります。

%2</numerusform>
        </translation>
    </message>
    <message>
        <source>The word list %1 holds no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>単語リスト %1 にはゲームに使える単語がありません。単語は A から Z までの文字 1 から 23 個でできている必要があります。

%2</translation>
    </message>
    <message>
        <source>Your word list %1 could not be read: %2. Gibbetry&apos;s own list is used instead.</source>
        <translation>自分の単語リスト %1 を読み込めませんでした: %2。代わりに Gibbetry 付属の単語リストを使います。</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n lines were loaded.</source>
        <translation>
            <numerusform>単語リスト %1 は Gibbetry が読み込める長さを超えています。最初の %n 行だけを読み込みました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n MiB were loaded.</source>
        <translation>
            <numerusform>単語リスト %1 は Gibbetry が読み込める大きさを超えています。最初の %n MiB だけを読み込みました。</numerusform>
        </translation>
    </message>
    <message>
        <source>No word list is loaded: choose another in Options.</source>
        <translation>単語リストが読み込まれていません。「オプション」でほかの単語リストを選んでください。</translation>
    </message>
    <message>
        <source>The word list &quot;%1&quot; stays in use.</source>
        <translation>単語リスト「%1」を引き続き使います。</translation>
    </message>
</context>
<context>
    <name>WordSource</name>
    <message>
        <source>Australian English Dictionary (Tolvarin) - 45,000 words</source>
        <translation>オーストラリア英語辞書 (Tolvarin) - 45,000 語</translation>
    </message>
    <message>
        <source>Ogden&apos;s Basic English Words - 850 words</source>
        <translation>Ogden&apos;s Basic English 単語集 - 850 語</translation>
    </message>
    <message>
        <source>SmarterKid 1 - 5,000 words</source>
        <translation>SmarterKid 1 - 5,000 語</translation>
    </message>
    <message>
        <source>SmarterKid 2 - 3,000 words</source>
        <translation>SmarterKid 2 - 3,000 語</translation>
    </message>
    <message>
        <source>SmarterKid 3 - 8,000 words</source>
        <translation>SmarterKid 3 - 8,000 語</translation>
    </message>
    <message>
        <source>SmarterKid 4 - 4,000 words</source>
        <translation>SmarterKid 4 - 4,000 語</translation>
    </message>
    <message>
        <source>SmarterKid 5 - 34,000 words</source>
        <translation>SmarterKid 5 - 34,000 語</translation>
    </message>
</context>
<context>
    <name>gibbetry::AboutBox</name>
    <message>
        <source>Updates</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the game&apos;s name, Gibbetry.</extracomment>
        <translation>%1 について</translation>
    </message>
</context>
<context>
    <name>gibbetry::MainWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>このゲームについて(&amp;A)</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Click on the letter to select it.</source>
        <translation>文字をクリックして選んでください。</translation>
    </message>
</context>
<context>
    <name>gibbetry::OptionsDialog</name>
    <message>
        <source>Gibbetry - Options</source>
        <translation>Gibbetry - オプション</translation>
    </message>
    <message>
        <source>Select the number of wrong guesses allowed</source>
        <translation>間違えてよい回数を選ぶ</translation>
    </message>
    <message>
        <source>Draw the hangman (allows 12 wrong guesses)</source>
        <translation>ハングマンの絵を描く (間違いは 12 回まで)</translation>
    </message>
    <message>
        <source>Each wrong guess will result in part of the hangman being drawn</source>
        <translation>間違えるたびに、ハングマンの絵が少しずつ描かれていきます</translation>
    </message>
    <message>
        <source>Make a manual selection</source>
        <translation>回数を自分で選ぶ</translation>
    </message>
    <message>
        <source>Select source for word list</source>
        <translation>単語リストを選ぶ</translation>
    </message>
    <message>
        <source>Other options</source>
        <translation>その他のオプション</translation>
    </message>
    <message>
        <source>Show a hint</source>
        <translation>ヒントを表示する</translation>
    </message>
    <message>
        <source>Supplies you with a hint to help you to solve the word</source>
        <translation>単語を当てるためのヒントを表示します</translation>
    </message>
    <message>
        <source>Limit the length of the words used to</source>
        <extracomment>Followed by a drop-down list of lengths, 4 to 20 letters.</extracomment>
        <translation>使う単語の長さの上限</translation>
    </message>
    <message>
        <source>DONE</source>
        <extracomment>Closes the dialog and keeps its choices; capitals as on the rest of the button&apos;s kind.</extracomment>
        <translation>完了</translation>
    </message>
</context>
</TS>
