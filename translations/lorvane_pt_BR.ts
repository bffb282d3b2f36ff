<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AppError</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chamada de procedimento ou argumento inválido</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscrito fora do intervalo</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipos incompatíveis</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propriedade inválido</translation>
    </message>
</context>
<context>
    <name>BatchInputs</name>
    <message>
        <source>%1 is a file, not a folder: leave out the trailing &apos;/&apos;</source>
        <translation>%1 é um arquivo, não uma pasta: retire a &apos;/&apos; do final</translation>
    </message>
    <message>
        <source>%1: no such file or folder</source>
        <translation>%1: arquivo ou pasta inexistente</translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2)</source>
        <extracomment>%1 is a file or folder given; %2 is the system&apos;s reason.</extracomment>
        <translation>%1 não está acessível (%2)</translation>
    </message>
    <message>
        <source>the output folder %1 takes no new files (%2)</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>a pasta de saída %1 não aceita novos arquivos (%2)</translation>
    </message>
    <message>
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running 1 conversion at once</source>
        <extracomment>%1 is the variable&apos;s value; %2 is the most conversions at once; %n is how many run.</extracomment>
        <translation>aviso: LORVANE_JOBS=&apos;%1&apos; não é um número inteiro de 1 a %2; executando 1 conversão por vez</translation>
    </message>
    <message numerus="yes">
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running %n conversions at once</source>
        <translation>
            <numerusform>aviso: LORVANE_JOBS=&apos;%1&apos; não é um número inteiro de 1 a %2; executando %n conversão por vez</numerusform>
            <numerusform>aviso: LORVANE_JOBS=&apos;%1&apos; não é um número inteiro de 1 a %2; executando %n conversões ao mesmo tempo</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchMode</name>
    <message>
        <source>stopping after the files in hand; Ctrl+C again to stop now</source>
        <translation>parando após os arquivos em andamento; Ctrl+C de novo para parar agora</translation>
    </message>
    <message>
        <source>stopping after the files in hand (%1); %1 again stops now</source>
        <extracomment>%1 is the signal&apos;s name, such as SIGTERM.</extracomment>
        <translation>parando após os arquivos em andamento (%1); um novo %1 para imediatamente</translation>
    </message>
    <message>
        <source>no files in %1 or its subfolders</source>
        <extracomment>%1 names the folders (%n of them) that held no file at all.</extracomment>
        <translation>nenhum arquivo em %1 nem em suas subpastas</translation>
    </message>
    <message numerus="yes">
        <source>no files in %1 or their subfolders</source>
        <translation>
            <numerusform>nenhum arquivo em %1 nem em suas subpastas</numerusform>
            <numerusform>nenhum arquivo em %1 nem em suas subpastas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The endings a folder was searched for: %1 lists all but the last (&quot;.ogg, .oga&quot;), %2 is the last (&quot;.opus&quot;).</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>no %1 files in %2 or its subfolders; --extension chooses other endings (--extension=&apos;*&apos; takes every file)</source>
        <extracomment>%1 is the endings searched for (&quot;.ogg, .oga or .opus&quot;), %2 names the folders (%n of them). Keep the options as they are.</extracomment>
        <translation>nenhum arquivo %1 em %2 nem em suas subpastas; --extension escolhe outras extensões (--extension=&apos;*&apos; inclui todos os arquivos)</translation>
    </message>
    <message numerus="yes">
        <source>no %1 files in %2 or their subfolders; --extension chooses other endings (--extension=&apos;*&apos; takes every file)</source>
        <translation>
            <numerusform>nenhum arquivo %1 em %2 nem em suas subpastas; --extension escolhe outras extensões (--extension=&apos;*&apos; inclui todos os arquivos)</numerusform>
            <numerusform>nenhum arquivo %1 em %2 nem em suas subpastas; --extension escolhe outras extensões (--extension=&apos;*&apos; inclui todos os arquivos)</numerusform>
        </translation>
    </message>
    <message>
        <source>Application Error: %1</source>
        <extracomment>A line of a failure report, as the window&apos;s &quot;Application Error&quot; box would show it.</extracomment>
        <translation>Erro do aplicativo: %1</translation>
    </message>
    <message>
        <source>the window&apos;s settings (%1) choose no output format; give one with --format</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>as configurações da janela (%1) não definem nenhum formato de saída; indique um com --format</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos;, the window&apos;s choice (stored in %2), does not exist; give one with --output-folder</source>
        <extracomment>%1 is the folder, %2 the settings file.</extracomment>
        <translation>a pasta de saída &apos;%1&apos;, escolhida na janela (salva em %2), não existe; indique uma com --output-folder</translation>
    </message>
    <message>
        <source>the default output folder &apos;%1&apos; does not exist; give one with --output-folder</source>
        <translation>a pasta de saída padrão &apos;%1&apos; não existe; indique uma com --output-folder</translation>
    </message>
    <message>
        <source>%1, the default</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, which nobody chose.</extracomment>
        <translation>%1 (padrão)</translation>
    </message>
    <message>
        <source>%1, the window&apos;s choice</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, as chosen in the window.</extracomment>
        <translation>%1 (escolha da janela)</translation>
    </message>
    <message>
        <source>results beside their sources</source>
        <translation>resultados junto aos arquivos de origem</translation>
    </message>
    <message>
        <source>results in %1</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the output folder.</extracomment>
        <translation>resultados em %1</translation>
    </message>
    <message>
        <source>%1, source trees kept</source>
        <extracomment>In the batch mode&apos;s last line: %1 says where the results went; --keep-tree was given.</extracomment>
        <translation>%1, mantendo a estrutura de pastas</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>The batch mode&apos;s last line: %1 is the format, %2 where the results went.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>The time a short run took: %1 is in seconds.</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 of 1 file converted, %2 up to date, %3 not converted, in %4</source>
        <extracomment>The batch mode&apos;s summary: %1 of the run&apos;s %n files were converted, %2 were up to date and %3 not converted; %4 is the time the run took.</extracomment>
        <translation>%1 de 1 arquivo convertido, atualizados: %2, não convertidos: %3, tempo: %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted, %2 up to date, %3 not converted, in %4</source>
        <translation>
            <numerusform>%1 de %n arquivo convertido, atualizados: %2, não convertidos: %3, tempo: %4</numerusform>
            <numerusform>%1 de %n arquivos convertidos, atualizados: %2, não convertidos: %3, tempo: %4</numerusform>
        </translation>
    </message>
    <message>
        <source>the report %1 was not written: %2</source>
        <extracomment>%1 is the report file, %2 the system&apos;s reason.</extracomment>
        <translation>o relatório %1 não foi gravado: %2</translation>
    </message>
    <message>
        <source>note: %1: %2</source>
        <extracomment>Something about a converted file worth knowing: %1 is the source, %2 what.</extracomment>
        <translation>nota: %1: %2</translation>
    </message>
    <message>
        <source>nothing to convert: %1</source>
        <extracomment>%1 says what the folders given held none of.</extracomment>
        <translation>nada a converter: %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <extracomment>%1 says what a folder given held none of.</extracomment>
        <translation>nota: %1</translation>
    </message>
    <message>
        <source>not started: the run was stopped</source>
        <translation>não iniciado: a conversão foi interrompida</translation>
    </message>
    <message>
        <source>not started: the run was refused</source>
        <translation>não iniciado: a conversão foi recusada</translation>
    </message>
    <message>
        <source>moved to the trash to make way for its result: %1</source>
        <extracomment>%1 is the file that was in the way, and where in the trash it went.</extracomment>
        <translation>movido para a lixeira para dar lugar ao resultado: %1</translation>
    </message>
    <message>
        <source>not converted: %1: %2</source>
        <extracomment>%1 is the source, %2 the reason.</extracomment>
        <translation>não convertido: %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>; stopped by %1 before %n more started</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT; %n files were still to start.</extracomment>
        <translation>
            <numerusform>; interrompido por %1 antes de iniciar mais %n arquivo</numerusform>
            <numerusform>; interrompido por %1 antes de iniciar mais %n arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>; stopped by %1</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT.</extracomment>
        <translation>; interrompido por %1</translation>
    </message>
