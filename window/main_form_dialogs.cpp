// The dialogs the main window opens: font preview, About, the viewer, "Draw new letters", "Glyph table".
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QListWidget>
#include <algorithm>

#include "formats/font_tools.h"
#include "platform/paths.h"
#include "window/about_dialog.h"
#include "window/draw_letters_dialog.h"
#include "window/glyph_table_dialog.h"
#include "window/image_viewer_dialog.h"
#include "window/main_form.h"
#include "window/preview_dialog.h"
#include "window/viewer_placement.h"

namespace eit {

std::vector<std::string> TMainForm::FontTables() const {
  std::vector<std::string> tables;
  auto add = [&](const std::string& path) {
    if (ExtractFileExtLower(path) == ".tdt" && std::find(tables.begin(), tables.end(), path) == tables.end())
      tables.push_back(path);
  };
  for (QListWidgetItem* item : LogList->selectedItems()) add(item->text().toStdString());
  for (const auto& [line, path] : resultPaths_) add(path);
  for (int i = 0; i < LogList->count(); ++i) add(LogList->item(i)->text().toStdString());
  return tables;
}

TPreviewDialog* TMainForm::PreviewFont() {
  const std::vector<std::string> tables = FontTables();
  if (tables.empty()) {
    dialogs_->Error(tr("Select a font table (.tdt) in the list, or insert one, to preview it.").toStdString());
    return nullptr;
  }
  auto* dialog = new TPreviewDialog(tables, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &TPreviewDialog::DrawLettersAsked, this,
          [this](const QString& table) { DrawLetters(table.toStdString()); });
  dialog->show();
  return dialog;
}

TAboutDialog* TMainForm::About() {
  auto* dialog = new TAboutDialog(PackWithZlib->isChecked() ? TPackEngine::Zlib : TPackEngine::Fastest, *dialogs_, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->show();
  return dialog;
}

TImageViewerDialog* TMainForm::ViewImages() {
  if (viewer_ == nullptr) {
    viewer_ = new TImageViewerDialog(PackWithZlib->isChecked() ? TPackEngine::Zlib : TPackEngine::Fastest, this);
    connect(viewer_, &TImageViewerDialog::GlyphTableAsked, this, [this](const QString& t) { GlyphTable(t.toStdString()); });
    // Where the user left it, else beside the window (which keeps its size), always on a screen.
    QVector<QRect> screens;
    for (const QScreen* s : QGuiApplication::screens()) screens << s->availableGeometry();
    QRect frame = PlaceWhereLeft(QSettings().value(QStringLiteral("viewerGeometry")).toRect(), screens);
    if (frame.isEmpty() && screen() != nullptr)
      frame = PlaceBeside(frameGeometry(), viewer_->size(), screen()->availableGeometry());
    if (!frame.isEmpty()) viewer_->setGeometry(frame);
  }
  viewer_->show();
  viewer_->raise();
  const int row = LogList->currentRow();
  if (row >= 0)
    viewer_->ShowEntry(EntryAt(row));
  else if (LogList->count() > 0)
    LogList->setCurrentRow(0);  // shown through the selection's signal
  return viewer_;
}

TGlyphTableDialog* TMainForm::GlyphTable(const std::string& table) {
  std::vector<std::string> tables = FontTables();
  if (!table.empty()) tables.insert(tables.begin(), table);
  if (tables.empty()) {
    dialogs_->Error(tr("Select a font table (.tdt) in the list, or add one, to see its glyph table.").toStdString());
    return nullptr;
  }
  TGlyphTableDialog* dialog = nullptr;
  Guarded([&] { dialog = new TGlyphTableDialog(tables.front(), *dialogs_, this); });
  if (dialog == nullptr) return nullptr;
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->show();
  return dialog;
}

TDrawLettersDialog* TMainForm::DrawLetters(const std::string& table) {
  std::vector<std::string> tables = FontTables();
  if (!table.empty()) {
    std::erase(tables, table);
    tables.insert(tables.begin(), table);
  }
  if (tables.empty()) {
    dialogs_->Error(tr("Select a font table (.tdt) in the list, or add one, to draw new letters into it.").toStdString());
    return nullptr;
  }
  // The fonts shipped beside the program, then the system's.
  std::vector<std::string> folders = {JoinPath(QCoreApplication::applicationDirPath().toStdString(), "fonts")};
  for (const std::string& f : SystemFontFolders()) folders.push_back(f);
  auto* dialog = new TDrawLettersDialog(tables, folders, *dialogs_, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &TDrawLettersDialog::LogWritten, this, [this](const QString& log) {
    Guarded([&] { AddFiles(TJobKind::ReplayLog, {log.toStdString()}); });
  });
  dialog->show();
  return dialog;
}

}  // namespace eit
