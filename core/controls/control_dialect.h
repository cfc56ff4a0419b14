#pragma once

#include "core/pass_plan.h"
#include "core/sequence_limit.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmar {

// One threading move as a dialect wrote it: the number texts of its words, so that
// whoever follows the program (the roughing planner) reads exactly what the control
// will. endX is empty on a straight thread.
struct WrittenMove {
    std::string startX;
    std::string startZ;
    std::string endX;
    std::string endZ;
    std::string feed;
    std::string retractX;
    std::string startAngle; // degrees; empty when the start is not shifted by angle
};

// The standard program block of one run.
struct StandardBlock {
    std::string text; // CR LF line ends, the heading comment first
    std::vector<WrittenMove> moves;
    ControlValues valuesAfter; // the values the control will use after the block
};

// A control's dialect of the standard program: how a planned run is written, and how
// its programs are read back (the G word of its threading move; the rest of a line is
// read by the one NC line reader).
class ControlDialect {
public:
    virtual ~ControlDialect() = default;

    // Writes the block of a planned run: a heading comment, then four lines a pass.
    // Throws DataError on a position at or beyond 100,000 mm or a feed not above 0.
    virtual StandardBlock write(const PassPlan& plan, bool numbered) const = 0;

    // The G word of the threading move.
    virtual float threadingG() const = 0;

    // The word that gives the threading move's lead ("F" for most controls), and
    // whether the control takes it along the move rather than along Z (LinuxCNC's K).
    virtual char16_t leadWord() const { return u'F'; }

    // The largest sequence number the control reads. A control whose manual publishes
    // no limit is held to what the single-precision counter counts.
    virtual double largestSequenceNumber() const { return kCounterLimit; }
    virtual bool leadAlongMove() const { return false; }

    // The word of the threading move that starts the cut at a spindle angle (degrees),
    // for the starts of a multi-start thread ("Q", "SF="); empty for a control without one.
    virtual std::string_view startAngleWord() const { return {}; }

    // The leads (mm per revolution) the threading move's lead word takes, as its manual
    // gives them; nothing for a control whose manual states no range.
    struct LeadRange {
        double smallest = 0;
        double largest = 0;
    };
    virtual std::optional<LeadRange> leadRange() const { return std::nullopt; }

    // The share of the Z axis' largest feed that the threading move's lead times the
    // spindle's speed may reach, above which the control refuses the move; 0 for a
    // control whose manual states no such check.
    virtual double synchronisedFeedShare() const { return 0; }

    // The steepest taper (degrees to the Z axis) the threading move takes with its lead
    // given along Z.
    virtual double steepestTaper() const { return 90; }

    // The line the block opens with after its heading comment (CR LF ended), which
    // tells a reader whose threading move a shared G word is; empty for none.
    virtual std::string_view openingLine() const { return {}; }
};

} // namespace quillmar
