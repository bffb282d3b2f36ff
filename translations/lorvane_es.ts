<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AppError</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Argumento o llamada a procedimiento no válidos</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>El subíndice está fuera del intervalo</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propiedad no válido</translation>
    </message>
</context>
<context>
    <name>BatchInputs</name>
    <message>
        <source>%1 is a file, not a folder: leave out the trailing &apos;/&apos;</source>
        <translation>%1 es un archivo, no una carpeta: quite la &apos;/&apos; final</translation>
    </message>
    <message>
        <source>%1: no such file or folder</source>
        <translation>%1: no existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2)</source>
        <extracomment>%1 is a file or folder given; %2 is the system&apos;s reason.</extracomment>
        <translation>no se puede acceder a %1 (%2)</translation>
    </message>
    <message>
        <source>the output folder %1 takes no new files (%2)</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>la carpeta de salida %1 no admite archivos nuevos (%2)</translation>
    </message>
    <message>
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running 1 conversion at once</source>
        <extracomment>%1 is the variable&apos;s value; %2 is the most conversions at once; %n is how many run.</extracomment>
        <translation>aviso: LORVANE_JOBS=&apos;%1&apos; no es un número entero de 1 a %2; se ejecuta 1 conversión a la vez</translation>
    </message>
    <message numerus="yes">
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running %n conversions at once</source>
        <translation>
            <numerusform>aviso: LORVANE_JOBS=&apos;%1&apos; no es un número entero de 1 a %2; se ejecuta %n conversión a la vez</numerusform>
            <numerusform>aviso: LORVANE_JOBS=&apos;%1&apos; no es un número entero de 1 a %2; se ejecutan %n conversiones a la vez</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchMode</name>
    <message>
        <source>stopping after the files in hand; Ctrl+C again to stop now</source>
        <translation>se detendrá al terminar los archivos en curso; pulse Ctrl+C otra vez para detenerlo ya</translation>
    </message>
    <message>
        <source>stopping after the files in hand (%1); %1 again stops now</source>
        <extracomment>%1 is the signal&apos;s name, such as SIGTERM.</extracomment>
        <translation>se detendrá al terminar los archivos en curso (%1); otro %1 lo detiene ya</translation>
    </message>
    <message>
        <source>no files in %1 or its subfolders</source>
        <extracomment>%1 names the folders (%n of them) that held no file at all.</extracomment>
        <translation>no hay archivos en %1 ni en sus subcarpetas</translation>
    </message>
    <message numerus="yes">
        <source>no files in %1 or their subfolders</source>
        <translation>
            <numerusform>no hay archivos en %1 ni en sus subcarpetas</numerusform>
            <numerusform>no hay archivos en %1 ni en sus subcarpetas</numerusform>
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
        <translation>no hay archivos %1 en %2 ni en sus subcarpetas; --extension elige otras extensiones (--extension=&apos;*&apos; toma todos los archivos)</translation>
    </message>
    <message numerus="yes">
        <source>no %1 files in %2 or their subfolders; --extension chooses other endings (--extension=&apos;*&apos; takes every file)</source>
        <translation>
            <numerusform>no hay archivos %1 en %2 ni en sus subcarpetas; --extension elige otras extensiones (--extension=&apos;*&apos; toma todos los archivos)</numerusform>
            <numerusform>no hay archivos %1 en %2 ni en sus subcarpetas; --extension elige otras extensiones (--extension=&apos;*&apos; toma todos los archivos)</numerusform>
        </translation>
    </message>
    <message>
        <source>Application Error: %1</source>
        <extracomment>A line of a failure report, as the window&apos;s &quot;Application Error&quot; box would show it.</extracomment>
        <translation>Error de la aplicación: %1</translation>
    </message>
    <message>
        <source>the window&apos;s settings (%1) choose no output format; give one with --format</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>la configuración de la ventana (%1) no elige ningún formato de salida; indique uno con --format</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos;, the window&apos;s choice (stored in %2), does not exist; give one with --output-folder</source>
        <extracomment>%1 is the folder, %2 the settings file.</extracomment>
        <translation>la carpeta de salida &apos;%1&apos;, elegida en la ventana (guardada en %2), no existe; indique una con --output-folder</translation>
    </message>
    <message>
        <source>the default output folder &apos;%1&apos; does not exist; give one with --output-folder</source>
        <translation>la carpeta de salida predeterminada &apos;%1&apos; no existe; indique una con --output-folder</translation>
    </message>
    <message>
        <source>%1, the default</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, which nobody chose.</extracomment>
        <translation>%1, por defecto</translation>
    </message>
    <message>
        <source>%1, the window&apos;s choice</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, as chosen in the window.</extracomment>
        <translation>%1, según la ventana</translation>
    </message>
    <message>
        <source>results beside their sources</source>
        <translation>resultados junto a sus archivos de origen</translation>
    </message>
    <message>
        <source>results in %1</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the output folder.</extracomment>
        <translation>resultados en %1</translation>
    </message>
    <message>
        <source>%1, source trees kept</source>
        <extracomment>In the batch mode&apos;s last line: %1 says where the results went; --keep-tree was given.</extracomment>
        <translation>%1, con la estructura de carpetas de origen</translation>
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
        <translation>%1 de 1 archivo convertido, %2 al día, %3 sin convertir, en %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted, %2 up to date, %3 not converted, in %4</source>
        <translation>
            <numerusform>%1 de %n archivo convertido, %2 al día, %3 sin convertir, en %4</numerusform>
            <numerusform>%1 de %n archivos convertidos, %2 al día, %3 sin convertir, en %4</numerusform>
        </translation>
    </message>
    <message>
        <source>the report %1 was not written: %2</source>
        <extracomment>%1 is the report file, %2 the system&apos;s reason.</extracomment>
        <translation>no se escribió el informe %1: %2</translation>
    </message>
    <message>
        <source>note: %1: %2</source>
        <extracomment>Something about a converted file worth knowing: %1 is the source, %2 what.</extracomment>
        <translation>nota: %1: %2</translation>
    </message>
    <message>
        <source>nothing to convert: %1</source>
        <extracomment>%1 says what the folders given held none of.</extracomment>
        <translation>nada que convertir: %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <extracomment>%1 says what a folder given held none of.</extracomment>
        <translation>nota: %1</translation>
    </message>
    <message>
        <source>not started: the run was stopped</source>
        <translation>sin iniciar: se detuvo la ejecución</translation>
    </message>
    <message>
        <source>not started: the run was refused</source>
        <translation>sin iniciar: se rechazó la ejecución</translation>
    </message>
    <message>
        <source>moved to the trash to make way for its result: %1</source>
        <extracomment>%1 is the file that was in the way, and where in the trash it went.</extracomment>
        <translation>movido a la papelera para dejar sitio a su resultado: %1</translation>
    </message>
    <message>
        <source>not converted: %1: %2</source>
        <extracomment>%1 is the source, %2 the reason.</extracomment>
        <translation>sin convertir: %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>; stopped by %1 before %n more started</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT; %n files were still to start.</extracomment>
        <translation>
            <numerusform>; detenido por %1 antes de que empezara %n más</numerusform>
            <numerusform>; detenido por %1 antes de que empezaran %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>; stopped by %1</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT.</extracomment>
        <translation>; detenido por %1</translation>
    </message>
