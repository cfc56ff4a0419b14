#pragma once

#include <QString>
#include <string_view>

namespace quillmar {

// The form's captions and names are UTF-8 literals.
inline QString qtText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace quillmar
