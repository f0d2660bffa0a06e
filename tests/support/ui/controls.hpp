#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <stdexcept>
#include <string>

namespace zelkor::test {

// Thrown when a test asks for a control that is not there.
struct MissingControl : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A control by object name. A renamed or missing one, or one of another
// kind, ends the running test with its name: GoogleTest reports the
// exception as that test's failure and goes on with the next test.
template <class T>
T& Control(const QObject& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromUtf8(name));
    if (!found)
        throw MissingControl(std::string("no control \"") + name + "\" of the expected kind under " +
                             parent.objectName().toStdString());
    return *found;
}

// Runs work from the event loop, that is inside the modal window the test
// opens next. An exception must not leave through Qt's loop: a failure
// there is reported, and the modal window closed so that the test ends
// instead of waiting for ever.
inline void WhenModalOpens(QObject& context, std::function<void()> work) {
    QTimer::singleShot(0, &context, [work = std::move(work)] {
        try {
            work();
        } catch (const std::exception& error) {
            ADD_FAILURE() << error.what();
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        }
    });
}

}  // namespace zelkor::test
