#include "ui/main/main_window.h"
#include "ui/seams/message_boxes.h"

#include <QAction>
#include <QCoreApplication>

namespace quillmar {

void MainWindow::connectLanguageMenu() {
    runningLanguage_ = readProgramLanguage(settings_);
    chosenLanguage_ = runningLanguage_;
    (runningLanguage_ == ProgramLanguage::English ? menus_.languageEnglish
                                                  : menus_.languageJapanese)
        ->setChecked(true);
    connect(menus_.languageJapanese, &QAction::triggered, this,
            [this] { chooseLanguage(ProgramLanguage::Japanese); });
    connect(menus_.languageEnglish, &QAction::triggered, this,
            [this] { chooseLanguage(ProgramLanguage::English); });
}

void MainWindow::chooseLanguage(ProgramLanguage language) {
    const bool changed = language != chosenLanguage_;
    chosenLanguage_ = language;
    if (changed && language != runningLanguage_) {
        // Every window's texts are made once; the new ones come with the next start.
        services_.messages.show(
            this, QStringLiteral("Quillmar"),
            QCoreApplication::translate("MainWindow", "表示言語は次回の起動から変わります。"),
            MessageIcon::Information);
    }
}

} // namespace quillmar
