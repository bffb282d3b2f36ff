<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AppError</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Недопустимый вызов процедуры или аргумент</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Индекс вне допустимого диапазона</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Несоответствие типов</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Недопустимое значение свойства</translation>
    </message>
</context>
<context>
    <name>BatchInputs</name>
    <message>
        <source>%1 is a file, not a folder: leave out the trailing &apos;/&apos;</source>
        <translation>%1 — это файл, а не папка: уберите &apos;/&apos; в конце</translation>
    </message>
    <message>
        <source>%1: no such file or folder</source>
        <translation>%1: нет такого файла или папки</translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2)</source>
        <extracomment>%1 is a file or folder given; %2 is the system&apos;s reason.</extracomment>
        <translation>нет доступа к %1 (%2)</translation>
    </message>
    <message>
        <source>the output folder %1 takes no new files (%2)</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>в выходную папку %1 нельзя записать новые файлы (%2)</translation>
    </message>
    <message>
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running 1 conversion at once</source>
        <extracomment>%1 is the variable&apos;s value; %2 is the most conversions at once; %n is how many run.</extracomment>
        <translation>предупреждение: LORVANE_JOBS=&apos;%1&apos; — не целое число от 1 до %2; одновременно выполняется только 1 преобразование</translation>
    </message>
    <message numerus="yes">
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running %n conversions at once</source>
        <translation>
            <numerusform>предупреждение: LORVANE_JOBS=&apos;%1&apos; — не целое число от 1 до %2; одновременно выполняется %n преобразование</numerusform>
            <numerusform>предупреждение: LORVANE_JOBS=&apos;%1&apos; — не целое число от 1 до %2; одновременно выполняются %n преобразования</numerusform>
            <numerusform>предупреждение: LORVANE_JOBS=&apos;%1&apos; — не целое число от 1 до %2; одновременно выполняются %n преобразований</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchMode</name>
    <message>
        <source>stopping after the files in hand; Ctrl+C again to stop now</source>
        <translation>остановка после текущих файлов; нажмите Ctrl+C ещё раз, чтобы остановить сразу</translation>
    </message>
    <message>
        <source>stopping after the files in hand (%1); %1 again stops now</source>
        <extracomment>%1 is the signal&apos;s name, such as SIGTERM.</extracomment>
        <translation>остановка после текущих файлов (%1); повторный %1 остановит сразу</translation>
    </message>
    <message>
        <source>no files in %1 or its subfolders</source>
        <extracomment>%1 names the folders (%n of them) that held no file at all.</extracomment>
        <translation>нет файлов в %1 и её вложенных папках</translation>
    </message>
    <message numerus="yes">
        <source>no files in %1 or their subfolders</source>
        <translation>
            <numerusform>нет файлов в %1 и их вложенных папках</numerusform>
            <numerusform>нет файлов в %1 и их вложенных папках</numerusform>
            <numerusform>нет файлов в %1 и их вложенных папках</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The endings a folder was searched for: %1 lists all but the last (&quot;.ogg, .oga&quot;), %2 is the last (&quot;.opus&quot;).</extracomment>
        <translation>%1 или %2</translation>
    </message>
    <message>
        <source>no %1 files in %2 or its subfolders; --extension chooses other endings (--extension=&apos;*&apos; takes every file)</source>
        <extracomment>%1 is the endings searched for (&quot;.ogg, .oga or .opus&quot;), %2 names the folders (%n of them). Keep the options as they are.</extracomment>
        <translation>нет файлов %1 в %2 и её вложенных папках; другие расширения задаются через --extension (--extension=&apos;*&apos; берёт все файлы)</translation>
    </message>
    <message numerus="yes">
        <source>no %1 files in %2 or their subfolders; --extension chooses other endings (--extension=&apos;*&apos; takes every file)</source>
        <translation>
            <numerusform>нет файлов %1 в %2 и их вложенных папках; другие расширения задаются через --extension (--extension=&apos;*&apos; берёт все файлы)</numerusform>
            <numerusform>нет файлов %1 в %2 и их вложенных папках; другие расширения задаются через --extension (--extension=&apos;*&apos; берёт все файлы)</numerusform>
            <numerusform>нет файлов %1 в %2 и их вложенных папках; другие расширения задаются через --extension (--extension=&apos;*&apos; берёт все файлы)</numerusform>
        </translation>
    </message>
    <message>
        <source>Application Error: %1</source>
        <extracomment>A line of a failure report, as the window&apos;s &quot;Application Error&quot; box would show it.</extracomment>
        <translation>Ошибка приложения: %1</translation>
    </message>
    <message>
        <source>the window&apos;s settings (%1) choose no output format; give one with --format</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>в настройках окна (%1) не выбран выходной формат; укажите его через --format</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos;, the window&apos;s choice (stored in %2), does not exist; give one with --output-folder</source>
        <extracomment>%1 is the folder, %2 the settings file.</extracomment>
        <translation>выходная папка &apos;%1&apos;, выбранная в окне (сохранено в %2), не существует; укажите папку через --output-folder</translation>
    </message>
    <message>
        <source>the default output folder &apos;%1&apos; does not exist; give one with --output-folder</source>
        <translation>выходная папка по умолчанию &apos;%1&apos; не существует; укажите папку через --output-folder</translation>
    </message>
    <message>
        <source>%1, the default</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, which nobody chose.</extracomment>
        <translation>%1, по умолчанию</translation>
    </message>
    <message>
        <source>%1, the window&apos;s choice</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, as chosen in the window.</extracomment>
        <translation>%1, как выбрано в окне</translation>
    </message>
    <message>
        <source>results beside their sources</source>
        <translation>результаты рядом с исходными файлами</translation>
    </message>
    <message>
        <source>results in %1</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the output folder.</extracomment>
        <translation>результаты в %1</translation>
    </message>
    <message>
        <source>%1, source trees kept</source>
        <extracomment>In the batch mode&apos;s last line: %1 says where the results went; --keep-tree was given.</extracomment>
        <translation>%1, структура папок сохранена</translation>
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
        <translation>преобразовано %1 из 1 файла, уже актуальны: %2, не преобразовано: %3, за %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted, %2 up to date, %3 not converted, in %4</source>
        <translation>
            <numerusform>преобразовано %1 из %n файла, уже актуальны: %2, не преобразовано: %3, за %4</numerusform>
            <numerusform>преобразовано %1 из %n файлов, уже актуальны: %2, не преобразовано: %3, за %4</numerusform>
            <numerusform>преобразовано %1 из %n файлов, уже актуальны: %2, не преобразовано: %3, за %4</numerusform>
        </translation>
    </message>
    <message>
        <source>the report %1 was not written: %2</source>
        <extracomment>%1 is the report file, %2 the system&apos;s reason.</extracomment>
        <translation>отчёт %1 не записан: %2</translation>
    </message>
    <message>
        <source>note: %1: %2</source>
        <extracomment>Something about a converted file worth knowing: %1 is the source, %2 what.</extracomment>
        <translation>примечание: %1: %2</translation>
    </message>
    <message>
        <source>nothing to convert: %1</source>
        <extracomment>%1 says what the folders given held none of.</extracomment>
        <translation>нечего преобразовывать: %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <extracomment>%1 says what a folder given held none of.</extracomment>
        <translation>примечание: %1</translation>
    </message>
    <message>
        <source>not started: the run was stopped</source>
        <translation>не начато: обработка остановлена</translation>
    </message>
    <message>
        <source>not started: the run was refused</source>
        <translation>не начато: обработка отклонена</translation>
    </message>
    <message>
        <source>moved to the trash to make way for its result: %1</source>
        <extracomment>%1 is the file that was in the way, and where in the trash it went.</extracomment>
        <translation>перемещено в корзину, чтобы освободить место для результата: %1</translation>
    </message>
    <message>
        <source>not converted: %1: %2</source>
        <extracomment>%1 is the source, %2 the reason.</extracomment>
        <translation>не преобразовано: %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>; stopped by %1 before %n more started</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT; %n files were still to start.</extracomment>
        <translation>
            <numerusform>; остановлено сигналом %1 до запуска ещё %n файла</numerusform>
            <numerusform>; остановлено сигналом %1 до запуска ещё %n файлов</numerusform>
            <numerusform>; остановлено сигналом %1 до запуска ещё %n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>; stopped by %1</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT.</extracomment>
        <translation>; остановлено сигналом %1</translation>
    </message>
