#include "window/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace eit {

namespace {

void Exclamation(QPainter& p, int x, int y) {
  p.fillRect(x, y, 2, 6, Qt::black);
  p.fillRect(x, y + 7, 2, 2, Qt::black);
}

QPixmap Picture(int index) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  const QColor red(200, 0, 0), blue(0, 60, 200);
  switch (index) {
    case 0:  // a red tray holding white paper sheets
      p.fillRect(4, 1, 9, 9, Qt::white);
      p.setPen(Qt::gray);
      p.drawRect(4, 1, 8, 8);
      p.fillRect(2, 4, 9, 8, Qt::white);
      p.drawRect(2, 4, 8, 7);
      p.fillRect(0, 10, 16, 5, red);
      p.fillRect(2, 10, 12, 2, QColor(120, 0, 0));
      break;
    case 1:  // a floppy disk
      p.fillRect(1, 1, 14, 14, QColor(40, 40, 40));
      p.fillRect(4, 1, 8, 5, QColor(190, 190, 190));
      p.fillRect(9, 2, 2, 3, QColor(40, 40, 40));
      p.fillRect(3, 8, 10, 6, Qt::white);
      break;
    case 2: {  // a blue arrow pointing left, a red bar below it, black marks along the right edge
      QPainterPath arrow;
      arrow.moveTo(1, 5);
      arrow.lineTo(6, 1);
      arrow.lineTo(6, 3);
      arrow.lineTo(11, 3);
      arrow.lineTo(11, 7);
      arrow.lineTo(6, 7);
      arrow.lineTo(6, 9);
      arrow.closeSubpath();
      p.fillPath(arrow, blue);
      p.fillRect(1, 11, 11, 3, red);
      for (int y = 1; y < 15; y += 3) p.fillRect(13, y, 2, 2, Qt::black);
      break;
    }
    case 3:  // a red circular arrow around a black exclamation mark
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(QPen(red, 2));
      p.drawArc(2, 2, 12, 12, 30 * 16, 300 * 16);
      p.setBrush(red);
      p.setPen(Qt::NoPen);
      p.drawPolygon(QPolygon({QPoint(11, 0), QPoint(15, 4), QPoint(10, 6)}));
      p.setRenderHint(QPainter::Antialiasing, false);
      Exclamation(p, 7, 4);
      break;
    case 4: {  // a red arrow pointing right
      QPainterPath arrow;
      arrow.moveTo(15, 8);
      arrow.lineTo(8, 2);
      arrow.lineTo(8, 5);
      arrow.lineTo(1, 5);
      arrow.lineTo(1, 11);
      arrow.lineTo(8, 11);
      arrow.lineTo(8, 14);
      arrow.closeSubpath();
      p.fillPath(arrow, red);
      break;
    }
    default:  // 5: a red prohibition sign over a black exclamation mark
      Exclamation(p, 7, 3);
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(QPen(red, 2));
      p.drawEllipse(2, 2, 12, 12);
      p.drawLine(4, 4, 12, 12);
      break;
  }
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
    QPainterPath out;
    out.moveTo(58, 30);
    out.lineTo(44, 18);
    out.lineTo(44, 25);
    out.lineTo(28, 25);
    out.lineTo(28, 35);
    out.lineTo(44, 35);
    out.lineTo(44, 42);
    out.closeSubpath();
    p.fillPath(out, QColor(0, 90, 200));
    QPainterPath back;
    back.moveTo(18, 52);
    back.lineTo(32, 40);
    back.lineTo(32, 47);
    back.lineTo(58, 47);
    back.lineTo(58, 57);
    back.lineTo(32, 57);
    back.lineTo(32, 64);
    back.closeSubpath();
    p.fillPath(back, QColor(200, 0, 0));
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
