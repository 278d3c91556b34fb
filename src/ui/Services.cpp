#include "ui/Services.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QLoggingCategory>
#include <QTextBrowser>

#include "ui/SoundModule.h"

namespace {
// Says which cue plays, for a desktop without sound: QT_LOGGING_RULES="gurgelix.sound.debug=true".
Q_LOGGING_CATEGORY(lcSound, "gurgelix.sound", QtWarningMsg)
}  // namespace

TQtSoundPlayer::TQtSoundPlayer() = default;
TQtSoundPlayer::~TQtSoundPlayer() = default;

void TQtSoundPlayer::Stop() {
  if (player_) player_->Stop();
}

void TQtSoundPlayer::Play(const std::string& waveFile) {
  const QString path = QString::fromStdString(waveFile);
  qCDebug(lcSound) << "play" << QFileInfo(path).fileName();
  // A missing cue gives the default sound, as the desktop's sound call would.
  if (!QFileInfo(path).isFile()) {
    QApplication::beep();
    return;
  }
  if (!std::exchange(loaded_, true)) {
    // Beside the program when installed (the cues lie with the data), else
    // beside the cues, as in the build's game folder.
    QLibrary module(QCoreApplication::applicationDirPath() + "/" + SoundModuleName);
    if (!module.load()) module.setFileName(QFileInfo(path).absolutePath() + "/" + SoundModuleName);
    const auto make = reinterpret_cast<TSoundModuleFactory>(module.resolve(SoundModuleFactory));
    if (make)
      player_.reset(make());
    else
      qCWarning(lcSound) << "no sound:" << module.errorString();
  }
  if (player_) player_->Play(waveFile);
}

TQtHelpViewer::TQtHelpViewer() = default;
TQtHelpViewer::~TQtHelpViewer() = default;

void TQtHelpViewer::Quit() {
  if (browser_) browser_->hide();
}

bool TQtHelpViewer::ShowTopic(const std::string& helpFile, const std::string& topic) {
  const QString path = QString::fromStdString(helpFile);
  if (!QFileInfo(path).isFile()) return false;
  QUrl url = QUrl::fromLocalFile(path);
  url.setFragment(QString::fromStdString(topic));
  if (!browser_) {
    browser_ = std::make_unique<QTextBrowser>();
    browser_->setOpenLinks(true);
    browser_->setWindowTitle("Gurgelix");
    browser_->resize(640, 560);
  }
  browser_->setSearchPaths({QFileInfo(path).absolutePath()});
  browser_->setSource(url, QTextDocument::HtmlResource);
  browser_->show();
  browser_->raise();
  return true;
}
