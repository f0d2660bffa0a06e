#include "bindings/load_session.hpp"
#include "io/write_transmit_txt.hpp"
#include "web/web_core.hpp"

#include <cmath>
#include <filesystem>

namespace zelkor::web {
namespace {

ParticleSet WarmUpSet(int count) {
    ParticleSet set(count + 1);
    set.count = count;
    for (int i = 1; i <= count; ++i) {
        ParticleRecord& r = set.record(i);
        const double t = i * 0.618;
        r.energy = 5.0e6 * (1.0 + 0.02 * std::sin(t));
        r.x = 1.128014e4;
        r.y = 1.0e3 * std::cos(3 * t);
        r.z = 1.0e3 * std::sin(5 * t);
        r.cos_y = 0.02 * std::cos(7 * t);
        r.cos_z = 0.02 * std::sin(11 * t);
        r.cos_x = std::sqrt(1.0 - r.cos_y * r.cos_y - r.cos_z * r.cos_z);
        r.accepted = 1;
    }
    return set;
}

}  // namespace

// The browser runs WebAssembly first through a quick baseline compiler and
// optimizes a function only after it has run a while; a loop already running
// keeps its slow code. Without this, the first large load of a page took half
// as long again as every later one.
void WebCore::warmUp() {
    const std::filesystem::path path = "/tmp/zelkor-warm-up.txt";
    const ParticleSet set = WarmUpSet(20000);
    const std::string header = "=====  warm-up  =====\n";
    if (WriteTransmitTxt(path, set, header, 2, 1, 2, "")) return;
    for (int k = 0; k < 4; ++k) {
        bindings::Session session;
        try {
            bindings::LoadSession(session, SourceKind::TransmitTxt, path);
        } catch (const std::exception&) {
            break;
        }
    }
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

}  // namespace zelkor::web
