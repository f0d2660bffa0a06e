#include "stats/ui/statistics_pages.hpp"

#include "state/copy_target.hpp"
#include "stats/ui/analysis_window.hpp"
#include "stats/ui/stat_page_widget.hpp"
#include "widgets/edit_commands.hpp"
#include "widgets/page_host.hpp"
#include "widgets/table_view_grid.hpp"
#include "widgets/window_hooks.hpp"
#include "widgets/window_services.hpp"

#include <QLineEdit>
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
    {StatPage::Energy, MainPage::EnergStat, copy_target::kEnData, copy_target::kEnAnalys},
    {StatPage::Momentum, MainPage::MomStat, copy_target::kMoData, copy_target::kMomAnalys},
    {StatPage::Position, MainPage::PosStat, copy_target::kPoData, copy_target::kPoAnalys},
    {StatPage::Angle, MainPage::AngStat, copy_target::kAnData, copy_target::kAnAnalys},
}};

}  // namespace

StatisticsPages InstallStatisticsPages(const WindowServices& services) {
    PageHost& host = services.host;
    StatisticsPages pages{};
    for (const PagePlace& place : kPlaces) {
        auto* analysis = new AnalysisWindow(LookOfPage(place.page), place.analysisCopyTarget, &host.topWindow());
        services.edit.joinAnalysisGrid(analysis->editableGrid());

        QWidget& tab = host.page(place.tab);
        auto* page = new StatPageWidget(services, place.page, place.tableCopyTarget, *analysis, &tab);
        auto* layout = new QVBoxLayout(&tab);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(page);
        services.edit.joinPageGrid(static_cast<int>(place.tab), page->editableGrid());
        host.hooks().reset.push_back([page] { page->resetForLoad(); });
        // Every load may bring other units (a point file's are metres and radians).
        host.hooks().loaded.push_back([page](SourceKind) { page->refreshRangeLabel(); });
        host.hooks().unitsChanged.push_back([page] { page->refreshRangeLabel(); });
        // The relativistic calculation replaces the energies and momenta these pages show.
        if (place.page == StatPage::Energy || place.page == StatPage::Momentum)
            host.hooks().relativisticStarted.push_back(
                [page, width = page->findChild<QLineEdit*>(place.page == StatPage::Energy ? "lbeditRanofIntE"
                                                                                          : "lbeditRanofIntM")] {
                    page->hideHistogram();
                    if (width) width->clear();
                });
        pages[static_cast<std::size_t>(place.page)] = page;
    }
    StatPageWidget* angle = pages[static_cast<std::size_t>(StatPage::Angle)];
    host.hooks().angleChoices.push_back([angle](bool enabled) { angle->switchAngleChoices(enabled); });
    return pages;
}

}  // namespace zelkor
