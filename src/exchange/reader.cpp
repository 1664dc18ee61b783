// Reading the exchange file: the file loop and the order in which the line rules are tried.
#include "exchange/reader.h"

#include "exchange/entity_lines.h"
#include "exchange/field_splitter.h"
#include "exchange/state_lines.h"
#include "exchange/whole_file_reservation.h"
#include "util/text_file.h"

namespace tq58::exchange {
namespace {

// Applies the first rule that takes the split line.
void ApplyLine(ExchangeModel& model, const FieldSplitter& fields) {
  if (fields.IsBlank()) return;
  if (ApplyStateLine(model, fields)) return;
  if (ApplyEntityLine(model, fields)) return;
  // Any other line of exactly four fields is a segment, whatever its first field says.
  if (fields.Count() == 4) ApplyPlainSegment(model, fields);
}

}  // namespace

util::ReadResult ReadExchangeFile(ExchangeModel& model, const std::filesystem::path& path) {
  WholeFileReservation reservation(path);
  FieldSplitter fields;  // one buffer for every line of the file
  return util::ForEachTextLine(path, [&](std::string_view line) {
    fields.Split(line);
    ApplyLine(model, fields);
    reservation.AfterLine(model, line.size());
    return true;
  });
}

void ParseExchangeLine(ExchangeModel& model, std::string_view line) {
  FieldSplitter fields;
  fields.Split(line);
  ApplyLine(model, fields);
}

}  // namespace tq58::exchange
