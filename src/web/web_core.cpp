#include "web/web_core.hpp"

#include "bindings/binding_error.hpp"
#include "bindings/load_session.hpp"
#include "data/kind_words.hpp"
#include "data/parse_threads.hpp"
#include "optics/transfer_matrix.hpp"
#include "relativity/take_ion_masses.hpp"
#include "stats/histogram_text.hpp"
#include "stats/quantity.hpp"
#include "stats/report_text.hpp"
#include "tables/data_grid_columns.hpp"
#include "web/web_progress.hpp"
#include "web/web_values.hpp"

#include <algorithm>
#include <optional>

namespace zelkor::web {
namespace {

using emscripten::val;

val QuantityEntry(QuantityId quantity) {
    std::vector<std::string> units, captions, rangeLabels;
    for (int code = 0; code < UnitCount(quantity); ++code) {
        units.emplace_back(UnitSymbol(quantity, code));
        captions.push_back(QuantityAxisCaption(quantity, code));
        rangeLabels.push_back(RangeLabel(quantity, code));
    }
    val entry = val::object();
    entry.set("name", std::string(QuantityName(quantity)));
    entry.set("page", static_cast<int>(QuantityPage(quantity)));
    entry.set("units", TextArray(units));
    entry.set("captions", TextArray(captions));
    entry.set("rangeLabels", TextArray(rangeLabels));
    return entry;
}

val LoadFacts(const bindings::Session& session) {
    const PreviewTable table(session.set, session.state.sourceKind);
    std::vector<std::string> titles;
    for (int c = 0; c < table.columns(); ++c) titles.push_back(table.title(c));
    val facts = val::object();
    facts.set("kind", std::string(SourceKindWord(session.state.sourceKind)));
    facts.set("count", session.set.count);
    facts.set("lineCount", static_cast<double>(session.set.lineCount));
    facts.set("atomZ", session.state.atomZ);
    facts.set("header", session.state.headerLine);
    facts.set("warnings", session.warnings);
    facts.set("columns", TextArray(titles));
    return facts;
}

val CatalogueFacts() {
    val quantities = val::array();
    for (int q = 0; q <= static_cast<int>(QuantityId::dZdX); ++q)
        quantities.call<void>("push", QuantityEntry(static_cast<QuantityId>(q)));
    val facts = val::object();
    facts.set("quantities", quantities);
    facts.set("matrixNames", TextArray(kTransferElementNames));
    facts.set("matrixIdentity", TextArray(IdentityMatrixTexts()));
    facts.set("noFilter", std::string(kNoFilterText));
    return facts;
}

val PreviewCells(const bindings::Session& session, int first, int count) {
    const PreviewTable table(session.set, session.state.sourceKind);
    const int last = std::min(first + count - 1, table.rows());
    val rows = val::array();
    for (int ion = std::max(first, 1); ion <= last; ++ion) {
        std::vector<std::string> cells;
        for (int c = 0; c < table.columns(); ++c) cells.push_back(CellText(table, ion, c));
        rows.call<void>("push", TextArray(cells));
    }
    return rows;
}

}  // namespace

WebCore::WebCore() {
    // A read of a chosen File costs the browser a fixed toll per slice; at
    // 1 MB the reads took as long as the parse, at 8 MB a fifth of it.
    ParseThreads reads = CurrentParseThreads();
    reads.threads = 1;
    reads.blockBytes = std::size_t{8} << 20;
    SetParseThreads(reads);
}

val WebCore::catalogue() const {
    return Answer([] { return CatalogueFacts(); });
}

val WebCore::load(const std::string& path, const std::string& kindWord, val progress) {
    return Answer([&] {
        const std::optional<std::string> word = kindWord.empty() ? std::nullopt : std::optional(kindWord);
        const SourceKind kind = bindings::KindToLoad(path, word);
        WebProgress reported(progress);
        bindings::Session loaded;
        bindings::LoadSession(loaded, kind, path, reported);
        session_ = std::move(loaded);
        return LoadFacts(session_);
    });
}

val WebCore::previewRows(int first, int count) const {
    return Answer([&] { return PreviewCells(session_, first, count); });
}

val WebCore::species(const std::string& A, const std::string& amu, const std::string& n) {
    return Answer([&] {
        const std::optional<std::string_view> nText = n.empty() ? std::nullopt : std::optional<std::string_view>(n);
        if (const auto refusal = TakeSpecies(A, amu, session_.state, session_.set, nText)) bindings::Refuse(*refusal);
        return val(true);
    });
}

}  // namespace zelkor::web
