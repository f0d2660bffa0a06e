#include "web/web_values.hpp"

#include "bindings/binding_error.hpp"

#include <new>

namespace zelkor::web {

emscripten::val MessageObject(const Message& message) {
    emscripten::val object = emscripten::val::object();
    object.set("text", message.text);
    object.set("caption", message.caption);
    const char* icon = message.icon == MessageIcon::Error     ? "error"
                       : message.icon == MessageIcon::Warning ? "warning"
                                                              : "information";
    object.set("icon", std::string(icon));
    return object;
}

std::optional<std::string> OptionalText(const emscripten::val& value) {
    if (value.isUndefined() || value.isNull()) return std::nullopt;
    return value.as<std::string>();
}

Message RefusalOf(const std::exception& e) {
    if (const auto* refused = dynamic_cast<const bindings::RefusedCall*>(&e)) return refused->message();
    if (dynamic_cast<const std::bad_alloc*>(&e) != nullptr) return ErrorMessage(kOutOfMemoryText);
    return ErrorMessage(e.what());
}

}  // namespace zelkor::web
