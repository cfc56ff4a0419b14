#pragma once

#include <QList>
#include <QRect>

namespace quillmar {

// A stored window rectangle that lies entirely outside every screen (a monitor that
// has been removed since) would open an invisible window: it is moved onto the
// primary screen's free area, centred, keeping its size where that fits. Any other
// rectangle is used as stored, only never smaller than 240 x 160 pixels.
QRect keepReachable(const QRect& window, const QList<QRect>& screens, const QRect& primaryArea);

} // namespace quillmar
