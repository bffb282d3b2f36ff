<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AppError</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>프로시저 호출 또는 인수가 잘못되었습니다</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>오버플로</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>첨자가 범위를 벗어났습니다</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>형식이 일치하지 않습니다</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>속성 값이 잘못되었습니다</translation>
    </message>
</context>
<context>
    <name>BatchInputs</name>
    <message>
        <source>%1 is a file, not a folder: leave out the trailing &apos;/&apos;</source>
        <translation>%1: 폴더가 아니라 파일입니다. 끝의 &apos;/&apos;를 빼십시오</translation>
    </message>
    <message>
        <source>%1: no such file or folder</source>
        <translation>%1: 그런 파일이나 폴더가 없습니다</translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2)</source>
        <extracomment>%1 is a file or folder given; %2 is the system&apos;s reason.</extracomment>
        <translation>%1: 접근할 수 없습니다(%2)</translation>
    </message>
    <message>
        <source>the output folder %1 takes no new files (%2)</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>출력 폴더 %1에 새 파일을 만들 수 없습니다(%2)</translation>
    </message>
    <message>
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running 1 conversion at once</source>
        <extracomment>%1 is the variable&apos;s value; %2 is the most conversions at once; %n is how many run.</extracomment>
        <translation>경고: LORVANE_JOBS=&apos;%1&apos; 값이 1에서 %2 사이의 정수가 아니므로 변환을 한 번에 1개씩 실행합니다</translation>
    </message>
    <message numerus="yes">
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running %n conversions at once</source>
        <translation>
            <numerusform>경고: LORVANE_JOBS=&apos;%1&apos; 값이 1에서 %2 사이의 정수가 아니므로 변환을 동시에 %n개 실행합니다</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchMode</name>
    <message>
        <source>stopping after the files in hand; Ctrl+C again to stop now</source>
        <translation>처리 중인 파일까지 마치고 멈춥니다. 바로 멈추려면 Ctrl+C를 한 번 더 누르십시오</translation>
    </message>
    <message>
        <source>stopping after the files in hand (%1); %1 again stops now</source>
        <extracomment>%1 is the signal&apos;s name, such as SIGTERM.</extracomment>
        <translation>처리 중인 파일까지 마치고 멈춥니다(%1). %1 신호를 한 번 더 받으면 바로 멈춥니다</translation>
    </message>
    <message>
        <source>no files in %1 or its subfolders</source>
        <extracomment>%1 names the folders (%n of them) that held no file at all.</extracomment>
        <translation>%1 및 그 하위 폴더에 파일이 없습니다</translation>
    </message>
    <message numerus="yes">
        <source>no files in %1 or their subfolders</source>
        <translation>
            <numerusform>%1 및 그 하위 폴더에 파일이 없습니다</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The endings a folder was searched for: %1 lists all but the last (&quot;.ogg, .oga&quot;), %2 is the last (&quot;.opus&quot;).</extracomment>
        <translation>%1 또는 %2</translation>
    </message>
    <message>
        <source>no %1 files in %2 or its subfolders; --extension chooses other endings (--extension=&apos;*&apos; takes every file)</source>
        <extracomment>%1 is the endings searched for (&quot;.ogg, .oga or .opus&quot;), %2 names the folders (%n of them). Keep the options as they are.</extracomment>
        <translation>%2 및 그 하위 폴더에 %1 파일이 없습니다. 다른 확장자는 --extension 옵션으로 고를 수 있습니다(모든 파일: --extension=&apos;*&apos;)</translation>
    </message>
    <message numerus="yes">
        <source>no %1 files in %2 or their subfolders; --extension chooses other endings (--extension=&apos;*&apos; takes every file)</source>
        <translation>
            <numerusform>%2 및 그 하위 폴더에 %1 파일이 없습니다. 다른 확장자는 --extension 옵션으로 고를 수 있습니다(모든 파일: --extension=&apos;*&apos;)</numerusform>
        </translation>
    </message>
    <message>
        <source>Application Error: %1</source>
        <extracomment>A line of a failure report, as the window&apos;s &quot;Application Error&quot; box would show it.</extracomment>
        <translation>응용 프로그램 오류: %1</translation>
    </message>
    <message>
        <source>the window&apos;s settings (%1) choose no output format; give one with --format</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>창 설정(%1)에 선택된 출력 형식이 없습니다. --format 옵션으로 지정하십시오</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos;, the window&apos;s choice (stored in %2), does not exist; give one with --output-folder</source>
        <extracomment>%1 is the folder, %2 the settings file.</extracomment>
        <translation>창에서 선택한 출력 폴더가 없습니다: &apos;%1&apos;(%2에 저장됨). --output-folder 옵션으로 지정하십시오</translation>
    </message>
    <message>
        <source>the default output folder &apos;%1&apos; does not exist; give one with --output-folder</source>
        <translation>기본 출력 폴더가 없습니다: &apos;%1&apos;. --output-folder 옵션으로 지정하십시오</translation>
    </message>
    <message>
        <source>%1, the default</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, which nobody chose.</extracomment>
        <translation>%1(기본값)</translation>
    </message>
    <message>
        <source>%1, the window&apos;s choice</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, as chosen in the window.</extracomment>
        <translation>%1(창에서 선택)</translation>
    </message>
    <message>
        <source>results beside their sources</source>
        <translation>결과를 원본 파일의 폴더에 저장</translation>
    </message>
    <message>
        <source>results in %1</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the output folder.</extracomment>
        <translation>결과를 %1에 저장</translation>
    </message>
    <message>
        <source>%1, source trees kept</source>
        <extracomment>In the batch mode&apos;s last line: %1 says where the results went; --keep-tree was given.</extracomment>
        <translation>%1, 원본 폴더 구조 유지</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>The batch mode&apos;s last line: %1 is the format, %2 where the results went.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>The time a short run took: %1 is in seconds.</extracomment>
        <translation>%1초</translation>
    </message>
    <message>
        <source>%1 of 1 file converted, %2 up to date, %3 not converted, in %4</source>
        <extracomment>The batch mode&apos;s summary: %1 of the run&apos;s %n files were converted, %2 were up to date and %3 not converted; %4 is the time the run took.</extracomment>
        <translation>파일 1개 중 %1개 변환, %2개 최신 상태, %3개 변환 안 됨, 소요 시간 %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted, %2 up to date, %3 not converted, in %4</source>
        <translation>
            <numerusform>파일 %n개 중 %1개 변환, %2개 최신 상태, %3개 변환 안 됨, 소요 시간 %4</numerusform>
        </translation>
    </message>
    <message>
        <source>the report %1 was not written: %2</source>
        <extracomment>%1 is the report file, %2 the system&apos;s reason.</extracomment>
        <translation>보고서(%1)를 쓰지 못했습니다: %2</translation>
    </message>
    <message>
        <source>note: %1: %2</source>
        <extracomment>Something about a converted file worth knowing: %1 is the source, %2 what.</extracomment>
        <translation>참고: %1: %2</translation>
    </message>
    <message>
        <source>nothing to convert: %1</source>
        <extracomment>%1 says what the folders given held none of.</extracomment>
        <translation>변환할 파일이 없습니다: %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <extracomment>%1 says what a folder given held none of.</extracomment>
        <translation>참고: %1</translation>
    </message>
    <message>
        <source>not started: the run was stopped</source>
        <translation>시작 안 함: 실행이 중지되었습니다</translation>
    </message>
    <message>
        <source>not started: the run was refused</source>
        <translation>시작 안 함: 실행이 거부되었습니다</translation>
    </message>
    <message>
        <source>moved to the trash to make way for its result: %1</source>
        <extracomment>%1 is the file that was in the way, and where in the trash it went.</extracomment>
        <translation>결과 파일 자리를 비우려고 휴지통으로 옮겼습니다: %1</translation>
    </message>
    <message>
        <source>not converted: %1: %2</source>
        <extracomment>%1 is the source, %2 the reason.</extracomment>
        <translation>변환 안 됨: %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>; stopped by %1 before %n more started</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT; %n files were still to start.</extracomment>
        <translation>
            <numerusform>; %1 신호로 중지됨(시작하지 않은 파일 %n개)</numerusform>
        </translation>
    </message>
    <message>
        <source>; stopped by %1</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT.</extracomment>
        <translation>; %1 신호로 중지됨</translation>
    </message>
