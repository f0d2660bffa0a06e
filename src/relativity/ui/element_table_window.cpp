#include "relativity/ui/element_table_window.hpp"

#include "relativity/element_entry.hpp"
#include "widgets/page_host.hpp"
#include "widgets/window_links.hpp"

#include <QLabel>
#include <QPushButton>

namespace zelkor {
namespace {

// Buttons 25 x 25 on a 24-pixel pitch; room on the left for the period
// numbers and above for the group headings.
constexpr int kPitch = 24;
constexpr int kButton = 25;
constexpr int kLeft = 28;
constexpr int kTop = 22;

int ColumnX(int column) { return kLeft + (column - 1) * kPitch; }

// The f-block rows stand two pitches below period 7.
int RowY(int row) {
    if (row == kLanthanoidRow) return kTop + 8 * kPitch;
    if (row == kActinoidRow) return kTop + 9 * kPitch;
    return kTop + (row - 1) * kPitch;
}

QLabel* Label(QWidget* parent, const char* text, int x, int y, int width, const char* colour = nullptr) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPixelSize(9);
    label->setFont(font);
    label->setGeometry(x, y, width, kButton - 2);
    label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    if (colour) {
        label->setAutoFillBackground(true);
        label->setStyleSheet(QString("background-color: %1;").arg(colour));
    }
    return label;
}

}  // namespace

ElementTableWindow::ElementTableWindow(const PageHost& host, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      host_(host) {
    setObjectName("TTable");
    setWindowTitle("Periodic table of elements");
    setModal(true);
    setAutoFillBackground(true);
    QPalette green = palette();
    green.setColor(QPalette::Window, QColor(0, 160, 0));
    setPalette(green);

    for (const ElementEntry& entry : kElements) {
        auto* button =
            new QPushButton(QString::fromUtf8(entry.symbol.data(), static_cast<qsizetype>(entry.symbol.size())), this);
        button->setObjectName(QString::fromUtf8(entry.button.data(), static_cast<qsizetype>(entry.button.size())));
        button->setGeometry(ColumnX(entry.column), RowY(entry.row), kButton, kButton);
        QFont font = button->font();
        font.setPixelSize(10);
        button->setFont(font);
        // Shown on screen as four lines; the table's text separates them by CR LF.
        button->setToolTip(QString::fromStdString(ElementTooltip(entry)).replace("\r\n", "\n"));
        button->setToolTipDuration(10000);
        connect(button, &QPushButton::clicked, this, [this, &entry] { pickElement(entry); });
    }
    placeLabels();

    auto* close = new QPushButton("Close", this);
    close->setObjectName("btnClose");
    close->setGeometry(ColumnX(8), RowY(kActinoidRow) + kPitch + 14, 3 * kPitch + 4, 26);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(ColumnX(19) + 12, RowY(kActinoidRow) + 2 * kPitch + 30);
}

void ElementTableWindow::placeLabels() {
    static const char* const kPeriods[] = {"1", "2", "3", "4", "5", "6", "7"};
    for (int row = 1; row <= 7; ++row) Label(this, kPeriods[row - 1], kLeft - 14, RowY(row), 12);
    Label(this, "6", kLeft - 14, RowY(kLanthanoidRow), 12);
    Label(this, "7", kLeft - 14, RowY(kActinoidRow), 12);

    const int above1 = RowY(1) - kPitch + 2, above2 = RowY(2) - kPitch + 2, above4 = RowY(4) - kPitch + 2;
    Label(this, "  I.A", ColumnX(1) - 4, above1, kPitch + 4);
    Label(this, "VIII.A", ColumnX(18), above1, kPitch + 8);
    Label(this, "II.A", ColumnX(2), above2, kPitch);
    const char* const groupsA[] = {" III.A", "IV.A", " V.A", "VI.A", "VII.A"};
    for (int i = 0; i < 5; ++i) Label(this, groupsA[i], ColumnX(13 + i), above2, kPitch);
    const char* const groupsB[] = {"III.B", "IV.B", "V.B", "VI.B", "VII.B"};
    for (int i = 0; i < 5; ++i) Label(this, groupsB[i], ColumnX(3 + i), above4, kPitch);
    Label(this, "  ____VIII.B____", ColumnX(8), above4, 3 * kPitch);
    Label(this, "  I.B", ColumnX(11) - 4, above4, kPitch + 4);
    Label(this, "II.B", ColumnX(12), above4, kPitch);

    Label(this, " Lan", ColumnX(3), RowY(6) + 1, kButton - 1, "yellow");
    Label(this, " Act", ColumnX(3), RowY(7) + 1, kButton - 1, "aqua");
    Label(this, "  Lanthanoids", ColumnX(1), RowY(kLanthanoidRow) + 1, 3 * kPitch, "yellow");
    Label(this, "     Actinoids", ColumnX(1), RowY(kActinoidRow) + 1, 3 * kPitch, "aqua");
}

void ElementTableWindow::pickElement(const ElementEntry& entry) {
    host_.links().listeners.elementPicked(entry);
    accept();
}

}  // namespace zelkor
