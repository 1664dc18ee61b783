// What the host's user is told when rows or the fill asked for a layer that the host protects.
#pragma once

#include <string>

#include "exchange/model.h"
#include "presets/presets.h"

namespace tq58 {

// "行2、行5、塗りは、レイヤがプロテクトされているため書込みレイヤに作図しました。" (Shift-JIS)
// for the drawn rows, and the fill of a filling preset, whose layer is protected; empty when
// there are none.
std::string ProtectedLayersNotice(const exchange::ExchangeModel& model, const TLineTable& table);

}  // namespace tq58
