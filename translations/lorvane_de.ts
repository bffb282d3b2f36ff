<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppError</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Unzulässiger Eigenschaftswert</translation>
    </message>
</context>
<context>
    <name>BatchInputs</name>
    <message>
        <source>%1 is a file, not a folder: leave out the trailing &apos;/&apos;</source>
        <translation>%1 ist eine Datei, kein Ordner: bitte das abschließende &apos;/&apos; weglassen</translation>
    </message>
    <message>
        <source>%1: no such file or folder</source>
        <translation>%1: Datei oder Ordner nicht gefunden</translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2)</source>
        <extracomment>%1 is a file or folder given; %2 is the system&apos;s reason.</extracomment>
        <translation>auf %1 kann nicht zugegriffen werden (%2)</translation>
    </message>
    <message>
        <source>the output folder %1 takes no new files (%2)</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>im Ausgabeordner %1 können keine neuen Dateien angelegt werden (%2)</translation>
    </message>
    <message>
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running 1 conversion at once</source>
        <extracomment>%1 is the variable&apos;s value; %2 is the most conversions at once; %n is how many run.</extracomment>
        <translation>Warnung: LORVANE_JOBS=&apos;%1&apos; ist keine ganze Zahl von 1 bis %2; es läuft 1 Konvertierung gleichzeitig</translation>
    </message>
    <message numerus="yes">
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running %n conversions at once</source>
        <translation>
            <numerusform>Warnung: LORVANE_JOBS=&apos;%1&apos; ist keine ganze Zahl von 1 bis %2; es läuft %n Konvertierung gleichzeitig</numerusform>
            <numerusform>Warnung: LORVANE_JOBS=&apos;%1&apos; ist keine ganze Zahl von 1 bis %2; es laufen %n Konvertierungen gleichzeitig</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchMode</name>
    <message>
        <source>stopping after the files in hand; Ctrl+C again to stop now</source>
        <translation>wird nach den laufenden Dateien beendet; erneut Ctrl+C beendet sofort</translation>
    </message>
    <message>
        <source>stopping after the files in hand (%1); %1 again stops now</source>
        <extracomment>%1 is the signal&apos;s name, such as SIGTERM.</extracomment>
        <translation>wird nach den laufenden Dateien beendet (%1); erneut %1 beendet sofort</translation>
    </message>
    <message>
        <source>no files in %1 or its subfolders</source>
        <extracomment>%1 names the folders (%n of them) that held no file at all.</extracomment>
        <translation>keine Dateien in %1 oder dessen Unterordnern</translation>
    </message>
    <message numerus="yes">
        <source>no files in %1 or their subfolders</source>
        <translation>
            <numerusform>keine Dateien in %1 oder dessen Unterordnern</numerusform>
            <numerusform>keine Dateien in %1 oder deren Unterordnern</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The endings a folder was searched for: %1 lists all but the last (&quot;.ogg, .oga&quot;), %2 is the last (&quot;.opus&quot;).</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>no %1 files in %2 or its subfolders; --extension chooses other endings (--extension=&apos;*&apos; takes every file)</source>
        <extracomment>%1 is the endings searched for (&quot;.ogg, .oga or .opus&quot;), %2 names the folders (%n of them). Keep the options as they are.</extracomment>
        <translation>keine Dateien mit der Endung %1 in %2 oder dessen Unterordnern; --extension wählt andere Endungen (--extension=&apos;*&apos; nimmt jede Datei)</translation>
    </message>
    <message numerus="yes">
        <source>no %1 files in %2 or their subfolders; --extension chooses other endings (--extension=&apos;*&apos; takes every file)</source>
        <translation>
            <numerusform>keine Dateien mit der Endung %1 in %2 oder dessen Unterordnern; --extension wählt andere Endungen (--extension=&apos;*&apos; nimmt jede Datei)</numerusform>
            <numerusform>keine Dateien mit der Endung %1 in %2 oder deren Unterordnern; --extension wählt andere Endungen (--extension=&apos;*&apos; nimmt jede Datei)</numerusform>
        </translation>
    </message>
    <message>
        <source>Application Error: %1</source>
        <extracomment>A line of a failure report, as the window&apos;s &quot;Application Error&quot; box would show it.</extracomment>
        <translation>Anwendungsfehler: %1</translation>
    </message>
    <message>
        <source>the window&apos;s settings (%1) choose no output format; give one with --format</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>in den Einstellungen des Fensters (%1) ist kein Ausgabeformat gewählt; bitte mit --format angeben</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos;, the window&apos;s choice (stored in %2), does not exist; give one with --output-folder</source>
        <extracomment>%1 is the folder, %2 the settings file.</extracomment>
        <translation>der im Fenster gewählte Ausgabeordner &apos;%1&apos; (gespeichert in %2) existiert nicht; bitte mit --output-folder angeben</translation>
    </message>
    <message>
        <source>the default output folder &apos;%1&apos; does not exist; give one with --output-folder</source>
        <translation>der Standard-Ausgabeordner &apos;%1&apos; existiert nicht; bitte mit --output-folder angeben</translation>
    </message>
    <message>
        <source>%1, the default</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, which nobody chose.</extracomment>
        <translation>%1, Standard</translation>
    </message>
    <message>
        <source>%1, the window&apos;s choice</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, as chosen in the window.</extracomment>
        <translation>%1, im Fenster gewählt</translation>
    </message>
    <message>
        <source>results beside their sources</source>
        <translation>Ergebnisse neben den Quelldateien</translation>
    </message>
    <message>
        <source>results in %1</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the output folder.</extracomment>
        <translation>Ergebnisse in %1</translation>
    </message>
    <message>
        <source>%1, source trees kept</source>
        <extracomment>In the batch mode&apos;s last line: %1 says where the results went; --keep-tree was given.</extracomment>
        <translation>%1, Ordnerstruktur beibehalten</translation>
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
        <translation>%1 von 1 Datei konvertiert, %2 bereits aktuell, %3 nicht konvertiert, in %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted, %2 up to date, %3 not converted, in %4</source>
        <translation>
            <numerusform>%1 von %n Datei konvertiert, %2 bereits aktuell, %3 nicht konvertiert, in %4</numerusform>
            <numerusform>%1 von %n Dateien konvertiert, %2 bereits aktuell, %3 nicht konvertiert, in %4</numerusform>
        </translation>
    </message>
    <message>
        <source>the report %1 was not written: %2</source>
        <extracomment>%1 is the report file, %2 the system&apos;s reason.</extracomment>
        <translation>der Bericht %1 wurde nicht geschrieben: %2</translation>
    </message>
    <message>
        <source>note: %1: %2</source>
        <extracomment>Something about a converted file worth knowing: %1 is the source, %2 what.</extracomment>
        <translation>Hinweis: %1: %2</translation>
    </message>
    <message>
        <source>nothing to convert: %1</source>
        <extracomment>%1 says what the folders given held none of.</extracomment>
        <translation>nichts zu konvertieren: %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <extracomment>%1 says what a folder given held none of.</extracomment>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>not started: the run was stopped</source>
        <translation>nicht gestartet: der Vorgang wurde abgebrochen</translation>
    </message>
    <message>
        <source>not started: the run was refused</source>
        <translation>nicht gestartet: der Vorgang wurde abgelehnt</translation>
    </message>
    <message>
        <source>moved to the trash to make way for its result: %1</source>
        <extracomment>%1 is the file that was in the way, and where in the trash it went.</extracomment>
        <translation>in den Papierkorb verschoben, um Platz für das Ergebnis zu machen: %1</translation>
    </message>
    <message>
        <source>not converted: %1: %2</source>
        <extracomment>%1 is the source, %2 the reason.</extracomment>
        <translation>nicht konvertiert: %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>; stopped by %1 before %n more started</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT; %n files were still to start.</extracomment>
        <translation>
            <numerusform>; durch %1 abgebrochen, %n weitere Datei nicht gestartet</numerusform>
            <numerusform>; durch %1 abgebrochen, %n weitere Dateien nicht gestartet</numerusform>
        </translation>
    </message>
    <message>
        <source>; stopped by %1</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT.</extracomment>
        <translation>; durch %1 abgebrochen</translation>
    </message>
