#include "ui/main/settings/window_placement.h"

#include <algorithm>

namespace quillmar {

namespace {

// A stored width or height of 0 (or one that was no sensible number at all) would open
// a window that never shows; this much is enough to see it and take hold of it.
constexpr QSize kSmallestWindow(240, 160);

} // namespace

QRect keepReachable(const QRect& stored, const QList<QRect>& screens, const QRect& primaryArea) {
    const QRect window(stored.topLeft(), stored.size().expandedTo(kSmallestWindow));
    const bool onSomeScreen = std::any_of(screens.begin(), screens.end(),
                                          [&](const QRect& s) { return s.intersects(window); });
    if (onSomeScreen || primaryArea.isEmpty()) {
        return window;
    }
    QRect moved(QPoint(0, 0), window.size().boundedTo(primaryArea.size()).expandedTo({1, 1}));
    moved.moveCenter(primaryArea.center());
    return moved;
}

} // namespace quillmar
