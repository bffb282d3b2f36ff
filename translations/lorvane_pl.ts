<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AppError</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Nieprawidłowe wywołanie procedury lub argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks poza zakresem</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Niezgodność typów</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Nieprawidłowa wartość właściwości</translation>
    </message>
</context>
<context>
    <name>BatchInputs</name>
    <message>
        <source>%1 is a file, not a folder: leave out the trailing &apos;/&apos;</source>
        <translation>%1 jest plikiem, a nie katalogiem: usuń końcowy &apos;/&apos;</translation>
    </message>
    <message>
        <source>%1: no such file or folder</source>
        <translation>%1: nie ma takiego pliku ani katalogu</translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2)</source>
        <extracomment>%1 is a file or folder given; %2 is the system&apos;s reason.</extracomment>
        <translation>%1 jest niedostępny (%2)</translation>
    </message>
    <message>
        <source>the output folder %1 takes no new files (%2)</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>katalog wyjściowy %1 nie przyjmuje nowych plików (%2)</translation>
    </message>
    <message>
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running 1 conversion at once</source>
        <extracomment>%1 is the variable&apos;s value; %2 is the most conversions at once; %n is how many run.</extracomment>
        <translation>ostrzeżenie: LORVANE_JOBS=&apos;%1&apos; nie jest liczbą całkowitą od 1 do %2; konwersje będą wykonywane pojedynczo</translation>
    </message>
    <message numerus="yes">
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running %n conversions at once</source>
        <translation>
            <numerusform>ostrzeżenie: LORVANE_JOBS=&apos;%1&apos; nie jest liczbą całkowitą od 1 do %2; naraz będzie wykonywana %n konwersja</numerusform>
            <numerusform>ostrzeżenie: LORVANE_JOBS=&apos;%1&apos; nie jest liczbą całkowitą od 1 do %2; naraz będą wykonywane %n konwersje</numerusform>
            <numerusform>ostrzeżenie: LORVANE_JOBS=&apos;%1&apos; nie jest liczbą całkowitą od 1 do %2; naraz będzie wykonywanych %n konwersji</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchMode</name>
    <message>
        <source>stopping after the files in hand; Ctrl+C again to stop now</source>
        <translation>zatrzymywanie po ukończeniu bieżących plików; ponowne Ctrl+C zatrzyma natychmiast</translation>
    </message>
    <message>
        <source>stopping after the files in hand (%1); %1 again stops now</source>
        <extracomment>%1 is the signal&apos;s name, such as SIGTERM.</extracomment>
        <translation>zatrzymywanie po ukończeniu bieżących plików (%1); ponowny %1 zatrzyma natychmiast</translation>
    </message>
    <message>
        <source>no files in %1 or its subfolders</source>
        <extracomment>%1 names the folders (%n of them) that held no file at all.</extracomment>
        <translation>brak plików w %1 i jego podkatalogach</translation>
    </message>
    <message numerus="yes">
        <source>no files in %1 or their subfolders</source>
        <translation>
            <numerusform>brak plików w %1 i jego podkatalogach</numerusform>
            <numerusform>brak plików w %1 i ich podkatalogach</numerusform>
            <numerusform>brak plików w %1 i ich podkatalogach</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The endings a folder was searched for: %1 lists all but the last (&quot;.ogg, .oga&quot;), %2 is the last (&quot;.opus&quot;).</extracomment>
        <translation>%1 lub %2</translation>
    </message>
    <message>
        <source>no %1 files in %2 or its subfolders; --extension chooses other endings (--extension=&apos;*&apos; takes every file)</source>
        <extracomment>%1 is the endings searched for (&quot;.ogg, .oga or .opus&quot;), %2 names the folders (%n of them). Keep the options as they are.</extracomment>
        <translation>brak plików %1 w %2 i jego podkatalogach; --extension wybiera inne rozszerzenia (--extension=&apos;*&apos; obejmuje wszystkie pliki)</translation>
    </message>
    <message numerus="yes">
        <source>no %1 files in %2 or their subfolders; --extension chooses other endings (--extension=&apos;*&apos; takes every file)</source>
        <translation>
            <numerusform>brak plików %1 w %2 i jego podkatalogach; --extension wybiera inne rozszerzenia (--extension=&apos;*&apos; obejmuje wszystkie pliki)</numerusform>
            <numerusform>brak plików %1 w %2 i ich podkatalogach; --extension wybiera inne rozszerzenia (--extension=&apos;*&apos; obejmuje wszystkie pliki)</numerusform>
            <numerusform>brak plików %1 w %2 i ich podkatalogach; --extension wybiera inne rozszerzenia (--extension=&apos;*&apos; obejmuje wszystkie pliki)</numerusform>
        </translation>
    </message>
    <message>
        <source>Application Error: %1</source>
        <extracomment>A line of a failure report, as the window&apos;s &quot;Application Error&quot; box would show it.</extracomment>
        <translation>Błąd aplikacji: %1</translation>
    </message>
    <message>
        <source>the window&apos;s settings (%1) choose no output format; give one with --format</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>ustawienia okna (%1) nie określają formatu wyjściowego; podaj go opcją --format</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos;, the window&apos;s choice (stored in %2), does not exist; give one with --output-folder</source>
        <extracomment>%1 is the folder, %2 the settings file.</extracomment>
        <translation>katalog wyjściowy &apos;%1&apos; wybrany w oknie (zapisany w %2) nie istnieje; podaj inny opcją --output-folder</translation>
    </message>
    <message>
        <source>the default output folder &apos;%1&apos; does not exist; give one with --output-folder</source>
        <translation>domyślny katalog wyjściowy &apos;%1&apos; nie istnieje; podaj inny opcją --output-folder</translation>
    </message>
    <message>
        <source>%1, the default</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, which nobody chose.</extracomment>
        <translation>%1 (domyślnie)</translation>
    </message>
    <message>
        <source>%1, the window&apos;s choice</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, as chosen in the window.</extracomment>
        <translation>%1 (ustawienie z okna)</translation>
    </message>
    <message>
        <source>results beside their sources</source>
        <translation>wyniki obok plików źródłowych</translation>
    </message>
    <message>
        <source>results in %1</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the output folder.</extracomment>
        <translation>wyniki w %1</translation>
    </message>
    <message>
        <source>%1, source trees kept</source>
        <extracomment>In the batch mode&apos;s last line: %1 says where the results went; --keep-tree was given.</extracomment>
        <translation>%1, z zachowaniem struktury katalogów</translation>
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
        <translation>przekonwertowano %1 z 1 pliku, aktualne: %2, nieprzekonwertowane: %3, czas: %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted, %2 up to date, %3 not converted, in %4</source>
        <translation>
            <numerusform>przekonwertowano %1 z %n pliku, aktualne: %2, nieprzekonwertowane: %3, czas: %4</numerusform>
            <numerusform>przekonwertowano %1 z %n plików, aktualne: %2, nieprzekonwertowane: %3, czas: %4</numerusform>
            <numerusform>przekonwertowano %1 z %n plików, aktualne: %2, nieprzekonwertowane: %3, czas: %4</numerusform>
        </translation>
    </message>
    <message>
        <source>the report %1 was not written: %2</source>
        <extracomment>%1 is the report file, %2 the system&apos;s reason.</extracomment>
        <translation>nie zapisano raportu %1: %2</translation>
    </message>
    <message>
        <source>note: %1: %2</source>
        <extracomment>Something about a converted file worth knowing: %1 is the source, %2 what.</extracomment>
        <translation>uwaga: %1: %2</translation>
    </message>
    <message>
        <source>nothing to convert: %1</source>
        <extracomment>%1 says what the folders given held none of.</extracomment>
        <translation>nic do przekonwertowania: %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <extracomment>%1 says what a folder given held none of.</extracomment>
        <translation>uwaga: %1</translation>
    </message>
    <message>
        <source>not started: the run was stopped</source>
        <translation>nie rozpoczęto: konwersję zatrzymano</translation>
    </message>
    <message>
        <source>not started: the run was refused</source>
        <translation>nie rozpoczęto: odmówiono uruchomienia konwersji</translation>
    </message>
    <message>
        <source>moved to the trash to make way for its result: %1</source>
        <extracomment>%1 is the file that was in the way, and where in the trash it went.</extracomment>
        <translation>przeniesiono do kosza, aby zrobić miejsce na wynik: %1</translation>
    </message>
    <message>
        <source>not converted: %1: %2</source>
        <extracomment>%1 is the source, %2 the reason.</extracomment>
        <translation>nie przekonwertowano: %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>; stopped by %1 before %n more started</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT; %n files were still to start.</extracomment>
        <translation>
            <numerusform>; zatrzymano sygnałem %1 przed rozpoczęciem %n kolejnego pliku</numerusform>
            <numerusform>; zatrzymano sygnałem %1 przed rozpoczęciem %n kolejnych plików</numerusform>
            <numerusform>; zatrzymano sygnałem %1 przed rozpoczęciem %n kolejnych plików</numerusform>
        </translation>
    </message>
    <message>
        <source>; stopped by %1</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT.</extracomment>
        <translation>; zatrzymano sygnałem %1</translation>
    </message>