</context>
<context>
    <name>BatchPlan</name>
    <message>
        <source>its result would be outside the output folder</source>
        <extracomment>Why a file found in a folder was not converted with --keep-tree: its subfolder would lead out of the output folder.</extracomment>
        <translation>seu resultado ficaria fora da pasta de saída</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>--:-- left</source>
        <extracomment>In the progress line, before the time left can be estimated; &quot;--:--&quot; stands for the minutes and seconds.</extracomment>
        <translation>faltam --:--</translation>
    </message>
    <message>
        <source>[%1/%2] Processing: %3</source>
        <extracomment>A line for each file as it starts, when standard error is no terminal: %1 is the file&apos;s place in the run, %2 the files of the run, %3 the file&apos;s name.</extracomment>
        <translation>[%1/%2] Processando: %3</translation>
    </message>
    <message>
        <source>%1x real time, %2 left</source>
        <extracomment>In the progress line: %1 is how many seconds of sound are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>%1x o tempo real, faltam %2</translation>
    </message>
    <message>
        <source>%1 files/s, %2 left</source>
        <extracomment>In the progress line, when no file&apos;s length is known: %1 is how many files are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>%1 arquivos/s, faltam %2</translation>
    </message>
    <message>
        <source>%1 of 1 file converted</source>
        <extracomment>The start of the progress line: %1 of the run&apos;s %n files are converted so far.</extracomment>
        <translation>%1 de 1 arquivo convertido</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted</source>
        <translation>
            <numerusform>%1 de %n arquivo convertido</numerusform>
            <numerusform>%1 de %n arquivos convertidos</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 up to date</source>
        <extracomment>Added to the progress line: %1 files were left as they were (--update).</extracomment>
        <translation>, atualizados: %1</translation>
    </message>
    <message>
        <source>, %1 not converted</source>
        <extracomment>Added to the progress line: %1 files were not converted.</extracomment>
        <translation>, não convertidos: %1</translation>
    </message>
    <message>
        <source>stopping</source>
        <extracomment>In the progress line, once a stop was asked for, in place of the time left.</extracomment>
        <translation>parando</translation>
    </message>
    <message>
        <source>, %1 elapsed, %2</source>
        <extracomment>Added to the progress line: %1 is the time since the start (minutes:seconds), %2 the pace and the time left, or &quot;stopping&quot;.</extracomment>
        <translation>, decorrido: %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>; Processing: %1 and %n more</source>
        <extracomment>The end of the progress line: %1 is the name of a file being converted, %n how many more are.</extracomment>
        <translation>
            <numerusform>; Processando: %1 e mais %n</numerusform>
            <numerusform>; Processando: %1 e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>; Processing: %1</source>
        <extracomment>The end of the progress line: %1 is the name of the file being converted.</extracomment>
        <translation>; Processando: %1</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>No files added.</source>
        <translation>Nenhum arquivo adicionado.</translation>
    </message>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>A pasta não existe. Selecione outra pasta.</translation>
    </message>
    <message>
        <source>No output format is chosen. Please select an output format.</source>
        <translation>Nenhum formato de saída foi escolhido. Selecione um formato de saída.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Barra de progresso</translation>
    </message>
    <message>
        <source>Please wait.. </source>
        <translation>Aguarde.. </translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <extracomment>On the progress bar while a file converts; %1 is its name.</extracomment>
        <translation>Processando: %1</translation>
    </message>
