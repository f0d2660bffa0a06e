#pragma once

#include "widgets/overlay_panel.hpp"
#include "data/progress.hpp"

#include <memory>

class QProgressBar;

namespace zelkor {

// "Please wait ..." with its progress bar, shown while a long pass runs. Its
// progress() is what the core's passes report to.
class BusyPanel : public OverlayPanel {
    Q_OBJECT
public:
    explicit BusyPanel(QWidget* parent);
    ~BusyPanel() override;

    // Bar at 0, panel shown and painted before the pass begins.
    void start();
    // Panel hidden, bar back at 0.
    void finish();

    Progress& progress();
    QProgressBar& bar() { return *bar_; }

private:
    class BarProgress;

    QProgressBar* bar_;
    std::unique_ptr<BarProgress> progress_;
};

}  // namespace zelkor
