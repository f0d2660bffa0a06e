#include "io/io_test_support.hpp"

#include <gtest/gtest.h>

namespace zelkor::test {

std::vector<std::string> SplitCrLf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        const std::string line = bytes.substr(start, end == std::string::npos ? std::string::npos : end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "stray line end in line " << lines.size() + 1;
        EXPECT_NE(end, std::string::npos) << "last line without CR LF";
        lines.push_back(line);
        if (end == std::string::npos) break;
        start = end + 2;
    }
    return lines;
}

}  // namespace zelkor::test
