// The boxes the program's messages are shown in: every text readable whole.
#include "widgets/qt_user_dialogs.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>

#include <climits>

namespace zelkor::test {
namespace {

TEST(MessageBox, LongTextsWrapInsideTheBoxAndComparisonsStayWithTheirNumbers) {
    const std::string longName(180, 'r');
    for (const std::string& text : std::vector<std::string>{
             "ZELKOR cannot tell what kind of file results-of-the-second-run.xyz is. It opens TRANSMIT.TXT (.txt), "
             "TRIM.DAT (.dat) and WinAGILE point files (.pnt).",
             "ZELKOR cannot tell what kind of file " + longName + ".xyz is. It opens TRANSMIT.TXT (.txt).",
             "Value Range of interval is too low\nNumber of intervals is: " + std::string(300, '9') +
                 "\nNumber of intervals must be >= 1 and <= 1001",
             std::string("Value sigma multiplier is too high. Value must be > 0.001 and <= 1000")}) {
        const auto box = MakeMessageBox(QMessageBox::Warning, "Warning", text, QMessageBox::Ok, nullptr);
        box->show();
        QApplication::processEvents();
        const auto* label = box->findChild<QLabel*>("qt_msgbox_label");
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_LE(label->geometry().right(), box->contentsRect().right()) << text;
        const QRect needed =
            label->fontMetrics().boundingRect(QRect(0, 0, label->width(), INT_MAX), Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.width(), label->width()) << text;
        EXPECT_LE(needed.height(), label->height()) << text;
    }
    EXPECT_TRUE(MessageBoxText("must be >= 1 and <= 1001").contains(QString(">=\u00A01 and <=\u00A01001")));
    EXPECT_EQ(MessageBoxText("from <0, 90)"), "from <0, 90)");
}

TEST(MessageBox, AShortTextLeavesRoomForTheCaption) {
    const auto box = MakeMessageBox(QMessageBox::Information, "Number of intervals", "Number of intervals: 101",
                                    QMessageBox::Ok | QMessageBox::Cancel, nullptr);
    box->show();
    QApplication::processEvents();
    QFont bold = box->font();
    bold.setBold(true);
    EXPECT_GE(box->width(), QFontMetrics(bold).horizontalAdvance("Number of intervals") + 140);
}

}  // namespace
}  // namespace zelkor::test
