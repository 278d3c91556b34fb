// Draws every window picture from its SVG file, and the displays' captions
// in both languages, at each size the windows show them and at twice that
// size, into a C++ source of compressed pixel arrays the game is built with.
// usage: gurx-pictures SVG_DIRECTORY OUTPUT.cpp
#include <QByteArray>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <fstream>
#include <iostream>
#include <sstream>

#include "control/Texts.h"
#include "ui/PictureSizes.h"

namespace {

QImage Canvas(int width, int height, int scale) {
  QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  image.setDevicePixelRatio(scale);
  return image;
}

bool Draw(const QString& file, int width, int height, int scale, QImage& image) {
  QSvgRenderer renderer(file);
  if (!renderer.isValid()) return false;
  image = Canvas(width, height, scale);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(0, 0, width, height));
  return true;
}

// As a label draws it: left, in the middle of its height.
QImage Caption(const std::string& text, TCaptionStyle style, int scale) {
  QImage image = Canvas(style.Width, style.Height, scale);
  QPainter painter(&image);
  QFont font("DejaVu Sans");
  font.setPixelSize(style.PixelSize);
  painter.setFont(font);
  painter.setPen(QColor::fromRgb(style.Colour));
  painter.drawText(QRect(0, 0, style.Width, style.Height), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString(text));
  return image;
}

// The image's pixels, compressed, as a byte array named `name`; its size.
qsizetype WriteArray(std::ostream& out, const std::string& name, const QImage& image) {
  const QByteArray compressed =
      qCompress(image.constBits(), static_cast<qsizetype>(image.sizeInBytes()), 9);
  out << "const unsigned char " << name << "[] = {";
  for (qsizetype i = 0; i < compressed.size(); ++i)
    out << (i % 16 == 0 ? "\n    " : " ")
        << static_cast<int>(static_cast<unsigned char>(compressed[i])) << ",";
  out << "};\n";
  return compressed.size();
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::cerr << "usage: gurx-pictures SVG_DIRECTORY OUTPUT.cpp\n";
    return 2;
  }
  std::ostringstream arrays, table;
  int count = 0;
  for (const auto& [name, width, height] : PictureSizes) {
    for (int scale : PictureScales) {
      const QString file = QString::fromLocal8Bit(argv[1]) + "/" + name + ".svg";
      QImage image;
      if (!Draw(file, width, height, scale, image)) {
        std::cerr << "gurx-pictures: cannot draw " << file.toStdString() << "\n";
        return 1;
      }
      const std::string array = "picture" + std::to_string(count++);
      const qsizetype size = WriteArray(arrays, array, image);
      table << "    {\"" << name << "\", " << width << ", " << height << ", " << scale << ", "
            << array << ", " << size << "},\n";
    }
  }
  for (const auto& [text, style] : {std::pair{TText::LevelCaption, LevelCaptionStyle},
                                    std::pair{TText::TimeCaption, TimeCaptionStyle}}) {
    for (TLanguage language : {lgGerman, lgEnglish}) {
      const std::string caption = TextOf(text, language);
      for (int scale : PictureScales) {
        const std::string array = "picture" + std::to_string(count++);
        const qsizetype size = WriteArray(arrays, array, Caption(caption, style, scale));
        table << "    {\"" << caption << "\", " << style.Width << ", " << style.Height << ", "
              << scale << ", " << array << ", " << size << "},\n";
      }
    }
  }
  std::ofstream out(argv[2]);
  out << "// Made by gurx-pictures from the SVG files; not to be edited.\n"
      << "#include \"ui/PictureSizes.h\"\n\nnamespace {\n"
      << arrays.str() << "}  // namespace\n\nconst TPicturePixels PicturePixels[] = {\n"
      << table.str() << "};\nconst int PicturePixelsCount = " << count << ";\n";
  out.close();
  return out ? 0 : 1;
}
