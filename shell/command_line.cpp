#include "shell/command_line.h"

#include <cstring>

#include "base/message_lookup.h"
#include "base/message_texts.h"
#include "base/text_builder.h"

namespace {

char g_workBuffer[kCommandLineBufferSize];
char* g_arguments[kMaxArguments];
std::size_t g_argumentCount;
char g_switchName[kSwitchNameSize];

bool IsSwitch(const char* argument) { return argument[0] == '/' || argument[0] == '-'; }

// Holds the argument list for one parse and releases what is left on every way out.
class ArgumentList {
 public:
  explicit ArgumentList(const ArgumentHeap& heap) : heap_(heap) { g_argumentCount = 0; }
  ~ArgumentList() {
    for (std::size_t i = 0; i < g_argumentCount; ++i) Release(i);
    g_argumentCount = 0;
  }
  void Release(std::size_t i) {
    if (g_arguments[i] != nullptr) heap_.release(g_arguments[i]);
    g_arguments[i] = nullptr;
  }

 private:
  const ArgumentHeap& heap_;
};

const char* ComposeWithSyntax(const char* head) {
  TextBuilder(MessageBuffer, kMessageBufferSize).Append(head).Append(text::kSyntax);
  return MessageBuffer;
}

// head + quoted (cut to leave room) + tail + syntax
const char* ComposeAround(const char* head, const char* quoted, const char* tail) {
  TextBuilder builder(MessageBuffer, kMessageBufferSize);
  builder.Append(head).AppendLeaving(quoted, std::strlen(tail) + std::strlen(text::kSyntax));
  builder.Append(tail).Append(text::kSyntax);
  return MessageBuffer;
}

const char* SwitchMessage(const char* tail) { return ComposeAround(text::kSwitchPrefix, g_switchName, tail); }

// Trims blanks (tabs already turned into blanks) in place; returns the first character.
char* TrimBlanks(char* text) {
  while (*text == ' ') ++text;
  std::size_t length = std::strlen(text);
  while (length > 0 && text[length - 1] == ' ') text[--length] = 0;
  return text;
}

bool SplitArguments(char* text, const ArgumentHeap& heap, const char** failure) {
  char* at = text;
  for (;;) {
    while (*at == ' ') ++at;
    if (*at == 0) return true;
    char* start;
    std::size_t length;
    if (*at == '"') {
      start = at + 1;
      char* close = std::strchr(start, '"');
      if (close == nullptr) {
        length = std::strlen(start);
        at = start + length;
      } else {
        if (close[1] != ' ' && close[1] != 0) {
          *failure = text::kQuotationError;
          return false;
        }
        length = static_cast<std::size_t>(close - start);
        at = close + 1;
      }
    } else {
      start = at;
      while (*at != ' ' && *at != 0) ++at;
      length = static_cast<std::size_t>(at - start);
    }
    if (g_argumentCount == kMaxArguments) {
      *failure = ComposeWithSyntax(text::kTooManyArguments);
      return false;
    }
    if (length == 0) continue;
    char* copy = heap.allocate(start, static_cast<std::uint32_t>(length));
    if (copy == nullptr) {
      *failure = ComposeWithSyntax(text::kTooManyArguments);
      return false;
    }
    g_arguments[g_argumentCount++] = copy;
  }
}

const SwitchRow* MatchSwitch(const char* argument, const SwitchRow* switches, const ArgumentHeap& heap) {
  if (!CopyText(g_switchName, kSwitchNameSize, argument + 1)) return nullptr;
  heap.upperCase(g_switchName);
  for (const SwitchRow* row = switches; row->name != nullptr; ++row) {
    if (std::strcmp(row->name, g_switchName) == 0) return row;
  }
  return nullptr;
}

bool ParseNumber(const char* text, std::int32_t* value) {
  bool negative = *text == '-';
  if (negative) ++text;
  if (*text < '0' || *text > '9') return false;
  std::uint64_t magnitude = 0;
  const std::uint64_t limit = negative ? 0x80000000ull : 0x7FFFFFFFull;
  for (; *text >= '0' && *text <= '9'; ++text) {
    magnitude = magnitude * 10 + static_cast<unsigned>(*text - '0');
    if (magnitude > limit) return false;
  }
  *value = static_cast<std::int32_t>(negative ? 0ull - magnitude : magnitude);
  return true;
}

bool AppendToList(char* list, const char* parameter) {
  std::size_t used = 0;
  while (used < kStringListSize && list[used] != 0) used += std::strlen(list + used) + 1;
  std::size_t length = std::strlen(parameter);
  if (used + length + 1 >= kStringListSize) return false;
  std::memcpy(list + used, parameter, length + 1);
  list[used + length + 1] = 0;
  return true;
}

// Applies a matched switch whose argument is at index i; consumes its parameter.
bool ApplySwitch(const SwitchRow& row, std::size_t i, ArgumentList& list, const char** failure) {
  if ((row.kind & (kSwitchString | kSwitchNumeric)) == 0) {
    const std::uint32_t one = 1;
    std::memcpy(row.target, &one, sizeof one);
    return true;
  }
  const char* parameter = i + 1 < g_argumentCount ? g_arguments[i + 1] : nullptr;
  if (parameter == nullptr) {
    *failure = SwitchMessage(text::kSwitchMissingParameter);
    return false;
  }
  if (row.kind & kSwitchString) {
    bool stored = (row.kind & kSwitchList) ? AppendToList(static_cast<char*>(row.target), parameter)
                                           : CopyText(static_cast<char*>(row.target), kStringTargetSize, parameter);
    if (!stored) {
      *failure = SwitchMessage(text::kSwitchOutOfSpace);
      return false;
    }
  } else {
    std::int32_t value;
    if (!ParseNumber(parameter, &value)) {
      *failure = SwitchMessage(text::kSwitchNotNumeric);
      return false;
    }
    std::memcpy(row.target, &value, sizeof value);
  }
  list.Release(i + 1);
  return true;
}

CommandLineOutcome ApplySwitches(const SwitchRow* switches, const ArgumentHeap& heap, ArgumentList& list,
                                 const char** failure) {
  for (std::size_t i = 0; i < g_argumentCount; ++i) {
    const char* argument = g_arguments[i];
    if (argument == nullptr || !IsSwitch(argument)) continue;
    if (argument[1] == '?' && argument[2] == 0) return CommandLineOutcome::HelpRequested;
    const SwitchRow* row = MatchSwitch(argument, switches, heap);
    if (row == nullptr) continue;
    list.Release(i);
    if (!ApplySwitch(*row, i, list, failure)) return CommandLineOutcome::Refused;
  }
  return CommandLineOutcome::Parsed;
}

bool FillParameters(const ParameterSlot* slots, const char** failure) {
  const ParameterSlot* slot = slots;
  for (std::size_t i = 0; i < g_argumentCount; ++i) {
    const char* argument = g_arguments[i];
    if (argument == nullptr) continue;
    if (IsSwitch(argument)) {
      *failure = ComposeAround(text::kUnknownSwitch, argument, text::kUnknownSwitchEnd);
      return false;
    }
    if (slot->buffer == nullptr) {
      *failure = ComposeWithSyntax(text::kIncorrectParameterCount);
      return false;
    }
    if (!CopyText(slot->buffer, slot->size, argument)) {
      *failure = ComposeAround(text::kParameterExceedsBuffer, argument, "");
      return false;
    }
    ++slot;
  }
  return true;
}

}  // namespace

CommandLineOutcome ParseCommandLineText(const char* commandLine, const SwitchRow* switches,
                                        const ParameterSlot* slots, const ArgumentHeap& heap, const char** failure) {
  for (const SwitchRow* row = switches; row->name != nullptr; ++row) {
    std::memcpy(row->target, &row->initial, sizeof row->initial);
  }
  if (!CopyText(g_workBuffer, kCommandLineBufferSize, commandLine)) {
    *failure = ComposeWithSyntax(text::kCommandLineTooLong);
    return CommandLineOutcome::Refused;
  }
  for (char* c = g_workBuffer; *c != 0; ++c) {
    if (*c == '\t') *c = ' ';
  }
  char* text = TrimBlanks(g_workBuffer);
  if (*text == 0) return CommandLineOutcome::Parsed;

  ArgumentList list(heap);
  if (!SplitArguments(text, heap, failure)) return CommandLineOutcome::Refused;
  const CommandLineOutcome switched = ApplySwitches(switches, heap, list, failure);
  if (switched != CommandLineOutcome::Parsed) return switched;
  return FillParameters(slots, failure) ? CommandLineOutcome::Parsed : CommandLineOutcome::Refused;
}
