#include "texts/program_texts.h"

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
constexpr Tri kImportCuts{
    "Ce que les colonnes du log n'ont pas pu garder : %1 modes coupés à trois lettres, %2 bandes hors de la "
    "table (mises à 1.8 Mhz).",
    "What the log's columns could not keep: %1 modes cut to three letters, %2 bands not in the table (put as "
    "1.8 Mhz).",
    "Ciò che le colonne del log non hanno potuto tenere: %1 modi tagliati a tre lettere, %2 bande fuori tabella "
    "(messe a 1.8 Mhz)."};
constexpr Tri kImported{"%1 QSO importés de %2 dans %3", "%1 QSOs imported from %2 into %3",
                        "%1 QSO importati da %2 in %3"};
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
    case ProgramText::ImportCuts: return kImportCuts;
    case ProgramText::Imported: return kImported;
    case ProgramText::StandardExportDone: break;
  }
  return kStandardExportDone;
}

QString settingsWriteFailedMessage(const QString& file, const QString& reason, Language language) {
  return pick(kSettingsWriteFailed, language == Language::Other ? Language::French : language).arg(file, reason);
}

std::optional<QString> importCutsSummary(qsizetype modesCut, qsizetype bandsUnknown, Language language) {
  const QString text = pick(kImportCuts, language);
  if (text.isNull()) return std::nullopt;
  return text.arg(modesCut).arg(bandsUnknown);
}

}  // namespace ktl
