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

  JwwGaibu::WriterState writer;
  JwwGaibu::ExchangeModel fromFile;
  JwwGaibu::ClearExchangeModel(fromFile, writer);
  Require(static_cast<bool>(JwwGaibu::ReadExchangeFile(fromFile, file)),
          "an existing file is read whole");

  JwwGaibu::ExchangeModel byLines;
  JwwGaibu::ClearExchangeModel(byLines, writer);
  ForEachLine(bytes, [&](std::string_view line) { JwwGaibu::ParseExchangeLine(byLines, line); });
  Require(fromFile == byLines, "the file and its lines one by one give the same model");

  RequireModelInvariants(fromFile);
  return 0;
}
