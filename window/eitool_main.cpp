// The program's entry: the window and the message loop.
#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "window/dialogs.h"
#include "window/main_form.h"
#include "platform/files.h"

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

}  // namespace

int main(int argc, char** argv) {
  eit::InstallInterruptCleanup();
  TCatchingApplication application(argc, argv);
  TCatchingApplication::setApplicationName(QStringLiteral("Extract\\Insert Tool"));
  TCatchingApplication::setOrganizationName(QStringLiteral("eitool"));
  eit::TMainForm form;
  form.show();
  TCatchingApplication::exec();
  return 0;
}
