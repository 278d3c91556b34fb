#include "ui/RecordsWindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

namespace {

// The table and the line that stands in for it share one place.
constexpr QRect ContentPlace{8, 30, 484, 226};

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The level's name reads from the left; the figures line up on the right.
QTableWidgetItem* Cell(const std::string& text, bool name) {
  auto* item = new QTableWidgetItem(Q(text));
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  item->setTextAlignment(Qt::AlignVCenter | (name ? Qt::AlignLeft : Qt::AlignRight));
  if (name) item->setToolTip(item->text());  // a long file's name is cut short in its column
  return item;
}

}  // namespace

TRecordsWindow::TRecordsWindow(QWidget* parent, std::function<TLanguage()> language)
    : TModalWindow(parent, std::move(language)) {
  // As wide as the main window: six columns, the German headers the longest.
  setFixedSize(500, 300);
  streak_ = new QLabel(this);
  streak_->setGeometry(8, 8, 484, 17);
  QFont bold = streak_->font();
  bold.setBold(true);
  streak_->setFont(bold);
  BuildTable();
  empty_ = new QLabel(this);
  empty_->setGeometry(ContentPlace);
  empty_->setAlignment(Qt::AlignCenter);
  empty_->setWordWrap(true);
  ok_ = AddButton("ok", {211, 265, 77, 27}, mrOk, true);
  ok_->setText("OK");
  SetCancelButton(mrOk);  // nothing to cancel: Esc closes it as OK does
  setTabOrder(table_, ok_);
}

void TRecordsWindow::BuildTable() {
  table_ = new QTableWidget(this);
  table_->setGeometry(ContentPlace);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setAlternatingRowColors(true);
  table_->setWordWrap(false);
  table_->setTabKeyNavigation(false);  // Tab goes on to the OK button, not from cell to cell
  table_->verticalHeader()->hide();
  // Rows as close as a list's, so a dozen levels show without scrolling.
  table_->verticalHeader()->setMinimumSectionSize(1);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setHighlightSections(false);
}

void TRecordsWindow::Fill(const TRecordsTable& table) {
  setWindowTitle(Q(table.Title));
  streak_->setText(Q(table.Streak));
  streak_->setVisible(!table.Streak.empty());
  empty_->setText(Q(table.Empty));
  FillCells(table);
  const bool anyRows = !table.Rows.empty();
  table_->setVisible(anyRows);
  empty_->setVisible(!anyRows);
}

void TRecordsWindow::FillCells(const TRecordsTable& table) {
  const int columns = static_cast<int>(table.Columns.size());
  table_->clear();
  table_->setColumnCount(columns);
  table_->setRowCount(static_cast<int>(table.Rows.size()));
  QStringList headers;
  for (const std::string& column : table.Columns) headers << Q(column);
  table_->setHorizontalHeaderLabels(headers);
  for (int row = 0; row < table_->rowCount(); ++row) {
    const std::vector<std::string>& cells = table.Rows[static_cast<std::size_t>(row)];
    for (int column = 0; column < std::min(columns, static_cast<int>(cells.size())); ++column)
      table_->setItem(row, column, Cell(cells[static_cast<std::size_t>(column)], column == 0));
  }
  // The level's name takes the room the figures leave.
  if (columns > 0) table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  table_->setAccessibleName(Q(table.Title));
}

void TRecordsWindow::Show(const TRecordsTable& table, const TModalRunner& run) {
  Fill(table);
  // The focus starts on the latest solve, where a screen reader reads on;
  // without rows, on OK.
  if (table_->rowCount() > 0) {
    table_->setCurrentCell(0, 0);
    table_->scrollToTop();
    table_->setFocus();
  } else {
    ok_->setFocus();
  }
  run(*this);
}
