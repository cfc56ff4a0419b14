#pragma once

#include <QTranslator>

class QSettings;

namespace quillmar {

// The language of captions, tooltips, menus and messages. Japanese is the default
// whatever the system's locale is; the generated programs are the same in both.
enum class ProgramLanguage { Japanese, English };

// "Language" in the "Settings" group: "ja" or "en"; anything else is Japanese.
ProgramLanguage readProgramLanguage(QSettings& store);
void writeProgramLanguage(QSettings& store, ProgramLanguage language);

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
