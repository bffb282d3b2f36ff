<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AppError</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>プロシージャの呼び出し、または引数が不正です</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>オーバーフローしました</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>インデックスが有効範囲にありません</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>型が一致しません</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>プロパティの値が不正です</translation>
    </message>
</context>
<context>
    <name>BatchInputs</name>
    <message>
        <source>%1 is a file, not a folder: leave out the trailing &apos;/&apos;</source>
        <translation>%1 はフォルダーではなくファイルです: 末尾の &apos;/&apos; を外してください</translation>
    </message>
    <message>
        <source>%1: no such file or folder</source>
        <translation>%1: そのようなファイルやフォルダーはありません</translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2)</source>
        <extracomment>%1 is a file or folder given; %2 is the system&apos;s reason.</extracomment>
        <translation>%1 にアクセスできません (%2)</translation>
    </message>
    <message>
        <source>the output folder %1 takes no new files (%2)</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>出力フォルダー %1 に新しいファイルを作成できません (%2)</translation>
    </message>
    <message>
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running 1 conversion at once</source>
        <extracomment>%1 is the variable&apos;s value; %2 is the most conversions at once; %n is how many run.</extracomment>
        <translation>警告: LORVANE_JOBS=&apos;%1&apos; は 1 から %2 までの整数ではありません。同時変換数を 1 にします</translation>
    </message>
    <message numerus="yes">
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running %n conversions at once</source>
        <translation>
            <numerusform>警告: LORVANE_JOBS=&apos;%1&apos; は 1 から %2 までの整数ではありません。同時変換数を %n にします</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchMode</name>
    <message>
        <source>stopping after the files in hand; Ctrl+C again to stop now</source>
        <translation>処理中のファイルが終わったら停止します。すぐに停止するには、もう一度 Ctrl+C を押してください</translation>
    </message>
    <message>
        <source>stopping after the files in hand (%1); %1 again stops now</source>
        <extracomment>%1 is the signal&apos;s name, such as SIGTERM.</extracomment>
        <translation>処理中のファイルが終わったら停止します (%1)。もう一度 %1 を受け取るとすぐに停止します</translation>
    </message>
    <message>
        <source>no files in %1 or its subfolders</source>
        <extracomment>%1 names the folders (%n of them) that held no file at all.</extracomment>
        <translation>%1 とそのサブフォルダーにファイルがありません</translation>
    </message>
    <message numerus="yes">
        <source>no files in %1 or their subfolders</source>
        <translation>
            <numerusform>%1 とそれらのサブフォルダーにファイルがありません</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The endings a folder was searched for: %1 lists all but the last (&quot;.ogg, .oga&quot;), %2 is the last (&quot;.opus&quot;).</extracomment>
        <translation>%1 または %2</translation>
    </message>
    <message>
        <source>no %1 files in %2 or its subfolders; --extension chooses other endings (--extension=&apos;*&apos; takes every file)</source>
        <extracomment>%1 is the endings searched for (&quot;.ogg, .oga or .opus&quot;), %2 names the folders (%n of them). Keep the options as they are.</extracomment>
        <translation>%2 とそのサブフォルダーに %1 ファイルがありません。ほかの拡張子は --extension で指定できます (--extension=&apos;*&apos; ですべてのファイルが対象になります)</translation>
    </message>
    <message numerus="yes">
        <source>no %1 files in %2 or their subfolders; --extension chooses other endings (--extension=&apos;*&apos; takes every file)</source>
        <translation>
            <numerusform>%2 とそれらのサブフォルダーに %1 ファイルがありません。ほかの拡張子は --extension で指定できます (--extension=&apos;*&apos; ですべてのファイルが対象になります)</numerusform>
        </translation>
    </message>
    <message>
        <source>Application Error: %1</source>
        <extracomment>A line of a failure report, as the window&apos;s &quot;Application Error&quot; box would show it.</extracomment>
        <translation>アプリケーションエラー: %1</translation>
    </message>
    <message>
        <source>the window&apos;s settings (%1) choose no output format; give one with --format</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>ウィンドウの設定 (%1) で出力形式が選ばれていません。--format で指定してください</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos;, the window&apos;s choice (stored in %2), does not exist; give one with --output-folder</source>
        <extracomment>%1 is the folder, %2 the settings file.</extracomment>
        <translation>ウィンドウで選んだ出力フォルダー &apos;%1&apos; (%2 に保存) が存在しません。--output-folder で指定してください</translation>
    </message>
    <message>
        <source>the default output folder &apos;%1&apos; does not exist; give one with --output-folder</source>
        <translation>既定の出力フォルダー &apos;%1&apos; が存在しません。--output-folder で指定してください</translation>
    </message>
    <message>
        <source>%1, the default</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, which nobody chose.</extracomment>
        <translation>%1 (既定)</translation>
    </message>
    <message>
        <source>%1, the window&apos;s choice</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, as chosen in the window.</extracomment>
        <translation>%1 (ウィンドウでの選択)</translation>
    </message>
    <message>
        <source>results beside their sources</source>
        <translation>出力先は変換元と同じフォルダー</translation>
    </message>
    <message>
        <source>results in %1</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the output folder.</extracomment>
        <translation>出力先 %1</translation>
    </message>
    <message>
        <source>%1, source trees kept</source>
        <extracomment>In the batch mode&apos;s last line: %1 says where the results went; --keep-tree was given.</extracomment>
        <translation>%1、フォルダー構成を維持</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>The batch mode&apos;s last line: %1 is the format, %2 where the results went.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>The time a short run took: %1 is in seconds.</extracomment>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 of 1 file converted, %2 up to date, %3 not converted, in %4</source>
        <extracomment>The batch mode&apos;s summary: %1 of the run&apos;s %n files were converted, %2 were up to date and %3 not converted; %4 is the time the run took.</extracomment>
        <translation>1 個中 %1 個のファイルを変換, 最新 %2 個, 未変換 %3 個, 所要時間 %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted, %2 up to date, %3 not converted, in %4</source>
        <translation>
            <numerusform>%n 個中 %1 個のファイルを変換, 最新 %2 個, 未変換 %3 個, 所要時間 %4</numerusform>
        </translation>
    </message>
    <message>
        <source>the report %1 was not written: %2</source>
        <extracomment>%1 is the report file, %2 the system&apos;s reason.</extracomment>
        <translation>レポート %1 を書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>note: %1: %2</source>
        <extracomment>Something about a converted file worth knowing: %1 is the source, %2 what.</extracomment>
        <translation>備考: %1: %2</translation>
    </message>
    <message>
        <source>nothing to convert: %1</source>
        <extracomment>%1 says what the folders given held none of.</extracomment>
        <translation>変換するものがありません: %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <extracomment>%1 says what a folder given held none of.</extracomment>
        <translation>備考: %1</translation>
    </message>
    <message>
        <source>not started: the run was stopped</source>
        <translation>未開始: 実行が停止されました</translation>
    </message>
    <message>
        <source>not started: the run was refused</source>
        <translation>未開始: 実行が拒否されました</translation>
    </message>
    <message>
        <source>moved to the trash to make way for its result: %1</source>
        <extracomment>%1 is the file that was in the way, and where in the trash it went.</extracomment>
        <translation>出力ファイルのためにゴミ箱へ移動しました: %1</translation>
    </message>
    <message>
        <source>not converted: %1: %2</source>
        <extracomment>%1 is the source, %2 the reason.</extracomment>
        <translation>変換されませんでした: %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>; stopped by %1 before %n more started</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT; %n files were still to start.</extracomment>
        <translation>
            <numerusform>; 残り %n 個の開始前に %1 で停止しました</numerusform>
        </translation>
    </message>
    <message>
        <source>; stopped by %1</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT.</extracomment>
        <translation>; %1 で停止しました</translation>
    </message>
