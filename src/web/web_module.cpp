#include "web/web_core.hpp"

#include <emscripten/bind.h>

EMSCRIPTEN_BINDINGS(zelkor) {
    using zelkor::web::WebCore;
    emscripten::class_<WebCore>("WebCore")
        .constructor<>()
        .function("catalogue", &WebCore::catalogue)
        .function("load", &WebCore::load)
        .function("previewRows", &WebCore::previewRows)
        .function("species", &WebCore::species)
        .function("stats", &WebCore::stats)
        .function("filter", &WebCore::filter)
        .function("clearFilter", &WebCore::clearFilter)
        .function("defaultWidth", &WebCore::defaultWidth)
        .function("histogram", &WebCore::histogram)
        .function("convertWidth", &WebCore::convertWidth)
        .function("emittance", &WebCore::emittance)
        .function("sigmaMatrix", &WebCore::sigmaMatrix)
        .function("setMatrix", &WebCore::setMatrix)
        .function("transformRows", &WebCore::transformRows)
        .function("save", &WebCore::save)
        .function("saveTransformed", &WebCore::saveTransformed)
        .function("generate", &WebCore::generate);
}
