<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AppError</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chiamata di routine o argomento non validi</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice non incluso nell&apos;intervallo</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipo non corrispondente</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valore di proprietà non valido</translation>
    </message>
</context>
<context>
    <name>BatchInputs</name>
    <message>
        <source>%1 is a file, not a folder: leave out the trailing &apos;/&apos;</source>
        <translation>%1 è un file, non una cartella: omettere la &apos;/&apos; finale</translation>
    </message>
    <message>
        <source>%1: no such file or folder</source>
        <translation>%1: file o cartella inesistente</translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2)</source>
        <extracomment>%1 is a file or folder given; %2 is the system&apos;s reason.</extracomment>
        <translation>impossibile accedere a %1 (%2)</translation>
    </message>
    <message>
        <source>the output folder %1 takes no new files (%2)</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>la cartella di destinazione %1 non accetta nuovi file (%2)</translation>
    </message>
    <message>
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running 1 conversion at once</source>
        <extracomment>%1 is the variable&apos;s value; %2 is the most conversions at once; %n is how many run.</extracomment>
        <translation>attenzione: LORVANE_JOBS=&apos;%1&apos; non è un numero intero da 1 a %2; viene eseguita 1 conversione alla volta</translation>
    </message>
    <message numerus="yes">
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running %n conversions at once</source>
        <translation>
            <numerusform>attenzione: LORVANE_JOBS=&apos;%1&apos; non è un numero intero da 1 a %2; viene eseguita %n conversione alla volta</numerusform>
            <numerusform>attenzione: LORVANE_JOBS=&apos;%1&apos; non è un numero intero da 1 a %2; vengono eseguite %n conversioni alla volta</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchMode</name>
    <message>
        <source>stopping after the files in hand; Ctrl+C again to stop now</source>
        <translation>interruzione al termine dei file in corso; premere di nuovo Ctrl+C per interrompere subito</translation>
    </message>
    <message>
        <source>stopping after the files in hand (%1); %1 again stops now</source>
        <extracomment>%1 is the signal&apos;s name, such as SIGTERM.</extracomment>
        <translation>interruzione al termine dei file in corso (%1); un altro %1 interrompe subito</translation>
    </message>
    <message>
        <source>no files in %1 or its subfolders</source>
        <extracomment>%1 names the folders (%n of them) that held no file at all.</extracomment>
        <translation>nessun file in %1 o nelle sue sottocartelle</translation>
    </message>
    <message numerus="yes">
        <source>no files in %1 or their subfolders</source>
        <translation>
            <numerusform>nessun file in %1 o nelle sue sottocartelle</numerusform>
            <numerusform>nessun file in %1 o nelle loro sottocartelle</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The endings a folder was searched for: %1 lists all but the last (&quot;.ogg, .oga&quot;), %2 is the last (&quot;.opus&quot;).</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>no %1 files in %2 or its subfolders; --extension chooses other endings (--extension=&apos;*&apos; takes every file)</source>
        <extracomment>%1 is the endings searched for (&quot;.ogg, .oga or .opus&quot;), %2 names the folders (%n of them). Keep the options as they are.</extracomment>
        <translation>nessun file %1 in %2 o nelle sue sottocartelle; --extension sceglie altre estensioni (--extension=&apos;*&apos; prende tutti i file)</translation>
    </message>
    <message numerus="yes">
        <source>no %1 files in %2 or their subfolders; --extension chooses other endings (--extension=&apos;*&apos; takes every file)</source>
        <translation>
            <numerusform>nessun file %1 in %2 o nelle sue sottocartelle; --extension sceglie altre estensioni (--extension=&apos;*&apos; prende tutti i file)</numerusform>
            <numerusform>nessun file %1 in %2 o nelle loro sottocartelle; --extension sceglie altre estensioni (--extension=&apos;*&apos; prende tutti i file)</numerusform>
        </translation>
    </message>
    <message>
        <source>Application Error: %1</source>
        <extracomment>A line of a failure report, as the window&apos;s &quot;Application Error&quot; box would show it.</extracomment>
        <translation>Errore dell&apos;applicazione: %1</translation>
    </message>
    <message>
        <source>the window&apos;s settings (%1) choose no output format; give one with --format</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>le impostazioni della finestra (%1) non indicano alcun formato di uscita; indicarne uno con --format</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos;, the window&apos;s choice (stored in %2), does not exist; give one with --output-folder</source>
        <extracomment>%1 is the folder, %2 the settings file.</extracomment>
        <translation>la cartella di destinazione &apos;%1&apos;, scelta nella finestra (salvata in %2), non esiste; indicarne una con --output-folder</translation>
    </message>
    <message>
        <source>the default output folder &apos;%1&apos; does not exist; give one with --output-folder</source>
        <translation>la cartella di destinazione predefinita &apos;%1&apos; non esiste; indicarne una con --output-folder</translation>
    </message>
    <message>
        <source>%1, the default</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, which nobody chose.</extracomment>
        <translation>%1, per impostazione predefinita</translation>
    </message>
    <message>
        <source>%1, the window&apos;s choice</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, as chosen in the window.</extracomment>
        <translation>%1, come scelto nella finestra</translation>
    </message>
    <message>
        <source>results beside their sources</source>
        <translation>risultati accanto ai file di origine</translation>
    </message>
    <message>
        <source>results in %1</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the output folder.</extracomment>
        <translation>risultati in %1</translation>
    </message>
    <message>
        <source>%1, source trees kept</source>
        <extracomment>In the batch mode&apos;s last line: %1 says where the results went; --keep-tree was given.</extracomment>
        <translation>%1, mantenendo la struttura delle cartelle</translation>
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
        <translation>%1 di 1 file convertito, già aggiornati: %2, non convertiti: %3, in %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted, %2 up to date, %3 not converted, in %4</source>
        <translation>
            <numerusform>%1 di %n file convertito, già aggiornati: %2, non convertiti: %3, in %4</numerusform>
            <numerusform>%1 di %n file convertiti, già aggiornati: %2, non convertiti: %3, in %4</numerusform>
        </translation>
    </message>
    <message>
        <source>the report %1 was not written: %2</source>
        <extracomment>%1 is the report file, %2 the system&apos;s reason.</extracomment>
        <translation>il rapporto %1 non è stato scritto: %2</translation>
    </message>
    <message>
        <source>note: %1: %2</source>
        <extracomment>Something about a converted file worth knowing: %1 is the source, %2 what.</extracomment>
        <translation>nota: %1: %2</translation>
    </message>
    <message>
        <source>nothing to convert: %1</source>
        <extracomment>%1 says what the folders given held none of.</extracomment>
        <translation>niente da convertire: %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <extracomment>%1 says what a folder given held none of.</extracomment>
        <translation>nota: %1</translation>
    </message>
    <message>
        <source>not started: the run was stopped</source>
        <translation>non avviato: l&apos;esecuzione è stata interrotta</translation>
    </message>
    <message>
        <source>not started: the run was refused</source>
        <translation>non avviato: l&apos;esecuzione è stata rifiutata</translation>
    </message>
    <message>
        <source>moved to the trash to make way for its result: %1</source>
        <extracomment>%1 is the file that was in the way, and where in the trash it went.</extracomment>
        <translation>spostato nel cestino per fare spazio al suo risultato: %1</translation>
    </message>
    <message>
        <source>not converted: %1: %2</source>
        <extracomment>%1 is the source, %2 the reason.</extracomment>
        <translation>non convertito: %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>; stopped by %1 before %n more started</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT; %n files were still to start.</extracomment>
        <translation>
            <numerusform>; interrotto da %1 prima che ne partisse ancora %n</numerusform>
            <numerusform>; interrotto da %1 prima che ne partissero altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>; stopped by %1</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT.</extracomment>
        <translation>; interrotto da %1</translation>
    </message>
