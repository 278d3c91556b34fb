#include <QApplication>

#include "MainForm.h"
#include "Paths.h"
#include "Settings.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The palette and the help window may stay open: only the main window ends the game.
  QApplication::setQuitOnLastWindowClosed(false);
  TMainForm window(ProgramDir(), SettingsDir() + SettingsFileName);
  window.show();
  return QApplication::exec();
}
