// One picture of all the artwork and a few levels as the game draws them,
// for looking at the game's look as a whole.
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

#include <iostream>

#include "levels/LevelFile.h"
#include "model/Flow.h"
#include "ui/BoardRenderer.h"
#include "ui/art/ArtworkSheets.h"

namespace {

// Level n as it shows right after it started: the water spread from the start.
QImage LevelPicture(TBoardRenderer& renderer, const TLevelRec& rec) {
  TBoard board;
  LoadLevelToBoard(board, rec);
  ComputeFlow(board);
  board.ShownFlow = board.NewFlow;
  renderer.DrawBackdrop();
  renderer.DrawAllCells(board, psRunning);
  return renderer.Surface().copy();
}

void Label(QPainter& painter, QPoint at, const QString& text) {
  painter.setPen(QColor(0xdd, 0xe3, 0xea));
  painter.drawText(at, text);
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 4) {
    std::cerr << "usage: gurx-contact-sheet GAMEDIR ICONDIR OUT.png\n";
    return 2;
  }
  const std::string gameDir = std::string(argv[1]) + "/";
  TBoardRenderer renderer;
  TLevelCollection levels;
  if (!renderer.LoadArtwork(gameDir) ||
      ReadLevelFile(levels, gameDir + LevelFileName).has_value()) {
    std::cerr << "gurx-contact-sheet: no artwork or levels in " << argv[1] << "\n";
    return 1;
  }
  QImage sheet(1040, 1900, QImage::Format_RGB32);
  sheet.fill(QColor(0x12, 0x16, 0x1b));
  QPainter painter(&sheet);
  QFont font("DejaVu Sans");
  font.setPixelSize(13);
  painter.setFont(font);

  const int count = levels.Levels.LevelCount();
  const int shown[] = {1, 12, count / 2, count};
  for (int i = 0; i < 4; ++i) {
    const QPoint at(10 + (i % 2) * 520, 30 + (i / 2) * 360);
    Label(painter, at - QPoint(0, 8), QString("level %1").arg(shown[i]));
    painter.drawImage(at, LevelPicture(renderer, levels.Levels[shown[i]]));
  }
  int y = 760;
  Label(painter, {10, y - 8}, "tiles (b1)");
  painter.drawImage(QPoint(10, y), art::TileSheet());
  Label(painter, {460, y - 8}, "backgrounds (b2)");
  painter.drawImage(QPoint(460, y), art::BackgroundSheet());
  Label(painter, {770, y - 8}, "splash (b5)");
  painter.drawImage(QPoint(770, y), art::Splash());
  Label(painter, {770, y + 172}, "water marks (b3), 4x");
  painter.drawImage(QRect(770, y + 180, 96 * 2, 12 * 2), art::WaterSheet());
  painter.drawImage(QRect(770, y + 210, 96 * 2, 12 * 2), art::WaterSheet());
  Label(painter, {770, y + 258}, "digit strips, 2x");
  painter.drawImage(QRect(740, y + 266, 148 * 2, 40), art::DigitStrip(true));
  painter.drawImage(QRect(740, y + 312, 121 * 2, 40), art::DigitStrip(false));
  y = 1070;
  Label(painter, {10, y - 8}, "backdrop (b4)");
  painter.drawImage(QPoint(10, y), art::Backdrop());

  y = 1430;
  Label(painter, {10, y - 8}, "window pictures, at 25 and 50 pixels");
  int x = 10;
  for (const QString& name : QDir(argv[2]).entryList({"*.svg"}, QDir::Files, QDir::Name)) {
    QSvgRenderer svg(QDir(argv[2]).filePath(name));
    const QSizeF natural = svg.defaultSize();
    const double scale = 25.0 / std::max(natural.width(), natural.height());
    painter.fillRect(QRect(x - 2, y - 2, 108, 90), QColor(0xd4, 0xd0, 0xc8));
    svg.render(&painter, QRectF(x, y, natural.width() * scale, natural.height() * scale));
    svg.render(&painter,
               QRectF(x + 32, y, natural.width() * scale * 2, natural.height() * scale * 2));
    painter.setPen(Qt::black);
    painter.drawText(QRect(x, y + 70, 104, 16), Qt::AlignLeft, name.chopped(4));
    x += 114;
    if (x > 950) {
      x = 10;
      y += 100;
    }
  }
  painter.end();
  return sheet.save(argv[3]) ? 0 : 1;
}
