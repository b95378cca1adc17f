// Preloaded by sanitize.sh into the sanitizer run of the browser tests:
// dlclose leaves every library mapped until the process ends.
//
// Under Xvfb those tests make an OpenGL context, and Mesa loads its GL driver
// (dri/*_dri.so) with dlopen and unloads it when the X display closes, before
// LeakSanitizer looks at the heap. Blocks the driver allocated once and keeps
// in its own globals then look leaked, and their stacks end in
// "<unknown module>", which no suppression can name. Kept mapped, the
// driver's globals are scanned like any other library's and those blocks are
// reachable, whichever driver the machine picks. Leaks in our code are
// reported as before.
//
// The preload reaches everything the run starts (ctest, xvfb-run, Xvfb, the
// web engine's helper processes); none of them needs a library unmapped
// before it exits. It comes before the sanitizer runtime in the load order,
// so the run sets verify_asan_link_order=0; it defines dlclose and nothing
// else, so every interceptor still resolves to the runtime.

int dlclose(void *handle) {
  (void)handle;
  return 0;
}