</context>
<context>
    <name>BatchPlan</name>
    <message>
        <source>its result would be outside the output folder</source>
        <extracomment>Why a file found in a folder was not converted with --keep-tree: its subfolder would lead out of the output folder.</extracomment>
        <translation>jego wynik znalazłby się poza katalogiem wyjściowym</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>--:-- left</source>
        <extracomment>In the progress line, before the time left can be estimated; &quot;--:--&quot; stands for the minutes and seconds.</extracomment>
        <translation>pozostało --:--</translation>
    </message>
    <message>
        <source>[%1/%2] Processing: %3</source>
        <extracomment>A line for each file as it starts, when standard error is no terminal: %1 is the file&apos;s place in the run, %2 the files of the run, %3 the file&apos;s name.</extracomment>
        <translation>[%1/%2] Przetwarzanie: %3</translation>
    </message>
    <message>
        <source>%1x real time, %2 left</source>
        <extracomment>In the progress line: %1 is how many seconds of sound are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>%1x czasu rzeczywistego, pozostało %2</translation>
    </message>
    <message>
        <source>%1 files/s, %2 left</source>
        <extracomment>In the progress line, when no file&apos;s length is known: %1 is how many files are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>%1 plików/s, pozostało %2</translation>
    </message>
    <message>
        <source>%1 of 1 file converted</source>
        <extracomment>The start of the progress line: %1 of the run&apos;s %n files are converted so far.</extracomment>
        <translation>przekonwertowano %1 z 1 pliku</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted</source>
        <translation>
            <numerusform>przekonwertowano %1 z %n pliku</numerusform>
            <numerusform>przekonwertowano %1 z %n plików</numerusform>
            <numerusform>przekonwertowano %1 z %n plików</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 up to date</source>
        <extracomment>Added to the progress line: %1 files were left as they were (--update).</extracomment>
        <translation>, aktualne: %1</translation>
    </message>
    <message>
        <source>, %1 not converted</source>
        <extracomment>Added to the progress line: %1 files were not converted.</extracomment>
        <translation>, nieprzekonwertowane: %1</translation>
    </message>
    <message>
        <source>stopping</source>
        <extracomment>In the progress line, once a stop was asked for, in place of the time left.</extracomment>
        <translation>zatrzymywanie</translation>
    </message>
    <message>
        <source>, %1 elapsed, %2</source>
        <extracomment>Added to the progress line: %1 is the time since the start (minutes:seconds), %2 the pace and the time left, or &quot;stopping&quot;.</extracomment>
        <translation>, upłynęło %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>; Processing: %1 and %n more</source>
        <extracomment>The end of the progress line: %1 is the name of a file being converted, %n how many more are.</extracomment>
        <translation>
            <numerusform>; Przetwarzanie: %1 i %n inny</numerusform>
            <numerusform>; Przetwarzanie: %1 i %n inne</numerusform>
            <numerusform>; Przetwarzanie: %1 i %n innych</numerusform>
        </translation>
    </message>
    <message>
        <source>; Processing: %1</source>
        <extracomment>The end of the progress line: %1 is the name of the file being converted.</extracomment>
        <translation>; Przetwarzanie: %1</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>No files added.</source>
        <translation>Nie dodano żadnych plików.</translation>
    </message>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>Katalog nie istnieje. Wybierz inny katalog.</translation>
    </message>
    <message>
        <source>No output format is chosen. Please select an output format.</source>
        <translation>Nie wybrano formatu wyjściowego. Wybierz format wyjściowy.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Pasek postępu</translation>
    </message>
    <message>
        <source>Please wait.. </source>
        <translation>Proszę czekać.. </translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <extracomment>On the progress bar while a file converts; %1 is its name.</extracomment>
        <translation>Przetwarzanie: %1</translation>
    </message>
