#pragma once

#include "data/message.hpp"

#include <stdexcept>
#include <string>

namespace zelkor::bindings {

// A call the program refuses, with the message its window would show.
class RefusedCall : public std::runtime_error {
public:
    explicit RefusedCall(Message message) : std::runtime_error(message.text), message_(std::move(message)) {}
    const Message& message() const { return message_; }
    // True when the file could not be opened, written or closed (a script's
    // OSError), false for a refusal of the data or of a field.
    bool isFileFailure() const;

private:
    Message message_;
};

// An argument no window could be given: a misspelt quantity, unit or kind.
class BadArgument : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

[[noreturn]] inline void Refuse(const Message& message) { throw RefusedCall(message); }

}  // namespace zelkor::bindings
