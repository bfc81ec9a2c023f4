#pragma once

#include "ui/common/control_list.h"

namespace kolvenar {

// Every control of the main window that takes the focus, in the order of Tab, with its spoken
// name and how the store keeps it (in the section sections::kMain).
ControlList MainControls();

}  // namespace kolvenar
