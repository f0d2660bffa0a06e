#include "stats/ui/statistics_pages.hpp"

#include "state/copy_target.hpp"
#include "stats/ui/analysis_window.hpp"
#include "stats/ui/stat_page_widget.hpp"
#include "widgets/edit_commands.hpp"
#include "widgets/page_host.hpp"
#include "widgets/table_view_grid.hpp"
#include "widgets/window_services.hpp"

#include <QVBoxLayout>

#include <array>

namespace zelkor {
namespace {

struct PagePlace {
    StatPage page;
    MainPage tab;
    CopyTarget tableCopyTarget;
    CopyTarget analysisCopyTarget;
    CopyTarget moreCopyTarget;
};

// In the Edit menu's order of precedence for the analysis windows.
constexpr std::array<PagePlace, kStatPageCount> kPlaces{{
    {StatPage::Energy, MainPage::EnergStat, CopyTarget::EnData, CopyTarget::EnAnalys, CopyTarget::EnMore},
    {StatPage::Momentum, MainPage::MomStat, CopyTarget::MoData, CopyTarget::MomAnalys, CopyTarget::MomMore},
    {StatPage::Position, MainPage::PosStat, CopyTarget::PoData, CopyTarget::PoAnalys, CopyTarget::PoMore},
    {StatPage::Angle, MainPage::AngStat, CopyTarget::AnData, CopyTarget::AnAnalys, CopyTarget::AnMore},
}};

StatPageWidget* InstallPage(const WindowServices& services, const PagePlace& place) {
    PageHost& host = services.host;
    auto* analysis =
        new AnalysisWindow(LookOfPage(place.page), place.analysisCopyTarget, place.moreCopyTarget, &host.topWindow());
    services.edit.joinAnalysisGrid(analysis->editableGrid());
    // After the report's grid: the Edit menu's precedence among the reports stays.
    services.edit.joinAnalysisGrid(analysis->moreEditableGrid());

    QWidget& tab = host.page(place.tab);
    auto* page = new StatPageWidget(services, place.page, place.tableCopyTarget, *analysis, &tab);
    auto* layout = new QVBoxLayout(&tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page);
    services.edit.joinPageGrid(place.tab, page->editableGrid());
    return page;
}

}  // namespace

Listeners InstallStatisticsPages(const WindowServices& services) {
    Listeners listeners;
    for (const PagePlace& place : kPlaces) {
        StatPageWidget* page = InstallPage(services, place);
        listeners.reset.push_back(page);
        listeners.load.push_back(page);
        listeners.unitChange.push_back(page);
        // The relativistic calculation replaces the energies and momenta these pages show.
        if (place.page == StatPage::Energy || place.page == StatPage::Momentum)
            listeners.relativisticStart.push_back(page);
        if (place.page == StatPage::Angle) listeners.angleChoice.push_back(page);
    }
    return listeners;
}

}  // namespace zelkor
