#include "simulation/threading_passes.h"

#include "core/controls/control_registry.h"
#include "core/leading_number.h"
#include "nc/line_break_scan.h"

namespace quillmar {

namespace {

bool isThreadingG(float g) {
    for (const ControlRow& row : controlRows()) {
        if (g == row.dialect().threadingG()) {
            return true;
        }
    }
    return false;
}

bool startsNumber(char16_t c) {
    return (c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'+';
}

} // namespace

double feedWordOfLine(std::u16string_view line, bool startsInComment, double current) {
    bool inComment = startsInComment;
    for (std::size_t pos = 0; pos < line.size(); ++pos) {
        const char16_t c = line[pos];
        if (inComment) {
            inComment = c != u')';
        } else if (c == u'(') {
            inComment = true;
        } else if (c == u'F' && pos + 1 < line.size() && startsNumber(line[pos + 1])) {
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
        if (moved && isThreadingG(reader.modalG)) {
            if (commentSincePass && !reading.passes.empty()) {
                ++reading.runs;
            }
            commentSincePass = false;
            reading.passes.push_back(ThreadingPass{reading.runs, line, startX, startZ, feed});
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
