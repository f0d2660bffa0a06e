#pragma once

#include "widgets/user_dialogs.hpp"

#include <deque>
#include <functional>
#include <vector>

namespace zelkor::test {

// Answers file dialogs from a queue (nothing queued fails the test and cancels)
// and records every message and dialog.
class ScriptedDialogs : public UserDialogs {
public:
    std::vector<Message> messages;
    std::vector<FileDialogSetup> fileDialogs;
    std::deque<std::optional<std::filesystem::path>> fileAnswers;  // nullopt: the user cancels
    std::deque<bool> confirmAnswers;
    // Runs when a message is shown, before it is recorded.
    std::function<void(const Message&)> onMessage;

    void answer(const std::filesystem::path& path) { fileAnswers.emplace_back(path); }
    // The texts of the messages, in order.
    std::vector<std::string> texts() const;
    void cancel() { fileAnswers.emplace_back(std::nullopt); }

    void message(const Message& message) override;
    bool confirm(const std::string& caption, const std::string& text) override;
    std::optional<std::filesystem::path> openFile(const FileDialogSetup& setup) override;
    std::optional<std::filesystem::path> saveFile(const FileDialogSetup& setup) override;

private:
    std::optional<std::filesystem::path> nextFile(const FileDialogSetup& setup);
};

}  // namespace zelkor::test
