<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>AppError</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Geçersiz yordam çağrısı veya bağımsız değişken</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Taşma</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Alt simge aralık dışında</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tür uyuşmazlığı</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Geçersiz özellik değeri</translation>
    </message>
</context>
<context>
    <name>BatchInputs</name>
    <message>
        <source>%1 is a file, not a folder: leave out the trailing &apos;/&apos;</source>
        <translation>%1 bir klasör değil, dosya: sondaki &apos;/&apos; işaretini kaldırın</translation>
    </message>
    <message>
        <source>%1: no such file or folder</source>
        <translation>%1: böyle bir dosya veya klasör yok</translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2)</source>
        <extracomment>%1 is a file or folder given; %2 is the system&apos;s reason.</extracomment>
        <translation>%1: erişilemiyor (%2)</translation>
    </message>
    <message>
        <source>the output folder %1 takes no new files (%2)</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>%1 çıktı klasörüne yeni dosya yazılamıyor (%2)</translation>
    </message>
    <message>
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running 1 conversion at once</source>
        <extracomment>%1 is the variable&apos;s value; %2 is the most conversions at once; %n is how many run.</extracomment>
        <translation>uyarı: LORVANE_JOBS=&apos;%1&apos;, 1 ile %2 arasında bir tam sayı değil; aynı anda 1 dönüştürme yapılacak</translation>
    </message>
    <message numerus="yes">
        <source>warning: LORVANE_JOBS=&apos;%1&apos; is not a whole number from 1 to %2; running %n conversions at once</source>
        <translation>
            <numerusform>uyarı: LORVANE_JOBS=&apos;%1&apos;, 1 ile %2 arasında bir tam sayı değil; aynı anda %n dönüştürme yapılacak</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchMode</name>
    <message>
        <source>stopping after the files in hand; Ctrl+C again to stop now</source>
        <translation>işlenen dosyalar bitince durdurulacak; hemen durdurmak için Ctrl+C tuşlarına yeniden basın</translation>
    </message>
    <message>
        <source>stopping after the files in hand (%1); %1 again stops now</source>
        <extracomment>%1 is the signal&apos;s name, such as SIGTERM.</extracomment>
        <translation>işlenen dosyalar bitince durdurulacak (%1); yeniden %1 gelirse hemen durdurulur</translation>
    </message>
    <message>
        <source>no files in %1 or its subfolders</source>
        <extracomment>%1 names the folders (%n of them) that held no file at all.</extracomment>
        <translation>%1 klasöründe ve alt klasörlerinde hiç dosya yok</translation>
    </message>
    <message numerus="yes">
        <source>no files in %1 or their subfolders</source>
        <translation>
            <numerusform>%1 klasörlerinde ve alt klasörlerinde hiç dosya yok</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The endings a folder was searched for: %1 lists all but the last (&quot;.ogg, .oga&quot;), %2 is the last (&quot;.opus&quot;).</extracomment>
        <translation>%1 veya %2</translation>
    </message>
    <message>
        <source>no %1 files in %2 or its subfolders; --extension chooses other endings (--extension=&apos;*&apos; takes every file)</source>
        <extracomment>%1 is the endings searched for (&quot;.ogg, .oga or .opus&quot;), %2 names the folders (%n of them). Keep the options as they are.</extracomment>
        <translation>%2 klasöründe ve alt klasörlerinde hiç %1 dosyası yok; başka uzantıları --extension ile seçebilirsiniz (--extension=&apos;*&apos; tüm dosyaları alır)</translation>
    </message>
    <message numerus="yes">
        <source>no %1 files in %2 or their subfolders; --extension chooses other endings (--extension=&apos;*&apos; takes every file)</source>
        <translation>
            <numerusform>%2 klasörlerinde ve alt klasörlerinde hiç %1 dosyası yok; başka uzantıları --extension ile seçebilirsiniz (--extension=&apos;*&apos; tüm dosyaları alır)</numerusform>
        </translation>
    </message>
    <message>
        <source>Application Error: %1</source>
        <extracomment>A line of a failure report, as the window&apos;s &quot;Application Error&quot; box would show it.</extracomment>
        <translation>Uygulama Hatası: %1</translation>
    </message>
    <message>
        <source>the window&apos;s settings (%1) choose no output format; give one with --format</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>pencerenin ayarlarında (%1) çıktı biçimi seçili değil; --format ile bir biçim belirtin</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos;, the window&apos;s choice (stored in %2), does not exist; give one with --output-folder</source>
        <extracomment>%1 is the folder, %2 the settings file.</extracomment>
        <translation>pencerede seçilen &apos;%1&apos; çıktı klasörü (%2 dosyasında kayıtlı) mevcut değil; --output-folder ile bir klasör belirtin</translation>
    </message>
    <message>
        <source>the default output folder &apos;%1&apos; does not exist; give one with --output-folder</source>
        <translation>varsayılan &apos;%1&apos; çıktı klasörü mevcut değil; --output-folder ile bir klasör belirtin</translation>
    </message>
    <message>
        <source>%1, the default</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, which nobody chose.</extracomment>
        <translation>%1 (varsayılan)</translation>
    </message>
    <message>
        <source>%1, the window&apos;s choice</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the format or where the results went, as chosen in the window.</extracomment>
        <translation>%1 (pencerede seçilen)</translation>
    </message>
    <message>
        <source>results beside their sources</source>
        <translation>çıktılar kaynak dosyaların yanında</translation>
    </message>
    <message>
        <source>results in %1</source>
        <extracomment>In the batch mode&apos;s last line: %1 is the output folder.</extracomment>
        <translation>çıktılar %1 klasöründe</translation>
    </message>
    <message>
        <source>%1, source trees kept</source>
        <extracomment>In the batch mode&apos;s last line: %1 says where the results went; --keep-tree was given.</extracomment>
        <translation>%1, kaynak klasör ağaçları korundu</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>The batch mode&apos;s last line: %1 is the format, %2 where the results went.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>The time a short run took: %1 is in seconds.</extracomment>
        <translation>%1 sn</translation>
    </message>
    <message>
        <source>%1 of 1 file converted, %2 up to date, %3 not converted, in %4</source>
        <extracomment>The batch mode&apos;s summary: %1 of the run&apos;s %n files were converted, %2 were up to date and %3 not converted; %4 is the time the run took.</extracomment>
        <translation>1 dosyadan %1 tanesi dönüştürüldü, %2 güncel, %3 dönüştürülmedi, süre: %4</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted, %2 up to date, %3 not converted, in %4</source>
        <translation>
            <numerusform>%n dosyadan %1 tanesi dönüştürüldü, %2 güncel, %3 dönüştürülmedi, süre: %4</numerusform>
        </translation>
    </message>
    <message>
        <source>the report %1 was not written: %2</source>
        <extracomment>%1 is the report file, %2 the system&apos;s reason.</extracomment>
        <translation>%1 raporu yazılamadı: %2</translation>
    </message>
    <message>
        <source>note: %1: %2</source>
        <extracomment>Something about a converted file worth knowing: %1 is the source, %2 what.</extracomment>
        <translation>not: %1: %2</translation>
    </message>
    <message>
        <source>nothing to convert: %1</source>
        <extracomment>%1 says what the folders given held none of.</extracomment>
        <translation>dönüştürülecek bir şey yok: %1</translation>
    </message>
    <message>
        <source>note: %1</source>
        <extracomment>%1 says what a folder given held none of.</extracomment>
        <translation>not: %1</translation>
    </message>
    <message>
        <source>not started: the run was stopped</source>
        <translation>başlatılmadı: işlem durduruldu</translation>
    </message>
    <message>
        <source>not started: the run was refused</source>
        <translation>başlatılmadı: işlem reddedildi</translation>
    </message>
    <message>
        <source>moved to the trash to make way for its result: %1</source>
        <extracomment>%1 is the file that was in the way, and where in the trash it went.</extracomment>
        <translation>çıktı dosyasına yer açmak için çöp kutusuna taşındı: %1</translation>
    </message>
    <message>
        <source>not converted: %1: %2</source>
        <extracomment>%1 is the source, %2 the reason.</extracomment>
        <translation>dönüştürülmedi: %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>; stopped by %1 before %n more started</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT; %n files were still to start.</extracomment>
        <translation>
            <numerusform>; %n dosya daha başlatılmadan %1 ile durduruldu</numerusform>
        </translation>
    </message>
    <message>
        <source>; stopped by %1</source>
        <extracomment>Added to the summary: %1 is the signal&apos;s name, such as SIGINT.</extracomment>
        <translation>; %1 ile durduruldu</translation>
    </message>
