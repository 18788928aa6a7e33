// The guard keeps a tone by the device its name resolves to and by its speed: a stop under
// another name of the same device ends it; one at another speed or on another device does not.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "port_name.h"
#include "tones_on.h"

namespace {

#ifndef _WIN32
TEST(TonesOn, AToneIsOneUnderEveryNameOfItsDeviceAndOnlyAtItsSpeed) {
    const std::string byId = ::testing::TempDir() + "pelmox-tone-by-id";
    std::filesystem::remove(byId);
    std::filesystem::create_symlink("/dev/null", byId);
    const struct {
        PortChoice on;
        PortChoice stop;
        int stopBaud;
        bool stops;
    } cases[] = {
        {{1, {}}, {0, portDeviceName(1)}, 9600, true},
        {{0, "null"}, {0, "/dev/null"}, 9600, true},
        {{0, byId}, {0, "/dev/null"}, 9600, true},
        {{0, byId}, {0, "/dev/null"}, 2400, false},
        {{0, "/dev/null"}, {0, "/dev/zero"}, 9600, false},
    };
    for (const auto& c : cases) {
        TonesOn tones;
        tones.noteOn({c.on, 9600});
        tones.noteOff({c.stop, c.stopBaud});
        EXPECT_EQ(tones.empty(), c.stops) << portText(c.on) << " / " << portText(c.stop);
    }
    std::filesystem::remove(byId);
}
#endif

}  // namespace
