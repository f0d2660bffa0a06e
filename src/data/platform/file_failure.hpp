#pragma once

namespace zelkor {

// Why a file could not be written: the target could not be opened (missing
// folder, the target is a folder or write-protected, no right to create in
// the folder), the data could not be written, closed or put in place (full
// disk, file-size limit), or the system takes no file of that name (too long).
enum class FileFailure { Open, Write, Name };

}  // namespace zelkor