</context>
<context>
    <name>BatchPlan</name>
    <message>
        <source>its result would be outside the output folder</source>
        <extracomment>Why a file found in a folder was not converted with --keep-tree: its subfolder would lead out of the output folder.</extracomment>
        <translation>das Ergebnis läge außerhalb des Ausgabeordners</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>--:-- left</source>
        <extracomment>In the progress line, before the time left can be estimated; &quot;--:--&quot; stands for the minutes and seconds.</extracomment>
        <translation>noch --:--</translation>
    </message>
    <message>
        <source>[%1/%2] Processing: %3</source>
        <extracomment>A line for each file as it starts, when standard error is no terminal: %1 is the file&apos;s place in the run, %2 the files of the run, %3 the file&apos;s name.</extracomment>
        <translation>[%1/%2] Verarbeitung: %3</translation>
    </message>
    <message>
        <source>%1x real time, %2 left</source>
        <extracomment>In the progress line: %1 is how many seconds of sound are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>%1x Echtzeit, noch %2</translation>
    </message>
    <message>
        <source>%1 files/s, %2 left</source>
        <extracomment>In the progress line, when no file&apos;s length is known: %1 is how many files are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>%1 Dateien/s, noch %2</translation>
    </message>
    <message>
        <source>%1 of 1 file converted</source>
        <extracomment>The start of the progress line: %1 of the run&apos;s %n files are converted so far.</extracomment>
        <translation>%1 von 1 Datei konvertiert</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted</source>
        <translation>
            <numerusform>%1 von %n Datei konvertiert</numerusform>
            <numerusform>%1 von %n Dateien konvertiert</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 up to date</source>
        <extracomment>Added to the progress line: %1 files were left as they were (--update).</extracomment>
        <translation>, %1 bereits aktuell</translation>
    </message>
    <message>
        <source>, %1 not converted</source>
        <extracomment>Added to the progress line: %1 files were not converted.</extracomment>
        <translation>, %1 nicht konvertiert</translation>
    </message>
    <message>
        <source>stopping</source>
        <extracomment>In the progress line, once a stop was asked for, in place of the time left.</extracomment>
        <translation>wird beendet</translation>
    </message>
    <message>
        <source>, %1 elapsed, %2</source>
        <extracomment>Added to the progress line: %1 is the time since the start (minutes:seconds), %2 the pace and the time left, or &quot;stopping&quot;.</extracomment>
        <translation>, %1 vergangen, %2</translation>
    </message>
    <message numerus="yes">
        <source>; Processing: %1 and %n more</source>
        <extracomment>The end of the progress line: %1 is the name of a file being converted, %n how many more are.</extracomment>
        <translation>
            <numerusform>; Verarbeitung: %1 und %n weitere</numerusform>
            <numerusform>; Verarbeitung: %1 und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>; Processing: %1</source>
        <extracomment>The end of the progress line: %1 is the name of the file being converted.</extracomment>
        <translation>; Verarbeitung: %1</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>No files added.</source>
        <translation>Keine Dateien hinzugefügt.</translation>
    </message>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>Der Ordner existiert nicht. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>No output format is chosen. Please select an output format.</source>
        <translation>Es ist kein Ausgabeformat gewählt. Bitte wählen Sie ein Ausgabeformat.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Please wait.. </source>
        <translation>Bitte warten.. </translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <extracomment>On the progress bar while a file converts; %1 is its name.</extracomment>
        <translation>Verarbeitung: %1</translation>
    </message>