</context>
<context>
    <name>BatchPlan</name>
    <message>
        <source>its result would be outside the output folder</source>
        <extracomment>Why a file found in a folder was not converted with --keep-tree: its subfolder would lead out of the output folder.</extracomment>
        <translation>çıktı dosyası, çıktı klasörünün dışında kalırdı</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>--:-- left</source>
        <extracomment>In the progress line, before the time left can be estimated; &quot;--:--&quot; stands for the minutes and seconds.</extracomment>
        <translation>--:-- kaldı</translation>
    </message>
    <message>
        <source>[%1/%2] Processing: %3</source>
        <extracomment>A line for each file as it starts, when standard error is no terminal: %1 is the file&apos;s place in the run, %2 the files of the run, %3 the file&apos;s name.</extracomment>
        <translation>[%1/%2] İşleniyor: %3</translation>
    </message>
    <message>
        <source>%1x real time, %2 left</source>
        <extracomment>In the progress line: %1 is how many seconds of sound are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>gerçek zamanın %1 katı, %2 kaldı</translation>
    </message>
    <message>
        <source>%1 files/s, %2 left</source>
        <extracomment>In the progress line, when no file&apos;s length is known: %1 is how many files are converted a second, %2 the time left (minutes:seconds).</extracomment>
        <translation>%1 dosya/sn, %2 kaldı</translation>
    </message>
    <message>
        <source>%1 of 1 file converted</source>
        <extracomment>The start of the progress line: %1 of the run&apos;s %n files are converted so far.</extracomment>
        <translation>1 dosyadan %1 tanesi dönüştürüldü</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted</source>
        <translation>
            <numerusform>%n dosyadan %1 tanesi dönüştürüldü</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 up to date</source>
        <extracomment>Added to the progress line: %1 files were left as they were (--update).</extracomment>
        <translation>, %1 güncel</translation>
    </message>
    <message>
        <source>, %1 not converted</source>
        <extracomment>Added to the progress line: %1 files were not converted.</extracomment>
        <translation>, %1 dönüştürülmedi</translation>
    </message>
    <message>
        <source>stopping</source>
        <extracomment>In the progress line, once a stop was asked for, in place of the time left.</extracomment>
        <translation>durduruluyor</translation>
    </message>
    <message>
        <source>, %1 elapsed, %2</source>
        <extracomment>Added to the progress line: %1 is the time since the start (minutes:seconds), %2 the pace and the time left, or &quot;stopping&quot;.</extracomment>
        <translation>, %1 geçti, %2</translation>
    </message>
    <message numerus="yes">
        <source>; Processing: %1 and %n more</source>
        <extracomment>The end of the progress line: %1 is the name of a file being converted, %n how many more are.</extracomment>
        <translation>
            <numerusform>; İşleniyor: %1 ve %n dosya daha</numerusform>
        </translation>
    </message>
    <message>
        <source>; Processing: %1</source>
        <extracomment>The end of the progress line: %1 is the name of the file being converted.</extracomment>
        <translation>; İşleniyor: %1</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>No files added.</source>
        <translation>Hiç dosya eklenmedi.</translation>
    </message>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>Klasör mevcut değil. Lütfen başka bir klasör seçin.</translation>
    </message>
    <message>
        <source>No output format is chosen. Please select an output format.</source>
        <translation>Çıktı biçimi seçilmedi. Lütfen bir çıktı biçimi seçin.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>İlerleme Çubuğu</translation>
    </message>
    <message>
        <source>Please wait.. </source>
        <translation>Lütfen bekleyin.. </translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <extracomment>On the progress bar while a file converts; %1 is its name.</extracomment>
        <translation>İşleniyor: %1</translation>
    </message>
