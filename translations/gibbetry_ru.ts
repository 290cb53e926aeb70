<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AccessibleText</name>
    <message>
        <source>errors allowed</source>
        <translation>допустимо ошибок</translation>
    </message>
    <message>
        <source>errors made</source>
        <translation>сделано ошибок</translation>
    </message>
    <message>
        <source>chances left</source>
        <translation>осталось попыток</translation>
    </message>
    <message>
        <source>time of day</source>
        <translation>текущее время</translation>
    </message>
    <message>
        <source>word list</source>
        <translation>список слов</translation>
    </message>
    <message>
        <source>word length limit</source>
        <translation>ограничение длины слов</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>подсказка</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>GAME OVER</source>
        <extracomment>Shown on the board, in capitals, when a game is lost.</extracomment>
        <translation>КОНЕЦ ИГРЫ</translation>
    </message>
    <message>
        <source>Allowed errors</source>
        <extracomment>A counter of manual mode, its number to the right.</extracomment>
        <translation>Допустимо ошибок</translation>
    </message>
    <message>
        <source>Errors made</source>
        <translation>Сделано ошибок</translation>
    </message>
    <message>
        <source>Chances left</source>
        <translation>Осталось попыток</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>gibbetry: no graphical desktop found (neither DISPLAY nor WAYLAND_DISPLAY is set); Gibbetry needs one to run.</source>
        <translation>gibbetry: графическая среда не найдена (не задана ни переменная DISPLAY, ни WAYLAND_DISPLAY); без неё Gibbetry не запустится.</translation>
    </message>
    <message>
        <source>gibbetry: this Wayland desktop has no X server and Qt&apos;s Wayland support is not installed; install the qt6-wayland package to run Gibbetry.</source>
        <translation>gibbetry: в этой среде Wayland нет X-сервера, а поддержка Wayland для Qt не установлена; чтобы запустить Gibbetry, установите пакет qt6-wayland.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <extracomment>%1 is the program&apos;s name, gibbetry.</extracomment>
        <translation>Использование: %1 [параметры]</translation>
    </message>
    <message>
        <source>A game of hangman. It also takes Qt&apos;s options, such as -platform and -style.</source>
        <translation>Игра в виселицу. Понимает также параметры Qt, например -platform и -style.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметры:</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>a folder</source>
        <extracomment>What a path turned out to be, a noun phrase with its article; it stands where a sentence names what was found (&quot;%1 is %2, not a settings file&quot;).</extracomment>
        <translation>папка</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>символьное устройство</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>блочное устройство</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>FIFO (именованный канал)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>сокет</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>файл</translation>
    </message>
    <message>
        <source>no regular file</source>
        <translation>файл особого типа</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No word list is loaded, so no game can start. Choose a word list in Options.</source>
        <translation>Список слов не загружен, поэтому игру начать нельзя. Выберите список слов в окне «Параметры».</translation>
    </message>
    <message numerus="yes">
        <source>No word of the list &quot;%1&quot; fits the length limit of %n characters. Choose a longer limit or another list in Options.</source>
        <translation>
            <numerusform>Ни одно слово из списка «%1» не подходит под ограничение длины (до %n буквы). Выберите ограничение побольше или другой список в окне «Параметры».</numerusform>
            <numerusform>Ни одно слово из списка «%1» не подходит под ограничение длины (до %n букв). Выберите ограничение побольше или другой список в окне «Параметры».</numerusform>
            <numerusform>Ни одно слово из списка «%1» не подходит под ограничение длины (до %n букв). Выберите ограничение побольше или другой список в окне «Параметры».</numerusform>
        </translation>
    </message>
    <message>
        <source>You have completed the word.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Well done.</source>
        <extracomment>The win message: keep its line breaks.</extracomment>
        <translation>Вы отгадали слово.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Молодец!</translation>
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
        <translation>файл настроек %1 не удалось прочитать (%2), поэтому он оставлен без изменений.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read: %2. Gibbetry starts from the default options and will not save over that file.</source>
        <translation>Файл настроек %1 не удалось прочитать: %2. Gibbetry запускается с параметрами по умолчанию и не будет перезаписывать этот файл.</translation>
    </message>
    <message>
        <source>the settings file %1 kept changing while Gibbetry tried to move it aside, so it was left as it is.</source>
        <translation>файл настроек %1 всё время менялся, пока его пытались убрать в сторону, поэтому он оставлен без изменений.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings, and it kept changing while Gibbetry tried to move it aside, so it is left as it is and options will not be saved over it.</source>
        <translation>Файл настроек %1 не удалось прочитать как настройки Gibbetry, и он всё время менялся, пока его пытались убрать в сторону, поэтому он оставлен без изменений, и параметры в него сохраняться не будут.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 64 KiB, far more than Gibbetry&apos;s settings take.</source>
        <translation>Файл настроек %1 больше 64 KiB — это гораздо больше, чем занимают настройки Gibbetry.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings.</source>
        <translation>Файл настроек %1 не удалось прочитать как настройки Gibbetry.</translation>
    </message>
    <message>
        <source>The options it did not hold start from their defaults.</source>
        <translation>Параметры, которых в нём не было, получают значения по умолчанию.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be checked (%2), so it was left as it is.</source>
        <translation>файл настроек %1 не удалось прочитать как настройки Gibbetry и не удалось проверить (%2), поэтому он оставлен без изменений.</translation>
    </message>
    <message>
        <source>Where it lies could not be checked (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>Не удалось проверить, где он находится (%1), поэтому он оставлен без изменений, и параметры в него сохраняться не будут.</translation>
    </message>
    <message>
        <source>it is reached through another user&apos;s symbolic link</source>
        <translation>путь к нему проходит через символическую ссылку другого пользователя</translation>
    </message>
    <message>
        <source>its folder %1 does not belong to the owner of %2</source>
        <translation>его папка %1 не принадлежит владельцу %2</translation>
    </message>
    <message>
        <source>the settings file %1 is left as it is, because %2 and Gibbetry run as root does not write there.</source>
        <translation>файл настроек %1 оставлен без изменений, потому что %2, а при запуске от имени root Gibbetry туда не записывает.</translation>
    </message>
    <message>
        <source>It is left as it is, and options will not be saved over it, because %1 and Gibbetry run as root does not write there.</source>
        <translation>Он оставлен без изменений, и параметры в него сохраняться не будут, потому что %1, а при запуске от имени root Gibbetry туда не записывает.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be moved aside, so it was left as it is.</source>
        <translation>файл настроек %1 не удалось прочитать как настройки Gibbetry и не удалось убрать в сторону, поэтому он оставлен без изменений.</translation>
    </message>
    <message>
        <source>It could not be moved aside (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>Его не удалось убрать в сторону (%1), поэтому он оставлен без изменений, и параметры в него сохраняться не будут.</translation>
    </message>
    <message>
        <source>It was moved, unchanged, to %1.</source>
        <translation>Он перемещён без изменений в %1.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and no copy of it could be kept, so it was left as it is.</source>
        <translation>файл настроек %1 не удалось прочитать как настройки Gibbetry и не удалось сохранить его копию, поэтому он оставлен без изменений.</translation>
    </message>
    <message>
        <source>No copy of it could be kept (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>Не удалось сохранить его копию (%1), поэтому он оставлен без изменений, и параметры в него сохраняться не будут.</translation>
    </message>
    <message>
        <source>It is reached through a symbolic link, which stays: a copy of it, unchanged, was kept as %1, and your next save writes over %2, where the link leads.</source>
        <translation>Путь к нему проходит через символическую ссылку, которая останется на месте: его копия без изменений сохранена как %1, а при следующем сохранении будет перезаписан %2 — файл, на который указывает ссылка.</translation>
    </message>
    <message>
        <source>It is no longer there: it was moved or deleted meanwhile.</source>
        <translation>Его больше нет на месте: тем временем его переместили или удалили.</translation>
    </message>
    <message>
        <source>the folder %1 could not be reached: %2.</source>
        <translation>папка %1 недоступна: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2, which is %3, not a folder, so nothing was written.</source>
        <translation>%1 указывает на %2, но это %3, а не папка, поэтому ничего не записано.</translation>
    </message>
    <message>
        <source>%1 is reached through another user&apos;s symbolic link, which Gibbetry run as root does not follow, so nothing was written.</source>
        <translation>путь %1 проходит через символическую ссылку другого пользователя, а при запуске от имени root Gibbetry по таким ссылкам не переходит, поэтому ничего не записано.</translation>
    </message>
    <message>
        <source>%1 is %2, not a settings file, so nothing was written to it.</source>
        <translation>%1 — это %2, а не файл настроек, поэтому туда ничего не записано.</translation>
    </message>
    <message>
        <source>%1 (through its link, %2)</source>
        <translation>%1 (ссылка на %2)</translation>
    </message>
    <message>
        <source>the settings file %1 could not be reached: %2.</source>
        <translation>файл настроек %1 недоступен: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2, outside %3, and Gibbetry makes no file there.</source>
        <translation>%1 указывает на %2, за пределами %3, а Gibbetry не создаёт там файлов.</translation>
    </message>
    <message>
        <source>the settings file %1 is read-only: its owner took away the permission to write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>файл настроек %1 доступен только для чтения: владелец запретил запись в него, поэтому Gibbetry оставляет его без изменений и не сохраняет в него параметры, пока запрет действует.</translation>
    </message>
    <message>
        <source>the settings file %1 belongs to another account, which does not let you write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>файл настроек %1 принадлежит другой учётной записи, которая не разрешает вам запись в него, поэтому Gibbetry оставляет его без изменений и не сохраняет в него параметры, пока запрет действует.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to: %2.</source>
        <translation>запись в папку %1 невозможна: %2.</translation>
    </message>
    <message>
        <source>the folder %1 does not belong to the owner of %2, and Gibbetry run as root writes in no other user&apos;s folder, so nothing was written.</source>
        <translation>папка %1 не принадлежит владельцу %2, а при запуске от имени root Gibbetry не записывает в чужие папки, поэтому ничего не записано.</translation>
    </message>
    <message>
        <source>another Gibbetry game was saving its options to %1 and did not finish in time, so this game wrote nothing.</source>
        <translation>другая запущенная игра Gibbetry сохраняла свои параметры в %1 и не успела закончить вовремя, поэтому эта игра ничего не записала.</translation>
    </message>
    <message>
        <source>Gibbetry could not make its lock file in the folder %1, so nothing was written.</source>
        <translation>не удалось создать файл блокировки Gibbetry в папке %1, поэтому ничего не записано.</translation>
    </message>
    <message>
        <source>the settings file %1 was changed by another program each time Gibbetry was about to save it, so it was left as it was.</source>
        <translation>файл настроек %1 изменялся другой программой каждый раз, когда его собирались сохранить, поэтому он оставлен без изменений.</translation>
    </message>
    <message>
        <source>The settings file %1 kept changing while Gibbetry saved your options in it: they are in it, but what another program wrote to it at the same moment may not be.</source>
        <translation>Файл настроек %1 всё время менялся, пока в него сохранялись ваши параметры: они в нём есть, но то, что другая программа записала в него в тот же момент, могло не сохраниться.</translation>
    </message>
    <message>
        <source>the settings file %1 was changed since Gibbetry read it and no longer reads as its settings, so it was left as it is.</source>
        <translation>файл настроек %1 изменился после того, как был прочитан, и больше не читается как настройки Gibbetry, поэтому он оставлен без изменений.</translation>
    </message>
    <message>
        <source>the settings file %1 would grow larger than 64 KiB, so it was left as it was.</source>
        <translation>файл настроек %1 стал бы больше 64 KiB, поэтому он оставлен без изменений.</translation>
    </message>
    <message>
        <source>the folder %1 was moved or replaced while Gibbetry saved, so nothing was written.</source>
        <translation>папку %1 переместили или заменили во время сохранения, поэтому ничего не записано.</translation>
    </message>
    <message>
        <source>the replaced file could not be read again</source>
        <translation>заменённый файл не удалось прочитать повторно</translation>
    </message>
    <message>
        <source>there is no room left on the disk that holds %1, so the file was left as it was.</source>
        <translation>на диске, где находится %1, не осталось свободного места, поэтому файл оставлен без изменений.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written: %2. It was left as it was.</source>
        <translation>файл настроек %1 не удалось записать: %2. Он оставлен без изменений.</translation>
    </message>
    <message>
        <source>the folder %1 could not be created: %2.</source>
        <translation>не удалось создать папку %1: %2.</translation>
    </message>
    <message>
        <source>the folder %1 could not be given to its owner: %2.</source>
        <translation>не удалось передать папку %1 её владельцу: %2.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Your options could not be saved: %1

They stay in force until Gibbetry is closed.</source>
        <translation>Не удалось сохранить ваши параметры: %1

Они будут действовать, пока вы не закроете Gibbetry.</translation>
    </message>
    <message numerus="yes">
        <source>Word length limited to %n characters</source>
        <extracomment>The status line; %n is the chosen length, 4 to 20.</extracomment>
        <translation>
            <numerusform>Длина слов до %n буквы</numerusform>
            <numerusform>Длина слов до %n букв</numerusform>
            <numerusform>Длина слов до %n букв</numerusform>
        </translation>
    </message>
    <message>
        <source>No restriction on word length</source>
        <translation>Длина слов не ограничена</translation>
    </message>
    <message>
        <source>Hint is OFF</source>
        <translation>Без подсказки</translation>
    </message>
</context>
<context>
    <name>PosixFileReader</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>это папка, а не файл</translation>
    </message>
    <message>
        <source>it is a character device, not a file</source>
        <translation>это символьное устройство, а не файл</translation>
    </message>
    <message>
        <source>it is a block device, not a file</source>
        <translation>это блочное устройство, а не файл</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe), not a file</source>
        <translation>это FIFO (именованный канал), а не файл</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>это сокет, а не файл</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>это не обычный файл</translation>
    </message>
</context>
<context>
    <name>WordListLoader</name>
    <message>
        <source>The word list &quot;%1&quot; could not be read. It was looked for as:
%2

%3</source>
        <translation>Не удалось прочитать список слов «%1». Где его искали:
%2

%3</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.

%2</source>
        <translation>
            <numerusform>Список слов %1 не ответил за %n секунду, поэтому Gibbetry больше его не ждёт.

%2</numerusform>
            <numerusform>Список слов %1 не ответил за %n секунды, поэтому Gibbetry больше его не ждёт.

%2</numerusform>
            <numerusform>Список слов %1 не ответил за %n секунд, поэтому Gibbetry больше его не ждёт.

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it and reads its own list instead.</source>
        <translation>
            <numerusform>Список слов %1 не ответил за %n секунду, поэтому Gibbetry больше его не ждёт и использует вместо него встроенный список.</numerusform>
            <numerusform>Список слов %1 не ответил за %n секунды, поэтому Gibbetry больше его не ждёт и использует вместо него встроенный список.</numerusform>
            <numerusform>Список слов %1 не ответил за %n секунд, поэтому Gibbetry больше его не ждёт и использует вместо него встроенный список.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.</source>
        <translation>
            <numerusform>Список слов %1 не ответил за %n секунду, поэтому Gibbetry больше его не ждёт.</numerusform>
            <numerusform>Список слов %1 не ответил за %n секунды, поэтому Gibbetry больше его не ждёт.</numerusform>
            <numerusform>Список слов %1 не ответил за %n секунд, поэтому Gibbetry больше его не ждёт.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n lines, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>Gibbetry читает в списке слов только первую %n строку, и в этой части списка %1 нет ни одного слова, пригодного для игры: слово должно состоять из 1–23 латинских букв (A–Z).

%2</numerusform>
            <numerusform>Gibbetry читает в списке слов только первые %n строки, и в этой части списка %1 нет ни одного слова, пригодного для игры: слово должно состоять из 1–23 латинских букв (A–Z).

%2</numerusform>
            <numerusform>Gibbetry читает в списке слов только первые %n строк, и в этой части списка %1 нет ни одного слова, пригодного для игры: слово должно состоять из 1–23 латинских букв (A–Z).

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n MiB, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>Gibbetry читает в списке слов только первый %n MiB, и в этой части списка %1 нет ни одного слова, пригодного для игры: слово должно состоять из 1–23 латинских букв (A–Z).

%2</numerusform>
            <numerusform>Gibbetry читает в списке слов только первые %n MiB, и в этой части списка %1 нет ни одного слова, пригодного для игры: слово должно состоять из 1–23 латинских букв (A–Z).

%2</numerusform>
            <numerusform>Gibbetry читает в списке слов только первые %n MiB, и в этой части списка %1 нет ни одного слова, пригодного для игры: слово должно состоять из 1–23 латинских букв (A–Z).

%2</numerusform>
        </translation>
    </message>
    <message>
        <source>The word list %1 holds no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>В списке слов %1 нет ни одного слова, пригодного для игры: слово должно состоять из 1–23 латинских букв (A–Z).

%2</translation>
    </message>
    <message>
        <source>Your word list %1 could not be read: %2. Gibbetry&apos;s own list is used instead.</source>
        <translation>Не удалось прочитать ваш список слов %1: %2. Вместо него используется встроенный список Gibbetry.</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n lines were loaded.</source>
        <translation>
            <numerusform>Список слов %1 длиннее, чем может прочитать Gibbetry: загружена только первая %n строка.</numerusform>
            <numerusform>Список слов %1 длиннее, чем может прочитать Gibbetry: загружены только первые %n строки.</numerusform>
            <numerusform>Список слов %1 длиннее, чем может прочитать Gibbetry: загружены только первые %n строк.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n MiB were loaded.</source>
        <translation>
            <numerusform>Список слов %1 длиннее, чем может прочитать Gibbetry: загружен только первый %n MiB.</numerusform>
            <numerusform>Список слов %1 длиннее, чем может прочитать Gibbetry: загружены только первые %n MiB.</numerusform>
            <numerusform>Список слов %1 длиннее, чем может прочитать Gibbetry: загружены только первые %n MiB.</numerusform>
        </translation>
    </message>
    <message>
        <source>No word list is loaded: choose another in Options.</source>
        <translation>Список слов не загружен: выберите другой в окне «Параметры».</translation>
    </message>
    <message>
        <source>The word list &quot;%1&quot; stays in use.</source>
        <translation>По-прежнему используется список слов «%1».</translation>
    </message>
</context>
<context>
    <name>WordSource</name>
    <message>
        <source>Australian English Dictionary (Tolvarin) - 45,000 words</source>
        <translation>Словарь австралийского английского (Tolvarin) — 45&#xa0;000 слов</translation>
    </message>
    <message>
        <source>Ogden&apos;s Basic English Words - 850 words</source>
        <translation>Ogden&apos;s Basic English — 850 слов</translation>
    </message>
    <message>
        <source>SmarterKid 1 - 5,000 words</source>
        <translation>SmarterKid 1 — 5&#xa0;000 слов</translation>
    </message>
    <message>
        <source>SmarterKid 2 - 3,000 words</source>
        <translation>SmarterKid 2 — 3&#xa0;000 слов</translation>
    </message>
    <message>
        <source>SmarterKid 3 - 8,000 words</source>
        <translation>SmarterKid 3 — 8&#xa0;000 слов</translation>
    </message>
    <message>
        <source>SmarterKid 4 - 4,000 words</source>
        <translation>SmarterKid 4 — 4&#xa0;000 слов</translation>
    </message>
    <message>
        <source>SmarterKid 5 - 34,000 words</source>
        <translation>SmarterKid 5 — 34&#xa0;000 слов</translation>
    </message>
</context>
<context>
    <name>gibbetry::AboutBox</name>
    <message>
        <source>Updates</source>
        <translation>Обновления</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the game&apos;s name, Gibbetry.</extracomment>
        <translation>О программе %1</translation>
    </message>
</context>
<context>
    <name>gibbetry::MainWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Click on the letter to select it.</source>
        <translation>Нажмите на букву, чтобы выбрать её.</translation>
    </message>
</context>
<context>
    <name>gibbetry::OptionsDialog</name>
    <message>
        <source>Gibbetry - Options</source>
        <translation>Gibbetry — Параметры</translation>
    </message>
    <message>
        <source>Select the number of wrong guesses allowed</source>
        <translation>Выберите допустимое число ошибок</translation>
    </message>
    <message>
        <source>Draw the hangman (allows 12 wrong guesses)</source>
        <translation>Рисовать виселицу (допустимо 12 ошибок)</translation>
    </message>
    <message>
        <source>Each wrong guess will result in part of the hangman being drawn</source>
        <translation>С каждой ошибкой дорисовывается часть виселицы</translation>
    </message>
    <message>
        <source>Make a manual selection</source>
        <translation>Выбрать вручную</translation>
    </message>
    <message>
        <source>Select source for word list</source>
        <translation>Выберите список слов</translation>
    </message>
    <message>
        <source>Other options</source>
        <translation>Другие параметры</translation>
    </message>
    <message>
        <source>Show a hint</source>
        <translation>Показывать подсказку</translation>
    </message>
    <message>
        <source>Supplies you with a hint to help you to solve the word</source>
        <translation>Даёт подсказку, которая поможет отгадать слово</translation>
    </message>
    <message>
        <source>Limit the length of the words used to</source>
        <extracomment>Followed by a drop-down list of lengths, 4 to 20 letters.</extracomment>
        <translation>Ограничить длину слов до</translation>
    </message>
    <message>
        <source>DONE</source>
        <extracomment>Closes the dialog and keeps its choices; capitals as on the rest of the button&apos;s kind.</extracomment>
        <translation>ГОТОВО</translation>
    </message>
</context>
</TS>
