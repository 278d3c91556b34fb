#include <gtest/gtest.h>

#include <algorithm>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QLabel>
#include <QPaintEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolButton>

#include "model/Geometry.h"
#include "support/TempDir.h"
#include "ui/MainForm.h"
#include "ui/Widgets.h"
#include "ui/WindowTestSupport.h"

namespace {

// The real window over the built game files, continuing a saved game at
// level 2, run until the first paint after the start-up.
struct MainWindow : ::testing::Test {
  TTempDir Dir;
  std::unique_ptr<TMainForm> Window;

  void Start(const std::string& mode, const std::string& level = "2") {
    std::filesystem::copy(GURX_GAME_DIR, Dir / "game");
    WriteBytes(Dir / "a.gxs", {5, 0, 0, 0});
    const std::string settings = "[Gurgelix]\ntongue=0\nsound=0\nmode=" + mode +
                                 "\nlevel=" + level + "\nsave=" + Dir / "a.gxs" + "\n";
    WriteBytes(Dir / "quillcase.ini", {settings.begin(), settings.end()});
    Window = std::make_unique<TMainForm>(Dir / "game/", Dir / "quillcase.ini");
    WhenModal([](QWidget* splash) { splash->close(); });
    Window->show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return Window->Game().Life() == TLifeCycle::Running; }));
  }
  const TGameData& Data() const { return Window->Game().Data(); }
  QPoint StartCell() const {
    const TPixel middle = CellMiddle(Data().Board.Source());
    return {middle.X, middle.Y};
  }
  QWidget* Board() const { return Window->childAt(StartCell() + QPoint(0, 33)); }
  QToolButton* Button(const char* name) const { return Window->findChild<QToolButton*>(name); }
};

// No key and no extra mouse button reaches a tool button or the board; a
// press with Shift held locks its tile instead of pressing it.
TEST_F(MainWindow, KeysAndExtraButtonsChangeNothing) {
  Start("0");
  for (QWidget* child : Window->findChildren<QWidget*>()) {
    const bool control = qobject_cast<QAbstractButton*>(child) || qobject_cast<QScrollBar*>(child);
    if (control && child->window() == Window.get()) {
      EXPECT_EQ(child->focusPolicy(), Qt::NoFocus);
    }
  }
  for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Space})
    Type(Window.get(), key);
  QTest::mouseClick(Board(), Qt::BackButton, {}, StartCell());
  QTest::mouseClick(Board(), Qt::ForwardButton, {}, StartCell());
  EXPECT_EQ(Data().CurrentLevel, 2);
  EXPECT_EQ(Data().Results[1], 5);
  QTest::mouseClick(Board(), Qt::RightButton, Qt::ShiftModifier, StartCell());
  EXPECT_TRUE(Data().Board.Locked(Data().Board.Source()));
  EXPECT_FALSE(Data().LevelTouched);
  QTest::mouseClick(Board(), Qt::MiddleButton, {}, StartCell());
  EXPECT_TRUE(Data().LevelTouched);
}

// The question a click on the bar raises ends its repeat: waiting under it,
// then answering No, leaves the level and the bar where they were.
TEST_F(MainWindow, OneClickOnTheLevelBarIsOneStep) {
  Start("1");
  QTest::mouseClick(Board(), Qt::MiddleButton, {}, StartCell());  // touched
  auto* bar = Window->findChild<QScrollBar*>();
  int questions = 0;
  WhenModal([&questions](QWidget* question) {
    ++questions;
    QTest::qWait(800);                         // past the bar's repeat delay
    Child<QPushButton>(question, 1)->click();  // No
  });
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(11, 5));  // the upper arrow
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(11, 5));
  EXPECT_EQ(questions, 1);
  EXPECT_EQ(Data().CurrentLevel, 2);
  EXPECT_TRUE(Data().LevelTouched);
  EXPECT_EQ(bar->value(), 199);
}

// The about window, opened by an accessible press once that has returned.
TEST_F(MainWindow, TheAboutWindowChangesTheLanguageAndHelpFollowsIt) {
  Start("0");
  Button("rules")->click();
  auto* help = qobject_cast<QTextBrowser*>(
      TopLevel([](QWidget* w) { return qobject_cast<QTextBrowser*>(w) != nullptr; }));
  ASSERT_TRUE(help);
  EXPECT_EQ(help->source().fragment(), "The_game");
  bool opened = false;
  WhenModal([this, &opened](QWidget* about) {
    opened = true;
    const QRect screen = Window->screen()->availableGeometry();
    EXPECT_LE((about->geometry().center() - screen.center()).manhattanLength(), 4);
    for (QLabel* label : about->findChildren<QLabel*>()) {
      EXPECT_TRUE(label->pixmap().isNull() || !label->accessibleName().isEmpty());
    }
    WhenModal([](QWidget* language) { Child<QPushButton>(language, 1)->click(); }, about);
    Child<QPushButton>(about, 1)->click();  // the language button
  });
  QAccessibleActionInterface* press =
      QAccessible::queryAccessibleInterface(Button("info"))->actionInterface();
  ASSERT_NE(press, nullptr);
  press->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_FALSE(opened);
  ASSERT_TRUE(QTest::qWaitFor([this] { return Data().Language == lgGerman; }));
  EXPECT_EQ(Window->windowTitle().toStdString(), std::string(GameTitle) + " - Spiel a.gxs - Üben");
  EXPECT_EQ(Button("newgame")->accessibleName(), "Ich fang ein neues Spiel an.");  // as its hint
  Button("series")->click();
  EXPECT_EQ(help->source().fragment(), "Nimbleplay_d");
}

