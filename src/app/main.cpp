#include <QApplication>
#include <QFileInfo>

#include "control/Settings.h"
#include "platform/Paths.h"
#include "ui/Accessibility.h"
#include "ui/MainForm.h"

namespace {

// "--code CODE" starts with that random level; another argument names the
// level file (as "Open with" passes it).
TLevelFiles LevelFilesFrom(const QStringList& arguments, const std::string& programDir) {
  TLevelFiles files{"", OwnLevelFile(), InstalledProgramDir(programDir), KeptBoardFile(),
                    "", RecordsFile()};
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == "--code" && i + 1 < arguments.size())
      files.Code = arguments[++i].toStdString();
    else if (files.Argument.empty())
      files.Argument = QFileInfo(arguments[i]).absoluteFilePath().toStdString();
  }
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  // The window repaints a cell or a display at a time. Shared-memory images
  // gain nothing at that size, and their completion events would wake the
  // idle game twice at every tick of its clock.
  if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
  QApplication app(argc, argv);
  InstallAccessibility();
  // The palette and the help window may stay open: only the main window ends the game.
  QApplication::setQuitOnLastWindowClosed(false);
  const std::string programDir = ProgramDir();
  TMainForm window(DataDir(programDir), SettingsDir() + SettingsFileName,
                   LevelFilesFrom(QApplication::arguments(), programDir));
  window.show();
  return QApplication::exec();
}
