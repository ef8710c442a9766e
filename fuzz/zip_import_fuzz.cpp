// Feeds arbitrary bytes to the profile zip import as an archive file and walks the documents it prepares.
// The mutator mostly changes one entry of the archive and packs it again, so that the checksums hold and
// the import gets past the archive to the documents; one mutation in four changes the raw bytes.
#include <sys/mman.h>
#include <unistd.h>

#include <host/simulation.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "editor/profile_zip_import.h"
#include "fuzz/document_walk.h"
#include "fuzz/zip_entries.h"
#include "model/xml_custom_scripts.h"
#include "model/xml_function.h"
#include "model/xml_profile.h"

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace {

using namespace Talvo;

// The archive file the import reads: a memory file, rewritten for every input.
int archiveFile = -1;
std::string archivePath;

bool WriteArchive(const uint8_t* data, size_t size) {
  if (ftruncate(archiveFile, 0) != 0) return false;
  size_t written = 0;
  while (written < size) {
    const ssize_t n = pwrite(archiveFile, data + written, size - written, static_cast<off_t>(written));
    if (n <= 0) return false;
    written += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  archiveFile = memfd_create("archive.zip", 0);
  if (archiveFile < 0) std::abort();
  archivePath = "/proc/self/fd/" + std::to_string(archiveFile);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (!WriteArchive(data, size)) std::abort();
  ProfileArchive archive;
  std::wstring error;
  if (ReadProfileArchive(archivePath, archive, error)) {
    if (archive.profile) WalkProfile(*archive.profile);
    if (archive.scripts) WalkScripts(*archive.scripts);
    for (auto& function : archive.functions) WalkFunction(*function);
  }
  hostsim::ClearDebugLog();  // the import logs every entry; the log would grow for the whole run
  return 0;
}

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned int seed) {
  std::minstd_rand random(seed);
  std::vector<fuzzing::PackedEntry> entries;
  if (random() % 4 == 0 || !fuzzing::UnpackEntries(data, size, entries)) return LLVMFuzzerMutate(data, size, maxSize);
  fuzzing::PackedEntry& entry = entries[random() % entries.size()];
  std::string& part = random() % 8 == 0 ? entry.name : entry.bytes;
  if (part.empty()) part = "<";
  const size_t used = part.size();
  part.resize(used + std::max<size_t>(used / 8, 64));
  part.resize(LLVMFuzzerMutate(reinterpret_cast<uint8_t*>(part.data()), used, part.size()));
  const std::string packed = fuzzing::PackEntries(entries);
  if (packed.size() > maxSize) return LLVMFuzzerMutate(data, size, maxSize);
  std::memcpy(data, packed.data(), packed.size());
  return packed.size();
}
