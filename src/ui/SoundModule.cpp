// The sound module: one effect, stopped at every cue, playing without waiting.
#include <QSoundEffect>
#include <QUrl>

#include "ui/SoundModule.h"

namespace {

class TEffectPlayer : public TSoundPlayer {
 public:
  void Stop() override { effect_.stop(); }
  void Play(const std::string& waveFile) override {
    effect_.setSource(QUrl::fromLocalFile(QString::fromStdString(waveFile)));
    effect_.play();
  }

 private:
  QSoundEffect effect_;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) TSoundPlayer* gurx_make_sound_player() {
  return new TEffectPlayer;
}
