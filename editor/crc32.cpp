#include "editor/crc32.h"

#include <zlib.h>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace Talvo {

namespace {

std::uint32_t ZlibCrc32(std::uint32_t crc, const char* bytes, std::size_t size) {
  return static_cast<std::uint32_t>(crc32_z(crc, reinterpret_cast<const Bytef*>(bytes), size));
}

#if defined(__x86_64__)

__attribute__((target("pclmul,sse4.1"))) inline __m128i Load(const char* at) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
}

// One 128-bit fold: `x` times the two constants (low and high halves apart), added to the next block.
__attribute__((target("pclmul,sse4.1"))) inline __m128i Fold(__m128i x, __m128i constants, __m128i next) {
  const __m128i low = _mm_clmulepi64_si128(x, constants, 0x00);
  const __m128i high = _mm_clmulepi64_si128(x, constants, 0x11);
  return _mm_xor_si128(_mm_xor_si128(low, high), next);
}

// Folds 16-byte blocks into the reflected CRC register `state` (the checksum inverted) with carry-less
// multiplications: four blocks at a time by x^(512+32) and x^512 mod P, then one at a time by x^(128+32) and
// x^128 mod P, then 128 to 64 to 32 bits and a Barrett reduction. `size` is at least 64 and a multiple of 16.
__attribute__((target("pclmul,sse4.1")))
std::uint32_t FoldBlocks(std::uint32_t state, const char* bytes, std::size_t size) {
  const __m128i k1k2 = _mm_set_epi64x(0x1c6e41596, 0x154442bd4);
  const __m128i k3k4 = _mm_set_epi64x(0x0ccaa009e, 0x1751997d0);
  const __m128i k5 = _mm_set_epi64x(0, 0x163cd6124);
  const __m128i poly = _mm_set_epi64x(0x1f7011641, 0x1db710641);  // u' (high) and P' (low)
  const __m128i low32 = _mm_set_epi32(0, 0, 0, -1);

  __m128i x1 = _mm_xor_si128(Load(bytes), _mm_cvtsi32_si128(static_cast<int>(state)));
  __m128i x2 = Load(bytes + 16);
  __m128i x3 = Load(bytes + 32);
  __m128i x4 = Load(bytes + 48);
  std::size_t at = 64;
  for (; size - at >= 64; at += 64) {
    x1 = Fold(x1, k1k2, Load(bytes + at));
    x2 = Fold(x2, k1k2, Load(bytes + at + 16));
    x3 = Fold(x3, k1k2, Load(bytes + at + 32));
    x4 = Fold(x4, k1k2, Load(bytes + at + 48));
  }
  x1 = Fold(x1, k3k4, x2);
  x1 = Fold(x1, k3k4, x3);
  x1 = Fold(x1, k3k4, x4);
  for (; at < size; at += 16) x1 = Fold(x1, k3k4, Load(bytes + at));

  // 128 to 64 bits (appending 32 zero bits), 64 to 32 bits, then the reduction.
  x1 = _mm_xor_si128(_mm_srli_si128(x1, 8), _mm_clmulepi64_si128(k3k4, x1, 0x01));
  x1 = _mm_xor_si128(_mm_srli_si128(x1, 4), _mm_clmulepi64_si128(_mm_and_si128(x1, low32), k5, 0x00));
  __m128i reduced = _mm_clmulepi64_si128(_mm_and_si128(x1, low32), poly, 0x10);
  reduced = _mm_clmulepi64_si128(_mm_and_si128(reduced, low32), poly, 0x00);
  return static_cast<std::uint32_t>(_mm_extract_epi32(_mm_xor_si128(x1, reduced), 1));
}

bool CanFold() {
  static const bool can = __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");
  return can;
}

#endif

}  // namespace

std::uint32_t Crc32(std::uint32_t crc, std::string_view bytes) {
#if defined(__x86_64__)
  if (bytes.size() >= 64 && CanFold()) {
    const std::size_t blocks = bytes.size() & ~std::size_t{15};
    crc = ~FoldBlocks(~crc, bytes.data(), blocks);
    bytes.remove_prefix(blocks);
  }
#endif
  return ZlibCrc32(crc, bytes.data(), bytes.size());
}

}  // namespace Talvo
