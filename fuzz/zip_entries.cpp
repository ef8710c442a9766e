#include "fuzz/zip_entries.h"

#include <zlib.h>

namespace Talvo::fuzzing {

namespace {

constexpr std::uint32_t kLocalHeader = 0x04034b50;
constexpr std::uint32_t kDirectoryHeader = 0x02014b50;
constexpr std::uint32_t kDirectoryEnd = 0x06054b50;
constexpr std::uint16_t kUtf8Names = 1u << 11;
constexpr std::uint16_t kDataDescriptor = 1u << 3;

std::uint32_t Read(const std::uint8_t* at, int bytes) {
  std::uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | at[i];
  return value;
}

void Write(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool Inflate(const std::uint8_t* data, std::size_t size, std::size_t limit, std::string& out) {
  z_stream stream{};
  if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return false;
  out.resize(limit);
  stream.next_in = const_cast<Bytef*>(data);
  stream.avail_in = static_cast<uInt>(size);
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(limit);
  const int result = inflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  inflateEnd(&stream);
  return result == Z_STREAM_END;
}

}  // namespace

bool UnpackEntries(const std::uint8_t* data, std::size_t size, std::vector<PackedEntry>& entries,
                   std::size_t maxEntrySize) {
  std::size_t at = 0;
  while (at + 30 <= size && Read(data + at, 4) == kLocalHeader) {
    const std::uint16_t flags = static_cast<std::uint16_t>(Read(data + at + 6, 2));
    const std::uint32_t method = Read(data + at + 8, 2);
    const std::size_t packed = Read(data + at + 18, 4);
    const std::size_t nameLength = Read(data + at + 26, 2);
    const std::size_t extraLength = Read(data + at + 28, 2);
    const std::size_t start = at + 30 + nameLength + extraLength;
    if ((flags & kDataDescriptor) != 0 || start > size || packed > size - start) return false;
    PackedEntry entry{std::string(reinterpret_cast<const char*>(data + at + 30), nameLength), {}};
    if (method == 0 && packed <= maxEntrySize) {
      entry.bytes.assign(reinterpret_cast<const char*>(data + start), packed);
    } else if (method != Z_DEFLATED || !Inflate(data + start, packed, maxEntrySize, entry.bytes)) {
      return false;
    }
    entries.push_back(std::move(entry));
    at = start + packed;
  }
  return !entries.empty();
}

std::string PackEntries(const std::vector<PackedEntry>& entries) {
  std::string archive;
  std::string directory;
  for (const PackedEntry& entry : entries) {
    const std::uint32_t offset = static_cast<std::uint32_t>(archive.size());
    const std::uint32_t crc = static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(entry.bytes.data()), static_cast<uInt>(entry.bytes.size())));
    const std::uint32_t size = static_cast<std::uint32_t>(entry.bytes.size());
    const std::uint32_t nameLength = static_cast<std::uint32_t>(entry.name.size());
    // Local header: version, flags, method 0, time, date, checksum, sizes, name length, no extra field.
    Write(archive, kLocalHeader, 4);
    Write(archive, 20, 2);
    Write(archive, kUtf8Names, 2);
    Write(archive, 0, 2);
    Write(archive, 0, 4);
    Write(archive, crc, 4);
    Write(archive, size, 4);
    Write(archive, size, 4);
    Write(archive, nameLength, 2);
    Write(archive, 0, 2);
    archive += entry.name;
    archive += entry.bytes;
    // Directory record: the same fields, then comment, disk, attributes and the local header's offset.
    Write(directory, kDirectoryHeader, 4);
    Write(directory, 20, 2);
    Write(directory, 20, 2);
    Write(directory, kUtf8Names, 2);
    Write(directory, 0, 2);
    Write(directory, 0, 4);
    Write(directory, crc, 4);
    Write(directory, size, 4);
    Write(directory, size, 4);
    Write(directory, nameLength, 2);
    Write(directory, 0, 2);
    Write(directory, 0, 2);
    Write(directory, 0, 2);
    Write(directory, 0, 2);
    Write(directory, 0, 4);
    Write(directory, offset, 4);
    directory += entry.name;
  }
  const std::uint32_t directoryOffset = static_cast<std::uint32_t>(archive.size());
  archive += directory;
  Write(archive, kDirectoryEnd, 4);
  Write(archive, 0, 4);  // this disk, the directory's disk
  Write(archive, static_cast<std::uint32_t>(entries.size()), 2);
  Write(archive, static_cast<std::uint32_t>(entries.size()), 2);
  Write(archive, static_cast<std::uint32_t>(directory.size()), 4);
  Write(archive, directoryOffset, 4);
  Write(archive, 0, 2);  // no comment
  return archive;
}

}  // namespace Talvo::fuzzing
