// A backup's stamp names a real moment: every field passes at its edge and fails one past it.

#include <gtest/gtest.h>

#include "engine/BackupCopyName.h"

namespace veltrano::test {
namespace {

TEST(BackupCopyName, OnlyRealDatesAndTimesAreStamps) {
    for (const char* stamp : {"000101-000000", "991231-235959", "261204-063015"}) {
        EXPECT_TRUE(BackupCopyName::isStamp(stamp)) << stamp;
    }
    for (const char* text : {"261204-240000", "261204-290000", "261204-126000", "261204-120060",
                             "261232-120000", "261200-120000", "261304-120000", "260004-120000",
                             "261204_120000", "261204-12000a", "261204-1200000", "261204-12000"}) {
        EXPECT_FALSE(BackupCopyName::isStamp(text)) << text;
    }
}

}  // namespace
}  // namespace veltrano::test
