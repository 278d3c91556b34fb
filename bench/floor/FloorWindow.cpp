// The floor of the stack: a bare Qt Widgets window of the game's size that
// only paints an image. The start-up benchmark measures the game beside it.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

namespace {

class TImageWindow : public QWidget {
 public:
  TImageWindow() : image_(500, 366, QImage::Format_RGB32) {
    image_.fill(QColor(0x2e, 0x3b, 0x46));
    setFixedSize(image_.size());
  }

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, image_); }

 private:
  QImage image_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  TImageWindow window;
  window.show();
  return QApplication::exec();
}
