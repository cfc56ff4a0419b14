#pragma once

#include <QDialog>

namespace quillmar {

class MessageBoxes;
class ProgramStarter;
class RegistryReader;

// "Quillmar information": the program's title and version, and a way to the system
// information tool. OK, Enter and Esc close it (Enter presses "System Inf." while
// that button has the focus); the window that opened it makes its graphics whole
// again afterwards.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(MessageBoxes& messages, const RegistryReader& registry, ProgramStarter& starter,
             QWidget* parent);

    // "Ver. " and the program's major, minor and revision numbers.
    static QString versionText();

public slots:
    // Esc and the close box do what OK does.
    void reject() override;

private:
    void buildLabels();
    void buildRule();
    void buildButtons();
    void startSystemInformation();

    MessageBoxes& messages_;
    const RegistryReader& registry_;
    ProgramStarter& starter_;
};

} // namespace quillmar
