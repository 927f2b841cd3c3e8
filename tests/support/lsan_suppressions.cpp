// Leak reports the test programs ignore: fontconfig keeps a cache for the life of the
// process that it never frees. Only read by builds with the leak sanitizer.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
