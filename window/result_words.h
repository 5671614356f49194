// The engine's results lines worded in the window's language.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "engine/game_update.h"
#include "engine/result_lines.h"

namespace eit {

class TResultWords {
  Q_DECLARE_TR_FUNCTIONS(eit::TResultWords)

 public:
  static QString Line(const TResultLine& line);
  // "packed texture, 64 x 64, 24-bit"
  static QString What(const TWrittenFile& file);
  // What an edit check found, as the insert warns of it.
  static QString EditFinding(TEditFinding finding);
  // What an update of a game's extract found: kept edits, sources gone, its counts.
  static QStringList Update(const TUpdatePlan& plan);
};

}  // namespace eit
