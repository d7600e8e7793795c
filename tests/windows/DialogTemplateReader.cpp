#include "DialogTemplateReader.h"

#include <cctype>
#include <cstring>

#include "word/com/ComVariant.h"

namespace vane::test {

namespace {

class Cursor {
public:
    explicit Cursor(const BYTE* at) : at_(at) {}
    template <class T>
    T take() {
        T value;
        std::memcpy(&value, at_, sizeof value);
        at_ += sizeof value;
        return value;
    }
    // A string, or an ordinal (0xFFFF then a number) given back as "#number".
    std::string text() {
        const WORD first = peek();
        if (first == 0xFFFF) {
            take<WORD>();
            return "#" + std::to_string(take<WORD>());
        }
        const auto* start = reinterpret_cast<const wchar_t*>(at_);
        std::size_t length = 0;
        while (take<WORD>() != 0) ++length;
        return word::narrow(start, length);
    }
    void alignTo(std::size_t bytes, const BYTE* base) {
        while ((at_ - base) % bytes != 0) ++at_;
    }
    const BYTE* at() const { return at_; }

private:
    WORD peek() const {
        WORD value;
        std::memcpy(&value, at_, sizeof value);
        return value;
    }
    const BYTE* at_;
};

std::string kind_of(const std::string& windowClass) {
    if (windowClass == "#128") return "button";
    if (windowClass == "#129") return "edit";
    if (windowClass == "#130") return "static";
    if (windowClass == "#133") return "combobox";
    // A class given by name, in any case ("Button", "EDIT", ...).
    std::string name = windowClass;
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

}  // namespace

std::optional<DialogTemplate> read_dialog_template(int id, LANGID language) {
    HRSRC resource =
        FindResourceExW(nullptr, reinterpret_cast<LPCWSTR>(RT_DIALOG), MAKEINTRESOURCEW(id), language);
    if (resource == nullptr) return std::nullopt;
    const auto* base = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, resource)));
    Cursor cursor(base);
    if (cursor.take<WORD>() != 1 || cursor.take<WORD>() != 0xFFFF) return std::nullopt;  // not DLGTEMPLATEEX
    DialogTemplate dialog;
    cursor.take<DWORD>();  // help id
    cursor.take<DWORD>();  // extended style
    dialog.style = cursor.take<DWORD>();
    const WORD count = cursor.take<WORD>();
    cursor.take<short>();
    cursor.take<short>();
    dialog.width = cursor.take<short>();
    dialog.height = cursor.take<short>();
    cursor.text();  // menu
    cursor.text();  // class
    dialog.title = cursor.text();
    if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
        cursor.take<WORD>();  // point size
        cursor.take<WORD>();  // weight
        cursor.take<BYTE>();  // italic
        cursor.take<BYTE>();  // character set
        cursor.text();        // typeface
    }
    for (WORD i = 0; i < count; ++i) {
        cursor.alignTo(4, base);
        DialogControl control;
        cursor.take<DWORD>();  // help id
        cursor.take<DWORD>();  // extended style
        control.style = cursor.take<DWORD>();
        control.x = cursor.take<short>();
        control.y = cursor.take<short>();
        control.width = cursor.take<short>();
        control.height = cursor.take<short>();
        control.id = static_cast<int>(cursor.take<DWORD>());
        control.kind = kind_of(cursor.text());
        control.caption = cursor.text();
        const WORD extra = cursor.take<WORD>();
        for (WORD b = 0; b < extra; ++b) cursor.take<BYTE>();
        dialog.controls.push_back(control);
    }
    return dialog;
}

}  // namespace vane::test
