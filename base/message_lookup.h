// Turning an ErrorCode into the text shown for it. Portable: the system's own
// message texts come in through a function the Windows side provides.
#pragma once

#include <cstddef>

#include "base/error_code.h"
#include "base/message_table.h"

constexpr std::size_t kMessageBufferSize = 512;

// The one shared text buffer; every lookup that does not return a built-in text
// overwrites it, so a text taken from it lasts until the next lookup.
extern char MessageBuffer[kMessageBufferSize];

// Writes the system's text for a system code into the buffer; false when the
// system has none.
using SystemTextSource = bool (*)(ErrorCode code, char* buffer, std::size_t size);

struct MessageSources {
  MessageTableView table;        // data == nullptr while the resource is not loaded
  SystemTextSource systemText;   // may be nullptr
};

// The text for `code`: the table's, else the system's (for codes below
// 0x20000000), else "Error <n> has occured!" with n in decimal below 0x10000 and
// in hexadecimal from there on. Written into `buffer`.
void LookupMessageInto(const MessageSources& sources, ErrorCode code, char* buffer, std::size_t size);

// The built-in text for `code`, or nullptr.
const char* FindBuiltInMessage(ErrorCode code);
