#include <QApplication>

#include "BoardView.h"
#include "Paths.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  TBoardView board;
  if (!board.ReadGameFiles(ProgramDir())) return 1;
  QObject::connect(&board, &TBoardView::LevelStarted, [&board](std::int32_t n, std::int32_t count) {
    board.setWindowTitle(QString("Gurgelix - %1/%2").arg(n).arg(count));
  });
  board.show();
  board.StartLevel(1);
  return QApplication::exec();
}
