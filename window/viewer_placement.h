// Where the viewer opens: beside the main window where the screen has room, else over it, and always
// inside the screen's available area; where the user left it, when that still lies on a screen. Every
// dialog that grows is kept inside the screen's available area too.
#pragma once

#include <QRect>
#include <QVector>
#include <QWidget>

namespace eit {

// The frame moved, and shrunk where it is larger, inside the available area.
QRect Inside(QRect frame, const QRect& available);
// The window moved (and shrunk) so that its frame lies inside its screen's available area.
void KeepInsideScreen(QWidget& window);

// The viewer's frame for a window's frame on a screen's available area (the one the window is on),
// size wanted: right of the window, else left of it, else over it, clamped inside available (and no
// larger than it).
QRect PlaceBeside(const QRect& window, const QSize& wanted, const QRect& available);
// The frame the user left the viewer at, moved and shrunk inside the available area of the screen it
// lies most on; empty when it lies on none of them (a screen since taken away).
QRect PlaceWhereLeft(const QRect& left, const QVector<QRect>& screens);

}  // namespace eit
