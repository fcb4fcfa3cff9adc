// The game's entry point.
#include "platform/Path.h"

int main(int argc, char** argv) {
    (void)argc;
    (void)argv;
    platform::ProgramFolder();
    return 0;
}
