#include "app/about_box.hpp"

#include "widgets/pictures.hpp"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace zelkor {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("TAboutBox");
    setWindowTitle("About ZELKOR");

    auto* icon = new QLabel(this);
    icon->setObjectName("ProgramIcon");
    icon->setPixmap(ProgramIcon(64));
    auto* product = new QLabel("ZELKOR", this);
    product->setObjectName("ProductName");
    QFont large = product->font();
    large.setPointSize(large.pointSize() * 2);
    large.setBold(true);
    product->setFont(large);
    auto* version = new QLabel("Version 1.0", this);
    version->setObjectName("Version");
    auto* comments = new QLabel("Program for processing data from TRANSMIT.TXT files", this);
    comments->setObjectName("Comments");
    comments->setWordWrap(true);
    auto* close = new QPushButton("Close", this);
    close->setObjectName("OKButton");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setHorizontalSpacing(16);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(product, 0, 1);
    layout->addWidget(version, 1, 1);
    layout->addWidget(comments, 2, 0, 1, 2);
    layout->addWidget(close, 3, 0, 1, 2, Qt::AlignHCenter);
    layout->setVerticalSpacing(8);
    setFixedSize(sizeHint().expandedTo(QSize(400, 0)));
}

}  // namespace zelkor
