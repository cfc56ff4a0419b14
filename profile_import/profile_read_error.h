#pragma once

#include <string>

namespace quillmar {

// Why a profile could not be read: the line of the text (or 0 for the file as a whole)
// and what was not understood.
struct ProfileReadError {
    int line = 0;
    std::string message;
};

} // namespace quillmar
