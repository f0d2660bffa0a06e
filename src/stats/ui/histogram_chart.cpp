#include "stats/ui/histogram_chart.hpp"

#include <QClipboard>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>

namespace zelkor {
namespace {

QColor ToColour(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// "###0.##": whole numbers without decimals, others with at most two (three on
// the energy chart); "g" drops trailing zeros the same way.
void SetValueFormat(QCPAxis& axis, std::string_view pattern) {
    const auto point = pattern.find('.');
    const int decimals = point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
    axis.setNumberFormat("g");
    axis.setNumberPrecision(7 + decimals);
}

void StyleAxis(QCPAxis& axis) {
    axis.setTickLength(0, 5);
    axis.setSubTicks(false);
}

}  // namespace

HistogramChart::HistogramChart(const PageLook& page, UserDialogs& dialogs, QWidget* parent)
    : KeepableChart(dialogs, parent) {
    setObjectName(Text(page.chart));
    QLinearGradient gradient(0, 0, 0, 400);
    gradient.setColorAt(0, Qt::white);
    gradient.setColorAt(1, ToColour(page.gradientEndColour));
    setBackground(QBrush(gradient));
    legend->setVisible(false);

    bars_ = new QCPBars(xAxis, yAxis);
    bars_->setObjectName(Text(page.barSeries));
    bars_->setName(Text(page.barSeries));
    bars_->setWidthType(QCPBars::wtPlotCoords);
    bars_->setWidth(1.0);  // the whole slot, no gap between bars
    bars_->setPen(QPen(ToColour(page.barColour)));
    bars_->setBrush(ToColour(page.barColour));

    labelTicker_.reset(new QCPAxisTickerText);
    xAxis->setTicker(labelTicker_);
    xAxis->setTickLabelRotation(90);
    StyleAxis(*xAxis);
    StyleAxis(*yAxis);
    SetValueFormat(*yAxis, page.countAxisFormat);
    yAxis->setLabel("Number of Ions");

    fitCurve_ = addGraph(xAxis, yAxis);
    fitCurve_->setObjectName(QString("fitCurve") + QChar(page.suffix));
    // Black shows over the red, green and blue bars of every page.
    fitCurve_->setPen(QPen(Qt::black, 2));
    fitLabel_ = new QCPItemText(this);
    fitLabel_->setObjectName(QString("fitLabel") + QChar(page.suffix));
    fitLabel_->setPositionAlignment(Qt::AlignTop | Qt::AlignRight);
    fitLabel_->setTextAlignment(Qt::AlignLeft);
    fitLabel_->position->setType(QCPItemPosition::ptAxisRectRatio);
    fitLabel_->position->setCoords(0.98, 0.03);
    fitLabel_->setPadding(QMargins(6, 4, 6, 4));
    fitLabel_->setBrush(QBrush(QColor(255, 255, 255, 220)));
    fitLabel_->setPen(QPen(Qt::gray));
    fitLabel_->setClipToAxisRect(true);
    fitLabel_->setVisible(false);

    fitAction_ = new QAction("Fit Gaussian", this);
    fitAction_->setObjectName(QString("actFitGauss") + QChar(page.suffix));
    connect(fitAction_, &QAction::triggered, this, [this] {
        if (fitRequested_) fitRequested_();
    });
    copyFitAction_ = new QAction("Copy Fit Parameters", this);
    copyFitAction_->setObjectName(QString("actCopyFit") + QChar(page.suffix));
    connect(copyFitAction_, &QAction::triggered, this, &HistogramChart::copyFit);

    // The wheel zooms too.
    setInteractions(QCP::iRangeZoom);
    connect(xAxis, QOverload<const QCPRange&>::of(&QCPAxis::rangeChanged), this, [this] { updateTicks(); });
}

void HistogramChart::setBars(const HistogramBars& histogram) {
    QVector<double> keys, values;
    keys.reserve(static_cast<qsizetype>(histogram.bars.size()));
    values.reserve(keys.capacity());
    labels_.clear();
    maxCount_ = 0;
    double key = 1.0;
    for (const HistogramBar& bar : histogram.bars) {
        keys.push_back(key);
        values.push_back(bar.count);
        labels_.push_back(bar.label);
        maxCount_ = std::max(maxCount_, bar.count);
        key += 1.0;
    }
    bars_->setData(keys, values, true);
    clearFit();
    xAxis->setLabel(Text(histogram.axisCaption));
    showAll();
}

void HistogramChart::showAll() {
    xAxis->setRange(0.5, static_cast<double>(labels_.size()) + 0.5);
    fitCountAxis();
    updateTicks();
    replot();
}

void HistogramChart::fitCountAxis() {
    const double top = std::max(1, maxCount_);
    // A bar of height 0 has no logarithm: its base lies below the axis and it
    // is clipped away, while a count of 1 still shows above the bottom.
    if (logarithmic())
        yAxis->setRange(0.5, top * 2.0);
    else
        yAxis->setRange(0.0, top * 1.05);
}

void HistogramChart::setLogarithmic(bool logarithmic) {
    if (logarithmic == this->logarithmic()) return;
    yAxis->setScaleType(logarithmic ? QCPAxis::stLogarithmic : QCPAxis::stLinear);
    if (logarithmic)
        yAxis->setTicker(QSharedPointer<QCPAxisTickerLog>(new QCPAxisTickerLog));
    else
        yAxis->setTicker(QSharedPointer<QCPAxisTicker>(new QCPAxisTicker));
    fitCountAxis();
    replot();
}

bool HistogramChart::logarithmic() const { return yAxis->scaleType() == QCPAxis::stLogarithmic; }

void HistogramChart::updateTicks() {
    labelTicker_->clear();
    const int count = static_cast<int>(labels_.size());
    if (count == 0) return;
    // As many labels as fit side by side; the middle bar (the mean in whole and
    // filtered display) always keeps its label.
    const double visible = std::max(1.0, xAxis->range().size());
    const int room = std::max(1, axisRect()->width() / (QFontMetrics(xAxis->tickLabelFont()).height() + 4));
    const int stride = std::max(1, static_cast<int>(std::ceil(visible / room)));
    const int middle = count / 2;
    for (int i = 0; i < count; ++i)
        if ((i - middle) % stride == 0)
            labelTicker_->addTick(i + 1.0, QString::fromStdString(labels_[static_cast<std::size_t>(i)]));
}

void HistogramChart::setFit(const QVector<double>& keys, const QVector<double>& values,
                            const std::array<std::string, 4>& lines) {
    fitCurve_->setData(keys, values, true);
    QStringList text;
    for (const std::string& line : lines) text << QString::fromStdString(line);
    fitLabel_->setText(text.join('\n'));
    fitLabel_->setVisible(true);
    replot();
}

void HistogramChart::clearFit() {
    fitCurve_->data()->clear();
    fitLabel_->setText(QString());
    fitLabel_->setVisible(false);
}

bool HistogramChart::hasFit() const { return fitLabel_->visible(); }

QString HistogramChart::fitText() const { return hasFit() ? fitLabel_->text() : QString(); }

void HistogramChart::copyFit() {
    if (hasFit()) QGuiApplication::clipboard()->setText(fitText().replace('\n', "\r\n") + "\r\n");
}

void HistogramChart::addOwnActions(QMenu& menu) {
    menu.addAction(fitAction_);
    copyFitAction_->setEnabled(hasFit());
    menu.addAction(copyFitAction_);
}

void HistogramChart::resizeEvent(QResizeEvent* event) {
    QCustomPlot::resizeEvent(event);
    updateTicks();
}

}  // namespace zelkor