</context>
<context>
    <name>ConverterTool</name>
    <message>
        <source>Install FFmpeg with &quot;sudo apt install ffmpeg&quot;, or name the FFmpeg program to use in the environment variable LORVANE_FFMPEG.</source>
        <translation>Instale o FFmpeg com &quot;sudo apt install ffmpeg&quot; ou indique o programa FFmpeg a usar na variável de ambiente LORVANE_FFMPEG.</translation>
    </message>
    <message>
        <source>The program %1 cannot do the conversion: it lacks %2.

</source>
        <translation>O programa %1 não consegue fazer a conversão: ele não tem %2.

</translation>
    </message>
    <message>
        <source>the encoder %1</source>
        <extracomment>Part of &quot;it lacks %2&quot;: an FFmpeg encoder&apos;s name, such as pcm_s16le.</extracomment>
        <translation>o codificador %1</translation>
    </message>
    <message>
        <source>the Vorbis decoder</source>
        <translation>o decodificador Vorbis</translation>
    </message>
    <message>
        <source>the WAV writer</source>
        <translation>o gravador de WAV</translation>
    </message>
    <message>
        <source>FFmpeg, which does the conversion, was not found.

</source>
        <translation>O FFmpeg, que faz a conversão, não foi encontrado.

</translation>
    </message>
    <message>
        <source>The converter %1 named in LORVANE_FFMPEG was not found.

</source>
        <translation>O conversor %1 indicado em LORVANE_FFMPEG não foi encontrado.

</translation>
    </message>
    <message>
        <source>The converter %1 was not found.

</source>
        <translation>O conversor %1 não foi encontrado.

</translation>
    </message>
    <message>
        <source>The converter %1 is not an executable program.

</source>
        <translation>O conversor %1 não é um programa executável.

</translation>
    </message>
    <message>
        <source>The converter %1 did not answer as FFmpeg does.

</source>
        <translation>O conversor %1 não respondeu como o FFmpeg responde.

</translation>
    </message>
    <message>
        <source>The converter %1 is %2, not FFmpeg itself.

</source>
        <translation>O conversor %1 é %2, e não o próprio FFmpeg.

</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show</source>
        <extracomment>The button on the desktop&apos;s notification that brings the window forward.</extracomment>
        <translation>Mostrar</translation>
    </message>