</context>
<context>
    <name>BatchPlan</name>
    <message>
        <source>its result would be outside the output folder</source>
        <extracomment>Why a file found in a folder was not converted with --keep-tree: its subfolder would lead out of the output folder.</extracomment>
        <translation>出力ファイルが出力フォルダーの外になってしまいます</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>--:-- left</source>
        <extracomment>In the progress line, before the time left can be estimated; &quot;--:--&quot; stands for the minutes and seconds.</extracomment>
        <translation>残り --:--</translation>
    </message>
    <message>
        <source>[%1/%2] Processing: %3</source>
        <extracomment>A line for each file as it starts, when standard error is no terminal: %1 is the file&apos;s place in the run, %2 the files of the run, %3 the file&apos;s name.</extracomment>
        <translation>[%1/%2] 処理中: %3</translation>
    </message>
    <message>
        <source>%1x real time, %2 left</source>
        <extracomment>In the progress line: %1 is how many seconds of sound are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>実時間の %1 倍, 残り %2</translation>
    </message>
    <message>
        <source>%1 files/s, %2 left</source>
        <extracomment>In the progress line, when no file&apos;s length is known: %1 is how many files are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>%1 ファイル/秒, 残り %2</translation>
    </message>
    <message>
        <source>%1 of 1 file converted</source>
        <extracomment>The start of the progress line: %1 of the run&apos;s %n files are converted so far.</extracomment>
        <translation>1 個中 %1 個のファイルを変換済み</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted</source>
        <translation>
            <numerusform>%n 個中 %1 個のファイルを変換済み</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 up to date</source>
        <extracomment>Added to the progress line: %1 files were left as they were (--update).</extracomment>
        <translation>, 最新 %1 個</translation>
    </message>
    <message>
        <source>, %1 not converted</source>
        <extracomment>Added to the progress line: %1 files were not converted.</extracomment>
        <translation>, 未変換 %1 個</translation>
    </message>
    <message>
        <source>stopping</source>
        <extracomment>In the progress line, once a stop was asked for, in place of the time left.</extracomment>
        <translation>停止中</translation>
    </message>
    <message>
        <source>, %1 elapsed, %2</source>
        <extracomment>Added to the progress line: %1 is the time since the start (minutes:seconds), %2 the pace and the time left, or &quot;stopping&quot;.</extracomment>
        <translation>, 経過 %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>; Processing: %1 and %n more</source>
        <extracomment>The end of the progress line: %1 is the name of a file being converted, %n how many more are.</extracomment>
        <translation>
            <numerusform>; 処理中: %1 ほか %n 個</numerusform>
        </translation>
    </message>
    <message>
        <source>; Processing: %1</source>
        <extracomment>The end of the progress line: %1 is the name of the file being converted.</extracomment>
        <translation>; 処理中: %1</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>No files added.</source>
        <translation>ファイルが追加されていません。</translation>
    </message>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>フォルダーが存在しません。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>No output format is chosen. Please select an output format.</source>
        <translation>出力形式が選択されていません。出力形式を選択してください。</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>進行状況バー</translation>
    </message>
    <message>
        <source>Please wait.. </source>
        <translation>お待ちください.. </translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <extracomment>On the progress bar while a file converts; %1 is its name.</extracomment>
        <translation>処理中: %1</translation>
    </message>
