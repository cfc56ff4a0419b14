#pragma once

#include "core/forms/thread_form.h"
#include "core/job_fields.h"
#include "core/machine/machine_profile.h"
#include "core/program_output.h"
#include "simulation/roughing_planner.h"
#include "ui/dialog/groove_shape_dialog.h"

#include <optional>
#include <string>

class QWidget;

namespace quillmar {

// What the thread standard dialog's OK gives: the side and the texts of the fields the
// thread decides, to be put into the data input dialog as if typed.
struct ThreadStandardFill {
    bool outer = true;
    FieldTexts<std::optional<std::string>> texts;
    // The thread the texts were made for: its class judges the thread as cut.
    std::optional<forms::ThreadForm> form;
    // "荒加工計画": the runs planned for the largest chip typed, pressed as
    // "プログラム出力" once each; none for OK.
    std::optional<RoughingPlan> plan;
};

// What the data input dialog needs from the window that opens it: the two output
// panes the program output command appends to, and the two graphics that "閉じる"
// redraws.
class DialogHost {
public:
    virtual ~DialogHost() = default;
    virtual OutputPanes& outputPanes() = 0;
    virtual void redrawPointGraphic() = 0;
    virtual void redrawCuttingGraphic() = 0;
    // "ねじ規格": asks for a thread of a standard over `parent`, starting from the form
    // as it stands (its side, and the rest of the job a roughing plan needs); nothing when
    // the user cancels (or no such dialog is at hand).
    virtual std::optional<ThreadStandardFill> askThreadStandard(QWidget* parent,
                                                                const DialogSnapshot& form) {
        (void)parent;
        (void)form;
        return std::nullopt;
    }
    // "溝形状": asks for a groove drawn or typed in a file over `parent`, starting from
    // the form as it stands and the file its drawn groove came from; nothing when the
    // user cancels (or no such dialog is at hand).
    virtual std::optional<GrooveShapeChoice>
    askGrooveShape(QWidget* parent, const DialogSnapshot& form, const QString& source) {
        (void)parent;
        (void)form;
        (void)source;
        return std::nullopt;
    }
    // Why "プログラム出力" could not cut the drawn groove, beside the "データエラー "
    // box (the empty text when it could).
    virtual void showGrooveRefusal(const QString& why) { (void)why; }
    // The machine profile the user set; empty: no verdict line.
    virtual MachineProfile machineProfile() const { return {}; }
};

} // namespace quillmar
