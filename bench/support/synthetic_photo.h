#pragma once
// A synthetic camera photo for the benchmarks: smooth gradients and waves
// with sensor-like noise, so that resampling and JPEG coding meet the
// detail of a real photo.

#include <cstdint>

#include "core/imaging/dib_image.h"

namespace lumetta::bench_support {

TDibImage SyntheticPhoto(std::int32_t width, std::int32_t height, unsigned seed);

}  // namespace lumetta::bench_support
