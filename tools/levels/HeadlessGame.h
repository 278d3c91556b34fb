#pragma once

#include "BoardInput.h"
#include "LevelRec.h"
#include "Messages.h"

// A board host that draws nothing and whose clock moves only when waited on;
// a solve freezes the board as the game does.
class TSilentHost : public TBoardHost, public TMessageBox, public TClock {
 public:
  explicit TSilentHost(TPlayState& state) : state_(state) {}
  void DrawRotationFrame(int, int, int, int) override {}
  void DrawFlowPhase(int) override {}
  void PlaySoundCue(int) override {}
  void LevelSolved() override;
  TModalResult ShowMessage(TMessageKind, const std::string&) override { return mrOk; }
  TClock& Clock() override { return *this; }
  std::int32_t TickCount() override { return now_; }
  void Sleep(int ms) override { now_ += ms; }
  bool Solved() const { return solved_; }

 private:
  TPlayState& state_;
  std::int32_t now_ = 0;
  bool solved_ = false;
};

// One level started in a running practice game, played without a screen.
struct THeadlessGame {
  TPlayState State = psRunning;
  bool LevelTouched = false;
  TBoard Board;
  TSilentHost Host{State};
  TBoardPress Press{Board, Host, State, LevelTouched, {}};

  explicit THeadlessGame(const TLevelRec& rec);
  THeadlessGame(const THeadlessGame&) = delete;
  THeadlessGame& operator=(const THeadlessGame&) = delete;
};
