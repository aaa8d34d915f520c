// Every text the program shows, defined once: the message identifiers with their
// texts (the MessageTable resource is generated from this list), the built-in
// messages, and the fixed texts of the command line and the installer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "base/error_code.h"

struct MessagePair {
  ErrorCode id;
  const char* text;
};

// In resource order; the resource ends them with a 0/0 pair.
extern const MessagePair kMessageTableTexts[21];
// Shown even when the resource is missing.
extern const MessagePair BuiltInMessages[10];

namespace msg {
constexpr ErrorCode ReadPastEnd = 0x20000101;
constexpr ErrorCode FileTooLarge = 0x20000102;
constexpr ErrorCode GeneralFileError = 0x20000103;
constexpr ErrorCode NotAllWritten = 0x20000104;
constexpr ErrorCode NotAllRead = 0x20000105;
constexpr ErrorCode Aborted = 0x20000106;
constexpr ErrorCode NoFreeBitmap = 0x20000107;
constexpr ErrorCode NotInstalledCorrectly = 0x20000108;
constexpr ErrorCode ExceedsBuffer = 0x20000109;
constexpr ErrorCode RegOpen = 0x2000010A;
constexpr ErrorCode RegClose = 0x2000010B;
constexpr ErrorCode RegCreateKey = 0x2000010C;
constexpr ErrorCode RegRead = 0x2000010D;
constexpr ErrorCode RegWrite = 0x2000010E;
constexpr ErrorCode RegCreateValue = 0x2000010F;
constexpr ErrorCode RegNullKey = 0x20000110;
constexpr ErrorCode RegDeleteKey = 0x20000111;
constexpr ErrorCode RegDeleteValue = 0x20000112;
constexpr ErrorCode MultipleInstances = 0x20000113;
constexpr ErrorCode NotImplemented = 0x20000114;
constexpr ErrorCode ErrorOccurred = 0x20000115;

constexpr ErrorCode ResourceMissing = 0x20000120;
constexpr ErrorCode NoPalmUser = 0x20000121;
constexpr ErrorCode HotSyncNotFound = 0x20000122;
constexpr ErrorCode UserFileMissing = 0x20000123;
constexpr ErrorCode UserFileAccess = 0x20000124;
constexpr ErrorCode UserNotAvailable = 0x20000125;
constexpr ErrorCode NotMainUser = 0x20000126;
constexpr ErrorCode UserFolderInvalid = 0x20000127;
constexpr ErrorCode InstallFolderInvalid = 0x20000128;
constexpr ErrorCode Cancelled = 0x20000129;
}  // namespace msg

namespace text {
extern const char kErrorBoxTitle[];
extern const char kMainWindowTitle[];
extern const char kDialogClass[];

extern const char kSyntax[];
extern const char kAbout[];
extern const char kQuotationError[];
extern const char kTooManyArguments[];
extern const char kCommandLineTooLong[];
extern const char kUnknownSwitch[];
extern const char kUnknownSwitchEnd[];
extern const char kIncorrectParameterCount[];
extern const char kParameterExceedsBuffer[];
extern const char kSwitchPrefix[];
extern const char kSwitchMissingParameter[];
extern const char kSwitchNotNumeric[];
extern const char kSwitchOutOfSpace[];

extern const char kAbortRetryQuestion[];
extern const char kAbortButton[];
extern const char kRetryButton[];

extern const char kPrefixTooLong[];
extern const char kArchiveAccess[];
extern const char kNotAnArchive[];
extern const char kChecksumIncorrect[];

extern const char kMonoType[];
extern const char kColourType[];
extern const char kNewSetup[];
extern const char kSetupDone[];
extern const char kDefaultModel[];

extern const char kBytesSuffix[];
extern const char kHotSyncUpdateFailed[];
extern const char kInstallQueued[];
extern const char kNothingToInstall[];

extern const char kErrorPrefix[];
extern const char kErrorSuffix[];
}  // namespace text
