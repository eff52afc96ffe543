#include "output/vsktablecontent.h"

#include <algorithm>

#include "core/vskglobal.h"

namespace vsk {

void TableContent::Resize(int rows, int columns) {
  rows = std::max(rows, 0);
  columns = std::max(columns, 0);
  cells_.resize(static_cast<size_t>(rows));
  for (auto& row : cells_) row.resize(static_cast<size_t>(columns));
  hidden_.resize(static_cast<size_t>(columns), false);
  columns_ = columns;
}

void TableContent::SetReal(int row, int column, int decimals, double value) {
  SetText(row, column, RealToText(decimals, value));
}

void TableContent::SetInt(int row, int column, int value) {
  SetText(row, column, IntToText(value));
}

void TableContent::SetEditable(int firstRow, int lastRow, int firstCol, int lastCol,
                               bool editable) {
  for (int r = std::max(firstRow, 0); r <= lastRow && r < RowCount(); ++r)
    for (int c = std::max(firstCol, 0); c <= lastCol && c < columns_; ++c)
      cells_[r][c].editable = editable;
}

void TableContent::SetShade(int firstRow, int lastRow, int firstCol, int lastCol, CellShade shade) {
  for (int r = std::max(firstRow, 0); r <= lastRow && r < RowCount(); ++r)
    for (int c = std::max(firstCol, 0); c <= lastCol && c < columns_; ++c)
      cells_[r][c].shade = shade;
}

void TableContent::SetBold(int firstRow, int lastRow, int firstCol, int lastCol, bool bold) {
  for (int r = std::max(firstRow, 0); r <= lastRow && r < RowCount(); ++r)
    for (int c = std::max(firstCol, 0); c <= lastCol && c < columns_; ++c) cells_[r][c].bold = bold;
}

std::vector<std::string> TableContent::RowTexts(int row) const {
  std::vector<std::string> out;
  out.reserve(cells_[row].size());
  for (const auto& cell : cells_[row]) out.push_back(cell.text);
  return out;
}

}  // namespace vsk
