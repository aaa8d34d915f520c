// Reproducible sample databases of the game: the same bytes on every run and
// every machine, from fixed seeds and fixed dates.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct SampleDatabase {
  std::string fileName;  // the name `qpk unpack` gives it
  std::vector<std::uint8_t> bytes;
};

// The Palm database name of ComponentTable row `row`, which FindComponentRow
// maps back to that row.
std::string ComponentDatabaseName(std::size_t row);

// One database per ComponentTable row, tens to hundreds of KB each.
std::vector<SampleDatabase> ComponentSamples();

// `count` databases (1 to kMaxArchiveEntries) of about `totalBytes` in all,
// their types cycling through ComponentTable.
std::vector<SampleDatabase> BulkSamples(std::size_t count, std::uint64_t totalBytes);
