#include "ui/Accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QTimer>
#include <vector>

#include <QPushButton>
#include <QToolButton>

#include "ui/BoardRenderer.h"
#include "ui/Widgets.h"

namespace {

// A button whose press through the accessibility interface clicks it a
// moment later: a window it opens runs its own loop, which must not run
// inside the screen reader's call.
class TAccessibleButton : public QAccessibleWidget {
 public:
  explicit TAccessibleButton(QAbstractButton* button)
      : QAccessibleWidget(button, QAccessible::Button) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
      return Button()->text().remove('&');
    return QAccessibleWidget::text(kind);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = Button()->isCheckable();
    state.checked = Button()->isChecked();
    state.pressed = Button()->isDown();
    const auto* push = qobject_cast<const QPushButton*>(Button());
    state.defaultButton = push && push->isDefault();
    return state;
  }
  QStringList actionNames() const override {
    return QStringList{Button()->isCheckable() ? toggleAction() : pressAction()};
  }
  void doAction(const QString& action) override {
    if (action != pressAction() && action != toggleAction()) return;
    QTimer::singleShot(0, Button(), &QAbstractButton::click);
  }

 private:
  QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
};

// A widget with a whole number a screen reader reads as its value.
class TAccessibleNumber : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  using QAccessibleWidget::QAccessibleWidget;

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QVariant minimumStepSize() const override { return 1; }
};

// The level bar shows levels on a reversed scale; it tells the level.
class TAccessibleLevelBar : public TAccessibleNumber {
 public:
  explicit TAccessibleLevelBar(TLevelScrollBar* bar)
      : TAccessibleNumber(bar, QAccessible::ScrollBar) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return QString::number(Level());
    return QAccessibleWidget::text(kind);
  }
  QVariant currentValue() const override { return Level(); }
  void setCurrentValue(const QVariant& value) override {
    Bar()->setValue(Bar()->maximum() + Bar()->minimum() - value.toInt());
  }
  QVariant maximumValue() const override { return Bar()->maximum(); }
  QVariant minimumValue() const override { return Bar()->minimum(); }

 private:
  TLevelScrollBar* Bar() const { return static_cast<TLevelScrollBar*>(widget()); }
  int Level() const { return Bar()->maximum() + Bar()->minimum() - Bar()->value(); }
};

// A display's number is its value; its caption, the label beside it, leads its name.
class TAccessibleDisplay : public TAccessibleNumber {
 public:
  explicit TAccessibleDisplay(TDigitDisplay* display)
      : TAccessibleNumber(display, QAccessible::StaticText) {}

  QString text(QAccessible::Text kind) const override {
    QString number = QString::number(Display()->Number());
    if (kind == QAccessible::Value) return number;
    if (kind == QAccessible::Name)
      return Display()->Caption ? Display()->Caption->text() + " " + number : number;
    return QAccessibleWidget::text(kind);
  }
  QVariant currentValue() const override { return Display()->Number(); }
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return 999; }
  QVariant minimumValue() const override { return 0; }

 private:
  TDigitDisplay* Display() const { return static_cast<TDigitDisplay*>(widget()); }
};

// The count of the water: its name says both numbers in the player's
// language, its value is the tiles with water.
class TAccessibleCount : public TAccessibleNumber {
 public:
  explicit TAccessibleCount(TCountDisplay* display)
      : TAccessibleNumber(display, QAccessible::StaticText) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return QString::number(Count()->Number());
    return QAccessibleWidget::text(kind);
  }
  QVariant currentValue() const override { return Count()->Number(); }
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return CellCount; }
  QVariant minimumValue() const override { return 0; }

 private:
  TCountDisplay* Count() const { return static_cast<TCountDisplay*>(widget()); }
};

class TAccessibleBoard;

// One cell of the board; it lives as long as the board's interface.
class TAccessibleCell : public QAccessibleInterface {
 public:
  TAccessibleCell(TAccessibleBoard* board, TCell cell) : board_(board), cell_(cell) {}

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text kind) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override;

 private:
  TAccessibleBoard* board_;
  TCell cell_;
};

