<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AppError</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>无效的过程调用或参数</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>下标越界</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>类型不匹配</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>无效的属性值</translation>
    </message>
</context>
<context>
    <name>BatchInputs</name>
    <message>
        <source>%1 is a file, not a folder: leave out the trailing &apos;/&apos;</source>
        <translation>%1 是文件而不是文件夹：请去掉末尾的 &apos;/&apos;</translation>
    </message>
    <message>
        <source>%1: no such file or folder</source>
        <translation>%1：没有那个文件或文件夹</translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2)</source>
        <extracomment>%1 is a file or folder given; %2 is the system&apos;s reason.</extracomment>
        <translation>无法访问 %1（%2）</translation>
    </message>
    <message>
        <source>the output folder %1 takes no new files (%2)</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>无法在输出文件夹 %1 中创建新文件（%2）</translation>
    </message>
    <message>
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running 1 conversion at once</source>
        <extracomment>%1 is the variable&apos;s value; %2 is the most conversions at once; %n is how many run.</extracomment>
        <translation>警告：LORVANE_JOBS=&apos;%1&apos; 不是 1 到 %2 之间的整数；将每次只运行 1 个转换</translation>
    </message>
    <message numerus="yes">
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running %n conversions at once</source>
        <translation>
            <numerusform>警告：LORVANE_JOBS=&apos;%1&apos; 不是 1 到 %2 之间的整数；将同时运行 %n 个转换</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchMode</name>
    <message>
        <source>stopping after the files in hand; Ctrl+C again to stop now</source>
        <translation>将在处理完当前文件后停止；再按一次 Ctrl+C 可立即停止</translation>
    </message>
    <message>
        <source>stopping after the files in hand (%1); %1 again stops now</source>
        <extracomment>%1 is the signal&apos;s name, such as SIGTERM.</extracomment>
        <translation>将在处理完当前文件后停止（%1）；再次收到 %1 将立即停止</translation>
    </message>
    <message>
        <source>no files in %1 or its subfolders</source>
        <extracomment>%1 names the folders (%n of them) that held no file at all.</extracomment>
        <translation>%1 及其子文件夹中没有文件</translation>
    </message>
    <message numerus="yes">
        <source>no files in %1 or their subfolders</source>
        <translation>
            <numerusform>%1 及其子文件夹中没有文件</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The endings a folder was searched for: %1 lists all but the last (&quot;.ogg, .oga&quot;), %2 is the last (&quot;.opus&quot;).</extracomment>
        <translation>%1 或 %2</translation>
    </message>
    <message>
        <source>no %1 files in %2 or its subfolders; --extension chooses other endings (--extension=&apos;*&apos; takes every file)</source>
        <extracomment>%1 is the endings searched for (&quot;.ogg, .oga or .opus&quot;), %2 names the folders (%n of them). Keep the options as they are.</extracomment>
        <translation>%2 及其子文件夹中没有 %1 文件；可用 --extension 选择其他扩展名（--extension=&apos;*&apos; 选取所有文件）</translation>
    </message>
    <message numerus="yes">
        <source>no %1 files in %2 or their subfolders; --extension chooses other endings (--extension=&apos;*&apos; takes every file)</source>
        <translation>
            <numerusform>%2 及其子文件夹中没有 %1 文件；可用 --extension 选择其他扩展名（--extension=&apos;*&apos; 选取所有文件）</numerusform>
        </translation>
    </message>
    <message>
        <source>Application Error: %1</source>
        <extracomment>A line of a failure report, as the window&apos;s &quot;Application Error&quot; box would show it.</extracomment>
        <translation>应用程序错误：%1</translation>
    </message>
    <message>
        <source>the window&apos;s settings (%1) choose no output format; give one with --format</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>窗口设置（%1）中未选择输出格式；请用 --format 指定</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos;, the window&apos;s choice (stored in %2), does not exist; give one with --output-folder</source>
        <extracomment>%1 is the folder, %2 the settings file.</extracomment>
        <translation>窗口中选择的输出文件夹 &apos;%1&apos;（保存在 %2 中）不存在；请用 --output-folder 指定</translation>
    </message>
    <message>
        <source>the default output folder &apos;%1&apos; does not exist; give one with --output-folder</source>
        <translation>默认输出文件夹 &apos;%1&apos; 不存在；请用 --output-folder 指定</translation>
    </message>
    <message>
        <source>%1, the default</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, which nobody chose.</extracomment>
        <translation>%1（默认）</translation>
    </message>
    <message>
        <source>%1, the window&apos;s choice</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, as chosen in the window.</extracomment>
        <translation>%1（窗口中的选择）</translation>
    </message>
    <message>
        <source>results beside their sources</source>
        <translation>结果保存在源文件所在的文件夹</translation>
    </message>
    <message>
        <source>results in %1</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the output folder.</extracomment>
        <translation>结果保存在 %1</translation>
    </message>
    <message>
        <source>%1, source trees kept</source>
        <extracomment>In the batch mode&apos;s last line: %1 says where the results went; --keep-tree was given.</extracomment>
        <translation>%1，保留源文件夹结构</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>The batch mode&apos;s last line: %1 is the format, %2 where the results went.</extracomment>
        <translation>%1；%2</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>The time a short run took: %1 is in seconds.</extracomment>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 of 1 file converted, %2 up to date, %3 not converted, in %4</source>
        <extracomment>The batch mode&apos;s summary: %1 of the run&apos;s %n files were converted, %2 were up to date and %3 not converted; %4 is the time the run took.</extracomment>
        <translation>共 1 个文件：已转换 %1 个，%2 个已是最新，%3 个未转换，用时 %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted, %2 up to date, %3 not converted, in %4</source>
        <translation>
            <numerusform>共 %n 个文件：已转换 %1 个，%2 个已是最新，%3 个未转换，用时 %4</numerusform>
        </translation>
    </message>
    <message>
        <source>the report %1 was not written: %2</source>
        <extracomment>%1 is the report file, %2 the system&apos;s reason.</extracomment>
        <translation>未能写入报告 %1：%2</translation>
    </message>
    <message>
        <source>note: %1: %2</source>
        <extracomment>Something about a converted file worth knowing: %1 is the source, %2 what.</extracomment>
        <translation>提示：%1：%2</translation>
    </message>
    <message>
        <source>nothing to convert: %1</source>
        <extracomment>%1 says what the folders given held none of.</extracomment>
        <translation>没有可转换的文件：%1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <extracomment>%1 says what a folder given held none of.</extracomment>
        <translation>提示：%1</translation>
    </message>
    <message>
        <source>not started: the run was stopped</source>
        <translation>未开始：转换已被停止</translation>
    </message>
    <message>
        <source>not started: the run was refused</source>
        <translation>未开始：转换被拒绝</translation>
    </message>
    <message>
        <source>moved to the trash to make way for its result: %1</source>
        <extracomment>%1 is the file that was in the way, and where in the trash it went.</extracomment>
        <translation>已移到回收站，为结果腾出位置：%1</translation>
    </message>
    <message>
        <source>not converted: %1: %2</source>
        <extracomment>%1 is the source, %2 the reason.</extracomment>
        <translation>未转换：%1：%2</translation>
    </message>
    <message numerus="yes">
        <source>; stopped by %1 before %n more started</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT; %n files were still to start.</extracomment>
        <translation>
            <numerusform>；因 %1 而停止，另有 %n 个文件未开始</numerusform>
        </translation>
    </message>
    <message>
        <source>; stopped by %1</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT.</extracomment>
        <translation>；因 %1 而停止</translation>
    </message>
