#include "texts/award_texts.h"

namespace ktl {

namespace {

constexpr CaptionRow kAwardCaptions[] = {
    {"Progression", {"Progression du diplôme", "Award progress", "Progresso del diploma"}},
    {"Label_Pays", {"Pays :", "Country:", "Paese:"}},
    {"Enregistrer_CSV", {"Enregistrer la grille (CSV)", "Save the grid (CSV)", "Salva la griglia (CSV)"}},
    {"Enregistrer_PNG", {"Graphiques en PNG", "Charts as PNG", "Grafici in PNG"}},
    {"Enregistrer_PDF", {"Graphiques en PDF", "Charts as PDF", "Grafici in PDF"}},
    {"Imprimer", {"Imprimer", "Print", "Stampa"}},
    {"Quitter", {"Quitter", "Exit", "Chiudi"}},
};

constexpr Tri kTexts[] = {
    {"Progression du diplôme", "Award progress", "Progresso del diploma"},
    {"Importer la liste du diplôme", "Import the award's list", "Importa l'elenco del diploma"},
    {"Listes (*.csv *.txt);;Tous les fichiers (*)", "Lists (*.csv *.txt);;All files (*)",
     "Elenchi (*.csv *.txt);;Tutti i file (*)"},
    {"Grille par bande", "Grid by band", "Griglia per banda"},
    {"Châteaux manquants", "Needed castles", "Castelli mancanti"},
    {"Au fil du temps", "Over time", "Nel tempo"},
    {"Par pays", "By country", "Per paese"},
    {"Châteaux contactés : %1", "Castles worked: %1", "Castelli collegati: %1"},
    {"Châteaux contactés : %1 sur %2", "Castles worked: %1 of %2", "Castelli collegati: %1 su %2"},
    {"confirmés : %1", "confirmed: %1", "confermati: %1"},
    {"pays : %1", "countries: %1", "paesi: %1"},
    {"pays : %1 sur %2", "countries: %1 of %2", "paesi: %1 su %2"},
    {"hors liste : %1", "not in the list: %1", "fuori elenco: %1"},
    {"Liste du diplôme : %1 châteaux (%2, importée le %3)", "Award list: %1 castles (%2, imported %3)",
     "Elenco del diploma: %1 castelli (%2, importato il %3)"},
    {"Sans liste du diplôme, les totaux viennent du log seul (Fichier, Importer la liste du diplôme)",
     "Without the award's list the totals come from the log alone (File, Import the award's list)",
     "Senza l'elenco del diploma i totali vengono dal solo log (File, Importa l'elenco del diploma)"},
    {"Préfixe", "Prefix", "Prefisso"},
    {"Pays", "Country", "Paese"},
    {"Contactés", "Worked", "Collegati"},
    {"Confirmés", "Confirmed", "Confermati"},
    {"Sur la liste", "Listed", "In elenco"},
    {"Hors liste", "Not in the list", "Fuori elenco"},
    {"Référence", "Reference", "Referenza"},
    {"Nom du château", "Castle name", "Nome del castello"},
    {"Région", "Region", "Regione"},
    {"Total", "Total", "Totale"},
    {"%1", "%1", "%1"},
    {"%1 (%2 QSL)", "%1 (%2 QSL)", "%1 (%2 QSL)"},
    {"–", "–", "–"},
    {"%1, %2 : %3 châteaux contactés, %4 confirmés", "%1, %2: %3 castles worked, %4 confirmed",
     "%1, %2: %3 castelli collegati, %4 confermati"},
    {"%1, %2 : aucun", "%1, %2: none", "%1, %2: nessuno"},
    {"Pays par bande : contactés et confirmés", "Countries by band: worked and confirmed",
     "Paesi per banda: collegati e confermati"},
    {"Châteaux manquants du pays choisi", "Needed castles of the chosen country", "Castelli mancanti del paese scelto"},
    {"%1 châteaux manquants", "%1 castles needed", "%1 castelli mancanti"},
    {"Importez la liste du diplôme (menu Fichier) pour voir les châteaux manquants.",
     "Import the award's list (File menu) to see the castles needed.",
     "Importare l'elenco del diploma (menu File) per vedere i castelli mancanti."},
    {"Châteaux contactés et confirmés, cumul par mois", "Castles worked and confirmed, cumulative by month",
     "Castelli collegati e confermati, cumulativo per mese"},
    {"Châteaux par pays", "Castles by country", "Castelli per paese"},
    {"Contactés", "Worked", "Collegati"},
    {"Confirmés", "Confirmed", "Confermati"},
    {"Sur la liste", "Listed", "In elenco"},
    {"Fichier enregistré : ", "File saved: ", "File salvato: "},
    {"Progression du diplôme KTL de %1 au %2", "KTL award progress of %1 on %2", "Progresso del diploma KTL di %1 al %2"},
    {"Liste du diplôme importée : %1 châteaux (%2, séparateur « %3 »).",
     "Award list imported: %1 castles (%2, separator \"%3\").",
     "Elenco del diploma importato: %1 castelli (%2, separatore \"%3\")."},
    {"%1 lignes illisibles ignorées (la première : ligne %2).", "%1 unreadable lines skipped (the first: line %2).",
     "%1 righe illeggibili ignorate (la prima: riga %2)."},
    {"%1 références en double : la première ligne de chacune compte.",
     "%1 duplicate references: the first line of each counts.",
     "%1 referenze doppie: conta la prima riga di ciascuna."},
    {"%1 pays de la liste sont inconnus de la table des préfixes.",
     "%1 of the list's countries are not in the prefix table.",
     "%1 paesi dell'elenco non sono nella tabella dei prefissi."},
    {"Attention : aucun pays de cette liste n'est dans la table des préfixes. Est-ce la liste d'un autre diplôme ?",
     "Warning: none of this list's countries is in the prefix table. Is it the list of another award?",
     "Attenzione: nessun paese di questo elenco è nella tabella dei prefissi. È l'elenco di un altro diploma?"},
    {"Le fichier est vide : la liste du diplôme n'a pas changé.", "The file is empty: the award list has not changed.",
     "Il file è vuoto: l'elenco del diploma non è cambiato."},
    {"Ce fichier n'est pas une liste (fichier binaire) : la liste du diplôme n'a pas changé.",
     "This file is not a list (a binary file): the award list has not changed.",
     "Questo file non è un elenco (file binario): l'elenco del diploma non è cambiato."},
    {"Aucune ligne de ce fichier ne porte une référence de château (comme OK-08815) : la liste du diplôme n'a pas "
     "changé.",
     "No line of this file holds a castle reference (such as OK-08815): the award list has not changed.",
     "Nessuna riga di questo file contiene una referenza di castello (come OK-08815): l'elenco del diploma non è "
     "cambiato."},
    {"Fichier trop grand pour une liste (64 Mo et un million de châteaux au plus) : la liste du diplôme n'a pas "
     "changé.",
     "File too large for a list (64 MB and a million castles at most): the award list has not changed.",
     "File troppo grande per un elenco (64 MB e un milione di castelli al massimo): l'elenco del diploma non è "
     "cambiato."},
    {"Le fichier ne peut pas être lu : la liste du diplôme n'a pas changé.",
     "The file cannot be read: the award list has not changed.",
     "Il file non può essere letto: l'elenco del diploma non è cambiato."},
    {"Progression du diplôme KTL de %1", "KTL award progress of %1", "Progresso del diploma KTL di %1"},
};
static_assert(std::size(kTexts) == int(AwardText::ProgressTitle) + 1);

}  // namespace

std::span<const CaptionRow> awardCaptions() { return kAwardCaptions; }

const Tri& awardText(AwardText id) { return kTexts[int(id)]; }

QString awardString(AwardText id, Language language) {
  return pick(awardText(id), language == Language::Other ? Language::French : language);
}

}  // namespace ktl
