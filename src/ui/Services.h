#pragma once

#include <memory>

#include "control/GameWindow.h"

class QTextBrowser;

// Sound cues through the desktop's sound service; without one they are
// silent. The player is loaded from the sound module beside the cues at the
// first cue, so the sound libraries stay out of the start-up.
class TQtSoundPlayer : public TSoundPlayer {
 public:
  TQtSoundPlayer();
  ~TQtSoundPlayer() override;
  void Stop() override;
  void Play(const std::string& waveFile) override;

 private:
  std::unique_ptr<TSoundPlayer> player_;
  bool loaded_ = false;  // tried, whether or not the module was there
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
