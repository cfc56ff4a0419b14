#include "ui/main/files/save_file_dialog.h"

#include <QFileDialog>

namespace quillmar {

namespace {

const QString kFilters = QStringLiteral("Main Files(*.MIN);;NC Files(*.NC);;All Files(*.*)");

} // namespace

QString QtSaveFileDialog::askFileName(QWidget* parent, const QString& folder) {
    // No default suffix: the name is used as typed. Overwriting is confirmed by the
    // dialog, and its folder must exist.
    return QFileDialog::getSaveFileName(parent, QString(), folder, kFilters);
}

QString QtSaveFileDialog::askOpenFileName(QWidget* parent, const QString& folder) {
    return QFileDialog::getOpenFileName(parent, QString(), folder, kFilters);
}

QString QtSaveFileDialog::askProfileFileName(QWidget* parent, const QString& folder) {
    return QFileDialog::getOpenFileName(
        parent, QString(), folder,
        QStringLiteral("Groove Profiles(*.dxf *.DXF *.groove);;Drawings(*.dxf *.DXF);;"
                       "Text Profiles(*.groove);;All Files(*.*)"));
}

} // namespace quillmar
