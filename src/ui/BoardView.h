#pragma once

#include <QWidget>

#include "BoardInput.h"
#include "BoardRenderer.h"
#include "Messages.h"
#include "LevelList.h"
#include "SteadyClock.h"

// The board surface: shows the working board and answers presses on it.
class TBoardView : public QWidget, public TBoardHost, public TMessageBox {
  Q_OBJECT

 public:
  explicit TBoardView(QWidget* parent = nullptr);

  // False after telling the player why the artwork or the level file cannot be read.
  bool ReadGameFiles(const std::string& programDir);

  void StartLevel(std::int32_t n);
  std::int32_t CurrentLevel() const { return currentLevel_; }

  void DrawRotationFrame(int col, int row, int kind, int frame) override;
  void DrawFlowPhase(int phase) override;
  void PlaySoundCue(int) override {}
  void LevelSolved() override;
  TModalResult ShowMessage(TMessageKind kind, const std::string& text) override;
  TClock& Clock() override { return clock_; }

 signals:
  void LevelStarted(std::int32_t n, std::int32_t count);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TLevelList levels_;
  std::int32_t currentLevel_ = 1;
  TBoard board_;
  TPlayState state_ = psRunning;
  bool levelTouched_ = false;
  TBoardPress press_{board_, *this, state_, levelTouched_, {}};
  TSteadyClock clock_;
  TBoardRenderer renderer_;
};
