#include "control/Settings.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "platform/Paths.h"
#include "platform/Profile.h"

namespace {

// The editor palette's keys default to the main window's place at creation,
// so their table defaults are only placeholders for callers that pass one.
constexpr std::array<TSetting, 9> SettingsTable{{
    {TSettingKey::Tongue, "tongue", TSettingKind::Integer, lgUnset},
    {TSettingKey::Left, "left", TSettingKind::Integer, 100},
    {TSettingKey::Top, "top", TSettingKind::Integer, 50},
    {TSettingKey::Mode, "mode", TSettingKind::Integer, gmChallenge},
    {TSettingKey::Level, "level", TSettingKind::Integer, 1},
    {TSettingKey::Save, "save", TSettingKind::String, 0},
    {TSettingKey::Sound, "sound", TSettingKind::Boolean, 1},
    {TSettingKey::EditorLeft, "eleft", TSettingKind::Integer, 600},
    {TSettingKey::EditorTop, "etop", TSettingKind::Integer, 50},
}};

const TSetting& Checked(TSettingKey key, TSettingKind kind) {
  const TSetting& setting = SettingOf(key);
  if (setting.Kind != kind) throw std::logic_error(std::string("wrong kind for ") + setting.Name);
  return setting;
}

// The title bar must show this much on some screen for the window to be reachable.
constexpr int ReachableWidth = 60;
constexpr int ReachableHeight = 20;

// In 64 bits: a hand-edited place may lie anywhere in the 32-bit range.
bool TitleBarReachable(TPlace place, int width, const TRect& screen) {
  using Wide = std::int64_t;
  const Wide left = std::max<Wide>(place.Left, screen.Left);
  const Wide right = std::min(Wide{place.Left} + width, Wide{screen.Left} + screen.Width);
  return right - left >= std::min(ReachableWidth, width) && place.Top >= screen.Top &&
         Wide{place.Top} + ReachableHeight <= Wide{screen.Top} + screen.Height;
}

}  // namespace

const TSetting& SettingOf(TSettingKey key) {
  return SettingsTable.at(static_cast<std::size_t>(key));
}

std::string SettingsDir() { return XdgDir("XDG_CONFIG_HOME", ".config"); }

std::int32_t TSettings::ReadInteger(TSettingKey key) const {
  return ReadInteger(key, Checked(key, TSettingKind::Integer).Default);
}

std::int32_t TSettings::ReadInteger(TSettingKey key, std::int32_t fallback) const {
  return ReadProfileInteger(path_, SettingsSection, Checked(key, TSettingKind::Integer).Name,
                            fallback);
}

bool TSettings::ReadBoolean(TSettingKey key) const {
  const TSetting& setting = Checked(key, TSettingKind::Boolean);
  return ReadProfileInteger(path_, SettingsSection, setting.Name, setting.Default) != 0;
}

std::string TSettings::ReadString(TSettingKey key) const {
  return ReadProfileString(path_, SettingsSection, Checked(key, TSettingKind::String).Name, "");
}

bool TSettings::WriteInteger(TSettingKey key, std::int32_t value) const {
  return WriteProfileString(path_, SettingsSection, Checked(key, TSettingKind::Integer).Name,
                            std::to_string(value));
}

bool TSettings::WriteBoolean(TSettingKey key, bool value) const {
  return WriteProfileString(path_, SettingsSection, Checked(key, TSettingKind::Boolean).Name,
                            value ? "1" : "0");
}

bool TSettings::WriteString(TSettingKey key, const std::string& value) const {
  return WriteProfileString(path_, SettingsSection, Checked(key, TSettingKind::String).Name, value);
}

TGameMode ModeInRange(std::int32_t mode) {
  return mode >= gmPractice && mode <= gmEditor
             ? static_cast<TGameMode>(mode)
             : static_cast<TGameMode>(SettingOf(TSettingKey::Mode).Default);
}

std::int32_t LevelInRange(std::int32_t level, std::int32_t levelCount) {
  return std::clamp(level, 1, std::max(levelCount, 1));
}

TPlace WindowPlaceOnScreen(TPlace wanted, int width, int height,
                           const std::vector<TRect>& screens) {
  if (screens.empty()) return wanted;
  for (const TRect& screen : screens)
    if (TitleBarReachable(wanted, width, screen)) return wanted;
  const TRect& first = screens.front();
  const TPlace fallback{SettingOf(TSettingKey::Left).Default, SettingOf(TSettingKey::Top).Default};
  // Keep the default place, but inside the first screen when that is small.
  return {std::clamp(first.Left + fallback.Left, first.Left,
                     std::max(first.Left, first.Left + first.Width - width)),
          std::clamp(first.Top + fallback.Top, first.Top,
                     std::max(first.Top, first.Top + first.Height - height))};
}
