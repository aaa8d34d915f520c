// The qpk commands. Each returns the process exit code: 0 when all is well, 1
// when the work failed; messages go to `err`, results to `out`.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

int RunPack(const std::string& archive, const std::vector<std::string>& files, std::ostream& out, std::ostream& err);
int RunList(const std::string& archive, std::ostream& out, std::ostream& err);
int RunVerify(const std::string& archive, std::ostream& out, std::ostream& err);
int RunUnpack(const std::string& archive, const std::string& folder, std::ostream& out, std::ostream& err);
