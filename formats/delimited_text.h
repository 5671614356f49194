// Lines of fields as spreadsheets save them: separated by ',', ';' or tab, a field quoted when its text
// needs it ("a ""b""" is a "b").
#pragma once

#include <string>
#include <vector>

namespace eit {

// A line's fields, split at the separator outside quotes; a quoted field's doubled quotes are one.
std::vector<std::string> SplitFields(const std::string& line, char separator);
// The separator of a header line that names every one of names (in any case, blanks around them aside):
// tab, ';' or ','; 0 when none does.
char SeparatorNaming(const std::string& header, const std::vector<std::string>& names);
// The field's index in the header split at the separator (any case, blanks aside); -1 when none.
int FieldNamed(const std::string& header, char separator, const std::string& name);
// The text without blanks (spaces, tabs) at either end.
std::string TrimmedField(std::string text);

}  // namespace eit
