#pragma once

#include "core/output_choices.h"

#include <string_view>

class QComboBox;
class QRadioButton;
class QWidget;

namespace quillmar {

// "制御装置": every control of the registry in one box, bound both ways to the two
// options "OSP" and "FANUC" (choosing either there is choosing that option; another
// control clears both), and "多条の割出し", how the starts of a multi-start thread are
// set apart. Both keep their choice while the dialog is hidden, as the options do.
class ControlChoice {
public:
    ControlChoice(QWidget& dialog, QRadioButton& osp, QRadioButton& fanuc);

    std::string_view control() const; // the job-file value of the chosen row
    StartShift startShift() const;

    QComboBox* controlBox() const { return controlBox_; }
    QComboBox* startShiftBox() const { return startShiftBox_; }

private:
    void showControl(int row);

    QRadioButton& osp_;
    QRadioButton& fanuc_;
    QComboBox* controlBox_ = nullptr;
    QComboBox* startShiftBox_ = nullptr;
};

} // namespace quillmar