</context>
<context>
    <name>ConverterTool</name>
    <message>
        <source>Install FFmpeg with &quot;sudo apt install ffmpeg&quot;, or name the FFmpeg program to use in the environment variable LORVANE_FFMPEG.</source>
        <translation>FFmpeg&apos;i &quot;sudo apt install ffmpeg&quot; komutuyla kurun ya da kullanılacak FFmpeg programını LORVANE_FFMPEG ortam değişkeninde belirtin.</translation>
    </message>
    <message>
        <source>The program %1 cannot do the conversion: it lacks %2.

</source>
        <translation>%1 programı dönüştürmeyi yapamıyor: %2 eksik.

</translation>
    </message>
    <message>
        <source>the encoder %1</source>
        <extracomment>Part of &quot;it lacks %2&quot;: an FFmpeg encoder&apos;s name, such as pcm_s16le.</extracomment>
        <translation>%1 kodlayıcısı</translation>
    </message>
    <message>
        <source>the Vorbis decoder</source>
        <translation>Vorbis kod çözücüsü</translation>
    </message>
    <message>
        <source>the WAV writer</source>
        <translation>WAV yazıcısı</translation>
    </message>
    <message>
        <source>FFmpeg, which does the conversion, was not found.

</source>
        <translation>Dönüştürmeyi yapan FFmpeg bulunamadı.

</translation>
    </message>
    <message>
        <source>The converter %1 named in LORVANE_FFMPEG was not found.

</source>
        <translation>LORVANE_FFMPEG değişkeninde belirtilen dönüştürücü %1 bulunamadı.

</translation>
    </message>
    <message>
        <source>The converter %1 was not found.

</source>
        <translation>Dönüştürücü %1 bulunamadı.

</translation>
    </message>
    <message>
        <source>The converter %1 is not an executable program.