</context>
<context>
    <name>ConverterTool</name>
    <message>
        <source>Install FFmpeg with &quot;sudo apt install ffmpeg&quot;, or name the FFmpeg program to use in the environment variable LORVANE_FFMPEG.</source>
        <translation>Zainstaluj FFmpeg poleceniem &quot;sudo apt install ffmpeg&quot; albo wskaż program FFmpeg do użycia w zmiennej środowiskowej LORVANE_FFMPEG.</translation>
    </message>
    <message>
        <source>The program %1 cannot do the conversion: it lacks %2.

</source>
        <translation>Program %1 nie może wykonać konwersji: brakuje mu %2.

</translation>
    </message>
    <message>
        <source>the encoder %1</source>
        <extracomment>Part of &quot;it lacks %2&quot;: an FFmpeg encoder&apos;s name, such as pcm_s16le.</extracomment>
        <translation>kodera %1</translation>
    </message>
    <message>
        <source>the Vorbis decoder</source>
        <translation>dekodera Vorbis</translation>
    </message>
    <message>
        <source>the WAV writer</source>
        <translation>modułu zapisu WAV</translation>
    </message>
    <message>
        <source>FFmpeg, which does the conversion, was not found.

</source>
        <translation>Nie znaleziono programu FFmpeg, który wykonuje konwersję.

