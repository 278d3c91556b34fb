#include "ui/Widgets.h"

#include "ui/Pictures.h"

#include <utility>

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {
constexpr int DigitWidth = 11;
constexpr int Place = 13;
constexpr int BlankX = 110;
constexpr int SolvedX = 122;
constexpr int UnsolvedX = 135;
constexpr int SlashX = 148;
}  // namespace

TDigitDisplay::TDigitDisplay(QImage strip, bool withMark, QWidget* parent)
    : QWidget(parent),
      strip_(std::move(strip)),
      withMark_(withMark),
      scale_(std::max(1, strip_.height() / 20)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TDigitDisplay::Show(const TDisplayDigits& digits, bool solvedMark) {
  digits_ = digits;
  solved_ = solvedMark;
  repaint();
}

int TDigitDisplay::Number() const {
  int number = 0;
  for (const auto& digit : digits_) number = number * 10 + digit.value_or(0);
  return number;
}

void TDigitDisplay::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  for (std::size_t i = 0; i < digits_.size(); ++i) {
    const int source = digits_[i] ? DigitWidth * *digits_[i] : BlankX;
    DrawPart(painter, QRect(Place * static_cast<int>(i), 0, DigitWidth, 20), strip_,
             QRect(source, 0, DigitWidth, 20), scale_);
  }
  if (withMark_)
    DrawPart(painter, QRect(42, 0, Place, 20), strip_,
             QRect(solved_ ? SolvedX : UnsolvedX, 0, Place, 20), scale_);
}

TCountDisplay::TCountDisplay(QImage strip, QWidget* parent)
    : QWidget(parent), strip_(std::move(strip)), scale_(std::max(1, strip_.height() / 20)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TCountDisplay::Show(std::optional<TWaterCount> count) {
  if (count == count_) return;
  count_ = count;
  repaint();
}

void TCountDisplay::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  if (!count_) return;
  const std::string text = std::to_string(count_->Wet) + "/" + std::to_string(count_->Tiles);
  int x = (width() - Place * static_cast<int>(text.size()) + (Place - DigitWidth)) / 2;
  for (const char glyph : text) {
    const int source = glyph == '/' ? SlashX : DigitWidth * (glyph - '0');
    DrawPart(painter, QRect(x, 0, DigitWidth, 20), strip_, QRect(source, 0, DigitWidth, 20),
             scale_);
    x += Place;
  }
}

TGauge::TGauge(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void TGauge::Set(int maximum, int progress) {
  maximum_ = std::max(1, maximum);
  progress_ = std::clamp(progress, 0, maximum_);
  update();
}

void TGauge::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  const int filled = height() * progress_ / maximum_;
  painter.fillRect(QRect(0, height() - filled, width(), filled), QColor(0xd9, 0x2b, 0x22));
}

void TCaption::paintEvent(QPaintEvent* event) {
  if (drawn_ != text() || !picture_) {
    drawn_ = text();
    picture_ = FindPicture(drawn_, size(), devicePixelRatio());
  }
  if (!picture_) return QLabel::paintEvent(event);
  QPainter(this).drawPixmap(0, 0, *picture_);
}

void TClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && Clicked) Clicked();
}

TBoardSurface::TBoardSurface(const QImage& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

// The picture is always up to date: a paint copies just the part asked for,
// with the cursor's frame over it.
void TBoardSurface::paintEvent(QPaintEvent* event) {
  if (Painting) Painting();
  QPainter painter(this);
  const int scale = std::max(1, picture_.width() / width());
  for (const QRect& part : event->region()) DrawPart(painter, part, picture_, part, scale);
  if (!cursor_ || !event->region().intersects(*cursor_)) return;
  painter.setPen(QPen(QColor(0xff, 0xd8, 0x20), 2));
  painter.drawRect(cursor_->adjusted(1, 1, -1, -1));
}

void TBoardSurface::SetCursor(std::optional<QRect> square) {
  const std::optional<QRect> old = std::exchange(cursor_, square);
  if (old) repaint(*old);
  if (cursor_) repaint(*cursor_);
}

TLevelScrollBar::TLevelScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
  setFocusPolicy(Qt::NoFocus);
  // Emitted before the new value reaches the game: the repeat is off by then.
  connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) {
    if (action != SliderMove) setRepeatAction(SliderNoAction);
  });
}

void TLevelScrollBar::EndGesture() {
  setRepeatAction(SliderNoAction);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-1, -1), QPointF(-1, -1), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  mouseReleaseEvent(&release);
}

void TBoardSurface::mousePressEvent(QMouseEvent* event) {
  std::optional<TMouseButton> button;
  if (event->button() == Qt::LeftButton) button = TMouseButton::Left;
  if (event->button() == Qt::RightButton) button = TMouseButton::Right;
  if (event->button() == Qt::MiddleButton) button = TMouseButton::Middle;
  const QPoint at = event->position().toPoint();
  const bool shift = event->modifiers() & Qt::ShiftModifier;
  if (button && Pressed) Pressed(*button, at.x(), at.y(), shift);
}

void TBoardSurface::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && Clicked)
    Clicked();
}
