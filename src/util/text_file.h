// Reading and replacing whole text files. Paths are std::filesystem paths, so a folder
// with Japanese characters works on Windows too.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tq58::util {

// Why a file could not be read, in the terms a user can act on.
enum class ReadFailure {
  None,            // every line was given
  Missing,         // no file at the path
  AccessDenied,    // the user may not read the file
  InUse,           // another program holds the file (a sharing violation)
  FolderInTheWay,  // a folder stands at the file's path
  Other,           // anything else, a read error part way say; SystemMessage says what
};

struct ReadResult {
  ReadFailure Failure = ReadFailure::None;
  // The system's own text for the error, as Shift-JIS bytes; empty unless a file that is there
  // could not be read.
  std::string SystemMessage;

  explicit operator bool() const { return Failure == ReadFailure::None; }
  // A file is there but could not be read whole, so what it holds is unknown.
  bool Unreadable() const {
    return Failure != ReadFailure::None && Failure != ReadFailure::Missing;
  }
};

// Calls `onLine` with each line of the file, without its line break. A line ends at LF; a CR
// anywhere in a line is dropped; a Ctrl-Z byte ends the file; lines have no length limit.
// `onLine` returns false to stop reading early (the file then counts as read). After a failure
// some of the lines before it may have been given.
ReadResult ForEachTextLine(const std::filesystem::path& path,
                           const std::function<bool(std::string_view)>& onLine);

// The bytes of the file at `path`; nothing when there is no file or it cannot be read whole.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Why a file could not be replaced, in the terms a user can act on.
enum class WriteFailure {
  None,            // the file was replaced
  WriteProtected,  // access denied: a read-only file or a folder the user may not write to
  InUse,           // another program holds the file (a sharing violation)
  DiskFull,        // no room left on the disk, or the user's quota used up
  FolderMissing,   // the folder that should hold the file does not exist
  FolderInTheWay,  // a folder stands at the file's path
  Other,           // anything else; SystemMessage says what
};

struct WriteResult {
  WriteFailure Failure = WriteFailure::None;
  // The system's own text for the error, as Shift-JIS bytes; empty on success.
  std::string SystemMessage;

  explicit operator bool() const { return Failure == WriteFailure::None; }
};

// How far the new contents must have gone when ReplaceFileContents returns.
enum class Durability {
  Cached,  // handed to the system's cache: enough for a file that is read at once
  OnDisk,  // flushed to the disk before it replaces the old file, so that a power cut just
           // after cannot leave an empty or a half-written file on any file system
};

// Replaces the file at `path` with `content`: writes a temporary file beside it, flushes it
// and renames it over the old one. On failure the old file is untouched, the temporary file
// is removed and the result says why.
WriteResult ReplaceFileContents(const std::filesystem::path& path, std::string_view content,
                                Durability durability = Durability::Cached);

}  // namespace tq58::util
