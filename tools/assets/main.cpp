// Draws the artwork and synthesises the sound cues into the game's directory.
#include <QGuiApplication>
#include <QImage>

#include <iostream>

#include "Sounds.h"
#include "platform/FileIO.h"
#include "ui/art/ArtworkSheets.h"

namespace {

// 24-bit BMP files, which every loader reads exactly.
bool SaveBitmap(const QImage& image, const QString& path) {
  return image.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: gurx-assets DIRECTORY\n";
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]) + "/";
  // Each sheet as the game's geometry has it, and at twice the size (@2x).
  bool drawn = true;
  for (int scale : {1, 2}) {
    const QString suffix = scale == 1 ? ".bmp" : "@2x.bmp";
    drawn = drawn && SaveBitmap(art::TileSheet(scale), dir + "b1" + suffix) &&
            SaveBitmap(art::BackgroundSheet(scale), dir + "b2" + suffix) &&
            SaveBitmap(art::WaterSheet(scale), dir + "b3" + suffix) &&
            SaveBitmap(art::Backdrop(scale), dir + "b4" + suffix) &&
            SaveBitmap(art::Splash(scale), dir + "b5" + suffix);
  }
  bool sounded = true;
  for (const auto& [name, samples] :
       {std::pair{"w1.wav", WaterSound()}, std::pair{"w2.wav", SolvedSound()},
        std::pair{"w4.wav", TimeUpSound()}})
    sounded = WriteFileAtomically(argv[1] + std::string("/") + name, WaveFile(samples)) && sounded;
  if (drawn && sounded) return 0;
  std::cerr << "gurx-assets: cannot write into " << argv[1] << "\n";
  return 1;
}
