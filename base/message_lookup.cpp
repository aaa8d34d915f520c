#include "base/message_lookup.h"

#include "base/message_texts.h"
#include "base/number_format.h"
#include "base/text_builder.h"

char MessageBuffer[kMessageBufferSize];

void LookupMessageInto(const MessageSources& sources, ErrorCode code, char* buffer, std::size_t size) {
  std::size_t length = 0;
  if (const char* found = FindTableText(sources.table, code, &length)) {
    TextBuilder(buffer, size).Append(found, length);
    return;
  }
  if (!IsOwnCode(code) && sources.systemText != nullptr && sources.systemText(code, buffer, size)) return;

  char number[kDecimalTextSize];
  if (code < 0x10000) {
    FormatDecimal(static_cast<std::int32_t>(code), 0, number, sizeof number);
  } else {
    FormatHex(code, number, sizeof number);
  }
  TextBuilder(buffer, size).Append(text::kErrorPrefix).Append(number).Append(text::kErrorSuffix);
}

const char* FindBuiltInMessage(ErrorCode code) {
  for (const MessagePair& pair : BuiltInMessages) {
    if (pair.id == code) return pair.text;
  }
  return nullptr;
}
