// A small zip codec for the zip fuzz target's mutator: it unpacks an archive's entries from their local
// headers and packs entries again as a valid archive (stored, with correct checksums and directory). A
// mutation of an entry's bytes so stays a readable archive, and the import gets to parse the document.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Talvo::fuzzing {

struct PackedEntry {
  std::string name;  // as stored, UTF-8
  std::string bytes;
};

// The entries of a flat archive of stored or deflated entries without data descriptors; false when the
// bytes are not such an archive (or an entry would unpack to more than `maxEntrySize` bytes).
bool UnpackEntries(const std::uint8_t* data, std::size_t size, std::vector<PackedEntry>& entries,
                   std::size_t maxEntrySize = 1u << 20);

// The entries as a stored archive with UTF-8 names.
std::string PackEntries(const std::vector<PackedEntry>& entries);

}  // namespace Talvo::fuzzing
