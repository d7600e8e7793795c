// The dialog templates in English and French against their layout tables:
// ids, kinds, captions, positions in dialog units and the styles that matter.
#include <gtest/gtest.h>

#include "DialogIds.h"
#include "DialogTemplateReader.h"

namespace vane::test {
namespace {

constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr LANGID kFrench = MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH);

struct Expected {
    int id;
    const char* kind;
    const char* english;
    const char* french;  // null: as in English
    int x, y, width, height;
    int frenchX;  // 0: as in English
    DWORD style;  // bits that must be set
};

struct TemplateCase {
    int id;
    const char* english;
    const char* french;
    int width, height;
    std::vector<Expected> controls;
};

const DWORD kLabel = SS_LEFT;
const DWORD kList = CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL;
const DWORD kCheck = BS_AUTOCHECKBOX;
const DWORD kNumber = ES_NUMBER | ES_RIGHT | WS_BORDER;

std::vector<TemplateCase> templates() {
    return {
        {IDD_VANEDESK_DIALOG,
         "Folivane",
         "Folivane",
         320,
         200,
         {
             {IDC_BROWSE, "button", "Browse", "Parcourir", 7, 7, 306, 14, 0, 0},
             {IDC_OUTPUT_GROUP, "button", "Output", "Mode", 17, 28, 73, 64, 0, BS_GROUPBOX},
             {IDC_HTML, "button", "Html", nullptr, 31, 48, 30, 10, 0, BS_AUTORADIOBUTTON | WS_GROUP},
             {IDC_PDF, "button", "Pdf", nullptr, 31, 70, 27, 10, 0, BS_AUTORADIOBUTTON},
             {IDC_START, "button", "Start", "D\xC3\xA9marrer", 124, 32, 72, 60, 0, BS_DEFPUSHBUTTON},
             {IDC_SETTINGS, "button", "Settings", "Param\xC3\xA8tres", 230, 32, 72, 26, 0, 0},
             {IDC_DISPLAY, "button", "Display result", "Affichage r\xC3\xA9sultat", 230, 66, 72, 26, 0, 0},
             {IDC_LOG, "edit", "", nullptr, 7, 101, 306, 92, 0,
              ES_MULTILINE | ES_READONLY | WS_VSCROLL | ES_AUTOVSCROLL | WS_BORDER | WS_TABSTOP},
         }},
        {IDD_PARAMETERS,
         "Folivane - Parameters",
         "Folivane - Param\xC3\xA8tres",
         334,
         188,
         {
             {-1, "button", "Html parameters", "Param\xC3\xA8tres Html", 7, 7, 320, 73, 0, BS_GROUPBOX},
             {-1, "static", "Heading level:", "Niveau de titre:", 19, 25, 46, 8, 0, kLabel},
             {IDC_HEADING_LEVEL, "combobox", "", nullptr, 80, 22, 24, 74, 0, kList},
             {-1, "static", "Create home page:", "Cr\xC3\xA9\x65r page d'acccueil:", 186, 25, 63, 8, 0,
              kLabel},
             {IDC_USE_HOME, "button", "", nullptr, 253, 24, 16, 10, 267, kCheck},
             {-1, "static", "Headings to skip:", "Titres \xC3\xA0 sauter:", 19, 44, 56, 8, 0, kLabel},
             {IDC_SKIP_HEADINGS, "edit", "", nullptr, 80, 41, 23, 14, 0, kNumber},
             {-1, "static", "Index frame width:", "Largeur de l'index:", 186, 44, 62, 8, 0, kLabel},
             {IDC_INDEX_WIDTH, "edit", "", nullptr, 253, 41, 23, 14, 0, kNumber},
             {-1, "static", "Pages for all outline levels:", "Pages pour tous les niveaux de plan:", 19, 63,
              110, 8, 0, kLabel},
             {IDC_ALL_HEADINGS_HTML, "button", "", nullptr, 133, 62, 16, 10, 160, kCheck},
             {-1, "button", "Pdf parameters", "Param\xC3\xA8tres Pdf", 7, 84, 320, 72, 0, BS_GROUPBOX},
             {-1, "static", "Heading level:", "Niveau de titre:", 19, 102, 46, 8, 0, kLabel},
             {IDC_HEADING_LEVEL_PDF, "combobox", "", nullptr, 79, 99, 24, 74, 0, kList},
             {-1, "static", "Keep internal links:", "Conserver les liens internes:", 19, 122, 61, 8, 0,
              kLabel},
             {IDC_INTERNAL_LINKS, "button", "", nullptr, 95, 121, 16, 10, 120, kCheck},
             {-1, "static", "Open pdf with bookmark panel:", "Ouvrir le Pdf avec le panneau de marqueurs:",
              143, 122, 101, 8, 0, kLabel},
             {IDC_OPEN_BOOKMARKS, "button", "", nullptr, 257, 121, 16, 10, 313, kCheck},
             {-1, "static", "All outline levels:", "Tous les niveaux de plan:", 19, 141, 72, 8, 0, kLabel},
             {IDC_ALL_HEADINGS_PDF, "button", "", nullptr, 95, 140, 16, 10, 120, kCheck},
             {-1, "static", "Link references and notes:", "Lier les renvois et les notes:", 143, 141, 99, 8, 0,
              kLabel},
             {IDC_CROSS_REFERENCES, "button", "", nullptr, 257, 140, 16, 10, 290, kCheck},
             {IDC_SAVE_PROFILE, "button", "Save", "Sauver", 6, 167, 50, 14, 0, 0},
             {IDC_LOAD_PROFILE, "button", "Load", "Charger", 67, 167, 50, 14, 0, 0},
             {IDOK, "button", "OK", nullptr, 216, 167, 50, 14, 0, BS_DEFPUSHBUTTON},
             {IDCANCEL, "button", "Cancel", "Annuler", 277, 167, 50, 14, 0, 0},
         }},
        {IDD_SAVE,
         "Folivane - Save parameters",
         "Folivane - Sauvegarde des param\xC3\xA8tres",
         280,
         65,
         {
             {-1, "static", "Save profile name:", "Nom de la sauvegarde:", 7, 16, 64, 11, 0, kLabel},
             {IDC_PROFILE_NAME, "edit", "", nullptr, 75, 14, 198, 13, 86, ES_AUTOHSCROLL | WS_BORDER},
             {IDOK, "button", "OK", nullptr, 164, 44, 50, 14, 0, BS_DEFPUSHBUTTON},
             {IDCANCEL, "button", "Cancel", "Annuler", 223, 44, 50, 14, 0, 0},
         }},
        {IDD_LOAD,
         "Folivane - Load parameters",
         "Folivane - Chargement des param\xC3\xA8tres",
         246,
         62,
         {
             {IDC_PROFILE_LIST, "combobox", "", nullptr, 7, 7, 232, 93, 0, kList},
             {IDOK, "button", "OK", nullptr, 125, 41, 50, 14, 0, BS_DEFPUSHBUTTON},
             {IDCANCEL, "button", "Cancel", "Annuler", 189, 41, 50, 14, 0, 0},
         }},
    };
}

// In the French save dialog the label is wider and the name field narrower.
int french_width(int templateId, const Expected& e) {
    if (templateId != IDD_SAVE) return e.width;
    if (e.id == -1) return 74;
    if (e.id == IDC_PROFILE_NAME) return 187;
    return e.width;
}

TEST(DialogTemplates, MatchTheirLayoutInBothLanguages) {
    for (const TemplateCase& t : templates()) {
        for (const bool french : {false, true}) {
            SCOPED_TRACE(std::to_string(t.id) + (french ? " French" : " English"));
            const auto dialog = read_dialog_template(t.id, french ? kFrench : kEnglish);
            ASSERT_TRUE(dialog.has_value());
            EXPECT_EQ(dialog->title, french ? t.french : t.english);
            EXPECT_EQ(dialog->width, t.width);
            EXPECT_EQ(dialog->height, t.height);
            ASSERT_EQ(dialog->controls.size(), t.controls.size());
            for (std::size_t i = 0; i < t.controls.size(); ++i) {
                const Expected& e = t.controls[i];
                const DialogControl& c = dialog->controls[i];
                SCOPED_TRACE(e.english[0] != '\0' ? e.english : std::to_string(e.id).c_str());
                EXPECT_EQ(c.id, e.id);
                EXPECT_EQ(c.kind, e.kind);
                EXPECT_EQ(c.caption, french && e.french != nullptr ? e.french : e.english);
                EXPECT_EQ(c.x, french && e.frenchX != 0 ? e.frenchX : e.x);
                EXPECT_EQ(c.y, e.y);
                EXPECT_EQ(c.width, french ? french_width(t.id, e) : e.width);
                EXPECT_EQ(c.height, e.height);
                EXPECT_EQ(c.style & e.style, e.style);
                EXPECT_TRUE(c.style & WS_VISIBLE);
            }
        }
    }
}

}  // namespace
}  // namespace vane::test
