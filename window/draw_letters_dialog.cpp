#include "window/draw_letters_dialog.h"
#include "window/failure_words.h"
#include "window/sheet_words.h"
#include "window/text_words.h"
#include "window/viewer_placement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>
#include <set>

#include "formats/codepages.h"
#include "platform/files.h"
#include "platform/limits.h"
#include "platform/paths.h"

namespace eit {

namespace {

constexpr int kLettersPerRow = 16, kLetterZoom = 3;

QImage ImageOf(const TBitmap& b) {
  QImage image(b.Width(), b.Height(), QImage::Format_ARGB32);
  for (int y = 0; y < b.Height(); ++y) std::memcpy(image.scanLine(y), b.ScanLine(y), b.RowBytes());
  return image;
}

// The code a sheet of the code page starts at when none is asked for.
int DefaultFirstCode(int codePage) {
  TSheetOptions options;
  options.CodePage = codePage;
  return SheetFirstCode(options);
}

// A sentence in the code page's language that holds most of its letters.
std::string Pangram(int codePage) {
  switch (codePage) {
    case 1250: return "Příliš žluťoučký kůň úpěl ďábelské ódy. Zażółć gęślą jaźń";
    case 1252: return "Voix ambiguë d'un cœur qui au zéphyr préfère les jattes de kiwis. Über";
    case 1253: return "Ξεσκεπάζω την ψυχοφθόρα βδελυγμία";
    case 1254: return "Pijamalı hasta yağız şoföre çabucak güvendi. İŞĞ";
    case 1257: return "Įlinkdama fechtuotojo špaga sublykčiojusi pragęžė apvalų arbūzą. Āēī";
    default: return "Съешь же ещё этих мягких французских булок";
  }
}

QScrollArea* Scrolled(QWidget* widget, QWidget* parent) {
  auto* scroll = new QScrollArea(parent);
  scroll->setWidget(widget);
  scroll->setWidgetResizable(true);
  return scroll;
}

}  // namespace

// The game font and the font file read once each, so that a change of choice costs only the drawing.
struct TDrawLettersDialog::TLoaded {
  std::string tablePath, fontPath;
  TMemoryStream table;
  TBitmap texture;
  std::string fontBytes;
};

TDrawLettersDialog::TDrawLettersDialog(const std::vector<std::string>& tables,
                                       const std::vector<std::string>& fontFolders, TDialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), loaded_(std::make_unique<TLoaded>()) {
  setWindowTitle(tr("Draw new letters"));
  resize(780, 720);
  BuildChoices(tables);
  BuildLayout();
  fonts_ = ListOutlineFonts(fontFolders);
  const int page = CodePage->currentData().toInt();
  ListFonts(page);
  FirstCode->setValue(DefaultFirstCode(page));
  Sentence->setText(QString::fromStdString(Pangram(page)));
  Connect();
  redrawLater_.setSingleShot(true);
  redrawLater_.setInterval(0);
  connect(&redrawLater_, &QTimer::timeout, this, &TDrawLettersDialog::Redraw);
  Redraw();
}

void TDrawLettersDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (fitted_) return;
  fitted_ = true;
  layout()->activate();
  FitLetters();
}

void TDrawLettersDialog::BuildChoices(const std::vector<std::string>& tables) {
  Table = new QComboBox(this);
  for (const std::string& t : tables) Table->addItem(QString::fromStdString(t));
  Font = new QComboBox(this);
  Font->setObjectName(QStringLiteral("Font"));
  Browse = new QPushButton(tr("Browse..."), this);
  CodePage = new QComboBox(this);
  for (int page : KnownCodePages())
    CodePage->addItem(QString::fromStdString(std::to_string(page) + " " + CodePageName(page)), page);
  CodePage->setCurrentIndex(CodePage->findData(1251));
  FirstCode = new QSpinBox(this);
  FirstCode->setRange(KeptCodeLimit, 0xFF);
  FirstCode->setDisplayIntegerBase(16);
  FirstCode->setPrefix(QStringLiteral("0x"));
  CapHeight = new QSpinBox(this);
  CapHeight->setRange(0, kMaxGlyphPixelSize);
  CapHeight->setSpecialValueText(tr("as the kept capitals"));
  CapHeight->setSuffix(tr(" pixels"));
  Drawing = new QComboBox(this);
  Drawing->addItem(tr("as the kept glyphs"), static_cast<int>(TMono::Auto));
  Drawing->addItem(tr("one-bit (pixel font)"), static_cast<int>(TMono::On));
  Drawing->addItem(tr("smooth"), static_cast<int>(TMono::Off));
  Sentence = new QLineEdit(this);
  Letters = new QLabel(this);
  Letters->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Preview = new QLabel(this);
  Preview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Notes = new QLabel(this);
  Notes->setWordWrap(true);
  Notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Notes->setTextInteractionFlags(Qt::TextSelectableByMouse);
  WriteSheet = new QPushButton(tr("Write sheet..."), this);
  WithTable = new QCheckBox(tr("with its glyph table (.csv)"), this);
  WithTable->setToolTip(tr("The spacing the insert will give the new letters, to adjust before inserting"));
}

