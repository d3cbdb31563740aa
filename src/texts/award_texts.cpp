// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/award_texts.h"

namespace ktl {

namespace {

constexpr CaptionRow kAwardCaptions[] = {
    {"Progression", QT_TRANSLATE_NOOP3("ORB_KTL", "Progression du diplôme", "Award/Progression")},
    {"Label_Pays", QT_TRANSLATE_NOOP3("ORB_KTL", "Pays :", "Award/Label_Pays")},
    {"Enregistrer_CSV", QT_TRANSLATE_NOOP3("ORB_KTL", "Enregistrer la grille (CSV)", "Award/Enregistrer_CSV")},
    {"Enregistrer_PNG", QT_TRANSLATE_NOOP3("ORB_KTL", "Graphiques en PNG", "Award/Enregistrer_PNG")},
    {"Enregistrer_PDF", QT_TRANSLATE_NOOP3("ORB_KTL", "Graphiques en PDF", "Award/Enregistrer_PDF")},
    {"Imprimer", QT_TRANSLATE_NOOP3("ORB_KTL", "Imprimer", "Award/Imprimer")},
    {"Quitter", QT_TRANSLATE_NOOP3("ORB_KTL", "Quitter", "Award/Quitter")},
};

constexpr Tx kTexts[] = {
    QT_TRANSLATE_NOOP3("ORB_KTL", "Progression du diplôme", "award/Texts/MenuItem"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Importer la liste du diplôme", "award/Texts/ImportMenuItem"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Listes (*.csv *.txt);;Tous les fichiers (*)", "award/Texts/ImportFilter"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Grille par bande", "award/Texts/TabGrid"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Châteaux manquants", "award/Texts/TabNeeded"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Au fil du temps", "award/Texts/TabTime"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Par pays", "award/Texts/TabCountries"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Châteaux contactés : %1", "award/Texts/Worked"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Châteaux contactés : %1 sur %2", "award/Texts/WorkedOf"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "confirmés : %1", "award/Texts/Confirmed"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "pays : %1", "award/Texts/Countries"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "pays : %1 sur %2", "award/Texts/CountriesOf"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "hors liste : %1", "award/Texts/NotInList"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Liste du diplôme : %1 châteaux (%2, importée le %3)", "award/Texts/ListState"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Sans liste du diplôme, les totaux viennent du log seul (Fichier, Importer la liste du diplôme)", "award/Texts/NoList"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Préfixe", "award/Texts/ColumnPrefix"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Pays", "award/Texts/ColumnCountry"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Contactés", "award/Texts/ColumnWorked"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Confirmés", "award/Texts/ColumnConfirmed"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Sur la liste", "award/Texts/ColumnListed"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Hors liste", "award/Texts/ColumnNotInList"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Référence", "award/Texts/ColumnReference"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Nom du château", "award/Texts/ColumnName"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Région", "award/Texts/ColumnRegion"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Total", "award/Texts/TotalRow"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "%1", "award/Texts/CellWorked"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "%1 (%2 QSL)", "award/Texts/CellConfirmed"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "–", "award/Texts/CellNone"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "%1, %2 : %3 châteaux contactés, %4 confirmés", "award/Texts/SpokenCell"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "%1, %2 : aucun", "award/Texts/SpokenNone"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Pays par bande : contactés et confirmés", "award/Texts/GridName"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Châteaux manquants du pays choisi", "award/Texts/NeededName"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "%1 châteaux manquants", "award/Texts/NeededCount"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Importez la liste du diplôme (menu Fichier) pour voir les châteaux manquants.", "award/Texts/NeededNoList"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Châteaux contactés et confirmés, cumul par mois", "award/Texts/ChartTime"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Châteaux par pays", "award/Texts/ChartCountries"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Contactés", "award/Texts/SeriesWorked"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Confirmés", "award/Texts/SeriesConfirmed"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Sur la liste", "award/Texts/SeriesListed"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Fichier enregistré : ", "award/Texts/Saved"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Progression du diplôme KTL de %1 au %2", "award/Texts/PrintTitle"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Liste du diplôme importée : %1 châteaux (%2, séparateur « %3 »).", "award/Texts/ImportDone"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "%1 lignes illisibles ignorées (la première : ligne %2).", "award/Texts/ImportMalformed"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "%1 références en double : la première ligne de chacune compte.", "award/Texts/ImportDuplicates"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "%1 pays de la liste sont inconnus de la table des préfixes.", "award/Texts/ImportUnknownCountries"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Attention : aucun pays de cette liste n'est dans la table des préfixes. Est-ce la liste d'un autre diplôme ?", "award/Texts/ImportAnotherAward"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Le fichier est vide : la liste du diplôme n'a pas changé.", "award/Texts/ImportEmpty"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Ce fichier n'est pas une liste (fichier binaire) : la liste du diplôme n'a pas changé.", "award/Texts/ImportNotText"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Aucune ligne de ce fichier ne porte une référence de château (comme OK-08815) : la liste du diplôme n'a pas "
     "changé.", "award/Texts/ImportNoReference"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Fichier trop grand pour une liste (64 Mo et un million de châteaux au plus) : la liste du diplôme n'a pas "
     "changé.", "award/Texts/ImportTooLarge"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Le fichier ne peut pas être lu : la liste du diplôme n'a pas changé.", "award/Texts/ImportUnreadable"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Progression du diplôme KTL de %1", "award/Texts/ProgressTitle"),
};
static_assert(std::size(kTexts) == int(AwardText::ProgressTitle) + 1);

}  // namespace

std::span<const CaptionRow> awardCaptions() { return kAwardCaptions; }

const Tx& awardText(AwardText id) { return kTexts[int(id)]; }

QString awardString(AwardText id, Language language) {
  return pick(awardText(id), language == Language::Other ? Language::French : language);
}

}  // namespace ktl
