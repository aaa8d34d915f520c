// The file layer's record of its last failed open, read, write or seek; the
// Abort/Retry prompt shows its text.
#pragma once

#include "base/error_code.h"

extern ErrorCode FileLastError;
