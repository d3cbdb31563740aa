#include "texts/cluster_texts.h"

namespace ktl {

namespace {

constexpr CaptionRow kClusterCaptions[] = {
    {"Label3", {"Bande", "Band", "Banda"}},
    {"Afficher", {"Afficher", "Display", "Display"}},
    {"Label1", {"Cluster remis a jour toutes les minutes", "Cluster updated every minute",
                "Cluster aggiornato ogni minuto"}},
    // The server address is ours to word.
    {"Label4", {"Adresse du serveur", "Server address", "Indirizzo del server"}},
    {"Enregistre_CL", {"Enregistrer l'adresse", "Save address", "Salva indirizzo"}},
};

constexpr Tri kAddressRefused{
    "Adresse refusée : entrez http:// ou https:// suivi du nom du serveur (par exemple https://dxcluster.example.org)",
    "Address refused: type http:// or https:// followed by the server name (for example "
    "https://dxcluster.example.org)",
    "Indirizzo rifiutato: inserire http:// o https:// seguito dal nome del server (per esempio "
    "https://dxcluster.example.org)"};

constexpr Tri kAddressTooLong{"Adresse refusée : elle dépasse %1 caractères",
                               "Address refused: it is longer than %1 characters",
                               "Indirizzo rifiutato: supera %1 caratteri"};

constexpr Tri kHostRefused{
    "Adresse refusée : le nom du serveur ne prend que des lettres sans accent, des chiffres, des points et des "
    "tirets, 253 au plus. Un nom écrit dans un autre alphabet s'entre sous sa forme xn--…",
    "Address refused: the server name takes only unaccented letters, digits, dots and hyphens, 253 at most. A "
    "name written in another script is typed in its xn--… form",
    "Indirizzo rifiutato: il nome del server accetta solo lettere senza accento, cifre, punti e trattini, 253 al "
    "massimo. Un nome scritto in un altro alfabeto si inserisce nella sua forma xn--…"};

constexpr Tri kNoAddressPage{
    "Aucun serveur de cluster n'est défini. Entrez son adresse (par exemple https://dxcluster.example.org) "
    "dans le champ « %1 » en bas de cette fenêtre, puis cliquez sur « %2 ».",
    "No cluster server is set. Type its address (for example https://dxcluster.example.org) in the "
    "\u201c%1\u201d field at the bottom of this window, then click \u201c%2\u201d.",
    "Nessun server cluster impostato. Inserire il suo indirizzo (per esempio https://dxcluster.example.org) "
    "nel campo «%1» in fondo a questa finestra, poi cliccare su «%2»."};

constexpr Tri kViewName{"Page du cluster", "Cluster page", "Pagina del cluster"};

}  // namespace

std::span<const CaptionRow> clusterCaptions() { return kClusterCaptions; }

const Tri& clusterText(ClusterText id) {
  switch (id) {
    case ClusterText::AddressRefused: return kAddressRefused;
    case ClusterText::AddressTooLong: return kAddressTooLong;
    case ClusterText::HostRefused: return kHostRefused;
    case ClusterText::NoAddressPage: return kNoAddressPage;
    case ClusterText::ViewName: break;
  }
  return kViewName;
}

}  // namespace ktl