</context>
<context>
    <name>BatchPlan</name>
    <message>
        <source>its result would be outside the output folder</source>
        <extracomment>Why a file found in a folder was not converted with --keep-tree: its subfolder would lead out of the output folder.</extracomment>
        <translation>il suo risultato finirebbe fuori dalla cartella di destinazione</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>--:-- left</source>
        <extracomment>In the progress line, before the time left can be estimated; &quot;--:--&quot; stands for the minutes and seconds.</extracomment>
        <translation>mancano --:--</translation>
    </message>
    <message>
        <source>[%1/%2] Processing: %3</source>
        <extracomment>A line for each file as it starts, when standard error is no terminal: %1 is the file&apos;s place in the run, %2 the files of the run, %3 the file&apos;s name.</extracomment>
        <translation>[%1/%2] Elaborazione: %3</translation>
    </message>
    <message>
        <source>%1x real time, %2 left</source>
        <extracomment>In the progress line: %1 is how many seconds of sound are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>%1x tempo reale, mancano %2</translation>
    </message>
    <message>
        <source>%1 files/s, %2 left</source>
        <extracomment>In the progress line, when no file&apos;s length is known: %1 is how many files are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>%1 file/s, mancano %2</translation>
    </message>
    <message>
        <source>%1 of 1 file converted</source>
        <extracomment>The start of the progress line: %1 of the run&apos;s %n files are converted so far.</extracomment>
        <translation>%1 di 1 file convertito</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted</source>
        <translation>
            <numerusform>%1 di %n file convertito</numerusform>
            <numerusform>%1 di %n file convertiti</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 up to date</source>
        <extracomment>Added to the progress line: %1 files were left as they were (--update).</extracomment>
        <translation>, già aggiornati: %1</translation>
    </message>
    <message>
        <source>, %1 not converted</source>
        <extracomment>Added to the progress line: %1 files were not converted.</extracomment>
        <translation>, non convertiti: %1</translation>
    </message>
    <message>
        <source>stopping</source>
        <extracomment>In the progress line, once a stop was asked for, in place of the time left.</extracomment>
        <translation>interruzione in corso</translation>
    </message>
    <message>
        <source>, %1 elapsed, %2</source>
        <extracomment>Added to the progress line: %1 is the time since the start (minutes:seconds), %2 the pace and the time left, or &quot;stopping&quot;.</extracomment>
        <translation>, trascorsi %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>; Processing: %1 and %n more</source>
        <extracomment>The end of the progress line: %1 is the name of a file being converted, %n how many more are.</extracomment>
        <translation>
            <numerusform>; Elaborazione: %1 e %n altro</numerusform>
            <numerusform>; Elaborazione: %1 e altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>; Processing: %1</source>
        <extracomment>The end of the progress line: %1 is the name of the file being converted.</extracomment>
        <translation>; Elaborazione: %1</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>No files added.</source>
        <translation>Nessun file aggiunto.</translation>
    </message>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>La cartella non esiste. Selezionare un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>No output format is chosen. Please select an output format.</source>
        <translation>Non è stato scelto alcun formato di uscita. Selezionare un formato di uscita.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Please wait.. </source>
        <translation>Attendere.. </translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <extracomment>On the progress bar while a file converts; %1 is its name.</extracomment>
        <translation>Elaborazione: %1</translation>
    </message>