</context>
<context>
    <name>BatchPlan</name>
    <message>
        <source>its result would be outside the output folder</source>
        <extracomment>Why a file found in a folder was not converted with --keep-tree: its subfolder would lead out of the output folder.</extracomment>
        <translation>其结果将位于输出文件夹之外</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>--:-- left</source>
        <extracomment>In the progress line, before the time left can be estimated; &quot;--:--&quot; stands for the minutes and seconds.</extracomment>
        <translation>剩余 --:--</translation>
    </message>
    <message>
        <source>[%1/%2] Processing: %3</source>
        <extracomment>A line for each file as it starts, when standard error is no terminal: %1 is the file&apos;s place in the run, %2 the files of the run, %3 the file&apos;s name.</extracomment>
        <translation>[%1/%2] 正在处理：%3</translation>
    </message>
    <message>
        <source>%1x real time, %2 left</source>
        <extracomment>In the progress line: %1 is how many seconds of sound are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>%1 倍速，剩余 %2</translation>
    </message>
    <message>
        <source>%1 files/s, %2 left</source>
        <extracomment>In the progress line, when no file&apos;s length is known: %1 is how many files are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>%1 个文件/秒，剩余 %2</translation>
    </message>
    <message>
        <source>%1 of 1 file converted</source>
        <extracomment>The start of the progress line: %1 of the run&apos;s %n files are converted so far.</extracomment>
        <translation>已转换 %1/1 个文件</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted</source>
        <translation>
            <numerusform>已转换 %1/%n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 up to date</source>
        <extracomment>Added to the progress line: %1 files were left as they were (--update).</extracomment>
        <translation>，%1 个已是最新</translation>
    </message>
    <message>
        <source>, %1 not converted</source>
        <extracomment>Added to the progress line: %1 files were not converted.</extracomment>
        <translation>，%1 个未转换</translation>
    </message>
    <message>
        <source>stopping</source>
        <extracomment>In the progress line, once a stop was asked for, in place of the time left.</extracomment>
        <translation>正在停止</translation>
    </message>
    <message>
        <source>, %1 elapsed, %2</source>
        <extracomment>Added to the progress line: %1 is the time since the start (minutes:seconds), %2 the pace and the time left, or &quot;stopping&quot;.</extracomment>
        <translation>，已用 %1，%2</translation>
    </message>
    <message numerus="yes">
        <source>; Processing: %1 and %n more</source>
        <extracomment>The end of the progress line: %1 is the name of a file being converted, %n how many more are.</extracomment>
        <translation>
            <numerusform>；正在处理：%1 及另外 %n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>; Processing: %1</source>
        <extracomment>The end of the progress line: %1 is the name of the file being converted.</extracomment>
        <translation>；正在处理：%1</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>No files added.</source>
        <translation>未添加任何文件。</translation>
    </message>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>文件夹不存在。请选择其他文件夹。</translation>
    </message>
    <message>
        <source>No output format is chosen. Please select an output format.</source>
        <translation>未选择输出格式。请选择一种输出格式。</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>进度条</translation>
    </message>
    <message>
        <source>Please wait.. </source>
        <translation>请稍候… </translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <extracomment>On the progress bar while a file converts; %1 is its name.</extracomment>
        <translation>正在处理：%1</translation>
    </message>
