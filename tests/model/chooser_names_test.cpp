// The file chooser's naming rules: what it lists, what a click takes, which file a name stands for.
#include "model/chooser_names.hpp"

#include <gtest/gtest.h>

namespace loxar {
namespace {

using M = ChooserMode;

TEST(ChooserNames, ListsFilesOfTheExtensionInAnyCase) {
    const struct {
        const char* file;
        const char* extension;
        bool listed;
    } cases[] = {
        {"a.log", "log", true},      {"b.LOG", "log", true}, {"x.SUM", "SUM", true},  {"y.sum", "SUM", true},
        {"c.log.bak", "log", false}, {"log", "log", false},  {"d.adi", "log", false}, {"b.edi", "*", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(listed_for(c.file, dotted_extension(c.extension)), c.listed) << c.file;
    EXPECT_EQ(dotted_extension(""), "");
}

TEST(ChooserNames, AClickedFileGivesTheName) {
    EXPECT_EQ(name_from_entry(M::Open, "contest.2m.log"), "contest.2m.log");
    EXPECT_EQ(name_from_entry(M::Save, "contest.2m.log"), "contest");
    EXPECT_EQ(name_from_entry(M::Save, "README"), "README");
    EXPECT_EQ(name_from_entry(M::Confirm, "x.edi"), "x");
}

TEST(ChooserNames, TheFileANameStandsFor) {
    const struct {
        M mode;
        std::vector<Text> files;
        const char* extension;
        const char* typed;
        std::optional<Text> chosen;
    } cases[] = {
        {M::Save, {"abc.log"}, "log", "abc", "abc.log"},
        {M::Save, {}, "log", "abc.log", "abc.log.log"},
        {M::Save, {}, "", "abc", "abc"},
        {M::Open, {"minta.qra"}, "qra", "minta", "minta.qra"},
        {M::Open, {"minta", "minta.qra"}, "qra", "minta", "minta.qra"},
        {M::Open, {}, "log", "contest.2m", "contest.2m.log"},
        {M::Open, {"hang.WAV"}, "wav", "HANG", "hang.WAV"},
        {M::Open, {"hang.wav", "hang.WAV"}, "wav", "hang.WAV", "hang.WAV"},
        {M::Open, {"notes.txt"}, "qra", "notes.txt", "notes.txt"},
        {M::Open, {"a.adi"}, "*", "a", "a"},
        // Nothing may leave the directory.
        {M::Open, {}, "log", "../evil.log", std::nullopt},
        {M::Save, {}, "log", "../evil", std::nullopt},
        {M::Save, {}, "log", "/tmp/evil", std::nullopt},
        {M::Open, {}, "log", "sub/a.log", std::nullopt},
        {M::Save, {}, "log", "..\\evil", std::nullopt},
        {M::Open, {}, "log", "..", std::nullopt},
        {M::Open, {}, "log", ".", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(chosen_file_name(c.mode, c.typed, dotted_extension(c.extension), c.files), c.chosen)
            << c.typed;
    }
}

}  // namespace
}  // namespace loxar
