#pragma once

#include "ui/seams/program_language.h"

class QAction;
class QWidget;

namespace quillmar {

class MessageBoxes;

// "表示言語": the language the program runs in, and the one chosen in the menu for the
// next start. Every window's texts are made once, so choosing another language only
// says when it applies.
class LanguageMenu {
public:
    LanguageMenu(QAction& japanese, QAction& english, ProgramLanguage running,
                 MessageBoxes& messages, QWidget& window);
    LanguageMenu(const LanguageMenu&) = delete;
    LanguageMenu& operator=(const LanguageMenu&) = delete;

    // What the store keeps at closing.
    ProgramLanguage chosen() const { return chosen_; }

private:
    void choose(ProgramLanguage language);

    ProgramLanguage running_;
    ProgramLanguage chosen_;
    MessageBoxes& messages_;
    QWidget& window_;
};

} // namespace quillmar