</context>
<context>
    <name>ConverterTool</name>
    <message>
        <source>Install FFmpeg with &quot;sudo apt install ffmpeg&quot;, or name the FFmpeg program to use in the environment variable LORVANE_FFMPEG.</source>
        <translation>请用 &quot;sudo apt install ffmpeg&quot; 安装 FFmpeg，或在环境变量 LORVANE_FFMPEG 中指定要使用的 FFmpeg 程序。</translation>
    </message>
    <message>
        <source>The program %1 cannot do the conversion: it lacks %2.

</source>
        <translation>程序 %1 无法进行转换，它缺少：%2。

</translation>
    </message>
    <message>
        <source>the encoder %1</source>
        <extracomment>Part of &quot;it lacks %2&quot;: an FFmpeg encoder&apos;s name, such as pcm_s16le.</extracomment>
        <translation>编码器 %1</translation>
    </message>
    <message>
        <source>the Vorbis decoder</source>
        <translation>Vorbis 解码器</translation>
    </message>
    <message>
        <source>the WAV writer</source>
        <translation>WAV 写入模块</translation>
    </message>
    <message>
        <source>FFmpeg, which does the conversion, was not found.

</source>
        <translation>找不到用于转换的 FFmpeg。

</translation>
    </message>
    <message>
        <source>The converter %1 named in LORVANE_FFMPEG was not found.

</source>
        <translation>找不到 LORVANE_FFMPEG 中指定的转换程序 %1。

</translation>
    </message>
    <message>
        <source>The converter %1 was not found.

</source>
        <translation>找不到转换程序 %1。

