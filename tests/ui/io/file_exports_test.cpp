// Save > Filtered File through the menu action, installed into a stand-in host.
#include "io/ui/file_exports.hpp"
#include "support/srim_text.hpp"
#include "support/temp_dir.hpp"
#include "support/ui/scripted_dialogs.hpp"
#include "support/ui/test_host.hpp"

#include <gtest/gtest.h>

#include <QAction>

#include <fstream>
#include <sstream>

namespace zelkor::test {
namespace {

TEST(FileExportsInHost, SaveFilteredWritesTheAcceptedIonsOrRefusesWithoutASet) {
    ScriptedDialogs dialogs;
    TestHost host(dialogs);
    InstallFileExports(host.services());
    host.action("SaveFilteredFile").trigger();
    EXPECT_EQ(dialogs.messages, std::vector<Message>{ErrorMessage(kNoDataText)});

    TempDir dir;
    const auto input = dir.write(
        "TRANSMIT.TXT",
        SrimTransmitHeader("=====  He (5000 keV) ==> Silicon (10 um)                                 =====") +
            Lines({"T    1  2 .3650895E+07   1000000E-01 -.8619E+02 -.1016E+03   .9999324  .0013460 -.0115474",
                   "T    2  2 .3658839E+07   1000000E-01  .1105E+03 -.8610E+03   .9998046  .0167895 -.0104302"}));
    host.load(SourceKind::TransmitTxt, input);
    ASSERT_EQ(host.set.count, 2);
    host.set.records[1].accepted = 0;
    const auto output = dir.path() / "kept.txt";
    dialogs.answer(output);
    host.action("SaveFilteredFile").trigger();
    std::ifstream written(output);
    std::stringstream text;
    text << written.rdbuf();
    EXPECT_NE(text.str().find("3.658839E+06"), std::string::npos);
    EXPECT_EQ(text.str().find("3.650895E+06"), std::string::npos);
}

}  // namespace
}  // namespace zelkor::test
