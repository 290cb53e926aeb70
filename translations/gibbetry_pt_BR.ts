<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AccessibleText</name>
    <message>
        <source>errors allowed</source>
        <translation>erros permitidos</translation>
    </message>
    <message>
        <source>errors made</source>
        <translation>erros cometidos</translation>
    </message>
    <message>
        <source>chances left</source>
        <translation>chances restantes</translation>
    </message>
    <message>
        <source>time of day</source>
        <translation>hora atual</translation>
    </message>
    <message>
        <source>word list</source>
        <translation>lista de palavras</translation>
    </message>
    <message>
        <source>word length limit</source>
        <translation>limite de tamanho das palavras</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>dica</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>GAME OVER</source>
        <extracomment>Shown on the board, in capitals, when a game is lost.</extracomment>
        <translation>FIM DE JOGO</translation>
    </message>
    <message>
        <source>Allowed errors</source>
        <extracomment>A counter of manual mode, its number to the right.</extracomment>
        <translation>Erros permitidos</translation>
    </message>
    <message>
        <source>Errors made</source>
        <translation>Erros cometidos</translation>
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
        <translation>gibbetry: nenhuma área de trabalho gráfica encontrada (nem DISPLAY nem WAYLAND_DISPLAY está definido); o Gibbetry precisa de uma para funcionar.</translation>
    </message>
    <message>
        <source>gibbetry: this Wayland desktop has no X server and Qt&apos;s Wayland support is not installed; install the qt6-wayland package to run Gibbetry.</source>
        <translation>gibbetry: esta área de trabalho Wayland não tem servidor X e o suporte do Qt ao Wayland não está instalado; instale o pacote qt6-wayland para executar o Gibbetry.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <extracomment>%1 is the program&apos;s name, gibbetry.</extracomment>
        <translation>Uso: %1 [opções]</translation>
    </message>
    <message>
        <source>A game of hangman. It also takes Qt&apos;s options, such as -platform and -style.</source>
        <translation>Um jogo da forca. Também aceita as opções do Qt, como -platform e -style.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>a folder</source>
        <extracomment>What a path turned out to be, a noun phrase with its article; it stands where a sentence names what was found (&quot;%1 is %2, not a settings file&quot;).</extracomment>
        <translation>uma pasta</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>um dispositivo de caractere</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>um dispositivo de bloco</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>um FIFO (pipe nomeado)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>um soquete</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>um arquivo</translation>
    </message>
    <message>
        <source>no regular file</source>
        <translation>um arquivo especial</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No word list is loaded, so no game can start. Choose a word list in Options.</source>
        <translation>Nenhuma lista de palavras está carregada, então nenhum jogo pode começar. Escolha uma lista de palavras em Opções.</translation>
    </message>
    <message numerus="yes">
        <source>No word of the list &quot;%1&quot; fits the length limit of %n characters. Choose a longer limit or another list in Options.</source>
        <translation>
            <numerusform>Nenhuma palavra da lista &quot;%1&quot; cabe no limite de %n caractere. Escolha um limite maior ou outra lista em Opções.</numerusform>
            <numerusform>Nenhuma palavra da lista &quot;%1&quot; cabe no limite de %n caracteres. Escolha um limite maior ou outra lista em Opções.</numerusform>
        </translation>
    </message>
    <message>
        <source>You have completed the word.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Well done.</source>
        <extracomment>The win message: keep its line breaks.</extracomment>
        <translation>Você completou a palavra.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Muito bem!</translation>
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
        <translation>o arquivo de configuração %1 não pôde ser lido (%2), por isso foi deixado como está.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read: %2. Gibbetry starts from the default options and will not save over that file.</source>
        <translation>Não foi possível ler o arquivo de configuração %1: %2. O Gibbetry começa com as opções padrão e não vai salvar nada por cima desse arquivo.</translation>
    </message>
    <message>
        <source>the settings file %1 kept changing while Gibbetry tried to move it aside, so it was left as it is.</source>
        <translation>o arquivo de configuração %1 continuou mudando enquanto o Gibbetry tentava movê-lo para outro lugar, por isso foi deixado como está.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings, and it kept changing while Gibbetry tried to move it aside, so it is left as it is and options will not be saved over it.</source>
        <translation>O arquivo de configuração %1 não pôde ser lido como configuração do Gibbetry e continuou mudando enquanto o Gibbetry tentava movê-lo para outro lugar, por isso ele fica como está e as opções não serão salvas nele.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 64 KiB, far more than Gibbetry&apos;s settings take.</source>
        <translation>O arquivo de configuração %1 tem mais de 64 KiB, muito mais do que a configuração do Gibbetry ocupa.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read as Gibbetry&apos;s settings.</source>
        <translation>O arquivo de configuração %1 não pôde ser lido como configuração do Gibbetry.</translation>
    </message>
    <message>
        <source>The options it did not hold start from their defaults.</source>
        <translation>As opções que não estavam nele começam com os valores padrão.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be checked (%2), so it was left as it is.</source>
        <translation>o arquivo de configuração %1 não pôde ser lido como configuração do Gibbetry nem verificado (%2), por isso foi deixado como está.</translation>
    </message>
    <message>
        <source>Where it lies could not be checked (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>Não foi possível verificar o local onde ele se encontra (%1), por isso ele fica como está e as opções não serão salvas nele.</translation>
    </message>
    <message>
        <source>it is reached through another user&apos;s symbolic link</source>
        <translation>ele é acessado por um link simbólico de outro usuário</translation>
    </message>
    <message>
        <source>its folder %1 does not belong to the owner of %2</source>
        <translation>a pasta dele, %1, não pertence ao dono de %2</translation>
    </message>
    <message>
        <source>the settings file %1 is left as it is, because %2 and Gibbetry run as root does not write there.</source>
        <translation>o arquivo de configuração %1 fica como está, porque %2 e o Gibbetry, executado como root, não grava ali.</translation>
    </message>
    <message>
        <source>It is left as it is, and options will not be saved over it, because %1 and Gibbetry run as root does not write there.</source>
        <translation>Ele fica como está, e as opções não serão salvas nele, porque %1 e o Gibbetry, executado como root, não grava ali.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and could not be moved aside, so it was left as it is.</source>
        <translation>o arquivo de configuração %1 não pôde ser lido como configuração do Gibbetry nem movido para outro lugar, por isso foi deixado como está.</translation>
    </message>
    <message>
        <source>It could not be moved aside (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>Não foi possível movê-lo para outro lugar (%1), por isso ele fica como está e as opções não serão salvas nele.</translation>
    </message>
    <message>
        <source>It was moved, unchanged, to %1.</source>
        <translation>Ele foi movido, sem alterações, para %1.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be read as Gibbetry&apos;s settings and no copy of it could be kept, so it was left as it is.</source>
        <translation>o arquivo de configuração %1 não pôde ser lido como configuração do Gibbetry e não foi possível guardar uma cópia dele, por isso foi deixado como está.</translation>
    </message>
    <message>
        <source>No copy of it could be kept (%1), so it is left as it is and options will not be saved over it.</source>
        <translation>Não foi possível guardar uma cópia dele (%1), por isso ele fica como está e as opções não serão salvas nele.</translation>
    </message>
    <message>
        <source>It is reached through a symbolic link, which stays: a copy of it, unchanged, was kept as %1, and your next save writes over %2, where the link leads.</source>
        <translation>Ele é acessado por um link simbólico, que continua lá: uma cópia dele, sem alterações, foi guardada como %1, e da próxima vez que você salvar, as opções serão gravadas por cima de %2, para onde o link aponta.</translation>
    </message>
    <message>
        <source>It is no longer there: it was moved or deleted meanwhile.</source>
        <translation>Ele não está mais lá: foi movido ou excluído nesse meio-tempo.</translation>
    </message>
    <message>
        <source>the folder %1 could not be reached: %2.</source>
        <translation>a pasta %1 não pôde ser acessada: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2, which is %3, not a folder, so nothing was written.</source>
        <translation>%1 aponta para %2, que é %3, não uma pasta, por isso nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 is reached through another user&apos;s symbolic link, which Gibbetry run as root does not follow, so nothing was written.</source>
        <translation>o caminho %1 passa por um link simbólico de outro usuário, que o Gibbetry, executado como root, não segue, por isso nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 is %2, not a settings file, so nothing was written to it.</source>
        <translation>%1 é %2, não um arquivo de configuração, por isso nada foi gravado ali.</translation>
    </message>
    <message>
        <source>%1 (through its link, %2)</source>
        <translation>%1 (destino do link: %2)</translation>
    </message>
    <message>
        <source>the settings file %1 could not be reached: %2.</source>
        <translation>o arquivo de configuração %1 não pôde ser acessado: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2, outside %3, and Gibbetry makes no file there.</source>
        <translation>%1 aponta para %2, fora de %3, e o Gibbetry não cria arquivos ali.</translation>
    </message>
    <message>
        <source>the settings file %1 is read-only: its owner took away the permission to write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>o arquivo de configuração %1 é somente leitura: o dono dele tirou a permissão de gravação, por isso o Gibbetry o deixa como está e não salva opções nele enquanto continuar assim.</translation>
    </message>
    <message>
        <source>the settings file %1 belongs to another account, which does not let you write it, so Gibbetry leaves it as it is and saves no options to it while it stays so.</source>
        <translation>o arquivo de configuração %1 pertence a outra conta, que não permite que você grave nele, por isso o Gibbetry o deixa como está e não salva opções nele enquanto continuar assim.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to: %2.</source>
        <translation>não é possível gravar na pasta %1: %2.</translation>
    </message>
    <message>
        <source>the folder %1 does not belong to the owner of %2, and Gibbetry run as root writes in no other user&apos;s folder, so nothing was written.</source>
        <translation>a pasta %1 não pertence ao dono de %2, e o Gibbetry, executado como root, não grava na pasta de outro usuário, por isso nada foi gravado.</translation>
    </message>
    <message>
        <source>another Gibbetry game was saving its options to %1 and did not finish in time, so this game wrote nothing.</source>
        <translation>outra cópia do Gibbetry em execução estava salvando as opções em %1 e não terminou a tempo, por isso esta cópia não gravou nada.</translation>
    </message>
    <message>
        <source>Gibbetry could not make its lock file in the folder %1, so nothing was written.</source>
        <translation>o Gibbetry não conseguiu criar o arquivo de bloqueio na pasta %1, por isso nada foi gravado.</translation>
    </message>
    <message>
        <source>the settings file %1 was changed by another program each time Gibbetry was about to save it, so it was left as it was.</source>
        <translation>o arquivo de configuração %1 foi alterado por outro programa toda vez que o Gibbetry ia salvá-lo, por isso foi deixado como estava.</translation>
    </message>
    <message>
        <source>The settings file %1 kept changing while Gibbetry saved your options in it: they are in it, but what another program wrote to it at the same moment may not be.</source>
        <translation>O arquivo de configuração %1 continuou mudando enquanto o Gibbetry salvava suas opções nele: elas estão lá, mas o que outro programa gravou nele no mesmo momento pode não estar.</translation>
    </message>
    <message>
        <source>the settings file %1 was changed since Gibbetry read it and no longer reads as its settings, so it was left as it is.</source>
        <translation>o arquivo de configuração %1 foi alterado depois que o Gibbetry o leu e não pode mais ser lido como configuração do Gibbetry, por isso foi deixado como está.</translation>
    </message>
    <message>
        <source>the settings file %1 would grow larger than 64 KiB, so it was left as it was.</source>
        <translation>o arquivo de configuração %1 ficaria maior que 64 KiB, por isso foi deixado como estava.</translation>
    </message>
    <message>
        <source>the folder %1 was moved or replaced while Gibbetry saved, so nothing was written.</source>
        <translation>a pasta %1 foi movida ou substituída enquanto o Gibbetry salvava, por isso nada foi gravado.</translation>
    </message>
    <message>
        <source>the replaced file could not be read again</source>
        <translation>não foi possível ler de novo o arquivo substituído</translation>
    </message>
    <message>
        <source>there is no room left on the disk that holds %1, so the file was left as it was.</source>
        <translation>não há mais espaço no disco onde fica %1, por isso o arquivo foi deixado como estava.</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written: %2. It was left as it was.</source>
        <translation>o arquivo de configuração %1 não pôde ser gravado: %2. Ele foi deixado como estava.</translation>
    </message>
    <message>
        <source>the folder %1 could not be created: %2.</source>
        <translation>a pasta %1 não pôde ser criada: %2.</translation>
    </message>
    <message>
        <source>the folder %1 could not be given to its owner: %2.</source>
        <translation>não foi possível passar a pasta %1 para o dono dela: %2.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Your options could not be saved: %1

They stay in force until Gibbetry is closed.</source>
        <translation>Não foi possível salvar suas opções: %1

Elas continuam valendo até o Gibbetry ser fechado.</translation>
    </message>
    <message numerus="yes">
        <source>Word length limited to %n characters</source>
        <extracomment>The status line; %n is the chosen length, 4 to 20.</extracomment>
        <translation>
            <numerusform>Palavras de até %n caractere</numerusform>
            <numerusform>Palavras de até %n caracteres</numerusform>
        </translation>
    </message>
    <message>
        <source>No restriction on word length</source>
        <translation>Palavras de qualquer tamanho</translation>
    </message>
    <message>
        <source>Hint is OFF</source>
        <translation>Sem dica</translation>
    </message>
</context>
<context>
    <name>PosixFileReader</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>it is a character device, not a file</source>
        <translation>é um dispositivo de caractere, não um arquivo</translation>
    </message>
    <message>
        <source>it is a block device, not a file</source>
        <translation>é um dispositivo de bloco, não um arquivo</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe), not a file</source>
        <translation>é um FIFO (pipe nomeado), não um arquivo</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>é um soquete, não um arquivo</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
</context>
<context>
    <name>WordListLoader</name>
    <message>
        <source>The word list &quot;%1&quot; could not be read. It was looked for as:
%2

%3</source>
        <translation>Não foi possível ler a lista de palavras &quot;%1&quot;. Ela foi procurada em:
%2

%3</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.

%2</source>
        <translation>
            <numerusform>A lista de palavras %1 não respondeu em %n segundo, por isso o Gibbetry parou de esperar por ela.

%2</numerusform>
            <numerusform>A lista de palavras %1 não respondeu em %n segundos, por isso o Gibbetry parou de esperar por ela.

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it and reads its own list instead.</source>
        <translation>
            <numerusform>A lista de palavras %1 não respondeu em %n segundo, por isso o Gibbetry parou de esperar por ela e usa a lista do próprio Gibbetry no lugar.</numerusform>
            <numerusform>A lista de palavras %1 não respondeu em %n segundos, por isso o Gibbetry parou de esperar por ela e usa a lista do próprio Gibbetry no lugar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 did not answer within %n seconds, so Gibbetry stopped waiting for it.</source>
        <translation>
            <numerusform>A lista de palavras %1 não respondeu em %n segundo, por isso o Gibbetry parou de esperar por ela.</numerusform>
            <numerusform>A lista de palavras %1 não respondeu em %n segundos, por isso o Gibbetry parou de esperar por ela.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n lines, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>O Gibbetry lê uma lista de palavras só até %n linha, e nesse trecho %1 não tem nenhuma palavra que possa ser jogada: uma palavra precisa ter de 1 a 23 letras de A a Z.

%2</numerusform>
            <numerusform>O Gibbetry lê uma lista de palavras só até %n linhas, e nesse trecho %1 não tem nenhuma palavra que possa ser jogada: uma palavra precisa ter de 1 a 23 letras de A a Z.

%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gibbetry reads a word list only up to its first %n MiB, and those of %1 hold no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>
            <numerusform>O Gibbetry lê uma lista de palavras só até %n MiB, e nesse trecho %1 não tem nenhuma palavra que possa ser jogada: uma palavra precisa ter de 1 a 23 letras de A a Z.

%2</numerusform>
            <numerusform>O Gibbetry lê uma lista de palavras só até %n MiB, e nesse trecho %1 não tem nenhuma palavra que possa ser jogada: uma palavra precisa ter de 1 a 23 letras de A a Z.

%2</numerusform>
        </translation>
    </message>
    <message>
        <source>The word list %1 holds no word that can be played: a word needs 1 to 23 letters from A to Z.

%2</source>
        <translation>A lista de palavras %1 não tem nenhuma palavra que possa ser jogada: uma palavra precisa ter de 1 a 23 letras de A a Z.

%2</translation>
    </message>
    <message>
        <source>Your word list %1 could not be read: %2. Gibbetry&apos;s own list is used instead.</source>
        <translation>Não foi possível ler sua lista de palavras %1: %2. A lista do próprio Gibbetry é usada no lugar.</translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n lines were loaded.</source>
        <translation>
            <numerusform>A lista de palavras %1 é maior do que o Gibbetry lê: só %n linha foi carregada.</numerusform>
            <numerusform>A lista de palavras %1 é maior do que o Gibbetry lê: só as primeiras %n linhas foram carregadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The word list %1 is longer than Gibbetry reads: only its first %n MiB were loaded.</source>
        <translation>
            <numerusform>A lista de palavras %1 é maior do que o Gibbetry lê: só %n MiB foi carregado.</numerusform>
            <numerusform>A lista de palavras %1 é maior do que o Gibbetry lê: só os primeiros %n MiB foram carregados.</numerusform>
        </translation>
    </message>
    <message>
        <source>No word list is loaded: choose another in Options.</source>
        <translation>Nenhuma lista de palavras está carregada: escolha outra em Opções.</translation>
    </message>
    <message>
        <source>The word list &quot;%1&quot; stays in use.</source>
        <translation>A lista de palavras &quot;%1&quot; continua em uso.</translation>
    </message>
</context>
<context>
    <name>WordSource</name>
    <message>
        <source>Australian English Dictionary (Tolvarin) - 45,000 words</source>
        <translation>Dicionário de Inglês Australiano (Tolvarin) - 45.000 palavras</translation>
    </message>
    <message>
        <source>Ogden&apos;s Basic English Words - 850 words</source>
        <translation>Palavras do Ogden&apos;s Basic English - 850 palavras</translation>
    </message>
    <message>
        <source>SmarterKid 1 - 5,000 words</source>
        <translation>SmarterKid 1 - 5.000 palavras</translation>
    </message>
    <message>
        <source>SmarterKid 2 - 3,000 words</source>
        <translation>SmarterKid 2 - 3.000 palavras</translation>
    </message>
    <message>
        <source>SmarterKid 3 - 8,000 words</source>
        <translation>SmarterKid 3 - 8.000 palavras</translation>
    </message>
    <message>
        <source>SmarterKid 4 - 4,000 words</source>
        <translation>SmarterKid 4 - 4.000 palavras</translation>
    </message>
    <message>
        <source>SmarterKid 5 - 34,000 words</source>
        <translation>SmarterKid 5 - 34.000 palavras</translation>
    </message>
</context>
<context>
    <name>gibbetry::AboutBox</name>
    <message>
        <source>Updates</source>
        <translation>Atualizações</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the game&apos;s name, Gibbetry.</extracomment>
        <translation>Sobre o %1</translation>
    </message>
</context>
<context>
    <name>gibbetry::MainWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Click on the letter to select it.</source>
        <translation>Clique na letra para escolhê-la.</translation>
    </message>
</context>
<context>
    <name>gibbetry::OptionsDialog</name>
    <message>
        <source>Gibbetry - Options</source>
        <translation>Gibbetry - Opções</translation>
    </message>
    <message>
        <source>Select the number of wrong guesses allowed</source>
        <translation>Escolha quantos palpites errados são permitidos</translation>
    </message>
    <message>
        <source>Draw the hangman (allows 12 wrong guesses)</source>
        <translation>Desenhar a forca (permite 12 palpites errados)</translation>
    </message>
    <message>
        <source>Each wrong guess will result in part of the hangman being drawn</source>
        <translation>Cada palpite errado desenha mais uma parte da forca</translation>
    </message>
    <message>
        <source>Make a manual selection</source>
        <translation>Escolher manualmente</translation>
    </message>
    <message>
        <source>Select source for word list</source>
        <translation>Escolha a origem da lista de palavras</translation>
    </message>
    <message>
        <source>Other options</source>
        <translation>Outras opções</translation>
    </message>
    <message>
        <source>Show a hint</source>
        <translation>Mostrar uma dica</translation>
    </message>
    <message>
        <source>Supplies you with a hint to help you to solve the word</source>
        <translation>Dá uma dica para ajudar você a descobrir a palavra</translation>
    </message>
    <message>
        <source>Limit the length of the words used to</source>
        <extracomment>Followed by a drop-down list of lengths, 4 to 20 letters.</extracomment>
        <translation>Limitar o tamanho das palavras a</translation>
    </message>
    <message>
        <source>DONE</source>
        <extracomment>Closes the dialog and keeps its choices; capitals as on the rest of the button&apos;s kind.</extracomment>
        <translation>PRONTO</translation>
    </message>
</context>
</TS>
