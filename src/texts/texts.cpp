// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/texts.h"

#include <QStringList>

#include <iterator>

namespace ktl {

namespace {

struct MessageRow {
  Msg id;
  Tx text;
  // Shown whatever the language, an unknown one in French (spoken()): the
  // import's replacement notices, French in every language, and our
  // file-failure messages, which must never be silent.
  bool everyLanguage = false;
};

// One row per Msg value, in the order of the enumeration.
constexpr MessageRow kMessages[] = {
    {Msg::FirstUse, QT_TRANSLATE_NOOP3("ORB_KTL", "Premiere installation, vous devez entrer votre Indicatif", "Msg/FirstUse")},
    {Msg::CallsignEmpty, QT_TRANSLATE_NOOP3("ORB_KTL", "Entrez un indicatif", "Msg/CallsignEmpty")},
    {Msg::CallsignTooLong, QT_TRANSLATE_NOOP3("ORB_KTL", "12 caracteres maxi pour l'indicatif", "Msg/CallsignTooLong")},
    {Msg::PrefixEmpty, QT_TRANSLATE_NOOP3("ORB_KTL", "Entrez un Diplome", "Msg/PrefixEmpty")},
    {Msg::PrefixTooLong, QT_TRANSLATE_NOOP3("ORB_KTL", "4 caracteres maxi pour le Diplome", "Msg/PrefixTooLong")},
    {Msg::ReferenceEmpty, QT_TRANSLATE_NOOP3("ORB_KTL", "Entrez une Reference", "Msg/ReferenceEmpty")},
    {Msg::ReferenceTooLong, QT_TRANSLATE_NOOP3("ORB_KTL", "5 caracteres maxi pour la reference", "Msg/ReferenceTooLong")},
    {Msg::AlreadyContacted, QT_TRANSLATE_NOOP3("ORB_KTL", "Chateau deja contacté le ", "Msg/AlreadyContacted")},
    {Msg::DateEmpty, QT_TRANSLATE_NOOP3("ORB_KTL", "Entrez une date", "Msg/DateEmpty")},
    {Msg::DateFormat, QT_TRANSLATE_NOOP3("ORB_KTL", "Le format de la date doit etre JJ/MM/AA", "Msg/DateFormat")},
    {Msg::TimeEmpty, QT_TRANSLATE_NOOP3("ORB_KTL", "Entrez une Heure", "Msg/TimeEmpty")},
    {Msg::TimeFormat, QT_TRANSLATE_NOOP3("ORB_KTL", "Le format de l'heure doit etre HH:MM", "Msg/TimeFormat")},
    {Msg::ModeEmpty, QT_TRANSLATE_NOOP3("ORB_KTL", "Entrez un Mode", "Msg/ModeEmpty")},
    {Msg::ModeTooLong, QT_TRANSLATE_NOOP3("ORB_KTL", "6 caracteres maxi pour le Mode", "Msg/ModeTooLong")},
    {Msg::BandEmpty, QT_TRANSLATE_NOOP3("ORB_KTL", "Entrez une QRG", "Msg/BandEmpty")},
    {Msg::BandTooLong, QT_TRANSLATE_NOOP3("ORB_KTL", "7 caracteres maxi pour la QRG", "Msg/BandTooLong")},
    {Msg::ReportEmpty, QT_TRANSLATE_NOOP3("ORB_KTL", "Entrez un Report", "Msg/ReportEmpty")},
    {Msg::ReportTooLong, QT_TRANSLATE_NOOP3("ORB_KTL", "3 caracteres maxi pour le Report", "Msg/ReportTooLong")},
    {Msg::RstReceivedReadability, QT_TRANSLATE_NOOP3("ORB_KTL", "R de(RST)doit etre compris entre 0 et 5", "Msg/RstReceivedReadability")},
    {Msg::RstSentReadability, QT_TRANSLATE_NOOP3("ORB_KTL", "R (de RST)doit etre compris entre 0 et 5", "Msg/RstSentReadability")},
    {Msg::CastleNameTooLong, QT_TRANSLATE_NOOP3("ORB_KTL", "60 caracteres maxi pour le nom du Chateau", "Msg/CastleNameTooLong")},
    {Msg::ClickNoLine, QT_TRANSLATE_NOOP3("ORB_KTL", "Cliquez sur une ligne pour l'editer", "Msg/ClickNoLine")},
    {Msg::DoubleClickNoLine, QT_TRANSLATE_NOOP3("ORB_KTL", "Cliquez sur un QSO pour l'editer", "Msg/DoubleClickNoLine")},
    {Msg::DeleteNoLine, QT_TRANSLATE_NOOP3("ORB_KTL", "Cliquez sur un QSO pour l'annuler", "Msg/DeleteNoLine")},
    {Msg::SaveQuestion, QT_TRANSLATE_NOOP3("ORB_KTL", "Voulez vous enregistrer ces données ?", "Msg/SaveQuestion")},
    {Msg::DeleteQuestion, QT_TRANSLATE_NOOP3("ORB_KTL", "Voulez vous Supprimer ce QSO ?", "Msg/DeleteQuestion")},
    {Msg::EntryNew, QT_TRANSLATE_NOOP3("ORB_KTL", "Saisie QSO", "Msg/EntryNew")},
    {Msg::EntryNewAfterSwitch, QT_TRANSLATE_NOOP3("ORB_KTL", "Saisie QSO", "Msg/EntryNewAfterSwitch")},
    {Msg::EntryInsert, QT_TRANSLATE_NOOP3("ORB_KTL", "Insertion QSO", "Msg/EntryInsert")},
    {Msg::EntryChange, QT_TRANSLATE_NOOP3("ORB_KTL", "Modification QSO", "Msg/EntryChange")},
    {Msg::EntryDeleting, QT_TRANSLATE_NOOP3("ORB_KTL", "Suppression QSO", "Msg/EntryDeleting")},
    {Msg::DateRealTime, QT_TRANSLATE_NOOP3("ORB_KTL", "en temps réel", "Msg/DateRealTime")},
    {Msg::DateDeferred, QT_TRANSLATE_NOOP3("ORB_KTL", "en Differé", "Msg/DateDeferred")},
    // The header is drawn over the fixed-pitch list; its blanks are kept as
    // the operators know them.
    {Msg::ListHeader,
     QT_TRANSLATE_NOOP3("ORB_KTL", "     N°   Indicatif                    Ref         Date      QTR  Mode   QRG    RstR RstE                   Mom du Chateau                                                         QSL", "Msg/ListHeader")},
    {Msg::StationEmpty, QT_TRANSLATE_NOOP3("ORB_KTL", "Vous devez entrer un indicatif", "Msg/StationEmpty")},
    {Msg::StationTooLong, QT_TRANSLATE_NOOP3("ORB_KTL", "12 caracteres maxi pour l'indicatif", "Msg/StationTooLong")},
    {Msg::StationBadCharacter, QT_TRANSLATE_NOOP3("ORB_KTL", "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ", "Msg/StationBadCharacter")},
    {Msg::ExportTitle, QT_TRANSLATE_NOOP3("ORB_KTL", "Exportation du log de la station %1 au format ADIF", "Msg/ExportTitle")},
    {Msg::ExportDone, QT_TRANSLATE_NOOP3("ORB_KTL", "Le fichier a été enregistré sous le nom : ", "Msg/ExportDone")},
    {Msg::ImportNoFile, QT_TRANSLATE_NOOP3("ORB_KTL", "selectionnez un fichier ou quitter", "Msg/ImportNoFile")},
    // The import messages below are ours.
    {Msg::ImportUnreadable, QT_TRANSLATE_NOOP3("ORB_KTL", "Ce fichier ne peut pas être lu, rien n'a été importé : ", "Msg/ImportUnreadable")},
    {Msg::ImportNoRecord, QT_TRANSLATE_NOOP3("ORB_KTL", "Ce fichier ne contient aucun QSO (aucun <EOR>) : rien n'a été importé.", "Msg/ImportNoRecord")},
    {Msg::ImportNotAdif, QT_TRANSLATE_NOOP3("ORB_KTL", "Ce fichier n'est pas un fichier ADIF lisible : rien n'a été importé.", "Msg/ImportNotAdif")},
    {Msg::ImportTooLate, QT_TRANSLATE_NOOP3("ORB_KTL", "Le premier QSO du fichier est daté après le 31/12/2050 : rien n'a été importé.", "Msg/ImportTooLate")},
    {Msg::ImportSummary, QT_TRANSLATE_NOOP3("ORB_KTL", "Champs absents remplacés : %1.", "Msg/ImportSummary")},
    {Msg::NoticeCallsign, QT_TRANSLATE_NOOP3("ORB_KTL", "Indicatif absent, remplacé par FXXXX", "Msg/NoticeCallsign"), true},
    {Msg::NoticeDate, QT_TRANSLATE_NOOP3("ORB_KTL", "Date absente, remplacée par 01/01/2000", "Msg/NoticeDate"), true},
    {Msg::NoticeTime, QT_TRANSLATE_NOOP3("ORB_KTL", "Heure absente, remplacée par 00:00", "Msg/NoticeTime"), true},
    {Msg::NoticeBand, QT_TRANSLATE_NOOP3("ORB_KTL", "Bande absente, remplacée par 1.8 Mhz", "Msg/NoticeBand"), true},
    {Msg::FileReadFailed,
     QT_TRANSLATE_NOOP3("ORB_KTL", "Impossible de lire ce fichier :", "Msg/FileReadFailed"),
     true},
    {Msg::FileWriteFailed,
     QT_TRANSLATE_NOOP3("ORB_KTL", "Impossible d'écrire ce fichier ; il n'a pas été modifié :", "Msg/FileWriteFailed"),
     true},
    {Msg::SearchCallsignEmpty, QT_TRANSLATE_NOOP3("ORB_KTL", "Entrez un indicatif", "Msg/SearchCallsignEmpty")},
    {Msg::SearchReferenceTooLong, QT_TRANSLATE_NOOP3("ORB_KTL", "10 caracteres maxi pour la reference", "Msg/SearchReferenceTooLong")},
    {Msg::SearchCountryEmpty, QT_TRANSLATE_NOOP3("ORB_KTL", "Entrez un Pays", "Msg/SearchCountryEmpty")},
    {Msg::SearchNotFound, QT_TRANSLATE_NOOP3("ORB_KTL", "Pas de QSO trouvé", "Msg/SearchNotFound")},
};

constexpr bool messagesInEnumOrder() {
  if (std::size(kMessages) != std::size_t(kMsgCount)) return false;
  for (std::size_t i = 0; i < std::size(kMessages); ++i)
    if (kMessages[i].id != Msg(i)) return false;
  return true;
}
static_assert(messagesInEnumOrder(), "kMessages must hold one row per Msg, in enumeration order");

constexpr CaptionRow kMainCaptions[] = {
    {"Liste_KTL", QT_TRANSLATE_NOOP3("ORB_KTL", "Cliquez sur une ligne pour l'editer ou l'annuler", "Main/Liste_KTL (tooltip)"), true},
    {"Frame3", QT_TRANSLATE_NOOP3("ORB_KTL", "Saisie ou modification d'un QSO", "Main/Frame3"), false},
    {"Label2", QT_TRANSLATE_NOOP3("ORB_KTL", "Indicatif de la station  :  ", "Main/Label2"), false},
    {"Label3", QT_TRANSLATE_NOOP3("ORB_KTL", "QSL R", "Main/Label3"), false},
    {"Label8", QT_TRANSLATE_NOOP3("ORB_KTL", "Indicatif", "Main/Label8"), false},
    {"Label36", QT_TRANSLATE_NOOP3("ORB_KTL", "Pays", "Main/Label36"), false},
    {"Label1", QT_TRANSLATE_NOOP3("ORB_KTL", "Ref Chateau", "Main/Label1"), false},
    {"Label5", QT_TRANSLATE_NOOP3("ORB_KTL", "Date", "Main/Label5"), false},
    {"Label40", QT_TRANSLATE_NOOP3("ORB_KTL", "Heure UTC", "Main/Label40"), false},
    {"Label16", QT_TRANSLATE_NOOP3("ORB_KTL", "Mode", "Main/Label16"), false},
    {"Label4", QT_TRANSLATE_NOOP3("ORB_KTL", "Nom du Chateau (optionel)", "Main/Label4"), false},
    {"Label10", QT_TRANSLATE_NOOP3("ORB_KTL", "Bande", "Main/Label10"), false},
    {"L_Communes", QT_TRANSLATE_NOOP3("ORB_KTL", "Un click sur un QSO pour l'afficher ou le supprimer, un double click pour l'éditer", "Main/L_Communes"), false},
    {"Mnu_Fichier", QT_TRANSLATE_NOOP3("ORB_KTL", "Fichier", "Main/Mnu_Fichier"), false},
    // The Italian wording of this item and of Mnu_Anglais is ours.
    {"Mnu_Quitter", QT_TRANSLATE_NOOP3("ORB_KTL", "Quitter ORB_KTL", "Main/Mnu_Quitter"), false},
    {"Mnu_Import_ADIF", QT_TRANSLATE_NOOP3("ORB_KTL", "Importer un fichier au format ADIF", "Main/Mnu_Import_ADIF"), false},
    {"Mnu_Export_ADIF", QT_TRANSLATE_NOOP3("ORB_KTL", "Exporter le log au format ADIF", "Main/Mnu_Export_ADIF"), false},
    {"mnu_Langue", QT_TRANSLATE_NOOP3("ORB_KTL", "Langage", "Main/mnu_Langue"), false},
    {"Mnu_Francais", QT_TRANSLATE_NOOP3("ORB_KTL", "Francais", "Main/Mnu_Francais"), false},
    {"Mnu_Anglais", QT_TRANSLATE_NOOP3("ORB_KTL", "Anglais", "Main/Mnu_Anglais"), false},
    {"Mnu_Italien", QT_TRANSLATE_NOOP3("ORB_KTL", "Italien", "Main/Mnu_Italien"), false},
    {"Mnu_Allemand", QT_TRANSLATE_NOOP3("ORB_KTL", "Allemand", "Main/Mnu_Allemand"), false},
    {"Mnu_Station", QT_TRANSLATE_NOOP3("ORB_KTL", "Station", "Main/Mnu_Station"), false},
    {"Mnu_New_Indicatif", QT_TRANSLATE_NOOP3("ORB_KTL", "Nouvel Indicatif", "Main/Mnu_New_Indicatif"), false},
    {"Mnu_Affichage", QT_TRANSLATE_NOOP3("ORB_KTL", "Affichage", "Main/Mnu_Affichage"), false},
    {"Mnu_Aff_Contact", QT_TRANSLATE_NOOP3("ORB_KTL", "Alphanumerique des Chateaux d'un diplome", "Main/Mnu_Aff_Contact"), false},
    {"Mnu_Aide", QT_TRANSLATE_NOOP3("ORB_KTL", "Aide", "Main/Mnu_Aide"), false},
    {"Mnu_A_Propos", QT_TRANSLATE_NOOP3("ORB_KTL", "A propos", "Main/Mnu_A_Propos"), false},
    {"Mnu_Historique", QT_TRANSLATE_NOOP3("ORB_KTL", "Historique", "Main/Mnu_Historique"), false},
    {"Mnu_Aff_Prefixes", QT_TRANSLATE_NOOP3("ORB_KTL", "des préfixes contactés", "Main/Mnu_Aff_Prefixes"), false},
    {"Mnu_Edit_Pays", QT_TRANSLATE_NOOP3("ORB_KTL", "Editer un préfixe", "Main/Mnu_Edit_Pays"), false},
    {"Annule_Saisie", QT_TRANSLATE_NOOP3("ORB_KTL", "Supprimer un QSO", "Main/Annule_Saisie"), false},
    {"Valide_A", QT_TRANSLATE_NOOP3("ORB_KTL", "Valider le QSO", "Main/Valide_A"), false},
    {"Efface_A", QT_TRANSLATE_NOOP3("ORB_KTL", "Effacer saisie en cours", "Main/Efface_A"), false},
    {"Rechercher", QT_TRANSLATE_NOOP3("ORB_KTL", "Rechercher un QSO", "Main/Rechercher"), false},
    {"Insert_Saisie", QT_TRANSLATE_NOOP3("ORB_KTL", "Inserer un QSO", "Main/Insert_Saisie"), false},
};

constexpr CaptionRow kStationCaptions[] = {
    {"Station", QT_TRANSLATE_NOOP3("ORB_KTL", "Selection Indicaif", "Station/Station"), false},
    {"Label2", QT_TRANSLATE_NOOP3("ORB_KTL", "Indicatif de la Station", "Station/Label2"), false},
    {"Label3", QT_TRANSLATE_NOOP3("ORB_KTL", "Indicatif", "Station/Label3"), false},
    {"Label5", QT_TRANSLATE_NOOP3("ORB_KTL", "!!! Pour la saisie la '/' est remplacée par le '_'", "Station/Label5"), false},
    {"Validation", QT_TRANSLATE_NOOP3("ORB_KTL", "Validez", "Station/Validation"), false},
};

constexpr CaptionRow kImportCaptions[] = {
    {"Import_ADIF", QT_TRANSLATE_NOOP3("ORB_KTL", "Importation d'un fichier ADIF", "Import/Import_ADIF"), false},
    {"Label11", QT_TRANSLATE_NOOP3("ORB_KTL", "Importation d'un fichier ADIF", "Import/Label11"), false},
    {"Label2", QT_TRANSLATE_NOOP3("ORB_KTL", "Attention la référence du Chateau doit comporter :", "Import/Label2"), false},
    {"Label1", QT_TRANSLATE_NOOP3("ORB_KTL", "Le Pays + le signe moins + le numéro du Chateau", "Import/Label1"), false},
    {"Label3", QT_TRANSLATE_NOOP3("ORB_KTL", "Exemple OK-08815  ou  F-01051", "Import/Label3"),
     false},
    {"Label5", QT_TRANSLATE_NOOP3("ORB_KTL", "Référence du chateau dans <SIG> et nom du chateau dans <SIG_INFO>", "Import/Label5"), false},
    {"Messages_Remplacement", QT_TRANSLATE_NOOP3("ORB_KTL", "Un message par champ remplacé", "Import/Messages_Remplacement"), false},
    {"SIG_Diplome", QT_TRANSLATE_NOOP3("ORB_KTL", "SIG = diplôme, SIG_INFO = référence", "Import/SIG_Diplome"), false},
    {"Importer", QT_TRANSLATE_NOOP3("ORB_KTL", "Importer le fichier", "Import/Importer"), false},
};

constexpr CaptionRow kSearchCaptions[] = {
    {"Recherche_Indicatif", QT_TRANSLATE_NOOP3("ORB_KTL", "Rechercher un QSO", "Search/Recherche_Indicatif")},
    {"Label3", QT_TRANSLATE_NOOP3("ORB_KTL", "Rechercher un QSO par ...", "Search/Label3")},
    {"Option1(1)", QT_TRANSLATE_NOOP3("ORB_KTL", "Station", "Search/Option1(1)")},
    // The Italian wording of the reference option is ours.
    {"Option1(2)", QT_TRANSLATE_NOOP3("ORB_KTL", "Reference", "Search/Option1(2)")},
    {"Option1(3)", QT_TRANSLATE_NOOP3("ORB_KTL", "Pays", "Search/Option1(3)")},
    {"Command1", QT_TRANSLATE_NOOP3("ORB_KTL", "Quitter", "Search/Command1")},
    {"Label13",
     QT_TRANSLATE_NOOP3("ORB_KTL", "     N°   Indicatif                   Ref          Date      QTR  Mode   QRG    RstR RstE                   Mom du Chateau                                                        QSL", "Search/Label13")},
};

std::optional<QString> wrapFirstUse(Language language, bool trailingBreakInEnglish) {
  const auto text = message(Msg::FirstUse, language);
  if (!text) return std::nullopt;
  const QString breakText = QStringLiteral("\r\n");
  const bool trailing = language != Language::English || trailingBreakInEnglish;
  return breakText + *text + (trailing ? breakText : QString());
}

}  // namespace

std::optional<QString> message(Msg msg, Language language) {
  const MessageRow& row = kMessages[std::size_t(msg)];
  if (row.everyLanguage) language = spoken(language);
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
      {QT_TRANSLATE_NOOP3("ORB_KTL", "%1 indicatif (FXXXX)", "texts/Nouns/0/one"),
       QT_TRANSLATE_NOOP3("ORB_KTL", "%1 indicatifs (FXXXX)", "texts/Nouns/0/many")},
      {QT_TRANSLATE_NOOP3("ORB_KTL", "%1 date (01/01/2000)", "texts/Nouns/1/one"),
       QT_TRANSLATE_NOOP3("ORB_KTL", "%1 dates (01/01/2000)", "texts/Nouns/1/many")},
      {QT_TRANSLATE_NOOP3("ORB_KTL", "%1 heure (00:00)", "texts/Nouns/2/one"),
       QT_TRANSLATE_NOOP3("ORB_KTL", "%1 heures (00:00)", "texts/Nouns/2/many")},
      {QT_TRANSLATE_NOOP3("ORB_KTL", "%1 bande (1.8 Mhz)", "texts/Nouns/3/one"),
       QT_TRANSLATE_NOOP3("ORB_KTL", "%1 bandes (1.8 Mhz)", "texts/Nouns/3/many")},
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
  // French counts 0 and 1 in the singular; English, Italian and German 1 only.
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
