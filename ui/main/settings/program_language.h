#pragma once

#include "ui/seams/program_language.h"

#include <QTranslator>

namespace quillmar {

// Installs the texts of a language for as long as it lives: English, the program's
// English texts; Japanese, Qt's own texts in Japanese (dialog buttons, the file
// dialog), the program's being Japanese already. A language chosen while running
// applies from the next start.
class ProgramTranslators {
public:
    explicit ProgramTranslators(ProgramLanguage language);
    ~ProgramTranslators();
    ProgramTranslators(const ProgramTranslators&) = delete;
    ProgramTranslators& operator=(const ProgramTranslators&) = delete;

private:
    QTranslator program_;
    QTranslator qt_;
};

} // namespace quillmar
