#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/PlayState.h"

// Every key the game keeps in its settings file, section "Gurgelix".
enum class TSettingKey { Tongue, Left, Top, Mode, Level, Save, Sound, EditorLeft, EditorTop };
enum class TSettingKind { Integer, Boolean, String };

struct TSetting {
  TSettingKey Key;
  const char* Name;
  TSettingKind Kind;
  std::int32_t Default;  // integers and booleans (1 true, 0 false); strings default to empty
};

const TSetting& SettingOf(TSettingKey key);

inline constexpr const char* SettingsSection = "Gurgelix";
inline constexpr const char* SettingsFileName = "quillcase.ini";

// The settings directory: $XDG_CONFIG_HOME, else ~/.config; ends in '/'.
std::string SettingsDir();

// Reads and writes one key at a time; remembers nothing but the path.
class TSettings {
 public:
  explicit TSettings(std::string path) : path_(std::move(path)) {}
  const std::string& Path() const { return path_; }

  std::int32_t ReadInteger(TSettingKey key) const;
  // For keys whose default depends on the moment of reading.
  std::int32_t ReadInteger(TSettingKey key, std::int32_t fallback) const;
  bool ReadBoolean(TSettingKey key) const;
  std::string ReadString(TSettingKey key) const;

  // False when the file could not be written; it is then as it was.
  bool WriteInteger(TSettingKey key, std::int32_t value) const;
  bool WriteBoolean(TSettingKey key, bool value) const;
  bool WriteString(TSettingKey key, const std::string& value) const;

 private:
  std::string path_;
};

// Values from a hand-edited file are brought into range before use.
TGameMode ModeInRange(std::int32_t mode);
std::int32_t LevelInRange(std::int32_t level, std::int32_t levelCount);

struct TRect {
  int Left, Top, Width, Height;
};

// The remembered window place, or the default place when the window's title
// bar would not be reachable on any screen; always at least on the first one.
struct TPlace {
  int Left, Top;
  friend bool operator==(TPlace, TPlace) = default;
};
TPlace WindowPlaceOnScreen(TPlace wanted, int width, int height, const std::vector<TRect>& screens);
