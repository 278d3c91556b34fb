#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

// The editor's palette: the 8 x 8 background pictures; a press chooses the
// brush, a white cross marks it. The brush and the remembered place belong
// to the game; the window shows the one and reports the other.
class TPaletteWindow : public QWidget {
 public:
  struct THandlers {
    std::function<int()> Brush;
    std::function<void(int x, int y)> Pressed;
    std::function<void(QPoint place)> Closed;  // by the player
  };
  TPaletteWindow(QWidget* parent, const QImage& sheet, THandlers handlers);

 protected:
  void paintEvent(QPaintEvent*) override { FormPaint(); }
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormPaint();
  void FormMouseDown(int x, int y);
  void FormClose();
  void DrawBrushMark(QPainter& painter) const;

  const QImage& sheet_;
  THandlers handlers_;
};
