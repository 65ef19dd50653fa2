#include <gtest/gtest.h>

#include <cstdlib>

// Every test program runs SDL on its dummy video and audio drivers unless the caller chose
// others (a window test under Xvfb sets its own), so no test needs a display or a sound card.
int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
