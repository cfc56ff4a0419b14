#include "core/machine/machine_checks.h"

#include "core/plain_number_text.h"

#include <algorithm>
#include <cmath>

namespace quillmar {

namespace {

constexpr double kWorkFaceZ = 0;

// +1 when the passes feed toward minus Z (away from the face), -1 the other way.
double feedDirection(const PlannedPass& pass) {
    return pass.endZ <= pass.startZ ? 1.0 : -1.0;
}

// The crest diameter at the pass' start and end: the stock, moved along the taper as
// the pass' own X is.
bool retractClear(const RetractSetting& retract, const PlannedPass& pass, double& crest) {
    const double atStart = retract.stockDiameter + (pass.startX - pass.pointX);
    const double atEnd = retract.stockDiameter + (pass.endX - pass.pointX);
    if (retract.side == Side::Outer) {
        crest = std::max(atStart, atEnd);
        return retract.xRetract > crest;
    }
    crest = std::min(atStart, atEnd);
    return retract.xRetract < crest;
}

void checkPasses(const PassPlan& plan, const MachineProfile& profile, const RetractSetting& retract,
                 MachineFigures& figures) {
    for (std::size_t i = 0; i < plan.passes.size(); ++i) {
        const PlannedPass& pass = plan.passes[i];
        const int index = static_cast<int>(i);
        const double direction = feedDirection(pass);
        if (figures.runIn) {
            const double room = (pass.startZ - kWorkFaceZ) * direction;
            if (room < *figures.runIn) {
                figures.failed.push_back({MachineCheck::Kind::RunIn, index, *figures.runIn, room});
            }
        }
        if (figures.runOut && profile.shoulderZ) {
            const double room = (pass.endZ - *profile.shoulderZ) * direction;
            if (room < *figures.runOut) {
                figures.failed.push_back(
                    {MachineCheck::Kind::RunOut, index, *figures.runOut, room});
            }
        }
        if (double crest = 0; !retractClear(retract, pass, crest)) {
            figures.failed.push_back({MachineCheck::Kind::Retract, index, crest, retract.xRetract});
        }
    }
}

// Every pass: in at rapid from the retract to its start X, the feed move at lead x
// speed, out at rapid to the retract and back along Z at rapid.
double cycleSeconds(const PassPlan& plan, double feedPerMinute, double rapidPerMinute,
                    double xRetract) {
    double feedLength = 0;
    double rapidLength = 0;
    for (const PlannedPass& pass : plan.passes) {
        feedLength += std::hypot(pass.endZ - pass.startZ, (pass.endX - pass.startX) / 2);
        rapidLength += std::abs(pass.startX - xRetract) / 2 + std::abs(pass.endX - xRetract) / 2 +
                       std::abs(pass.startZ - pass.endZ);
    }
    return (feedLength / feedPerMinute + rapidLength / rapidPerMinute) * 60;
}

std::string thousandths(double value) {
    return plainNumberText(std::round(value * 1000) / 1000);
}

std::string millimetres(double value) {
    return thousandths(value) + " mm";
}

} // namespace

MachineFigures machineFigures(const PassPlan& plan, const MachineProfile& profile,
                              const RetractSetting& retract) {
    MachineFigures figures;
    figures.lead = leadOf(plan.starts, plan.values.pitch);
    if (profile.empty()) {
        return figures;
    }
    if (profile.maxFeedZ) {
        figures.maxSpindleSpeed = largestSpindleSpeed(figures.lead, *profile.maxFeedZ);
    }
    if (profile.spindleSpeed) {
        figures.runIn = runInDistance(profile, figures.lead);
        figures.runOut = runOutDistance(profile, figures.lead);
        const std::optional<double> rapid =
            profile.rapidRate ? profile.rapidRate : profile.maxFeedZ;
        if (rapid) {
            figures.cycleTime =
                cycleSeconds(plan, figures.lead * *profile.spindleSpeed, *rapid, retract.xRetract);
        }
        if (figures.maxSpindleSpeed && *profile.spindleSpeed > *figures.maxSpindleSpeed) {
            figures.failed.push_back({MachineCheck::Kind::SpindleSpeed, -1,
                                      *figures.maxSpindleSpeed, *profile.spindleSpeed});
        }
    }
    checkPasses(plan, profile, retract, figures);
    return figures;
}

double zStartFromRunIn(const PassPlan& plan, double runIn, double resolution) {
    if (plan.passes.empty()) {
        return plan.zStart;
    }
    const double direction = feedDirection(plan.passes.front());
    double nearest = (plan.passes.front().startZ - plan.zStart) * direction;
    for (const PlannedPass& pass : plan.passes) {
        nearest = std::min(nearest, (pass.startZ - plan.zStart) * direction);
    }
    // A hair below a step still counts as on it: the sum above is not exact in binary.
    const double steps = std::ceil((kWorkFaceZ * direction + runIn - nearest) / resolution - 1e-6);
    return steps * resolution * direction;
}

std::string describeMachineCheck(const PassPlan& plan, const MachineCheck& check) {
    std::string text;
    if (check.pass >= 0) {
        const PlannedPass& pass = plan.passes[std::size_t(check.pass)];
        text = "pass " + std::to_string(check.pass + 1) + " (start " +
               std::to_string(pass.start + 1) + "): ";
    }
    switch (check.kind) {
    case MachineCheck::Kind::RunIn:
        return text + "run-in " + millimetres(check.needed) + " needed, " +
               millimetres(check.there) + " from the work's face";
    case MachineCheck::Kind::RunOut:
        return text + "run-out " + millimetres(check.needed) + " needed, " +
               millimetres(check.there) + " before the shoulder";
    case MachineCheck::Kind::SpindleSpeed:
        return text + "spindle speed at most " + plainNumberText(std::floor(check.needed)) +
               " min^-1, " + plainNumberText(check.there) + " set";
    case MachineCheck::Kind::Retract:
        return text + "retract beyond the crest X" + thousandths(check.needed) + ", X" +
               thousandths(check.there) + " set";
    }
    return text;
}

} // namespace quillmar
