#include "window/image_viewer_dialog.h"
#include "window/view_words.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QSettings>
#include <QScrollArea>
#include <QVBoxLayout>

#include "formats/codepages.h"

namespace eit {

TPictureView::TPictureView(QWidget* parent) : QWidget(parent) {}

void TPictureView::SetPicture(const QImage& picture, int zoom) {
  picture_ = picture;
  zoom_ = zoom == 0 ? 1 : zoom;
  const auto scaled = [this](int side) { return zoom_ > 0 ? side * zoom_ : (side - zoom_ - 1) / -zoom_; };
  setFixedSize(scaled(picture_.width()), scaled(picture_.height()));
  update();
}

void TPictureView::paintEvent(QPaintEvent* event) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  const QRect shown = event->rect();
  if (zoom_ > 0) {
    // The picture's pixels under the exposed part, each drawn as a zoom x zoom square.
    const QRect from(shown.left() / zoom_, shown.top() / zoom_, shown.width() / zoom_ + 2, shown.height() / zoom_ + 2);
    const QRect part = from.intersected(picture_.rect());
    painter.drawImage(QRect(part.left() * zoom_, part.top() * zoom_, part.width() * zoom_, part.height() * zoom_),
                      picture_, part);
  } else {
    const int step = -zoom_;
    const QRect part = QRect(shown.left() * step, shown.top() * step, shown.width() * step, shown.height() * step)
                           .intersected(picture_.rect());
    painter.drawImage(QRect(part.left() / step, part.top() / step, (part.width() + step - 1) / step,
                            (part.height() + step - 1) / step),
                      picture_, part);
  }
}

QImage DrawViewPicture(const TViewPicture& view, TAlphaShow show, TViewGround ground) {
  if (view.Picture.Width() == 0) return {};
  const TBitmap composed = ComposeForView(view.Picture, show, ground);
  QImage image(composed.Width(), composed.Height(), QImage::Format_RGB888);
  if (image.isNull()) throw std::bad_alloc();
  for (int y = 0; y < composed.Height(); ++y) {
    const std::uint8_t* in = composed.ScanLine(y);
    std::uint8_t* out = image.scanLine(y);
    for (int x = 0; x < composed.Width(); ++x) out[3 * x] = in[3 * x + 2], out[3 * x + 1] = in[3 * x + 1], out[3 * x + 2] = in[3 * x];
  }
  if (view.Cells.empty() && view.Findings.empty()) return image;
  QPainter painter(&image);
  QFont small = painter.font();
  small.setPixelSize(9);
  painter.setFont(small);
  for (const TViewCell& cell : view.Cells) {
    painter.setPen(QColor(0, 160, 255));
    painter.drawRect(cell.Box.Left, cell.Box.Top, cell.Box.Right - cell.Box.Left - 1, cell.Box.Bottom - cell.Box.Top - 1);
    painter.drawText(QRect(cell.Box.Left + 2, cell.Box.Top, cell.Box.Right - cell.Box.Left - 4, cell.Box.Bottom - cell.Box.Top),
                     Qt::AlignRight | Qt::AlignBottom, QString::fromStdString(CodeText(cell.Code)));
  }
  if (!view.Findings.empty()) {
    // A red frame, and the findings' names on a band along the top.
    painter.setPen(QPen(QColor(230, 0, 0), 2));
    painter.drawRect(image.rect().adjusted(1, 1, -1, -1));
    QStringList words;
    for (const TViewFinding& finding : view.Findings) words << TViewWords::Tag(finding);
    const QString band = words.join(QStringLiteral(", "));
    // Wrapped over as many lines as a narrow picture needs: a finding's name is never cut.
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextWrapAnywhere;
    const QRect needed = painter.boundingRect(QRect(2, 0, std::max(1, image.width() - 4), image.height()), flags, band);
    const int height = std::min(image.height(), std::max(12, needed.height()));
    painter.fillRect(QRect(0, 0, image.width(), height), QColor(230, 0, 0));
    painter.setPen(Qt::white);
    painter.drawText(QRect(2, 0, image.width() - 4, height), flags, band);
  }
  return image;
}

