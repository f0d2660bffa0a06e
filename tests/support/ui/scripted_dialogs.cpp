#include "support/ui/scripted_dialogs.hpp"

#include <gtest/gtest.h>

namespace zelkor::test {

void ScriptedDialogs::message(const Message& message) {
    if (onMessage) onMessage(message);
    messages.push_back(message);
}

std::vector<std::string> ScriptedDialogs::texts() const {
    std::vector<std::string> texts;
    for (const Message& message : messages) texts.push_back(message.text);
    return texts;
}

bool ScriptedDialogs::confirm(const std::string& caption, const std::string& text) {
    messages.push_back({text, caption, MessageIcon::Information});
    if (confirmAnswers.empty()) {
        ADD_FAILURE() << "unexpected confirmation: " << text;
        return false;
    }
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

std::optional<std::filesystem::path> ScriptedDialogs::openFile(const FileDialogSetup& setup) { return nextFile(setup); }

std::optional<std::filesystem::path> ScriptedDialogs::saveFile(const FileDialogSetup& setup) { return nextFile(setup); }

std::optional<std::filesystem::path> ScriptedDialogs::nextFile(const FileDialogSetup& setup) {
    fileDialogs.push_back(setup);
    if (fileAnswers.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << setup.title;
        return std::nullopt;
    }
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

}  // namespace zelkor::test