</context>
<context>
    <name>ConverterTool</name>
    <message>
        <source>Install FFmpeg with &quot;sudo apt install ffmpeg&quot;, or name the FFmpeg program to use in the environment variable LORVANE_FFMPEG.</source>
        <translation>Installare FFmpeg con &quot;sudo apt install ffmpeg&quot; oppure indicare il programma FFmpeg da usare nella variabile d&apos;ambiente LORVANE_FFMPEG.</translation>
    </message>
    <message>
        <source>The program %1 cannot do the conversion: it lacks %2.

</source>
        <translation>Il programma %1 non può eseguire la conversione: manca %2.

</translation>
    </message>
    <message>
        <source>the encoder %1</source>
        <extracomment>Part of &quot;it lacks %2&quot;: an FFmpeg encoder&apos;s name, such as pcm_s16le.</extracomment>
        <translation>il codificatore %1</translation>
    </message>
    <message>
        <source>the Vorbis decoder</source>
        <translation>il decodificatore Vorbis</translation>
    </message>
    <message>
        <source>the WAV writer</source>
        <translation>il supporto alla scrittura WAV</translation>
    </message>
    <message>
        <source>FFmpeg, which does the conversion, was not found.

</source>
        <translation>Non è stato trovato FFmpeg, che esegue la conversione.

</translation>
    </message>
    <message>
        <source>The converter %1 named in LORVANE_FFMPEG was not found.

</source>
        <translation>Il convertitore %1 indicato in LORVANE_FFMPEG non è stato trovato.

</translation>
    </message>
    <message>
        <source>The converter %1 was not found.

</source>
        <translation>Il convertitore %1 non è stato trovato.

</translation>
    </message>
    <message>
        <source>The converter %1 is not an executable program.

