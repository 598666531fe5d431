#include "platform/media/TFluidSynthLibrary.h"

#include <dlfcn.h>

#include <memory>

namespace peglore {

namespace {

// FluidSynth 2 keeps its interface under this file name.
static_assert(FLUIDSYNTH_VERSION_MAJOR == 2, "FluidSynth 2 is the library named below");
constexpr const char* LibraryName = "libfluidsynth.so.3";

template <typename TFunction>
bool Resolve(void* library, const char* name, TFunction& function)
{
    function = reinterpret_cast<TFunction>(dlsym(library, name));
    return function != nullptr;
}

std::unique_ptr<TFluidSynthLibrary> Load()
{
    // Every symbol bound now, on the loading thread, rather than lazily in
    // the audio thread.
    void* library = dlopen(LibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return nullptr;
    auto functions = std::make_unique<TFluidSynthLibrary>();
    bool complete = true;
#define PEGLORE_FLUIDSYNTH_RESOLVE(name) complete = Resolve(library, #name, functions->name) && complete;
    PEGLORE_FLUIDSYNTH_FUNCTIONS(PEGLORE_FLUIDSYNTH_RESOLVE)
#undef PEGLORE_FLUIDSYNTH_RESOLVE
    // Looked up among FluidSynth's own dependencies.
    Resolve(library, "snd_lib_error_set_handler", functions->snd_lib_error_set_handler);
    // The library stays loaded even when incomplete; see Get.
    return complete ? std::move(functions) : nullptr;
}

}  // namespace

const TFluidSynthLibrary* TFluidSynthLibrary::Get()
{
    static const std::unique_ptr<TFluidSynthLibrary> library = Load();
    return library.get();
}

}  // namespace peglore
