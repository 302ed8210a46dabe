#include "station/rig_follow.hpp"

#include "model/bands.hpp"

namespace loxar {

int rig_band(long long hz) {
    return hz > 0 ? band_index_for_khz(static_cast<double>(hz) / 1000.0) : 0;
}

Text rig_frequency_field(long long hz) {
    const long long khz = hz / 1000;
    if (khz <= 0 || khz >= 100'000) return "00.000";
    const Text digits = zero_pad(khz, 5);
    return digits.substr(0, 2) + "." + digits.substr(2);
}

std::optional<Text> rig_log_mode(std::string_view hamlib_mode) {
    if (hamlib_mode == "CW" || hamlib_mode == "CWR") return Text("CW");
    if (hamlib_mode == "USB" || hamlib_mode == "LSB") return Text("SSB");
    if (hamlib_mode == "FM" || hamlib_mode == "WFM") return Text("FM");
    return std::nullopt;
}

}  // namespace loxar
