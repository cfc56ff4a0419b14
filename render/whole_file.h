#pragma once

#include "core/expected.h"

#include <QByteArray>
#include <QString>

namespace quillmar {

// Writes the bytes to the path so that an existing file is replaced only by the
// complete new one. Returns the system's reason when that failed; the old file then
// stays as it was. Program files and picture files are both saved through it.
Expected<void, QString> writeFileCompletely(const QString& path, const QByteArray& bytes);

} // namespace quillmar
