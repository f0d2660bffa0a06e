#include "monkey.hpp"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <cstdio>
#include <qcustomplot.h>

namespace zelkor::test {
namespace {

// Numbers at the edges, and texts no number field expects.
const std::vector<QString> kTexts = {"0",
                                     "-0",
                                     "1e308",
                                     "1e-320",
                                     "nan",
                                     "inf",
                                     "99999999999999999999",
                                     "",
                                     QString(300, '7'),
                                     QString::fromUtf8("\xC3\x85 \xC2\xB5m \xE2\x88\x9E \xE6\x97\xA5"),
                                     "1",
                                     "2",
                                     "0.5",
                                     "-1",
                                     "4",
                                     "4.0026",
                                     "100",
                                     "1,5",
                                     " 3 ",
                                     "abc"};

struct Key {
    int key;
    Qt::KeyboardModifiers modifiers;
};
const std::vector<Key> kKeys = {{Qt::Key_Tab, {}},
                                {Qt::Key_Backtab, Qt::ShiftModifier},
                                {Qt::Key_Return, {}},
                                {Qt::Key_Escape, {}},
                                {Qt::Key_Space, {}},
                                {Qt::Key_Up, {}},
                                {Qt::Key_Down, {}},
                                {Qt::Key_Left, {}},
                                {Qt::Key_Right, {}},
                                {Qt::Key_Home, {}},
                                {Qt::Key_End, {}},
                                {Qt::Key_PageDown, {}},
                                {Qt::Key_Delete, {}},
                                {Qt::Key_Backspace, {}},
                                {Qt::Key_5, {}},
                                {Qt::Key_A, Qt::ControlModifier},
                                {Qt::Key_C, Qt::ControlModifier},
                                {Qt::Key_S, Qt::ControlModifier},
                                {Qt::Key_D, Qt::ControlModifier},
                                {Qt::Key_V, Qt::ControlModifier},
                                {Qt::Key_Z, Qt::ControlModifier},
                                {Qt::Key_Down, Qt::ShiftModifier}};

bool Interactive(QWidget* w) {
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QAbstractItemView*>(w) || qobject_cast<QTabBar*>(w) || qobject_cast<QCustomPlot*>(w) ||
           qobject_cast<QPlainTextEdit*>(w);
}

// The overlay panels come and go on their own timers; they take no input.
bool OnAPanel(const QWidget* w) {
    for (; w; w = w->parentWidget())
        if (w->objectName() == "panelPlsWait" || w->objectName() == "panelDataAw" || w->objectName() == "panelCpyToCbr")
            return true;
    return false;
}

bool IsWindowOfItsOwn(const QWidget* w) {
    const Qt::WindowType type = w->windowType();
    return w->isVisible() && (type == Qt::Window || type == Qt::Dialog);
}

}  // namespace

void StepLog::add(std::string step) {
    if (echo_) std::printf("%s\n", step.c_str());
    const std::lock_guard<std::mutex> lock(mutex_);
    steps_.push_back(std::move(step));
    if (steps_.size() > 40) steps_.pop_front();
}

std::string StepLog::text(bool waitForLock) const {
    std::unique_lock<std::mutex> lock(mutex_, std::defer_lock);
    if (waitForLock)
        lock.lock();
    else if (!lock.try_lock())
        return "(the steps are being written)\n";
    std::string text;
    for (const std::string& step : steps_) text += "  " + step + "\n";
    return text;
}

MonkeyDialogs::MonkeyDialogs(MonkeyRandom& random, StepLog& log, std::filesystem::path examples,
                             std::filesystem::path folder)
    : random_(random), log_(log), examples_(std::move(examples)), folder_(std::move(folder)) {}

void MonkeyDialogs::message(const Message& message) { log_.add("  message \"" + message.text + "\""); }

bool MonkeyDialogs::confirm(const std::string& /*caption*/, const std::string& text) {
    const bool ok = random_.chance(70);
    log_.add("  confirm \"" + text + "\": " + (ok ? "OK" : "Cancel"));
    return ok;
}

std::optional<std::filesystem::path> MonkeyDialogs::answer(const std::vector<std::filesystem::path>& choices,
                                                           const char* what) {
    std::optional<std::filesystem::path> chosen;
    if (!forced.empty()) {
        chosen = forced.front();
        forced.pop_front();
    } else if (!random_.chance(10)) {
        chosen = random_.pick(choices);
    }
    log_.add(std::string("  ") + what + " dialog: " + (chosen ? chosen->string() : "cancelled"));
    return chosen;
}

std::optional<std::filesystem::path> MonkeyDialogs::openFile(const FileDialogSetup& /*setup*/) {
    // Mostly the examples, so that most steps have ions to work on.
    const std::filesystem::path transmit = examples_ / "transmit-sample.txt";
    const std::filesystem::path trim = examples_ / "trim-sample.dat";
    const std::filesystem::path points = examples_ / "winagile-sample.pnt";
    return answer({transmit, transmit, transmit, trim, trim, points, points, folder_ / "saved.txt",
                   folder_ / "saved.dat", folder_ / "saved.pnt", folder_ / "missing.txt", folder_},
                  "open");
}

std::optional<std::filesystem::path> MonkeyDialogs::saveFile(const FileDialogSetup& /*setup*/) {
    return answer({folder_ / "saved.txt", folder_ / "saved.dat", folder_ / "saved.pnt", folder_ / "picture.png",
                   folder_ / "picture.pdf", folder_ / "no-such-folder" / "x.txt", folder_,
                   folder_ / (std::string(200, 'n') + ".txt"), folder_ / "\xC3\x85\xC3\x84 \xC2\xB5m.txt"},
                  "save");
}

Monkey::Monkey(QMainWindow& window, MonkeyRandom& random, StepLog& log) : window_(window), random_(random), log_(log) {}

// A fresh timer for every tick: Qt never fires a timer again while its
// last timeout is still running, which is just what a step that opened a
// modal window is doing. A timer of 1 ms, not 0: a look-in of a long pass
// then meets each tick once, not an endless chain of posted calls.
void Monkey::schedule() {
    if (running_) QTimer::singleShot(1, this, &Monkey::tick);
}

int Monkey::run(std::chrono::seconds duration) {
    deadline_ = std::chrono::steady_clock::now() + duration;
    QEventLoop loop;
    quit_ = [&loop] { loop.quit(); };
    running_ = true;
    schedule();
    loop.exec();
    running_ = false;
    EXPECT_TRUE(window_.isVisible()) << "the main window was closed\n" << log_.text();
    return steps_;
}

// A step runs from the event loop at the top, or inside a modal window or
// menu that the step before opened; never in the middle of a pass, whose
// look-ins let only timers through, as a person's clicks wait for it.
void Monkey::tick() {
    if (!running_) return;
    schedule();
    if (settling_) return;
    if (const QWidget* busy = window_.findChild<QWidget*>("panelPlsWait"); busy && busy->isVisible()) return;
    if (acting_ && !QApplication::activePopupWidget() && QApplication::activeModalWidget() == modalAtStart_) return;
    // After a broken rule the last steps are what the report needs.
    if (std::chrono::steady_clock::now() >= deadline_ || ::testing::Test::HasFailure()) {
        if (windUp()) {
            running_ = false;
            quit_();
        }
        return;
    }
    step();
}

// Closes what is open, one window per call, so that every modal loop
// returns before the monkey's own loop ends.
bool Monkey::windUp() {
    QWidget* open = QApplication::activePopupWidget();
    if (!open) open = QApplication::activeModalWidget();
    if (open) open->close();
    return !open && !acting_;
}

void Monkey::step() {
    const bool wasActing = acting_;
    const QPointer<QWidget> modalBefore = modalAtStart_;
    acting_ = true;
    modalAtStart_ = QApplication::activeModalWidget();
    ++steps_;
    if (QWidget* popup = QApplication::activePopupWidget()) {
        auto* menu = qobject_cast<QMenu*>(popup);
        QList<QAction*> actions = menu ? menu->actions() : QList<QAction*>();
        actions.removeIf([](const QAction* a) { return a->isSeparator() || !a->isEnabled(); });
        if (!actions.isEmpty() && random_.chance(50)) {
            QAction* chosen = actions[static_cast<qsizetype>(random_.below(static_cast<std::size_t>(actions.size())))];
            log_.add("step " + std::to_string(steps_) + ": menu item \"" + chosen->text().toStdString() + "\"");
            popup->close();
            chosen->trigger();
        } else {
            log_.add("step " + std::to_string(steps_) + ": close the popup");
            popup->close();
        }
    } else if (!modalAtStart_ && random_.chance(8)) {
        triggerMenuCommand();
    } else {
        const std::vector<QWidget*> targets = reachable();
        if (!targets.empty()) {
            QWidget& target = *targets[random_.below(targets.size())];
            // As a click would: the target's window becomes the active one before the
            // event arrives, so that where the focus is never depends on timing.
            if (!target.window()->isActiveWindow()) {
                target.window()->activateWindow();
                EXPECT_TRUE(QTest::qWaitForWindowActive(target.window(), 2000)) << describe(target);
            }
            act(target);
        }
    }
    settle();
    check();
    acting_ = wasActing;
    modalAtStart_ = modalBefore;
    ++heartbeat_;
}

void Monkey::triggerMenuCommand() {
    std::vector<QAction*> commands;
    for (QAction* action : window_.findChildren<QAction*>())
        if (!action->objectName().isEmpty() && action->objectName() != "menubtnExit" && !action->menu())
            commands.push_back(action);
    QAction* chosen = random_.pick(commands);
    log_.add("step " + std::to_string(steps_) + ": menu " + chosen->objectName().toStdString());
    chosen->trigger();
}

std::vector<QWidget*> Monkey::reachable() const {
    std::vector<QWidget*> roots;
    if (QWidget* modal = QApplication::activeModalWidget()) {
        roots.push_back(modal);
    } else {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (IsWindowOfItsOwn(top)) roots.push_back(top);
        // The window system keeps no order of its own: the names give one.
        std::sort(roots.begin(), roots.end(),
                  [](const QWidget* a, const QWidget* b) { return a->objectName() < b->objectName(); });
    }
    std::vector<QWidget*> targets;
    for (QWidget* root : roots)
        for (QWidget* w : root->findChildren<QWidget*>())
            if (w->window() == root && w->isVisible() && w->isEnabled() && Interactive(w) && !OnAPanel(w))
                targets.push_back(w);
    return targets;
}

std::string Monkey::describe(const QWidget& widget) const {
    return widget.metaObject()->className() + std::string(" ") + widget.objectName().toStdString() + " in " +
           widget.window()->objectName().toStdString();
}

void Monkey::clickAt(QWidget& target, const QPoint& at) {
    const Qt::MouseButton button = random_.chance(8) ? Qt::RightButton : Qt::LeftButton;
    const Qt::KeyboardModifiers modifiers =
        random_.chance(10) ? Qt::KeyboardModifiers(random_.chance(50) ? Qt::ShiftModifier : Qt::ControlModifier)
                           : Qt::KeyboardModifiers();
    const int kind = static_cast<int>(random_.below(10));
    log_.add("step " + std::to_string(steps_) + ": " +
             (kind == 0   ? "double-click"
              : kind == 1 ? "drag"
                          : "click") +
             (button == Qt::RightButton ? " (right)" : "") + " at " + std::to_string(at.x()) + "," +
             std::to_string(at.y()) + " on " + describe(target));
    if (kind == 0) {
        QTest::mouseDClick(&target, button, modifiers, at);
    } else if (kind == 1) {
        QTest::mousePress(&target, button, modifiers, at);
        QTest::mouseMove(&target, at / 2);
        QTest::mouseRelease(&target, button, modifiers, at / 2);
    } else {
        QTest::mouseClick(&target, button, modifiers, at);
    }
}

void Monkey::act(QWidget& target) {
    if (random_.chance(15)) return pressKey(target);
    if ((qobject_cast<QLineEdit*>(&target) || qobject_cast<QComboBox*>(&target)) && random_.chance(60))
        return typeText(target);
    if (auto* view = qobject_cast<QAbstractItemView*>(&target); view && view->model()) {
        const QAbstractItemModel& model = *view->model();
        if (random_.chance(10)) {
            QWheelEvent wheel(QPointF(10, 10), view->mapToGlobal(QPointF(10, 10)), {},
                              {0, random_.chance(50) ? 360 : -360}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            log_.add("step " + std::to_string(steps_) + ": wheel on " + describe(target));
            QApplication::sendEvent(view->viewport(), &wheel);
            return;
        }
        const int rows = model.rowCount(), columns = model.columnCount();
        const QModelIndex cell =
            model.index(static_cast<int>(random_.below(static_cast<std::size_t>(std::max(rows, 1)))),
                        static_cast<int>(random_.below(static_cast<std::size_t>(std::max(columns, 1)))));
        view->scrollTo(cell);
        const QRect rect = view->visualRect(cell);
        return clickAt(*view->viewport(), rect.isValid() ? rect.center() : view->viewport()->rect().center());
    }
    if (auto* tabs = qobject_cast<QTabBar*>(&target); tabs && tabs->count() > 0)
        return clickAt(
            target, tabs->tabRect(static_cast<int>(random_.below(static_cast<std::size_t>(tabs->count())))).center());
    const QRect area = target.rect();
    const QPoint at =
        qobject_cast<QCustomPlot*>(&target)
            ? QPoint(static_cast<int>(random_.below(static_cast<std::size_t>(std::max(area.width(), 1)))),
                     static_cast<int>(random_.below(static_cast<std::size_t>(std::max(area.height(), 1)))))
            : area.center();
    clickAt(target, at);
}

void Monkey::pressKey(QWidget& target) {
    const Key& key = random_.pick(kKeys);
    QWidget& receiver = target;
    log_.add("step " + std::to_string(steps_) + ": key " +
             QKeySequence(key.key | key.modifiers).toString().toStdString() + " to " + describe(receiver));
    QTest::keyClick(&receiver, static_cast<Qt::Key>(key.key), key.modifiers);
}

void Monkey::typeText(QWidget& target) {
    const QString& text = random_.pick(kTexts);
    log_.add("step " + std::to_string(steps_) + ": type \"" + text.left(40).toStdString() +
             (text.size() > 40 ? "...\"" : "\"") + " into " + describe(target));
    auto* combo = qobject_cast<QComboBox*>(&target);
    if (combo && !combo->isEditable()) {
        QTest::keyClick(combo, random_.chance(50) ? Qt::Key_Down : Qt::Key_Up);
        return;
    }
    QLineEdit* edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(&target);
    if (!edit) return;
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    // QTest spells only ASCII as keys; other letters come as text, as an input method gives them.
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(edit, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    if (random_.chance(30)) QTest::keyClick(edit, Qt::Key_Return);
}

// The short timers of the program (100 ms before a long pass) run out
// before the step counts as done, so that a step's outcome never depends
// on how fast the machine is.
void Monkey::settle() {
    settling_ = true;
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    const auto pending = [this] {
        for (const QTimer* t : window_.findChildren<QTimer*>())
            if (t->isActive() && t->interval() > 0 && t->interval() <= 500) return true;
        return false;
    };
    QApplication::processEvents();
    while (pending() && std::chrono::steady_clock::now() < limit) QTest::qWait(5);
    EXPECT_FALSE(pending()) << "a timed pass did not end within 20 s\n" << log_.text();
    settling_ = false;
}

void Monkey::check() {
    ASSERT_TRUE(window_.isVisible()) << "the main window was closed\n" << log_.text();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (IsWindowOfItsOwn(top)) {
            EXPECT_TRUE(top->isEnabled()) << top->objectName().toStdString() << " left disabled\n" << log_.text();
        }
    }
    const QWidget* busy = window_.findChild<QWidget*>("panelPlsWait");
    EXPECT_TRUE(!busy || busy->isHidden()) << "\"Please wait ...\" left on screen\n" << log_.text();
}

}  // namespace zelkor::test
