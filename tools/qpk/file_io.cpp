#include "tools/qpk/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

constexpr std::uintmax_t kLargestFile = 0xFFFFFFFFu;

std::string Failure(const std::string& path, const char* what) {
  return path + ": " + what + ": " + std::strerror(errno);
}

}  // namespace

bool ReadFileBytes(const std::string& path, std::vector<std::uint8_t>* bytes, std::string* error) {
  std::error_code code;
  const std::uintmax_t size = std::filesystem::file_size(path, code);
  if (code) {
    *error = path + ": cannot read: " + code.message();
    return false;
  }
  if (size > kLargestFile) {
    *error = path + ": 4 GiB or larger";
    return false;
  }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    *error = Failure(path, "cannot open");
    return false;
  }
  bytes->resize(static_cast<std::size_t>(size));
  const bool whole = std::fread(bytes->data(), 1, bytes->size(), file) == bytes->size() && std::fgetc(file) == EOF;
  std::fclose(file);
  if (!whole) *error = path + ": changed size while being read";
  return whole;
}

bool WriteFileReplacing(const std::string& path, const std::vector<FilePart>& parts, std::string* error) {
  const std::string temporary = path + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) {
    *error = Failure(temporary, "cannot create");
    return false;
  }
  bool written = true;
  for (const FilePart& part : parts) {
    if (part.size != 0 && std::fwrite(part.data, 1, part.size, file) != part.size) written = false;
  }
  if (std::fclose(file) != 0) written = false;
  if (!written) {
    *error = Failure(temporary, "cannot write");
    std::remove(temporary.c_str());
    return false;
  }
  std::error_code code;
  std::filesystem::rename(temporary, path, code);
  if (code) {
    *error = path + ": cannot replace: " + code.message();
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}
