// The picture encoder of a build without Qt GUI: it refuses every picture.

#include "cli/picture_encoding.h"

namespace quillmar {

struct PictureEncoder::Session {};

bool PictureEncoder::available() {
    return false;
}

PictureEncoder::PictureEncoder() = default;
PictureEncoder::~PictureEncoder() = default;

IoResult<std::string> PictureEncoder::encode(const RecordingSurface&, const std::string& path,
                                             PictureSize) {
    return ioFailure(path, "this quillmar-gen was built without Qt GUI and draws no pictures");
}

} // namespace quillmar
