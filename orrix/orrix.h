/* The updater library's interface for host programs (plain C).
 *
 * A host loads liborrix.so at run time and looks the four functions up by these names;
 * no initialisation call is needed. Every function runs on the calling thread and returns
 * only when its work is done (_TavSplash: as soon as the window is shown). A host without
 * a Qt application object gets one for the length of the call; with no screen the
 * library's windows run on Qt's offscreen platform and its messages go to standard error.
 * No error crosses this interface: a failure inside the library yields false.
 */
#ifndef ORRIX_ORRIX_H
#define ORRIX_ORRIX_H

#include <stdbool.h>
#include <stdint.h>

#if defined(__GNUC__)
#define ORRIX_EXPORT __attribute__((visibility("default")))
#else
#define ORRIX_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Runs an updater call through the start dialog, shown modally. parameters is the
 * zero-terminated parameter text ("-progid ID -version VERSION ..."); NULL counts as an
 * empty text, and an empty text makes the library read the host's own command line.
 * True when a downloaded setup program was started (the host should now close) or, with
 * "-check", when an update is available. */
ORRIX_EXPORT bool _TavGenerate(const char* parameters);

/* As _TavGenerate, but the start dialog is not shown: the update check starts at once. */
ORRIX_EXPORT bool _TavUpdateCheck(const char* parameters);

/* Shows the splash window with its left edge at left and its top edge at top, in screen
 * pixels, for interval milliseconds (0: until the library is unloaded), and returns at once.
 * The window closes through the host's message loop; a splash still shown when the library
 * is unloaded is closed then. */
ORRIX_EXPORT void _TavSplash(int32_t left, int32_t top, int32_t interval);

/* The picture of a splash window that is not shown: a QLabel (Qt Widgets) holding the
 * updater's 32 x 32 icon. It stays valid until the library is unloaded; NULL when no
 * window could be made. */
ORRIX_EXPORT void* _TavGetIcon(void);

/* The types of the four functions, for dlsym. */
typedef bool (*TavGenerateFunction)(const char* parameters);
typedef bool (*TavUpdateCheckFunction)(const char* parameters);
typedef void (*TavSplashFunction)(int32_t left, int32_t top, int32_t interval);
typedef void* (*TavGetIconFunction)(void);

#ifdef __cplusplus
}
#endif

#endif /* ORRIX_ORRIX_H */
