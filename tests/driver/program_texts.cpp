#include "program_texts.h"

#include <windows.h>

#include <cstdlib>

#include "shell/message_texts.h"

namespace {

struct NamedText {
  const char* name;
  const char* text;
};

const NamedText kTexts[] = {
    {"TEXT_ERROR_TITLE", text::kErrorBoxTitle},
    {"TEXT_MAIN_TITLE", text::kMainWindowTitle},
    {"TEXT_ABOUT", text::kAbout},
    {"TEXT_SYNTAX", text::kSyntax},
    {"TEXT_QUOTATION_ERROR", text::kQuotationError},
    {"TEXT_TOO_MANY_ARGUMENTS", text::kTooManyArguments},
    {"TEXT_ABORT_RETRY_QUESTION", text::kAbortRetryQuestion},
    {"TEXT_INSTALL_QUEUED", text::kInstallQueued},
    {"TEXT_NOTHING_TO_INSTALL", text::kNothingToInstall},
    {"TEXT_HOTSYNC_UPDATE_FAILED", text::kHotSyncUpdateFailed},
    {"TEXT_ARCHIVE_ACCESS", text::kArchiveAccess},
    {"TEXT_NOT_AN_ARCHIVE", text::kNotAnArchive},
    {"TEXT_CHECKSUM_INCORRECT", text::kChecksumIncorrect},
};

const char* MessageById(ErrorCode id) {
  for (const MessagePair& pair : kMessageTableTexts) {
    if (pair.id == id) return pair.text;
  }
  for (const MessagePair& pair : BuiltInMessages) {
    if (pair.id == id) return pair.text;
  }
  return nullptr;
}

}  // namespace

std::optional<std::string> ProgramText(const std::string& name) {
  for (const NamedText& named : kTexts) {
    if (name == named.name) return std::string(named.text);
  }
  // The system's text for a Windows code, as the program shows it.
  if (name.compare(0, 12, "SYSTEM_TEXT_") == 0 && name.size() > 12) {
    char* end = nullptr;
    const unsigned long code = std::strtoul(name.c_str() + 12, &end, 10);
    char text[512] = {};
    if (*end == 0 && FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                    text, sizeof text, nullptr) != 0) {
      return std::string(text);
    }
  }
  if (name.size() == 12 && name.compare(0, 4, "MSG_") == 0) {
    char* end = nullptr;
    const unsigned long id = std::strtoul(name.c_str() + 4, &end, 16);
    if (*end == 0) {
      if (const char* text = MessageById(static_cast<ErrorCode>(id))) return std::string(text);
    }
  }
  return std::nullopt;
}
