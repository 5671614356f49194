// "View": the picture of the list's selected entry, beside the window, following the selection. A texture
// with its size, bit depth and form; a font table's glyph sheet with its cells and codes; a log's records,
// each texture beside its edited image with what the insert's checks find drawn on it. Files are read on a
// worker thread: a large texture never holds up the window.
#pragma once

#include <QDialog>
#include <QFileSystemWatcher>
#include <QImage>
#include <atomic>
#include <set>
#include <vector>
#include <functional>
#include <memory>

#include "engine/image_view.h"
#include "window/view_worker.h"

class QComboBox;
class QPushButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QLayout;

namespace eit {

// A picture drawn at a whole zoom (or shrunk by a whole factor), pixels kept square and sharp; only the
// part in view is drawn, so a 4096 x 4096 texture at 8 x costs no more than a small one.
class TPictureView : public QWidget {
 public:
  explicit TPictureView(QWidget* parent = nullptr);
  // zoom > 0: that many screen pixels a pixel; zoom < 0: one screen pixel for -zoom pixels.
  void SetPicture(const QImage& picture, int zoom);
  const QImage& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  int zoom_ = 1;
};

class TImageViewerDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TImageViewerDialog(TPackEngine engine, QWidget* parent = nullptr);
  ~TImageViewerDialog() override;

  // Shows the entry once it is read (on the worker); a later call before then replaces it. A log's records
  // are read one at a time, as they are chosen.
  void ShowEntry(const TJobEntry& entry);
  // Reads the chosen record again (its edited image changed, or the window came back to the front).
  void Recheck();
  // An alpha or background choice: the chosen record drawn again, off the window's thread.
  void Redraw();
  // True while an entry or record asked for is being read.
  bool Loading() const { return worker_->Busy(); }
  // What is shown, for the front end's tests: the view read, and each picture as drawn (findings and
  // cells on it) at zoom 1.
  const TEntryView& View() const { return view_; }
  QImage SourceImage() const;
  QImage EditedImage() const;
  const TPictureView* SourceView() const { return source_; }

  QComboBox *Record, *Zoom, *Alpha, *Ground;
  QLineEdit* Filter;  // part of a path: the records whose names hold it are listed
  QCheckBox* OnlyProblems;  // only the records whose edit the insert would find wrong
  QLabel* Count;      // "12 of 5,050 records"
  QPushButton* GlyphTableButton;  // "Glyph table..." of the font shown

 signals:
  // "Glyph table..." for the font table shown.
  void GlyphTableAsked(const QString& table);

 protected:
  // Where the user leaves it, it opens next time.
  void hideEvent(QHideEvent* event) override;
  // Back at the front, the chosen record is read again: its image may have been edited meanwhile.
  void changeEvent(QEvent* event) override;

 public:
  QLabel *Title, *SourceCaption, *EditedCaption, *Findings;

 private:
  // A record's pictures as drawn, made on the worker with it, so that a large texture is never composed on
  // the window's thread when it is first shown.
  struct TComposed {
    int Record = -1;
    TAlphaShow Show = TAlphaShow::Checkerboard;
    TViewGround Ground = TViewGround::LightCheckers;
    QImage Source, Edited;
    bool TooLarge = false;
  };
  // Draws record on the worker as ShowRecord would with these choices: on ground, or (contrast) a font on its
  // contrasting ground.
  static TComposed Compose(const TViewRecord& record, int index, TAlphaShow show, TViewGround ground, bool contrast);
  void TakeView(TEntryView view, TComposed composed);
  void RecordChosen();
  void ShowRecord();
  // The records list: those whose names hold the filter's text (each item's data its record's index), the
  // current one kept when it still is; the count of them.
  void FillRecords();
  int CurrentRecord() const;  // the chosen record's index, or -1
  // A record found wrong is marked in the list once read; one that is right again, not.
  void MarkRecord(const TViewRecord& record);

  void ChooseGround(const TViewRecord& record);
  QLayout* BuildControls();
  QWidget* PictureSide(TPictureView*& view, QLabel*& caption);

  TPackEngine engine_;
  TPictureView *source_, *edited_;
  QWidget* editedSide_;
  TEntryView view_;
  // What the pictures shown were drawn from.
  const TViewRecord* drawnRecord_ = nullptr;
  TAlphaShow drawnShow_ = TAlphaShow::Checkerboard;
  TViewGround drawnGround_ = TViewGround::LightCheckers;

  QFileSystemWatcher watcher_;  // the chosen record's edited image
  // Which records the insert would find wrong, checked on a worker of its own when first asked for; empty
  // until then. A new entry cancels a check under way.
  std::vector<char> problems_;
  std::set<std::size_t> marked_;  // records shown with findings: their mark stays while the list is narrowed
  std::shared_ptr<std::atomic<bool>> cancelCheck_;
  std::unique_ptr<TViewWorker> checker_;
  void CheckRecords();
  TComposed composed_;
  int groundChosenFor_ = -1;  // the record the background was chosen for: read again, it keeps the user's
  std::unique_ptr<TViewWorker> worker_;  // last: stopped before what its results touch goes
};

// The picture as the viewer shows it: composed for the alpha choice, findings framed and written in red,
// a sheet's cells outlined with their codes.
QImage DrawViewPicture(const TViewPicture& picture, TAlphaShow show, TViewGround ground = TViewGround::LightCheckers);

}  // namespace eit