</context>
<context>
    <name>BatchPlan</name>
    <message>
        <source>its result would be outside the output folder</source>
        <extracomment>Why a file found in a folder was not converted with --keep-tree: its subfolder would lead out of the output folder.</extracomment>
        <translation>결과 파일이 출력 폴더 밖에 놓이게 됩니다</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>--:-- left</source>
        <extracomment>In the progress line, before the time left can be estimated; &quot;--:--&quot; stands for the minutes and seconds.</extracomment>
        <translation>--:-- 남음</translation>
    </message>
    <message>
        <source>[%1/%2] Processing: %3</source>
        <extracomment>A line for each file as it starts, when standard error is no terminal: %1 is the file&apos;s place in the run, %2 the files of the run, %3 the file&apos;s name.</extracomment>
        <translation>[%1/%2] 처리 중: %3</translation>
    </message>
    <message>
        <source>%1x real time, %2 left</source>
        <extracomment>In the progress line: %1 is how many seconds of sound are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>%1배속, %2 남음</translation>
    </message>
    <message>
        <source>%1 files/s, %2 left</source>
        <extracomment>In the progress line, when no file&apos;s length is known: %1 is how many files are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>초당 파일 %1개, %2 남음</translation>
    </message>
    <message>
        <source>%1 of 1 file converted</source>
        <extracomment>The start of the progress line: %1 of the run&apos;s %n files are converted so far.</extracomment>
        <translation>파일 1개 중 %1개 변환</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted</source>
        <translation>
            <numerusform>파일 %n개 중 %1개 변환</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 up to date</source>
        <extracomment>Added to the progress line: %1 files were left as they were (--update).</extracomment>
        <translation>, %1개 최신 상태</translation>
    </message>
    <message>
        <source>, %1 not converted</source>
        <extracomment>Added to the progress line: %1 files were not converted.</extracomment>
        <translation>, %1개 변환 안 됨</translation>
    </message>
    <message>
        <source>stopping</source>
        <extracomment>In the progress line, once a stop was asked for, in place of the time left.</extracomment>
        <translation>중지하는 중</translation>
    </message>
    <message>
        <source>, %1 elapsed, %2</source>
        <extracomment>Added to the progress line: %1 is the time since the start (minutes:seconds), %2 the pace and the time left, or &quot;stopping&quot;.</extracomment>
        <translation>, %1 경과, %2</translation>
    </message>
    <message numerus="yes">
        <source>; Processing: %1 and %n more</source>
        <extracomment>The end of the progress line: %1 is the name of a file being converted, %n how many more are.</extracomment>
        <translation>
            <numerusform>; 처리 중: %1 외 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>; Processing: %1</source>
        <extracomment>The end of the progress line: %1 is the name of the file being converted.</extracomment>
        <translation>; 처리 중: %1</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>No files added.</source>
        <translation>추가한 파일이 없습니다.</translation>
    </message>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>폴더가 없습니다. 다른 폴더를 선택하십시오.</translation>
    </message>
    <message>
        <source>No output format is chosen. Please select an output format.</source>
        <translation>출력 형식을 선택하지 않았습니다. 출력 형식을 선택하십시오.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>진행 표시줄</translation>
    </message>
    <message>
        <source>Please wait.. </source>
        <translation>잠시 기다려 주십시오… </translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <extracomment>On the progress bar while a file converts; %1 is its name.</extracomment>
        <translation>처리 중: %1</translation>
    </message>
