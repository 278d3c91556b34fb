#include "ui/Dialogs.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "ui/Pictures.h"

namespace {

QLabel* IconPicture(QWidget* parent, QRect place) {
  auto* picture = new QLabel(parent);
  picture->setGeometry(place);
  picture->setPixmap(PicturePixmap("icon", {32, 32}));
  picture->setAccessibleName(GameTitle);
  return picture;
}

QFrame* Bevel(QWidget* parent, QRect place) {
  auto* bevel = new QFrame(parent);
  bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bevel->setGeometry(place);
  return bevel;
}

}  // namespace

TModalWindow::TModalWindow(QWidget* parent, std::function<TLanguage()> language)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      language_(std::move(language)) {
  setWindowTitle("Gurgelix");
  setWindowIcon(GameIcon());
  // The small windows' layout is made for an 8-point font.
  QFont small("DejaVu Sans");
  small.setPixelSize(11);
  setFont(small);
}

QPushButton* TModalWindow::AddButton(const QString& icon, QRect place, TModalResult result,
                                     bool isDefault) {
  auto* button = new QPushButton(PictureIcon(icon, {16, 16}), "", this);
  button->setGeometry(place);
  button->setAutoDefault(true);  // takes over Return while it has the focus
  button->setDefault(isDefault);
  connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
  return button;
}

void TModalWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    if (cancelResult_) done(*cancelResult_);
    return;
  }
  QDialog::keyPressEvent(event);
}

TMessageWindow::TMessageWindow(QWidget* parent, std::function<TLanguage()> language, TLayout layout)
    : TModalWindow(parent, std::move(language)), layout_(layout) {
  setFixedSize(261, 103);
  Bevel(this, {8, 8, 245, 49});
  IconPicture(this, {16, 16, 32, 32});
  message_ = new QLabel(this);
  message_->setGeometry(layout.MessagePlace);
  message_->setWordWrap(!layout.OneLine);
  message_->setAlignment(layout.OneLine ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
  QFont bold = message_->font();
  bold.setBold(true);
  message_->setFont(bold);
  const bool question = layout.NoResult.has_value();
  ok_ = AddButton(layout.OkIcon, {question ? 40 : 92, 68, 77, 27}, layout.OkResult, true);
  if (question) {
    no_ = AddButton("cancel", {layout.NoX, 68, 77, 27}, *layout.NoResult, false);
    SetCancelButton(*layout.NoResult);
  }
}

void TMessageWindow::showEvent(QShowEvent* event) {
  message_->setText(QString::fromStdString(TextOf(layout_.Message, Language())));
  if (layout_.OneLine) {
    // One line between the picture and the frame: a smaller font when the
    // language's text is too long for it.
    QFont font = message_->font();
    for (int size = 11; size >= 8; --size) {
      font.setPixelSize(size);
      message_->setFont(font);
      message_->adjustSize();
      if (message_->width() <= 249 - 54) break;
    }
    message_->move(std::min(layout_.MessagePlace.x(), 249 - message_->width()),
                   layout_.MessagePlace.y());
  }
  if (no_) {
    ok_->setText(QString::fromStdString(TextOf(TText::Yes, Language())));
    no_->setText(QString::fromStdString(TextOf(TText::No, Language())));
  } else {
    ok_->setText("OK");
  }
  ok_->setFocus();  // each question starts at its default answer
  QDialog::showEvent(event);
}

TSplashWindow::TSplashWindow(QWidget* parent, const QString& picture)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), picture_(picture) {
  setFixedSize(200, 150);
  image_ = new QLabel(this);
  image_->setGeometry(0, 0, 200, 150);
  setAccessibleName(GameTitle);
  image_->setAccessibleName(GameTitle);
  // Counted from the window's creation, so a late start-up closes it sooner.
  // It is shown once: closed, it stops, so the idle game is not woken.
  auto* timer = new QTimer(this);
  connect(timer, &QTimer::timeout, this, [this] {
    if (isVisible()) accept();
  });
  connect(this, &QDialog::finished, timer, &QTimer::stop);
  timer->start(3000);
  // Closed, it lets go of its picture and of its window's pixels; a second
  // showing reads and makes them afresh.
  connect(this, &QDialog::finished, this, [this] {
    image_->clear();
    QTimer::singleShot(0, this, [this] {
      if (!isVisible()) destroy();
    });
  });
}

