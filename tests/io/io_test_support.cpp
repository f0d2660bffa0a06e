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

ParticleSet MakeSet(int count) {
    ParticleSet set(count + 1);
    set.count = count;
    for (int i = 1; i <= count; ++i) {
        ParticleRecord& r = set.record(i);
        r.energy = 1.0e6 + i;
        r.x = 1.0e4 + i;
        r.y = 10.0 * i;
        r.z = -5.0 * i;
        r.cos_x = 0.99;
        r.cos_y = 0.001 * i;
        r.cos_z = -0.002 * i;
        r.momentum = 0.0001 * i;
    }
    return set;
}

} // namespace zelkor::test
