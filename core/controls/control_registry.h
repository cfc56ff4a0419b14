#pragma once

#include "core/controls/control_dialect.h"
#include "core/output_choices.h"

#include <optional>
#include <span>
#include <string_view>

namespace quillmar {

// One control the generator writes for.
struct ControlRow {
    std::string_view name;     // for people: logs, reports, documentation
    std::string_view jobValue; // the value of quillmar-gen's `control` key
    std::string_view caption;  // the data input dialog's option for it
    const ControlDialect& (*dialect)();
};

// Every control, the dialog's default first.
std::span<const ControlRow> controlRows();

// The row of a `control` value; nothing for a value no row has.
const ControlRow* findControl(std::string_view jobValue);

// The one place that picks the control of a run (the first row for a value no row has),
// and its dialect.
const ControlRow& pickControl(const OutputChoices& choices);
const ControlDialect& pickDialect(const OutputChoices& choices);

} // namespace quillmar
