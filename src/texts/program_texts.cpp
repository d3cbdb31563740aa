// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/program_texts.h"

#include <QStringList>

namespace ktl {

namespace {

constexpr CaptionRow kFileMenuCaptions[] = {
    {"Mnu_Export_ADIF_Standard",
     QT_TRANSLATE_NOOP3("ORB_KTL", "Exporter le log au format ADIF standard (3.1)", "FileMenu/Mnu_Export_ADIF_Standard")},
    {"Mnu_Sauvegardes",
     QT_TRANSLATE_NOOP3("ORB_KTL", "Ouvrir le dossier des sauvegardes", "FileMenu/Mnu_Sauvegardes")},
};

constexpr Tx kBackupFailed = QT_TRANSLATE_NOOP3("ORB_KTL", "La sauvegarde du jour du log n'a pas pu être faite :", "program/BackupFailed");
constexpr Tx kBackupFolder = QT_TRANSLATE_NOOP3("ORB_KTL", "Les sauvegardes sont dans le dossier : ", "program/BackupFolder");
// Who holds the lock of a log this window shows read-only.
constexpr Tx kHeldByWindow = QT_TRANSLATE_NOOP3("ORB_KTL", "ouvert dans une autre fenêtre d'ORB_KTL (processus %1)", "program/HeldByWindow");
constexpr Tx kHeldByImport = QT_TRANSLATE_NOOP3("ORB_KTL", "en cours d'import par orb-ktl en ligne de commande (processus %1)", "program/HeldByImport");
constexpr Tx kLockFailed = QT_TRANSLATE_NOOP3("ORB_KTL", "son verrou n'a pas pu être pris : %1", "program/LockFailed");
constexpr Tx kReadOnlyState = QT_TRANSLATE_NOOP3("ORB_KTL", "Log en lecture seule : %1", "program/ReadOnlyState");
constexpr Tx kReadOnlyBox = QT_TRANSLATE_NOOP3("ORB_KTL", "Ce log est %1.", "program/ReadOnlyBox");
constexpr Tx kReadOnlyBoxTail = QT_TRANSLATE_NOOP3(
    "ORB_KTL",
    "Il est affiché en lecture seule : rien n'y sera écrit tant qu'il n'est pas libre. ORB_KTL le reprendra dès "
    "qu'il le sera.",
    "program/ReadOnlyBoxTail");
constexpr Tx kWriteRefused = QT_TRANSLATE_NOOP3("ORB_KTL", "Rien n'a été écrit : le log est %1.", "program/WriteRefused");
constexpr Tx kLogHeldByImport = QT_TRANSLATE_NOOP3("ORB_KTL", "Le log de %1 est en cours d'import par un autre orb-ktl (processus %2). Rien n'a été importé.", "program/LogHeldByImport");
constexpr Tx kLockFailedCommandLine = QT_TRANSLATE_NOOP3("ORB_KTL", "Le verrou du log de %1 (%2) n'a pas pu être pris : %3. Rien n'a été importé.", "program/LockFailedCommandLine");
constexpr Tx kSettingsWriteFailed = QT_TRANSLATE_NOOP3("ORB_KTL", "Les réglages n'ont pas pu être enregistrés dans %1 : %2", "program/SettingsWriteFailed");
constexpr Tx kStoredStationRefused = QT_TRANSLATE_NOOP3("ORB_KTL", "L'indicatif de station des réglages (%1) n'est pas un indicatif : aucun fichier n'a été ouvert. Choisissez "
    "la station.", "program/StoredStationRefused");
constexpr Tx kLogHeldByWindow = QT_TRANSLATE_NOOP3("ORB_KTL", "Le log de %1 est ouvert dans une fenêtre d'ORB_KTL (processus %2) : fermez-la ou importez depuis elle. "
    "Rien n'a été importé.", "program/LogHeldByWindow");
constexpr Tx kWrittenWhere = QT_TRANSLATE_NOOP3("ORB_KTL", "Emplacement : %1", "program/WrittenWhere");
constexpr Tx kPrintedToFile = QT_TRANSLATE_NOOP3("ORB_KTL", "L'impression a été écrite dans un fichier.", "program/PrintedToFile");
constexpr Tx kStandardExportDone = QT_TRANSLATE_NOOP3("ORB_KTL", "Le fichier ADIF standard a été enregistré sous : ", "program/StandardExportDone");

}  // namespace

QString historyText() {
  return QStringLiteral(
      "V1.0.0   le 07/01/2016 creation\r\n"
      "V1.0.1   le 08/03/2016 Nouveau format des Ref + langue Anglaise\r\n");
}

std::span<const CaptionRow> fileMenuCaptions() { return kFileMenuCaptions; }

const Tx& programText(ProgramText id) {
  switch (id) {
    case ProgramText::BackupFailed: return kBackupFailed;
    case ProgramText::BackupFolder: return kBackupFolder;
    case ProgramText::HeldByWindow: return kHeldByWindow;
    case ProgramText::HeldByImport: return kHeldByImport;
    case ProgramText::LockFailed: return kLockFailed;
    case ProgramText::ReadOnlyState: return kReadOnlyState;
    case ProgramText::ReadOnlyBox: return kReadOnlyBox;
    case ProgramText::ReadOnlyBoxTail: return kReadOnlyBoxTail;
    case ProgramText::WriteRefused: return kWriteRefused;
    case ProgramText::LogHeldByImport: return kLogHeldByImport;
    case ProgramText::LockFailedCommandLine: return kLockFailedCommandLine;
    case ProgramText::StoredStationRefused: return kStoredStationRefused;
    case ProgramText::LogHeldByWindow: return kLogHeldByWindow;
    case ProgramText::WrittenWhere: return kWrittenWhere;
    case ProgramText::PrintedToFile: return kPrintedToFile;
    case ProgramText::StandardExportDone: break;
  }
  return kStandardExportDone;
}

QString settingsWriteFailedMessage(const QString& file, const QString& reason, Language language) {
  return pick(kSettingsWriteFailed, spoken(language)).arg(file, reason);
}

namespace {

std::optional<QString> filled(const Tx& head, Language language, const QStringList& args) {
  QString text = pick(head, language);
  if (text.isNull()) return std::nullopt;
  for (const QString& a : args) text = text.arg(a);
  return text;
}

constexpr CountedNoun kModesCut{QT_TRANSLATE_NOOP3("ORB_KTL", "%1 mode coupé à trois lettres", "program/ModesCut/one"),
                                QT_TRANSLATE_NOOP3("ORB_KTL", "%1 modes coupés à trois lettres", "program/ModesCut/many")};
constexpr CountedNoun kBandsOutside{QT_TRANSLATE_NOOP3("ORB_KTL", "%1 bande hors de la table (mise à 1.8 Mhz)", "program/BandsOutside/one"),
                                    QT_TRANSLATE_NOOP3("ORB_KTL", "%1 bandes hors de la table (mises à 1.8 Mhz)", "program/BandsOutside/many")};
constexpr Tx kImportCuts = QT_TRANSLATE_NOOP3("ORB_KTL", "Ce que les colonnes du log n'ont pas pu garder : %1, %2.", "program/ImportCuts");
constexpr CountedNoun kImported{QT_TRANSLATE_NOOP3("ORB_KTL", "%1 QSO importé de %2 dans %3", "program/Imported/one"),
                                QT_TRANSLATE_NOOP3("ORB_KTL", "%1 QSO importés de %2 dans %3", "program/Imported/many")};
constexpr CountedNoun kSigNotCastle{
    QT_TRANSLATE_NOOP3("ORB_KTL", "%1 enregistrement dont le SIG ne nomme pas un diplôme de châteaux (WWFF, POTA, SOTA...) : colonnes du "
     "château laissées vides, SIG et SIG_INFO gardés à côté du log.", "program/SigNotCastle/one"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "%1 enregistrements dont le SIG ne nomme pas un diplôme de châteaux (WWFF, POTA, SOTA...) : colonnes du "
     "château laissées vides, SIG et SIG_INFO gardés à côté du log.", "program/SigNotCastle/many")};
constexpr CountedNoun kExtrasKept{
    QT_TRANSLATE_NOOP3("ORB_KTL", "%1 enregistrement complet gardé à côté du log dans %2", "program/ExtrasKept/one"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "%1 enregistrements complets gardés à côté du log dans %2", "program/ExtrasKept/many")};

constexpr Tx kGapsHead = QT_TRANSLATE_NOOP3("ORB_KTL", "Export standard : %1 sans un champ dont la valeur n'est pas connue (aucune n'est "
                        "inventée) : %2.", "program/GapsHead");
constexpr CountedNoun kGapQsos{QT_TRANSLATE_NOOP3("ORB_KTL", "%1 QSO écrit", "program/GapQsos/one"),
                               QT_TRANSLATE_NOOP3("ORB_KTL", "%1 QSO écrits", "program/GapQsos/many")};
// After the count of QSOs, whatever the number.
constexpr Tx kGapNouns[] = {
    QT_TRANSLATE_NOOP3("ORB_KTL", "%1 sans indicatif (FXXXX à l'import)", "program/GapNouns/0"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "%1 sans date (absente du fichier ou invalide)", "program/GapNouns/1"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "%1 sans heure (absente du fichier ou invalide)", "program/GapNouns/2"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "%1 sans bande (ni bande ADIF ni fréquence connue)", "program/GapNouns/3"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "%1 sans mode (hors de la liste ADIF, ou trois lettres qui en nomment plusieurs)", "program/GapNouns/4"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "%1 sans report (XX à l'import)", "program/GapNouns/5"),
};

constexpr Tx kExtrasUnusable = QT_TRANSLATE_NOOP3("ORB_KTL", "Le fichier des enregistrements complets des QSO ne peut pas servir (ce n'est pas le sien ou il est abîmé) :", "program/ExtrasUnusable");
constexpr Tx kExtrasNotWritten = QT_TRANSLATE_NOOP3("ORB_KTL", "Le fichier des enregistrements complets des QSO n'a pas pu être écrit :", "program/ExtrasNotWritten");
constexpr Tx kExtrasLogSafe = QT_TRANSLATE_NOOP3("ORB_KTL", "Le log n'en souffre pas : chaque QSO y est enregistré ; l'export standard se contente alors des lignes du "
    "log.", "program/ExtrasLogSafe");
constexpr Tx kExtrasStartNew = QT_TRANSLATE_NOOP3("ORB_KTL", "Renommez ou supprimez ce fichier pour en commencer un nouveau.", "program/ExtrasStartNew");

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

std::optional<QString> exportGapsSummary(qsizetype qsos, std::span<const qsizetype, 6> byField, Language language) {
  static_assert(std::size(kGapNouns) == 6);
  if (qsos == 0) return std::nullopt;
  QStringList parts;
  for (std::size_t i = 0; i < byField.size(); ++i)
    if (byField[i] > 0) parts << pick(kGapNouns[i], language).arg(byField[i]);
  return filled(kGapsHead, language, {countedText(qsos, kGapQsos, language), parts.join(QStringLiteral(", "))});
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