</context>
<context>
    <name>ConverterTool</name>
    <message>
        <source>Install FFmpeg with &quot;sudo apt install ffmpeg&quot;, or name the FFmpeg program to use in the environment variable LORVANE_FFMPEG.</source>
        <translation>&quot;sudo apt install ffmpeg&quot; で FFmpeg をインストールするか、使用する FFmpeg プログラムを環境変数 LORVANE_FFMPEG で指定してください。</translation>
    </message>
    <message>
        <source>The program %1 cannot do the conversion: it lacks %2.

</source>
        <translation>プログラム %1 では変換できません: %2 がありません。

</translation>
    </message>
    <message>
        <source>the encoder %1</source>
        <extracomment>Part of &quot;it lacks %2&quot;: an FFmpeg encoder&apos;s name, such as pcm_s16le.</extracomment>
        <translation>エンコーダー %1</translation>
    </message>
    <message>
        <source>the Vorbis decoder</source>
        <translation>Vorbis デコーダー</translation>
    </message>
    <message>
        <source>the WAV writer</source>
        <translation>WAV 書き出し機能</translation>
    </message>
    <message>
        <source>FFmpeg, which does the conversion, was not found.

</source>
        <translation>変換を行う FFmpeg が見つかりません。

</translation>
    </message>
    <message>
        <source>The converter %1 named in LORVANE_FFMPEG was not found.

</source>
        <translation>LORVANE_FFMPEG で指定された変換プログラム %1 が見つかりません。

</translation>
    </message>
    <message>
        <source>The converter %1 was not found.

</source>
        <translation>変換プログラム %1 が見つかりません。

</translation>
    </message>
    <message>
        <source>The converter %1 is not an executable program.

</source>
        <translation>変換プログラム %1 は実行可能なプログラムではありません。

</translation>
    </message>
    <message>
        <source>The converter %1 did not answer as FFmpeg does.

</source>
        <translation>変換プログラム %1 の応答が FFmpeg のものではありませんでした。

