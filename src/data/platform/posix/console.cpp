#include "data/platform/console.hpp"

namespace zelkor::platform {

// The arguments are already UTF-8 bytes, and the streams carry bytes as they are.
std::vector<std::string> CommandLineWords(int argc, char** argv) {
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>{};
}

void UseBinaryStandardStreams() {}

}  // namespace zelkor::platform
