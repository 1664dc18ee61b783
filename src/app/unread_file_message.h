// The message that a transformation leaves the host's user, instead of a drawing, when one of
// its files is there but could not be read.
#pragma once

#include <string>
#include <string_view>

#include "util/text_file.h"

namespace tq58 {

// Which of the run's two files a message is about.
enum class RunFile { Exchange, Settings };

// "tq58: ", the file `fileName` (Shift-JIS) could not be read and nothing was drawn, then the
// reason in `result`: one line of Shift-JIS, the reason last, where a cut to the host's line
// limit hurts least.
std::string UnreadFileMessage(RunFile file, std::string_view fileName,
                              const util::ReadResult& result);

}  // namespace tq58
