// The time and level displays, the count of the water, the title, the gauge and the window's texts.
#include <algorithm>
#include <array>

#include "control/Game.h"

namespace {

struct TControlText {
  TControl Control;
  TText Text;
  bool Caption;  // else a hint
};

constexpr std::array<TControlText, 24> WindowTexts{{
    {TControl::LoadBtn, TText::LoadHint, false},
    {TControl::SaveBtn, TText::SaveHint, false},
    {TControl::OptionBtn, TText::OptionHint, false},
    {TControl::NewGameBtn, TText::NewGameHint, false},
    {TControl::RestartBtn, TText::RestartHint, false},
    {TControl::SoundBtn, TText::SoundHint, false},
    {TControl::RulesBtn, TText::RulesHint, false},
    {TControl::PauseBtn, TText::PauseHint, false},
    {TControl::ExitBtn, TText::ExitHint, false},
    {TControl::MixBtn, TText::MixHint, false},
    {TControl::DeleteBtn, TText::DeleteHint, false},
    {TControl::InsertBtn, TText::InsertHint, false},
    {TControl::InfoBtn, TText::InfoHint, false},
    {TControl::NimbleplayBtn, TText::NimbleplayHint, false},
    {TControl::Pausetext, TText::PauseText, true},
    {TControl::sUpBtn, TText::UpHint, false},
    {TControl::sDownBtn, TText::DownHint, false},
    {TControl::levelScroll, TText::LevelBarHint, false},
    {TControl::UndoBtn, TText::UndoHint, false},
    {TControl::RedoBtn, TText::RedoHint, false},
    {TControl::FreshLevelBtn, TText::FreshLevelHint, false},
    {TControl::RecordsBtn, TText::RecordsHint, false},
    {TControl::TimeLabel, TText::TimeCaption, true},
    {TControl::levellabel, TText::LevelCaption, true},
}};

}  // namespace

TDisplayDigits ThreeDigits(std::int32_t value) {
  value = std::max(value, 0);  // each place is taken mod 10 as it stands
  const std::array<int, 3> places{value / 100 % 10, value / 10 % 10, value % 10};
  TDisplayDigits digits;
  bool leading = true;
  for (std::size_t i = 0; i < places.size(); ++i) {
    if (places[i] == 0 && leading && i < 2) continue;
    leading = false;
    digits[i] = places[i];
  }
  return digits;
}

// Blank in the editor, whose water is no count of play.
void TGame::ShowWaterCount() {
  if (data_.State == psEditing) {
    window_.DrawWaterCount(std::nullopt);
    window_.SetHint(TControl::WaterCount, "");
    return;
  }
  TWaterCount count;
  for (std::size_t i = 0; i < CellCount; ++i) {
    if (data_.Board.Tiles[i] == 0) continue;
    ++count.Tiles;
    if (data_.Board.ShownFlow[i] != 0) ++count.Wet;
  }
  window_.DrawWaterCount(count);
  window_.SetHint(TControl::WaterCount,
                  TextOf(TText::WaterCountHint, data_.Language, std::to_string(count.Wet),
                         std::to_string(count.Tiles)));
}

void TGame::timboxPaint() { window_.DrawTimeDisplay(ThreeDigits(data_.TimeLeft)); }

// A random level has no number: the display is blank, its hint names the code.
void TGame::levelboxPaint() {
  if (data_.Random) {
    window_.DrawLevelDisplay({}, false);
    window_.SetHint(TControl::levelbox,
                    TextOf(TText::RandomLevelHint, data_.Language, CodeText(data_.Random->Code)));
    return;
  }
  const std::int32_t level = data_.CurrentLevel;
  const bool solved = level >= 1 && level <= TResultTable::Size && data_.Results[level] > 0;
  window_.DrawLevelDisplay(ThreeDigits(level), solved);
  window_.SetHint(
      TControl::levelbox,
      TextOf(TText::LevelHint, data_.Language, std::to_string(level),
             TextOf(solved ? TText::LevelSolvedWord : TText::LevelUnsolvedWord, data_.Language)));
}

void TGame::UpdateTitleAndGauge() {
  std::string title = GameTitle;
  if (data_.Mode != gmEditor && !data_.GameFileName.empty())
    title += TextOf(TText::TitleGame, data_.Language, FileNamePart(data_.GameFileName));
  if (data_.Random) title += " - " + CodeText(data_.Random->Code);
  title += TextOf(data_.Mode == gmPractice    ? TText::TitlePractice
                  : data_.Mode == gmChallenge ? TText::TitleChallenge
                                              : TText::TitleEditor,
                  data_.Language);
  levelboxPaint();
  window_.SetTitle(title);

  const std::int32_t count = data_.Levels.LevelCount();
  const int solved = SolvedLevelCount();
  window_.SetGauge(count, solved);
  window_.SetHint(TControl::gsol, TextOf(TText::GaugeHint, data_.Language, std::to_string(solved),
                                         std::to_string(count)));
}

// After a delete only the gauge's range follows at once; its hint and the
// title wait for the next UpdateTitleAndGauge.
void TGame::ResizeGauge() { window_.SetGauge(data_.Levels.LevelCount(), SolvedLevelCount()); }

int TGame::SolvedLevelCount() const {
  int solved = 0;
  for (std::int32_t n = 1; n <= std::min(data_.Levels.LevelCount(), TResultTable::Size); ++n)
    if (data_.Results[n] > 0) ++solved;
  return solved;
}

void TGame::ApplyLanguage() {
  for (const TControlText& entry : WindowTexts) {
    const std::string text = TextOf(entry.Text, data_.Language);
    if (entry.Caption)
      window_.SetCaption(entry.Control, text);
    else
      window_.SetHint(entry.Control, text);
  }
  timboxPaint();
  ShowWaterCount();
  UpdateTitleAndGauge();
}
