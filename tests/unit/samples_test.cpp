#include <gtest/gtest.h>

#include <set>

#include "installer/component_table.h"
#include "palm/palm_database.h"
#include "tools/samples/sample_set.h"

namespace {

// The row each sample maps to, checking along the way that it is a game
// database the installer will recognise.
std::size_t RowOf(const SampleDatabase& sample) {
  EXPECT_EQ(CheckPalmDatabase(sample.bytes.data(), sample.bytes.size()), PalmCheck::Valid) << sample.fileName;
  EXPECT_TRUE(IsGameDatabaseHeader(sample.bytes.data(), sample.bytes.size())) << sample.fileName;
  PalmDatabaseHeader header;
  ReadPalmHeader(sample.bytes.data(), sample.bytes.size(), &header);
  std::size_t row = kComponentRows;
  EXPECT_NE(FindComponentRow(header.type, header.name, kPalmNameSize, &row), nullptr) << sample.fileName;
  return row;
}

TEST(Samples, OneDatabasePerComponentRow) {
  const std::vector<SampleDatabase> samples = ComponentSamples();
  ASSERT_EQ(samples.size(), kComponentRows);
  std::set<std::string> fileNames;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    EXPECT_EQ(RowOf(samples[i]), i) << samples[i].fileName;
    EXPECT_GE(samples[i].bytes.size(), 40u * 1024);
    EXPECT_LE(samples[i].bytes.size(), 401u * 1024);
    fileNames.insert(samples[i].fileName);
  }
  EXPECT_EQ(fileNames.size(), kComponentRows);
  EXPECT_EQ(samples[15].fileName, "Vexo Zantor.pdb");
  EXPECT_EQ(samples[26].fileName, "Vexo b_w.pdb");
  EXPECT_EQ(ComponentSamples()[7].bytes, samples[7].bytes);
}

TEST(Samples, BulkSetsCycleThroughTheTable) {
  const std::uint64_t total = 3u << 20;
  const std::vector<SampleDatabase> samples = BulkSamples(60, total);
  ASSERT_EQ(samples.size(), 60u);
  std::uint64_t size = 0;
  std::set<std::string> fileNames;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    EXPECT_EQ(RowOf(samples[i]), i % kComponentRows) << samples[i].fileName;
    size += samples[i].bytes.size();
    fileNames.insert(samples[i].fileName);
  }
  EXPECT_EQ(fileNames.size(), samples.size());
  EXPECT_NEAR(static_cast<double>(size), static_cast<double>(total), total * 0.002);
}

}  // namespace
