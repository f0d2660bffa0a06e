#include "bindings/binding_error.hpp"

#include <string_view>

namespace zelkor::bindings {

bool RefusedCall::isFileFailure() const {
    const std::string_view text = message_.text;
    return text == kCannotOpenText || text == kCannotCloseText || text == kCannotSaveText ||
           text == kCannotExportText || text == kCannotImportText;
}

}  // namespace zelkor::bindings
