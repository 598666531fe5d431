#pragma once

#include <fluidsynth.h>

namespace peglore {

// The FluidSynth functions the player uses, taken from the library when it
// is first needed instead of linking it: FluidSynth brings some forty
// libraries of its own (sound servers, codecs, SDL), which a program linked
// with it loads, relocates and holds before its first window shows, music
// or not. The members keep the C names of the functions they point to.
struct TFluidSynthLibrary {
// clang-format off
#define PEGLORE_FLUIDSYNTH_FUNCTIONS(X) \
    X(new_fluid_settings)             \
    X(delete_fluid_settings)          \
    X(fluid_settings_setnum)          \
    X(fluid_settings_getnum)          \
    X(fluid_settings_setint)          \
    X(fluid_settings_setstr)          \
    X(fluid_settings_dupstr)          \
    X(fluid_free)                     \
    X(fluid_set_log_function)         \
    X(fluid_is_soundfont)             \
    X(new_fluid_synth)                \
    X(delete_fluid_synth)             \
    X(fluid_synth_sfload)             \
    X(new_fluid_defsfloader)          \
    X(fluid_sfloader_set_callbacks)   \
    X(fluid_synth_add_sfloader)       \
    X(fluid_synth_get_sfont)          \
    X(fluid_sfont_iteration_start)    \
    X(fluid_sfont_iteration_next)     \
    X(fluid_synth_get_program)        \
    X(fluid_synth_get_channel_preset) \
    X(fluid_preset_get_banknum)       \
    X(fluid_preset_get_num)           \
    X(fluid_synth_pin_preset)         \
    X(fluid_synth_unset_program)      \
    X(fluid_synth_noteon)             \
    X(fluid_synth_noteoff)            \
    X(fluid_synth_key_pressure)       \
    X(fluid_synth_cc)                 \
    X(fluid_synth_program_change)     \
    X(fluid_synth_channel_pressure)   \
    X(fluid_synth_pitch_bend)         \
    X(fluid_synth_all_notes_off)      \
    X(fluid_synth_all_sounds_off)     \
    X(fluid_synth_process)            \
    X(new_fluid_audio_driver2)        \
    X(delete_fluid_audio_driver)
// clang-format on
#define PEGLORE_FLUIDSYNTH_POINTER(name) decltype(&::name) name = nullptr;
    PEGLORE_FLUIDSYNTH_FUNCTIONS(PEGLORE_FLUIDSYNTH_POINTER)
#undef PEGLORE_FLUIDSYNTH_POINTER

    // ALSA's, when FluidSynth brought ALSA along; null otherwise.
    using TAlsaErrorHandler = void (*)(const char* file, int line, const char* function, int err, const char* fmt, ...);
    int (*snd_lib_error_set_handler)(TAlsaErrorHandler handler) = nullptr;

    // The library, loaded on the first call from any thread and kept to the
    // end of the process (libraries it brings register types that cannot be
    // unregistered); null when it or one of the functions is missing.
    static const TFluidSynthLibrary* Get();
};

}  // namespace peglore
