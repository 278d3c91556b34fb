#include <QApplication>
#include <QFileInfo>

#include "control/Settings.h"
#include "platform/Paths.h"
#include "ui/Accessibility.h"
#include "ui/MainForm.h"

int main(int argc, char** argv) {
  // The window repaints a cell or a display at a time. Shared-memory images
  // gain nothing at that size, and their completion events would wake the
  // idle game twice at every tick of its clock.
  if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
  QApplication app(argc, argv);
  InstallAccessibility();
  // The palette and the help window may stay open: only the main window ends the game.
  QApplication::setQuitOnLastWindowClosed(false);
  // A level file named on the command line (as "Open with" passes it) is played.
  const QStringList arguments = QApplication::arguments();
  const std::string programDir = ProgramDir();
  TLevelFiles levelFiles{
      arguments.size() > 1 ? QFileInfo(arguments[1]).absoluteFilePath().toStdString() : "",
      OwnLevelFile(), InstalledProgramDir(programDir), KeptBoardFile()};
  TMainForm window(DataDir(programDir), SettingsDir() + SettingsFileName, std::move(levelFiles));
  window.show();
  return QApplication::exec();
}