</context>
<context>
    <name>ConverterTool</name>
    <message>
        <source>Install FFmpeg with &quot;sudo apt install ffmpeg&quot;, or name the FFmpeg program to use in the environment variable LORVANE_FFMPEG.</source>
        <translation>Installieren Sie FFmpeg mit „sudo apt install ffmpeg“ oder geben Sie das zu verwendende FFmpeg-Programm in der Umgebungsvariable LORVANE_FFMPEG an.</translation>
    </message>
    <message>
        <source>The program %1 cannot do the conversion: it lacks %2.

</source>
        <translation>Das Programm %1 kann die Konvertierung nicht durchführen, da Folgendes fehlt: %2.

</translation>
    </message>
    <message>
        <source>the encoder %1</source>
        <extracomment>Part of &quot;it lacks %2&quot;: an FFmpeg encoder&apos;s name, such as pcm_s16le.</extracomment>
        <translation>der Encoder %1</translation>
    </message>
    <message>
        <source>the Vorbis decoder</source>
        <translation>der Vorbis-Decoder</translation>
    </message>
    <message>
        <source>the WAV writer</source>
        <translation>die WAV-Ausgabe</translation>
    </message>
    <message>
        <source>FFmpeg, which does the conversion, was not found.

</source>
        <translation>FFmpeg, das die Konvertierung durchführt, wurde nicht gefunden.

</translation>
    </message>
    <message>
        <source>The converter %1 named in LORVANE_FFMPEG was not found.

</source>
        <translation>Der in LORVANE_FFMPEG angegebene Konverter %1 wurde nicht gefunden.