</context>
<context>
    <name>BatchPlan</name>
    <message>
        <source>its result would be outside the output folder</source>
        <extracomment>Why a file found in a folder was not converted with --keep-tree: its subfolder would lead out of the output folder.</extracomment>
        <translation>результат оказался бы вне выходной папки</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>--:-- left</source>
        <extracomment>In the progress line, before the time left can be estimated; &quot;--:--&quot; stands for the minutes and seconds.</extracomment>
        <translation>осталось --:--</translation>
    </message>
    <message>
        <source>[%1/%2] Processing: %3</source>
        <extracomment>A line for each file as it starts, when standard error is no terminal: %1 is the file&apos;s place in the run, %2 the files of the run, %3 the file&apos;s name.</extracomment>
        <translation>[%1/%2] Обработка: %3</translation>
    </message>
    <message>
        <source>%1x real time, %2 left</source>
        <extracomment>In the progress line: %1 is how many seconds of sound are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>%1x реального времени, осталось %2</translation>
    </message>
    <message>
        <source>%1 files/s, %2 left</source>
        <extracomment>In the progress line, when no file&apos;s length is known: %1 is how many files are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>%1 файлов/с, осталось %2</translation>
    </message>
    <message>
        <source>%1 of 1 file converted</source>
        <extracomment>The start of the progress line: %1 of the run&apos;s %n files are converted so far.</extracomment>
        <translation>преобразовано %1 из 1 файла</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted</source>
        <translation>
            <numerusform>преобразовано %1 из %n файла</numerusform>
            <numerusform>преобразовано %1 из %n файлов</numerusform>
            <numerusform>преобразовано %1 из %n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 up to date</source>
        <extracomment>Added to the progress line: %1 files were left as they were (--update).</extracomment>
        <translation>, уже актуальны: %1</translation>
    </message>
    <message>
        <source>, %1 not converted</source>
        <extracomment>Added to the progress line: %1 files were not converted.</extracomment>
        <translation>, не преобразовано: %1</translation>
    </message>
    <message>
        <source>stopping</source>
        <extracomment>In the progress line, once a stop was asked for, in place of the time left.</extracomment>
        <translation>остановка</translation>
    </message>
    <message>
        <source>, %1 elapsed, %2</source>
        <extracomment>Added to the progress line: %1 is the time since the start (minutes:seconds), %2 the pace and the time left, or &quot;stopping&quot;.</extracomment>
        <translation>, прошло %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>; Processing: %1 and %n more</source>
        <extracomment>The end of the progress line: %1 is the name of a file being converted, %n how many more are.</extracomment>
        <translation>
            <numerusform>; обработка: %1 и ещё %n файл</numerusform>
            <numerusform>; обработка: %1 и ещё %n файла</numerusform>
            <numerusform>; обработка: %1 и ещё %n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>; Processing: %1</source>
        <extracomment>The end of the progress line: %1 is the name of the file being converted.</extracomment>
        <translation>; обработка: %1</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>No files added.</source>
        <translation>Файлы не добавлены.</translation>
    </message>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>Папка не существует. Выберите другую папку.</translation>
    </message>
    <message>
        <source>No output format is chosen. Please select an output format.</source>
        <translation>Выходной формат не выбран. Выберите выходной формат.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Please wait.. </source>
        <translation>Подождите... </translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <extracomment>On the progress bar while a file converts; %1 is its name.</extracomment>
        <translation>Обработка: %1</translation>
    </message>
