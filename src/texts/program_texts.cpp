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
constexpr Tri kLogInUse{
    "Ce log est déjà ouvert par un autre ORB_KTL (processus %1) : ses changements et les vôtres pourraient se "
    "mêler. Fermez l'un des deux.",
    "This log is already open in another ORB_KTL (process %1): its changes and yours could mix. Close one of "
    "them.",
    "Questo log è già aperto in un altro ORB_KTL (processo %1): le sue modifiche e le vostre potrebbero "
    "mescolarsi. Chiudetene uno."};
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
    case ProgramText::LogInUse: return kLogInUse;
    case ProgramText::LogHeldByWindow: return kLogHeldByWindow;
    case ProgramText::ImportCuts: return kImportCuts;
    case ProgramText::Imported: return kImported;
    case ProgramText::StandardExportDone: break;
  }
  return kStandardExportDone;
}

std::optional<QString> importCutsSummary(qsizetype modesCut, qsizetype bandsUnknown, Language language) {
  const QString text = pick(kImportCuts, language);
  if (text.isNull()) return std::nullopt;
  return text.arg(modesCut).arg(bandsUnknown);
}

}  // namespace ktl
