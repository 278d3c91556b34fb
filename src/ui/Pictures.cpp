#include "ui/Pictures.h"

#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

QPixmap PicturePixmap(const QString& name, QSize size, qreal scale) {
  QSvgRenderer renderer(":/icons/" + name + ".svg");
  QPixmap pixmap(size * scale);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  renderer.render(&painter);
  painter.end();
  pixmap.setDevicePixelRatio(scale);
  return pixmap;
}

QIcon PictureIcon(const QString& name, QSize size) {
  QIcon icon(PicturePixmap(name, size));
  icon.addPixmap(PicturePixmap(name, size, 2));
  return icon;
}

QImage ReadBitmap(const QString& path) {
  QImageReader reader(path, "bmp");
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

QIcon GameIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64}) icon.addPixmap(PicturePixmap("icon", {size, size}));
  return icon;
}