</context>
<context>
    <name>BatchPlan</name>
    <message>
        <source>its result would be outside the output folder</source>
        <extracomment>Why a file found in a folder was not converted with --keep-tree: its subfolder would lead out of the output folder.</extracomment>
        <translation>su resultado quedaría fuera de la carpeta de salida</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>--:-- left</source>
        <extracomment>In the progress line, before the time left can be estimated; &quot;--:--&quot; stands for the minutes and seconds.</extracomment>
        <translation>quedan --:--</translation>
    </message>
    <message>
        <source>[%1/%2] Processing: %3</source>
        <extracomment>A line for each file as it starts, when standard error is no terminal: %1 is the file&apos;s place in the run, %2 the files of the run, %3 the file&apos;s name.</extracomment>
        <translation>[%1/%2] Procesando: %3</translation>
    </message>
    <message>
        <source>%1x real time, %2 left</source>
        <extracomment>In the progress line: %1 is how many seconds of sound are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>%1x tiempo real, quedan %2</translation>
    </message>
    <message>
        <source>%1 files/s, %2 left</source>
        <extracomment>In the progress line, when no file&apos;s length is known: %1 is how many files are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>%1 archivos/s, quedan %2</translation>
    </message>
    <message>
        <source>%1 of 1 file converted</source>
        <extracomment>The start of the progress line: %1 of the run&apos;s %n files are converted so far.</extracomment>
        <translation>%1 de 1 archivo convertido</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted</source>
        <translation>
            <numerusform>%1 de %n archivo convertido</numerusform>
            <numerusform>%1 de %n archivos convertidos</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 up to date</source>
        <extracomment>Added to the progress line: %1 files were left as they were (--update).</extracomment>
        <translation>, %1 al día</translation>
    </message>
    <message>
        <source>, %1 not converted</source>
        <extracomment>Added to the progress line: %1 files were not converted.</extracomment>
        <translation>, %1 sin convertir</translation>
    </message>
    <message>
        <source>stopping</source>
        <extracomment>In the progress line, once a stop was asked for, in place of the time left.</extracomment>
        <translation>deteniendo</translation>
    </message>
    <message>
        <source>, %1 elapsed, %2</source>
        <extracomment>Added to the progress line: %1 is the time since the start (minutes:seconds), %2 the pace and the time left, or &quot;stopping&quot;.</extracomment>
        <translation>, %1 transcurrido, %2</translation>
    </message>
    <message numerus="yes">
        <source>; Processing: %1 and %n more</source>
        <extracomment>The end of the progress line: %1 is the name of a file being converted, %n how many more are.</extracomment>
        <translation>
            <numerusform>; Procesando: %1 y %n más</numerusform>
            <numerusform>; Procesando: %1 y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>; Processing: %1</source>
        <extracomment>The end of the progress line: %1 is the name of the file being converted.</extracomment>
        <translation>; Procesando: %1</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>No files added.</source>
        <translation>No se ha añadido ningún archivo.</translation>
    </message>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>La carpeta no existe. Seleccione otra carpeta.</translation>
    </message>
    <message>
        <source>No output format is chosen. Please select an output format.</source>
        <translation>No se ha elegido ningún formato de salida. Seleccione un formato de salida.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Please wait.. </source>
        <translation>Espere.. </translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <extracomment>On the progress bar while a file converts; %1 is its name.</extracomment>
        <translation>Procesando: %1</translation>
    </message>
