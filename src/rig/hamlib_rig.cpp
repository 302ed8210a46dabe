#include "rig/hamlib_rig.hpp"

#include <hamlib/rig.h>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace loxar {

namespace {

// Hamlib writes its own chatter to stderr unless told not to; once for the whole process.
void quiet_hamlib() {
    static std::once_flag once;
    std::call_once(once, [] {
        rig_set_debug(RIG_DEBUG_NONE);
        rig_load_all_backends();
    });
}

Failure failed(const char8_t* what, int code) {
    return fail(hu(what) + input_to_cp1250(trim(rigerror2(code))));
}

// A setting by its Hamlib name; unknown names are skipped (not every back end has them all).
void set_conf(RIG* rig, const char* name, const Text& value) {
    const token_t token = rig_token_lookup(rig, name);
    if (token != RIG_CONF_END) rig_set_conf(rig, token, value.c_str());
}

int collect_model(const rig_caps* caps, rig_ptr_t data) {
    auto* out = static_cast<std::vector<RigModel>*>(data);
    out->push_back({static_cast<int>(caps->rig_model), input_to_cp1250(caps->mfg_name ? caps->mfg_name : ""),
                    input_to_cp1250(caps->model_name ? caps->model_name : "")});
    return 1;  // go on
}

}  // namespace

struct HamlibRig::Handle {
    RIG* rig = nullptr;
    ~Handle() {
        if (!rig) return;
        rig_close(rig);
        rig_cleanup(rig);
    }
};

std::vector<RigModel> hamlib_models() {
    quiet_hamlib();
    std::vector<RigModel> models;
    rig_list_foreach(collect_model, &models);
    std::sort(models.begin(), models.end(), [](const RigModel& a, const RigModel& b) {
        return a.maker != b.maker ? a.maker < b.maker
               : a.name != b.name ? a.name < b.name
                                  : a.model < b.model;
    });
    return models;
}

Result<std::unique_ptr<HamlibRig>> HamlibRig::open(const RigAddress& address) {
    quiet_hamlib();
    const bool network = address.kind == RigAddress::Kind::Rigctld;
    const rig_model_t model = network ? RIG_MODEL_NETRIGCTL : static_cast<rig_model_t>(address.model);
    auto h = std::make_unique<Handle>();
    h->rig = rig_init(model);
    if (!h->rig) return fail(hu(u8"Ismeretlen rádió típus: ") + std::to_string(address.model));
    set_conf(h->rig, "rig_pathname", network ? address.host_port : address.device);
    if (!network && address.speed > 0) set_conf(h->rig, "serial_speed", std::to_string(address.speed));
    // A radio that is off must not hold the worker for long: it is asked again at the next poll.
    set_conf(h->rig, "timeout", "1000");
    set_conf(h->rig, "retry", "0");
    if (const int code = rig_open(h->rig); code != RIG_OK) {
        rig_cleanup(h->rig);
        h->rig = nullptr;
        return fail(hu(u8"A rádió nem érhető el (") + (network ? address.host_port : address.device) +
                    "): " + input_to_cp1250(trim(rigerror2(code))));
    }
    // Hamlib answers from a cache of half a second by default: the log would follow the dial late.
    rig_set_cache_timeout_ms(h->rig, HAMLIB_CACHE_ALL, 0);
    return std::unique_ptr<HamlibRig>(new HamlibRig(std::move(h)));
}

HamlibRig::HamlibRig(std::unique_ptr<Handle> h) : h_(std::move(h)) {}
HamlibRig::~HamlibRig() = default;

Result<RigReading> HamlibRig::read() {
    freq_t hz = 0;
    if (const int code = rig_get_freq(h_->rig, RIG_VFO_CURR, &hz); code != RIG_OK) {
        return failed(u8"A rádió nem válaszol: ", code);
    }
    rmode_t mode = RIG_MODE_NONE;
    pbwidth_t width = 0;
    if (const int code = rig_get_mode(h_->rig, RIG_VFO_CURR, &mode, &width); code != RIG_OK) {
        return failed(u8"A rádió nem válaszol: ", code);
    }
    return RigReading{std::llround(hz), rig_strrmode(mode)};
}

Status HamlibRig::tune(long long hz) {
    if (const int code = rig_set_freq(h_->rig, RIG_VFO_CURR, static_cast<freq_t>(hz)); code != RIG_OK) {
        return failed(u8"A rádió nem hangolható: ", code);
    }
    return {};
}

Status HamlibRig::set_ptt(bool on_air) {
    if (const int code = rig_set_ptt(h_->rig, RIG_VFO_CURR, on_air ? RIG_PTT_ON : RIG_PTT_OFF);
        code != RIG_OK) {
        return failed(u8"A rádió adás-vétel kapcsolása nem sikerült: ", code);
    }
    return {};
}

Status HamlibRig::send_morse(const Text& text, int wpm) {
    value_t speed{};
    speed.i = wpm;
    (void)rig_set_level(h_->rig, RIG_VFO_CURR, RIG_LEVEL_KEYSPD,
                        speed);  // a keyer without it keys at its own
    if (const int code = rig_send_morse(h_->rig, RIG_VFO_CURR, text.c_str()); code != RIG_OK) {
        return failed(u8"A rádió nem tud CW-t adni: ", code);
    }
    return {};
}

Status HamlibRig::stop_morse() {
    if (const int code = rig_stop_morse(h_->rig, RIG_VFO_CURR); code != RIG_OK) {
        return failed(u8"A rádió nem tud CW-t adni: ", code);
    }
    return {};
}

}  // namespace loxar
