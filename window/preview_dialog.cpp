#include "platform/limits.h"
#include "window/preview_dialog.h"
#include "window/failure_words.h"

#include "window/counted.h"
#include "window/viewer_placement.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cstring>
#include <QScreen>
#include <algorithm>
#include <exception>

#include "formats/codepages.h"
#include "engine/font_tool_files.h"
#include "engine/text_fit_files.h"
#include "platform/paths.h"

namespace eit {

TPreviewDialog::TPreviewDialog(const std::vector<std::string>& tables, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Preview font"));
  resize(640, 260);
  Table = new QComboBox(this);
  for (const std::string& t : tables) Table->addItem(QString::fromStdString(t));
  CodePage = new QComboBox(this);
  for (int page : KnownCodePages()) CodePage->addItem(QString::number(page), page);
  CodePage->setCurrentText(QStringLiteral("1251"));
  Text = new QLineEdit(QStringLiteral("Съешь же ещё этих мягких французских булок"), this);
  Zoom = new QSpinBox(this);
  Zoom->setRange(1, kMaxPreviewScale);
  Zoom->setValue(2);
  Zoom->setSuffix(QStringLiteral(" x"));
  Picture = new QLabel(this);
  Picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(Picture);
  scroll->setWidgetResizable(true);
  Problems = new QLabel(this);
  Problems->setWordWrap(true);
  Problems->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // A long list of missing characters scrolls instead of squashing the picture.
  auto* problemsScroll = new QScrollArea(this);
  problemsScroll->setWidget(Problems);
  problemsScroll->setWidgetResizable(true);
  problemsScroll->setFrameShape(QFrame::NoFrame);
  problemsScroll->setMaximumHeight(6 * problemsScroll->fontMetrics().lineSpacing());
  auto* form = new QFormLayout;
  form->addRow(tr("Font table:"), Table);
  form->addRow(tr("Text:"), Text);
  form->addRow(tr("Code page:"), CodePage);
  form->addRow(tr("Zoom:"), Zoom);
  auto* draw = new QPushButton(tr("Draw new letters..."), this);
  draw->setObjectName(QStringLiteral("DrawLetters"));
  connect(draw, &QPushButton::clicked, this, [this] { emit DrawLettersAsked(Table->currentText()); });
  form->addRow(QString(), draw);
  AddLinesCheck(form);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(scroll, 1);
  layout->addWidget(problemsScroll);
  layout->addWidget(Findings);
  connect(Table, &QComboBox::currentIndexChanged, this, &TPreviewDialog::Redraw);
  connect(CodePage, &QComboBox::currentIndexChanged, this, &TPreviewDialog::Redraw);
  connect(Text, &QLineEdit::textChanged, this, &TPreviewDialog::Redraw);
  connect(Zoom, &QSpinBox::valueChanged, this, &TPreviewDialog::Redraw);
  Redraw();
  // Wide enough for the default sentence at its zoom, within the screen.
  const int wanted = Picture->pixmap().width() + 60;
  const int room = screen() != nullptr ? screen()->availableGeometry().width() - 40 : wanted;
  if (wanted > width()) resize(std::min(wanted, room), height());
  KeepInsideScreen(*this);
}

TPreviewDialog::~TPreviewDialog() = default;

void TPreviewDialog::AddLinesCheck(QFormLayout* form) {
  LinesFile = new QLineEdit(this);
  LinesFile->setPlaceholderText(tr("a file of translated lines, one a line"));
  BoxWidth = new QSpinBox(this);
  BoxWidth->setRange(0, 1000000);
  BoxWidth->setSpecialValueText(tr("no box"));
  BoxWidth->setSuffix(QStringLiteral(" px"));
  auto* check = new QPushButton(tr("Check lines"), this);
  auto* row = new QHBoxLayout;
  row->addWidget(LinesFile, 1);
  row->addWidget(BoxWidth);
  row->addWidget(check);
  form->addRow(tr("Lines to fit:"), row);
  Findings = new QListWidget(this);
  Findings->setMaximumHeight(8 * Findings->fontMetrics().lineSpacing());
  connect(check, &QPushButton::clicked, this, &TPreviewDialog::CheckLines);
  connect(LinesFile, &QLineEdit::returnPressed, this, &TPreviewDialog::CheckLines);
  connect(Findings, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && static_cast<std::size_t>(row) < findingTexts_.size())
      Text->setText(QString::fromStdString(findingTexts_[static_cast<std::size_t>(row)]));
  });
}

void TPreviewDialog::CheckLines() {
  Findings->clear();
  findingTexts_.clear();
  try {
    const TFitReport report = FitLines(Table->currentText().toStdString(), LinesFile->text().toStdString(),
                                       {CodePage->currentData().toInt(), BoxWidth->value(), "", ""});
    for (const TFitFinding& f : report.Findings) {
      QString said = tr("line %1: ").arg(f.Line);
      if (f.Box > 0) said += tr("%1 px, %2 too wide").arg(f.Width).arg(f.Width - f.Box);
      if (!f.Missing.empty()) said += (f.Box > 0 ? QStringLiteral("; ") : QString()) + tr("characters the font cannot show");
      Findings->addItem(said + QStringLiteral(": ") + QString::fromStdString(f.Text));
      findingTexts_.push_back(f.Text);
    }
    Problems->setText(tr("%1: %2 too wide, %3 with characters the font cannot show")
                          .arg(Counted("eit::TPreviewDialog", QT_TRANSLATE_N_NOOP("eit::TPreviewDialog", "%Ln line(s) checked"),
                                       report.Checked))
                          .arg(report.TooWide)
                          .arg(report.Lacking));
  } catch (const std::exception& e) {
    Problems->setText(TFailureWords::Text(e));
  }
}

void TPreviewDialog::Redraw() {
  const std::string path = Table->currentText().toStdString();
  try {
    auto& slot = loaded_[path];
    if (!slot) {
      auto fresh = std::make_unique<TLoaded>();
      fresh->table.LoadFromFile(path);
      fresh->texture = LoadFontTexture(path);
      slot = std::move(fresh);
    }
    const TPreview preview = RenderPreview(slot->table, slot->texture, Text->text().toStdString(),
                                           {CodePage->currentData().toInt(), Zoom->value()}, path);
    const TBitmap& b = preview.Picture;
    QImage image(b.Width(), b.Height(), QImage::Format_ARGB32);
    for (int y = 0; y < b.Height(); ++y) std::memcpy(image.scanLine(y), b.ScanLine(y), b.RowBytes());
    Picture->setPixmap(QPixmap::fromImage(image));
    std::string problems;
    for (const std::string& p : preview.Problems) problems += (problems.empty() ? "" : "; ") + p;
    Problems->setText(problems.empty() ? QString() : tr("Red boxes: %1").arg(QString::fromStdString(problems)));
  } catch (const std::exception& e) {
    loaded_.erase(path);
    Picture->clear();
    Problems->setText(TFailureWords::Text(e));
  }
}

}  // namespace eit
