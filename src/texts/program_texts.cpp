#include "texts/program_texts.h"

#include "adif/adif_export.h"

#include <QStringList>

namespace ktl {

namespace {

constexpr CaptionRow kFileMenuCaptions[] = {
    {"Mnu_Export_ADIF_Standard",
     {"Exporter le log au format ADIF standard (3.1)", "Export the log in standard ADIF (3.1)",
      "Esportare il log in formato ADIF standard (3.1)"}},
    {"Mnu_Sauvegardes",
     {"Ouvrir le dossier des sauvegardes", "Open the backups folder", "Aprire la cartella dei backup"}},
};

constexpr Tri kBackupFailed{"La sauvegarde du jour du log n'a pas pu être faite :",
                            "Today's backup of the log could not be made:",
                            "Il backup del giorno del log non è stato fatto:"};
constexpr Tri kBackupFolder{"Les sauvegardes sont dans le dossier : ", "The backups are in the folder: ",
                            "I backup sono nella cartella: "};
// Who holds the lock of a log this window shows read-only.
constexpr Tri kHeldByWindow{"ouvert dans une autre fenêtre d'ORB_KTL (processus %1)",
                            "open in another ORB_KTL window (process %1)",
                            "aperto in un'altra finestra di ORB_KTL (processo %1)"};
constexpr Tri kHeldByImport{"en cours d'import par orb-ktl en ligne de commande (processus %1)",
                            "being imported into by orb-ktl on the command line (process %1)",
                            "in corso di importazione da orb-ktl da riga di comando (processo %1)"};
constexpr Tri kLockFailed{"son verrou n'a pas pu être pris : %1", "its lock could not be taken: %1",
                          "il suo blocco non ha potuto essere preso: %1"};
constexpr Tri kReadOnlyState{"Log en lecture seule : %1", "Log read-only: %1", "Log in sola lettura: %1"};
constexpr Tri kReadOnlyBox{
    "Ce log est %1.\r\nIl est affiché en lecture seule : rien n'y sera écrit tant qu'il n'est pas libre. "
    "ORB_KTL le reprendra dès qu'il le sera.",
    "This log is %1.\r\nIt is shown read-only: nothing will be written to it until it is free. ORB_KTL will "
    "take it over as soon as it is.",
    "Questo log è %1.\r\nÈ mostrato in sola lettura: nulla vi sarà scritto finché non è libero. ORB_KTL lo "
    "riprenderà appena lo sarà."};
constexpr Tri kWriteRefused{"Rien n'a été écrit : le log est %1.", "Nothing was written: the log is %1.",
                            "Nulla è stato scritto: il log è %1."};
constexpr Tri kLogHeldByImport{
    "Le log de %1 est en cours d'import par un autre orb-ktl (processus %2). Rien n'a été importé.",
    "The log of %1 is being imported into by another orb-ktl (process %2). Nothing was imported.",
    "Il log di %1 è in corso di importazione da un altro orb-ktl (processo %2). Nulla è stato importato."};
constexpr Tri kLockFailedCommandLine{
    "Le verrou du log de %1 (%2) n'a pas pu être pris : %3. Rien n'a été importé.",
    "The lock of the log of %1 (%2) could not be taken: %3. Nothing was imported.",
    "Il blocco del log di %1 (%2) non ha potuto essere preso: %3. Nulla è stato importato."};
constexpr Tri kSettingsWriteFailed{"Les réglages n'ont pas pu être enregistrés dans %1 : %2",
                                   "The settings could not be saved in %1: %2",
                                   "Le impostazioni non hanno potuto essere registrate in %1: %2"};
constexpr Tri kStoredStationRefused{
    "L'indicatif de station des réglages (%1) n'est pas un indicatif : aucun fichier n'a été ouvert. Choisissez "
    "la station.",
    "The station callsign in the settings (%1) is not a callsign: no file was opened. Choose the station.",
    "L'indicativo di stazione delle impostazioni (%1) non è un indicativo: nessun file è stato aperto. Scegliete "
    "la stazione."};
constexpr Tri kLogHeldByWindow{
    "Le log de %1 est ouvert dans une fenêtre d'ORB_KTL (processus %2) : fermez-la ou importez depuis elle. "
    "Rien n'a été importé.",
    "The log of %1 is open in an ORB_KTL window (process %2): close that window or import from it. Nothing was "
    "imported.",
    "Il log di %1 è aperto in una finestra di ORB_KTL (processo %2): chiuderla o importare da essa. Nulla è "
    "stato importato."};
constexpr Tri kStandardExportDone{"Le fichier ADIF standard a été enregistré sous : ",
                                  "The standard ADIF file was saved as: ",
                                  "Il file ADIF standard è stato registrato come: "};

}  // namespace

std::span<const CaptionRow> fileMenuCaptions() { return kFileMenuCaptions; }

const Tri& programText(ProgramText id) {
  switch (id) {
    case ProgramText::BackupFailed: return kBackupFailed;
    case ProgramText::BackupFolder: return kBackupFolder;
    case ProgramText::HeldByWindow: return kHeldByWindow;
    case ProgramText::HeldByImport: return kHeldByImport;
    case ProgramText::LockFailed: return kLockFailed;
    case ProgramText::ReadOnlyState: return kReadOnlyState;
    case ProgramText::ReadOnlyBox: return kReadOnlyBox;
    case ProgramText::WriteRefused: return kWriteRefused;
    case ProgramText::LogHeldByImport: return kLogHeldByImport;
    case ProgramText::LockFailedCommandLine: return kLockFailedCommandLine;
    case ProgramText::StoredStationRefused: return kStoredStationRefused;
    case ProgramText::LogHeldByWindow: return kLogHeldByWindow;
    case ProgramText::StandardExportDone: break;
  }
  return kStandardExportDone;
}

QString settingsWriteFailedMessage(const QString& file, const QString& reason, Language language) {
  return pick(kSettingsWriteFailed, language == Language::Other ? Language::French : language).arg(file, reason);
}

namespace {

std::optional<QString> filled(const Tri& head, Language language, const QStringList& args) {
  QString text = pick(head, language);
  if (text.isNull()) return std::nullopt;
  for (const QString& a : args) text = text.arg(a);
  return text;
}

constexpr CountedNoun kModesCut{{"%1 mode coupé à trois lettres", "%1 mode cut to three letters",
                                 "%1 modo tagliato a tre lettere"},
                                {"%1 modes coupés à trois lettres", "%1 modes cut to three letters",
                                 "%1 modi tagliati a tre lettere"}};
constexpr CountedNoun kBandsOutside{{"%1 bande hors de la table (mise à 1.8 Mhz)",
                                     "%1 band not in the table (put as 1.8 Mhz)",
                                     "%1 banda fuori tabella (messa a 1.8 Mhz)"},
                                    {"%1 bandes hors de la table (mises à 1.8 Mhz)",
                                     "%1 bands not in the table (put as 1.8 Mhz)",
                                     "%1 bande fuori tabella (messe a 1.8 Mhz)"}};
constexpr Tri kImportCuts{"Ce que les colonnes du log n'ont pas pu garder : %1, %2.",
                          "What the log's columns could not keep: %1, %2.",
                          "Ciò che le colonne del log non hanno potuto tenere: %1, %2."};
constexpr CountedNoun kImported{{"%1 QSO importé de %2 dans %3", "%1 QSO imported from %2 into %3",
                                 "%1 QSO importato da %2 in %3"},
                                {"%1 QSO importés de %2 dans %3", "%1 QSOs imported from %2 into %3",
                                 "%1 QSO importati da %2 in %3"}};
constexpr CountedNoun kSigNotCastle{
    {"%1 enregistrement dont le SIG ne nomme pas un diplôme de châteaux (WWFF, POTA, SOTA...) : colonnes du "
     "château laissées vides, SIG et SIG_INFO gardés à côté du log.",
     "%1 record whose SIG names no castle award (WWFF, POTA, SOTA...): castle columns left empty, SIG and "
     "SIG_INFO kept beside the log.",
     "%1 record il cui SIG non nomina un diploma di castelli (WWFF, POTA, SOTA...): colonne del castello "
     "lasciate vuote, SIG e SIG_INFO conservati accanto al log."},
    {"%1 enregistrements dont le SIG ne nomme pas un diplôme de châteaux (WWFF, POTA, SOTA...) : colonnes du "
     "château laissées vides, SIG et SIG_INFO gardés à côté du log.",
     "%1 records whose SIG names no castle award (WWFF, POTA, SOTA...): castle columns left empty, SIG and "
     "SIG_INFO kept beside the log.",
     "%1 record il cui SIG non nomina un diploma di castelli (WWFF, POTA, SOTA...): colonne del castello "
     "lasciate vuote, SIG e SIG_INFO conservati accanto al log."}};
constexpr CountedNoun kExtrasKept{
    {"%1 enregistrement complet gardé à côté du log dans %2", "%1 full record kept beside the log in %2",
     "%1 record completo conservato accanto al log in %2"},
    {"%1 enregistrements complets gardés à côté du log dans %2", "%1 full records kept beside the log in %2",
     "%1 record completi conservati accanto al log in %2"}};

constexpr Tri kGapsHead{"Export standard : %1 sans un champ dont la valeur n'est pas connue (aucune n'est "
                        "inventée) : %2.",
                        "Standard export: %1 without a field whose value is not known (none is made up): %2.",
                        "Esportazione standard: %1 senza un campo il cui valore non è noto (nessuno viene "
                        "inventato): %2."};
constexpr CountedNoun kGapQsos{{"%1 QSO écrit", "%1 QSO written", "%1 QSO scritto"},
                               {"%1 QSO écrits", "%1 QSOs written", "%1 QSO scritti"}};
// After the count of QSOs, whatever the number.
constexpr Tri kGapNouns[] = {
    {"%1 sans indicatif (FXXXX à l'import)", "%1 without callsign (FXXXX at import)",
     "%1 senza nominativo (FXXXX all'importazione)"},
    {"%1 sans date (absente du fichier ou invalide)", "%1 without date (not in the file, or not a date)",
     "%1 senza data (assente dal file o non valida)"},
    {"%1 sans heure (absente du fichier ou invalide)", "%1 without time (not in the file, or not a time)",
     "%1 senza ora (assente dal file o non valida)"},
    {"%1 sans bande (ni bande ADIF ni fréquence connue)", "%1 without band (no ADIF band nor frequency known)",
     "%1 senza banda (né banda ADIF né frequenza nota)"},
    {"%1 sans mode (hors de la liste ADIF, ou trois lettres qui en nomment plusieurs)",
     "%1 without mode (not in the ADIF list, or three letters that name several)",
     "%1 senza modo (fuori dall'elenco ADIF, o tre lettere che ne indicano diversi)"},
    {"%1 sans report (XX à l'import)", "%1 without report (XX at import)", "%1 senza rapporto (XX all'importazione)"},
};

constexpr Tri kExtrasUnusable{
    "Le fichier des enregistrements complets des QSO ne peut pas servir (ce n'est pas le sien ou il est abîmé) :",
    "The file of the QSOs' full records cannot be used (it is not ours, or it is damaged):",
    "Il file dei record completi dei QSO non può essere usato (non è il suo, o è danneggiato):"};
constexpr Tri kExtrasNotWritten{"Le fichier des enregistrements complets des QSO n'a pas pu être écrit :",
                                "The file of the QSOs' full records could not be written:",
                                "Il file dei record completi dei QSO non è stato scritto:"};
constexpr Tri kExtrasLogSafe{
    "Le log n'en souffre pas : chaque QSO y est enregistré ; l'export standard se contente alors des lignes du "
    "log.",
    "The log does not suffer from it: every QSO is written to it; the standard export then makes do with the "
    "log's lines.",
    "Il log non ne risente: ogni QSO vi è registrato; l'esportazione standard si accontenta allora delle righe "
    "del log."};
constexpr Tri kExtrasStartNew{"Renommez ou supprimez ce fichier pour en commencer un nouveau.",
                              "Rename or remove that file to start a new one.",
                              "Rinominate o eliminate quel file per iniziarne uno nuovo."};

}  // namespace

std::optional<QString> importCutsSummary(qsizetype modesCut, qsizetype bandsUnknown, Language language) {
  return filled(kImportCuts, language,
                {countedText(modesCut, kModesCut, language), countedText(bandsUnknown, kBandsOutside, language)});
}

std::optional<QString> importedText(qsizetype qsos, const QString& file, const QString& log, Language language) {
  QString text = countedText(qsos, kImported, language);
  if (text.isNull()) return std::nullopt;
  return text.arg(file, log);
}

std::optional<QString> sigNotCastleSummary(qsizetype records, Language language) {
  const QString text = countedText(records, kSigNotCastle, language);
  if (text.isNull()) return std::nullopt;
  return text;
}

std::optional<QString> extrasKeptText(qsizetype records, const QString& path, Language language) {
  const QString text = countedText(records, kExtrasKept, language);
  if (text.isNull()) return std::nullopt;
  return text.arg(path);
}

std::optional<QString> exportGapsSummary(const StandardExportGaps& gaps, Language language) {
  if (gaps.qsos == 0) return std::nullopt;
  const qsizetype counts[] = {gaps.call, gaps.date, gaps.time, gaps.band, gaps.mode, gaps.report};
  QStringList parts;
  for (std::size_t i = 0; i < std::size(counts); ++i)
    if (counts[i] > 0) parts << pick(kGapNouns[i], language).arg(counts[i]);
  return filled(kGapsHead, language, {countedText(gaps.qsos, kGapQsos, language), parts.join(QStringLiteral(", "))});
}

QString extrasTroubleText(bool unusable, const QString& path, const QString& detail, Language language) {
  const QString head = pick(unusable ? kExtrasUnusable : kExtrasNotWritten, language);
  if (head.isNull()) return {};
  QString text = head + QStringLiteral("\r\n") + path + QStringLiteral("\r\n") + detail + QStringLiteral("\r\n") +
                 pick(kExtrasLogSafe, language);
  if (unusable) text += QStringLiteral(" ") + pick(kExtrasStartNew, language);
  return text;
}

}  // namespace ktl
