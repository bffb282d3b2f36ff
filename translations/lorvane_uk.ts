<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>AppError</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Неприпустимий виклик процедури або аргумент</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переповнення</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Індекс поза межами діапазону</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Невідповідність типів</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Неприпустиме значення властивості</translation>
    </message>
</context>
<context>
    <name>BatchInputs</name>
    <message>
        <source>%1 is a file, not a folder: leave out the trailing &apos;/&apos;</source>
        <translation>%1 — це файл, а не тека: приберіть &apos;/&apos; у кінці</translation>
    </message>
    <message>
        <source>%1: no such file or folder</source>
        <translation>%1: немає такого файла або теки</translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2)</source>
        <extracomment>%1 is a file or folder given; %2 is the system&apos;s reason.</extracomment>
        <translation>немає доступу до %1 (%2)</translation>
    </message>
    <message>
        <source>the output folder %1 takes no new files (%2)</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>до теки результатів %1 не можна записати нові файли (%2)</translation>
    </message>
    <message>
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running 1 conversion at once</source>
        <extracomment>%1 is the variable&apos;s value; %2 is the most conversions at once; %n is how many run.</extracomment>
        <translation>попередження: LORVANE_JOBS=&apos;%1&apos; — не ціле число від 1 до %2; одночасно виконується лише 1 перетворення</translation>
    </message>
    <message numerus="yes">
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running %n conversions at once</source>
        <translation>
            <numerusform>попередження: LORVANE_JOBS=&apos;%1&apos; — не ціле число від 1 до %2; одночасно виконується %n перетворення</numerusform>
            <numerusform>попередження: LORVANE_JOBS=&apos;%1&apos; — не ціле число від 1 до %2; одночасно виконуються %n перетворення</numerusform>
            <numerusform>попередження: LORVANE_JOBS=&apos;%1&apos; — не ціле число від 1 до %2; одночасно виконується %n перетворень</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchMode</name>
    <message>
        <source>stopping after the files in hand; Ctrl+C again to stop now</source>
        <translation>зупинка після поточних файлів; натисніть Ctrl+C ще раз, щоб зупинити негайно</translation>
    </message>
    <message>
        <source>stopping after the files in hand (%1); %1 again stops now</source>
        <extracomment>%1 is the signal&apos;s name, such as SIGTERM.</extracomment>
        <translation>зупинка після поточних файлів (%1); повторний %1 зупинить негайно</translation>
    </message>
    <message>
        <source>no files in %1 or its subfolders</source>
        <extracomment>%1 names the folders (%n of them) that held no file at all.</extracomment>
        <translation>немає файлів у %1 та її вкладених теках</translation>
    </message>
    <message numerus="yes">
        <source>no files in %1 or their subfolders</source>
        <translation>
            <numerusform>немає файлів у %1 та їхніх вкладених теках</numerusform>
            <numerusform>немає файлів у %1 та їхніх вкладених теках</numerusform>
            <numerusform>немає файлів у %1 та їхніх вкладених теках</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The endings a folder was searched for: %1 lists all but the last (&quot;.ogg, .oga&quot;), %2 is the last (&quot;.opus&quot;).</extracomment>
        <translation>%1 або %2</translation>
    </message>
    <message>
        <source>no %1 files in %2 or its subfolders; --extension chooses other endings (--extension=&apos;*&apos; takes every file)</source>
        <extracomment>%1 is the endings searched for (&quot;.ogg, .oga or .opus&quot;), %2 names the folders (%n of them). Keep the options as they are.</extracomment>
        <translation>немає файлів %1 у %2 та її вкладених теках; інші розширення можна задати через --extension (--extension=&apos;*&apos; бере всі файли)</translation>
    </message>
    <message numerus="yes">
        <source>no %1 files in %2 or their subfolders; --extension chooses other endings (--extension=&apos;*&apos; takes every file)</source>
        <translation>
            <numerusform>немає файлів %1 у %2 та їхніх вкладених теках; інші розширення можна задати через --extension (--extension=&apos;*&apos; бере всі файли)</numerusform>
            <numerusform>немає файлів %1 у %2 та їхніх вкладених теках; інші розширення можна задати через --extension (--extension=&apos;*&apos; бере всі файли)</numerusform>
            <numerusform>немає файлів %1 у %2 та їхніх вкладених теках; інші розширення можна задати через --extension (--extension=&apos;*&apos; бере всі файли)</numerusform>
        </translation>
    </message>
    <message>
        <source>Application Error: %1</source>
        <extracomment>A line of a failure report, as the window&apos;s &quot;Application Error&quot; box would show it.</extracomment>
        <translation>Помилка програми: %1</translation>
    </message>
    <message>
        <source>the window&apos;s settings (%1) choose no output format; give one with --format</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>у налаштуваннях вікна (%1) не вибрано формат результату; вкажіть його через --format</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos;, the window&apos;s choice (stored in %2), does not exist; give one with --output-folder</source>
        <extracomment>%1 is the folder, %2 the settings file.</extracomment>
        <translation>тека результатів &apos;%1&apos;, вибрана у вікні (збережено в %2), не існує; вкажіть теку через --output-folder</translation>
    </message>
    <message>
        <source>the default output folder &apos;%1&apos; does not exist; give one with --output-folder</source>
        <translation>типова тека результатів &apos;%1&apos; не існує; вкажіть теку через --output-folder</translation>
    </message>
    <message>
        <source>%1, the default</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, which nobody chose.</extracomment>
        <translation>%1, типово</translation>
    </message>
    <message>
        <source>%1, the window&apos;s choice</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, as chosen in the window.</extracomment>
        <translation>%1, як вибрано у вікні</translation>
    </message>
    <message>
        <source>results beside their sources</source>
        <translation>результати поруч із початковими файлами</translation>
    </message>
    <message>
        <source>results in %1</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the output folder.</extracomment>
        <translation>результати в %1</translation>
    </message>
    <message>
        <source>%1, source trees kept</source>
        <extracomment>In the batch mode&apos;s last line: %1 says where the results went; --keep-tree was given.</extracomment>
        <translation>%1, структуру тек збережено</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>The batch mode&apos;s last line: %1 is the format, %2 where the results went.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>The time a short run took: %1 is in seconds.</extracomment>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>%1 of 1 file converted, %2 up to date, %3 not converted, in %4</source>
        <extracomment>The batch mode&apos;s summary: %1 of the run&apos;s %n files were converted, %2 were up to date and %3 not converted; %4 is the time the run took.</extracomment>
        <translation>перетворено %1 з 1 файла, вже актуальні: %2, не перетворено: %3, за %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted, %2 up to date, %3 not converted, in %4</source>
        <translation>
            <numerusform>перетворено %1 з %n файла, вже актуальні: %2, не перетворено: %3, за %4</numerusform>
            <numerusform>перетворено %1 з %n файлів, вже актуальні: %2, не перетворено: %3, за %4</numerusform>
            <numerusform>перетворено %1 з %n файлів, вже актуальні: %2, не перетворено: %3, за %4</numerusform>
        </translation>
    </message>
    <message>
        <source>the report %1 was not written: %2</source>
        <extracomment>%1 is the report file, %2 the system&apos;s reason.</extracomment>
        <translation>звіт %1 не записано: %2</translation>
    </message>
    <message>
        <source>note: %1: %2</source>
        <extracomment>Something about a converted file worth knowing: %1 is the source, %2 what.</extracomment>
        <translation>примітка: %1: %2</translation>
    </message>
    <message>
        <source>nothing to convert: %1</source>
        <extracomment>%1 says what the folders given held none of.</extracomment>
        <translation>нічого перетворювати: %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <extracomment>%1 says what a folder given held none of.</extracomment>
        <translation>примітка: %1</translation>
    </message>
    <message>
        <source>not started: the run was stopped</source>
        <translation>не розпочато: обробку зупинено</translation>
    </message>
    <message>
        <source>not started: the run was refused</source>
        <translation>не розпочато: обробку відхилено</translation>
    </message>
    <message>
        <source>moved to the trash to make way for its result: %1</source>
        <extracomment>%1 is the file that was in the way, and where in the trash it went.</extracomment>
        <translation>переміщено до смітника, щоб звільнити місце для результату: %1</translation>
    </message>
    <message>
        <source>not converted: %1: %2</source>
        <extracomment>%1 is the source, %2 the reason.</extracomment>
        <translation>не перетворено: %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>; stopped by %1 before %n more started</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT; %n files were still to start.</extracomment>
        <translation>
            <numerusform>; зупинено сигналом %1 до запуску ще %n файла</numerusform>
            <numerusform>; зупинено сигналом %1 до запуску ще %n файлів</numerusform>
            <numerusform>; зупинено сигналом %1 до запуску ще %n файлів</numerusform>
        </translation>
    </message>
    <message>
        <source>; stopped by %1</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT.</extracomment>
        <translation>; зупинено сигналом %1</translation>
    </message>
