#include "rig/rig_texts.h"

#include <iterator>

namespace ktl {

namespace {

constexpr Tri kTexts[] = {
    {"Radio non connectée", "Rig not connected", "Radio non connessa"},
    {"Connexion à rigctld (%1)…", "Connecting to rigctld (%1)…", "Connessione a rigctld (%1)…"},
    {"Radio connectée (%1)", "Rig connected (%1)", "Radio connessa (%1)"},
    {"nouvel essai dans %1 s", "trying again in %1 s", "nuovo tentativo tra %1 s"},
    {"rigctld ne tourne pas sur %1", "rigctld is not running at %1", "rigctld non è in esecuzione su %1"},
    {"Hôte inconnu (%1)", "Unknown host (%1)", "Host sconosciuto (%1)"},
    {"rigctld ne répond pas (%1)", "rigctld does not answer (%1)", "rigctld non risponde (%1)"},
    {"rigctld a fermé la connexion (%1)", "rigctld closed the connection (%1)",
     "rigctld ha chiuso la connessione (%1)"},
    {"Réponse illisible de %1 : « %2 »", "Unreadable answer from %1: \"%2\"", "Risposta illeggibile da %1: «%2»"},
    {"Erreur de la radio : %1", "Rig error: %1", "Errore della radio: %1"},
    {"Erreur réseau (%1) : %2", "Network error (%1): %2", "Errore di rete (%1): %2"},
    {"La radio refuse la fréquence : %1", "The rig refuses the frequency: %1", "La radio rifiuta la frequenza: %1"},
    {"La radio refuse le mode : %1", "The rig refuses the mode: %1", "La radio rifiuta il modo: %1"},
    {"paramètre invalide", "invalid parameter", "parametro non valido"},
    {"fonction absente de Hamlib pour ce modèle", "not implemented in Hamlib for this model",
     "funzione non implementata in Hamlib per questo modello"},
    {"la radio ne répond pas (délai dépassé)", "the rig does not answer (timed out)",
     "la radio non risponde (tempo scaduto)"},
    {"erreur d'entrée-sortie (câble, port série)", "input/output error (cable, serial port)",
     "errore di ingresso/uscita (cavo, porta seriale)"},
    {"erreur de protocole", "protocol error", "errore di protocollo"},
    {"commande rejetée par la radio", "command rejected by the rig", "comando rifiutato dalla radio"},
    {"fonction non disponible sur cette radio", "function not available on this rig",
     "funzione non disponibile su questa radio"},
    {"la radio est éteinte", "the rig is switched off", "la radio è spenta"},
    {"erreur Hamlib %1", "Hamlib error %1", "errore Hamlib %1"},
};
static_assert(std::size(kTexts) == int(RigText::HamlibOther) + 1);

QString text(RigText id, Language language) { return pick(kTexts[int(id)], language); }

}  // namespace

const Tri& rigText(RigText id) { return kTexts[int(id)]; }

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
