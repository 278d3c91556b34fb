#include <gtest/gtest.h>

#include "Sounds.h"
#include "model/Geometry.h"
#include "support/TempDir.h"
#include "ui/BoardRenderer.h"
#include "ui/art/ArtworkSheets.h"

namespace {

TEST(Artwork, MarksAreBlackOutsideTheirShapeAndTheMaskWhite) {
  const QImage water = art::WaterSheet();
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) {
      const bool outside = water.pixel(72 + x, y) == qRgb(255, 255, 255);
      EXPECT_TRUE(outside || water.pixel(72 + x, y) == qRgb(0, 0, 0));
      for (int mark : {0, 1, 2, 3, 4, 5, 7}) {
        if (outside) {
          EXPECT_EQ(water.pixel(12 * mark + x, y), qRgb(0, 0, 0)) << mark;
        }
      }
    }
}

// The renderer over the real artwork, saved and loaded as the game does.
struct RendererTest : ::testing::Test {
  TTempDir Dir;
  TBoardRenderer Renderer;
  TBoard Board;

  void SetUp() override {
    const std::pair<const char*, QImage> files[] = {{"b1.bmp", art::TileSheet()},
                                                    {"b2.bmp", art::BackgroundSheet()},
                                                    {"b3.bmp", art::WaterSheet()},
                                                    {"b4.bmp", art::Backdrop()}};
    for (const auto& [name, image] : files)
      image.convertToFormat(QImage::Format_RGB888).save(QString::fromStdString(Dir / name));
    ASSERT_TRUE(Renderer.LoadArtwork(Dir.Path().string() + "/"));
  }
  QImage CellPicture(TCell cell) const {
    const TPixel corner = CellCorner(cell);
    return Renderer.Surface().copy(corner.X, corner.Y, CellPixels, CellPixels);
  }
};

TEST_F(RendererTest, EmptyCellsShowTheirBackgroundOrTheBackdrop) {
  Board.Backgrounds[CellIndex({2, 2})] = bgBackdrop;
  Board.Backgrounds[CellIndex({3, 3})] = 8;
  Board.Backgrounds[CellIndex({4, 4})] = 200;  // beyond the sheet
  Board.Backgrounds[CellIndex({5, 5})] = bgDefault;
  Renderer.DrawAllCells(Board, psRunning);
  EXPECT_EQ(CellPicture({2, 2}), art::Backdrop().copy(58, 58, 36, 36));
  EXPECT_EQ(CellPicture({3, 3}), art::BackgroundSheet().copy(0, 36, 36, 36));
  EXPECT_EQ(CellPicture({4, 4}), CellPicture({5, 5}));
  EXPECT_TRUE(TBoardRenderer().LoadArtwork(Dir / "missing/") == false);
}

// On a sharp screen the renderer draws at twice the pixels, from the @2x
// sheets where they are, else from the plain ones with every pixel doubled.
TEST_F(RendererTest, TwiceTheScaleTakesTheLargeSheets) {
  for (const auto& [name, image] :
       {std::pair{"b1@2x.bmp", art::TileSheet(2)}, std::pair{"b3@2x.bmp", art::WaterSheet(2)}})
    image.convertToFormat(QImage::Format_RGB888).save(QString::fromStdString(Dir / name));
  TBoardRenderer sharp(2);
  ASSERT_TRUE(sharp.LoadArtwork(Dir.Path().string() + "/"));
  EXPECT_EQ(sharp.Surface().size(), QSize(1000, 666));
  Board.Tile({2, 1}) = 11;
  Board.Backgrounds[CellIndex({3, 3})] = 8;
  sharp.DrawAllCells(Board, psRunning);
  const auto cell = [&sharp](TCell at) {
    const TPixel corner = CellCorner(at);
    return sharp.Surface().copy(2 * corner.X, 2 * corner.Y, 2 * CellPixels, 2 * CellPixels);
  };
  EXPECT_EQ(cell({2, 1}), art::TileSheet(2).copy(216, 144, 72, 72));
  EXPECT_EQ(cell({3, 3}), art::BackgroundSheet().copy(0, 36, 36, 36).scaled(72, 72));  // no @2x
}

TEST_F(RendererTest, WetTilesGetTheirMarkTheEditorsStartAnotherAndTheFlowItsPhases) {
  Board.Tile({1, 1}) = 11;
  Board.Tile({2, 1}) = 11;
  Board.SourceCol = Board.SourceRow = 1;
  Board.ShownFlow[CellIndex({1, 1})] = 1;
  Renderer.DrawAllCells(Board, psRunning);
  EXPECT_EQ(CellPicture({2, 1}), art::TileSheet().copy(108, 72, 36, 36));  // code 0x0B
  const QImage wet = CellPicture({1, 1});
  EXPECT_EQ(wet.pixel(18, 18), art::WaterSheet().pixel(60 + 6, 6));
  Renderer.DrawAllCells(Board, psEditing);
  EXPECT_EQ(CellPicture({1, 1}).pixel(13, 18), art::WaterSheet().pixel(84 + 1, 6));
  EXPECT_EQ(CellPicture({1, 1}).pixel(0, 0), wet.pixel(0, 0));  // only the mark changed

  // The flow's phases fill and dry the cells that changed.
  Board.Tile({1, 1}) = 1;
  Board.Tile({2, 1}) = 17;
  Board.NewFlow[CellIndex({2, 1})] = 1;
  const QImage water = art::WaterSheet();
  for (int phase = 0; phase < 6; ++phase) {
    Renderer.DrawFlowPhase(Board, psRunning, phase);
    EXPECT_EQ(CellPicture({1, 1}).pixel(18, 20), water.pixel(60 - 12 * phase + 6, 8)) << phase;
    EXPECT_EQ(CellPicture({2, 1}).pixel(18, 20), water.pixel(12 * phase + 6, 8)) << phase;
  }
}

TEST(Sounds, WaveFilesStartAndEndInSilence) {
  for (const auto& samples : {WaterSound(), SolvedSound(), TimeUpSound()}) {
    ASSERT_GT(samples.size(), 2000u);
    EXPECT_EQ(samples.front(), 0);
    EXPECT_LT(std::abs(samples.back()), 200);
    int peak = 0;
    for (auto s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_GT(peak, 8000);
    EXPECT_LT(peak, 20000);
    const auto file = WaveFile(samples);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "RIFF");
    EXPECT_EQ(file.size(), 44 + 2 * samples.size());
  }
}

}  // namespace
