// The program's entry: the window and the message loop.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <exception>

#include "platform/console.h"
#include "platform/files.h"
#include "window/view_worker.h"
#include "window/dialogs.h"
#include "window/languages.h"
#include "window/main_form.h"
#include "window/settings_place.h"
#include "window/window_script.h"

namespace {

// No exception may cross Qt's event loop: the handlers catch their own, and this catches the rest.
class TCatchingApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
      QMessageBox::critical(activeWindow(), QStringLiteral("Extract\\Insert Tool"),
                            QString::fromStdString(eit::WithFullStop(e.what())));
    }
    return false;
  }
};

// A check's run: the script's steps once the window shows, then the program ends.
int RunScripted(const std::string& script) {
  auto dialogs = std::make_unique<eit::TScriptDialogs>(script + ".out");
  eit::TScriptDialogs& answers = *dialogs;
  eit::TMainForm form(std::move(dialogs));
  form.show();
  int status = 0;
  QTimer::singleShot(0, &form, [&] {
    // No message box may wait here for a click that never comes: a failure ends the run, noted.
    try {
      status = eit::RunWindowScript(form, answers, eit::LoadLines(script)) ? 0 : 2;
    } catch (const std::exception& e) {
      answers.Error(e.what());
      status = 1;
    }
    QCoreApplication::quit();
  });
  TCatchingApplication::exec();
  eit::TViewWorker::JoinLeftThreads();
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  eit::InstallInterruptCleanup();
  // Files given to the program (dropped on its icon, "Open with") join the list as dropped files do.
  const std::vector<std::string> arguments = eit::CommandLineArguments(argc, argv);
  TCatchingApplication application(argc, argv);
  // A settings file (or registry key) name without the title's backslash; the title is for display.
  TCatchingApplication::setApplicationName(QStringLiteral("eitool"));
  TCatchingApplication::setApplicationDisplayName(QStringLiteral("Extract\\Insert Tool"));
  TCatchingApplication::setOrganizationName(QStringLiteral("eitool"));
  eit::TakeEarlierSettings(QStringLiteral("Extract\\Insert Tool"));
  eit::LoadShippedFonts();
  eit::UseProgramFont();  // before the first window, so that every widget and dialog takes it
  eit::InstallLanguage(eit::CurrentLanguage());  // before the first window too: its words are set as it is built
  // Read by Qt, which takes the wide environment on Windows: the path may hold any letters.
  const QString script = qEnvironmentVariable("EIT_WINDOW_SCRIPT");
  if (!script.isEmpty()) return RunScripted(script.toStdString());
  eit::TMainForm form;
  form.show();
  if (!arguments.empty()) form.DropFiles(arguments);
  TCatchingApplication::exec();
  // A viewer closed during a long read returned at once; its thread ends before the program does.
  eit::TViewWorker::JoinLeftThreads();
  return 0;
}