</context>
<context>
    <name>BatchPlan</name>
    <message>
        <source>its result would be outside the output folder</source>
        <extracomment>Why a file found in a folder was not converted with --keep-tree: its subfolder would lead out of the output folder.</extracomment>
        <translation>результат опинився б поза текою результатів</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>--:-- left</source>
        <extracomment>In the progress line, before the time left can be estimated; &quot;--:--&quot; stands for the minutes and seconds.</extracomment>
        <translation>залишилося --:--</translation>
    </message>
    <message>
        <source>[%1/%2] Processing: %3</source>
        <extracomment>A line for each file as it starts, when standard error is no terminal: %1 is the file&apos;s place in the run, %2 the files of the run, %3 the file&apos;s name.</extracomment>
        <translation>[%1/%2] Обробка: %3</translation>
    </message>
    <message>
        <source>%1x real time, %2 left</source>
        <extracomment>In the progress line: %1 is how many seconds of sound are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>%1x реального часу, залишилося %2</translation>
    </message>
    <message>
        <source>%1 files/s, %2 left</source>
        <extracomment>In the progress line, when no file&apos;s length is known: %1 is how many files are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>%1 файлів/с, залишилося %2</translation>
    </message>
    <message>
        <source>%1 of 1 file converted</source>
        <extracomment>The start of the progress line: %1 of the run&apos;s %n files are converted so far.</extracomment>
        <translation>перетворено %1 з 1 файла</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted</source>
        <translation>
            <numerusform>перетворено %1 з %n файла</numerusform>
            <numerusform>перетворено %1 з %n файлів</numerusform>
            <numerusform>перетворено %1 з %n файлів</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 up to date</source>
        <extracomment>Added to the progress line: %1 files were left as they were (--update).</extracomment>
        <translation>, вже актуальні: %1</translation>
    </message>
    <message>
        <source>, %1 not converted</source>
        <extracomment>Added to the progress line: %1 files were not converted.</extracomment>
        <translation>, не перетворено: %1</translation>
    </message>
    <message>
        <source>stopping</source>
        <extracomment>In the progress line, once a stop was asked for, in place of the time left.</extracomment>
        <translation>зупинка</translation>
    </message>
    <message>
        <source>, %1 elapsed, %2</source>
        <extracomment>Added to the progress line: %1 is the time since the start (minutes:seconds), %2 the pace and the time left, or &quot;stopping&quot;.</extracomment>
        <translation>, минуло %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>; Processing: %1 and %n more</source>
        <extracomment>The end of the progress line: %1 is the name of a file being converted, %n how many more are.</extracomment>
        <translation>
            <numerusform>; обробка: %1 і ще %n файл</numerusform>
            <numerusform>; обробка: %1 і ще %n файли</numerusform>
            <numerusform>; обробка: %1 і ще %n файлів</numerusform>
        </translation>
    </message>
    <message>
        <source>; Processing: %1</source>
        <extracomment>The end of the progress line: %1 is the name of the file being converted.</extracomment>
        <translation>; обробка: %1</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>No files added.</source>
        <translation>Файли не додано.</translation>
    </message>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>Теки не існує. Виберіть іншу теку.</translation>
    </message>
    <message>
        <source>No output format is chosen. Please select an output format.</source>
        <translation>Формат результату не вибрано. Виберіть формат результату.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Хід виконання</translation>
    </message>
    <message>
        <source>Please wait.. </source>
        <translation>Зачекайте... </translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <extracomment>On the progress bar while a file converts; %1 is its name.</extracomment>
        <translation>Обробка: %1</translation>
    </message>
