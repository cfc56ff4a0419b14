#include "simulation/threading_passes.h"

#include "core/leading_number.h"
#include "nc/line_break_scan.h"

#include <cmath>

namespace quillmar {

double leadAlongZ(double k, double startX, double startZ, double endX, double endZ) {
    const double zRun = std::abs(endZ - startZ);
    const double radialRun = (endX - startX) / 2;
    if (radialRun == 0 || zRun == 0) {
        return k;
    }
    return k * zRun / std::sqrt(zRun * zRun + radialRun * radialRun);
}

void addWrittenRun(PassReading& reading, const std::vector<WrittenMove>& moves) {
    bool any = false;
    for (const WrittenMove& move : moves) {
        ThreadingPass pass;
        pass.run = reading.runs;
        pass.x = axisWordValue(move.startX);
        pass.z = axisWordValue(move.startZ);
        const double endX = move.endX.empty() ? pass.x : axisWordValue(move.endX);
        if (endX == pass.x && axisWordValue(move.endZ) == pass.z) {
            continue;
        }
        pass.feed = leadingNumberValue(move.feed);
        if (!move.startAngle.empty()) {
            pass.z += angleShift(pass.feed, leadingNumberValue(move.startAngle));
        }
        pass.retractX = axisWordValue(move.retractX);
        pass.retracted = pass.retractX != endX;
        reading.passes.push_back(pass);
        any = true;
    }
    if (any) {
        ++reading.runs;
    }
}

PassReading readThreadingPasses(std::u16string_view text, NcLineReader reader) {
    PassReading reading;
    reader.currentX = 0;
    reader.currentZ = 0;
    reader.commentSeen = false;
    double feed = 0;
    double k = 0;
    const ControlDialect* opened = nullptr; // the dialect whose opening line was read last
    bool commentSincePass = false;
    bool awaitingRetract = false;
    std::size_t start = 0;
    for (int line = 0;; ++line) {
        const std::size_t lineEnd = findCrLf(text, start);
        if (lineEnd == std::u16string_view::npos) {
            break; // text after the last line break is not read, as in the graphics
        }
        const std::u16string_view lineText = text.substr(start, lineEnd - start);
        const double startX = reader.currentX;
        const double startZ = reader.currentZ;
        feed = feedWordOfLine(lineText, reader.inComment, feed);
        k = wordValueOfLine(lineText, u'K', reader.inComment, k);
        const bool startsInComment = reader.inComment;
        if (const ControlDialect* opening = openedDialect(lineText)) {
            opened = opening;
        }
        if (!reader.readLine(lineText)) {
            reading.complete = false;
            break;
        }
        if (reader.commentSeen) {
            commentSincePass = true;
            reader.commentSeen = false;
        }
        const bool moved = reader.currentX != startX || reader.currentZ != startZ;
        if (awaitingRetract && reader.currentX != startX) {
            reading.passes.back().retractX = reader.currentX;
            reading.passes.back().retracted = true;
            awaitingRetract = false;
        }
        const ControlDialect* dialect =
            moved ? threadingDialect(reader.modalG, opened, lineText, startsInComment) : nullptr;
        if (dialect != nullptr) {
            if (commentSincePass && !reading.passes.empty()) {
                ++reading.runs;
            }
            commentSincePass = false;
            const double word = dialect->leadWord() == u'K' ? k : feed;
            const double lead =
                dialect->leadAlongMove()
                    ? leadAlongZ(word, startX, startZ, reader.currentX, reader.currentZ)
                    : word;
            const double angle = startAngleOfLine(*dialect, lineText, startsInComment);
            reading.passes.push_back(
                ThreadingPass{reading.runs, line, startX, startZ + angleShift(lead, angle), lead});
            awaitingRetract = true;
        }
        start = lineEnd + 1;
    }
    if (!reading.passes.empty()) {
        ++reading.runs; // runs counts the runs, the passes' run is 0-based
    }
    return reading;
}

} // namespace quillmar