</source>
        <translation>Dönüştürücü %1 çalıştırılabilir bir program değil.

</translation>
    </message>
    <message>
        <source>The converter %1 did not answer as FFmpeg does.

</source>
        <translation>Dönüştürücü %1, FFmpeg&apos;in verdiği gibi bir yanıt vermedi.

</translation>
    </message>
    <message>
        <source>The converter %1 is %2, not FFmpeg itself.

</source>
        <translation>Dönüştürücü %1, FFmpeg&apos;in kendisi değil, %2.

</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Show</source>
        <extracomment>The button on the desktop&apos;s notification that brings the window forward.</extracomment>
        <translation>Göster</translation>
    </message>
</context>
<context>
    <name>DesktopRun</name>
    <message>
        <source>Converting files</source>
        <extracomment>Why the machine is kept awake, as the desktop shows it to one about to suspend or log out.</extracomment>
        <translation>Dosyalar dönüştürülüyor</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <extracomment>The heading of the desktop notification at the end of a run.</extracomment>
        <translation>Dönüştürme tamamlandı</translation>
    </message>
    <message>
        <source>1 file converted.</source>
        <extracomment>The desktop notification&apos;s text after a run that converted every file.</extracomment>
        <translation>1 dosya dönüştürüldü.</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted.</source>
        <translation>
            <numerusform>%n dosya dönüştürüldü.</numerusform>
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
        <translation>1 dosya dönüştürüldü</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>%n dosya dönüştürüldü</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file not converted</source>
        <extracomment>The second half of &quot;N files converted, N files not converted.&quot;</extracomment>
        <translation>1 dosya dönüştürülmedi</translation>
    </message>
    <message numerus="yes">
        <source>%n files not converted</source>
        <translation>
            <numerusform>%n dosya dönüştürülmedi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please send a screenshot of this message to whoever provided this program.</source>
        <translation>Lütfen bu iletinin ekran görüntüsünü, bu programı size sağlayan kişiye gönderin.</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The last line of an error report; %1 is the e-mail address of the program&apos;s support.</extracomment>
        <translation>Lütfen bu iletinin ekran görüntüsünü %1 adresine e-postayla gönderin</translation>
    </message>
    <message>
        <source>%1 at line %2</source>
        <extracomment>The second line of an error report: where the failure happened. %1 is the place, in words of the program&apos;s own that stay as they are (&quot;in Tessaly2021/08/31.Form1.Form_Load&quot;), %2 the number of the step that failed.</extracomment>
        <translation>%1, satır %2</translation>
    </message>
    <message>
        <source>Application Error</source>
        <extracomment>Title of the box that reports a failure of the window.</extracomment>
        <translation>Uygulama Hatası</translation>
    </message>
</context>
<context>
    <name>FormatTable</name>
    <message>
        <source>8-bit integer, unsigned</source>
        <translation>8 bit tam sayı, işaretsiz</translation>
    </message>
    <message>
        <source>16-bit integer, signed</source>
        <translation>16 bit tam sayı, işaretli</translation>
    </message>
    <message>
        <source>8-bit µ-law, companded</source>
        <translation>8 bit µ-law, sıkıştırılmış</translation>
    </message>
    <message>
        <source>24-bit integer, signed</source>
        <translation>24 bit tam sayı, işaretli</translation>
    </message>
    <message>
        <source>32-bit floating point</source>
        <translation>32 bit kayan nokta</translation>
    </message>
    <message>
        <source>64-bit floating point</source>
        <translation>64 bit kayan nokta</translation>
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
        <translation>Kullanım: lorvane [FILE|FOLDER]...
    veya: lorvane --convert [OPTION]... FILE|FOLDER...
Ogg Vorbis ve Opus dosyalarını FFmpeg ile WAV dosyalarına dönüştürür.

--convert olmadan Lorvane penceresini açar ve verilen dosyaları, ayrıca her
klasördeki ve alt klasörlerindeki tüm dosyaları sıraya ekler. Size ait bir
Lorvane penceresi zaten açıksa dosyalar ve klasörler onun sırasına eklenir.
Pencere Qt&apos;nin standart seçeneklerini kabul eder (-style Fusion, -platform
offscreen, -reverse, -stylesheet FILE, -display DISPLAY ...) ve grafik bir
oturum gerektirir.