</context>
<context>
    <name>ConverterTool</name>
    <message>
        <source>Install FFmpeg with &quot;sudo apt install ffmpeg&quot;, or name the FFmpeg program to use in the environment variable LORVANE_FFMPEG.</source>
        <translation>&quot;sudo apt install ffmpeg&quot; 명령으로 FFmpeg 프로그램을 설치하거나, 사용할 FFmpeg 프로그램을 LORVANE_FFMPEG 환경 변수에 지정하십시오.</translation>
    </message>
    <message>
        <source>The program %1 cannot do the conversion: it lacks %2.

</source>
        <translation>%1 프로그램으로는 변환할 수 없습니다. 필요한 구성 요소가 없습니다: %2.

</translation>
    </message>
    <message>
        <source>the encoder %1</source>
        <extracomment>Part of &quot;it lacks %2&quot;: an FFmpeg encoder&apos;s name, such as pcm_s16le.</extracomment>
        <translation>인코더 %1</translation>
    </message>
    <message>
        <source>the Vorbis decoder</source>
        <translation>Vorbis 디코더</translation>
    </message>
    <message>
        <source>the WAV writer</source>
        <translation>WAV 쓰기 모듈</translation>
    </message>
    <message>
        <source>FFmpeg, which does the conversion, was not found.

</source>
        <translation>변환을 맡을 FFmpeg 프로그램을 찾을 수 없습니다.

</translation>
    </message>
    <message>
        <source>The converter %1 named in LORVANE_FFMPEG was not found.

</source>
        <translation>LORVANE_FFMPEG에 지정한 변환 프로그램(%1)을 찾을 수 없습니다.

</translation>
    </message>
    <message>
        <source>The converter %1 was not found.

</source>
        <translation>변환 프로그램(%1)을 찾을 수 없습니다.

</translation>
    </message>
    <message>
        <source>The converter %1 is not an executable program.

