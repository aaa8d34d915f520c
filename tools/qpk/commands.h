// The qpk commands. Each returns the process exit code: 0 when all is well, 1
// when the work failed, 2 when the command line was wrong (as qpk's own usage
// errors; RunExport for a level or language the game lacks); messages go to
// `err`, results to `out`. With `strict`, warnings fail the command too, and
// nothing is written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

int RunPack(const std::string& archive, const std::vector<std::string>& files, bool strict, std::ostream& out,
            std::ostream& err);
int RunList(const std::string& archive, bool strict, std::ostream& out, std::ostream& err);
int RunVerify(const std::string& archive, bool strict, std::ostream& out, std::ostream& err);
int RunUnpack(const std::string& archive, const std::string& folder, bool force, std::ostream& out,
              std::ostream& err);

// A choice as the installer's window offers it.
struct ExportChoice {
  std::uint16_t deviceMask = 0;  // kColourMask or kMonoMask
  std::string levels;            // "1,3,5", "all", or empty: none
  std::optional<std::string> languages;  // "UK,FR", "all", empty: none; unset: the installer's first choice
};
// With `force`, first removes the game's own files it finds in the folder.
int RunExport(const std::string& archive, const std::string& folder, const ExportChoice& choice, bool force,
              bool strict, std::ostream& out, std::ostream& err);

// "1 entry", "2 entries".
std::string Counted(std::size_t count, const char* one, const char* many);
// Prints each warning; false when `strict` makes them fail the command.
bool ReportWarnings(const std::vector<std::string>& warnings, bool strict, std::ostream& err);
