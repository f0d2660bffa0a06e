#pragma once

#include "stats/ui/analysis_window.hpp"
#include "stats/ui/histogram_chart.hpp"
#include "stats/ui/stat_page_widget.hpp"
#include "widgets/string_grid_model.hpp"
#include "window_fixture.hpp"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zelkor::test {

// Ten ions: energies 1..10 keV, Y = 10..100 A, the same direction for all.
std::string TenIonTransmitText();

// The main window with the ten ions opened, driven through the pages' controls.
class StatPageTest : public WindowTest {
protected:
    void SetUp() override;

    void showTab(MainPage tab);
    void click(const char* name) { child<QAbstractButton>(name).click(); }
    void type(const char* edit, const char* text) { child<QLineEdit>(edit).setText(text); }
    QString text(const char* name);
    StatPageWidget& page(char suffix);
    AnalysisWindow& analysis(const char* className) { return child<AnalysisWindow>(className); }
    std::vector<std::string> analysisRows(const char* className);
    // Filter Spectrum with n on the page and OK.
    void commitFilter(char suffix, const char* n);
    // The histogram table's cell texts, header excluded.
    const std::vector<std::vector<std::string>>& tableRows(char suffix) { return page(suffix).tableModel().rows(); }
    int tableSum(char suffix);
    int rejected() { return CountRejected(window.set()); }
};

}  // namespace zelkor::test