</context>
<context>
    <name>ConverterTool</name>
    <message>
        <source>Install FFmpeg with &quot;sudo apt install ffmpeg&quot;, or name the FFmpeg program to use in the environment variable LORVANE_FFMPEG.</source>
        <translation>Установите FFmpeg командой &quot;sudo apt install ffmpeg&quot; или укажите нужную программу FFmpeg в переменной окружения LORVANE_FFMPEG.</translation>
    </message>
    <message>
        <source>The program %1 cannot do the conversion: it lacks %2.

</source>
        <translation>Программа %1 не может выполнить преобразование: в ней нет %2.

</translation>
    </message>
    <message>
        <source>the encoder %1</source>
        <extracomment>Part of &quot;it lacks %2&quot;: an FFmpeg encoder&apos;s name, such as pcm_s16le.</extracomment>
        <translation>кодера %1</translation>
    </message>
    <message>
        <source>the Vorbis decoder</source>
        <translation>декодера Vorbis</translation>
    </message>
    <message>
        <source>the WAV writer</source>
        <translation>модуля записи WAV</translation>
    </message>
    <message>
        <source>FFmpeg, which does the conversion, was not found.

</source>
        <translation>Не найдена программа FFmpeg, которая выполняет преобразование.

</translation>
    </message>
    <message>
        <source>The converter %1 named in LORVANE_FFMPEG was not found.

