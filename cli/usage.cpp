// What eitool-cli says of itself: its usage, and each command's.
#include "cli/usage.h"

#include "engine/result_log.h"

namespace eit::cli {

const char* const kUsage =
    "Usage:\n"
    "  eitool-cli extract -o DIR [--format png] [--overwrite | --keep-both | --update] [--keep-going] [-j N]\n"
    "                  [--zlib] FILE|FOLDER...            textures (.dds), font tables (.tdt) to images\n"
    "  eitool-cli insert -o DIR [--changed-only] [--here] [--keep-going] [--strict] [-j N] [--zlib] FILE...\n"
    "                                                     replay logs (.log), lists (.lst)\n"
    "  eitool-cli sheet FONT.tdt --font FILE.ttf [--codepage 1251] [--first 0x80] [--end 0x100] [--size PX]\n"
    "                  [--mono | --no-mono] [--face N] [--allow-missing] [--table] -o DIR\n"
    "                                                     new glyphs drawn from a font, with their insert log\n"
    "  eitool-cli preview FONT.tdt --text TEXT [--codepage 1251] [--scale N] -o PICTURE.tga|.bmp\n"
    "                                                     a line of text set with a font table\n"
    "  eitool-cli table FONT.tdt [--codepage 1251] [--apply FILE.csv] -o DIR\n"
    "                                                     the glyph table as a spreadsheet's file, and back\n"
    "  eitool-cli fit FONT.tdt FILE [--width PX] [--codepage 1251] [--text-column NAME [--width-column NAME]]\n"
    "                                                     translated lines measured: too wide, letters lacking\n"
    "  eitool-cli samples [--overwrite] DIR               write a small sample set to try the tool on\n"
    "  eitool-cli info FILE...                            say what each file is\n"
    "  eitool-cli --help | --version\n"
    "\n"
    "extract writes DIR/result.log; edit the images it names, then give that log to insert. A second extract\n"
    "into DIR adds to its result.log and replaces no image unless told: --overwrite or --keep-both;\n"
    "--update renews what the game changed since, never an edited image.\n"
    "-j N runs N files at a time (default: one per core); --zlib packs textures with zlib, byte for byte as\n"
    "zlib level 1 does, instead of the faster libdeflate.\n"
    "DIR is created when missing. Sources are never written. Exit status: 0 done, 1 failed, 2 usage.\n"
    "Options take their values as --opt VALUE or --opt=VALUE; values of choices in any case (--format PNG).\n"
    "eitool-cli COMMAND --help shows more about a command.\n";

const char* const kExtractUsage =
    "Usage: eitool-cli extract -o DIR [--format png] [--overwrite | --keep-both | --update] [--keep-going]\n"
    "                          [-j N] [--zlib] FILE|FOLDER...\n"
    "Writes each texture (.dds) and font table (.tdt) into DIR as an image (.bmp or .tga; with --format png\n"
    "all as .png, alpha kept) and lists them in DIR/result.log. Without --keep-going the first failure ends the run and no result.log is written.\n"
    "An image that exists in DIR already (it may hold your edits) stops the run before anything is written:\n"
    "--overwrite replaces such images, --keep-both writes the new ones as \"name (2).bmp\". An existing\n"
    "result.log keeps its records, but for the images written again; one that is not a result log is\n"
    "replaced only with --overwrite.\n"
    "--update extracts a game again into DIR after the game changed: new sources are added, changed ones\n"
    "renewed where their image is unedited; an edited image is kept and the new picture written beside it\n"
    "(\"stone.updated.bmp\"); sources gone are named.\n"
    "A FOLDER (a game's) gives every texture and font table under it, each image at the same place under\n"
    "DIR (DIR/levels/a/stone.bmp); an insert of DIR/result.log then mirrors the tree in its target.\n";

const char* const kInsertUsage =
    "Usage: eitool-cli insert -o DIR [--changed-only] [--here] [--keep-going] [--strict] [-j N] [--zlib] FILE...\n"
    "Replays result logs (.log) and project lists (.lst): each edited image (BMP, TGA or PNG, read by its\n"
    "content) goes back into a rebuilt texture or font in DIR. Relative paths inside logs and lists are taken from DIR, as in the window.\n"
    "An edited image that looks upside down, has lost the texture's alpha or equals the texture gets a\n"
    "\"warning:\" line; --strict makes each such warning fail its record instead, nothing written.\n"
    "A log moved with its folder still names the images where they were (a warning says so when the image\n"
    "beside the log is not used); --here takes each record's image from the log's own folder by its name.\n"
    "--changed-only rebuilds only the records whose image was edited since the extract wrote it (a mod of the\n"
    "files you changed); the others are counted in one line, and what an earlier insert wrote into DIR for\n"
    "them, still as written, is taken out again (kept track of beside the log, in <log>.mods).\n"
    "A font's own glyph sheet, retouched in place, goes back where it came from; a sheet of new glyphs\n"
    "needs %s/%s lines in its record.\n"
    "Records of a game's folder (extracted whole) go to the same folder under DIR; all others to DIR itself.\n";

const char* const kSheetUsage =
    "Usage: eitool-cli sheet FONT.tdt --font FILE.ttf [--codepage 1251] [--first 0x80] [--end 0x100] [--size PX]\n"
    "                        [--mono | --no-mono] [--face N] [--allow-missing] [--table] -o DIR\n"
    "Draws the characters of the codes FIRST up to END (in the code page) from a TrueType/OpenType font into\n"
    "DIR/<FONT>_sheet.tga, laid out as the insert wants it, and writes its insert log DIR/<FONT>_sheet.log:\n"
    "\"eitool-cli insert -o OUT DIR/<FONT>_sheet.log\" lays them into the font. FIRST is by default the code\n"
    "page's first letter from 0x80 on (0x7F to 0xFF; 0xC0 keeps the old layout); END at most 0x100.\n"
    "The letters stand on the table's own baseline with capitals as tall as its own (--size PX: capitals PX\n"
    "pixels high), whole inside the glyph boxes, and must fit the font's texture. A code the font lacks gets\n"
    "a box, and the log lists it; a font that lacks more than half of the letters is refused unless\n"
    "--allow-missing. --mono draws without anti-aliasing (every pixel opaque or clear), as is the default\n"
    "when the table's own glyphs are; --no-mono draws smooth edges. --face N takes face N of a font\n"
    "collection (.ttc; the first is 0). --table writes DIR/<FONT>.csv too, the glyph table the insert will\n"
    "make, which the log names (#Table:): spacing set in it survives each insert of the sheet.\n";

const char* const kPreviewUsage =
    "Usage: eitool-cli preview FONT.tdt --text TEXT [--codepage 1251] [--scale N] -o PICTURE.tga|.bmp\n"
    "Sets TEXT (UTF-8) with the font table and its texture as the game lays glyphs out; characters without a\n"
    "glyph show as red boxes and are listed.\n";

const char* const kInfoUsage = "Usage: eitool-cli info FILE...\nSays what each file is.\n";

const char* const kTableUsage =
    "Usage: eitool-cli table FONT.tdt [--codepage 1251] -o DIR\n"
    "       eitool-cli table FONT.tdt --apply FILE.csv -o DIR\n"
    "Writes DIR/<FONT>.csv: a row for each of the table's 224 glyphs (code, its character in the code page,\n"
    "left, top, right, bottom, width, height, extra), for a spreadsheet or an editor. With --apply, writes the\n"
    "table with the file's rows (saved with ',', ';' or tab between fields, in any order, rows left out kept as\n"
    "they were) into DIR, and its texture beside it unchanged; the source is never written. A value that cannot\n"
    "be (a box past the texture, right before left, a code twice) is refused naming its line and column; a\n"
    "width other than right - left is a warning (games take it for the advance).\n";

const char* const kFitUsage =
    "Usage: eitool-cli fit FONT.tdt FILE [--width PX] [--codepage 1251]\n"
    "       eitool-cli fit FONT.tdt FILE.csv --text-column NAME [--width-column NAME] [--width PX] [--codepage 1251]\n"
    "Measures each line of FILE (plain text, a line each; or a table saved with ',', ';' or tab, its text in the\n"
    "column NAME and, per row, its box in the width column) as preview sets it with the font, and lists every\n"
    "line wider than its box (--width PX for all, or its row's width) and every line holding characters the font\n"
    "cannot show (outside the code page, or with an empty glyph). Exit status 1 when any is found.\n";

const char* const kSamplesUsage =
    "Usage: eitool-cli samples [--overwrite] DIR\n"
    "Writes a small sample set into DIR to try the tool on. Files of the set that exist in DIR already are\n"
    "replaced only with --overwrite.\n";

std::string UsageOf(const std::string& command) {
  if (command == "extract") return kExtractUsage;
  if (command == "insert") {
    // The log's keywords as the grammar spells them.
    std::string text(kInsertUsage);
    for (const char* keyword : {kFirstKeyword, kLastKeyword}) text.replace(text.find("%s"), 2, keyword);
    return text;
  }
  if (command == "sheet") return kSheetUsage;
  if (command == "preview") return kPreviewUsage;
  if (command == "samples") return kSamplesUsage;
  if (command == "table") return kTableUsage;
  if (command == "fit") return kFitUsage;
  if (command == "info") return kInfoUsage;
  return kUsage;
}

}  // namespace eit::cli
