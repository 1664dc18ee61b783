// Reading a text file line by line, in large blocks, without a limit on line length; and
// reading a whole file as it is.
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "util/file_handle.h"
#include "util/text_file.h"
#include "util/write_faults.h"

namespace tq58::util {
namespace {

constexpr std::size_t kReadBlockSize = 1 << 16;
constexpr char kCtrlZ = '\x1A';

// Appends `piece` to `line` without its carriage returns.
void AppendWithoutCarriageReturns(std::string& line, std::string_view piece) {
  for (std::size_t start = 0; start < piece.size();) {
    const std::size_t cr = piece.find('\r', start);
    const std::size_t end = cr == std::string_view::npos ? piece.size() : cr;
    line.append(piece.substr(start, end - start));
    start = end + 1;
  }
}

}  // namespace

ReadResult ForEachTextLine(const std::filesystem::path& path,
                           const std::function<bool(std::string_view)>& onLine) {
  std::error_code error;
  // A path whose state cannot be told (in a folder that may not be searched, say) is not taken
  // for a missing file: opening it then says why it cannot be read.
  const std::filesystem::file_type type = std::filesystem::status(path, error).type();
  if (type == std::filesystem::file_type::not_found) return {ReadFailure::Missing, {}};
  // Windows reports a folder as "access denied", which would send the user looking for a
  // protection that is not there.
  if (type == std::filesystem::file_type::directory) return {ReadFailure::FolderInTheWay, {}};
  ClearSystemError();
  const FileHandle file = OpenFile(path, FileMode::Read);
  if (!file) return ReadFailureOf(LastSystemError());

  const auto block = std::make_unique<char[]>(kReadBlockSize);
  std::string line;  // the part of the current line read so far
  bool endOfText = false;
  while (!endOfText) {
    ClearSystemError();
    const std::size_t count = std::fread(block.get(), 1, kReadBlockSize, file.get());
    // Told at once, while the error is still the one of this read.
    if (std::ferror(file.get())) return ReadFailureOf(LastSystemError());
    if (count == 0) break;
    std::string_view rest(block.get(), count);
    if (const std::size_t ctrlZ = rest.find(kCtrlZ); ctrlZ != std::string_view::npos) {
      rest = rest.substr(0, ctrlZ);
      endOfText = true;
    }
    for (std::size_t lf; (lf = rest.find('\n')) != std::string_view::npos;) {
      std::string_view piece = rest.substr(0, lf);
      if (piece.ends_with('\r')) piece.remove_suffix(1);
      rest.remove_prefix(lf + 1);
      // A whole line inside the block without another carriage return is given as it lies
      // in the block, without a copy: the usual case.
      if (line.empty() && piece.find('\r') == std::string_view::npos) {
        if (!onLine(piece)) return {};
        continue;
      }
      AppendWithoutCarriageReturns(line, piece);
      if (!onLine(line)) return {};
      line.clear();
    }
    AppendWithoutCarriageReturns(line, rest);
  }
  // The last line counts even without a line feed after it.
  if (!line.empty()) onLine(line);
  return {};
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  const FileHandle file = OpenFile(path, FileMode::Read);
  if (!file) return std::nullopt;
  std::string bytes;
  const auto block = std::make_unique<char[]>(kReadBlockSize);
  while (const std::size_t count = std::fread(block.get(), 1, kReadBlockSize, file.get())) {
    bytes.append(block.get(), count);
  }
  if (std::ferror(file.get())) return std::nullopt;
  return bytes;
}

}  // namespace tq58::util
