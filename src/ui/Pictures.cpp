#include "ui/Pictures.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QScreen>
#include <cstring>

#include "ui/PictureSizes.h"

std::optional<QPixmap> FindPicture(const QString& name, QSize size, qreal scale) {
  const int wanted = scale > 1 ? 2 : 1;
  for (int i = 0; i < PicturePixelsCount; ++i) {
    const TPicturePixels& picture = PicturePixels[i];
    if (name != QString::fromUtf8(picture.Name) || size != QSize(picture.Width, picture.Height) ||
        picture.Scale != wanted)
      continue;
    QImage image(picture.Width * wanted, picture.Height * wanted,
                 QImage::Format_ARGB32_Premultiplied);
    const QByteArray pixels = qUncompress(picture.Compressed, picture.Size);
    if (pixels.size() != image.sizeInBytes()) return std::nullopt;
    std::memcpy(image.bits(), pixels.constData(), static_cast<std::size_t>(pixels.size()));
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(wanted);
    return pixmap;
  }
  return std::nullopt;
}

QPixmap PicturePixmap(const QString& name, QSize size, qreal scale) {
  std::optional<QPixmap> pixmap = FindPicture(name, size, scale);
  Q_ASSERT_X(pixmap, "PicturePixmap", "a picture size missing from PictureSizes");
  return pixmap.value_or(QPixmap());
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
