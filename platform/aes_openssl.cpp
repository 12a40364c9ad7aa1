// AES-256-ECB through OpenSSL's libcrypto (native builds and tools).
#include <openssl/evp.h>

#include <memory>

#include "platform/aes256.h"

namespace orvane::crypto {
namespace {

struct FreeCipherContext {
  void operator()(EVP_CIPHER_CTX* c) const { EVP_CIPHER_CTX_free(c); }
};

std::optional<std::string> run(std::string_view key, std::string_view input, bool encrypt) {
  if (key.size() != kAes256Key || input.size() % kAesBlock != 0) return std::nullopt;
  if (input.empty()) return std::string();
  const std::unique_ptr<EVP_CIPHER_CTX, FreeCipherContext> ctx(EVP_CIPHER_CTX_new());
  if (!ctx) return std::nullopt;
  const auto* k = reinterpret_cast<const unsigned char*>(key.data());
  if (EVP_CipherInit_ex(ctx.get(), EVP_aes_256_ecb(), nullptr, k, nullptr, encrypt ? 1 : 0) != 1)
    return std::nullopt;
  EVP_CIPHER_CTX_set_padding(ctx.get(), 0);
  std::string out(input.size(), '\0');
  auto* o = reinterpret_cast<unsigned char*>(out.data());
  std::size_t done = 0;
  // EVP lengths are ints: feed at most 1 MiB at a time.
  constexpr std::size_t kChunk = std::size_t{1} << 20;
  for (std::size_t at = 0; at < input.size(); at += kChunk) {
    const std::size_t n = std::min(kChunk, input.size() - at);
    int got = 0;
    if (EVP_CipherUpdate(ctx.get(), o + done, &got, reinterpret_cast<const unsigned char*>(input.data() + at),
                         static_cast<int>(n)) != 1)
      return std::nullopt;
    done += static_cast<std::size_t>(got);
  }
  int last = 0;
  if (EVP_CipherFinal_ex(ctx.get(), o + done, &last) != 1) return std::nullopt;
  done += static_cast<std::size_t>(last);
  if (done != input.size()) return std::nullopt;
  return out;
}

}  // namespace

std::optional<std::string> aes256_ecb_decrypt(std::string_view key, std::string_view cipher) {
  return run(key, cipher, false);
}
std::optional<std::string> aes256_ecb_encrypt(std::string_view key, std::string_view plain) {
  return run(key, plain, true);
}

}  // namespace orvane::crypto