</translation>
    </message>
    <message>
        <source>The converter %1 is %2, not FFmpeg itself.

</source>
        <translation>変換プログラム %1 は %2 であり、FFmpeg そのものではありません。

</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show</source>
        <extracomment>The button on the desktop&apos;s notification that brings the window forward.</extracomment>
        <translation>表示</translation>
    </message>
</context>
<context>
    <name>DesktopRun</name>
    <message>
        <source>Converting files</source>
        <extracomment>Why the machine is kept awake, as the desktop shows it to one about to suspend or log out.</extracomment>
        <translation>ファイルを変換中</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <extracomment>The heading of the desktop notification at the end of a run.</extracomment>
        <translation>変換が完了しました</translation>
    </message>
    <message>
        <source>1 file converted.</source>
        <extracomment>The desktop notification&apos;s text after a run that converted every file.</extracomment>
        <translation>1 個のファイルを変換しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted.</source>
        <translation>
            <numerusform>%n 個のファイルを変換しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2.</source>
        <extracomment>The desktop notification&apos;s text after a run that left files out: %1 is &quot;N files converted&quot;, %2 &quot;N files not converted&quot;.</extracomment>
        <translation>%1、%2。</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <extracomment>The first half of &quot;N files converted, N files not converted.&quot;</extracomment>
        <translation>変換済み 1 個</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>変換済み %n 個</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file not converted</source>
        <extracomment>The second half of &quot;N files converted, N files not converted.&quot;</extracomment>
        <translation>未変換 1 個</translation>
    </message>
    <message numerus="yes">
        <source>%n files not converted</source>
        <translation>
            <numerusform>未変換 %n 個</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please send a screenshot of this message to whoever provided this program.</source>
        <translation>このメッセージのスクリーンショットを、このプログラムの提供元に送ってください。</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The last line of an error report; %1 is the e-mail address of the program&apos;s support.</extracomment>
        <translation>このメッセージのスクリーンショットを %1 宛にメールで送ってください</translation>
    </message>
    <message>
        <source>%1 at line %2</source>
        <extracomment>The second line of an error report: where the failure happened. %1 is the place, in words of the program&apos;s own that stay as they are (&quot;in Tessaly2021/08/31.Form1.Form_Load&quot;), %2 the number of the step that failed.</extracomment>
        <translation>%1 の %2 行目</translation>
    </message>
    <message>
        <source>Application Error</source>
        <extracomment>Title of the box that reports a failure of the window.</extracomment>
        <translation>アプリケーションエラー</translation>
    </message>
</context>
<context>
    <name>FormatTable</name>
    <message>
        <source>8-bit integer, unsigned</source>
        <translation>8 ビット整数、符号なし</translation>
    </message>
    <message>
        <source>16-bit integer, signed</source>
        <translation>16 ビット整数、符号付き</translation>
    </message>
    <message>
        <source>8-bit µ-law, companded</source>
        <translation>8 ビット µ-law、圧伸</translation>
    </message>
    <message>
        <source>24-bit integer, signed</source>
        <translation>24 ビット整数、符号付き</translation>
    </message>
    <message>
        <source>32-bit floating point</source>
        <translation>32 ビット浮動小数点</translation>
    </message>
    <message>
        <source>64-bit floating point</source>
        <translation>64 ビット浮動小数点</translation>
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
        <translation>使い方: lorvane [FILE|FOLDER]...
または: lorvane --convert [OPTION]... FILE|FOLDER...
FFmpeg を使って Ogg Vorbis と Opus のファイルを WAV ファイルに変換します。

--convert を付けないと、Lorvane はウィンドウを開き、指定されたファイルと、
各フォルダーとそのサブフォルダーにあるすべてのファイルをキューに追加します。
自分の Lorvane ウィンドウがすでに開いていれば、ファイルとフォルダーは
そちらのキューに追加されます。ウィンドウは Qt の標準オプション
(-style Fusion, -platform offscreen, -reverse, -stylesheet FILE,
-display DISPLAY ...) を受け付け、グラフィカルセッションを必要とします。

