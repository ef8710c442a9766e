// Document ids and creation stamps.
#pragma once

#include <functional>
#include <string>

namespace Talvo {

// The id default documents carry until they are given a real one.
inline constexpr const wchar_t* kDefaultDocumentId = L"000000";

// The `time` stamp of a document: current time in seconds followed directly by a high-resolution counter.
std::wstring MakeUniqueId();

// A new document id: 32 lower-case hexadecimal digits, the MD5 digest of "<random> <number>" where the
// random value comes from a generator seeded once from the system's random source. Draws again while
// `isTaken` answers true for the id.
std::wstring NewDocumentId(int number, const std::function<bool(const std::wstring&)>& isTaken = {});

// True for 32 lower-case hexadecimal digits.
bool IsDocumentId(const std::wstring& text);

}  // namespace Talvo
