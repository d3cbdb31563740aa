#include "texts/view_texts.h"

namespace ktl {
namespace {

constexpr CaptionRow kCastlesCaptions[] = {
    {"Aff_Contacte", "Liste alphanumerique des Chateaux contactés", "Alphanumeric list castle contacted",
     "Castelli collegati in ordine alfanumerico"},
    {"Label3", "Liste alphanumerique des Chateaux contactés    Pays : ", "Alphanumeric list castle contacted    Country : ",
     "Castelli collegati in ordine alfanumerico    Paese : "},
    {"Label1", "XX = Tous", "XX = All", "XX = Tutti"},
    {"Afficher", "Afficher", "Display", "Display"},
    {"Imprimer", "Imprimer", "Print", "Stampa"},
    {"Enregistrer", "Enregistrer", "Save", "Registrare"},
    {"Quitter", "Quitter", "Exit", "Chiudi"},
    {"Label2",
     "   N°       Ref         Indicatif          Date      QTR  Mode   QRG   RstR RstE            Nom du Chateau                                                                 QSL",
     "   N°        Ref         Callsign           Date      QTR  Mode   QRG   RstR RstE            Castel Name                                                                     QSL",
     "   N°      Ref         Nominativo      Data      QTR  Modo   QRG   RstR RstE            Nome del Castello                                                               QSL"},
};

constexpr CaptionRow kPrefixesCaptions[] = {
    {"Liste_Prefixes", "Liste des préfixes KTL contactés", "list of prefix KTL contacted", "Prefisso KTL contattato"},
    {"Label2", "Liste des préfixes KTL", "list of prefix KTL", "Elenco delle Referenze KTL"},
    {"Label3", "    Préfixes        Pays", "    Prefix          Country", "    Prefisso        Nazione"},
};

constexpr CaptionRow kPrefixEditorCaptions[] = {
    {"Ajout_Ref", "Edition d'un Prefixe", "Editing a Prefix", "Editare una prefisso"},
    {"Label2", "Edition d'un Prefixe", "Editing a Pefix", "Editare una prefisso"},
    {"Label3", "Préfixe du Pays", "Prefix of the Country", "prefisso del Paese"},
    {"Label7", "Nom du Pays", "Name of the Country", "Nome del paese"},
    {"Ajou", "Ajout", "Adding", "Aggiunta"},
    {"Edit", "Edition", "Editing", "Editare"},
    {"Supp", "Suppression", "Removal", "Eliminare"},
    {"Enregistre", "Enregistrer", "Record", "Salvare"},
};

}  // namespace

std::span<const CaptionRow> castlesCaptions() { return kCastlesCaptions; }
std::span<const CaptionRow> prefixesCaptions() { return kPrefixesCaptions; }
std::span<const CaptionRow> prefixEditorCaptions() { return kPrefixEditorCaptions; }

namespace view_text {

const Tri CountryEmpty{"Entrez un Pays", "Enter a Country", "Inserisci un Paese"};
const Tri CountryTooLong{"4 caracteres maxi pour le Pays", "4 characters max for the Country",
                         "4 caratteri max per il Paese"};

const Tri CastleReportTitle{" Chateaux contactés par %1 au %2 par ordre alphanumerique",
                            " Castels contacted by %1 at %2 in alphanumeric order",
                            "Castelli collegati da %1 al %2 in ordine alfanumerico"};
const Tri CastleReportHeading{
    "    N°    Ref   Indicatif       Date     QTR   Mode   QRG   RstR RstE        Nom du Chateau                                         QSL",
    "    N°    Ref   Callsign        Date     QTR   Mode   QRG   RstR RstE        Nom du Chateau                                         QSL",
    "    N°    Ref   Indicativo      Date     QTR   Mode   QRG   RstR RstE        Nome del Castelli                                      QSL"};
const Tri CastleFileName{"%1_Chateaux_%2_Contactes_%3.txt", "%1_Castel_%2_Contacted_%3.txt",
                         "%1_Castelli_%2_Collegati_%3.txt"};
const Tri ReportSaved{"Le log a été enregistré sous le nom : ", "The log was registered under the name : ",
                      "Il Log è stato registrato con nome : "};

const Tri SearchReportTitle{" QSO trouvés dans le log de %1 au %2", " QSO found in the log of %1 at %2",
                            " QSO trovati nel log di %1 al %2"};

const Tri NoPrinter{
    "Aucune imprimante n'est installée : choisissez \"Print to File (PDF)\" dans la fenêtre d'impression, ou "
    "enregistrez la liste.",
    "No printer is installed: choose \"Print to File (PDF)\" in the print window, or save the list.",
    "Nessuna stampante installata: scegliere \"Print to File (PDF)\" nella finestra di stampa, oppure registrare "
    "l'elenco."};
const Tri PrintFailed{"L'impression n'a pas pu se faire :", "The list could not be printed:",
                      "Impossibile stampare l'elenco:"};

const Tri EditorPrefixEmpty{"Entrez un Pays", "Enter a Country", "Immettere un Paese"};
const Tri EditorPrefixTooLong{"2 caracteres maxi pour la reference ex: EA", "2 characters max for the reference ex: EA",
                              "Max 2 caratteri per la referenze es: EA"};
const Tri EditorCountryEmpty{"Entrez un Pays", "Enter a country", "Entrare in un paese"};
const Tri EditorSemicolon{"Le point-virgule ; ne peut pas figurer dans la liste des pays",
                          "The semicolon ; cannot be used in the prefix table",
                          "Il punto e virgola ; non può essere usato nella tabella dei prefissi"};
const Tri EditorDeleteQuestion{"Effacerla référence ?", "Clear Reference ?", "Chiaro riferimento ?"};

}  // namespace view_text
}  // namespace ktl
