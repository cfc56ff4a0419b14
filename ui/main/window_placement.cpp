#include "ui/main/window_placement.h"

#include <algorithm>

namespace quillmar {

QRect keepReachable(const QRect& window, const QList<QRect>& screens, const QRect& primaryArea) {
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