void TDrawLettersDialog::BuildLayout() {
  auto* close = new QPushButton(tr("Close"), this);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* fontRow = new QHBoxLayout;
  fontRow->addWidget(Font, 1);
  fontRow->addWidget(Browse);
  auto* form = new QFormLayout;
  form->addRow(tr("Game font table:"), Table);
  form->addRow(tr("Font:"), fontRow);
  form->addRow(tr("Code page:"), CodePage);
  form->addRow(tr("First code:"), FirstCode);
  form->addRow(tr("Cap height:"), CapHeight);
  form->addRow(tr("Drawing:"), Drawing);
  form->addRow(tr("Sentence:"), Sentence);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(WithTable);
  buttons->addStretch(1);
  buttons->addWidget(WriteSheet);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(new QLabel(tr("New letters (red: boxes for letters the font lacks; orange: letters "
                                              "that come out alike):"),
                               this));
  lettersScroll_ = Scrolled(Letters, this);
  layout->addWidget(lettersScroll_, 3);
  layout->addWidget(new QLabel(tr("The sentence in the game font after the insert:"), this));
  layout->addWidget(Scrolled(Preview, this), 1);
  // The notes wrap to the dialog's width and scroll down, never past its edge.
  auto* notesScroll = Scrolled(Notes, this);
  notesScroll->setFrameShape(QFrame::NoFrame);
  notesScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  layout->addWidget(notesScroll, 2);
  layout->addLayout(buttons);
}

void TDrawLettersDialog::Connect() {
  connect(Browse, &QPushButton::clicked, this, [this] {
    if (const auto file = dialogs_.SelectFontFile()) AddFontFile(*file);
  });
  connect(WriteSheet, &QPushButton::clicked, this, [this] {
    try {
      WriteSheetFiles();
    } catch (const std::exception& e) {
      dialogs_.Error(TFailureWords::Said(e));
    }
  });
  connect(CodePage, &QComboBox::currentIndexChanged, this, [this] {
    const int page = CodePage->currentData().toInt();
    const QSignalBlocker quiet(FirstCode), quietText(Sentence);  // one redraw for the whole change
    FirstCode->setValue(DefaultFirstCode(page));
    if (!sentenceTyped_) Sentence->setText(QString::fromStdString(Pangram(page)));
    ListFonts(page);
    RedrawSoon();
  });
  // Typed by the user: kept whatever the code page.
  connect(Sentence, &QLineEdit::textEdited, this, [this] { sentenceTyped_ = true; });
  for (QComboBox* box : {Table, Font, Drawing}) connect(box, &QComboBox::currentIndexChanged, this, &TDrawLettersDialog::RedrawSoon);
  for (QSpinBox* box : {FirstCode, CapHeight}) connect(box, &QSpinBox::valueChanged, this, &TDrawLettersDialog::RedrawSoon);
  connect(Sentence, &QLineEdit::textChanged, this, &TDrawLettersDialog::RedrawSoon);
}

void TDrawLettersDialog::RedrawSoon() { redrawLater_.start(); }

void TDrawLettersDialog::Settle() {
  if (!redrawLater_.isActive()) return;
  redrawLater_.stop();
  Redraw();
}