</context>
<context>
    <name>ConverterTool</name>
    <message>
        <source>Install FFmpeg with &quot;sudo apt install ffmpeg&quot;, or name the FFmpeg program to use in the environment variable LORVANE_FFMPEG.</source>
        <translation>Instale FFmpeg con &quot;sudo apt install ffmpeg&quot; o indique el programa FFmpeg que quiere usar en la variable de entorno LORVANE_FFMPEG.</translation>
    </message>
    <message>
        <source>The program %1 cannot do the conversion: it lacks %2.

</source>
        <translation>El programa %1 no puede hacer la conversión: le falta %2.

</translation>
    </message>
    <message>
        <source>the encoder %1</source>
        <extracomment>Part of &quot;it lacks %2&quot;: an FFmpeg encoder&apos;s name, such as pcm_s16le.</extracomment>
        <translation>el codificador %1</translation>
    </message>
    <message>
        <source>the Vorbis decoder</source>
        <translation>el decodificador Vorbis</translation>
    </message>
    <message>
        <source>the WAV writer</source>
        <translation>el soporte para escribir WAV</translation>
    </message>
    <message>
        <source>FFmpeg, which does the conversion, was not found.

</source>
        <translation>No se encontró FFmpeg, que es el que hace la conversión.

</translation>
    </message>
    <message>
        <source>The converter %1 named in LORVANE_FFMPEG was not found.

</source>
        <translation>No se encontró el conversor %1 indicado en LORVANE_FFMPEG.

</translation>
    </message>
    <message>
        <source>The converter %1 was not found.

</source>
        <translation>No se encontró el conversor %1.

</translation>
    </message>
    <message>
        <source>The converter %1 is not an executable program.

</source>
        <translation>El conversor %1 no es un programa ejecutable.

