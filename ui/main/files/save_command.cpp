#include "ui/main/files/save_command.h"

#include "render/whole_file.h"
#include "ui/main/files/save_file_dialog.h"
#include "ui/main/files/shift_jis_text.h"
#include "ui/seams/message_boxes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quillmar {

namespace {

// The title and the two texts for a missing pane or an empty one are the program's own
// and stay as they are in every language; the texts that explain a failed write follow
// the chosen language, as Open's do.
const QString kSaveErrorTitle = QStringLiteral("Save error");

struct SaveTexts {
    Q_DECLARE_TR_FUNCTIONS(SaveCommand)
};

void showSaveError(const SaveRequest& request, const QString& text) {
    request.messages.show(request.parent, kSaveErrorTitle, text, MessageIcon::Warning);
}

std::optional<QByteArray> encodeOrExplain(const SaveRequest& request, const QString& path,
                                          QStringView text) {
    auto encoded = encodeShiftJis(text);
    if (encoded) {
        return std::move(*encoded);
    }
    if (const auto* bad = std::get_if<UnencodableCharacter>(&encoded.error())) {
        showSaveError(request, SaveTexts::tr("%1 行目の文字「%2」は Shift-JIS で表せません。\n"
                                             "%3 は書き込みませんでした。")
                                   .arg(bad->lineNumber)
                                   .arg(bad->character, QDir::toNativeSeparators(path)));
    } else {
        showSaveError(request, SaveTexts::tr("このシステムには Shift-JIS の変換がありません。\n"
                                             "%1 は書き込みませんでした。")
                                   .arg(QDir::toNativeSeparators(path)));
    }
    return std::nullopt;
}

} // namespace

QString saveDialogFolder(const QString& openPathName) {
    if (openPathName.isEmpty() || openPathName == QStringLiteral("\\") ||
        !QFileInfo(openPathName).isDir()) {
        return QDir::homePath();
    }
    return openPathName;
}

std::optional<QString> runSaveCommand(const SaveRequest& request) {
    if (!request.focusedPaneText) {
        showSaveError(request, QStringLiteral("Please select Text box. "));
        return std::nullopt;
    }
    const QStringView text = *request.focusedPaneText;
    if (text.isEmpty()) {
        showSaveError(request, QStringLiteral("No data !! "));
        return std::nullopt;
    }
    const QString path =
        request.dialog.askFileName(request.parent, saveDialogFolder(request.openPathName));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    request.openPathName = QFileInfo(path).absolutePath();

    const QString fileText = text.toString() + QStringLiteral("\r\n");
    const std::optional<QByteArray> bytes = encodeOrExplain(request, path, fileText);
    if (!bytes) {
        return std::nullopt;
    }
    if (const auto written = writeFileCompletely(path, *bytes); !written) {
        showSaveError(request, SaveTexts::tr("%1 を保存できませんでした: %2\n"
                                             "同じ名前のファイルは元のままです。")
                                   .arg(QDir::toNativeSeparators(path), written.error()));
        return std::nullopt;
    }
    return path;
}

} // namespace quillmar
