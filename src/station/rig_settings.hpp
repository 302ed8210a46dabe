// How Loxar reaches the radio, where its CW goes and what keys the transmitter for voice: the
// "Rig" tab's settings, kept in SYSTEM as a key=value file of our own.
#pragma once

#include <string_view>

#include "text/text.hpp"

namespace loxar {

inline constexpr const char* kRigSettingsFile = "radio.txt";

// No radio, a Hamlib model on a serial device, or a rigctld on the network.
enum class RigLink { None, Serial, Rigctld };
// Where the CW messages and F-keys are sent: the keying box, cwdaemon, or the radio's keyer.
enum class CwOutput { KeyingBox, Cwdaemon, RigKeyer };
// What keys the transmitter while a voice message plays: the keying box, or the radio (CAT PTT).
enum class VoicePtt { KeyingBox, Rig };

inline constexpr int kRigPollMinMs = 100;
inline constexpr int kRigPollMaxMs = 5000;

struct RigSettings {
    RigLink link = RigLink::None;
    int model = 1;  // Hamlib's model number (1: its dummy radio)
    Text device;    // serial device of the radio
    int speed = 0;  // baud; 0 keeps the model's own
    Text rigctld = "localhost:4532";
    int poll_ms = 300;
    CwOutput cw = CwOutput::KeyingBox;
    Text cwdaemon = "localhost:6789";
    VoicePtt ptt = VoicePtt::KeyingBox;

    bool operator==(const RigSettings&) const = default;
};

// The settings a file holds. A key it does not know, a line without "=", a value out of range or
// of the wrong kind leaves that setting at its default: a damaged file never stops the start.
RigSettings parse_rig_settings(std::string_view bytes);
// The file's bytes: one "key=value" line each, CR LF.
Text rig_settings_text(const RigSettings& settings);

}  // namespace loxar
