// Preloaded into the client program by the program tests: keeps Mesa's libraries in memory for the whole run.
// SDL unloads the OpenGL driver when it quits, and LeakSanitizer, which reports at exit, can then no longer
// name the driver's own leaks, so the suppressions for them would not apply.
#include <dlfcn.h>

#include <filesystem>

namespace {

void Pin(const char* library) {
    dlopen(library, RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);
}

__attribute__((constructor)) void KeepGLDriverLoaded() {
    Pin("libGLX_mesa.so.0");
    Pin("libEGL_mesa.so.0");
    // The software driver sits in the dri folder beside Mesa's GLX library.
    if (void* glx = dlopen("libGLX_mesa.so.0", RTLD_NOW | RTLD_NOLOAD)) {
        Dl_info info{};
        if (dladdr(dlsym(glx, "__glx_Main"), &info) != 0 && info.dli_fname != nullptr) {
            Pin((std::filesystem::path(info.dli_fname).parent_path() / "dri" / "swrast_dri.so").c_str());
        }
    }
}

}  // namespace
