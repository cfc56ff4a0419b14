#pragma once

#include "core/expected.h"
#include "graphics/recording_surface.h"

#include <QSize>
#include <QString>

namespace quillmar {

// Largest picture side a file may have: beyond it the image would not fit in memory.
inline constexpr int kMaxPictureSide = 16384;

// Saves what a recording shows as a picture of `size` pixels: PNG or SVG by the
// file's extension (.png, .svg, in any case). An existing file is replaced only by a
// complete new one. On failure says why. Needs a QGuiApplication (text is drawn with the
// desktop's fonts).
Expected<void, QString> savePicture(const RecordingSurface& recording, const QString& path,
                                    QSize size);

} // namespace quillmar
