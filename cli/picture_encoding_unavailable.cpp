// The picture encoder of a build without Qt GUI: it refuses every picture.

#include "cli/picture_encoding.h"

namespace quillmar {

struct PictureEncoder::Session {};

bool PictureEncoder::available() {
    return false;
}

PictureEncoder::PictureEncoder() = default;
PictureEncoder::~PictureEncoder() = default;

std::variant<std::string, IoFailure> PictureEncoder::encode(const RecordingSurface&,
                                                            const std::string& path, PictureSize) {
    return IoFailure{path, "this quillmar-gen was built without Qt GUI and draws no pictures"};
}

} // namespace quillmar
