#pragma once

#include "core/pass_plan.h"

#include <string>

namespace quillmar {

// The modal call that opens the point list of the OSP macro main program, and the
// values the control uses after it: its number texts truncate the retract X, zEnd and
// (of a single start) the pitch.
struct ModalCall {
    std::string line; // empty when the list does not open with it
    ControlValues valuesAfter;
};

// The modal call MODIN of a run with the values `values`, when `wanted`.
ModalCall writeModalCall(const ControlValues& values, int starts, bool wanted, bool numbered);

// The point data block for the OSP macro main program: the modal call, the heading,
// one point a pass, and MODOUT when the plan closes with it.
std::string writeMacroBlock(const ModalCall& call, const PassPlan& plan, bool numbered);

} // namespace quillmar
