#include "simulation/threading_passes.h"

#include "core/controls/control_registry.h"
#include "core/leading_number.h"
#include "nc/line_break_scan.h"

#include <algorithm>
#include <cmath>

namespace quillmar {

namespace {

// Whether the line holds the word `letter` with a number, outside comments.
bool lineHasWord(std::u16string_view line, char16_t letter, bool startsInComment) {
    return !std::isnan(wordValueOfLine(line, letter, startsInComment, std::nan("")));
}

// The dialect whose opening line the line is (the LF it begins with aside); none when it
// is no dialect's.
const ControlDialect* openedDialect(std::u16string_view line) {
    if (!line.empty() && line.front() == u'\n') {
        line.remove_prefix(1);
    }
    for (const ControlRow& row : controlRows()) {
        const std::string_view opening = row.dialect().openingLine();
        if (!opening.empty() &&
            std::equal(opening.begin(), opening.end(), line.begin(), line.end())) {
            return &row.dialect();
        }
    }
    return nullptr;
}

// The dialect whose threading move a line of G value `g` is; none for any other move.
// Several controls share a G word (G33): the line's lead word counts most, then the
// opening line the block began with, then the start-angle word; the first row wins a tie.
const ControlDialect* threadingDialect(float g, const ControlDialect* opened,
                                       std::u16string_view line, bool startsInComment) {
    const ControlDialect* best = nullptr;
    int bestScore = -1;
    for (const ControlRow& row : controlRows()) {
        const ControlDialect& dialect = row.dialect();
        if (g != dialect.threadingG()) {
            continue;
        }
        const char16_t angleWord = dialect.startAngleWord();
        const int score = (lineHasWord(line, dialect.leadWord(), startsInComment) ? 4 : 0) +
                          (&dialect == opened ? 2 : 0) +
                          (angleWord != 0 && lineHasWord(line, angleWord, startsInComment) ? 1 : 0);
        if (score > bestScore) {
            best = &dialect;
            bestScore = score;
        }
    }
    return best;
}

// How far along Z a start cut from `angleDegrees` lies from one cut from 0: the spindle
// turns that far before the move starts, and the helix has moved on by that share of
// the lead.
double angleShift(double lead, double angleDegrees) {
    return lead * angleDegrees / 360;
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
            const char16_t angleWord = dialect->startAngleWord();
            const double angle =
                angleWord == 0 ? 0 : wordValueOfLine(lineText, angleWord, startsInComment, 0);
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