</context>
<context>
    <name>DesktopRun</name>
    <message>
        <source>Converting files</source>
        <extracomment>Why the machine is kept awake, as the desktop shows it to one about to suspend or log out.</extracomment>
        <translation>Convertendo arquivos</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <extracomment>The heading of the desktop notification at the end of a run.</extracomment>
        <translation>Conversão concluída</translation>
    </message>
    <message>
        <source>1 file converted.</source>
        <extracomment>The desktop notification&apos;s text after a run that converted every file.</extracomment>
        <translation>1 arquivo convertido.</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted.</source>
        <translation>
            <numerusform>%n arquivo convertido.</numerusform>
            <numerusform>%n arquivos convertidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2.</source>
        <extracomment>The desktop notification&apos;s text after a run that left files out: %1 is &quot;N files converted&quot;, %2 &quot;N files not converted&quot;.</extracomment>
        <translation>%1, %2.</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <extracomment>The first half of &quot;N files converted, N files not converted.&quot;</extracomment>
        <translation>1 arquivo convertido</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n arquivo convertido</numerusform>
            <numerusform>%n arquivos convertidos</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file not converted</source>
        <extracomment>The second half of &quot;N files converted, N files not converted.&quot;</extracomment>
        <translation>1 arquivo não convertido</translation>
    </message>
    <message numerus="yes">
        <source>%n files not converted</source>
        <translation>
            <numerusform>%n arquivo não convertido</numerusform>
            <numerusform>%n arquivos não convertidos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please send a screenshot of this message to whoever provided this program.</source>
        <translation>Envie uma captura de tela desta mensagem a quem forneceu este programa.</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The last line of an error report; %1 is the e-mail address of the program&apos;s support.</extracomment>
        <translation>Envie uma captura de tela desta mensagem por e-mail para %1</translation>
    </message>
    <message>
        <source>%1 at line %2</source>
        <extracomment>The second line of an error report: where the failure happened. %1 is the place, in words of the program&apos;s own that stay as they are (&quot;in Tessaly2021/08/31.Form1.Form_Load&quot;), %2 the number of the step that failed.</extracomment>
        <translation>%1 na linha %2</translation>
    </message>
    <message>
        <source>Application Error</source>
        <extracomment>Title of the box that reports a failure of the window.</extracomment>
        <translation>Erro do aplicativo</translation>
    </message>
</context>
<context>
    <name>FormatTable</name>
    <message>
        <source>8-bit integer, unsigned</source>
        <translation>inteiro de 8 bits, sem sinal</translation>
    </message>
    <message>
        <source>16-bit integer, signed</source>
        <translation>inteiro de 16 bits, com sinal</translation>
    </message>
    <message>
        <source>8-bit µ-law, companded</source>
        <translation>µ-law de 8 bits, compandido</translation>
    </message>
    <message>
        <source>24-bit integer, signed</source>
        <translation>inteiro de 24 bits, com sinal</translation>
    </message>
    <message>
        <source>32-bit floating point</source>
        <translation>ponto flutuante de 32 bits</translation>
    </message>
    <message>
        <source>64-bit floating point</source>
        <translation>ponto flutuante de 64 bits</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Usage: lorvane [FILE|FOLDER]...
  or:  lorvane --convert [OPTION]... FILE|FOLDER...
Convert Ogg Vorbis and Opus files into WAV files with FFmpeg.

Without --convert, Lorvane opens its window and queues the files as given and
every file of each folder and its subfolders. When a Lorvane window of yours
is already open, the files and folders are queued there instead. The window
takes Qt&apos;s standard options (-style Fusion, -platform offscreen, -reverse,
-stylesheet FILE, -display DISPLAY ...) and needs a graphical session.

With --convert, Lorvane converts without a window and then ends. Each file
becomes a .wav file of the same name. Format and location not given here are
the ones chosen in the window (its settings, which the batch mode never
changes); the summary says where each came from.

      --convert              convert without a window
      --format=LABEL|INDEX   the WAV format, by its label or its index:
</source>
        <extracomment>The first part of the --help text; the table of formats follows it, then the second part. Keep the option names, the program&apos;s name and the command lines as they are, the descriptions in one column (the format table is indented to that column, the 30th), and each line shorter than 80 characters.</extracomment>
        <translation>Uso: lorvane [ARQUIVO|PASTA]...
  ou:  lorvane --convert [OPÇÃO]... ARQUIVO|PASTA...
Converte arquivos Ogg Vorbis e Opus em arquivos WAV com o FFmpeg.

Sem --convert, o Lorvane abre sua janela e põe na fila os arquivos indicados e
todos os arquivos de cada pasta e de suas subpastas. Se você já tiver uma
janela do Lorvane aberta, os arquivos e pastas entram na fila dela. A janela
aceita as opções padrão do Qt (-style Fusion, -platform offscreen, -reverse,
-stylesheet ARQUIVO, -display DISPLAY ...) e precisa de uma sessão gráfica.

