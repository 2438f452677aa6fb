#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "app/files/DataFolder.h"

namespace {

// tools/with-xvfb --displays N names its servers in XVFB_DISPLAYS and keeps a lock file for
// each in XVFB_LOCKS. A test takes the first server whose lock no other test holds, and keeps
// the lock until it ends, so that the real X input of one test never reaches another's window.
// With as many servers as tests running at once (ctest -jN), one is always free.
void takeAFreeDisplay() {
    const char* listed = std::getenv("XVFB_DISPLAYS");
    const char* locks = std::getenv("XVFB_LOCKS");
    if (listed == nullptr || locks == nullptr) {
        return;
    }
    std::istringstream words(listed);
    std::vector<std::string> displays;
    for (std::string display; words >> display;) {
        displays.push_back(display);
    }
    for (const std::string& display : displays) {
        const std::string lock = std::string(locks) + "/display" + display;
        // Close-on-exec: the games this test starts must not keep the server taken.
        const int descriptor = open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (descriptor >= 0 && flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
            setenv("DISPLAY", display.c_str(), 1);
            return;  // held until the process ends
        }
        if (descriptor >= 0) {
            close(descriptor);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    takeAFreeDisplay();
    setGameExecutable(SMELTRUN_BINARY);  // the games the game starts are the game's, not the tests'
#ifdef SMELTRUN_PRELOAD
    // And they keep the GL driver loaded to their end, as the games the tests start do (see
    // GameProcess), so that their leak checks can name it.
    setenv("LD_PRELOAD", SMELTRUN_PRELOAD, 1);
#endif
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
