#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "BoardHost.h"
#include "Messages.h"
#include "LevelRec.h"

// Records everything the rules ask of the game around the board, in order, against a
// clock that moves only when someone waits.
class TFakeBoardHost : public TBoardHost, public TMessageBox, public TClock {
 public:
  std::vector<std::string> Events;
  std::vector<std::string> Messages;
  std::int32_t Now = 0;
  int Solves = 0;

  void DrawRotationFrame(int col, int row, int kind, int frame) override {
    Events.push_back("frame " + std::to_string(col) + "," + std::to_string(row) + " kind " +
                     std::to_string(kind) + " f" + std::to_string(frame));
  }
  void DrawFlowPhase(int phase) override { Events.push_back("phase " + std::to_string(phase)); }
  void PlaySoundCue(int cue) override { Events.push_back("cue " + std::to_string(cue)); }
  void LevelSolved() override {
    ++Solves;
    Events.push_back("solved");
  }
  TModalResult ShowMessage(TMessageKind, const std::string& text) override {
    Messages.push_back(text);
    return mrOk;
  }
  TClock& Clock() override { return *this; }
  std::int32_t TickCount() override { return Now; }
  void Sleep(int ms) override {
    Events.push_back("wait " + std::to_string(ms));
    Now += ms;
  }
};

// The bytes of a level file holding the records in order.
inline std::vector<std::uint8_t> LevelFileBytes(const std::vector<TLevelRec>& records) {
  std::vector<std::uint8_t> bytes(records.size() * LevelRecSize);
  if (!records.empty()) std::memcpy(bytes.data(), records.data(), bytes.size());
  return bytes;
}

// A level built cell by cell: empty, default backgrounds, water at (1, 1).
struct TLevelBuilder {
  TLevelRec Rec = EmptyLevelRec();
  TLevelBuilder& Tile(int col, int row, int code) {
    Rec.Tiles[CellIndex({col, row})] = static_cast<TTileCode>(code);
    return *this;
  }
  TLevelBuilder& Start(int col, int row) {
    Rec.SourceCol = static_cast<std::uint8_t>(col);
    Rec.SourceRow = static_cast<std::uint8_t>(row);
    return *this;
  }
};
