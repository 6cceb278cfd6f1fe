#include <FileAccess.h>
#include <InstalledDocument.h>
#include <TempFolder.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace
{
namespace fs = std::filesystem;

bool samePlace(const std::string& found, const fs::path& expected)
{
    std::error_code error;
    return !found.empty() && fs::equivalent(platform::pathFromUtf8(found), expected, error);
}

TEST(ModuleDocument, is_found_beside_the_module_first_then_in_its_bundles_resources)
{
    const std::string scratch = makeTempFolder("orl-module-");
    ASSERT_FALSE(scratch.empty());
    const fs::path root = platform::pathFromUtf8(scratch);
    // A VST 3 bundle's layout, in a folder whose name is no ASCII.
    const fs::path contents =
        root / platform::pathFromUtf8("Pr\xc3\xa9r\xc3\xa9glages.vst3") / "Contents";
    const fs::path binaryFolder = contents / "x86_64-linux";
    fs::create_directories(binaryFolder);
    fs::create_directories(contents / "Resources");
    const std::string module = platform::utf8FromPath(binaryFolder / "Plugin.so");
    const auto found = [&module] { return platform::documentBesideModule(module, "manual.html"); };

    EXPECT_EQ(found(), "") << "nothing there";
    fs::create_directory(contents / "Resources" / "manual.html");
    EXPECT_EQ(found(), "") << "a folder is no document";
    fs::remove(contents / "Resources" / "manual.html");

    std::ofstream(contents / "Resources" / "manual.html") << "<html></html>";
    EXPECT_TRUE(samePlace(found(), contents / "Resources" / "manual.html"));
    std::ofstream(binaryFolder / "manual.html") << "<html></html>";
    EXPECT_TRUE(samePlace(found(), binaryFolder / "manual.html"))
        << "the one beside the module comes first";
    EXPECT_EQ(platform::documentBesideModule("", "manual.html"), "") << "unknown module";

    // The test program holds this code itself, so it is the running module.
    const fs::path running = platform::pathFromUtf8(platform::runningModulePath());
    EXPECT_EQ(running.stem(), "platform_tests");
    EXPECT_TRUE(fs::is_regular_file(running));
    fs::remove_all(root);
}
} // namespace
