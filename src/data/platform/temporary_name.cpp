#include "data/platform/temporary_name.hpp"

#include <chrono>
#include <random>
#include <system_error>

namespace zelkor::platform {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kSuffixLength = 6;
// A file name may hold 255 bytes; the temporary one adds "." and the suffix.
constexpr std::size_t kMaxBaseName = 255 - 1 - kSuffixLength;

// A point and six random letters or digits.
std::string RandomSuffix(std::uint64_t processId) {
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 engine(
        std::random_device{}() ^ processId ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kChars - 2);
    std::string suffix(1 + kSuffixLength, '.');
    for (std::size_t k = 1; k < suffix.size(); ++k) suffix[k] = kChars[pick(engine)];
    return suffix;
}

}  // namespace

fs::path ResolveLink(const fs::path& target) {
    fs::path path = target;
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
        const fs::path next = fs::read_symlink(path, error);
        if (error) return path;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;  // a loop of links: opening it fails
}

fs::path TemporaryNeighbour(const fs::path& target, std::uint64_t processId) {
    fs::path::string_type base = target.filename().native();
    if (base.size() > kMaxBaseName) base.resize(kMaxBaseName);
    fs::path name(std::move(base));
    name += RandomSuffix(processId);
    return target.parent_path() / name;
}

}  // namespace zelkor::platform
