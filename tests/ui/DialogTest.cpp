#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include "support/TempDir.h"
#include "ui/Dialogs.h"
#include "ui/FileWindows.h"
#include "ui/FreshLevelWindow.h"
#include "ui/WindowTestSupport.h"

namespace {

TMessageWindow::TLayout Question() {
  return {TText::GiveUpLevel, {56, 20, 189, 26}, "restart", mrYes, mrNo, 128};
}

TEST(ModalWindows, AnswerAsTheDesktopsDidEscOnlyWhereItCancelsTheSplashAtAClick) {
  TMessageWindow question(
      nullptr, [] { return lgGerman; }, Question());
  WhenModal([](QWidget* w) { Type(w, Qt::Key_Escape); });
  EXPECT_EQ(question.exec(), mrNo);
  WhenModal([](QWidget* w) { w->close(); });  // the close box
  EXPECT_EQ(question.exec(), mrCancel);
  WhenModal([](QWidget* w) { Type(w, Qt::Key_Return); });  // the default button
  EXPECT_EQ(question.exec(), mrYes);
  WhenModal([](QWidget* w) {  // the focused button answers Return
    Type(w, Qt::Key_Tab);
    Type(w, Qt::Key_Return);
  });
  EXPECT_EQ(question.exec(), mrNo);
  EXPECT_EQ(Child<QPushButton>(&question)->text(), "Ja");

  // Esc answers only a cancel button: these windows have none and stay open.
  TMessageWindow solved(nullptr, [] { return lgEnglish; },
                        {TText::Solved, {60, 28, 181, 17}, "smile", mrOk, std::nullopt, 0});
  TLanguageWindow language(nullptr, [] { return lgUnset; });
  TInfoWindow about(
      nullptr, [] { return lgEnglish; }, [] {});
  for (QDialog* window : std::initializer_list<QDialog*>{&solved, &language, &about}) {
    WhenModal([](QWidget* w) {
      Type(w, Qt::Key_Escape);
      EXPECT_TRUE(w->isVisible());
      Type(w, Qt::Key_Return);
    });
    EXPECT_EQ(window->exec(), mrOk);
  }
  EXPECT_EQ(language.Chosen(), lgEnglish);  // its first button has the focus
  WhenModal([](QWidget* w) { w->close(); });
  EXPECT_EQ(language.exec(), mrCancel);  // the close box leaves the language as it was
  EXPECT_EQ(language.Chosen(), lgEnglish);
  WhenModal([](QWidget* w) { w->findChildren<QPushButton*>().back()->click(); });
  EXPECT_EQ(language.exec(), mrOk);
  EXPECT_EQ(language.Chosen(), lgGerman);

  // The splash without its picture ignores Esc too, and closes at a click.
  TSplashWindow splash(nullptr, "/no/such/b5.bmp");
  WhenModal([](QWidget* w) {
    Type(w, Qt::Key_Escape);
    EXPECT_TRUE(w->isVisible());
    QTest::mouseClick(w, Qt::LeftButton);
  });
  EXPECT_EQ(splash.exec(), QDialog::Accepted);
}

// The name is the player's: it starts as proposed, the focus passing through
// the list leaves it, a picked file sets it, a wildcard in it becomes the
// list's mask. A new directory is made and entered.
TEST(FileWindows, TheSaveWindowsNameChangesOnlyByThePlayer) {
  TTempDir dir;
  WriteBytes(dir / "old.gxs", {});
  WriteBytes(dir / "notes.txt", {});
  TSaveWindow window(nullptr, [] { return lgEnglish; });
  ASSERT_TRUE(window.OpenDirectory(QString::fromStdString(dir.Path().string())));
  EXPECT_FALSE(window.OpenDirectory("/no/such/directory"));
  WhenModal([](QWidget* w) {
    auto* name = Child<QLineEdit>(w);
    auto* files = Child<QListWidget>(w);
    EXPECT_TRUE(name->hasFocus());
    Type(w, Qt::Key_Tab);  // from the name into the list below it
    EXPECT_TRUE(files->hasFocus());
    EXPECT_EQ(name->text(), "noname.gxs");
    name->setText("*.txt");
    Type(name, Qt::Key_Return);
    ASSERT_TRUE(w->isVisible());
    ASSERT_EQ(files->count(), 1);
    EXPECT_EQ(files->item(0)->text(), "notes.txt");
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                      files->visualItemRect(files->item(0)).center());
    EXPECT_EQ(name->text(), "notes.txt");
    Child<QLineEdit>(w, 1)->setText("games");  // the new-directory field, 8 characters at most
    w->findChildren<QToolButton*>().front()->click();
    name->setText("sunday");
    Type(name, Qt::Key_Return);
  });
  const TSaveWindowAnswer answer = window.Ask("noname.gxs");
  EXPECT_EQ(answer.Result, mrOk);
  EXPECT_EQ(answer.Directory, std::filesystem::canonical(dir / "games").string());
  EXPECT_EQ(answer.FileName, "sunday");
}

TEST(FileWindows, LoadWindowGivesThePickedFileOnly) {
  TTempDir dir;
  WriteBytes(dir / "a.gxs", {});
  WriteBytes(dir / "b.txt", {});
  std::filesystem::create_directory(dir / "sub");
  WriteBytes(dir / "sub/c.gxs", {});
  TLoadWindow window(nullptr, [] { return lgGerman; });
  window.OpenDirectory(QString::fromStdString(dir.Path().string()));
  WhenModal([](QWidget* w) {
    auto* files = Child<QListWidget>(w);
    auto* directories = Child<QListWidget>(w, 1);
    EXPECT_TRUE(files->hasFocus());
    ASSERT_EQ(files->count(), 1);  // only saved games
    directories->setFocus(Qt::TabFocusReason);
    directories->setCurrentItem(directories->findItems("sub", Qt::MatchExactly).front());
    Type(w, Qt::Key_Return);  // opens the directory, keeps the window
    ASSERT_TRUE(w->isVisible());
    EXPECT_EQ(files->item(0)->text(), "c.gxs");
    files->setFocus(Qt::TabFocusReason);
    Type(w, Qt::Key_Return);  // OK, with nothing picked
  });
  TLoadWindowAnswer answer = window.Ask();
  EXPECT_EQ(answer.Result, mrOk);
  EXPECT_FALSE(answer.SelectedFile);

  WhenModal([](QWidget* w) {
    auto* files = Child<QListWidget>(w);
    emit files->itemDoubleClicked(files->item(0));
  });
  window.SelectFile("c.gxs");
  answer = window.Ask();
  EXPECT_EQ(answer.Result, mrOk);
  EXPECT_EQ(answer.SelectedFile, std::filesystem::canonical(dir / "sub/c.gxs").string());
  EXPECT_EQ(window.windowTitle(), "Spiel laden");
}

// Return in the code field plays what was typed; the code is kept, and the
// field has the focus when the window opens again.
TEST(FreshLevelWindow, ReturnInTheFieldPlaysTheKeptCode) {
  TFreshLevelWindow window(nullptr, [] { return lgGerman; });
  WhenModal([](QWidget* w) {
    Child<QLineEdit>(w)->setFocus();
    QTest::keyClicks(Child<QLineEdit>(w), "M-7F3KQ2D9");
    Type(w, Qt::Key_Return);
  });
  EXPECT_EQ(window.Ask().Code, "M-7F3KQ2D9");
  WhenModal([](QWidget* w) { Type(w, Qt::Key_Return); });
  EXPECT_EQ(window.Ask().Code, "M-7F3KQ2D9");
}

}  // namespace
