#include "sync/Imagenes.h"

#include <QPainter>
#include <QPolygon>

namespace tramvel {
namespace {

QPixmap Lienzo(int ancho, int alto) {
  QPixmap pixmap(ancho, alto);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

void Flecha(QPainter& p, int x, int y, int largo, bool arriba, const QColor& color) {
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  const int punta = arriba ? y : y + largo;
  const int base = arriba ? y + largo / 2 : y + largo / 2;
  p.drawPolygon(QPolygon({QPoint(x, punta), QPoint(x - 5, base), QPoint(x + 5, base)}));
  p.drawRect(arriba ? QRect(x - 2, base, 5, largo / 2) : QRect(x - 2, y, 5, largo / 2));
}

void Bandeja(QPainter& p, int ancho, int alto) {
  p.setPen(QPen(QColor(64, 64, 64), 2));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygon({QPoint(1, alto - 6), QPoint(1, alto - 1), QPoint(ancho - 2, alto - 1), QPoint(ancho - 2, alto - 6)}));
}

// An arrow over a tray, 18 pixels high.
QPixmap ImagenBoton(int ancho, bool arriba, const QColor& color) {
  QPixmap pixmap = Lienzo(ancho, 18);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  Bandeja(p, ancho, 18);
  Flecha(p, ancho / 2, 1, 12, arriba, color);
  return pixmap;
}

}  // namespace

QPixmap ImagenSubir() { return ImagenBoton(16, true, QColor(0, 128, 0)); }

QPixmap ImagenDescargar() { return ImagenBoton(18, false, QColor(0, 0, 160)); }

QPixmap ImagenEspera() {
  QPixmap pixmap = Lienzo(32, 32);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(128, 64, 0), 2));
  p.drawLine(6, 3, 26, 3);
  p.drawLine(6, 29, 26, 29);
  p.setBrush(QColor(255, 255, 160));
  p.setPen(QPen(Qt::black, 1));
  p.drawPolygon(QPolygon({QPoint(8, 4), QPoint(24, 4), QPoint(17, 16), QPoint(24, 28), QPoint(8, 28), QPoint(15, 16)}));
  p.setBrush(QColor(200, 160, 0));
  p.setPen(Qt::NoPen);
  p.drawPolygon(QPolygon({QPoint(10, 27), QPoint(22, 27), QPoint(16, 21)}));
  return pixmap;
}

QPixmap IconoVentana() {
  QPixmap pixmap = Lienzo(32, 32);
  QPainter p(&pixmap);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(0, 0, 128));
  p.drawRect(20, 2, 10, 14);  // the server
  p.setBrush(QColor(0, 128, 128));
  p.drawRect(2, 18, 14, 10);  // the site
  Flecha(p, 10, 2, 14, true, QColor(0, 128, 0));
  Flecha(p, 24, 17, 13, false, QColor(128, 0, 0));
  return pixmap;
}

}  // namespace tramvel
