#pragma once

#include "ui/Dialogs.h"

class QComboBox;
class QLineEdit;
class QListWidget;

// The drive, directory and file lists of the save and load windows, linked:
// a drive moves the directories there, a directory shows the files that match
// the mask ("*.gxs"). They keep their place from one showing to the next.
class TFileWindow : public TModalWindow {
 public:
  TFileWindow(QWidget* parent, std::function<TLanguage()> language, bool saving);

  // The file the player chose; a file that merely has the focus is not chosen.
  std::optional<std::string> SelectedFile() const;
  // False, with the lists unmoved, when the directory does not exist.
  bool OpenDirectory(const QString& directory);
  void SelectFile(const QString& name);

 protected:
  void showEvent(QShowEvent* event) override;
  // The fields of a window, in Tab's order: its own first field, the lists,
  // its own field before the buttons (either may be none), the buttons.
  void SetTabOrder(QWidget* first, QWidget* beforeButtons);
  // Lists the files of the directory that match the mask again.
  void ReadDirectory();
  QListWidget* files_;
  QString directory_;
  QString mask_;
  // Sets the texts for the language; each window adds its own.
  std::function<void()> texts_;

 private:
  void ReadDrives();
  QComboBox* drives_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QListWidget* directories_;
  QLabel* path_;
};

class TSaveWindow : public TFileWindow {
 public:
  TSaveWindow(QWidget* parent, std::function<TLanguage()> language);
  TSaveWindowAnswer Ask(const std::string& proposedName, const TModalRunner& run = ExecModal);

 protected:
  // OK with a wildcard in the name applies it as the list's mask instead.
  void done(int result) override;

 private:
  void NewDirectory();
  QLineEdit* fileEdit_;
  QLineEdit* pathEdit_;
};

class TLoadWindow : public TFileWindow {
 public:
  TLoadWindow(QWidget* parent, std::function<TLanguage()> language);
  TLoadWindowAnswer Ask(const TModalRunner& run = ExecModal);
};
