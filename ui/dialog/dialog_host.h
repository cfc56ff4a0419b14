#pragma once

#include "core/program_output.h"

namespace quillmar {

// What the data input dialog needs from the window that opens it: the two output
// panes the program output command appends to, and the two graphics that "閉じる"
// redraws.
class DialogHost {
public:
    virtual ~DialogHost() = default;
    virtual OutputPanes& outputPanes() = 0;
    virtual void redrawPointGraphic() = 0;
    virtual void redrawCuttingGraphic() = 0;
};

} // namespace quillmar
