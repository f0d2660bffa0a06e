#include "stat_page_fixture.hpp"

#include "support/srim_text.hpp"

#include <QTabWidget>
#include <QTableView>

#include <cstdio>

namespace zelkor::test {

std::string TenIonTransmitText() {
    std::vector<std::string> lines;
    for (int k = 1; k <= 10; ++k) {
        char line[160];
        const char* energy = k < 10 ? "" : ".1000000E+05";
        char mantissa[20];
        std::snprintf(mantissa, sizeof mantissa, ".%d000000E+04", k);
        // Y = 10 k Angstrom: .1E+02 .. .1E+03.
        char y[20];
        if (k < 10)
            std::snprintf(y, sizeof y, "  .%d000E+02", k);
        else
            std::snprintf(y, sizeof y, "  .1000E+03");
        std::snprintf(line, sizeof line, "T %4d  2 %s   1000000E-01%s -.1016E+03   .9999324  .0013460 -.0115474", k,
                      k < 10 ? mantissa : energy, y);
        lines.emplace_back(line);
    }
    return SrimTransmitHeader("=====  He (5000 keV) ==> Silicon (10 um)                                 =====") +
           Lines(lines);
}

void StatPageTest::SetUp() {
    open(writeFile("TRANSMIT.TXT", TenIonTransmitText()));
    ASSERT_EQ(window.set().count, 10);
    dialogs.messages.clear();
}

void StatPageTest::showTab(MainPage tab) { child<QTabWidget>("PageControl1").setCurrentIndex(static_cast<int>(tab)); }

QString StatPageTest::text(const char* name) {
    if (auto* edit = window.findChild<QLineEdit*>(name)) return edit->text();
    return child<QLabel>(name).text();
}

StatPageWidget& StatPageTest::page(char suffix) {
    const std::string name = std::string("StatPage") + suffix;
    return child<StatPageWidget>(name.c_str());
}

std::vector<std::string> StatPageTest::analysisRows(const char* className) {
    std::vector<std::string> rows;
    const auto* model = analysis(className).grid().model();
    for (int row = 0; row < model->rowCount(); ++row)
        rows.push_back(model->index(row, 0).data().toString().toStdString());
    return rows;
}

void StatPageTest::commitFilter(char suffix, const char* n) {
    const std::string s(1, suffix);
    click(("radbtnFXsigma" + s).c_str());
    type(("editSpecFilt" + s).c_str(), n);
    click(("btnSpecFilt" + s).c_str());
    const char* ok = suffix == 'E' ? "btnOkEnA" : suffix == 'M' ? "btnOkMoA" : suffix == 'P' ? "btnOkPoA" : "btnOkAnA";
    click(ok);
}

int StatPageTest::tableSum(char suffix) {
    int sum = 0;
    for (const auto& row : tableRows(suffix)) sum += std::stoi(row[2]);
    return sum;
}

}  // namespace zelkor::test
