#include "ui/main/open_command.h"

#include "ui/main/program_file.h"
#include "ui/main/save_command.h"
#include "ui/main/save_file_dialog.h"
#include "ui/seams/message_boxes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quillmar {

namespace {

struct OpenTexts {
    Q_DECLARE_TR_FUNCTIONS(OpenCommand)
};

void showOpenError(MessageBoxes& messages, QWidget* parent, const QString& text) {
    messages.show(parent, OpenTexts::tr("ファイルを開けません"), text, MessageIcon::Warning);
}

} // namespace

QString askProgramFileToOpen(SaveFileDialog& dialog, QString& openPathName, QWidget* parent) {
    const QString path = dialog.askOpenFileName(parent, saveDialogFolder(openPathName));
    if (!path.isEmpty()) {
        openPathName = QFileInfo(path).absolutePath();
    }
    return path;
}

std::optional<QString> loadProgramFile(const QString& path, MessageBoxes& messages,
                                       QWidget* parent) {
    auto text = readProgramFile(path);
    if (text) {
        return std::move(*text);
    }
    showOpenError(messages, parent,
                  OpenTexts::tr("%1 を開けませんでした: %2\nペインは元のままです。")
                      .arg(QDir::toNativeSeparators(path), text.error().reason));
    return std::nullopt;
}

void tellRecentFileMissing(const QString& path, MessageBoxes& messages, QWidget* parent) {
    showOpenError(messages, parent,
                  OpenTexts::tr("%1 はもうありません。\n最近使ったファイルの一覧から外しました。")
                      .arg(QDir::toNativeSeparators(path)));
}

} // namespace quillmar
