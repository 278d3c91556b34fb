#pragma once

#include <array>

#include "ui/Dialogs.h"

class QLineEdit;

// Asks for a fresh level: a new one of a size, today's, or one by its code.
// The code field keeps what was typed, so a player can mend a code and retry.
class TFreshLevelWindow : public TModalWindow {
 public:
  TFreshLevelWindow(QWidget* parent, std::function<TLanguage()> language);
  TFreshLevelAnswer Ask(const TModalRunner& run = ExecModal);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildChoices();
  void BuildCodeField();
  QPushButton* ChoiceButton(QWidget* parent, QRect place, const std::function<void()>& choose);
  void SetTexts();
  TFreshLevelAnswer answer_;
  std::array<QPushButton*, 3> sizes_{};
  QPushButton* daily_;
  QLabel* codeLabel_;
  QLineEdit* code_;
  QPushButton* play_;
  QPushButton* cancel_;
};
