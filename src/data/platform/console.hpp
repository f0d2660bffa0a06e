#pragma once

#include <string>
#include <vector>

namespace zelkor::platform {

// The words of the command line after the program's name, in UTF-8.
std::vector<std::string> CommandLineWords(int argc, char** argv);

// Standard input, output and error pass bytes unchanged: "\n" stays one
// byte, as in the files the program writes.
void UseBinaryStandardStreams();

}  // namespace zelkor::platform
