#include "model/md5.h"

#include <sys/types.h>

#include <md5.h>

namespace Talvo {

struct MD5::Context {
  MD5_CTX state;
};

MD5::MD5() : context_(std::make_unique<Context>()) { MD5Init(&context_->state); }

MD5::~MD5() = default;

void MD5::Update(const void* bytes, size_t length) {
  MD5Update(&context_->state, static_cast<const uint8_t*>(bytes), length);
}

std::string MD5::HexDigest() {
  char digest[MD5_DIGEST_STRING_LENGTH];
  MD5End(&context_->state, digest);
  MD5Init(&context_->state);
  return digest;
}

}  // namespace Talvo
