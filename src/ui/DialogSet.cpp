#include "ui/DialogSet.h"

namespace {

TMessageWindow::TLayout LayoutOf(TDialog dialog) {
  using L = TMessageWindow::TLayout;
  switch (dialog) {
    case TDialog::TakeChanges:
      return L{TText::TakeChanges, {52, 24, 197, 17}, "ok", mrOk, mrCancel, 136};
    case TDialog::Solved:
      return L{TText::Solved, {60, 28, 181, 17}, "smile", mrOk, std::nullopt, 0};
    case TDialog::TooSlow:
      return L{TText::TooSlow, {80, 20, 141, 33}, "frown-green", mrOk, std::nullopt, 0, true};
    case TDialog::AllSolved:
      return L{TText::AllSolved, {68, 20, 165, 29}, "smile", mrOk, std::nullopt, 0};
    case TDialog::EndGame:
      return L{TText::EndGame, {72, 20, 153, 29}, "exit", mrYes, mrNo, 136};
    case TDialog::GiveUpGame:
      return L{TText::GiveUpGame, {72, 20, 149, 26}, "newgame", mrOk, mrCancel, 136};
    default:
      return L{TText::GiveUpLevel, {56, 20, 189, 26}, "restart", mrYes, mrNo, 128};
  }
}

template <typename T, typename... Args>
T& Made(std::unique_ptr<T>& window, Args&&... args) {
  if (!window) window = std::make_unique<T>(std::forward<Args>(args)...);
  return *window;
}

}  // namespace

TDialogSet::TDialogSet(QWidget* parent, std::function<TLanguage()> language,
                       std::function<void()> tongue, const QString& splashPicture)
    : parent_(parent), language_(std::move(language)), tongue_(std::move(tongue)) {
  dialogs_[TDialog::Splash] = std::make_unique<TSplashWindow>(parent, splashPicture);
}

TDialogSet::~TDialogSet() = default;

QDialog& TDialogSet::Dialog(TDialog dialog) {
  std::unique_ptr<QDialog>& window = dialogs_[dialog];
  if (!window && dialog == TDialog::Info)
    window = std::make_unique<TInfoWindow>(parent_, language_, tongue_);
  if (!window) window = std::make_unique<TMessageWindow>(parent_, language_, LayoutOf(dialog));
  return *window;
}

TLanguageWindow& TDialogSet::LanguageWindow() { return Made(languageWindow_, parent_, language_); }
TSaveWindow& TDialogSet::SaveWindow() { return Made(saveWindow_, parent_, language_); }
TLoadWindow& TDialogSet::LoadWindow() { return Made(loadWindow_, parent_, language_); }
TFreshLevelWindow& TDialogSet::FreshLevelWindow() {
  return Made(freshLevelWindow_, parent_, language_);
}
TRecordsWindow& TDialogSet::RecordsWindow() { return Made(recordsWindow_, parent_, language_); }
