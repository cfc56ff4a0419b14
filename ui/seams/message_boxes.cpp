#include "ui/seams/message_boxes.h"

#include <QCheckBox>
#include <QMessageBox>

namespace quillmar {

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtMessageBoxes::show(QWidget* parent, const QString& title, const QString& text,
                          MessageIcon icon) {
    QMessageBox box(toQtIcon(icon), title, text, QMessageBox::Ok, parent);
    box.exec();
}

SaveAnswer QtMessageBoxes::askToSave(QWidget* parent, const SaveQuestion& question) {
    QMessageBox box(QMessageBox::Warning, question.title, question.text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    auto* stopAsking = new QCheckBox(question.stopAskingText, &box);
    box.setCheckBox(stopAsking);
    const int pressed = box.exec();
    const SaveChoice choice = pressed == QMessageBox::Save      ? SaveChoice::Save
                              : pressed == QMessageBox::Discard ? SaveChoice::Discard
                                                                : SaveChoice::Cancel;
    return {choice, stopAsking->isChecked()};
}

} // namespace quillmar
