// The command-line parser, driven by two static tables: switches (SwitchRow) and
// positional parameters (ParameterSlot). Portable; the Windows side supplies the
// command line, the argument heap and the upper-casing.
#pragma once

#include <cstddef>
#include <cstdint>

enum : std::uint32_t {
  kSwitchNumeric = 1,  // takes a signed 32-bit number (when kSwitchString is clear)
  kSwitchString = 2,   // takes a string
  kSwitchList = 4,     // with kSwitchString: the string is appended to a string list
};

struct SwitchRow {
  const char* name;  // upper case, without the slash or dash; nullptr ends the table
  std::uint32_t kind;
  void* target;
  std::uint32_t initial;  // written to the target's first 32 bits when parsing begins
};

struct ParameterSlot {
  char* buffer;  // nullptr ends the table
  std::uint32_t size;
};

constexpr std::size_t kCommandLineBufferSize = 8192;
constexpr std::size_t kMaxArguments = 1024;
constexpr std::size_t kSwitchNameSize = 260;
constexpr std::size_t kStringListSize = 8192;
// The switch table does not record the size of a plain string target, so every
// such target is a path-sized buffer.
constexpr std::size_t kStringTargetSize = 260;

// Where the parser keeps each argument while it works.
struct ArgumentHeap {
  char* (*allocate)(const char* bytes, std::uint32_t length);  // a zero-terminated copy, or nullptr
  void (*release)(char* argument);
  void (*upperCase)(char* text);
};

enum class CommandLineOutcome {
  Parsed,
  HelpRequested,  // "/?" or "-?": the caller shows the about text; parsing stops there
  Refused,        // `failure` points at the text to show
};

// Parses `commandLine`. On refusal `failure` points at the text to show: a fixed
// text, or one composed in the shared message buffer.
CommandLineOutcome ParseCommandLineText(const char* commandLine, const SwitchRow* switches,
                                        const ParameterSlot* slots, const ArgumentHeap& heap, const char** failure);
