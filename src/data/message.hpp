#pragma once

#include <string>
#include <utility>

namespace zelkor {

enum class MessageIcon { Error, Warning, Information };

// A message box as the core asks the window (or the batch tool) to show it.
struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::Error;

    bool operator==(const Message&) const = default;
};

inline Message ErrorMessage(std::string text) { return {std::move(text), "Error", MessageIcon::Error}; }
inline Message WarningMessage(std::string text) { return {std::move(text), "Warning", MessageIcon::Warning}; }

// Texts that several commands share.
inline constexpr const char* kNoDataText = "No data available! Open a file please.";
inline constexpr const char* kNoIonsText = "The loaded file holds no ions.";
inline constexpr const char* kOnlyTransmitText = "This function is available only for TRANSMIT.TXT";
inline constexpr const char* kCannotOpenText = "Cannot open a file!";
inline constexpr const char* kCannotCloseText = "Cannot close a file!";
inline constexpr const char* kBadFileText = "Bad file opened!";
inline constexpr const char* kCannotImportText = "Cannot import a file!";
inline constexpr const char* kCannotSaveText = "Cannot save a file!";
inline constexpr const char* kCannotExportText = "Cannot export a file!";
inline constexpr const char* kCannotWriteUnderNameText = "Cannot write a file under this name!";
inline constexpr const char* kTooManyLinesText = "Too many lines in a file!";
inline constexpr const char* kOutOfMemoryText = "Not enough memory to read a file!";

}  // namespace zelkor
