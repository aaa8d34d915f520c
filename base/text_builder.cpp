#include "base/text_builder.h"

#include <cstring>

TextBuilder::TextBuilder(char* buffer, std::size_t size) : buffer_(buffer), size_(size) {
  if (size_ > 0) buffer_[0] = 0;
}

TextBuilder& TextBuilder::Append(const char* text) { return Append(text, std::strlen(text)); }

TextBuilder& TextBuilder::Append(const char* text, std::size_t length) {
  if (size_ == 0) return *this;
  std::size_t room = size_ - 1 - length_;
  if (length > room) {
    length = room;
    clipped_ = true;
  }
  std::memcpy(buffer_ + length_, text, length);
  length_ += length;
  buffer_[length_] = 0;
  return *this;
}

TextBuilder& TextBuilder::AppendLeaving(const char* text, std::size_t reserve) {
  static const char kEllipsis[] = "...";
  constexpr std::size_t kEllipsisLength = sizeof(kEllipsis) - 1;
  if (size_ == 0) return *this;
  std::size_t room = size_ - 1 - length_;
  room = reserve < room ? room - reserve : 0;
  std::size_t length = std::strlen(text);
  if (length <= room) return Append(text, length);
  clipped_ = true;
  if (room <= kEllipsisLength) return Append(kEllipsis, room);
  Append(text, room - kEllipsisLength);
  return Append(kEllipsis, kEllipsisLength);
}

bool CopyText(char* dest, std::size_t size, const char* text) {
  if (size == 0) return false;
  std::size_t length = std::strlen(text);
  if (length >= size) {
    dest[0] = 0;
    return false;
  }
  std::memcpy(dest, text, length + 1);
  return true;
}
