// A file of translated lines measured in a game's font: the lines wider than their box, and the characters
// the font cannot show.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace eit {

struct TFitOptions {
  int CodePage = 1251;
  int Width = 0;            // every line's box; 0: none (only the characters are checked)
  std::string TextColumn;   // the lines are a table's rows (",", ";" or tab): the text is this column's
  std::string WidthColumn;  // and each row's box this column's
};

// A line found wanting: too wide for its box, or holding characters the font cannot show.
struct TFitFinding {
  std::size_t Line = 0;  // in the file, from 1
  std::string Text;
  std::int64_t Width = 0, Box = 0;  // Box 0: no box to fit
  std::vector<char32_t> Missing;
};
struct TFitReport {
  std::size_t Checked = 0, TooWide = 0, Lacking = 0;
  std::vector<TFitFinding> Findings;  // in line order
};

// Raises, naming the file and line, for a table without the columns asked for or a width that is no number.
TFitReport FitLines(const std::string& tablePath, const std::string& textPath, const TFitOptions& options);

}  // namespace eit
