// vanecore's exports are defined in the engine folders (frame, html, pdf,
// discovery, printer) and linked in whole from vanecore_engine.
#include "vanecore/vanecore.h"
