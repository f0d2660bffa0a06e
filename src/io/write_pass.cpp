#include "io/write_pass.hpp"

#include <cstdint>

namespace zelkor {

RecordBlocks::RecordBlocks(const ParticleSet& set) {
    const PassThreads split = CurrentPassThreads();
    const auto blockSize = static_cast<std::int64_t>(std::min<std::size_t>(split.minimumItems, 1 << 24));
    int number = 1;
    for (std::int64_t first = 1; first <= set.count; first += blockSize) {
        const int end = static_cast<int>(std::min<std::int64_t>(set.count + std::int64_t{1}, first + blockSize));
        firstIndex_.push_back(static_cast<int>(first));
        firstNumber_.push_back(number);
        for (int i = static_cast<int>(first); i < end; ++i) number += set.record(i).accepted == 1 ? 1 : 0;
    }
    firstIndex_.push_back(set.count + 1);
}

}  // namespace zelkor
