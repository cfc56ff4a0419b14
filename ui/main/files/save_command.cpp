#include "ui/main/files/save_command.h"

#include "render/whole_file.h"
#include "ui/main/files/save_file_dialog.h"
#include "ui/main/files/shift_jis_text.h"
#include "ui/seams/message_boxes.h"

#include <QDir>
#include <QFileInfo>

namespace quillmar {

namespace {

const QString kSaveErrorTitle = QStringLiteral("Save error");

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
        showSaveError(request, QStringLiteral("Line %1 holds the character \"%2\", which "
                                              "Shift-JIS cannot hold.\n%3 was not written.")
                                   .arg(bad->lineNumber)
                                   .arg(bad->character, QDir::toNativeSeparators(path)));
    } else {
        showSaveError(request, QStringLiteral("This system has no Shift-JIS converter.\n"
                                              "%1 was not written.")
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
        showSaveError(request, QStringLiteral("%1 could not be saved: %2\n"
                                              "Any file of that name was left as it was.")
                                   .arg(QDir::toNativeSeparators(path), written.error()));
        return std::nullopt;
    }
    return path;
}

} // namespace quillmar
