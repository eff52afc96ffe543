#include "ui/vskqtui.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "core/vskglobal.h"

namespace vsk {

QString MessageText(std::string_view text) {
  QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

QStringList QtNameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      const QString upper = p.trimmed().toUpper();
      const QString lower = p.trimmed().toLower();
      if (!patterns.contains(upper)) patterns << upper;
      if (!patterns.contains(lower)) patterns << lower;
    }
    out << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  return out;
}

namespace {

QString Title() {
  return QApplication::applicationName();
}

}  // namespace

void QtUi::error(std::string_view text) {
  QMessageBox::critical(parent_, Title(), MessageText(text));
}

void QtUi::warning(std::string_view text) {
  QMessageBox::warning(parent_, Title(), MessageText(text));
}

void QtUi::information(std::string_view text) {
  QMessageBox::information(parent_, Title(), MessageText(text));
}

void QtUi::message(std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, Title(), MessageText(text), QMessageBox::Ok, parent_);
  box.exec();
}

Answer QtUi::ask(AskKind kind, std::string_view text, Buttons buttons) {
  QMessageBox::Icon icon = QMessageBox::Warning;
  switch (kind) {
    case AskKind::Warning:
      icon = QMessageBox::Warning;
      break;
    case AskKind::Confirmation:
      icon = QMessageBox::Question;
      break;
    case AskKind::Information:
      icon = QMessageBox::Information;
      break;
    case AskKind::Error:
      icon = QMessageBox::Critical;
      break;
  }
  QMessageBox::StandardButtons set = QMessageBox::Ok;
  switch (buttons) {
    case Buttons::Ok:
      set = QMessageBox::Ok;
      break;
    case Buttons::YesNo:
      set = QMessageBox::Yes | QMessageBox::No;
      break;
    case Buttons::YesNoCancel:
      set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
      break;
    case Buttons::OkCancel:
      set = QMessageBox::Ok | QMessageBox::Cancel;
      break;
  }
  QMessageBox box(icon, Title(), MessageText(text), set, parent_);
  switch (box.exec()) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

std::optional<FileDialogResult> QtUi::RunDialog(const FileDialogRequest& request, bool save) {
  QFileDialog dialog(parent_, QString::fromStdString(request.title),
                     QString::fromStdString(request.initialDir));
  const QStringList filters = QtNameFilters(request.filter);
  dialog.setNameFilters(filters);
  if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
    dialog.selectNameFilter(filters[request.filterIndex - 1]);
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The caller asks about replacing a file and checks the extension itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.proposedName.empty())
      dialog.selectFile(QString::fromStdString(request.proposedName));
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  FileDialogResult result;
  result.path = dialog.selectedFiles().front().toStdString();
  result.filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
  if (result.filterIndex < 1) result.filterIndex = request.filterIndex;
  return result;
}

std::optional<FileDialogResult> QtUi::openFileDialog(const FileDialogRequest& request) {
  return RunDialog(request, false);
}

std::optional<FileDialogResult> QtUi::saveFileDialog(const FileDialogRequest& request) {
  return RunDialog(request, true);
}

}  // namespace vsk