</source>
        <translation>Il convertitore %1 non è un programma eseguibile.

</translation>
    </message>
    <message>
        <source>The converter %1 did not answer as FFmpeg does.

</source>
        <translation>Il convertitore %1 non ha risposto come fa FFmpeg.

</translation>
    </message>
    <message>
        <source>The converter %1 is %2, not FFmpeg itself.

</source>
        <translation>Il convertitore %1 è %2, non FFmpeg stesso.

</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show</source>
        <extracomment>The button on the desktop&apos;s notification that brings the window forward.</extracomment>
        <translation>Mostra</translation>
    </message>
</context>
<context>
    <name>DesktopRun</name>
    <message>
        <source>Converting files</source>
        <extracomment>Why the machine is kept awake, as the desktop shows it to one about to suspend or log out.</extracomment>
        <translation>Conversione dei file in corso</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <extracomment>The heading of the desktop notification at the end of a run.</extracomment>
        <translation>Conversione terminata</translation>
    </message>
    <message>
        <source>1 file converted.</source>
        <extracomment>The desktop notification&apos;s text after a run that converted every file.</extracomment>
        <translation>1 file convertito.</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted.</source>
        <translation>
            <numerusform>%n file convertito.</numerusform>
            <numerusform>%n file convertiti.</numerusform>
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
        <translation>1 file convertito</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n file convertito</numerusform>
            <numerusform>%n file convertiti</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file not converted</source>
        <extracomment>The second half of &quot;N files converted, N files not converted.&quot;</extracomment>
        <translation>1 file non convertito</translation>
    </message>
    <message numerus="yes">
        <source>%n files not converted</source>
        <translation>
            <numerusform>%n file non convertito</numerusform>
            <numerusform>%n file non convertiti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please send a screenshot of this message to whoever provided this program.</source>
        <translation>Inviare una schermata di questo messaggio a chi ha fornito questo programma.</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The last line of an error report; %1 is the e-mail address of the program&apos;s support.</extracomment>
        <translation>Inviare per email una schermata di questo messaggio a %1</translation>
    </message>
    <message>
        <source>%1 at line %2</source>
        <extracomment>The second line of an error report: where the failure happened. %1 is the place, in words of the program&apos;s own that stay as they are (&quot;in Tessaly2021/08/31.Form1.Form_Load&quot;), %2 the number of the step that failed.</extracomment>
        <translation>%1 alla riga %2</translation>
    </message>
    <message>
        <source>Application Error</source>
        <extracomment>Title of the box that reports a failure of the window.</extracomment>
        <translation>Errore dell&apos;applicazione</translation>
    </message>
</context>
<context>
    <name>FormatTable</name>
    <message>
        <source>8-bit integer, unsigned</source>
        <translation>Intero a 8 bit, senza segno</translation>
    </message>
    <message>
        <source>16-bit integer, signed</source>
        <translation>Intero a 16 bit, con segno</translation>
    </message>
    <message>
        <source>8-bit µ-law, companded</source>
        <translation>µ-law a 8 bit, con compansione</translation>
    </message>
    <message>
        <source>24-bit integer, signed</source>
        <translation>Intero a 24 bit, con segno</translation>
    </message>
    <message>
        <source>32-bit floating point</source>
        <translation>Virgola mobile a 32 bit</translation>
    </message>
    <message>
        <source>64-bit floating point</source>
        <translation>Virgola mobile a 64 bit</translation>
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
        <translation>Uso: lorvane [FILE|CARTELLA]...
  o:   lorvane --convert [OPZIONE]... FILE|CARTELLA...
Converte file Ogg Vorbis e Opus in file WAV con FFmpeg.

Senza --convert, Lorvane apre la sua finestra e accoda i file indicati e tutti
i file di ogni cartella e delle sue sottocartelle. Se una finestra di Lorvane
dello stesso utente è già aperta, file e cartelle vanno in coda lì. La finestra
accetta le opzioni Qt standard (-style Fusion, -platform offscreen, -reverse,
-stylesheet FILE, -display DISPLAY ...) e richiede una sessione grafica.

