#pragma once

#include "data/message.hpp"

#include <iosfwd>
#include <string>

namespace zelkor::batch {

// Exit statuses of zelkor-batch.
inline constexpr int kExitOk = 0;
inline constexpr int kExitStopped = 1;  // after a message that stopped the command
inline constexpr int kExitUsage = 2;

struct BatchIo {
    std::ostream& out;
    std::ostream& err;
};

// A program message on standard error: its text, line breaks kept.
void PrintMessage(const BatchIo& io, const Message& message);

// A usage error: the reason and the command's usage line; returns kExitUsage.
int UsageError(const BatchIo& io, const std::string& reason, const std::string& usage);

}  // namespace zelkor::batch