Com --convert, o Lorvane converte sem janela e depois termina. Cada arquivo
vira um arquivo .wav de mesmo nome. O formato e o local não indicados aqui são
os escolhidos na janela (nas configurações dela, que o modo em lote nunca
altera); o resumo informa de onde veio cada um.

      --convert              converte sem janela
      --format=NOME|ÍNDICE   o formato WAV, pelo nome ou pelo índice:
</translation>
    </message>
    <message>
        <source>      --output-folder=DIR    save the results in DIR (it must exist)
      --beside-source        save each result in its source&apos;s folder
      --extension=EXT[,EXT]  take the files ending in .EXT from the folders
                             given (default: ogg,oga,opus; * for every file)
      --jobs=N               run up to N conversions at once (1 to %1)
      --keep-tree            keep each folder&apos;s tree below the output folder:
                             FOLDER/a/b.ogg becomes OUTPUT/a/b.wav
      --update               leave a result alone that this program made from
                             the same source, newer than it and complete
      --report=FILE          write one JSON line per file to FILE: source,
                             result, outcome, reason, and where a file of
                             the result&apos;s name went in the trash
      --quiet                show only what was not converted, and the summary
  -h, --help                 display this help and exit
      --version              output version information and exit

Until a format is chosen in the window the format is 16-bit PCM, and until a
folder is, the results go to the desktop folder (the home folder when there
is none).

Progress goes to standard error. Exit status of --convert: 0 when every file
was converted or up to date, 1 when some were not (each is named with the
reason), 2 for a usage error or an input, output folder or stored folder
that cannot be used (nothing is converted then), 128+N when stopped by
signal N.

Example: lorvane --convert --format &quot;16-bit PCM&quot; --output-folder ~/wav ~/Music
</source>
        <extracomment>The second part of the --help text, after the table of formats; %1 is the most conversions at once. Keep the option names, &quot;16-bit PCM&quot;, the extensions and the example as they are, the descriptions in the same column as in the first part, and each line shorter than 80 characters.</extracomment>
        <translation>      --output-folder=PASTA  salva os resultados em PASTA (que deve existir)
      --beside-source        salva cada resultado na pasta do arquivo de origem
      --extension=EXT[,EXT]  pega das pastas indicadas os arquivos terminados
                             em .EXT (padrão: ogg,oga,opus; * para todos)
      --jobs=N               executa até N conversões ao mesmo tempo (1 a %1)
      --keep-tree            mantém a árvore de cada pasta na pasta de saída:
                             PASTA/a/b.ogg vira SAÍDA/a/b.wav
      --update               não mexe em um resultado que este programa gerou
                             da mesma origem, mais novo que ela e completo
      --report=ARQUIVO       grava em ARQUIVO uma linha JSON por arquivo:
                             origem, resultado, desfecho, motivo e para onde
                             foi na lixeira um arquivo com o nome do resultado
      --quiet                mostra só o que não foi convertido e o resumo
  -h, --help                 mostra esta ajuda e sai
      --version              mostra informações de versão e sai

Enquanto nenhum formato for escolhido na janela, o formato é 16-bit PCM, e
enquanto nenhuma pasta for escolhida, os resultados vão para a pasta da área
de trabalho (ou para a pasta pessoal, se ela não existir).

O progresso vai para a saída de erro padrão. Status de saída de --convert: 0
quando todos os arquivos foram convertidos ou já estavam atualizados, 1
quando algum não foi (cada um é citado com o motivo), 2 para erro de uso ou
para entrada, pasta de saída ou pasta salva que não possa ser usada (nada é
convertido nesse caso), 128+N quando interrompido pelo sinal N.

Exemplo: lorvane --convert --format &quot;16-bit PCM&quot; --output-folder ~/wav ~/Music
</translation>
    </message>
    <message>
        <source>Try &apos;lorvane --help&apos; for more information.</source>
        <translation>Experimente &apos;lorvane --help&apos; para mais informações.</translation>
    </message>