</translation>
    </message>
    <message>
        <source>The converter %1 was not found.

</source>
        <translation>Der Konverter %1 wurde nicht gefunden.

</translation>
    </message>
    <message>
        <source>The converter %1 is not an executable program.

</source>
        <translation>Der Konverter %1 ist kein ausführbares Programm.

</translation>
    </message>
    <message>
        <source>The converter %1 did not answer as FFmpeg does.

</source>
        <translation>Der Konverter %1 hat nicht wie FFmpeg geantwortet.

</translation>
    </message>
    <message>
        <source>The converter %1 is %2, not FFmpeg itself.

</source>
        <translation>Der Konverter %1 ist %2, nicht FFmpeg selbst.

</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show</source>
        <extracomment>The button on the desktop&apos;s notification that brings the window forward.</extracomment>
        <translation>Anzeigen</translation>
    </message>
</context>
<context>
    <name>DesktopRun</name>
    <message>
        <source>Converting files</source>
        <extracomment>Why the machine is kept awake, as the desktop shows it to one about to suspend or log out.</extracomment>
        <translation>Dateien werden konvertiert</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <extracomment>The heading of the desktop notification at the end of a run.</extracomment>
        <translation>Konvertierung abgeschlossen</translation>
    </message>
    <message>
        <source>1 file converted.</source>
        <extracomment>The desktop notification&apos;s text after a run that converted every file.</extracomment>
        <translation>1 Datei konvertiert.</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted.</source>
        <translation>
            <numerusform>%n Datei konvertiert.</numerusform>
            <numerusform>%n Dateien konvertiert.</numerusform>
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
        <translation>1 Datei konvertiert</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n Datei konvertiert</numerusform>
            <numerusform>%n Dateien konvertiert</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file not converted</source>
        <extracomment>The second half of &quot;N files converted, N files not converted.&quot;</extracomment>
        <translation>1 Datei nicht konvertiert</translation>
    </message>
    <message numerus="yes">
        <source>%n files not converted</source>
        <translation>
            <numerusform>%n Datei nicht konvertiert</numerusform>
            <numerusform>%n Dateien nicht konvertiert</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please send a screenshot of this message to whoever provided this program.</source>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung an den Anbieter dieses Programms.</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The last line of an error report; %1 is the e-mail address of the program&apos;s support.</extracomment>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an %1</translation>
    </message>
    <message>
        <source>%1 at line %2</source>
        <extracomment>The second line of an error report: where the failure happened. %1 is the place, in words of the program&apos;s own that stay as they are (&quot;in Tessaly2021/08/31.Form1.Form_Load&quot;), %2 the number of the step that failed.</extracomment>
        <translation>%1 in Zeile %2</translation>
    </message>
    <message>
        <source>Application Error</source>
        <extracomment>Title of the box that reports a failure of the window.</extracomment>
        <translation>Anwendungsfehler</translation>
    </message>
</context>
<context>
    <name>FormatTable</name>
    <message>
        <source>8-bit integer, unsigned</source>
        <translation>8-Bit-Integer ohne Vorzeichen</translation>
    </message>
    <message>
        <source>16-bit integer, signed</source>
        <translation>16-Bit-Integer mit Vorzeichen</translation>
    </message>
    <message>
        <source>8-bit µ-law, companded</source>
        <translation>8-Bit-µ-law, kompandiert</translation>
    </message>
    <message>
        <source>24-bit integer, signed</source>
        <translation>24-Bit-Integer mit Vorzeichen</translation>
    </message>
    <message>
        <source>32-bit floating point</source>
        <translation>32-Bit-Gleitkomma</translation>
    </message>
    <message>
        <source>64-bit floating point</source>
        <translation>64-Bit-Gleitkomma</translation>
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
        <translation>Aufruf: lorvane [FILE|FOLDER]...
  oder: lorvane --convert [OPTION]... FILE|FOLDER...
Konvertiert Ogg-Vorbis- und Opus-Dateien mit FFmpeg in WAV-Dateien.

Ohne --convert öffnet Lorvane sein Fenster und nimmt die angegebenen Dateien
sowie alle Dateien jedes Ordners und seiner Unterordner in die Liste auf. Ist
bereits ein Lorvane-Fenster von Ihnen geöffnet, kommen die Dateien und Ordner
stattdessen dort in die Liste. Das Fenster versteht die Standardoptionen von
Qt (-style Fusion, -platform offscreen, -reverse, -stylesheet FILE,
-display DISPLAY ...) und braucht eine grafische Sitzung.

