// The content of one table of a window, GUI-free: every cell as the text the window shows,
// the heading rows and label columns, and the flags the window renders (editable, result
// shading, greyed cells, bold cells, hidden columns). The same content feeds the window, the
// clipboard copy, the report text and the command line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vsk {

// Background of a cell: ordinary, a computed result (light yellow), or not in use (grey,
// days past the end of a month).
enum class CellShade : std::uint8_t { Normal, Result, Unused };

struct TableCell {
  std::string text;
  bool editable = false;
  bool bold = false;
  CellShade shade = CellShade::Normal;
};

class TableContent {
 public:
  TableContent() = default;
  TableContent(int rows, int columns) { Resize(rows, columns); }

  // New cells are empty, read-only and unshaded; existing cells keep their content.
  void Resize(int rows, int columns);
  int RowCount() const { return static_cast<int>(cells_.size()); }
  int ColumnCount() const { return columns_; }

  TableCell& At(int row, int column) { return cells_[row][column]; }
  const TableCell& At(int row, int column) const { return cells_[row][column]; }
  const std::string& Text(int row, int column) const { return cells_[row][column].text; }
  void SetText(int row, int column, std::string text) {
    cells_[row][column].text = std::move(text);
  }
  // The value with RealToText (empty for a missing value).
  void SetReal(int row, int column, int decimals, double value);
  void SetInt(int row, int column, int value);

  // Flags over a block of cells, rows [firstRow, lastRow] and columns [firstCol, lastCol].
  void SetEditable(int firstRow, int lastRow, int firstCol, int lastCol, bool editable);
  void SetShade(int firstRow, int lastRow, int firstCol, int lastCol, CellShade shade);
  void SetBold(int firstRow, int lastRow, int firstCol, int lastCol, bool bold);

  bool ColumnHidden(int column) const { return hidden_[column]; }
  void SetColumnHidden(int column, bool hidden) { hidden_[column] = hidden; }

  // One row of cell texts.
  std::vector<std::string> RowTexts(int row) const;

  int headingRows = 1;        // rows at the top that hold headings and units
  int labelColumns = 1;       // fixed columns at the left that hold the row labels
  int reportFirstWidth = 10;  // column widths of the table in fixed-width report text
  int reportOtherWidth = 10;
  std::string caption;  // the name of the tab that shows the table, where a window has tabs

 private:
  int columns_ = 0;
  std::vector<std::vector<TableCell>> cells_;
  std::vector<bool> hidden_;
};

}  // namespace vsk