</context>
<context>
    <name>ConverterTool</name>
    <message>
        <source>Install FFmpeg with &quot;sudo apt install ffmpeg&quot;, or name the FFmpeg program to use in the environment variable LORVANE_FFMPEG.</source>
        <translation>Встановіть FFmpeg командою &quot;sudo apt install ffmpeg&quot; або вкажіть потрібну програму FFmpeg у змінній середовища LORVANE_FFMPEG.</translation>
    </message>
    <message>
        <source>The program %1 cannot do the conversion: it lacks %2.

</source>
        <translation>Програма %1 не може виконати перетворення: у ній немає %2.

</translation>
    </message>
    <message>
        <source>the encoder %1</source>
        <extracomment>Part of &quot;it lacks %2&quot;: an FFmpeg encoder&apos;s name, such as pcm_s16le.</extracomment>
        <translation>кодувальника %1</translation>
    </message>
    <message>
        <source>the Vorbis decoder</source>
        <translation>декодувальника Vorbis</translation>
    </message>
    <message>
        <source>the WAV writer</source>
        <translation>засобу запису WAV</translation>
    </message>
    <message>
        <source>FFmpeg, which does the conversion, was not found.

</source>
        <translation>Не знайдено програму FFmpeg, яка виконує перетворення.

</translation>
    </message>
    <message>
        <source>The converter %1 named in LORVANE_FFMPEG was not found.

