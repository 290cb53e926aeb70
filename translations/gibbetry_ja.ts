<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AccessibleText</name>
    <message>
        <source>errors allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>errors made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chances left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time of day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>word list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>word length limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hint</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>GAME OVER</source>
        <extracomment>Shown on the board, in capitals, when a game is lost.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allowed errors</source>
        <extracomment>A counter of manual mode, its number to the right.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errors made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chances left</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>gibbetry: no graphical desktop found (neither DISPLAY nor WAYLAND_DISPLAY is set); Gibbetry needs one to run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gibbetry: this Wayland desktop has no X server and Qt&apos;s Wayland support is not installed; install the qt6-wayland package to run Gibbetry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <extracomment>%1 is the program&apos;s name, gibbetry.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A game of hangman. It also takes Qt&apos;s options, such as -platform and -style.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>a folder</source>
        <extracomment>What a path turned out to be, a noun phrase with its article; it stands where a sentence names what was found (&quot;%1 is %2, not a settings file&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a character device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a block device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no regular file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No word list is loaded, so no game can start. Choose a word list in Options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>No word of the list &quot;%1&quot; fits the length limit of %n characters. Choose a longer limit or another list in Options.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>You have completed the word.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Well done.</source>
        <extracomment>The win message: keep its line breaks.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>%1 %2</source>
        <comment>Two sentences of one message, the second after the first; a language that writes no space between sentences drops it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file %1 could not be read (%2), so it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 could not be read: %2. Gibbetry starts from the default options and will not save over that file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file %1 kept changing while Gibbetry tried to move it aside, so it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings, and it kept changing while Gibbetry tried to move it aside, so it is left as it is and options will not be saved over it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 64 KiB, far more than Gibbetry&apos;s settings take.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The options it did not hold start from their defaults.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be checked (%2), so it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where it lies could not be checked (%1), so it is left as it is and options will not be saved over it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is reached through another user&apos;s symbolic link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder %1 does not belong to the owner of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file %1 is left as it is, because %2 and Gibbetry run as root does not write there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is left as it is, and options will not be saved over it, because %1 and Gibbetry run as root does not write there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be moved aside, so it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be moved aside (%1), so it is left as it is and options will not be saved over it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was moved, unchanged, to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and no copy of it could be kept, so it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No copy of it could be kept (%1), so it is left as it is and options will not be saved over it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is reached through a symbolic link, which stays: a copy of it, unchanged, was kept as %1, and your next save writes over %2, where the link leads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is no longer there: it was moved or deleted meanwhile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 could not be reached: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 leads to %2, which is %3, not a folder, so nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is reached through another user&apos;s symbolic link, which Gibbetry run as root does not follow, so nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2, not a settings file, so nothing was written to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (through its link, %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file %1 could not be reached: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 leads to %2, outside %3, and Gibbetry makes no file there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file %1 is read-only: its owner took away the permission to write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file %1 belongs to another account, which does not let you write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 does not belong to the owner of %2, and Gibbetry run as root writes in no other user&apos;s folder, so nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another Gibbetry game was saving its options to %1 and did not finish in time, so this game wrote nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gibbetry could not make its lock file in the folder %1, so nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file %1 was changed by another program each time Gibbetry was about to save it, so it was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 kept changing while Gibbetry saved your options in it: they are in it, but what another program wrote to it at the same moment may not be.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file %1 was changed since Gibbetry read it and no longer reads as its settings, so it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file %1 would grow larger than 64 KiB, so it was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 was moved or replaced while Gibbetry saved, so nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the replaced file could not be read again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no room left on the disk that holds %1, so the file was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file %1 could not be written: %2. It was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 could not be created: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 could not be given to its owner: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Your options could not be saved: %1

They stay in force until Gibbetry is closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Word length limited to %n characters</source>
        <extracomment>The status line; %n is the chosen length, 4 to 20.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No restriction on word length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint is OFF</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PosixFileReader</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a character device, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a block device, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe), not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WordListLoader</name>
    <message>
        <source>The word list &quot;%1&quot; could not be read. It was looked for as:
%2

%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.

%2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it and reads its own list instead.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n lines, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n MiB, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The word list %1 holds no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your word list %1 could not be read: %2. Gibbetry&apos;s own list is used instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n lines were loaded.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n MiB were loaded.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No word list is loaded: choose another in Options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word list &quot;%1&quot; stays in use.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WordSource</name>
    <message>
        <source>Australian English Dictionary (Tolvarin) - 45,000 words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ogden&apos;s Basic English Words - 850 words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SmarterKid 1 - 5,000 words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SmarterKid 2 - 3,000 words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SmarterKid 3 - 8,000 words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SmarterKid 4 - 4,000 words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SmarterKid 5 - 34,000 words</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gibbetry::AboutBox</name>
    <message>
        <source>Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the game&apos;s name, Gibbetry.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gibbetry::MainWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on the letter to select it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gibbetry::OptionsDialog</name>
    <message>
        <source>Gibbetry - Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the number of wrong guesses allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw the hangman (allows 12 wrong guesses)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each wrong guess will result in part of the hangman being drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a manual selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select source for word list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show a hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supplies you with a hint to help you to solve the word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit the length of the words used to</source>
        <extracomment>Followed by a drop-down list of lengths, 4 to 20 letters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DONE</source>
        <extracomment>Closes the dialog and keeps its choices; capitals as on the rest of the button&apos;s kind.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
