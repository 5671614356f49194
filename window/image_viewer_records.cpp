// The viewer's list of records: a game's thousands found by part of their path, each read when chosen,
// its mark following its edited image on disk.
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <algorithm>
#include <memory>

#include "window/counted.h"
#include "window/image_viewer_dialog.h"

namespace eit {

void TImageViewerDialog::FillRecords() {
  const int chosen = CurrentRecord();
  const QString part = Filter->text().trimmed();
  const bool onlyProblems = OnlyProblems->isChecked() && view_.IsLog;
  const bool checked = problems_.size() == view_.Records.size();
  if (onlyProblems && !checked) CheckRecords();
  {
    const QSignalBlocker quiet(Record);
    Record->clear();
    for (std::size_t k = 0; k < view_.Records.size(); ++k) {
      const QString name = QString::fromStdString(view_.Records[k].Name);
      if (onlyProblems && (!checked || problems_[k] == 0)) continue;
      if (part.isEmpty() || name.contains(part, Qt::CaseInsensitive))
        Record->addItem(marked_.count(k) != 0 ? QStringLiteral("\u26a0 ") + name : name, static_cast<int>(k));
    }
    const int again = Record->findData(chosen);
    Record->setCurrentIndex(again >= 0 ? again : (Record->count() > 0 ? 0 : -1));
  }
  const auto n = static_cast<std::int64_t>(view_.Records.size());
  // As wide as its widest text for this list, so that the row does not move as the count changes.
  const auto counted = [n](const char* text) { return Counted("eit::TImageViewerDialog", text, n); };
  Count->setMinimumWidth(std::max(
      Count->fontMetrics().horizontalAdvance(counted(QT_TRANSLATE_N_NOOP("eit::TImageViewerDialog", "checking %Ln record(s)..."))),
      Count->fontMetrics().horizontalAdvance(
          counted(QT_TRANSLATE_N_NOOP("eit::TImageViewerDialog", "%1 of %Ln record(s)")).arg(Number(n)))));
  if (onlyProblems && !checked)
    Count->setText(counted(QT_TRANSLATE_N_NOOP("eit::TImageViewerDialog", "checking %Ln record(s)...")));
  else if (part.isEmpty() && !onlyProblems)
    Count->setText(counted(QT_TRANSLATE_N_NOOP("eit::TImageViewerDialog", "%Ln record(s)")));
  else
    Count->setText(counted(QT_TRANSLATE_N_NOOP("eit::TImageViewerDialog", "%1 of %Ln record(s)"))
                       .arg(Number(Record->count())));
  if (CurrentRecord() != chosen) RecordChosen();
}

void TImageViewerDialog::CheckRecords() {
  if (cancelCheck_) return;  // under way
  cancelCheck_ = std::make_shared<std::atomic<bool>>(false);
  // What the records name, for the checker; their pictures stay with the viewer.
  auto records = std::make_shared<std::vector<TViewRecord>>();
  for (const TViewRecord& r : view_.Records) {
    records->emplace_back();
    records->back().Format = r.Format, records->back().Record = r.Record, records->back().Plain = r.Plain;
  }
  const TPackEngine engine = engine_;
  checker_->Post([this, records, engine, cancel = cancelCheck_]() -> std::function<void()> {
    std::vector<char> problems(records->size(), 0);
    for (std::size_t k = 0; k < records->size(); ++k) {
      if (*cancel) return [] {};
      problems[k] = RecordProblems((*records)[k], engine).empty() ? 0 : 1;
    }
    return [this, problems = std::move(problems), cancel]() mutable {
      if (*cancel || problems.size() != view_.Records.size()) return;
      problems_ = std::move(problems);
      cancelCheck_.reset();
      FillRecords();
    };
  });
}

int TImageViewerDialog::CurrentRecord() const {
  const QVariant data = Record->currentData();
  const int index = data.isValid() ? data.toInt() : -1;
  return index >= 0 && static_cast<std::size_t>(index) < view_.Records.size() ? index : -1;
}

void TImageViewerDialog::MarkRecord(const TViewRecord& record) {
  const QString name = QString::fromStdString(record.Name);
  const QString text = record.Edited.Findings.empty() ? name : QStringLiteral("\u26a0 ") + name;
  const auto index = static_cast<std::size_t>(&record - view_.Records.data());
  if (index < view_.Records.size()) {
    if (record.Edited.Findings.empty()) marked_.erase(index);
    else marked_.insert(index);
  }
  if (Record->currentText() != text) Record->setItemText(Record->currentIndex(), text);
}

void TImageViewerDialog::RecordChosen() {
  const int index = CurrentRecord();
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  if (index < 0) return ShowRecord();
  const auto k = static_cast<std::size_t>(index);
  // One record's pictures in memory at a time.
  for (std::size_t other = 0; other < view_.Records.size(); ++other)
    if (other != k && view_.Records.size() > 1 && view_.Records[other].Loaded) {
      view_.Records[other].Source = {};
      view_.Records[other].Edited = {};
      view_.Records[other].Loaded = false;
    }
  if (view_.IsLog && !view_.Records[k].Record.ImagePath.empty())
    watcher_.addPath(QString::fromStdString(view_.Records[k].Record.ImagePath));
  drawnRecord_ = nullptr;
  ShowRecord();
  if (view_.Records[k].Loaded) return;
  // What the record names (it holds no pictures yet).
  auto record = std::make_shared<TViewRecord>();
  record->Name = view_.Records[k].Name;
  record->Format = view_.Records[k].Format;
  record->Record = view_.Records[k].Record;
  record->Plain = view_.Records[k].Plain;
  const TPackEngine engine = engine_;
  const auto show = static_cast<TAlphaShow>(Alpha->currentData().toInt());
  // The same record read again keeps the background shown; another takes the kept one (a font its own).
  const bool same = index == groundChosenFor_;
  const auto ground = static_cast<TViewGround>(
      same ? Ground->currentData().toInt() : QSettings().value(QStringLiteral("viewerGround"), 0).toInt());
  worker_->Post([this, record, engine, k, show, ground, same]() -> std::function<void()> {
    LoadViewRecord(*record, engine);
    auto composed = std::make_shared<TComposed>(Compose(*record, static_cast<int>(k), show, ground, !same));
    return [this, record, composed, k] {
      if (k >= view_.Records.size()) return;
      view_.Records[k] = std::move(*record);
      composed_ = std::move(*composed);
      drawnRecord_ = nullptr;
      ShowRecord();
    };
  });
}

void TImageViewerDialog::Recheck() {
  const int index = CurrentRecord();
  if (index < 0) return;
  view_.Records[static_cast<std::size_t>(index)].Loaded = false;
  RecordChosen();
}

void TImageViewerDialog::Redraw() {
  // Read and drawn again on the worker with the new choice: a large texture never stalls the window.
  const int index = CurrentRecord();
  if (index >= 0 && view_.Records[static_cast<std::size_t>(index)].Loaded) return Recheck();
  ShowRecord();
}

void TImageViewerDialog::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && view_.IsLog) Recheck();
}

}  // namespace eit