</source>
        <translation>Не знайдено перетворювач %1, вказаний у LORVANE_FFMPEG.

</translation>
    </message>
    <message>
        <source>The converter %1 was not found.

</source>
        <translation>Не знайдено перетворювач %1.

</translation>
    </message>
    <message>
        <source>The converter %1 is not an executable program.

</source>
        <translation>Перетворювач %1 не є виконуваною програмою.

</translation>
    </message>
    <message>
        <source>The converter %1 did not answer as FFmpeg does.

</source>
        <translation>Перетворювач %1 відповідає не так, як FFmpeg.

</translation>
    </message>
    <message>
        <source>The converter %1 is %2, not FFmpeg itself.

</source>
        <translation>Перетворювач %1 — це %2, а не сам FFmpeg.

</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show</source>
        <extracomment>The button on the desktop&apos;s notification that brings the window forward.</extracomment>
        <translation>Показати</translation>
    </message>
</context>
<context>
    <name>DesktopRun</name>
    <message>
        <source>Converting files</source>
        <extracomment>Why the machine is kept awake, as the desktop shows it to one about to suspend or log out.</extracomment>
        <translation>Перетворення файлів</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <extracomment>The heading of the desktop notification at the end of a run.</extracomment>
        <translation>Перетворення завершено</translation>
    </message>
    <message>
        <source>1 file converted.</source>
        <extracomment>The desktop notification&apos;s text after a run that converted every file.</extracomment>
        <translation>1 файл перетворено.</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted.</source>
        <translation>
            <numerusform>%n файл перетворено.</numerusform>
            <numerusform>%n файли перетворено.</numerusform>
            <numerusform>%n файлів перетворено.</numerusform>
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
        <translation>1 файл перетворено</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n файл перетворено</numerusform>
            <numerusform>%n файли перетворено</numerusform>
            <numerusform>%n файлів перетворено</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file not converted</source>
        <extracomment>The second half of &quot;N files converted, N files not converted.&quot;</extracomment>
        <translation>1 файл не перетворено</translation>
    </message>
    <message numerus="yes">
        <source>%n files not converted</source>
        <translation>
            <numerusform>%n файл не перетворено</numerusform>
            <numerusform>%n файли не перетворено</numerusform>
            <numerusform>%n файлів не перетворено</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please send a screenshot of this message to whoever provided this program.</source>
        <translation>Надішліть знімок екрана з цим повідомленням тому, від кого ви отримали цю програму.</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The last line of an error report; %1 is the e-mail address of the program&apos;s support.</extracomment>
        <translation>Надішліть знімок екрана з цим повідомленням на адресу %1</translation>
    </message>
    <message>
        <source>%1 at line %2</source>
        <extracomment>The second line of an error report: where the failure happened. %1 is the place, in words of the program&apos;s own that stay as they are (&quot;in Tessaly2021/08/31.Form1.Form_Load&quot;), %2 the number of the step that failed.</extracomment>
        <translation>%1, рядок %2</translation>
    </message>
    <message>
        <source>Application Error</source>
        <extracomment>Title of the box that reports a failure of the window.</extracomment>
        <translation>Помилка програми</translation>
    </message>
</context>
<context>
    <name>FormatTable</name>
    <message>
        <source>8-bit integer, unsigned</source>
        <translation>8-бітне ціле, без знака</translation>
    </message>
    <message>
        <source>16-bit integer, signed</source>
        <translation>16-бітне ціле, зі знаком</translation>
    </message>
    <message>
        <source>8-bit µ-law, companded</source>
        <translation>8-бітний µ-law, компандування</translation>
    </message>
    <message>
        <source>24-bit integer, signed</source>
        <translation>24-бітне ціле, зі знаком</translation>
    </message>
    <message>
        <source>32-bit floating point</source>
        <translation>32-бітне з рухомою комою</translation>
    </message>
    <message>
        <source>64-bit floating point</source>
        <translation>64-бітне з рухомою комою</translation>
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
        <translation>Використання: lorvane [ФАЙЛ|ТЕКА]...
  або:  lorvane --convert [ПАРАМЕТР]... ФАЙЛ|ТЕКА...
