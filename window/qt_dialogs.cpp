#include "window/qt_dialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QUrl>
#include <QTreeView>
#include <QVBoxLayout>

namespace eit {

namespace {

// The open dialog's filters, in the order of its filter index (1 to 4).
QStringList SelectLogFilters() {
  return {QCoreApplication::translate("eit::TQtDialogs", "Compressed Images (*.dds)"), QCoreApplication::translate("eit::TQtDialogs", "Table Definition (*.tdt)"),
          QCoreApplication::translate("eit::TQtDialogs", "Project list files (*.lst)"), QCoreApplication::translate("eit::TQtDialogs", "Log files (*.log)")};
}
const QString kTitle = QStringLiteral("Extract\\Insert Tool");

// Where the user last was in a file dialog or the chooser, across restarts.
QString Remembered(const QString& key) {
  const QString dir = QSettings().value(key).toString();
  return !dir.isEmpty() && QDir(dir).exists() ? dir : QString();
}
void Remember(const QString& key, const QString& directory) { QSettings().setValue(key, directory); }
// A dialog's result: the folder of what was chosen, however the user got there (clicked, typed, pasted).
void RememberChoice(const QString& key, const QStringList& chosen, const QString& shown) {
  Remember(key, FolderOfChoice(chosen, shown));
}
const QString kFilesKey = QStringLiteral("lastFileDirectory");
const QString kTargetKey = QStringLiteral("lastTargetDirectory");

std::optional<std::string> SaveFile(QWidget* owner, const QString& title, const QString& filter,
                                    const QString& suffix) {
  QFileDialog dialog(owner, title, Remembered(kFilesKey), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffix);
  dialog.setFileMode(QFileDialog::AnyFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  RememberChoice(kFilesKey, dialog.selectedFiles(), dialog.directory().absolutePath());
  return QDir::toNativeSeparators(dialog.selectedFiles().first()).toStdString();
}

// "Select Directory": browse drives and directories or type a name.
class TDirectoryChooser : public QDialog {
 public:
  TDirectoryChooser(QWidget* owner, const QString& start) : QDialog(owner) {
    setWindowTitle(QCoreApplication::translate("eit::TQtDialogs", "Select Directory"));
    resize(420, 360);
    model_.setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_.setRootPath(QString());
    tree_.setModel(&model_);
    for (int column = 1; column < model_.columnCount(); ++column) tree_.hideColumn(column);
    tree_.header()->hide();
    // The model reads folders in the background: the start folder can be shown once its parent is read.
    connect(&model_, &QFileSystemModel::directoryLoaded, this, [this, start](const QString& loaded) {
      if (!startShown_ && QDir(loaded) == QFileInfo(start).dir()) ShowStart(start);
    });
    ShowStart(start);
    name_.setText(QDir::toNativeSeparators(start));
    name_.selectAll();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QCoreApplication::translate("eit::TQtDialogs", "Directory name:"), this));
    layout->addWidget(&name_);
    layout->addWidget(&tree_);
    layout->addWidget(buttons);
    connect(&tree_, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { name_.setText(QDir::toNativeSeparators(model_.filePath(index))); });
    connect(buttons, &QDialogButtonBox::accepted, this, &TDirectoryChooser::Confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  }
  std::string Name() const { return name_.text().trimmed().toStdString(); }

 private:
  void Confirm() {
    const std::string name = Name();
    const bool ok = ConfirmDirectoryChoice(name, QDir(QString::fromStdString(name)).exists(), [this] {
      return QMessageBox::question(this, QCoreApplication::translate("eit::TQtDialogs", "Confirm"),
                                   QCoreApplication::translate("eit::TQtDialogs", "The specified directory does not exist. Create it?"),
                                   QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    });
    if (ok) accept();
  }
  void showEvent(QShowEvent* event) override {
    QDialog::showEvent(event);
    name_.setFocus();  // typing a name is the quickest way, and it replaces the one shown
  }
  void ShowStart(const QString& start) {
    const QModelIndex index = model_.index(start);
    if (!index.isValid()) return;
    tree_.setCurrentIndex(index);
    tree_.scrollTo(index);  // which expands the folders above it
    startShown_ = index.parent().isValid() && model_.rowCount(index.parent()) > 0;
  }
  QFileSystemModel model_;
  QTreeView tree_;
  QLineEdit name_;
  bool startShown_ = false;
};

}  // namespace

QString FolderOfChoice(const QStringList& chosen, const QString& shown) {
  if (chosen.isEmpty()) return shown;
  const QFileInfo first(chosen.first());
  return first.isDir() ? first.absoluteFilePath() : first.absolutePath();
}

std::optional<std::vector<std::string>> TQtDialogs::SelectLog(int& filterIndex) {
  QFileDialog dialog(owner_, QCoreApplication::translate("eit::TQtDialogs", "Select file..."));
  const QStringList filters = SelectLogFilters();
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(filters.value(filterIndex - 1, filters.first()));
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setOption(QFileDialog::ReadOnly, false);
  if (!Remembered(kFilesKey).isEmpty()) dialog.setDirectory(Remembered(kFilesKey));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  RememberChoice(kFilesKey, dialog.selectedFiles(), dialog.directory().absolutePath());
  filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
  if (filterIndex < 1) filterIndex = 1;
  std::vector<std::string> files;
  for (const QString& f : dialog.selectedFiles()) files.push_back(QDir::toNativeSeparators(f).toStdString());
  return files;
}

std::optional<std::string> TQtDialogs::SelectFontFile() {
  const QString file = QFileDialog::getOpenFileName(owner_, QCoreApplication::translate("eit::TQtDialogs", "Choose a font"), QString(),
                                                    QCoreApplication::translate("eit::TQtDialogs", "Fonts (*.ttf *.otf *.ttc *.otc);;All files (*)"));
  if (file.isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(file).toStdString();
}

std::optional<std::string> TQtDialogs::SelectGameFolder() {
  const QString folder = QFileDialog::getExistingDirectory(owner_, QCoreApplication::translate("eit::TQtDialogs", "Add folder"), Remembered(kFilesKey));
  if (folder.isEmpty()) return std::nullopt;
  Remember(kFilesKey, QFileInfo(folder).absolutePath());  // the game folder's own folder: the next game beside it
  return QDir::toNativeSeparators(folder).toStdString();
}

std::optional<std::string> TQtDialogs::SaveLST() {
  return SaveFile(owner_, QCoreApplication::translate("eit::TQtDialogs", "Select file..."), QCoreApplication::translate("eit::TQtDialogs", "Project list files (*.lst)"),
                  QStringLiteral("lst"));
}

std::optional<std::string> TQtDialogs::SaveRes() {
  return SaveFile(owner_, QCoreApplication::translate("eit::TQtDialogs", "Select target..."), QCoreApplication::translate("eit::TQtDialogs", "Text files (*.txt)"),
                  QStringLiteral("txt"));
}

bool TQtDialogs::SelectDirectory(std::string& directory) {
  const QString last = Remembered(kTargetKey);
  TDirectoryChooser chooser(owner_, last.isEmpty() ? QString::fromStdString(directory) : last);
  if (chooser.exec() != QDialog::Accepted) return false;
  directory = chooser.Name();
  if (!directory.empty()) Remember(kTargetKey, QDir(QString::fromStdString(directory)).absolutePath());
  return true;
}

void TQtDialogs::OpenPath(const std::string& path) {
  if (QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)))) return;
  // Qt only prints its reason to standard error, which a window user never sees.
#ifdef Q_OS_WIN
  Error(QCoreApplication::translate("eit::TQtDialogs", "Cannot open %1: no program is set up to open it.").arg(QString::fromStdString(path)).toStdString());
#else
  Error(QCoreApplication::translate("eit::TQtDialogs", "Cannot open %1: the desktop has no program to open it (the package xdg-utils opens files).")
            .arg(QString::fromStdString(path))
            .toStdString());
#endif
}

