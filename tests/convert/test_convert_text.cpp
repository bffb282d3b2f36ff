// The texts and numbers a conversion run is made of: command lines, argument vectors, output
// paths, the closing message, the wait note and the bar's creep, and reading FFmpeg's listings.
#include "convert/commandline.h"
#include "convert/convertertool.h"
#include "convert/resultcheck.h"
#include "convert/runandwait.h"
#include "convert/runreport.h"
#include "convert/sourcekeeper.h"
#include "platform/pathbytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace lorvane;

class ConvertTextTest : public QObject {
    Q_OBJECT
  private slots:
    void commandLine_data();
    void commandLine();
    void argumentsKeepEveryName_data();
    void argumentsKeepEveryName();
    void outputPath_data();
    void outputPath();
    void closingMessage_data();
    void closingMessage();
    void waitNote_data();
    void waitNote();
    void creep_data();
    void creep();
    void listings();
    void missingCapabilities();
    void keeperLooksAgainAtNamesThatReachedNothing();
};

void ConvertTextTest::commandLine_data() {
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("expected");
    QTest::newRow("song beside its source")
        << "/usr/bin/ffmpeg"
        << "/home/u/Music/song.ogg"
        << "pcm_s16le"
        << "/home/u/Music/song.wav"
        << R"("/usr/bin/ffmpeg" -i "/home/u/Music/song.ogg" -acodec pcm_s16le "/home/u/Music/song.wav")";
    QTest::newRow("no format chosen") << "/usr/bin/ffmpeg"
                                      << "/a.ogg"
                                      << ""
                                      << "/a.wav"
                                      << R"("/usr/bin/ffmpeg" -i "/a.ogg" -acodec  "/a.wav")";
    // Paths go in as they are: nothing is escaped in the text form.
    QTest::newRow("quotes and blanks")
        << "/opt/my tools/ffmpeg"
        << R"(/m/say "hi".ogg)"
        << "pcm_mulaw"
        << R"(/m/say "hi".wav)"
        << R"("/opt/my tools/ffmpeg" -i "/m/say "hi".ogg" -acodec pcm_mulaw "/m/say "hi".wav")";
}

void ConvertTextTest::commandLine() {
    QFETCH(QString, tool);
    QFETCH(QString, source);
    QFETCH(QString, codec);
    QFETCH(QString, output);
    QFETCH(QString, expected);
    QCOMPARE(ComposeCommandLine(tool, source, codec, output), expected);
    QCOMPARE(ComposeToolCommand(tool) + QLatin1Char(' ') + ComposeArguments(source, codec, output),
             expected);
    const ToolCall call = ComposeToolCall(tool, source, codec, output);
    QCOMPARE(call.commandLine, expected);
    QCOMPARE(call.program, tool);
}

void ConvertTextTest::argumentsKeepEveryName_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("leading dash") << "-y.ogg";
    QTest::newRow("protocol look-alike") << "http:x.ogg";
    QTest::newRow("quotes") << R"(it's "so".ogg)";
    QTest::newRow("shell characters") << "$HOME `id` ;|&.ogg";
    QTest::newRow("newline") << "two\nlines.ogg";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Ünïcødé ♫.ogg");
}

void ConvertTextTest::argumentsKeepEveryName() {
    QFETCH(QString, name);
    const QStringList args = ToolArguments(name, QStringLiteral("pcm_u8"), name + ".wav");
    QCOMPARE(args, (QStringList{"-nostdin",
                                "-hide_banner",
                                "-v",
                                "error",
                                "-y",
                                "-filter_threads",
                                "1",
                                "-i",
                                "file:" + name,
                                "-map_metadata",
                                "0",
                                "-map_metadata",
                                "0:s:a:0",
                                "-acodec",
                                "pcm_u8",
                                "-rf64",
                                "auto",
                                "-f",
                                "wav",
                                "file:" + name + ".wav"}));
}

