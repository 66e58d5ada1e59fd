#include "midi/synth/FluidSynthLibrary.h"

#include <dlfcn.h>

#include <atomic>
#include <cstdlib>
#include <map>
#include <mutex>
#include <utility>

namespace kelmar {

namespace {

static_assert(FLUIDSYNTH_VERSION_MAJOR == 2 && FLUIDSYNTH_VERSION_MINOR >= 2, "libfluidsynth.so.3 is FluidSynth 2.2 on");
constexpr const char* FluidSynthLibraryName = "libfluidsynth.so.3";

// The FluidSynth in use, set by the first library that loads.
std::atomic<const FluidSynthLibrary*> libraryInUse{nullptr};

} // namespace

const std::string& FluidSynthLibrary::defaultFile()
{
    static const std::string file = [] {
        const char* named = std::getenv("KELMAR_FLUIDSYNTH_LIBRARY");
        return std::string(named && *named ? named : FluidSynthLibraryName);
    }();
    return file;
}

const FluidSynthLibrary& FluidSynthLibrary::load(const std::string& file)
{
    static std::mutex mutex;
    static std::map<std::string, FluidSynthLibrary> libraries; // nodes never move
    const std::lock_guard lock(mutex);
    auto [entry, added] = libraries.try_emplace(file);
    FluidSynthLibrary& library = entry->second;
    if (!added)
        return library;
    library.open(file);
    const FluidSynthLibrary* inUse = libraryInUse.load(std::memory_order_acquire);
    if (library.isLoaded() && !inUse)
        libraryInUse.store(&library, std::memory_order_release);
    else if (library.isLoaded() && inUse->handle_ != library.handle_)
        library.refuse("another FluidSynth library is already in use");
    return library;
}

const FluidSynthLibrary& FluidSynthLibrary::inUse() { return *libraryInUse.load(std::memory_order_acquire); }

void* FluidSynthLibrary::symbol(const char* name) const { return dlsym(handle_, name); }

void FluidSynthLibrary::open(const std::string& file)
{
    // Lazy binding, as when linked: only the functions used get resolved.
    void* handle = dlopen(file.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (!handle) {
        const char* why = dlerror();
        error_ = why ? why : file + " did not load";
        return;
    }
    handle_ = handle;
#define KELMAR_LOOK_UP(name)                                          \
    name = reinterpret_cast<decltype(name)>(dlsym(handle, #name));    \
    if (!name) {                                                      \
        refuse(file + " is not FluidSynth 2: it lacks " #name);       \
        return;                                                       \
    }
    KELMAR_FLUIDSYNTH_FUNCTIONS(KELMAR_LOOK_UP)
#undef KELMAR_LOOK_UP
}

// Closes the library and forgets its functions.
void FluidSynthLibrary::refuse(std::string why)
{
    dlclose(handle_);
    *this = {};
    error_ = std::move(why);
}

} // namespace kelmar
