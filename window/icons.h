// The six tool bar pictures, drawn here, with their greyed disabled versions, and the window's icon.
#pragma once

#include <QIcon>

namespace eit {

// 0 add, 1 save list, 2 remove, 3 process, 4 exit, 5 clear.
QIcon ToolIcon(int index);
// The program's own icon, in the sizes desktops ask for.
QIcon WindowIcon();

}  // namespace eit
