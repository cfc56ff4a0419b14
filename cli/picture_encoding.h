#pragma once

#include "cli/command_line.h"
#include "cli/file_io.h"
#include "graphics/recording_surface.h"

#include <memory>
#include <string>

namespace quillmar {

// Turns recorded pictures into the bytes of PNG or SVG files. It paints with Qt GUI,
// which it starts when it is made and stops when it goes: plain program generation
// never touches Qt. With QT_QPA_PLATFORM unset it takes Qt's "offscreen" platform, so
// that it needs no display, opens no window and draws the same on every machine.
class PictureEncoder {
public:
    // False in a build without Qt GUI: no picture can be drawn there.
    static bool available();

    PictureEncoder();
    ~PictureEncoder();
    PictureEncoder(const PictureEncoder&) = delete;
    PictureEncoder& operator=(const PictureEncoder&) = delete;

    // What the picture file `path` is to hold: PNG or SVG by its extension, `size`
    // pixels. On failure the reason, with `path` as the file name.
    IoResult<std::string> encode(const RecordingSurface& recording, const std::string& path,
                                 PictureSize size);

private:
    struct Session;
    std::unique_ptr<Session> session_;
};

} // namespace quillmar
