#pragma once

#include <QImage>
#include <QLabel>
#include <QScrollBar>
#include <QWidget>
#include <functional>
#include <optional>

#include "control/GameWindow.h"
#include "model/BoardInput.h"
#include "ui/Accessibility.h"

// A three-place dot-matrix display, with the level display's solved mark.
class TDigitDisplay : public QWidget {
 public:
  TDigitDisplay(QImage strip, bool withMark, QWidget* parent);
  void Show(const TDisplayDigits& digits, bool solvedMark = false);
  // The number shown, blanks counting as nothing.
  int Number() const;
  QLabel* Caption = nullptr;  // the label beside it, which a screen reader names it by

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QImage strip_;
  bool withMark_;
  int scale_;  // the strip's pixels to the display's
  TDisplayDigits digits_;
  bool solved_ = false;
};

// The count of the water, "7/12", centred in the level display's digits;
// blank without a count.
class TCountDisplay : public QWidget {
 public:
  TCountDisplay(QImage strip, QWidget* parent);
  void Show(std::optional<TWaterCount> count);
  // The tiles with water, 0 when blank.
  int Number() const { return count_ ? count_->Wet : 0; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QImage strip_;
  int scale_;
  std::optional<TWaterCount> count_;
};

// The solved gauge: a red bar filled upward on black.
class TGauge : public QWidget {
 public:
  explicit TGauge(QWidget* parent);
  void Set(int maximum, int progress);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  int maximum_ = 1;
  int progress_ = 0;
};

// A display's caption: a label whose text the build drew as a picture, so
// that showing it needs no fonts. A text without a picture is drawn as text.
class TCaption : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString drawn_;
  std::optional<QPixmap> picture_;
};

// A label that reports a left click: the pause text, which lies over the board.
class TClickLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> Clicked;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// The level bar. A click on an arrow or on the track is exactly one step:
// a step may raise a question, and a repeat running on under it would start
// levels behind the player's back. It never takes the keyboard focus.
class TLevelScrollBar : public QScrollBar {
  // Tests find it by its class.
  Q_OBJECT

 public:
  explicit TLevelScrollBar(QWidget* parent);
  // Lets go of a press or a drag under way, as a release of the button would.
  void EndGesture();
};

// The board surface: shows the renderer's picture and reports presses of the
// left, right and middle buttons, and left clicks.
class TBoardSurface : public QWidget {
 public:
  TBoardSurface(const QImage& picture, QWidget* parent);
  std::function<void(TMouseButton, int x, int y, bool shift)> Pressed;
  std::function<void()> Clicked;
  std::function<void()> Painting;
  TBoardSpeech Speech;
  // The keyboard's cursor: a frame over the picture, around this square.
  void SetCursor(std::optional<QRect> square);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  const QImage& picture_;
  std::optional<QRect> cursor_;
};
