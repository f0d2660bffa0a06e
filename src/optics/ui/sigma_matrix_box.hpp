#pragma once

#include "optics/sigma_matrix.hpp"

#include <QGroupBox>

#include <array>

class QLabel;
class QLineEdit;

namespace zelkor {

// grboxSigMatrix: the sixteen moments in read-only edits under their labels,
// row by row (Y, Y', Z, Z').
class SigmaMatrixBox : public QGroupBox {
    Q_OBJECT
public:
    explicit SigmaMatrixBox(QWidget* parent);

    void showMatrix(const SigmaMatrix& sigma);
    QLineEdit& edit(int row, int column) { return *edits_[static_cast<std::size_t>(row * 4 + column)]; }

private:
    std::array<QLineEdit*, 16> edits_{};
};

// grboxBeamPar beside it: the rms emittance and Twiss parameters of each plane.
class BeamParameterBox : public QGroupBox {
    Q_OBJECT
public:
    explicit BeamParameterBox(QWidget* parent);

    void showParameters(const SigmaMatrix& sigma);
    // Y first: eps_rms, beta, gamma, alpha; then the same for Z.
    QLabel& line(int index) { return *lines_[static_cast<std::size_t>(index)]; }

private:
    std::array<QLabel*, 8> lines_{};
};

}  // namespace zelkor