</context>
<context>
    <name>LoopPoints</name>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 aparece duas vezes</translation>
    </message>
    <message>
        <source>%1 without LOOPSTART</source>
        <translation>%1 sem LOOPSTART</translation>
    </message>
    <message>
        <source>LOOPSTART without LOOPLENGTH or LOOPEND</source>
        <translation>LOOPSTART sem LOOPLENGTH nem LOOPEND</translation>
    </message>
    <message>
        <source>%1 is negative</source>
        <translation>%1 é negativo</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 não é um número inteiro</translation>
    </message>
    <message>
        <source>LOOPLENGTH is 0</source>
        <translation>LOOPLENGTH é 0</translation>
    </message>
    <message>
        <source>LOOPEND is not after LOOPSTART</source>
        <translation>LOOPEND não vem depois de LOOPSTART</translation>
    </message>
    <message>
        <source>LOOPLENGTH and LOOPEND disagree</source>
        <translation>LOOPLENGTH e LOOPEND não coincidem</translation>
    </message>
    <message>
        <source>the loop runs past the end</source>
        <translation>o loop ultrapassa o final</translation>
    </message>
    <message>
        <source>the result is no whole WAV file</source>
        <translation>o resultado não é um arquivo WAV completo</translation>
    </message>
    <message>
        <source>the loop does not survive the change of rate</source>
        <translation>o loop não resiste à mudança da taxa de amostragem</translation>
    </message>
    <message>
        <source>the loop runs past the end of the result</source>
        <translation>o loop ultrapassa o final do resultado</translation>
    </message>
    <message>
        <source>the loop lies beyond what a WAV sampler chunk can point at</source>
        <translation>o loop fica além do que o chunk smpl de um WAV consegue indicar</translation>
    </message>
    <message>
        <source>the result has no room for the sizes past 4 GiB</source>
        <translation>o resultado não tem espaço para tamanhos acima de 4 GiB</translation>
    </message>
    <message>
        <source>its loop tags were ignored: %1</source>
        <translation>suas tags de loop foram ignoradas: %1</translation>
    </message>
    <message>
        <source>its loop points were left out: %1</source>
        <translation>seus pontos de loop foram omitidos: %1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>the window program could not be found</source>
        <translation>o programa da janela não foi encontrado</translation>
    </message>
    <message>
        <source>the window program %1 could not be started: %2</source>
        <extracomment>%1 is the window program&apos;s file, %2 the system&apos;s reason.</extracomment>
        <translation>não foi possível iniciar o programa da janela %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <extracomment>The file list&apos;s tooltip; &quot;| line&quot; is the edge of the list&apos;s one column, which the mouse drags to widen it.</extracomment>
        <translation>Arraste e solte arquivos aqui. Clique duas vezes em um item para removê-lo. Arraste a linha | para a direita, para fora da janela, para ver os nomes completos.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <extracomment>What the progress bar at the foot of the window says while no file is converted.</extracomment>
        <translation>Barra de progresso</translation>
    </message>
    <message>
        <source>Add OGG File(s)</source>
        <extracomment>Button: opens a file dialog to add Ogg files to the list.</extracomment>
        <translation>Adicionar arquivos OGG</translation>
    </message>
    <message>
        <source>Add All OGG File(s) In Folder</source>
        <extracomment>Button: asks for file endings and a folder, and adds the matching files in that folder and the folders in it.</extracomment>
        <translation>Adicionar todos os OGG da pasta</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Iniciar conversão</translation>
    </message>
    <message>
        <source>Clear List</source>
        <extracomment>Button: empties the file list.</extracomment>
        <translation>Limpar lista</translation>
    </message>
    <message>
        <source>Load Sample/Example Files</source>
        <translation>Carregar arquivos de exemplo</translation>
    </message>
    <message>
        <source>Output WAV Format</source>
        <extracomment>Caption of the frame around the drop-down of WAV formats.</extracomment>
        <translation>Formato WAV de saída</translation>
    </message>
    <message>
        <source>Save Option</source>
        <extracomment>Caption of the frame around the choice of where the WAV files are saved.</extracomment>
        <translation>Onde salvar</translation>
    </message>
    <message>
        <source>Save results to this folder:</source>
        <extracomment>Option; the folder field follows it.</extracomment>
        <translation>Salvar nesta pasta:</translation>
    </message>
    <message>
        <source>Save results in folder of original file</source>
        <translation>Salvar na pasta do arquivo original</translation>
    </message>
    <message>
        <source>OGG File(s)</source>
        <extracomment>Header of the file list&apos;s one column.</extracomment>
        <translation>Arquivos OGG</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <extracomment>What a screen reader calls the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>Escolher pasta de saída</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <extracomment>What a screen reader calls the file list.</extracomment>
        <translation>Arquivos a converter</translation>
    </message>
    <message>
        <source>Output folder</source>
        <extracomment>What a screen reader calls the field of the folder the WAV files are saved in.</extracomment>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <source>Output WAV format</source>
        <extracomment>What a screen reader calls the drop-down of WAV formats.</extracomment>
        <translation>Formato WAV de saída</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <extracomment>Title of the folder dialogs of &quot;Add All OGG File(s) In Folder&quot; and of the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>Selecione uma pasta:</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <extracomment>The failure shown when the hand pointer file beside the program is no picture.</extracomment>
        <translation>Imagem inválida</translation>
    </message>
    <message>
        <source>Enter file extension to load:</source>
        <extracomment>First line of the prompt of &quot;Add All OGG File(s) In Folder&quot;; the field below it takes file endings without their dot.</extracomment>
        <translation>Digite a extensão dos arquivos a carregar:</translation>
    </message>
    <message>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <extracomment>Second line of the same prompt. The endings and the &quot;*&quot; are typed as they stand; only the words around them are translated.</extracomment>
        <translation>(* para todos os arquivos, txt para todos os arquivos txt, doc para todos os arquivos doc etc.)</translation>
    </message>
    <message>
        <source>(several at once: ogg oga opus)</source>
        <extracomment>Third line of the same prompt: several endings go in at once, parted by blanks. The endings are typed as they stand.</extracomment>
        <translation>(várias de uma vez: ogg oga opus)</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>Você selecionou arquivos demais para adicionar.</translation>
    </message>
    <message>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <extracomment>&quot;Add All&quot; names the button &quot;Add All OGG File(s) In Folder&quot;.</extracomment>
        <translation>Tente adicioná-los pelo botão &quot;Adicionar todos&quot;.</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Deseja que este programa abra a pasta onde estão esses arquivos de exemplo (para que você possa vê-los antes de trabalhar com eles)?</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <extracomment>Title of the file dialog of &quot;Add OGG File(s)&quot;.</extracomment>
        <translation>Adicionar arquivos - Segure Ctrl para selecionar vários arquivos</translation>
    </message>
    <message>
        <source>Ogg audio</source>
        <extracomment>The name of the file dialog&apos;s filter that shows Ogg Vorbis and Opus files.</extracomment>
        <translation>Áudio Ogg</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos os arquivos</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>is not a file</source>
        <translation>não é um arquivo</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>não foi encontrado</translation>
    </message>
    <message>
        <source>could not be read (%1)</source>
        <translation>não pôde ser lido (%1)</translation>
    </message>
    <message>
        <source>could not be read as audio</source>
        <translation>não pôde ser lido como áudio</translation>
    </message>
    <message>
        <source>its result would have replaced a queued source</source>
        <translation>seu resultado substituiria um arquivo de origem da fila</translation>
    </message>
    <message>
        <source>its result would have replaced the result of %1 (same name)</source>
        <translation>seu resultado substituiria o resultado de %1 (mesmo nome)</translation>
    </message>
    <message>
        <source>the result was incomplete</source>
        <translation>o resultado ficou incompleto</translation>
    </message>
    <message>
        <source>could not be read to its end (%1)</source>
        <translation>não pôde ser lido até o fim (%1)</translation>
    </message>
    <message>
        <source>the result&apos;s length did not match the source</source>
        <translation>a duração do resultado não corresponde à do arquivo de origem</translation>
    </message>
    <message>
        <source>the source is damaged (%1)</source>
        <translation>o arquivo de origem está danificado (%1)</translation>
    </message>
    <message>
        <source>the source&apos;s length could not be read, so its result could not be checked</source>
        <translation>não foi possível ler a duração do arquivo de origem, então o resultado não pôde ser verificado</translation>
    </message>
    <message>
        <source>the result did not hold the chosen sample format</source>
        <translation>o resultado não ficou no formato de amostra escolhido</translation>
    </message>
    <message>
        <source>could not be written (%1)</source>
        <translation>não pôde ser gravado (%1)</translation>
    </message>
    <message>
        <source>the converter wrote no result</source>
        <translation>o conversor não gerou nenhum resultado</translation>
    </message>
    <message>
        <source>the converter stopped before it finished</source>
        <translation>o conversor parou antes de terminar</translation>
    </message>
    <message>
        <source>the converter could not be started</source>
        <translation>não foi possível iniciar o conversor</translation>
    </message>
    <message>
        <source>no result path could be made for it</source>
        <translation>não foi possível criar um caminho para o resultado</translation>
    </message>
    <message>
        <source>an older file of its result&apos;s name could not be moved to the trash (%1)</source>
        <translation>um arquivo antigo com o nome do resultado não pôde ser movido para a lixeira (%1)</translation>
    </message>
    <message>
        <source>the converter refused to replace a file of its result&apos;s name</source>
        <translation>o conversor se recusou a substituir um arquivo com o nome do resultado</translation>
    </message>
    <message>
        <source>the source ends early (incomplete file); its result holds what it had</source>
        <translation>o arquivo de origem termina antes da hora (arquivo incompleto); o resultado contém o que havia nele</translation>
    </message>
    <message>
        <source>the converter reported: %1</source>
        <translation>o conversor informou: %1</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>moved to the trash to make way for the results (&quot;Restore&quot; in the file manager puts them back)</source>
        <translation>movidos para a lixeira para dar lugar aos resultados (&quot;Restaurar&quot; no gerenciador de arquivos os traz de volta)</translation>
    </message>
    <message>
        <source>%1, now %2</source>
        <extracomment>A file moved to the trash: its old name, then its name in the trash.</extracomment>
        <translation>%1, agora %2</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The run&apos;s last word, on the progress bar and atop the closing message.</extracomment>
        <translation>Concluído.</translation>
    </message>
    <message>
        <source>1 file could not be converted.</source>
        <translation>Não foi possível converter 1 arquivo.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Under a heading, after the first ten files it lists.</extracomment>
        <translation>
            <numerusform>e mais %n arquivo</numerusform>
            <numerusform>e mais %n arquivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted.</source>
        <translation>
            <numerusform>Não foi possível converter %n arquivo.</numerusform>
            <numerusform>Não foi possível converter %n arquivos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SourceLook</name>
    <message>
        <source>its headers are damaged</source>
        <translation>seus cabeçalhos estão danificados</translation>
    </message>
    <message>
        <source>its audio breaks off at %1 of %2</source>
        <extracomment>In &quot;The source is damaged (...)&quot;: where its sound stops, of how long it is.</extracomment>
        <translation>o áudio é interrompido em %1 de %2</translation>
    </message>
    <message>
        <source>its audio breaks off at %1</source>
        <translation>o áudio é interrompido em %1</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style, given last.</extracomment>
        <translation>falta um valor depois de &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>an empty name is no file or folder</source>
        <translation>um nome vazio não é arquivo nem pasta</translation>
    </message>
    <message>
        <source>%1 is for --convert only</source>
        <extracomment>%1 is an option of the batch mode, such as --format.</extracomment>
        <translation>%1 só vale com --convert</translation>
    </message>
    <message>
        <source>%1 is for the window only</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style.</extracomment>
        <translation>%1 só vale para a janela</translation>
    </message>
    <message>
        <source>no output format &apos;%1&apos;; choose one of %2</source>
        <extracomment>%1 is the value given; %2 lists the formats: 0 &quot;8-bit PCM&quot;, 1 &quot;16-bit PCM&quot; ...</extracomment>
        <translation>não há formato de saída &apos;%1&apos;; escolha um destes: %2</translation>
    </message>
    <message>
        <source>--output-folder and --beside-source exclude each other</source>
        <translation>--output-folder e --beside-source não podem ser usados juntos</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos; does not exist</source>
        <translation>a pasta de saída &apos;%1&apos; não existe</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no file extension</source>
        <translation>&apos;%1&apos; não é uma extensão de arquivo</translation>
    </message>
    <message>
        <source>--jobs needs a whole number from 1 to %1, not &apos;%2&apos;</source>
        <extracomment>%1 is the most conversions at once; %2 is the value given.</extracomment>
        <translation>--jobs precisa de um número inteiro de 1 a %1, não &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; cannot be written: no such folder, or a folder</source>
        <translation>o relatório &apos;%1&apos; não pode ser gravado: a pasta não existe ou o caminho é uma pasta</translation>
    </message>
    <message>
        <source>no files or folders to convert</source>
        <translation>nenhum arquivo ou pasta a converter</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>start Lorvane as %1</source>
        <extracomment>A terminal line of lorvane-window started by itself with the batch mode&apos;s options; %1 is the command to start instead.</extracomment>
        <translation>inicie o Lorvane como %1</translation>
    </message>
    <message>
        <source>the open Lorvane window did not take the files</source>
        <extracomment>A terminal line: a second start handed its files to the window already open, and that window did not answer.</extracomment>
        <translation>a janela aberta do Lorvane não aceitou os arquivos</translation>
    </message>
