// Texts that come from the system, a path or an error message, as the Shift-JIS bytes that
// the rest of the program shows.
#pragma once

#include <filesystem>
#include <string>

namespace tq58::util {

// `path` as Shift-JIS bytes for a message; on Windows a character that Shift-JIS cannot hold
// becomes "?". Elsewhere the path's own bytes.
std::string PathText(const std::filesystem::path& path);

#ifdef _WIN32
// The system's message for a Windows error code, in the user's language, as Shift-JIS bytes,
// without its final line break; the code's number when the system has no text for it.
std::string WindowsErrorText(unsigned long code);
#endif

}  // namespace tq58::util
