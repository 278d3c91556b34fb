#pragma once

#include <string>

// The platform's modal results.
enum TModalResult : int {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrYes = 6,
  mrNo = 7,
};

// Error: an OK button. Warning and confirmation: Yes and No.
enum class TMessageKind { Error, Warning, Confirmation };

// The message box: modal, captions and buttons always German, the text as given.
class TMessageBox {
 public:
  virtual ~TMessageBox() = default;
  virtual TModalResult ShowMessage(TMessageKind kind, const std::string& text) = 0;
};
