<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>AccessibleText</name>
    <message>
        <source>errors allowed</source>
        <translation>limit pomyłek</translation>
    </message>
    <message>
        <source>errors made</source>
        <translation>popełnione pomyłki</translation>
    </message>
    <message>
        <source>chances left</source>
        <translation>pozostałe szanse</translation>
    </message>
    <message>
        <source>time of day</source>
        <translation>godzina</translation>
    </message>
    <message>
        <source>word list</source>
        <translation>lista słów</translation>
    </message>
    <message>
        <source>word length limit</source>
        <translation>limit długości słów</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>podpowiedź</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>GAME OVER</source>
        <extracomment>Shown on the board, in capitals, when a game is lost.</extracomment>
        <translation>KONIEC GRY</translation>
    </message>
    <message>
        <source>Allowed errors</source>
        <extracomment>A counter of manual mode, its number to the right.</extracomment>
        <translation>Limit pomyłek</translation>
    </message>
    <message>
        <source>Errors made</source>
        <translation>Pomyłki</translation>
    </message>
    <message>
        <source>Chances left</source>
        <translation>Pozostałe szanse</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>gibbetry: no graphical desktop found (neither DISPLAY nor WAYLAND_DISPLAY is set); Gibbetry needs one to run.</source>
        <translation>gibbetry: nie znaleziono środowiska graficznego (nie ustawiono ani DISPLAY, ani WAYLAND_DISPLAY); Gibbetry potrzebuje go do działania.</translation>
    </message>
    <message>
        <source>gibbetry: this Wayland desktop has no X server and Qt&apos;s Wayland support is not installed; install the qt6-wayland package to run Gibbetry.</source>
        <translation>gibbetry: to środowisko Wayland nie ma serwera X, a obsługa protokołu Wayland w Qt nie jest zainstalowana; zainstaluj pakiet qt6-wayland, aby uruchomić Gibbetry.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Wyświetla tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Wyświetla wersję programu i kończy działanie.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <extracomment>%1 is the program&apos;s name, gibbetry.</extracomment>
        <translation>Użycie: %1 [opcje]</translation>
    </message>
    <message>
        <source>A game of hangman. It also takes Qt&apos;s options, such as -platform and -style.</source>
        <translation>Gra w wisielca. Przyjmuje też opcje Qt, takie jak -platform i -style.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>a folder</source>
        <extracomment>What a path turned out to be, a noun phrase with its article; it stands where a sentence names what was found (&quot;%1 is %2, not a settings file&quot;).</extracomment>
        <translation>katalog</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>urządzenie znakowe</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>urządzenie blokowe</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>FIFO (potok nazwany)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>gniazdo</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>plik</translation>
    </message>
    <message>
        <source>no regular file</source>
        <translation>coś innego niż zwykły plik</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No word list is loaded, so no game can start. Choose a word list in Options.</source>
        <translation>Nie wczytano żadnej listy słów, więc nie można rozpocząć gry. Wybierz listę słów w Opcjach.</translation>
    </message>
    <message numerus="yes">
        <source>No word of the list &quot;%1&quot; fits the length limit of %n characters. Choose a longer limit or another list in Options.</source>
        <translation>
            <numerusform>Żadne słowo z listy „%1” nie mieści się w limicie %n litery. W Opcjach wybierz większy limit lub inną listę.</numerusform>
            <numerusform>Żadne słowo z listy „%1” nie mieści się w limicie %n liter. W Opcjach wybierz większy limit lub inną listę.</numerusform>
            <numerusform>Żadne słowo z listy „%1” nie mieści się w limicie %n liter. W Opcjach wybierz większy limit lub inną listę.</numerusform>
        </translation>
    </message>
    <message>
        <source>You have completed the word.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Well done.</source>
        <extracomment>The win message: keep its line breaks.</extracomment>
        <translation>Udało ci się odgadnąć słowo.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Brawo!</translation>
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
        <translation>nie udało się odczytać pliku ustawień %1 (%2), więc pozostawiono go bez zmian.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read: %2. Gibbetry starts from the default options and will not save over that file.</source>
        <translation>Nie udało się odczytać pliku ustawień %1: %2. Gibbetry uruchamia się z domyślnymi opcjami i nie nadpisze tego pliku.</translation>
    </message>
    <message>
        <source>the settings file %1 kept changing while Gibbetry tried to move it aside, so it was left as it is.</source>
        <translation>plik ustawień %1 ciągle się zmieniał podczas próby przeniesienia go w inne miejsce, więc pozostawiono go bez zmian.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings, and it kept changing while Gibbetry tried to move it aside, so it is left as it is and options will not be saved over it.</source>
        <translation>Plik ustawień %1 nie zawiera ustawień, które Gibbetry potrafi odczytać, a podczas próby przeniesienia go w inne miejsce ciągle się zmieniał, więc pozostaje bez zmian i opcje nie będą w nim zapisywane.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 64 KiB, far more than Gibbetry&apos;s settings take.</source>
        <translation>Plik ustawień %1 ma ponad 64 KiB, znacznie więcej, niż zajmują ustawienia programu Gibbetry.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings.</source>
        <translation>Plik ustawień %1 nie zawiera ustawień, które Gibbetry potrafi odczytać.</translation>
    </message>
    <message>
        <source>The options it did not hold start from their defaults.</source>
        <translation>Opcje, których w nim nie było, przyjmują wartości domyślne.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be checked (%2), so it was left as it is.</source>
        <translation>plik ustawień %1 nie zawiera ustawień, które Gibbetry potrafi odczytać, i nie udało się go sprawdzić (%2), więc pozostawiono go bez zmian.</translation>
    </message>
    <message>
        <source>Where it lies could not be checked (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>Nie udało się sprawdzić, gdzie się znajduje (%1), więc pozostaje bez zmian, a opcje nie będą w nim zapisywane.</translation>
    </message>
    <message>
        <source>it is reached through another user&apos;s symbolic link</source>
        <translation>prowadzi do niego dowiązanie symboliczne innego użytkownika</translation>
    </message>
    <message>
        <source>its folder %1 does not belong to the owner of %2</source>
        <translation>jego katalog %1 nie należy do właściciela %2</translation>
    </message>
    <message>
        <source>the settings file %1 is left as it is, because %2 and Gibbetry run as root does not write there.</source>
        <translation>plik ustawień %1 pozostaje bez zmian, ponieważ %2, a program Gibbetry uruchomiony jako root niczego tam nie zapisuje.</translation>
    </message>
    <message>
        <source>It is left as it is, and options will not be saved over it, because %1 and Gibbetry run as root does not write there.</source>
        <translation>Pozostaje bez zmian i opcje nie będą w nim zapisywane, ponieważ %1, a program Gibbetry uruchomiony jako root niczego tam nie zapisuje.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be moved aside, so it was left as it is.</source>
        <translation>plik ustawień %1 nie zawiera ustawień, które Gibbetry potrafi odczytać, i nie udało się go przenieść w inne miejsce, więc pozostawiono go bez zmian.</translation>
    </message>
    <message>
        <source>It could not be moved aside (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>Nie udało się go przenieść w inne miejsce (%1), więc pozostaje bez zmian, a opcje nie będą w nim zapisywane.</translation>
    </message>
    <message>
        <source>It was moved, unchanged, to %1.</source>
        <translation>Przeniesiono go bez zmian do %1.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and no copy of it could be kept, so it was left as it is.</source>
        <translation>plik ustawień %1 nie zawiera ustawień, które Gibbetry potrafi odczytać, i nie udało się zachować jego kopii, więc pozostawiono go bez zmian.</translation>
    </message>
    <message>
        <source>No copy of it could be kept (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>Nie udało się zachować jego kopii (%1), więc pozostaje bez zmian, a opcje nie będą w nim zapisywane.</translation>
    </message>
    <message>
        <source>It is reached through a symbolic link, which stays: a copy of it, unchanged, was kept as %1, and your next save writes over %2, where the link leads.</source>
        <translation>Prowadzi do niego dowiązanie symboliczne, które zostaje na miejscu: niezmienioną kopię pliku zachowano jako %1, a przy następnym zapisie opcji zostanie nadpisany plik %2, na który wskazuje dowiązanie.</translation>
    </message>
    <message>
        <source>It is no longer there: it was moved or deleted meanwhile.</source>
        <translation>Już go tam nie ma: w międzyczasie został przeniesiony lub usunięty.</translation>
    </message>
    <message>
        <source>the folder %1 could not be reached: %2.</source>
        <translation>nie udało się uzyskać dostępu do katalogu %1: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2, which is %3, not a folder, so nothing was written.</source>
        <translation>%1 prowadzi do %2, ale to %3, a nie katalog, więc niczego nie zapisano.</translation>
    </message>
    <message>
        <source>%1 is reached through another user&apos;s symbolic link, which Gibbetry run as root does not follow, so nothing was written.</source>
        <translation>do %1 prowadzi dowiązanie symboliczne innego użytkownika, a program Gibbetry uruchomiony jako root nie podąża za takimi dowiązaniami, więc niczego nie zapisano.</translation>
    </message>
    <message>
        <source>%1 is %2, not a settings file, so nothing was written to it.</source>
        <translation>%1 to %2, a nie plik ustawień, więc niczego w nim nie zapisano.</translation>
    </message>
    <message>
        <source>%1 (through its link, %2)</source>
        <translation>%1 (dowiązanie do %2)</translation>
    </message>
    <message>
        <source>the settings file %1 could not be reached: %2.</source>
        <translation>nie udało się uzyskać dostępu do pliku ustawień %1: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2, outside %3, and Gibbetry makes no file there.</source>
        <translation>%1 prowadzi do %2, poza %3, a Gibbetry nie tworzy tam żadnych plików.</translation>
    </message>
    <message>
        <source>the settings file %1 is read-only: its owner took away the permission to write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>plik ustawień %1 jest tylko do odczytu: jego właściciel odebrał prawo zapisu, więc Gibbetry pozostawia go bez zmian i nie zapisuje w nim opcji, dopóki się to nie zmieni.</translation>
    </message>
    <message>
        <source>the settings file %1 belongs to another account, which does not let you write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>plik ustawień %1 należy do innego konta, które nie daje ci prawa zapisu, więc Gibbetry pozostawia go bez zmian i nie zapisuje w nim opcji, dopóki się to nie zmieni.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to: %2.</source>
        <translation>nie można zapisywać w katalogu %1: %2.</translation>
    </message>
    <message>
        <source>the folder %1 does not belong to the owner of %2, and Gibbetry run as root writes in no other user&apos;s folder, so nothing was written.</source>
        <translation>katalog %1 nie należy do właściciela %2, a program Gibbetry uruchomiony jako root nie zapisuje w katalogach innych użytkowników, więc niczego nie zapisano.</translation>
    </message>
    <message>
        <source>another Gibbetry game was saving its options to %1 and did not finish in time, so this game wrote nothing.</source>
        <translation>inna uruchomiona gra Gibbetry zapisywała swoje opcje w %1 i nie skończyła na czas, więc ta gra niczego nie zapisała.</translation>
    </message>
    <message>
        <source>Gibbetry could not make its lock file in the folder %1, so nothing was written.</source>
        <translation>Gibbetry nie mógł utworzyć swojego pliku blokady w katalogu %1, więc niczego nie zapisano.</translation>
    </message>
    <message>
        <source>the settings file %1 was changed by another program each time Gibbetry was about to save it, so it was left as it was.</source>
        <translation>plik ustawień %1 był zmieniany przez inny program za każdym razem, gdy Gibbetry miał go zapisać, więc pozostawiono go bez zmian.</translation>
    </message>
    <message>
        <source>The settings file %1 kept changing while Gibbetry saved your options in it: they are in it, but what another program wrote to it at the same moment may not be.</source>
        <translation>Plik ustawień %1 ciągle się zmieniał, gdy Gibbetry zapisywał w nim twoje opcje: zostały w nim zapisane, ale tego, co w tej samej chwili zapisał w nim inny program, może tam nie być.</translation>
    </message>
    <message>
        <source>the settings file %1 was changed since Gibbetry read it and no longer reads as its settings, so it was left as it is.</source>
        <translation>plik ustawień %1 zmienił się, odkąd Gibbetry go wczytał, i nie zawiera już ustawień, które program potrafi odczytać, więc pozostawiono go bez zmian.</translation>
    </message>
    <message>
        <source>the settings file %1 would grow larger than 64 KiB, so it was left as it was.</source>
        <translation>plik ustawień %1 przekroczyłby rozmiar 64 KiB, więc pozostawiono go bez zmian.</translation>
    </message>
    <message>
        <source>the folder %1 was moved or replaced while Gibbetry saved, so nothing was written.</source>
        <translation>katalog %1 został przeniesiony lub zastąpiony, gdy Gibbetry zapisywał opcje, więc niczego nie zapisano.</translation>
    </message>
    <message>
        <source>the replaced file could not be read again</source>
        <translation>nie udało się ponownie odczytać zastąpionego pliku</translation>
    </message>
    <message>
        <source>there is no room left on the disk that holds %1, so the file was left as it was.</source>
        <translation>na dysku, na którym znajduje się %1, zabrakło miejsca, więc plik pozostawiono bez zmian.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written: %2. It was left as it was.</source>
        <translation>nie udało się zapisać pliku ustawień %1: %2. Pozostawiono go bez zmian.</translation>
    </message>
    <message>
        <source>the folder %1 could not be created: %2.</source>
        <translation>nie udało się utworzyć katalogu %1: %2.</translation>
    </message>
    <message>
        <source>the folder %1 could not be given to its owner: %2.</source>
        <translation>nie udało się ustawić właściciela katalogu %1: %2.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Your options could not be saved: %1

They stay in force until Gibbetry is closed.</source>
        <translation>Nie udało się zapisać twoich opcji: %1

Będą obowiązywać do zamknięcia programu Gibbetry.</translation>
    </message>
    <message numerus="yes">
        <source>Word length limited to %n characters</source>
        <extracomment>The status line; %n is the chosen length, 4 to 20.</extracomment>
        <translation>
            <numerusform>Długość słów: do %n litery</numerusform>
            <numerusform>Długość słów: do %n liter</numerusform>
            <numerusform>Długość słów: do %n liter</numerusform>
        </translation>
    </message>
    <message>
        <source>No restriction on word length</source>
        <translation>Długość słów: bez limitu</translation>
    </message>
    <message>
        <source>Hint is OFF</source>
        <translation>Bez podpowiedzi</translation>
    </message>
</context>
<context>
    <name>PosixFileReader</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>to katalog, a nie plik</translation>
    </message>
    <message>
        <source>it is a character device, not a file</source>
        <translation>to urządzenie znakowe, a nie plik</translation>
    </message>
    <message>
        <source>it is a block device, not a file</source>
        <translation>to urządzenie blokowe, a nie plik</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe), not a file</source>
        <translation>to FIFO (potok nazwany), a nie plik</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>to gniazdo, a nie plik</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
</context>
<context>
    <name>WordListLoader</name>
    <message>
        <source>The word list &quot;%1&quot; could not be read. It was looked for as:
%2

%3</source>
        <translation>Nie udało się odczytać listy słów „%1”. Miejsca, w których jej szukano:
%2

%3</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.

%2</source>
        <translation>
            <numerusform>Lista słów %1 nie wczytała się w ciągu %n sekundy, więc Gibbetry przestał na nią czekać.

%2</numerusform>
            <numerusform>Lista słów %1 nie wczytała się w ciągu %n sekund, więc Gibbetry przestał na nią czekać.

%2</numerusform>
            <numerusform>Lista słów %1 nie wczytała się w ciągu %n sekund, więc Gibbetry przestał na nią czekać.

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it and reads its own list instead.</source>
        <translation>
            <numerusform>Lista słów %1 nie wczytała się w ciągu %n sekundy, więc Gibbetry przestał na nią czekać i zamiast niej wczytuje własną listę.</numerusform>
            <numerusform>Lista słów %1 nie wczytała się w ciągu %n sekund, więc Gibbetry przestał na nią czekać i zamiast niej wczytuje własną listę.</numerusform>
            <numerusform>Lista słów %1 nie wczytała się w ciągu %n sekund, więc Gibbetry przestał na nią czekać i zamiast niej wczytuje własną listę.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.</source>
        <translation>
            <numerusform>Lista słów %1 nie wczytała się w ciągu %n sekundy, więc Gibbetry przestał na nią czekać.</numerusform>
            <numerusform>Lista słów %1 nie wczytała się w ciągu %n sekund, więc Gibbetry przestał na nią czekać.</numerusform>
            <numerusform>Lista słów %1 nie wczytała się w ciągu %n sekund, więc Gibbetry przestał na nią czekać.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n lines, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>Gibbetry wczytuje z listy słów tylko pierwszy %n wiersz, a w tej części listy %1 nie ma żadnego słowa nadającego się do gry: słowo musi mieć od 1 do 23 liter od A do Z.

%2</numerusform>
            <numerusform>Gibbetry wczytuje z listy słów tylko pierwsze %n wiersze, a w tej części listy %1 nie ma żadnego słowa nadającego się do gry: słowo musi mieć od 1 do 23 liter od A do Z.

%2</numerusform>
            <numerusform>Gibbetry wczytuje z listy słów tylko pierwszych %n wierszy, a w tej części listy %1 nie ma żadnego słowa nadającego się do gry: słowo musi mieć od 1 do 23 liter od A do Z.

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n MiB, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>Gibbetry wczytuje z listy słów tylko pierwszy %n MiB, a w tej części listy %1 nie ma żadnego słowa nadającego się do gry: słowo musi mieć od 1 do 23 liter od A do Z.

%2</numerusform>
            <numerusform>Gibbetry wczytuje z listy słów tylko pierwsze %n MiB, a w tej części listy %1 nie ma żadnego słowa nadającego się do gry: słowo musi mieć od 1 do 23 liter od A do Z.

%2</numerusform>
            <numerusform>Gibbetry wczytuje z listy słów tylko pierwszych %n MiB, a w tej części listy %1 nie ma żadnego słowa nadającego się do gry: słowo musi mieć od 1 do 23 liter od A do Z.

%2</numerusform>
        </translation>
    </message>
    <message>
        <source>The word list %1 holds no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>Na liście słów %1 nie ma żadnego słowa nadającego się do gry: słowo musi mieć od 1 do 23 liter od A do Z.

%2</translation>
    </message>
    <message>
        <source>Your word list %1 could not be read: %2. Gibbetry&apos;s own list is used instead.</source>
        <translation>Nie udało się odczytać twojej listy słów %1: %2. Zamiast niej używana jest własna lista programu Gibbetry.</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n lines were loaded.</source>
        <translation>
            <numerusform>Lista słów %1 jest za długa dla programu Gibbetry: wczytano tylko pierwszy %n wiersz.</numerusform>
            <numerusform>Lista słów %1 jest za długa dla programu Gibbetry: wczytano tylko pierwsze %n wiersze.</numerusform>
            <numerusform>Lista słów %1 jest za długa dla programu Gibbetry: wczytano tylko pierwszych %n wierszy.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n MiB were loaded.</source>
        <translation>
            <numerusform>Lista słów %1 jest za długa dla programu Gibbetry: wczytano tylko pierwszy %n MiB.</numerusform>
            <numerusform>Lista słów %1 jest za długa dla programu Gibbetry: wczytano tylko pierwsze %n MiB.</numerusform>
            <numerusform>Lista słów %1 jest za długa dla programu Gibbetry: wczytano tylko pierwszych %n MiB.</numerusform>
        </translation>
    </message>
    <message>
        <source>No word list is loaded: choose another in Options.</source>
        <translation>Nie wczytano żadnej listy słów: wybierz inną w Opcjach.</translation>
    </message>
    <message>
        <source>The word list &quot;%1&quot; stays in use.</source>
        <translation>Nadal używana jest lista słów „%1”.</translation>
    </message>
</context>
<context>
    <name>WordSource</name>
    <message>
        <source>Australian English Dictionary (Tolvarin) - 45,000 words</source>
        <translation>Słownik australijskiego angielskiego (Tolvarin) – 45&#xa0;000 słów</translation>
    </message>
    <message>
        <source>Ogden&apos;s Basic English Words - 850 words</source>
        <translation>Słownictwo Ogden&apos;s Basic English – 850 słów</translation>
    </message>
    <message>
        <source>SmarterKid 1 - 5,000 words</source>
        <translation>SmarterKid 1 – 5000 słów</translation>
    </message>
    <message>
        <source>SmarterKid 2 - 3,000 words</source>
        <translation>SmarterKid 2 – 3000 słów</translation>
    </message>
    <message>
        <source>SmarterKid 3 - 8,000 words</source>
        <translation>SmarterKid 3 – 8000 słów</translation>
    </message>
    <message>
        <source>SmarterKid 4 - 4,000 words</source>
        <translation>SmarterKid 4 – 4000 słów</translation>
    </message>
    <message>
        <source>SmarterKid 5 - 34,000 words</source>
        <translation>SmarterKid 5 – 34&#xa0;000 słów</translation>
    </message>
</context>
<context>
    <name>gibbetry::AboutBox</name>
    <message>
        <source>Updates</source>
        <translation>Aktualizacje</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the game&apos;s name, Gibbetry.</extracomment>
        <translation>O programie %1</translation>
    </message>
</context>
<context>
    <name>gibbetry::MainWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>O &amp;programie</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Click on the letter to select it.</source>
        <translation>Kliknij literę, aby ją wybrać.</translation>
    </message>
</context>
<context>
    <name>gibbetry::OptionsDialog</name>
    <message>
        <source>Gibbetry - Options</source>
        <translation>Gibbetry – Opcje</translation>
    </message>
    <message>
        <source>Select the number of wrong guesses allowed</source>
        <translation>Wybierz liczbę dozwolonych pomyłek</translation>
    </message>
    <message>
        <source>Draw the hangman (allows 12 wrong guesses)</source>
        <translation>Rysuj wisielca (12 dozwolonych pomyłek)</translation>
    </message>
    <message>
        <source>Each wrong guess will result in part of the hangman being drawn</source>
        <translation>Każda pomyłka dorysowuje kawałek wisielca</translation>
    </message>
    <message>
        <source>Make a manual selection</source>
        <translation>Wybierz ręcznie</translation>
    </message>
    <message>
        <source>Select source for word list</source>
        <translation>Wybierz listę słów</translation>
    </message>
    <message>
        <source>Other options</source>
        <translation>Inne opcje</translation>
    </message>
    <message>
        <source>Show a hint</source>
        <translation>Pokazuj podpowiedź</translation>
    </message>
    <message>
        <source>Supplies you with a hint to help you to solve the word</source>
        <translation>Daje podpowiedź, która pomoże odgadnąć słowo</translation>
    </message>
    <message>
        <source>Limit the length of the words used to</source>
        <extracomment>Followed by a drop-down list of lengths, 4 to 20 letters.</extracomment>
        <translation>Ogranicz długość słów do</translation>
    </message>
    <message>
        <source>DONE</source>
        <extracomment>Closes the dialog and keeps its choices; capitals as on the rest of the button&apos;s kind.</extracomment>
        <translation>GOTOWE</translation>
    </message>
</context>
</TS>
