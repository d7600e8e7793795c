// The dialog templates of the resource script in the language of the
// catalogue, loaded explicitly so that the choice does not depend on how the
// system looks resources up.
#pragma once

#include <windows.h>

#include <vector>

#include "MessageCatalog.h"

namespace vane::desk {

// 1033 (English, United States) or 1036 (French, France).
LANGID template_language(catalog::Language language);
// The language that the thread's user-interface language id asks for:
// French for any French variant, English otherwise.
catalog::Language language_for_ui(int languageId);

// A copy of template id in language (English when that language has none);
// empty when the module has no such template. hidden clears WS_VISIBLE, so
// that a dialog made from it stays hidden until shown.
std::vector<unsigned char> load_dialog_template(int id, catalog::Language language, bool hidden = false);

}  // namespace vane::desk
