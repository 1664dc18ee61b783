// The texts of the message for an unreadable file (Shift-JIS; the text in the comment above
// each).
#include "app/unread_file_message.h"

namespace tq58 {
namespace {

using util::ReadFailure;

// clang-format off
// 「設定ファイル 」
constexpr std::string_view kSettingsFile = "\x90\xDD\x92\xE8\x83\x74\x83\x40\x83\x43\x83\x8B ";
// 「Jw_cad から渡されたファイル 」
constexpr std::string_view kExchangeFile =
    "Jw_cad \x82\xA9\x82\xE7\x93\x6E\x82\xB3\x82\xEA\x82\xBD\x83\x74\x83\x40\x83\x43\x83\x8B ";
// 「 を読めません。何も描いていません。理由：」
constexpr std::string_view kNothingDrawn =
    " \x82\xF0\x93\xC7\x82\xDF\x82\xDC\x82\xB9\x82\xF1\x81\x42\x89\xBD\x82\xE0\x95\x60\x82\xA2"
    "\x82\xC4\x82\xA2\x82\xDC\x82\xB9\x82\xF1\x81\x42\x97\x9D\x97\x52\x81\x46";
// 読み取りが許可されていません。
constexpr std::string_view kReadDenied =
    "\x93\xC7\x82\xDD\x8E\xE6\x82\xE8\x82\xAA\x8B\x96\x89\xC2\x82\xB3\x82\xEA\x82\xC4\x82\xA2"
    "\x82\xDC\x82\xB9\x82\xF1\x81\x42";
// ほかのプログラムが使用中です。
constexpr std::string_view kInUse =
    "\x82\xD9\x82\xA9\x82\xCC\x83\x76\x83\x8D\x83\x4F\x83\x89\x83\x80\x82\xAA\x8E\x67\x97\x70"
    "\x92\x86\x82\xC5\x82\xB7\x81\x42";
// 同じ名前のフォルダーがあります。
constexpr std::string_view kFolderAtPath =
    "\x93\xAF\x82\xB6\x96\xBC\x91\x4F\x82\xCC\x83\x74\x83\x48\x83\x8B\x83\x5F\x81\x5B\x82\xAA"
    "\x82\xA0\x82\xE8\x82\xDC\x82\xB7\x81\x42";
// 不明です。
constexpr std::string_view kUnknownReason = "\x95\x73\x96\xBE\x82\xC5\x82\xB7\x81\x42";
// clang-format on

// The reason in words, or the system's own text for a reason without a name.
std::string_view ReasonText(const util::ReadResult& result) {
  switch (result.Failure) {
    case ReadFailure::AccessDenied:
      return kReadDenied;
    case ReadFailure::InUse:
      return kInUse;
    case ReadFailure::FolderInTheWay:
      return kFolderAtPath;
    case ReadFailure::None:
    case ReadFailure::Missing:
    case ReadFailure::Other:
      break;
  }
  return result.SystemMessage.empty() ? kUnknownReason : std::string_view(result.SystemMessage);
}

}  // namespace

std::string UnreadFileMessage(RunFile file, std::string_view fileName,
                              const util::ReadResult& result) {
  std::string text = "tq58: ";
  text += file == RunFile::Settings ? kSettingsFile : kExchangeFile;
  text += fileName;
  text += kNothingDrawn;
  text += ReasonText(result);
  return text;
}

}  // namespace tq58