--convert を付けると、Lorvane はウィンドウなしで変換してから終了します。
各ファイルは同じ名前の .wav ファイルになります。ここで指定しない形式と
保存先には、ウィンドウで選んだもの (ウィンドウの設定。バッチモードは
これを変更しません) を使います。それぞれの出どころは要約に表示されます。

      --convert              ウィンドウなしで変換する
      --format=LABEL|INDEX   WAV 形式 (ラベルまたは番号で指定):
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
        <translation>      --output-folder=DIR    出力ファイルを DIR に保存する (既存のもの)
      --beside-source        出力ファイルを変換元と同じフォルダーに保存
      --extension=EXT[,EXT]  指定フォルダー内の .EXT で終わるファイルを対象
                             (既定: ogg,oga,opus。* ならすべてのファイル)
      --jobs=N               同時に最大 N 個を変換する (1～%1)
      --keep-tree            各フォルダーの階層を出力フォルダーの下に再現:
                             FOLDER/a/b.ogg は OUTPUT/a/b.wav になる
      --update               このプログラムが同じ変換元から作った完全な
                             出力ファイルが変換元より新しければ変換しない
      --report=FILE          ファイルごとに 1 行の JSON を FILE に書く:
                             変換元、出力ファイル、結果、理由、および
                             出力と同名のファイルのゴミ箱での移動先
      --quiet                変換されなかったものと要約だけを表示する
  -h, --help                 このヘルプを表示して終了する
      --version              バージョン情報を表示して終了する

ウィンドウで形式を選ぶまでは形式は 16-bit PCM、フォルダーを選ぶまでは
出力先はデスクトップフォルダー (ない場合はホームフォルダー) です。

進捗は標準エラー出力に表示されます。--convert の終了ステータス: すべての
ファイルが変換済みか最新なら 0、変換されなかったものがあれば 1 (それぞれ
理由とともに表示)、使い方の誤りや、使用できない入力、出力フォルダー、
保存済みフォルダーがあれば 2 (この場合は何も変換しません)、シグナル N で
停止した場合は 128+N。

例: lorvane --convert --format &quot;16-bit PCM&quot; --output-folder ~/wav ~/Music
</translation>
    </message>
    <message>
        <source>Try &apos;lorvane --help&apos; for more information.</source>
        <translation>詳しくは &apos;lorvane --help&apos; を実行してください。</translation>
    </message>