</source>
        <translation>Конвертер %1, указанный в LORVANE_FFMPEG, не найден.

</translation>
    </message>
    <message>
        <source>The converter %1 was not found.

</source>
        <translation>Конвертер %1 не найден.

</translation>
    </message>
    <message>
        <source>The converter %1 is not an executable program.

</source>
        <translation>Конвертер %1 не является исполняемой программой.

</translation>
    </message>
    <message>
        <source>The converter %1 did not answer as FFmpeg does.

</source>
        <translation>Конвертер %1 отвечает не так, как FFmpeg.

</translation>
    </message>
    <message>
        <source>The converter %1 is %2, not FFmpeg itself.

</source>
        <translation>Конвертер %1 — это %2, а не сам FFmpeg.

</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show</source>
        <extracomment>The button on the desktop&apos;s notification that brings the window forward.</extracomment>
        <translation>Показать</translation>
    </message>
</context>
<context>
    <name>DesktopRun</name>
    <message>
        <source>Converting files</source>
        <extracomment>Why the machine is kept awake, as the desktop shows it to one about to suspend or log out.</extracomment>
        <translation>Преобразование файлов</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <extracomment>The heading of the desktop notification at the end of a run.</extracomment>
        <translation>Преобразование завершено</translation>
    </message>
    <message>
        <source>1 file converted.</source>
        <extracomment>The desktop notification&apos;s text after a run that converted every file.</extracomment>
        <translation>1 файл преобразован.</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted.</source>
        <translation>
            <numerusform>%n файл преобразован.</numerusform>
            <numerusform>%n файла преобразовано.</numerusform>
            <numerusform>%n файлов преобразовано.</numerusform>
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
        <translation>1 файл преобразован</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n файл преобразован</numerusform>
            <numerusform>%n файла преобразовано</numerusform>
            <numerusform>%n файлов преобразовано</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file not converted</source>
        <extracomment>The second half of &quot;N files converted, N files not converted.&quot;</extracomment>
        <translation>1 файл не преобразован</translation>
    </message>
    <message numerus="yes">
        <source>%n files not converted</source>
        <translation>
            <numerusform>%n файл не преобразован</numerusform>
            <numerusform>%n файла не преобразовано</numerusform>
            <numerusform>%n файлов не преобразовано</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please send a screenshot of this message to whoever provided this program.</source>
        <translation>Отправьте снимок экрана с этим сообщением тому, от кого вы получили эту программу.</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The last line of an error report; %1 is the e-mail address of the program&apos;s support.</extracomment>
        <translation>Отправьте снимок экрана с этим сообщением по адресу %1</translation>
    </message>
    <message>
        <source>%1 at line %2</source>
        <extracomment>The second line of an error report: where the failure happened. %1 is the place, in words of the program&apos;s own that stay as they are (&quot;in Tessaly2021/08/31.Form1.Form_Load&quot;), %2 the number of the step that failed.</extracomment>
        <translation>%1, строка %2</translation>
    </message>
    <message>
        <source>Application Error</source>
        <extracomment>Title of the box that reports a failure of the window.</extracomment>
        <translation>Ошибка приложения</translation>
    </message>
</context>
<context>
    <name>FormatTable</name>
    <message>
        <source>8-bit integer, unsigned</source>
        <translation>8-битное целое, без знака</translation>
    </message>
    <message>
        <source>16-bit integer, signed</source>
        <translation>16-битное целое, со знаком</translation>
    </message>
    <message>
        <source>8-bit µ-law, companded</source>
        <translation>8-битный µ-law, компандинг</translation>
    </message>
    <message>
        <source>24-bit integer, signed</source>
        <translation>24-битное целое, со знаком</translation>
    </message>
    <message>
        <source>32-bit floating point</source>
        <translation>32-битное с плавающей точкой</translation>
    </message>
    <message>
        <source>64-bit floating point</source>
        <translation>64-битное с плавающей точкой</translation>
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
        <translation>Использование: lorvane [ФАЙЛ|ПАПКА]...
  или:  lorvane --convert [ПАРАМЕТР]... ФАЙЛ|ПАПКА...
Преобразует файлы Ogg Vorbis и Opus в файлы WAV с помощью FFmpeg.

