// A fresh model fed line by line, for the reader's tests.
#pragma once

#include <initializer_list>

#include "exchange/model.h"
#include "exchange/reader.h"

namespace reader_test {

inline tq58::exchange::ExchangeModel Parsed(std::initializer_list<std::string_view> lines) {
  tq58::exchange::ExchangeModel model;
  for (std::string_view line : lines) tq58::exchange::ParseExchangeLine(model, line);
  return model;
}

}  // namespace reader_test
