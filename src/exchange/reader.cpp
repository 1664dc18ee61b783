// Reading the exchange file: the file loop and the order in which the line rules are tried.
#include "exchange/reader.h"

#include <cstdint>
#include <system_error>
#include <vector>

#include "exchange/entity_lines.h"
#include "exchange/field_splitter.h"
#include "exchange/state_lines.h"
#include "util/text_file.h"

namespace JwwGaibu {
namespace {

// Applies the first rule that takes the split line.
void ApplyLine(ExchangeModel& model, const FieldSplitter& fields) {
  if (fields.IsBlank()) return;
  if (ApplyStateLine(model, fields)) return;
  if (ApplyEntityLine(model, fields)) return;
  // Any other line of exactly four fields is a segment, whatever its first field says.
  if (fields.Count() == 4) ApplyPlainSegment(model, fields);
}

// Bytes after which a large file's lists are given room for the whole file at once.
constexpr std::uintmax_t kEstimateAfterBytes = 1 << 20;
// Room beyond the estimate, for a mix of entities that is not quite uniform over the file.
constexpr double kEstimateMargin = 1.1;

template <typename Record>
void ReserveShare(std::vector<Record>& list, double scale) {
  list.reserve(static_cast<std::size_t>(static_cast<double>(list.size()) * scale));
}

// Gives every list room for `scale` times the records it holds. Growing by doubling instead
// would copy each large list several times and hold its old and new storage at once.
void ReserveForWholeFile(ExchangeModel& model, double scale) {
  ReserveShare(model.LineList, scale);
  ReserveShare(model.CircleList, scale);
  ReserveShare(model.ArcList, scale);
  ReserveShare(model.TextList, scale);
  ReserveShare(model.PointList, scale);
  ReserveShare(model.ParamPointList, scale);
  ReserveShare(model.MsgTextList, scale);
  ReserveShare(model.BlockList, scale);
  ReserveShare(model.Solid2List, scale);
  ReserveShare(model.Solid3List, scale);
  ReserveShare(model.Solid4List, scale);
  ReserveShare(model.ScList, scale);
  ReserveShare(model.SeList, scale);
  ReserveShare(model.SoList, scale);
  ReserveShare(model.SgList, scale);
  ReserveShare(model.EntityOrder, scale);
}

}  // namespace

bool ReadExchangeFile(ExchangeModel& model, const std::filesystem::path& path) {
  std::error_code error;
  const std::uintmax_t fileSize = std::filesystem::file_size(path, error);
  // Once the first megabyte of a larger file is read, the lists are sized for the whole file
  // by the share of each kind so far.
  std::uintmax_t bytesRead = 0;
  bool estimated = error || fileSize < 2 * kEstimateAfterBytes;

  FieldSplitter fields;  // one buffer for every line of the file
  const MyFunc::ReadResult result = MyFunc::ForEachTextLine(path, [&](std::string_view line) {
    fields.Split(line);
    ApplyLine(model, fields);
    if (!estimated) {
      bytesRead += line.size() + 1;  // the line feed; carriage returns are not counted
      if (bytesRead >= kEstimateAfterBytes) {
        ReserveForWholeFile(model, kEstimateMargin * static_cast<double>(fileSize) /
                                       static_cast<double>(bytesRead));
        estimated = true;
      }
    }
    return true;
  });
  return result == MyFunc::ReadResult::Complete;
}

void ParseExchangeLine(ExchangeModel& model, std::string_view line) {
  FieldSplitter fields;
  fields.Split(line);
  ApplyLine(model, fields);
}

}  // namespace JwwGaibu
