#include "window/glyph_table_dialog.h"
#include "window/failure_words.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cstring>

#include "engine/font_tool_files.h"
#include "engine/glyph_table_files.h"
#include "formats/codepages.h"
#include "formats/font_tools.h"
#include "formats/formathandlers.h"
#include "formats/glyph_table_text.h"
#include "platform/paths.h"
#include "window/dialogs.h"
#include "window/viewer_placement.h"
#include "window/text_words.h"

namespace eit {

namespace {

constexpr int kFirstCode = 0x20;
constexpr int kValueColumn = 3;  // glyph, code, character, then the record's seven fields
const char* const kFields[7] = {QT_TRANSLATE_NOOP("eit::TGlyphTableDialog", "Left"),
                                QT_TRANSLATE_NOOP("eit::TGlyphTableDialog", "Top"),
                                QT_TRANSLATE_NOOP("eit::TGlyphTableDialog", "Right"),
                                QT_TRANSLATE_NOOP("eit::TGlyphTableDialog", "Bottom"),
                                QT_TRANSLATE_NOOP("eit::TGlyphTableDialog", "Width"),
                                QT_TRANSLATE_NOOP("eit::TGlyphTableDialog", "Height"),
                                QT_TRANSLATE_NOOP("eit::TGlyphTableDialog", "Extra")};

QPixmap PixmapOf(const TBitmap& b, int zoom) {
  QImage image(b.Width(), b.Height(), QImage::Format_ARGB32);
  for (int y = 0; y < b.Height(); ++y) std::memcpy(image.scanLine(y), b.ScanLine(y), b.RowBytes());
  return QPixmap::fromImage(image.scaled(image.width() * zoom, image.height() * zoom));
}

// The glyph's pixels in the texture, on black where they are clear.
QPixmap GlyphPicture(const TBitmap& texture, const GlyphRecord& g) {
  const int w = std::min<int>(g.Right, texture.Width()) - g.Left, h = std::min<int>(g.Bottom, texture.Height()) - g.Top;
  if (w <= 0 || h <= 0) return {};
  TBitmap glyph(TPixelFormat::pf32bit, w, h);
  const int bpp = texture.BytesPerPixel();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const std::uint8_t* p = texture.ScanLine(g.Top + y) + (g.Left + x) * bpp;
      const int alpha = bpp == 4 ? p[3] : 255;
      std::uint8_t* o = glyph.ScanLine(y) + x * 4;
      for (int c = 0; c < 3; ++c) o[c] = static_cast<std::uint8_t>(p[c] * alpha / 255);
      o[3] = 255;
    }
  return PixmapOf(glyph, 2);
}

}  // namespace

TGlyphTableDialog::TGlyphTableDialog(const std::string& tablePath, TDialogs& dialogs, QWidget* parent)
    : QDialog(parent), tablePath_(tablePath), dialogs_(dialogs) {
  table_.LoadFromFile(tablePath);
  CheckFontTableSize(table_, tablePath);
  texture_ = LoadFontTexture(tablePath);
  setWindowTitle(tr("Glyph table - %1").arg(QString::fromStdString(ExtractFileName(tablePath))));
  CodePage = new QComboBox(this);
  for (const int page : KnownCodePages()) CodePage->addItem(QString::number(page), page);
  CodePage->setCurrentIndex(CodePage->findData(1251));
  Records = new QTableWidget(kFontRecords, kValueColumn + 7, this);
  QStringList headers = {tr("Glyph"), tr("Code"), tr("Character")};
  for (const char* field : kFields) headers << tr(field);
  Records->setHorizontalHeaderLabels(headers);
  Records->verticalHeader()->hide();
  Sentence = new QLineEdit(tr("The quick brown fox jumps over the lazy dog"), this);
  Picture = new QLabel(this);
  Refusal = new QLabel(this);
  Refusal->setWordWrap(true);
  auto* undo = new QPushButton(tr("Undo"), this);
  auto* saveTable = new QPushButton(tr("Save table..."), this);
  auto* saveText = new QPushButton(tr("Save as CSV..."), this);
  auto* pictureScroll = new QScrollArea(this);
  pictureScroll->setWidget(Picture);
  pictureScroll->setMinimumHeight(80);
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(tr("Code page:"), this));
  top->addWidget(CodePage);
  top->addWidget(Sentence, 1);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {undo, saveTable, saveText}) buttons->addWidget(b);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(pictureScroll);
  layout->addWidget(Records, 1);
  layout->addWidget(Refusal);
  layout->addLayout(buttons);
  Fill();
  connect(Records, &QTableWidget::itemChanged, this, &TGlyphTableDialog::CellChanged);
  connect(CodePage, &QComboBox::currentIndexChanged, this, [this] { Fill(); });
  connect(Sentence, &QLineEdit::textChanged, this, [this] { Redraw(); });
  connect(undo, &QPushButton::clicked, this, [this] { Undo(); });
  connect(saveTable, &QPushButton::clicked, this, [this] { SaveTable(); });
  connect(saveText, &QPushButton::clicked, this, [this] { SaveText(); });
  resize(760, 640);
  KeepInsideScreen(*this);
}

TGlyphTableDialog::~TGlyphTableDialog() = default;

