// AES-256-ECB through CNG (BCrypt).
#include <windows.h>
// after windows.h
#include <bcrypt.h>

#include <vector>

#include "platform/aes256.h"

namespace orvane::crypto {
namespace {

// One owner per CNG handle kind.
class Algorithm {
 public:
  Algorithm() {
    if (!BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&h_, BCRYPT_AES_ALGORITHM, nullptr, 0))) h_ = nullptr;
  }
  ~Algorithm() {
    if (h_) BCryptCloseAlgorithmProvider(h_, 0);
  }
  Algorithm(const Algorithm&) = delete;
  Algorithm& operator=(const Algorithm&) = delete;
  BCRYPT_ALG_HANDLE get() const { return h_; }

 private:
  BCRYPT_ALG_HANDLE h_ = nullptr;
};

class Key {
 public:
  Key(BCRYPT_ALG_HANDLE alg, std::string_view secret) {
    auto* bytes = reinterpret_cast<PUCHAR>(const_cast<char*>(secret.data()));
    if (!BCRYPT_SUCCESS(
            BCryptGenerateSymmetricKey(alg, &h_, nullptr, 0, bytes, static_cast<ULONG>(secret.size()), 0)))
      h_ = nullptr;
  }
  ~Key() {
    if (h_) BCryptDestroyKey(h_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  BCRYPT_KEY_HANDLE get() const { return h_; }

 private:
  BCRYPT_KEY_HANDLE h_ = nullptr;
};

std::optional<std::string> run(std::string_view secret, std::string_view input, bool encrypt) {
  if (secret.size() != kAes256Key || input.size() % kAesBlock != 0 || input.size() > 0x7FFFFFF0u)
    return std::nullopt;
  if (input.empty()) return std::string();
  const Algorithm alg;
  if (!alg.get()) return std::nullopt;
  static const wchar_t kEcb[] = BCRYPT_CHAIN_MODE_ECB;
  if (!BCRYPT_SUCCESS(BCryptSetProperty(alg.get(), BCRYPT_CHAINING_MODE,
                                        reinterpret_cast<PUCHAR>(const_cast<wchar_t*>(kEcb)), sizeof(kEcb),
                                        0)))
    return std::nullopt;
  const Key key(alg.get(), secret);
  if (!key.get()) return std::nullopt;
  std::vector<UCHAR> in(input.begin(), input.end());
  std::string out(input.size(), '\0');
  ULONG done = 0;
  const auto size = static_cast<ULONG>(in.size());
  auto* o = reinterpret_cast<PUCHAR>(out.data());
  const NTSTATUS status =
      encrypt ? BCryptEncrypt(key.get(), in.data(), size, nullptr, nullptr, 0, o, size, &done, 0)
              : BCryptDecrypt(key.get(), in.data(), size, nullptr, nullptr, 0, o, size, &done, 0);
  if (!BCRYPT_SUCCESS(status) || done != size) return std::nullopt;
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