Перетворює файли Ogg Vorbis і Opus на файли WAV за допомогою FFmpeg.

Без --convert Lorvane відкриває своє вікно й додає до черги вказані файли та
всі файли кожної теки і її вкладених тек. Якщо ваше вікно Lorvane вже
відкрите, файли й теки додаються до черги в ньому. Вікно приймає стандартні
параметри Qt (-style Fusion, -platform offscreen, -reverse, -stylesheet ФАЙЛ,
-display ДИСПЛЕЙ ...) і потребує графічного сеансу.

З --convert Lorvane перетворює файли без вікна й завершує роботу. Кожен файл
стає файлом .wav з тією самою назвою. Формат і розташування, не вказані тут,
беруться з вибору у вікні (з його налаштувань, які пакетний режим ніколи не
змінює); підсумковий рядок повідомляє, звідки взято кожне з них.

      --convert              перетворити без вікна
      --format=МІТКА|НОМЕР   формат WAV, за його міткою або номером:
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
        <translation>      --output-folder=ТЕКА   зберігати результати до ТЕКИ (вона має існувати)
      --beside-source        зберігати кожен результат у теці початкового файла
      --extension=РОЗШ[,...] брати з указаних тек файли з розширенням .РОЗШ
                             (типово: ogg,oga,opus; * — усі файли)
      --jobs=N               до N перетворень одночасно (від 1 до %1)
      --keep-tree            зберігати структуру тек у теці результатів:
                             ТЕКА/a/b.ogg стає ВИХІД/a/b.wav
      --update               не чіпати результат, створений цією програмою
                             з того самого файла, якщо він новіший і повний
      --report=ФАЙЛ          записати до ФАЙЛА по рядку JSON на кожен файл:
                             початковий файл, результат, підсумок, причина і
                             де в смітнику опинився файл із назвою результату
      --quiet                показувати лише неперетворені файли й підсумок
  -h, --help                 показати цю довідку й вийти
      --version              показати відомості про версію й вийти

Поки формат не вибрано у вікні, використовується 16-bit PCM; поки не вибрано
теку, результати зберігаються до теки стільниці (а якщо її немає — до
домашньої теки).

Перебіг роботи виводиться до стандартного потоку помилок. Код виходу
--convert: 0, якщо всі файли перетворено або вони вже актуальні; 1, якщо
деякі — ні (кожен названо з причиною); 2 у разі помилки використання або
якщо не можна використати вхідні дані, теку результатів чи збережену теку
(тоді нічого не перетворюється); 128+N, якщо зупинено сигналом N.

Приклад: lorvane --convert --format &quot;16-bit PCM&quot; --output-folder ~/wav ~/Music
</translation>
    </message>
    <message>
        <source>Try &apos;lorvane --help&apos; for more information.</source>
        <translation>Спробуйте &apos;lorvane --help&apos;, щоб дізнатися більше.</translation>
    </message>
