#pragma once

namespace zelkor {

// The lines that follow the version in --version of both programs.
inline constexpr const char* kLicenceNotice =
    "License GPL-3.0-or-later: GNU GPL version 3 or later <https://www.gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

}  // namespace zelkor
