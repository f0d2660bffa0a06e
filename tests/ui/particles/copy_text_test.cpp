// Copy builds the clipboard text of the data grid's rows straight from the
// records, in blocks on several threads: byte for byte the text of the old
// cell-by-cell path and of the C library's printf.
#include "data/parse_threads.hpp"
#include "data/run_on_threads.hpp"
#include "io/write_transmit_txt.hpp"
#include "tables/data_grid_columns.hpp"
#include "particles/ui/data_grid_model.hpp"
#include "relativity/relativistic_grid_table.hpp"
#include "state/app_state.hpp"
#include "state/load_file.hpp"
#include "support/c_printf.hpp"
#include "support/counting_progress.hpp"
#include "support/particle_sets.hpp"
#include "support/temp_dir.hpp"
#include "tables/quantity_table.hpp"
#include "widgets/clipboard_text.hpp"

#include <gtest/gtest.h>

namespace zelkor::test {
namespace {

std::string Bytes(const QByteArray& bytes) { return {bytes.constData(), static_cast<std::size_t>(bytes.size())}; }

// The text of today's conversions, cell by cell.
std::string PrintfText(const ParticleSet& set, SourceKind kind, const GridRect& rect) {
    const std::span<const DataColumn> columns = DataColumnsFor(kind);
    std::string text;
    for (int row = rect.top; row <= rect.bottom; ++row) {
        for (int c = rect.left; c <= rect.right; ++c) {
            const DataColumn& column = columns[static_cast<std::size_t>(c)];
            const double value = column.field ? set.record(row).*column.field * column.scale : 0.0;
            switch (column.format) {
                case CellFormat::Index: text += CPrintf("%d", row); break;
                case CellFormat::Exponent6: text += CPrintf("%lE", value); break;
                case CellFormat::Fixed7: text += CPrintf("%.7lf", value); break;
                default: text += CPrintf("%.10lE", value); break;
            }
            text += '\t';
        }
        text += "\r\n";
    }
    return text;
}

void ExpectTodaysText(const ParticleSet& set, SourceKind kind, const GridRect& rect) {
    DataGridModel model;
    model.preview(set, kind);
    CountingProgress oldSteps, newSteps;
    const std::string cellByCell = BuildClipboardText(model, rect, oldSteps);
    const ScopedPassThreads split(3, 7);
    EXPECT_EQ(Bytes(ClipboardBytes(model, rect, newSteps)), cellByCell);
    EXPECT_EQ(newSteps.advanced, oldSteps.advanced);
    EXPECT_EQ(cellByCell, PrintfText(set, kind, rect));
}

TEST(CopyText, AwkwardValuesGiveTheTextOfEveryCell) {
    const ParticleSet set = AwkwardSet(1001, 21);
    ExpectTodaysText(set, SourceKind::TransmitTxt, {0, 1, 7, 1001});
    ExpectTodaysText(set, SourceKind::TrimDat, {2, 5, 6, 600});
    ExpectTodaysText(set, SourceKind::WinAgile, {1, 1, 5, 1001});
    ExpectTodaysText(set, SourceKind::WinAgile, {3, 999, 3, 999});
}

TEST(CopyText, ARealFileGivesTheTextOfEveryCell) {
    AppState state;
    ParticleSet set;
    LoadParticleFile(SourceKind::TransmitTxt, std::filesystem::path(ZELKOR_EXAMPLES_DIR) / "transmit-sample.txt", state,
                     set);
    ASSERT_GT(set.count, 10);
    ExpectTodaysText(set, SourceKind::TransmitTxt, {0, 1, 7, set.count});
}

TEST(CopyText, EveryTableOfTheGridGivesTheTextOfEveryCell) {
    ParticleSet set = AwkwardSet(700, 13);
    AppState state;
    state.sourceKind = SourceKind::TransmitTxt;
    state.amu = 4.0015;
    state.A = 4;
    const RowTicks all{true, true, true, true, true};
    const RelativisticTable relativistic = ComputeRelativisticTable(set, state, RelativisticSelection::All());
    const std::vector<std::shared_ptr<const IonGridTable>> tables{
        std::make_shared<QuantityTable>(MakePositionTable(set, state, all)),
        std::make_shared<QuantityTable>(MakeAngleTable(set, state, all)),
        std::make_shared<RelativisticGridTable>(set, relativistic)};
    for (const auto& table : tables) {
        DataGridModel model;
        model.show(table);
        const GridRect rect{0, 1, table->columns() - 1, set.count};
        const std::string cellByCell = BuildClipboardText(model, rect);
        const ScopedPassThreads split(3, 7);
        EXPECT_EQ(Bytes(ClipboardBytes(model, rect)), cellByCell);
    }
}

TEST(CopyText, ColumnWidthsFromOnePassAreThoseOfEachColumn) {
    const ParticleSet set = AwkwardSet(500, 4);
    const ScopedPassThreads split(3, 7);
    for (const SourceKind kind : {SourceKind::TransmitTxt, SourceKind::WinAgile}) {
        const std::span<const DataColumn> columns = DataColumnsFor(kind);
        const std::vector<std::string> widest = WidestDataCells(columns, set);
        ASSERT_EQ(widest.size(), columns.size());
        for (std::size_t c = 0; c < columns.size(); ++c) {
            ResetPassThreads();
            EXPECT_EQ(widest[c], WidestDataCell(columns[c], set));
            SetPassThreads({3, 7});
        }
    }
}

TEST(CopyText, WidthsFromTheReaderAreThoseOfAPass) {
    const TempDir dir;
    ASSERT_FALSE(WriteTransmitTxt(dir / "awkward.txt", AwkwardSet(3000, 6), " x\n", 2, 1, 2, kCannotOpenText));
    for (const unsigned threads : {1u, 3u}) {
        SetParseThreads({threads, 0, 1 << 16});
        AppState state;
        ParticleSet set;
        LoadParticleFile(SourceKind::TransmitTxt, dir / "awkward.txt", state, set);
        SetParseThreads(DefaultParseThreads());
        ASSERT_TRUE(set.readExtents);
        ParticleSet measured = set;
        measured.readExtents.reset();
        const std::span<const DataColumn> columns = DataColumnsFor(SourceKind::TransmitTxt);
        EXPECT_EQ(WidestDataCells(columns, set), WidestDataCells(columns, measured));
    }
}

}  // namespace
}  // namespace zelkor::test
