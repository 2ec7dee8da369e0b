#include "core/imaging/resample.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

#include "core/base/parallel.h"
#include "core/base/rounding.h"

namespace lumetta {

std::int32_t ShownPhoto::Width() const {
  return rotation == 1 || rotation == -1 ? photo->Height() : photo->Width();
}

std::int32_t ShownPhoto::Height() const {
  return rotation == 1 || rotation == -1 ? photo->Width() : photo->Height();
}

void ShownPhoto::Map(std::int32_t x, std::int32_t y, std::int32_t& photo_x, std::int32_t& photo_y) const {
  const std::int32_t w = photo->Width();
  const std::int32_t h = photo->Height();
  switch (rotation) {
    case 1:
      photo_x = y;
      photo_y = h - 1 - x;
      break;
    case 2:
      photo_x = w - 1 - x;
      photo_y = h - 1 - y;
      break;
    case -1:
      photo_x = w - 1 - y;
      photo_y = x;
      break;
    default:
      photo_x = x;
      photo_y = y;
      break;
  }
}

Rgb ShownPhoto::Pixel(std::int32_t x, std::int32_t y) const {
  std::int32_t px = 0;
  std::int32_t py = 0;
  Map(x, y, px, py);
  const std::uint32_t c = photo->Pixels(px, py);
  return Rgb{static_cast<std::int32_t>(c & 0xFF), static_cast<std::int32_t>((c >> 8) & 0xFF),
             static_cast<std::int32_t>((c >> 16) & 0xFF)};
}

void SizeImage24(TDibImage& image, std::int32_t width, std::int32_t height) {
  image.SetBitCount(24);
  image.SetSize(width, -height);
}

namespace {

void Require24(const TDibImage& image, const char* what) {
  if (image.BitCount() != 24) throw EDibBadDIBType(std::string(what) + ": Bad DIB Type");
}

inline void Store(std::uint8_t* p, Rgb c) {
  p[0] = static_cast<std::uint8_t>(c.b);
  p[1] = static_cast<std::uint8_t>(c.g);
  p[2] = static_cast<std::uint8_t>(c.r);
}

inline Rgb Treat(Rgb c, const QualityTreatment& t) {
  return ApplyEffect(AdjustChannels(c, t.values), t.effect);
}

// One axis of a box average: for each output index, the decoded-photo
// coordinates its box samples on that axis, equal neighbours merged into
// one entry with a weight.
struct Run {
  std::int32_t pos = 0;
  std::int32_t weight = 0;
};

struct AxisSamples {
  std::vector<std::int32_t> begin;  // count + 1 offsets into runs
  std::vector<Run> runs;
  std::vector<std::int32_t> total;  // samples of each index, repeats counted
  std::int32_t lowest = std::numeric_limits<std::int32_t>::max();
  std::int32_t highest = -1;
  std::int32_t most = 0;  // the largest total
};

// The grid cell g of a box of side n on a grid of size s: the cell read, or
// -1 when the cell is not sampled.
inline std::int32_t ClampCell(std::int64_t g, std::int32_t n, std::int32_t s) {
  if (g < -(n - 1)) return -1;
  if (g < 0) return 0;
  if (g > std::int64_t{s} + n - 1) return -1;
  if (g >= s) return s - 1;
  return static_cast<std::int32_t>(g);
}

// to_photo maps a shown coordinate on this axis to the decoded photo's.
template <typename ToPhoto>
AxisSamples BuildAxis(std::int32_t count, const BoxGrid& grid, std::int32_t crop, std::int32_t shown_size,
                      ToPhoto to_photo) {
  AxisSamples a;
  a.begin.resize(static_cast<std::size_t>(count) + 1);
  a.total.resize(static_cast<std::size_t>(count));
  a.runs.reserve(static_cast<std::size_t>(count) * static_cast<std::size_t>(std::max(grid.box, 1)));
  const std::int32_t n = grid.box;
  const std::int32_t cells = grid.doubled ? shown_size * 2 : shown_size;
  for (std::int32_t t = 0; t < count; ++t) {
    a.begin[static_cast<std::size_t>(t)] = static_cast<std::int32_t>(a.runs.size());
    const std::int64_t origin = std::int64_t{R(t * grid.step)} + crop;
    std::int32_t total = 0;
    for (std::int32_t i = 0; i < n; ++i) {
      const std::int32_t g = ClampCell(origin + i, n, cells);
      if (g < 0) continue;
      const std::int32_t pos = to_photo(grid.doubled ? g / 2 : g);
      ++total;
      if (a.runs.size() > static_cast<std::size_t>(a.begin[static_cast<std::size_t>(t)]) && a.runs.back().pos == pos) {
        ++a.runs.back().weight;
      } else {
        a.runs.push_back(Run{pos, 1});
        a.lowest = std::min(a.lowest, pos);
        a.highest = std::max(a.highest, pos);
      }
    }
    a.total[static_cast<std::size_t>(t)] = total;
    a.most = std::max(a.most, total);
  }
  a.begin[static_cast<std::size_t>(count)] = static_cast<std::int32_t>(a.runs.size());
  return a;
}

// Exact division of sums below 2^32 by k: a multiply and a shift while
// sum * (m * k - 2^32) stays below 2^32, which holds for sums of at most
// 255 * k with k < 4104; a plain division above.
struct Divider {
  std::uint32_t k = 1;
  std::uint64_t m = 0;
  bool by_multiply = false;

