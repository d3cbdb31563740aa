// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rig/rig_texts.h"

#include <iterator>

namespace ktl {

namespace {

constexpr Tx kTexts[] = {
    QT_TRANSLATE_NOOP3("ORB_KTL", "Radio non connectée", "rig/Texts/Disconnected"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Connexion à rigctld (%1)…", "rig/Texts/Connecting"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Radio connectée (%1)", "rig/Texts/Connected"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "nouvel essai dans %1 s", "rig/Texts/RetryIn"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "rigctld ne tourne pas sur %1", "rig/Texts/Refused"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Hôte inconnu (%1)", "rig/Texts/HostNotFound"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "rigctld ne répond pas (%1)", "rig/Texts/NoAnswer"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "rigctld a fermé la connexion (%1)", "rig/Texts/Closed"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Réponse illisible de %1 : « %2 »", "rig/Texts/Unreadable"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Erreur de la radio : %1", "rig/Texts/RigError"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Erreur réseau (%1) : %2", "rig/Texts/Network"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "La radio refuse la fréquence : %1", "rig/Texts/FrequencyRefused"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "La radio refuse le mode : %1", "rig/Texts/ModeRefused"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "paramètre invalide", "rig/Texts/HamlibInvalid"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "fonction absente de Hamlib pour ce modèle", "rig/Texts/HamlibNotImplemented"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "la radio ne répond pas (délai dépassé)", "rig/Texts/HamlibTimeout"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "erreur d'entrée-sortie (câble, port série)", "rig/Texts/HamlibIo"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "erreur de protocole", "rig/Texts/HamlibProtocol"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "commande rejetée par la radio", "rig/Texts/HamlibRejected"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "fonction non disponible sur cette radio", "rig/Texts/HamlibUnavailable"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "la radio est éteinte", "rig/Texts/HamlibPowerOff"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "erreur Hamlib %1", "rig/Texts/HamlibOther"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Démarrage de rigctld (modèle %1)…", "rig/Texts/DaemonStarting"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "rigctld s'est arrêté : %1", "rig/Texts/DaemonEnded"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "rigctld ne joint pas la radio : %1", "rig/Texts/DaemonTrouble"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Radio (rigctld)…", "rig/Texts/MenuItem"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Fréquence de la radio : %1", "rig/Texts/FrequencyName"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "fréquence inconnue", "rig/Texts/FrequencyUnknown"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "hors des bandes du log, bande inchangée", "rig/Texts/OutsideBands"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Aucune radio utilisée", "rig/Texts/NoRig"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Lecture des modèles de Hamlib…", "rig/Texts/ModelsLoading"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Liste des modèles illisible : %1", "rig/Texts/ModelsFailed"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "aucun", "rig/Texts/NoModel"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Modèles de radio de Hamlib", "rig/Texts/ModelListName"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "celle du modèle", "rig/Texts/DefaultSpeed"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Entrez le nom ou l'adresse de l'ordinateur où tourne rigctld", "rig/Texts/HostRefused"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Entrez le port de rigctld, de 1 à 65535", "rig/Texts/PortRefused"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Choisissez le modèle de la radio dans la liste", "rig/Texts/ModelRefused"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "La vitesse est un nombre de bauds, ou celle du modèle", "rig/Texts/SpeedRefused"),
};
static_assert(std::size(kTexts) == int(RigText::SpeedRefused) + 1);

constexpr CaptionRow kCaptions[] = {
    {"Radio", QT_TRANSLATE_NOOP3("ORB_KTL", "Radio (rigctld)", "Rig/Radio")},
    {"Actif_RG", QT_TRANSLATE_NOOP3("ORB_KTL", "Utiliser une radio par rigctld", "Rig/Actif_RG")},
    {"Label1_RG", QT_TRANSLATE_NOOP3("ORB_KTL", "Hôte de rigctld", "Rig/Label1_RG")},
    {"Label2_RG", QT_TRANSLATE_NOOP3("ORB_KTL", "Port", "Rig/Label2_RG")},
    {"Label3_RG", QT_TRANSLATE_NOOP3("ORB_KTL", "Lecture toutes les (ms)", "Rig/Label3_RG")},
    {"Lancer_RG", QT_TRANSLATE_NOOP3("ORB_KTL", "Lancer rigctld pour cette radio", "Rig/Lancer_RG")},
    {"Label4_RG", QT_TRANSLATE_NOOP3("ORB_KTL", "Rechercher un modèle", "Rig/Label4_RG")},
    {"Label5_RG", QT_TRANSLATE_NOOP3("ORB_KTL", "Modèle choisi", "Rig/Label5_RG")},
    {"Label6_RG", QT_TRANSLATE_NOOP3("ORB_KTL", "Port série de la radio", "Rig/Label6_RG")},
    {"Peripherique_RG",
     QT_TRANSLATE_NOOP3("ORB_KTL", "Par exemple /dev/ttyUSB0 ; vide : celui du modèle", "Rig/Peripherique_RG (tooltip)"),
     true},
    {"Label7_RG", QT_TRANSLATE_NOOP3("ORB_KTL", "Vitesse (bauds)", "Rig/Label7_RG")},
    {"Valider_RG", QT_TRANSLATE_NOOP3("ORB_KTL", "Valider", "Rig/Valider_RG")},
    {"Fermer_RG", QT_TRANSLATE_NOOP3("ORB_KTL", "Fermer", "Rig/Fermer_RG")},
};

QString text(RigText id, Language language) { return pick(kTexts[int(id)], language); }

}  // namespace

const Tx& rigText(RigText id) { return kTexts[int(id)]; }

std::span<const CaptionRow> rigCaptions() { return kCaptions; }

// With a language other than the three, no text at all, as pick() gives.
QString hamlibErrorText(int code, Language language) {
  if (language == Language::Other) return {};
  switch (code) {
    case -1: return text(RigText::HamlibInvalid, language);
    case -4: return text(RigText::HamlibNotImplemented, language);
    case -5: return text(RigText::HamlibTimeout, language);
    case -6: return text(RigText::HamlibIo, language);
    case -8: return text(RigText::HamlibProtocol, language);
    case -9: return text(RigText::HamlibRejected, language);
    case -11: return text(RigText::HamlibUnavailable, language);
    case -20: return text(RigText::HamlibPowerOff, language);
    default: return text(RigText::HamlibOther, language).arg(code);
  }
}

QString rigStatusText(const RigStatus& status, const QString& address, Language language) {
  if (language == Language::Other) return {};
  switch (status.state) {
    case RigState::Disconnected: return text(RigText::Disconnected, language);
    case RigState::Connecting: return text(RigText::Connecting, language).arg(address);
    case RigState::Connected: return text(RigText::Connected, language).arg(address);
    case RigState::Error: break;
  }
  QString problem;
  switch (status.problem) {
    case RigProblem::None:
    case RigProblem::NoAnswer: problem = text(RigText::NoAnswer, language).arg(address); break;
    case RigProblem::Refused: problem = text(RigText::Refused, language).arg(address); break;
    case RigProblem::HostNotFound: problem = text(RigText::HostNotFound, language).arg(address); break;
    case RigProblem::Closed: problem = text(RigText::Closed, language).arg(address); break;
    case RigProblem::Unreadable: problem = text(RigText::Unreadable, language).arg(address, status.detail); break;
    case RigProblem::Network: problem = text(RigText::Network, language).arg(address, status.detail); break;
    case RigProblem::RigError:
      return text(RigText::RigError, language).arg(hamlibErrorText(status.hamlibError, language));
  }
  if (status.retryMs <= 0) return problem;
  const int seconds = (status.retryMs + 999) / 1000;
  return problem + QStringLiteral(", ") + text(RigText::RetryIn, language).arg(seconds);
}

QString setRefusedText(RigClient::Command command, int code, Language language) {
  if (language == Language::Other) return {};
  const RigText id = command == RigClient::Command::SetMode ? RigText::ModeRefused : RigText::FrequencyRefused;
  return text(id, language).arg(hamlibErrorText(code, language));
}

}  // namespace ktl
