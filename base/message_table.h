// The MessageTable resource (RCDATA 1024), built from kMessageTableTexts by a
// build tool and read by the lookup. All numbers are little-endian:
//
//   offset 0        count      number of pairs that follow, the end pair included
//   offset 4        pairs      id (4 bytes), offset of its text from the start (4 bytes)
//                              ... ending with the pair 0 / 0
//   after the pairs texts      zero-terminated, in the order of the pairs
//
// The lookup never trusts the image: every pair and text is checked against the
// bytes really there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "base/message_texts.h"

struct MessageTableView {
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;
};

std::vector<std::uint8_t> BuildMessageTable(std::span<const MessagePair> pairs);

// The text of `id` in the table, or nullptr when the table does not hold it
// (or stops making sense before it). `length` receives the text's length.
const char* FindTableText(MessageTableView table, ErrorCode id, std::size_t* length);