</source>
        <translation>변환 프로그램(%1)은 실행할 수 있는 프로그램이 아닙니다.

</translation>
    </message>
    <message>
        <source>The converter %1 did not answer as FFmpeg does.

</source>
        <translation>변환 프로그램(%1)이 FFmpeg처럼 응답하지 않았습니다.

</translation>
    </message>
    <message>
        <source>The converter %1 is %2, not FFmpeg itself.

</source>
        <translation>변환 프로그램(%1)은 FFmpeg 자체가 아니라 %2입니다.

</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show</source>
        <extracomment>The button on the desktop&apos;s notification that brings the window forward.</extracomment>
        <translation>보기</translation>
    </message>
</context>
<context>
    <name>DesktopRun</name>
    <message>
        <source>Converting files</source>
        <extracomment>Why the machine is kept awake, as the desktop shows it to one about to suspend or log out.</extracomment>
        <translation>파일 변환 중</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <extracomment>The heading of the desktop notification at the end of a run.</extracomment>
        <translation>변환 완료</translation>
    </message>
    <message>
        <source>1 file converted.</source>
        <extracomment>The desktop notification&apos;s text after a run that converted every file.</extracomment>
        <translation>파일 1개를 변환했습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted.</source>
        <translation>
            <numerusform>파일 %n개를 변환했습니다.</numerusform>
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
        <translation>파일 1개 변환 완료</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>파일 %n개 변환 완료</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file not converted</source>
        <extracomment>The second half of &quot;N files converted, N files not converted.&quot;</extracomment>
        <translation>파일 1개 변환 안 됨</translation>
    </message>
    <message numerus="yes">
        <source>%n files not converted</source>
        <translation>
            <numerusform>파일 %n개 변환 안 됨</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please send a screenshot of this message to whoever provided this program.</source>
        <translation>이 메시지의 스크린샷을 이 프로그램을 제공한 곳에 보내 주십시오.</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The last line of an error report; %1 is the e-mail address of the program&apos;s support.</extracomment>
        <translation>이 메시지의 스크린샷을 이메일로 보내 주십시오: %1</translation>
    </message>
    <message>
        <source>%1 at line %2</source>
        <extracomment>The second line of an error report: where the failure happened. %1 is the place, in words of the program&apos;s own that stay as they are (&quot;in Tessaly2021/08/31.Form1.Form_Load&quot;), %2 the number of the step that failed.</extracomment>
        <translation>%1, %2행</translation>
    </message>
    <message>
        <source>Application Error</source>
        <extracomment>Title of the box that reports a failure of the window.</extracomment>
        <translation>응용 프로그램 오류</translation>
    </message>
</context>
<context>
    <name>FormatTable</name>
    <message>
        <source>8-bit integer, unsigned</source>
        <translation>8비트 정수, 부호 없음</translation>
    </message>
    <message>
        <source>16-bit integer, signed</source>
        <translation>16비트 정수, 부호 있음</translation>
    </message>
    <message>
        <source>8-bit µ-law, companded</source>
        <translation>8비트 µ-law, 압신</translation>
    </message>
    <message>
        <source>24-bit integer, signed</source>
        <translation>24비트 정수, 부호 있음</translation>
    </message>
    <message>
        <source>32-bit floating point</source>
        <translation>32비트 부동소수점</translation>
    </message>
    <message>
        <source>64-bit floating point</source>
        <translation>64비트 부동소수점</translation>
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
        <translation>사용법: lorvane [FILE|FOLDER]...
  또는: lorvane --convert [OPTION]... FILE|FOLDER...
FFmpeg 프로그램을 사용해 Ogg Vorbis 및 Opus 파일을 WAV 파일로 변환합니다.

--convert 옵션이 없으면 Lorvane은 창을 열고, 지정한 파일과 각 폴더 및 그
하위 폴더의 모든 파일을 목록에 넣습니다. 사용자의 Lorvane 창이 이미 열려
있으면 파일과 폴더를 그 창의 목록에 넣습니다. 창에서는 Qt 표준 옵션
(-style Fusion, -platform offscreen, -reverse, -stylesheet FILE,
-display DISPLAY ...)을 쓸 수 있으며, 그래픽 세션이 필요합니다.

