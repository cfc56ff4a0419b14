#pragma once

// The steps of writing files whole that differ between POSIX systems and Windows. Paths
// are UTF-8 on both; file_io.cpp puts the steps together.

#include "cli/file_io.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quillmar::platform {

// One output on its way into place.
struct Replacement {
    std::string shownName; // the name the user gave, for messages
    std::string target;    // where the bytes go: through a symbolic link to its file
    std::string temporary; // beside the target; empty until written
    bool existed = false;  // the target was there when the temporary was put in place
    bool oldKept = false;  // the old file now lies under the temporary's name
};

// Where the bytes of `path` go, when that file can be replaced whole by a rename;
// otherwise why not (a folder, a device or pipe, an immutable file). Writes nothing.
IoResult<Replacement> replaceableTarget(const std::string& path);

// Writes the bytes to a new temporary beside the target and makes them durable.
IoResult<> writeTemporary(Replacement& output, std::string_view bytes);

// Renames the temporary over the target. Where the system can, the old file is kept
// under the temporary's name until commit, so that the step can be undone.
IoResult<> putInPlace(Replacement& output);

// Puts back what putInPlace replaced, as far as the system allows: the old file where
// it was kept, nothing where the target was new.
void undoPutInPlace(Replacement& output);

// Removes the temporary's name, whatever it holds now; no fault is reported.
void removeTemporary(const Replacement& output);

// Makes the renames in the target's folder durable.
void syncFolder(const Replacement& output);

// The whole content of a file or, for "-", of standard input, refused beyond `limit`
// bytes: a regular file before a byte is read, anything else (/dev/zero, a pipe) as soon
// as more came.
IoResult<std::string> readFileUpTo(const std::string& path, std::size_t limit);

// The reason given for such a refusal: "larger than 64 MB".
inline std::string tooLargeReason(std::size_t limit) {
    return "larger than " + std::to_string(limit >> 20) + " MB";
}

} // namespace quillmar::platform
