#pragma once

#include "ui/main/commands/system_info_registry.h"
#include "ui/main/files/save_file_dialog.h"

#include <QString>
#include <vector>

namespace quillmar::testing {

// Answers the save and open dialogs with prepared names and remembers the folder it opened in.
class AnsweringSaveDialog : public SaveFileDialog {
public:
    QString askFileName(QWidget*, const QString& folder) override {
        ++asked;
        openedIn = folder;
        return answer;
    }
    QString askOpenFileName(QWidget*, const QString& folder) override {
        ++askedToOpen;
        openedIn = folder;
        return openAnswer;
    }
    QString askProfileFileName(QWidget*, const QString& folder) override {
        ++askedForProfile;
        openedIn = folder;
        return profileAnswer;
    }
    QString answer;
    QString openAnswer;
    QString profileAnswer;
    QString openedIn;
    int asked = 0;
    int askedToOpen = 0;
    int askedForProfile = 0;
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
