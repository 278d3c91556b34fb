#pragma once

#include <QIcon>
#include <QPixmap>
#include <optional>

// The window pictures, drawn by the build at the sizes they are shown at
// (PictureSizes.h), and at twice that size for sharp screens. Taking them as
// pixels keeps SVG, and the desktop's icon and image plugins, out of the
// start-up.
QPixmap PicturePixmap(const QString& name, QSize size, qreal scale = 1);
// The same, or nothing when the build drew no such picture.
std::optional<QPixmap> FindPicture(const QString& name, QSize size, qreal scale);
QIcon PictureIcon(const QString& name, QSize size);
// The game's icon, at the sizes a desktop asks for.
QIcon GameIcon();

// 2 on a sharp screen (more than one device pixel to the pixel), else 1:
// the scale the artwork is drawn at.
int ArtworkScale();

// Draws the part `source` (in the image's own pixels at 1x) of an image
// that holds its picture at `scale` into `target`, in the widget's pixels.
void DrawPart(QPainter& painter, QRect target, const QImage& image, QRect source, int scale);

// A bitmap file, read as a bitmap whatever it holds: no other reader is
// asked, so none is loaded. A null image when it is not one.
QImage ReadBitmap(const QString& path);
