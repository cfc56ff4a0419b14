#pragma once

#include <QString>

class QWidget;

namespace quillmar {

enum class MessageIcon { None, Information, Warning, Critical };

// The question asked before unsaved text would be thrown away, with a check box that
// lets the user stop being asked.
struct SaveQuestion {
    QString title;
    QString text;
    QString stopAskingText;
};
enum class SaveChoice { Save, Discard, Cancel };
struct SaveAnswer {
    SaveChoice choice = SaveChoice::Cancel;
    bool stopAsking = false;
};

// Every message box of the program goes through this seam, so tests can run the
// commands that show one without a person to press OK.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A modal box with one OK button.
    virtual void show(QWidget* parent, const QString& title, const QString& text,
                      MessageIcon icon) = 0;
    // A modal box with Save, Discard and Cancel; closing it is Cancel.
    virtual SaveAnswer askToSave(QWidget* parent, const SaveQuestion& question) = 0;
};

// The real boxes.
class QtMessageBoxes final : public MessageBoxes {
public:
    void show(QWidget* parent, const QString& title, const QString& text,
              MessageIcon icon) override;
    SaveAnswer askToSave(QWidget* parent, const SaveQuestion& question) override;
};

} // namespace quillmar
