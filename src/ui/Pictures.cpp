#include "ui/Pictures.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QScreen>
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

int ArtworkScale() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen && screen->devicePixelRatio() > 1 ? 2 : 1;
}

void DrawPart(QPainter& painter, QRect target, const QImage& image, QRect source, int scale) {
  painter.drawImage(QRectF(target), image, QRectF(source.topLeft() * scale, source.size() * scale));
}

QImage ReadBitmap(const QString& path) {
  if (!QFileInfo(path).isFile()) return {};
  QImageReader reader(path, "bmp");
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

QIcon GameIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64}) icon.addPixmap(PicturePixmap("icon", {size, size}));
  return icon;
}