</translation>
    </message>
    <message>
        <source>The converter %1 named in LORVANE_FFMPEG was not found.

</source>
        <translation>Nie znaleziono konwertera %1 wskazanego w LORVANE_FFMPEG.

</translation>
    </message>
    <message>
        <source>The converter %1 was not found.

</source>
        <translation>Nie znaleziono konwertera %1.

</translation>
    </message>
    <message>
        <source>The converter %1 is not an executable program.

</source>
        <translation>Konwerter %1 nie jest programem wykonywalnym.

</translation>
    </message>
    <message>
        <source>The converter %1 did not answer as FFmpeg does.

</source>
        <translation>Konwerter %1 nie odpowiedział tak, jak odpowiada FFmpeg.

</translation>
    </message>
    <message>
        <source>The converter %1 is %2, not FFmpeg itself.

</source>
        <translation>Konwerter %1 to %2, a nie sam FFmpeg.

</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show</source>
        <extracomment>The button on the desktop&apos;s notification that brings the window forward.</extracomment>
        <translation>Pokaż</translation>
    </message>
</context>
<context>
    <name>DesktopRun</name>
    <message>
        <source>Converting files</source>
        <extracomment>Why the machine is kept awake, as the desktop shows it to one about to suspend or log out.</extracomment>
        <translation>Konwertowanie plików</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <extracomment>The heading of the desktop notification at the end of a run.</extracomment>
        <translation>Konwersja zakończona</translation>
    </message>
    <message>
        <source>1 file converted.</source>
        <extracomment>The desktop notification&apos;s text after a run that converted every file.</extracomment>
        <translation>Przekonwertowano 1 plik.</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted.</source>
        <translation>
            <numerusform>Przekonwertowano %n plik.</numerusform>
            <numerusform>Przekonwertowano %n pliki.</numerusform>
            <numerusform>Przekonwertowano %n plików.</numerusform>
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
        <translation>Przekonwertowano 1 plik</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>Przekonwertowano %n plik</numerusform>
            <numerusform>Przekonwertowano %n pliki</numerusform>
            <numerusform>Przekonwertowano %n plików</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file not converted</source>
        <extracomment>The second half of &quot;N files converted, N files not converted.&quot;</extracomment>
        <translation>nie przekonwertowano 1 pliku</translation>
    </message>
    <message numerus="yes">
        <source>%n files not converted</source>
        <translation>
            <numerusform>nie przekonwertowano %n pliku</numerusform>
            <numerusform>nie przekonwertowano %n plików</numerusform>
            <numerusform>nie przekonwertowano %n plików</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please send a screenshot of this message to whoever provided this program.</source>
        <translation>Wyślij zrzut ekranu z tym komunikatem dostawcy tego programu.</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The last line of an error report; %1 is the e-mail address of the program&apos;s support.</extracomment>
        <translation>Wyślij zrzut ekranu z tym komunikatem e-mailem na adres %1</translation>
    </message>
    <message>
        <source>%1 at line %2</source>
        <extracomment>The second line of an error report: where the failure happened. %1 is the place, in words of the program&apos;s own that stay as they are (&quot;in Tessaly2021/08/31.Form1.Form_Load&quot;), %2 the number of the step that failed.</extracomment>
        <translation>%1 w wierszu %2</translation>
    </message>
    <message>
        <source>Application Error</source>
        <extracomment>Title of the box that reports a failure of the window.</extracomment>
        <translation>Błąd aplikacji</translation>
    </message>
</context>
<context>
    <name>FormatTable</name>
    <message>
        <source>8-bit integer, unsigned</source>
        <translation>8-bit, całkowite bez znaku</translation>
    </message>
    <message>
        <source>16-bit integer, signed</source>
        <translation>16-bit, całkowite ze znakiem</translation>
    </message>
    <message>
        <source>8-bit µ-law, companded</source>
        <translation>8-bit µ-law, kompandowane</translation>
    </message>
    <message>
        <source>24-bit integer, signed</source>
        <translation>24-bit, całkowite ze znakiem</translation>
    </message>
    <message>
        <source>32-bit floating point</source>
        <translation>32-bit, zmiennoprzecinkowe</translation>
    </message>
    <message>
        <source>64-bit floating point</source>
        <translation>64-bit, zmiennoprzecinkowe</translation>
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
        <translation>Użycie: lorvane [PLIK|KATALOG]...
  lub: lorvane --convert [OPCJA]... PLIK|KATALOG...
Konwertuje pliki Ogg Vorbis i Opus na pliki WAV za pomocą FFmpeg.

