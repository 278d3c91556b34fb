#pragma once

#include <QDialog>
#include <functional>

#include "GameWindow.h"
#include "Texts.h"

class QLabel;
class QPushButton;

// A small modal window that returns the platform's modal results: its
// buttons' results, Esc the cancel button's, the close box Cancel.
class TModalWindow : public QDialog {
 public:
  TModalWindow(QWidget* parent, std::function<TLanguage()> language);
  int Show() { return exec(); }

 protected:
  QPushButton* AddButton(const QString& icon, QRect place, TModalResult result, bool isDefault);
  void reject() override { done(mrCancel); }
  void keyPressEvent(QKeyEvent* event) override;
  TLanguage Language() const { return language_(); }
  TModalResult escapeResult_ = mrCancel;

 private:
  std::function<TLanguage()> language_;
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

// Closes itself three seconds after it was made, or at a click.
class TSplashWindow : public QDialog {
 public:
  TSplashWindow(QWidget* parent, const QString& picture);

 protected:
  void mousePressEvent(QMouseEvent*) override { accept(); }
  void reject() override { done(mrCancel); }
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
  TInfoWindow(QWidget* parent, std::function<TLanguage()> language, std::function<void()> tongue);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void SetTexts();
  QPushButton* tongue_;
};
