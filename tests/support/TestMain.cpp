#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// CTest hands a test that asks for a display the one it was given, as "id:dNUM,slots:1";
// the game's windows and the X input of this test then go to that virtual server, so that
// tests on different servers run side by side. Without it the test keeps DISPLAY.
void takeGivenDisplay() {
    const char* given = std::getenv("CTEST_RESOURCE_GROUP_0_DISPLAY");
    if (given == nullptr) {
        return;
    }
    const std::string text = given;
    const std::string prefix = "id:d";
    const std::size_t end = text.find(',');
    if (text.rfind(prefix, 0) != 0 || end == std::string::npos) {
        return;
    }
    const std::string display = ":" + text.substr(prefix.size(), end - prefix.size());
    setenv("DISPLAY", display.c_str(), 1);
}

}  // namespace

int main(int argc, char** argv) {
    takeGivenDisplay();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
