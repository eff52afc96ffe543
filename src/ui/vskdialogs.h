// The welcome window (with its "do not show" flag) and the about window.
#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
class QTabWidget;

namespace vsk {

struct Workspace;

class TWelcomeForm : public QDialog {
  Q_OBJECT
 public:
  TWelcomeForm(Workspace& ws, QWidget* parent = nullptr);
  QCheckBox* NoShowBox() const { return noShow_; }
  QPushButton* OkButton() const { return ok_; }

 private:
  // OK: stores the flag and writes the two welcome flags to the settings file at once.
  void OkClicked();

  Workspace& ws_;
  QCheckBox* noShow_;
  QPushButton* ok_;
};

class TAboutForm : public QDialog {
  Q_OBJECT
 public:
  TAboutForm(Workspace& ws, QWidget* parent = nullptr);
  QTabWidget* Pages() const { return pages_; }

 private:
  QTabWidget* pages_;
};

// The start-up picture: drawn, not read from a file.
QPixmap SplashPicture(const Workspace& ws);

}  // namespace vsk