--convert ile Lorvane pencere açmadan dönüştürür ve sonra kapanır. Her dosya
aynı adlı bir .wav dosyasına dönüştürülür. Burada verilmeyen biçim ve konum,
pencerede seçilmiş olanlardır (pencerenin ayarları; toplu kip bunları hiç
değiştirmez); özet, her birinin nereden geldiğini belirtir.

      --convert              pencere açmadan dönüştür
      --format=LABEL|INDEX   WAV biçimi, adıyla veya sıra numarasıyla:
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
        <translation>      --output-folder=DIR    çıktıları DIR klasörüne kaydet (var olmalıdır)
      --beside-source        her çıktıyı kaynak dosyanın klasörüne kaydet
      --extension=EXT[,EXT]  verilen klasörlerden .EXT ile biten dosyaları al
                             (varsayılan: ogg,oga,opus; tüm dosyalar için *)
      --jobs=N               aynı anda en çok N dönüştürme yap (1-%1)
      --keep-tree            her klasörün ağacını çıktı klasörü altında koru:
                             FOLDER/a/b.ogg, OUTPUT/a/b.wav olur
      --update               bu programın aynı kaynaktan yaptığı, kaynaktan
                             daha yeni ve eksiksiz çıktıya dokunma
      --report=FILE          her dosya için FILE dosyasına bir JSON satırı
                             yaz: kaynak, çıktı, sonuç, neden ve çıktıyla
                             aynı adlı dosyanın çöp kutusunda nereye gittiği
      --quiet                yalnızca dönüştürülmeyenleri ve özeti göster
  -h, --help                 bu yardımı göster ve çık
      --version              sürüm bilgisini göster ve çık

Pencerede bir biçim seçilene kadar biçim 16-bit PCM olur; bir klasör seçilene
kadar da çıktılar masaüstü klasörüne (o yoksa ev klasörüne) kaydedilir.

İlerleme standart hata çıktısına yazılır. --convert çıkış durumu: her dosya
dönüştürüldüyse veya güncelse 0, bazıları dönüştürülmediyse 1 (her biri
nedeniyle birlikte belirtilir), kullanım hatasında ya da kullanılamayan bir
girdi, çıktı klasörü veya kayıtlı klasörde 2 (bu durumda hiçbir şey
dönüştürülmez), N sinyaliyle durdurulduğunda 128+N.

Örnek: lorvane --convert --format &quot;16-bit PCM&quot; --output-folder ~/wav ~/Music
</translation>
    </message>
    <message>
        <source>Try &apos;lorvane --help&apos; for more information.</source>
        <translation>Daha fazla bilgi için &apos;lorvane --help&apos; komutunu deneyin.</translation>
    </message>
