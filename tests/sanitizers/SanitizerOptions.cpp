// Built into each test executable of a sanitized build, so a test stops at the first report
// whether CTest or a developer starts it. The runtimes read these before ASAN_OPTIONS,
// UBSAN_OPTIONS and LSAN_OPTIONS, which can still change them for one run.
//
// Only tests that run Qt WebEngine let anything through, and only what the engine's libraries
// do themselves; ubsan.supp and lsan.supp say what and why.

extern "C" {

const char* __asan_default_options()
{
    return "halt_on_error=1:detect_leaks=1"
#ifdef VELMORA_TEST_RUNS_ENGINE
           // The engine deletes one of its own objects with the wrong size whenever a page
           // goes, inside WebContentsAdapter's destructor: the allocation and the deletion are
           // both in libQt6WebEngineCore.so.6. GCC 12's AddressSanitizer cannot suppress this
           // report by its stack, so these tests do without that one check.
           ":new_delete_type_mismatch=0"
           // A leak suppression matches its library anywhere in the stack recorded for an
           // allocation. Recording only the allocator and its caller keeps a leak of ours, made
           // in a handler the engine calls, from matching the engine further down; the
           // libraries' own leaks have them as that caller.
           ":malloc_context_size=2"
#endif
        ;
}

const char* __ubsan_default_options()
{
    return "halt_on_error=1:print_stacktrace=1"
#ifdef VELMORA_TEST_RUNS_ENGINE
           ":suppressions=" VELMORA_SUPPRESSIONS_DIR "/ubsan.supp"
#endif
        ;
}

#ifdef VELMORA_TEST_RUNS_ENGINE
const char* __lsan_default_options()
{
    return "suppressions=" VELMORA_SUPPRESSIONS_DIR "/lsan.supp";
}
#endif
}