TImageViewerDialog::TImageViewerDialog(TPackEngine engine, QWidget* parent)
    : QDialog(parent),
      engine_(engine),
      checker_(std::make_unique<TViewWorker>([this](const std::string& what) { Title->setText(QString::fromStdString(what)); })),
      worker_(std::make_unique<TViewWorker>([this](const std::string& what) { Title->setText(QString::fromStdString(what)); })) {
  setObjectName(QStringLiteral("ImageViewer"));
  setWindowTitle(tr("View"));
  resize(720, 560);
  Title = new QLabel(this);
  Title->setWordWrap(true);
  QLayout* controls = BuildControls();
  auto* pictures = new QHBoxLayout;
  pictures->addWidget(PictureSide(source_, SourceCaption), 1);
  editedSide_ = PictureSide(edited_, EditedCaption);
  pictures->addWidget(editedSide_, 1);
  Findings = new QLabel(this);
  Findings->setObjectName(QStringLiteral("Findings"));
  Findings->setWordWrap(true);
  Findings->setStyleSheet(QStringLiteral("color: #c00000"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Title);
  layout->addLayout(controls);
  layout->addLayout(pictures, 1);
  layout->addWidget(Findings);
  connect(Record, &QComboBox::currentIndexChanged, this, [this] { RecordChosen(); });
  connect(Filter, &QLineEdit::textChanged, this, [this] { FillRecords(); });
  connect(OnlyProblems, &QCheckBox::toggled, this, [this] { FillRecords(); });
  // A record's findings follow its edited image: read again when the file changes.
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { Recheck(); });
  connect(Zoom, &QComboBox::currentIndexChanged, this, [this] { ShowRecord(); });
  connect(Alpha, &QComboBox::currentIndexChanged, this, [this] { Redraw(); });
  // The user's choice is kept; a font's own contrasting background is not.
  connect(Ground, &QComboBox::activated, this,
          [this] { QSettings().setValue(QStringLiteral("viewerGround"), Ground->currentData().toInt()); });
  connect(Ground, &QComboBox::currentIndexChanged, this, [this] { Redraw(); });
}

QLayout* TImageViewerDialog::BuildControls() {
  Record = new QComboBox(this);
  Record->setObjectName(QStringLiteral("Record"));
  Zoom = new QComboBox(this);
  for (const int z : {-8, -4, -2, 1, 2, 3, 4, 6, 8, 12, 16})
    Zoom->addItem(z > 0 ? QString::number(z) + QStringLiteral(" x") : QStringLiteral("1/") + QString::number(-z), z);
  Zoom->setCurrentIndex(Zoom->findData(1));
  Alpha = new QComboBox(this);
  Alpha->addItem(tr("over the background"), static_cast<int>(TAlphaShow::Checkerboard));
  Alpha->addItem(tr("off"), static_cast<int>(TAlphaShow::Ignore));
  Alpha->addItem(tr("alone"), static_cast<int>(TAlphaShow::AlphaOnly));
  Ground = new QComboBox(this);
  Ground->setObjectName(QStringLiteral("Ground"));
  Ground->addItem(tr("light checkerboard"), static_cast<int>(TViewGround::LightCheckers));
  Ground->addItem(tr("dark checkerboard"), static_cast<int>(TViewGround::DarkCheckers));
  Ground->addItem(tr("black"), static_cast<int>(TViewGround::Black));
  Ground->addItem(tr("white"), static_cast<int>(TViewGround::White));
  Ground->setCurrentIndex(std::max(0, Ground->findData(QSettings().value(QStringLiteral("viewerGround"), 0).toInt())));
  auto* row = new QHBoxLayout;
  const auto add = [&](const char* label, QWidget* choice) {
    if (row->count() > 0) row->addSpacing(16);
    row->addWidget(new QLabel(tr(label), this));
    row->addWidget(choice);
  };
  add(QT_TR_NOOP("Zoom:"), Zoom);
  add(QT_TR_NOOP("Alpha:"), Alpha);
  add(QT_TR_NOOP("Background:"), Ground);
  row->addStretch();
  GlyphTableButton = new QPushButton(tr("Glyph table..."), this);
  GlyphTableButton->setEnabled(false);
  row->addWidget(GlyphTableButton);
  connect(GlyphTableButton, &QPushButton::clicked, this, [this] {
    const int index = CurrentRecord();
    if (index < 0) return;
    const std::string& table = view_.Records[static_cast<std::size_t>(index)].Record.SourcePath;
    emit GlyphTableAsked(QString::fromStdString(table.empty() ? view_.Title : table));
  });
  Filter = new QLineEdit(this);
  Filter->setObjectName(QStringLiteral("Filter"));
  Filter->setPlaceholderText(tr("type part of a path"));
  Filter->setClearButtonEnabled(true);
  Count = new QLabel(this);
  OnlyProblems = new QCheckBox(tr("only those the insert would find wrong"), this);
  OnlyProblems->setObjectName(QStringLiteral("OnlyProblems"));
  auto* find = new QHBoxLayout;
  find->addWidget(Filter, 1);
  find->addWidget(OnlyProblems);
  find->addWidget(Count);
  auto* controls = new QFormLayout;
  controls->addRow(tr("Find:"), find);
  controls->addRow(tr("Record:"), Record);
  controls->addRow(row);
  return controls;
}

