<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AccessibleText</name>
    <message>
        <source>errors allowed</source>
        <translation>fallos permitidos</translation>
    </message>
    <message>
        <source>errors made</source>
        <translation>fallos cometidos</translation>
    </message>
    <message>
        <source>chances left</source>
        <translation>intentos restantes</translation>
    </message>
    <message>
        <source>time of day</source>
        <translation>hora del día</translation>
    </message>
    <message>
        <source>word list</source>
        <translation>lista de palabras</translation>
    </message>
    <message>
        <source>word length limit</source>
        <translation>límite de longitud de palabra</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>pista</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>GAME OVER</source>
        <extracomment>Shown on the board, in capitals, when a game is lost.</extracomment>
        <translation>FIN DEL JUEGO</translation>
    </message>
    <message>
        <source>Allowed errors</source>
        <extracomment>A counter of manual mode, its number to the right.</extracomment>
        <translation>Fallos permitidos</translation>
    </message>
    <message>
        <source>Errors made</source>
        <translation>Fallos cometidos</translation>
    </message>
    <message>
        <source>Chances left</source>
        <translation>Intentos restantes</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>gibbetry: no graphical desktop found (neither DISPLAY nor WAYLAND_DISPLAY is set); Gibbetry needs one to run.</source>
        <translation>gibbetry: no se ha encontrado ningún escritorio gráfico (no está definida ni DISPLAY ni WAYLAND_DISPLAY); Gibbetry necesita uno para funcionar.</translation>
    </message>
    <message>
        <source>gibbetry: this Wayland desktop has no X server and Qt&apos;s Wayland support is not installed; install the qt6-wayland package to run Gibbetry.</source>
        <translation>gibbetry: este escritorio Wayland no tiene servidor X y la compatibilidad de Qt con Wayland no está instalada; instala el paquete qt6-wayland para ejecutar Gibbetry.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <extracomment>%1 is the program&apos;s name, gibbetry.</extracomment>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>A game of hangman. It also takes Qt&apos;s options, such as -platform and -style.</source>
        <translation>Un juego del ahorcado. También acepta las opciones de Qt, como -platform y -style.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>a folder</source>
        <extracomment>What a path turned out to be, a noun phrase with its article; it stands where a sentence names what was found (&quot;%1 is %2, not a settings file&quot;).</extracomment>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un dispositivo de caracteres</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un dispositivo de bloques</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>una tubería con nombre (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>un archivo</translation>
    </message>
    <message>
        <source>no regular file</source>
        <translation>un archivo especial</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No word list is loaded, so no game can start. Choose a word list in Options.</source>
        <translation>No hay ninguna lista de palabras cargada, así que no se puede empezar a jugar. Elige una lista de palabras en Opciones.</translation>
    </message>
    <message numerus="yes">
        <source>No word of the list &quot;%1&quot; fits the length limit of %n characters. Choose a longer limit or another list in Options.</source>
        <translation>
            <numerusform>Ninguna palabra de la lista &quot;%1&quot; cabe en el límite de %n letra. Elige un límite mayor u otra lista en Opciones.</numerusform>
            <numerusform>Ninguna palabra de la lista &quot;%1&quot; cabe en el límite de %n letras. Elige un límite mayor u otra lista en Opciones.</numerusform>
        </translation>
    </message>
    <message>
        <source>You have completed the word.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Well done.</source>
        <extracomment>The win message: keep its line breaks.</extracomment>
        <translation>¡Has completado la palabra!<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
¡Bien hecho!</translation>
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
        <translation>no se ha podido leer el archivo de configuración %1 (%2), así que se ha dejado como está.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read: %2. Gibbetry starts from the default options and will not save over that file.</source>
        <translation>No se ha podido leer el archivo de configuración %1: %2. Gibbetry empieza con las opciones predeterminadas y no sobrescribirá ese archivo.</translation>
    </message>
    <message>
        <source>the settings file %1 kept changing while Gibbetry tried to move it aside, so it was left as it is.</source>
        <translation>el archivo de configuración %1 no dejaba de cambiar mientras Gibbetry intentaba apartarlo, así que se ha dejado como está.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings, and it kept changing while Gibbetry tried to move it aside, so it is left as it is and options will not be saved over it.</source>
        <translation>El archivo de configuración %1 no se ha podido leer como configuración de Gibbetry y no dejaba de cambiar mientras Gibbetry intentaba apartarlo, así que se deja como está y no se guardarán opciones en él.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 64 KiB, far more than Gibbetry&apos;s settings take.</source>
        <translation>El archivo de configuración %1 ocupa más de 64&#xa0;KiB, mucho más de lo que necesita la configuración de Gibbetry.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings.</source>
        <translation>El archivo de configuración %1 no se ha podido leer como configuración de Gibbetry.</translation>
    </message>
    <message>
        <source>The options it did not hold start from their defaults.</source>
        <translation>Las opciones que faltaban en él toman su valor predeterminado.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be checked (%2), so it was left as it is.</source>
        <translation>el archivo de configuración %1 no se ha podido leer como configuración de Gibbetry ni se ha podido comprobar (%2), así que se ha dejado como está.</translation>
    </message>
    <message>
        <source>Where it lies could not be checked (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>No se ha podido comprobar dónde se encuentra (%1), así que se deja como está y no se guardarán opciones en él.</translation>
    </message>
    <message>
        <source>it is reached through another user&apos;s symbolic link</source>
        <translation>su ruta pasa por un enlace simbólico de otro usuario</translation>
    </message>
    <message>
        <source>its folder %1 does not belong to the owner of %2</source>
        <translation>su carpeta %1 no pertenece al propietario de %2</translation>
    </message>
    <message>
        <source>the settings file %1 is left as it is, because %2 and Gibbetry run as root does not write there.</source>
        <translation>el archivo de configuración %1 se deja como está, porque %2, y Gibbetry no escribe ahí cuando se ejecuta como root.</translation>
    </message>
    <message>
        <source>It is left as it is, and options will not be saved over it, because %1 and Gibbetry run as root does not write there.</source>
        <translation>Se deja como está y no se guardarán opciones en él, porque %1, y Gibbetry no escribe ahí cuando se ejecuta como root.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be moved aside, so it was left as it is.</source>
        <translation>el archivo de configuración %1 no se ha podido leer como configuración de Gibbetry ni se ha podido apartar, así que se ha dejado como está.</translation>
    </message>
    <message>
        <source>It could not be moved aside (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>No se ha podido apartar (%1), así que se deja como está y no se guardarán opciones en él.</translation>
    </message>
    <message>
        <source>It was moved, unchanged, to %1.</source>
        <translation>Se ha movido, sin cambios, a %1.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and no copy of it could be kept, so it was left as it is.</source>
        <translation>el archivo de configuración %1 no se ha podido leer como configuración de Gibbetry ni se ha podido conservar una copia de él, así que se ha dejado como está.</translation>
    </message>
    <message>
        <source>No copy of it could be kept (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>No se ha podido conservar una copia de él (%1), así que se deja como está y no se guardarán opciones en él.</translation>
    </message>
    <message>
        <source>It is reached through a symbolic link, which stays: a copy of it, unchanged, was kept as %1, and your next save writes over %2, where the link leads.</source>
        <translation>Su ruta pasa por un enlace simbólico, que se mantiene: se ha conservado una copia del archivo, sin cambios, como %1, y la próxima vez que se guarden tus opciones se sobrescribirá %2, adonde lleva el enlace.</translation>
    </message>
    <message>
        <source>It is no longer there: it was moved or deleted meanwhile.</source>
        <translation>Ya no está ahí: se ha movido o eliminado mientras tanto.</translation>
    </message>
    <message>
        <source>the folder %1 could not be reached: %2.</source>
        <translation>no se ha podido acceder a la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2, which is %3, not a folder, so nothing was written.</source>
        <translation>%1 lleva a %2, que es %3, no una carpeta, así que no se ha escrito nada.</translation>
    </message>
    <message>
        <source>%1 is reached through another user&apos;s symbolic link, which Gibbetry run as root does not follow, so nothing was written.</source>
        <translation>%1 pasa por un enlace simbólico de otro usuario, que Gibbetry no sigue cuando se ejecuta como root, así que no se ha escrito nada.</translation>
    </message>
    <message>
        <source>%1 is %2, not a settings file, so nothing was written to it.</source>
        <translation>%1 es %2, no un archivo de configuración, así que no se ha escrito nada ahí.</translation>
    </message>
    <message>
        <source>%1 (through its link, %2)</source>
        <translation>%1 (un enlace que lleva a %2)</translation>
    </message>
    <message>
        <source>the settings file %1 could not be reached: %2.</source>
        <translation>no se ha podido acceder al archivo de configuración %1: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2, outside %3, and Gibbetry makes no file there.</source>
        <translation>%1 lleva a %2, fuera de %3, y Gibbetry no crea archivos ahí.</translation>
    </message>
    <message>
        <source>the settings file %1 is read-only: its owner took away the permission to write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>el archivo de configuración %1 es de solo lectura: su propietario le ha quitado el permiso de escritura, así que Gibbetry lo deja como está y no guardará opciones en él mientras siga así.</translation>
    </message>
    <message>
        <source>the settings file %1 belongs to another account, which does not let you write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>el archivo de configuración %1 pertenece a otra cuenta, que no te permite escribir en él, así que Gibbetry lo deja como está y no guardará opciones en él mientras siga así.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to: %2.</source>
        <translation>no se puede escribir en la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>the folder %1 does not belong to the owner of %2, and Gibbetry run as root writes in no other user&apos;s folder, so nothing was written.</source>
        <translation>la carpeta %1 no pertenece al propietario de %2, y Gibbetry, cuando se ejecuta como root, no escribe en carpetas de otros usuarios, así que no se ha escrito nada.</translation>
    </message>
    <message>
        <source>another Gibbetry game was saving its options to %1 and did not finish in time, so this game wrote nothing.</source>
        <translation>otra copia abierta de Gibbetry estaba guardando sus opciones en %1 y no ha terminado a tiempo, así que esta no ha escrito nada.</translation>
    </message>
    <message>
        <source>Gibbetry could not make its lock file in the folder %1, so nothing was written.</source>
        <translation>Gibbetry no ha podido crear su archivo de bloqueo en la carpeta %1, así que no se ha escrito nada.</translation>
    </message>
    <message>
        <source>the settings file %1 was changed by another program each time Gibbetry was about to save it, so it was left as it was.</source>
        <translation>otro programa ha modificado el archivo de configuración %1 cada vez que Gibbetry iba a guardarlo, así que se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>The settings file %1 kept changing while Gibbetry saved your options in it: they are in it, but what another program wrote to it at the same moment may not be.</source>
        <translation>El archivo de configuración %1 no dejaba de cambiar mientras Gibbetry guardaba en él tus opciones: tus opciones están guardadas, pero puede que no esté lo que otro programa escribió en él en ese mismo momento.</translation>
    </message>
    <message>
        <source>the settings file %1 was changed since Gibbetry read it and no longer reads as its settings, so it was left as it is.</source>
        <translation>el archivo de configuración %1 ha cambiado desde que Gibbetry lo leyó y ya no se puede leer como su configuración, así que se ha dejado como está.</translation>
    </message>
    <message>
        <source>the settings file %1 would grow larger than 64 KiB, so it was left as it was.</source>
        <translation>el archivo de configuración %1 ocuparía más de 64&#xa0;KiB, así que se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>the folder %1 was moved or replaced while Gibbetry saved, so nothing was written.</source>
        <translation>la carpeta %1 se ha movido o sustituido mientras Gibbetry guardaba, así que no se ha escrito nada.</translation>
    </message>
    <message>
        <source>the replaced file could not be read again</source>
        <translation>no se ha podido volver a leer el archivo sustituido</translation>
    </message>
    <message>
        <source>there is no room left on the disk that holds %1, so the file was left as it was.</source>
        <translation>no queda espacio en el disco donde está %1, así que el archivo se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written: %2. It was left as it was.</source>
        <translation>no se ha podido escribir el archivo de configuración %1: %2. Se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>the folder %1 could not be created: %2.</source>
        <translation>no se ha podido crear la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>the folder %1 could not be given to its owner: %2.</source>
        <translation>no se ha podido asignar la carpeta %1 a su propietario: %2.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Your options could not be saved: %1

They stay in force until Gibbetry is closed.</source>
        <translation>No se han podido guardar tus opciones: %1

Seguirán vigentes hasta que cierres Gibbetry.</translation>
    </message>
    <message numerus="yes">
        <source>Word length limited to %n characters</source>
        <extracomment>The status line; %n is the chosen length, 4 to 20.</extracomment>
        <translation>
            <numerusform>Palabras de hasta %n letra</numerusform>
            <numerusform>Palabras de hasta %n letras</numerusform>
        </translation>
    </message>
    <message>
        <source>No restriction on word length</source>
        <translation>Palabras de cualquier longitud</translation>
    </message>
    <message>
        <source>Hint is OFF</source>
        <translation>Sin pista</translation>
    </message>
</context>
<context>
    <name>PosixFileReader</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is a character device, not a file</source>
        <translation>es un dispositivo de caracteres, no un archivo</translation>
    </message>
    <message>
        <source>it is a block device, not a file</source>
        <translation>es un dispositivo de bloques, no un archivo</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe), not a file</source>
        <translation>es una tubería con nombre (FIFO), no un archivo</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es un socket, no un archivo</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>WordListLoader</name>
    <message>
        <source>The word list &quot;%1&quot; could not be read. It was looked for as:
%2

%3</source>
        <translation>No se ha podido leer la lista de palabras &quot;%1&quot;. Se ha buscado en:
%2

%3</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.

%2</source>
        <translation>
            <numerusform>La lista de palabras %1 no ha respondido en %n segundo, así que Gibbetry ha dejado de esperarla.

%2</numerusform>
            <numerusform>La lista de palabras %1 no ha respondido en %n segundos, así que Gibbetry ha dejado de esperarla.

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it and reads its own list instead.</source>
        <translation>
            <numerusform>La lista de palabras %1 no ha respondido en %n segundo, así que Gibbetry ha dejado de esperarla y usa su propia lista en su lugar.</numerusform>
            <numerusform>La lista de palabras %1 no ha respondido en %n segundos, así que Gibbetry ha dejado de esperarla y usa su propia lista en su lugar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.</source>
        <translation>
            <numerusform>La lista de palabras %1 no ha respondido en %n segundo, así que Gibbetry ha dejado de esperarla.</numerusform>
            <numerusform>La lista de palabras %1 no ha respondido en %n segundos, así que Gibbetry ha dejado de esperarla.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n lines, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>Gibbetry solo lee una lista de palabras hasta la línea %n, y hasta ahí %1 no contiene ninguna palabra con la que se pueda jugar: una palabra debe tener de 1 a 23 letras, de la A a la Z.

%2</numerusform>
            <numerusform>Gibbetry solo lee una lista de palabras hasta la línea %n, y hasta ahí %1 no contiene ninguna palabra con la que se pueda jugar: una palabra debe tener de 1 a 23 letras, de la A a la Z.

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n MiB, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>Gibbetry solo lee una lista de palabras hasta %n&#xa0;MiB, y hasta ahí %1 no contiene ninguna palabra con la que se pueda jugar: una palabra debe tener de 1 a 23 letras, de la A a la Z.

%2</numerusform>
            <numerusform>Gibbetry solo lee una lista de palabras hasta %n&#xa0;MiB, y hasta ahí %1 no contiene ninguna palabra con la que se pueda jugar: una palabra debe tener de 1 a 23 letras, de la A a la Z.

%2</numerusform>
        </translation>
    </message>
    <message>
        <source>The word list %1 holds no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>La lista de palabras %1 no contiene ninguna palabra con la que se pueda jugar: una palabra debe tener de 1 a 23 letras, de la A a la Z.

%2</translation>
    </message>
    <message>
        <source>Your word list %1 could not be read: %2. Gibbetry&apos;s own list is used instead.</source>
        <translation>No se ha podido leer tu lista de palabras %1: %2. En su lugar se usa la lista propia de Gibbetry.</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n lines were loaded.</source>
        <translation>
            <numerusform>La lista de palabras %1 es más larga de lo que Gibbetry lee: solo se ha cargado %n línea.</numerusform>
            <numerusform>La lista de palabras %1 es más larga de lo que Gibbetry lee: solo se han cargado sus primeras %n líneas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n MiB were loaded.</source>
        <translation>
            <numerusform>La lista de palabras %1 es más larga de lo que Gibbetry lee: solo se ha cargado %n&#xa0;MiB.</numerusform>
            <numerusform>La lista de palabras %1 es más larga de lo que Gibbetry lee: solo se han cargado sus primeros %n&#xa0;MiB.</numerusform>
        </translation>
    </message>
    <message>
        <source>No word list is loaded: choose another in Options.</source>
        <translation>No hay ninguna lista de palabras cargada: elige otra en Opciones.</translation>
    </message>
    <message>
        <source>The word list &quot;%1&quot; stays in use.</source>
        <translation>Se sigue usando la lista de palabras &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>WordSource</name>
    <message>
        <source>Australian English Dictionary (Tolvarin) - 45,000 words</source>
        <translation>Diccionario de inglés australiano (Tolvarin) - 45.000 palabras</translation>
    </message>
    <message>
        <source>Ogden&apos;s Basic English Words - 850 words</source>
        <translation>Vocabulario de Ogden&apos;s Basic English - 850 palabras</translation>
    </message>
    <message>
        <source>SmarterKid 1 - 5,000 words</source>
        <translation>SmarterKid 1 - 5000 palabras</translation>
    </message>
    <message>
        <source>SmarterKid 2 - 3,000 words</source>
        <translation>SmarterKid 2 - 3000 palabras</translation>
    </message>
    <message>
        <source>SmarterKid 3 - 8,000 words</source>
        <translation>SmarterKid 3 - 8000 palabras</translation>
    </message>
    <message>
        <source>SmarterKid 4 - 4,000 words</source>
        <translation>SmarterKid 4 - 4000 palabras</translation>
    </message>
    <message>
        <source>SmarterKid 5 - 34,000 words</source>
        <translation>SmarterKid 5 - 34.000 palabras</translation>
    </message>
</context>
<context>
    <name>gibbetry::AboutBox</name>
    <message>
        <source>Updates</source>
        <translation>Actualizaciones</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the game&apos;s name, Gibbetry.</extracomment>
        <translation>Acerca de %1</translation>
    </message>
</context>
<context>
    <name>gibbetry::MainWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Click on the letter to select it.</source>
        <translation>Haz clic en la letra para elegirla.</translation>
    </message>
</context>
<context>
    <name>gibbetry::OptionsDialog</name>
    <message>
        <source>Gibbetry - Options</source>
        <translation>Gibbetry - Opciones</translation>
    </message>
    <message>
        <source>Select the number of wrong guesses allowed</source>
        <translation>Elegir el número de fallos permitidos</translation>
    </message>
    <message>
        <source>Draw the hangman (allows 12 wrong guesses)</source>
        <translation>Dibujar al ahorcado (permite 12 fallos)</translation>
    </message>
    <message>
        <source>Each wrong guess will result in part of the hangman being drawn</source>
        <translation>Con cada fallo se dibuja una parte del ahorcado</translation>
    </message>
    <message>
        <source>Make a manual selection</source>
        <translation>Elegir manualmente</translation>
    </message>
    <message>
        <source>Select source for word list</source>
        <translation>Elegir la lista de palabras</translation>
    </message>
    <message>
        <source>Other options</source>
        <translation>Otras opciones</translation>
    </message>
    <message>
        <source>Show a hint</source>
        <translation>Mostrar una pista</translation>
    </message>
    <message>
        <source>Supplies you with a hint to help you to solve the word</source>
        <translation>Te da una pista para ayudarte a adivinar la palabra</translation>
    </message>
    <message>
        <source>Limit the length of the words used to</source>
        <extracomment>Followed by a drop-down list of lengths, 4 to 20 letters.</extracomment>
        <translation>Limitar la longitud de las palabras a</translation>
    </message>
    <message>
        <source>DONE</source>
        <extracomment>Closes the dialog and keeps its choices; capitals as on the rest of the button&apos;s kind.</extracomment>
        <translation>HECHO</translation>
    </message>
</context>
</TS>
