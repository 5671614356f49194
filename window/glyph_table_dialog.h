// "Glyph table...": a font table's 224 records, each with its glyph, editable; a sentence set with the edits as
// the game sets it; undo; saved as a new table (its texture beside it) or as a spreadsheet's file, into a folder
// the user chooses, never over the source.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/streams.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTableWidgetItem;

namespace eit {

class TDialogs;

class TGlyphTableDialog : public QDialog {
  Q_OBJECT

 public:
  // Raises, naming the file, for a table or texture that cannot be read.
  TGlyphTableDialog(const std::string& tablePath, TDialogs& dialogs, QWidget* parent = nullptr);
  ~TGlyphTableDialog() override;

  QTableWidget* Records;
  QComboBox* CodePage;
  QLineEdit* Sentence;
  QLabel *Picture, *Refusal;

  // Sets field (0 left, 1 top, 2 right, 3 bottom, 4 width, 5 height, 6 extra) of code's record; a value that
  // cannot be is refused, said in Refusal, and the record keeps its value. Returns whether it was taken.
  bool SetField(int code, int field, int value);
  // Takes back the last edit taken; false when there is none.
  bool Undo();
  const TMemoryStream& Table() const { return table_; }
  // Into a folder the user chooses: the table with its texture, or the rows as text. False when cancelled.
  bool SaveTable();
  bool SaveText();

 private:
  struct TEdit {
    int Code, Field, Old;
  };
  // Asks a folder and writes into it; says what was written, or why nothing was.
  bool SaveInto(const std::function<std::string(const std::string&)>& write);
  void Fill();
  void ShowRecord(int row);
  void Redraw();
  void CellChanged(QTableWidgetItem* item);
  void Write(int code, int field, int value);
  int Value(int code, int field) const;
  std::string tablePath_;
  TDialogs& dialogs_;
  TMemoryStream table_;
  TBitmap texture_;
  std::vector<TEdit> edits_;
  bool filling_ = false;
};

}  // namespace eit