QWidget* TImageViewerDialog::PictureSide(TPictureView*& view, QLabel*& caption) {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  caption = new QLabel(box);
  caption->setWordWrap(true);
  view = new TPictureView;
  auto* scroll = new QScrollArea(box);
  scroll->setWidget(view);
  scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  layout->addWidget(caption);
  layout->addWidget(scroll, 1);
  return box;
}

void TImageViewerDialog::hideEvent(QHideEvent* event) {
  QSettings().setValue(QStringLiteral("viewerGeometry"), geometry());
  QDialog::hideEvent(event);
}

TImageViewerDialog::~TImageViewerDialog() {
  // The work under way reads only what it holds: it ends on its own, after the viewer, its result dropped.
  if (cancelCheck_) *cancelCheck_ = true;  // a check stops at its next record
  checker_.reset();
  worker_.reset();
}

TImageViewerDialog::TComposed TImageViewerDialog::Compose(const TViewRecord& record, int index, TAlphaShow show,
                                                           TViewGround ground, bool contrast) {
  TComposed composed;
  composed.Record = index, composed.Show = show;
  composed.Ground = contrast && record.Format == TJobKind::FontSheet ? ContrastingGround(record.Source.Picture) : ground;
  try {
    composed.Source = DrawViewPicture(record.Source, show, composed.Ground);
    composed.Edited = DrawViewPicture(record.Edited, show, composed.Ground);
  } catch (const std::bad_alloc&) {  // a huge texture: said, not shown
    composed.Source = composed.Edited = QImage();
    composed.TooLarge = true;
  }
  return composed;
}

void TImageViewerDialog::ShowEntry(const TJobEntry& entry) {
  Title->setText(tr("Reading %1...").arg(QString::fromStdString(entry.Path)));
  const TPackEngine engine = engine_;
  const auto show = static_cast<TAlphaShow>(Alpha->currentData().toInt());
  const auto kept = static_cast<TViewGround>(QSettings().value(QStringLiteral("viewerGround"), 0).toInt());
  worker_->Post([this, entry, engine, show, kept]() -> std::function<void()> {
    auto view = std::make_shared<TEntryView>(ViewEntry(entry, engine));
    if (view->IsLog && !view->Records.empty()) LoadViewRecord(view->Records[0], engine);
    auto composed = std::make_shared<TComposed>();
    if (!view->Records.empty() && view->Records[0].Loaded) *composed = Compose(view->Records[0], 0, show, kept, true);
    return [this, view, composed] {
      TakeView(std::move(*view), std::move(*composed));
    };
  });
}

