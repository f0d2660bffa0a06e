#pragma once

#include "data/message.hpp"

#include <filesystem>
#include <optional>
#include <string>

namespace zelkor {

// What a file dialog is asked to look like.
struct FileDialogSetup {
    std::string title;
    std::string filter;            // "Text File|*.txt": description and pattern pairs joined by '|'
    std::string defaultExtension;  // ".txt", or empty for none
    bool fileMustExist = false;
    bool promptOverwrite = false;
    bool promptCreate = false;  // ask before a file that does not exist yet is created

    bool operator==(const FileDialogSetup&) const = default;
};

// Every message box and file dialog of the windows goes through this, so that
// tests can answer the dialogs and read every text shown.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    virtual void message(const Message& message) = 0;
    // A message with OK and Cancel and an information icon; true for OK.
    virtual bool confirm(const std::string& caption, const std::string& text) = 0;
    // The chosen file, or nothing when the user cancelled.
    virtual std::optional<std::filesystem::path> openFile(const FileDialogSetup& setup) = 0;
    virtual std::optional<std::filesystem::path> saveFile(const FileDialogSetup& setup) = 0;
};

}  // namespace zelkor