Con --convert, Lorvane converte senza finestra e poi termina. Ogni file diventa
un file .wav con lo stesso nome. Formato e posizione non indicati qui sono
quelli scelti nella finestra (le sue impostazioni, che la modalità batch non
modifica mai); il riepilogo indica da dove proviene ciascuno.

      --convert              converte senza finestra
      --format=NOME|NUMERO   il formato WAV, per nome o per numero:
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
        <translation>      --output-folder=DIR    salva i risultati in DIR (deve esistere)
      --beside-source        salva ogni risultato nella cartella dell&apos;origine
      --extension=EXT[,EXT]  prende i file .EXT dalle cartelle indicate
                             (predefinito: ogg,oga,opus; * per tutti i file)
      --jobs=N               esegue fino a N conversioni insieme (da 1 a %1)
      --keep-tree            ricrea l&apos;albero delle cartelle nella destinazione:
                             CARTELLA/a/b.ogg diventa DESTINAZIONE/a/b.wav
      --update               non tocca un risultato completo creato da questo
                             programma dalla stessa origine, se più recente
      --report=FILE          scrive in FILE una riga JSON per file: origine,
                             risultato, esito, motivo e dove è finito nel
                             cestino un file con il nome del risultato
      --quiet                mostra solo i file non convertiti e il riepilogo
  -h, --help                 mostra questo aiuto ed esce
      --version              mostra le informazioni sulla versione ed esce

Finché non si sceglie un formato nella finestra, il formato è 16-bit PCM, e
finché non si sceglie una cartella, i risultati vanno nella cartella della
Scrivania (o nella cartella home, se non esiste).

L&apos;avanzamento viene mostrato sullo standard error. Stato di uscita di
--convert: 0 se ogni file è stato convertito o era già aggiornato, 1 se alcuni
no (ognuno è indicato con il motivo), 2 per un errore d&apos;uso o per un input, una
cartella di destinazione o una cartella salvata non utilizzabile (in tal caso
non viene convertito nulla), 128+N se interrotto dal segnale N.

Esempio: lorvane --convert --format &quot;16-bit PCM&quot; --output-folder ~/wav ~/Music
</translation>
    </message>
    <message>
        <source>Try &apos;lorvane --help&apos; for more information.</source>
        <translation>Usare &apos;lorvane --help&apos; per ulteriori informazioni.</translation>
    </message>
