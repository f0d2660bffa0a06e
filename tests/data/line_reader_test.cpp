#include "data/line_reader.hpp"
#include "data/reader_passes.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelkor {
namespace {

struct SeenLine {
    std::string text;
    std::uint64_t length;
    bool hadLineEnd;
    bool tooLong;
    bool operator==(const SeenLine&) const = default;
};

std::vector<SeenLine> ReadAll(const ReadSource& source) {
    LineReader reader;
    EXPECT_TRUE(reader.open(source));
    std::vector<SeenLine> lines;
    TextLine line;
    while (reader.next(line)) lines.push_back({std::string(line.text), line.length, line.hadLineEnd, line.tooLong});
    EXPECT_TRUE(reader.close());
    return lines;
}

TEST(LineReader, FileAndMemoryCopyGiveTheSameLinesAndOverlongOnesAreNotKept) {
    // Over the bound both inside a block and across several blocks.
    const std::string justOver(kMaxLineLength + 1, 'a');
    const std::string huge(3 * 1024 * 1024, 'b');
    const std::string bytes =
        "first\r\n" + std::string(kMaxLineLength, 'k') + "\n" + justOver + "\r\n" + huge + "\nlast";
    const std::vector<SeenLine> expected = {{"first", 5, true, false},
                                            {std::string(kMaxLineLength, 'k'), kMaxLineLength, true, false},
                                            {"", kMaxLineLength + 1, true, true},
                                            {"", huge.size(), true, true},
                                            {"last", 4, false, false}};
    test::TempDir dir;
    EXPECT_EQ(ReadAll(dir.write("f.txt", bytes)), expected);
    EXPECT_EQ(ReadAll(ReadSource::InMemory(bytes)), expected);
}

TEST(LineReader, FileWithMoreLinesThanASetCanAddressIsRefusedWhenCounted) {
    test::TempDir dir;
    const auto file = dir.write("f.txt", "1\n2\n3\n4\n5\n6\n");
    CountResult counted = CountLineReads(file, 0, kCannotOpenText, NoProgress(), 6);
    EXPECT_EQ(counted.lineCount, 6);
    EXPECT_FALSE(counted.message);
    counted = CountLineReads(file, 1, kCannotOpenText, NoProgress(), 6);
    EXPECT_EQ(counted.lineCount, 0);
    EXPECT_EQ(counted.message, ErrorMessage("Too many lines in a file!"));
}

}  // namespace
}  // namespace zelkor
