#include "tools/qpk/file_io.h"

#include <fcntl.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <system_error>

namespace {

constexpr std::uintmax_t kLargestFile = 0xFFFFFFFFu;

std::string Failure(const std::string& path, const char* what) {
  return path + ": " + what + ": " + std::strerror(errno);
}

#ifndef O_BINARY
#define O_BINARY 0
#endif

// A file of a new name beside `path`, created here and so never one that was
// there before: a fixed name would destroy a file the publisher owns.
std::FILE* CreateTemporary(const std::string& path, std::string* temporary) {
  static unsigned serial = 0;
  const unsigned stamp = static_cast<unsigned>(std::filesystem::file_time_type::clock::now().time_since_epoch().count());
  for (int attempt = 0; attempt < 100; ++attempt) {
    *temporary = path + "." + std::to_string(stamp % 100000u) + "-" + std::to_string(serial++) + ".tmp";
    const int fd = open(temporary->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_BINARY, 0666);
    if (fd >= 0) return fdopen(fd, "wb");
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
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
  std::string temporary;
  std::FILE* file = CreateTemporary(path, &temporary);
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

bool WriteFilesInto(const std::string& folder, const std::vector<NamedFile>& files, std::ostream& out,
                    std::string* error) {
  std::error_code code;
  std::filesystem::create_directories(folder, code);
  if (code) {
    *error = folder + ": cannot create: " + code.message();
    return false;
  }
  for (const NamedFile& file : files) {
    const std::string path = (std::filesystem::path(folder) / file.name).string();
    if (!WriteFileReplacing(path, {{file.data, file.size}}, error)) return false;
    out << path << "\n";
  }
  return true;
}
