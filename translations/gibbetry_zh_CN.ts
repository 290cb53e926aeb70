<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AccessibleText</name>
    <message>
        <source>errors allowed</source>
        <translation>允许猜错次数</translation>
    </message>
    <message>
        <source>errors made</source>
        <translation>已猜错次数</translation>
    </message>
    <message>
        <source>chances left</source>
        <translation>剩余机会</translation>
    </message>
    <message>
        <source>time of day</source>
        <translation>当前时间</translation>
    </message>
    <message>
        <source>word list</source>
        <translation>单词表</translation>
    </message>
    <message>
        <source>word length limit</source>
        <translation>单词长度限制</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>GAME OVER</source>
        <extracomment>Shown on the board, in capitals, when a game is lost.</extracomment>
        <translation>游戏结束</translation>
    </message>
    <message>
        <source>Allowed errors</source>
        <extracomment>A counter of manual mode, its number to the right.</extracomment>
        <translation>允许猜错</translation>
    </message>
    <message>
        <source>Errors made</source>
        <translation>已猜错</translation>
    </message>
    <message>
        <source>Chances left</source>
        <translation>剩余机会</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>gibbetry: no graphical desktop found (neither DISPLAY nor WAYLAND_DISPLAY is set); Gibbetry needs one to run.</source>
        <translation>gibbetry: 未找到图形桌面（DISPLAY 和 WAYLAND_DISPLAY 均未设置）；Gibbetry 需要图形桌面才能运行。</translation>
    </message>
    <message>
        <source>gibbetry: this Wayland desktop has no X server and Qt&apos;s Wayland support is not installed; install the qt6-wayland package to run Gibbetry.</source>
        <translation>gibbetry: 此 Wayland 桌面没有 X 服务器，并且未安装 Qt 的 Wayland 支持；请安装 qt6-wayland 软件包以运行 Gibbetry。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>显示版本信息并退出。</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <extracomment>%1 is the program&apos;s name, gibbetry.</extracomment>
        <translation>用法：%1 [选项]</translation>
    </message>
    <message>
        <source>A game of hangman. It also takes Qt&apos;s options, such as -platform and -style.</source>
        <translation>一个猜单词游戏。它也接受 Qt 的选项，例如 -platform 和 -style。</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>a folder</source>
        <extracomment>What a path turned out to be, a noun phrase with its article; it stands where a sentence names what was found (&quot;%1 is %2, not a settings file&quot;).</extracomment>
        <translation>一个文件夹</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>一个字符设备</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>一个块设备</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>一个 FIFO（命名管道）</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>一个套接字</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>一个文件</translation>
    </message>
    <message>
        <source>no regular file</source>
        <translation>一个非普通文件</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No word list is loaded, so no game can start. Choose a word list in Options.</source>
        <translation>没有加载单词表，因此无法开始游戏。请在“选项”中选择一个单词表。</translation>
    </message>
    <message numerus="yes">
        <source>No word of the list &quot;%1&quot; fits the length limit of %n characters. Choose a longer limit or another list in Options.</source>
        <translation>
            <numerusform>单词表“%1”中没有符合长度限制（%n 个字母）的单词。请在“选项”中放宽长度限制或换一个单词表。</numerusform>
        </translation>
    </message>
    <message>
        <source>You have completed the word.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Well done.</source>
        <extracomment>The win message: keep its line breaks.</extracomment>
        <translation>你猜出了整个单词。<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