Без --convert Lorvane открывает своё окно и ставит в очередь указанные файлы
и все файлы каждой папки и её вложенных папок. Если ваше окно Lorvane уже
открыто, файлы и папки ставятся в очередь в нём. Окно принимает стандартные
параметры Qt (-style Fusion, -platform offscreen, -reverse, -stylesheet ФАЙЛ,
-display ДИСПЛЕЙ ...) и требует графического сеанса.

С --convert Lorvane преобразует файлы без окна и завершает работу. Каждый файл
становится файлом .wav с тем же именем. Формат и расположение, не заданные
здесь, берутся из выбора в окне (из его настроек, которые пакетный режим
никогда не меняет); итоговая строка сообщает, откуда взято каждое.

      --convert              преобразовать без окна
      --format=МЕТКА|НОМЕР   формат WAV, по его метке или номеру:
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
        <translation>      --output-folder=ПАПКА  сохранять результаты в ПАПКУ (должна существовать)
      --beside-source        сохранять каждый результат в папку исходного файла
      --extension=РАСШ[,...] брать из указанных папок файлы с окончанием .РАСШ
                             (по умолчанию: ogg,oga,opus; * — все файлы)
      --jobs=N               до N преобразований одновременно (от 1 до %1)
      --keep-tree            сохранять структуру папок внутри выходной папки:
                             ПАПКА/a/b.ogg становится ВЫХОД/a/b.wav
      --update               не трогать результат, созданный этой программой
                             из того же файла, если он новее исходного и полный
      --report=ФАЙЛ          записать в ФАЙЛ по строке JSON на каждый файл:
                             исходный файл, результат, итог, причина, а также
                             где в корзине оказался файл с именем результата
      --quiet                показывать только непреобразованные файлы и итог
  -h, --help                 показать эту справку и выйти
      --version              показать сведения о версии и выйти

Пока формат не выбран в окне, используется 16-bit PCM; пока не выбрана папка,
результаты сохраняются в папку рабочего стола (а если её нет — в домашнюю
папку).

Ход работы выводится в стандартный поток ошибок. Код возврата --convert:
0, если все файлы преобразованы или уже актуальны; 1, если некоторые — нет
(каждый из них указывается с причиной); 2 при ошибке использования или если
входные данные, выходную папку или сохранённую папку нельзя использовать
(тогда ничего не преобразуется); 128+N при остановке сигналом N.

Пример: lorvane --convert --format &quot;16-bit PCM&quot; --output-folder ~/wav ~/Music
</translation>
    </message>
    <message>
        <source>Try &apos;lorvane --help&apos; for more information.</source>
        <translation>Попробуйте &apos;lorvane --help&apos; для получения более подробного описания.</translation>
    </message>
