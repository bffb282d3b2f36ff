#pragma once

#include <QString>
#include <QStringList>

namespace lorvane {

// The options Qt reads for itself from a GUI program's command line (-style Fusion,
// -platform offscreen, -reverse ...), taken out of the arguments before the program reads
// its own, so that they reach Qt whole instead of being read as bundles of short options.
struct QtOptionSplit {
    QStringList ours;  // the program's own arguments, its name first
    QStringList qt;    // Qt's options with their values, in the order given
    // An option of Qt's that needs a value and was given none; empty when all is well.
    QString problem;
};

// Qt's options end where "--" does: what follows is files.
QtOptionSplit SplitQtOptions(const QStringList& arguments);

// The value of one of Qt's options among those split off, by its name without dashes
// ("platform"); the last one given, as Qt takes it; empty when not given.
QString QtOptionValue(const QStringList& qtOptions, const QString& name);

}  // namespace lorvane
