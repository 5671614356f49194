// "Draw new letters": a code page's letters drawn from a font into a game font, seen before anything is
// written (the letters as drawn, a sentence as the game will show it, everything the sheet command would
// say), then written as the sheet command writes them.
#pragma once

#include <QDialog>
#include <QTimer>
#include <set>
#include <string>
#include <vector>

#include "engine/font_tool_files.h"
#include "window/dialogs.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;

namespace eit {

class TDrawLettersDialog : public QDialog {
  Q_OBJECT

 public:
  // tables: the game font tables to choose from; fontFolders: where to look for outline fonts.
  TDrawLettersDialog(const std::vector<std::string>& tables, const std::vector<std::string>& fontFolders,
                     TDialogs& dialogs, QWidget* parent = nullptr);
  ~TDrawLettersDialog() override;

  QComboBox *Table, *Font, *CodePage, *Drawing;
  QSpinBox *FirstCode, *CapHeight;  // CapHeight 0: as tall as the kept capitals
  QLineEdit* Sentence;
  QPushButton *Browse, *WriteSheet;
  QCheckBox* WithTable;
  QLabel *Letters, *Preview, *Notes;

  // A font file's faces put in the font list (Browse... does this), the first one chosen.
  void AddFontFile(const std::string& path);
  // Draws again from the choices; the window shows the result.
  void Redraw();
  // A change of choice draws once the events already waiting are handled, so that quick changes draw only
  // the latest; Settle draws now what is waiting.
  void RedrawSoon();
  void Settle();
  const TLetterDraft& Draft() const { return draft_; }
  // "Write sheet": the folder asked for, replacing asked about; the log written, or empty when cancelled.
  std::string WriteSheetFiles();
  TSheetOptions Options() const;

 protected:
  void showEvent(QShowEvent* event) override;

 signals:
  // A sheet and its log were written, and the user wants the log in the job list.
  void LogWritten(const QString& log);

 private:
  void BuildChoices(const std::vector<std::string>& tables);
  void BuildLayout();
  void Connect();
  void ListFonts(int codePage);
  int PreferredFont(int codePage) const;
  void FitLetters();
  void ShowLetters();
  void ShowSentence();
  void ShowNotes();

  TDialogs& dialogs_;
  std::vector<TFontChoice> fonts_;
  std::string lastFolder_;
  TLetterDraft draft_;
  struct TLoaded;
  std::unique_ptr<TLoaded> loaded_;
  std::set<std::size_t> notOutline_;  // fonts_ entries FreeType draws no outlines from
  bool sentenceTyped_ = false;
  QTimer redrawLater_;
  QScrollArea* lettersScroll_ = nullptr;
  bool fitted_ = false;  // sized to the letters at the first show
};

}  // namespace eit
