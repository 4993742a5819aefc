// Preloaded into the game by the sanitized end-to-end tests: libraries are never unloaded, so
// LeakSanitizer can still read the stacks of what the GL driver left allocated at exit (and the
// suppressions of lsan.supp can match them) instead of reporting frames of an unknown module.
extern "C" int dlclose(void* handle) {
    static_cast<void>(handle);
    return 0;
}
