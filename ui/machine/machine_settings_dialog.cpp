#include "ui/machine/machine_settings_dialog.h"

#include "core/machine/machine_keys.h"
#include "core/quoted_text.h"
#include "ui/machine/machine_settings.h"
#include "ui/seams/message_boxes.h"
#include "ui/seams/setting_keys.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace quillmar {

namespace {

struct DialogTexts {
    Q_DECLARE_TR_FUNCTIONS(MachineSettingsDialog)
};

// The boxes' captions, in the order of setting::kMachineSettings.
const std::array<const char*, 7> kCaptions{
    QT_TRANSLATE_NOOP("MachineSettingsDialog", "主軸回転数 (min⁻¹)"),
    QT_TRANSLATE_NOOP("MachineSettingsDialog", "Z軸 最大送り速度 (mm/min)"),
    QT_TRANSLATE_NOOP("MachineSettingsDialog", "時定数 T1 (s)"),
    QT_TRANSLATE_NOOP("MachineSettingsDialog", "Z軸 加速度 (mm/s², T1 の代わり)"),
    QT_TRANSLATE_NOOP("MachineSettingsDialog", "許容リード誤差 (%)"),
    QT_TRANSLATE_NOOP("MachineSettingsDialog", "早送り速度 (mm/min)"),
    QT_TRANSLATE_NOOP("MachineSettingsDialog", "肩の Z (空欄: 終端は調べない)"),
};

// "txtSpindleSpeed" for spindleSpeed.
QString boxName(const char* key) {
    QString name = QString::fromLatin1(key);
    name[0] = name[0].toUpper();
    return QStringLiteral("txt") + name;
}

QString problemText(MachineEntryProblem problem, const QString& caption, const QString& typed) {
    switch (problem) {
    case MachineEntryProblem::NotANumber:
        return DialogTexts::tr("%1: %2 は数値ではありません。空欄 (不明) か数値を入れてください。")
            .arg(caption, QString::fromStdString(quotedText(typed.toStdString())));
    case MachineEntryProblem::NotPositive:
        return DialogTexts::tr("%1: 0 より大きい値を入れてください。").arg(caption);
    case MachineEntryProblem::NotAPercent:
        return DialogTexts::tr("%1: 0 より大きく 100 より小さい値を入れてください。").arg(caption);
    }
    return {};
}

} // namespace

MachineSettingsDialog::MachineSettingsDialog(const MachineProfile& profile, MessageBoxes& messages,
                                             QWidget* parent)
    : QDialog(parent), profile_(profile), messages_(messages) {
    setObjectName(QStringLiteral("dlgMachine"));
    setWindowTitle(DialogTexts::tr("機械の設定"));
    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const char* key = setting::kMachineSettings[i].key;
        boxes_[i] = new QLineEdit(QString::fromStdString(machineFigureText(profile, key)), this);
        boxes_[i]->setObjectName(boxName(key));
        form->addRow(DialogTexts::tr(kCaptions[i]), boxes_[i]);
    }
    auto* note =
        new QLabel(DialogTexts::tr("空欄は不明: 何も調べず、プログラムも変えません。"), this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &MachineSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MachineSettingsDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

void MachineSettingsDialog::accept() {
    MachineProfile entered;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const char* key = setting::kMachineSettings[i].key;
        if (const auto problem = enterMachineFigure(entered, key, boxes_[i]->text())) {
            messages_.show(this, windowTitle(),
                           problemText(*problem, DialogTexts::tr(kCaptions[i]), boxes_[i]->text()),
                           MessageIcon::Warning);
            boxes_[i]->setFocus();
            boxes_[i]->selectAll();
            return;
        }
    }
    profile_ = entered;
    QDialog::accept();
}

} // namespace quillmar
