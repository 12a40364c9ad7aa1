// The alert sound: a short RIFF WAVE file (PCM, mono, 22050 Hz, 16 bits)
// built once and kept for the whole run, so it can be played from memory.
#pragma once

#include <string_view>

namespace orvane::tray {

inline constexpr int kAlertSampleRate = 22050;
inline constexpr int kAlertSamples = 1862;  // about 0.084 s

std::string_view alert_sound();

}  // namespace orvane::tray