  // k = 0 belongs to pixels without samples, which are never divided.
  explicit Divider(std::uint32_t k_ = 1) : k(k_ == 0 ? 1 : k_) {
    by_multiply = k < 4104;
    if (by_multiply) m = ((std::uint64_t{1} << 32) + k - 1) / k;
  }
  std::uint32_t operator()(std::uint32_t sum) const {
    return by_multiply ? static_cast<std::uint32_t>((sum * m) >> 32) : sum / k;
  }
};

// Sums of photo rows per column, for the boxes of one output line. Rows are
// added four at a time, so that the sums are written once per four rows
// rather than once per row; a row of weight w is simply added w times.
template <typename Sum>
inline void SumRows(const std::uint8_t* const* rows, std::size_t count, std::size_t values, Sum* sums) {
  for (std::size_t g = 0; g < count; g += 4) {
    const std::uint8_t* a = rows[g];
    const std::uint8_t* b = g + 1 < count ? rows[g + 1] : nullptr;
    const std::uint8_t* c = g + 2 < count ? rows[g + 2] : nullptr;
    const std::uint8_t* d = g + 3 < count ? rows[g + 3] : nullptr;
    const bool first = g == 0;
    if (d != nullptr) {
      if (first) {
        for (std::size_t j = 0; j < values; ++j) sums[j] = static_cast<Sum>(Sum{a[j]} + b[j] + c[j] + d[j]);
      } else {
        for (std::size_t j = 0; j < values; ++j) sums[j] = static_cast<Sum>(sums[j] + a[j] + b[j] + c[j] + d[j]);
      }
    } else if (c != nullptr) {
      if (first) {
        for (std::size_t j = 0; j < values; ++j) sums[j] = static_cast<Sum>(Sum{a[j]} + b[j] + c[j]);
      } else {
        for (std::size_t j = 0; j < values; ++j) sums[j] = static_cast<Sum>(sums[j] + a[j] + b[j] + c[j]);
      }
    } else if (b != nullptr) {
      if (first) {
        for (std::size_t j = 0; j < values; ++j) sums[j] = static_cast<Sum>(Sum{a[j]} + b[j]);
      } else {
        for (std::size_t j = 0; j < values; ++j) sums[j] = static_cast<Sum>(sums[j] + a[j] + b[j]);
      }
    } else if (first) {
      for (std::size_t j = 0; j < values; ++j) sums[j] = a[j];
    } else {
      for (std::size_t j = 0; j < values; ++j) sums[j] = static_cast<Sum>(sums[j] + a[j]);
    }
  }
}

// The row sums read every byte of the photo and are most of a reduced
// render's time. x86-64 ELF builds compile them twice and take the AVX2 copy
// at load time when the processor has it (twice the bytes per instruction);
// other builds use the plain copy. Both give the same sums.
#if defined(__x86_64__) && defined(__ELF__) && (defined(__GNUC__) || defined(__clang__))
#define LUMETTA_ROW_SUM_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define LUMETTA_ROW_SUM_CLONES
#endif

LUMETTA_ROW_SUM_CLONES
void SumRows16(const std::uint8_t* const* rows, std::size_t count, std::size_t values, std::uint16_t* sums) {
  SumRows(rows, count, values, sums);
}

LUMETTA_ROW_SUM_CLONES
void SumRows32(const std::uint8_t* const* rows, std::size_t count, std::size_t values, std::uint32_t* sums) {
  SumRows(rows, count, values, sums);
}

inline void SumRowsOf(const std::uint8_t* const* rows, std::size_t count, std::size_t values, std::uint16_t* sums) {
  SumRows16(rows, count, values, sums);
}

inline void SumRowsOf(const std::uint8_t* const* rows, std::size_t count, std::size_t values, std::uint32_t* sums) {
  SumRows32(rows, count, values, sums);
}

template <typename Sum>
void AccumulateRows(const TDibImage& photo, const Run* rows, const Run* rows_end, std::int32_t first_column,
                    std::size_t values, Sum* sums, std::vector<const std::uint8_t*>& pointers) {
  pointers.clear();
  for (const Run* r = rows; r != rows_end; ++r) {
    const std::uint8_t* p = photo.RowUnchecked(r->pos) + static_cast<std::size_t>(first_column) * 3;
    for (std::int32_t w = 0; w < r->weight; ++w) pointers.push_back(p);
  }
  SumRowsOf(pointers.data(), pointers.size(), values, sums);
}

// The samples of one output index as spans of consecutive positions with a
// weight: the usual box is one span, a clamped edge or the doubled grid adds
// a few more.
struct Span {
  std::int32_t lo = 0;
  std::int32_t hi = 0;
  std::int32_t weight = 0;
};

struct SpanList {
  std::vector<std::int32_t> begin;  // count + 1 offsets into spans
  std::vector<Span> spans;
};

SpanList SpansOf(const AxisSamples& axis) {
  SpanList list;
  const std::size_t count = axis.total.size();
  list.begin.resize(count + 1);
  for (std::size_t i = 0; i < count; ++i) {
    list.begin[i] = static_cast<std::int32_t>(list.spans.size());
    const std::size_t first = list.spans.size();
    for (std::int32_t r = axis.begin[i]; r < axis.begin[i + 1]; ++r) {
      const Run& run = axis.runs[static_cast<std::size_t>(r)];
      if (list.spans.size() > first) {
        Span& span = list.spans.back();
        // Positions run one way within a box, up or down.
        if (span.weight == run.weight && run.pos == span.hi + 1) {
          span.hi = run.pos;
          continue;
        }
        if (span.weight == run.weight && run.pos == span.lo - 1) {
          span.lo = run.pos;
          continue;
        }
      }
      list.spans.push_back(Span{run.pos, run.pos, run.weight});
    }
  }
  list.begin[count] = static_cast<std::int32_t>(list.spans.size());
  return list;
}

struct BoxJob {
  const TDibImage* photo = nullptr;
  const AxisSamples* rows = nullptr;  // output lines: samples are photo rows
  const AxisSamples* cols = nullptr;  // along a line: samples are photo columns
  SpanList col_spans;
  bool turned = false;                // lines are dest columns
  const QualityTreatment* treatment = nullptr;
  TDibImage* dest = nullptr;
  std::int32_t dest_left = 0;
  std::int32_t dest_top = 0;
  std::int32_t line_count = 0;
  std::int32_t along_count = 0;
  // The box sums of every pixel fit 16 bits (at most 257 samples).
  bool packed = false;
  std::vector<std::int32_t> distinct_totals;  // of cols
  std::vector<std::int32_t> total_index;      // cols index -> distinct_totals index
};

template <typename Sum>
void BoxLines(const BoxJob& job, std::int32_t begin, std::int32_t end) {
  const AxisSamples& rows = *job.rows;
  const AxisSamples& cols = *job.cols;
  const std::int32_t first_column = cols.highest >= 0 ? cols.lowest : 0;
  const std::size_t values = cols.highest >= 0 ? static_cast<std::size_t>(cols.highest - cols.lowest + 1) * 3 : 0;
  // One spare value lets the packed reads below take four values at the end.
  std::vector<Sum> sums(values + 1);
  std::vector<const std::uint8_t*> pointers;
  std::vector<Divider> dividers(job.distinct_totals.size());
  const std::size_t dest_stride = job.dest->Stride();
  std::uint8_t* const dest_bits = job.dest->RowUnchecked(0);
  const QualityTreatment& treat = *job.treatment;

  for (std::int32_t o = begin; o < end; ++o) {
    // Where the line's pixels go, and how far apart.
    std::uint8_t* out = nullptr;
    std::size_t out_step = 0;
    if (job.turned) {
      out = dest_bits + static_cast<std::size_t>(job.dest_top) * dest_stride +
            static_cast<std::size_t>(job.dest_left + o) * 3;
      out_step = dest_stride;
    } else {
      out = dest_bits + static_cast<std::size_t>(job.dest_top + o) * dest_stride +
            static_cast<std::size_t>(job.dest_left) * 3;
      out_step = 3;
    }
    const std::int32_t ko = rows.total[static_cast<std::size_t>(o)];
    if (ko == 0 || values == 0) {
      for (std::int32_t i = 0; i < job.along_count; ++i, out += out_step) out[0] = out[1] = out[2] = 0;
      continue;
    }
    AccumulateRows<Sum>(*job.photo, rows.runs.data() + rows.begin[static_cast<std::size_t>(o)],
                        rows.runs.data() + rows.begin[static_cast<std::size_t>(o) + 1], first_column, values,
                        sums.data(), pointers);
    for (std::size_t d = 0; d < dividers.size(); ++d) {
      dividers[d] = Divider(static_cast<std::uint32_t>(ko) * static_cast<std::uint32_t>(job.distinct_totals[d]));
    }
    for (std::int32_t i = 0; i < job.along_count; ++i, out += out_step) {
      const std::size_t at = static_cast<std::size_t>(i);
      if (cols.total[at] == 0) {
        out[0] = out[1] = out[2] = 0;
        continue;
      }
      std::uint32_t sb = 0, sg = 0, sr = 0;
      const Span* span = job.col_spans.spans.data() + job.col_spans.begin[at];
      const Span* span_end = job.col_spans.spans.data() + job.col_spans.begin[at + 1];
      if constexpr (sizeof(Sum) == 2) {
        if (job.packed) {
          // A pixel's three 16-bit sums (and the next value) read as one
          // 64-bit word: the lanes add without carrying into one another as
          // long as every total stays below 65536.
          std::uint64_t total = 0;
          for (; span != span_end; ++span) {
            const Sum* c = sums.data() + static_cast<std::size_t>(span->lo - first_column) * 3;
            const Sum* c_end = sums.data() + static_cast<std::size_t>(span->hi - first_column + 1) * 3;
            // Two running sums halve the chain of dependent additions.
            std::uint64_t even = 0;
            std::uint64_t odd = 0;
            for (; c_end - c >= 6; c += 6) {
              std::uint64_t first = 0;
              std::uint64_t second = 0;
              std::memcpy(&first, c, sizeof first);
              std::memcpy(&second, c + 3, sizeof second);
              even += first;
              odd += second;
            }
            if (c != c_end) {
              std::uint64_t word = 0;
              std::memcpy(&word, c, sizeof word);
              even += word;
            }
            total += (even + odd) * static_cast<std::uint64_t>(span->weight);
          }
          sb = static_cast<std::uint32_t>(total & 0xFFFF);
          sg = static_cast<std::uint32_t>((total >> 16) & 0xFFFF);
          sr = static_cast<std::uint32_t>((total >> 32) & 0xFFFF);
          span = span_end;
        }
      }
      for (; span != span_end; ++span) {
        const Sum* c = sums.data() + static_cast<std::size_t>(span->lo - first_column) * 3;
        const Sum* c_end = sums.data() + static_cast<std::size_t>(span->hi - first_column + 1) * 3;
        std::uint32_t b = 0, g = 0, r = 0;
        for (; c != c_end; c += 3) {
          b += c[0];
          g += c[1];
          r += c[2];
        }
        const std::uint32_t w = static_cast<std::uint32_t>(span->weight);
        sb += w * b;
        sg += w * g;
        sr += w * r;
      }
      const Divider& div = dividers[static_cast<std::size_t>(job.total_index[at])];
      Rgb c{static_cast<std::int32_t>(div(sr)), static_cast<std::int32_t>(div(sg)), static_cast<std::int32_t>(div(sb))};
      if (treat.on) {
        if (sb == 0 && sg == 0 && sr == 0) {
          c = Rgb{};
        } else {
          c = Treat(c, treat);
        }
      }
      Store(out, c);
    }
  }
}

}  // namespace

void BoxSample(const ShownPhoto& shown, const BoxGrid& grid, const QualityTreatment& treatment, TDibImage& dest,
               std::int32_t dest_left, std::int32_t dest_top, std::int32_t count_x, std::int32_t count_y) {
  Require24(*shown.photo, "BoxSample");
  Require24(dest, "BoxSample");
  // Only the part of the output that lands inside dest is computed.
  const std::int32_t t_begin = std::max(0, -dest_left);
  const std::int32_t m_begin = std::max(0, -dest_top);
  count_x = std::min<std::int64_t>(count_x, std::int64_t{dest.Width()} - dest_left);
  count_y = std::min<std::int64_t>(count_y, std::int64_t{dest.Height()} - dest_top);
  if (count_x <= 0 || count_y <= 0 || grid.box < 1) return;
  if (t_begin > 0 || m_begin > 0) {
    // Offsets that start outside dest come from no caller; the reference
    // handles them pixel by pixel.
    BoxSampleReference(shown, grid, treatment, dest, dest_left, dest_top, count_x, count_y);
    return;
  }

  const std::int32_t w = shown.photo->Width();
  const std::int32_t h = shown.photo->Height();
  const std::int32_t rot = shown.rotation;
  auto x_to_photo = [rot, w, h](std::int32_t x) {
    switch (rot) {
      case 1:
        return h - 1 - x;  // a photo row
      case 2:
        return w - 1 - x;
      default:
        return x;  // rotation 0: a column; -1: a row
    }
  };
  auto y_to_photo = [rot, w, h](std::int32_t y) {
    switch (rot) {
      case 2:
        return h - 1 - y;
      case -1:
        return w - 1 - y;  // a photo column
      default:
        return y;  // rotation 0: a row; 1: a column
    }
  };
  const AxisSamples ax = BuildAxis(count_x, grid, grid.crop_x, shown.Width(), x_to_photo);
  const AxisSamples ay = BuildAxis(count_y, grid, grid.crop_y, shown.Height(), y_to_photo);

  BoxJob job;
  job.photo = shown.photo;
  job.turned = rot == 1 || rot == -1;
  job.rows = job.turned ? &ax : &ay;
  job.cols = job.turned ? &ay : &ax;
  job.treatment = &treatment;
  job.dest = &dest;
  job.dest_left = dest_left;
  job.dest_top = dest_top;
  job.line_count = job.turned ? count_x : count_y;
  job.along_count = job.turned ? count_y : count_x;

  // Sums stay within 32 bits for boxes of up to 2^24 samples; anything
  // larger is left to the reference.
  if (std::int64_t{job.rows->most} * job.cols->most > (std::int64_t{1} << 24)) {
    BoxSampleReference(shown, grid, treatment, dest, dest_left, dest_top, count_x, count_y);
    return;
  }
  job.col_spans = SpansOf(*job.cols);
  job.total_index.resize(job.cols->total.size());
  for (std::size_t i = 0; i < job.cols->total.size(); ++i) {
    const std::int32_t k = job.cols->total[i];
    auto found = std::find(job.distinct_totals.begin(), job.distinct_totals.end(), k);
    if (found == job.distinct_totals.end()) {
      job.distinct_totals.push_back(k);
      found = job.distinct_totals.end() - 1;
    }
    job.total_index[i] = static_cast<std::int32_t>(found - job.distinct_totals.begin());
  }

  dest.MakeUnique();
  // 16-bit column sums hold up to 257 rows of 255.
  const bool narrow = job.rows->most <= 257;
  job.packed =
      std::endian::native == std::endian::little && std::int64_t{job.rows->most} * job.cols->most <= 257;
  ParallelRanges(job.line_count, 16, [&](std::int32_t begin, std::int32_t end) {
    if (narrow) {
      BoxLines<std::uint16_t>(job, begin, end);
    } else {
      BoxLines<std::uint32_t>(job, begin, end);
    }
  });
}

void BoxSampleReference(const ShownPhoto& shown, const BoxGrid& grid, const QualityTreatment& treatment,
                        TDibImage& dest, std::int32_t dest_left, std::int32_t dest_top, std::int32_t count_x,
                        std::int32_t count_y) {
  const std::int32_t n = grid.box;
  const std::int32_t size_x = grid.doubled ? shown.Width() * 2 : shown.Width();
  const std::int32_t size_y = grid.doubled ? shown.Height() * 2 : shown.Height();
  for (std::int32_t m = 0; m < count_y; ++m) {
    const std::int32_t dy = dest_top + m;
    if (dy < 0 || dy >= dest.Height()) continue;
    for (std::int32_t t = 0; t < count_x; ++t) {
      const std::int32_t dx = dest_left + t;
      if (dx < 0 || dx >= dest.Width()) continue;
      const std::int64_t ox = std::int64_t{R(t * grid.step)} + grid.crop_x;
      const std::int64_t oy = std::int64_t{R(m * grid.step)} + grid.crop_y;
      std::uint64_t sr = 0, sg = 0, sb = 0, k = 0;
      for (std::int32_t j = 0; j < n; ++j) {
        std::int64_t gy = oy + j;
        if (gy < -(n - 1) || gy > std::int64_t{size_y} + n - 1) continue;
        gy = std::clamp<std::int64_t>(gy, 0, size_y - 1);
        for (std::int32_t i = 0; i < n; ++i) {
          std::int64_t gx = ox + i;
          if (gx < -(n - 1) || gx > std::int64_t{size_x} + n - 1) continue;
          gx = std::clamp<std::int64_t>(gx, 0, size_x - 1);
          const std::int32_t x = static_cast<std::int32_t>(grid.doubled ? gx / 2 : gx);
          const std::int32_t y = static_cast<std::int32_t>(grid.doubled ? gy / 2 : gy);
          const Rgb p = shown.Pixel(x, y);
          sr += static_cast<std::uint64_t>(p.r);
          sg += static_cast<std::uint64_t>(p.g);
          sb += static_cast<std::uint64_t>(p.b);
          ++k;
        }
      }
      Rgb c;
      if (k > 0) {
        c = Rgb{static_cast<std::int32_t>(sr / k), static_cast<std::int32_t>(sg / k),
                static_cast<std::int32_t>(sb / k)};
        if (treatment.on) {
          const bool all_black = sr == 0 && sg == 0 && sb == 0;
          c = all_black ? Rgb{} : Treat(c, treatment);
        }
      }
      dest.SetPixels(dx, dy,
                     static_cast<std::uint32_t>(c.r) | static_cast<std::uint32_t>(c.g) << 8 |
                         static_cast<std::uint32_t>(c.b) << 16);
    }
  }
}

namespace {

inline void SpeedPixel(std::uint8_t* out, const std::uint8_t* p, const SpeedTreatment& t) {
  if (!t.on || (p[0] == 0 && p[1] == 0 && p[2] == 0)) {
    out[0] = p[0];
    out[1] = p[1];
    out[2] = p[2];
    return;
  }
  Store(out, AdjustChannels(Rgb{p[2], p[1], p[0]}, t.values));
}

}  // namespace

void NearestSample(const ShownPhoto& shown, const std::vector<std::int32_t>& xs, const std::vector<std::int32_t>& ys,
                   const SpeedTreatment& treatment, TDibImage& dest, std::int32_t dest_left, std::int32_t dest_top) {
  Require24(*shown.photo, "NearestSample");
  Require24(dest, "NearestSample");
  const TDibImage& photo = *shown.photo;
  const std::int32_t w = photo.Width();
  const std::int32_t h = photo.Height();
  const std::int32_t count_x = static_cast<std::int32_t>(xs.size());
  const std::int32_t count_y = static_cast<std::int32_t>(ys.size());
  const std::int32_t t_begin = std::max(0, -dest_left);
  const std::int32_t m_begin = std::max(0, -dest_top);
  const std::int32_t t_end = std::min<std::int64_t>(count_x, std::int64_t{dest.Width()} - dest_left);
  const std::int32_t m_end = std::min<std::int64_t>(count_y, std::int64_t{dest.Height()} - dest_top);
  if (t_begin >= t_end || m_begin >= m_end) return;
  dest.MakeUnique();
  const std::size_t stride = dest.Stride();
  std::uint8_t* const bits = dest.RowUnchecked(0);
  static const std::uint8_t kBlack[3] = {0, 0, 0};

  if (shown.rotation == 1 || shown.rotation == -1) {
    // A shown column is a photo row: walk dest by columns so that the photo
    // is read along its rows.
    ParallelRanges(t_end - t_begin, RowsPerPart(m_end - m_begin), [&](std::int32_t begin, std::int32_t end) {
      for (std::int32_t t = t_begin + begin; t < t_begin + end; ++t) {
        const std::int32_t x = xs[static_cast<std::size_t>(t)];
        const std::uint8_t* row = nullptr;
        if (x >= 0) row = photo.RowUnchecked(shown.rotation == 1 ? h - 1 - x : x);
        std::uint8_t* out = bits + static_cast<std::size_t>(dest_top + m_begin) * stride +
                            static_cast<std::size_t>(dest_left + t) * 3;
        for (std::int32_t m = m_begin; m < m_end; ++m, out += stride) {
          const std::int32_t y = ys[static_cast<std::size_t>(m)];
          if (row == nullptr || y < 0) {
            out[0] = out[1] = out[2] = 0;
            continue;
          }
          const std::int32_t px = shown.rotation == 1 ? y : w - 1 - y;
          SpeedPixel(out, row + static_cast<std::size_t>(px) * 3, treatment);
        }
      }
    });
    return;
  }
  ParallelRanges(m_end - m_begin, RowsPerPart(t_end - t_begin), [&](std::int32_t begin, std::int32_t end) {
    for (std::int32_t m = m_begin + begin; m < m_begin + end; ++m) {
      const std::int32_t y = ys[static_cast<std::size_t>(m)];
      const std::uint8_t* row = nullptr;
      if (y >= 0) row = photo.RowUnchecked(shown.rotation == 2 ? h - 1 - y : y);
      std::uint8_t* out = bits + static_cast<std::size_t>(dest_top + m) * stride +
                          static_cast<std::size_t>(dest_left + t_begin) * 3;
      for (std::int32_t t = t_begin; t < t_end; ++t, out += 3) {
        const std::int32_t x = xs[static_cast<std::size_t>(t)];
        if (row == nullptr || x < 0) {
          SpeedPixel(out, kBlack, treatment);
          continue;
        }
        const std::int32_t px = shown.rotation == 2 ? w - 1 - x : x;
        SpeedPixel(out, row + static_cast<std::size_t>(px) * 3, treatment);
      }
    }
  });
}

void AdjustRectSpeed(TDibImage& dest, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                     const SpeedTreatment& treatment) {
  if (!treatment.on) return;
  Require24(dest, "AdjustRectSpeed");
  const std::int32_t x0 = std::max(left, 0);
  const std::int32_t y0 = std::max(top, 0);
  const std::int32_t x1 = std::min<std::int64_t>(std::int64_t{left} + width, dest.Width());
  const std::int32_t y1 = std::min<std::int64_t>(std::int64_t{top} + height, dest.Height());
  if (x0 >= x1 || y0 >= y1) return;
  dest.MakeUnique();
  ParallelRanges(y1 - y0, RowsPerPart(x1 - x0), [&](std::int32_t begin, std::int32_t end) {
    for (std::int32_t y = y0 + begin; y < y0 + end; ++y) {
      std::uint8_t* p = dest.RowUnchecked(y) + static_cast<std::size_t>(x0) * 3;
      for (std::int32_t x = x0; x < x1; ++x, p += 3) SpeedPixel(p, p, treatment);
    }
  });
}

namespace {

// Shown row y as B, G, R bytes: the photo's own row when it is not turned,
// else gathered into buffer.
const std::uint8_t* ShownRow(const ShownPhoto& shown, std::int32_t y, std::vector<std::uint8_t>& buffer) {
  const TDibImage& photo = *shown.photo;
  const std::int32_t w = photo.Width();
  const std::int32_t h = photo.Height();
  if (shown.rotation == 0) return photo.RowUnchecked(y);
  const std::int32_t width = shown.Width();
  buffer.resize(static_cast<std::size_t>(width) * 3);
  std::uint8_t* out = buffer.data();
  for (std::int32_t x = 0; x < width; ++x, out += 3) {
    const std::uint8_t* p = nullptr;
    switch (shown.rotation) {
      case 1:
        p = photo.RowUnchecked(h - 1 - x) + static_cast<std::size_t>(y) * 3;
        break;
      case 2:
        p = photo.RowUnchecked(h - 1 - y) + static_cast<std::size_t>(w - 1 - x) * 3;
        break;
      default:  // -1
        p = photo.RowUnchecked(x) + static_cast<std::size_t>(w - 1 - y) * 3;
        break;
    }
    out[0] = p[0];
    out[1] = p[1];
    out[2] = p[2];
  }
  return buffer.data();
}

}  // namespace

void DiagonalDouble(const ShownPhoto& shown, const QualityTreatment& treatment, TDibImage& dest) {
  Require24(*shown.photo, "DiagonalDouble");
  const std::int32_t sw = shown.Width();
  const std::int32_t sh = shown.Height();
  SizeImage24(dest, sw * 2, sh * 2);
  dest.MakeUnique();
  ParallelRanges(sh, RowsPerPart(sw * 4, std::int64_t{1} << 19), [&](std::int32_t begin, std::int32_t end) {
    std::vector<std::uint8_t> above_buffer, row_buffer, below_buffer;
    for (std::int32_t o = begin; o < end; ++o) {
      const std::uint8_t* rows[3] = {ShownRow(shown, std::max(o - 1, 0), above_buffer),
                                     ShownRow(shown, o, row_buffer),
                                     ShownRow(shown, std::min(o + 1, sh - 1), below_buffer)};
      for (std::int32_t b = 0; b < 2; ++b) {
        const std::uint8_t* mid = rows[1];
        const std::uint8_t* side = rows[b == 0 ? 0 : 2];
        std::uint8_t* out = dest.RowUnchecked(2 * o + b);
        for (std::int32_t u = 0; u < sw; ++u) {
          const std::uint8_t* p = mid + static_cast<std::size_t>(u) * 3;
          for (std::int32_t a = 0; a < 2; ++a, out += 3) {
            const std::int32_t nu = a == 0 ? std::max(u - 1, 0) : std::min(u + 1, sw - 1);
            const std::uint8_t* n = side + static_cast<std::size_t>(nu) * 3;
            const Rgb mean{(p[2] + n[2]) >> 1, (p[1] + n[1]) >> 1, (p[0] + n[0]) >> 1};
            if (!treatment.on) {
              Store(out, mean);
              continue;
            }
            const bool both_black = p[0] == 0 && p[1] == 0 && p[2] == 0 && n[0] == 0 && n[1] == 0 && n[2] == 0;
            Store(out, both_black ? Rgb{} : Treat(mean, treatment));
          }
        }
      }
    }
  });
}

}  // namespace lumetta
