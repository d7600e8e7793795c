#include "DialogTexts.h"

namespace vane::catalog {

namespace {

constexpr DialogTexts kEnglish{
    "Folivane",
    "Browse",
    "Output",
    "Html",
    "Pdf",
    "Start",
    "Settings",
    "Display result",
    "Folivane - Parameters",
    "Html parameters",
    "Heading level:",
    "Create home page:",
    "Headings to skip:",
    "Index frame width:",
    "Pdf parameters",
    "Heading level:",
    "Keep internal links:",
    "Open pdf with bookmark panel:",
    "Save",
    "Load",
    "OK",
    "Cancel",
    253,
    95,
    257,
    "Folivane - Save parameters",
    "Save profile name:",
    64,
    75,
    198,
    "Folivane - Load parameters",
    "Enter an integer.",
    "Enter an integer between %1 and %2.",
    "Browse",
    "Plseas select a folder from the list:",
};

constexpr DialogTexts kFrench{
    "Folivane",
    "Parcourir",
    "Mode",
    "Html",
    "Pdf",
    "Démarrer",
    "Paramètres",
    "Affichage résultat",
    "Folivane - Paramètres",
    "Paramètres Html",
    "Niveau de titre:",
    "Créer page d'acccueil:",
    "Titres à sauter:",
    "Largeur de l'index:",
    "Paramètres Pdf",
    "Niveau de titre:",
    "Conserver les liens internes:",
    "Ouvrir le Pdf avec le panneau de marqueurs:",
    "Sauver",
    "Charger",
    "OK",
    "Annuler",
    267,
    120,
    313,
    "Folivane - Sauvegarde des paramètres",
    "Nom de la sauvegarde:",
    74,
    86,
    187,
    "Folivane - Chargement des paramètres",
    "Entrez un nombre entier.",
    "Entrez un nombre entier compris entre %1 et %2.",
    "Parcourir",
    "Veuillez choisir un dossier dans la liste :",
};

}  // namespace

const DialogTexts& dialog_texts(Language language) {
    return language == Language::French ? kFrench : kEnglish;
}

}  // namespace vane::catalog
