#include "support/ui/host_fixture.hpp"

#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace zelkor::test {

HostTest::HostTest() {
    host.show();
    host.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&host));
}

HostTest::~HostTest() { QApplication::clipboard()->clear(); }

std::filesystem::path HostTest::writeFile(const std::string& name, const std::string& text) const {
    return dir.write(name, text);
}

std::filesystem::path HostTest::openTransmit() {
    const auto path = writeFile("TRANSMIT.TXT", TransmitFileText());
    open(path);
    return path;
}

}  // namespace zelkor::test
