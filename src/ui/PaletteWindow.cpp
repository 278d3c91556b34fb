#include "ui/PaletteWindow.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

#include "editor/Palette.h"
#include "ui/Pictures.h"

TPaletteWindow::TPaletteWindow(QWidget* parent, const QImage& sheet, THandlers handlers)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      sheet_(sheet),
      handlers_(std::move(handlers)) {
  setWindowTitle("Gurgelix");
  setFixedSize(PaletteSize, PaletteSize);
}

void TPaletteWindow::FormPaint() {
  QPainter painter(this);
  const QRect all(0, 0, PaletteSize, PaletteSize);
  DrawPart(painter, all, sheet_, all, std::max(1, sheet_.width() / PaletteSize));
  DrawBrushMark(painter);
}

void TPaletteWindow::DrawBrushMark(QPainter& painter) const {
  painter.setPen(QPen(Qt::white, 3));
  for (const TLine& line : BrushMarkLines(handlers_.Brush()))
    painter.drawLine(line.X1, line.Y1, line.X2, line.Y2);
}

void TPaletteWindow::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  FormMouseDown(at.x(), at.y());
}

// The old cross goes with the repaint of the whole sheet.
void TPaletteWindow::FormMouseDown(int x, int y) {
  handlers_.Pressed(x, y);
  update();
}

void TPaletteWindow::closeEvent(QCloseEvent* event) {
  FormClose();
  QWidget::closeEvent(event);
}

void TPaletteWindow::FormClose() { handlers_.Closed(pos()); }
