// The output list of the writer and the file it becomes.
#include <string>
#include <system_error>
#include <vector>

#include "exchange/writer.h"
#include "util/line_break.h"
#include "util/text_cut.h"
#include "util/text_file.h"

namespace tq58::exchange {
namespace {

using util::kLineBreak;

constexpr std::size_t kMaxLineBytes = 255;  // longest line the host reads
constexpr char kEmptyOutput[] = "hq";

// The whole file: lines joined by CR LF, a line ending in a double quote joined directly
// with the line after it.
std::string FileContents(const std::vector<std::string>& lines) {
  if (lines.empty()) return std::string(kEmptyOutput) + kLineBreak;
  std::string content;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    content += lines[i];
    if (!lines[i].empty() && lines[i].back() == '"') {
      if (i + 1 == lines.size()) break;
      content += lines[++i];
    }
    content += kLineBreak;
  }
  return content;
}

}  // namespace

void AddOutputLine(WriterState& writer, std::string_view line) {
  writer.OutputLines.emplace_back(util::CutToByteLimit(line, kMaxLineBytes));
}

namespace {

// `keyword` and `text` as one line: a system's message may hold line breaks, and the rest of
// it would reach the host as commands.
void AddMessageLine(WriterState& writer, std::string_view keyword, std::string_view text) {
  std::string line(keyword);
  line += text;
  for (char& c : line) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  AddOutputLine(writer, line);
}

}  // namespace

void OutErrorMessage(WriterState& writer, std::string_view text) {
  AddMessageLine(writer, "he", text);
}

void OutNotice(WriterState& writer, std::string_view text) { AddMessageLine(writer, "h#", text); }

bool WriteExchangeFile(const WriterState& writer, const std::filesystem::path& path) {
  if (util::ReplaceFileContents(path, FileContents(writer.OutputLines))) return true;
  // The host would read its own input back as commands; no file is better than that.
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  return false;
}

}  // namespace tq58::exchange
