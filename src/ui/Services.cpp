#include "Services.h"

#include <QApplication>
#include <QFileInfo>
#include <QLoggingCategory>

namespace {
// Says which cue plays, for a desktop without sound: QT_LOGGING_RULES="gurgelix.sound.debug=true".
Q_LOGGING_CATEGORY(lcSound, "gurgelix.sound", QtWarningMsg)
}  // namespace

void TQtSoundPlayer::Play(const std::string& waveFile) {
  const QString path = QString::fromStdString(waveFile);
  qCDebug(lcSound) << "play" << QFileInfo(path).fileName();
  // A missing cue gives the default sound, as the desktop's sound call would.
  if (!QFileInfo(path).isFile()) {
    QApplication::beep();
    return;
  }
  effect_.setSource(QUrl::fromLocalFile(path));
  effect_.play();
}

bool TQtHelpViewer::ShowTopic(const std::string& helpFile, const std::string& topic) {
  const QString path = QString::fromStdString(helpFile);
  if (!QFileInfo(path).isFile()) return false;
  QUrl url = QUrl::fromLocalFile(path);
  url.setFragment(QString::fromStdString(topic));
  browser_.setOpenLinks(true);
  browser_.setSearchPaths({QFileInfo(path).absolutePath()});
  browser_.setSource(url, QTextDocument::HtmlResource);
  browser_.setWindowTitle("Gurgelix");
  browser_.resize(640, 560);
  browser_.show();
  browser_.raise();
  return true;
}