Mit --convert konvertiert Lorvane ohne Fenster und beendet sich dann. Aus jeder
Datei wird eine .wav-Datei gleichen Namens. Format und Speicherort, die hier
nicht angegeben sind, stammen aus dem Fenster (aus seinen Einstellungen, die
der Stapelmodus nie ändert); die Zusammenfassung nennt jeweils die Herkunft.

      --convert              ohne Fenster konvertieren
      --format=LABEL|INDEX   das WAV-Format, nach Bezeichnung oder Index:
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
        <translation>      --output-folder=DIR    die Ergebnisse in DIR speichern (muss existieren)
      --beside-source        jedes Ergebnis im Ordner seiner Quelle speichern
      --extension=EXT[,EXT]  aus den angegebenen Ordnern die Dateien mit der
                             Endung .EXT nehmen (Standard: ogg,oga,opus;
                             * für alle Dateien)
      --jobs=N               bis zu N Konvertierungen gleichzeitig (1 bis %1)
      --keep-tree            die Ordnerstruktur unter dem Ausgabeordner
                             beibehalten: FOLDER/a/b.ogg wird OUTPUT/a/b.wav
      --update               ein Ergebnis unverändert lassen, das dieses
                             Programm aus derselben Quelle erstellt hat und das
                             neuer als diese und vollständig ist
      --report=FILE          je Datei eine JSON-Zeile in FILE schreiben:
                             Quelle, Ergebnis, Status, Grund und wo eine
                             gleichnamige Datei im Papierkorb gelandet ist
      --quiet                nur Nicht-Konvertiertes und die Zusammenfassung
                             anzeigen
  -h, --help                 diese Hilfe anzeigen und beenden
      --version              Versionsinformation anzeigen und beenden

Solange im Fenster kein Format gewählt ist, gilt 16-bit PCM, und solange kein
Ordner gewählt ist, landen die Ergebnisse im Schreibtischordner (oder im
persönlichen Ordner, wenn es keinen gibt).

Der Fortschritt erscheint in der Standardfehlerausgabe. Rückgabewert von
--convert: 0, wenn jede Datei konvertiert wurde oder bereits aktuell war, 1,
wenn einige nicht konvertiert wurden (jede wird mit Grund genannt), 2 bei
einem Aufruffehler oder einer Eingabe, einem Ausgabeordner oder gespeicherten
Ordner, die nicht verwendbar sind (dann wird nichts konvertiert), 128+N bei
Abbruch durch Signal N.

Beispiel: lorvane --convert --format &quot;16-bit PCM&quot; --output-folder ~/wav ~/Music
</translation>
    </message>
    <message>
        <source>Try &apos;lorvane --help&apos; for more information.</source>
        <translation>&apos;lorvane --help&apos; liefert weitere Informationen.</translation>
    </message>