</context>
<context>
    <name>LoopPoints</name>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 è indicato due volte</translation>
    </message>
    <message>
        <source>%1 without LOOPSTART</source>
        <translation>%1 senza LOOPSTART</translation>
    </message>
    <message>
        <source>LOOPSTART without LOOPLENGTH or LOOPEND</source>
        <translation>LOOPSTART senza LOOPLENGTH né LOOPEND</translation>
    </message>
    <message>
        <source>%1 is negative</source>
        <translation>%1 è negativo</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 non è un numero intero</translation>
    </message>
    <message>
        <source>LOOPLENGTH is 0</source>
        <translation>LOOPLENGTH è 0</translation>
    </message>
    <message>
        <source>LOOPEND is not after LOOPSTART</source>
        <translation>LOOPEND non viene dopo LOOPSTART</translation>
    </message>
    <message>
        <source>LOOPLENGTH and LOOPEND disagree</source>
        <translation>LOOPLENGTH e LOOPEND non concordano</translation>
    </message>
    <message>
        <source>the loop runs past the end</source>
        <translation>il loop va oltre la fine</translation>
    </message>
    <message>
        <source>the result is no whole WAV file</source>
        <translation>il risultato non è un file WAV completo</translation>
    </message>
    <message>
        <source>the loop does not survive the change of rate</source>
        <translation>il loop non si conserva con il cambio di frequenza di campionamento</translation>
    </message>
    <message>
        <source>the loop runs past the end of the result</source>
        <translation>il loop va oltre la fine del risultato</translation>
    </message>
    <message>
        <source>the loop lies beyond what a WAV sampler chunk can point at</source>
        <translation>il loop è oltre ciò che un chunk sampler WAV può indicare</translation>
    </message>
    <message>
        <source>the result has no room for the sizes past 4 GiB</source>
        <translation>il risultato non ha spazio per dimensioni oltre 4 GiB</translation>
    </message>
    <message>
        <source>its loop tags were ignored: %1</source>
        <translation>i suoi tag di loop sono stati ignorati: %1</translation>
    </message>
    <message>
        <source>its loop points were left out: %1</source>
        <translation>i suoi punti di loop sono stati omessi: %1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>the window program could not be found</source>
        <translation>impossibile trovare il programma della finestra</translation>
    </message>
    <message>
        <source>the window program %1 could not be started: %2</source>
        <extracomment>%1 is the window program&apos;s file, %2 the system&apos;s reason.</extracomment>
        <translation>impossibile avviare il programma della finestra %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <extracomment>The file list&apos;s tooltip; &quot;| line&quot; is the edge of the list&apos;s one column, which the mouse drags to widen it.</extracomment>
        <translation>Trascinare qui i file. Fare doppio clic su un elemento per rimuoverlo. Spostare la linea | verso destra e fuori dalla finestra per vedere i nomi completi.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <extracomment>What the progress bar at the foot of the window says while no file is converted.</extracomment>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Add OGG File(s)</source>
        <extracomment>Button: opens a file dialog to add Ogg files to the list.</extracomment>
        <translation>Aggiungi file OGG</translation>
    </message>
    <message>
        <source>Add All OGG File(s) In Folder</source>
        <extracomment>Button: asks for file endings and a folder, and adds the matching files in that folder and the folders in it.</extracomment>
        <translation>Aggiungi OGG da una cartella</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Avvia conversione</translation>
    </message>
    <message>
        <source>Clear List</source>
        <extracomment>Button: empties the file list.</extracomment>
        <translation>Svuota elenco</translation>
    </message>
    <message>
        <source>Load Sample/Example Files</source>
        <translation>Carica file di esempio</translation>
    </message>
    <message>
        <source>Output WAV Format</source>
        <extracomment>Caption of the frame around the drop-down of WAV formats.</extracomment>
        <translation>Formato WAV di uscita</translation>
    </message>
    <message>
        <source>Save Option</source>
        <extracomment>Caption of the frame around the choice of where the WAV files are saved.</extracomment>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Save results to this folder:</source>
        <extracomment>Option; the folder field follows it.</extracomment>
        <translation>Salva in questa cartella:</translation>
    </message>
    <message>
        <source>Save results in folder of original file</source>
        <translation>Salva nella cartella del file originale</translation>
    </message>
    <message>
        <source>OGG File(s)</source>
        <extracomment>Header of the file list&apos;s one column.</extracomment>
        <translation>File OGG</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <extracomment>What a screen reader calls the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>Scegli cartella di destinazione</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <extracomment>What a screen reader calls the file list.</extracomment>
        <translation>File da convertire</translation>
    </message>
    <message>
        <source>Output folder</source>
        <extracomment>What a screen reader calls the field of the folder the WAV files are saved in.</extracomment>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Output WAV format</source>
        <extracomment>What a screen reader calls the drop-down of WAV formats.</extracomment>
        <translation>Formato WAV di uscita</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <extracomment>Title of the folder dialogs of &quot;Add All OGG File(s) In Folder&quot; and of the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>Selezionare una cartella:</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <extracomment>The failure shown when the hand pointer file beside the program is no picture.</extracomment>
        <translation>Immagine non valida</translation>
    </message>
    <message>
        <source>Enter file extension to load:</source>
        <extracomment>First line of the prompt of &quot;Add All OGG File(s) In Folder&quot;; the field below it takes file endings without their dot.</extracomment>
        <translation>Inserire l&apos;estensione dei file da caricare:</translation>
    </message>
    <message>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <extracomment>Second line of the same prompt. The endings and the &quot;*&quot; are typed as they stand; only the words around them are translated.</extracomment>
        <translation>(* per tutti i file, txt per tutti i file txt, doc per tutti i file doc, ecc.)</translation>
    </message>
    <message>
        <source>(several at once: ogg oga opus)</source>
        <extracomment>Third line of the same prompt: several endings go in at once, parted by blanks. The endings are typed as they stand.</extracomment>
        <translation>(più estensioni insieme: ogg oga opus)</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>Sono stati selezionati troppi file da aggiungere.</translation>
    </message>
    <message>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <extracomment>&quot;Add All&quot; names the button &quot;Add All OGG File(s) In Folder&quot;.</extracomment>
        <translation>Provare ad aggiungerli con il pulsante «Aggiungi OGG da una cartella».</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Aprire la cartella in cui sono salvati questi file di esempio (per poterli vedere prima di lavorarci)?</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <extracomment>Title of the file dialog of &quot;Add OGG File(s)&quot;.</extracomment>
        <translation>Aggiungi file - Tenere premuto Ctrl per selezionare più file</translation>
    </message>
    <message>
        <source>Ogg audio</source>
        <extracomment>The name of the file dialog&apos;s filter that shows Ogg Vorbis and Opus files.</extracomment>
        <translation>Audio Ogg</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tutti i file</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>is not a file</source>
        <translation>non è un file</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>non è stato trovato</translation>
    </message>
    <message>
        <source>could not be read (%1)</source>
        <translation>non è stato possibile leggerlo (%1)</translation>
    </message>
    <message>
        <source>could not be read as audio</source>
        <translation>non è stato possibile leggerlo come audio</translation>
    </message>
    <message>
        <source>its result would have replaced a queued source</source>
        <translation>il suo risultato avrebbe sostituito un file di origine in coda</translation>
    </message>
    <message>
        <source>its result would have replaced the result of %1 (same name)</source>
        <translation>il suo risultato avrebbe sostituito quello di %1 (stesso nome)</translation>
    </message>
    <message>
        <source>the result was incomplete</source>
        <translation>il risultato era incompleto</translation>
    </message>
    <message>
        <source>could not be read to its end (%1)</source>
        <translation>non è stato possibile leggerlo fino alla fine (%1)</translation>
    </message>
    <message>
        <source>the result&apos;s length did not match the source</source>
        <translation>la durata del risultato non corrispondeva a quella del file di origine</translation>
    </message>
    <message>
        <source>the source is damaged (%1)</source>
        <translation>il file di origine è danneggiato (%1)</translation>
    </message>
    <message>
        <source>the source&apos;s length could not be read, so its result could not be checked</source>
        <translation>non è stato possibile leggere la durata del file di origine, quindi il risultato non è stato verificato</translation>
    </message>
    <message>
        <source>the result did not hold the chosen sample format</source>
        <translation>il risultato non aveva il formato dei campioni scelto</translation>
    </message>
    <message>
        <source>could not be written (%1)</source>
        <translation>non è stato possibile scriverlo (%1)</translation>
    </message>
    <message>
        <source>the converter wrote no result</source>
        <translation>il convertitore non ha scritto alcun risultato</translation>
    </message>
    <message>
        <source>the converter stopped before it finished</source>
        <translation>il convertitore si è fermato prima di finire</translation>
    </message>
    <message>
        <source>the converter could not be started</source>
        <translation>non è stato possibile avviare il convertitore</translation>
    </message>
    <message>
        <source>no result path could be made for it</source>
        <translation>non è stato possibile creare un percorso per il suo risultato</translation>
    </message>
    <message>
        <source>an older file of its result&apos;s name could not be moved to the trash (%1)</source>
        <translation>non è stato possibile spostare nel cestino un file precedente con il nome del suo risultato (%1)</translation>
    </message>
    <message>
        <source>the converter refused to replace a file of its result&apos;s name</source>
        <translation>il convertitore si è rifiutato di sostituire un file con il nome del suo risultato</translation>
    </message>
    <message>
        <source>the source ends early (incomplete file); its result holds what it had</source>
        <translation>il file di origine termina prima del previsto (file incompleto); il risultato contiene ciò che c&apos;era</translation>
    </message>
    <message>
        <source>the converter reported: %1</source>
        <translation>il convertitore ha segnalato: %1</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>moved to the trash to make way for the results (&quot;Restore&quot; in the file manager puts them back)</source>
        <translation>spostati nel cestino per fare spazio ai risultati («Ripristina» nel gestore di file li rimette al loro posto)</translation>
    </message>
    <message>
        <source>%1, now %2</source>
        <extracomment>A file moved to the trash: its old name, then its name in the trash.</extracomment>
        <translation>%1, ora %2</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The run&apos;s last word, on the progress bar and atop the closing message.</extracomment>
        <translation>Completato.</translation>
    </message>
    <message>
        <source>1 file could not be converted.</source>
        <translation>Non è stato possibile convertire 1 file.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Under a heading, after the first ten files it lists.</extracomment>
        <translation>
            <numerusform>e %n altro</numerusform>
            <numerusform>e altri %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted.</source>
        <translation>
            <numerusform>Non è stato possibile convertire %n file.</numerusform>
            <numerusform>Non è stato possibile convertire %n file.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SourceLook</name>
    <message>
        <source>its headers are damaged</source>
        <translation>le sue intestazioni sono danneggiate</translation>
    </message>
    <message>
        <source>its audio breaks off at %1 of %2</source>
        <extracomment>In &quot;The source is damaged (...)&quot;: where its sound stops, of how long it is.</extracomment>
        <translation>l&apos;audio si interrompe a %1 su %2</translation>
    </message>
    <message>
        <source>its audio breaks off at %1</source>
        <translation>l&apos;audio si interrompe a %1</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style, given last.</extracomment>
        <translation>valore mancante dopo &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta &apos;%1&apos;</translation>
    </message>
    <message>
        <source>an empty name is no file or folder</source>
        <translation>un nome vuoto non è né un file né una cartella</translation>
    </message>
    <message>
        <source>%1 is for --convert only</source>
        <extracomment>%1 is an option of the batch mode, such as --format.</extracomment>
        <translation>%1 vale solo con --convert</translation>
    </message>
    <message>
        <source>%1 is for the window only</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style.</extracomment>
        <translation>%1 vale solo per la finestra</translation>
    </message>
    <message>
        <source>no output format &apos;%1&apos;; choose one of %2</source>
        <extracomment>%1 is the value given; %2 lists the formats: 0 &quot;8-bit PCM&quot;, 1 &quot;16-bit PCM&quot; ...</extracomment>
        <translation>formato di uscita &apos;%1&apos; inesistente; sceglierne uno tra %2</translation>
    </message>
    <message>
        <source>--output-folder and --beside-source exclude each other</source>
        <translation>--output-folder e --beside-source si escludono a vicenda</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos; does not exist</source>
        <translation>la cartella di destinazione &apos;%1&apos; non esiste</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no file extension</source>
        <translation>&apos;%1&apos; non è un&apos;estensione di file</translation>
    </message>
    <message>
        <source>--jobs needs a whole number from 1 to %1, not &apos;%2&apos;</source>
        <extracomment>%1 is the most conversions at once; %2 is the value given.</extracomment>
        <translation>--jobs richiede un numero intero da 1 a %1, non &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; cannot be written: no such folder, or a folder</source>
        <translation>impossibile scrivere il rapporto &apos;%1&apos;: la cartella non esiste, o è una cartella</translation>
    </message>
    <message>
        <source>no files or folders to convert</source>
        <translation>nessun file o cartella da convertire</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>start Lorvane as %1</source>
        <extracomment>A terminal line of lorvane-window started by itself with the batch mode&apos;s options; %1 is the command to start instead.</extracomment>
        <translation>avviare Lorvane con %1</translation>
    </message>
    <message>
        <source>the open Lorvane window did not take the files</source>
        <extracomment>A terminal line: a second start handed its files to the window already open, and that window did not answer.</extracomment>
        <translation>la finestra di Lorvane aperta non ha accettato i file</translation>
    </message>
