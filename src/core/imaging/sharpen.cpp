#include "core/imaging/sharpen.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "core/base/parallel.h"

namespace lumetta {

std::int32_t SharpenAmount(std::int32_t level, std::int32_t step) {
  std::int32_t f = 0;
  switch (level) {
    case 4:
      f = 2 * step;
      break;
    case 6:
      f = step + step / 2;
      break;
    case 8:
      f = step;
      break;
    case 10:
      f = step - step / 3;
      break;
    case 16:
      f = step / 6;
      break;
    default:
      f = step / 3;
      break;
  }
  return f + 4;
}

namespace {

struct Region {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// The region inside the image; width or height 0 when nothing is left.
Region ClipRegion(const TDibImage& image, std::int32_t left, std::int32_t top, std::int32_t width,
                  std::int32_t height) {
  Region r;
  r.left = std::max(left, 0);
  r.top = std::max(top, 0);
  const std::int32_t right = std::min<std::int64_t>(std::int64_t{left} + width, image.Width());
  const std::int32_t bottom = std::min<std::int64_t>(std::int64_t{top} + height, image.Height());
  r.width = std::max(right - r.left, 0);
  r.height = std::max(bottom - r.top, 0);
  return r;
}

// The colour of a pixel darkened by d; the darkest channel stops at 0 and
// pulls the other two with it.
inline void Darken(std::uint8_t* out, const std::uint8_t* p, std::int32_t d) {
  std::int32_t b = p[0] - d;
  std::int32_t g = p[1] - d;
  std::int32_t r = p[2] - d;
  const std::int32_t lift = std::max(0, -std::min(r, std::min(g, b)));
  r += lift;
  g += lift;
  b += lift;
  out[0] = static_cast<std::uint8_t>(b);
  out[1] = static_cast<std::uint8_t>(g);
  out[2] = static_cast<std::uint8_t>(r);
}

}  // namespace

void SharpenRegion(TDibImage& image, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                   std::int32_t level, std::int32_t band_rows) {
  if (level < 1) return;
  if (image.BitCount() != 24) throw EDibBadDIBType("SharpenRegion: Bad DIB Type");
  const Region r = ClipRegion(image, left, top, width, height);
  if (r.width == 0 || r.height == 0) return;
  image.MakeUnique();

  std::array<std::int32_t, 256> amount{};
  for (std::int32_t step = 1; step < 256; ++step) amount[static_cast<std::size_t>(step)] = SharpenAmount(level, step);

  // Every pixel is compared with its neighbours as they were before: each
  // band is copied with the row below it, and the row above it is the copy
  // the band before kept of its last row.
  const std::size_t row_bytes = static_cast<std::size_t>(r.width) * 3;
  constexpr std::size_t kBandBytes = std::size_t{4} << 20;
  const std::int32_t band = band_rows > 0 ? band_rows
                                          : static_cast<std::int32_t>(std::clamp<std::size_t>(
                                                kBandBytes / row_bytes, 1, static_cast<std::size_t>(r.height)));
  std::vector<std::uint8_t> before(row_bytes * (static_cast<std::size_t>(std::min(band, r.height)) + 2));
  std::vector<std::uint8_t> carried(row_bytes);
  const auto copy_row = [&](std::size_t slot, std::int32_t y) {
    std::memcpy(before.data() + row_bytes * slot, image.RowUnchecked(r.top + y) + static_cast<std::size_t>(r.left) * 3,
                row_bytes);
  };

  for (std::int32_t first = 0; first < r.height; first += band) {
    const std::int32_t last = std::min(r.height, first + band);  // one past the band
    // Slot 0 holds the row above the band, slot k the band's row first + k - 1.
    if (first > 0) std::memcpy(before.data(), carried.data(), row_bytes);
    for (std::int32_t y = first; y < last; ++y) copy_row(static_cast<std::size_t>(y - first + 1), y);
    if (last < r.height) copy_row(static_cast<std::size_t>(last - first + 1), last);

    // Per channel, the step up to the brightest neighbour is the brightest
    // neighbour's value less the pixel's (at least 0); a pixel's step is the
    // largest over its channels. Taking the neighbours' maximum first keeps
    // the byte loops simple enough to vectorise; a missing neighbour (the
    // region's edge) stands in as the pixel itself, which adds nothing.
    ParallelRanges(last - first, RowsPerPart(r.width, std::int64_t{1} << 19), [&](std::int32_t begin, std::int32_t end) {
      // Locals, not captures: a byte store may alias anything reached
      // through a reference, which would keep the loops from vectorising.
      const std::size_t n = row_bytes;
      const std::int32_t height = r.height;
      const std::int32_t band_first = first;
      const std::uint8_t* const all = before.data();
      std::vector<std::uint8_t> steps(n);
      std::uint8_t* const e = steps.data();
      for (std::int32_t k = begin; k < end; ++k) {
        const std::int32_t y = band_first + k;
        const std::uint8_t* const p = all + n * static_cast<std::size_t>(k + 1);
        const std::uint8_t* const above = y > 0 ? p - n : p;
        const std::uint8_t* const below = y + 1 < height ? p + n : p;
        // The first and last pixel lack a left or right neighbour.
        for (std::size_t j = 0; j < n; ++j) {
          if (j == 3 && n > 6) j = n - 3;
          std::uint8_t m = std::max(above[j], below[j]);
          if (j >= 3) m = std::max(m, p[j - 3]);
          if (j + 3 < n) m = std::max(m, p[j + 3]);
          e[j] = static_cast<std::uint8_t>(m > p[j] ? m - p[j] : 0);
        }
        for (std::size_t j = 3; j + 3 < n; ++j) {
          const std::uint8_t m = std::max(std::max(above[j], below[j]), std::max(p[j - 3], p[j + 3]));
          e[j] = static_cast<std::uint8_t>(m > p[j] ? m - p[j] : 0);
        }
        std::uint8_t* const out = image.RowUnchecked(r.top + y) + static_cast<std::size_t>(r.left) * 3;
        // Without a step up the amount is 0 and the pixel is written back as
        // it was; no branch to mispredict on a photo's mixed edges.
        for (std::size_t at = 0; at < n; at += 3) {
          const std::int32_t step = std::max(std::max(e[at], e[at + 1]), e[at + 2]);
          Darken(out + at, p + at, amount[static_cast<std::size_t>(step)]);
        }
      }
    });
    std::memcpy(carried.data(), before.data() + row_bytes * static_cast<std::size_t>(last - first), row_bytes);
  }
}

void SharpenRegionReference(TDibImage& image, std::int32_t left, std::int32_t top, std::int32_t width,
                            std::int32_t height, std::int32_t level) {
  if (level < 1) return;
  const Region r = ClipRegion(image, left, top, width, height);
  if (r.width == 0 || r.height == 0) return;
  const TDibImage work(image);  // the pixels before, shared until the first write
  TDibImage mask;
  TDibImage dark;
  mask.SetBitCount(24);
  dark.SetBitCount(24);
  mask.SetSize(r.width, -r.height);
  dark.SetSize(r.width, -r.height);

  for (std::int32_t y = 0; y < r.height; ++y) {
    for (std::int32_t x = 0; x < r.width; ++x) {
      const std::uint32_t p = work.Pixels(r.left + x, r.top + y);
      const std::int32_t pr = p & 0xFF, pg = (p >> 8) & 0xFF, pb = (p >> 16) & 0xFF;
      bool counted = false;
      std::int32_t e = 0;
      const std::int32_t dx[4] = {0, 1, 0, -1};
      const std::int32_t dy[4] = {-1, 0, 1, 0};
      for (int k = 0; k < 4; ++k) {
        const std::int32_t nx = x + dx[k], ny = y + dy[k];
        if (nx < 0 || ny < 0 || nx >= r.width || ny >= r.height) continue;
        const std::uint32_t n = work.Pixels(r.left + nx, r.top + ny);
        const std::int32_t nr = n & 0xFF, ng = (n >> 8) & 0xFF, nb = (n >> 16) & 0xFF;
        if (nr > pr || ng > pg || nb > pb) {
          counted = true;
          e = std::max({e, nr - pr, ng - pg, nb - pb});
        }
      }
      if (!counted) {
        mask.SetPixels(x, y, 0xFFFFFF);
        dark.SetPixels(x, y, 0);
        continue;
      }
      mask.SetPixels(x, y, 0);
      const std::int32_t d = SharpenAmount(level, e);
      std::int32_t cr = pr - d, cg = pg - d, cb = pb - d;
      const std::int32_t lowest = std::min({cr, cg, cb});
      if (lowest < 0) {
        cr -= lowest;
        cg -= lowest;
        cb -= lowest;
      }
      dark.SetPixels(x, y,
                     static_cast<std::uint32_t>(cr) | static_cast<std::uint32_t>(cg) << 8 |
                         static_cast<std::uint32_t>(cb) << 16);
    }
  }
  // The mask keeps the pixels without a brighter neighbour, the dark image
  // fills in the others (AND, then OR).
  for (std::int32_t y = 0; y < r.height; ++y) {
    for (std::int32_t x = 0; x < r.width; ++x) {
      const std::uint32_t v = (image.Pixels(r.left + x, r.top + y) & mask.Pixels(x, y)) | dark.Pixels(x, y);
      image.SetPixels(r.left + x, r.top + y, v);
    }
  }
}

}  // namespace lumetta
