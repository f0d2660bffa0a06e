#pragma once

#include "optics/ui/emittance_chart.hpp"
#include "optics/ui/emittance_page.hpp"
#include "optics/ui/point_cloud.hpp"
#include "optics/ui/transform_page.hpp"
#include "support/srim_text.hpp"
#include "window_fixture.hpp"

#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

namespace zelkor::test {

// Two ions at (Y, Y') = (1 mm, 2 mrad) and (-1 mm, -2 mrad), Z = Z' = 0.
inline std::string LineBeamText() {
    return SrimTransmitHeader("== Layer ==") + Lines({"T    1  1 1.000000E+06  1.000000E+04  1.0000000000E+07  "
                                                      "0.0000000000E+00  1.0000000000  0.0020000000  0.0000000000",
                                                      "T    2  1 1.000000E+06  1.000000E+04 -1.0000000000E+07  "
                                                      "0.0000000000E+00  1.0000000000 -0.0020000000  0.0000000000"});
}

class OpticsPageTest : public WindowTest {
protected:
    void click(const char* name) { child<QAbstractButton>(name).click(); }
    void type(const char* edit, const char* text) { child<QLineEdit>(edit).setText(text); }
    QString text(const char* edit) { return child<QLineEdit>(edit).text(); }
    void showTab(MainPage tab) { child<QTabWidget>("PageControl1").setCurrentIndex(static_cast<int>(tab)); }
    EmittancePage& emittance() { return child<EmittancePage>("EmittancePage"); }
    TransformPage& transform() { return child<TransformPage>("TransformPage"); }
    EmittanceChart& chart() { return child<EmittanceChart>("graphI"); }
    void openLineBeam() {
        open(writeFile("LINE.TXT", LineBeamText()));
        dialogs.messages.clear();
    }
};

}  // namespace zelkor::test