</context>
<context>
    <name>WindowStart</name>
    <message>
        <source>Qt&apos;s platform &apos;%1&apos; could not be started</source>
        <extracomment>Why the window cannot open: %1 is what -platform or QT_QPA_PLATFORM asked for.</extracomment>
        <translation>impossibile avviare la piattaforma &apos;%1&apos; di Qt</translation>
    </message>
    <message>
        <source>no display found</source>
        <extracomment>Why the window cannot open: neither DISPLAY nor WAYLAND_DISPLAY names one.</extracomment>
        <translation>nessun display trovato</translation>
    </message>
    <message>
        <source>the display %1 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the display&apos;s name, as &quot;:0&quot; or &quot;wayland-0&quot;.</extracomment>
        <translation>impossibile aprire il display %1</translation>
    </message>
    <message>
        <source>the displays %1 and %2 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the X11 display&apos;s name, %2 the Wayland one&apos;s.</extracomment>
        <translation>impossibile aprire i display %1 e %2</translation>
    </message>
    <message>
        <source>needs a graphical session (%1); use `%2` to convert without a window</source>
        <extracomment>A terminal line. %1 is why the window cannot open; %2 the command that converts without a window, which stays as it is.</extracomment>
        <translation>serve una sessione grafica (%1); usare `%2` per convertire senza finestra</translation>
    </message>
</context>
</TS>
