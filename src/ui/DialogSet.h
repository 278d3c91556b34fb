#pragma once

#include <QDialog>
#include <functional>
#include <map>
#include <memory>

#include "ui/FileWindows.h"
#include "ui/FreshLevelWindow.h"
#include "ui/RecordsWindow.h"

// The main window's modal windows. Each is made when it is first shown and
// then kept, so it shows again as it was left (the file windows keep their
// directory); only the splash is made at once, since its time runs from then.
class TDialogSet {
 public:
  TDialogSet(QWidget* parent, std::function<TLanguage()> language, std::function<void()> tongue,
             const QString& splashPicture);
  ~TDialogSet();

  QDialog& Dialog(TDialog dialog);
  TLanguageWindow& LanguageWindow();
  TSaveWindow& SaveWindow();
  TLoadWindow& LoadWindow();
  TFreshLevelWindow& FreshLevelWindow();
  TRecordsWindow& RecordsWindow();

 private:
  QWidget* parent_;
  std::function<TLanguage()> language_;
  std::function<void()> tongue_;
  std::map<TDialog, std::unique_ptr<QDialog>> dialogs_;
  std::unique_ptr<TLanguageWindow> languageWindow_;
  std::unique_ptr<TSaveWindow> saveWindow_;
  std::unique_ptr<TLoadWindow> loadWindow_;
  std::unique_ptr<TFreshLevelWindow> freshLevelWindow_;
  std::unique_ptr<TRecordsWindow> recordsWindow_;
};
