#include "ui/FileWindows.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QToolButton>

#include "ui/Pictures.h"

namespace {

const QString SavedGameMask = "*.gxs";

// Return on a directory opens it, as a double click does, instead of
// reaching the window's default button.
class TDirectoryList : public QListWidget {
 public:
  using QListWidget::QListWidget;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    QListWidget::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) event->accept();
  }
};

bool HoldsWildcard(const QString& name) { return name.contains('*') || name.contains('?'); }

QLabel* BoldLabel(QWidget* parent, QRect place) {
  auto* label = new QLabel(parent);
  label->setGeometry(place);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

void SetText(QWidget* widget, TText text, TLanguage language) {
  const QString value = QString::fromStdString(TextOf(text, language));
  if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(value);
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(value);
}

}  // namespace

TFileWindow::TFileWindow(QWidget* parent, std::function<TLanguage()> language, bool saving)
    : TModalWindow(parent, std::move(language)),
      directory_(QDir::homePath()),
      mask_(SavedGameMask) {
  const int listTop = saving ? 68 : 28;
  setFixedSize(329, saving ? 319 : 276);
  auto* group = new QGroupBox(this);
  group->setGeometry(8, 4, 313, 229);
  auto* filesLabel = BoldLabel(group, {8, saving ? 52 : 12, 145, 13});
  files_ = new QListWidget(group);
  files_->setGeometry(8, listTop, 145, saving ? 153 : 193);
  auto* dirsLabel = BoldLabel(group, {160, 12, 141, 13});
  path_ = new QLabel(group);
  path_->setGeometry(160, 26, 145, 14);
  directories_ = new TDirectoryList(group);
  directories_->setGeometry(160, 40, 145, saving ? 141 : 137);
  auto* drivesLabel = BoldLabel(group, {160, saving ? 186 : 184, 141, 13});
  drives_ = new QComboBox(group);
  drives_->setGeometry(160, 202, 145, 21);
  const int buttonsTop = saving ? 284 : 240;
  ok_ = AddButton("ok", {84, buttonsTop, 77, 27}, mrOk, true);
  ok_->setText("OK");
  cancel_ = AddButton("cancel", {168, buttonsTop, 77, 27}, mrCancel, false);
  SetCancelButton(mrCancel);
  connect(files_, &QListWidget::itemDoubleClicked, this, [this] { done(mrOk); });
  connect(directories_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    OpenDirectory(QDir(directory_).absoluteFilePath(item->text()));
  });
  connect(drives_, &QComboBox::activated, this,
          [this](int index) { OpenDirectory(drives_->itemData(index).toString()); });
  texts_ = [=, this] {
    const TLanguage lang = Language();
    SetText(filesLabel, TText::FilesLabel, lang);
    SetText(dirsLabel, TText::DirectoriesLabel, lang);
    SetText(drivesLabel, TText::DrivesLabel, lang);
    SetText(cancel_, TText::EscapeButton, lang);
  };
}

// Tab runs through the fields as they stand, top to bottom, left to right,
// then to the buttons.
void TFileWindow::SetTabOrder(QWidget* first, QWidget* beforeButtons) {
  QWidget* chain[] = {first, files_, directories_, drives_, beforeButtons, ok_, cancel_};
  QWidget* previous = nullptr;
  for (QWidget* widget : chain) {
    if (!widget) continue;
    if (previous) setTabOrder(previous, widget);
    previous = widget;
  }
}

void TFileWindow::showEvent(QShowEvent* event) {
  texts_();
  mask_ = SavedGameMask;
  ReadDrives();
  ReadDirectory();
  QDialog::showEvent(event);
}

void TFileWindow::ReadDrives() {
  drives_->clear();
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
    if (volume.isValid() && volume.isReady())
      drives_->addItem(volume.rootPath(), volume.rootPath());
  drives_->setCurrentIndex(drives_->findData(QStorageInfo(directory_).rootPath()));
}

void TFileWindow::ReadDirectory() {
  QDir dir(directory_);
  path_->setText(directory_);
  directories_->clear();
  if (!dir.isRoot()) directories_->addItem("..");
  directories_->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name));
  // Reading the names again keeps the file that was chosen.
  const auto chosen = files_->selectedItems();
  const QString selected = chosen.isEmpty() ? QString() : chosen.front()->text();
  const QSignalBlocker listing(files_);
  files_->clear();
  files_->addItems(dir.entryList({mask_}, QDir::Files, QDir::Name));
  const auto found = files_->findItems(selected, Qt::MatchExactly);
  if (!selected.isEmpty() && !found.isEmpty()) files_->setCurrentItem(found.front());
}