void TDrawLettersDialog::FitLetters() {
  // All sixteen columns in view at the first look: the dialog grows to them, within the screen.
  const int wanted = Letters->sizeHint().width() + 2 * lettersScroll_->frameWidth() + 40;
  const int room = screen() != nullptr ? screen()->availableGeometry().width() - 40 : wanted;
  if (lettersScroll_->viewport()->width() < wanted && Letters->pixmap().width() > 0)
    resize(std::min(room, width() + wanted - lettersScroll_->viewport()->width()), height());
  KeepInsideScreen(*this);  // grown to the right, it comes back inside
}

TDrawLettersDialog::~TDrawLettersDialog() = default;

void TDrawLettersDialog::ListFonts(int codePage) {
  const QVariant chosen = Font->currentData();
  const QSignalBlocker quiet(Font);
  Font->clear();
  // The fonts that have every letter of the code page first: those are the ones that can serve.
  for (const bool covering : {true, false})
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
      const TFontChoice& f = fonts_[i];
      if ((std::find(f.CodePages.begin(), f.CodePages.end(), codePage) != f.CodePages.end()) != covering) continue;
      QString name = QString::fromStdString(f.Style.empty() ? f.Family : f.Family + " " + f.Style);
      if (notOutline_.count(i) != 0)
        name += tr(" (no outline font: a bitmap font, or none FreeType reads)");
      else if (!covering)
        name += tr(" (lacks letters of %1)").arg(codePage);
      Font->addItem(name, static_cast<int>(i));
      Font->setItemData(Font->count() - 1, QString::fromStdString(f.File), Qt::ToolTipRole);
    }
  const int again = Font->findData(chosen);
  Font->setCurrentIndex(again >= 0 ? again : PreferredFont(codePage));
}

int TDrawLettersDialog::PreferredFont(int codePage) const {
  // A plain sans-serif reads best at a game's small sizes: the first of these that covers the page.
  for (const char* family : {"DejaVu Sans", "Liberation Sans", "Noto Sans"})
    for (int row = 0; row < Font->count(); ++row) {
      const TFontChoice& f = fonts_[static_cast<std::size_t>(Font->itemData(row).toInt())];
      const bool plain = f.Style.empty() || f.Style == "Book" || f.Style == "Regular";
      if (f.Family == family && plain && std::find(f.CodePages.begin(), f.CodePages.end(), codePage) != f.CodePages.end())
        return row;
    }
  return 0;
}

void TDrawLettersDialog::AddFontFile(const std::string& path) {
  std::vector<TFontChoice> faces = OutlineFacesOf(path);
  // One FreeType cannot draw from stays in the list, named so, and the reason shows when it is chosen.
  if (faces.empty()) {
    notOutline_.insert(fonts_.size());
    faces.push_back({path, 0, ExtractFileName(path), "", {}});
  }
  const auto first = static_cast<int>(fonts_.size());
  fonts_.insert(fonts_.end(), faces.begin(), faces.end());
  ListFonts(CodePage->currentData().toInt());
  Font->setCurrentIndex(Font->findData(first));  // redraws
}

TSheetOptions TDrawLettersDialog::Options() const {
  TSheetOptions options;
  const int font = Font->currentData().isValid() ? Font->currentData().toInt() : -1;
  if (font >= 0 && font < static_cast<int>(fonts_.size())) {
    options.FontFile = fonts_[static_cast<std::size_t>(font)].File;
    options.Face = fonts_[static_cast<std::size_t>(font)].Face;
  }
  options.CodePage = CodePage->currentData().toInt();
  options.First = FirstCode->value();
  options.PixelSize = CapHeight->value();
  options.Mono = static_cast<TMono>(Drawing->currentData().toInt());
  static const TWindowSheetWords words;
  options.Words = &words;
  return options;
}

void TDrawLettersDialog::Redraw() {
  const TSheetOptions options = Options();
  const std::string tablePath = Table->currentText().toStdString();
  draft_ = {};
  try {
    if (tablePath.empty()) throw Exception(tr("Choose a game font table (.tdt)").toStdString());
    if (options.FontFile.empty()) throw Exception(tr("Choose a font to draw from (Browse... takes any font file)").toStdString());
    if (loaded_->tablePath != tablePath) {
      loaded_->tablePath.clear();
      loaded_->table.Clear();
      loaded_->table.LoadFromFile(tablePath);
      loaded_->texture = LoadFontTexture(tablePath);
      loaded_->tablePath = tablePath;
    }
    if (loaded_->fontPath != options.FontFile) {
      TMemoryStream font;
      font.LoadFromFile(options.FontFile);
      loaded_->fontBytes.assign(reinterpret_cast<const char*>(font.Memory()), static_cast<std::size_t>(font.Size()));
      loaded_->fontPath = options.FontFile;
    }
    draft_ = DraftLetters(loaded_->table, loaded_->texture, tablePath, loaded_->fontBytes, options,
                          Sentence->text().toStdString(), 2);
  } catch (const std::exception& e) {
    draft_.Error = TFailureWords::Said(e);  // worded already
  }
  ShowLetters();
  ShowSentence();
  ShowNotes();
  WriteSheet->setEnabled(draft_.Error.English.empty());
}

