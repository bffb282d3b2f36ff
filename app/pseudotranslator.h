#pragma once

#include <QTranslator>

namespace lorvane {

// Answers every text with an accented one some 40 % longer, in brackets, so that a caption
// too long for its control, or a text that never went through translation, shows before any
// translator sees it. Placeholders (%1, %n), mnemonics and markup stay as they are.
class PseudoTranslator : public QTranslator {
  public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }
};

QString PseudoText(const QString& english);

}  // namespace lorvane
