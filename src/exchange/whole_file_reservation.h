// Room in the model's lists for a whole large exchange file, estimated from its first part.
#pragma once

#include <cstdint>
#include <filesystem>

#include "exchange/model.h"

namespace tq58::exchange {

// Gives the lists of a large file room for the whole file once its first megabyte is read,
// each list by the share of its kind so far. Growing by doubling instead would copy each large
// list several times and hold its old and new storage at once. Capacity only: what the lists
// hold is never changed.
class WholeFileReservation {
 public:
  explicit WholeFileReservation(const std::filesystem::path& path);

  // Counts a line of `length` bytes that was read into `model`.
  void AfterLine(ExchangeModel& model, std::size_t length);

 private:
  std::uintmax_t fileSize_ = 0;
  std::uintmax_t bytesRead_ = 0;
  bool pending_ = false;
};

}  // namespace tq58::exchange
