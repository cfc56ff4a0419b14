#pragma once

#include "ui/main/commands/system_info_registry.h"
#include "ui/main/files/save_file_dialog.h"
#include "ui/seams/message_boxes.h"

#include <QtGlobal>

namespace quillmar::bench {

// A benchmark runs what nothing may interrupt: a message box or a question would
// be a fault, and fails the benchmark.
struct NoMessages : MessageBoxes {
    void show(QWidget*, const QString&, const QString& text, MessageIcon) override {
        qFatal("unexpected message box: %s", qPrintable(text));
    }
    SaveAnswer askToSave(QWidget*, const SaveQuestion& question) override {
        qFatal("unexpected question: %s", qPrintable(question.text));
    }
};
struct NoSaveDialog : SaveFileDialog {
    QString askFileName(QWidget*, const QString&) override { return {}; }
    QString askOpenFileName(QWidget*, const QString&) override { return {}; }
    QString askProfileFileName(QWidget*, const QString&) override { return {}; }
};
struct NoStarter : ProgramStarter {
    bool startDetached(const QString&) override { return false; }
};

} // namespace quillmar::bench
