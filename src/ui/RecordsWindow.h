#pragma once

#include "ui/Dialogs.h"

class QTableWidget;

// The player's records: the daily streak over a table of the levels solved,
// or a line saying there are none yet. It only shows; every way out is OK.
class TRecordsWindow : public TModalWindow {
 public:
  TRecordsWindow(QWidget* parent, std::function<TLanguage()> language);
  void Show(const TRecordsTable& table, const TModalRunner& run = ExecModal);

 private:
  void BuildTable();
  void Fill(const TRecordsTable& table);
  void FillCells(const TRecordsTable& table);
  QLabel* streak_;
  QTableWidget* table_;
  QLabel* empty_;
  QPushButton* ok_;
};
