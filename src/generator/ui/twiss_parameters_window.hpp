#pragma once

#include "generator/twiss_window.hpp"

#include <QDialog>

#include <array>

class QLabel;

namespace zelkor {

// TTwissPar: the six Twiss parameters of the last "Show Twiss Parameters".
// Not modal: it stays usable beside the generator window, which is its parent
// so that the generator's modality does not block it.
class TwissParametersWindow : public QDialog {
    Q_OBJECT
public:
    explicit TwissParametersWindow(QWidget* parent);

    // The labels emptied, then set, and the window shown without blocking.
    void showParameters(const TwissLabels& labels);
    QString labelText(int index) const;

public slots:
    // CloseTwissWindow: the labels emptied and the window hidden.
    void btnCloseClick();

private:
    void placeBesideParent();

    std::array<QLabel*, 6> labels_{};
};

}  // namespace zelkor
