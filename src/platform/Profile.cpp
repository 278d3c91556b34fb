#include "platform/Profile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <vector>

#include "platform/FileIO.h"

namespace {

// Larger files are not settings files; they are read in part and never rewritten.
constexpr std::size_t ProfileFileLimit = 16u << 20;

std::string_view Trim(std::string_view text) {
  const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  return text;
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// One line of the file, without its line end.
struct TLine {
  std::size_t Begin;  // offset of the line in the text
  std::size_t End;    // offset just past its line break, or the text's end
  std::string_view Content;
};

std::vector<TLine> SplitLines(std::string_view text) {
  std::vector<TLine> lines;
  for (std::size_t begin = 0; begin < text.size();) {
    const std::size_t newline = text.find('\n', begin);
    const std::size_t end = newline == std::string_view::npos ? text.size() : newline + 1;
    lines.push_back(
        {begin, end,
         text.substr(begin, (newline == std::string_view::npos ? end : newline) - begin)});
    begin = end;
  }
  return lines;
}

std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.size() < 2 || line.front() != '[') return std::nullopt;
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

struct TKeyLine {
  std::string_view Key;
  std::string_view Value;
};

std::optional<TKeyLine> KeyLine(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
  const std::size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return TKeyLine{Trim(trimmed.substr(0, equals)), Trim(trimmed.substr(equals + 1))};
}

// Where a key stands in the first matching section.
struct TKeyPlace {
  std::optional<std::size_t> SectionLine;  // the "[section]" line
  std::optional<std::size_t> KeyLine;      // the key's line
  std::size_t LastContentLine = 0;         // last non-blank line of the section
};

TKeyPlace FindKey(const std::vector<TLine>& lines, std::string_view section, std::string_view key) {
  TKeyPlace place;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (const auto name = SectionName(lines[i].Content)) {
      if (place.SectionLine) break;  // the first matching section has ended
      if (SameName(*name, section)) place.SectionLine = place.LastContentLine = i;
      continue;
    }
    if (!place.SectionLine) continue;
    if (!Trim(lines[i].Content).empty()) place.LastContentLine = i;
    const auto entry = KeyLine(lines[i].Content);
    if (entry && SameName(entry->Key, key)) {
      place.KeyLine = i;
      break;
    }
  }
  return place;
}

std::string LineBreakOf(std::string_view text) {
  const std::size_t newline = text.find('\n');
  return newline != std::string_view::npos && newline > 0 && text[newline - 1] == '\r' ? "\r\n"
                                                                                       : "\n";
}

std::optional<std::string> ReadProfileText(const std::string& path) {
  const auto bytes = ReadFileHead(path, ProfileFileLimit + 1);
  if (!bytes) return std::nullopt;
  return std::string(bytes->begin(), bytes->end());
}

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
  const auto lines = SplitLines(text);
  const TKeyPlace place = FindKey(lines, section, key);
  if (!place.KeyLine) return std::nullopt;
  return std::string(KeyLine(lines[*place.KeyLine].Content)->Value);
}

std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value) {
  const auto lines = SplitLines(text);
  const TKeyPlace place = FindKey(lines, section, key);
  const std::string br = LineBreakOf(text);
  const std::string keyLine = std::string(key) + "=" + std::string(value);

  std::string result(text);
  if (place.KeyLine) {
    // The old line keeps its own line break.
    const TLine& line = lines[*place.KeyLine];
    const std::size_t carriageReturn = line.Content.ends_with('\r') ? 1 : 0;
    result.replace(line.Begin, line.Content.size() - carriageReturn, keyLine);
    return result;
  }
  if (place.SectionLine) {
    const TLine& last = lines[place.LastContentLine];
    const bool broken = last.End > last.Begin + last.Content.size();
    result.insert(last.End, (broken ? "" : br) + keyLine + br);
    return result;
  }
  if (!result.empty() && !result.ends_with('\n')) result += br;
  result += "[" + std::string(section) + "]" + br + keyLine + br;
  return result;
}

std::optional<std::int32_t> ParseProfileInteger(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  } else if (text.starts_with('+')) {
    text.remove_prefix(1);
    if (text.starts_with('-')) return std::nullopt;
  }
  if (base == 16 && text.starts_with('-')) return std::nullopt;
  std::int32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, base);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view fallback) {
  const auto text = ReadProfileText(path);
  const auto value = text ? FindProfileValue(*text, section, key) : std::nullopt;
  std::string result(value ? *value : fallback);
  if (result.size() > ProfileStringLimit) result.resize(ProfileStringLimit);
  return result;
}

std::int32_t ReadProfileInteger(const std::string& path, std::string_view section,
                                std::string_view key, std::int32_t fallback) {
  const auto text = ReadProfileText(path);
  const auto value = text ? FindProfileValue(*text, section, key) : std::nullopt;
  const auto number = value ? ParseProfileInteger(*value) : std::nullopt;
  return number.value_or(fallback);
}

bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
  if (value.find_first_of("\r\n") != std::string_view::npos) return false;
  std::error_code error;
  const auto dir = std::filesystem::path(path).parent_path();
  std::string text;
  if (std::filesystem::exists(path, error)) {
    const auto old = ReadProfileText(path);
    if (!old || old->size() > ProfileFileLimit) return false;
    text = *old;
  } else if (!dir.empty()) {
    std::filesystem::create_directories(dir, error);
  }
  const std::string updated = SetProfileValue(text, section, key, value);
  return WriteFileAtomically(
      path, {reinterpret_cast<const std::uint8_t*>(updated.data()), updated.size()});
}
