#include <ostream>

#include "tools/qpk/commands.h"

std::string Counted(std::size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

bool ReportWarnings(const std::vector<std::string>& warnings, bool strict, std::ostream& err) {
  for (const std::string& warning : warnings) err << "qpk: warning: " << warning << "\n";
  if (!strict || warnings.empty()) return true;
  err << "qpk: " << Counted(warnings.size(), "warning", "warnings") << ", errors under --strict\n";
  return false;
}
