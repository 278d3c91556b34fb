#pragma once

#include <QSoundEffect>
#include <QTextBrowser>

#include "GameWindow.h"

// Sound cues through the desktop's sound service; without one they are silent.
class TQtSoundPlayer : public TSoundPlayer {
 public:
  void Stop() override { effect_.stop(); }
  void Play(const std::string& waveFile) override;

 private:
  QSoundEffect effect_;
};

// The help window: the HTML of a help file, opened at a topic's anchor.
class TQtHelpViewer : public THelpViewer {
 public:
  void Quit() override { browser_.hide(); }
  bool ShowTopic(const std::string& helpFile, const std::string& topic) override;

 private:
  QTextBrowser browser_;
};