--convert 옵션을 주면 Lorvane은 창 없이 변환한 뒤 끝납니다. 각 파일은 이름이
같은 .wav 파일이 됩니다. 여기서 지정하지 않은 형식과 위치는 창에서 선택한
값(창의 설정이며, 일괄 모드에서는 이 설정을 바꾸지 않습니다)을 따릅니다.
각 값을 어디서 가져왔는지는 요약에 표시됩니다.

      --convert              창 없이 변환합니다
      --format=LABEL|INDEX   WAV 형식을 레이블이나 번호로 지정합니다:
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
        <translation>      --output-folder=DIR    결과를 DIR에 저장합니다(폴더가 있어야 함)
      --beside-source        각 결과를 원본 파일이 있는 폴더에 저장합니다
      --extension=EXT[,EXT]  지정한 폴더에서 .EXT로 끝나는 파일을 가져옵니다
                             (기본값: ogg,oga,opus; *는 모든 파일)
      --jobs=N               변환을 동시에 최대 N개 실행합니다(1~%1)
      --keep-tree            출력 폴더 아래에 각 폴더의 구조를 유지합니다:
                             FOLDER/a/b.ogg → OUTPUT/a/b.wav
      --update               이 프로그램이 같은 원본으로 만든 결과가 원본보다
                             새롭고 완전하면 그대로 둡니다
      --report=FILE          파일마다 JSON 한 줄을 FILE에 기록합니다: 원본,
                             결과, 처리 결과, 이유, 결과와 이름이 같은 파일이
                             옮겨진 휴지통 속 위치
      --quiet                변환하지 못한 파일과 요약만 표시합니다
  -h, --help                 이 도움말을 표시하고 나갑니다
      --version              버전 정보를 출력하고 나갑니다

창에서 형식을 선택하기 전까지 형식은 16-bit PCM이고, 폴더를 선택하기
전까지 결과는 바탕 화면 폴더(없으면 홈 폴더)에 저장됩니다.

진행 상황은 표준 오류로 출력됩니다. --convert의 종료 상태: 모든 파일을
변환했거나 최신 상태이면 0, 일부를 변환하지 못하면 1(각 파일을 이유와 함께
표시), 사용법 오류이거나 입력, 출력 폴더, 저장된 폴더를 사용할 수 없으면
2(이때는 아무것도 변환하지 않음), 신호 N으로 중지되면 128+N입니다.

예: lorvane --convert --format &quot;16-bit PCM&quot; --output-folder ~/wav ~/Music
</translation>
    </message>
    <message>
        <source>Try &apos;lorvane --help&apos; for more information.</source>
        <translation>자세한 정보는 &apos;lorvane --help&apos; 명령을 입력하십시오.</translation>
    </message>
