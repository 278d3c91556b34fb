#pragma once

#include <QDialog>
#include <functional>

#include "control/GameWindow.h"
#include "control/Texts.h"

class QLabel;
class QPushButton;

// Shows a window modally and returns its result; the main window passes its own.
using TModalRunner = std::function<int(QDialog&)>;
inline int ExecModal(QDialog& dialog) { return dialog.exec(); }

// A small modal window that answers as the desktop's dialogs always did:
// the focused push button answers Return and Space, otherwise the default
// button answers Return; Esc answers the cancel button and does nothing in a
// window without one; the close box answers Cancel.
class TModalWindow : public QDialog {
 public:
  TModalWindow(QWidget* parent, std::function<TLanguage()> language);
  // The answer of the cancel button, when the window has one.
  std::optional<TModalResult> CancelResult() const { return cancelResult_; }

 protected:
  QPushButton* AddButton(const QString& icon, QRect place, TModalResult result, bool isDefault);
  void SetCancelButton(TModalResult result) { cancelResult_ = result; }
  void reject() override { done(mrCancel); }
  void keyPressEvent(QKeyEvent* event) override;
  TLanguage Language() const { return language_(); }

 private:
  std::function<TLanguage()> language_;
  std::optional<TModalResult> cancelResult_;
};

// The solved, all-solved and too-slow windows, and the four questions.
class TMessageWindow : public TModalWindow {
 public:
  struct TLayout {
    TText Message;
    QRect MessagePlace;
    QString OkIcon;
    TModalResult OkResult;
    std::optional<TModalResult> NoResult;  // a question has a second button
    int NoX;
    bool OneLine = false;  // left-aligned on one line, not centred and wrapped
  };
  TMessageWindow(QWidget* parent, std::function<TLanguage()> language, TLayout layout);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TLayout layout_;
  QLabel* message_;
  QPushButton* ok_;
  QPushButton* no_ = nullptr;
};

// Closes itself three seconds after it was made, or at a click; no key
// closes it. Its picture is read when it shows; without one it stays empty
// and closes all the same.
class TSplashWindow : public QDialog {
 public:
  TSplashWindow(QWidget* parent, const QString& picture);

 protected:
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent*) override { accept(); }
  void keyPressEvent(QKeyEvent*) override {}
  void reject() override { done(mrCancel); }

 private:
  QString picture_;
  QLabel* image_;
};

class TLanguageWindow : public TModalWindow {
 public:
  TLanguageWindow(QWidget* parent, std::function<TLanguage()> language);
  TLanguage Chosen() const { return chosen_; }

 private:
  TLanguage chosen_ = lgUnset;
};

class TInfoWindow : public TModalWindow {
 public:
  TInfoWindow(QWidget* parent, std::function<TLanguage()> language,
              const std::function<void()>& tongue);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void SetTexts();
  QPushButton* tongue_;
};
