#pragma once

#include <QIcon>

namespace varlo {

// ImageList1: the toolbar's fifteen 16 x 16 pictures by index (index 11 is not used by any
// button and is left blank).
QIcon ToolbarImage(int index);

} // namespace varlo
