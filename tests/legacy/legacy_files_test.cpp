// The disk source's read limit at its edge, set small: a file may give exactly
// the limit; one byte more, from a regular file or from a device, leaves it out.
#include "legacy/legacy_files.h"

#include <cerrno>
#include <gtest/gtest.h>

#include "support/temp_tree.h"

TEST(LegacyFiles, AFileGivingMoreThanTheLimitCannotBeRead)
{
    TempTree tree;
    tree.write("ten.ses", std::string(10, 'x'));
    tree.write("eleven.ses", std::string(11, 'x'));
    const LegacyFiles files = disk_legacy_files(10);
    const LegacyText ten = files.read(tree.path("ten.ses"), true);
    EXPECT_EQ(ten.error, 0);
    EXPECT_EQ(ten.bytes, std::string(10, 'x'));
    EXPECT_EQ(files.read(tree.path("eleven.ses"), true).error, EFBIG);
    EXPECT_EQ(files.read(tree.path("eleven.ses"), false).error, 0);  // only its identity asked for
    EXPECT_EQ(files.read("/dev/zero", true).error, EFBIG);
    EXPECT_EQ(disk_legacy_files(1 << 20).read("/dev/zero", true).error, EFBIG);  // more than one chunk
}