</context>
<context>
    <name>LoopPoints</name>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 が 2 回指定されています</translation>
    </message>
    <message>
        <source>%1 without LOOPSTART</source>
        <translation>LOOPSTART がないのに %1 があります</translation>
    </message>
    <message>
        <source>LOOPSTART without LOOPLENGTH or LOOPEND</source>
        <translation>LOOPSTART があるのに LOOPLENGTH も LOOPEND もありません</translation>
    </message>
    <message>
        <source>%1 is negative</source>
        <translation>%1 が負の値です</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 が整数ではありません</translation>
    </message>
    <message>
        <source>LOOPLENGTH is 0</source>
        <translation>LOOPLENGTH が 0 です</translation>
    </message>
    <message>
        <source>LOOPEND is not after LOOPSTART</source>
        <translation>LOOPEND が LOOPSTART より後ろにありません</translation>
    </message>
    <message>
        <source>LOOPLENGTH and LOOPEND disagree</source>
        <translation>LOOPLENGTH と LOOPEND が食い違っています</translation>
    </message>
    <message>
        <source>the loop runs past the end</source>
        <translation>ループが音声の末尾を越えています</translation>
    </message>
    <message>
        <source>the result is no whole WAV file</source>
        <translation>出力ファイルが完全な WAV ファイルではありません</translation>
    </message>
    <message>
        <source>the loop does not survive the change of rate</source>
        <translation>サンプルレートの変更でループを保てません</translation>
    </message>
    <message>
        <source>the loop runs past the end of the result</source>
        <translation>ループが出力ファイルの末尾を越えています</translation>
    </message>
    <message>
        <source>the loop lies beyond what a WAV sampler chunk can point at</source>
        <translation>ループが WAV のサンプラーチャンク (smpl) で指定できる範囲を超えています</translation>
    </message>
    <message>
        <source>the result has no room for the sizes past 4 GiB</source>
        <translation>出力ファイルには 4 GiB を超えるサイズを記録できません</translation>
    </message>
    <message>
        <source>its loop tags were ignored: %1</source>
        <translation>ループタグを無視しました: %1</translation>
    </message>
    <message>
        <source>its loop points were left out: %1</source>
        <translation>ループポイントを書き込みませんでした: %1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>the window program could not be found</source>
        <translation>ウィンドウ版のプログラムが見つかりません</translation>
    </message>
    <message>
        <source>the window program %1 could not be started: %2</source>
        <extracomment>%1 is the window program&apos;s file, %2 the system&apos;s reason.</extracomment>
        <translation>ウィンドウ版のプログラム %1 を起動できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <extracomment>The file list&apos;s tooltip; &quot;| line&quot; is the edge of the list&apos;s one column, which the mouse drags to widen it.</extracomment>
        <translation>ここにファイルをドラッグ＆ドロップしてください。項目をダブルクリックすると削除します。| の線を右へ、ウィンドウの外までドラッグすると、名前全体が表示されます。</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <extracomment>What the progress bar at the foot of the window says while no file is converted.</extracomment>
        <translation>進行状況バー</translation>
    </message>
    <message>
        <source>Add OGG File(s)</source>
        <extracomment>Button: opens a file dialog to add Ogg files to the list.</extracomment>
        <translation>OGG ファイルを追加</translation>
    </message>
    <message>
        <source>Add All OGG File(s) In Folder</source>
        <extracomment>Button: asks for file endings and a folder, and adds the matching files in that folder and the folders in it.</extracomment>
        <translation>フォルダー内の OGG をすべて追加</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>変換を開始</translation>
    </message>
    <message>
        <source>Clear List</source>
        <extracomment>Button: empties the file list.</extracomment>
        <translation>リストをクリア</translation>
    </message>
    <message>
        <source>Load Sample/Example Files</source>
        <translation>サンプルファイルを読み込む</translation>
    </message>
    <message>
        <source>Output WAV Format</source>
        <extracomment>Caption of the frame around the drop-down of WAV formats.</extracomment>
        <translation>出力 WAV 形式</translation>
    </message>
    <message>
        <source>Save Option</source>
        <extracomment>Caption of the frame around the choice of where the WAV files are saved.</extracomment>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Save results to this folder:</source>
        <extracomment>Option; the folder field follows it.</extracomment>
        <translation>このフォルダーに保存:</translation>
    </message>
    <message>
        <source>Save results in folder of original file</source>
        <translation>元のファイルと同じフォルダーに保存</translation>
    </message>
    <message>
        <source>OGG File(s)</source>
        <extracomment>Header of the file list&apos;s one column.</extracomment>
        <translation>OGG ファイル</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <extracomment>What a screen reader calls the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>出力フォルダーを選択</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <extracomment>What a screen reader calls the file list.</extracomment>
        <translation>変換するファイル</translation>
    </message>
    <message>
        <source>Output folder</source>
        <extracomment>What a screen reader calls the field of the folder the WAV files are saved in.</extracomment>
        <translation>出力フォルダー</translation>
    </message>
    <message>
        <source>Output WAV format</source>
        <extracomment>What a screen reader calls the drop-down of WAV formats.</extracomment>
        <translation>出力 WAV 形式</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <extracomment>Title of the folder dialogs of &quot;Add All OGG File(s) In Folder&quot; and of the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>フォルダーを選択してください:</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <extracomment>The failure shown when the hand pointer file beside the program is no picture.</extracomment>
        <translation>無効な画像です</translation>
    </message>
    <message>
        <source>Enter file extension to load:</source>
        <extracomment>First line of the prompt of &quot;Add All OGG File(s) In Folder&quot;; the field below it takes file endings without their dot.</extracomment>
        <translation>読み込むファイルの拡張子を入力してください:</translation>
    </message>
    <message>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <extracomment>Second line of the same prompt. The endings and the &quot;*&quot; are typed as they stand; only the words around them are translated.</extracomment>
        <translation>(* ですべてのファイル、txt ですべての txt ファイル、doc ですべての doc ファイル、など)</translation>
    </message>
    <message>
        <source>(several at once: ogg oga opus)</source>
        <extracomment>Third line of the same prompt: several endings go in at once, parted by blanks. The endings are typed as they stand.</extracomment>
        <translation>(複数指定する場合: ogg oga opus)</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>追加するファイルが多すぎます。</translation>
    </message>
    <message>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <extracomment>&quot;Add All&quot; names the button &quot;Add All OGG File(s) In Folder&quot;.</extracomment>
        <translation>「フォルダー内の OGG をすべて追加」ボタンで追加してみてください。</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>サンプルファイルが保存されているフォルダーを開きますか？ (作業の前にファイルを確認できます)</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <extracomment>Title of the file dialog of &quot;Add OGG File(s)&quot;.</extracomment>
        <translation>ファイルを追加 - Ctrl キーを押しながらクリックすると複数選択できます</translation>
    </message>
    <message>
        <source>Ogg audio</source>
        <extracomment>The name of the file dialog&apos;s filter that shows Ogg Vorbis and Opus files.</extracomment>
        <translation>Ogg オーディオ</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>すべてのファイル</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>is not a file</source>
        <translation>ファイルではありません</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>could not be read (%1)</source>
        <translation>読み込めませんでした (%1)</translation>
    </message>
    <message>
        <source>could not be read as audio</source>
        <translation>音声として読み込めませんでした</translation>
    </message>
    <message>
        <source>its result would have replaced a queued source</source>
        <translation>出力ファイルがキュー内の変換元ファイルを上書きしてしまいます</translation>
    </message>
    <message>
        <source>its result would have replaced the result of %1 (same name)</source>
        <translation>出力ファイルが %1 の出力ファイルを上書きしてしまいます (同じ名前)</translation>
    </message>
    <message>
        <source>the result was incomplete</source>
        <translation>出力ファイルが不完全でした</translation>
    </message>
    <message>
        <source>could not be read to its end (%1)</source>
        <translation>最後まで読み込めませんでした (%1)</translation>
    </message>
    <message>
        <source>the result&apos;s length did not match the source</source>
        <translation>出力ファイルの長さが変換元と一致しませんでした</translation>
    </message>
    <message>
        <source>the source is damaged (%1)</source>
        <translation>変換元ファイルが破損しています (%1)</translation>
    </message>
    <message>
        <source>the source&apos;s length could not be read, so its result could not be checked</source>
        <translation>変換元ファイルの長さを読み取れなかったため、出力ファイルを検証できませんでした</translation>
    </message>
    <message>
        <source>the result did not hold the chosen sample format</source>
        <translation>出力ファイルが選択したサンプル形式になっていませんでした</translation>
    </message>
    <message>
        <source>could not be written (%1)</source>
        <translation>書き込めませんでした (%1)</translation>
    </message>
    <message>
        <source>the converter wrote no result</source>
        <translation>変換プログラムが出力ファイルを書き出しませんでした</translation>
    </message>
    <message>
        <source>the converter stopped before it finished</source>
        <translation>変換プログラムが完了前に停止しました</translation>
    </message>
    <message>
        <source>the converter could not be started</source>
        <translation>変換プログラムを起動できませんでした</translation>
    </message>
    <message>
        <source>no result path could be made for it</source>
        <translation>出力ファイルのパスを作成できませんでした</translation>
    </message>
    <message>
        <source>an older file of its result&apos;s name could not be moved to the trash (%1)</source>
        <translation>出力ファイルと同じ名前の古いファイルをゴミ箱へ移動できませんでした (%1)</translation>
    </message>
    <message>
        <source>the converter refused to replace a file of its result&apos;s name</source>
        <translation>変換プログラムが出力ファイルと同じ名前のファイルの上書きを拒否しました</translation>
    </message>
    <message>
        <source>the source ends early (incomplete file); its result holds what it had</source>
        <translation>変換元ファイルが途中で終わっています (不完全なファイル)。出力ファイルにはその部分までが入っています</translation>
    </message>
    <message>
        <source>the converter reported: %1</source>
        <translation>変換プログラムの報告: %1</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>moved to the trash to make way for the results (&quot;Restore&quot; in the file manager puts them back)</source>
        <translation>出力ファイルのためにゴミ箱へ移動しました (ファイルマネージャーの「復元」で元に戻せます)</translation>
    </message>
    <message>
        <source>%1, now %2</source>
        <extracomment>A file moved to the trash: its old name, then its name in the trash.</extracomment>
        <translation>%1、現在の名前は %2</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The run&apos;s last word, on the progress bar and atop the closing message.</extracomment>
        <translation>完了</translation>
    </message>
    <message>
        <source>1 file could not be converted.</source>
        <translation>1 個のファイルを変換できませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Under a heading, after the first ten files it lists.</extracomment>
        <translation>
            <numerusform>ほか %n 個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted.</source>
        <translation>
            <numerusform>%n 個のファイルを変換できませんでした。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SourceLook</name>
    <message>
        <source>its headers are damaged</source>
        <translation>ヘッダーの破損</translation>
    </message>
    <message>
        <source>its audio breaks off at %1 of %2</source>
        <extracomment>In &quot;The source is damaged (...)&quot;: where its sound stops, of how long it is.</extracomment>
        <translation>全長 %2 のうち %1 で音声が途切れている</translation>
    </message>
    <message>
        <source>its audio breaks off at %1</source>
        <translation>%1 で音声が途切れている</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style, given last.</extracomment>
        <translation>&apos;%1&apos; の後に値がありません</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>不明なオプション &apos;%1&apos;</translation>
    </message>
    <message>
        <source>an empty name is no file or folder</source>
        <translation>空の名前はファイル名にもフォルダー名にもなりません</translation>
    </message>
    <message>
        <source>%1 is for --convert only</source>
        <extracomment>%1 is an option of the batch mode, such as --format.</extracomment>
        <translation>%1 は --convert と一緒にしか使えません</translation>
    </message>
    <message>
        <source>%1 is for the window only</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style.</extracomment>
        <translation>%1 はウィンドウでしか使えません</translation>
    </message>
    <message>
        <source>no output format &apos;%1&apos;; choose one of %2</source>
        <extracomment>%1 is the value given; %2 lists the formats: 0 &quot;8-bit PCM&quot;, 1 &quot;16-bit PCM&quot; ...</extracomment>
        <translation>出力形式 &apos;%1&apos; はありません。次のいずれかを選んでください: %2</translation>
    </message>
    <message>
        <source>--output-folder and --beside-source exclude each other</source>
        <translation>--output-folder と --beside-source は同時に指定できません</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos; does not exist</source>
        <translation>出力フォルダー &apos;%1&apos; が存在しません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no file extension</source>
        <translation>&apos;%1&apos; はファイルの拡張子ではありません</translation>
    </message>
    <message>
        <source>--jobs needs a whole number from 1 to %1, not &apos;%2&apos;</source>
        <extracomment>%1 is the most conversions at once; %2 is the value given.</extracomment>
        <translation>--jobs には &apos;%2&apos; ではなく 1 から %1 までの整数を指定してください</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; cannot be written: no such folder, or a folder</source>
        <translation>レポート &apos;%1&apos; を書き込めません: フォルダーが存在しないか、フォルダーそのものです</translation>
    </message>
    <message>
        <source>no files or folders to convert</source>
        <translation>変換するファイルやフォルダーがありません</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>start Lorvane as %1</source>
        <extracomment>A terminal line of lorvane-window started by itself with the batch mode&apos;s options; %1 is the command to start instead.</extracomment>
        <translation>Lorvane は次のように起動してください: %1</translation>
    </message>
    <message>
        <source>the open Lorvane window did not take the files</source>
        <extracomment>A terminal line: a second start handed its files to the window already open, and that window did not answer.</extracomment>
        <translation>開いている Lorvane ウィンドウがファイルを受け取りませんでした</translation>
    </message>
