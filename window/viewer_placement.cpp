#include "window/viewer_placement.h"

#include <QScreen>
#include <algorithm>

namespace eit {

namespace {

constexpr int kGap = 8;

}  // namespace

QRect Inside(QRect frame, const QRect& available) {
  frame.setWidth(std::min(frame.width(), available.width()));
  frame.setHeight(std::min(frame.height(), available.height()));
  frame.moveLeft(std::clamp(frame.left(), available.left(), available.right() - frame.width() + 1));
  frame.moveTop(std::clamp(frame.top(), available.top(), available.bottom() - frame.height() + 1));
  return frame;
}

void KeepInsideScreen(QWidget& window) {
  if (window.screen() == nullptr) return;
  const QRect frame = window.frameGeometry();
  const QRect inside = Inside(frame, window.screen()->availableGeometry());
  if (inside == frame) return;
  if (inside.size() != frame.size()) window.resize(window.size() - (frame.size() - inside.size()));
  window.move(inside.topLeft());
}

QRect PlaceBeside(const QRect& window, const QSize& wanted, const QRect& available) {
  QRect frame(QPoint(window.right() + 1 + kGap, window.top()), wanted);
  if (frame.right() > available.right()) {
    // No room on the right: on the left where there is room there, else over the window.
    const int left = window.left() - kGap - wanted.width();
    frame.moveLeft(left >= available.left() ? left : window.left());
  }
  return Inside(frame, available);
}

QRect PlaceWhereLeft(const QRect& left, const QVector<QRect>& screens) {
  const QRect* best = nullptr;
  long long bestArea = 0;
  for (const QRect& screen : screens) {
    const QRect common = screen.intersected(left);
    const long long area = static_cast<long long>(common.width()) * common.height();
    if (area > bestArea) best = &screen, bestArea = area;
  }
  return best == nullptr ? QRect() : Inside(left, *best);
}

}  // namespace eit
