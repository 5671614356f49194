// What the engine shows through the window while it runs: the current file, the bars, the count, the results.
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTextBlock>
#include <QTextEdit>
#include <algorithm>

#include "window/counted.h"
#include "window/main_form.h"
#include "window/result_words.h"

namespace eit {

void TMainForm::ShowProcessing(const std::string& file) {
  CurrentMessage->setText(file.empty() ? QString() : tr("Processing %1...").arg(QString::fromStdString(file)));
  CurrentMessage->adjustSize();
}
void TMainForm::ShowWaiting(const std::string& folder) {
  CurrentMessage->setText(tr("Waiting for another run into %1 to finish...").arg(QString::fromStdString(folder)));
  CurrentMessage->adjustSize();
}
void TMainForm::SetProgress(int position) { Progress->setValue(position); }
void TMainForm::SetTotal(int position) { Total->setValue(position); }
void TMainForm::SetExtracted(std::int64_t files) {
  Extracted->setText(tr("Extracted: %1").arg(Number(files)));
  // At least its 57 pixels; wider when the font the system offers needs it.
  Extracted->resize(std::max(57, Extracted->sizeHint().width()), 13);
}
void TMainForm::AddResult(const TResultLine& line) {
  Results->append(TResultWords::Line(line).toHtmlEscaped());
  // A written file opens on a double click on its line.
  if (line.Kind == TResultLine::TKind::Written) resultPaths_[Results->document()->blockCount() - 1] = line.Path;
}
bool TMainForm::HasResults() { return !Results->document()->isEmpty(); }
void TMainForm::JobStarting() {
  Results->setFocus();
  inJob_ = true;
  updateActions();
}
void TMainForm::JobEnded() {
  inJob_ = false;
  saveable_ = HasResults();
  updateActions();
}
void TMainForm::ProcessMessages() { QCoreApplication::processEvents(); }

}  // namespace eit
