#include "PaletteWindow.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

#include "Palette.h"

TPaletteWindow::TPaletteWindow(QWidget* parent, const QImage& sheet, int& brush,
                               TSettings settings)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      sheet_(sheet),
      brush_(brush),
      settings_(std::move(settings)) {
  setWindowTitle("Gurgelix");
  setFixedSize(PaletteSize, PaletteSize);
}

void TPaletteWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), sheet_, QRect(0, 0, PaletteSize, PaletteSize));
  painter.setPen(QPen(Qt::white, 3));
  for (const TLine& line : BrushMarkLines(brush_))
    painter.drawLine(line.X1, line.Y1, line.X2, line.Y2);
}

void TPaletteWindow::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  brush_ = BrushAtPixel(at.x(), at.y());
  update();
}

void TPaletteWindow::closeEvent(QCloseEvent* event) {
  RememberPalettePlace(settings_, {x(), y()});
  QWidget::closeEvent(event);
}
