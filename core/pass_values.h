#pragma once

#include "core/checked_arithmetic.h"
#include "core/nc_number_format.h"
#include "core/thread_job.h"

#include <string>
#include <string_view>

namespace quillmar {

// Program X of pass i: the inner diameter less the finishing allowance, or for an
// outer thread the point moved up by the groove depth plus the allowance.
inline double programX(const ThreadJob& job, int i) {
    const double diameter = job.pointDiameter[static_cast<std::size_t>(i)];
    if (job.side == 1) {
        return ((job.d1 - job.d2) + diameter) + job.finishAllowance;
    }
    return diameter - job.finishAllowance;
}

// Program Z of pass i, from the fields as they are now (an OSP number text may have
// truncated the pitch earlier in the same run).
inline double programZ(const ThreadJob& job, int i) {
    return (job.zStart + job.pitch) - static_cast<double>(job.pointZ[static_cast<std::size_t>(i)]);
}

// Program Z of start k of pass i: each start of a multi-start thread begins one pitch
// further from the work than the one before, so its groove lands one pitch on and it
// keeps at least the approach of a single start. Start 0 is the pass itself.
inline double startZ(const ThreadJob& job, int i, int k) {
    const double z = programZ(job, i);
    return k == 0 ? z : z + k * job.pitch;
}

// The feed of every pass is the lead. A single start writes the pitch field itself,
// which the OSP number text truncates in place; the lead of several starts is formed
// in a temporary, so the pitch that spaces the starts stays as typed.
inline double leadOf(const ThreadJob& job) {
    return job.starts == 1 ? job.pitch : checkedFinite(job.pitch * job.starts);
}
inline std::string ospLeadText(ThreadJob& job) {
    if (job.starts == 1) {
        return formatOspNumber(job.pitch);
    }
    double lead = leadOf(job);
    return formatOspNumber(lead);
}

// Only passes that start inside the stock are written.
inline bool insideStock(const ThreadJob& job, double x) {
    return job.side == 1 ? x < job.stockDiameter : x > job.stockDiameter;
}

// One pass to write: point i, start k, and the point's program X.
struct PassStart {
    int i;
    int k;
    double x;
};

// Hands every pass a program writes to writePass in order, point by point and within a
// point start by start, leaving out the points outside the stock; the sequence counter
// moves on by one a pass, in single precision. Gives the counter after the last pass.
// The job is read afresh at every point, as a writer may truncate its fields in place.
template <typename WritePass>
float forEachPass(const ThreadJob& job, float counter, WritePass&& writePass) {
    for (int i = 0; i <= job.lastPoint; ++i) {
        const double x = checkedFinite(programX(job, i));
        if (!insideStock(job, x)) {
            continue;
        }
        for (int k = 0; k < job.starts; ++k) {
            writePass(PassStart{i, k, x}, counter);
            counter = toSingle(static_cast<double>(counter) + 1.0);
        }
    }
    return counter;
}

// The start X of start k of a taper pass: moved along the taper by the start's extra
// approach, so every start of the point lies on the one cone of start 0 and ends at
// its taper end X. A straight thread, and start 0, keep the pass's X.
inline double passStartX(const ThreadJob& job, const PassStart& pass, double taper) {
    if (pass.k == 0 || job.taperAngle == 0) {
        return pass.x;
    }
    return checkedFinite(pass.x -
                         ((startZ(job, pass.i, pass.k) - programZ(job, pass.i)) * taper) * 2);
}

inline constexpr const char* kLineEnd = "\r\n";

// Appends the pieces of one line in order. Each piece is formatted before the call,
// so callers format fields that truncate in place in separate statements when the
// order matters.
template <typename... Pieces> void appendLine(std::string& out, const Pieces&... pieces) {
    (out.append(std::string_view(pieces)), ...);
    out.append(kLineEnd);
}

// "N" and the counter as three digits and a blank, when sequence numbers are on.
inline std::string sequenceWord(float counter, bool numbered) {
    std::string word;
    if (numbered) {
        word = "N";
        word += formatSequence3(counter);
    }
    return word;
}

// The comment that opens each block with this run's floor diameter; the difference is
// formed in a temporary so that no field is truncated.
inline std::string headingLine(const ThreadJob& job) {
    double floorDiameter = job.d1 - job.finishAllowance;
    std::string line;
    appendLine(line, "(-----< D", formatOspNumber(floorDiameter), " >-----)");
    return line;
}

} // namespace quillmar
