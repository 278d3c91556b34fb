#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The pieces of the game's own small text files: strict to read, so that a
// damaged file is never taken for a valid one.

// Lower-case hex of the given number of digits.
std::string Hex(std::uint64_t value, int digits);
// Only the digits Hex writes, at most 16; nothing for anything else or an empty text.
std::optional<std::uint64_t> ParseHex(std::string_view text);
// A whole decimal number within the bounds, nothing else.
std::optional<std::int32_t> ParseNumber(std::string_view text, std::int32_t low, std::int32_t high);

// The same into a number, for parsing field after field; false, with the
// number untouched, for anything else.
bool ReadNumber(std::string_view text, std::int32_t low, std::int32_t high, std::int32_t& into);

// The next line, taken off the text; nothing when its line break is missing.
std::optional<std::string_view> TakeLine(std::string_view& text);
// The value of the next line when that line is "key value".
std::optional<std::string_view> TakeValue(std::string_view& text, std::string_view key);

// 64-bit FNV-1a over the bytes.
std::uint64_t Fnv1a(std::span<const std::uint8_t> bytes);

// The text of a file of at most the given size; nothing when it cannot be read.
std::optional<std::string> ReadTextFile(const std::string& path, std::size_t limit);
// Atomic, creating the folders it lies in; false, with any old file untouched, on failure.
bool WriteTextFile(const std::string& path, std::string_view text);