Bez --convert Lorvane otwiera swoje okno i dodaje do kolejki podane pliki oraz
wszystkie pliki z każdego katalogu i jego podkatalogów. Jeśli masz już otwarte
okno Lorvane, pliki i katalogi trafiają do jego kolejki. Okno przyjmuje
standardowe opcje Qt (-style Fusion, -platform offscreen, -reverse,
-stylesheet PLIK, -display DISPLAY ...) i wymaga sesji graficznej.

Z --convert Lorvane konwertuje bez okna, a potem kończy działanie. Każdy plik
staje się plikiem .wav o tej samej nazwie. Format i miejsce, których tu nie
podano, są takie, jak wybrano w oknie (w jego ustawieniach, których tryb
wsadowy nigdy nie zmienia); podsumowanie podaje, skąd pochodzi każde z nich.

      --convert              konwertuje bez okna
      --format=NAZWA|INDEKS  format WAV, według nazwy lub indeksu:
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
        <translation>      --output-folder=DIR    zapisuje wyniki w katalogu DIR (musi istnieć)
      --beside-source        zapisuje każdy wynik w katalogu jego źródła
      --extension=EXT[,EXT]  pobiera z podanych katalogów pliki kończące się
                             na .EXT (domyślnie: ogg,oga,opus; * – wszystkie)
      --jobs=N               wykonuje do N konwersji naraz (od 1 do %1)
      --keep-tree            odtwarza drzewo katalogów w katalogu wyjściowym:
                             KATALOG/a/b.ogg staje się WYJŚCIE/a/b.wav
      --update               pomija wynik, który ten program utworzył z tego
                             samego źródła, jeśli jest nowszy od niego i pełny
      --report=PLIK          zapisuje do PLIKU po wierszu JSON na każdy plik:
                             źródło, wynik, rezultat, przyczyna oraz miejsce
                             w koszu, gdzie trafił plik o nazwie wyniku
      --quiet                pokazuje tylko nieprzekonwertowane i podsumowanie
  -h, --help                 wyświetla ten tekst pomocy i kończy działanie
      --version              wyświetla informacje o wersji i kończy działanie

Dopóki w oknie nie wybrano formatu, używany jest 16-bit PCM, a dopóki nie
wybrano katalogu, wyniki trafiają do katalogu pulpitu (lub do katalogu
domowego, gdy go nie ma).

Postęp jest wypisywany na standardowe wyjście błędów. Kod wyjścia --convert:
0, gdy każdy plik przekonwertowano lub był aktualny, 1, gdy któregoś nie
przekonwertowano (każdy taki plik jest podany z przyczyną), 2 przy błędzie
użycia albo gdy nie można użyć wejścia, katalogu wyjściowego lub zapisanego
katalogu (nic nie jest wtedy konwertowane), 128+N po zatrzymaniu sygnałem N.

Przykład: lorvane --convert --format &quot;16-bit PCM&quot; --output-folder ~/wav ~/Music
</translation>
    </message>
    <message>
        <source>Try &apos;lorvane --help&apos; for more information.</source>
        <translation>Polecenie &apos;lorvane --help&apos; wyświetli więcej informacji.</translation>
    </message>