真棒！</translation>
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
        <translation>设置文件 %1 无法读取（%2），因此保持原样。</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read: %2. Gibbetry starts from the default options and will not save over that file.</source>
        <translation>无法读取设置文件 %1：%2。Gibbetry 将使用默认选项启动，并且不会把选项保存到该文件中。</translation>
    </message>
    <message>
        <source>the settings file %1 kept changing while Gibbetry tried to move it aside, so it was left as it is.</source>
        <translation>Gibbetry 尝试把设置文件 %1 移到一旁时，该文件一直在变化，因此保持原样。</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings, and it kept changing while Gibbetry tried to move it aside, so it is left as it is and options will not be saved over it.</source>
        <translation>设置文件 %1 无法作为 Gibbetry 的设置读取，而且 Gibbetry 尝试把它移到一旁时，它一直在变化，因此它将保持原样，选项也不会保存到其中。</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 64 KiB, far more than Gibbetry&apos;s settings take.</source>
        <translation>设置文件 %1 大于 64 KiB，远远超过 Gibbetry 的设置所需的大小。</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings.</source>
        <translation>设置文件 %1 无法作为 Gibbetry 的设置读取。</translation>
    </message>
    <message>
        <source>The options it did not hold start from their defaults.</source>
        <translation>其中未包含的选项将使用默认值。</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be checked (%2), so it was left as it is.</source>
        <translation>设置文件 %1 无法作为 Gibbetry 的设置读取，也无法检查（%2），因此保持原样。</translation>
    </message>
    <message>
        <source>Where it lies could not be checked (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>无法检查它所在的位置（%1），因此它将保持原样，选项也不会保存到其中。</translation>
    </message>
    <message>
        <source>it is reached through another user&apos;s symbolic link</source>
        <translation>它是通过另一个用户的符号链接访问的</translation>
    </message>
    <message>
        <source>its folder %1 does not belong to the owner of %2</source>
        <translation>它所在的文件夹 %1 不属于 %2 的所有者</translation>
    </message>
    <message>
        <source>the settings file %1 is left as it is, because %2 and Gibbetry run as root does not write there.</source>
        <translation>设置文件 %1 保持原样，因为%2，而以 root 身份运行的 Gibbetry 不会写入那里。</translation>
    </message>
    <message>
        <source>It is left as it is, and options will not be saved over it, because %1 and Gibbetry run as root does not write there.</source>
        <translation>因为%1，而以 root 身份运行的 Gibbetry 不会写入那里，所以它将保持原样，选项也不会保存到其中。</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be moved aside, so it was left as it is.</source>
        <translation>设置文件 %1 无法作为 Gibbetry 的设置读取，也无法移到一旁，因此保持原样。</translation>
    </message>
    <message>
        <source>It could not be moved aside (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>无法把它移到一旁（%1），因此它将保持原样，选项也不会保存到其中。</translation>
    </message>
    <message>
        <source>It was moved, unchanged, to %1.</source>
        <translation>它已原封不动地移到 %1。</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and no copy of it could be kept, so it was left as it is.</source>
        <translation>设置文件 %1 无法作为 Gibbetry 的设置读取，也无法保留它的副本，因此保持原样。</translation>
    </message>
    <message>
        <source>No copy of it could be kept (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>无法保留它的副本（%1），因此它将保持原样，选项也不会保存到其中。</translation>
    </message>
    <message>
        <source>It is reached through a symbolic link, which stays: a copy of it, unchanged, was kept as %1, and your next save writes over %2, where the link leads.</source>
        <translation>它是通过符号链接访问的，该链接会保留：它的一份原样副本已保存为 %1，下次保存时将覆盖该链接指向的 %2。</translation>
    </message>
    <message>
        <source>It is no longer there: it was moved or deleted meanwhile.</source>
        <translation>它已不在原处：在此期间被移动或删除了。</translation>
    </message>
    <message>
        <source>the folder %1 could not be reached: %2.</source>
        <translation>无法访问文件夹 %1：%2。</translation>
    </message>
    <message>
        <source>%1 leads to %2, which is %3, not a folder, so nothing was written.</source>
        <translation>%1 指向 %2，而它是%3，不是文件夹，因此没有写入任何内容。</translation>
    </message>
    <message>
        <source>%1 is reached through another user&apos;s symbolic link, which Gibbetry run as root does not follow, so nothing was written.</source>
        <translation>%1 是通过另一个用户的符号链接访问的，以 root 身份运行的 Gibbetry 不会跟随这种链接，因此没有写入任何内容。</translation>
    </message>
    <message>
        <source>%1 is %2, not a settings file, so nothing was written to it.</source>
        <translation>%1 是%2，不是设置文件，因此没有向其中写入任何内容。</translation>
    </message>
    <message>
        <source>%1 (through its link, %2)</source>
        <translation>%1（链接指向 %2）</translation>
    </message>
    <message>
        <source>the settings file %1 could not be reached: %2.</source>
        <translation>无法访问设置文件 %1：%2。</translation>
    </message>
    <message>
        <source>%1 leads to %2, outside %3, and Gibbetry makes no file there.</source>
        <translation>%1 指向 %3 之外的 %2，Gibbetry 不会在那里创建文件。</translation>
    </message>
    <message>
        <source>the settings file %1 is read-only: its owner took away the permission to write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>设置文件 %1 是只读的：它的所有者取消了写入权限。只要它仍是只读的，Gibbetry 就会让它保持原样，不会把选项保存到其中。</translation>
    </message>
    <message>
        <source>the settings file %1 belongs to another account, which does not let you write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>设置文件 %1 属于另一个账户，该账户不允许你写入它。只要情况不变，Gibbetry 就会让它保持原样，不会把选项保存到其中。</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to: %2.</source>
        <translation>无法写入文件夹 %1：%2。</translation>
    </message>
    <message>
        <source>the folder %1 does not belong to the owner of %2, and Gibbetry run as root writes in no other user&apos;s folder, so nothing was written.</source>
        <translation>文件夹 %1 不属于 %2 的所有者，而以 root 身份运行的 Gibbetry 不会在其他用户的文件夹中写入，因此没有写入任何内容。</translation>
    </message>
    <message>
        <source>another Gibbetry game was saving its options to %1 and did not finish in time, so this game wrote nothing.</source>
        <translation>另一个运行中的 Gibbetry 正在把它的选项保存到 %1，但没能及时完成，因此这个 Gibbetry 没有写入任何内容。</translation>
    </message>
    <message>
        <source>Gibbetry could not make its lock file in the folder %1, so nothing was written.</source>
        <translation>Gibbetry 无法在文件夹 %1 中创建锁文件，因此没有写入任何内容。</translation>
    </message>
    <message>
        <source>the settings file %1 was changed by another program each time Gibbetry was about to save it, so it was left as it was.</source>
        <translation>每次 Gibbetry 准备保存设置文件 %1 时，该文件都已被其他程序更改，因此保持原样。</translation>
    </message>
    <message>
        <source>The settings file %1 kept changing while Gibbetry saved your options in it: they are in it, but what another program wrote to it at the same moment may not be.</source>
        <translation>Gibbetry 把你的选项保存到设置文件 %1 时，该文件一直在变化：你的选项已保存在其中，但其他程序在同一时刻写入的内容可能没有保存下来。</translation>
    </message>
    <message>
        <source>the settings file %1 was changed since Gibbetry read it and no longer reads as its settings, so it was left as it is.</source>
        <translation>设置文件 %1 在 Gibbetry 读取之后被更改过，已无法再作为 Gibbetry 的设置读取，因此保持原样。</translation>
    </message>
    <message>
        <source>the settings file %1 would grow larger than 64 KiB, so it was left as it was.</source>
        <translation>设置文件 %1 保存后将超过 64 KiB，因此保持原样。</translation>
    </message>
    <message>
        <source>the folder %1 was moved or replaced while Gibbetry saved, so nothing was written.</source>
        <translation>Gibbetry 保存时，文件夹 %1 被移动或替换了，因此没有写入任何内容。</translation>
    </message>
    <message>
        <source>the replaced file could not be read again</source>
        <translation>无法重新读取替换后的文件</translation>
    </message>
    <message>
        <source>there is no room left on the disk that holds %1, so the file was left as it was.</source>
        <translation>存放 %1 的磁盘已没有剩余空间，因此该文件保持原样。</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written: %2. It was left as it was.</source>
        <translation>无法写入设置文件 %1：%2。该文件保持原样。</translation>
    </message>
    <message>
        <source>the folder %1 could not be created: %2.</source>
        <translation>无法创建文件夹 %1：%2。</translation>
    </message>
    <message>
        <source>the folder %1 could not be given to its owner: %2.</source>
        <translation>无法把文件夹 %1 的所有权交给它的所有者：%2。</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Your options could not be saved: %1

They stay in force until Gibbetry is closed.</source>
        <translation>无法保存你的选项：%1

在关闭 Gibbetry 之前，这些选项仍然有效。</translation>
    </message>
    <message numerus="yes">
        <source>Word length limited to %n characters</source>
        <extracomment>The status line; %n is the chosen length, 4 to 20.</extracomment>
        <translation>
            <numerusform>单词长度限制为 %n 个字母</numerusform>
        </translation>
    </message>
    <message>
        <source>No restriction on word length</source>
        <translation>单词长度不限</translation>
    </message>
    <message>
        <source>Hint is OFF</source>
        <translation>提示已关闭</translation>
    </message>
</context>
<context>
    <name>PosixFileReader</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>它是文件夹，不是文件</translation>
    </message>
    <message>
        <source>it is a character device, not a file</source>
        <translation>它是字符设备，不是文件</translation>
    </message>
    <message>
        <source>it is a block device, not a file</source>
        <translation>它是块设备，不是文件</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe), not a file</source>
        <translation>它是 FIFO（命名管道），不是文件</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>它是套接字，不是文件</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>它不是普通文件</translation>
    </message>
</context>
<context>
    <name>WordListLoader</name>
    <message>
        <source>The word list &quot;%1&quot; could not be read. It was looked for as:
%2

%3</source>
        <translation>无法读取单词表“%1”。查找时使用的路径：
%2

%3</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.

%2</source>
        <translation>
            <numerusform>单词表 %1 在 %n 秒内没有响应，因此 Gibbetry 不再等待它。

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it and reads its own list instead.</source>
        <translation>
            <numerusform>单词表 %1 在 %n 秒内没有响应，因此 Gibbetry 不再等待它，改为读取自带的单词表。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.</source>
        <translation>
            <numerusform>单词表 %1 在 %n 秒内没有响应，因此 Gibbetry 不再等待它。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n lines, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>Gibbetry 只读取单词表的前 %n 行，而 %1 的这些行中没有可以用来玩的单词：单词必须由 1 到 23 个 A 到 Z 的字母组成。

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n MiB, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>Gibbetry 只读取单词表的前 %n MiB，而 %1 的这部分内容中没有可以用来玩的单词：单词必须由 1 到 23 个 A 到 Z 的字母组成。

%2</numerusform>
        </translation>
    </message>
    <message>
        <source>The word list %1 holds no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>单词表 %1 中没有可以用来玩的单词：单词必须由 1 到 23 个 A 到 Z 的字母组成。

%2</translation>
    </message>
    <message>
        <source>Your word list %1 could not be read: %2. Gibbetry&apos;s own list is used instead.</source>
        <translation>无法读取你的单词表 %1：%2。将改用 Gibbetry 自带的单词表。</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n lines were loaded.</source>
        <translation>
            <numerusform>单词表 %1 超出了 Gibbetry 的读取上限：只加载了前 %n 行。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n MiB were loaded.</source>
        <translation>
            <numerusform>单词表 %1 超出了 Gibbetry 的读取上限：只加载了前 %n MiB。</numerusform>
        </translation>
    </message>
    <message>
        <source>No word list is loaded: choose another in Options.</source>
        <translation>没有加载单词表：请在“选项”中选择其他单词表。</translation>
    </message>
    <message>
        <source>The word list &quot;%1&quot; stays in use.</source>
        <translation>将继续使用单词表“%1”。</translation>
    </message>
</context>
<context>
    <name>WordSource</name>
    <message>
        <source>Australian English Dictionary (Tolvarin) - 45,000 words</source>
        <translation>澳大利亚英语词典（Tolvarin）- 45,000 个单词</translation>
    </message>
    <message>
        <source>Ogden&apos;s Basic English Words - 850 words</source>
        <translation>Ogden&apos;s Basic English 词汇 - 850 个单词</translation>
    </message>
    <message>
        <source>SmarterKid 1 - 5,000 words</source>
        <translation>SmarterKid 1 - 5,000 个单词</translation>
    </message>
    <message>
        <source>SmarterKid 2 - 3,000 words</source>
        <translation>SmarterKid 2 - 3,000 个单词</translation>
    </message>
    <message>
        <source>SmarterKid 3 - 8,000 words</source>
        <translation>SmarterKid 3 - 8,000 个单词</translation>
    </message>
    <message>
        <source>SmarterKid 4 - 4,000 words</source>
        <translation>SmarterKid 4 - 4,000 个单词</translation>
    </message>
    <message>
        <source>SmarterKid 5 - 34,000 words</source>
        <translation>SmarterKid 5 - 34,000 个单词</translation>
    </message>
</context>
<context>
    <name>gibbetry::AboutBox</name>
    <message>
        <source>Updates</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the game&apos;s name, Gibbetry.</extracomment>
        <translation>关于 %1</translation>
    </message>
</context>
<context>
    <name>gibbetry::MainWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>开始新游戏</translation>
    </message>
    <message>
        <source>Click on the letter to select it.</source>
        <translation>点击字母即可选中它。</translation>
    </message>
</context>
<context>
    <name>gibbetry::OptionsDialog</name>
    <message>
        <source>Gibbetry - Options</source>
        <translation>Gibbetry - 选项</translation>
    </message>
    <message>
        <source>Select the number of wrong guesses allowed</source>
        <translation>选择允许猜错的次数</translation>
    </message>
    <message>
        <source>Draw the hangman (allows 12 wrong guesses)</source>
        <translation>画小人（允许猜错 12 次）</translation>
    </message>
    <message>
        <source>Each wrong guess will result in part of the hangman being drawn</source>
        <translation>每猜错一次，就会画出小人的一部分</translation>
    </message>
    <message>
        <source>Make a manual selection</source>
        <translation>手动选择</translation>
    </message>
    <message>
        <source>Select source for word list</source>
        <translation>选择单词表来源</translation>
    </message>
    <message>
        <source>Other options</source>
        <translation>其他选项</translation>
    </message>
    <message>
        <source>Show a hint</source>
        <translation>显示提示</translation>
    </message>
    <message>
        <source>Supplies you with a hint to help you to solve the word</source>
        <translation>给你一个提示，帮助你猜出单词</translation>
    </message>
    <message>
        <source>Limit the length of the words used to</source>
        <extracomment>Followed by a drop-down list of lengths, 4 to 20 letters.</extracomment>
        <translation>将单词长度限制为</translation>
    </message>
    <message>
        <source>DONE</source>
        <extracomment>Closes the dialog and keeps its choices; capitals as on the rest of the button&apos;s kind.</extracomment>
        <translation>完成</translation>
    </message>
</context>
</TS>
