// Where an installed, a portable and a tree-built program find their shipped data and their home.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "model/default_data.hpp"
#include "model/paths.hpp"
#include "support/temp_home.hpp"

namespace {

namespace fs = std::filesystem;

TEST(InstallLayout, DataFolderLookupOrder) {
    // Each layout creates the folders named (below a fresh root) and expects the data in `found`.
    struct Case {
        const char* name;
        std::initializer_list<const char*> dirs;
        const char* found;
    };
    const Case cases[] = {
        {"portable copy beside the executable wins", {"app/data", "share/loxar", "tree/data"}, "app/data"},
        {"installed under a prefix", {"share/loxar", "data", "tree/data"}, "share/loxar"},
        {"build folder inside the source tree", {"data", "tree/data"}, "data"},
        {"the tree the build came from", {"tree/data"}, "tree/data"},
        {"none", {}, nullptr},
    };
    for (const Case& c : cases) {
        loxar::testing::TempHome t;
        const fs::path root = t.path();
        fs::create_directories(root / "app");
        for (const char* d : c.dirs) fs::create_directories(root / d);
        // The executable sits in root/app; "share" and "data" are its siblings, as in <prefix>/bin.
        const auto found = loxar::find_data_dir(root / "app", root / "tree" / "data");
        if (c.found == nullptr) {
            EXPECT_FALSE(found) << c.name;
        } else {
            ASSERT_TRUE(found) << c.name;
            EXPECT_EQ(*found, (root / c.found).lexically_normal()) << c.name;
        }
    }
}

TEST(InstallLayout, InstalledProgramKeepsTheOperatorsFilesInTheXdgHome) {
    loxar::testing::TempHome t;
    const fs::path bin = t.path() / "bin";
    fs::create_directories(bin);
    auto env = [&](const char* name) -> std::optional<std::string> {
        if (std::string(name) == "XDG_DATA_HOME") return (t.path() / "xdg").string();
        return std::nullopt;
    };
    // A writable folder of its own is a portable home ...
    EXPECT_EQ(loxar::resolve_home(std::nullopt, env, bin), bin);
    // ... but not the bin/ of an install, even one the operator can write.
    fs::create_directories(t.path() / "share" / "loxar");
    EXPECT_EQ(loxar::resolve_home(std::nullopt, env, bin), t.path() / "xdg" / "loxar");
}

}  // namespace
