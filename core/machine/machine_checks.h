#pragma once

#include "core/machine/machine_profile.h"
#include "core/pass_plan.h"
#include "core/side.h"

#include <optional>
#include <string>
#include <vector>

namespace quillmar {

// One check over the plan that failed: which pass (an index into the plan's passes; -1
// for the job as a whole), the figure needed and the figure there.
struct MachineCheck {
    enum class Kind { RunIn, RunOut, SpindleSpeed, Retract };
    Kind kind = Kind::RunIn;
    int pass = -1;
    double needed = 0;
    double there = 0;
};

// What the profile says about a planned run.
struct MachineFigures {
    double lead = 0;
    std::optional<double> runIn;           // mm
    std::optional<double> runOut;          // mm
    std::optional<double> maxSpindleSpeed; // min^-1
    std::optional<double> cycleTime;       // s
    std::vector<MachineCheck> failed;
};

// The run's crests and retract, which the plan does not carry.
struct RetractSetting {
    Side side = Side::Outer;
    double stockDiameter = 0;
    double xRetract = 0;
};

// Works out the figures and checks every pass against them. The thread begins at the
// work's face, program Z 0; its end is checked only against a stated shoulder. An
// empty profile gives no figure and no check.
MachineFigures machineFigures(const PassPlan& plan, const MachineProfile& profile,
                              const RetractSetting& retract);

// The Z start whose every pass starts at least `runIn` from the work's face, rounded
// outward to `resolution`.
double zStartFromRunIn(const PassPlan& plan, double runIn, double resolution);

// "pass 12 (start 2): run-in 4.000 mm needed, 2.500 mm there", for a person.
std::string describeMachineCheck(const PassPlan& plan, const MachineCheck& check);

} // namespace quillmar
