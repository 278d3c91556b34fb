#pragma once

#include <QImage>
#include <QWidget>

#include "control/Settings.h"

// The editor's palette: the 8 x 8 background pictures; a press chooses the
// brush, a white cross marks it.
class TPaletteWindow : public QWidget {
 public:
  TPaletteWindow(QWidget* parent, const QImage& sheet, int& brush, TSettings settings);

 protected:
  void paintEvent(QPaintEvent*) override { FormPaint(); }
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormPaint();
  void FormMouseDown(int x, int y);
  // Only the player closes the palette: its place is remembered then.
  void FormClose();
  void DrawBrushMark(QPainter& painter) const;

  const QImage& sheet_;
  int& brush_;
  TSettings settings_;
};