void TDrawLettersDialog::ShowLetters() {
  const TRenderedSheet& s = draft_.Sheet;
  if (!draft_.Error.English.empty() || s.GlyphHeight <= 0) {
    Letters->clear();
    return;
  }
  const int rows = s.GlyphHeight + kCellGap;
  const int count = s.Sheet.Height() / rows;
  // Each letter in a cell as wide as the widest one's ink, on white, in rows of sixteen.
  int width = 4;
  for (int n = 0; n < count; ++n)
    for (int y = n * rows; y < n * rows + s.GlyphHeight; ++y)
      for (int x = kGlyphColumn; x < s.Sheet.Width(); ++x)
        if (s.Sheet.ScanLine(y)[4 * x + 3] > 1) width = std::max(width, x - kGlyphColumn + 2);
  const std::set<int> boxes(s.Placeholders.begin(), s.Placeholders.end());
  std::set<int> alike;
  for (const TAlikePair& p : s.Alike) alike.insert(p.CodeA), alike.insert(p.CodeB);
  const int columns = std::min(count, kLettersPerRow), lines = (count + kLettersPerRow - 1) / kLettersPerRow;
  QImage image((width + 1) * columns + 1, (s.GlyphHeight + 1) * lines + 1, QImage::Format_RGB32);
  image.fill(QColor(200, 200, 200));
  for (int n = 0; n < count; ++n) {
    const int code = s.First + n, left = 1 + (n % kLettersPerRow) * (width + 1), top = 1 + (n / kLettersPerRow) * (s.GlyphHeight + 1);
    const QColor paper = alike.count(code) != 0 ? QColor(255, 200, 120) : QColor(Qt::white);
    const QColor ink = boxes.count(code) != 0 ? QColor(220, 0, 0) : QColor(Qt::black);
    for (int y = 0; y < s.GlyphHeight; ++y)
      for (int x = 0; x < width; ++x) {
        const int sx = kGlyphColumn + x;
        const int a = sx < s.Sheet.Width() ? s.Sheet.ScanLine(n * rows + y)[4 * sx + 3] : 0;
        const int alpha = a > 1 ? a : 0;  // the advance marks are invisible
        image.setPixelColor(left + x, top + y,
                            QColor((ink.red() * alpha + paper.red() * (255 - alpha)) / 255,
                                   (ink.green() * alpha + paper.green() * (255 - alpha)) / 255,
                                   (ink.blue() * alpha + paper.blue() * (255 - alpha)) / 255));
      }
  }
  // As large as the screen has room for with all sixteen columns in view.
  const int room = screen() != nullptr ? screen()->availableGeometry().width() - 120 : image.width() * kLetterZoom;
  int zoom = kLetterZoom;
  while (zoom > 1 && image.width() * zoom > room) --zoom;
  Letters->setPixmap(QPixmap::fromImage(image.scaled(image.width() * zoom, image.height() * zoom)));
}

void TDrawLettersDialog::ShowSentence() {
  if (!draft_.Error.English.empty() || draft_.Sentence.Picture.Width() == 0) {
    Preview->clear();
    return;
  }
  Preview->setPixmap(QPixmap::fromImage(ImageOf(draft_.Sentence.Picture)));
}

void TDrawLettersDialog::ShowNotes() {
  QStringList lines;
  if (!draft_.Error.English.empty()) lines << Word(draft_.Error);
  for (const TText& note : draft_.Notes) lines << Word(note);
  for (const std::string& p : draft_.Sentence.Problems) lines << tr("sentence: ") + QString::fromStdString(p);
  Notes->setText(lines.join(QLatin1Char('\n')));
}

}  // namespace eit