bool TFileWindow::OpenDirectory(const QString& directory) {
  const QDir dir(directory);
  if (!dir.exists()) return false;
  if (dir.canonicalPath() != directory_) {
    const QSignalBlocker listing(files_);
    files_->clear();  // no selection carried across
  }
  directory_ = dir.canonicalPath();
  if (isVisible()) ReadDirectory();
  return true;
}

void TFileWindow::SelectFile(const QString& name) {
  ReadDirectory();
  const auto found = files_->findItems(name, Qt::MatchExactly);
  const QSignalBlocker listing(files_);
  if (!found.isEmpty()) files_->setCurrentItem(found.front());
}

std::optional<std::string> TFileWindow::SelectedFile() const {
  const auto chosen = files_->selectedItems();
  if (chosen.isEmpty()) return std::nullopt;
  return QDir(directory_).absoluteFilePath(chosen.front()->text()).toStdString();
}

TSaveWindow::TSaveWindow(QWidget* parent, std::function<TLanguage()> language)
    : TFileWindow(parent, std::move(language), true) {
  auto* nameLabel = BoldLabel(this, {16, 16, 145, 13});
  fileEdit_ = new QLineEdit(this);
  fileEdit_->setGeometry(16, 32, 145, 21);
  auto* group = new QGroupBox(this);
  group->setGeometry(8, 236, 313, 41);
  auto* newLabel = BoldLabel(group, {12, 16, 145, 13});
  pathEdit_ = new QLineEdit(group);
  pathEdit_->setGeometry(160, 13, 113, 21);
  pathEdit_->setMaxLength(8);
  auto* newPath = new QToolButton(group);
  newPath->setGeometry(280, 12, 25, 21);
  newPath->setIcon(PictureIcon("newfolder", {19, 15}));
  newPath->setFocusPolicy(Qt::NoFocus);  // a speed button
  connect(newPath, &QToolButton::clicked, this, [this] { NewDirectory(); });
  SetTabOrder(fileEdit_, pathEdit_);
  // The name follows the files the player picks, never the focus.
  connect(files_, &QListWidget::itemSelectionChanged, this, [this] {
    const auto chosen = files_->selectedItems();
    if (!chosen.isEmpty()) fileEdit_->setText(chosen.front()->text());
  });
  const auto baseTexts = texts_;
  texts_ = [=, this] {
    baseTexts();
    const TLanguage lang = Language();
    setWindowTitle(QString::fromStdString(TextOf(TText::SaveCaption, lang)));
    SetText(nameLabel, TText::FileNameLabel, lang);
    SetText(newLabel, TText::NewDirectoryLabel, lang);
    newPath->setToolTip(QString::fromStdString(TextOf(TText::NewDirectoryHint, lang)));
  };
}

void TSaveWindow::done(int result) {
  if (result == mrOk && HoldsWildcard(fileEdit_->text())) {
    mask_ = fileEdit_->text();
    ReadDirectory();
    return;
  }
  TFileWindow::done(result);
}

void TSaveWindow::NewDirectory() {
  if (pathEdit_->text().isEmpty()) return;
  const QString path = QDir(directory_).absoluteFilePath(pathEdit_->text());
  QDir().mkdir(path);  // a failure is not reported; the list just stays
  OpenDirectory(path);
}

TSaveWindowAnswer TSaveWindow::Ask(const std::string& proposedName, const TModalRunner& run) {
  pathEdit_->clear();
  fileEdit_->setText(QString::fromStdString(proposedName));
  fileEdit_->setFocus();
  const int result = run(*this);
  return {static_cast<TModalResult>(result), directory_.toStdString(),
          fileEdit_->text().toStdString()};
}

TLoadWindow::TLoadWindow(QWidget* parent, std::function<TLanguage()> language)
    : TFileWindow(parent, std::move(language), false) {
  const auto baseTexts = texts_;
  texts_ = [=, this] {
    baseTexts();
    setWindowTitle(QString::fromStdString(TextOf(TText::LoadCaption, Language())));
  };
}

TLoadWindowAnswer TLoadWindow::Ask(const TModalRunner& run) {
  files_->setFocus();
  const int result = run(*this);
  return {static_cast<TModalResult>(result), SelectedFile()};
}
