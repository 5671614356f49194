// "Preview font": a line of text set with a font table as the game sets it, redrawn as the user types.
#pragma once

#include <QDialog>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "formats/font_tools.h"

class QComboBox;
class QFormLayout;
class QListWidget;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace eit {

class TPreviewDialog : public QDialog {
  Q_OBJECT

 public:
  // tables: the font tables to choose from (list entries, tables an insert run rebuilt).
  TPreviewDialog(const std::vector<std::string>& tables, QWidget* parent = nullptr);
  ~TPreviewDialog() override;

  QComboBox *Table, *CodePage;
  QLineEdit *Text, *LinesFile;
  QSpinBox *Zoom, *BoxWidth;
  QLabel *Picture, *Problems;
  QListWidget* Findings;

  // Sets the line again from what the dialog shows.
  void Redraw();
  // Measures every line of the file named in LinesFile against BoxWidth (0: no box) with the table shown, as
  // fit does: the lines too wide and those with characters the font cannot show are listed; choosing one
  // sets it as the text.
  void CheckLines();

 signals:
  // "Draw new letters..." for the table shown.
  void DrawLettersAsked(const QString& table);

 private:
  struct TLoaded {
    TMemoryStream table;
    TBitmap texture;
  };
  void AddLinesCheck(QFormLayout* form);
  std::vector<std::string> findingTexts_;
  // Tables and textures read once each, so that typing costs only the drawing.
  std::map<std::string, std::unique_ptr<TLoaded>> loaded_;
};

}  // namespace eit
