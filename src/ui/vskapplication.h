// The application object of the desktop program, with the application-wide error handler:
// an error that reaches the event loop is shown with its own text followed by "An error
// occurred. Please report this error to KELD", and the program goes on.
#pragma once

#include <QApplication>
#include <string>
#include <vector>

namespace vsk {

class Ui;
class Texts;

class VskApplication : public QApplication {
  Q_OBJECT
 public:
  VskApplication(int& argc, char** argv);
  void InstallErrorHandler(Ui* ui, const Texts* texts) {
    ui_ = ui;
    texts_ = texts;
  }
  bool notify(QObject* receiver, QEvent* event) override;
  // Shows an error that escaped a command.
  void ReportUnexpected(const std::string& what);

 private:
  Ui* ui_ = nullptr;
  const Texts* texts_ = nullptr;
};

// The command-line file: every argument but "--no-splash" (which clears `splash`), joined
// with single blanks so that a path with blanks needs no quotes.
std::string CommandLineFile(const std::vector<std::string>& args, bool& splash);

// The program: splash, main window, command line and event loop. Returns the exit code.
// Arguments other than "--no-splash" name the command-line file, joined with blanks.
int RunDesktopProgram(int argc, char** argv);

}  // namespace vsk