</context>
<context>
    <name>LoopPoints</name>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 iki kez verilmiş</translation>
    </message>
    <message>
        <source>%1 without LOOPSTART</source>
        <translation>LOOPSTART olmadan %1 verilmiş</translation>
    </message>
    <message>
        <source>LOOPSTART without LOOPLENGTH or LOOPEND</source>
        <translation>LOOPSTART var ama LOOPLENGTH veya LOOPEND yok</translation>
    </message>
    <message>
        <source>%1 is negative</source>
        <translation>%1 negatif</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 bir tam sayı değil</translation>
    </message>
    <message>
        <source>LOOPLENGTH is 0</source>
        <translation>LOOPLENGTH değeri 0</translation>
    </message>
    <message>
        <source>LOOPEND is not after LOOPSTART</source>
        <translation>LOOPEND değeri LOOPSTART değerinden sonra gelmiyor</translation>
    </message>
    <message>
        <source>LOOPLENGTH and LOOPEND disagree</source>
        <translation>LOOPLENGTH ile LOOPEND birbirini tutmuyor</translation>
    </message>
    <message>
        <source>the loop runs past the end</source>
        <translation>döngü sesin sonunu aşıyor</translation>
    </message>
    <message>
        <source>the result is no whole WAV file</source>
        <translation>çıktı dosyası eksiksiz bir WAV dosyası değil</translation>
    </message>
    <message>
        <source>the loop does not survive the change of rate</source>
        <translation>örnekleme hızı değişince döngü korunamıyor</translation>
    </message>
    <message>
        <source>the loop runs past the end of the result</source>
        <translation>döngü çıktı dosyasının sonunu aşıyor</translation>
    </message>
    <message>
        <source>the loop lies beyond what a WAV sampler chunk can point at</source>
        <translation>döngü, WAV sampler öbeğinin (smpl) gösterebileceği aralığın dışında</translation>
    </message>
    <message>
        <source>the result has no room for the sizes past 4 GiB</source>
        <translation>çıktı dosyası 4 GiB üzerindeki boyutları tutamıyor</translation>
    </message>
    <message>
        <source>its loop tags were ignored: %1</source>
        <translation>döngü etiketleri yok sayıldı: %1</translation>
    </message>
    <message>
        <source>its loop points were left out: %1</source>
        <translation>döngü noktaları eklenmedi: %1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>the window program could not be found</source>
        <translation>pencere programı bulunamadı</translation>
    </message>
    <message>
        <source>the window program %1 could not be started: %2</source>
        <extracomment>%1 is the window program&apos;s file, %2 the system&apos;s reason.</extracomment>
        <translation>pencere programı %1 başlatılamadı: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <extracomment>The file list&apos;s tooltip; &quot;| line&quot; is the edge of the list&apos;s one column, which the mouse drags to widen it.</extracomment>
        <translation>Dosyaları buraya sürükleyip bırakın. Bir öğeyi kaldırmak için üzerine çift tıklayın. Tam adları görmek için | çizgisini sağa, pencerenin dışına doğru sürükleyin.</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <extracomment>What the progress bar at the foot of the window says while no file is converted.</extracomment>
        <translation>İlerleme Çubuğu</translation>
    </message>
    <message>
        <source>Add OGG File(s)</source>
        <extracomment>Button: opens a file dialog to add Ogg files to the list.</extracomment>
        <translation>OGG Dosyası Ekle</translation>
    </message>
    <message>
        <source>Add All OGG File(s) In Folder</source>
        <extracomment>Button: asks for file endings and a folder, and adds the matching files in that folder and the folders in it.</extracomment>
        <translation>Klasördeki Tüm OGG Dosyalarını Ekle</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Dönüştürmeyi Başlat</translation>
    </message>
    <message>
        <source>Clear List</source>
        <extracomment>Button: empties the file list.</extracomment>
        <translation>Listeyi Temizle</translation>
    </message>
    <message>
        <source>Load Sample/Example Files</source>
        <translation>Örnek Dosyaları Yükle</translation>
    </message>
    <message>
        <source>Output WAV Format</source>
        <extracomment>Caption of the frame around the drop-down of WAV formats.</extracomment>
        <translation>Çıktı WAV Biçimi</translation>
    </message>
    <message>
        <source>Save Option</source>
        <extracomment>Caption of the frame around the choice of where the WAV files are saved.</extracomment>
        <translation>Kayıt Yeri</translation>
    </message>
    <message>
        <source>Save results to this folder:</source>
        <extracomment>Option; the folder field follows it.</extracomment>
        <translation>Çıktıları bu klasöre kaydet:</translation>
    </message>
    <message>
        <source>Save results in folder of original file</source>
        <translation>Çıktıları özgün dosyanın klasörüne kaydet</translation>
    </message>
    <message>
        <source>OGG File(s)</source>
        <extracomment>Header of the file list&apos;s one column.</extracomment>
        <translation>OGG Dosyaları</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <extracomment>What a screen reader calls the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>Çıktı klasörünü seç</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <extracomment>What a screen reader calls the file list.</extracomment>
        <translation>Dönüştürülecek dosyalar</translation>
    </message>
    <message>
        <source>Output folder</source>
        <extracomment>What a screen reader calls the field of the folder the WAV files are saved in.</extracomment>
        <translation>Çıktı klasörü</translation>
    </message>
    <message>
        <source>Output WAV format</source>
        <extracomment>What a screen reader calls the drop-down of WAV formats.</extracomment>
        <translation>Çıktı WAV biçimi</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <extracomment>Title of the folder dialogs of &quot;Add All OGG File(s) In Folder&quot; and of the &quot;...&quot; button beside the output folder field.</extracomment>
        <translation>Lütfen bir klasör seçin:</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <extracomment>The failure shown when the hand pointer file beside the program is no picture.</extracomment>
        <translation>Geçersiz resim</translation>
    </message>
    <message>
        <source>Enter file extension to load:</source>
        <extracomment>First line of the prompt of &quot;Add All OGG File(s) In Folder&quot;; the field below it takes file endings without their dot.</extracomment>
        <translation>Yüklenecek dosya uzantısını girin:</translation>
    </message>
    <message>
        <source>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <extracomment>Second line of the same prompt. The endings and the &quot;*&quot; are typed as they stand; only the words around them are translated.</extracomment>
        <translation>(tüm dosyalar için *, tüm txt dosyaları için txt, tüm doc dosyaları için doc vb.)</translation>
    </message>
    <message>
        <source>(several at once: ogg oga opus)</source>
        <extracomment>Third line of the same prompt: several endings go in at once, parted by blanks. The endings are typed as they stand.</extracomment>
        <translation>(birden çok uzantı: ogg oga opus)</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.</source>
        <translation>Eklemek için çok fazla dosya seçtiniz.</translation>
    </message>
    <message>
        <source>Please try adding via the &quot;Add All&quot; button.</source>
        <extracomment>&quot;Add All&quot; names the button &quot;Add All OGG File(s) In Folder&quot;.</extracomment>
        <translation>Lütfen &quot;Klasördeki Tüm OGG Dosyalarını Ekle&quot; düğmesiyle eklemeyi deneyin.</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Bu örnek dosyaların bulunduğu klasör açılsın mı? (Böylece onlarla çalışmadan önce dosyalara göz atabilirsiniz.)</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <extracomment>Title of the file dialog of &quot;Add OGG File(s)&quot;.</extracomment>
        <translation>Dosya Ekle - Birden çok dosya seçmek için Ctrl tuşunu basılı tutun</translation>
    </message>
    <message>
        <source>Ogg audio</source>
        <extracomment>The name of the file dialog&apos;s filter that shows Ogg Vorbis and Opus files.</extracomment>
        <translation>Ogg ses dosyaları</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tüm dosyalar</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>is not a file</source>
        <translation>bir dosya değil</translation>
    </message>
    <message>
        <source>was not found</source>
        <translation>bulunamadı</translation>
    </message>
    <message>
        <source>could not be read (%1)</source>
        <translation>okunamadı (%1)</translation>
    </message>
    <message>
        <source>could not be read as audio</source>
        <translation>ses olarak okunamadı</translation>
    </message>
    <message>
        <source>its result would have replaced a queued source</source>
        <translation>çıktı dosyası, sırada bekleyen bir kaynak dosyanın yerine geçecekti</translation>
    </message>
    <message>
        <source>its result would have replaced the result of %1 (same name)</source>
        <translation>çıktı dosyası, %1 dosyasının çıktısının yerine geçecekti (aynı ad)</translation>
    </message>
    <message>
        <source>the result was incomplete</source>
        <translation>çıktı dosyası eksik kaldı</translation>
    </message>
    <message>
        <source>could not be read to its end (%1)</source>
        <translation>sonuna kadar okunamadı (%1)</translation>
    </message>
    <message>
        <source>the result&apos;s length did not match the source</source>
        <translation>çıktı dosyasının süresi kaynak dosyanınkiyle uyuşmadı</translation>
    </message>
    <message>
        <source>the source is damaged (%1)</source>
        <translation>kaynak dosya hasarlı (%1)</translation>
    </message>
    <message>
        <source>the source&apos;s length could not be read, so its result could not be checked</source>
        <translation>kaynak dosyanın süresi okunamadığı için çıktı dosyası denetlenemedi</translation>
    </message>
    <message>
        <source>the result did not hold the chosen sample format</source>
        <translation>çıktı dosyası seçilen örnek biçiminde değildi</translation>
    </message>
    <message>
        <source>could not be written (%1)</source>
        <translation>yazılamadı (%1)</translation>
    </message>
    <message>
        <source>the converter wrote no result</source>
        <translation>dönüştürücü bir çıktı dosyası yazmadı</translation>
    </message>
    <message>
        <source>the converter stopped before it finished</source>
        <translation>dönüştürücü işini bitirmeden durdu</translation>
    </message>
    <message>
        <source>the converter could not be started</source>
        <translation>dönüştürücü başlatılamadı</translation>
    </message>
    <message>
        <source>no result path could be made for it</source>
        <translation>çıktı dosyası için bir yol oluşturulamadı</translation>
    </message>
    <message>
        <source>an older file of its result&apos;s name could not be moved to the trash (%1)</source>
        <translation>çıktı dosyasıyla aynı adlı eski bir dosya çöp kutusuna taşınamadı (%1)</translation>
    </message>
    <message>
        <source>the converter refused to replace a file of its result&apos;s name</source>
        <translation>dönüştürücü, çıktı dosyasıyla aynı adlı bir dosyanın yerine yazmayı reddetti</translation>
    </message>
    <message>
        <source>the source ends early (incomplete file); its result holds what it had</source>
        <translation>kaynak dosya erken bitiyor (eksik dosya); çıktı dosyası kaynakta olanı içeriyor</translation>
    </message>
    <message>
        <source>the converter reported: %1</source>
        <translation>dönüştürücü şunu bildirdi: %1</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>moved to the trash to make way for the results (&quot;Restore&quot; in the file manager puts them back)</source>
        <translation>çıktılara yer açmak için çöp kutusuna taşındı (dosya yöneticisindeki &quot;Geri Yükle&quot; ile geri getirilebilir)</translation>
    </message>
    <message>
        <source>%1, now %2</source>
        <extracomment>A file moved to the trash: its old name, then its name in the trash.</extracomment>
        <translation>%1, şimdiki adı %2</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The run&apos;s last word, on the progress bar and atop the closing message.</extracomment>
        <translation>Tamamlandı.</translation>
    </message>
    <message>
        <source>1 file could not be converted.</source>
        <translation>1 dosya dönüştürülemedi.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Under a heading, after the first ten files it lists.</extracomment>
        <translation>
            <numerusform>ve %n dosya daha</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted.</source>
        <translation>
            <numerusform>%n dosya dönüştürülemedi.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SourceLook</name>
    <message>
        <source>its headers are damaged</source>
        <translation>üst bilgileri hasarlı</translation>
    </message>
    <message>
        <source>its audio breaks off at %1 of %2</source>
        <extracomment>In &quot;The source is damaged (...)&quot;: where its sound stops, of how long it is.</extracomment>
        <translation>ses %1 noktasında kesiliyor (toplam %2)</translation>
    </message>
    <message>
        <source>its audio breaks off at %1</source>
        <translation>ses %1 noktasında kesiliyor</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style, given last.</extracomment>
        <translation>&apos;%1&apos; sonrasında değer eksik</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>bilinmeyen seçenek &apos;%1&apos;</translation>
    </message>
    <message>
        <source>an empty name is no file or folder</source>
        <translation>boş bir ad, dosya veya klasör adı olamaz</translation>
    </message>
    <message>
        <source>%1 is for --convert only</source>
        <extracomment>%1 is an option of the batch mode, such as --format.</extracomment>
        <translation>%1 yalnızca --convert ile kullanılır</translation>
    </message>
    <message>
        <source>%1 is for the window only</source>
        <extracomment>%1 is one of Qt&apos;s own options, such as -style.</extracomment>
        <translation>%1 yalnızca pencere için geçerlidir</translation>
    </message>
    <message>
        <source>no output format &apos;%1&apos;; choose one of %2</source>
        <extracomment>%1 is the value given; %2 lists the formats: 0 &quot;8-bit PCM&quot;, 1 &quot;16-bit PCM&quot; ...</extracomment>
        <translation>&apos;%1&apos; diye bir çıktı biçimi yok; şunlardan birini seçin: %2</translation>
    </message>
    <message>
        <source>--output-folder and --beside-source exclude each other</source>
        <translation>--output-folder ile --beside-source birlikte kullanılamaz</translation>
    </message>
    <message>
        <source>the output folder &apos;%1&apos; does not exist</source>
        <translation>&apos;%1&apos; çıktı klasörü mevcut değil</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no file extension</source>
        <translation>&apos;%1&apos; bir dosya uzantısı değil</translation>
    </message>
    <message>
        <source>--jobs needs a whole number from 1 to %1, not &apos;%2&apos;</source>
        <extracomment>%1 is the most conversions at once; %2 is the value given.</extracomment>
        <translation>--jobs için &apos;%2&apos; değil, 1 ile %1 arasında bir tam sayı gerekir</translation>
    </message>
    <message>
        <source>the report &apos;%1&apos; cannot be written: no such folder, or a folder</source>
        <translation>&apos;%1&apos; raporu yazılamıyor: klasörü yok ya da kendisi bir klasör</translation>
    </message>
    <message>
        <source>no files or folders to convert</source>
        <translation>dönüştürülecek dosya veya klasör yok</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>start Lorvane as %1</source>
        <extracomment>A terminal line of lorvane-window started by itself with the batch mode&apos;s options; %1 is the command to start instead.</extracomment>
        <translation>Lorvane&apos;i şu şekilde başlatın: %1</translation>
    </message>
    <message>
        <source>the open Lorvane window did not take the files</source>
        <extracomment>A terminal line: a second start handed its files to the window already open, and that window did not answer.</extracomment>
        <translation>açık olan Lorvane penceresi dosyaları almadı</translation>
    </message>
