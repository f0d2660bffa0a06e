#pragma once

// Random input for the composed window: clicks, keys, typed texts and menu
// commands on whatever a person could reach at that moment, and dialogs
// answered at random. A seed gives one sequence of steps.

#include "widgets/user_dialogs.hpp"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <vector>

class QMainWindow;
class QWidget;

namespace zelkor::test {

// The last steps taken, for the report of a failure or a crash.
class StepLog {
public:
    // echo: every step is printed as it is taken (ZELKOR_MONKEY_VERBOSE).
    explicit StepLog(bool echo = false) : echo_(echo) {}
    void add(std::string step);
    // Safe from another thread; from a crash handler it gives up rather than wait.
    std::string text(bool waitForLock = true) const;

private:
    bool echo_;
    mutable std::mutex mutex_;
    std::deque<std::string> steps_;
};

// A seeded source; every choice of the monkey comes from it.
class MonkeyRandom {
public:
    explicit MonkeyRandom(std::uint64_t seed) : engine_(seed) {}
    std::size_t below(std::size_t count) { return count == 0 ? 0 : engine_() % count; }
    bool chance(int percent) { return static_cast<int>(below(100)) < percent; }
    template <class T>
    const T& pick(const std::vector<T>& from) {
        return from[below(from.size())];
    }

private:
    std::mt19937_64 engine_;
};

// File dialogs answered with the example files and with paths in a folder
// of the test's own, confirmations at random.
class MonkeyDialogs : public UserDialogs {
public:
    MonkeyDialogs(MonkeyRandom& random, StepLog& log, std::filesystem::path examples, std::filesystem::path folder);

    // Answered first, in order, before any random answer.
    std::deque<std::optional<std::filesystem::path>> forced;

    void message(const Message& message) override;
    bool confirm(const std::string& caption, const std::string& text) override;
    std::optional<std::filesystem::path> openFile(const FileDialogSetup& setup) override;
    std::optional<std::filesystem::path> saveFile(const FileDialogSetup& setup) override;

private:
    std::optional<std::filesystem::path> answer(const std::vector<std::filesystem::path>& choices, const char* what);

    MonkeyRandom& random_;
    StepLog& log_;
    std::filesystem::path examples_;
    std::filesystem::path folder_;
};

// Takes one step at a time from the event loop, so that a step that opens a
// modal window is followed by steps inside it, as a person would go on.
class Monkey : public QObject {
public:
    Monkey(QMainWindow& window, MonkeyRandom& random, StepLog& log);

    // Runs steps until the time is up, then closes what was left open.
    // Returns the number of steps taken; a broken rule fails the test.
    int run(std::chrono::seconds duration);
    // Grows with every step: a watchdog thread reads it to tell a hang.
    std::uint64_t heartbeat() const { return heartbeat_.load(); }

private:
    void schedule();
    void tick();
    void step();
    void act(QWidget& target);
    void pressKey(QWidget& target);
    void typeText(QWidget& target);
    void clickAt(QWidget& target, const QPoint& at);
    void triggerMenuCommand();
    bool windUp();
    void settle();
    void check();
    std::vector<QWidget*> reachable() const;
    std::string describe(const QWidget& widget) const;

    QMainWindow& window_;
    MonkeyRandom& random_;
    StepLog& log_;
    bool running_ = false;
    std::function<void()> quit_;
    std::chrono::steady_clock::time_point deadline_;
    bool acting_ = false;
    bool settling_ = false;
    QPointer<QWidget> modalAtStart_;
    int steps_ = 0;
    std::atomic<std::uint64_t> heartbeat_{0};
};

}  // namespace zelkor::test
