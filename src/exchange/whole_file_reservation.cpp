// Sizing the entity lists and the order list for a whole large file at once.
#include "exchange/whole_file_reservation.h"

#include <new>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace tq58::exchange {
namespace {

// Bytes read after which the lists are sized; smaller files are not worth it.
constexpr std::uintmax_t kEstimateAfterBytes = 1 << 20;
// Room beyond the estimate, for a mix of entities that is not quite uniform over the file.
constexpr double kEstimateMargin = 1.1;

// A reservation that the system refuses only loses the saving: the list then grows as it fills.
template <typename Record>
void ReserveShare(std::vector<Record>& list, double scale) {
  try {
    list.reserve(static_cast<std::size_t>(static_cast<double>(list.size()) * scale));
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
}

// Gives every list room for `scale` times the records it holds.
void ReserveForWholeFile(ExchangeModel& model, double scale) {
  ForEachEntityList(model, [scale](auto& list) { ReserveShare(list, scale); });
  ReserveShare(model.EntityOrder, scale);
}

}  // namespace

WholeFileReservation::WholeFileReservation(const std::filesystem::path& path) {
  std::error_code error;
  fileSize_ = std::filesystem::file_size(path, error);
  pending_ = !error && fileSize_ >= 2 * kEstimateAfterBytes;
}

void WholeFileReservation::AfterLine(ExchangeModel& model, std::size_t length) {
  if (!pending_) return;
  bytesRead_ += length + 1;  // the line feed; carriage returns are not counted
  if (bytesRead_ < kEstimateAfterBytes) return;
  ReserveForWholeFile(
      model, kEstimateMargin * static_cast<double>(fileSize_) / static_cast<double>(bytesRead_));
  pending_ = false;
}

}  // namespace tq58::exchange
