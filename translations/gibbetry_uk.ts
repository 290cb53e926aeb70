<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>AccessibleText</name>
    <message>
        <source>errors allowed</source>
        <translation>дозволено помилок</translation>
    </message>
    <message>
        <source>errors made</source>
        <translation>зроблено помилок</translation>
    </message>
    <message>
        <source>chances left</source>
        <translation>залишилося спроб</translation>
    </message>
    <message>
        <source>time of day</source>
        <translation>поточний час</translation>
    </message>
    <message>
        <source>word list</source>
        <translation>список слів</translation>
    </message>
    <message>
        <source>word length limit</source>
        <translation>обмеження довжини слова</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>підказка</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>GAME OVER</source>
        <extracomment>Shown on the board, in capitals, when a game is lost.</extracomment>
        <translation>КІНЕЦЬ ГРИ</translation>
    </message>
    <message>
        <source>Allowed errors</source>
        <extracomment>A counter of manual mode, its number to the right.</extracomment>
        <translation>Дозволено помилок</translation>
    </message>
    <message>
        <source>Errors made</source>
        <translation>Зроблено помилок</translation>
    </message>
    <message>
        <source>Chances left</source>
        <translation>Залишилося спроб</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>gibbetry: no graphical desktop found (neither DISPLAY nor WAYLAND_DISPLAY is set); Gibbetry needs one to run.</source>
        <translation>gibbetry: не знайдено графічного середовища (не задано ні DISPLAY, ні WAYLAND_DISPLAY); без нього Gibbetry не може працювати.</translation>
    </message>
    <message>
        <source>gibbetry: this Wayland desktop has no X server and Qt&apos;s Wayland support is not installed; install the qt6-wayland package to run Gibbetry.</source>
        <translation>gibbetry: у цьому середовищі Wayland немає X-сервера, а підтримку Wayland для Qt не встановлено; щоб запустити Gibbetry, встановіть пакунок qt6-wayland.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показати цю довідку і вийти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показати версію і вийти.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <extracomment>%1 is the program&apos;s name, gibbetry.</extracomment>
        <translation>Використання: %1 [параметри]</translation>
    </message>
    <message>
        <source>A game of hangman. It also takes Qt&apos;s options, such as -platform and -style.</source>
        <translation>Гра у шибеницю. Також приймає параметри Qt, зокрема -platform і -style.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметри:</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>a folder</source>
        <extracomment>What a path turned out to be, a noun phrase with its article; it stands where a sentence names what was found (&quot;%1 is %2, not a settings file&quot;).</extracomment>
        <translation>тека</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>символьний пристрій</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>блоковий пристрій</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>FIFO (іменований канал)</translation>
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
        <translation>файл незвичного типу</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No word list is loaded, so no game can start. Choose a word list in Options.</source>
        <translation>Жодного списку слів не завантажено, тому гру не можна почати. Виберіть список слів у вікні «Параметри».</translation>
    </message>
    <message numerus="yes">
        <source>No word of the list &quot;%1&quot; fits the length limit of %n characters. Choose a longer limit or another list in Options.</source>
        <translation>
            <numerusform>У списку «%1» немає жодного слова довжиною до %n літери. Виберіть більшу довжину або інший список у вікні «Параметри».</numerusform>
            <numerusform>У списку «%1» немає жодного слова довжиною до %n літер. Виберіть більшу довжину або інший список у вікні «Параметри».</numerusform>
            <numerusform>У списку «%1» немає жодного слова довжиною до %n літер. Виберіть більшу довжину або інший список у вікні «Параметри».</numerusform>
        </translation>
    </message>
    <message>
        <source>You have completed the word.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Well done.</source>
        <extracomment>The win message: keep its line breaks.</extracomment>
        <translation>Слово відгадано!<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Молодець!</translation>
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
        <translation>не вдалося прочитати файл налаштувань %1 (%2), тому його залишено без змін.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read: %2. Gibbetry starts from the default options and will not save over that file.</source>
        <translation>Не вдалося прочитати файл налаштувань %1: %2. Gibbetry запускається з типовими параметрами і не перезаписуватиме цей файл.</translation>
    </message>
    <message>
        <source>the settings file %1 kept changing while Gibbetry tried to move it aside, so it was left as it is.</source>
        <translation>файл налаштувань %1 постійно змінювався, поки Gibbetry намагалася перенести його в інше місце, тому його залишено без змін.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings, and it kept changing while Gibbetry tried to move it aside, so it is left as it is and options will not be saved over it.</source>
        <translation>Файл налаштувань %1 не вдалося прочитати як налаштування Gibbetry, і він постійно змінювався, поки Gibbetry намагалася перенести його в інше місце, тому його залишено без змін, а параметри не записуватимуться поверх нього.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 64 KiB, far more than Gibbetry&apos;s settings take.</source>
        <translation>Файл налаштувань %1 більший за 64 KiB — це набагато більше, ніж потрібно для налаштувань Gibbetry.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings.</source>
        <translation>Файл налаштувань %1 не вдалося прочитати як налаштування Gibbetry.</translation>
    </message>
    <message>
        <source>The options it did not hold start from their defaults.</source>
        <translation>Параметри, яких у ньому не було, отримують типові значення.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be checked (%2), so it was left as it is.</source>
        <translation>файл налаштувань %1 не вдалося прочитати як налаштування Gibbetry і не вдалося перевірити (%2), тому його залишено без змін.</translation>
    </message>
    <message>
        <source>Where it lies could not be checked (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>Не вдалося перевірити, де він розташований (%1), тому його залишено без змін, а параметри не записуватимуться поверх нього.</translation>
    </message>
    <message>
        <source>it is reached through another user&apos;s symbolic link</source>
        <translation>до нього веде символічне посилання іншого користувача</translation>
    </message>
    <message>
        <source>its folder %1 does not belong to the owner of %2</source>
        <translation>його тека %1 не належить власникові %2</translation>
    </message>
    <message>
        <source>the settings file %1 is left as it is, because %2 and Gibbetry run as root does not write there.</source>
        <translation>файл налаштувань %1 залишено без змін, бо %2, а Gibbetry, запущена від імені root, туди не записує.</translation>
    </message>
    <message>
        <source>It is left as it is, and options will not be saved over it, because %1 and Gibbetry run as root does not write there.</source>
        <translation>Його залишено без змін, і параметри не записуватимуться поверх нього, бо %1, а Gibbetry, запущена від імені root, туди не записує.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be moved aside, so it was left as it is.</source>
        <translation>файл налаштувань %1 не вдалося прочитати як налаштування Gibbetry і не вдалося перенести в інше місце, тому його залишено без змін.</translation>
    </message>
    <message>
        <source>It could not be moved aside (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>Не вдалося перенести його в інше місце (%1), тому його залишено без змін, а параметри не записуватимуться поверх нього.</translation>
    </message>
    <message>
        <source>It was moved, unchanged, to %1.</source>
        <translation>Його без змін перенесено до %1.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and no copy of it could be kept, so it was left as it is.</source>
        <translation>файл налаштувань %1 не вдалося прочитати як налаштування Gibbetry і не вдалося зберегти його копію, тому його залишено без змін.</translation>
    </message>
    <message>
        <source>No copy of it could be kept (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>Не вдалося зберегти його копію (%1), тому його залишено без змін, а параметри не записуватимуться поверх нього.</translation>
    </message>
    <message>
        <source>It is reached through a symbolic link, which stays: a copy of it, unchanged, was kept as %1, and your next save writes over %2, where the link leads.</source>
        <translation>До нього веде символічне посилання, яке залишиться на місці: копію файла без змін збережено як %1, а під час наступного збереження буде перезаписано %2, куди веде посилання.</translation>
    </message>
    <message>
        <source>It is no longer there: it was moved or deleted meanwhile.</source>
        <translation>Його більше немає: тим часом його перенесли або вилучили.</translation>
    </message>
    <message>
        <source>the folder %1 could not be reached: %2.</source>
        <translation>не вдалося отримати доступ до теки %1: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2, which is %3, not a folder, so nothing was written.</source>
        <translation>%1 веде до %2, але це %3, а не тека, тому нічого не записано.</translation>
    </message>
    <message>
        <source>%1 is reached through another user&apos;s symbolic link, which Gibbetry run as root does not follow, so nothing was written.</source>
        <translation>До %1 веде символічне посилання іншого користувача, за яким Gibbetry, запущена від імені root, не переходить, тому нічого не записано.</translation>
    </message>
    <message>
        <source>%1 is %2, not a settings file, so nothing was written to it.</source>
        <translation>%1 — це %2, а не файл налаштувань, тому нічого не записано.</translation>
    </message>
    <message>
        <source>%1 (through its link, %2)</source>
        <translation>%1 (посилання на %2)</translation>
    </message>
    <message>
        <source>the settings file %1 could not be reached: %2.</source>
        <translation>не вдалося отримати доступ до файла налаштувань %1: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2, outside %3, and Gibbetry makes no file there.</source>
        <translation>%1 веде до %2, що за межами %3, а Gibbetry не створює там файлів.</translation>
    </message>
    <message>
        <source>the settings file %1 is read-only: its owner took away the permission to write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>файл налаштувань %1 доступний лише для читання: власник заборонив запис до нього, тому Gibbetry залишає його без змін і не зберігає в ньому параметри, доки це не зміниться.</translation>
    </message>
    <message>
        <source>the settings file %1 belongs to another account, which does not let you write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>файл налаштувань %1 належить іншому обліковому запису, який не дозволяє вам записувати до нього, тому Gibbetry залишає його без змін і не зберігає в ньому параметри, доки це не зміниться.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to: %2.</source>
        <translation>до теки %1 неможливо записати дані: %2.</translation>
    </message>
    <message>
        <source>the folder %1 does not belong to the owner of %2, and Gibbetry run as root writes in no other user&apos;s folder, so nothing was written.</source>
        <translation>тека %1 не належить власникові %2, а Gibbetry, запущена від імені root, не записує до тек інших користувачів, тому нічого не записано.</translation>
    </message>
    <message>
        <source>another Gibbetry game was saving its options to %1 and did not finish in time, so this game wrote nothing.</source>
        <translation>інша запущена гра Gibbetry зберігала свої параметри у %1 і не завершила вчасно, тому ця гра нічого не записала.</translation>
    </message>
    <message>
        <source>Gibbetry could not make its lock file in the folder %1, so nothing was written.</source>
        <translation>Gibbetry не вдалося створити файл блокування в теці %1, тому нічого не записано.</translation>
    </message>
    <message>
        <source>the settings file %1 was changed by another program each time Gibbetry was about to save it, so it was left as it was.</source>
        <translation>файл налаштувань %1 змінювала інша програма щоразу, коли Gibbetry збиралася його зберегти, тому його залишено без змін.</translation>
    </message>
    <message>
        <source>The settings file %1 kept changing while Gibbetry saved your options in it: they are in it, but what another program wrote to it at the same moment may not be.</source>
        <translation>Файл налаштувань %1 постійно змінювався, поки Gibbetry зберігала в ньому ваші параметри: їх збережено, але те, що інша програма записала до нього в той самий момент, могло не зберегтися.</translation>
    </message>
    <message>
        <source>the settings file %1 was changed since Gibbetry read it and no longer reads as its settings, so it was left as it is.</source>
        <translation>файл налаштувань %1 змінився після того, як Gibbetry його прочитала, і більше не читається як її налаштування, тому його залишено без змін.</translation>
    </message>
    <message>
        <source>the settings file %1 would grow larger than 64 KiB, so it was left as it was.</source>
        <translation>файл налаштувань %1 став би більшим за 64 KiB, тому його залишено без змін.</translation>
    </message>
    <message>
        <source>the folder %1 was moved or replaced while Gibbetry saved, so nothing was written.</source>
        <translation>теку %1 було перенесено або замінено, поки Gibbetry зберігала параметри, тому нічого не записано.</translation>
    </message>
    <message>
        <source>the replaced file could not be read again</source>
        <translation>не вдалося повторно прочитати замінений файл</translation>
    </message>
    <message>
        <source>there is no room left on the disk that holds %1, so the file was left as it was.</source>
        <translation>на диску, де міститься %1, не залишилося вільного місця, тому файл залишено без змін.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written: %2. It was left as it was.</source>
        <translation>не вдалося записати файл налаштувань %1: %2. Його залишено без змін.</translation>
    </message>
    <message>
        <source>the folder %1 could not be created: %2.</source>
        <translation>не вдалося створити теку %1: %2.</translation>
    </message>
    <message>
        <source>the folder %1 could not be given to its owner: %2.</source>
        <translation>не вдалося передати теку %1 її власникові: %2.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Your options could not be saved: %1

They stay in force until Gibbetry is closed.</source>
        <translation>Не вдалося зберегти ваші параметри: %1

Вони діятимуть, доки Gibbetry не буде закрито.</translation>
    </message>
    <message numerus="yes">
        <source>Word length limited to %n characters</source>
        <extracomment>The status line; %n is the chosen length, 4 to 20.</extracomment>
        <translation>
            <numerusform>Довжина слова: до %n літери</numerusform>
            <numerusform>Довжина слова: до %n літер</numerusform>
            <numerusform>Довжина слова: до %n літер</numerusform>
        </translation>
    </message>
    <message>
        <source>No restriction on word length</source>
        <translation>Довжина слова не обмежена</translation>
    </message>
    <message>
        <source>Hint is OFF</source>
        <translation>Без підказки</translation>
    </message>
</context>
<context>
    <name>PosixFileReader</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>це тека, а не файл</translation>
    </message>
    <message>
        <source>it is a character device, not a file</source>
        <translation>це символьний пристрій, а не файл</translation>
    </message>
    <message>
        <source>it is a block device, not a file</source>
        <translation>це блоковий пристрій, а не файл</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe), not a file</source>
        <translation>це FIFO (іменований канал), а не файл</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>це сокет, а не файл</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>це не звичайний файл</translation>
    </message>
</context>
<context>
    <name>WordListLoader</name>
    <message>
        <source>The word list &quot;%1&quot; could not be read. It was looked for as:
%2

%3</source>
        <translation>Не вдалося прочитати список слів «%1». Його шукали тут:
%2

%3</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.

%2</source>
        <translation>
            <numerusform>Список слів %1 не відповів за %n секунду, тому Gibbetry припинила на нього чекати.

%2</numerusform>
            <numerusform>Список слів %1 не відповів за %n секунди, тому Gibbetry припинила на нього чекати.

%2</numerusform>
            <numerusform>Список слів %1 не відповів за %n секунд, тому Gibbetry припинила на нього чекати.

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it and reads its own list instead.</source>
        <translation>
            <numerusform>Список слів %1 не відповів за %n секунду, тому Gibbetry припинила на нього чекати і натомість читає власний список.</numerusform>
            <numerusform>Список слів %1 не відповів за %n секунди, тому Gibbetry припинила на нього чекати і натомість читає власний список.</numerusform>
            <numerusform>Список слів %1 не відповів за %n секунд, тому Gibbetry припинила на нього чекати і натомість читає власний список.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.</source>
        <translation>
            <numerusform>Список слів %1 не відповів за %n секунду, тому Gibbetry припинила на нього чекати.</numerusform>
            <numerusform>Список слів %1 не відповів за %n секунди, тому Gibbetry припинила на нього чекати.</numerusform>
            <numerusform>Список слів %1 не відповів за %n секунд, тому Gibbetry припинила на нього чекати.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n lines, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>Gibbetry читає зі списку слів не більше %n рядка, а в цих рядках списку %1 немає жодного слова, придатного для гри: у слові має бути від 1 до 23 літер, лише від A до Z.

%2</numerusform>
            <numerusform>Gibbetry читає зі списку слів не більше %n рядків, а в цих рядках списку %1 немає жодного слова, придатного для гри: у слові має бути від 1 до 23 літер, лише від A до Z.

%2</numerusform>
            <numerusform>Gibbetry читає зі списку слів не більше %n рядків, а в цих рядках списку %1 немає жодного слова, придатного для гри: у слові має бути від 1 до 23 літер, лише від A до Z.

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n MiB, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>Gibbetry читає зі списку слів не більше %n MiB, а в цій частині списку %1 немає жодного слова, придатного для гри: у слові має бути від 1 до 23 літер, лише від A до Z.

%2</numerusform>
            <numerusform>Gibbetry читає зі списку слів не більше %n MiB, а в цій частині списку %1 немає жодного слова, придатного для гри: у слові має бути від 1 до 23 літер, лише від A до Z.

%2</numerusform>
            <numerusform>Gibbetry читає зі списку слів не більше %n MiB, а в цій частині списку %1 немає жодного слова, придатного для гри: у слові має бути від 1 до 23 літер, лише від A до Z.

%2</numerusform>
        </translation>
    </message>
    <message>
        <source>The word list %1 holds no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>У списку слів %1 немає жодного слова, придатного для гри: у слові має бути від 1 до 23 літер, лише від A до Z.

%2</translation>
    </message>
    <message>
        <source>Your word list %1 could not be read: %2. Gibbetry&apos;s own list is used instead.</source>
        <translation>Не вдалося прочитати ваш список слів %1: %2. Натомість використовується власний список Gibbetry.</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n lines were loaded.</source>
        <translation>
            <numerusform>Список слів %1 задовгий для Gibbetry: завантажено лише %n рядок з початку.</numerusform>
            <numerusform>Список слів %1 задовгий для Gibbetry: завантажено лише %n рядки з початку.</numerusform>
            <numerusform>Список слів %1 задовгий для Gibbetry: завантажено лише %n рядків з початку.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n MiB were loaded.</source>
        <translation>
            <numerusform>Список слів %1 завеликий для Gibbetry: завантажено лише перші %n MiB.</numerusform>
            <numerusform>Список слів %1 завеликий для Gibbetry: завантажено лише перші %n MiB.</numerusform>
            <numerusform>Список слів %1 завеликий для Gibbetry: завантажено лише перші %n MiB.</numerusform>
        </translation>
    </message>
    <message>
        <source>No word list is loaded: choose another in Options.</source>
        <translation>Жодного списку слів не завантажено: виберіть інший у вікні «Параметри».</translation>
    </message>
    <message>
        <source>The word list &quot;%1&quot; stays in use.</source>
        <translation>Далі використовується список слів «%1».</translation>
    </message>
</context>
<context>
    <name>WordSource</name>
    <message>
        <source>Australian English Dictionary (Tolvarin) - 45,000 words</source>
        <translation>Словник австралійської англійської (Tolvarin) — 45&#xa0;000 слів</translation>
    </message>
    <message>
        <source>Ogden&apos;s Basic English Words - 850 words</source>
        <translation>Ogden&apos;s Basic English — 850 слів</translation>
    </message>
    <message>
        <source>SmarterKid 1 - 5,000 words</source>
        <translation>SmarterKid 1 — 5&#xa0;000 слів</translation>
    </message>
    <message>
        <source>SmarterKid 2 - 3,000 words</source>
        <translation>SmarterKid 2 — 3&#xa0;000 слів</translation>
    </message>
    <message>
        <source>SmarterKid 3 - 8,000 words</source>
        <translation>SmarterKid 3 — 8&#xa0;000 слів</translation>
    </message>
    <message>
        <source>SmarterKid 4 - 4,000 words</source>
        <translation>SmarterKid 4 — 4&#xa0;000 слів</translation>
    </message>
    <message>
        <source>SmarterKid 5 - 34,000 words</source>
        <translation>SmarterKid 5 — 34&#xa0;000 слів</translation>
    </message>
</context>
<context>
    <name>gibbetry::AboutBox</name>
    <message>
        <source>Updates</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the game&apos;s name, Gibbetry.</extracomment>
        <translation>Про %1</translation>
    </message>
</context>
<context>
    <name>gibbetry::MainWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметри</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Про &amp;гру</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Почати нову гру</translation>
    </message>
    <message>
        <source>Click on the letter to select it.</source>
        <translation>Натисніть літеру, щоб вибрати її.</translation>
    </message>
</context>
<context>
    <name>gibbetry::OptionsDialog</name>
    <message>
        <source>Gibbetry - Options</source>
        <translation>Gibbetry — Параметри</translation>
    </message>
    <message>
        <source>Select the number of wrong guesses allowed</source>
        <translation>Кількість дозволених помилок</translation>
    </message>
    <message>
        <source>Draw the hangman (allows 12 wrong guesses)</source>
        <translation>Малювати шибеницю (дозволено 12 помилок)</translation>
    </message>
    <message>
        <source>Each wrong guess will result in part of the hangman being drawn</source>
        <translation>За кожну помилку домальовується частина шибениці</translation>
    </message>
    <message>
        <source>Make a manual selection</source>
        <translation>Вибрати вручну</translation>
    </message>
    <message>
        <source>Select source for word list</source>
        <translation>Виберіть список слів</translation>
    </message>
    <message>
        <source>Other options</source>
        <translation>Інші параметри</translation>
    </message>
    <message>
        <source>Show a hint</source>
        <translation>Показувати підказку</translation>
    </message>
    <message>
        <source>Supplies you with a hint to help you to solve the word</source>
        <translation>Дає підказку, яка допоможе відгадати слово</translation>
    </message>
    <message>
        <source>Limit the length of the words used to</source>
        <extracomment>Followed by a drop-down list of lengths, 4 to 20 letters.</extracomment>
        <translation>Обмежити довжину слів до</translation>
    </message>
    <message>
        <source>DONE</source>
        <extracomment>Closes the dialog and keeps its choices; capitals as on the rest of the button&apos;s kind.</extracomment>
        <translation>ГОТОВО</translation>
    </message>
</context>
</TS>
