#include "base/message_table.h"

#include <cstring>

#include "base/byte_order.h"

std::vector<std::uint8_t> BuildMessageTable(std::span<const MessagePair> pairs) {
  std::vector<std::uint8_t> out;
  const std::uint32_t count = static_cast<std::uint32_t>(pairs.size() + 1);
  std::uint32_t textOffset = 4 + 8 * count;
  PutLe32(out, count);
  for (const MessagePair& pair : pairs) {
    PutLe32(out, pair.id);
    PutLe32(out, textOffset);
    textOffset += static_cast<std::uint32_t>(std::strlen(pair.text) + 1);
  }
  PutLe32(out, 0);
  PutLe32(out, 0);
  for (const MessagePair& pair : pairs) {
    out.insert(out.end(), pair.text, pair.text + std::strlen(pair.text) + 1);
  }
  return out;
}

const char* FindTableText(MessageTableView table, ErrorCode id, std::size_t* length) {
  if (table.data == nullptr) return nullptr;
  for (std::size_t at = 4; at + 8 <= table.size; at += 8) {
    std::uint32_t pairId = GetLe32(table.data + at);
    if (pairId == 0) return nullptr;
    if (pairId != id) continue;
    std::uint32_t offset = GetLe32(table.data + at + 4);
    if (offset >= table.size) return nullptr;
    const void* end = std::memchr(table.data + offset, 0, table.size - offset);
    if (end == nullptr) return nullptr;
    *length = static_cast<const std::uint8_t*>(end) - (table.data + offset);
    return reinterpret_cast<const char*>(table.data + offset);
  }
  return nullptr;
}
