#include "texts/spots_texts.h"

namespace ktl {

namespace {

constexpr CaptionRow kSpotsCaptions[] = {
    {"Spots_Direct", {"Spots en direct", "Live spots", "Spot in diretta"}},
    {"Label1_SP", {"Nœud du cluster", "Cluster node", "Nodo del cluster"}},
    {"Label2_SP", {"Port", "Port", "Porta"}},
    {"Label6_SP", {"Silence maximal (min)", "Longest silence (min)", "Silenzio massimo (min)"}},
    {"Silence_SP",
     {"Sans rien recevoir du nœud pendant ce temps, la connexion est refaite",
      "When nothing comes from the node for this long, the connection is made again",
      "Se dal nodo non arriva nulla per questo tempo, la connessione viene rifatta"},
     true},
    {"Chateaux_SP", {"Seulement les spots de châteaux", "Castle spots only", "Solo spot di castelli"}},
    {"Label3_SP", {"Bande", "Band", "Banda"}},
    {"Label4_SP", {"Messages du nœud", "Node messages", "Messaggi del nodo"}},
    {"Label5_SP", {"Commande", "Command", "Comando"}},
    {"Envoi_SP", {"Envoyer", "Send", "Invia"}},
    {"Aide_SP",
     {"Entrée ou double clic sur un spot : indicatif, référence et bande dans la saisie",
      "Enter or double click on a spot: callsign, reference and band into the entry",
      "Invio o doppio clic su uno spot: nominativo, referenza e banda nell'inserimento"}},
};

constexpr Tri kTexts[] = {
    {"Spots en direct", "Live spots", "Spot in diretta"},
    {"Connecter", "Connect", "Connetti"},
    {"Déconnecter", "Disconnect", "Disconnetti"},
    {"Toutes", "All bands", "Tutte"},
    {"Non connecté", "Not connected", "Non connesso"},
    {"Connexion à %1…", "Connecting to %1…", "Connessione a %1…"},
    {"Connecté à %1", "Connected to %1", "Connesso a %1"},
    {"Nouvel essai dans %1 s (%2)", "Trying again in %1 s (%2)", "Nuovo tentativo tra %1 s (%2)"},
    {"Entrez le nom ou l'adresse du nœud et son port (de 1 à 65535)",
     "Enter the node's host name or address and its port (1 to 65535)",
     "Inserire il nome o l'indirizzo del nodo e la sua porta (da 1 a 65535)"},
    {"Choisissez d'abord l'indicatif de la station : le nœud le demande à la connexion",
     "Choose the station callsign first: the node asks for it when connecting",
     "Scegliere prima il nominativo della stazione: il nodo lo chiede alla connessione"},
    {"Non connecté : commande non envoyée", "Not connected: command not sent", "Non connesso: comando non inviato"},
    {"Spots", "Spots", "Spot"},
    {"Messages du nœud", "Node messages", "Messaggi del nodo"},
    {"Heure", "Time", "Ora"},
    {"Fréquence", "Frequency", "Frequenza"},
    {"Bande", "Band", "Banda"},
    {"Indicatif DX", "DX call", "Nominativo DX"},
    {"Référence", "Reference", "Referenza"},
    {"Statut", "Status", "Stato"},
    {"Commentaire", "Comment", "Commento"},
    {"Spotteur", "Spotter", "Spotter"},
    {"NOUVEAU", "NEW", "NUOVO"},
    {"CONTACTÉ", "WORKED", "COLLEGATO"},
    {"CONTACTÉ SUR CETTE BANDE", "WORKED ON THIS BAND", "COLLEGATO SU QUESTA BANDA"},
    {"CONTACTÉ (indicatif)", "WORKED (call)", "COLLEGATO (nominativo)"},
    {"CONTACTÉ SUR CETTE BANDE (indicatif)", "WORKED ON THIS BAND (call)", "COLLEGATO SU QUESTA BANDA (nominativo)"},
    {"Rien reçu du nœud depuis %2 : nouvel essai dans %1 s", "Nothing from the node for %2: trying again in %1 s",
     "Niente dal nodo da %2: nuovo tentativo tra %1 s"},
    {"Nœud refusé : son nom ne prend que des lettres sans accent, des chiffres, des points et des tirets, 253 au "
     "plus. Un nom écrit dans un autre alphabet s'entre sous sa forme xn--…",
     "Node refused: its name takes only unaccented letters, digits, dots and hyphens, 253 at most. A name written "
     "in another script is typed in its xn--… form",
     "Nodo rifiutato: il suo nome accetta solo lettere senza accento, cifre, punti e trattini, 253 al massimo. Un "
     "nome scritto in un altro alfabeto si inserisce nella sua forma xn--…"},
};
static_assert(std::size(kTexts) == int(SpotsText::HostRefused) + 1);

}  // namespace

std::span<const CaptionRow> spotsCaptions() { return kSpotsCaptions; }

const Tri& spotsText(SpotsText id) { return kTexts[int(id)]; }

}  // namespace ktl
