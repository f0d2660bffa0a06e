#include "load_invariants.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zelkor::fuzz::LoadAndCheck(zelkor::SourceKind::WinAgile, data, size);
    return 0;
}
