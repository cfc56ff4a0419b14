#include "core/controls/thread_move_block.h"

#include "core/checked_arithmetic.h"
#include "core/nc_number_format.h"
#include "core/program_lines.h"

namespace quillmar {

namespace {

// Plain decimals, three places: a micrometre on the diameter.
std::string position(double value) {
    return checkedPositionText(formatUpTo3(value));
}

void writePass(const PassPlan& plan, const PlannedPass& pass, bool numbered,
               const ThreadMoveWords& words, StandardBlock& block) {
    std::string& out = block.text;
    WrittenMove move;
    move.startX = position(pass.startX);
    move.startZ = position(pass.startZ);
    const std::string number = numbered ? "N" + formatSequence(pass.sequence) + " " : "";
    appendLine(out, number, words.rapid, " X", move.startX, " Z", move.startZ);
    move.feed = checkedFeedText(formatUpTo4(pass.lead));
    move.endZ = position(pass.endZ);
    std::string threading(words.threading);
    if (plan.taperAngle != 0 || words.endXAlways) {
        move.endX = position(pass.endX);
        threading += " X" + move.endX;
    }
    threading += " Z" + move.endZ + " " + words.lead + move.feed;
    if (plan.angleStarts && !words.startAngle.empty()) {
        move.startAngle = formatUpTo3(pass.startAngle);
        threading += " " + std::string(words.startAngle) + move.startAngle;
    }
    appendLine(out, threading);
    move.retractX = position(plan.values.xRetract);
    appendLine(out, words.rapid, " X", move.retractX);
    appendLine(out, words.rapid, " Z", move.startZ);
    block.moves.push_back(std::move(move));
}

} // namespace

StandardBlock writeThreadMoveBlock(const PassPlan& plan, bool numbered, std::string_view opening,
                                   const ThreadMoveWords& words) {
    return writePlainBlock(
        plan, opening,
        [&](const PlannedPass& pass, StandardBlock& block) {
            writePass(plan, pass, numbered, words, block);
        },
        words.commentStart);
}

} // namespace quillmar
