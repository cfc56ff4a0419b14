#pragma once

#include <QCoreApplication>
#include <QString>
#include <string_view>

namespace quillmar {

// The form's captions and names are UTF-8 literals.
inline QString qtText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A caption of the data input form in the program's language. The form's tables mark
// their captions with QT_TRANSLATE_NOOP("DataInput", ...); the field captions of
// core/job_fields.h reach lupdate through the update-translations target. Each is a
// NUL-terminated literal.
inline QString captionText(std::string_view utf8) {
    return QCoreApplication::translate("DataInput", utf8.data());
}

} // namespace quillmar
