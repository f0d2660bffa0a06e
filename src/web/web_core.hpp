#pragma once

#include "bindings/session.hpp"
#include "generator/beam_random.hpp"

#include <emscripten/val.h>

#include <string>

namespace zelkor::web {

// What the page's worker calls: one session (the loaded file and the state a
// main window keeps beside it) and the run's random sequence. Every call
// answers { ok: value } or { refused: { text, caption, icon } }; every text
// and number format the page shows comes from here.
class WebCore {
public:
    WebCore();

    // Static facts: the fourteen quantities with their units and captions,
    // the emittance modes, the transform's element names and identity texts.
    emscripten::val catalogue() const;

    // A load command over a file of the worker's file system; kindWord ""
    // goes by the extension. A refused file keeps the loaded one.
    emscripten::val load(const std::string& path, const std::string& kindWord, emscripten::val progress);
    // Preview's cells of ions first .. first + count - 1 (from 1), with the
    // column titles.
    emscripten::val previewRows(int first, int count) const;
    // The relativistic window's species: A, amu and the charge state n.
    emscripten::val species(const std::string& A, const std::string& amu, const std::string& n);

    // choice: { name, unit } as the statistics options of a script.
    emscripten::val stats(emscripten::val choice, const std::string& width, emscripten::val progress);
    emscripten::val filter(emscripten::val choice, const std::string& n, emscripten::val progress);
    emscripten::val clearFilter(emscripten::val choice);
    emscripten::val defaultWidth(emscripten::val choice, const std::string& display, const std::string& zoom);
    emscripten::val histogram(emscripten::val choice, const std::string& width, const std::string& display,
                              const std::string& zoom, emscripten::val progress);
    // The interval width's text after the quantity's unit changed from one
    // symbol to another: the same width in the new unit, or null to keep it.
    emscripten::val convertWidth(const std::string& name, const std::string& from, const std::string& to,
                                 const std::string& text) const;

    // mode: "horizontal", "vertical" or "real": axes, titles and every ion's point.
    emscripten::val emittance(const std::string& mode, const std::string& scaleH, const std::string& scaleV) const;
    emscripten::val sigmaMatrix() const;
    // "Calculate" of the transform page with the sixteen texts.
    emscripten::val setMatrix(emscripten::val texts);
    emscripten::val transformRows(int first, int count) const;

    // The accepted ions as a file's bytes: kindWord "" for the set's own
    // layout, "trim" or "pnt" for the exports; setX null keeps each depth.
    emscripten::val save(const std::string& kindWord, emscripten::val setX, emscripten::val progress) const;
    emscripten::val saveTransformed(emscripten::val progress) const;
    // A generated TRIM.DAT: { bytes, count } from the named fields.
    emscripten::val generate(emscripten::val fields, emscripten::val progress);

private:
    bindings::Session session_;
    BeamRandom random_;
};

}  // namespace zelkor::web
