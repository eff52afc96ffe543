// One Qt table model for every table of the program: it renders a TableContent (texts,
// heading rows, label columns, editable cells, result shading, greyed and bold cells) and
// forwards edits to the window, which stores them through the GUI-free edit handlers.
#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>

#include "output/vsktablecontent.h"

namespace vsk {

class TableContentModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit TableContentModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  // Shows new content: the same shape updates the cells, another shape resets the view.
  void SetContent(TableContent content);
  const TableContent& Content() const { return content_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  // The heading rows of a column, one line each: the view shows them in its fixed header.
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // Called with the cell and the text typed when an edit ends.
  std::function<void(int row, int column, const QString& text)> onEdit;

 private:
  TableContent content_;
};

// The cell editor of input tables: only the characters and the number of characters the
// cell takes. Remembers the text a cell had when its edit began.
class TableEntryDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  explicit TableEntryDelegate(QObject* parent = nullptr) : QStyledItemDelegate(parent) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

  // Stores the edit in progress and closes its editor (the commit of a window).
  void CommitOpenEditor();
  // An editor that the view closed is hidden at once and deleted later.
  bool Editing() const { return editor_ && editor_->isVisible(); }
  QWidget* Editor() const { return Editing() ? editor_.data() : nullptr; }

  std::function<int(int row, int column)> maxLength;  // 0: no limit
  QString allowedCharacters = QStringLiteral("[0-9.\\-]*");
  std::function<void(const QString& text)> onBeginEdit;

 private:
  mutable QPointer<QWidget> editor_;
};

// A table view for TableContent: no own headers (the content holds them), compact rows.
class ContentTableView : public QTableView {
  Q_OBJECT
 public:
  explicit ContentTableView(QWidget* parent = nullptr);
  // Column widths from the content and the font; the size that shows `rows` rows whole.
  void FitColumns();
  // The heading rows of the content stay in view as the header; their rows are hidden.
  void ShowHeadingRows();
  QSize SizeFor(int rows) const;

 signals:
  void currentCellChanged();

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
};

}  // namespace vsk
