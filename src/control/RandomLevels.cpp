// Random levels: the window of fresh levels and a code from the command line.
#include "control/Game.h"
#include "platform/Calendar.h"

// The clock waits while the player chooses, as under the about window.
void TGame::FreshLevelBtnClick() {
  if (data_.State == psEditing) return;
  window_.SetClockOn(false);
  const TFreshLevelAnswer answer = window_.ShowFreshLevelWindow();
  window_.SetClockOn(true);
  if (answer.Result != mrOk) return;
  if (const std::optional<TLevelCode> code = ChosenCode(answer)) StartRandomLevel(*code);
}

// A code that is none is said so, and changes nothing.
std::optional<TLevelCode> TGame::ChosenCode(const TFreshLevelAnswer& answer) {
  if (answer.Size) {
    const std::uint64_t bits = std::uint64_t{random_()} << 32 | random_();
    return CodeFromBits(*answer.Size, bits);
  }
  if (answer.Daily) {
    const TCalendarDay today = LocalToday();
    return DailyCode(today.Year, today.Month, today.Day);
  }
  const std::optional<TLevelCode> code = ParseLevelCode(answer.Code);
  if (!code)
    window_.ShowMessage(TMessageKind::Error,
                        TextOf(TText::CodeNotKnown, data_.Language, answer.Code));
  return code;
}

// Once, at the first paint: the remembered level has started by then. The
// editor gives way to practice, where a random level can be played.
void TGame::StartGivenCode() {
  const std::string text = std::exchange(levelFiles_.Code, "");
  if (text.empty()) return;
  const std::optional<TLevelCode> code = ChosenCode({mrOk, std::nullopt, false, text});
  if (!code) return;
  if (data_.Mode == gmEditor) data_.Mode = gmPractice;
  StartRandomLevel(*code);
}
