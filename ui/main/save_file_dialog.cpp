#include "ui/main/save_file_dialog.h"

#include <QFileDialog>

namespace quillmar {

QString QtSaveFileDialog::askFileName(QWidget* parent, const QString& folder) {
    const QString filters = QStringLiteral("Main Files(*.MIN);;NC Files(*.NC);;All Files(*.*)");
    // No default suffix: the name is used as typed. Overwriting is confirmed by the
    // dialog, and its folder must exist.
    return QFileDialog::getSaveFileName(parent, QString(), folder, filters);
}

} // namespace quillmar
