// Draws the game's window offscreen, as a player sees it once a saved game
// has started its level, into a PNG: the build makes the screenshot that
// the package installs with it.
// usage: gurx-screenshot GAMEDIR OUT.png
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "ui/MainForm.h"

namespace {

// A game halfway through: the first levels solved with time to spare.
void WriteSavedGame(const QString& path) {
  constexpr qsizetype EntrySize = 4;
  QByteArray results(200 * EntrySize, '\0');
  for (qsizetype level = 0; level < 70; ++level)
    results[level * EntrySize] = static_cast<char>(5 + level % 40);
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(results);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fputs("usage: gurx-screenshot GAMEDIR OUT.png\n", stderr);
    return 2;
  }
  QTemporaryDir scratch;
  WriteSavedGame(scratch.filePath("sunday.gxs"));
  QFile settings(scratch.filePath("quillcase.ini"));
  if (!settings.open(QIODevice::WriteOnly)) return 1;
  settings.write("[Gurgelix]\ntongue=0\nmode=1\nlevel=71\nsound=1\nsave=" +
                 scratch.filePath("sunday.gxs").toUtf8() + "\n");
  settings.close();

  TMainForm window(std::string(argv[1]) + "/", settings.fileName().toStdString());
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();  // the splash
    if (window.Game().Life() != TLifeCycle::Running) return;
    poll.stop();
    const bool saved = window.grab().save(QString::fromLocal8Bit(argv[2]));
    QApplication::exit(saved ? 0 : 1);
  });
  poll.start(20);
  window.show();
  return QApplication::exec();
}