</context>
<context>
    <name>LoopPoints</name>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 вказано двічі</translation>
    </message>
    <message>
        <source>%1 without LOOPSTART</source>
        <translation>%1 без LOOPSTART</translation>
    </message>
    <message>
        <source>LOOPSTART without LOOPLENGTH or LOOPEND</source>
        <translation>LOOPSTART без LOOPLENGTH або LOOPEND</translation>
    </message>
    <message>
        <source>%1 is negative</source>
        <translation>значення %1 від’ємне</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 — не ціле число</translation>
    </message>
    <message>
        <source>LOOPLENGTH is 0</source>
        <translation>LOOPLENGTH дорівнює 0</translation>
    </message>
    <message>
        <source>LOOPEND is not after LOOPSTART</source>
        <translation>LOOPEND не пізніше за LOOPSTART</translation>
    </message>
    <message>
        <source>LOOPLENGTH and LOOPEND disagree</source>
        <translation>LOOPLENGTH і LOOPEND суперечать одне одному</translation>
    </message>
    <message>
        <source>the loop runs past the end</source>
        <translation>петля виходить за кінець звуку</translation>
    </message>
    <message>
        <source>the result is no whole WAV file</source>
        <translation>результат не є повноцінним файлом WAV</translation>
    </message>
    <message>
        <source>the loop does not survive the change of rate</source>
        <translation>петля не зберігається після зміни частоти дискретизації</translation>
    </message>
    <message>
        <source>the loop runs past the end of the result</source>
        <translation>петля виходить за кінець результату</translation>
    </message>
    <message>
        <source>the loop lies beyond what a WAV sampler chunk can point at</source>
        <translation>петля лежить далі, ніж може вказати блок семплера WAV</translation>
    </message>
    <message>
        <source>the result has no room for the sizes past 4 GiB</source>
        <translation>у результаті немає місця для розмірів понад 4 ГіБ</translation>
    </message>
    <message>
        <source>its loop tags were ignored: %1</source>
        <translation>його теги петлі проігноровано: %1</translation>
    </message>
    <message>
        <source>its loop points were left out: %1</source>
        <translation>його точки петлі не записано: %1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>the window program could not be found</source>
        <translation>не вдалося знайти віконну програму</translation>
    </message>
    <message>
        <source>the window program %1 could not be started: %2</source>
        <extracomment>%1 is the window program&apos;s file, %2 the system&apos;s reason.</extracomment>
        <translation>не вдалося запустити віконну програму %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <extracomment>The file list&apos;s tooltip; &quot;| line&quot; is the edge of the list&apos;s one column, which the mouse drags to widen it.</extracomment>
        <translation>Перетягніть файли сюди. Двічі клацніть пункт, щоб вилучити його. Посуньте лінію | праворуч за межі вікна, щоб побачити повні назви.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <extracomment>What the progress bar at the foot of the window says while no file is converted.</extracomment>
        <translation>Хід виконання</translation>
    </message>
    <message>
        <source>Add OGG File(s)</source>
        <extracomment>Button: opens a file dialog to add Ogg files to the list.</extracomment>
        <translation>Додати файли OGG</translation>
    </message>
    <message>
        <source>Add All OGG File(s) In Folder</source>
        <extracomment>Button: asks for file endings and a folder, and adds the matching files in that folder and the folders in it.</extracomment>
        <translation>Додати всі OGG з теки</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Перетворити</translation>
    </message>
    <message>
        <source>Clear List</source>
        <extracomment>Button: empties the file list.</extracomment>
        <translation>Очистити список</translation>
    </message>
    <message>
        <source>Load Sample/Example Files</source>
        <translation>Завантажити приклади</translation>
    </message>
    <message>
        <source>Output WAV Format</source>
        <extracomment>Caption of the frame around the drop-down of WAV formats.</extracomment>
        <translation>Формат WAV результату</translation>
    </message>
    <message>
        <source>Save Option</source>
        <extracomment>Caption of the frame around the choice of where the WAV files are saved.</extracomment>
        <translation>Збереження</translation>
    </message>
    <message>
        <source>Save results to this folder:</source>
        <extracomment>Option; the folder field follows it.</extracomment>
        <translation>Зберігати до цієї теки:</translation>
    </message>
    <message>
        <source>Save results in folder of original file</source>
        <translation>Зберігати до теки початкового файла</translation>
    </message>
    <message>
        <source>OGG File(s)</source>
        <extracomment>Header of the file list&apos;s one column.</extracomment>
        <translation>Файли OGG</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <extracomment>What a screen reader calls the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>Вибрати теку результатів</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <extracomment>What a screen reader calls the file list.</extracomment>
        <translation>Файли для перетворення</translation>
    </message>
    <message>
        <source>Output folder</source>
        <extracomment>What a screen reader calls the field of the folder the WAV files are saved in.</extracomment>
        <translation>Тека результатів</translation>
    </message>
    <message>
        <source>Output WAV format</source>
        <extracomment>What a screen reader calls the drop-down of WAV formats.</extracomment>
        <translation>Формат WAV результату</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <extracomment>Title of the folder dialogs of &quot;Add All OGG File(s) In Folder&quot; and of the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>Виберіть теку:</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <extracomment>The failure shown when the hand pointer file beside the program is no picture.</extracomment>
        <translation>Неприпустиме зображення</translation>
    </message>
    <message>
        <source>Enter file extension to load:</source>
        <extracomment>First line of the prompt of &quot;Add All OGG File(s) In Folder&quot;; the field below it takes file endings without their dot.</extracomment>
        <translation>Введіть розширення файлів для завантаження:</translation>
    </message>
    <message>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <extracomment>Second line of the same prompt. The endings and the &quot;*&quot; are typed as they stand; only the words around them are translated.</extracomment>
        <translation>(* — усі файли, txt — усі файли txt, doc — усі файли doc тощо)</translation>
    </message>
    <message>
        <source>(several at once: ogg oga opus)</source>
        <extracomment>Third line of the same prompt: several endings go in at once, parted by blanks. The endings are typed as they stand.</extracomment>
        <translation>(кілька одразу: ogg oga opus)</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>Ви вибрали забагато файлів для додавання.</translation>
    </message>
    <message>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <extracomment>&quot;Add All&quot; names the button &quot;Add All OGG File(s) In Folder&quot;.</extracomment>
        <translation>Спробуйте додати їх кнопкою «Додати всі».</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Відкрити теку, у якій зберігаються ці файли-приклади (щоб ви могли переглянути їх перед роботою)?</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <extracomment>Title of the file dialog of &quot;Add OGG File(s)&quot;.</extracomment>
        <translation>Додати файли — утримуйте Ctrl, щоб вибрати кілька</translation>
    </message>
    <message>
        <source>Ogg audio</source>
        <extracomment>The name of the file dialog&apos;s filter that shows Ogg Vorbis and Opus files.</extracomment>
        <translation>Аудіо Ogg</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Усі файли</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>is not a file</source>
        <translation>не є файлом</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>не знайдено</translation>
    </message>
    <message>
        <source>could not be read (%1)</source>
        <translation>не вдалося прочитати (%1)</translation>
    </message>
    <message>
        <source>could not be read as audio</source>
        <translation>не вдалося прочитати як аудіо</translation>
    </message>
    <message>
        <source>its result would have replaced a queued source</source>
        <translation>його результат замінив би інший початковий файл із черги</translation>
    </message>
    <message>
        <source>its result would have replaced the result of %1 (same name)</source>
        <translation>його результат замінив би результат %1 (та сама назва)</translation>
    </message>
    <message>
        <source>the result was incomplete</source>
        <translation>результат неповний</translation>
    </message>
    <message>
        <source>could not be read to its end (%1)</source>
        <translation>не вдалося прочитати до кінця (%1)</translation>
    </message>
    <message>
        <source>the result&apos;s length did not match the source</source>
        <translation>тривалість результату не збіглася з початковим файлом</translation>
    </message>
    <message>
        <source>the source is damaged (%1)</source>
        <translation>початковий файл пошкоджено (%1)</translation>
    </message>
    <message>
        <source>the source&apos;s length could not be read, so its result could not be checked</source>
        <translation>не вдалося визначити тривалість початкового файла, тому результат не перевірено</translation>
    </message>
    <message>
        <source>the result did not hold the chosen sample format</source>
        <translation>результат записано не у вибраному форматі семплів</translation>
    </message>
    <message>
        <source>could not be written (%1)</source>
        <translation>не вдалося записати (%1)</translation>
    </message>
    <message>
        <source>the converter wrote no result</source>
        <translation>перетворювач не записав результату</translation>
    </message>
    <message>
        <source>the converter stopped before it finished</source>
        <translation>перетворювач зупинився, не завершивши роботу</translation>
    </message>
    <message>
        <source>the converter could not be started</source>
        <translation>не вдалося запустити перетворювач</translation>
    </message>
    <message>
        <source>no result path could be made for it</source>
        <translation>не вдалося скласти шлях для результату</translation>
    </message>
    <message>
        <source>an older file of its result&apos;s name could not be moved to the trash (%1)</source>
        <translation>не вдалося перемістити до смітника старіший файл із назвою результату (%1)</translation>
    </message>
    <message>
        <source>the converter refused to replace a file of its result&apos;s name</source>
        <translation>перетворювач відмовився замінити файл із назвою результату</translation>
    </message>
    <message>
        <source>the source ends early (incomplete file); its result holds what it had</source>
        <translation>початковий файл обривається передчасно (неповний файл); результат містить те, що в ньому було</translation>
    </message>
    <message>
        <source>the converter reported: %1</source>
        <translation>повідомлення перетворювача: %1</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>moved to the trash to make way for the results (&quot;Restore&quot; in the file manager puts them back)</source>
        <translation>переміщено до смітника, щоб звільнити місце для результатів (повернути їх можна командою «Відновити» у файловому менеджері)</translation>
    </message>
    <message>
        <source>%1, now %2</source>
        <extracomment>A file moved to the trash: its old name, then its name in the trash.</extracomment>
        <translation>%1, тепер %2</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The run&apos;s last word, on the progress bar and atop the closing message.</extracomment>
        <translation>Готово.</translation>
    </message>
    <message>
        <source>1 file could not be converted.</source>
        <translation>Не вдалося перетворити 1 файл.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Under a heading, after the first ten files it lists.</extracomment>
        <translation>
            <numerusform>і ще %n файл</numerusform>
            <numerusform>і ще %n файли</numerusform>
            <numerusform>і ще %n файлів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted.</source>
        <translation>
            <numerusform>Не вдалося перетворити %n файл.</numerusform>
            <numerusform>Не вдалося перетворити %n файли.</numerusform>
            <numerusform>Не вдалося перетворити %n файлів.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SourceLook</name>
    <message>
        <source>its headers are damaged</source>
        <translation>пошкоджено його заголовки</translation>
    </message>
    <message>
        <source>its audio breaks off at %1 of %2</source>
        <extracomment>In &quot;The source is damaged (...)&quot;: where its sound stops, of how long it is.</extracomment>
        <translation>звук обривається на %1 з %2</translation>
    </message>
    <message>
        <source>its audio breaks off at %1</source>
        <translation>звук обривається на %1</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style, given last.</extracomment>
        <translation>немає значення після &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>невідомий параметр &apos;%1&apos;</translation>
    </message>
    <message>
        <source>an empty name is no file or folder</source>
        <translation>порожня назва не може бути файлом або текою</translation>
    </message>
    <message>
        <source>%1 is for --convert only</source>
        <extracomment>%1 is an option of the batch mode, such as --format.</extracomment>
        <translation>%1 діє лише з --convert</translation>
    </message>
    <message>
        <source>%1 is for the window only</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style.</extracomment>
        <translation>%1 діє лише для вікна</translation>
    </message>
    <message>
        <source>no output format &apos;%1&apos;; choose one of %2</source>
        <extracomment>%1 is the value given; %2 lists the formats: 0 &quot;8-bit PCM&quot;, 1 &quot;16-bit PCM&quot; ...</extracomment>
        <translation>немає формату результату &apos;%1&apos;; виберіть один із: %2</translation>
    </message>
    <message>
        <source>--output-folder and --beside-source exclude each other</source>
        <translation>--output-folder і --beside-source виключають одне одного</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos; does not exist</source>
        <translation>тека результатів &apos;%1&apos; не існує</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no file extension</source>
        <translation>&apos;%1&apos; не є розширенням файла</translation>
    </message>
    <message>
        <source>--jobs needs a whole number from 1 to %1, not &apos;%2&apos;</source>
        <extracomment>%1 is the most conversions at once; %2 is the value given.</extracomment>
        <translation>для --jobs потрібне ціле число від 1 до %1, а не &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; cannot be written: no such folder, or a folder</source>
        <translation>неможливо записати звіт &apos;%1&apos;: немає такої теки або це тека</translation>
    </message>
    <message>
        <source>no files or folders to convert</source>
        <translation>немає файлів або тек для перетворення</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>start Lorvane as %1</source>
        <extracomment>A terminal line of lorvane-window started by itself with the batch mode&apos;s options; %1 is the command to start instead.</extracomment>
        <translation>запускайте Lorvane командою %1</translation>
    </message>
    <message>
        <source>the open Lorvane window did not take the files</source>
        <extracomment>A terminal line: a second start handed its files to the window already open, and that window did not answer.</extracomment>
        <translation>відкрите вікно Lorvane не прийняло файли</translation>
    </message>
