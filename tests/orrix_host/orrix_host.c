/* A host program without Qt: loads the updater library with dlopen and calls one of its
 * entry points. Its own command line stays free for the updater to read as the host's
 * arguments, so what to do comes from the environment:
 *   ORRIX_HOST_LIBRARY     path of liborrix.so
 *   ORRIX_HOST_CALL        generate, check, splash or icon
 *   ORRIX_HOST_PARAMETERS  the parameter text (unset: a null pointer)
 * Prints "result=0" or "result=1" for generate and check, "icon=1" when _TavGetIcon
 * returned a picture, then "unloaded" once the library is released. Exit code 0 when the
 * call was made, 2 when the library or its entry point could not be found. */
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "orrix/orrix.h"

static void* Entry(void* library, const char* name) {
  void* entry = dlsym(library, name);
  if (!entry) fprintf(stderr, "no entry point %s\n", name);
  return entry;
}

int main(void) {
  const char* path = getenv("ORRIX_HOST_LIBRARY");
  const char* call = getenv("ORRIX_HOST_CALL");
  const char* parameters = getenv("ORRIX_HOST_PARAMETERS");
  if (!path || !call) {
    fprintf(stderr, "ORRIX_HOST_LIBRARY and ORRIX_HOST_CALL are needed\n");
    return 2;
  }
  void* library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    fprintf(stderr, "cannot load %s: %s\n", path, dlerror());
    return 2;
  }
  int status = 0;
  if (strcmp(call, "generate") == 0 || strcmp(call, "check") == 0) {
    TavGenerateFunction run = (TavGenerateFunction)Entry(library, strcmp(call, "generate") == 0 ? "_TavGenerate" : "_TavUpdateCheck");
    if (run) printf("result=%d\n", run(parameters) ? 1 : 0);
    else status = 2;
  } else if (strcmp(call, "splash") == 0) {
    TavSplashFunction splash = (TavSplashFunction)Entry(library, "_TavSplash");
    if (splash) splash(100, 50, 0);
    else status = 2;
  } else if (strcmp(call, "icon") == 0) {
    TavGetIconFunction icon = (TavGetIconFunction)Entry(library, "_TavGetIcon");
    if (icon) printf("icon=%d\n", icon() != NULL ? 1 : 0);
    else status = 2;
  } else {
    fprintf(stderr, "unknown call %s\n", call);
    status = 2;
  }
  fflush(stdout);
  if (dlclose(library) == 0) printf("unloaded\n");
  return status;
}
