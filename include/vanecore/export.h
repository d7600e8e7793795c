/* The one macro that marks a vanecore export; everything else is hidden. */
#ifndef VANECORE_EXPORT_H
#define VANECORE_EXPORT_H

#if defined(_WIN32)
#  if defined(VANECORE_BUILDING)
#    define VANECORE_API __declspec(dllexport)
#  else
#    define VANECORE_API __declspec(dllimport)
#  endif
#else
#  define VANECORE_API __attribute__((visibility("default")))
#endif

#endif /* VANECORE_EXPORT_H */
