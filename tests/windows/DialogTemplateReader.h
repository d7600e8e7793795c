// Reads a dialog template (DLGTEMPLATEEX) of this program's resources back
// into plain values, so that tests can compare it with the layout tables.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace vane::test {

struct DialogControl {
    int id = 0;
    std::string kind;     // "button", "edit", "static", "combobox" or the class name
    std::string caption;  // UTF-8
    int x = 0, y = 0, width = 0, height = 0;
    DWORD style = 0;
};

struct DialogTemplate {
    std::string title;  // UTF-8
    int width = 0, height = 0;
    DWORD style = 0;
    std::vector<DialogControl> controls;
};

// The template `id` in `language`; nothing when there is none.
std::optional<DialogTemplate> read_dialog_template(int id, LANGID language);

}  // namespace vane::test
