#pragma once

#include "core/controls/control_dialect.h"
#include "nc/nc_line_reader.h"
#include "nc/threading_line.h"

#include <string_view>
#include <vector>

namespace quillmar {

// One threading move of a standard program: where the tool stood when the move
// began (X is the diameter the nose edge reaches, Z the nose centre) and the feed
// word in force on the move's line.
struct ThreadingPass {
    int run = 0;         // 0-based; a comment between two passes starts the next run
    int line = 0;        // 0-based line of the threading move in the text
    double x = 0;        // start X
    double z = 0;        // start Z; a start cut from a start angle where its helix lies,
                         // the share angle / 360 of the lead further along +Z
    double feed = 0;     // lead along Z: the F word in force, or a G33 move's K word
                         // (along the move) brought back to Z; 0 when none was read
    double retractX = 0; // X of the first move after it that changes X
    bool retracted = false;
};

struct PassReading {
    std::vector<ThreadingPass> passes;
    int runs = 0;
    bool complete = true; // false when a reading failure ended the walk early
};

// Every threading move of the text, in the dialect of any control of the registry (a
// pane may hold the blocks of several: the control can be changed between outputs),
// read line by line with the same reader and modal rules as the cutting graphic: the
// line walk, the CR LF pairs and the modal G value are the reader's own. `reader`
// gives the modal state the text starts in.
PassReading readThreadingPasses(std::u16string_view text, NcLineReader reader = {});

// Adds the threading moves of one written block as the next run, exactly as reading
// its text back would find them: the numbers are read from the words the dialect wrote,
// a move that does not move is none, and a block without moves starts no run.
void addWrittenRun(PassReading& reading, const std::vector<WrittenMove>& moves);

// The lead along Z of a move whose K word gives the distance per revolution along the
// move itself (X as diameters).
double leadAlongZ(double k, double startX, double startZ, double endX, double endZ);

} // namespace quillmar
