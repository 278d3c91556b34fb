#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The first maxBytes bytes of a regular file; nothing for a missing or
// unreadable file, a directory, a pipe or a device (which could block or never end).
std::optional<std::vector<std::uint8_t>> ReadFileHead(const std::string& path,
                                                      std::size_t maxBytes);

// Writes a temporary file beside the target, flushes it to disk and renames
// it over the target, so the target is either wholly old or wholly new. An
// existing target keeps its permissions; a symbolic link is followed. On any
// failure the target is untouched, the temporary file removed, and false returned.
// Temporary files of this target that a killed writer left behind are removed.
// A name holding '*' or '?' is never created: every search would take it for a pattern.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

// Renames a file the program cannot use to a free name beside it
// ("NAME.damaged", "NAME.damaged-2", ...), so that it is kept, never
// overwritten; the new name, or nothing when it could not be moved.
std::optional<std::string> MoveAside(const std::string& path);

// Creates the folders the file would lie in; true when they exist.
bool CreateParentDirectories(const std::string& path);
