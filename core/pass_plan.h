#pragma once

#include "core/pass_schedule.h"
#include "core/thread_job.h"

#include <vector>

namespace quillmar {

// The values of a run that an OSP number text truncates where it writes them: from then
// on the run, and what is drawn after it, uses the values the control will use.
struct ControlValues {
    double pitch = 0;
    double zEnd = 0;
    double xRetract = 0;
};

ControlValues controlValuesOf(const JobInputs& job);
void storeControlValues(ThreadJob& job, const ControlValues& values);

// One pass the generator decided on: profile point `point`, start `start` of a
// multi-start thread. The positions are those of the values in force when the plan
// was made; a dialect whose own texts change those values works them out again with
// the functions below.
struct PlannedPass {
    int point = 0;
    int start = 0;
    float sequence = 0; // the sequence counter's value for this pass (single precision)
    float grooveZ = 0;  // the point's z within the groove
    double pointX = 0;  // the point's program X: every start's X on a straight thread
    double startX = 0;
    double startZ = 0;
    double endX = 0; // the taper end X; the start X on a straight thread
    double endZ = 0;
    double lead = 0;
    double startAngle = 0;  // degrees, when the starts are set apart by angle
    bool finishing = false; // the run cuts to size (no finishing allowance left)
};

// What one press of "プログラム出力" decides, as values: the run's head and tail (the
// modal call MODIN before the point list, MODOUT after it), the values in force, and
// every pass inside the stock, point by point and within a point start by start.
struct PassPlan {
    int starts = 1;
    double zStart = 0;
    double taperAngle = 0;
    double taper = 0;         // tan of the taper angle; 0 on a straight thread
    double floorDiameter = 0; // D1 less the finishing allowance, for the block's heading
    bool angleStarts = false; // the starts share one Z and differ by their start angle
    ControlValues values;     // in force from the first pass on
    bool modalHead = false;   // the point list opens with MODIN
    bool modalTail = false;   // the point list closes with MODOUT
    std::vector<PlannedPass> passes;
    float counterAfter = 1; // the sequence counter after the last pass
};

// Plans the run of the job whose schedule is `points`, numbering from `counter`, with
// `values` in force (the job's own, or those the modal call left). The job is left as
// it is. Throws DataError on a value that is not finite, and on a start, end or retract X
// at or across the spindle's axis (below the thousandth every control writes), naming
// the pass and the X.
// With `angleStarts` every start of a point begins at start 0's Z and X, start k at the
// spindle angle k x 360 / starts.
PassPlan makePassPlan(const JobInputs& job, const std::vector<SchedulePoint>& points,
                      const ControlValues& values, float counter, bool modalHead, bool modalTail,
                      bool angleStarts = false);

// Program Z of a pass with the pitch `pitch`: each start of a multi-start thread begins
// one pitch further from the work than the one before, so its groove lands one pitch on
// and it keeps at least the approach of a single start; starts set apart by angle all
// begin where start 0 does.
double passStartZ(const PassPlan& plan, const PlannedPass& pass, double pitch);

// Start X of a pass: on a taper, a further start moves along the taper by its extra
// approach, so every start of the point lies on the one cone of start 0. Throws
// DataError on an X at or across the axis.
double passStartX(const PassPlan& plan, const PlannedPass& pass, double pitch);

// The X at zEnd of a taper pass: the pass's own start X moved along the taper, so a
// roughing pass keeps its finishing allowance all the way to the end of the thread.
// Throws DataError on an X at or across the axis.
double passTaperEndX(const PassPlan& plan, const PlannedPass& pass, double startX, double startZ,
                     double zEnd);

// The feed of every pass: the pitch times the starts. A single start feeds by the
// pitch itself.
double leadOf(int starts, double pitch);

} // namespace quillmar
