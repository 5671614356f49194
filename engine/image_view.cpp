// The viewer's pure steps: the same loading and checks the jobs use, writing nothing.
#include "engine/image_view.h"

#include "engine/game_folder.h"

#include "engine/font_tool_files.h"
#include "engine/job_files.h"
#include "engine/result_log.h"
#include "formats/codepages.h"
#include "engine/main.h"
#include "platform/paths.h"

namespace eit {

namespace {

// The texture's picture and its image as loaded (header as stored, which the edit checks read).
struct TTextureRead {
  TTextureForm Form = TTextureForm::Raw;
  TTextureHeader Header;
  TMemoryStream Image;
  TBitmap Pixels;
};

void ReadTexture(const std::string& path, TPackEngine engine, TTextureRead& read) {
  TFileStream source(path, FileMode::OpenRead);
  read.Form = LoadTextureImage(source, read.Image, path, TLoadExtent::Pixels, engine);
  read.Header = ReadStoredTextureHeader(read.Image, path);
}

// The image's own bytes become the picture (the image is not needed after): a large texture is never
// held twice.
void TakePixels(TTextureRead& read) {
  InvertImageHeader(read.Image);
  ImageToBitmapInPlace(read.Image, read.Pixels);
}

TTextureFacts TextureFacts(const std::string& path, const TTextureRead& read) {
  return {ExtractFileName(path), read.Header.Width, read.Header.Height, static_cast<int>(read.Header.BitCount),
          read.Form == TTextureForm::Packed};
}

TViewCaption TextureCaption(const std::string& path, const TTextureRead& read) {
  TViewCaption caption;
  caption.Kind = TViewCaption::TKind::Texture;
  caption.Texture = TextureFacts(path, read);
  return caption;
}

TViewCaption Unreadable(const std::exception& error) {
  TViewCaption caption;
  caption.Kind = TViewCaption::TKind::Unreadable;
  caption.Error = error.what();
  return caption;
}

TViewPicture TexturePicture(const std::string& path, TPackEngine engine) {
  TViewPicture view;
  view.Path = path;
  TTextureRead read;
  ReadTexture(path, engine, read);
  TakePixels(read);
  view.Caption = TextureCaption(path, read);
  view.Picture = std::move(read.Pixels);
  return view;
}

TViewPicture SheetPicture(const std::string& tablePath, TPackEngine engine) {
  TViewPicture view;
  view.Path = tablePath;
  TMemoryStream table;
  table.LoadFromFile(tablePath);
  CheckFontTableSize(table, tablePath);
  TTextureRead texture;
  ReadTexture(FontTexturePath(tablePath), engine, texture);
  TakePixels(texture);
  view.Picture = MakeGlyphSheet(table, texture.Pixels, tablePath);
  const std::int32_t cell = view.Picture.Height() / kFontRecords;
  for (std::int32_t k = 0; k < kFontRecords; ++k) view.Cells.push_back({{0, k * cell, kSheetWidth, (k + 1) * cell}, 0x20 + k});
  view.Caption.Kind = TViewCaption::TKind::GlyphSheet;
  view.Caption.File = ExtractFileName(tablePath);
  view.Caption.Cells = kFontRecords;
  view.Caption.Width = view.Picture.Width();
  view.Caption.Height = view.Picture.Height();
  view.Caption.Texture = TextureFacts(FontTexturePath(tablePath), texture);
  return view;
}

// A record's edited image, read as the insert reads it; a missing or unreadable one is a finding.
void ReadEdit(const std::string& path, TViewPicture& edited) {
  edited.Path = path;
  edited.Caption.File = ExtractFileName(path);
  if (!FileExists(path)) {
    edited.Caption.Kind = TViewCaption::TKind::Missing;
    edited.Findings.push_back({TViewFinding::TKind::Missing});
    return;
  }
  try {
    edited.Picture = detail::LoadEditedImage(path);
    edited.Caption.Kind = TViewCaption::TKind::EditedImage;
    edited.Caption.Width = edited.Picture.Width();
    edited.Caption.Height = edited.Picture.Height();
  } catch (const std::exception& e) {
    edited.Caption = Unreadable(e);
    edited.Findings.push_back({TViewFinding::TKind::Unreadable});
  }
}

// A texture record: the texture, and the edit with what the insert would say of it.
void ViewTextureRecord(const TImportRecord& record, TPackEngine engine, TViewRecord& view) {
  TTextureRead texture;
  view.Source.Path = record.SourcePath;
  try {
    ReadTexture(record.SourcePath, engine, texture);
    view.Source.Caption = TextureCaption(record.SourcePath, texture);
  } catch (const std::exception& e) {
    view.Source.Caption = Unreadable(e);
  }
  ReadEdit(record.ImagePath, view.Edited);
  if (texture.Image.Size() != 0 && view.Edited.Picture.Width() != 0) {
    TBitmap& edit = view.Edited.Picture;
    if (static_cast<std::uint32_t>(edit.Width()) != texture.Header.Width ||
        static_cast<std::uint32_t>(edit.Height()) != texture.Header.Height) {
      view.Edited.Findings.push_back({TViewFinding::TKind::SizeDiffers, TEditFinding::Unedited, edit.Width(),
                                      edit.Height(), texture.Header.Width, texture.Header.Height});
    } else {
      TBitmap fitted(edit.PixelFormat(), edit.Width(), edit.Height());
      fitted.CopyRect({0, 0, edit.Width(), edit.Height()}, edit, {0, 0, edit.Width(), edit.Height()});
      fitted.ConvertTo(texture.Header.Format());
      for (const TEditFinding finding : EditWarnings(fitted, texture.Image))
        view.Edited.Findings.push_back({TViewFinding::TKind::Edit, finding});
    }
  }
  if (texture.Image.Size() != 0) {
    TakePixels(texture);
    view.Source.Picture = std::move(texture.Pixels);
  }
}

void ViewFontRecord(const TImportRecord& record, TPackEngine engine, TViewRecord& view) {
  try {
    view.Source = SheetPicture(record.SourcePath, engine);
  } catch (const std::exception& e) {
    view.Source.Path = record.SourcePath;
    view.Source.Caption = Unreadable(e);
  }
  ReadEdit(record.ImagePath, view.Edited);
  if (view.Edited.Picture.Width() != 0 && record.RangeGiven)
    view.Edited.Caption.NewGlyphsFrom = std::max(record.NewCode, record.FirstCode);
}

void ViewLog(const std::string& logPath, TEntryView& view) {
  const std::vector<std::string> lines = LoadLines(logPath);
  for (const TReplayStep& step : PlanReplay(lines, logPath)) {
    if (!step.IsRecord) continue;
    TViewRecord record;
    // A game's files are told apart by their place in its tree.
    const std::string name = ExtractFileName(step.Record.SourcePath);
    record.Name = (step.Record.Tree.empty() ? name : JoinPath(step.Record.Tree, name)) + " (" + ExtractFileName(logPath) + ", line " +
                  std::to_string(step.Line + 1) + ")";
    record.Format = step.Format;
    record.Record = step.Record;
    view.Records.push_back(std::move(record));
  }
}

}  // namespace

void LoadViewRecord(TViewRecord& record, TPackEngine engine) {
  record.Source = {};
  record.Edited = {};
  try {
    if (record.Plain)
      record.Source = record.Format == TJobKind::Texture ? TexturePicture(record.Record.SourcePath, engine)
                                                         : SheetPicture(record.Record.SourcePath, engine);
    else if (record.Format == TJobKind::Texture)
      ViewTextureRecord(record.Record, engine, record);
    else
      ViewFontRecord(record.Record, engine, record);
  } catch (const std::exception& e) {  // out of memory, say
    record.Edited.Caption = Unreadable(e);
  }
  record.Loaded = true;
}

std::vector<TViewFinding> RecordProblems(const TViewRecord& record, TPackEngine engine) {
  if (record.Plain) return {};
  const TImportRecord& r = record.Record;
  if (r.Digest && StillAsStamped(r.ImagePath, *r.Digest)) return {};
  TViewRecord read;
  read.Format = record.Format;
  read.Record = r;
  LoadViewRecord(read, engine);
  std::vector<TViewFinding> problems;
  for (const TViewFinding& finding : read.Edited.Findings)
    if (finding.Kind != TViewFinding::TKind::Edit || finding.Edit != TEditFinding::Unedited) problems.push_back(finding);
  return problems;
}

TEntryView ViewEntry(const TJobEntry& entry, TPackEngine engine) {
  TEntryView view;
  view.Title = entry.Path;
  try {
    if (DirectoryExists(entry.Path)) {
      for (const TJobEntry& file : WalkGameFolder(entry.Path).Entries) {
        TViewRecord record;
        record.Name = file.Folder.empty() ? ExtractFileName(file.Path) : JoinPath(file.Folder, ExtractFileName(file.Path));
        record.Format = file.Kind;
        record.Record.SourcePath = file.Path;
        record.Plain = true;
        view.Records.push_back(std::move(record));
      }
      if (view.Records.empty()) view.Error = entry.Path + ": no textures (.dds) or font tables (.tdt) in this folder";
    } else if (entry.Kind == TJobKind::Texture || entry.Kind == TJobKind::FontSheet) {
      TViewRecord record;
      record.Name = ExtractFileName(entry.Path);
      record.Format = entry.Kind;
      record.Record.SourcePath = entry.Path;
      record.Plain = true;
      record.Source = entry.Kind == TJobKind::Texture ? TexturePicture(entry.Path, engine) : SheetPicture(entry.Path, engine);
      record.Loaded = true;
      view.Records.push_back(std::move(record));
    } else if (entry.Kind == TJobKind::ReplayLog || entry.Kind == TJobKind::ProjectList) {
      view.IsLog = true;
      if (ExtractFileExtLower(entry.Path) == ".lst") {
        for (const std::string& log : ProjectListEntries(LoadLines(entry.Path))) ViewLog(log, view);
      } else {
        ViewLog(entry.Path, view);
      }
      if (view.Records.empty()) view.Error = entry.Path + ": no records to insert";
    }
  } catch (const std::exception& e) {
    view.Error = e.what();
  }
  return view;
}

TViewGround ContrastingGround(const TBitmap& picture) {
  if (picture.PixelFormat() != TPixelFormat::pf32bit) return TViewGround::LightCheckers;
  std::uint64_t sum = 0, count = 0;
  for (std::int32_t y = 0; y < picture.Height(); ++y) {
    const std::uint8_t* p = picture.ScanLine(y);
    for (std::int32_t x = 0; x < picture.Width(); ++x, p += 4)
      if (p[3] >= 128) sum += (p[0] * 29u + p[1] * 150u + p[2] * 77u) >> 8, ++count;
  }
  return count > 0 && sum / count > 140 ? TViewGround::DarkCheckers : TViewGround::LightCheckers;
}

TBitmap ComposeForView(const TBitmap& picture, TAlphaShow show, TViewGround ground) {
  TBitmap out(TPixelFormat::pf24bit, picture.Width(), picture.Height());
  const bool alpha = picture.PixelFormat() == TPixelFormat::pf32bit;
  const int in = picture.BytesPerPixel();
  constexpr int kSquare = 8;
  for (std::int32_t y = 0; y < picture.Height(); ++y) {
    const std::uint8_t* p = picture.ScanLine(y);
    std::uint8_t* q = out.ScanLine(y);
    for (std::int32_t x = 0; x < picture.Width(); ++x, p += in, q += 3) {
      if (!alpha || show == TAlphaShow::Ignore) {
        q[0] = p[0], q[1] = p[1], q[2] = p[2];
      } else if (show == TAlphaShow::AlphaOnly) {
        q[0] = q[1] = q[2] = p[3];
      } else {
        const unsigned a = p[3];
        const bool odd = ((x / kSquare + y / kSquare) % 2) != 0;
        const unsigned under = ground == TViewGround::Black   ? 0
                               : ground == TViewGround::White ? 255
                               : ground == TViewGround::DarkCheckers ? (odd ? 48 : 80)
                                                                     : (odd ? 204 : 255);
        for (int c = 0; c < 3; ++c) q[c] = static_cast<std::uint8_t>((p[c] * a + under * (255 - a) + 127) / 255);
      }
    }
    if (!alpha && show == TAlphaShow::AlphaOnly) std::fill(out.ScanLine(y), out.ScanLine(y) + out.RowBytes(), std::uint8_t{255});
  }
  return out;
}

}  // namespace eit
