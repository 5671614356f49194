#include "app/icons.h"

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

// Grey and embossed: the shape in white, one pixel down and right, under the shape in grey.
QPixmap Embossed(const QPixmap& picture) {
  const QImage mask = picture.toImage().convertToFormat(QImage::Format_ARGB32);
  QImage out(16, 16, QImage::Format_ARGB32);
  out.fill(Qt::transparent);
  for (int pass = 0; pass < 2; ++pass)
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        if (qAlpha(mask.pixel(x, y)) < 128) continue;
        const int tx = x + (pass == 0 ? 1 : 0), ty = y + (pass == 0 ? 1 : 0);
        if (tx < 16 && ty < 16) out.setPixel(tx, ty, pass == 0 ? qRgb(255, 255, 255) : qRgb(128, 128, 128));
      }
  return QPixmap::fromImage(out);
}

}  // namespace

QIcon ToolIcon(int index) {
  const QPixmap picture = Picture(index);
  QIcon icon;
  icon.addPixmap(picture, QIcon::Normal);
  icon.addPixmap(Embossed(picture), QIcon::Disabled);
  return icon;
}

}  // namespace eit
