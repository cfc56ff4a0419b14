#pragma once

#include <QString>
#include <string_view>

namespace quillmar {

// The first `length` characters of `held`: a text taken from a pane for a worker thread.
// Qt shares a QString's characters between copies until one of them changes, so taking
// it copies nothing and the worker reads characters no edit can touch.
struct SharedText {
    QString held;
    qsizetype length = 0;

    std::u16string_view view() const {
        return {reinterpret_cast<const char16_t*>(held.constData()), std::size_t(length)};
    }
};

} // namespace quillmar
