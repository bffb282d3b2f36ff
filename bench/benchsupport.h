#pragma once

// What bench_conversion needs around the program it measures: making sources, starting
// processes without a runner of our own in between, timing variants in interleaved rounds,
// and printing their figures. Nothing here converts a file the program's own way; the
// conversions are the program's (the window, the batch mode) or FFmpeg's, started with the
// argument lists the program builds.

#include "convert/commandline.h"

#include <QByteArray>
#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <vector>

namespace lorvane::bench {

// A stereo 44.1 kHz Vorbis file of a sine tone.
bool MakeOgg(const QString& ffmpeg, const QString& path, int seconds, int frequency);

QList<QByteArray> Encoded(const QStringList& args);

// Starts the program and waits for it, nothing else: the floor any runner has to pay.
// Returns its exit status, -1 when it could not start or did not exit.
int SpawnAndWait(const QByteArray& program, const QList<QByteArray>& args,
                 const char* input = "/dev/null");

// Starts every argument list at once, then waits for all of them; true when all exit with 0.
bool SpawnAllAndWait(const QByteArray& program, const QVector<QList<QByteArray>>& argLists);

// `lorvane --convert` with the given arguments, as a user starts it from a console without a
// desktop: no display in its environment, everything else (the cache folder among it) kept.
bool RunBatch(const QString& lorvaneProgram, const QStringList& arguments);
// This process's environment without a display of any kind, as a console or a build
// server starts the batch mode.
QProcessEnvironment ConsoleEnvironment();

void EmptyFolder(const QString& path);

// Where the result of a source goes in a folder.
QString ResultOf(const QString& folder, const QString& source);

// How FFmpeg is to take a source for exactly libvorbisfile's samples, as the program tells
// it; looked up once per source (call it for every source before timing anything), so that
// the FFmpeg setups compared with the program pay nothing for the looking.
const lorvane::ExactLinks& ExactOf(const QString& source);

// The fastest byte-identical FFmpeg setup: one FFmpeg per process slot, each converting an
// equal share of the sources with the program's own group argument list, every input read
// ahead by its own thread with room for a whole short file's packets, and one filter thread.
// Options the group list already carries are not given twice.
// With `exact` false, FFmpeg trims the sources itself, as the program once let it: what
// exactness costs.
QVector<QStringList> FloorArgumentLists(const QStringList& sources, const QString& folder,
                                        const QString& codec, int processes, bool exact = true);

// A positive whole number from the environment, or the fallback when unset; 0 is kept.
int EnvironmentCount(const char* name, int fallback);

// One way of converting a set, and what its rounds took. The folder is emptied before each.
struct Variant {
    QString name;
    QString folder;
    std::function<bool()> run;
    std::vector<double> ms;

    double min() const;
    double median() const;
};

// Round 1 of every variant, then round 2 of every variant, and so on, so that a noisy
// neighbour on the machine weighs on all of them alike. False (with a message) on a failure.
bool RunInterleaved(std::vector<Variant>& variants, int rounds);

// "name: min ms (median ms)" for every variant; with files, per file as well.
void PrintTable(const std::vector<Variant>& variants, int files = 0);

// "a / b: ratio of the minimums (of the medians), target at most ..."; divisors scale each
// side to a figure per file where the two sides hold different numbers of files.
void PrintRatio(const char* label, const Variant& a, const Variant& b, double atMost,
                double aFiles = 1, double bFiles = 1);

// The first source whose results in the two folders differ in content, or an empty string.
QString FirstDifference(const QString& folderA, const QString& folderB, const QStringList& sources);

// What writing through a temporary file adds to each result, the bytes aside. Prints a line of
// figures and returns the whole cost in ms per file, or -1 when a result could not be put in
// place.
double PlacementCost(const QStringList& sources, const QString& converted, const QString& folder,
                     const QString& codec);

}  // namespace lorvane::bench
