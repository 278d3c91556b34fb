#pragma once

#include <memory>

#include "GameWindow.h"

class QSoundEffect;
class QTextBrowser;

// Sound cues through the desktop's sound service; without one they are
// silent. The sound device is opened at the first cue, not at start-up.
class TQtSoundPlayer : public TSoundPlayer {
 public:
  TQtSoundPlayer();
  ~TQtSoundPlayer() override;
  void Stop() override;
  void Play(const std::string& waveFile) override;

 private:
  std::unique_ptr<QSoundEffect> effect_;
};

// The help window: the HTML of a help file, opened at a topic's anchor. It
// is made when help is first asked for.
class TQtHelpViewer : public THelpViewer {
 public:
  TQtHelpViewer();
  ~TQtHelpViewer() override;
  void Quit() override;
  bool ShowTopic(const std::string& helpFile, const std::string& topic) override;

 private:
  std::unique_ptr<QTextBrowser> browser_;
};