</context>
<context>
    <name>LoopPoints</name>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 указан дважды</translation>
    </message>
    <message>
        <source>%1 without LOOPSTART</source>
        <translation>%1 без LOOPSTART</translation>
    </message>
    <message>
        <source>LOOPSTART without LOOPLENGTH or LOOPEND</source>
        <translation>LOOPSTART без LOOPLENGTH или LOOPEND</translation>
    </message>
    <message>
        <source>%1 is negative</source>
        <translation>значение %1 отрицательное</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 — не целое число</translation>
    </message>
    <message>
        <source>LOOPLENGTH is 0</source>
        <translation>LOOPLENGTH равен 0</translation>
    </message>
    <message>
        <source>LOOPEND is not after LOOPSTART</source>
        <translation>LOOPEND не позже LOOPSTART</translation>
    </message>
    <message>
        <source>LOOPLENGTH and LOOPEND disagree</source>
        <translation>LOOPLENGTH и LOOPEND противоречат друг другу</translation>
    </message>
    <message>
        <source>the loop runs past the end</source>
        <translation>петля выходит за конец звука</translation>
    </message>
    <message>
        <source>the result is no whole WAV file</source>
        <translation>результат не является полноценным файлом WAV</translation>
    </message>
    <message>
        <source>the loop does not survive the change of rate</source>
        <translation>петля не сохраняется при смене частоты дискретизации</translation>
    </message>
    <message>
        <source>the loop runs past the end of the result</source>
        <translation>петля выходит за конец результата</translation>
    </message>
    <message>
        <source>the loop lies beyond what a WAV sampler chunk can point at</source>
        <translation>петля лежит дальше, чем может указать блок сэмплера WAV</translation>
    </message>
    <message>
        <source>the result has no room for the sizes past 4 GiB</source>
        <translation>в результате нет места для размеров свыше 4 ГиБ</translation>
    </message>
    <message>
        <source>its loop tags were ignored: %1</source>
        <translation>его теги петли проигнорированы: %1</translation>
    </message>
    <message>
        <source>its loop points were left out: %1</source>
        <translation>его точки петли не записаны: %1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>the window program could not be found</source>
        <translation>не удалось найти оконную программу</translation>
    </message>
    <message>
        <source>the window program %1 could not be started: %2</source>
        <extracomment>%1 is the window program&apos;s file, %2 the system&apos;s reason.</extracomment>
        <translation>не удалось запустить оконную программу %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <extracomment>The file list&apos;s tooltip; &quot;| line&quot; is the edge of the list&apos;s one column, which the mouse drags to widen it.</extracomment>
        <translation>Перетащите файлы сюда. Дважды щёлкните по элементу, чтобы удалить его. Сдвиньте линию | вправо за край окна, чтобы увидеть полные имена.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <extracomment>What the progress bar at the foot of the window says while no file is converted.</extracomment>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Add OGG File(s)</source>
        <extracomment>Button: opens a file dialog to add Ogg files to the list.</extracomment>
        <translation>Добавить файлы OGG</translation>
    </message>
    <message>
        <source>Add All OGG File(s) In Folder</source>
        <extracomment>Button: asks for file endings and a folder, and adds the matching files in that folder and the folders in it.</extracomment>
        <translation>Добавить все OGG из папки</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Преобразовать</translation>
    </message>
    <message>
        <source>Clear List</source>
        <extracomment>Button: empties the file list.</extracomment>
        <translation>Очистить список</translation>
    </message>
    <message>
        <source>Load Sample/Example Files</source>
        <translation>Загрузить примеры</translation>
    </message>
    <message>
        <source>Output WAV Format</source>
        <extracomment>Caption of the frame around the drop-down of WAV formats.</extracomment>
        <translation>Выходной формат WAV</translation>
    </message>
    <message>
        <source>Save Option</source>
        <extracomment>Caption of the frame around the choice of where the WAV files are saved.</extracomment>
        <translation>Сохранение</translation>
    </message>
    <message>
        <source>Save results to this folder:</source>
        <extracomment>Option; the folder field follows it.</extracomment>
        <translation>Сохранять в эту папку:</translation>
    </message>
    <message>
        <source>Save results in folder of original file</source>
        <translation>Сохранять в папку исходного файла</translation>
    </message>
    <message>
        <source>OGG File(s)</source>
        <extracomment>Header of the file list&apos;s one column.</extracomment>
        <translation>Файлы OGG</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <extracomment>What a screen reader calls the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>Выбрать выходную папку</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <extracomment>What a screen reader calls the file list.</extracomment>
        <translation>Файлы для преобразования</translation>
    </message>
    <message>
        <source>Output folder</source>
        <extracomment>What a screen reader calls the field of the folder the WAV files are saved in.</extracomment>
        <translation>Выходная папка</translation>
    </message>
    <message>
        <source>Output WAV format</source>
        <extracomment>What a screen reader calls the drop-down of WAV formats.</extracomment>
        <translation>Выходной формат WAV</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <extracomment>Title of the folder dialogs of &quot;Add All OGG File(s) In Folder&quot; and of the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>Выберите папку:</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <extracomment>The failure shown when the hand pointer file beside the program is no picture.</extracomment>
        <translation>Недопустимое изображение</translation>
    </message>
    <message>
        <source>Enter file extension to load:</source>
        <extracomment>First line of the prompt of &quot;Add All OGG File(s) In Folder&quot;; the field below it takes file endings without their dot.</extracomment>
        <translation>Введите расширение загружаемых файлов:</translation>
    </message>
    <message>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <extracomment>Second line of the same prompt. The endings and the &quot;*&quot; are typed as they stand; only the words around them are translated.</extracomment>
        <translation>(* — все файлы, txt — все файлы txt, doc — все файлы doc и т. д.)</translation>
    </message>
    <message>
        <source>(several at once: ogg oga opus)</source>
        <extracomment>Third line of the same prompt: several endings go in at once, parted by blanks. The endings are typed as they stand.</extracomment>
        <translation>(несколько сразу: ogg oga opus)</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>Выбрано слишком много файлов для добавления.</translation>
    </message>
    <message>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <extracomment>&quot;Add All&quot; names the button &quot;Add All OGG File(s) In Folder&quot;.</extracomment>
        <translation>Попробуйте добавить их кнопкой «Добавить все».</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Открыть папку, в которой хранятся эти файлы-примеры (чтобы вы могли просмотреть их перед работой)?</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <extracomment>Title of the file dialog of &quot;Add OGG File(s)&quot;.</extracomment>
        <translation>Добавить файлы — удерживайте Ctrl, чтобы выбрать несколько</translation>
    </message>
    <message>
        <source>Ogg audio</source>
        <extracomment>The name of the file dialog&apos;s filter that shows Ogg Vorbis and Opus files.</extracomment>
        <translation>Аудио Ogg</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Все файлы</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>is not a file</source>
        <translation>не является файлом</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>не найден</translation>
    </message>
    <message>
        <source>could not be read (%1)</source>
        <translation>не удалось прочитать (%1)</translation>
    </message>
    <message>
        <source>could not be read as audio</source>
        <translation>не удалось прочитать как аудио</translation>
    </message>
    <message>
        <source>its result would have replaced a queued source</source>
        <translation>его результат заменил бы другой исходный файл из очереди</translation>
    </message>
    <message>
        <source>its result would have replaced the result of %1 (same name)</source>
        <translation>его результат заменил бы результат %1 (то же имя)</translation>
    </message>
    <message>
        <source>the result was incomplete</source>
        <translation>результат неполный</translation>
    </message>
    <message>
        <source>could not be read to its end (%1)</source>
        <translation>не удалось прочитать до конца (%1)</translation>
    </message>
    <message>
        <source>the result&apos;s length did not match the source</source>
        <translation>длительность результата не совпала с исходным файлом</translation>
    </message>
    <message>
        <source>the source is damaged (%1)</source>
        <translation>исходный файл повреждён (%1)</translation>
    </message>
    <message>
        <source>the source&apos;s length could not be read, so its result could not be checked</source>
        <translation>не удалось определить длительность исходного файла, поэтому результат не проверен</translation>
    </message>
    <message>
        <source>the result did not hold the chosen sample format</source>
        <translation>результат записан не в выбранном формате сэмплов</translation>
    </message>
    <message>
        <source>could not be written (%1)</source>
        <translation>не удалось записать (%1)</translation>
    </message>
    <message>
        <source>the converter wrote no result</source>
        <translation>конвертер не записал результат</translation>
    </message>
    <message>
        <source>the converter stopped before it finished</source>
        <translation>конвертер остановился, не завершив работу</translation>
    </message>
    <message>
        <source>the converter could not be started</source>
        <translation>не удалось запустить конвертер</translation>
    </message>
    <message>
        <source>no result path could be made for it</source>
        <translation>не удалось составить путь для результата</translation>
    </message>
    <message>
        <source>an older file of its result&apos;s name could not be moved to the trash (%1)</source>
        <translation>не удалось переместить в корзину старый файл с именем результата (%1)</translation>
    </message>
    <message>
        <source>the converter refused to replace a file of its result&apos;s name</source>
        <translation>конвертер отказался заменить файл с именем результата</translation>
    </message>
    <message>
        <source>the source ends early (incomplete file); its result holds what it had</source>
        <translation>исходный файл обрывается раньше времени (неполный файл); результат содержит то, что в нём было</translation>
    </message>
    <message>
        <source>the converter reported: %1</source>
        <translation>сообщение конвертера: %1</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>moved to the trash to make way for the results (&quot;Restore&quot; in the file manager puts them back)</source>
        <translation>перемещены в корзину, чтобы освободить место для результатов (вернуть их можно командой «Восстановить» в файловом менеджере)</translation>
    </message>
    <message>
        <source>%1, now %2</source>
        <extracomment>A file moved to the trash: its old name, then its name in the trash.</extracomment>
        <translation>%1, теперь %2</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The run&apos;s last word, on the progress bar and atop the closing message.</extracomment>
        <translation>Готово.</translation>
    </message>
    <message>
        <source>1 file could not be converted.</source>
        <translation>Не удалось преобразовать 1 файл.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Under a heading, after the first ten files it lists.</extracomment>
        <translation>
            <numerusform>и ещё %n файл</numerusform>
            <numerusform>и ещё %n файла</numerusform>
            <numerusform>и ещё %n файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted.</source>
        <translation>
            <numerusform>Не удалось преобразовать %n файл.</numerusform>
            <numerusform>Не удалось преобразовать %n файла.</numerusform>
            <numerusform>Не удалось преобразовать %n файлов.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SourceLook</name>
    <message>
        <source>its headers are damaged</source>
        <translation>повреждены его заголовки</translation>
    </message>
    <message>
        <source>its audio breaks off at %1 of %2</source>
        <extracomment>In &quot;The source is damaged (...)&quot;: where its sound stops, of how long it is.</extracomment>
        <translation>звук обрывается на %1 из %2</translation>
    </message>
    <message>
        <source>its audio breaks off at %1</source>
        <translation>звук обрывается на %1</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style, given last.</extracomment>
        <translation>нет значения после &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>неизвестный параметр &apos;%1&apos;</translation>
    </message>
    <message>
        <source>an empty name is no file or folder</source>
        <translation>пустое имя не может быть файлом или папкой</translation>
    </message>
    <message>
        <source>%1 is for --convert only</source>
        <extracomment>%1 is an option of the batch mode, such as --format.</extracomment>
        <translation>%1 действует только с --convert</translation>
    </message>
    <message>
        <source>%1 is for the window only</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style.</extracomment>
        <translation>%1 действует только для окна</translation>
    </message>
    <message>
        <source>no output format &apos;%1&apos;; choose one of %2</source>
        <extracomment>%1 is the value given; %2 lists the formats: 0 &quot;8-bit PCM&quot;, 1 &quot;16-bit PCM&quot; ...</extracomment>
        <translation>нет выходного формата &apos;%1&apos;; выберите один из: %2</translation>
    </message>
    <message>
        <source>--output-folder and --beside-source exclude each other</source>
        <translation>--output-folder и --beside-source исключают друг друга</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos; does not exist</source>
        <translation>выходная папка &apos;%1&apos; не существует</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no file extension</source>
        <translation>&apos;%1&apos; не является расширением файла</translation>
    </message>
    <message>
        <source>--jobs needs a whole number from 1 to %1, not &apos;%2&apos;</source>
        <extracomment>%1 is the most conversions at once; %2 is the value given.</extracomment>
        <translation>для --jobs нужно целое число от 1 до %1, а не &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; cannot be written: no such folder, or a folder</source>
        <translation>невозможно записать отчёт &apos;%1&apos;: нет такой папки или это папка</translation>
    </message>
    <message>
        <source>no files or folders to convert</source>
        <translation>нет файлов или папок для преобразования</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>start Lorvane as %1</source>
        <extracomment>A terminal line of lorvane-window started by itself with the batch mode&apos;s options; %1 is the command to start instead.</extracomment>
        <translation>запускайте Lorvane командой %1</translation>
    </message>
    <message>
        <source>the open Lorvane window did not take the files</source>
        <extracomment>A terminal line: a second start handed its files to the window already open, and that window did not answer.</extracomment>
        <translation>открытое окно Lorvane не приняло файлы</translation>
    </message>
