#pragma once

#include "data/message.hpp"

#include <emscripten/val.h>

#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace zelkor::web {

// A JavaScript array of the texts.
template <typename Texts>
emscripten::val TextArray(const Texts& texts) {
    emscripten::val array = emscripten::val::array();
    for (const auto& text : texts) array.call<void>("push", emscripten::val(std::string(text)));
    return array;
}

// { text, caption, icon: "error" | "warning" | "information" }
emscripten::val MessageObject(const Message& message);

// The value as a JavaScript string, or undefined / null as absent.
std::optional<std::string> OptionalText(const emscripten::val& value);

// The message of a caught exception: the program's own, or an error box with its text.
Message RefusalOf(const std::exception& e);

// Runs a call of the page and answers { ok: result } or { refused: message }:
// the core's refusals, a bad argument or running out of memory never reach
// the page as an exception.
template <typename Call>
emscripten::val Answer(Call&& call) {
    emscripten::val answer = emscripten::val::object();
    try {
        answer.set("ok", call());
    } catch (const std::exception& e) {
        answer.set("refused", MessageObject(RefusalOf(e)));
    }
    return answer;
}

}  // namespace zelkor::web
