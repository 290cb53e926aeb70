<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>AccessibleText</name>
    <message>
        <source>errors allowed</source>
        <translation>toegestane fouten</translation>
    </message>
    <message>
        <source>errors made</source>
        <translation>gemaakte fouten</translation>
    </message>
    <message>
        <source>chances left</source>
        <translation>kansen over</translation>
    </message>
    <message>
        <source>time of day</source>
        <translation>huidige tijd</translation>
    </message>
    <message>
        <source>word list</source>
        <translation>woordenlijst</translation>
    </message>
    <message>
        <source>word length limit</source>
        <translation>maximale woordlengte</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>tip</translation>
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
        <translation>Toegestane fouten</translation>
    </message>
    <message>
        <source>Errors made</source>
        <translation>Gemaakte fouten</translation>
    </message>
    <message>
        <source>Chances left</source>
        <translation>Kansen over</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>gibbetry: no graphical desktop found (neither DISPLAY nor WAYLAND_DISPLAY is set); Gibbetry needs one to run.</source>
        <translation>gibbetry: geen grafisch bureaublad gevonden (DISPLAY en WAYLAND_DISPLAY zijn allebei niet ingesteld); Gibbetry heeft er een nodig om te kunnen starten.</translation>
    </message>
    <message>
        <source>gibbetry: this Wayland desktop has no X server and Qt&apos;s Wayland support is not installed; install the qt6-wayland package to run Gibbetry.</source>
        <translation>gibbetry: dit Wayland-bureaublad heeft geen X-server en de Wayland-ondersteuning van Qt is niet geïnstalleerd; installeer het pakket qt6-wayland om Gibbetry te kunnen starten.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Deze hulp tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>De versie tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <extracomment>%1 is the program&apos;s name, gibbetry.</extracomment>
        <translation>Gebruik: %1 [opties]</translation>
    </message>
    <message>
        <source>A game of hangman. It also takes Qt&apos;s options, such as -platform and -style.</source>
        <translation>Een spelletje galgje. Het accepteert ook de opties van Qt, zoals -platform en -style.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opties:</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>a folder</source>
        <extracomment>What a path turned out to be, a noun phrase with its article; it stands where a sentence names what was found (&quot;%1 is %2, not a settings file&quot;).</extracomment>
        <translation>een map</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>een tekenapparaat</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>een blokapparaat</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>een FIFO (benoemde pipe)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>een socket</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>een bestand</translation>
    </message>
    <message>
        <source>no regular file</source>
        <translation>geen gewoon bestand</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No word list is loaded, so no game can start. Choose a word list in Options.</source>
        <translation>Er is geen woordenlijst geladen, dus er kan geen spel beginnen. Kies een woordenlijst in Opties.</translation>
    </message>
    <message numerus="yes">
        <source>No word of the list &quot;%1&quot; fits the length limit of %n characters. Choose a longer limit or another list in Options.</source>
        <translation>
            <numerusform>Geen enkel woord uit de lijst &quot;%1&quot; heeft %n letter of minder. Kies een grotere maximale woordlengte of een andere lijst in Opties.</numerusform>
            <numerusform>Geen enkel woord uit de lijst &quot;%1&quot; heeft %n letters of minder. Kies een grotere maximale woordlengte of een andere lijst in Opties.</numerusform>
        </translation>
    </message>
    <message>
        <source>You have completed the word.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Well done.</source>
        <extracomment>The win message: keep its line breaks.</extracomment>
        <translation>Je hebt het woord helemaal geraden.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Goed gedaan!</translation>
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
        <translation>het instellingenbestand %1 kon niet worden gelezen (%2), dus het is ongewijzigd gelaten.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read: %2. Gibbetry starts from the default options and will not save over that file.</source>
        <translation>Het instellingenbestand %1 kon niet worden gelezen: %2. Gibbetry begint met de standaardopties en zal dat bestand niet overschrijven.</translation>
    </message>
    <message>
        <source>the settings file %1 kept changing while Gibbetry tried to move it aside, so it was left as it is.</source>
        <translation>het instellingenbestand %1 bleef veranderen terwijl Gibbetry het opzij probeerde te zetten, dus het is ongewijzigd gelaten.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings, and it kept changing while Gibbetry tried to move it aside, so it is left as it is and options will not be saved over it.</source>
        <translation>Het instellingenbestand %1 kon niet als instellingen van Gibbetry worden gelezen en bleef veranderen terwijl Gibbetry het opzij probeerde te zetten, dus het blijft ongewijzigd en wordt niet met je opties overschreven.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 64 KiB, far more than Gibbetry&apos;s settings take.</source>
        <translation>Het instellingenbestand %1 is groter dan 64 KiB, veel meer dan de instellingen van Gibbetry nodig hebben.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings.</source>
        <translation>Het instellingenbestand %1 kon niet als instellingen van Gibbetry worden gelezen.</translation>
    </message>
    <message>
        <source>The options it did not hold start from their defaults.</source>
        <translation>De opties die er niet in stonden, krijgen hun standaardwaarde.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be checked (%2), so it was left as it is.</source>
        <translation>het instellingenbestand %1 kon niet als instellingen van Gibbetry worden gelezen en kon niet worden gecontroleerd (%2), dus het is ongewijzigd gelaten.</translation>
    </message>
    <message>
        <source>Where it lies could not be checked (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>De plek waar het staat kon niet worden gecontroleerd (%1), dus het blijft ongewijzigd en wordt niet met je opties overschreven.</translation>
    </message>
    <message>
        <source>it is reached through another user&apos;s symbolic link</source>
        <translation>het wordt bereikt via een symbolische koppeling van een andere gebruiker</translation>
    </message>
    <message>
        <source>its folder %1 does not belong to the owner of %2</source>
        <translation>de map %1 waarin het staat, is niet van de eigenaar van %2</translation>
    </message>
    <message>
        <source>the settings file %1 is left as it is, because %2 and Gibbetry run as root does not write there.</source>
        <translation>het instellingenbestand %1 blijft ongewijzigd, want %2, en als root schrijft Gibbetry daar niet.</translation>
    </message>
    <message>
        <source>It is left as it is, and options will not be saved over it, because %1 and Gibbetry run as root does not write there.</source>
        <translation>Het blijft ongewijzigd en wordt niet met je opties overschreven, want %1, en als root schrijft Gibbetry daar niet.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be moved aside, so it was left as it is.</source>
        <translation>het instellingenbestand %1 kon niet als instellingen van Gibbetry worden gelezen en kon niet opzij worden gezet, dus het is ongewijzigd gelaten.</translation>
    </message>
    <message>
        <source>It could not be moved aside (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>Het kon niet opzij worden gezet (%1), dus het blijft ongewijzigd en wordt niet met je opties overschreven.</translation>
    </message>
    <message>
        <source>It was moved, unchanged, to %1.</source>
        <translation>Het is onveranderd verplaatst naar %1.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and no copy of it could be kept, so it was left as it is.</source>
        <translation>het instellingenbestand %1 kon niet als instellingen van Gibbetry worden gelezen en er kon geen kopie van worden bewaard, dus het is ongewijzigd gelaten.</translation>
    </message>
    <message>
        <source>No copy of it could be kept (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>Er kon geen kopie van worden bewaard (%1), dus het blijft ongewijzigd en wordt niet met je opties overschreven.</translation>
    </message>
    <message>
        <source>It is reached through a symbolic link, which stays: a copy of it, unchanged, was kept as %1, and your next save writes over %2, where the link leads.</source>
        <translation>Het wordt bereikt via een symbolische koppeling, die blijft bestaan: een ongewijzigde kopie ervan is bewaard als %1, en de volgende keer dat je opslaat, wordt %2 overschreven, het bestand waar de koppeling naar verwijst.</translation>
    </message>
    <message>
        <source>It is no longer there: it was moved or deleted meanwhile.</source>
        <translation>Het is er niet meer: het is intussen verplaatst of verwijderd.</translation>
    </message>
    <message>
        <source>the folder %1 could not be reached: %2.</source>
        <translation>de map %1 kon niet worden bereikt: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2, which is %3, not a folder, so nothing was written.</source>
        <translation>%1 verwijst naar %2; dat is %3 en geen map, dus er is niets geschreven.</translation>
    </message>
    <message>
        <source>%1 is reached through another user&apos;s symbolic link, which Gibbetry run as root does not follow, so nothing was written.</source>
        <translation>%1 wordt bereikt via een symbolische koppeling van een andere gebruiker, en die volgt Gibbetry als root niet, dus er is niets geschreven.</translation>
    </message>
    <message>
        <source>%1 is %2, not a settings file, so nothing was written to it.</source>
        <translation>%1 is %2 en geen instellingenbestand, dus er is niets in geschreven.</translation>
    </message>
    <message>
        <source>%1 (through its link, %2)</source>
        <translation>%1 (een koppeling naar %2)</translation>
    </message>
    <message>
        <source>the settings file %1 could not be reached: %2.</source>
        <translation>het instellingenbestand %1 kon niet worden bereikt: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2, outside %3, and Gibbetry makes no file there.</source>
        <translation>%1 verwijst naar %2, buiten %3, en daar maakt Gibbetry geen bestand aan.</translation>
    </message>
    <message>
        <source>the settings file %1 is read-only: its owner took away the permission to write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>het instellingenbestand %1 is alleen-lezen: de eigenaar heeft de schrijfrechten ervan weggehaald, dus Gibbetry laat het ongewijzigd en slaat er geen opties in op zolang dat zo blijft.</translation>
    </message>
    <message>
        <source>the settings file %1 belongs to another account, which does not let you write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>het instellingenbestand %1 is van een ander account, dat je er niet in laat schrijven, dus Gibbetry laat het ongewijzigd en slaat er geen opties in op zolang dat zo blijft.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to: %2.</source>
        <translation>in de map %1 kan niet worden geschreven: %2.</translation>
    </message>
    <message>
        <source>the folder %1 does not belong to the owner of %2, and Gibbetry run as root writes in no other user&apos;s folder, so nothing was written.</source>
        <translation>de map %1 is niet van de eigenaar van %2, en als root schrijft Gibbetry niet in de map van een andere gebruiker, dus er is niets geschreven.</translation>
    </message>
    <message>
        <source>another Gibbetry game was saving its options to %1 and did not finish in time, so this game wrote nothing.</source>
        <translation>een ander geopend Gibbetry-spel was zijn opties aan het opslaan in %1 en was niet op tijd klaar, dus dit spel heeft niets geschreven.</translation>
    </message>
    <message>
        <source>Gibbetry could not make its lock file in the folder %1, so nothing was written.</source>
        <translation>Gibbetry kon zijn vergrendelingsbestand niet aanmaken in de map %1, dus er is niets geschreven.</translation>
    </message>
    <message>
        <source>the settings file %1 was changed by another program each time Gibbetry was about to save it, so it was left as it was.</source>
        <translation>het instellingenbestand %1 werd door een ander programma gewijzigd telkens als Gibbetry het wilde opslaan, dus het is ongewijzigd gelaten.</translation>
    </message>
    <message>
        <source>The settings file %1 kept changing while Gibbetry saved your options in it: they are in it, but what another program wrote to it at the same moment may not be.</source>
        <translation>Het instellingenbestand %1 bleef veranderen terwijl Gibbetry je opties erin opsloeg: je opties staan erin, maar wat een ander programma er op hetzelfde moment in schreef, misschien niet.</translation>
    </message>
    <message>
        <source>the settings file %1 was changed since Gibbetry read it and no longer reads as its settings, so it was left as it is.</source>
        <translation>het instellingenbestand %1 is gewijzigd sinds Gibbetry het las en is niet meer als instellingen van Gibbetry te lezen, dus het is ongewijzigd gelaten.</translation>
    </message>
    <message>
        <source>the settings file %1 would grow larger than 64 KiB, so it was left as it was.</source>
        <translation>het instellingenbestand %1 zou groter worden dan 64 KiB, dus het is ongewijzigd gelaten.</translation>
    </message>
    <message>
        <source>the folder %1 was moved or replaced while Gibbetry saved, so nothing was written.</source>
        <translation>de map %1 is verplaatst of vervangen terwijl Gibbetry aan het opslaan was, dus er is niets geschreven.</translation>
    </message>
    <message>
        <source>the replaced file could not be read again</source>
        <translation>het vervangen bestand kon niet opnieuw worden gelezen</translation>
    </message>
    <message>
        <source>there is no room left on the disk that holds %1, so the file was left as it was.</source>
        <translation>er is geen ruimte meer op de schijf waarop %1 staat, dus het bestand is ongewijzigd gelaten.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written: %2. It was left as it was.</source>
        <translation>het instellingenbestand %1 kon niet worden geschreven: %2. Het is ongewijzigd gelaten.</translation>
    </message>
    <message>
        <source>the folder %1 could not be created: %2.</source>
        <translation>de map %1 kon niet worden aangemaakt: %2.</translation>
    </message>
    <message>
        <source>the folder %1 could not be given to its owner: %2.</source>
        <translation>de map %1 kon niet aan de juiste eigenaar worden toegewezen: %2.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Your options could not be saved: %1

They stay in force until Gibbetry is closed.</source>
        <translation>Je opties konden niet worden opgeslagen: %1

Ze blijven gelden tot Gibbetry wordt afgesloten.</translation>
    </message>
    <message numerus="yes">
        <source>Word length limited to %n characters</source>
        <extracomment>The status line; %n is the chosen length, 4 to 20.</extracomment>
        <translation>
            <numerusform>Woordlengte maximaal %n letter</numerusform>
            <numerusform>Woordlengte maximaal %n letters</numerusform>
        </translation>
    </message>
    <message>
        <source>No restriction on word length</source>
        <translation>Woordlengte onbeperkt</translation>
    </message>
    <message>
        <source>Hint is OFF</source>
        <translation>Tip staat UIT</translation>
    </message>
</context>
<context>
    <name>PosixFileReader</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>het is een map, geen bestand</translation>
    </message>
    <message>
        <source>it is a character device, not a file</source>
        <translation>het is een tekenapparaat, geen bestand</translation>
    </message>
    <message>
        <source>it is a block device, not a file</source>
        <translation>het is een blokapparaat, geen bestand</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe), not a file</source>
        <translation>het is een FIFO (benoemde pipe), geen bestand</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>het is een socket, geen bestand</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
</context>
<context>
    <name>WordListLoader</name>
    <message>
        <source>The word list &quot;%1&quot; could not be read. It was looked for as:
%2

%3</source>
        <translation>De woordenlijst &quot;%1&quot; kon niet worden gelezen. Er is gezocht naar:
%2

%3</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.

%2</source>
        <translation>
            <numerusform>De woordenlijst %1 gaf binnen %n seconde geen antwoord, dus Gibbetry wacht er niet meer op.

%2</numerusform>
            <numerusform>De woordenlijst %1 gaf binnen %n seconden geen antwoord, dus Gibbetry wacht er niet meer op.

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it and reads its own list instead.</source>
        <translation>
            <numerusform>De woordenlijst %1 gaf binnen %n seconde geen antwoord, dus Gibbetry wacht er niet meer op en leest in plaats daarvan zijn eigen lijst.</numerusform>
            <numerusform>De woordenlijst %1 gaf binnen %n seconden geen antwoord, dus Gibbetry wacht er niet meer op en leest in plaats daarvan zijn eigen lijst.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.</source>
        <translation>
            <numerusform>De woordenlijst %1 gaf binnen %n seconde geen antwoord, dus Gibbetry wacht er niet meer op.</numerusform>
            <numerusform>De woordenlijst %1 gaf binnen %n seconden geen antwoord, dus Gibbetry wacht er niet meer op.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n lines, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>Gibbetry leest van een woordenlijst alleen de eerste %n regel, en in dat deel van %1 staat geen woord waarmee gespeeld kan worden: een woord moet 1 tot 23 letters van A tot Z hebben.

%2</numerusform>
            <numerusform>Gibbetry leest van een woordenlijst alleen de eerste %n regels, en in dat deel van %1 staat geen woord waarmee gespeeld kan worden: een woord moet 1 tot 23 letters van A tot Z hebben.

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n MiB, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>Gibbetry leest van een woordenlijst alleen de eerste %n MiB, en in dat deel van %1 staat geen woord waarmee gespeeld kan worden: een woord moet 1 tot 23 letters van A tot Z hebben.

%2</numerusform>
            <numerusform>Gibbetry leest van een woordenlijst alleen de eerste %n MiB, en in dat deel van %1 staat geen woord waarmee gespeeld kan worden: een woord moet 1 tot 23 letters van A tot Z hebben.

%2</numerusform>
        </translation>
    </message>
    <message>
        <source>The word list %1 holds no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>In de woordenlijst %1 staat geen woord waarmee gespeeld kan worden: een woord moet 1 tot 23 letters van A tot Z hebben.

%2</translation>
    </message>
    <message>
        <source>Your word list %1 could not be read: %2. Gibbetry&apos;s own list is used instead.</source>
        <translation>Je woordenlijst %1 kon niet worden gelezen: %2. In plaats daarvan wordt de eigen lijst van Gibbetry gebruikt.</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n lines were loaded.</source>
        <translation>
            <numerusform>De woordenlijst %1 is langer dan Gibbetry leest: alleen de eerste %n regel is geladen.</numerusform>
            <numerusform>De woordenlijst %1 is langer dan Gibbetry leest: alleen de eerste %n regels zijn geladen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n MiB were loaded.</source>
        <translation>
            <numerusform>De woordenlijst %1 is langer dan Gibbetry leest: alleen de eerste %n MiB is geladen.</numerusform>
            <numerusform>De woordenlijst %1 is langer dan Gibbetry leest: alleen de eerste %n MiB is geladen.</numerusform>
        </translation>
    </message>
    <message>
        <source>No word list is loaded: choose another in Options.</source>
        <translation>Er is geen woordenlijst geladen: kies een andere in Opties.</translation>
    </message>
    <message>
        <source>The word list &quot;%1&quot; stays in use.</source>
        <translation>De woordenlijst &quot;%1&quot; blijft in gebruik.</translation>
    </message>
</context>
<context>
    <name>WordSource</name>
    <message>
        <source>Australian English Dictionary (Tolvarin) - 45,000 words</source>
        <translation>Woordenboek Australisch Engels (Tolvarin) - 45.000 woorden</translation>
    </message>
    <message>
        <source>Ogden&apos;s Basic English Words - 850 words</source>
        <translation>Woorden uit Ogden&apos;s Basic English - 850 woorden</translation>
    </message>
    <message>
        <source>SmarterKid 1 - 5,000 words</source>
        <translation>SmarterKid 1 - 5.000 woorden</translation>
    </message>
    <message>
        <source>SmarterKid 2 - 3,000 words</source>
        <translation>SmarterKid 2 - 3.000 woorden</translation>
    </message>
    <message>
        <source>SmarterKid 3 - 8,000 words</source>
        <translation>SmarterKid 3 - 8.000 woorden</translation>
    </message>
    <message>
        <source>SmarterKid 4 - 4,000 words</source>
        <translation>SmarterKid 4 - 4.000 woorden</translation>
    </message>
    <message>
        <source>SmarterKid 5 - 34,000 words</source>
        <translation>SmarterKid 5 - 34.000 woorden</translation>
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
        <translation>Info over %1</translation>
    </message>
</context>
<context>
    <name>gibbetry::MainWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Click on the letter to select it.</source>
        <translation>Klik op een letter om die te kiezen.</translation>
    </message>
</context>
<context>
    <name>gibbetry::OptionsDialog</name>
    <message>
        <source>Gibbetry - Options</source>
        <translation>Gibbetry - Opties</translation>
    </message>
    <message>
        <source>Select the number of wrong guesses allowed</source>
        <translation>Kies het aantal toegestane foute gokken</translation>
    </message>
    <message>
        <source>Draw the hangman (allows 12 wrong guesses)</source>
        <translation>Galgje tekenen (12 foute gokken toegestaan)</translation>
    </message>
    <message>
        <source>Each wrong guess will result in part of the hangman being drawn</source>
        <translation>Bij elke foute gok wordt een stukje van het galgje getekend</translation>
    </message>
    <message>
        <source>Make a manual selection</source>
        <translation>Zelf kiezen</translation>
    </message>
    <message>
        <source>Select source for word list</source>
        <translation>Kies een woordenlijst</translation>
    </message>
    <message>
        <source>Other options</source>
        <translation>Overige opties</translation>
    </message>
    <message>
        <source>Show a hint</source>
        <translation>Tip tonen</translation>
    </message>
    <message>
        <source>Supplies you with a hint to help you to solve the word</source>
        <translation>Geeft je een tip die helpt om het woord te raden</translation>
    </message>
    <message>
        <source>Limit the length of the words used to</source>
        <extracomment>Followed by a drop-down list of lengths, 4 to 20 letters.</extracomment>
        <translation>Woordlengte beperken tot</translation>
    </message>
    <message>
        <source>DONE</source>
        <extracomment>Closes the dialog and keeps its choices; capitals as on the rest of the button&apos;s kind.</extracomment>
        <translation>KLAAR</translation>
    </message>
</context>
</TS>
