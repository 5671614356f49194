// The viewer's list of records: a game's thousands found by part of their path, each read when chosen,
// its mark following its edited image on disk.
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <memory>

#include "window/image_viewer_dialog.h"

namespace eit {

void TImageViewerDialog::FillRecords() {
  const int chosen = CurrentRecord();
  const QString part = Filter->text().trimmed();
  {
    const QSignalBlocker quiet(Record);
    Record->clear();
    for (std::size_t k = 0; k < view_.Records.size(); ++k) {
      const QString name = QString::fromStdString(view_.Records[k].Name);
      if (part.isEmpty() || name.contains(part, Qt::CaseInsensitive)) Record->addItem(name, static_cast<int>(k));
    }
    const int again = Record->findData(chosen);
    Record->setCurrentIndex(again >= 0 ? again : (Record->count() > 0 ? 0 : -1));
  }
  const QString total = QString::fromStdString(GroupedCount(static_cast<std::int64_t>(view_.Records.size())));
  Count->setText(part.isEmpty() ? total + QStringLiteral(" records")
                                : QString::number(Record->count()) + QStringLiteral(" of ") + total + QStringLiteral(" records"));
  if (CurrentRecord() != chosen) RecordChosen();
}

int TImageViewerDialog::CurrentRecord() const {
  const QVariant data = Record->currentData();
  const int index = data.isValid() ? data.toInt() : -1;
  return index >= 0 && static_cast<std::size_t>(index) < view_.Records.size() ? index : -1;
}

void TImageViewerDialog::MarkRecord(const TViewRecord& record) {
  const QString name = QString::fromStdString(record.Name);
  const QString text = record.Edited.Findings.empty() ? name : QStringLiteral("\u26a0 ") + name;
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
  const auto kept = static_cast<TViewGround>(QSettings().value(QStringLiteral("viewerGround"), 0).toInt());
  worker_->Post([this, record, engine, k, show, kept]() -> std::function<void()> {
    LoadViewRecord(*record, engine);
    auto composed = std::make_shared<TComposed>(Compose(*record, static_cast<int>(k), show, kept));
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
  if (index < 0 || !view_.IsLog) return;
  view_.Records[static_cast<std::size_t>(index)].Loaded = false;
  RecordChosen();
}

void TImageViewerDialog::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Recheck();
}

}  // namespace eit
