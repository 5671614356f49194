// The six tool bar pictures, drawn here, with their grey embossed disabled versions.
#pragma once

#include <QIcon>

namespace eit {

// 0 add, 1 save list, 2 remove, 3 process, 4 exit, 5 clear.
QIcon ToolIcon(int index);

}  // namespace eit
