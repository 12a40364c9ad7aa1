#include "tray/alert_sound.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace orvane::tray {
namespace {

void put16(std::string& out, std::uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}

void put32(std::string& out, std::uint32_t v) {
  put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
  put16(out, static_cast<std::uint16_t>(v >> 16));
}

// A short two-tone chime that fades out; the first and last samples are
// silent so the sound starts and ends without a click.
std::string make_alert_sound() {
  constexpr std::uint32_t kDataBytes = kAlertSamples * 2;
  std::string wave;
  wave.reserve(44 + kDataBytes);
  wave += "RIFF";
  put32(wave, 36 + kDataBytes);
  wave += "WAVEfmt ";
  put32(wave, 16);
  put16(wave, 1);  // PCM
  put16(wave, 1);  // mono
  put32(wave, kAlertSampleRate);
  put32(wave, kAlertSampleRate * 2);  // bytes per second
  put16(wave, 2);                     // bytes per sample frame
  put16(wave, 16);                    // bits per sample
  wave += "data";
  put32(wave, kDataBytes);
  constexpr double kPi = 3.14159265358979323846;
  for (int i = 0; i < kAlertSamples; ++i) {
    const double t = static_cast<double>(i) / kAlertSampleRate;
    const double attack = std::fmin(1.0, i / 60.0);
    const double release = std::fmin(1.0, (kAlertSamples - 1 - i) / 200.0);
    const double envelope = attack * release * std::exp(-t * 25.0);
    const double s = 0.6 * std::sin(2 * kPi * 1318.5 * t) + 0.3 * std::sin(2 * kPi * 2637.0 * t);
    put16(wave, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(s * envelope * 32767.0))));
  }
  return wave;
}

}  // namespace

std::string_view alert_sound() {
  static const std::string wave = make_alert_sound();
  return wave;
}

}  // namespace orvane::tray
