// Random clicks, keys and typed values on every window, with each kind of
// example file loaded: no crash, no sanitizer report, no hang, no window
// left disabled. ZELKOR_MONKEY_SEED and ZELKOR_MONKEY_SECONDS (60 by
// default) run it with another sequence or for longer; ZELKOR_MONKEY_VERBOSE
// prints every step.
#include "app/compose.hpp"
#include "app/main_window.hpp"
#include "monkey.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <QTest>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <thread>

#if defined(__SANITIZE_ADDRESS__)
#define ZELKOR_MONKEY_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZELKOR_MONKEY_SANITIZED 1
#endif
#endif
#ifdef ZELKOR_MONKEY_SANITIZED
#include <sanitizer/common_interface_defs.h>
#endif

namespace zelkor::test {
namespace {

std::uint64_t Setting(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

// What a crash, a sanitizer's report or a hang leaves behind: the seed and
// the last steps, written without waiting for anything.
std::uint64_t crashSeed = 0;
const StepLog* crashLog = nullptr;

void ReportLastSteps() {
    if (!crashLog) return;
    std::cerr << "\nmonkey seed " << crashSeed << ", last steps:\n" << crashLog->text(false) << std::flush;
}

class ReportOnCrash {
public:
    ReportOnCrash(std::uint64_t seed, const StepLog& log) {
        crashSeed = seed;
        crashLog = &log;
#ifdef ZELKOR_MONKEY_SANITIZED
        __sanitizer_set_death_callback(&ReportLastSteps);
#else
        for (int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS})
            std::signal(signal, [](int caught) {
                ReportLastSteps();
                std::signal(caught, SIG_DFL);
                std::raise(caught);
            });
#endif
    }
    ~ReportOnCrash() {
        crashLog = nullptr;
#ifndef ZELKOR_MONKEY_SANITIZED
        for (int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS}) std::signal(signal, SIG_DFL);
#endif
    }
};

// Ends the test executable when no step has finished for a while: a hang
// must fail, never hold the test command.
class Watchdog {
public:
    explicit Watchdog(const Monkey& monkey) : thread_([this, &monkey] { watch(monkey); }) {}
    ~Watchdog() {
        done_ = true;
        thread_.join();
    }

private:
    void watch(const Monkey& monkey) {
        std::uint64_t seen = monkey.heartbeat();
        auto since = std::chrono::steady_clock::now();
        while (!done_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            if (monkey.heartbeat() != seen) {
                seen = monkey.heartbeat();
                since = std::chrono::steady_clock::now();
            } else if (std::chrono::steady_clock::now() - since > std::chrono::seconds(60)) {
                std::cerr << "\nmonkey: no step has ended for 60 s";
                ReportLastSteps();
                std::abort();
            }
        }
    }

    std::atomic<bool> done_{false};
    std::thread thread_;
};

TEST(Monkey, RandomInputLeavesEveryWindowWorking) {
    const std::uint64_t seed = Setting("ZELKOR_MONKEY_SEED", 20);
    const auto seconds = std::chrono::seconds(Setting("ZELKOR_MONKEY_SECONDS", 60));
    std::cout << "monkey seed " << seed << " for " << seconds.count()
              << " s (ZELKOR_MONKEY_SEED, ZELKOR_MONKEY_SECONDS)" << std::endl;
    SCOPED_TRACE("monkey seed " + std::to_string(seed));

    TempDir folder;
    StepLog log(std::getenv("ZELKOR_MONKEY_VERBOSE") != nullptr);
    MonkeyRandom random(seed);
    const std::filesystem::path examples = ZELKOR_EXAMPLES_DIR;
    MonkeyDialogs dialogs(random, log, examples, folder.path());
    MainWindow window(dialogs);
    Compose(window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const ReportOnCrash report(seed, log);

    // Each kind of example file once, then whatever the steps choose.
    dialogs.forced = {examples / "trim-sample.dat", examples / "winagile-sample.pnt", examples / "transmit-sample.txt"};
    window.ImpTRIMDATClick();
    window.WinAGILEPointFileImClick();
    window.FileOpen();
    ASSERT_EQ(window.state().sourceKind, SourceKind::TransmitTxt);

    Monkey monkey(window, random, log);
    const Watchdog watchdog(monkey);
    const int steps = monkey.run(seconds);
    std::cout << "monkey: " << steps << " steps" << std::endl;
    EXPECT_GT(steps, 0);
}

}  // namespace
}  // namespace zelkor::test
