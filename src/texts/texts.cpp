#include "texts/texts.h"

#include <QStringList>

#include <iterator>

namespace ktl {

namespace {

constexpr Tri FrenchOnly(const char* french) { return {french, french, french}; }

struct MessageRow {
  Msg id;
  Tri text;
  // Shown in French whatever the language, even an unknown one: the import's
  // replacement notices, and our file-failure messages, which must never be
  // silent.
  bool everyLanguage = false;
};

// One row per Msg value, in the order of the enumeration.
constexpr MessageRow kMessages[] = {
    {Msg::FirstUse, "Premiere installation, vous devez entrer votre Indicatif",
     "First, you must enter your callsign", "Prima installazione devi immettere il tuo nominativo"},
    {Msg::CallsignEmpty, "Entrez un indicatif", "Enter your call", "Immettere un nominativo"},
    {Msg::CallsignTooLong, "12 caracteres maxi pour l'indicatif", "12 characters maximum for the callsign",
     "12 caratteri max per il nominativo"},
    {Msg::PrefixEmpty, "Entrez un Diplome", "Enter a Award", "Immettere un Diploma"},
    {Msg::PrefixTooLong, "4 caracteres maxi pour le Diplome", "4 characters max for the Award",
     "4 caratteri max per il Diploma"},
    {Msg::ReferenceEmpty, "Entrez une Reference", "Enter a Reference", "Immettere un Referenze"},
    {Msg::ReferenceTooLong, "5 caracteres maxi pour la reference", "5 characters max for reference",
     "Max 5 caratteri per la referenza"},
    {Msg::AlreadyContacted, "Chateau deja contacté le ", "Chateau already contacted ", "Castelli collegati le "},
    {Msg::DateEmpty, "Entrez une date", "Enter a date", "Immettere una data"},
    {Msg::DateFormat, "Le format de la date doit etre JJ/MM/AA", "The date format should be DD / MM / YY",
     "Il formato della data dev'essere GG/MM/AA"},
    {Msg::TimeEmpty, "Entrez une Heure", " Enter the time", "Immettere una Ora"},
    {Msg::TimeFormat, "Le format de l'heure doit etre HH:MM", "The time format should be HH:MM",
     "Il formato dell'ora dev'essere HH:MM"},
    {Msg::ModeEmpty, "Entrez un Mode", "Enter a mode", "Immettere un Modo"},
    {Msg::ModeTooLong, "6 caracteres maxi pour le Mode", "6 characters max for Mode", "6 caratteri max per il Modo"},
    {Msg::BandEmpty, "Entrez une QRG", "Enter a QRG", "Immettere una QRG"},
    {Msg::BandTooLong, "7 caracteres maxi pour la QRG", "7 characters or less for the QRG",
     "7 caratteri max per il QRG"},
    {Msg::ReportEmpty, "Entrez un Report", "Enter a Report", "Immettere un Rapporto"},
    {Msg::ReportTooLong, "3 caracteres maxi pour le Report", "3 characters max for the Report",
     "3 caratteri max per il Rapporto"},
    {Msg::RstReceivedReadability, "R de(RST)doit etre compris entre 0 et 5", "R (RST) must be between 0 and 5",
     "R di(RST) : solo valori tra 0 e 5)"},
    {Msg::RstSentReadability, "R (de RST)doit etre compris entre 0 et 5", "R (RST) must be between 0 and 5",
     "R (di RST) : solo valori tra 0 e 5)"},
    {Msg::CastleNameTooLong, "60 caracteres maxi pour le nom du Chateau",
     "Maximum 60 characters for the name of Castel", "Max 60caratteri per il nome del Castello"},
    {Msg::ClickNoLine, "Cliquez sur une ligne pour l'editer", "Click a QSO to edit",
     "Cliccare su una linea per editarla"},
    {Msg::DoubleClickNoLine, "Cliquez sur un QSO pour l'editer", "Click a QSO to edit",
     "Cliccare su una QSO per editarla"},
    {Msg::DeleteNoLine, "Cliquez sur un QSO pour l'annuler", "Click on a QSO to cancel",
     "Cliccare su una QSO per annullarla"},
    {Msg::SaveQuestion, "Voulez vous enregistrer ces données ?", "You want to save the data? ",
     "Vuoi registrare questi dati?"},
    {Msg::DeleteQuestion, "Voulez vous Supprimer ce QSO ?", "Do you want to delete this QSO?",
     "Volete eliminare queso QSO ?"},
    {Msg::EntryNew, "Saisie QSO", "Enter QSO", "Aggiunta QSO"},
    {Msg::EntryNewAfterSwitch, "Saisie QSO", "Entering QSO", "Aggiunta QSO"},
    {Msg::EntryInsert, "Insertion QSO", "insert QSO", "Immissione QSO"},
    {Msg::EntryChange, "Modification QSO", "Changing QSO", "Modifica QSO"},
    {Msg::EntryDeleting, "Suppression QSO", "Delete QSO", "Eliminazione QSO"},
    {Msg::DateRealTime, "en temps réel", "in realtime", "in tempo reale"},
    {Msg::DateDeferred, "en Differé", "in deferred", "in differisce"},
    // The header is drawn over the fixed-pitch list; its blanks are kept as
    // the operators know them.
    {Msg::ListHeader,
     "     N°   Indicatif                    Ref         Date      QTR  Mode   QRG    RstR RstE                   Mom du Chateau                                                         QSL",
     "     N°   Callsign                     Ref         Date      QTR  Mode   QRG    RstR RstE                   Castel name                                                               QSL",
     "     N°   Nominativo               Ref         Data      QTR  Modo   QRG    RstR RstE                   Nome del Castello                                                      QSL"},
    {Msg::StationEmpty, "Vous devez entrer un indicatif", "You must enter your call", "Devi immettere un nominativo"},
    {Msg::StationTooLong, "12 caracteres maxi pour l'indicatif", "12 characters maximum for the callsign",
     "12 caratteri max per il nominativo"},
    {Msg::StationBadCharacter, "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ",
     "The callsign should contain only letters, numbers or the sign '_'",
     "Il nominativo ammette solo lettere, cifre, ed il signo '_'"},
    {Msg::ExportTitle, "Exportation du log de la station %1 au format ADIF",
     "Exporting the log of the station %1 to ADIF format", "Esportare il Log della stazione %1 in formato ADIF"},
    {Msg::ExportDone, "Le fichier a été enregistré sous le nom : ", "The file was registered under the name : ",
     "Il file è stato registrato con il nome di : "},
    {Msg::ImportNoFile, "selectionnez un fichier ou quitter", "select a file or leave", "selezionare un file o lasciare"},
    // The import messages below are ours.
    {Msg::ImportUnreadable, "Ce fichier ne peut pas être lu, rien n'a été importé : ",
     "This file cannot be read, nothing was imported: ", "Impossibile leggere questo file, nulla è stato importato: "},
    {Msg::ImportNoRecord, "Ce fichier ne contient aucun QSO (aucun <EOR>) : rien n'a été importé.",
     "This file holds no QSO (no <EOR>): nothing was imported.",
     "Questo file non contiene alcun QSO (nessun <EOR>): nulla è stato importato."},
    {Msg::ImportNotAdif, "Ce fichier n'est pas un fichier ADIF lisible : rien n'a été importé.",
     "This is not a readable ADIF file: nothing was imported.",
     "Questo non è un file ADIF leggibile: nulla è stato importato."},
    {Msg::ImportTooLate, "Le premier QSO du fichier est daté après le 31/12/2050 : rien n'a été importé.",
     "The first QSO of the file is dated after 31/12/2050: nothing was imported.",
     "Il primo QSO del file è datato dopo il 31/12/2050: nulla è stato importato."},
    {Msg::ImportSummary, "Champs absents remplacés : %1.", "Missing fields replaced: %1.",
     "Campi mancanti sostituiti: %1."},
    {Msg::NoticeCallsign, FrenchOnly("Indicatif absent, remplacé par FXXXX"), true},
    {Msg::NoticeDate, FrenchOnly("Date absente, remplacée par 01/01/2000"), true},
    {Msg::NoticeTime, FrenchOnly("Heure absente, remplacée par 00:00"), true},
    {Msg::NoticeBand, FrenchOnly("Bande absente, remplacée par 1.8 Mhz"), true},
    {Msg::FileReadFailed,
     {"Impossible de lire ce fichier :", "This file could not be read:", "Impossibile leggere questo file:"},
     true},
    {Msg::FileWriteFailed,
     {"Impossible d'écrire ce fichier ; il n'a pas été modifié :", "This file could not be written; it is unchanged:",
      "Impossibile scrivere questo file; non è stato modificato:"},
     true},
    {Msg::SearchCallsignEmpty, "Entrez un indicatif", "Enter a call", "Immettere un nominativo"},
    {Msg::SearchReferenceTooLong, "10 caracteres maxi pour la reference", "10 characters max for reference",
     "Max 10 caratteri per la referenza"},
    {Msg::SearchCountryEmpty, "Entrez un Pays", "Enter a Country", "Immettere un Paese"},
    {Msg::SearchNotFound, "Pas de QSO trouvé", "No QSO found", "Nessun qso trovato"},
};

constexpr bool messagesInEnumOrder() {
  if (std::size(kMessages) != std::size_t(kMsgCount)) return false;
  for (std::size_t i = 0; i < std::size(kMessages); ++i)
    if (kMessages[i].id != Msg(i)) return false;
  return true;
}
static_assert(messagesInEnumOrder(), "kMessages must hold one row per Msg, in enumeration order");

constexpr CaptionRow kMainCaptions[] = {
    {"Liste_KTL", "Cliquez sur une ligne pour l'editer ou l'annuler", "Click a QSO to edit or cancel",
     "Cliccare su una linea per editarla o annullarla", true},
    {"Frame3", "Saisie ou modification d'un QSO", "Entering or changing a QSO", "Inserire o modificare un QSO", false},
    {"Label2", "Indicatif de la station  :  ", "Callsign of the station  :  ", "Stazione nominativo : ", false},
    {"Label3", "QSL R", "QSL R", "QSL R", false},
    {"Label8", "Indicatif", "call", "Nominativo", false},
    {"Label36", "Pays", "Country", "Paese", false},
    {"Label1", "Ref Chateau", "Ref Castel", "Ref Castello", false},
    {"Label5", "Date", "Date", "Data", false},
    {"Label40", "Heure UTC", "Time UTC", "Ora UTC", false},
    {"Label16", "Mode", "Mode", "Modo", false},
    {"Label4", "Nom du Chateau (optionel)", "Name of Castel (optional)", "Nome del Castello (opzionale)", false},
    {"Label10", "Bande", "Band", "Banda", false},
    {"L_Communes", "Un click sur un QSO pour l'afficher ou le supprimer, un double click pour l'éditer",
     "A click on a QSO to view or delete it, double-click to edit",
     "Un clic su un QSO per visualizzare o eliminare, fare doppio clic per modificare", false},
    {"Mnu_Fichier", "Fichier", "File", "File", false},
    // The Italian wording of this item and of Mnu_Anglais is ours.
    {"Mnu_Quitter", "Quitter ORB_KTL", "Exit ORB_KTL", "Esci da ORB_KTL", false},
    {"Mnu_Import_ADIF", "Importer un fichier au format ADIF", "Import the log in ADIF format",
     "Importazione un file log .ADIF", false},
    {"Mnu_Export_ADIF", "Exporter le log au format ADIF", "Export the log in ADIF format",
     "Esportare il log in formato ADIF", false},
    {"mnu_Langue", "Langage", "Language", "Lingua", false},
    {"Mnu_Francais", "Francais", "French", "Francese", false},
    {"Mnu_Anglais", "Anglais", "English", "Inglese", false},
    {"Mnu_Italien", "Italien", "Italian", "Italiano", false},
    {"Mnu_Station", "Station", "Callsign", "Stazione", false},
    {"Mnu_New_Indicatif", "Nouvel Indicatif", "New callsign", "Nuovo Nominativo", false},
    {"Mnu_Affichage", "Affichage", "Display", "Display", false},
    {"Mnu_Aff_Contact", "Alphanumerique des Chateaux d'un diplome", "Alphanumeric Castel of a award",
     "Alfanumerico Chateaux di un diploma", false},
    {"Mnu_Aide", "Aide", "Help", "Aiuto", false},
    {"Mnu_A_Propos", "A propos", "About", "Programma", false},
    {"Mnu_Historique", "Historique", "historic", "Storico", false},
    {"Mnu_Aff_Prefixes", "des préfixes contactés", "contacts prefix", "prefisso contatti", false},
    {"Mnu_Edit_Pays", "Editer un préfixe", "Edit a prefix", "Modifica di un prefisso", false},
    {"Annule_Saisie", "Supprimer un QSO", "Delete a QSO", "Cancella un QSO", false},
    {"Valide_A", "Valider le QSO", "Validate QSO", "Convalida QSO", false},
    {"Efface_A", "Effacer saisie en cours", "Clear current input", "Cancella inserzione", false},
    {"Rechercher", "Rechercher un QSO", "Search a QSO", "Trova QSO", false},
    {"Insert_Saisie", "Inserer un QSO", "Insert a QSO", "Immetti QSO", false},
};

constexpr CaptionRow kStationCaptions[] = {
    {"Station", "Selection Indicaif", "Callsign selection", "Selezione Nominativo", false},
    {"Label2", "Indicatif de la Station", "Callsign of the Station", "Nominativo della Stazione", false},
    {"Label3", "Indicatif", "Callsign", "Nominativo", false},
    {"Label5", "!!! Pour la saisie la '/' est remplacée par le '_'", "!!! To capture the '/' is replaced by the '_'",
     "!!! In entra la '/' è sostituita da '_'", false},
    {"Validation", "Validez", "confirm", "Convalida", false},
};

constexpr CaptionRow kImportCaptions[] = {
    {"Import_ADIF", "Importation d'un fichier ADIF", "Importing an ADIF file", "importazione di un file ADIF", false},
    {"Label11", "Importation d'un fichier ADIF", "Importing an ADIF file", "Importazione di un file ADIF", false},
    {"Label2", "Attention la référence du Chateau doit comporter :",
     "Please note the reference of the Castle must include :",
     "Si prega di notare il riferimento del castello deve includere :", false},
    {"Label1", "Le Pays + le signe moins + le numéro du Chateau", "Country + minus sign + Castel number",
     "Paese + segno meno + numero Castello", false},
    {"Label3", "Exemple OK-08815  ou  F-01051", "Example OK-08815  or  F-01051", "esempio OK-08815  dove  F-01051",
     false},
    {"Label5", "Référence du chateau dans <SIG> et nom du chateau dans <SIG_INFO>",
     "Castle reference in <SIG> and name of the castle in <SIG_INFO>",
     "Riferimento castello in <SIG> e il nome del castello in <SIG_INFO>", false},
    {"Messages_Remplacement", "Un message par champ remplacé", "One message per replaced field",
     "Un messaggio per ogni campo sostituito", false},
    {"SIG_Diplome", "SIG = diplôme, SIG_INFO = référence", "SIG = award, SIG_INFO = reference",
     "SIG = diploma, SIG_INFO = referenza", false},
    {"Importer", "Importer le fichier", "Importing file", "Importa file", false},
};

constexpr CaptionRow kSearchCaptions[] = {
    {"Recherche_Indicatif", "Rechercher un QSO", "Search a QSO", "Ricercare un QSO"},
    {"Label3", "Rechercher un QSO par ...", "Search a QSO by ...", "Ricerca QSO per ..."},
    {"Option1(1)", "Station", "Callsign", "Nominativo"},
    // The Italian wording of the reference option is ours.
    {"Option1(2)", "Reference", "Reference", "Referenza"},
    {"Option1(3)", "Pays", "Country", "Paese"},
    {"Command1", "Quitter", "Exit", "Chiudi"},
    {"Label13",
     "     N°   Indicatif                   Ref          Date      QTR  Mode   QRG    RstR RstE                   Mom du Chateau                                                        QSL",
     "     N°   Callsign                    Ref         Date      QTR  Mode   QRG    RstR RstE                   Castle Name                                                               QSL",
     "      N°   Nominativo             Ref          Date      QTR  Mode   QRG    RstR RstE                   Nome del Castello                                                       QSL"},
};

std::optional<QString> wrapFirstUse(Language language, bool trailingBreakInEnglish) {
  const auto text = message(Msg::FirstUse, language);
  if (!text) return std::nullopt;
  const QString breakText = QStringLiteral("\r\n");
  const bool trailing = language != Language::English || trailingBreakInEnglish;
  return breakText + *text + (trailing ? breakText : QString());
}

}  // namespace

QString pick(const Tri& text, Language language) {
  switch (language) {
    case Language::French: return QString::fromUtf8(text.french);
    case Language::English: return QString::fromUtf8(text.english);
    case Language::Italian: return QString::fromUtf8(text.italian);
    case Language::Other: break;
  }
  return {};
}

Language languageFromSetting(const QString& value) {
  if (value == u"Francais") return Language::French;
  if (value == u"Anglais") return Language::English;
  if (value == u"Italien") return Language::Italian;
  return Language::Other;
}

QString settingFromLanguage(Language language) {
  return pick({"Francais", "Anglais", "Italien"}, language);
}

std::optional<QString> message(Msg msg, Language language) {
  const MessageRow& row = kMessages[std::size_t(msg)];
  if (row.everyLanguage && language == Language::Other) language = Language::French;
  QString text = pick(row.text, language);
  if (text.isNull()) return std::nullopt;
  return text;
}

std::optional<QString> alreadyContactedMessage(const QString& date, Language language) {
  auto text = message(Msg::AlreadyContacted, language);
  if (text) *text += date;
  return text;
}

std::optional<QString> firstUseAtStartup(Language language) { return wrapFirstUse(language, true); }
std::optional<QString> firstUseOnKey(Language language) { return wrapFirstUse(language, false); }

QString captionText(const CaptionRow& row, Language language) { return pick(row.text, language); }

std::span<const CaptionRow> mainCaptions() { return kMainCaptions; }
std::span<const CaptionRow> stationCaptions() { return kStationCaptions; }
std::span<const CaptionRow> importCaptions() { return kImportCaptions; }
std::span<const CaptionRow> searchCaptions() { return kSearchCaptions; }

std::optional<QString> replacementSummary(const std::array<qsizetype, 4>& n, Language language) {
  // Each count with its noun in the right number ("1 bande", "2 bandes").
  static constexpr CountedNoun kNouns[4] = {
      {{"%1 indicatif (FXXXX)", "%1 callsign (FXXXX)", "%1 nominativo (FXXXX)"},
       {"%1 indicatifs (FXXXX)", "%1 callsigns (FXXXX)", "%1 nominativi (FXXXX)"}},
      {{"%1 date (01/01/2000)", "%1 date (01/01/2000)", "%1 data (01/01/2000)"},
       {"%1 dates (01/01/2000)", "%1 dates (01/01/2000)", "%1 date (01/01/2000)"}},
      {{"%1 heure (00:00)", "%1 time (00:00)", "%1 ora (00:00)"},
       {"%1 heures (00:00)", "%1 times (00:00)", "%1 ore (00:00)"}},
      {{"%1 bande (1.8 Mhz)", "%1 band (1.8 Mhz)", "%1 banda (1.8 Mhz)"},
       {"%1 bandes (1.8 Mhz)", "%1 bands (1.8 Mhz)", "%1 bande (1.8 Mhz)"}},
  };
  auto text = message(Msg::ImportSummary, language);
  QStringList parts;
  for (int i = 0; i < 4; ++i)
    if (n[i] > 0) parts << countedText(n[i], kNouns[i], language);
  if (!text || parts.isEmpty()) return std::nullopt;
  *text = text->arg(parts.join(QStringLiteral(", ")));
  return text;
}

QString countedText(qsizetype n, const CountedNoun& noun, Language language) {
  // French counts 0 and 1 in the singular; English and Italian 1 only.
  const bool one = language == Language::French ? n <= 1 : n == 1;
  return pick(one ? noun.one : noun.many, language).arg(n);
}

QString listHeader(Language language) { return message(Msg::ListHeader, language).value_or(QString()); }

QString entryStateCaption(EntryState state, Language language, StateCaptionSource source) {
  Msg msg = Msg::EntryNew;
  switch (state) {
    case EntryState::New:
      msg = source == StateCaptionSource::LanguageSwitch ? Msg::EntryNewAfterSwitch : Msg::EntryNew;
      break;
    case EntryState::Insert: msg = Msg::EntryInsert; break;
    case EntryState::Change: msg = Msg::EntryChange; break;
    case EntryState::Deleting: msg = Msg::EntryDeleting; break;
  }
  return message(msg, language).value_or(QString());
}

QString dateEntryCaption(bool realTime, Language language) {
  return message(realTime ? Msg::DateRealTime : Msg::DateDeferred, language).value_or(QString());
}

QString fileErrorMessage(Language language, FileAction action, const QString& path, const QString& detail) {
  const QString head = *message(action == FileAction::Read ? Msg::FileReadFailed : Msg::FileWriteFailed, language);
  return head + QStringLiteral("\r\n") + path + QStringLiteral("\r\n") + detail;
}

}  // namespace ktl
