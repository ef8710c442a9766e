// MD5 digests (through libmd) for document ids.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace Talvo {

class MD5 {
 public:
  MD5();
  ~MD5();
  MD5(const MD5&) = delete;
  MD5& operator=(const MD5&) = delete;

  void Update(const void* bytes, size_t length);
  // The digest of everything passed to Update as 32 lower-case hexadecimal digits. Ends the digest:
  // the object starts over afterwards.
  std::string HexDigest();

 private:
  struct Context;
  std::unique_ptr<Context> context_;
};

}  // namespace Talvo
