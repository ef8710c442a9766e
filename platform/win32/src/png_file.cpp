#include "png_file.h"

#include <zlib.h>

#include <cstdio>
#include <memory>

namespace win32_internal {

namespace {

void PutBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

// Length, type, data and the checksum of type and data.
void PutChunk(std::string& out, const char* type, const std::string& data) {
  PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.append(type, 4);
  out += data;
  const auto* checked = reinterpret_cast<const Bytef*>(out.data() + start);
  PutBigEndian(out, static_cast<std::uint32_t>(crc32(0, checked, static_cast<uInt>(out.size() - start))));
}

// The rows, each after its filter byte (Up: every byte minus the same byte of the row above; user interface
// pictures repeat rows a lot), as one zlib stream.
bool CompressRows(const std::vector<std::uint8_t>& rgba, int width, int height, std::string& out) {
  z_stream stream{};
  if (deflateInit(&stream, Z_BEST_SPEED) != Z_OK) return false;
  const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
  std::string row(rowBytes + 1, '\0');
  row[0] = 2;  // Up
  std::string buffer(64 * 1024, '\0');
  int result = Z_OK;
  for (int y = 0; y <= height && result == Z_OK; ++y) {
    const bool last = y == height;
    if (!last) {
      const std::uint8_t* source = rgba.data() + rowBytes * static_cast<std::size_t>(y);
      for (std::size_t i = 0; i < rowBytes; ++i) {
        row[i + 1] = static_cast<char>(y == 0 ? source[i] : static_cast<std::uint8_t>(source[i] - source[i - rowBytes]));
      }
    }
    stream.next_in = reinterpret_cast<Bytef*>(last ? nullptr : row.data());
    stream.avail_in = last ? 0 : static_cast<uInt>(row.size());
    do {
      stream.next_out = reinterpret_cast<Bytef*>(buffer.data());
      stream.avail_out = static_cast<uInt>(buffer.size());
      result = deflate(&stream, last ? Z_FINISH : Z_NO_FLUSH);
      out.append(buffer.data(), buffer.size() - stream.avail_out);
    } while (stream.avail_out == 0 && (result == Z_OK || result == Z_BUF_ERROR));
    if (result == Z_BUF_ERROR) result = Z_OK;  // no progress possible: the row is taken, more input follows
  }
  deflateEnd(&stream);
  return result == Z_STREAM_END;
}

}  // namespace

bool WriteRgbaPng(const std::vector<std::uint8_t>& rgba, int width, int height, const std::string& path) {
  if (width <= 0 || height <= 0 || rgba.size() != static_cast<std::size_t>(width) * height * 4) return false;
  std::string header;
  PutBigEndian(header, static_cast<std::uint32_t>(width));
  PutBigEndian(header, static_cast<std::uint32_t>(height));
  header += std::string("\x08\x06\x00\x00\x00", 5);  // 8 bits per channel, RGBA, deflate, no interlace
  std::string pixels;
  if (!CompressRows(rgba, width, height, pixels)) return false;
  std::string file("\x89PNG\r\n\x1a\n", 8);
  PutChunk(file, "IHDR", header);
  PutChunk(file, "IDAT", pixels);
  PutChunk(file, "IEND", std::string());

  std::unique_ptr<std::FILE, int (*)(std::FILE*)> stream(std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!stream) return false;
  const bool written = std::fwrite(file.data(), 1, file.size(), stream.get()) == file.size();
  return std::fclose(stream.release()) == 0 && written;
}

}  // namespace win32_internal
