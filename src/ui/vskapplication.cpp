#include "ui/vskapplication.h"

#include <QScreen>
#include <QSplashScreen>
#include <QTimer>
#include <clocale>
#include <exception>
#include <filesystem>
#include <memory>

#include "core/vskmessages.h"
#include "core/vskui.h"
#include "core/vskworkspace.h"
#include "ui/vskdialogs.h"
#include "ui/vskmain.h"
#include "ui/vskqtext.h"
#include "ui/vskqtui.h"

namespace vsk {

VskApplication::VskApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void VskApplication::ReportUnexpected(const std::string& what) {
  if (!ui_ || !texts_) return;
  ui_->error(what + "\r" + std::string((*texts_)(Msg::UnexpectedError)));
}

bool VskApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    ReportUnexpected(e.what());
  } catch (...) {
    ReportUnexpected("");
  }
  return false;
}

std::string CommandLineFile(const std::vector<std::string>& args, bool& splash) {
  std::string path;
  for (const std::string& arg : args) {
    if (arg == "--no-splash") {
      splash = false;
      continue;
    }
    if (!path.empty()) path += ' ';
    path += arg;
  }
  return path;
}

int RunDesktopProgram(int argc, char** argv) {
  VskApplication app(argc, argv);
  // QApplication takes the number format from the environment: files and number text always
  // use ".".
  std::setlocale(LC_NUMERIC, "C");
  bool splash = true;
  std::string commandLine =
      CommandLineFile(std::vector<std::string>(argv + 1, argv + argc), splash);
  // Data file names are kept with their folder (sessions store them), so a name relative to
  // the working folder is made whole.
  if (!commandLine.empty()) {
    std::error_code ec;
    const auto whole = std::filesystem::absolute(commandLine, ec);
    if (!ec) commandLine = whole.lexically_normal().string();
  }
  QtUi ui;
  Workspace ws(ui);
  QApplication::setApplicationName(QText(ws, Msg::GuiAppTitle));

  std::unique_ptr<QSplashScreen> splashWindow;
  if (splash) {
    splashWindow = std::make_unique<QSplashScreen>(SplashPicture(ws), Qt::WindowStaysOnTopHint);
    splashWindow->show();
    app.processEvents();
  }
  TMainForm main(ws, commandLine);
  ui.SetParent(&main);
  if (splashWindow) {
    // The splash stays about four seconds; the event loop runs meanwhile.
    QTimer::singleShot(4000, &main, [&] {
      splashWindow->close();
      main.show();
    });
  } else {
    main.show();
  }
  return app.exec();
}

}  // namespace vsk
