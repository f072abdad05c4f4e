// A tiny library for the module-loading tests: system libraries are versioned
// (".so.N") or linker scripts, so the tests load this one instead.

extern "C" __attribute__((visibility("default"))) int KwTestPluginAnswer()
{
    return 42;
}
