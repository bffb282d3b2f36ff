#pragma once

// The verdict on a conversion: whether a result the converter called a success is whole, and
// why a run it called a failure failed, in the closing message's words.

#include "convert/reasons.h"
#include "convert/sourcelook.h"

#include <QByteArray>
#include <QString>

namespace lorvane {

// Why a finished conversion (the converter said it succeeded) does not count, or the empty
// text when its result is complete: a well-formed WAV in the chosen coding (a sampler chunk
// after the samples included), and for a Vorbis or Opus source exactly the frames it
// declares. `errorTail` is the end of what the converter wrote to its error output.
QString CheckResult(const SourceLook& source, const QString& sourcePath, const QString& output,
                    const QString& codec, const QByteArray& errorTail);

// What the converter said went wrong with a source, from the end of its error output, in a
// form for a reason's detail; empty when it said nothing.
QString ConverterComplaint(const QByteArray& errorTail);

// Why a conversion the converter reported as failed did not work, told from the end of its
// error output: the result could not be written, the source could not be read, or (most
// often) the source is no audio it can read.
QString ReasonForFailure(const QString& sourcePath, const QString& output,
                         const QByteArray& errorTail);

}  // namespace lorvane
