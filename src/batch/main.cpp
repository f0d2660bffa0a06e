#include "batch/batch_cli.hpp"
#include "data/platform/console.hpp"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    zelkor::platform::UseBinaryStandardStreams();
    return zelkor::batch::RunBatch(zelkor::platform::CommandLineWords(argc, argv), std::cout, std::cerr);
}