</context>
<context>
    <name>LoopPoints</name>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 podano dwukrotnie</translation>
    </message>
    <message>
        <source>%1 without LOOPSTART</source>
        <translation>%1 bez LOOPSTART</translation>
    </message>
    <message>
        <source>LOOPSTART without LOOPLENGTH or LOOPEND</source>
        <translation>LOOPSTART bez LOOPLENGTH ani LOOPEND</translation>
    </message>
    <message>
        <source>%1 is negative</source>
        <translation>%1 ma wartość ujemną</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 nie jest liczbą całkowitą</translation>
    </message>
    <message>
        <source>LOOPLENGTH is 0</source>
        <translation>LOOPLENGTH wynosi 0</translation>
    </message>
    <message>
        <source>LOOPEND is not after LOOPSTART</source>
        <translation>LOOPEND nie wypada po LOOPSTART</translation>
    </message>
    <message>
        <source>LOOPLENGTH and LOOPEND disagree</source>
        <translation>LOOPLENGTH i LOOPEND są niezgodne</translation>
    </message>
    <message>
        <source>the loop runs past the end</source>
        <translation>pętla wykracza poza koniec nagrania</translation>
    </message>
    <message>
        <source>the result is no whole WAV file</source>
        <translation>wynik nie jest kompletnym plikiem WAV</translation>
    </message>
    <message>
        <source>the loop does not survive the change of rate</source>
        <translation>pętla nie przetrwa zmiany częstotliwości próbkowania</translation>
    </message>
    <message>
        <source>the loop runs past the end of the result</source>
        <translation>pętla wykracza poza koniec wyniku</translation>
    </message>
    <message>
        <source>the loop lies beyond what a WAV sampler chunk can point at</source>
        <translation>pętla leży poza zasięgiem bloku smpl pliku WAV</translation>
    </message>
    <message>
        <source>the result has no room for the sizes past 4 GiB</source>
        <translation>w wyniku brak miejsca na rozmiary powyżej 4 GiB</translation>
    </message>
    <message>
        <source>its loop tags were ignored: %1</source>
        <translation>zignorowano jego znaczniki pętli: %1</translation>
    </message>
    <message>
        <source>its loop points were left out: %1</source>
        <translation>pominięto jego punkty pętli: %1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>the window program could not be found</source>
        <translation>nie znaleziono programu okienkowego</translation>
    </message>
    <message>
        <source>the window program %1 could not be started: %2</source>
        <extracomment>%1 is the window program&apos;s file, %2 the system&apos;s reason.</extracomment>
        <translation>nie można uruchomić programu okienkowego %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <extracomment>The file list&apos;s tooltip; &quot;| line&quot; is the edge of the list&apos;s one column, which the mouse drags to widen it.</extracomment>
        <translation>Przeciągnij i upuść tutaj pliki. Kliknij dwukrotnie element, aby go usunąć. Przesuń linię | w prawo, poza okno, aby zobaczyć pełne nazwy.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <extracomment>What the progress bar at the foot of the window says while no file is converted.</extracomment>
        <translation>Pasek postępu</translation>
    </message>
    <message>
        <source>Add OGG File(s)</source>
        <extracomment>Button: opens a file dialog to add Ogg files to the list.</extracomment>
        <translation>Dodaj pliki OGG</translation>
    </message>
    <message>
        <source>Add All OGG File(s) In Folder</source>
        <extracomment>Button: asks for file endings and a folder, and adds the matching files in that folder and the folders in it.</extracomment>
        <translation>Dodaj wszystkie OGG z katalogu</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Rozpocznij konwersję</translation>
    </message>
    <message>
        <source>Clear List</source>
        <extracomment>Button: empties the file list.</extracomment>
        <translation>Wyczyść listę</translation>
    </message>
    <message>
        <source>Load Sample/Example Files</source>
        <translation>Wczytaj pliki przykładowe</translation>
    </message>
    <message>
        <source>Output WAV Format</source>
        <extracomment>Caption of the frame around the drop-down of WAV formats.</extracomment>
        <translation>Format wyjściowy WAV</translation>
    </message>
    <message>
        <source>Save Option</source>
        <extracomment>Caption of the frame around the choice of where the WAV files are saved.</extracomment>
        <translation>Miejsce zapisu</translation>
    </message>
    <message>
        <source>Save results to this folder:</source>
        <extracomment>Option; the folder field follows it.</extracomment>
        <translation>Zapisz w tym katalogu:</translation>
    </message>
    <message>
        <source>Save results in folder of original file</source>
        <translation>Zapisz w katalogu pliku źródłowego</translation>
    </message>
    <message>
        <source>OGG File(s)</source>
        <extracomment>Header of the file list&apos;s one column.</extracomment>
        <translation>Pliki OGG</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <extracomment>What a screen reader calls the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>Wybierz katalog wyjściowy</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <extracomment>What a screen reader calls the file list.</extracomment>
        <translation>Pliki do konwersji</translation>
    </message>
    <message>
        <source>Output folder</source>
        <extracomment>What a screen reader calls the field of the folder the WAV files are saved in.</extracomment>
        <translation>Katalog wyjściowy</translation>
    </message>
    <message>
        <source>Output WAV format</source>
        <extracomment>What a screen reader calls the drop-down of WAV formats.</extracomment>
        <translation>Format wyjściowy WAV</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <extracomment>Title of the folder dialogs of &quot;Add All OGG File(s) In Folder&quot; and of the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>Wybierz katalog:</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <extracomment>The failure shown when the hand pointer file beside the program is no picture.</extracomment>
        <translation>Nieprawidłowy obraz</translation>
    </message>
    <message>
        <source>Enter file extension to load:</source>
        <extracomment>First line of the prompt of &quot;Add All OGG File(s) In Folder&quot;; the field below it takes file endings without their dot.</extracomment>
        <translation>Podaj rozszerzenie plików do wczytania:</translation>
    </message>
    <message>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <extracomment>Second line of the same prompt. The endings and the &quot;*&quot; are typed as they stand; only the words around them are translated.</extracomment>
        <translation>(* – wszystkie pliki, txt – wszystkie pliki txt, doc – wszystkie pliki doc itd.)</translation>
    </message>
    <message>
        <source>(several at once: ogg oga opus)</source>
        <extracomment>Third line of the same prompt: several endings go in at once, parted by blanks. The endings are typed as they stand.</extracomment>
        <translation>(kilka naraz: ogg oga opus)</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>Zaznaczono zbyt wiele plików do dodania.</translation>
    </message>
    <message>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <extracomment>&quot;Add All&quot; names the button &quot;Add All OGG File(s) In Folder&quot;.</extracomment>
        <translation>Spróbuj dodać je przyciskiem „Dodaj wszystkie”.</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Czy otworzyć katalog, w którym są zapisane te pliki przykładowe (aby można je było obejrzeć przed rozpoczęciem pracy)?</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <extracomment>Title of the file dialog of &quot;Add OGG File(s)&quot;.</extracomment>
        <translation>Dodaj pliki - przytrzymaj Ctrl, aby zaznaczyć wiele plików</translation>
    </message>
    <message>
        <source>Ogg audio</source>
        <extracomment>The name of the file dialog&apos;s filter that shows Ogg Vorbis and Opus files.</extracomment>
        <translation>Dźwięk Ogg</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Wszystkie pliki</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>is not a file</source>
        <translation>nie jest plikiem</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>nie znaleziono</translation>
    </message>
    <message>
        <source>could not be read (%1)</source>
        <translation>nie można odczytać (%1)</translation>
    </message>
    <message>
        <source>could not be read as audio</source>
        <translation>nie można odczytać jako dźwięku</translation>
    </message>
    <message>
        <source>its result would have replaced a queued source</source>
        <translation>jego wynik zastąpiłby plik źródłowy z kolejki</translation>
    </message>
    <message>
        <source>its result would have replaced the result of %1 (same name)</source>
        <translation>jego wynik zastąpiłby wynik pliku %1 (ta sama nazwa)</translation>
    </message>
    <message>
        <source>the result was incomplete</source>
        <translation>wynik jest niekompletny</translation>
    </message>
    <message>
        <source>could not be read to its end (%1)</source>
        <translation>nie można odczytać do końca (%1)</translation>
    </message>
    <message>
        <source>the result&apos;s length did not match the source</source>
        <translation>długość wyniku nie zgadza się z plikiem źródłowym</translation>
    </message>
    <message>
        <source>the source is damaged (%1)</source>
        <translation>plik źródłowy jest uszkodzony (%1)</translation>
    </message>
    <message>
        <source>the source&apos;s length could not be read, so its result could not be checked</source>
        <translation>nie można odczytać długości pliku źródłowego, więc nie można sprawdzić wyniku</translation>
    </message>
    <message>
        <source>the result did not hold the chosen sample format</source>
        <translation>wynik nie ma wybranego formatu próbek</translation>
    </message>
    <message>
        <source>could not be written (%1)</source>
        <translation>nie można zapisać (%1)</translation>
    </message>
    <message>
        <source>the converter wrote no result</source>
        <translation>konwerter nie zapisał wyniku</translation>
    </message>
    <message>
        <source>the converter stopped before it finished</source>
        <translation>konwerter zatrzymał się przed ukończeniem</translation>
    </message>
    <message>
        <source>the converter could not be started</source>
        <translation>nie można uruchomić konwertera</translation>
    </message>
    <message>
        <source>no result path could be made for it</source>
        <translation>nie można utworzyć dla niego ścieżki wyniku</translation>
    </message>
    <message>
        <source>an older file of its result&apos;s name could not be moved to the trash (%1)</source>
        <translation>nie można przenieść do kosza starszego pliku o nazwie jego wyniku (%1)</translation>
    </message>
    <message>
        <source>the converter refused to replace a file of its result&apos;s name</source>
        <translation>konwerter odmówił zastąpienia pliku o nazwie jego wyniku</translation>
    </message>
    <message>
        <source>the source ends early (incomplete file); its result holds what it had</source>
        <translation>plik źródłowy kończy się przedwcześnie (niekompletny plik); wynik zawiera to, co w nim było</translation>
    </message>
    <message>
        <source>the converter reported: %1</source>
        <translation>konwerter zgłosił: %1</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>moved to the trash to make way for the results (&quot;Restore&quot; in the file manager puts them back)</source>
        <translation>przeniesione do kosza, aby zrobić miejsce na wyniki („Przywróć” w menedżerze plików przywraca je na miejsce)</translation>
    </message>
    <message>
        <source>%1, now %2</source>
        <extracomment>A file moved to the trash: its old name, then its name in the trash.</extracomment>
        <translation>%1, teraz %2</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The run&apos;s last word, on the progress bar and atop the closing message.</extracomment>
        <translation>Gotowe.</translation>
    </message>
    <message>
        <source>1 file could not be converted.</source>
        <translation>Nie udało się przekonwertować 1 pliku.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Under a heading, after the first ten files it lists.</extracomment>
        <translation>
            <numerusform>i jeszcze %n plik</numerusform>
            <numerusform>i jeszcze %n pliki</numerusform>
            <numerusform>i jeszcze %n plików</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted.</source>
        <translation>
            <numerusform>Nie udało się przekonwertować %n pliku.</numerusform>
            <numerusform>Nie udało się przekonwertować %n plików.</numerusform>
            <numerusform>Nie udało się przekonwertować %n plików.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SourceLook</name>
    <message>
        <source>its headers are damaged</source>
        <translation>jego nagłówki są uszkodzone</translation>
    </message>
    <message>
        <source>its audio breaks off at %1 of %2</source>
        <extracomment>In &quot;The source is damaged (...)&quot;: where its sound stops, of how long it is.</extracomment>
        <translation>dźwięk urywa się w %1 z %2</translation>
    </message>
    <message>
        <source>its audio breaks off at %1</source>
        <translation>dźwięk urywa się w %1</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style, given last.</extracomment>
        <translation>brak wartości po &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja &apos;%1&apos;</translation>
    </message>
    <message>
        <source>an empty name is no file or folder</source>
        <translation>pusta nazwa nie jest ani plikiem, ani katalogiem</translation>
    </message>
    <message>
        <source>%1 is for --convert only</source>
        <extracomment>%1 is an option of the batch mode, such as --format.</extracomment>
        <translation>%1 działa tylko z --convert</translation>
    </message>
    <message>
        <source>%1 is for the window only</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style.</extracomment>
        <translation>%1 dotyczy tylko okna</translation>
    </message>
    <message>
        <source>no output format &apos;%1&apos;; choose one of %2</source>
        <extracomment>%1 is the value given; %2 lists the formats: 0 &quot;8-bit PCM&quot;, 1 &quot;16-bit PCM&quot; ...</extracomment>
        <translation>nie ma formatu wyjściowego &apos;%1&apos;; wybierz jeden z: %2</translation>
    </message>
    <message>
        <source>--output-folder and --beside-source exclude each other</source>
        <translation>--output-folder i --beside-source wzajemnie się wykluczają</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos; does not exist</source>
        <translation>katalog wyjściowy &apos;%1&apos; nie istnieje</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no file extension</source>
        <translation>&apos;%1&apos; nie jest rozszerzeniem pliku</translation>
    </message>
    <message>
        <source>--jobs needs a whole number from 1 to %1, not &apos;%2&apos;</source>
        <extracomment>%1 is the most conversions at once; %2 is the value given.</extracomment>
        <translation>--jobs wymaga liczby całkowitej od 1 do %1, a nie &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; cannot be written: no such folder, or a folder</source>
        <translation>nie można zapisać raportu &apos;%1&apos;: katalog nie istnieje albo ścieżka jest katalogiem</translation>
    </message>
    <message>
        <source>no files or folders to convert</source>
        <translation>brak plików lub katalogów do przekonwertowania</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>start Lorvane as %1</source>
        <extracomment>A terminal line of lorvane-window started by itself with the batch mode&apos;s options; %1 is the command to start instead.</extracomment>
        <translation>uruchom Lorvane jako %1</translation>
    </message>
    <message>
        <source>the open Lorvane window did not take the files</source>
        <extracomment>A terminal line: a second start handed its files to the window already open, and that window did not answer.</extracomment>
        <translation>otwarte okno Lorvane nie przyjęło plików</translation>
    </message>
