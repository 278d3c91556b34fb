#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "control/Game.h"

// The main window as a script: every question gets the next scripted answer
// (or agrees when none is left), and what was shown and asked is recorded.
class TFakeGameWindow : public TGameWindow, public TClock {
 public:
  TGame* Game = nullptr;
  std::vector<std::string> Events;
  std::map<TDialog, std::deque<TModalResult>> Answers;
  std::deque<TModalResult> MessageAnswers;
  std::deque<TSaveWindowAnswer> SaveAnswers;
  std::deque<TLoadWindowAnswer> LoadAnswers;
  std::deque<TFreshLevelAnswer> FreshAnswers;
  std::optional<TLanguage> LanguageChoice;
  // Runs while a dialog is open, as window events would (clock ticks, say).
  std::map<TDialog, std::function<void()>> WhileOpen;

  bool ClockOn = false, SoundIsOn = false, ArtworkLoads = true, Closed = false, Terminated = false;
  std::string Title;
  int GaugeProgress = 0, BarPosition = 0, BarMaximum = 0, FlowAnimations = 0;
  TDisplayDigits TimeDigits, LevelDigits;
  bool SolvedMark = false;
  std::optional<TCell> Cursor;
  std::optional<TWaterCount> WaterCount;
  std::string SolveLine;
  TRecordsTable Records;
  std::map<TControl, std::string> Hints;
  std::map<TControl, bool> Visible, Enabled;
  TPlace Place{0, 0};
  std::string SaveWindowFile, LoadWindowDirectory;
  std::int32_t Now = 0;

  void DrawBackdrop() override { Events.push_back("backdrop"); }
  void DrawCell(int, int) override {}
  void DrawRotationFrame(int, int, int, int) override {}
  void DrawFlowPhase(int phase) override { FlowAnimations += phase == 0; }
  void ShowCursor(std::optional<TCell> cell) override { Cursor = cell; }
  void DrawTimeDisplay(const TDisplayDigits& digits) override { TimeDigits = digits; }
  void DrawLevelDisplay(const TDisplayDigits& digits, bool solved) override {
    LevelDigits = digits;
    SolvedMark = solved;
  }
  void DrawWaterCount(std::optional<TWaterCount> count) override { WaterCount = count; }
  void ShowSolveLine(const std::string& line) override { SolveLine = line; }
  void SetTitle(const std::string& title) override { Title = title; }
  void SetGauge(int, int progress) override { GaugeProgress = progress; }
  void SetHint(TControl control, const std::string& hint) override { Hints[control] = hint; }
  void SetCaption(TControl, const std::string&) override {}
  void SetVisible(TControl control, bool visible) override { Visible[control] = visible; }
  void SetEnabled(TControl control, bool enabled) override { Enabled[control] = enabled; }
  void ShowLevelBar(int position, int maximum) override {
    BarPosition = position;
    BarMaximum = maximum;
  }
  bool SoundOn() const override { return SoundIsOn; }
  void SetSoundOn(bool on) override { SoundIsOn = on; }
  void SetClockOn(bool on) override { ClockOn = on; }
  TClock& Clock() override { return *this; }
  std::int32_t TickCount() override { return Now; }
  void Sleep(int ms) override { Now += ms; }
  TPlace WindowPlace() const override { return Place; }
  void MoveWindow(TPlace place) override { Place = place; }
  int WindowWidth() const override { return 506; }
  int WindowHeight() const override { return 395; }
  std::vector<TRect> Screens() const override { return {{0, 0, 1280, 1024}}; }
  bool LoadArtwork(const std::string&) override { return ArtworkLoads; }

  TModalResult ShowMessage(TMessageKind, const std::string& text) override {
    Events.push_back("message " + text);
    return Next(MessageAnswers, mrYes);
  }
  TModalResult ShowDialog(TDialog dialog) override {
    Events.push_back("dialog " + Name(dialog));
    ++openWindows_;
    if (WhileOpen.count(dialog)) WhileOpen[dialog]();
    --openWindows_;
    const bool yesNo = dialog == TDialog::GiveUpLevel || dialog == TDialog::EndGame;
    return Next(Answers[dialog], yesNo ? mrYes : mrOk);
  }
  bool ModalWindowOpen() const override { return openWindows_ > 0; }
  TModalResult ShowLanguageWindow(TLanguage& language) override {
    Events.push_back("language window");
    if (!LanguageChoice) return mrCancel;
    language = *LanguageChoice;
    return mrOk;
  }
  void PointSaveWindowAt(const std::string& file) override { SaveWindowFile = file; }
  TSaveWindowAnswer ShowSaveWindow(const std::string& proposed) override {
    Events.push_back("save window " + proposed);
    return Next(SaveAnswers, TSaveWindowAnswer{});
  }
  bool PointLoadWindowAt(const std::string& directory) override {
    if (!std::filesystem::is_directory(directory)) return false;
    LoadWindowDirectory = directory;
    return true;
  }
  TLoadWindowAnswer ShowLoadWindow() override {
    Events.push_back("load window");
    return Next(LoadAnswers, TLoadWindowAnswer{});
  }
  void ShowRecordsWindow(const TRecordsTable& table) override {
    Events.push_back("records window");
    Records = table;
  }
  TFreshLevelAnswer ShowFreshLevelWindow() override {
    Events.push_back("fresh level window");
    return Next(FreshAnswers, TFreshLevelAnswer{});
  }
  // As the real window: the close box's handler decides.
  void CloseMainWindow() override {
    Events.push_back("close");
    if (Game && Game->CloseRequested()) Closed = true;
  }
  void Terminate() override { Terminated = true; }

  // The events since the last call.
  std::vector<std::string> Take() { return std::exchange(Events, {}); }

  // Keyed by the dialog, so a new or moved one cannot take another's name.
  static std::string Name(TDialog dialog) {
    using enum TDialog;
    static const std::map<TDialog, std::string> names{
        {Splash, "Splash"},   {Solved, "Solved"},           {AllSolved, "AllSolved"},
        {TooSlow, "TooSlow"}, {GiveUpGame, "GiveUpGame"},   {GiveUpLevel, "GiveUpLevel"},
        {EndGame, "EndGame"}, {TakeChanges, "TakeChanges"}, {Info, "Info"}};
    return names.at(dialog);
  }

 private:
  int openWindows_ = 0;

  template <typename T>
  static T Next(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    T value = queue.front();
    queue.pop_front();
    return value;
  }
};

class TFakeSound : public TSoundPlayer {
 public:
  std::vector<std::string> Events;
  void Stop() override { Events.push_back("stop"); }
  void Play(const std::string& file) override { Events.push_back("play " + file); }
};

class TFakeHelp : public THelpViewer {
 public:
  std::vector<std::string> Events;
  void Quit() override { Events.push_back("quit"); }
  bool ShowTopic(const std::string& file, const std::string& topic) override {
    Events.push_back(file + " " + topic);
    return true;
  }
};