</context>
<context>
    <name>WindowStart</name>
    <message>
        <source>Qt&apos;s platform &apos;%1&apos; could not be started</source>
        <extracomment>Why the window cannot open: %1 is what -platform or QT_QPA_PLATFORM asked for.</extracomment>
        <translation>não foi possível iniciar a plataforma &apos;%1&apos; do Qt</translation>
    </message>
    <message>
        <source>no display found</source>
        <extracomment>Why the window cannot open: neither DISPLAY nor WAYLAND_DISPLAY names one.</extracomment>
        <translation>nenhum display encontrado</translation>
    </message>
    <message>
        <source>the display %1 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the display&apos;s name, as &quot;:0&quot; or &quot;wayland-0&quot;.</extracomment>
        <translation>não foi possível abrir o display %1</translation>
    </message>
    <message>
        <source>the displays %1 and %2 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the X11 display&apos;s name, %2 the Wayland one&apos;s.</extracomment>
        <translation>não foi possível abrir os displays %1 e %2</translation>
    </message>
    <message>
        <source>needs a graphical session (%1); use `%2` to convert without a window</source>
        <extracomment>A terminal line. %1 is why the window cannot open; %2 the command that converts without a window, which stays as it is.</extracomment>
        <translation>precisa de uma sessão gráfica (%1); use `%2` para converter sem janela</translation>
    </message>
</context>
</TS>