void ConvertTextTest::outputPath_data() {
    QTest::addColumn<bool>("windows");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("toFolder");
    QTest::addColumn<bool>("beside");
    QTest::addColumn<QString>("expected");
    QTest::newRow("beside, windows") << true << R"(C:\Music\song.ogg)"
                                     << "" << false << true << R"(C:\Music\song.wav)";
    QTest::newRow("folder with separator") << true << R"(C:\Music\song.ogg)"
                                           << R"(C:\Out\)" << true << false << R"(C:\Out\song.wav)";
    QTest::newRow("folder without separator")
        << true << R"(C:\Music\song.ogg)"
        << R"(C:\Out)" << true << false << R"(C:\Out\song.wav)";
    QTest::newRow("network share beside") << true << R"(\\server\share\a.ogg)"
                                          << "" << false << true << R"(\\server\share\a.wav)";
    QTest::newRow("leading single separator") << true << R"(C:\a.ogg)"
                                              << R"(\Out)" << true << false << R"(\\Out\a.wav)";
    QTest::newRow("neither option: the folder text")
        << true << R"(C:\a.ogg)"
        << R"(C:\Out\)" << false << false << R"(C:\Out\)";
    QTest::newRow("both on: the folder wins") << false << "/m/a.ogg"
                                              << "/out" << true << true << "/out/a.wav";
    QTest::newRow("posix beside") << false << "/home/u/a.b.ogg"
                                  << "/x/" << false << true << "/home/u/a.b.wav";
    QTest::newRow("posix folder") << false << "/home/u/song.ogg"
                                  << "/tmp/out/" << true << false << "/tmp/out/song.wav";
    QTest::newRow("posix doubled separators")
        << false << "/home/u/song.ogg"
        << "//tmp//out" << true << false << "/tmp/out/song.wav";
    QTest::newRow("no extension") << false << "/m/noext"
                                  << "" << false << true << "/m/noext.wav";
    QTest::newRow("only a leading dot") << false << "/m/.ogg"
                                        << "" << false << true << "/m/.ogg.wav";
}

void ConvertTextTest::outputPath() {
    QFETCH(bool, windows);
    QFETCH(QString, source);
    QFETCH(QString, folder);
    QFETCH(bool, toFolder);
    QFETCH(bool, beside);
    QFETCH(QString, expected);
    const PathStyle style = windows ? PathStyle::windows() : PathStyle::posix();
    QCOMPARE(OutputPathFor(source, folder, toFolder, beside, style), expected);
}

