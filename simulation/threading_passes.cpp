#include "simulation/threading_passes.h"

#include "core/controls/control_registry.h"
#include "core/leading_number.h"
#include "nc/line_break_scan.h"

#include <cmath>

namespace quillmar {

namespace {

// The dialect whose threading move the G value is; none for any other move.
const ControlDialect* threadingDialect(float g) {
    for (const ControlRow& row : controlRows()) {
        if (g == row.dialect().threadingG()) {
            return &row.dialect();
        }
    }
    return nullptr;
}

bool startsNumber(char16_t c) {
    return (c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'+';
}

} // namespace

double wordValueOfLine(std::u16string_view line, char16_t letter, bool startsInComment,
                       double current) {
    bool inComment = startsInComment;
    for (std::size_t pos = 0; pos < line.size(); ++pos) {
        const char16_t c = line[pos];
        if (inComment) {
            inComment = c != u')';
        } else if (c == u'(') {
            inComment = true;
        } else if (c == letter && pos + 1 < line.size() && startsNumber(line[pos + 1])) {
            std::size_t end = pos + 1;
            while (end < line.size() && startsNumber(line[end])) {
                ++end;
            }
            current = leadingNumberValue(line.substr(pos + 1, end - pos - 1));
            pos = end - 1;
        }
    }
    return current;
}

double feedWordOfLine(std::u16string_view line, bool startsInComment, double current) {
    return wordValueOfLine(line, u'F', startsInComment, current);
}

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
        const ControlDialect* dialect = threadingDialect(reader.modalG);
        if (moved && dialect != nullptr) {
            if (commentSincePass && !reading.passes.empty()) {
                ++reading.runs;
            }
            commentSincePass = false;
            const double word = dialect->leadWord() == u'K' ? k : feed;
            const double lead =
                dialect->leadAlongMove()
                    ? leadAlongZ(word, startX, startZ, reader.currentX, reader.currentZ)
                    : word;
            reading.passes.push_back(ThreadingPass{reading.runs, line, startX, startZ, lead});
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
