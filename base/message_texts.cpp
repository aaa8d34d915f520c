#include "base/message_texts.h"

const MessagePair kMessageTableTexts[21] = {
    {msg::ReadPastEnd, "Attempted to read beyond the end of the file"},
    {msg::FileTooLarge, "File size is greater than 0FFFFFFFFh"},
    {msg::GeneralFileError, "General file error (i.e. data is corrupted or invalid)"},
    {msg::NotAllWritten, "Bytes not all written to file"},
    {msg::NotAllRead, "Bytes not all read from file"},
    {msg::NoFreeBitmap, "No free bitmap object available"},
    {msg::NotInstalledCorrectly, "Application not installed correctly"},
    {msg::Aborted, "Operation was aborted!"},
    {msg::ExceedsBuffer, "Data being read exceeds buffer length"},
    {msg::RegOpen, "Error opening registry key"},
    {msg::RegClose, "Error closing registry key"},
    {msg::RegCreateKey, "Error creating registry key"},
    {msg::RegRead, "Error reading registry value"},
    {msg::RegWrite, "Error writing registry value"},
    {msg::RegCreateValue, "Error creating registry value"},
    {msg::RegNullKey, "Registry key is null error"},
    {msg::RegDeleteKey, "Error deleting registry key."},
    {msg::RegDeleteValue, "Error deleting registry key string."},
    {msg::MultipleInstances, "Unable to run multiple instances of the application!"},
    {msg::NotImplemented, "Error: Requested function is not implemented!"},
    {msg::ErrorOccurred, "Error # has occured!"},
};

const MessagePair BuiltInMessages[10] = {
    {msg::ResourceMissing, "Resource message data missing."},
    {msg::NoPalmUser, "There is no Palm user set up for this game."},
    {msg::HotSyncNotFound, "Palm Hot Synch Manager not found."},
    {msg::UserFileMissing, "Palm user data file does not exist."},
    {msg::UserFileAccess, "Error accessing the Palm user data file."},
    {msg::UserNotAvailable, "Specified user not available."},
    {msg::NotMainUser, "Specified user is not the main user for the Palm Software."},
    {msg::UserFolderInvalid, "Error: Failed to open Date Book database."},
    {msg::InstallFolderInvalid, "Error: Palm User's Install directory is invalid."},
    {msg::Cancelled, "Application has been 'cancelled'."},
};

namespace text {
const char kErrorBoxTitle[] = "Palm Quasar Components Installer";
const char kMainWindowTitle[] = "Vexo Component Installer";
const char kDialogClass[] = "#32770";

#define VEXO_SYNTAX                                  \
  "\r\n\r\nSyntax: VexoLoad [options]\r\n\r\n"       \
  "/Install  Re-run Palm Setup.\r\n"                 \
  "/About    Display about message."

const char kSyntax[] = VEXO_SYNTAX;
const char kAbout[] =
    "Korvath Palm Installer\r\n"
    "Date - 08-31-01\r\n"
    "Time - 08:14:51" VEXO_SYNTAX;
#undef VEXO_SYNTAX

const char kQuotationError[] = "Application syntax error.\r\nInvalid character following quotation!";
const char kTooManyArguments[] = "Too many command line arguments specified!";
const char kCommandLineTooLong[] = "Application syntax error.\r\nThe command line is too long!";
const char kUnknownSwitch[] = "Unknown switch used '";
const char kUnknownSwitchEnd[] = "'.";
const char kIncorrectParameterCount[] = "Incorrect number of parameters.";
const char kParameterExceedsBuffer[] = "Following parameter exceeds buffer space.\r\n";
const char kSwitchPrefix[] = "Switch \"/";
const char kSwitchMissingParameter[] = "\" has no parameter. A parameter is expected.\r\n";
const char kSwitchNotNumeric[] = "\" expects a numerical parameter.\r\n";
const char kSwitchOutOfSpace[] = "\" is out of string space.\r\n";

const char kAbortRetryQuestion[] = "Do you want to (A)bort or (R)etry?";
const char kAbortButton[] = "&Abort";
const char kRetryButton[] = "&Retry";

const char kPrefixTooLong[] = "Database name string parameter for 'Extract' is too long!";
const char kArchiveAccess[] = "Error accessing ";
const char kNotAnArchive[] = "Not a QPK file type - ";
const char kChecksumIncorrect[] = "Checksum is incorrect for ";

const char kMonoType[] = "Mono";
const char kColourType[] = "Colour";
const char kNewSetup[] = "New";
const char kSetupDone[] = "OK";
const char kDefaultModel[] = "Palm IIIc";

const char kBytesSuffix[] = " bytes.";
const char kHotSyncUpdateFailed[] = "Unable to update the HotSynch Manager at this time!";
const char kInstallQueued[] =
    "Next time you perform a HotSync operation, the Palm\rQuasar file(s) will be installed on your handheld.";
const char kNothingToInstall[] = "There are no Palm Quasar files to install\rto your handheld at this moment in time.";

const char kErrorPrefix[] = "Error ";
const char kErrorSuffix[] = " has occured!";
}  // namespace text
