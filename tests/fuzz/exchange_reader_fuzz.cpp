// Fuzz target: the exchange-file reader over arbitrary bytes, once through the file and once
// line by line; both must build the same model, and that model must be sound.
#include <cstddef>
#include <cstdint>

#include "exchange/model.h"
#include "exchange/reader.h"
#include "fuzz_support.h"
#include "model_invariants.h"

using namespace tq58::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view bytes = AsText(data, size);
  static const std::filesystem::path file = ScratchPath("JWC_TEMP.TXT");
  WriteBytes(file, bytes);

  tq58::exchange::WriterState writer;
  tq58::exchange::ExchangeModel fromFile;
  tq58::exchange::ClearExchangeModel(fromFile, writer);
  Require(static_cast<bool>(tq58::exchange::ReadExchangeFile(fromFile, file)),
          "an existing file is read whole");

  tq58::exchange::ExchangeModel byLines;
  tq58::exchange::ClearExchangeModel(byLines, writer);
  ForEachLine(bytes,
              [&](std::string_view line) { tq58::exchange::ParseExchangeLine(byLines, line); });
  Require(fromFile == byLines, "the file and its lines one by one give the same model");

  RequireModelInvariants(fromFile);
  return 0;
}
