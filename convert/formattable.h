#pragma once

#include <QString>

#include <array>

namespace lorvane {

struct OutputFormat {
    QString label;  // what the drop-down shows and "kbps" stores
    QString codec;  // the FFmpeg encoder that writes it
    // What the file holds, for labels that do not say it: "32-bit PCM" and "64-bit PCM" write
    // floating point, "16-bit PCM µ-law" 8-bit µ-law. Short enough for a column of --help.
    // In English; described() gives it in the user's language. The label is not translated:
    // it is stored in the settings and named on the command line.
    QString description;

    QString described() const;
};

// The six output formats in drop-down order; the index is what "Combo1" stores.
const std::array<OutputFormat, 6>& OutputFormats();

// The codec of the row whose label equals the text exactly (case-sensitive, no trimming),
// or the empty text when no row matches.
QString getWAVFormat(const QString& label);

}  // namespace lorvane
