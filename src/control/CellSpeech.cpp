#include "control/CellSpeech.h"

#include <array>
#include <vector>

namespace {

struct TWords {
  const char* Column;
  const char* Row;
  std::array<const char*, 8> Kinds;  // by kind; 0, 6 and 7 have no openings
  const char* Empty;
  const char* Open;
  std::array<const char*, DirectionCount> Directions;
  const char* And;
  const char* Water;
  const char* Dry;
  const char* Locked;
  const char* Board;
};

constexpr TWords German{"Spalte",
                        "Zeile",
                        {"geschlossenes Stück", "Endstück", "Bogen", "Gerade", "T-Stück", "Kreuz",
                         "geschlossenes Stück", "geschlossenes Stück"},
                        "leer",
                        "offen nach",
                        {"rechts", "oben", "links", "unten"},
                        "und",
                        "Wasser",
                        "trocken",
                        "gesperrt",
                        "Spielfeld"};
constexpr TWords English{
    "Column",
    "row",
    {"closed piece", "end", "elbow", "straight", "tee", "cross", "closed piece", "closed piece"},
    "empty",
    "open",
    {"right", "up", "left", "down"},
    "and",
    "water",
    "dry",
    "locked",
    "Board"};

const TWords& WordsOf(TLanguage language) { return language == lgGerman ? German : English; }

// "right", "right and down", "right, up and left".
std::string Listed(const std::vector<const char*>& words, const char* conjunction) {
  std::string text;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0) text += i + 1 == words.size() ? std::string(" ") + conjunction + " " : ", ";
    text += words[i];
  }
  return text;
}

}  // namespace

std::string CellSpeech(const TBoard& board, TCell cell, TLanguage language) {
  const TWords& words = WordsOf(language);
  std::string text = std::string(words.Column) + " " + std::to_string(cell.Col) + ", " + words.Row +
                     " " + std::to_string(cell.Row) + ": ";
  const TTileCode tile = board.Tile(cell);
  if (tile == 0) return text + words.Empty;
  std::vector<const char*> openings;
  for (int d = 0; d < DirectionCount; ++d)
    if (IsOpen(tile, d)) openings.push_back(words.Directions[static_cast<std::size_t>(d)]);
  text += words.Kinds[static_cast<std::size_t>(KindOf(tile))];
  if (!openings.empty()) text += std::string(", ") + words.Open + " " + Listed(openings, words.And);
  text += std::string(", ") + (board.Shown(cell) ? words.Water : words.Dry);
  return board.Locked(cell) ? text + ", " + words.Locked : text;
}

std::string BoardSpeechName(TLanguage language) { return WordsOf(language).Board; }