</translation>
    </message>
    <message>
        <source>The converter %1 did not answer as FFmpeg does.

</source>
        <translation>El conversor %1 no respondió como lo hace FFmpeg.

</translation>
    </message>
    <message>
        <source>The converter %1 is %2, not FFmpeg itself.

</source>
        <translation>El conversor %1 es %2, no el propio FFmpeg.

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
        <translation>Convirtiendo archivos</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <extracomment>The heading of the desktop notification at the end of a run.</extracomment>
        <translation>Conversión terminada</translation>
    </message>
    <message>
        <source>1 file converted.</source>
        <extracomment>The desktop notification&apos;s text after a run that converted every file.</extracomment>
        <translation>1 archivo convertido.</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted.</source>
        <translation>
            <numerusform>%n archivo convertido.</numerusform>
            <numerusform>%n archivos convertidos.</numerusform>
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
        <translation>1 archivo convertido</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n archivo convertido</numerusform>
            <numerusform>%n archivos convertidos</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file not converted</source>
        <extracomment>The second half of &quot;N files converted, N files not converted.&quot;</extracomment>
        <translation>1 archivo sin convertir</translation>
    </message>
    <message numerus="yes">
        <source>%n files not converted</source>
        <translation>
            <numerusform>%n archivo sin convertir</numerusform>
            <numerusform>%n archivos sin convertir</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please send a screenshot of this message to whoever provided this program.</source>
        <translation>Envíe una captura de pantalla de este mensaje a quien le proporcionó este programa.</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The last line of an error report; %1 is the e-mail address of the program&apos;s support.</extracomment>
        <translation>Envíe por correo electrónico una captura de pantalla de este mensaje a %1</translation>
    </message>
    <message>
        <source>%1 at line %2</source>
        <extracomment>The second line of an error report: where the failure happened. %1 is the place, in words of the program&apos;s own that stay as they are (&quot;in Tessaly2021/08/31.Form1.Form_Load&quot;), %2 the number of the step that failed.</extracomment>
        <translation>%1 en la línea %2</translation>
    </message>
    <message>
        <source>Application Error</source>
        <extracomment>Title of the box that reports a failure of the window.</extracomment>
        <translation>Error de la aplicación</translation>
    </message>
</context>
<context>
    <name>FormatTable</name>
    <message>
        <source>8-bit integer, unsigned</source>
        <translation>Entero de 8 bits, sin signo</translation>
    </message>
    <message>
        <source>16-bit integer, signed</source>
        <translation>Entero de 16 bits, con signo</translation>
    </message>
    <message>
        <source>8-bit µ-law, companded</source>
        <translation>µ-law de 8 bits, con compansión</translation>
    </message>
    <message>
        <source>24-bit integer, signed</source>
        <translation>Entero de 24 bits, con signo</translation>
    </message>
    <message>
        <source>32-bit floating point</source>
        <translation>Coma flotante de 32 bits</translation>
    </message>
    <message>
        <source>64-bit floating point</source>
        <translation>Coma flotante de 64 bits</translation>
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
        <translation>Uso: lorvane [ARCHIVO|CARPETA]...
  o:   lorvane --convert [OPCIÓN]... ARCHIVO|CARPETA...
Convierte archivos Ogg Vorbis y Opus en archivos WAV con FFmpeg.

Sin --convert, Lorvane abre su ventana y pone en cola los archivos indicados y
todos los de cada carpeta y sus subcarpetas. Si ya tiene abierta una ventana
de Lorvane, los archivos y carpetas se ponen en cola en ella. La ventana admite
las opciones estándar de Qt (-style Fusion, -platform offscreen, -reverse,
-stylesheet ARCHIVO, -display PANTALLA ...) y necesita una sesión gráfica.

