#include "ui/main/settings/language_menu.h"

#include "ui/seams/message_boxes.h"

#include <QAction>
#include <QCoreApplication>
#include <QWidget>

namespace quillmar {

LanguageMenu::LanguageMenu(QAction& japanese, QAction& english, ProgramLanguage running,
                           MessageBoxes& messages, QWidget& window)
    : running_(running), chosen_(running), messages_(messages), window_(window) {
    (running_ == ProgramLanguage::English ? english : japanese).setChecked(true);
    QObject::connect(&japanese, &QAction::triggered, &window,
                     [this] { choose(ProgramLanguage::Japanese); });
    QObject::connect(&english, &QAction::triggered, &window,
                     [this] { choose(ProgramLanguage::English); });
}

void LanguageMenu::choose(ProgramLanguage language) {
    const bool changed = language != chosen_;
    chosen_ = language;
    if (changed && language != running_) {
        // Every window's texts are made once; the new ones come with the next start.
        messages_.show(
            &window_, QStringLiteral("Quillmar"),
            QCoreApplication::translate("MainWindow", "表示言語は次回の起動から変わります。"),
            MessageIcon::Information);
    }
}

} // namespace quillmar
