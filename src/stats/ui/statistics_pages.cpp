#include "stats/ui/statistics_pages.hpp"

#include "app/edit_commands.hpp"
#include "app/main_window.hpp"
#include "stats/ui/analysis_window.hpp"
#include "stats/ui/stat_page_widget.hpp"

#include <QVBoxLayout>

#include <array>

namespace zelkor {
namespace {

struct PagePlace {
    StatPage page;
    MainPage tab;
    int tableCopyTarget;
    int analysisCopyTarget;
};

// In the Edit menu's order of precedence for the analysis windows.
constexpr std::array<PagePlace, kStatPageCount> kPlaces{{
    {StatPage::Energy, MainPage::EnergStat, 3, 7},
    {StatPage::Momentum, MainPage::MomStat, 5, 8},
    {StatPage::Position, MainPage::PosStat, 2, 6},
    {StatPage::Angle, MainPage::AngStat, 4, 9},
}};

} // namespace

void InstallStatisticsPages(MainWindow& window) {
    const StatPageWidget::Services services{
        window.pageServices(), window.edit(), window.copyHandOver(), [&window] { window.Uklid(); }};
    std::array<StatPageWidget*, kStatPageCount> pages{};
    for (const PagePlace& place : kPlaces) {
        auto* analysis = new AnalysisWindow(DescribePage(place.page), place.analysisCopyTarget, &window);
        window.edit().addAnalysisGrid(analysis->editableGrid());
        TableViewGrid& analysisGrid = analysis->editableGrid();
        analysisGrid.onClicked([&window, &analysisGrid] { window.edit().gridClicked(analysisGrid); });

        QWidget& tab = window.page(place.tab);
        auto* page = new StatPageWidget(services, place.page, place.tableCopyTarget, *analysis, &tab);
        auto* layout = new QVBoxLayout(&tab);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(page);
        window.edit().setPageGrid(static_cast<int>(place.tab), page->editableGrid());
        window.hooks().reset.push_back([page] { page->resetForLoad(); });
        pages[static_cast<std::size_t>(place.page)] = page;
    }
    StatPageWidget* angle = pages[static_cast<std::size_t>(StatPage::Angle)];
    StatPageWidget* position = pages[static_cast<std::size_t>(StatPage::Position)];
    window.hooks().angleChoices.push_back([angle](bool enabled) { angle->switchAngleChoices(enabled); });
    window.hooks().loaded.push_back([angle, position](SourceKind kind) {
        if (kind != SourceKind::WinAgile) return;
        position->setRangeLabel("Range of Interval [mm]");
        angle->setRangeLabel("Range of Interval [mrad]");
    });
}

} // namespace zelkor