Con --convert, Lorvane convierte sin ventana y después termina. Cada archivo
pasa a ser un archivo .wav con el mismo nombre. El formato y la ubicación que
no se indiquen aquí son los elegidos en la ventana (su configuración, que el
modo por lotes nunca cambia); el resumen indica de dónde procede cada uno.

      --convert              convierte sin ventana
      --format=NOMBRE|NÚM    el formato WAV, por su nombre o su número:
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
        <translation>      --output-folder=DIR    guarda los resultados en DIR (debe existir)
      --beside-source        guarda cada resultado en la carpeta de su origen
      --extension=EXT[,EXT]  toma los archivos .EXT de las carpetas indicadas
                             (por defecto: ogg,oga,opus; * para todos)
      --jobs=N               ejecuta hasta N conversiones a la vez (de 1 a %1)
      --keep-tree            reproduce las subcarpetas en la carpeta de salida:
                             CARPETA/a/b.ogg pasa a ser SALIDA/a/b.wav
      --update               no toca un resultado completo que este programa
                             hizo del mismo origen y es más reciente que él
      --report=ARCHIVO       escribe en ARCHIVO una línea JSON por archivo:
                             origen, resultado, estado, motivo y dónde quedó
                             en la papelera un archivo con el mismo nombre
      --quiet                muestra solo lo que no se convirtió y el resumen
  -h, --help                 muestra esta ayuda y finaliza
      --version              muestra la información de versión y finaliza

Mientras no se elija un formato en la ventana, el formato es 16-bit PCM, y
mientras no se elija una carpeta, los resultados van a la carpeta del
escritorio (o a la carpeta personal si no existe).

El progreso se muestra en la salida de error estándar. Estado de salida de
--convert: 0 si todos los archivos se convirtieron o estaban al día, 1 si
alguno no (cada uno se nombra con el motivo), 2 si hay un error de uso o una
entrada, carpeta de salida o carpeta guardada que no se puede usar (entonces
no se convierte nada), 128+N si se detuvo por la señal N.

Ejemplo: lorvane --convert --format &quot;16-bit PCM&quot; --output-folder ~/wav ~/Music
</translation>
    </message>
    <message>
        <source>Try &apos;lorvane --help&apos; for more information.</source>
        <translation>Pruebe &apos;lorvane --help&apos; para más información.</translation>
    </message>
