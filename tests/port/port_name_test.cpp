#include "port_name.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PortCase {
    int number;
    PortPlatform platform;
    std::string device;
};

class PortNameTest : public ::testing::TestWithParam<PortCase> {};

TEST_P(PortNameTest, NamesTheDevice) {
    EXPECT_EQ(portDeviceName(GetParam().number, GetParam().platform), GetParam().device);
}

INSTANTIATE_TEST_SUITE_P(AllPlatforms, PortNameTest,
                         ::testing::Values(PortCase{1, PortPlatform::Windows, "COM1"},
                                           PortCase{4, PortPlatform::Windows, "COM4"},
                                           PortCase{1, PortPlatform::Linux, "/dev/ttyS0"},
                                           PortCase{4, PortPlatform::Linux, "/dev/ttyS3"},
                                           PortCase{2, PortPlatform::MacOS, "/dev/cu.serial2"},
                                           // Outside COM1..COM4 there is no device on any platform.
                                           PortCase{0, PortPlatform::Windows, ""},
                                           PortCase{5, PortPlatform::Linux, ""},
                                           PortCase{-1, PortPlatform::MacOS, ""},
                                           PortCase{-2147483647 - 1, PortPlatform::Linux, ""}));

TEST(PortNumberTest, OnlyOneToFourAreValid) {
    for (int n = -3; n <= 8; ++n)
        EXPECT_EQ(isValidPortNumber(n), n >= 1 && n <= 4) << n;
}

}  // namespace