</context>
<context>
    <name>LoopPoints</name>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 값이 두 번 지정됨</translation>
    </message>
    <message>
        <source>%1 without LOOPSTART</source>
        <translation>LOOPSTART 없이 %1 값만 있음</translation>
    </message>
    <message>
        <source>LOOPSTART without LOOPLENGTH or LOOPEND</source>
        <translation>LOOPSTART 값만 있고 LOOPLENGTH, LOOPEND 값이 없음</translation>
    </message>
    <message>
        <source>%1 is negative</source>
        <translation>%1 값이 음수임</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 값이 정수가 아님</translation>
    </message>
    <message>
        <source>LOOPLENGTH is 0</source>
        <translation>LOOPLENGTH 값이 0임</translation>
    </message>
    <message>
        <source>LOOPEND is not after LOOPSTART</source>
        <translation>LOOPEND 값이 LOOPSTART 값보다 뒤가 아님</translation>
    </message>
    <message>
        <source>LOOPLENGTH and LOOPEND disagree</source>
        <translation>LOOPLENGTH 값과 LOOPEND 값이 맞지 않음</translation>
    </message>
    <message>
        <source>the loop runs past the end</source>
        <translation>루프가 오디오 끝을 넘어감</translation>
    </message>
    <message>
        <source>the result is no whole WAV file</source>
        <translation>결과 파일이 온전한 WAV 파일이 아님</translation>
    </message>
    <message>
        <source>the loop does not survive the change of rate</source>
        <translation>샘플레이트가 바뀌어 루프를 유지할 수 없음</translation>
    </message>
    <message>
        <source>the loop runs past the end of the result</source>
        <translation>루프가 결과 파일의 끝을 넘어감</translation>
    </message>
    <message>
        <source>the loop lies beyond what a WAV sampler chunk can point at</source>
        <translation>루프 위치가 WAV 샘플러 청크(smpl)로 가리킬 수 있는 범위를 벗어남</translation>
    </message>
    <message>
        <source>the result has no room for the sizes past 4 GiB</source>
        <translation>결과 파일에 4 GiB를 넘는 크기를 기록할 공간이 없음</translation>
    </message>
    <message>
        <source>its loop tags were ignored: %1</source>
        <translation>루프 태그를 무시했습니다: %1</translation>
    </message>
    <message>
        <source>its loop points were left out: %1</source>
        <translation>루프 지점을 넣지 않았습니다: %1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>the window program could not be found</source>
        <translation>창 프로그램을 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>the window program %1 could not be started: %2</source>
        <extracomment>%1 is the window program&apos;s file, %2 the system&apos;s reason.</extracomment>
        <translation>창 프로그램(%1)을 시작할 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <extracomment>The file list&apos;s tooltip; &quot;| line&quot; is the edge of the list&apos;s one column, which the mouse drags to widen it.</extracomment>
        <translation>파일을 여기에 끌어다 놓으십시오. 항목을 두 번 클릭하면 목록에서 제거됩니다. | 선을 오른쪽 창 밖으로 끌면 전체 이름이 보입니다.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <extracomment>What the progress bar at the foot of the window says while no file is converted.</extracomment>
        <translation>진행 표시줄</translation>
    </message>
    <message>
        <source>Add OGG File(s)</source>
        <extracomment>Button: opens a file dialog to add Ogg files to the list.</extracomment>
        <translation>OGG 파일 추가</translation>
    </message>
    <message>
        <source>Add All OGG File(s) In Folder</source>
        <extracomment>Button: asks for file endings and a folder, and adds the matching files in that folder and the folders in it.</extracomment>
        <translation>폴더의 모든 OGG 파일 추가</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>변환 시작</translation>
    </message>
    <message>
        <source>Clear List</source>
        <extracomment>Button: empties the file list.</extracomment>
        <translation>목록 지우기</translation>
    </message>
    <message>
        <source>Load Sample/Example Files</source>
        <translation>예제 파일 불러오기</translation>
    </message>
    <message>
        <source>Output WAV Format</source>
        <extracomment>Caption of the frame around the drop-down of WAV formats.</extracomment>
        <translation>출력 WAV 형식</translation>
    </message>
    <message>
        <source>Save Option</source>
        <extracomment>Caption of the frame around the choice of where the WAV files are saved.</extracomment>
        <translation>저장 옵션</translation>
    </message>
    <message>
        <source>Save results to this folder:</source>
        <extracomment>Option; the folder field follows it.</extracomment>
        <translation>이 폴더에 결과 저장:</translation>
    </message>
    <message>
        <source>Save results in folder of original file</source>
        <translation>원본 파일의 폴더에 결과 저장</translation>
    </message>
    <message>
        <source>OGG File(s)</source>
        <extracomment>Header of the file list&apos;s one column.</extracomment>
        <translation>OGG 파일</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <extracomment>What a screen reader calls the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>출력 폴더 선택</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <extracomment>What a screen reader calls the file list.</extracomment>
        <translation>변환할 파일</translation>
    </message>
    <message>
        <source>Output folder</source>
        <extracomment>What a screen reader calls the field of the folder the WAV files are saved in.</extracomment>
        <translation>출력 폴더</translation>
    </message>
    <message>
        <source>Output WAV format</source>
        <extracomment>What a screen reader calls the drop-down of WAV formats.</extracomment>
        <translation>출력 WAV 형식</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <extracomment>Title of the folder dialogs of &quot;Add All OGG File(s) In Folder&quot; and of the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>폴더를 선택하십시오:</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <extracomment>The failure shown when the hand pointer file beside the program is no picture.</extracomment>
        <translation>잘못된 그림</translation>
    </message>
    <message>
        <source>Enter file extension to load:</source>
        <extracomment>First line of the prompt of &quot;Add All OGG File(s) In Folder&quot;; the field below it takes file endings without their dot.</extracomment>
        <translation>불러올 파일 확장자를 입력하십시오:</translation>
    </message>
    <message>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <extracomment>Second line of the same prompt. The endings and the &quot;*&quot; are typed as they stand; only the words around them are translated.</extracomment>
        <translation>(*: 모든 파일, txt: 모든 txt 파일, doc: 모든 doc 파일 등)</translation>
    </message>
    <message>
        <source>(several at once: ogg oga opus)</source>
        <extracomment>Third line of the same prompt: several endings go in at once, parted by blanks. The endings are typed as they stand.</extracomment>
        <translation>(여러 개를 한 번에 입력 가능: ogg oga opus)</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>추가하려고 선택한 파일이 너무 많습니다.</translation>
    </message>
    <message>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <extracomment>&quot;Add All&quot; names the button &quot;Add All OGG File(s) In Folder&quot;.</extracomment>
        <translation>“폴더의 모든 OGG 파일 추가” 버튼으로 추가해 보십시오.</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>예제 파일이 저장된 폴더를 열까요? (사용하기 전에 파일을 미리 살펴볼 수 있습니다)</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <extracomment>Title of the file dialog of &quot;Add OGG File(s)&quot;.</extracomment>
        <translation>파일 추가 - 여러 파일을 선택하려면 Ctrl 키를 누르고 있으십시오</translation>
    </message>
    <message>
        <source>Ogg audio</source>
        <extracomment>The name of the file dialog&apos;s filter that shows Ogg Vorbis and Opus files.</extracomment>
        <translation>Ogg 오디오</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>모든 파일</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>is not a file</source>
        <translation>파일이 아닙니다</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>찾을 수 없습니다</translation>
    </message>
    <message>
        <source>could not be read (%1)</source>
        <translation>읽을 수 없습니다(%1)</translation>
    </message>
    <message>
        <source>could not be read as audio</source>
        <translation>오디오로 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>its result would have replaced a queued source</source>
        <translation>결과 파일이 목록에 있는 원본 파일을 덮어쓰게 됩니다</translation>
    </message>
    <message>
        <source>its result would have replaced the result of %1 (same name)</source>
        <translation>결과 파일이 %1의 결과 파일을 덮어쓰게 됩니다(이름이 같음)</translation>
    </message>
    <message>
        <source>the result was incomplete</source>
        <translation>결과 파일이 불완전합니다</translation>
    </message>
    <message>
        <source>could not be read to its end (%1)</source>
        <translation>끝까지 읽을 수 없습니다(%1)</translation>
    </message>
    <message>
        <source>the result&apos;s length did not match the source</source>
        <translation>결과 파일의 길이가 원본과 다릅니다</translation>
    </message>
    <message>
        <source>the source is damaged (%1)</source>
        <translation>원본 파일이 손상되었습니다(%1)</translation>
    </message>
    <message>
        <source>the source&apos;s length could not be read, so its result could not be checked</source>
        <translation>원본 파일의 길이를 읽을 수 없어 결과 파일을 확인할 수 없습니다</translation>
    </message>
    <message>
        <source>the result did not hold the chosen sample format</source>
        <translation>결과 파일이 선택한 샘플 형식이 아닙니다</translation>
    </message>
    <message>
        <source>could not be written (%1)</source>
        <translation>쓸 수 없습니다(%1)</translation>
    </message>
    <message>
        <source>the converter wrote no result</source>
        <translation>변환 프로그램이 결과 파일을 만들지 않았습니다</translation>
    </message>
    <message>
        <source>the converter stopped before it finished</source>
        <translation>변환 프로그램이 끝나기 전에 멈췄습니다</translation>
    </message>
    <message>
        <source>the converter could not be started</source>
        <translation>변환 프로그램을 시작할 수 없습니다</translation>
    </message>
    <message>
        <source>no result path could be made for it</source>
        <translation>결과 파일 경로를 만들 수 없습니다</translation>
    </message>
    <message>
        <source>an older file of its result&apos;s name could not be moved to the trash (%1)</source>
        <translation>결과 파일과 이름이 같은 기존 파일을 휴지통으로 옮길 수 없습니다(%1)</translation>
    </message>
    <message>
        <source>the converter refused to replace a file of its result&apos;s name</source>
        <translation>변환 프로그램이 결과 파일과 이름이 같은 파일의 덮어쓰기를 거부했습니다</translation>
    </message>
    <message>
        <source>the source ends early (incomplete file); its result holds what it had</source>
        <translation>원본 파일이 중간에 끝납니다(불완전한 파일). 결과 파일에는 원본에 있던 부분만 들어 있습니다</translation>
    </message>
    <message>
        <source>the converter reported: %1</source>
        <translation>변환 프로그램 메시지: %1</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>moved to the trash to make way for the results (&quot;Restore&quot; in the file manager puts them back)</source>
        <translation>결과 파일 자리를 비우려고 휴지통으로 옮긴 파일(파일 관리 프로그램에서 “복구”하면 되돌릴 수 있습니다)</translation>
    </message>
    <message>
        <source>%1, now %2</source>
        <extracomment>A file moved to the trash: its old name, then its name in the trash.</extracomment>
        <translation>%1, 휴지통 안 이름: %2</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The run&apos;s last word, on the progress bar and atop the closing message.</extracomment>
        <translation>완료.</translation>
    </message>
    <message>
        <source>1 file could not be converted.</source>
        <translation>파일 1개를 변환하지 못했습니다.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Under a heading, after the first ten files it lists.</extracomment>
        <translation>
            <numerusform>외 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted.</source>
        <translation>
            <numerusform>파일 %n개를 변환하지 못했습니다.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SourceLook</name>
    <message>
        <source>its headers are damaged</source>
        <translation>헤더가 손상됨</translation>
    </message>
    <message>
        <source>its audio breaks off at %1 of %2</source>
        <extracomment>In &quot;The source is damaged (...)&quot;: where its sound stops, of how long it is.</extracomment>
        <translation>오디오가 %2 중 %1 지점에서 끊김</translation>
    </message>
    <message>
        <source>its audio breaks off at %1</source>
        <translation>오디오가 %1 지점에서 끊김</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style, given last.</extracomment>
        <translation>&apos;%1&apos; 뒤에 값이 없습니다</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>알 수 없는 옵션: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>an empty name is no file or folder</source>
        <translation>빈 이름은 파일이나 폴더가 아닙니다</translation>
    </message>
    <message>
        <source>%1 is for --convert only</source>
        <extracomment>%1 is an option of the batch mode, such as --format.</extracomment>
        <translation>%1 옵션은 --convert 옵션과 함께만 쓸 수 있습니다</translation>
    </message>
    <message>
        <source>%1 is for the window only</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style.</extracomment>
        <translation>%1 옵션은 창 모드에서만 쓸 수 있습니다</translation>
    </message>
    <message>
        <source>no output format &apos;%1&apos;; choose one of %2</source>
        <extracomment>%1 is the value given; %2 lists the formats: 0 &quot;8-bit PCM&quot;, 1 &quot;16-bit PCM&quot; ...</extracomment>
        <translation>&apos;%1&apos; 출력 형식은 없습니다. 다음 중에서 고르십시오: %2</translation>
    </message>
    <message>
        <source>--output-folder and --beside-source exclude each other</source>
        <translation>--output-folder 옵션과 --beside-source 옵션은 함께 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos; does not exist</source>
        <translation>출력 폴더가 없습니다: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no file extension</source>
        <translation>파일 확장자가 아닙니다: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--jobs needs a whole number from 1 to %1, not &apos;%2&apos;</source>
        <extracomment>%1 is the most conversions at once; %2 is the value given.</extracomment>
        <translation>--jobs 옵션 값은 1에서 %1 사이의 정수여야 합니다(지정한 값: &apos;%2&apos;)</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; cannot be written: no such folder, or a folder</source>
        <translation>보고서를 쓸 수 없습니다: &apos;%1&apos;(상위 폴더가 없거나, 이 이름이 폴더입니다)</translation>
    </message>
    <message>
        <source>no files or folders to convert</source>
        <translation>변환할 파일이나 폴더가 없습니다</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>start Lorvane as %1</source>
        <extracomment>A terminal line of lorvane-window started by itself with the batch mode&apos;s options; %1 is the command to start instead.</extracomment>
        <translation>%1 명령으로 Lorvane을 시작하십시오</translation>
    </message>
    <message>
        <source>the open Lorvane window did not take the files</source>
        <extracomment>A terminal line: a second start handed its files to the window already open, and that window did not answer.</extracomment>
        <translation>열려 있는 Lorvane 창이 파일을 받지 않았습니다</translation>
    </message>