</context>
<context>
    <name>LoopPoints</name>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 aparece dos veces</translation>
    </message>
    <message>
        <source>%1 without LOOPSTART</source>
        <translation>%1 sin LOOPSTART</translation>
    </message>
    <message>
        <source>LOOPSTART without LOOPLENGTH or LOOPEND</source>
        <translation>LOOPSTART sin LOOPLENGTH ni LOOPEND</translation>
    </message>
    <message>
        <source>%1 is negative</source>
        <translation>%1 es negativo</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 no es un número entero</translation>
    </message>
    <message>
        <source>LOOPLENGTH is 0</source>
        <translation>LOOPLENGTH es 0</translation>
    </message>
    <message>
        <source>LOOPEND is not after LOOPSTART</source>
        <translation>LOOPEND no es posterior a LOOPSTART</translation>
    </message>
    <message>
        <source>LOOPLENGTH and LOOPEND disagree</source>
        <translation>LOOPLENGTH y LOOPEND no concuerdan</translation>
    </message>
    <message>
        <source>the loop runs past the end</source>
        <translation>el bucle sobrepasa el final</translation>
    </message>
    <message>
        <source>the result is no whole WAV file</source>
        <translation>el resultado no es un archivo WAV completo</translation>
    </message>
    <message>
        <source>the loop does not survive the change of rate</source>
        <translation>el bucle no se conserva al cambiar la frecuencia de muestreo</translation>
    </message>
    <message>
        <source>the loop runs past the end of the result</source>
        <translation>el bucle sobrepasa el final del resultado</translation>
    </message>
    <message>
        <source>the loop lies beyond what a WAV sampler chunk can point at</source>
        <translation>el bucle queda más allá de lo que puede señalar un chunk sampler de WAV</translation>
    </message>
    <message>
        <source>the result has no room for the sizes past 4 GiB</source>
        <translation>el resultado no admite tamaños de más de 4 GiB</translation>
    </message>
    <message>
        <source>its loop tags were ignored: %1</source>
        <translation>se ignoraron sus etiquetas de bucle: %1</translation>
    </message>
    <message>
        <source>its loop points were left out: %1</source>
        <translation>se omitieron sus puntos de bucle: %1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>the window program could not be found</source>
        <translation>no se encontró el programa de la ventana</translation>
    </message>
    <message>
        <source>the window program %1 could not be started: %2</source>
        <extracomment>%1 is the window program&apos;s file, %2 the system&apos;s reason.</extracomment>
        <translation>no se pudo iniciar el programa de la ventana %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <extracomment>The file list&apos;s tooltip; &quot;| line&quot; is the edge of the list&apos;s one column, which the mouse drags to widen it.</extracomment>
        <translation>Arrastre y suelte archivos aquí. Haga doble clic en un elemento para quitarlo. Mueva la línea | hacia la derecha y fuera de la ventana para ver los nombres completos.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <extracomment>What the progress bar at the foot of the window says while no file is converted.</extracomment>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Add OGG File(s)</source>
        <extracomment>Button: opens a file dialog to add Ogg files to the list.</extracomment>
        <translation>Añadir archivos OGG</translation>
    </message>
    <message>
        <source>Add All OGG File(s) In Folder</source>
        <extracomment>Button: asks for file endings and a folder, and adds the matching files in that folder and the folders in it.</extracomment>
        <translation>Añadir OGG de una carpeta</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Iniciar conversión</translation>
    </message>
    <message>
        <source>Clear List</source>
        <extracomment>Button: empties the file list.</extracomment>
        <translation>Vaciar lista</translation>
    </message>
    <message>
        <source>Load Sample/Example Files</source>
        <translation>Cargar archivos de ejemplo</translation>
    </message>
    <message>
        <source>Output WAV Format</source>
        <extracomment>Caption of the frame around the drop-down of WAV formats.</extracomment>
        <translation>Formato WAV de salida</translation>
    </message>
    <message>
        <source>Save Option</source>
        <extracomment>Caption of the frame around the choice of where the WAV files are saved.</extracomment>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Save results to this folder:</source>
        <extracomment>Option; the folder field follows it.</extracomment>
        <translation>Guardar en esta carpeta:</translation>
    </message>
    <message>
        <source>Save results in folder of original file</source>
        <translation>Guardar en la carpeta del archivo original</translation>
    </message>
    <message>
        <source>OGG File(s)</source>
        <extracomment>Header of the file list&apos;s one column.</extracomment>
        <translation>Archivos OGG</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <extracomment>What a screen reader calls the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>Elegir carpeta de salida</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <extracomment>What a screen reader calls the file list.</extracomment>
        <translation>Archivos para convertir</translation>
    </message>
    <message>
        <source>Output folder</source>
        <extracomment>What a screen reader calls the field of the folder the WAV files are saved in.</extracomment>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>Output WAV format</source>
        <extracomment>What a screen reader calls the drop-down of WAV formats.</extracomment>
        <translation>Formato WAV de salida</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <extracomment>Title of the folder dialogs of &quot;Add All OGG File(s) In Folder&quot; and of the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>Seleccione una carpeta:</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <extracomment>The failure shown when the hand pointer file beside the program is no picture.</extracomment>
        <translation>Imagen no válida</translation>
    </message>
    <message>
        <source>Enter file extension to load:</source>
        <extracomment>First line of the prompt of &quot;Add All OGG File(s) In Folder&quot;; the field below it takes file endings without their dot.</extracomment>
        <translation>Escriba la extensión de los archivos que quiere cargar:</translation>
    </message>
    <message>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <extracomment>Second line of the same prompt. The endings and the &quot;*&quot; are typed as they stand; only the words around them are translated.</extracomment>
        <translation>(* para todos los archivos, txt para todos los archivos txt, doc para todos los archivos doc, etc.)</translation>
    </message>
    <message>
        <source>(several at once: ogg oga opus)</source>
        <extracomment>Third line of the same prompt: several endings go in at once, parted by blanks. The endings are typed as they stand.</extracomment>
        <translation>(varias a la vez: ogg oga opus)</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>Ha seleccionado demasiados archivos para añadir.</translation>
    </message>
    <message>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <extracomment>&quot;Add All&quot; names the button &quot;Add All OGG File(s) In Folder&quot;.</extracomment>
        <translation>Pruebe a añadirlos con el botón «Añadir OGG de una carpeta».</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>¿Quiere que el programa abra la carpeta donde están guardados estos archivos de ejemplo (para que pueda verlos antes de trabajar con ellos)?</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <extracomment>Title of the file dialog of &quot;Add OGG File(s)&quot;.</extracomment>
        <translation>Añadir archivos - Mantenga pulsada Ctrl para seleccionar varios archivos</translation>
    </message>
    <message>
        <source>Ogg audio</source>
        <extracomment>The name of the file dialog&apos;s filter that shows Ogg Vorbis and Opus files.</extracomment>
        <translation>Audio Ogg</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>no se encontró</translation>
    </message>
    <message>
        <source>could not be read (%1)</source>
        <translation>no se pudo leer (%1)</translation>
    </message>
    <message>
        <source>could not be read as audio</source>
        <translation>no se pudo leer como audio</translation>
    </message>
    <message>
        <source>its result would have replaced a queued source</source>
        <translation>su resultado habría reemplazado a un archivo de origen en cola</translation>
    </message>
    <message>
        <source>its result would have replaced the result of %1 (same name)</source>
        <translation>su resultado habría reemplazado al de %1 (mismo nombre)</translation>
    </message>
    <message>
        <source>the result was incomplete</source>
        <translation>el resultado quedó incompleto</translation>
    </message>
    <message>
        <source>could not be read to its end (%1)</source>
        <translation>no se pudo leer hasta el final (%1)</translation>
    </message>
    <message>
        <source>the result&apos;s length did not match the source</source>
        <translation>la duración del resultado no coincidía con la del archivo de origen</translation>
    </message>
    <message>
        <source>the source is damaged (%1)</source>
        <translation>el archivo de origen está dañado (%1)</translation>
    </message>
    <message>
        <source>the source&apos;s length could not be read, so its result could not be checked</source>
        <translation>no se pudo leer la duración del archivo de origen, así que no se pudo comprobar su resultado</translation>
    </message>
    <message>
        <source>the result did not hold the chosen sample format</source>
        <translation>el resultado no tenía el formato de muestra elegido</translation>
    </message>
    <message>
        <source>could not be written (%1)</source>
        <translation>no se pudo escribir (%1)</translation>
    </message>
    <message>
        <source>the converter wrote no result</source>
        <translation>el conversor no escribió ningún resultado</translation>
    </message>
    <message>
        <source>the converter stopped before it finished</source>
        <translation>el conversor se detuvo antes de terminar</translation>
    </message>
    <message>
        <source>the converter could not be started</source>
        <translation>no se pudo iniciar el conversor</translation>
    </message>
    <message>
        <source>no result path could be made for it</source>
        <translation>no se pudo crear una ruta para su resultado</translation>
    </message>
    <message>
        <source>an older file of its result&apos;s name could not be moved to the trash (%1)</source>
        <translation>no se pudo mover a la papelera un archivo anterior con el nombre de su resultado (%1)</translation>
    </message>
    <message>
        <source>the converter refused to replace a file of its result&apos;s name</source>
        <translation>el conversor se negó a reemplazar un archivo con el nombre de su resultado</translation>
    </message>
    <message>
        <source>the source ends early (incomplete file); its result holds what it had</source>
        <translation>el archivo de origen termina antes de tiempo (archivo incompleto); su resultado contiene lo que tenía</translation>
    </message>
    <message>
        <source>the converter reported: %1</source>
        <translation>el conversor informó: %1</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>moved to the trash to make way for the results (&quot;Restore&quot; in the file manager puts them back)</source>
        <translation>movidos a la papelera para dejar sitio a los resultados («Restaurar» en el gestor de archivos los devuelve a su sitio)</translation>
    </message>
    <message>
        <source>%1, now %2</source>
        <extracomment>A file moved to the trash: its old name, then its name in the trash.</extracomment>
        <translation>%1, ahora %2</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The run&apos;s last word, on the progress bar and atop the closing message.</extracomment>
        <translation>Completado.</translation>
    </message>
    <message>
        <source>1 file could not be converted.</source>
        <translation>No se pudo convertir 1 archivo.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Under a heading, after the first ten files it lists.</extracomment>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted.</source>
        <translation>
            <numerusform>No se pudo convertir %n archivo.</numerusform>
            <numerusform>No se pudieron convertir %n archivos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SourceLook</name>
    <message>
        <source>its headers are damaged</source>
        <translation>sus cabeceras están dañadas</translation>
    </message>
    <message>
        <source>its audio breaks off at %1 of %2</source>
        <extracomment>In &quot;The source is damaged (...)&quot;: where its sound stops, of how long it is.</extracomment>
        <translation>su audio se interrumpe en %1 de %2</translation>
    </message>
    <message>
        <source>its audio breaks off at %1</source>
        <translation>su audio se interrumpe en %1</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style, given last.</extracomment>
        <translation>falta un valor después de &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>an empty name is no file or folder</source>
        <translation>un nombre vacío no es un archivo ni una carpeta</translation>
    </message>
    <message>
        <source>%1 is for --convert only</source>
        <extracomment>%1 is an option of the batch mode, such as --format.</extracomment>
        <translation>%1 solo sirve con --convert</translation>
    </message>
    <message>
        <source>%1 is for the window only</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style.</extracomment>
        <translation>%1 solo sirve para la ventana</translation>
    </message>
    <message>
        <source>no output format &apos;%1&apos;; choose one of %2</source>
        <extracomment>%1 is the value given; %2 lists the formats: 0 &quot;8-bit PCM&quot;, 1 &quot;16-bit PCM&quot; ...</extracomment>
        <translation>no existe el formato de salida &apos;%1&apos;; elija uno de estos: %2</translation>
    </message>
    <message>
        <source>--output-folder and --beside-source exclude each other</source>
        <translation>--output-folder y --beside-source se excluyen mutuamente</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos; does not exist</source>
        <translation>la carpeta de salida &apos;%1&apos; no existe</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no file extension</source>
        <translation>&apos;%1&apos; no es una extensión de archivo</translation>
    </message>
    <message>
        <source>--jobs needs a whole number from 1 to %1, not &apos;%2&apos;</source>
        <extracomment>%1 is the most conversions at once; %2 is the value given.</extracomment>
        <translation>--jobs necesita un número entero de 1 a %1, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; cannot be written: no such folder, or a folder</source>
        <translation>no se puede escribir el informe &apos;%1&apos;: la carpeta no existe, o es una carpeta</translation>
    </message>
    <message>
        <source>no files or folders to convert</source>
        <translation>no hay archivos ni carpetas que convertir</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>start Lorvane as %1</source>
        <extracomment>A terminal line of lorvane-window started by itself with the batch mode&apos;s options; %1 is the command to start instead.</extracomment>
        <translation>inicie Lorvane con %1</translation>
    </message>
    <message>
        <source>the open Lorvane window did not take the files</source>
        <extracomment>A terminal line: a second start handed its files to the window already open, and that window did not answer.</extracomment>
        <translation>la ventana abierta de Lorvane no aceptó los archivos</translation>
    </message>
