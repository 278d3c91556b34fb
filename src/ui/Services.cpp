#include "Services.h"

#include <QApplication>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSoundEffect>
#include <QTextBrowser>

namespace {
// Says which cue plays, for a desktop without sound: QT_LOGGING_RULES="gurgelix.sound.debug=true".
Q_LOGGING_CATEGORY(lcSound, "gurgelix.sound", QtWarningMsg)
}  // namespace

TQtSoundPlayer::TQtSoundPlayer() = default;
TQtSoundPlayer::~TQtSoundPlayer() = default;

void TQtSoundPlayer::Stop() {
  if (effect_) effect_->stop();
}

void TQtSoundPlayer::Play(const std::string& waveFile) {
  const QString path = QString::fromStdString(waveFile);
  qCDebug(lcSound) << "play" << QFileInfo(path).fileName();
  // A missing cue gives the default sound, as the desktop's sound call would.
  if (!QFileInfo(path).isFile()) {
    QApplication::beep();
    return;
  }
  if (!effect_) effect_ = std::make_unique<QSoundEffect>();
  effect_->setSource(QUrl::fromLocalFile(path));
  effect_->play();
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
