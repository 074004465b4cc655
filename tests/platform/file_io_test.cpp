// The platform layer's file calls on a real folder: folder chains made in one call, existence of files and folders.
#include "platform/file_io.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <system_error>

namespace platform {
namespace {

namespace fs = std::filesystem;

class FileIoTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("velnix-file-io-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::error_code error;
        fs::remove_all(root, error);
    }
    void TearDown() override {
        std::error_code error;
        fs::remove_all(root, error);
    }

    fs::path root;
};

TEST_F(FileIoTest, CreateFoldersMakesTheWholeChainAndKeepsWhatIsThere) {
    const fs::path deep = root / "a" / "b c" / "d";
    EXPECT_FALSE(PathExists(deep));
    EXPECT_TRUE(CreateFolders(deep));
    EXPECT_TRUE(fs::is_directory(deep));
    EXPECT_TRUE(PathExists(deep));

    // Again, and with a trailing separator: nothing to do, and still true.
    EXPECT_TRUE(CreateFolders(deep));
    EXPECT_TRUE(CreateFolders(fs::path(deep.native() + fs::path::preferred_separator)));

    // A file in the way: the folder cannot be made.
    const std::byte content[] = {std::byte{'x'}};
    ASSERT_TRUE(WriteWholeFile(root / "file", content));
    EXPECT_TRUE(PathExists(root / "file"));
    EXPECT_FALSE(CreateFolders(root / "file"));
    EXPECT_FALSE(CreateFolders(root / "file" / "below"));
    EXPECT_FALSE(PathExists(root / "file" / "below"));
}

}  // namespace
}  // namespace platform
