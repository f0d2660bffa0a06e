#pragma once

#include "data/message.hpp"

#include <optional>
#include <utility>

namespace zelkor {

// A value, or the message a refused action shows before it stops.
template <typename T>
struct Checked {
    std::optional<T> value;
    std::optional<Message> refusal;

    static Checked Ok(T v) { return {std::move(v), std::nullopt}; }
    static Checked Refused(Message m) { return {std::nullopt, std::move(m)}; }
    bool ok() const { return value.has_value(); }
};

}  // namespace zelkor
