#include <cstddef>
#include <cstdint>
#include <cstring>

#include "base/message_table.h"
#include "base/message_texts.h"
#include "fuzz/fuzz_check.h"

namespace {

std::uint32_t Little(const std::uint8_t* bytes) {
  return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | std::uint32_t{bytes[3]} << 24;
}

void CheckLookup(MessageTableView table, ErrorCode id) {
  std::size_t length = 0x5A5A;
  const char* text = FindTableText(table, id, &length);
  if (text == nullptr) return;
  const char* begin = reinterpret_cast<const char*>(table.data);
  FUZZ_CHECK(text >= begin && text < begin + table.size);
  FUZZ_CHECK(length < static_cast<std::size_t>(begin + table.size - text));
  FUZZ_CHECK(text[length] == 0 && std::memchr(text, 0, length) == nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const MessageTableView table = {data, size};
  // The ids the table claims to hold, then ids it may lack.
  for (std::size_t at = 4; at + 4 <= size && at < 4 + 8 * 64; at += 8) CheckLookup(table, Little(data + at));
  for (const MessagePair& pair : kMessageTableTexts) CheckLookup(table, pair.id);
  CheckLookup(table, 0);
  return 0;
}
