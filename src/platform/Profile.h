#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Settings files of sections ("[name]" lines) and keys ("key=value" lines),
// read and written one key at a time. Section and key names match without
// regard to case; the first matching section and key count. Spaces around
// names and values are ignored; lines outside a section, without '=' or
// starting with ';' hold no key.

inline constexpr std::size_t ProfileStringLimit = 1023;

// The value of the key, or nothing when the section or key is missing.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

// The text with the key set: its line replaced, or added at the end of its
// section, or a new section added at the end. Every other line stays byte for byte.
std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value);

// Decimal, or hexadecimal when longer than two characters and starting with
// 0x or 0X; anything that does not parse or fit in 32 bits gives nothing.
std::optional<std::int32_t> ParseProfileInteger(std::string_view text);

// A missing or unreadable file, section or key gives the default. Strings
// are cut to ProfileStringLimit characters.
std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view fallback);
std::int32_t ReadProfileInteger(const std::string& path, std::string_view section,
                                std::string_view key, std::int32_t fallback);

// Rewrites the file atomically, creating it and its directory when missing.
// False, with the file untouched, when it cannot be written or the value
// holds a line break (which would forge other keys).
bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);
