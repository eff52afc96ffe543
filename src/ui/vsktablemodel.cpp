#include "ui/vsktablemodel.h"

#include <QApplication>
#include <QFont>
#include <QHeaderView>
#include <QLineEdit>
#include <QPalette>
#include <QRegularExpressionValidator>

#include "ui/vskqtext.h"

namespace vsk {

namespace {

const QColor kResultColour(255, 255, 224);  // light yellow: computed results
const QColor kUnusedColour(212, 212, 212);  // grey: days past a month's end

}  // namespace

void TableContentModel::SetContent(TableContent content) {
  const bool sameShape =
      content.RowCount() == content_.RowCount() && content.ColumnCount() == content_.ColumnCount();
  if (!sameShape) {
    beginResetModel();
    content_ = std::move(content);
    endResetModel();
    return;
  }
  content_ = std::move(content);
  if (content_.RowCount() > 0 && content_.ColumnCount() > 0)
    emit dataChanged(index(0, 0), index(content_.RowCount() - 1, content_.ColumnCount() - 1));
}

int TableContentModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : content_.RowCount();
}

int TableContentModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : content_.ColumnCount();
}

QVariant TableContentModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int r = index.row(), c = index.column();
  const TableCell& cell = content_.At(r, c);
  const bool fixed = r < content_.headingRows || c < content_.labelColumns;
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return QBytes(cell.text);
    case Qt::FontRole:
      if (cell.bold || (fixed && r < content_.headingRows)) {
        QFont f = QApplication::font();
        f.setBold(true);
        return f;
      }
      return {};
    case Qt::BackgroundRole:
      if (fixed) return QApplication::palette().color(QPalette::Button);
      if (cell.shade == CellShade::Result) return kResultColour;
      if (cell.shade == CellShade::Unused) return kUnusedColour;
      return {};
    case Qt::TextAlignmentRole:
      if (c < content_.labelColumns) return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
      return QVariant(Qt::AlignHCenter | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant TableContentModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= content_.ColumnCount())
    return QAbstractTableModel::headerData(section, orientation, role);
  if (role == Qt::DisplayRole) {
    QStringList lines;
    for (int r = 0; r < content_.headingRows && r < content_.RowCount(); ++r)
      lines << QBytes(content_.Text(r, section));
    return lines.join(QLatin1Char('\n'));
  }
  if (role == Qt::FontRole) {
    QFont f = QApplication::font();
    f.setBold(true);
    return f;
  }
  return QAbstractTableModel::headerData(section, orientation, role);
}

bool TableContentModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  if (!content_.At(index.row(), index.column()).editable) return false;
  const QString text = value.toString();
  if (onEdit) {
    onEdit(index.row(), index.column(), text);
  } else {
    content_.SetText(index.row(), index.column(), text.toStdString());
    emit dataChanged(index, index);
  }
  return true;
}

Qt::ItemFlags TableContentModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (content_.At(index.row(), index.column()).editable) f |= Qt::ItemIsEditable;
  return f;
}

QWidget* TableEntryDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                          const QModelIndex& index) const {
  auto* edit = new QLineEdit(parent);
  edit->setFrame(false);
  edit->setAlignment(Qt::AlignHCenter);
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression(allowedCharacters), edit));
  if (maxLength) {
    const int n = maxLength(index.row(), index.column());
    if (n > 0) edit->setMaxLength(n);
  }
  editor_ = edit;
  return edit;
}

void TableEntryDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* edit = static_cast<QLineEdit*>(editor);
  const QString text = index.data(Qt::EditRole).toString();
  edit->setText(text);
  edit->selectAll();
  if (onBeginEdit) onBeginEdit(text);
}

void TableEntryDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
  if (editor == editor_) editor_ = nullptr;
  QStyledItemDelegate::destroyEditor(editor, index);
}

void TableEntryDelegate::CommitOpenEditor() {
  QWidget* editor = Editor();
  if (!editor) return;
  emit commitData(editor);
  emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

ContentTableView::ContentTableView(QWidget* parent) : QTableView(parent) {
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(true);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::SelectedClicked);
  setWordWrap(false);
}

void ContentTableView::ShowHeadingRows() {
  auto* m = qobject_cast<TableContentModel*>(model());
  if (!m) return;
  for (int r = 0; r < m->rowCount(); ++r) setRowHidden(r, r < m->Content().headingRows);
}

void ContentTableView::FitColumns() {
  auto* m = qobject_cast<TableContentModel*>(model());
  if (!m) return;
  const TableContent& t = m->Content();
  QFont bold = font();
  bold.setBold(true);
  const QFontMetrics fm(bold);
  for (int c = 0; c < t.ColumnCount(); ++c) {
    int w = fm.horizontalAdvance(QStringLiteral("000000"));
    for (int r = 0; r < t.RowCount(); ++r)
      w = std::max(w, fm.horizontalAdvance(QBytes(t.Text(r, c))));
    setColumnWidth(c, w + 14);
    setColumnHidden(c, t.ColumnHidden(c));
  }
}

QSize ContentTableView::SizeFor(int rows) const {
  int w = 2 * frameWidth();
  for (int c = 0; c < model()->columnCount(); ++c)
    if (!isColumnHidden(c)) w += columnWidth(c);
  const int h = 2 * frameWidth() + horizontalHeader()->sizeHint().height() +
                rows * verticalHeader()->defaultSectionSize();
  return {w, h};
}

void ContentTableView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);
  emit currentCellChanged();
}

}  // namespace vsk
