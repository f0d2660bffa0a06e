#include "data/line_ranges.hpp"

#include "data/line_reader.hpp"
#include "platform/worker_threads.hpp"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>

namespace zelkor {

bool SharedSource::open() {
    if (source_.inMemory()) {
        size_ = source_.bytes->size();
        return true;
    }
    if (!file_.open(source_.path)) return false;
    size_ = file_.size();
    return true;
}

bool SharedSource::close() {
    if (!file_.isOpen()) return source_.inMemory();
    return file_.close();
}

void SharedSource::openRange(LineReader& reader, std::uint64_t begin, std::uint64_t end, std::size_t blockBytes) const {
    if (!source_.inMemory()) return reader.openRange(file_, begin, end, blockBytes);
    const std::string_view bytes(*source_.bytes);
    const std::uint64_t from = std::min<std::uint64_t>(begin, bytes.size());
    reader.openBytes(bytes.substr(from, std::min<std::uint64_t>(end, bytes.size()) - from));
}

std::uint64_t SharedSource::nextLineStart(std::uint64_t from, std::uint64_t limit) const {
    if (source_.inMemory()) {
        const std::size_t lf = std::string_view(*source_.bytes).find('\n', from);
        return lf != std::string_view::npos && lf + 1 < limit ? lf + 1 : 0;
    }
    char window[64 * 1024];
    for (std::uint64_t at = from; at < limit;) {
        const std::int64_t got = file_.readAt(at, window, sizeof window);
        if (got <= 0) return 0;
        if (const void* lf = std::memchr(window, '\n', static_cast<std::size_t>(got))) {
            const std::uint64_t start = at + static_cast<std::uint64_t>(static_cast<const char*>(lf) - window) + 1;
            return start < limit ? start : 0;
        }
        at += static_cast<std::uint64_t>(got);
    }
    return 0;
}

std::vector<LineRange> SharedSource::splitAtLineStarts(unsigned parts) const {
    std::vector<LineRange> runs(1);
    for (unsigned k = 1; k < parts; ++k) {
        const std::uint64_t nominal = size_ / parts * k;
        const std::uint64_t limit = std::min(size_, size_ / parts * (k + 1));
        const std::uint64_t start = nextLineStart(std::max(nominal, runs.back().begin), limit);
        if (start <= runs.back().begin) continue;
        runs.back().end = start;
        runs.push_back({start, 0, 0});
    }
    runs.back().end = LineReader::kToEndOfFile;
    return runs;
}

void RunOnThreads(std::size_t count, const std::function<void(std::size_t)>& work,
                  const std::function<void()>& waiting) {
    std::vector<std::exception_ptr> failures(count);
    std::mutex mutex;
    std::condition_variable ended;
    std::size_t running = count > 0 ? count - 1 : 0;
    auto guarded = [&](std::size_t k) {
        try {
            work(k);
        } catch (...) {
            failures[k] = std::current_exception();
        }
    };
    {
        platform::WorkerThreads threads;
        for (std::size_t k = 1; k < count; ++k) {
            const bool started = threads.start([&, k] {
                guarded(k);
                const std::lock_guard lock(mutex);
                --running;
                ended.notify_one();
            });
            if (!started) {
                // No thread to be had: this part runs here.
                guarded(k);
                const std::lock_guard lock(mutex);
                --running;
            }
        }
        if (count > 0) guarded(0);
        std::unique_lock lock(mutex);
        while (!ended.wait_for(lock, std::chrono::milliseconds(10), [&] { return running == 0; })) {
            lock.unlock();
            waiting();
            lock.lock();
        }
    }
    for (const std::exception_ptr& failure : failures)
        if (failure) std::rethrow_exception(failure);
}

}  // namespace zelkor