class TAccessibleBoard : public QAccessibleWidget {
 public:
  explicit TAccessibleBoard(TBoardSurface* board) : QAccessibleWidget(board, QAccessible::Table) {
    for (std::size_t i = 0; i < CellCount; ++i)
      cells_.push_back(
          QAccessible::registerAccessibleInterface(new TAccessibleCell(this, CellAt(i))));
  }
  ~TAccessibleBoard() override {
    for (QAccessible::Id id : cells_) QAccessible::deleteAccessibleInterface(id);
  }

  const TBoardSpeech& Speech() const { return Board()->Speech; }
  QRect CellRect(TCell cell) const {
    const QRect square = TBoardRenderer::CellRect(cell);
    return {widget()->mapToGlobal(square.topLeft()), square.size()};
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && Speech().Name) return Speech().Name();
    return QAccessibleWidget::text(kind);
  }
  int childCount() const override { return static_cast<int>(cells_.size()); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    return QAccessible::accessibleInterface(cells_[static_cast<std::size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < childCount(); ++i)
      if (this->child(i) == child) return i;
    return -1;
  }
  QAccessibleInterface* focusChild() const override {
    const auto cursor = Speech().Cursor ? Speech().Cursor() : std::nullopt;
    return cursor ? child(static_cast<int>(CellIndex(*cursor))) : nullptr;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < childCount(); ++i)
      if (child(i)->rect().contains(x, y)) return child(i);
    return nullptr;
  }

 private:
  TBoardSurface* Board() const { return static_cast<TBoardSurface*>(widget()); }
  std::vector<QAccessible::Id> cells_;
};

bool TAccessibleCell::isValid() const { return board_->isValid(); }
QWindow* TAccessibleCell::window() const { return board_->window(); }
QAccessibleInterface* TAccessibleCell::parent() const { return board_; }
QRect TAccessibleCell::rect() const { return board_->CellRect(cell_); }

QString TAccessibleCell::text(QAccessible::Text kind) const {
  if (kind != QAccessible::Name || !board_->Speech().Cell) return {};
  return board_->Speech().Cell(cell_);
}

QAccessible::State TAccessibleCell::state() const {
  QAccessible::State state;
  state.focusable = true;
  const auto cursor = board_->Speech().Cursor ? board_->Speech().Cursor() : std::nullopt;
  state.focused = cursor && *cursor == cell_;
  return state;
}

QAccessibleInterface* Factory(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget) return nullptr;
  if (auto* bar = dynamic_cast<TLevelScrollBar*>(widget)) return new TAccessibleLevelBar(bar);
  if (auto* display = dynamic_cast<TDigitDisplay*>(widget)) return new TAccessibleDisplay(display);
  if (auto* count = dynamic_cast<TCountDisplay*>(widget)) return new TAccessibleCount(count);
  if (auto* board = dynamic_cast<TBoardSurface*>(widget)) return new TAccessibleBoard(board);
  if (qobject_cast<QPushButton*>(widget) || qobject_cast<QToolButton*>(widget))
    return new TAccessibleButton(static_cast<QAbstractButton*>(widget));
  // The main window and the palette are plain widgets: without this they are fillers.
  if (widget->isWindow() && QByteArray(widget->metaObject()->className()) == "QWidget")
    return new QAccessibleWidget(widget, QAccessible::Window);
  return nullptr;
}

}  // namespace

void InstallAccessibility() { QAccessible::installFactory(Factory); }

void AnnounceCursorCell(QWidget* board, bool moved) {
  auto* surface = dynamic_cast<TBoardSurface*>(board);
  if (!surface || !surface->Speech.Cursor) return;
  const auto cursor = surface->Speech.Cursor();
  QAccessibleInterface* boardInterface = QAccessible::queryAccessibleInterface(board);
  if (!cursor || !boardInterface) return;
  QAccessibleInterface* cell = boardInterface->child(static_cast<int>(CellIndex(*cursor)));
  QAccessibleEvent event(cell, moved ? QAccessible::Focus : QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

void AnnounceNumber(QWidget* display) {
  int number = 0;
  if (auto* digits = dynamic_cast<TDigitDisplay*>(display))
    number = digits->Number();
  else if (auto* count = dynamic_cast<TCountDisplay*>(display))
    number = count->Number();
  else
    return;
  QAccessibleValueChangeEvent event(display, number);
  QAccessible::updateAccessibility(&event);
}
