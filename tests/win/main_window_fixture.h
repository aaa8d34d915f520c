// The main window built from its template and rows, an archive verified as at
// start-up and an Install folder, for tests of the selection and the scan.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/win/archive_fixture.h"
#include "tests/win/scratch_folder.h"

// A 78-byte Palm database header; the game's own when nothing is changed.
std::string GameHeader(const std::string& name, const std::string& type, const std::string& creator = "Vexo");

struct MainWindowFixture : ::testing::Test {
  ScratchFolder folder;
  HWND window = nullptr;
  std::string install = folder / "Install";

  void SetUp() override;
  void TearDown() override;
  // Writes and verifies the archive; a colour handheld unless changed.
  void LoadArchive(const std::vector<FixtureEntry>& entries);
  std::string InInstall(const std::string& name) const { return install + "\\" + name; }
  bool Ticked(int checkBox) const;
  void Tick(int checkBox) const;
  std::string SizeText() const;
};