</context>
<context>
    <name>WindowStart</name>
    <message>
        <source>Qt&apos;s platform &apos;%1&apos; could not be started</source>
        <extracomment>Why the window cannot open: %1 is what -platform or QT_QPA_PLATFORM asked for.</extracomment>
        <translation>не вдалося запустити платформу Qt &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no display found</source>
        <extracomment>Why the window cannot open: neither DISPLAY nor WAYLAND_DISPLAY names one.</extracomment>
        <translation>не знайдено дисплея</translation>
    </message>
    <message>
        <source>the display %1 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the display&apos;s name, as &quot;:0&quot; or &quot;wayland-0&quot;.</extracomment>
        <translation>не вдалося відкрити дисплей %1</translation>
    </message>
    <message>
        <source>the displays %1 and %2 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the X11 display&apos;s name, %2 the Wayland one&apos;s.</extracomment>
        <translation>не вдалося відкрити дисплеї %1 і %2</translation>
    </message>
    <message>
        <source>needs a graphical session (%1); use `%2` to convert without a window</source>
        <extracomment>A terminal line. %1 is why the window cannot open; %2 the command that converts without a window, which stays as it is.</extracomment>
        <translation>потрібен графічний сеанс (%1); щоб перетворити файли без вікна, скористайтеся `%2`</translation>
    </message>
</context>
</TS>
