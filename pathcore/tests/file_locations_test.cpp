#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>

#include "pathcore/file_locations.h"
#include "testsupport/temp_app_path.h"

namespace {

namespace fs = std::filesystem;
using kw::pathcore::LocationEnvironment;
using kw::pathcore::ResolveFileLocations;

// Fake program folders inside a private temporary folder.
class FileLocationsTest : public kw::test::TempAppPath {
 protected:
  fs::path MakeFolder(const fs::path& relative) {
    const auto folder = Folder() / relative;
    fs::create_directories(folder);
    return folder;
  }
  // An installed-like copy: <prefix>/bin beside <prefix>/share/kerfwright.
  fs::path InstalledBin() {
    MakeFolder("usr/share/kerfwright");
    return MakeFolder("usr/bin");
  }
  LocationEnvironment env_{"/home/ann", "", ""};
};

TEST_F(FileLocationsTest, AWritableFolderWithoutShareBesideItIsPortable) {
  const auto bin = MakeFolder("build/bin");
  const auto found = ResolveFileLocations(bin, env_);
  EXPECT_FALSE(found.installed);
  EXPECT_EQ(found.settings, bin);
  EXPECT_EQ(found.scratch, bin);
  EXPECT_EQ(found.languages, bin);
}

TEST_F(FileLocationsTest, AnInstalledLayoutUsesTheUserFoldersAndTheSharedLanguages) {
  const auto found = ResolveFileLocations(InstalledBin(), env_);
  EXPECT_TRUE(found.installed);
  EXPECT_EQ(found.settings, fs::path("/home/ann/.config/kerfwright"));
  EXPECT_EQ(found.scratch, fs::path("/home/ann/.cache/kerfwright"));
  EXPECT_EQ(found.languages, Folder() / "usr/share/kerfwright");
}

TEST_F(FileLocationsTest, AbsoluteXdgFoldersWinAndRelativeOnesAreIgnored) {
  const auto bin = InstalledBin();
  auto found = ResolveFileLocations(bin, {"/home/ann", "/cfg", "/cache"});
  EXPECT_EQ(found.settings, fs::path("/cfg/kerfwright"));
  EXPECT_EQ(found.scratch, fs::path("/cache/kerfwright"));
  found = ResolveFileLocations(bin, {"/home/ann", "cfg", "cache"});
  EXPECT_EQ(found.settings, fs::path("/home/ann/.config/kerfwright"));
  EXPECT_EQ(found.scratch, fs::path("/home/ann/.cache/kerfwright"));
}

TEST_F(FileLocationsTest, AWritableSettingFileKeepsAnInstalledLayoutPortable) {
  const auto bin = InstalledBin();
  std::ofstream(bin / "Setting.ini") << "[Kerfwright]\n";
  const auto found = ResolveFileLocations(bin, env_);
  EXPECT_FALSE(found.installed);
  EXPECT_EQ(found.settings, bin);
}

TEST_F(FileLocationsTest, AFolderThatCannotBeWrittenIsInstalled) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes everywhere";
  const auto bin = MakeFolder("opt/bin");
  std::ofstream(bin / "Setting.ini") << "[Kerfwright]\n";
  fs::permissions(bin / "Setting.ini", fs::perms::owner_read);
  fs::permissions(bin, fs::perms::owner_read | fs::perms::owner_exec);
  const auto found = ResolveFileLocations(bin, env_);
  fs::permissions(bin, fs::perms::owner_all);
  EXPECT_TRUE(found.installed);
  EXPECT_EQ(found.settings, fs::path("/home/ann/.config/kerfwright"));
}

TEST_F(FileLocationsTest, TheTestsProgramFolderIsPortable) {
  // TempAppPath points the program folder at a writable temporary folder.
  const auto found = kw::pathcore::CurrentFileLocations();
  EXPECT_FALSE(found.installed);
  EXPECT_EQ(found.settings, Folder());
  EXPECT_EQ(kw::pathcore::ScratchFolder(), Folder());
}

}  // namespace