void ConvertTextTest::closingMessage_data() {
    // Each failure as "source|reason".
    QTest::addColumn<QStringList>("failed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("details");
    QTest::newRow("all converted") << QStringList{} << "Done."
                                   << "";
    QTest::newRow("one") << QStringList{"/m/a.ogg|could not be read as audio"}
                         << "Done.\n\n1 file could not be converted.\n\n"
                            "Could not be read as audio:\n/m/a.ogg"
                         << "Could not be read as audio:\n/m/a.ogg";
    QTest::newRow("grouped in the order first met")
        << QStringList{"/m/a.ogg|is not a file", "/m/b.ogg|the result was incomplete",
                       "/m/c.ogg|is not a file",
                       "/n/a.ogg|its result would have replaced the result of /m/a.ogg (same "
                       "name)"}
        << "Done.\n\n4 files could not be converted.\n\n"
           "Is not a file:\n/m/a.ogg\n/m/c.ogg\n\n"
           "The result was incomplete:\n/m/b.ogg\n\n"
           "Its result would have replaced the result of /m/a.ogg (same name):\n/n/a.ogg"
        << "Is not a file:\n/m/a.ogg\n/m/c.ogg\n\n"
           "The result was incomplete:\n/m/b.ogg\n\n"
           "Its result would have replaced the result of /m/a.ogg (same name):\n/n/a.ogg";
    // Names that are not UTF-8, in the list and in a reason, shown with their bytes as \xHH.
    const QString latin = PathFromBytes(QByteArray("/m/caf\xE9.ogg"));
    QTest::newRow("names that are not UTF-8")
        << QStringList{latin + "|could not be read as audio",
                       PathFromBytes(QByteArray("/n\xFC/caf\xE9.ogg")) + "|" +
                           reasons::replacesResult(latin)}
        << "Done.\n\n2 files could not be converted.\n\n"
           "Could not be read as audio:\n/m/caf\\xE9.ogg\n\n"
           "Its result would have replaced the result of /m/caf\\xE9.ogg (same name):\n"
           "/n\\xFC/caf\\xE9.ogg"
        << "Could not be read as audio:\n/m/caf\\xE9.ogg\n\n"
           "Its result would have replaced the result of /m/caf\\xE9.ogg (same name):\n"
           "/n\\xFC/caf\\xE9.ogg";
    // An entry without a reason was converted from a cut source: a note, never a failure.
    const QString cut =
        QStringLiteral("The source ends early (incomplete file); its result holds what it had:");
    QTest::newRow("a cut source alone is no failure")
        << QStringList{"/m/a.ogg|"} << "Done.\n\n" + cut + "\n/m/a.ogg" << cut + "\n/m/a.ogg";
    QTest::newRow("cut sources after the failures")
        << QStringList{"/m/a.ogg|", "/m/b.ogg|is not a file", latin + "|"}
        << "Done.\n\n1 file could not be converted.\n\nIs not a file:\n/m/b.ogg\n\n" + cut +
               "\n/m/a.ogg\n/m/caf\\xE9.ogg"
        << "Is not a file:\n/m/b.ogg\n\n" + cut + "\n/m/a.ogg\n/m/caf\\xE9.ogg";
    // "trash:path|where it went": a file that held a result's name, named with where it is now,
    // after everything else, a failure or not.
    const QString trashed = QStringLiteral(
        "Moved to the trash to make way for the results (\"Restore\" in the file manager puts "
        "them back):");
    QTest::newRow("a file moved to the trash")
        << QStringList{"trash:/w/a.wav|/h/Trash/files/a.wav"}
        << "Done.\n\n" + trashed + "\n/w/a.wav, now /h/Trash/files/a.wav"
        << trashed + "\n/w/a.wav, now /h/Trash/files/a.wav";
    QTest::newRow("trashed files after failures and cut sources")
        << QStringList{"/m/b.ogg|is not a file", "trash:/w/a.wav|/h/Trash/files/a.2.wav",
                       "/m/a.ogg|",
                       "trash:" + latin + "|" + PathFromBytes("/h/Trash/files/caf\xE9.ogg")}
        << "Done.\n\n1 file could not be converted.\n\nIs not a file:\n/m/b.ogg\n\n" + cut +
               "\n/m/a.ogg\n\n" + trashed +
               "\n/w/a.wav, now /h/Trash/files/a.2.wav\n/m/caf\\xE9.ogg, now "
               "/h/Trash/files/caf\\xE9.ogg"
        << "Is not a file:\n/m/b.ogg\n\n" + cut + "\n/m/a.ogg\n\n" + trashed +
               "\n/w/a.wav, now /h/Trash/files/a.2.wav\n/m/caf\\xE9.ogg, now "
               "/h/Trash/files/caf\\xE9.ogg";
    QStringList ten;
    QStringList twelve;
    for (int i = 1; i <= 12; ++i) {
        (i <= 10 ? ten : twelve).append(QStringLiteral("/m/%1.ogg").arg(i));
    }
    const auto failing = [](const QStringList& files, const QString& reason) {
        QStringList out;
        for (const QString& f : files) {
            out.append(f + '|' + reason);
        }
        return out;
    };
    const QString written = QStringLiteral("could not be written (No space left on device)");
    QTest::newRow("ten of one reason")
        << failing(ten, written)
        << "Done.\n\n10 files could not be converted.\n\n"
           "Could not be written (No space left on device):\n" +
               ten.join('\n')
        << "Could not be written (No space left on device):\n" + ten.join('\n');
    QTest::newRow("ten shown per reason, every one in the details")
        << failing(ten + twelve, written) + failing({"/x.ogg"}, "is not a file")
        << "Done.\n\n13 files could not be converted.\n\n"
           "Could not be written (No space left on device):\n" +
               ten.join('\n') + "\nand 2 more\n\nIs not a file:\n/x.ogg"
        << "Could not be written (No space left on device):\n" + (ten + twelve).join('\n') +
               "\n\nIs not a file:\n/x.ogg";
}

void ConvertTextTest::closingMessage() {
    QFETCH(QStringList, failed);
    QFETCH(QString, expected);
    QFETCH(QString, details);
    QVector<FileFailure> failures;
    QStringList endedEarly;
    QVector<TrashedFile> trashed;
    for (const QString& f : failed) {
        const QString source = f.section('|', 0, 0);
        if (source.startsWith("trash:")) {
            trashed.append({"/m/x.ogg", source.mid(6), f.section('|', 1)});
        } else if (f.section('|', 1).isEmpty()) {
            endedEarly.append(source);
        } else {
            failures.append({source, f.section('|', 1)});
        }
    }
    const ClosingReport report = ClosingMessage(failures, endedEarly, trashed);
    QCOMPARE(report.text, expected);
    QCOMPARE(report.details, details);
}

void ConvertTextTest::waitNote_data() {
    QTest::addColumn<QString>("base");
    QTest::addColumn<int>("tick");
    QTest::addColumn<QString>("expected");
    QTest::newRow("tick 50") << "Processing: a.ogg" << 50 << "Processing: a.ogg, Please wait.. 0";
    QTest::newRow("tick 51") << "Processing: a.ogg" << 51 << "Processing: a.ogg, Please wait.. 1";
    QTest::newRow("empty base") << "" << 60 << "Please wait.. 10";
}

void ConvertTextTest::waitNote() {
    QFETCH(QString, base);
    QFETCH(int, tick);
    QFETCH(QString, expected);
    QCOMPARE(WaitNoteText(base, tick), expected);
}

void ConvertTextTest::creep_data() {
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("k");
    QTest::addColumn<double>("expected");
    // Four files: a step of round(2.5) = 2 (halves to even), capped at base + 23.
    QTest::newRow("4 files, first creep") << 25 << 4 << 0 << 25.0;
    QTest::newRow("4 files, second") << 25 << 4 << 1 << 27.0;
    QTest::newRow("4 files, third") << 25 << 4 << 2 << 29.0;
    QTest::newRow("4 files, capped") << 25 << 4 << 12 << 48.0;
    // One file: step 10, cap base + 90 (beyond the bar's end; the bar shows it full).
    QTest::newRow("1 file") << 100 << 1 << 3 << 130.0;
    QTest::newRow("1 file, capped") << 100 << 1 << 20 << 190.0;
    // Eight files: 12.5 per file, step 1, cap round(base + 11.5) to even.
    QTest::newRow("8 files, capped") << 13 << 8 << 40 << 24.0;
    QTest::newRow("3 files") << 33 << 3 << 1 << 36.0;
    // From 20 files on the step rounds to 0 and the bar stays put.
    QTest::newRow("20 files") << 5 << 20 << 5 << 5.0;
    QTest::newRow("no files left") << 40 << 0 << 2 << 40.0;
}

void ConvertTextTest::creep() {
    QFETCH(int, base);
    QFETCH(int, total);
    QFETCH(int, k);
    QFETCH(double, expected);
    QCOMPARE(CreepValue(base, total, k), expected);
}

void ConvertTextTest::listings() {
    const QString encoders = QStringLiteral(
        "Encoders:\n"
        " V..... = Video\n"
        " A..... = Audio\n"
        " ------\n"
        " V....D a64multi             Multicolor charset\n"
        " A....D pcm_u8               PCM unsigned 8-bit\n");
    const ToolListing e = ParseToolListing(encoders);
    QVERIFY(e.has("pcm_u8", 'A'));
    QVERIFY(!e.has("a64multi", 'A'));
    QVERIFY(!e.has("Audio", 'A'));  // legend lines above the rule are not entries
    const QString muxers = QStringLiteral(
        "File formats:\n"
        " D. = Demuxing supported\n"
        " .E = Muxing supported\n"
        " --\n"
        "  E mov,mp4,m4a          QuickTime / MOV\n"
        " D  wav             WAV / WAVE (Waveform Audio)\n");
    const ToolListing m = ParseToolListing(muxers);
    QVERIFY(m.has("mp4", 'E'));
    QVERIFY(!m.has("wav", 'E'));  // only read, not written
}

void ConvertTextTest::missingCapabilities() {
    const ToolListing encoders = ParseToolListing(QStringLiteral(
        "--\n A pcm_u8 x\n A pcm_s16le x\n A pcm_s24le x\n A pcm_f32le x\n A pcm_f64le x\n"));
    const ToolListing decoders = ParseToolListing(QStringLiteral("--\n A libvorbis x\n"));
    const ToolListing muxers = ParseToolListing(QStringLiteral("--\n E wav x\n"));
    QCOMPARE(MissingCapabilities(encoders, decoders, muxers), QStringList{"the encoder pcm_mulaw"});
    QCOMPARE(MissingCapabilities(encoders, ToolListing{}, ToolListing{}),
             (QStringList{"the encoder pcm_mulaw", "the Vorbis decoder", "the WAV writer"}));
}

// A queued name whose file appears only later (copied in while the run waits) is protected
// once it is there.
void ConvertTextTest::keeperLooksAgainAtNamesThatReachedNothing() {
    QTemporaryDir dir;
    const QString later = dir.filePath("later.wav");
    const QString other = dir.filePath("later.ogg");
    SourceKeeper keeper;
    keeper.protect(later);
    QCOMPARE(keeper.refusal(other, later, false), QString());
    QFile file(later);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    keeper.protect(later);
    QCOMPARE(keeper.refusal(other, later, false), "its result would have replaced a queued source");
}

QTEST_APPLESS_MAIN(ConvertTextTest)
#include "test_convert_text.moc"
