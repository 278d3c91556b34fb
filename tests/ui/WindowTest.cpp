#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QPushButton>
#include <QTimer>

#include "Dialogs.h"
#include "FileWindows.h"
#include "MainForm.h"
#include "support/TempDir.h"

namespace {

// Runs once a modal window is up, handing it to the action.
void WhenModal(std::function<void(QWidget*)> action) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, action] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      poll->stop();
      poll->deleteLater();
      action(modal);
    }
  });
  poll->start(5);
}

void PressKey(QWidget* widget, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
}

TMessageWindow::TLayout Question() {
  return {TText::GiveUpLevel, {56, 20, 189, 26}, "restart", mrYes, mrNo, 128};
}

TEST(ModalWindows, AnswerWithThePlatformsResults) {
  TMessageWindow question(nullptr, [] { return lgGerman; }, Question());
  WhenModal([](QWidget* w) { PressKey(w, Qt::Key_Escape); });
  EXPECT_EQ(question.exec(), mrNo);
  WhenModal([](QWidget* w) { w->close(); });  // the close box
  EXPECT_EQ(question.exec(), mrCancel);
  WhenModal([](QWidget* w) { w->findChildren<QPushButton*>().front()->click(); });
  EXPECT_EQ(question.exec(), mrYes);
  EXPECT_EQ(question.findChildren<QPushButton*>().front()->text(), "Ja");
}

TEST(ModalWindows, TheLanguageWindowSetsTheLanguageOnlyByItsButtons) {
  TLanguageWindow window(nullptr, [] { return lgUnset; });
  WhenModal([](QWidget* w) { w->close(); });
  EXPECT_EQ(window.exec(), mrCancel);
  EXPECT_EQ(window.Chosen(), lgUnset);
  WhenModal([](QWidget* w) { w->findChildren<QPushButton*>().back()->click(); });
  EXPECT_EQ(window.exec(), mrOk);
  EXPECT_EQ(window.Chosen(), lgGerman);
}

TEST(FileWindows, SaveWindowProposesANameAndMakesDirectories) {
  TTempDir dir;
  WriteBytes(dir / "old.gxs", {});
  TSaveWindow window(nullptr, [] { return lgEnglish; });
  ASSERT_TRUE(window.OpenDirectory(QString::fromStdString(dir.Path().string())));
  EXPECT_FALSE(window.OpenDirectory("/no/such/directory"));
  WhenModal([](QWidget* w) {
    auto edits = w->findChildren<QLineEdit*>();
    edits[1]->setText("games");  // the new-directory field, 8 characters at most
    w->findChildren<QToolButton*>().front()->click();
    edits[0]->setText("sunday");
    PressKey(edits[0], Qt::Key_Return);
  });
  const TSaveWindowAnswer answer = window.Ask("noname.gxs");
  EXPECT_EQ(answer.Result, mrOk);
  EXPECT_EQ(answer.Directory, std::filesystem::canonical(dir / "games").string());
  EXPECT_EQ(answer.FileName, "sunday");
  EXPECT_EQ(window.windowTitle(), "Save game as ...");
}

TEST(FileWindows, LoadWindowGivesTheChosenFile) {
  TTempDir dir;
  WriteBytes(dir / "a.gxs", {});
  WriteBytes(dir / "b.txt", {});
  TLoadWindow window(nullptr, [] { return lgGerman; });
  window.OpenDirectory(QString::fromStdString(dir.Path().string()));
  WhenModal([](QWidget* w) {
    auto* files = w->findChildren<QListWidget*>().front();
    ASSERT_EQ(files->count(), 1);  // only saved games
    EXPECT_EQ(files->currentItem(), files->item(0));  // still selected after the list was read
    emit files->itemDoubleClicked(files->item(0));
  });
  window.SelectFile("a.gxs");
  const TLoadWindowAnswer answer = window.Ask();
  EXPECT_EQ(answer.Result, mrOk);
  EXPECT_EQ(answer.SelectedFile, std::filesystem::canonical(dir / "a.gxs").string());
  EXPECT_EQ(window.windowTitle(), "Spiel laden");
}

// The whole window over the built game files: start-up, first paint, a press.
TEST(MainWindow, StartsTheRememberedLevelAndShowsItsWater) {
  TTempDir dir;
  std::filesystem::copy(GURX_GAME_DIR, dir / "game");
  WriteBytes(dir / "a.gxs", {});
  const std::string settings = "[Gurgelix]\ntongue=0\nmode=0\nlevel=2\nsave=" + dir / "a.gxs" + "\n";
  WriteBytes(dir / "quillcase.ini", {settings.begin(), settings.end()});

  TMainForm window(dir / "game/", dir / "quillcase.ini");
  WhenModal([](QWidget* splash) { splash->close(); });
  window.show();
  QTimer done;  // until the first paint after the start-up has aligned the level bar
  QObject::connect(&done, &QTimer::timeout, [&window] {
    if (!window.Game().FirstPaintPending()) QApplication::exit();
  });
  done.start(10);
  QApplication::exec();
  const TGameData& data = window.Game().Data();
  EXPECT_EQ(data.CurrentLevel, 2);
  EXPECT_EQ(data.State, psRunning);
  EXPECT_EQ(window.windowTitle().toStdString(), "Gurgelix V2.0 - Game a.gxs - Practice mode");
  const QImage board = window.grab(QRect(0, 33, 500, 333)).toImage();
  const TCell start = data.Board.Source();
  // The start shows the water mark's blue in its middle.
  const QColor middle = board.pixelColor(36 * start.Col + 4, 36 * start.Row + 4);
  EXPECT_GT(middle.blue(), middle.red() + 80);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