</context>
<context>
    <name>WindowStart</name>
    <message>
        <source>Qt&apos;s platform &apos;%1&apos; could not be started</source>
        <extracomment>Why the window cannot open: %1 is what -platform or QT_QPA_PLATFORM asked for.</extracomment>
        <translation>nie można uruchomić platformy Qt &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no display found</source>
        <extracomment>Why the window cannot open: neither DISPLAY nor WAYLAND_DISPLAY names one.</extracomment>
        <translation>nie znaleziono ekranu</translation>
    </message>
    <message>
        <source>the display %1 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the display&apos;s name, as &quot;:0&quot; or &quot;wayland-0&quot;.</extracomment>
        <translation>nie można otworzyć ekranu %1</translation>
    </message>
    <message>
        <source>the displays %1 and %2 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the X11 display&apos;s name, %2 the Wayland one&apos;s.</extracomment>
        <translation>nie można otworzyć ekranów %1 i %2</translation>
    </message>
    <message>
        <source>needs a graphical session (%1); use `%2` to convert without a window</source>
        <extracomment>A terminal line. %1 is why the window cannot open; %2 the command that converts without a window, which stays as it is.</extracomment>
        <translation>wymaga sesji graficznej (%1); użyj `%2`, aby konwertować bez okna</translation>
    </message>
</context>
</TS>
