#include "Texts.h"

#include <array>
#include <cstddef>

namespace {

struct TTextPair {
  const char* German;
  const char* English;
};

constexpr std::array<TTextPair, 3> TextTable{{
    {"Datei GURX.DAT konnte nicht gefunden werden. Programm wird abgebrochen.",
     "Can't find file GURX.DAT. Program aborted."},
    {"Datei GURX.DAT kann nicht angelegt werden.", "Cannot create GURX.DAT."},
    {"Hurra, geschafft!", "Hurrah, you did it!"},
}};

}  // namespace

std::string TextOf(TText text, TLanguage language) {
  const TTextPair& pair = TextTable.at(static_cast<std::size_t>(text));
  return language == lgGerman ? pair.German : pair.English;
}
