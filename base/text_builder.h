// Composes text into a fixed buffer without ever writing past it. The result is
// always zero-terminated; what does not fit is cut, and Clipped() tells so.
#pragma once

#include <cstddef>

class TextBuilder {
 public:
  TextBuilder(char* buffer, std::size_t size);

  TextBuilder& Append(const char* text);
  TextBuilder& Append(const char* text, std::size_t length);
  // Appends text but keeps `reserve` bytes free for what must follow it; a text
  // that has to be cut ends in "..." so the reader sees that it was.
  TextBuilder& AppendLeaving(const char* text, std::size_t reserve);

  std::size_t Length() const { return length_; }
  bool Clipped() const { return clipped_; }

 private:
  char* buffer_;
  std::size_t size_;
  std::size_t length_ = 0;
  bool clipped_ = false;
};

// Copies a zero-terminated text into a buffer of `size` bytes. Fails, writing only
// an empty text, when it does not fit with its terminator.
bool CopyText(char* dest, std::size_t size, const char* text);
