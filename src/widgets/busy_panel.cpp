#include "widgets/busy_panel.hpp"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

namespace zelkor {

// Moves the bar on every advance but lets the window repaint only every ~30 ms:
// a pass yields after every record, and handing each of a million yields to
// the event loop would cost more than the pass. User input stays queued, so no
// second command can start in the middle of a pass.
class BusyPanel::BarProgress : public Progress {
public:
    explicit BarProgress(QProgressBar& bar) : Progress(true), bar_(bar) { clock_.start(); }

    void advance(int steps) override { bar_.setValue(std::min(bar_.maximum(), bar_.value() + steps)); }

protected:
    void onYield() override {
        // Reading the clock costs more than a short record: look only now and then.
        if ((++yields_ & 0xFF) != 0) return;
        if (clock_.elapsed() < 30) return;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        // Painting left to the event loop can wait several look-ins (at the
        // start of a generation it took three): the bar is painted here, so
        // that it moves from the first look-in on.
        if (bar_.value() != paintedValue_) {
            bar_.repaint();
            paintedValue_ = bar_.value();
        }
        clock_.restart();
    }

private:
    QProgressBar& bar_;
    QElapsedTimer clock_;
    unsigned yields_ = 0;
    int paintedValue_ = -1;
};

BusyPanel::BusyPanel(QWidget* parent) : OverlayPanel(parent) {
    setObjectName("panelPlsWait");
    setCursor(Qt::WaitCursor);
    auto* text = new QLabel("Please wait ...", this);
    QFont bold = text->font();
    bold.setBold(true);
    text->setFont(bold);
    text->setAlignment(Qt::AlignCenter);
    bar_ = new QProgressBar(this);
    bar_->setObjectName("prgsbarPlsWait");
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 10, 16, 14);
    layout->addWidget(text);
    layout->addWidget(bar_);
    progress_ = std::make_unique<BarProgress>(*bar_);
}

BusyPanel::~BusyPanel() = default;

void BusyPanel::start() {
    bar_->setValue(0);
    showOnTop();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void BusyPanel::finish() {
    hide();
    bar_->setValue(0);
}

Progress& BusyPanel::progress() { return *progress_; }

}  // namespace zelkor
