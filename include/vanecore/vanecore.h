/* vanecore: the exported C interface of the Folivane publishing library.
 *
 * Every command export behaves like a small command-line program: it takes an
 * argument count and vector (element 0 is the command's name and is never
 * inspected) and returns an integer result, 0 for success and a negative code
 * for failure. All text is reported as numbered messages through the two host
 * callbacks given to InitLib, which must be called once before any command.
 * Calls are synchronous and must come from the thread that called InitLib.
 */
#ifndef VANECORE_VANECORE_H
#define VANECORE_VANECORE_H

#include <stdarg.h>
#include <stdbool.h>

#include "vanecore/export.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Receives every line of output: a printf-style format and its arguments.
 * The host formats and shows the text; the library never formats a message. */
typedef void (*OutputCallback)(const char* format, va_list args);

/* Copies the text of message `id` into `buffer` (`size` bytes), cut to fit
 * and always terminated; an unknown id yields the empty text. */
typedef void (*MessageCallback)(int id, char* buffer, int size);

/* Result codes shared by the conversion commands. */
enum {
    VANE_OK = 0,
    VANE_ERR_EXCEPTION = -1,   /* an unexpected error escaped the command */
    VANE_ERR_COM = -2,         /* the automation runtime could not be initialised */
    VANE_ERR_INSTANCE = -3,    /* another process holds the instance lock */
    VANE_ERR_ARGUMENTS = -4    /* bad or missing arguments */
};

/* Stores the callbacks and the owner window (kept, never used), initialises
 * the automation runtime once per process and reads the processor type.
 * May be called again: later calls replace the callbacks. */
VANECORE_API void InitLib(OutputCallback output, MessageCallback message, void* owner);

/* Prints the banner; the arguments are ignored. Returns 0. */
VANECORE_API int display_info(int argc, char* argv[]);

/* Publishes a document as a framed HTML site. */
VANECORE_API int d2h(int argc, char* argv[]);

/* Publishes a document as a PDF with outline and links. */
VANECORE_API int d2p(int argc, char* argv[]);

/* True when a Ghostscript console program is found (its path is kept). */
VANECORE_API bool check_ghostscript(void);

/* True when Acrobat Distiller is found (never on Linux). */
VANECORE_API bool check_distiller(void);

/* The word processor's major version, or 0 when it cannot be started. */
VANECORE_API int check_winword(void);

/* Installs the PostScript file printer: -p <name> -d <driver;driver;...>. */
VANECORE_API int install_printer(int argc, char* argv[]);

/* Removes the PostScript file printer: -p <name>. */
VANECORE_API int uninstall_printer(int argc, char* argv[]);

#ifdef __cplusplus
}
#endif

#endif /* VANECORE_VANECORE_H */
