#pragma once

#include "ui/main/save_file_dialog.h"
#include "ui/main/system_info_registry.h"

#include <QString>
#include <vector>

namespace quillmar::testing {

// Answers the save dialog with a prepared name and remembers the folder it opened in.
class AnsweringSaveDialog : public SaveFileDialog {
public:
    QString askFileName(QWidget*, const QString& folder) override {
        ++asked;
        openedIn = folder;
        return answer;
    }
    QString answer;
    QString openedIn;
    int asked = 0;
};

// Records the programs it is asked to start instead of starting them.
class RecordingStarter : public ProgramStarter {
public:
    bool startDetached(const QString& path) override {
        started.push_back(path);
        return starts;
    }
    std::vector<QString> started;
    bool starts = true;
};

} // namespace quillmar::testing
