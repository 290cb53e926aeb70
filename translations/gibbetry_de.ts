<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AccessibleText</name>
    <message>
        <source>errors allowed</source>
        <translation>Fehler erlaubt</translation>
    </message>
    <message>
        <source>errors made</source>
        <translation>Fehler bisher</translation>
    </message>
    <message>
        <source>chances left</source>
        <translation>Chancen übrig</translation>
    </message>
    <message>
        <source>time of day</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>word list</source>
        <translation>Wortliste</translation>
    </message>
    <message>
        <source>word length limit</source>
        <translation>Begrenzung der Wortlänge</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>GAME OVER</source>
        <extracomment>Shown on the board, in capitals, when a game is lost.</extracomment>
        <translation>VERLOREN</translation>
    </message>
    <message>
        <source>Allowed errors</source>
        <extracomment>A counter of manual mode, its number to the right.</extracomment>
        <translation>Fehler erlaubt</translation>
    </message>
    <message>
        <source>Errors made</source>
        <translation>Fehler bisher</translation>
    </message>
    <message>
        <source>Chances left</source>
        <translation>Chancen übrig</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>gibbetry: no graphical desktop found (neither DISPLAY nor WAYLAND_DISPLAY is set); Gibbetry needs one to run.</source>
        <translation>gibbetry: Keine grafische Arbeitsumgebung gefunden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt); Gibbetry braucht eine, um zu laufen.</translation>
    </message>
    <message>
        <source>gibbetry: this Wayland desktop has no X server and Qt&apos;s Wayland support is not installed; install the qt6-wayland package to run Gibbetry.</source>
        <translation>gibbetry: Diese Wayland-Arbeitsumgebung hat keinen X-Server, und die Wayland-Unterstützung von Qt ist nicht installiert; installiere das Paket qt6-wayland, um Gibbetry zu starten.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <extracomment>%1 is the program&apos;s name, gibbetry.</extracomment>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>A game of hangman. It also takes Qt&apos;s options, such as -platform and -style.</source>
        <translation>Ein Galgenmännchen-Spiel. Es versteht auch die Optionen von Qt, zum Beispiel -platform und -style.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>a folder</source>
        <extracomment>What a path turned out to be, a noun phrase with its article; it stands where a sentence names what was found (&quot;%1 is %2, not a settings file&quot;).</extracomment>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>ein zeichenorientiertes Gerät</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>ein blockorientiertes Gerät</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>ein FIFO (benannte Pipe)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>eine Datei</translation>
    </message>
    <message>
        <source>no regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No word list is loaded, so no game can start. Choose a word list in Options.</source>
        <translation>Es ist keine Wortliste geladen, daher kann kein Spiel beginnen. Wähle unter „Einstellungen“ eine Wortliste.</translation>
    </message>
    <message numerus="yes">
        <source>No word of the list &quot;%1&quot; fits the length limit of %n characters. Choose a longer limit or another list in Options.</source>
        <translation>
            <numerusform>Die Liste „%1“ enthält kein Wort mit höchstens %n Buchstaben. Wähle unter „Einstellungen“ eine größere Wortlänge oder eine andere Liste.</numerusform>
            <numerusform>Die Liste „%1“ enthält kein Wort mit höchstens %n Buchstaben. Wähle unter „Einstellungen“ eine größere Wortlänge oder eine andere Liste.</numerusform>
        </translation>
    </message>
    <message>
        <source>You have completed the word.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Well done.</source>
        <extracomment>The win message: keep its line breaks.</extracomment>
        <translation>Du hast das Wort erraten.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Gut gemacht!</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>%1 %2</source>
        <comment>Two sentences of one message, the second after the first; a language that writes no space between sentences drops it</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read (%2), so it was left as it is.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden (%2), daher blieb sie unverändert.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read: %2. Gibbetry starts from the default options and will not save over that file.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden: %2. Gibbetry startet mit den Standardeinstellungen und überschreibt diese Datei nicht.</translation>
    </message>
    <message>
        <source>the settings file %1 kept changing while Gibbetry tried to move it aside, so it was left as it is.</source>
        <translation>Die Einstellungsdatei %1 änderte sich ständig, während Gibbetry versuchte, sie zu verschieben, daher ließ Gibbetry sie, wie sie ist.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings, and it kept changing while Gibbetry tried to move it aside, so it is left as it is and options will not be saved over it.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht als Gibbetry-Einstellungen gelesen werden und änderte sich ständig, während Gibbetry versuchte, sie zu verschieben. Daher lässt Gibbetry sie, wie sie ist, und überschreibt sie nicht mit Einstellungen.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 64 KiB, far more than Gibbetry&apos;s settings take.</source>
        <translation>Die Einstellungsdatei %1 ist größer als 64 KiB, weit mehr, als die Einstellungen von Gibbetry brauchen.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht als Gibbetry-Einstellungen gelesen werden.</translation>
    </message>
    <message>
        <source>The options it did not hold start from their defaults.</source>
        <translation>Einstellungen, die darin fehlten, erhalten ihre Standardwerte.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be checked (%2), so it was left as it is.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht als Gibbetry-Einstellungen gelesen und nicht überprüft werden (%2), daher blieb sie unverändert.</translation>
    </message>
    <message>
        <source>Where it lies could not be checked (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>Ihr Speicherort konnte nicht überprüft werden (%1), daher bleibt sie unverändert und wird nicht mit Einstellungen überschrieben.</translation>
    </message>
    <message>
        <source>it is reached through another user&apos;s symbolic link</source>
        <translation>sie wird über die symbolische Verknüpfung eines anderen Benutzers erreicht</translation>
    </message>
    <message>
        <source>its folder %1 does not belong to the owner of %2</source>
        <translation>ihr Ordner %1 gehört nicht dem Eigentümer von %2</translation>
    </message>
    <message>
        <source>the settings file %1 is left as it is, because %2 and Gibbetry run as root does not write there.</source>
        <translation>Die Einstellungsdatei %1 bleibt unverändert, denn %2, und Gibbetry schreibt als root nicht dorthin.</translation>
    </message>
    <message>
        <source>It is left as it is, and options will not be saved over it, because %1 and Gibbetry run as root does not write there.</source>
        <translation>Sie bleibt unverändert und wird nicht mit Einstellungen überschrieben, denn %1, und Gibbetry schreibt als root nicht dorthin.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be moved aside, so it was left as it is.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht als Gibbetry-Einstellungen gelesen und nicht verschoben werden, daher blieb sie unverändert.</translation>
    </message>
    <message>
        <source>It could not be moved aside (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>Sie konnte nicht verschoben werden (%1), daher bleibt sie unverändert und wird nicht mit Einstellungen überschrieben.</translation>
    </message>
    <message>
        <source>It was moved, unchanged, to %1.</source>
        <translation>Sie wurde unverändert nach %1 verschoben.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and no copy of it could be kept, so it was left as it is.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht als Gibbetry-Einstellungen gelesen werden, und es ließ sich keine Kopie von ihr anlegen, daher blieb sie unverändert.</translation>
    </message>
    <message>
        <source>No copy of it could be kept (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>Es ließ sich keine Kopie von ihr anlegen (%1), daher bleibt sie unverändert und wird nicht mit Einstellungen überschrieben.</translation>
    </message>
    <message>
        <source>It is reached through a symbolic link, which stays: a copy of it, unchanged, was kept as %1, and your next save writes over %2, where the link leads.</source>
        <translation>Sie wird über eine symbolische Verknüpfung erreicht, die erhalten bleibt: Eine unveränderte Kopie der Datei wurde als %1 angelegt, und beim nächsten Speichern wird %2 überschrieben, das Ziel der Verknüpfung.</translation>
    </message>
    <message>
        <source>It is no longer there: it was moved or deleted meanwhile.</source>
        <translation>Sie ist nicht mehr vorhanden: Sie wurde inzwischen verschoben oder gelöscht.</translation>
    </message>
    <message>
        <source>the folder %1 could not be reached: %2.</source>
        <translation>Der Ordner %1 konnte nicht erreicht werden: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2, which is %3, not a folder, so nothing was written.</source>
        <translation>%1 führt zu %2; das ist %3 und kein Ordner, daher wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 is reached through another user&apos;s symbolic link, which Gibbetry run as root does not follow, so nothing was written.</source>
        <translation>%1 wird über die symbolische Verknüpfung eines anderen Benutzers erreicht; solchen Verknüpfungen folgt Gibbetry als root nicht, daher wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 is %2, not a settings file, so nothing was written to it.</source>
        <translation>%1 ist %2 und keine Einstellungsdatei, daher wurde nichts hineingeschrieben.</translation>
    </message>
    <message>
        <source>%1 (through its link, %2)</source>
        <translation>%1 (Ziel der Verknüpfung: %2)</translation>
    </message>
    <message>
        <source>the settings file %1 could not be reached: %2.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht erreicht werden: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2, outside %3, and Gibbetry makes no file there.</source>
        <translation>%1 führt zu %2 außerhalb von %3, und Gibbetry legt dort keine Datei an.</translation>
    </message>
    <message>
        <source>the settings file %1 is read-only: its owner took away the permission to write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>Die Einstellungsdatei %1 ist schreibgeschützt, denn ihr Eigentümer hat die Schreibberechtigung entzogen. Daher lässt Gibbetry sie unverändert und speichert keine Einstellungen darin, solange das so bleibt.</translation>
    </message>
    <message>
        <source>the settings file %1 belongs to another account, which does not let you write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>Die Einstellungsdatei %1 gehört einem anderen Benutzerkonto, das dir das Schreiben darin nicht erlaubt. Daher lässt Gibbetry sie unverändert und speichert keine Einstellungen darin, solange das so bleibt.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to: %2.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>the folder %1 does not belong to the owner of %2, and Gibbetry run as root writes in no other user&apos;s folder, so nothing was written.</source>
        <translation>Der Ordner %1 gehört nicht dem Eigentümer von %2, und Gibbetry schreibt als root in keinen Ordner eines anderen Benutzers, daher wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>another Gibbetry game was saving its options to %1 and did not finish in time, so this game wrote nothing.</source>
        <translation>Ein anderes geöffnetes Gibbetry-Spiel speicherte gerade seine Einstellungen in %1 und wurde nicht rechtzeitig fertig, daher hat dieses Spiel nichts geschrieben.</translation>
    </message>
    <message>
        <source>Gibbetry could not make its lock file in the folder %1, so nothing was written.</source>
        <translation>Gibbetry konnte im Ordner %1 keine Sperrdatei anlegen, daher wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>the settings file %1 was changed by another program each time Gibbetry was about to save it, so it was left as it was.</source>
        <translation>Die Einstellungsdatei %1 wurde jedes Mal, wenn Gibbetry sie speichern wollte, von einem anderen Programm geändert, daher ließ Gibbetry sie, wie sie war.</translation>
    </message>
    <message>
        <source>The settings file %1 kept changing while Gibbetry saved your options in it: they are in it, but what another program wrote to it at the same moment may not be.</source>
        <translation>Die Einstellungsdatei %1 änderte sich ständig, während Gibbetry deine Einstellungen darin speicherte: Deine Einstellungen stehen darin, aber was ein anderes Programm im selben Moment hineingeschrieben hat, vielleicht nicht.</translation>
    </message>
    <message>
        <source>the settings file %1 was changed since Gibbetry read it and no longer reads as its settings, so it was left as it is.</source>
        <translation>Die Einstellungsdatei %1 wurde geändert, seit Gibbetry sie gelesen hat, und lässt sich nicht mehr als Gibbetry-Einstellungen lesen, daher ließ Gibbetry sie, wie sie ist.</translation>
    </message>
    <message>
        <source>the settings file %1 would grow larger than 64 KiB, so it was left as it was.</source>
        <translation>Die Einstellungsdatei %1 würde größer als 64 KiB werden, daher blieb sie unverändert.</translation>
    </message>
    <message>
        <source>the folder %1 was moved or replaced while Gibbetry saved, so nothing was written.</source>
        <translation>Der Ordner %1 wurde verschoben oder ersetzt, während Gibbetry speicherte, daher wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>the replaced file could not be read again</source>
        <translation>die ersetzte Datei konnte nicht erneut gelesen werden</translation>
    </message>
    <message>
        <source>there is no room left on the disk that holds %1, so the file was left as it was.</source>
        <translation>Auf dem Datenträger, auf dem %1 liegt, ist kein Platz mehr frei, daher blieb die Datei unverändert.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written: %2. It was left as it was.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht geschrieben werden: %2. Sie blieb unverändert.</translation>
    </message>
    <message>
        <source>the folder %1 could not be created: %2.</source>
        <translation>Der Ordner %1 konnte nicht erstellt werden: %2.</translation>
    </message>
    <message>
        <source>the folder %1 could not be given to its owner: %2.</source>
        <translation>Der Ordner %1 konnte nicht seinem Eigentümer zugewiesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Your options could not be saved: %1

They stay in force until Gibbetry is closed.</source>
        <translation>Deine Einstellungen konnten nicht gespeichert werden: %1

Sie gelten weiter, bis Gibbetry beendet wird.</translation>
    </message>
    <message numerus="yes">
        <source>Word length limited to %n characters</source>
        <extracomment>The status line; %n is the chosen length, 4 to 20.</extracomment>
        <translation>
            <numerusform>Wortlänge auf %n Buchstaben begrenzt</numerusform>
            <numerusform>Wortlänge auf %n Buchstaben begrenzt</numerusform>
        </translation>
    </message>
    <message>
        <source>No restriction on word length</source>
        <translation>Wortlänge unbegrenzt</translation>
    </message>
    <message>
        <source>Hint is OFF</source>
        <translation>Hinweis ist AUS</translation>
    </message>
</context>
<context>
    <name>PosixFileReader</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a character device, not a file</source>
        <translation>es ist ein zeichenorientiertes Gerät, keine Datei</translation>
    </message>
    <message>
        <source>it is a block device, not a file</source>
        <translation>es ist ein blockorientiertes Gerät, keine Datei</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe), not a file</source>
        <translation>es ist ein FIFO (benannte Pipe), keine Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>WordListLoader</name>
    <message>
        <source>The word list &quot;%1&quot; could not be read. It was looked for as:
%2

%3</source>
        <translation>Die Wortliste „%1“ konnte nicht gelesen werden. Gesucht wurde unter:
%2

%3</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.

%2</source>
        <translation>
            <numerusform>Die Wortliste %1 hat nicht innerhalb von %n Sekunde reagiert, daher wartet Gibbetry nicht länger darauf.

%2</numerusform>
            <numerusform>Die Wortliste %1 hat nicht innerhalb von %n Sekunden reagiert, daher wartet Gibbetry nicht länger darauf.

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it and reads its own list instead.</source>
        <translation>
            <numerusform>Die Wortliste %1 hat nicht innerhalb von %n Sekunde reagiert, daher wartet Gibbetry nicht länger darauf und verwendet stattdessen seine eigene Liste.</numerusform>
            <numerusform>Die Wortliste %1 hat nicht innerhalb von %n Sekunden reagiert, daher wartet Gibbetry nicht länger darauf und verwendet stattdessen seine eigene Liste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.</source>
        <translation>
            <numerusform>Die Wortliste %1 hat nicht innerhalb von %n Sekunde reagiert, daher wartet Gibbetry nicht länger darauf.</numerusform>
            <numerusform>Die Wortliste %1 hat nicht innerhalb von %n Sekunden reagiert, daher wartet Gibbetry nicht länger darauf.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n lines, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>Gibbetry liest von einer Wortliste nur %n Zeile, und darin enthält %1 kein spielbares Wort: Ein Wort braucht 1 bis 23 Buchstaben von A bis Z.

%2</numerusform>
            <numerusform>Gibbetry liest von einer Wortliste nur die ersten %n Zeilen, und darin enthält %1 kein spielbares Wort: Ein Wort braucht 1 bis 23 Buchstaben von A bis Z.

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n MiB, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>Gibbetry liest von einer Wortliste nur %n MiB, und darin enthält %1 kein spielbares Wort: Ein Wort braucht 1 bis 23 Buchstaben von A bis Z.

%2</numerusform>
            <numerusform>Gibbetry liest von einer Wortliste nur die ersten %n MiB, und darin enthält %1 kein spielbares Wort: Ein Wort braucht 1 bis 23 Buchstaben von A bis Z.

%2</numerusform>
        </translation>
    </message>
    <message>
        <source>The word list %1 holds no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>Die Wortliste %1 enthält kein spielbares Wort: Ein Wort braucht 1 bis 23 Buchstaben von A bis Z.

%2</translation>
    </message>
    <message>
        <source>Your word list %1 could not be read: %2. Gibbetry&apos;s own list is used instead.</source>
        <translation>Deine Wortliste %1 konnte nicht gelesen werden: %2. Stattdessen wird die eigene Liste von Gibbetry verwendet.</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n lines were loaded.</source>
        <translation>
            <numerusform>Die Wortliste %1 ist länger, als Gibbetry einliest: Nur %n Zeile wurde geladen.</numerusform>
            <numerusform>Die Wortliste %1 ist länger, als Gibbetry einliest: Nur die ersten %n Zeilen wurden geladen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n MiB were loaded.</source>
        <translation>
            <numerusform>Die Wortliste %1 ist länger, als Gibbetry einliest: Nur %n MiB wurde geladen.</numerusform>
            <numerusform>Die Wortliste %1 ist länger, als Gibbetry einliest: Nur die ersten %n MiB wurden geladen.</numerusform>
        </translation>
    </message>
    <message>
        <source>No word list is loaded: choose another in Options.</source>
        <translation>Es ist keine Wortliste geladen: Wähle unter „Einstellungen“ eine andere.</translation>
    </message>
    <message>
        <source>The word list &quot;%1&quot; stays in use.</source>
        <translation>Die Wortliste „%1“ wird weiter verwendet.</translation>
    </message>
</context>
<context>
    <name>WordSource</name>
    <message>
        <source>Australian English Dictionary (Tolvarin) - 45,000 words</source>
        <translation>Wörterbuch Australisches Englisch (Tolvarin) – 45.000 Wörter</translation>
    </message>
    <message>
        <source>Ogden&apos;s Basic English Words - 850 words</source>
        <translation>Ogden&apos;s Basic English – 850 Wörter</translation>
    </message>
    <message>
        <source>SmarterKid 1 - 5,000 words</source>
        <translation>SmarterKid 1 – 5.000 Wörter</translation>
    </message>
    <message>
        <source>SmarterKid 2 - 3,000 words</source>
        <translation>SmarterKid 2 – 3.000 Wörter</translation>
    </message>
    <message>
        <source>SmarterKid 3 - 8,000 words</source>
        <translation>SmarterKid 3 – 8.000 Wörter</translation>
    </message>
    <message>
        <source>SmarterKid 4 - 4,000 words</source>
        <translation>SmarterKid 4 – 4.000 Wörter</translation>
    </message>
    <message>
        <source>SmarterKid 5 - 34,000 words</source>
        <translation>SmarterKid 5 – 34.000 Wörter</translation>
    </message>
</context>
<context>
    <name>gibbetry::AboutBox</name>
    <message>
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the game&apos;s name, Gibbetry.</extracomment>
        <translation>Über %1</translation>
    </message>
</context>
<context>
    <name>gibbetry::MainWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Click on the letter to select it.</source>
        <translation>Klicke auf den Buchstaben, um ihn zu wählen.</translation>
    </message>
</context>
<context>
    <name>gibbetry::OptionsDialog</name>
    <message>
        <source>Gibbetry - Options</source>
        <translation>Gibbetry – Einstellungen</translation>
    </message>
    <message>
        <source>Select the number of wrong guesses allowed</source>
        <translation>Anzahl erlaubter Fehler wählen</translation>
    </message>
    <message>
        <source>Draw the hangman (allows 12 wrong guesses)</source>
        <translation>Galgenmännchen zeichnen (12 Fehler erlaubt)</translation>
    </message>
    <message>
        <source>Each wrong guess will result in part of the hangman being drawn</source>
        <translation>Bei jedem Fehler wird ein Teil des Galgenmännchens gezeichnet</translation>
    </message>
    <message>
        <source>Make a manual selection</source>
        <translation>Anzahl selbst wählen</translation>
    </message>
    <message>
        <source>Select source for word list</source>
        <translation>Wortliste wählen</translation>
    </message>
    <message>
        <source>Other options</source>
        <translation>Weitere Einstellungen</translation>
    </message>
    <message>
        <source>Show a hint</source>
        <translation>Hinweis anzeigen</translation>
    </message>
    <message>
        <source>Supplies you with a hint to help you to solve the word</source>
        <translation>Gibt dir einen Hinweis, der dir hilft, das Wort zu erraten</translation>
    </message>
    <message>
        <source>Limit the length of the words used to</source>
        <extracomment>Followed by a drop-down list of lengths, 4 to 20 letters.</extracomment>
        <translation>Wortlänge begrenzen auf</translation>
    </message>
    <message>
        <source>DONE</source>
        <extracomment>Closes the dialog and keeps its choices; capitals as on the rest of the button&apos;s kind.</extracomment>
        <translation>FERTIG</translation>
    </message>
</context>
</TS>
