#pragma once

namespace quillmar {

enum class ControlFamily { Osp, Fanuc };

// The dialog's four choices that are not part of the job record.
struct OutputChoices {
    bool outer = false;                         // Option1 "外径" (else Option2 "内径")
    ControlFamily control = ControlFamily::Osp; // OSP / Fanuc
    bool sequenceNumbers = true;                // CheckSN
    bool modin = true;                          // CheckModin
};

} // namespace quillmar
