// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/view_texts.h"

namespace ktl {
namespace {

constexpr CaptionRow kCastlesCaptions[] = {
    {"Aff_Contacte", QT_TRANSLATE_NOOP3("ORB_KTL", "Liste alphanumerique des Chateaux contactés", "Castles/Aff_Contacte")},
    {"Label3", QT_TRANSLATE_NOOP3("ORB_KTL", "Liste alphanumerique des Chateaux contactés    Pays : ", "Castles/Label3")},
    {"Label1", QT_TRANSLATE_NOOP3("ORB_KTL", "XX = Tous", "Castles/Label1")},
    {"Afficher", QT_TRANSLATE_NOOP3("ORB_KTL", "Afficher", "Castles/Afficher")},
    {"Imprimer", QT_TRANSLATE_NOOP3("ORB_KTL", "Imprimer", "Castles/Imprimer")},
    {"Enregistrer", QT_TRANSLATE_NOOP3("ORB_KTL", "Enregistrer", "Castles/Enregistrer")},
    {"Quitter", QT_TRANSLATE_NOOP3("ORB_KTL", "Quitter", "Castles/Quitter")},
    {"Label2",
     QT_TRANSLATE_NOOP3("ORB_KTL", "   N°       Ref         Indicatif          Date      QTR  Mode   QRG   RstR RstE            Nom du Chateau                                                                 QSL", "Castles/Label2")},
};

constexpr CaptionRow kPrefixesCaptions[] = {
    {"Liste_Prefixes", QT_TRANSLATE_NOOP3("ORB_KTL", "Liste des préfixes KTL contactés", "Prefixes/Liste_Prefixes")},
    {"Label2", QT_TRANSLATE_NOOP3("ORB_KTL", "Liste des préfixes KTL", "Prefixes/Label2")},
    {"Label3", QT_TRANSLATE_NOOP3("ORB_KTL", "    Préfixes        Pays", "Prefixes/Label3")},
};

constexpr CaptionRow kPrefixEditorCaptions[] = {
    {"Ajout_Ref", QT_TRANSLATE_NOOP3("ORB_KTL", "Edition d'un Prefixe", "PrefixEditor/Ajout_Ref")},
    {"Label2", QT_TRANSLATE_NOOP3("ORB_KTL", "Edition d'un Prefixe", "PrefixEditor/Label2")},
    {"Label3", QT_TRANSLATE_NOOP3("ORB_KTL", "Préfixe du Pays", "PrefixEditor/Label3")},
    {"Label7", QT_TRANSLATE_NOOP3("ORB_KTL", "Nom du Pays", "PrefixEditor/Label7")},
    {"Ajou", QT_TRANSLATE_NOOP3("ORB_KTL", "Ajout", "PrefixEditor/Ajou")},
    {"Edit", QT_TRANSLATE_NOOP3("ORB_KTL", "Edition", "PrefixEditor/Edit")},
    {"Supp", QT_TRANSLATE_NOOP3("ORB_KTL", "Suppression", "PrefixEditor/Supp")},
    {"Enregistre", QT_TRANSLATE_NOOP3("ORB_KTL", "Enregistrer", "PrefixEditor/Enregistre")},
};

}  // namespace

std::span<const CaptionRow> castlesCaptions() { return kCastlesCaptions; }
std::span<const CaptionRow> prefixesCaptions() { return kPrefixesCaptions; }
std::span<const CaptionRow> prefixEditorCaptions() { return kPrefixEditorCaptions; }

namespace view_text {

const Tx CountryEmpty = QT_TRANSLATE_NOOP3("ORB_KTL", "Entrez un Pays", "view/CountryEmpty");
const Tx CountryTooLong = QT_TRANSLATE_NOOP3("ORB_KTL", "4 caracteres maxi pour le Pays", "view/CountryTooLong");

const Tx CastleReportTitle = QT_TRANSLATE_NOOP3("ORB_KTL", " Chateaux contactés par %1 au %2 par ordre alphanumerique", "view/CastleReportTitle");
const Tx CastleReportHeading = QT_TRANSLATE_NOOP3("ORB_KTL", "    N°    Ref   Indicatif       Date     QTR   Mode   QRG   RstR RstE        Nom du Chateau                                         QSL", "view/CastleReportHeading");
const Tx CastleFileName = QT_TRANSLATE_NOOP3("ORB_KTL", "%1_Chateaux_%2_Contactes_%3.txt", "view/CastleFileName");
const Tx ReportSaved = QT_TRANSLATE_NOOP3("ORB_KTL", "Le log a été enregistré sous le nom : ", "view/ReportSaved");

const Tx SearchReportTitle = QT_TRANSLATE_NOOP3("ORB_KTL", " QSO trouvés dans le log de %1 au %2", "view/SearchReportTitle");

const Tx NoPrinter = QT_TRANSLATE_NOOP3("ORB_KTL", "Aucune imprimante n'est installée : choisissez \"Print to File (PDF)\" dans la fenêtre d'impression, ou "
    "enregistrez la liste.", "view/NoPrinter");
const Tx PrintFailed = QT_TRANSLATE_NOOP3("ORB_KTL", "L'impression n'a pas pu se faire :", "view/PrintFailed");

const Tx EditorPrefixEmpty = QT_TRANSLATE_NOOP3("ORB_KTL", "Entrez un Pays", "view/EditorPrefixEmpty");
const Tx EditorPrefixTooLong = QT_TRANSLATE_NOOP3("ORB_KTL", "2 caracteres maxi pour la reference ex: EA", "view/EditorPrefixTooLong");
const Tx EditorCountryEmpty = QT_TRANSLATE_NOOP3("ORB_KTL", "Entrez un Pays", "view/EditorCountryEmpty");
const Tx EditorSemicolon = QT_TRANSLATE_NOOP3("ORB_KTL", "Le point-virgule ; ne peut pas figurer dans la liste des pays", "view/EditorSemicolon");
const Tx EditorDeleteQuestion = QT_TRANSLATE_NOOP3("ORB_KTL", "Effacerla référence ?", "view/EditorDeleteQuestion");

}  // namespace view_text
}  // namespace ktl
