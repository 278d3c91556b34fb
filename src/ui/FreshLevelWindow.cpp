#include "ui/FreshLevelWindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

namespace {

constexpr std::array<std::pair<TLevelSize, TText>, 3> SizeTexts{{
    {TLevelSize::Small, TText::FreshSmall},
    {TLevelSize::Medium, TText::FreshMedium},
    {TLevelSize::Large, TText::FreshLarge},
}};

// A code has ten characters; the room for spaces around a pasted one, and
// no more, keeps a stray paste out of the message that refuses it.
constexpr int CodeFieldLength = 24;

QString Q(TText text, TLanguage language) { return QString::fromStdString(TextOf(text, language)); }

}  // namespace

TFreshLevelWindow::TFreshLevelWindow(QWidget* parent, std::function<TLanguage()> language)
    : TModalWindow(parent, std::move(language)) {
  setFixedSize(261, 235);
  BuildChoices();
  BuildCodeField();
  play_ = AddButton("ok", {33, 200, 89, 27}, mrOk, true);  // Return in the field plays
  play_->setEnabled(false);
  connect(code_, &QLineEdit::textChanged, play_,
          [this](const QString& text) { play_->setEnabled(!text.trimmed().isEmpty()); });
  cancel_ = AddButton("cancel", {139, 200, 89, 27}, mrCancel, false);
  SetCancelButton(mrCancel);
  QWidget* tabOrder[] = {sizes_[0], sizes_[1], sizes_[2], daily_, code_, play_, cancel_};
  for (std::size_t i = 1; i < std::size(tabOrder); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void TFreshLevelWindow::BuildChoices() {
  auto* choices = new QGroupBox(this);
  choices->setGeometry(8, 4, 245, 148);
  for (std::size_t i = 0; i < SizeTexts.size(); ++i) {
    const TLevelSize size = SizeTexts[i].first;
    sizes_[i] = ChoiceButton(choices, {8, 12 + 32 * static_cast<int>(i), 229, 27},
                             [this, size] { answer_.Size = size; });
  }
  // Set a little apart from the sizes: it is not one of them.
  daily_ = ChoiceButton(choices, {8, 112, 229, 27}, [this] { answer_.Daily = true; });
}

void TFreshLevelWindow::BuildCodeField() {
  auto* typed = new QGroupBox(this);
  typed->setGeometry(8, 156, 245, 37);
  codeLabel_ = new QLabel(typed);
  codeLabel_->setGeometry(8, 8, 41, 21);
  QFont bold = codeLabel_->font();
  bold.setBold(true);
  codeLabel_->setFont(bold);
  code_ = new QLineEdit(typed);
  code_->setGeometry(52, 8, 185, 21);
  code_->setMaxLength(CodeFieldLength);
  codeLabel_->setBuddy(code_);  // a screen reader names the field by it
}

// Each answers at once; the choice is noted before the window closes.
QPushButton* TFreshLevelWindow::ChoiceButton(QWidget* parent, QRect place,
                                             const std::function<void()>& choose) {
  auto* button = new QPushButton(parent);
  button->setGeometry(place);
  button->setAutoDefault(true);  // takes over Return while it has the focus
  connect(button, &QPushButton::clicked, this, [this, choose] {
    choose();
    done(mrOk);
  });
  return button;
}

void TFreshLevelWindow::SetTexts() {
  const TLanguage language = Language();
  setWindowTitle(Q(TText::FreshLevelHint, language));
  for (std::size_t i = 0; i < SizeTexts.size(); ++i)
    sizes_[i]->setText(Q(SizeTexts[i].second, language));
  daily_->setText(Q(TText::FreshDaily, language));
  codeLabel_->setText(Q(TText::FreshCodeCaption, language));
  play_->setText(Q(TText::FreshPlay, language));
  cancel_->setText(Q(TText::FreshCancel, language));
}

void TFreshLevelWindow::showEvent(QShowEvent* event) {
  SetTexts();
  QDialog::showEvent(event);
}

TFreshLevelAnswer TFreshLevelWindow::Ask(const TModalRunner& run) {
  answer_ = {};
  code_->selectAll();
  if (code_->text().isEmpty())
    sizes_[0]->setFocus();
  else
    code_->setFocus();
  answer_.Result = static_cast<TModalResult>(run(*this));
  if (answer_.Result != mrOk) return {};
  if (!answer_.Size && !answer_.Daily) answer_.Code = code_->text().toStdString();
  return answer_;
}
