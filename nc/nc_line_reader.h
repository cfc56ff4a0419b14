#pragma once

#include <functional>
#include <string_view>

namespace quillmar {

// One change of the tool position found by the text walk.
struct NcMove {
    double previousX = 0;
    double previousZ = 0;
    double x = 0;
    double z = 0;
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
};

} // namespace quillmar
