// Tests of the Linux registry stand-in: which installed program it names at the launcher's first
// location, searched in folders of the test's making, and that every other key stays missing.
#include "runtime/posix/system_tool_registry.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace quantaro {
namespace {

namespace fs = std::filesystem;

const std::string toolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

class SystemToolRegistryTest : public ::testing::Test {
  protected:
    SystemToolRegistryTest() {
        std::string pattern = (fs::temp_directory_path() / "quantaro-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::system_error(errno, std::generic_category(), "mkdtemp");
        }
        root_ = pattern;
    }
    ~SystemToolRegistryTest() override {
        std::error_code error;
        fs::remove_all(root_, error);
    }

    // What the launcher would read at the first location: the path, or nothing.
    static std::optional<std::string> toolPath(Registry& registry) {
        RegistryKey key = 0x1234;  // left from before, so it must be overwritten
        const RegistryStatus opened =
            registry.openKey(registry::localMachine, toolKey, registry::keyRead, key);
        if (opened != registry::success) {
            EXPECT_EQ(opened, registry::fileNotFound);
            EXPECT_EQ(key, 0u);
            return std::nullopt;
        }
        std::vector<std::byte> data(1024);
        std::uint32_t type = 0;
        std::uint32_t size = static_cast<std::uint32_t>(data.size());
        EXPECT_EQ(registry.queryValue(key, "PATH", type, data, size), registry::success);
        registry.closeKey(key);
        EXPECT_EQ(type, registry::typeText);
        EXPECT_GT(size, 0u);
        EXPECT_EQ(data[size - 1], std::byte{0}) << "text ends in one zero byte";
        return std::string(reinterpret_cast<const char*>(data.data()), size - 1);
    }

    fs::path root_;
};

TEST_F(SystemToolRegistryTest, NamesTheFirstProgramOfTheListThatIsInstalledInTheSearchFolders) {
    enum Entry { program, notExecutable, folder };
    const struct {
        const char* name;
        std::vector<std::pair<std::string, Entry>> installed;  // below the scratch folder
        std::optional<std::string> found;
    } cases[] = {
        {"nothing installed", {}, std::nullopt},
        {"only the second program", {{"b/second", program}}, "b/second"},
        {"the list's order comes before the folders' order",
         {{"a/second", program}, {"b/first", program}},
         "b/first"},
        {"of two copies, the earlier folder's",
         {{"a/first", program}, {"b/first", program}},
         "a/first"},
        {"a file this user may not run is passed over",
         {{"a/first", notExecutable}, {"b/first", program}},
         "b/first"},
        {"a folder of the program's name is passed over", {{"a/first", folder}}, std::nullopt},
        {"a program outside the search folders is not found", {{"c/first", program}}, std::nullopt},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const fs::path scratch = root_ / test.name;
        for (const char* name : {"a", "b", "c"}) {
            fs::create_directories(scratch / name);
        }
        for (const auto& [path, entry] : test.installed) {
            if (entry == folder) {
                fs::create_directory(scratch / path);
                continue;
            }
            std::ofstream(scratch / path) << "#!/bin/sh\n";
            fs::permissions(scratch / path,
                            entry == program ? fs::perms::owner_all : fs::perms::owner_read);
        }
        SystemToolRegistry registry({"first", "second"},
                                    {(scratch / "a").string(), (scratch / "b").string() + "/"});
        const std::optional<std::string> expected =
            test.found ? std::optional((scratch / *test.found).string()) : std::nullopt;
        EXPECT_EQ(toolPath(registry), expected);
    }
}

TEST_F(SystemToolRegistryTest, KnowsNoOtherKeyOrValueAndReportsAShortBuffer) {
    std::ofstream(root_ / "first") << "#!/bin/sh\n";
    fs::permissions(root_ / "first", fs::perms::owner_all);
    SystemToolRegistry registry({"first"}, {root_.string()});
    const struct {
        const char* name;
        RegistryKey root;
        std::string key;
    } missingKeys[] = {
        {"the second location", registry::localMachine,
         "SOFTWARE\\Microsoft\\Shared Tools Location"},
        {"the first location under another root", 0x80000001, toolKey},
    };
    for (const auto& test : missingKeys) {
        SCOPED_TRACE(test.name);
        RegistryKey key = 0x1234;
        EXPECT_EQ(registry.openKey(test.root, test.key, registry::keyRead, key),
                  registry::fileNotFound);
        EXPECT_EQ(key, 0u);
    }

    RegistryKey key = 0;
    ASSERT_EQ(registry.openKey(registry::localMachine, toolKey, registry::keyRead, key),
              registry::success);
    std::vector<std::byte> data(1024);
    std::uint32_t type = 0;
    std::uint32_t size = static_cast<std::uint32_t>(data.size());
    EXPECT_EQ(registry.queryValue(key, "MSINFO", type, data, size), registry::fileNotFound);
    const std::size_t needed = (root_ / "first").string().size() + 1;
    std::vector<std::byte> small(needed - 1);
    EXPECT_EQ(registry.queryValue(key, "PATH", type, small, size), registry::moreData);
    EXPECT_EQ(size, needed);
    registry.closeKey(key);
}

TEST(SearchFolders, KeepsOnlyTheAbsoluteFoldersOfThePathInTheirOrder) {
    using Folders = std::vector<std::string>;
    const struct {
        const char* path;
        Folders folders;
    } cases[] = {
        {nullptr, {}},
        {"", {}},
        {"/usr/local/bin:/usr/bin", {"/usr/local/bin", "/usr/bin"}},
        {":/usr/bin::.:bin:/bin:", {"/usr/bin", "/bin"}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.path != nullptr ? test.path : "(unset)");
        EXPECT_EQ(SystemToolRegistry::searchFolders(test.path), test.folders);
    }
}

}  // namespace
}  // namespace quantaro