void TQtDialogs::Information(const std::string& text, const std::string& title) {
  QMessageBox box(QMessageBox::Information, QString::fromStdString(title), QString::fromStdString(text),
                  QMessageBox::Ok, owner_);
  // A short message makes a narrow box, whose title bar would cut its title (and the program's name the
  // desktop adds to it): the box is made as wide as the title with its bar's buttons.
  const QString shown = box.windowTitle() + QStringLiteral(" \u2014 ") + QGuiApplication::applicationDisplayName();
  const int wide = box.fontMetrics().horizontalAdvance(shown) + 120;
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(new QSpacerItem(wide, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
  box.exec();
}

void TQtDialogs::Error(const std::string& text) {
  QMessageBox::critical(owner_, kTitle, QString::fromStdString(text));
}

TReplaceAnswer TQtDialogs::AskReplaceImages(const std::string& text, bool canUpdate) {
  const QString question =
      canUpdate ? QCoreApplication::translate("eit::TQtDialogs", "Replace them? (Update extracts only what the game changed since, never over an edited image)")
                : QCoreApplication::translate("eit::TQtDialogs", "Replace them?");
  QMessageBox box(QMessageBox::Question, kTitle, QString::fromStdString(text) + QStringLiteral(". ") + question,
                  QMessageBox::NoButton, owner_);
  QPushButton* replace = box.addButton(QCoreApplication::translate("eit::TQtDialogs", "Replace"), QMessageBox::DestructiveRole);
  QPushButton* keep = box.addButton(QCoreApplication::translate("eit::TQtDialogs", "Keep both"), QMessageBox::AcceptRole);
  QPushButton* renew = canUpdate ? box.addButton(QCoreApplication::translate("eit::TQtDialogs", "Update"), QMessageBox::AcceptRole) : nullptr;
  box.addButton(QMessageBox::Cancel);
  box.setDefaultButton(keep);  // the answer that loses nothing
  box.exec();
  if (box.clickedButton() == replace) return TReplaceAnswer::Replace;
  if (box.clickedButton() == keep) return TReplaceAnswer::KeepBoth;
  if (renew != nullptr && box.clickedButton() == renew) return TReplaceAnswer::Update;
  return TReplaceAnswer::Cancel;
}

bool TQtDialogs::Confirm(const std::string& text, bool defaultYes) {
  return QMessageBox::question(owner_, kTitle, QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                               defaultYes ? QMessageBox::Yes : QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace eit