</context>
<context>
    <name>LoopPoints</name>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>%1 without LOOPSTART</source>
        <translation>%1 ohne LOOPSTART</translation>
    </message>
    <message>
        <source>LOOPSTART without LOOPLENGTH or LOOPEND</source>
        <translation>LOOPSTART ohne LOOPLENGTH oder LOOPEND</translation>
    </message>
    <message>
        <source>%1 is negative</source>
        <translation>%1 ist negativ</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>LOOPLENGTH is 0</source>
        <translation>LOOPLENGTH ist 0</translation>
    </message>
    <message>
        <source>LOOPEND is not after LOOPSTART</source>
        <translation>LOOPEND liegt nicht nach LOOPSTART</translation>
    </message>
    <message>
        <source>LOOPLENGTH and LOOPEND disagree</source>
        <translation>LOOPLENGTH und LOOPEND widersprechen sich</translation>
    </message>
    <message>
        <source>the loop runs past the end</source>
        <translation>die Schleife reicht über das Ende hinaus</translation>
    </message>
    <message>
        <source>the result is no whole WAV file</source>
        <translation>das Ergebnis ist keine vollständige WAV-Datei</translation>
    </message>
    <message>
        <source>the loop does not survive the change of rate</source>
        <translation>die Schleife übersteht die Änderung der Abtastrate nicht</translation>
    </message>
    <message>
        <source>the loop runs past the end of the result</source>
        <translation>die Schleife reicht über das Ende des Ergebnisses hinaus</translation>
    </message>
    <message>
        <source>the loop lies beyond what a WAV sampler chunk can point at</source>
        <translation>die Schleife liegt außerhalb dessen, worauf ein WAV-Sampler-Chunk zeigen kann</translation>
    </message>
    <message>
        <source>the result has no room for the sizes past 4 GiB</source>
        <translation>das Ergebnis hat keinen Platz für Größenangaben über 4 GiB</translation>
    </message>
    <message>
        <source>its loop tags were ignored: %1</source>
        <translation>die Schleifen-Tags wurden ignoriert: %1</translation>
    </message>
    <message>
        <source>its loop points were left out: %1</source>
        <translation>die Schleifenpunkte wurden weggelassen: %1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>the window program could not be found</source>
        <translation>das Fensterprogramm wurde nicht gefunden</translation>
    </message>
    <message>
        <source>the window program %1 could not be started: %2</source>
        <extracomment>%1 is the window program&apos;s file, %2 the system&apos;s reason.</extracomment>
        <translation>das Fensterprogramm %1 konnte nicht gestartet werden: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <extracomment>The file list&apos;s tooltip; &quot;| line&quot; is the edge of the list&apos;s one column, which the mouse drags to widen it.</extracomment>
        <translation>Dateien hierher ziehen und ablegen. Doppelklick auf einen Eintrag entfernt ihn. Die |-Linie nach rechts aus dem Fenster ziehen, um die vollständigen Namen zu sehen.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <extracomment>What the progress bar at the foot of the window says while no file is converted.</extracomment>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Add OGG File(s)</source>
        <extracomment>Button: opens a file dialog to add Ogg files to the list.</extracomment>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Add All OGG File(s) In Folder</source>
        <extracomment>Button: asks for file endings and a folder, and adds the matching files in that folder and the folders in it.</extracomment>
        <translation>Aus Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Clear List</source>
        <extracomment>Button: empties the file list.</extracomment>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Load Sample/Example Files</source>
        <translation>Beispieldateien laden</translation>
    </message>
    <message>
        <source>Output WAV Format</source>
        <extracomment>Caption of the frame around the drop-down of WAV formats.</extracomment>
        <translation>WAV-Ausgabeformat</translation>
    </message>
    <message>
        <source>Save Option</source>
        <extracomment>Caption of the frame around the choice of where the WAV files are saved.</extracomment>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>Save results to this folder:</source>
        <extracomment>Option; the folder field follows it.</extracomment>
        <translation>In diesem Ordner speichern:</translation>
    </message>
    <message>
        <source>Save results in folder of original file</source>
        <translation>Im Ordner der Quelldatei speichern</translation>
    </message>
    <message>
        <source>OGG File(s)</source>
        <extracomment>Header of the file list&apos;s one column.</extracomment>
        <translation>OGG-Dateien</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <extracomment>What a screen reader calls the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <extracomment>What a screen reader calls the file list.</extracomment>
        <translation>Zu konvertierende Dateien</translation>
    </message>
    <message>
        <source>Output folder</source>
        <extracomment>What a screen reader calls the field of the folder the WAV files are saved in.</extracomment>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Output WAV format</source>
        <extracomment>What a screen reader calls the drop-down of WAV formats.</extracomment>
        <translation>WAV-Ausgabeformat</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <extracomment>Title of the folder dialogs of &quot;Add All OGG File(s) In Folder&quot; and of the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>Bitte wählen Sie einen Ordner:</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <extracomment>The failure shown when the hand pointer file beside the program is no picture.</extracomment>
        <translation>Ungültiges Bild</translation>
    </message>
    <message>
        <source>Enter file extension to load:</source>
        <extracomment>First line of the prompt of &quot;Add All OGG File(s) In Folder&quot;; the field below it takes file endings without their dot.</extracomment>
        <translation>Geben Sie die Dateiendung der zu ladenden Dateien ein:</translation>
    </message>
    <message>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <extracomment>Second line of the same prompt. The endings and the &quot;*&quot; are typed as they stand; only the words around them are translated.</extracomment>
        <translation>(* für alle Dateien, txt für alle txt-Dateien, doc für alle doc-Dateien usw.)</translation>
    </message>
    <message>
        <source>(several at once: ogg oga opus)</source>
        <extracomment>Third line of the same prompt: several endings go in at once, parted by blanks. The endings are typed as they stand.</extracomment>
        <translation>(mehrere auf einmal: ogg oga opus)</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>Sie haben zu viele Dateien zum Hinzufügen ausgewählt.</translation>
    </message>
    <message>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <extracomment>&quot;Add All&quot; names the button &quot;Add All OGG File(s) In Folder&quot;.</extracomment>
        <translation>Bitte fügen Sie sie über die Schaltfläche „Aus Ordner hinzufügen“ hinzu.</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Soll der Ordner mit den Beispieldateien geöffnet werden (damit Sie sie ansehen können, bevor Sie mit ihnen arbeiten)?</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <extracomment>Title of the file dialog of &quot;Add OGG File(s)&quot;.</extracomment>
        <translation>Dateien hinzufügen – Strg gedrückt halten, um mehrere Dateien auszuwählen</translation>
    </message>
    <message>
        <source>Ogg audio</source>
        <extracomment>The name of the file dialog&apos;s filter that shows Ogg Vorbis and Opus files.</extracomment>
        <translation>Ogg-Audio</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>is not a file</source>
        <translation>ist keine Datei</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>wurde nicht gefunden</translation>
    </message>
    <message>
        <source>could not be read (%1)</source>
        <translation>konnte nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>could not be read as audio</source>
        <translation>konnte nicht als Audio gelesen werden</translation>
    </message>
    <message>
        <source>its result would have replaced a queued source</source>
        <translation>das Ergebnis hätte eine Quelldatei in der Liste ersetzt</translation>
    </message>
    <message>
        <source>its result would have replaced the result of %1 (same name)</source>
        <translation>das Ergebnis hätte das Ergebnis von %1 ersetzt (gleicher Name)</translation>
    </message>
    <message>
        <source>the result was incomplete</source>
        <translation>das Ergebnis war unvollständig</translation>
    </message>
    <message>
        <source>could not be read to its end (%1)</source>
        <translation>konnte nicht bis zum Ende gelesen werden (%1)</translation>
    </message>
    <message>
        <source>the result&apos;s length did not match the source</source>
        <translation>die Länge des Ergebnisses stimmte nicht mit der Quelle überein</translation>
    </message>
    <message>
        <source>the source is damaged (%1)</source>
        <translation>die Quelle ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>the source&apos;s length could not be read, so its result could not be checked</source>
        <translation>die Länge der Quelle war nicht lesbar, daher konnte das Ergebnis nicht geprüft werden</translation>
    </message>
    <message>
        <source>the result did not hold the chosen sample format</source>
        <translation>das Ergebnis hatte nicht das gewählte Sampleformat</translation>
    </message>
    <message>
        <source>could not be written (%1)</source>
        <translation>konnte nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>the converter wrote no result</source>
        <translation>der Konverter hat kein Ergebnis geschrieben</translation>
    </message>
    <message>
        <source>the converter stopped before it finished</source>
        <translation>der Konverter hat vor dem Abschluss aufgehört</translation>
    </message>
    <message>
        <source>the converter could not be started</source>
        <translation>der Konverter konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>no result path could be made for it</source>
        <translation>es konnte kein Pfad für das Ergebnis gebildet werden</translation>
    </message>
    <message>
        <source>an older file of its result&apos;s name could not be moved to the trash (%1)</source>
        <translation>eine ältere Datei mit dem Namen des Ergebnisses konnte nicht in den Papierkorb verschoben werden (%1)</translation>
    </message>
    <message>
        <source>the converter refused to replace a file of its result&apos;s name</source>
        <translation>der Konverter hat sich geweigert, eine Datei mit dem Namen des Ergebnisses zu ersetzen</translation>
    </message>
    <message>
        <source>the source ends early (incomplete file); its result holds what it had</source>
        <translation>die Quelle endet vorzeitig (unvollständige Datei); das Ergebnis enthält, was sie enthielt</translation>
    </message>
    <message>
        <source>the converter reported: %1</source>
        <translation>der Konverter meldete: %1</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>moved to the trash to make way for the results (&quot;Restore&quot; in the file manager puts them back)</source>
        <translation>in den Papierkorb verschoben, um Platz für die Ergebnisse zu machen („Wiederherstellen“ im Dateimanager holt sie zurück)</translation>
    </message>
    <message>
        <source>%1, now %2</source>
        <extracomment>A file moved to the trash: its old name, then its name in the trash.</extracomment>
        <translation>%1, jetzt %2</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The run&apos;s last word, on the progress bar and atop the closing message.</extracomment>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>1 file could not be converted.</source>
        <translation>1 Datei konnte nicht konvertiert werden.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Under a heading, after the first ten files it lists.</extracomment>
        <translation>
            <numerusform>und %n weitere</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted.</source>
        <translation>
            <numerusform>%n Datei konnte nicht konvertiert werden.</numerusform>
            <numerusform>%n Dateien konnten nicht konvertiert werden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SourceLook</name>
    <message>
        <source>its headers are damaged</source>
        <translation>ihre Kopfdaten sind beschädigt</translation>
    </message>
    <message>
        <source>its audio breaks off at %1 of %2</source>
        <extracomment>In &quot;The source is damaged (...)&quot;: where its sound stops, of how long it is.</extracomment>
        <translation>der Ton bricht bei %1 von %2 ab</translation>
    </message>
    <message>
        <source>its audio breaks off at %1</source>
        <translation>der Ton bricht bei %1 ab</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style, given last.</extracomment>
        <translation>fehlender Wert nach &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>an empty name is no file or folder</source>
        <translation>ein leerer Name ist weder Datei noch Ordner</translation>
    </message>
    <message>
        <source>%1 is for --convert only</source>
        <extracomment>%1 is an option of the batch mode, such as --format.</extracomment>
        <translation>%1 gilt nur mit --convert</translation>
    </message>
    <message>
        <source>%1 is for the window only</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style.</extracomment>
        <translation>%1 gilt nur für das Fenster</translation>
    </message>
    <message>
        <source>no output format &apos;%1&apos;; choose one of %2</source>
        <extracomment>%1 is the value given; %2 lists the formats: 0 &quot;8-bit PCM&quot;, 1 &quot;16-bit PCM&quot; ...</extracomment>
        <translation>kein Ausgabeformat &apos;%1&apos;; möglich sind %2</translation>
    </message>
    <message>
        <source>--output-folder and --beside-source exclude each other</source>
        <translation>--output-folder und --beside-source schließen sich gegenseitig aus</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos; does not exist</source>
        <translation>der Ausgabeordner &apos;%1&apos; existiert nicht</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no file extension</source>
        <translation>&apos;%1&apos; ist keine Dateiendung</translation>
    </message>
    <message>
        <source>--jobs needs a whole number from 1 to %1, not &apos;%2&apos;</source>
        <extracomment>%1 is the most conversions at once; %2 is the value given.</extracomment>
        <translation>--jobs braucht eine ganze Zahl von 1 bis %1, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; cannot be written: no such folder, or a folder</source>
        <translation>der Bericht &apos;%1&apos; kann nicht geschrieben werden: der Ordner existiert nicht, oder es ist ein Ordner</translation>
    </message>
    <message>
        <source>no files or folders to convert</source>
        <translation>keine Dateien oder Ordner zum Konvertieren</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>start Lorvane as %1</source>
        <extracomment>A terminal line of lorvane-window started by itself with the batch mode&apos;s options; %1 is the command to start instead.</extracomment>
        <translation>bitte Lorvane als %1 starten</translation>
    </message>
    <message>
        <source>the open Lorvane window did not take the files</source>
        <extracomment>A terminal line: a second start handed its files to the window already open, and that window did not answer.</extracomment>
        <translation>das geöffnete Lorvane-Fenster hat die Dateien nicht angenommen</translation>
    </message>