</context>
<context>
    <name>WindowStart</name>
    <message>
        <source>Qt&apos;s platform &apos;%1&apos; could not be started</source>
        <extracomment>Why the window cannot open: %1 is what -platform or QT_QPA_PLATFORM asked for.</extracomment>
        <translation>no se pudo iniciar la plataforma &apos;%1&apos; de Qt</translation>
    </message>
    <message>
        <source>no display found</source>
        <extracomment>Why the window cannot open: neither DISPLAY nor WAYLAND_DISPLAY names one.</extracomment>
        <translation>no se encontró ninguna pantalla</translation>
    </message>
    <message>
        <source>the display %1 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the display&apos;s name, as &quot;:0&quot; or &quot;wayland-0&quot;.</extracomment>
        <translation>no se pudo abrir la pantalla %1</translation>
    </message>
    <message>
        <source>the displays %1 and %2 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the X11 display&apos;s name, %2 the Wayland one&apos;s.</extracomment>
        <translation>no se pudieron abrir las pantallas %1 y %2</translation>
    </message>
    <message>
        <source>needs a graphical session (%1); use `%2` to convert without a window</source>
        <extracomment>A terminal line. %1 is why the window cannot open; %2 the command that converts without a window, which stays as it is.</extracomment>
        <translation>se necesita una sesión gráfica (%1); use `%2` para convertir sin ventana</translation>
    </message>
</context>
</TS>
