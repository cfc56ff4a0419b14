#pragma once

#include "core/expected.h"

#include <QByteArrayView>
#include <QString>

namespace quillmar {

// Larger files are refused: no program for a lathe comes near it, and a pane holding
// it would no longer answer keys.
inline constexpr qint64 kLargestProgramFile = 64 * 1024 * 1024;

// Why a file could not become a pane's text, said after the file's name.
struct ProgramFileError {
    QString reason;
};

// A program file's bytes as a pane's text: UTF-8 when the bytes are valid UTF-8,
// else Shift-JIS (code page 932, what Save writes). One closing line end is dropped,
// because Save adds one: opening a saved file and saving it again gives the same
// bytes. Every other line end stays; the pane makes each one CR LF.
Expected<QString, ProgramFileError> programTextFromBytes(QByteArrayView bytes);

// Reads and decodes the file. A folder, anything but a regular file, a file larger
// than kLargestProgramFile, one that cannot be read or whose bytes neither encoding
// reads, each give the reason.
Expected<QString, ProgramFileError> readProgramFile(const QString& path);

} // namespace quillmar
