<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AccessibleText</name>
    <message>
        <source>errors allowed</source>
        <translation>erreurs permises</translation>
    </message>
    <message>
        <source>errors made</source>
        <translation>erreurs commises</translation>
    </message>
    <message>
        <source>chances left</source>
        <translation>chances restantes</translation>
    </message>
    <message>
        <source>time of day</source>
        <translation>heure</translation>
    </message>
    <message>
        <source>word list</source>
        <translation>liste de mots</translation>
    </message>
    <message>
        <source>word length limit</source>
        <translation>longueur maximale des mots</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>indice</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>GAME OVER</source>
        <extracomment>Shown on the board, in capitals, when a game is lost.</extracomment>
        <translation>PERDU</translation>
    </message>
    <message>
        <source>Allowed errors</source>
        <extracomment>A counter of manual mode, its number to the right.</extracomment>
        <translation>Erreurs permises</translation>
    </message>
    <message>
        <source>Errors made</source>
        <translation>Erreurs commises</translation>
    </message>
    <message>
        <source>Chances left</source>
        <translation>Chances restantes</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>gibbetry: no graphical desktop found (neither DISPLAY nor WAYLAND_DISPLAY is set); Gibbetry needs one to run.</source>
        <translation>gibbetry&#xa0;: aucun bureau graphique trouvé (ni DISPLAY ni WAYLAND_DISPLAY n’est défini)&#xa0;; Gibbetry en a besoin pour fonctionner.</translation>
    </message>
    <message>
        <source>gibbetry: this Wayland desktop has no X server and Qt&apos;s Wayland support is not installed; install the qt6-wayland package to run Gibbetry.</source>
        <translation>gibbetry&#xa0;: ce bureau Wayland n’a pas de serveur X et la prise en charge de Wayland par Qt n’est pas installée&#xa0;; installez le paquet qt6-wayland pour lancer Gibbetry.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <extracomment>%1 is the program&apos;s name, gibbetry.</extracomment>
        <translation>Utilisation&#xa0;: %1 [options]</translation>
    </message>
    <message>
        <source>A game of hangman. It also takes Qt&apos;s options, such as -platform and -style.</source>
        <translation>Un jeu du pendu. Il accepte aussi les options de Qt, comme -platform et -style.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>a folder</source>
        <extracomment>What a path turned out to be, a noun phrase with its article; it stands where a sentence names what was found (&quot;%1 is %2, not a settings file&quot;).</extracomment>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un périphérique en mode caractère</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un périphérique en mode bloc</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>un tube nommé (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>un fichier</translation>
    </message>
    <message>
        <source>no regular file</source>
        <translation>un élément autre qu’un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No word list is loaded, so no game can start. Choose a word list in Options.</source>
        <translation>Aucune liste de mots n’est chargée&#xa0;: aucune partie ne peut commencer. Choisissez une liste de mots dans les Options.</translation>
    </message>
    <message numerus="yes">
        <source>No word of the list &quot;%1&quot; fits the length limit of %n characters. Choose a longer limit or another list in Options.</source>
        <translation>
            <numerusform>Aucun mot de la liste «&#xa0;%1&#xa0;» ne respecte la limite de %n lettre. Choisissez une limite plus grande ou une autre liste dans les Options.</numerusform>
            <numerusform>Aucun mot de la liste «&#xa0;%1&#xa0;» ne respecte la limite de %n lettres. Choisissez une limite plus grande ou une autre liste dans les Options.</numerusform>
        </translation>
    </message>
    <message>
        <source>You have completed the word.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Well done.</source>
        <extracomment>The win message: keep its line breaks.</extracomment>
        <translation>Vous avez trouvé le mot.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Bravo&#xa0;!</translation>
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
        <translation>le fichier de configuration %1 n’a pas pu être lu (%2), il a donc été laissé tel quel.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read: %2. Gibbetry starts from the default options and will not save over that file.</source>
        <translation>Le fichier de configuration %1 n’a pas pu être lu&#xa0;: %2. Gibbetry démarre avec les options par défaut et n’écrasera pas ce fichier.</translation>
    </message>
    <message>
        <source>the settings file %1 kept changing while Gibbetry tried to move it aside, so it was left as it is.</source>
        <translation>le fichier de configuration %1 changeait sans cesse pendant que Gibbetry tentait de le mettre de côté, il a donc été laissé tel quel.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings, and it kept changing while Gibbetry tried to move it aside, so it is left as it is and options will not be saved over it.</source>
        <translation>Le fichier de configuration %1 n’a pas pu être lu comme une configuration de Gibbetry, et il changeait sans cesse pendant que Gibbetry tentait de le mettre de côté&#xa0;: il est donc laissé tel quel et les options n’y seront pas enregistrées.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 64 KiB, far more than Gibbetry&apos;s settings take.</source>
        <translation>Le fichier de configuration %1 dépasse 64&#xa0;KiB, bien plus que ce qu’occupe la configuration de Gibbetry.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings.</source>
        <translation>Le fichier de configuration %1 n’a pas pu être lu comme une configuration de Gibbetry.</translation>
    </message>
    <message>
        <source>The options it did not hold start from their defaults.</source>
        <translation>Les options qu’il ne contenait pas reprennent leur valeur par défaut.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be checked (%2), so it was left as it is.</source>
        <translation>le fichier de configuration %1 n’a pu être ni lu comme une configuration de Gibbetry, ni vérifié (%2), il a donc été laissé tel quel.</translation>
    </message>
    <message>
        <source>Where it lies could not be checked (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>Son emplacement n’a pas pu être vérifié (%1)&#xa0;: il est donc laissé tel quel et les options n’y seront pas enregistrées.</translation>
    </message>
    <message>
        <source>it is reached through another user&apos;s symbolic link</source>
        <translation>on y accède par le lien symbolique d’un autre utilisateur</translation>
    </message>
    <message>
        <source>its folder %1 does not belong to the owner of %2</source>
        <translation>son dossier %1 n’appartient pas au propriétaire de %2</translation>
    </message>
    <message>
        <source>the settings file %1 is left as it is, because %2 and Gibbetry run as root does not write there.</source>
        <translation>le fichier de configuration %1 est laissé tel quel, car %2, et Gibbetry, lancé en tant que root, n’y écrit pas.</translation>
    </message>
    <message>
        <source>It is left as it is, and options will not be saved over it, because %1 and Gibbetry run as root does not write there.</source>
        <translation>Il est laissé tel quel et les options n’y seront pas enregistrées, car %1, et Gibbetry, lancé en tant que root, n’y écrit pas.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be moved aside, so it was left as it is.</source>
        <translation>le fichier de configuration %1 n’a pu être ni lu comme une configuration de Gibbetry, ni mis de côté, il a donc été laissé tel quel.</translation>
    </message>
    <message>
        <source>It could not be moved aside (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>Il n’a pas pu être mis de côté (%1)&#xa0;: il est donc laissé tel quel et les options n’y seront pas enregistrées.</translation>
    </message>
    <message>
        <source>It was moved, unchanged, to %1.</source>
        <translation>Il a été déplacé, sans modification, vers %1.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and no copy of it could be kept, so it was left as it is.</source>
        <translation>le fichier de configuration %1 n’a pas pu être lu comme une configuration de Gibbetry et aucune copie n’a pu en être conservée, il a donc été laissé tel quel.</translation>
    </message>
    <message>
        <source>No copy of it could be kept (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>Aucune copie n’a pu en être conservée (%1)&#xa0;: il est donc laissé tel quel et les options n’y seront pas enregistrées.</translation>
    </message>
    <message>
        <source>It is reached through a symbolic link, which stays: a copy of it, unchanged, was kept as %1, and your next save writes over %2, where the link leads.</source>
        <translation>On y accède par un lien symbolique, qui est conservé&#xa0;: une copie inchangée du fichier a été gardée sous %1, et votre prochain enregistrement écrasera %2, là où mène le lien.</translation>
    </message>
    <message>
        <source>It is no longer there: it was moved or deleted meanwhile.</source>
        <translation>Il n’est plus là&#xa0;: il a été déplacé ou supprimé entre-temps.</translation>
    </message>
    <message>
        <source>the folder %1 could not be reached: %2.</source>
        <translation>le dossier %1 est inaccessible&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2, which is %3, not a folder, so nothing was written.</source>
        <translation>%1 mène à %2, qui est %3, et non un dossier, donc rien n’a été écrit.</translation>
    </message>
    <message>
        <source>%1 is reached through another user&apos;s symbolic link, which Gibbetry run as root does not follow, so nothing was written.</source>
        <translation>on accède à %1 par le lien symbolique d’un autre utilisateur, que Gibbetry ne suit pas lorsqu’il est lancé en tant que root, donc rien n’a été écrit.</translation>
    </message>
    <message>
        <source>%1 is %2, not a settings file, so nothing was written to it.</source>
        <translation>%1 est %2, et non un fichier de configuration, donc rien n’y a été écrit.</translation>
    </message>
    <message>
        <source>%1 (through its link, %2)</source>
        <translation>%1 (lien symbolique vers %2)</translation>
    </message>
    <message>
        <source>the settings file %1 could not be reached: %2.</source>
        <translation>le fichier de configuration %1 est inaccessible&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2, outside %3, and Gibbetry makes no file there.</source>
        <translation>%1 mène à %2, hors de %3, et Gibbetry n’y crée aucun fichier.</translation>
    </message>
    <message>
        <source>the settings file %1 is read-only: its owner took away the permission to write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>le fichier de configuration %1 est en lecture seule&#xa0;: son propriétaire en a retiré le droit d’écriture, donc Gibbetry le laisse tel quel et n’y enregistre aucune option tant que cela ne change pas.</translation>
    </message>
    <message>
        <source>the settings file %1 belongs to another account, which does not let you write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>le fichier de configuration %1 appartient à un autre compte, qui ne vous permet pas d’y écrire, donc Gibbetry le laisse tel quel et n’y enregistre aucune option tant que cela ne change pas.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to: %2.</source>
        <translation>le dossier %1 n’est pas accessible en écriture&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the folder %1 does not belong to the owner of %2, and Gibbetry run as root writes in no other user&apos;s folder, so nothing was written.</source>
        <translation>le dossier %1 n’appartient pas au propriétaire de %2, et Gibbetry, lancé en tant que root, n’écrit dans le dossier d’aucun autre utilisateur, donc rien n’a été écrit.</translation>
    </message>
    <message>
        <source>another Gibbetry game was saving its options to %1 and did not finish in time, so this game wrote nothing.</source>
        <translation>un autre Gibbetry ouvert enregistrait ses options dans %1 et n’a pas terminé à temps, donc celui-ci n’a rien écrit.</translation>
    </message>
    <message>
        <source>Gibbetry could not make its lock file in the folder %1, so nothing was written.</source>
        <translation>Gibbetry n’a pas pu créer son fichier de verrouillage dans le dossier %1, donc rien n’a été écrit.</translation>
    </message>
    <message>
        <source>the settings file %1 was changed by another program each time Gibbetry was about to save it, so it was left as it was.</source>
        <translation>le fichier de configuration %1 a été modifié par un autre programme chaque fois que Gibbetry allait l’enregistrer, il a donc été laissé tel qu’il était.</translation>
    </message>
    <message>
        <source>The settings file %1 kept changing while Gibbetry saved your options in it: they are in it, but what another program wrote to it at the same moment may not be.</source>
        <translation>Le fichier de configuration %1 changeait sans cesse pendant que Gibbetry y enregistrait vos options&#xa0;: elles y sont, mais ce qu’un autre programme y a écrit au même moment n’y est peut-être pas.</translation>
    </message>
    <message>
        <source>the settings file %1 was changed since Gibbetry read it and no longer reads as its settings, so it was left as it is.</source>
        <translation>le fichier de configuration %1 a été modifié depuis que Gibbetry l’a lu et n’est plus lisible comme une configuration de Gibbetry, il a donc été laissé tel quel.</translation>
    </message>
    <message>
        <source>the settings file %1 would grow larger than 64 KiB, so it was left as it was.</source>
        <translation>le fichier de configuration %1 dépasserait 64&#xa0;KiB, il a donc été laissé tel qu’il était.</translation>
    </message>
    <message>
        <source>the folder %1 was moved or replaced while Gibbetry saved, so nothing was written.</source>
        <translation>le dossier %1 a été déplacé ou remplacé pendant que Gibbetry enregistrait, donc rien n’a été écrit.</translation>
    </message>
    <message>
        <source>the replaced file could not be read again</source>
        <translation>le fichier remplacé n’a pas pu être relu</translation>
    </message>
    <message>
        <source>there is no room left on the disk that holds %1, so the file was left as it was.</source>
        <translation>il n’y a plus de place sur le disque qui contient %1, le fichier a donc été laissé tel qu’il était.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written: %2. It was left as it was.</source>
        <translation>le fichier de configuration %1 n’a pas pu être écrit&#xa0;: %2. Il a été laissé tel qu’il était.</translation>
    </message>
    <message>
        <source>the folder %1 could not be created: %2.</source>
        <translation>le dossier %1 n’a pas pu être créé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the folder %1 could not be given to its owner: %2.</source>
        <translation>le dossier %1 n’a pas pu être attribué à son propriétaire&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Your options could not be saved: %1

They stay in force until Gibbetry is closed.</source>
        <translation>Vos options n’ont pas pu être enregistrées&#xa0;: %1

Elles restent en vigueur jusqu’à la fermeture de Gibbetry.</translation>
    </message>
    <message numerus="yes">
        <source>Word length limited to %n characters</source>
        <extracomment>The status line; %n is the chosen length, 4 to 20.</extracomment>
        <translation>
            <numerusform>Mots limités à %n lettre</numerusform>
            <numerusform>Mots limités à %n lettres</numerusform>
        </translation>
    </message>
    <message>
        <source>No restriction on word length</source>
        <translation>Mots de toute longueur</translation>
    </message>
    <message>
        <source>Hint is OFF</source>
        <translation>Indice désactivé</translation>
    </message>
</context>
<context>
    <name>PosixFileReader</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c’est un dossier, et non un fichier</translation>
    </message>
    <message>
        <source>it is a character device, not a file</source>
        <translation>c’est un périphérique en mode caractère, et non un fichier</translation>
    </message>
    <message>
        <source>it is a block device, not a file</source>
        <translation>c’est un périphérique en mode bloc, et non un fichier</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe), not a file</source>
        <translation>c’est un tube nommé (FIFO), et non un fichier</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>c’est un socket, et non un fichier</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>WordListLoader</name>
    <message>
        <source>The word list &quot;%1&quot; could not be read. It was looked for as:
%2

%3</source>
        <translation>La liste de mots «&#xa0;%1&#xa0;» n’a pas pu être lue. Elle a été cherchée aux emplacements suivants&#xa0;:
%2

%3</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.

%2</source>
        <translation>
            <numerusform>La liste de mots %1 n’a pas répondu en %n seconde, Gibbetry a donc cessé de l’attendre.

%2</numerusform>
            <numerusform>La liste de mots %1 n’a pas répondu en %n secondes, Gibbetry a donc cessé de l’attendre.

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it and reads its own list instead.</source>
        <translation>
            <numerusform>La liste de mots %1 n’a pas répondu en %n seconde, Gibbetry a donc cessé de l’attendre et utilise sa propre liste à la place.</numerusform>
            <numerusform>La liste de mots %1 n’a pas répondu en %n secondes, Gibbetry a donc cessé de l’attendre et utilise sa propre liste à la place.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.</source>
        <translation>
            <numerusform>La liste de mots %1 n’a pas répondu en %n seconde, Gibbetry a donc cessé de l’attendre.</numerusform>
            <numerusform>La liste de mots %1 n’a pas répondu en %n secondes, Gibbetry a donc cessé de l’attendre.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n lines, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>Gibbetry ne lit que %n ligne au début d’une liste de mots, et celle de %1 ne contient aucun mot jouable&#xa0;: un mot doit avoir de 1 à 23 lettres de A à Z.

%2</numerusform>
            <numerusform>Gibbetry ne lit que les %n premières lignes d’une liste de mots, et celles de %1 ne contiennent aucun mot jouable&#xa0;: un mot doit avoir de 1 à 23 lettres de A à Z.

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n MiB, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>Gibbetry ne lit que le début d’une liste de mots, jusqu’à %n&#xa0;MiB, et ce début de %1 ne contient aucun mot jouable&#xa0;: un mot doit avoir de 1 à 23 lettres de A à Z.

%2</numerusform>
            <numerusform>Gibbetry ne lit que les %n premiers MiB d’une liste de mots, et ceux de %1 ne contiennent aucun mot jouable&#xa0;: un mot doit avoir de 1 à 23 lettres de A à Z.

%2</numerusform>
        </translation>
    </message>
    <message>
        <source>The word list %1 holds no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>La liste de mots %1 ne contient aucun mot jouable&#xa0;: un mot doit avoir de 1 à 23 lettres de A à Z.

%2</translation>
    </message>
    <message>
        <source>Your word list %1 could not be read: %2. Gibbetry&apos;s own list is used instead.</source>
        <translation>Votre liste de mots %1 n’a pas pu être lue&#xa0;: %2. Gibbetry utilise sa propre liste à la place.</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n lines were loaded.</source>
        <translation>
            <numerusform>La liste de mots %1 dépasse ce que Gibbetry lit&#xa0;: seule %n ligne a été chargée.</numerusform>
            <numerusform>La liste de mots %1 dépasse ce que Gibbetry lit&#xa0;: seules ses %n premières lignes ont été chargées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n MiB were loaded.</source>
        <translation>
            <numerusform>La liste de mots %1 dépasse ce que Gibbetry lit&#xa0;: seul %n&#xa0;MiB a été chargé.</numerusform>
            <numerusform>La liste de mots %1 dépasse ce que Gibbetry lit&#xa0;: seuls ses %n premiers MiB ont été chargés.</numerusform>
        </translation>
    </message>
    <message>
        <source>No word list is loaded: choose another in Options.</source>
        <translation>Aucune liste de mots n’est chargée&#xa0;: choisissez-en une autre dans les Options.</translation>
    </message>
    <message>
        <source>The word list &quot;%1&quot; stays in use.</source>
        <translation>La liste de mots «&#xa0;%1&#xa0;» reste utilisée.</translation>
    </message>
</context>
<context>
    <name>WordSource</name>
    <message>
        <source>Australian English Dictionary (Tolvarin) - 45,000 words</source>
        <translation>Dictionnaire d’anglais australien (Tolvarin) - 45&#xa0;000 mots</translation>
    </message>
    <message>
        <source>Ogden&apos;s Basic English Words - 850 words</source>
        <translation>Ogden&apos;s Basic English - 850 mots</translation>
    </message>
    <message>
        <source>SmarterKid 1 - 5,000 words</source>
        <translation>SmarterKid 1 - 5&#xa0;000 mots</translation>
    </message>
    <message>
        <source>SmarterKid 2 - 3,000 words</source>
        <translation>SmarterKid 2 - 3&#xa0;000 mots</translation>
    </message>
    <message>
        <source>SmarterKid 3 - 8,000 words</source>
        <translation>SmarterKid 3 - 8&#xa0;000 mots</translation>
    </message>
    <message>
        <source>SmarterKid 4 - 4,000 words</source>
        <translation>SmarterKid 4 - 4&#xa0;000 mots</translation>
    </message>
    <message>
        <source>SmarterKid 5 - 34,000 words</source>
        <translation>SmarterKid 5 - 34&#xa0;000 mots</translation>
    </message>
</context>
<context>
    <name>gibbetry::AboutBox</name>
    <message>
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the game&apos;s name, Gibbetry.</extracomment>
        <translation>À propos de %1</translation>
    </message>
</context>
<context>
    <name>gibbetry::MainWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Click on the letter to select it.</source>
        <translation>Cliquez sur une lettre pour la choisir.</translation>
    </message>
</context>
<context>
    <name>gibbetry::OptionsDialog</name>
    <message>
        <source>Gibbetry - Options</source>
        <translation>Gibbetry - Options</translation>
    </message>
    <message>
        <source>Select the number of wrong guesses allowed</source>
        <translation>Choisir le nombre d’erreurs permises</translation>
    </message>
    <message>
        <source>Draw the hangman (allows 12 wrong guesses)</source>
        <translation>Dessiner le pendu (12 erreurs permises)</translation>
    </message>
    <message>
        <source>Each wrong guess will result in part of the hangman being drawn</source>
        <translation>Chaque erreur ajoute une partie au dessin du pendu</translation>
    </message>
    <message>
        <source>Make a manual selection</source>
        <translation>Choisir manuellement</translation>
    </message>
    <message>
        <source>Select source for word list</source>
        <translation>Choisir la liste de mots</translation>
    </message>
    <message>
        <source>Other options</source>
        <translation>Autres options</translation>
    </message>
    <message>
        <source>Show a hint</source>
        <translation>Afficher un indice</translation>
    </message>
    <message>
        <source>Supplies you with a hint to help you to solve the word</source>
        <translation>Vous donne un indice pour vous aider à trouver le mot</translation>
    </message>
    <message>
        <source>Limit the length of the words used to</source>
        <extracomment>Followed by a drop-down list of lengths, 4 to 20 letters.</extracomment>
        <translation>Limiter la longueur des mots à</translation>
    </message>
    <message>
        <source>DONE</source>
        <extracomment>Closes the dialog and keeps its choices; capitals as on the rest of the button&apos;s kind.</extracomment>
        <translation>TERMINÉ</translation>
    </message>
</context>
</TS>
