#include "engine/text_fit_files.h"

#include <algorithm>
#include <cctype>

#include "engine/font_tool_files.h"
#include "formats/delimited_text.h"
#include "formats/formathandlers.h"
#include "formats/text_fit.h"
#include "platform/errors.h"
#include "platform/files.h"

namespace eit {

namespace {

// Where a table's columns are: the separator and each column's field.
struct TColumns {
  char Separator = 0;
  int Text = -1, Width = -1;
};

TColumns ColumnsOf(const std::vector<std::string>& lines, const std::string& textPath, const TFitOptions& options) {
  TColumns columns;
  if (options.TextColumn.empty()) return columns;
  std::vector<std::string> names = {options.TextColumn};
  if (!options.WidthColumn.empty()) names.push_back(options.WidthColumn);
  const std::string header = lines.empty() ? std::string() : lines[0];
  columns.Separator = SeparatorNaming(header, names);
  if (columns.Separator == 0)
    throw Exception(options.WidthColumn.empty()
                        ? Says(EIT_SAYS("%1: line 1: the header names no column \"%2\" (separated by ',', ';' or tab)"),
                               {textPath, options.TextColumn})
                        : Says(EIT_SAYS("%1: line 1: the header names no column \"%2\" and \"%3\" (separated by ',', ';' or tab)"),
                               {textPath, options.TextColumn, options.WidthColumn}),
                    textPath, 1);
  columns.Text = FieldNamed(header, columns.Separator, options.TextColumn);
  if (!options.WidthColumn.empty()) columns.Width = FieldNamed(header, columns.Separator, options.WidthColumn);
  return columns;
}

TText NoNumber(const std::string& textPath, std::size_t line, const std::string& text) {
  return Says(EIT_SAYS("%1: line %2: the width \"%3\" is no number of pixels"), {textPath, std::to_string(line), text});
}

// A row's box: its width column's number, or the one for every line.
std::int64_t BoxOf(const std::vector<std::string>& fields, const TColumns& columns, const TFitOptions& options,
                   const std::string& textPath, std::size_t line) {
  if (columns.Width < 0) return options.Width;
  const std::string text = static_cast<std::size_t>(columns.Width) < fields.size()
                               ? TrimmedField(fields[static_cast<std::size_t>(columns.Width)]) : "";
  if (text.empty()) return options.Width;
  if (text.size() > 9 || !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; }))
    throw Exception(NoNumber(textPath, line, text), textPath, line);
  return std::stoll(text);
}

}  // namespace

TFitReport FitLines(const std::string& tablePath, const std::string& textPath, const TFitOptions& options) {
  TMemoryStream table;
  table.LoadFromFile(tablePath);
  CheckFontTableSize(table, tablePath);
  const TTextMeasurer measurer(table, LoadFontTexture(tablePath), options.CodePage);
  const std::vector<std::string> lines = LoadLines(textPath);
  const TColumns columns = ColumnsOf(lines, textPath, options);
  TFitReport report;
  for (std::size_t i = columns.Separator == 0 ? 0 : 1; i < lines.size(); ++i) {
    const std::size_t line = i + 1;
    std::string text = lines[i];
    std::int64_t box = options.Width;
    if (columns.Separator != 0) {
      const std::vector<std::string> fields = SplitFields(lines[i], columns.Separator);
      text = static_cast<std::size_t>(columns.Text) < fields.size() ? fields[static_cast<std::size_t>(columns.Text)] : "";
      box = BoxOf(fields, columns, options, textPath, line);
    }
    ++report.Checked;
    const TTextMeasurer::TMeasured measured = measurer.Measure(text);
    const bool tooWide = box > 0 && measured.Width > box;
    if (!tooWide && measured.Missing.empty()) continue;
    report.TooWide += tooWide ? 1 : 0;
    report.Lacking += measured.Missing.empty() ? 0 : 1;
    report.Findings.push_back({line, text, measured.Width, tooWide ? box : 0, measured.Missing});
  }
  return report;
}

}  // namespace eit
