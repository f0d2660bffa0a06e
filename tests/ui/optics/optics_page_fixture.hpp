#pragma once

#include "optics/ui/emittance_chart.hpp"
#include "optics/ui/emittance_page.hpp"
#include "optics/ui/optics_pages.hpp"
#include "optics/ui/point_cloud.hpp"
#include "optics/ui/transform_page.hpp"
#include "support/srim_text.hpp"
#include "support/ui/host_fixture.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace zelkor::test {

// Two ions at (Y, Y') = (1 mm, 2 mrad) and (-1 mm, -2 mrad), Z = Z' = 0.
inline std::string LineBeamText() {
    return SrimTransmitHeader("== Layer ==") + Lines({"T    1  1 1.000000E+06  1.000000E+04  1.0000000000E+07  "
                                                      "0.0000000000E+00  1.0000000000  0.0020000000  0.0000000000",
                                                      "T    2  1 1.000000E+06  1.000000E+04 -1.0000000000E+07  "
                                                      "0.0000000000E+00  1.0000000000 -0.0020000000  0.0000000000"});
}

// The "Emittance" and "Transform" pages installed into a stand-in host.
class OpticsPageTest : public HostTest {
protected:
    OpticsPageTest() { host.listen(InstallOpticsPages(host.services())); }
    void showTab(MainPage tab) { host.showPage(tab); }
    EmittancePage& emittance() { return child<EmittancePage>("EmittancePage"); }
    TransformPage& transform() { return child<TransformPage>("TransformPage"); }
    EmittanceChart& chart() { return child<EmittanceChart>("graphI"); }
    void openLineBeam() {
        open(writeFile("LINE.TXT", LineBeamText()));
        dialogs.messages.clear();
    }
};

}  // namespace zelkor::test
