#include "batch/batch_io.hpp"

#include <ostream>

namespace zelkor::batch {

void PrintMessage(const BatchIo& io, const Message& message) { io.err << message.text << '\n'; }

int UsageError(const BatchIo& io, const std::string& reason, const std::string& usage) {
    io.err << "zelkor-batch: " << reason << '\n' << "usage: " << usage << '\n';
    return kExitUsage;
}

}  // namespace zelkor::batch
