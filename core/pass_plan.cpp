#include "core/pass_plan.h"

#include "core/checked_arithmetic.h"
#include "core/nc_number_format.h"
#include "core/plain_number_text.h"

#include <cmath>
#include <string>

namespace quillmar {

namespace {

// Program X of a point: the inner diameter less the finishing allowance, or for an
// outer thread the point moved up by the groove depth plus the allowance.
double programX(const JobInputs& job, const SchedulePoint& point) {
    if (job.side == Side::Outer) {
        return ((job.d1 - job.d2) + point.diameter) + job.finishAllowance;
    }
    return point.diameter - job.finishAllowance;
}

// Only passes that start inside the stock are written.
bool insideStock(const JobInputs& job, double x) {
    return job.side == Side::Outer ? x < job.stockDiameter : x > job.stockDiameter;
}

// Every control writes X to the thousandth of a millimetre, so a diameter below that
// is written as X0 or less: a move to the spindle's axis or across it.
constexpr double kLeastX = 0.001;

std::string passName(const PassPlan& plan, const PlannedPass& pass) {
    return "pass " + formatSequence(pass.sequence) + " (profile point " +
           std::to_string(pass.point + 1) + ", start " + std::to_string(pass.start + 1) + " of " +
           std::to_string(plan.starts) + ")";
}

// The X as the programs write it; one too near 0 for three decimals as it is.
std::string xText(double x) {
    return std::fabs(x) < kLeastX ? plainNumberText(x) : formatUpTo3(x);
}

[[noreturn]] void refuseAxis(const std::string& what, double x) {
    throw DataError(what + " X" + xText(x) +
                    ", at or across the spindle's axis: every X of the program must be above 0; "
                    "check the diameters, the taper angle, the starts and the retract X");
}

// Start and end X of every pass, planned or worked out again by a dialect, and the
// retract X pass through here: the one check that nothing is written at the axis.
double offAxis(double x, const PassPlan& plan, const PlannedPass& pass, const char* where) {
    if (!(x >= kLeastX)) {
        refuseAxis(passName(plan, pass) + where, x);
    }
    return x;
}

// Program Z of start 0 of a point.
double pointZ(const PassPlan& plan, const PlannedPass& pass, double pitch) {
    return (plan.zStart + pitch) - static_cast<double>(pass.grooveZ);
}

} // namespace

ControlValues controlValuesOf(const JobInputs& job) {
    return {job.pitch, job.zEnd, job.xRetract};
}

void storeControlValues(ThreadJob& job, const ControlValues& values) {
    job.pitch = values.pitch;
    job.zEnd = values.zEnd;
    job.xRetract = values.xRetract;
}

double passStartZ(const PassPlan& plan, const PlannedPass& pass, double pitch) {
    const double z = pointZ(plan, pass, pitch);
    return pass.start == 0 || plan.angleStarts ? z : z + pass.start * pitch;
}

double passStartX(const PassPlan& plan, const PlannedPass& pass, double pitch) {
    if (pass.start == 0 || plan.taperAngle == 0 || plan.angleStarts) {
        return offAxis(pass.pointX, plan, pass, " would start at");
    }
    return offAxis(
        checkedFinite(pass.pointX -
                      ((passStartZ(plan, pass, pitch) - pointZ(plan, pass, pitch)) * plan.taper) *
                          2),
        plan, pass, " would start at");
}

double passTaperEndX(const PassPlan& plan, const PlannedPass& pass, double startX, double startZ,
                     double zEnd) {
    return offAxis(checkedFinite(startX + ((startZ - zEnd) * plan.taper) * 2), plan, pass,
                   " would end at");
}

double leadOf(int starts, double pitch) {
    return starts == 1 ? pitch : checkedFinite(pitch * starts);
}

PassPlan makePassPlan(const JobInputs& job, const std::vector<SchedulePoint>& points,
                      const ControlValues& values, float counter, bool modalHead, bool modalTail,
                      bool angleStarts) {
    PassPlan plan;
    plan.angleStarts = angleStarts;
    plan.starts = job.starts;
    plan.zStart = job.zStart;
    plan.taperAngle = job.taperAngle;
    plan.taper =
        job.taperAngle == 0 ? 0.0 : checkedFinite(std::tan(job.taperAngle * (kAnglePi / 180)));
    plan.floorDiameter = job.d1 - job.finishAllowance;
    plan.values = values;
    plan.modalHead = modalHead;
    plan.modalTail = modalTail;
    if (!(values.xRetract >= kLeastX)) {
        refuseAxis("the retract", values.xRetract);
    }
    plan.passes.reserve(points.size() * static_cast<std::size_t>(job.starts));
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double x = checkedFinite(programX(job, points[i]));
        if (!insideStock(job, x)) {
            continue;
        }
        for (int k = 0; k < job.starts; ++k) {
            PlannedPass pass;
            pass.point = static_cast<int>(i);
            pass.start = k;
            pass.sequence = counter;
            pass.grooveZ = points[i].z;
            pass.pointX = x;
            pass.startX = passStartX(plan, pass, values.pitch);
            pass.startZ = checkedFinite(passStartZ(plan, pass, values.pitch));
            pass.endX = plan.taperAngle == 0
                            ? pass.startX
                            : passTaperEndX(plan, pass, pass.startX, pass.startZ, values.zEnd);
            pass.endZ = values.zEnd;
            pass.lead = leadOf(job.starts, values.pitch);
            pass.startAngle = angleStarts ? 360.0 * k / job.starts : 0.0;
            pass.finishing = job.finishAllowance == 0;
            plan.passes.push_back(pass);
            counter = toSingle(static_cast<double>(counter) + 1.0);
        }
    }
    plan.counterAfter = counter;
    return plan;
}

} // namespace quillmar
