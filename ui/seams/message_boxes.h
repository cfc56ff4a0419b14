#pragma once

#include <QString>

class QWidget;

namespace quillmar {

enum class MessageIcon { None, Information, Warning, Critical };

// Every message box of the program goes through this seam, so tests can run the
// commands that show one without a person to press OK.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A modal box with one OK button.
    virtual void show(QWidget* parent, const QString& title, const QString& text,
                      MessageIcon icon) = 0;
};

// The real boxes.
class QtMessageBoxes final : public MessageBoxes {
public:
    void show(QWidget* parent, const QString& title, const QString& text,
              MessageIcon icon) override;
};

} // namespace quillmar
