#pragma once

// A source tree kept below the output folder: each source's results go to its own subfolder,
// which must stay below the output folder and is made when its first result is.

#include "convert/runfrontend.h"

#include <QString>

#include <optional>

namespace lorvane {

// Whether a relative folder joined to another stays below it: not absolute, no ".." part.
bool StaysBelow(const QString& relative);

// The folder this source's result goes to with "save to this folder": the folder text, joined
// with the source's subfolder when it has one. None when that subfolder would lead out.
std::optional<QString> ResultFolderFor(const ConversionChoices& choices, const QString& source);

// Makes the source's subfolder below the output folder, and each folder on the way, when the
// choices give it one. Returns the system's reason when a folder cannot be made, else empty.
QString MakeResultFolder(const ConversionChoices& choices, const QString& source);

}  // namespace lorvane