// Records the parts of a widget that are painted.
class TPaintLog : public QObject {
 public:
  std::vector<QRegion> Parts;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) Parts.push_back(static_cast<QPaintEvent*>(event)->region());
    return false;
  }
};

// A level start shows the backdrop once, then each cell's square as it is
// drawn, then each phase of the water's flow once, over the cells it changed.
TEST_F(MainWindow, ALevelStartPaintsOnlyWhatChanged) {
  Start("0", "3");  // its water flows from the start to four tiles
  TPaintLog log;
  Board()->installEventFilter(&log);
  Button("restart")->click();
  Board()->removeEventFilter(&log);
  ASSERT_EQ(log.Parts.size(), 87u);  // six phases of the flow after the 81 of the start
  EXPECT_EQ(log.Parts[0].boundingRect(), Board()->rect());  // but for the gauge above it
  for (std::size_t i = 1; i <= 80; ++i)
    EXPECT_EQ(log.Parts[i].boundingRect().size(), QSize(CellPixels, CellPixels));
  const TBoard& board = Data().Board;
  const int wet = static_cast<int>(std::count(board.ShownFlow.begin(), board.ShownFlow.end(), 1));
  for (std::size_t i = 81; i < 87; ++i) {
    int area = 0;
    for (const QRect& part : log.Parts[i]) area += part.width() * part.height();
    EXPECT_EQ(area, (wet - 1) * CellPixels * CellPixels);  // the start was wet before
  }
}

TEST_F(MainWindow, ClosingThePaletteRemembersItsPlace) {
  Start("2");  // the editor, with its palette
  QWidget* palette =
      TopLevel([this](QWidget* w) { return w != Window.get() && w->windowTitle() == "Gurgelix"; });
  ASSERT_TRUE(palette);
  palette->move(321, 234);
  palette->close();
  EXPECT_NE(ReadText(Dir / "quillcase.ini").find("eleft=321\netop=234\n"), std::string::npos);
}

// What a screen reader hears: each event with the name of its object.
std::vector<std::pair<QAccessible::Event, QString>> Heard;

// Events flow only while the platform's accessibility is on, as the
// desktop's bus turns it on when a screen reader runs.
void ListenAsAScreenReader(bool on) {
  QAccessible::installUpdateHandler(on ? +[](QAccessibleEvent* event) {
    QAccessibleInterface* object = event->accessibleInterface();
    Heard.emplace_back(event->type(), object ? object->text(QAccessible::Name) : QString());
  } : nullptr);
  QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(on);
}

TEST_F(MainWindow, AScreenReaderReadsTheWindowTheLevelTheTimeAndTheBoard) {
  Start("1");
  ListenAsAScreenReader(true);
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(Window.get());
  EXPECT_EQ(window->role(), QAccessible::Window);
  EXPECT_TRUE(window->text(QAccessible::Name).startsWith("Gurgelix"));

  QAccessibleValueInterface* level =
      QAccessible::queryAccessibleInterface(Child<TLevelScrollBar>(Window.get()))->valueInterface();
  EXPECT_EQ(level->currentValue().toInt(), 2);
  EXPECT_EQ(level->minimumValue().toInt(), 1);
  EXPECT_EQ(level->maximumValue().toInt(), Data().Levels.LevelCount());

  QAccessibleInterface* time = QAccessible::queryAccessibleInterface(Window->childAt(380, 15));
  EXPECT_EQ(time->text(QAccessible::Name), "Time: " + QString::number(Data().TimeLeft));
  Window->Game().TimerTimer();
  EXPECT_EQ(time->valueInterface()->currentValue().toInt(), Data().TimeLeft);

  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(Board());
  EXPECT_EQ(board->text(QAccessible::Name), "Board");
  EXPECT_EQ(board->focusChild(), nullptr);
  QTest::keyClick(Window.get(), Qt::Key_Down);
  const TCell below{Data().Board.SourceCol, Data().Board.SourceRow + 1};
  ASSERT_NE(board->focusChild(), nullptr);
  EXPECT_TRUE(board->focusChild()->state().focused);
  const QString cell = board->focusChild()->text(QAccessible::Name);
  EXPECT_TRUE(cell.startsWith(QString("Column %1, row %2: ").arg(below.Col).arg(below.Row)))
      << cell.toStdString();
  QTest::keyClick(Window.get(), Qt::Key_W);
  ListenAsAScreenReader(false);
  const auto heard = [](QAccessible::Event type, const QString& name) {
    return std::find(Heard.begin(), Heard.end(), std::pair{type, name}) != Heard.end();
  };
  EXPECT_TRUE(heard(QAccessible::ValueChanged, "Time: " + QString::number(Data().TimeLeft)));
  EXPECT_TRUE(heard(QAccessible::Focus, cell));
  EXPECT_TRUE(heard(QAccessible::NameChanged, cell));
}

}  // namespace
