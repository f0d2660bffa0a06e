#include "data/read_source.hpp"

#include "data/platform/read_file.hpp"

#include <algorithm>

namespace zelkor {

ReadSource ReadSource::InMemory(std::string content, std::filesystem::path name) {
    ReadSource source(std::move(name));
    source.bytes = std::make_shared<const std::string>(std::move(content));
    return source;
}

bool IsReadOnce(const std::filesystem::path& path) { return platform::IsReadOnce(path); }

std::optional<ReadSource> ReadWhole(const std::filesystem::path& path) {
    platform::ReadFile file;
    if (path == "-")
        file.openStandardInput();
    else if (!file.open(path))
        return std::nullopt;
    std::string content;
    std::size_t used = 0;
    bool failed = false;
    for (;;) {
        if (content.size() - used < 65536) content.resize(std::max<std::size_t>(content.size() * 2, 1 << 20));
        const std::int64_t got = file.read(content.data() + used, content.size() - used);
        if (got <= 0) {
            failed = got < 0;
            break;
        }
        used += static_cast<std::size_t>(got);
    }
    if (!file.close()) failed = true;
    if (failed) return std::nullopt;
    content.resize(used);
    return ReadSource::InMemory(std::move(content), path);
}

}  // namespace zelkor