</translation>
    </message>
    <message>
        <source>The converter %1 is not an executable program.

</source>
        <translation>转换程序 %1 不是可执行程序。

</translation>
    </message>
    <message>
        <source>The converter %1 did not answer as FFmpeg does.

</source>
        <translation>转换程序 %1 的响应与 FFmpeg 不符。

</translation>
    </message>
    <message>
        <source>The converter %1 is %2, not FFmpeg itself.

</source>
        <translation>转换程序 %1 是 %2，而不是 FFmpeg 本身。

</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show</source>
        <extracomment>The button on the desktop&apos;s notification that brings the window forward.</extracomment>
        <translation>显示</translation>
    </message>
</context>
<context>
    <name>DesktopRun</name>
    <message>
        <source>Converting files</source>
        <extracomment>Why the machine is kept awake, as the desktop shows it to one about to suspend or log out.</extracomment>
        <translation>正在转换文件</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <extracomment>The heading of the desktop notification at the end of a run.</extracomment>
        <translation>转换完成</translation>
    </message>
    <message>
        <source>1 file converted.</source>
        <extracomment>The desktop notification&apos;s text after a run that converted every file.</extracomment>
        <translation>已转换 1 个文件。</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted.</source>
        <translation>
            <numerusform>已转换 %n 个文件。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2.</source>
        <extracomment>The desktop notification&apos;s text after a run that left files out: %1 is &quot;N files converted&quot;, %2 &quot;N files not converted&quot;.</extracomment>
        <translation>%1，%2。</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <extracomment>The first half of &quot;N files converted, N files not converted.&quot;</extracomment>
        <translation>已转换 1 个文件</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>已转换 %n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file not converted</source>
        <extracomment>The second half of &quot;N files converted, N files not converted.&quot;</extracomment>
        <translation>1 个文件未转换</translation>
    </message>
    <message numerus="yes">
        <source>%n files not converted</source>
        <translation>
            <numerusform>%n 个文件未转换</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please send a screenshot of this message to whoever provided this program.</source>
        <translation>请将此消息的截图发送给本程序的提供者。</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The last line of an error report; %1 is the e-mail address of the program&apos;s support.</extracomment>
        <translation>请将此消息的截图通过电子邮件发送至 %1</translation>
    </message>
    <message>
        <source>%1 at line %2</source>
        <extracomment>The second line of an error report: where the failure happened. %1 is the place, in words of the program&apos;s own that stay as they are (&quot;in Tessaly2021/08/31.Form1.Form_Load&quot;), %2 the number of the step that failed.</extracomment>
        <translation>%1，第 %2 行</translation>
    </message>
    <message>
        <source>Application Error</source>
        <extracomment>Title of the box that reports a failure of the window.</extracomment>
        <translation>应用程序错误</translation>
    </message>
</context>
<context>
    <name>FormatTable</name>
    <message>
        <source>8-bit integer, unsigned</source>
        <translation>8 位整数，无符号</translation>
    </message>
    <message>
        <source>16-bit integer, signed</source>
        <translation>16 位整数，有符号</translation>
    </message>
    <message>
        <source>8-bit µ-law, companded</source>
        <translation>8 位 µ-law，压扩</translation>
    </message>
    <message>
        <source>24-bit integer, signed</source>
        <translation>24 位整数，有符号</translation>
    </message>
    <message>
        <source>32-bit floating point</source>
        <translation>32 位浮点</translation>
    </message>
    <message>
        <source>64-bit floating point</source>
        <translation>64 位浮点</translation>
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
        <translation>用法：lorvane [FILE|FOLDER]...
&#x3000;或：lorvane --convert [OPTION]... FILE|FOLDER...
使用 FFmpeg 将 Ogg Vorbis 和 Opus 文件转换为 WAV 文件。

不带 --convert 时，Lorvane 会打开窗口，并将给出的文件以及每个文件夹
及其子文件夹中的所有文件加入列表。如果您已打开了一个 Lorvane 窗口，
这些文件和文件夹会改为加入该窗口的列表。窗口接受 Qt 的标准选项
（-style Fusion、-platform offscreen、-reverse、-stylesheet FILE、
-display DISPLAY ...），并且需要图形会话。