</context>
<context>
    <name>WindowStart</name>
    <message>
        <source>Qt&apos;s platform &apos;%1&apos; could not be started</source>
        <extracomment>Why the window cannot open: %1 is what -platform or QT_QPA_PLATFORM asked for.</extracomment>
        <translation>Qt のプラットフォーム &apos;%1&apos; を起動できませんでした</translation>
    </message>
    <message>
        <source>no display found</source>
        <extracomment>Why the window cannot open: neither DISPLAY nor WAYLAND_DISPLAY names one.</extracomment>
        <translation>ディスプレイが見つかりません</translation>
    </message>
    <message>
        <source>the display %1 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the display&apos;s name, as &quot;:0&quot; or &quot;wayland-0&quot;.</extracomment>
        <translation>ディスプレイ %1 を開けませんでした</translation>
    </message>
    <message>
        <source>the displays %1 and %2 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the X11 display&apos;s name, %2 the Wayland one&apos;s.</extracomment>
        <translation>ディスプレイ %1 と %2 を開けませんでした</translation>
    </message>
    <message>
        <source>needs a graphical session (%1); use `%2` to convert without a window</source>
        <extracomment>A terminal line. %1 is why the window cannot open; %2 the command that converts without a window, which stays as it is.</extracomment>
        <translation>グラフィカルセッションが必要です (%1)。ウィンドウなしで変換するには `%2` を使ってください</translation>
    </message>
</context>
</TS>