</context>
<context>
    <name>WindowStart</name>
    <message>
        <source>Qt&apos;s platform &apos;%1&apos; could not be started</source>
        <extracomment>Why the window cannot open: %1 is what -platform or QT_QPA_PLATFORM asked for.</extracomment>
        <translation>Qt platformu &apos;%1&apos; başlatılamadı</translation>
    </message>
    <message>
        <source>no display found</source>
        <extracomment>Why the window cannot open: neither DISPLAY nor WAYLAND_DISPLAY names one.</extracomment>
        <translation>ekran bulunamadı</translation>
    </message>
    <message>
        <source>the display %1 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the display&apos;s name, as &quot;:0&quot; or &quot;wayland-0&quot;.</extracomment>
        <translation>%1 ekranı açılamadı</translation>
    </message>
    <message>
        <source>the displays %1 and %2 could not be opened</source>
        <extracomment>Why the window cannot open: %1 is the X11 display&apos;s name, %2 the Wayland one&apos;s.</extracomment>
        <translation>%1 ve %2 ekranları açılamadı</translation>
    </message>
    <message>
        <source>needs a graphical session (%1); use `%2` to convert without a window</source>
        <extracomment>A terminal line. %1 is why the window cannot open; %2 the command that converts without a window, which stays as it is.</extracomment>
        <translation>grafik oturum gerekiyor (%1); pencere olmadan dönüştürmek için `%2` komutunu kullanın</translation>
    </message>
</context>
</TS>