</context>
<context>
    <name>WindowStart</name>
    <message>
        <source>Qt&apos;s platform &apos;%1&apos; could not be started</source>
        <extracomment>Why the window cannot open: %1 is what -platform or QT_QPA_PLATFORM asked for.</extracomment>
        <translation>Qt 플랫폼 &apos;%1&apos; 시작 실패</translation>
    </message>
    <message>
        <source>no display found</source>
        <extracomment>Why the window cannot open: neither DISPLAY nor WAYLAND_DISPLAY names one.</extracomment>
        <translation>디스플레이를 찾을 수 없음</translation>
    </message>
    <message>
        <source>the display %1 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the display&apos;s name, as &quot;:0&quot; or &quot;wayland-0&quot;.</extracomment>
        <translation>디스플레이 %1 열기 실패</translation>
    </message>
    <message>
        <source>the displays %1 and %2 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the X11 display&apos;s name, %2 the Wayland one&apos;s.</extracomment>
        <translation>디스플레이 %1, %2 열기 실패</translation>
    </message>
    <message>
        <source>needs a graphical session (%1); use `%2` to convert without a window</source>
        <extracomment>A terminal line. %1 is why the window cannot open; %2 the command that converts without a window, which stays as it is.</extracomment>
        <translation>그래픽 세션이 필요합니다(%1). 창 없이 변환하려면 `%2` 명령을 사용하십시오</translation>
    </message>
</context>
</TS>
