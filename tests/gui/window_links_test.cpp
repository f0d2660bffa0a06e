// The order in which the composed windows hear each other, as compose.cpp
// states it, and the windows they open in another library.
#include "generator/ui/generator_window.hpp"
#include "optics/ui/emittance_page.hpp"
#include "optics/ui/transform_page.hpp"
#include "particles/ui/unit_rows_window.hpp"
#include "relativity/ui/element_table_window.hpp"
#include "relativity/ui/relativistic_window.hpp"
#include "stats/ui/stat_page_widget.hpp"
#include "window_fixture.hpp"

namespace zelkor::test {
namespace {

class WindowLinks : public WindowTest {
protected:
    StatPageWidget* page(const char* name) { return &child<StatPageWidget>(name); }
    UnitRowsWindow* positions() { return &child<UnitRowsWindow>("TPositions"); }
    UnitRowsWindow* angles() { return &child<UnitRowsWindow>("TAngles"); }
    RelativisticWindow* relativistic() { return &child<RelativisticWindow>("TRelPar"); }
};

TEST_F(WindowLinks, EachKindIsHeardInTheOneStatedOrder) {
    const Listeners& heard = window.links().listeners;
    DataPage* data = &dataPage();
    EXPECT_EQ(heard.reset,
              (std::vector<ResetListener*>{data, positions(), angles(), page("StatPageE"), page("StatPageM"),
                                           page("StatPageP"), page("StatPageA"), &child<EmittancePage>("EmittancePage"),
                                           &child<TransformPage>("TransformPage"), &child<ElementTableWindow>("TTable"),
                                           relativistic()}));
    EXPECT_EQ(heard.load, (std::vector<LoadListener*>{data, page("StatPageE"), page("StatPageM"), page("StatPageP"),
                                                      page("StatPageA")}));
    EXPECT_EQ(heard.unitChange,
              (std::vector<UnitListener*>{page("StatPageE"), page("StatPageM"), page("StatPageP"), page("StatPageA")}));
    EXPECT_EQ(heard.elementPick,
              (std::vector<ElementPickListener*>{&child<GeneratorWindow>("TGenerate"), relativistic()}));
    EXPECT_EQ(heard.relativisticStart, (std::vector<RelativisticStartListener*>{page("StatPageE"), page("StatPageM")}));
    EXPECT_EQ(heard.angleChoice, (std::vector<AngleChoiceListener*>{angles(), page("StatPageA")}));
}

TEST_F(WindowLinks, OtherLibrariesOpenTheRelativityWindowsAndFillTheDataGrid) {
    EXPECT_EQ(window.links().openers, static_cast<WindowOpeners*>(relativistic()));
    EXPECT_EQ(window.links().dataTable, static_cast<DataTableView*>(&dataPage()));
}

}  // namespace
}  // namespace zelkor::test