int TGlyphTableDialog::Value(int code, int field) const {
  const std::uint8_t* at = table_.Memory() + static_cast<std::size_t>(code - kFirstCode) * kGlyphRecordSize + field * 2;
  return at[0] | at[1] << 8;
}

void TGlyphTableDialog::Write(int code, int field, int value) {
  std::uint8_t* at = table_.Memory() + static_cast<std::size_t>(code - kFirstCode) * kGlyphRecordSize + field * 2;
  at[0] = static_cast<std::uint8_t>(value), at[1] = static_cast<std::uint8_t>(value >> 8);
}

void TGlyphTableDialog::ShowRecord(int row) {
  const int code = kFirstCode + row;
  const GlyphRecord g = ReadGlyphRecord(table_.Memory() + static_cast<std::size_t>(row) * kGlyphRecordSize);
  auto* glyph = new QTableWidgetItem;
  glyph->setData(Qt::DecorationRole, GlyphPicture(texture_, g));
  glyph->setFlags(Qt::ItemIsEnabled);
  Records->setItem(row, 0, glyph);
  const char32_t character = CharacterOf(CodePage->currentData().toInt(), static_cast<std::uint8_t>(code));
  const QString texts[2] = {QString::fromStdString(CodeText(code)),
                            QString::fromStdString(character == 0 ? std::string() : CharacterText(character))};
  for (int c = 0; c < 2; ++c) {
    auto* item = new QTableWidgetItem(texts[c]);
    item->setFlags(Qt::ItemIsEnabled);
    Records->setItem(row, 1 + c, item);
  }
  for (int field = 0; field < 7; ++field)
    Records->setItem(row, kValueColumn + field, new QTableWidgetItem(QString::number(Value(code, field))));
}

void TGlyphTableDialog::Fill() {
  filling_ = true;
  for (int row = 0; row < kFontRecords; ++row) ShowRecord(row);
  filling_ = false;
  Records->resizeRowsToContents();
  Redraw();
}

void TGlyphTableDialog::Redraw() {
  try {
    const TPreview preview = RenderPreview(table_, texture_, Sentence->text().toStdString(),
                                           {CodePage->currentData().toInt(), 2}, tablePath_);
    Picture->setPixmap(PixmapOf(preview.Picture, 1));
    Picture->adjustSize();
  } catch (const std::exception& e) {
    Picture->setText(TFailureWords::Text(e));
  }
}

bool TGlyphTableDialog::SetField(int code, int field, int value) {
  if (code < kFirstCode || code >= kFirstCode + kFontRecords || field < 0 || field > 6) return false;
  Refusal->clear();
  if (value < 0 || value > 65535) {
    Refusal->setText(tr("%1: %2 is a number from 0 to 65535: not taken").arg(QString::fromStdString(CodeText(code)), tr(kFields[field])));
  } else {
    std::uint16_t box[4];
    for (int k = 0; k < 4; ++k) box[k] = static_cast<std::uint16_t>(k == field ? value : Value(code, k));
    const TBoxProblem problem = GlyphBoxProblem(box[0], box[1], box[2], box[3], static_cast<std::uint32_t>(texture_.Width()),
                                                static_cast<std::uint32_t>(texture_.Height()));
    if (field > 3 || problem.Field < 0) {
      edits_.push_back({code, field, Value(code, field)});
      Write(code, field, value);
    } else {
      Refusal->setText(tr("%1: %2: not taken").arg(QString::fromStdString(CodeText(code)), Word(problem.Text)));
    }
  }
  filling_ = true;
  ShowRecord(code - kFirstCode);
  filling_ = false;
  Redraw();
  return Refusal->text().isEmpty();
}

void TGlyphTableDialog::CellChanged(QTableWidgetItem* item) {
  if (filling_ || item->column() < kValueColumn) return;
  bool number = false;
  const int value = item->text().trimmed().toInt(&number);
  SetField(kFirstCode + item->row(), item->column() - kValueColumn, number ? value : -1);
}

bool TGlyphTableDialog::Undo() {
  if (edits_.empty()) return false;
  const TEdit edit = edits_.back();
  edits_.pop_back();
  Write(edit.Code, edit.Field, edit.Old);
  filling_ = true;
  ShowRecord(edit.Code - kFirstCode);
  filling_ = false;
  Refusal->clear();
  Redraw();
  return true;
}

bool TGlyphTableDialog::SaveInto(const std::function<std::string(const std::string&)>& write) {
  std::string folder = ExtractFileDir(tablePath_);
  if (!dialogs_.SelectDirectory(folder)) return false;
  try {
    MakeDirectory(folder);
    dialogs_.Information(write(folder), tr("Saved").toStdString());
    return true;
  } catch (const std::exception& e) {
    dialogs_.Error(WithFullStop(TFailureWords::Said(e)));
    return false;
  }
}

bool TGlyphTableDialog::SaveTable() {
  return SaveInto([this](const std::string& folder) {
    const TTableFiles files = WriteEditedTable(table_, tablePath_, folder);
    return files.Table + "\n" + files.Texture;
  });
}

bool TGlyphTableDialog::SaveText() {
  return SaveInto([this](const std::string& folder) {
    return WriteEditedTableText(table_, tablePath_, CodePage->currentData().toInt(), folder);
  });
}

}  // namespace eit