使用 --convert 时，Lorvane 不打开窗口，转换完成后即退出。每个文件都会
转换为同名的 .wav 文件。此处未指定的格式和保存位置沿用窗口中的选择
（即窗口的设置，批处理模式从不更改它们）；摘要会说明每一项的来源。

      --convert              不打开窗口，直接转换
      --format=LABEL|INDEX   WAV 格式，可用其标签或序号指定：
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
        <translation>      --output-folder=DIR    将结果保存到 DIR（该文件夹必须已存在）
      --beside-source        将每个结果保存到其源文件所在的文件夹
      --extension=EXT[,EXT]  从给出的文件夹中选取以 .EXT 结尾的文件
                             （默认：ogg,oga,opus；* 表示所有文件）
      --jobs=N               最多同时进行 N 个转换（1 到 %1）
      --keep-tree            在输出文件夹下保留每个文件夹的目录结构：
                             FOLDER/a/b.ogg 变为 OUTPUT/a/b.wav
      --update               如果本程序已用同一源文件生成过结果，且该结果
                             比源文件新并且完整，则保留该结果不变
      --report=FILE          为每个文件向 FILE 写入一行 JSON：源文件、
                             结果文件、处理结果、原因，以及与结果同名的
                             文件被移到回收站中的位置
      --quiet                只显示未转换的文件和摘要
  -h, --help                 显示此帮助信息并退出
      --version              显示版本信息并退出

在窗口中选择格式之前，格式为 16-bit PCM；在窗口中选择文件夹之前，
结果保存到桌面文件夹（没有桌面文件夹时保存到主文件夹）。

进度信息输出到标准错误。--convert 的退出状态：0 表示所有文件均已转换
或已是最新；1 表示有文件未转换（每个文件都会连同原因一起列出）；2 表示
用法错误，或输入、输出文件夹或已保存的文件夹无法使用（此时不转换任何
文件）；128+N 表示被信号 N 停止。

示例：lorvane --convert --format &quot;16-bit PCM&quot; --output-folder ~/wav ~/Music
</translation>
    </message>
    <message>
        <source>Try &apos;lorvane --help&apos; for more information.</source>
        <translation>请尝试执行 &apos;lorvane --help&apos; 来获取更多信息。</translation>
    </message>