// On a sharp screen its picture at twice the size, when there is one.
void TSplashWindow::showEvent(QShowEvent* event) {
  QImage picture;
  if (ArtworkScale() > 1) picture = ReadBitmap(QString(picture_).replace(".bmp", "@2x.bmp"));
  if (picture.isNull()) picture = ReadBitmap(picture_);
  QPixmap pixmap = QPixmap::fromImage(picture);
  pixmap.setDevicePixelRatio(std::max(1.0, picture.width() / 200.0));
  image_->setPixmap(pixmap);
  QDialog::showEvent(event);
}

TLanguageWindow::TLanguageWindow(QWidget* parent, std::function<TLanguage()> language)
    : TModalWindow(parent, std::move(language)) {
  setWindowTitle(GameTitle);
  setFixedSize(320, 91);
  Bevel(this, {8, 8, 305, 77});
  IconPicture(this, {28, 28, 37, 37});
  const std::pair<TLanguage, const char*> choices[] = {{lgEnglish, "flags-en"},
                                                       {lgGerman, "flags-de"}};
  const char* captions[] = {"I speak english.", "Ich spreche deutsch."};
  for (int i = 0; i < 2; ++i) {
    auto* button =
        new QPushButton(PictureIcon(choices[i].second, {i == 0 ? 33 : 50, 20}), captions[i], this);
    button->setGeometry(84, 16 + 32 * i, 221, 27);
    button->setIconSize(QSize(i == 0 ? 33 : 50, 20));
    button->setDefault(i == 0);
    const TLanguage chosen = choices[i].first;
    connect(button, &QPushButton::clicked, this, [this, chosen] {
      chosen_ = chosen;
      done(mrOk);
    });
  }
}

TInfoWindow::TInfoWindow(QWidget* parent, std::function<TLanguage()> language,
                         const std::function<void()>& tongue)
    : TModalWindow(parent, std::move(language)) {
  setFixedSize(309, 354);
  Bevel(this, {4, 4, 301, 181});
  auto* picture = new QLabel(this);
  picture->setGeometry(8, 8, 101, 77);
  picture->setPixmap(PicturePixmap("about", {100, 75}));
  picture->setAccessibleName("Gurgelix");
  auto* name = new QLabel("Gurgelix", this);
  name->setGeometry(112, 8, 189, 25);
  QFont big = name->font();
  big.setBold(true);
  big.setPixelSize(19);
  name->setFont(big);
  (new QLabel("Version  V" GURX_VERSION, this))->setGeometry(112, 32, 189, 13);
  IconPicture(this, {36, 96, 37, 37});
  AddButton("ok", {156, 320, 77, 27}, mrOk, true)->setText("OK");
  // Its result is OK too, but only after the language window has answered.
  tongue_ = new QPushButton(PictureIcon("language", {16, 16}), "", this);
  tongue_->setGeometry(72, 320, 77, 27);
  connect(tongue_, &QPushButton::clicked, this, [this, tongue] {
    tongue();
    SetTexts();
    done(mrOk);
  });
}

void TInfoWindow::SetTexts() {
  setWindowTitle(QString::fromStdString(TextOf(TText::InfoCaption, Language())));
  tongue_->setText(QString::fromStdString(TextOf(TText::LanguageButton, Language())));
}

void TInfoWindow::showEvent(QShowEvent* event) {
  SetTexts();
  QDialog::showEvent(event);
}
