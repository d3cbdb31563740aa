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
};
static_assert(std::size(kTexts) == int(RigText::HamlibOther) + 1);

QString text(RigText id, Language language) { return pick(kTexts[int(id)], language); }

}  // namespace

const Tx& rigText(RigText id) { return kTexts[int(id)]; }

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
