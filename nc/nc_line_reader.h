#pragma once

#include "nc/line_break_scan.h"

#include <cstddef>
#include <functional>
#include <string_view>

namespace quillmar {

// One change of the tool position found by the text walk.
struct NcMove {
    double previousX = 0;
    double previousZ = 0;
    double x = 0;
    double z = 0;
    std::u16string_view line; // the line that moved (its LF first, no CR)
    bool lineStartsInComment = false;
};

// Reads NC program text back, line by line, for the two graphics. One reader is
// shared by both graphics: modalG and inComment carry over from walk to walk and
// from one pane to the other, as they always have.
class NcLineReader {
public:
    double currentX = 0;
    double currentZ = 0;
    float modalG = 0;
    bool inComment = false;
    bool commentSeen = false;

    // Scans one line (without its CR; every line after the first begins with the LF
    // of the pair before it). Returns false on a reading failure: a number beyond
    // single precision. The state is then as far as the scan got.
    bool readLine(std::u16string_view line);

    // The text walk over a whole pane's text. After every line that changed the
    // position it calls onMove; onMove reads and may clear commentSeen. Returns false
    // when a reading failure ended the walk early.
    using MoveHandler = std::function<void(const NcMove&)>;
    bool walkProgramText(std::u16string_view text, const MoveHandler& onMove);

    // Puts the reader where every text walk starts: at (0, 0) with the pen lifted.
    // modalG and inComment stay as they are.
    void startWalk();

    friend bool operator==(const NcLineReader&, const NcLineReader&) = default;
};

// The coordinate an axis word gives ("12.345" of "X12.345"), by the reader's own rules:
// what a control reading the program takes from a number the generator wrote. Throws
// DataError on a number beyond single precision.
double axisWordValue(std::string_view digits);

// The text walk one line at a time, so that a walk can stop at any line and go on
// later from a copy of the reader. Before every line the previous position of the
// walk equals the reader's position, so the reader is all the state there is.
enum class WalkStep { Read, End, Failed };

// Reads the line that starts at `start` when a CR LF ends it, calls onMove when the
// line changed the position, and moves `start` to the next line (the LF of the pair).
// End: no CR LF is left (text after the last pair is not read). Failed: a reading
// failure, which ends the walk.
template <typename OnMove>
WalkStep walkOneLine(NcLineReader& reader, std::u16string_view text, std::size_t& start,
                     OnMove&& onMove);

template <typename OnMove>
WalkStep walkOneLine(NcLineReader& reader, std::u16string_view text, std::size_t& start,
                     OnMove&& onMove) {
    const std::size_t lineEnd = findCrLf(text, start);
    if (lineEnd == std::u16string_view::npos) {
        return WalkStep::End;
    }
    NcMove move{reader.currentX, reader.currentZ, 0, 0, text.substr(start, lineEnd - start),
                reader.inComment};
    if (!reader.readLine(move.line)) {
        return WalkStep::Failed;
    }
    if (reader.currentX != move.previousX || reader.currentZ != move.previousZ) {
        move.x = reader.currentX;
        move.z = reader.currentZ;
        onMove(move);
    }
    start = lineEnd + 1; // the next line begins with the LF of this pair
    return WalkStep::Read;
}

} // namespace quillmar
