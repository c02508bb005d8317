#include <gtest/gtest.h>
#include "services/chinese_records.h"
#include "services/euro_date.h"
#include <cstddef>

// The records cross a C binary interface: field order matters, not just size.
TEST(Records, FieldOffsetsMatchTheBinaryInterface) {
    EXPECT_EQ(offsetof(orbel::ChlDate, jdn), 8 * sizeof(int32_t));
    EXPECT_EQ(offsetof(orbel::ChlDate, leap), 9 * sizeof(int32_t));
    EXPECT_EQ(offsetof(orbel::ChsDate, term), 5 * sizeof(int32_t));
    EXPECT_EQ(offsetof(orbel::ChsDate, jdn), 8 * sizeof(int32_t));
    EXPECT_EQ(offsetof(orbel::EuroDate, jdn), 4 * sizeof(int32_t));
}
