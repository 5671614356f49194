#include "window/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <initializer_list>

namespace eit {

namespace {

const QColor kRed(200, 0, 0), kBlue(0, 60, 200);

QPainterPath Outline(std::initializer_list<QPointF> points) {
  QPainterPath path;
  for (const QPointF& point : points) {
    if (path.elementCount() == 0)
      path.moveTo(point);
    else
      path.lineTo(point);
  }
  path.closeSubpath();
  return path;
}

void Exclamation(QPainter& p, int x, int y) {
  p.fillRect(x, y, 2, 6, Qt::black);
  p.fillRect(x, y + 7, 2, 2, Qt::black);
}

// A red tray holding white paper sheets.
void Tray(QPainter& p) {
  p.fillRect(4, 1, 9, 9, Qt::white);
  p.setPen(Qt::gray);
  p.drawRect(4, 1, 8, 8);
  p.fillRect(2, 4, 9, 8, Qt::white);
  p.drawRect(2, 4, 8, 7);
  p.fillRect(0, 10, 16, 5, kRed);
  p.fillRect(2, 10, 12, 2, QColor(120, 0, 0));
}

void Floppy(QPainter& p) {
  p.fillRect(1, 1, 14, 14, QColor(40, 40, 40));
  p.fillRect(4, 1, 8, 5, QColor(190, 190, 190));
  p.fillRect(9, 2, 2, 3, QColor(40, 40, 40));
  p.fillRect(3, 8, 10, 6, Qt::white);
}

// A blue arrow pointing left, a red bar below it, black marks along the right edge.
void RemoveArrow(QPainter& p) {
  p.fillPath(Outline({{1, 5}, {6, 1}, {6, 3}, {11, 3}, {11, 7}, {6, 7}, {6, 9}}), kBlue);
  p.fillRect(1, 11, 11, 3, kRed);
  for (int y = 1; y < 15; y += 3) p.fillRect(13, y, 2, 2, Qt::black);
}

// A red circular arrow around a black exclamation mark.
void CircularArrow(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kRed, 2));
  p.drawArc(2, 2, 12, 12, 30 * 16, 300 * 16);
  p.setBrush(kRed);
  p.setPen(Qt::NoPen);
  p.drawPolygon(QPolygon({QPoint(11, 0), QPoint(15, 4), QPoint(10, 6)}));
  p.setRenderHint(QPainter::Antialiasing, false);
  Exclamation(p, 7, 4);
}

void ExitArrow(QPainter& p) {
  p.fillPath(Outline({{15, 8}, {8, 2}, {8, 5}, {1, 5}, {1, 11}, {8, 11}, {8, 14}}), kRed);
}

// A red prohibition sign over a black exclamation mark.
void Prohibition(QPainter& p) {
  Exclamation(p, 7, 3);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kRed, 2));
  p.drawEllipse(2, 2, 12, 12);
  p.drawLine(4, 4, 12, 12);
}

// The tool buttons' pictures by index.
constexpr void (*kPictures[])(QPainter&) = {Tray, Floppy, RemoveArrow, CircularArrow, ExitArrow, Prohibition};

QPixmap Picture(int index) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  kPictures[std::clamp(index, 0, 5)](p);
  return pixmap;
}

// The picture in light greys: every shade keeps its place, so a filled shape (the floppy) still shows
// its parts instead of turning into a plain grey square.
QPixmap Greyed(const QPixmap& picture) {
  QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      const int grey = 120 + qGray(p) * 110 / 255;
      image.setPixel(x, y, qRgba(grey, grey, grey, qAlpha(p)));
    }
  return QPixmap::fromImage(image);
}

}  // namespace

QIcon WindowIcon() {
  // A texture tile with two arrows, out and back in: the same design as eitool.svg.
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(QColor(200, 120, 60));
    p.drawRoundedRect(QRectF(6, 6, 40, 40), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 80, 40));
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 4; ++c)
        if ((r + c) % 2 == 0) p.drawRect(QRectF(8 + c * 9, 8 + r * 9, 9, 9));
    p.fillPath(Outline({{58, 30}, {44, 18}, {44, 25}, {28, 25}, {28, 35}, {44, 35}, {44, 42}}), QColor(0, 90, 200));
    p.fillPath(Outline({{18, 52}, {32, 40}, {32, 47}, {58, 47}, {58, 57}, {32, 57}, {32, 64}}), QColor(200, 0, 0));
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

QIcon ToolIcon(int index) {
  const QPixmap picture = Picture(index);
  QIcon icon;
  icon.addPixmap(picture, QIcon::Normal);
  icon.addPixmap(Greyed(picture), QIcon::Disabled);
  return icon;
}

}  // namespace eit