void TImageViewerDialog::TakeView(TEntryView view, TComposed composed) {
  view_ = std::move(view);
  composed_ = std::move(composed);
  groundChosenFor_ = -1;
  if (cancelCheck_) *cancelCheck_ = true;
  cancelCheck_.reset();
  problems_.clear();
  marked_.clear();
  drawnRecord_ = nullptr;
  Title->setText(QString::fromStdString(view_.Error.empty() ? view_.Title : view_.Error));
  FillRecords();
  const bool many = view_.IsLog || view_.Records.size() > 1;
  for (QWidget* w : {static_cast<QWidget*>(Record), static_cast<QWidget*>(Filter), static_cast<QWidget*>(Count)})
    w->setVisible(many);
  OnlyProblems->setVisible(view_.IsLog);
  editedSide_->setVisible(view_.IsLog);
  RecordChosen();
}

void TImageViewerDialog::ShowRecord() {
  const int index = CurrentRecord();
  const bool any = index >= 0;
  const auto show = static_cast<TAlphaShow>(Alpha->currentData().toInt());
  const int zoom = Zoom->currentData().toInt();
  const TViewRecord* record = any ? &view_.Records[static_cast<std::size_t>(index)] : nullptr;
  GlyphTableButton->setEnabled(record != nullptr && record->Format == TJobKind::FontSheet);
  if (record != nullptr && !record->Loaded) {
    source_->SetPicture(QImage(), zoom);
    edited_->SetPicture(QImage(), zoom);
    SourceCaption->setText(tr("Reading..."));
    EditedCaption->clear();
    Findings->clear();
    return;
  }
  if (record != nullptr) MarkRecord(*record);
  QString sourceCaption = record ? TViewWords::Caption(record->Source.Caption) : QString();
  QString editedCaption = record ? TViewWords::Caption(record->Edited.Caption) : QString();
  if (record != nullptr && index != groundChosenFor_) {
    ChooseGround(*record);
    groundChosenFor_ = index;
  }
  const auto ground = static_cast<TViewGround>(Ground->currentData().toInt());
  // A picture is drawn again only when the record or the alpha or background choice changed; zooming reuses it.
  const bool again = record != drawnRecord_ || show != drawnShow_ || ground != drawnGround_;
  drawnRecord_ = record, drawnShow_ = show, drawnGround_ = ground;
  // Drawn on the worker with the record, when the choices are still those.
  const bool ready = again && record != nullptr && composed_.Record == index && composed_.Show == show &&
                     composed_.Ground == ground;
  if (ready && composed_.TooLarge) sourceCaption += tr(" (too large to show here: out of memory)");
  try {
    source_->SetPicture(!again ? source_->Picture() : ready ? composed_.Source
                                                   : record ? DrawViewPicture(record->Source, show, ground) : QImage(), zoom);
    edited_->SetPicture(!again ? edited_->Picture() : ready ? composed_.Edited
                                                   : record ? DrawViewPicture(record->Edited, show, ground) : QImage(), zoom);
    if (ready) composed_ = {};  // held once, by the views
  } catch (const std::bad_alloc&) {  // a huge texture: said, not shown
    source_->SetPicture(QImage(), zoom);
    edited_->SetPicture(QImage(), zoom);
    drawnRecord_ = nullptr;
    sourceCaption += tr(" (too large to show here: out of memory)");
  }
  SourceCaption->setText(sourceCaption);
  EditedCaption->setText(editedCaption);
  QStringList findings;
  if (record)
    for (const TViewFinding& f : record->Edited.Findings) findings << TViewWords::Finding(f);
  Findings->setText(findings.join(QStringLiteral("\n")));
  Findings->setVisible(!findings.isEmpty());
}

void TImageViewerDialog::ChooseGround(const TViewRecord& record) {
  // A font's glyphs (white, mostly) open on a background they stand out on; textures on the one kept.
  const TViewGround ground = record.Format == TJobKind::FontSheet
                                 ? ContrastingGround(record.Source.Picture)
                                 : static_cast<TViewGround>(QSettings().value(QStringLiteral("viewerGround"), 0).toInt());
  const QSignalBlocker quiet(Ground);
  Ground->setCurrentIndex(std::max(0, Ground->findData(static_cast<int>(ground))));
}

QImage TImageViewerDialog::SourceImage() const { return source_->Picture(); }
QImage TImageViewerDialog::EditedImage() const { return edited_->Picture(); }

}  // namespace eit