</context>
<context>
    <name>WindowStart</name>
    <message>
        <source>Qt&apos;s platform &apos;%1&apos; could not be started</source>
        <extracomment>Why the window cannot open: %1 is what -platform or QT_QPA_PLATFORM asked for.</extracomment>
        <translation>не удалось запустить платформу Qt &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no display found</source>
        <extracomment>Why the window cannot open: neither DISPLAY nor WAYLAND_DISPLAY names one.</extracomment>
        <translation>дисплей не найден</translation>
    </message>
    <message>
        <source>the display %1 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the display&apos;s name, as &quot;:0&quot; or &quot;wayland-0&quot;.</extracomment>
        <translation>не удалось открыть дисплей %1</translation>
    </message>
    <message>
        <source>the displays %1 and %2 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the X11 display&apos;s name, %2 the Wayland one&apos;s.</extracomment>
        <translation>не удалось открыть дисплеи %1 и %2</translation>
    </message>
    <message>
        <source>needs a graphical session (%1); use `%2` to convert without a window</source>
        <extracomment>A terminal line. %1 is why the window cannot open; %2 the command that converts without a window, which stays as it is.</extracomment>
        <translation>нужен графический сеанс (%1); для преобразования без окна используйте `%2`</translation>
    </message>
</context>
</TS>
