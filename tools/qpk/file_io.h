// Whole-file reads and writes for qpk. A file written here is never seen half
// written: it goes to a new temporary file beside it that then replaces it
// (std::filesystem::rename replaces an existing file on Windows too: libstdc++
// calls MoveFileExW with MOVEFILE_REPLACE_EXISTING).
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

struct FilePart {
  const std::uint8_t* data;
  std::size_t size;
};

// Refuses files of 4 GiB or more: nothing qpk reads may be that large.
bool ReadFileBytes(const std::string& path, std::vector<std::uint8_t>* bytes, std::string* error);

bool WriteFileReplacing(const std::string& path, const std::vector<FilePart>& parts, std::string* error);

struct NamedFile {
  std::string name;
  const std::uint8_t* data;
  std::size_t size;
};

// Creates the folder as needed and writes each file into it, printing its path
// to `out`; stops at the first failure.
bool WriteFilesInto(const std::string& folder, const std::vector<NamedFile>& files, std::ostream& out,
                    std::string* error);
