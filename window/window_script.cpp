#include "window/window_script.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QThread>
#include <QLabel>
#include <cstdlib>
#include <fstream>

#include "platform/files.h"
#include "platform/paths.h"
#include "window/draw_letters_dialog.h"
#include "window/glyph_table_dialog.h"
#include "window/image_viewer_dialog.h"
#include "window/main_form.h"

namespace eit {

bool TScriptDialogs::SelectDirectory(std::string& directory) {
  directory = NextDirectory;
  return true;
}

void TScriptDialogs::Information(const std::string& text, const std::string& title) { Note(title + " " + text); }
void TScriptDialogs::Error(const std::string& text) { Note("error: " + text); }

TReplaceAnswer TScriptDialogs::AskReplaceImages(const std::string& text, bool /*canUpdate*/) {
  Note("asked: " + text);
  return TReplaceAnswer::KeepBoth;
}

bool TScriptDialogs::Confirm(const std::string& text, bool defaultYes) {
  Note("asked: " + text);
  // Each question's own default, in any language: yes to the offer of a written sheet's log, no to replacing.
  return defaultYes;
}

void TScriptDialogs::Note(const std::string& line) {
  std::vector<std::string> lines;
  if (FileExists(outPath_)) lines = LoadLines(outPath_);
  lines.push_back(line);
  SaveLines(outPath_, lines);
}

namespace {

// "draw <table>": Draw new letters for the table with the script's font and code page, the sheet written.
void Draw(TMainForm& form, TScriptDialogs& dialogs, const std::string& table) {
  TDrawLettersDialog* dialog = form.DrawLetters(table);
  if (dialog == nullptr) return;
  dialog->AddFontFile(dialogs.Font);
  dialog->CodePage->setCurrentIndex(dialog->CodePage->findData(dialogs.CodePage));
  dialogs.NextDirectory = dialogs.SheetDirectory;
  try {
    if (dialog->WriteSheetFiles().empty()) dialogs.Error("no sheet was written: " + dialog->Notes->text().toStdString());
  } catch (const std::exception& e) {
    dialogs.Error(e.what());
  }
  dialog->close();
}

// "glyphs <table>": Glyph table for the table, the width of A (0x41) one more, saved into the script's folder.
void EditGlyphTable(TMainForm& form, TScriptDialogs& dialogs, const std::string& table) {
  TGlyphTableDialog* dialog = form.GlyphTable(table);
  if (dialog == nullptr) return;
  const std::uint8_t* width = dialog->Table().Memory() + (0x41 - 0x20) * 14 + 8;
  dialog->SetField(0x41, 4, (width[0] | width[1] << 8) + 1);
  dialogs.NextDirectory = dialogs.GlyphDirectory;
  if (!dialog->SaveTable()) dialogs.Error("the glyph table was not saved");
  dialog->close();
}

// "captions": the window's captions and its list menu, a line each, in the language it speaks.
void NoteCaptions(TMainForm& form, TScriptDialogs& dialogs) {
  for (QWidget* w : form.findChildren<QWidget*>()) {
    QString text;
    if (auto* button = qobject_cast<QAbstractButton*>(w)) text = button->text();
    if (auto* group = qobject_cast<QGroupBox*>(w)) text = group->title();
    if (!text.isEmpty()) dialogs.Note("caption " + w->objectName().toStdString() + ": " + text.toStdString());
  }
  for (QAction* action : form.findChild<QListWidget*>(QStringLiteral("LogList"))->actions())
    dialogs.Note("caption " + action->objectName().toStdString() + ": " + action->text().toStdString());
  // Qt's own words, as its standard dialogs' buttons take them (Qt's translations hold them, not ours).
  const char* const context = "QPlatformTheme";
  const char* const cancel = "Cancel";
  dialogs.Note("caption Qt: " + QCoreApplication::translate(context, cancel).toStdString());
}

}  // namespace

bool RunWindowScript(TMainForm& form, TScriptDialogs& dialogs, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    const std::size_t space = line.find(' ');
    const std::string step = line.substr(0, space), value = space == std::string::npos ? "" : line.substr(space + 1);
    if (step == "add") {
      form.DropFiles({value});
    } else if (step == "process") {
      dialogs.NextDirectory = value;
      form.BProcessClick();
    } else if (step == "clear") {
      form.BClearAllClick();
    } else if (step == "png") {  // "png on", "png off": the list's menu, "Extract images as PNG"
      if (auto* png = form.findChild<QAction*>(QStringLiteral("ExtractAsPng"))) png->setChecked(value == "on");
    } else if (step == "changed") {  // "changed on", "changed off": the list's menu, "Write only edited files"
      if (auto* changed = form.findChild<QAction*>(QStringLiteral("ChangedOnly"))) changed->setChecked(value == "on");
    } else if (step == "view") {
      // The viewer on the list's first entry, each record read in turn: what it shows is noted.
      if (auto* list = form.findChild<QListWidget*>(QStringLiteral("LogList"))) list->setCurrentRow(0);
      TImageViewerDialog* viewer = form.ViewImages();
      const auto settle = [viewer] {
        for (int i = 0; i < 3000 && viewer->Loading(); ++i) {
          QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
          QThread::msleep(5);
        }
      };
      settle();
      for (int k = 0; k < std::max(1, viewer->Record->count()); ++k) {
        if (viewer->Record->count() > 0) viewer->Record->setCurrentIndex(k);
        settle();
        std::string note = "viewed: " + viewer->SourceCaption->text().toStdString();
        if (!viewer->EditedCaption->text().isEmpty()) note += " | " + viewer->EditedCaption->text().toStdString();
        if (!viewer->Findings->text().isEmpty()) note += " | " + viewer->Findings->text().toStdString();
        dialogs.Note(note);
      }
      viewer->close();
    } else if (step == "font") {
      dialogs.Font = value;
    } else if (step == "codepage") {
      dialogs.CodePage = std::atoi(value.c_str());
    } else if (step == "sheetdir") {
      dialogs.SheetDirectory = value;
    } else if (step == "draw") {
      Draw(form, dialogs, value);
    } else if (step == "glyphdir") {
      dialogs.GlyphDirectory = value;
    } else if (step == "glyphs") {  // the table's "Glyph table...": A (0x41) one pixel wider, saved
      EditGlyphTable(form, dialogs, value);
    } else if (step == "captions") {
      NoteCaptions(form, dialogs);
    } else if (!step.empty()) {
      return false;
    }
  }
  return true;
}

}  // namespace eit
