#include "platform/file_last_error.h"

ErrorCode FileLastError;