</context>
<context>
    <name>WindowStart</name>
    <message>
        <source>Qt&apos;s platform &apos;%1&apos; could not be started</source>
        <extracomment>Why the window cannot open: %1 is what -platform or QT_QPA_PLATFORM asked for.</extracomment>
        <translation>die Qt-Plattform &apos;%1&apos; konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>no display found</source>
        <extracomment>Why the window cannot open: neither DISPLAY nor WAYLAND_DISPLAY names one.</extracomment>
        <translation>kein Display gefunden</translation>
    </message>
    <message>
        <source>the display %1 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the display&apos;s name, as &quot;:0&quot; or &quot;wayland-0&quot;.</extracomment>
        <translation>das Display %1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the displays %1 and %2 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the X11 display&apos;s name, %2 the Wayland one&apos;s.</extracomment>
        <translation>die Displays %1 und %2 konnten nicht geöffnet werden</translation>
    </message>
    <message>
        <source>needs a graphical session (%1); use `%2` to convert without a window</source>
        <extracomment>A terminal line. %1 is why the window cannot open; %2 the command that converts without a window, which stays as it is.</extracomment>
        <translation>benötigt eine grafische Sitzung (%1); mit `%2` wird ohne Fenster konvertiert</translation>
    </message>
</context>
</TS>
