#include "host/directories.h"

#include <filesystem>
#include <string>

#include "host/core_interface.h"
#include "host_fixture.h"

namespace {

using DirectoriesTest = HostTest;
namespace fs = std::filesystem;

TEST_F(DirectoriesTest, EveryIdIsAFolderCreatedUnderTheRoot) {
  Interface* core = GetCOREInterface();
  for (int id : {APP_PLUGCFG_DIR, APP_TEMP_DIR, APP_SCRIPTS_DIR, APP_USER_SCRIPTS_DIR, APP_USER_MACROS_DIR,
                 APP_MAXDATA_DIR, APP_ICONS_DIR}) {
    const fs::path folder(core->GetDir(id));
    EXPECT_TRUE(fs::is_directory(folder)) << id;
    const std::wstring text = folder.wstring();
    EXPECT_EQ(text.rfind(root_.wstring(), 0), 0u) << "below the root: " << id;
  }
  EXPECT_EQ(std::wstring(core->GetDir(APP_MAXROOT_DIR)), root_.wstring());
}

TEST_F(DirectoriesTest, OnlyTheIconFolderEndsInASeparator) {
  Interface* core = GetCOREInterface();
  const std::wstring icons = core->GetDir(APP_ICONS_DIR);
  EXPECT_EQ(icons.back(), L'/');
  const std::wstring config = core->GetDir(APP_PLUGCFG_DIR);
  EXPECT_NE(config.back(), L'/');
}

TEST_F(DirectoriesTest, UnknownIdsGiveEmptyTextAndOverridesTakeEffect) {
  Interface* core = GetCOREInterface();
  EXPECT_STREQ(core->GetDir(-1), L"");
  EXPECT_STREQ(core->GetDir(1000), L"");
  const fs::path elsewhere = root_ / "elsewhere" / "icons";
  hostsim::SetDirectory(APP_ICONS_DIR, elsewhere.wstring());
  EXPECT_EQ(std::wstring(core->GetDir(APP_ICONS_DIR)), elsewhere.wstring() + L"/");
  EXPECT_TRUE(fs::is_directory(elsewhere));
}

}  // namespace
