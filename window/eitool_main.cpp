// The program's entry: the window and the message loop.
#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "window/dialogs.h"
#include "window/main_form.h"
#include "platform/files.h"

namespace {

// No exception may cross Qt's event loop: the handlers catch their own, and this catches the rest.
class TApplication : public QApplication {
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
  TApplication application(argc, argv);
  TApplication::setApplicationName(QStringLiteral("Extract\\Insert Tool"));
  TApplication::setOrganizationName(QStringLiteral("eitool"));
  eit::TMainForm form;
  form.show();
  TApplication::exec();
  return 0;
}
