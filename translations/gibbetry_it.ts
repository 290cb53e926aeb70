<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AccessibleText</name>
    <message>
        <source>errors allowed</source>
        <translation>errori consentiti</translation>
    </message>
    <message>
        <source>errors made</source>
        <translation>errori commessi</translation>
    </message>
    <message>
        <source>chances left</source>
        <translation>tentativi rimasti</translation>
    </message>
    <message>
        <source>time of day</source>
        <translation>ora attuale</translation>
    </message>
    <message>
        <source>word list</source>
        <translation>elenco di parole</translation>
    </message>
    <message>
        <source>word length limit</source>
        <translation>limite di lunghezza delle parole</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>indizio</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>GAME OVER</source>
        <extracomment>Shown on the board, in capitals, when a game is lost.</extracomment>
        <translation>FINE PARTITA</translation>
    </message>
    <message>
        <source>Allowed errors</source>
        <extracomment>A counter of manual mode, its number to the right.</extracomment>
        <translation>Errori consentiti</translation>
    </message>
    <message>
        <source>Errors made</source>
        <translation>Errori commessi</translation>
    </message>
    <message>
        <source>Chances left</source>
        <translation>Tentativi rimasti</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>gibbetry: no graphical desktop found (neither DISPLAY nor WAYLAND_DISPLAY is set); Gibbetry needs one to run.</source>
        <translation>gibbetry: nessun desktop grafico trovato (non sono impostate né DISPLAY né WAYLAND_DISPLAY); Gibbetry ne ha bisogno per funzionare.</translation>
    </message>
    <message>
        <source>gibbetry: this Wayland desktop has no X server and Qt&apos;s Wayland support is not installed; install the qt6-wayland package to run Gibbetry.</source>
        <translation>gibbetry: questo desktop Wayland non ha un server X e il supporto di Qt per Wayland non è installato; installa il pacchetto qt6-wayland per avviare Gibbetry.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <extracomment>%1 is the program&apos;s name, gibbetry.</extracomment>
        <translation>Uso: %1 [opzioni]</translation>
    </message>
    <message>
        <source>A game of hangman. It also takes Qt&apos;s options, such as -platform and -style.</source>
        <translation>Il gioco dell&apos;impiccato. Accetta anche le opzioni di Qt, come -platform e -style.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>a folder</source>
        <extracomment>What a path turned out to be, a noun phrase with its article; it stands where a sentence names what was found (&quot;%1 is %2, not a settings file&quot;).</extracomment>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un dispositivo a caratteri</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un dispositivo a blocchi</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>una FIFO (pipe con nome)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>un file</translation>
    </message>
    <message>
        <source>no regular file</source>
        <translation>un file non regolare</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No word list is loaded, so no game can start. Choose a word list in Options.</source>
        <translation>Non è caricato nessun elenco di parole, quindi non si può iniziare una partita. Scegli un elenco di parole nelle Opzioni.</translation>
    </message>
    <message numerus="yes">
        <source>No word of the list &quot;%1&quot; fits the length limit of %n characters. Choose a longer limit or another list in Options.</source>
        <translation>
            <numerusform>Nessuna parola dell&apos;elenco &quot;%1&quot; rientra nel limite di %n lettera. Scegli un limite più alto o un altro elenco nelle Opzioni.</numerusform>
            <numerusform>Nessuna parola dell&apos;elenco &quot;%1&quot; rientra nel limite di %n lettere. Scegli un limite più alto o un altro elenco nelle Opzioni.</numerusform>
        </translation>
    </message>
    <message>
        <source>You have completed the word.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Well done.</source>
        <extracomment>The win message: keep its line breaks.</extracomment>
        <translation>Hai indovinato la parola.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Ben fatto!</translation>
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
        <translation>non è stato possibile leggere il file delle impostazioni %1 (%2), quindi è stato lasciato com&apos;è.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read: %2. Gibbetry starts from the default options and will not save over that file.</source>
        <translation>Non è stato possibile leggere il file delle impostazioni %1: %2. Gibbetry usa le opzioni predefinite e non sovrascriverà quel file.</translation>
    </message>
    <message>
        <source>the settings file %1 kept changing while Gibbetry tried to move it aside, so it was left as it is.</source>
        <translation>il file delle impostazioni %1 continuava a cambiare mentre Gibbetry cercava di spostarlo altrove, quindi è stato lasciato com&apos;è.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings, and it kept changing while Gibbetry tried to move it aside, so it is left as it is and options will not be saved over it.</source>
        <translation>Il file delle impostazioni %1 non è leggibile come impostazioni di Gibbetry e continuava a cambiare mentre Gibbetry cercava di spostarlo altrove, quindi viene lasciato com&apos;è e non verrà sovrascritto con le opzioni.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 64 KiB, far more than Gibbetry&apos;s settings take.</source>
        <translation>Il file delle impostazioni %1 è più grande di 64 KiB, molto più di quanto occupino le impostazioni di Gibbetry.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings.</source>
        <translation>Il file delle impostazioni %1 non è leggibile come impostazioni di Gibbetry.</translation>
    </message>
    <message>
        <source>The options it did not hold start from their defaults.</source>
        <translation>Le opzioni assenti dal file usano i valori predefiniti.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be checked (%2), so it was left as it is.</source>
        <translation>il file delle impostazioni %1 non è leggibile come impostazioni di Gibbetry e non è stato possibile controllarlo (%2), quindi è stato lasciato com&apos;è.</translation>
    </message>
    <message>
        <source>Where it lies could not be checked (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>Non è stato possibile controllare dove si trova (%1), quindi viene lasciato com&apos;è e non verrà sovrascritto con le opzioni.</translation>
    </message>
    <message>
        <source>it is reached through another user&apos;s symbolic link</source>
        <translation>è raggiungibile tramite un collegamento simbolico di un altro utente</translation>
    </message>
    <message>
        <source>its folder %1 does not belong to the owner of %2</source>
        <translation>la sua cartella %1 non appartiene al proprietario di %2</translation>
    </message>
    <message>
        <source>the settings file %1 is left as it is, because %2 and Gibbetry run as root does not write there.</source>
        <translation>il file delle impostazioni %1 viene lasciato com&apos;è, perché %2 e Gibbetry, avviato come root, non scrive lì.</translation>
    </message>
    <message>
        <source>It is left as it is, and options will not be saved over it, because %1 and Gibbetry run as root does not write there.</source>
        <translation>Viene lasciato com&apos;è e non verrà sovrascritto con le opzioni, perché %1 e Gibbetry, avviato come root, non scrive lì.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be moved aside, so it was left as it is.</source>
        <translation>il file delle impostazioni %1 non è leggibile come impostazioni di Gibbetry e non è stato possibile spostarlo altrove, quindi è stato lasciato com&apos;è.</translation>
    </message>
    <message>
        <source>It could not be moved aside (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>Non è stato possibile spostarlo altrove (%1), quindi viene lasciato com&apos;è e non verrà sovrascritto con le opzioni.</translation>
    </message>
    <message>
        <source>It was moved, unchanged, to %1.</source>
        <translation>È stato spostato, senza modifiche, in %1.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and no copy of it could be kept, so it was left as it is.</source>
        <translation>il file delle impostazioni %1 non è leggibile come impostazioni di Gibbetry e non è stato possibile conservarne una copia, quindi è stato lasciato com&apos;è.</translation>
    </message>
    <message>
        <source>No copy of it could be kept (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>Non è stato possibile conservarne una copia (%1), quindi viene lasciato com&apos;è e non verrà sovrascritto con le opzioni.</translation>
    </message>
    <message>
        <source>It is reached through a symbolic link, which stays: a copy of it, unchanged, was kept as %1, and your next save writes over %2, where the link leads.</source>
        <translation>È raggiungibile tramite un collegamento simbolico, che resta al suo posto: una copia del file, senza modifiche, è stata conservata come %1 e il prossimo salvataggio sovrascriverà %2, a cui punta il collegamento.</translation>
    </message>
    <message>
        <source>It is no longer there: it was moved or deleted meanwhile.</source>
        <translation>Non c&apos;è più: nel frattempo è stato spostato o eliminato.</translation>
    </message>
    <message>
        <source>the folder %1 could not be reached: %2.</source>
        <translation>non è stato possibile raggiungere la cartella %1: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2, which is %3, not a folder, so nothing was written.</source>
        <translation>%1 punta a %2, che è %3, non una cartella, quindi non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1 is reached through another user&apos;s symbolic link, which Gibbetry run as root does not follow, so nothing was written.</source>
        <translation>%1 è raggiungibile tramite un collegamento simbolico di un altro utente, che Gibbetry, avviato come root, non segue, quindi non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1 is %2, not a settings file, so nothing was written to it.</source>
        <translation>%1 è %2, non un file di impostazioni, quindi non vi è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1 (through its link, %2)</source>
        <translation>%1 (che punta a %2)</translation>
    </message>
    <message>
        <source>the settings file %1 could not be reached: %2.</source>
        <translation>non è stato possibile raggiungere il file delle impostazioni %1: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2, outside %3, and Gibbetry makes no file there.</source>
        <translation>%1 punta a %2, fuori da %3, e Gibbetry non crea file lì.</translation>
    </message>
    <message>
        <source>the settings file %1 is read-only: its owner took away the permission to write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>il file delle impostazioni %1 è di sola lettura: il suo proprietario ha tolto il permesso di scrittura, quindi Gibbetry lo lascia com&apos;è e non vi salva le opzioni finché resta così.</translation>
    </message>
    <message>
        <source>the settings file %1 belongs to another account, which does not let you write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>il file delle impostazioni %1 appartiene a un altro utente, che non ti permette di scriverci, quindi Gibbetry lo lascia com&apos;è e non vi salva le opzioni finché resta così.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to: %2.</source>
        <translation>non è possibile scrivere nella cartella %1: %2.</translation>
    </message>
    <message>
        <source>the folder %1 does not belong to the owner of %2, and Gibbetry run as root writes in no other user&apos;s folder, so nothing was written.</source>
        <translation>la cartella %1 non appartiene al proprietario di %2 e Gibbetry, avviato come root, non scrive nelle cartelle di altri utenti, quindi non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>another Gibbetry game was saving its options to %1 and did not finish in time, so this game wrote nothing.</source>
        <translation>un&apos;altra copia di Gibbetry in esecuzione stava salvando le sue opzioni in %1 e non ha finito in tempo, quindi questa copia non ha scritto nulla.</translation>
    </message>
    <message>
        <source>Gibbetry could not make its lock file in the folder %1, so nothing was written.</source>
        <translation>Gibbetry non è riuscito a creare il suo file di blocco nella cartella %1, quindi non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>the settings file %1 was changed by another program each time Gibbetry was about to save it, so it was left as it was.</source>
        <translation>il file delle impostazioni %1 è stato modificato da un altro programma ogni volta che Gibbetry stava per salvarlo, quindi è stato lasciato com&apos;era.</translation>
    </message>
    <message>
        <source>The settings file %1 kept changing while Gibbetry saved your options in it: they are in it, but what another program wrote to it at the same moment may not be.</source>
        <translation>Il file delle impostazioni %1 continuava a cambiare mentre Gibbetry vi salvava le tue opzioni: le opzioni sono state salvate, ma ciò che un altro programma vi ha scritto nello stesso momento potrebbe mancare.</translation>
    </message>
    <message>
        <source>the settings file %1 was changed since Gibbetry read it and no longer reads as its settings, so it was left as it is.</source>
        <translation>il file delle impostazioni %1 è stato modificato dopo che Gibbetry lo ha letto e non è più leggibile come impostazioni di Gibbetry, quindi è stato lasciato com&apos;è.</translation>
    </message>
    <message>
        <source>the settings file %1 would grow larger than 64 KiB, so it was left as it was.</source>
        <translation>il file delle impostazioni %1 supererebbe i 64 KiB, quindi è stato lasciato com&apos;era.</translation>
    </message>
    <message>
        <source>the folder %1 was moved or replaced while Gibbetry saved, so nothing was written.</source>
        <translation>la cartella %1 è stata spostata o sostituita mentre Gibbetry salvava, quindi non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>the replaced file could not be read again</source>
        <translation>non è stato possibile rileggere il file sostituito</translation>
    </message>
    <message>
        <source>there is no room left on the disk that holds %1, so the file was left as it was.</source>
        <translation>non c&apos;è più spazio sul disco che contiene %1, quindi il file è stato lasciato com&apos;era.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written: %2. It was left as it was.</source>
        <translation>non è stato possibile scrivere il file delle impostazioni %1: %2. È stato lasciato com&apos;era.</translation>
    </message>
    <message>
        <source>the folder %1 could not be created: %2.</source>
        <translation>non è stato possibile creare la cartella %1: %2.</translation>
    </message>
    <message>
        <source>the folder %1 could not be given to its owner: %2.</source>
        <translation>non è stato possibile assegnare la cartella %1 al suo proprietario: %2.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Your options could not be saved: %1

They stay in force until Gibbetry is closed.</source>
        <translation>Non è stato possibile salvare le tue opzioni: %1

Restano valide finché Gibbetry non viene chiuso.</translation>
    </message>
    <message numerus="yes">
        <source>Word length limited to %n characters</source>
        <extracomment>The status line; %n is the chosen length, 4 to 20.</extracomment>
        <translation>
            <numerusform>Parole lunghe al massimo %n lettera</numerusform>
            <numerusform>Parole lunghe al massimo %n lettere</numerusform>
        </translation>
    </message>
    <message>
        <source>No restriction on word length</source>
        <translation>Parole di qualsiasi lunghezza</translation>
    </message>
    <message>
        <source>Hint is OFF</source>
        <translation>Senza indizio</translation>
    </message>
</context>
<context>
    <name>PosixFileReader</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>è una cartella, non un file</translation>
    </message>
    <message>
        <source>it is a character device, not a file</source>
        <translation>è un dispositivo a caratteri, non un file</translation>
    </message>
    <message>
        <source>it is a block device, not a file</source>
        <translation>è un dispositivo a blocchi, non un file</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe), not a file</source>
        <translation>è una FIFO (pipe con nome), non un file</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>è un socket, non un file</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>non è un file regolare</translation>
    </message>
</context>
<context>
    <name>WordListLoader</name>
    <message>
        <source>The word list &quot;%1&quot; could not be read. It was looked for as:
%2

%3</source>
        <translation>Non è stato possibile leggere l&apos;elenco di parole &quot;%1&quot;. È stato cercato in:
%2

%3</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.

%2</source>
        <translation>
            <numerusform>L&apos;elenco di parole %1 non ha risposto entro %n secondo, quindi Gibbetry ha smesso di aspettarlo.

%2</numerusform>
            <numerusform>L&apos;elenco di parole %1 non ha risposto entro %n secondi, quindi Gibbetry ha smesso di aspettarlo.

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it and reads its own list instead.</source>
        <translation>
            <numerusform>L&apos;elenco di parole %1 non ha risposto entro %n secondo, quindi Gibbetry ha smesso di aspettarlo e usa invece il proprio elenco.</numerusform>
            <numerusform>L&apos;elenco di parole %1 non ha risposto entro %n secondi, quindi Gibbetry ha smesso di aspettarlo e usa invece il proprio elenco.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.</source>
        <translation>
            <numerusform>L&apos;elenco di parole %1 non ha risposto entro %n secondo, quindi Gibbetry ha smesso di aspettarlo.</numerusform>
            <numerusform>L&apos;elenco di parole %1 non ha risposto entro %n secondi, quindi Gibbetry ha smesso di aspettarlo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n lines, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>Di un elenco di parole Gibbetry legge solo %n riga iniziale, e quella di %1 non contiene nessuna parola valida: una parola deve avere da 1 a 23 lettere dalla A alla Z.

%2</numerusform>
            <numerusform>Di un elenco di parole Gibbetry legge solo le prime %n righe, e quelle di %1 non contengono nessuna parola valida: una parola deve avere da 1 a 23 lettere dalla A alla Z.

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n MiB, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>Di un elenco di parole Gibbetry legge solo %n MiB iniziale, e quello di %1 non contiene nessuna parola valida: una parola deve avere da 1 a 23 lettere dalla A alla Z.

%2</numerusform>
            <numerusform>Di un elenco di parole Gibbetry legge solo i primi %n MiB, e quelli di %1 non contengono nessuna parola valida: una parola deve avere da 1 a 23 lettere dalla A alla Z.

%2</numerusform>
        </translation>
    </message>
    <message>
        <source>The word list %1 holds no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>L&apos;elenco di parole %1 non contiene nessuna parola valida: una parola deve avere da 1 a 23 lettere dalla A alla Z.

%2</translation>
    </message>
    <message>
        <source>Your word list %1 could not be read: %2. Gibbetry&apos;s own list is used instead.</source>
        <translation>Non è stato possibile leggere il tuo elenco di parole %1: %2. Viene usato invece l&apos;elenco di Gibbetry.</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n lines were loaded.</source>
        <translation>
            <numerusform>L&apos;elenco di parole %1 è più lungo di quanto Gibbetry possa leggere: è stata caricata solo %n riga iniziale.</numerusform>
            <numerusform>L&apos;elenco di parole %1 è più lungo di quanto Gibbetry possa leggere: sono state caricate solo le prime %n righe.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n MiB were loaded.</source>
        <translation>
            <numerusform>L&apos;elenco di parole %1 è più lungo di quanto Gibbetry possa leggere: è stato caricato solo %n MiB iniziale.</numerusform>
            <numerusform>L&apos;elenco di parole %1 è più lungo di quanto Gibbetry possa leggere: sono stati caricati solo i primi %n MiB.</numerusform>
        </translation>
    </message>
    <message>
        <source>No word list is loaded: choose another in Options.</source>
        <translation>Nessun elenco di parole caricato: scegline un altro nelle Opzioni.</translation>
    </message>
    <message>
        <source>The word list &quot;%1&quot; stays in use.</source>
        <translation>Resta in uso l&apos;elenco di parole &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>WordSource</name>
    <message>
        <source>Australian English Dictionary (Tolvarin) - 45,000 words</source>
        <translation>Dizionario di inglese australiano (Tolvarin) - 45.000 parole</translation>
    </message>
    <message>
        <source>Ogden&apos;s Basic English Words - 850 words</source>
        <translation>Ogden&apos;s Basic English - 850 parole</translation>
    </message>
    <message>
        <source>SmarterKid 1 - 5,000 words</source>
        <translation>SmarterKid 1 - 5.000 parole</translation>
    </message>
    <message>
        <source>SmarterKid 2 - 3,000 words</source>
        <translation>SmarterKid 2 - 3.000 parole</translation>
    </message>
    <message>
        <source>SmarterKid 3 - 8,000 words</source>
        <translation>SmarterKid 3 - 8.000 parole</translation>
    </message>
    <message>
        <source>SmarterKid 4 - 4,000 words</source>
        <translation>SmarterKid 4 - 4.000 parole</translation>
    </message>
    <message>
        <source>SmarterKid 5 - 34,000 words</source>
        <translation>SmarterKid 5 - 34.000 parole</translation>
    </message>
</context>
<context>
    <name>gibbetry::AboutBox</name>
    <message>
        <source>Updates</source>
        <translation>Aggiornamenti</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the game&apos;s name, Gibbetry.</extracomment>
        <translation>Informazioni su %1</translation>
    </message>
</context>
<context>
    <name>gibbetry::MainWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Click on the letter to select it.</source>
        <translation>Fai clic su una lettera per sceglierla.</translation>
    </message>
</context>
<context>
    <name>gibbetry::OptionsDialog</name>
    <message>
        <source>Gibbetry - Options</source>
        <translation>Gibbetry - Opzioni</translation>
    </message>
    <message>
        <source>Select the number of wrong guesses allowed</source>
        <translation>Scegli il numero di errori consentiti</translation>
    </message>
    <message>
        <source>Draw the hangman (allows 12 wrong guesses)</source>
        <translation>Disegna l&apos;impiccato (12 errori consentiti)</translation>
    </message>
    <message>
        <source>Each wrong guess will result in part of the hangman being drawn</source>
        <translation>A ogni errore viene disegnata una parte dell&apos;impiccato</translation>
    </message>
    <message>
        <source>Make a manual selection</source>
        <translation>Scelta manuale</translation>
    </message>
    <message>
        <source>Select source for word list</source>
        <translation>Scegli l&apos;elenco di parole</translation>
    </message>
    <message>
        <source>Other options</source>
        <translation>Altre opzioni</translation>
    </message>
    <message>
        <source>Show a hint</source>
        <translation>Mostra un indizio</translation>
    </message>
    <message>
        <source>Supplies you with a hint to help you to solve the word</source>
        <translation>Ti dà un indizio per aiutarti a indovinare la parola</translation>
    </message>
    <message>
        <source>Limit the length of the words used to</source>
        <extracomment>Followed by a drop-down list of lengths, 4 to 20 letters.</extracomment>
        <translation>Limita la lunghezza delle parole a</translation>
    </message>
    <message>
        <source>DONE</source>
        <extracomment>Closes the dialog and keeps its choices; capitals as on the rest of the button&apos;s kind.</extracomment>
        <translation>FATTO</translation>
    </message>
</context>
</TS>
