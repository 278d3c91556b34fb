#include "control/Texts.h"

#include <array>
#include <cstddef>

namespace {

struct TTextEntry {
  TText Id;
  const char* German;
  const char* English;
};

constexpr std::array<TTextEntry, static_cast<std::size_t>(TText::Count_)> TextTable{{
    {TText::LevelFileNotFound, "Datei %1 konnte nicht gefunden werden. Programm wird abgebrochen.",
     "Can't find file %1. Program aborted."},
    {TText::LevelFileNotCreatable, "Datei GURX.DAT kann nicht angelegt werden.",
     "Cannot create GURX.DAT."},
    {TText::ArtworkNotLoaded, "Zuwenig Speicher! Programm wird beendet.",
     "Not enough memory! Program aborted."},
    {TText::GameNotLoaded, "Fehler beim Laden des Spiels %1!",
     "Error occured while loading file %1!"},
    {TText::GameExists, "Spiel %1 existiert bereits. Überschreiben?",
     "Game %1 already existing. Overwrite?"},
    {TText::GameNotSaved,
     "Kann Spiel %1 nicht speichern. Datenträger voll oder nicht beschreibbar.",
     "Cannot save game %1. Drive full or not writable."},
    {TText::LevelsChanged, "Stufen wurden verändert. Speichern?", " Levels changed. Save?"},
    {TText::Solved, "Hurra, geschafft!", "Hurrah, you did it!"},
    {TText::AllSolved, "Gratulation, Du hast alle Stufen gelöst.",
     "Congratulation, you solved all levels."},
    {TText::TooSlow, "Du warst leider zu langsam!", "Sorry, you weren't quick enough!"},
    {TText::GiveUpGame, "Willst Du das Spiel wirklich aufgeben?",
     "Do you really want to give up the game?"},
    {TText::GiveUpLevel, "Willst Du die Stufe wirklich aufgeben?",
     "Do you really want to give up the level?"},
    {TText::EndGame, "Willst Du wirklich schon aufhören?", "Do you really want to exit?"},
    {TText::TakeChanges, "Änderungen übernehmen?", "Accept modifications?"},
    {TText::Yes, "Ja", "Yes"},
    {TText::No, "Nein", "No"},
    {TText::InfoCaption, "Tessmark - Info über ...", "Tessmark - Info about ..."},
    {TText::LanguageButton, "Sprache", "language"},
    {TText::LoadCaption, "Spiel laden", "Load game"},
    {TText::SaveCaption, "Spiel speichern als ...", "Save game as ..."},
    {TText::FilesLabel, "Dateien:", "Files:"},
    {TText::DirectoriesLabel, "Verzeichnisse:", "Directories:"},
    {TText::DrivesLabel, "Laufwerke:", "Drives:"},
    {TText::FileNameLabel, "Dateiname:", "Filename:"},
    {TText::NewDirectoryLabel, "Neues Verzeichnis:", "New directory:"},
    {TText::NewDirectoryHint, "Neues Verzeichnis anlegen", "Create new directory"},
    {TText::EscapeButton, "Abbruch", "Escape"},
    {TText::LevelHint, "Stufe %1: %2", "Level %1: %2"},
    {TText::LevelSolvedWord, "gelöst", "solved"},
    {TText::LevelUnsolvedWord, "ungelöst", "unsolved"},
    {TText::GaugeHint, "%1 von %2 Stufen gelöst", "%1 of %2 levels solved"},
    {TText::TitleGame, " - Spiel %1", " - Game %1"},
    {TText::TitlePractice, " - Üben", " - Practice mode"},
    {TText::TitleChallenge, " - Wettkampf", " - Challenge mode"},
    {TText::TitleEditor, " - Editor", " - Editor"},
    {TText::LoadHint, "Ich hol mir einen alten Spielstand.", "I want to continue an old game."},
    {TText::SaveHint, "Einmal zu oft gesichert ist besser als einmal zuwenig",
     "Save often, save always."},
    {TText::OptionHint, "Spielmodus", "Game mode"},
    {TText::NewGameHint, "Ich fang ein neues Spiel an.", "I want to play a new game."},
    {TText::RestartHint, "Ich probier's nochmal.", "I try it again."},
    {TText::SoundHint, "Die Geräusche mag ich nicht immer.", "I dont like the sound always."},
    {TText::RulesHint, "Worum geht's da eigentlich?", "What's to do here?"},
    {TText::PauseHint, "Ich brauch eine kurze Pause.", "I need a break."},
    {TText::ExitHint, "Ich hab genug!", "I have enough!"},
    {TText::MixHint, "Mischen", "Mix"},
    {TText::DeleteHint, "Stufe entfernen", "Delete level"},
    {TText::InsertHint, "Neue Stufe einfügen", "Insert new level"},
    {TText::InfoHint, "Wer hat diese Spiele nur verbrochen?", "Who did these NIMBLEPLAY?"},
    {TText::NimbleplayHint, "Hurra, es gibt noch mehr Nimbleplay.",
     "Hurrah, there are more NIMBLEPLAY."},
    {TText::PauseText, "Spiel angehalten! Linke Maustaste zum weitermachen.",
     "Game paused! Press left mouse button to continue."},
    {TText::UpHint, "nächsthöhere ungelöste Stufe", "Next unsolved level"},
    {TText::DownHint, "nächstniedere ungelöste Stufe", "Previous unsolved level"},
    {TText::LevelBarHint, "Stufe wählen", "Select level"},
    {TText::UndoHint, "Rückgängig", "Undo"},
    {TText::RedoHint, "Wiederholen", "Redo"},
    {TText::WaterCountHint, "Wasser: %1 von %2 Feldern", "Water: %1 of %2 tiles"},
    {TText::FreshLevelHint, "Neue Stufe", "New level"},
    {TText::RandomLevelHint, "Zufallsstufe %1", "Random level %1"},
    {TText::CodeNotKnown, "„%1“ ist kein Stufen-Code. Ein Code sieht so aus: M-7F3KQ2D9",
     "\"%1\" is not a level code. A code looks like this: M-7F3KQ2D9"},
    {TText::FreshSmall, "Klein: 15 bis 30 Felder", "Small: 15 to 30 tiles"},
    {TText::FreshMedium, "Mittel: 35 bis 55 Felder", "Medium: 35 to 55 tiles"},
    {TText::FreshLarge, "Groß: 60 bis 80 Felder", "Large: 60 to 80 tiles"},
    {TText::FreshDaily, "Stufe des Tages", "Today's level"},
    {TText::FreshCodeCaption, "Code:", "Code:"},
    {TText::FreshPlay, "Spielen", "Play"},
    {TText::FreshCancel, "Abbrechen", "Cancel"},
    {TText::RecordsDamaged,
     "Die Rekorde in %1 waren beschädigt und liegen jetzt in %2. Es geht mit leeren Rekorden "
     "weiter.",
     "The records in %1 were damaged and are kept as %2. The game goes on with empty records."},
    {TText::RecordsNotWritten,
     "Die Rekorde konnten nicht in %1 geschrieben werden. Das Spiel behält sie und versucht es "
     "beim nächsten Lösen wieder.",
     "The records could not be written to %1. The game keeps them and tries again at the next "
     "solve."},
    {TText::RecordsUnreadable,
     "Die Rekorde in %1 konnten nicht gelesen werden und bleiben, wie sie sind. Die Rekorde "
     "dieses Spiels werden nicht gespeichert.",
     "The records in %1 could not be read and are left as they are. The records of this game are "
     "not saved."},
    {TText::SolveLine, "Gelöst! Züge: %1 · Zeit: %2 s", "Solved! Presses: %1 · time: %2 s"},
    {TText::SolvePar, "Par %1", "par %1"},
    {TText::SolveBeatsPar, "kürzer als der Löser!", "shorter than the solver's!"},
    {TText::SolveFirst, "zum ersten Mal", "for the first time"},
    {TText::SolveRecord, "neuer Rekord!", "a new record!"},
    {TText::SolveHinted, "mit Tipps", "with hints"},
    {TText::RecordsHint, "Rekorde", "Records"},
    {TText::RecordsStreak, "Tage in Folge mit gelöster Stufe des Tages: %1",
     "Days in a row with today's level solved: %1"},
    {TText::RecordsNone, "Noch keine Stufe gelöst.", "No level solved yet."},
    {TText::RecordsLevel, "Stufe", "Level"},
    {TText::RecordsPresses, "Wenigste Züge", "Fewest presses"},
    {TText::RecordsPar, "Par", "Par"},
    {TText::RecordsTime, "Beste Zeit", "Best time"},
    {TText::RecordsSolves, "Gelöst", "Solved"},
    {TText::RecordsLast, "Zuletzt", "Last solved"},
    {TText::RecordsWithHints, "%1 mit Tipps", "%1 with hints"},
    {TText::TimeCaption, "Zeit:", "Time:"},
    {TText::LevelCaption, "Stufe:", "Level:"},
}};

constexpr bool TableInOrder() {
  for (std::size_t i = 0; i < TextTable.size(); ++i)
    if (static_cast<std::size_t>(TextTable[i].Id) != i) return false;
  return true;
}
static_assert(TableInOrder(), "every text stands at the place of its id");

// One pass, so a file name holding "%2" stays as it is.
std::string Fill(const std::string& pattern, const std::string& first, const std::string& second) {
  std::string result;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() &&
        (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
      result += pattern[++i] == '1' ? first : second;
    } else {
      result += pattern[i];
    }
  }
  return result;
}

}  // namespace

std::string TextOf(TText text, TLanguage language) {
  const TTextEntry& entry = TextTable.at(static_cast<std::size_t>(text));
  return language == lgGerman ? entry.German : entry.English;
}

std::string TextOf(TText text, TLanguage language, const std::string& first,
                   const std::string& second) {
  return Fill(TextOf(text, language), first, second);
}
