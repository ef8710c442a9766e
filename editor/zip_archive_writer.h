// ZipArchiveWriter: writes a flat zip archive (deflate, no password) entry by entry. The archive is built
// in memory, written at once into a new file of the program's own beside the chosen path and only renamed
// over it when Close succeeds, so a failed export never leaves a broken archive behind nor destroys a file
// that was there before.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace Talvo {

class ZipArchiveWriter {
 public:
  ZipArchiveWriter();
  ~ZipArchiveWriter();
  ZipArchiveWriter(const ZipArchiveWriter&) = delete;
  ZipArchiveWriter& operator=(const ZipArchiveWriter&) = delete;

  // Starts a new archive that will become `path`. False when the temporary file cannot be created.
  bool Create(const std::filesystem::path& path);
  // Adds one entry with these bytes (at most 1 GiB); the name is stored as UTF-8. False on a failure (the
  // archive is then abandoned).
  bool AddEntry(const std::wstring& name, std::string_view bytes);
  // An entry filled from a file.
  struct FileEntry {
    std::wstring name;
    std::filesystem::path file;
  };
  // Adds one entry per file, in order, reading the next files while the current one is compressed. False
  // when a file cannot be read or written (the archive is then abandoned).
  bool AddFiles(const std::vector<FileEntry>& files);
  // Writes the central directory and moves the archive to its path. False on any failure; the
  // temporary file is removed then.
  bool Close();

  // The archive's bytes while it is built, and where minizip writes next.
  struct ArchiveInMemory {
    std::string bytes;
    std::size_t position = 0;
  };

 private:
  struct Entries;

  bool AddEntry(const std::wstring& name, std::string_view bytes, std::uint32_t crc32);
  void Abandon();
  void RemoveTemporary();

  void* zip_ = nullptr;  // minizip's zipFile
  std::unique_ptr<ArchiveInMemory> archive_;
  std::unique_ptr<Entries> entries_;
  std::filesystem::path path_;
  std::filesystem::path temporary_;
  std::FILE* temporaryFile_ = nullptr;  // open from Create until the archive is written
};

}  // namespace Talvo
