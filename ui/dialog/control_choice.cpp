#include "ui/dialog/control_choice.h"

#include "core/controls/control_registry.h"
#include "ui/dialog/dialog_fonts.h"
#include "ui/dialog/form_layout.h"
#include "ui/dialog/twips.h"
#include "ui/dialog/utf8_text.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

namespace quillmar {

namespace {

template <typename Widget>
Widget* placedIn(QWidget& dialog, Widget* widget, const ControlSpec& spec) {
    widget->setObjectName(qtText(spec.name));
    widget->setGeometry(
        twipsRect(spec.rect.left, spec.rect.top, spec.rect.width, spec.rect.height));
    widget->setFont(gothicCaptionFont());
    widget->setParent(&dialog);
    return widget;
}

int rowOf(std::string_view jobValue) {
    const auto rows = controlRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].jobValue == jobValue) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

} // namespace

ControlChoice::ControlChoice(QWidget& dialog, QRadioButton& osp, QRadioButton& fanuc)
    : osp_(osp), fanuc_(fanuc) {
    placedIn(dialog, new QLabel(captionText(kControlLabel.caption)), kControlLabel);
    controlBox_ = placedIn(dialog, new QComboBox, kControlBox);
    for (const ControlRow& row : controlRows()) {
        controlBox_->addItem(qtText(row.caption));
    }
    controlBox_->setCurrentIndex(rowOf(osp.isChecked() ? kOspControl : kFanucControl));
    placedIn(dialog, new QLabel(captionText(kStartShiftLabel.caption)), kStartShiftLabel);
    startShiftBox_ = placedIn(dialog, new QComboBox, kStartShiftBox);
    for (std::string_view item : kStartShiftItems) {
        startShiftBox_->addItem(captionText(item));
    }

    QObject::connect(controlBox_, &QComboBox::currentIndexChanged, controlBox_,
                     [this](int row) { showControl(row); });
    QObject::connect(&osp, &QRadioButton::toggled, controlBox_, [this](bool on) {
        if (on) {
            controlBox_->setCurrentIndex(rowOf(kOspControl));
        }
    });
    QObject::connect(&fanuc, &QRadioButton::toggled, controlBox_, [this](bool on) {
        if (on) {
            controlBox_->setCurrentIndex(rowOf(kFanucControl));
        }
    });
}

// The options show OSP and FANUC; any other control leaves both clear.
void ControlChoice::showControl(int row) {
    const std::string_view chosen = controlRows()[static_cast<std::size_t>(row)].jobValue;
    if (chosen == kOspControl || chosen == kFanucControl) {
        (chosen == kOspControl ? osp_ : fanuc_).setChecked(true);
        return;
    }
    for (QRadioButton* option : {&osp_, &fanuc_}) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

std::string_view ControlChoice::control() const {
    return controlRows()[static_cast<std::size_t>(controlBox_->currentIndex())].jobValue;
}

StartShift ControlChoice::startShift() const {
    return startShiftBox_->currentIndex() == 1 ? StartShift::Angle : StartShift::Z;
}

} // namespace quillmar