</context>
<context>
    <name>LoopPoints</name>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 被重复指定</translation>
    </message>
    <message>
        <source>%1 without LOOPSTART</source>
        <translation>有 %1 但没有 LOOPSTART</translation>
    </message>
    <message>
        <source>LOOPSTART without LOOPLENGTH or LOOPEND</source>
        <translation>有 LOOPSTART 但没有 LOOPLENGTH 或 LOOPEND</translation>
    </message>
    <message>
        <source>%1 is negative</source>
        <translation>%1 为负数</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 不是整数</translation>
    </message>
    <message>
        <source>LOOPLENGTH is 0</source>
        <translation>LOOPLENGTH 为 0</translation>
    </message>
    <message>
        <source>LOOPEND is not after LOOPSTART</source>
        <translation>LOOPEND 不在 LOOPSTART 之后</translation>
    </message>
    <message>
        <source>LOOPLENGTH and LOOPEND disagree</source>
        <translation>LOOPLENGTH 与 LOOPEND 不一致</translation>
    </message>
    <message>
        <source>the loop runs past the end</source>
        <translation>循环超出了音频结尾</translation>
    </message>
    <message>
        <source>the result is no whole WAV file</source>
        <translation>结果不是完整的 WAV 文件</translation>
    </message>
    <message>
        <source>the loop does not survive the change of rate</source>
        <translation>采样率改变后无法保留循环</translation>
    </message>
    <message>
        <source>the loop runs past the end of the result</source>
        <translation>循环超出了结果的结尾</translation>
    </message>
    <message>
        <source>the loop lies beyond what a WAV sampler chunk can point at</source>
        <translation>循环位置超出了 WAV 采样器块（smpl）所能指向的范围</translation>
    </message>
    <message>
        <source>the result has no room for the sizes past 4 GiB</source>
        <translation>结果中没有空间记录超过 4 GiB 的大小</translation>
    </message>
    <message>
        <source>its loop tags were ignored: %1</source>
        <translation>已忽略其循环标签：%1</translation>
    </message>
    <message>
        <source>its loop points were left out: %1</source>
        <translation>未写入其循环点：%1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>the window program could not be found</source>
        <translation>找不到窗口程序</translation>
    </message>
    <message>
        <source>the window program %1 could not be started: %2</source>
        <extracomment>%1 is the window program&apos;s file, %2 the system&apos;s reason.</extracomment>
        <translation>无法启动窗口程序 %1：%2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <extracomment>The file list&apos;s tooltip; &quot;| line&quot; is the edge of the list&apos;s one column, which the mouse drags to widen it.</extracomment>
        <translation>将文件拖放到此处。双击某一项可将其移除。将 | 线向右拖出窗口可显示完整名称。</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <extracomment>What the progress bar at the foot of the window says while no file is converted.</extracomment>
        <translation>进度条</translation>
    </message>
    <message>
        <source>Add OGG File(s)</source>
        <extracomment>Button: opens a file dialog to add Ogg files to the list.</extracomment>
        <translation>添加 OGG 文件</translation>
    </message>
    <message>
        <source>Add All OGG File(s) In Folder</source>
        <extracomment>Button: asks for file endings and a folder, and adds the matching files in that folder and the folders in it.</extracomment>
        <translation>添加文件夹中的全部 OGG 文件</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>开始转换</translation>
    </message>
    <message>
        <source>Clear List</source>
        <extracomment>Button: empties the file list.</extracomment>
        <translation>清空列表</translation>
    </message>
    <message>
        <source>Load Sample/Example Files</source>
        <translation>加载示例文件</translation>
    </message>
    <message>
        <source>Output WAV Format</source>
        <extracomment>Caption of the frame around the drop-down of WAV formats.</extracomment>
        <translation>输出 WAV 格式</translation>
    </message>
    <message>
        <source>Save Option</source>
        <extracomment>Caption of the frame around the choice of where the WAV files are saved.</extracomment>
        <translation>保存选项</translation>
    </message>
    <message>
        <source>Save results to this folder:</source>
        <extracomment>Option; the folder field follows it.</extracomment>
        <translation>将结果保存到此文件夹：</translation>
    </message>
    <message>
        <source>Save results in folder of original file</source>
        <translation>将结果保存到原文件所在的文件夹</translation>
    </message>
    <message>
        <source>OGG File(s)</source>
        <extracomment>Header of the file list&apos;s one column.</extracomment>
        <translation>OGG 文件</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <extracomment>What a screen reader calls the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>选择输出文件夹</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <extracomment>What a screen reader calls the file list.</extracomment>
        <translation>要转换的文件</translation>
    </message>
    <message>
        <source>Output folder</source>
        <extracomment>What a screen reader calls the field of the folder the WAV files are saved in.</extracomment>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>Output WAV format</source>
        <extracomment>What a screen reader calls the drop-down of WAV formats.</extracomment>
        <translation>输出 WAV 格式</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <extracomment>Title of the folder dialogs of &quot;Add All OGG File(s) In Folder&quot; and of the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>请选择文件夹：</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <extracomment>The failure shown when the hand pointer file beside the program is no picture.</extracomment>
        <translation>无效的图片</translation>
    </message>
    <message>
        <source>Enter file extension to load:</source>
        <extracomment>First line of the prompt of &quot;Add All OGG File(s) In Folder&quot;; the field below it takes file endings without their dot.</extracomment>
        <translation>请输入要加载的文件扩展名：</translation>
    </message>
    <message>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <extracomment>Second line of the same prompt. The endings and the &quot;*&quot; are typed as they stand; only the words around them are translated.</extracomment>
        <translation>（* 表示所有文件，txt 表示所有 txt 文件，doc 表示所有 doc 文件，依此类推）</translation>
    </message>
    <message>
        <source>(several at once: ogg oga opus)</source>
        <extracomment>Third line of the same prompt: several endings go in at once, parted by blanks. The endings are typed as they stand.</extracomment>
        <translation>（可一次输入多个：ogg oga opus）</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>您选择要添加的文件太多。</translation>
    </message>
    <message>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <extracomment>&quot;Add All&quot; names the button &quot;Add All OGG File(s) In Folder&quot;.</extracomment>
        <translation>请尝试使用“添加文件夹中的全部 OGG 文件”按钮添加。</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>是否打开存放这些示例文件的文件夹（以便您在使用前先查看它们）？</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <extracomment>Title of the file dialog of &quot;Add OGG File(s)&quot;.</extracomment>
        <translation>添加文件 - 按住 Ctrl 可选择多个文件</translation>
    </message>
    <message>
        <source>Ogg audio</source>
        <extracomment>The name of the file dialog&apos;s filter that shows Ogg Vorbis and Opus files.</extracomment>
        <translation>Ogg 音频</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>所有文件</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>is not a file</source>
        <translation>不是文件</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>找不到该文件</translation>
    </message>
    <message>
        <source>could not be read (%1)</source>
        <translation>无法读取（%1）</translation>
    </message>
    <message>
        <source>could not be read as audio</source>
        <translation>无法作为音频读取</translation>
    </message>
    <message>
        <source>its result would have replaced a queued source</source>
        <translation>其结果会覆盖列表中的另一个源文件</translation>
    </message>
    <message>
        <source>its result would have replaced the result of %1 (same name)</source>
        <translation>其结果会覆盖 %1 的结果（两者同名）</translation>
    </message>
    <message>
        <source>the result was incomplete</source>
        <translation>结果不完整</translation>
    </message>
    <message>
        <source>could not be read to its end (%1)</source>
        <translation>无法读取到文件末尾（%1）</translation>
    </message>
    <message>
        <source>the result&apos;s length did not match the source</source>
        <translation>结果的长度与源文件不一致</translation>
    </message>
    <message>
        <source>the source is damaged (%1)</source>
        <translation>源文件已损坏（%1）</translation>
    </message>
    <message>
        <source>the source&apos;s length could not be read, so its result could not be checked</source>
        <translation>无法读取源文件的长度，因此无法检查其结果</translation>
    </message>
    <message>
        <source>the result did not hold the chosen sample format</source>
        <translation>结果不是所选的采样格式</translation>
    </message>
    <message>
        <source>could not be written (%1)</source>
        <translation>无法写入（%1）</translation>
    </message>
    <message>
        <source>the converter wrote no result</source>
        <translation>转换程序没有写出结果</translation>
    </message>
    <message>
        <source>the converter stopped before it finished</source>
        <translation>转换程序在完成前停止了</translation>
    </message>
    <message>
        <source>the converter could not be started</source>
        <translation>无法启动转换程序</translation>
    </message>
    <message>
        <source>no result path could be made for it</source>
        <translation>无法为其生成结果路径</translation>
    </message>
    <message>
        <source>an older file of its result&apos;s name could not be moved to the trash (%1)</source>
        <translation>无法将与结果同名的旧文件移到回收站（%1）</translation>
    </message>
    <message>
        <source>the converter refused to replace a file of its result&apos;s name</source>
        <translation>转换程序拒绝覆盖与结果同名的文件</translation>
    </message>
    <message>
        <source>the source ends early (incomplete file); its result holds what it had</source>
        <translation>源文件提前结束（文件不完整）；结果只包含其已有的内容</translation>
    </message>
    <message>
        <source>the converter reported: %1</source>
        <translation>转换程序报告：%1</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>moved to the trash to make way for the results (&quot;Restore&quot; in the file manager puts them back)</source>
        <translation>为给结果腾出位置而移到回收站（在文件管理器中选择“恢复”可将其放回原处）</translation>
    </message>
    <message>
        <source>%1, now %2</source>
        <extracomment>A file moved to the trash: its old name, then its name in the trash.</extracomment>
        <translation>%1，在回收站中名为 %2</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The run&apos;s last word, on the progress bar and atop the closing message.</extracomment>
        <translation>已完成。</translation>
    </message>
    <message>
        <source>1 file could not be converted.</source>
        <translation>1 个文件无法转换。</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Under a heading, after the first ten files it lists.</extracomment>
        <translation>
            <numerusform>以及另外 %n 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted.</source>
        <translation>
            <numerusform>%n 个文件无法转换。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SourceLook</name>
    <message>
        <source>its headers are damaged</source>
        <translation>文件头已损坏</translation>
    </message>
    <message>
        <source>its audio breaks off at %1 of %2</source>
        <extracomment>In &quot;The source is damaged (...)&quot;: where its sound stops, of how long it is.</extracomment>
        <translation>音频在 %1 处中断（总长 %2）</translation>
    </message>
    <message>
        <source>its audio breaks off at %1</source>
        <translation>音频在 %1 处中断</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style, given last.</extracomment>
        <translation>&apos;%1&apos; 后缺少值</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>an empty name is no file or folder</source>
        <translation>空名称不是文件或文件夹</translation>
    </message>
    <message>
        <source>%1 is for --convert only</source>
        <extracomment>%1 is an option of the batch mode, such as --format.</extracomment>
        <translation>%1 只能与 --convert 一起使用</translation>
    </message>
    <message>
        <source>%1 is for the window only</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style.</extracomment>
        <translation>%1 只能用于窗口模式</translation>
    </message>
    <message>
        <source>no output format &apos;%1&apos;; choose one of %2</source>
        <extracomment>%1 is the value given; %2 lists the formats: 0 &quot;8-bit PCM&quot;, 1 &quot;16-bit PCM&quot; ...</extracomment>
        <translation>没有输出格式 &apos;%1&apos;；请从以下格式中选择：%2</translation>
    </message>
    <message>
        <source>--output-folder and --beside-source exclude each other</source>
        <translation>--output-folder 和 --beside-source 不能同时使用</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos; does not exist</source>
        <translation>输出文件夹 &apos;%1&apos; 不存在</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no file extension</source>
        <translation>&apos;%1&apos; 不是文件扩展名</translation>
    </message>
    <message>
        <source>--jobs needs a whole number from 1 to %1, not &apos;%2&apos;</source>
        <extracomment>%1 is the most conversions at once; %2 is the value given.</extracomment>
        <translation>--jobs 需要 1 到 %1 之间的整数，而不是 &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; cannot be written: no such folder, or a folder</source>
        <translation>无法写入报告 &apos;%1&apos;：所在文件夹不存在，或该路径是一个文件夹</translation>
    </message>
    <message>
        <source>no files or folders to convert</source>
        <translation>没有要转换的文件或文件夹</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>start Lorvane as %1</source>
        <extracomment>A terminal line of lorvane-window started by itself with the batch mode&apos;s options; %1 is the command to start instead.</extracomment>
        <translation>请用 %1 命令启动 Lorvane</translation>
    </message>
    <message>
        <source>the open Lorvane window did not take the files</source>
        <extracomment>A terminal line: a second start handed its files to the window already open, and that window did not answer.</extracomment>
        <translation>已打开的 Lorvane 窗口没有接收这些文件</translation>
    </message>
</context>
<context>
    <name>WindowStart</name>
    <message>
        <source>Qt&apos;s platform &apos;%1&apos; could not be started</source>
        <extracomment>Why the window cannot open: %1 is what -platform or QT_QPA_PLATFORM asked for.</extracomment>
        <translation>无法启动 Qt 平台 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no display found</source>
        <extracomment>Why the window cannot open: neither DISPLAY nor WAYLAND_DISPLAY names one.</extracomment>
        <translation>未找到显示</translation>
    </message>
    <message>
        <source>the display %1 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the display&apos;s name, as &quot;:0&quot; or &quot;wayland-0&quot;.</extracomment>
        <translation>无法打开显示 %1</translation>
    </message>
    <message>
        <source>the displays %1 and %2 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the X11 display&apos;s name, %2 the Wayland one&apos;s.</extracomment>
        <translation>无法打开显示 %1 和 %2</translation>
    </message>
    <message>
        <source>needs a graphical session (%1); use `%2` to convert without a window</source>
        <extracomment>A terminal line. %1 is why the window cannot open; %2 the command that converts without a window, which stays as it is.</extracomment>
        <translation>需要图形会话（%1）；如需在无窗口模式下转换，请使用 `%2`</translation>
    </message>
</context>
</TS>
