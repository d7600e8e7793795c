// The result codes of the commands beyond the shared ones of vanecore.h
// (VANE_OK, VANE_ERR_EXCEPTION, VANE_ERR_COM, VANE_ERR_INSTANCE,
// VANE_ERR_ARGUMENTS). Two names may share a code: callers tell the cases
// apart only by the message printed with it.
#pragma once

namespace vane::result {

// d2p, d2h: the document could not be copied to the working copy.
inline constexpr int kWorkingCopy = -5;
// d2h: the frameset page could not be created or was written short.
inline constexpr int kFramesetPage = -5;
// d2p: the PostScript printer cannot be opened.
inline constexpr int kPrinter = -6;
// d2p, d2h: the word processor did not start, has no document collection, or
// failed while being restored and quit.
inline constexpr int kWordProcessor = -7;
// d2p, d2h: the document could not be opened, inspected, printed or saved.
inline constexpr int kDocument = -8;
// d2h: the index could not be built.
inline constexpr int kIndex = -10;
// d2h: the document could not be split into pages.
inline constexpr int kSplit = -11;
// d2p: neither Ghostscript nor Distiller was found.
inline constexpr int kNoProducer = -13;
// d2p: Ghostscript failed (the same code as kNoProducer).
inline constexpr int kGhostscriptFailed = -13;
// d2p: Distiller failed.
inline constexpr int kDistillerFailed = -14;
// install_printer, uninstall_printer: the spooler refused the change.
inline constexpr int kPrinterChange = -15;

}  // namespace vane::result
