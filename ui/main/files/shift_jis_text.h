#pragma once

#include "core/expected.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <variant>

namespace quillmar {

// A character the Shift-JIS code page has no code for, and where it stands.
struct UnencodableCharacter {
    int lineNumber = 0; // from 1
    QString character;  // one character (a surrogate pair stays whole)
};

// This Qt was built without the Shift-JIS converter.
struct ShiftJisUnavailable {};

// Program files go to Japanese controls and transfer software, which read Shift-JIS
// as Windows writes it (code page 932) whatever the writing machine's locale is. A
// character that Shift-JIS cannot hold is reported instead of being written as "?".
// The seven JIS characters that code page 932 knows under other code points (wave
// dash, double vertical line, minus sign, em dash, cent, pound, not) get the same bytes
// a JIS encoder gives them.
using ShiftJisFailure = std::variant<UnencodableCharacter, ShiftJisUnavailable>;
Expected<QByteArray, ShiftJisFailure> encodeShiftJis(QStringView text);

// The first byte at which Shift-JIS reading failed: a byte no character starts with,
// or the lead byte of a pair that is no character (or is cut off at the end).
struct UndecodableByte {
    qsizetype offset = 0; // from 0
};

// Reads Shift-JIS as code page 932 writes it; nothing is replaced by "?".
using ShiftJisDecodeFailure = std::variant<UndecodableByte, ShiftJisUnavailable>;
Expected<QString, ShiftJisDecodeFailure> decodeShiftJis(QByteArrayView bytes);

} // namespace quillmar
