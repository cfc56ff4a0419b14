#pragma once

#include <QString>

class QWidget;

namespace quillmar {

// The file dialogs of Save and Open. Tests hand in an answer instead of a person.
class SaveFileDialog {
public:
    virtual ~SaveFileDialog() = default;
    // Offers "Main Files(*.MIN)" (preselected), "NC Files(*.NC)" and "All Files(*.*)",
    // asks before replacing an existing file, adds no extension. Returns the chosen
    // path exactly as given, or the empty text when cancelled.
    virtual QString askFileName(QWidget* parent, const QString& folder) = 0;
    // The open counterpart, with the same file types; only an existing file can be
    // chosen. The empty text when cancelled.
    virtual QString askOpenFileName(QWidget* parent, const QString& folder) = 0;
    // A groove's profile to open: drawings (*.dxf) and text profiles (*.groove).
    virtual QString askProfileFileName(QWidget* parent, const QString& folder) = 0;
};

class QtSaveFileDialog final : public SaveFileDialog {
public:
    QString askFileName(QWidget* parent, const QString& folder) override;
    QString askOpenFileName(QWidget* parent, const QString& folder) override;
    QString askProfileFileName(QWidget* parent, const QString& folder) override;
};

} // namespace quillmar
