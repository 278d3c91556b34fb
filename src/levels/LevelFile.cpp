#include "levels/LevelFile.h"

#include <algorithm>
#include <cstring>

#include "platform/FileIO.h"

std::vector<TLevelRec> DecodeLevelFile(std::span<const std::uint8_t> bytes,
                                       std::int32_t maxRecords) {
  std::vector<TLevelRec> records;
  do {
    const std::size_t take = std::min(bytes.size(), LevelRecSize);
    TLevelRec rec = EmptyLevelRec();
    if (take > 0) std::memcpy(&rec, bytes.data(), take);
    records.push_back(MakeValidLevelRec(rec));
    bytes = bytes.subspan(take);
  } while (!bytes.empty() && static_cast<std::int32_t>(records.size()) < maxRecords);
  return records;
}

std::vector<std::uint8_t> EncodeLevelFile(const TLevelList& levels) {
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(levels.LevelCount()) * LevelRecSize);
  for (std::int32_t n = 1; n <= levels.LevelCount(); ++n)
    std::memcpy(bytes.data() + static_cast<std::size_t>(n - 1) * LevelRecSize, &levels[n],
                LevelRecSize);
  return bytes;
}

std::optional<TLevelFileError> ReadLevelFile(TLevelCollection& levels, const std::string& path) {
  levels.Levels.Clear();
  const auto bytes =
      ReadFileHead(path, static_cast<std::size_t>(TLevelList::MaxLevels) * LevelRecSize);
  if (!bytes) return TLevelFileError{path};
  for (const TLevelRec& rec : DecodeLevelFile(*bytes)) levels.Levels.Append(rec);
  return std::nullopt;
}

bool WriteLevelFile(TLevelCollection& levels, const TBoard& board, TPlayState state,
                    const std::string& path) {
  if (state == psEditing) StoreBoardToLevel(board, levels.Levels[levels.CurrentLevel]);
  if (!WriteFileAtomically(path, EncodeLevelFile(levels.Levels))) return false;
  levels.LevelsChanged = false;
  return true;
}
