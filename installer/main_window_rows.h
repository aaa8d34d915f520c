// The main installer window's ControlDescriptor rows: where every control sits
// on the 1024 x 768 backdrop picture. The artwork is drawn from the same rows.
#pragma once

#include "ui/control_descriptor.h"

constexpr std::size_t kMainWindowRowCount = 38;  // the window and its 37 controls
extern const ControlDescriptor MainWindowRows[kMainWindowRowCount + 1];
