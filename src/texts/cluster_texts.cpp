// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/cluster_texts.h"

namespace ktl {

namespace {

constexpr CaptionRow kClusterCaptions[] = {
    {"Label3", QT_TRANSLATE_NOOP3("ORB_KTL", "Bande", "Cluster/Label3")},
    {"Afficher", QT_TRANSLATE_NOOP3("ORB_KTL", "Afficher", "Cluster/Afficher")},
    {"Label1", QT_TRANSLATE_NOOP3("ORB_KTL", "Cluster remis a jour toutes les minutes", "Cluster/Label1")},
    // The server address is ours to word.
    {"Label4", QT_TRANSLATE_NOOP3("ORB_KTL", "Adresse du serveur", "Cluster/Label4")},
    {"Enregistre_CL", QT_TRANSLATE_NOOP3("ORB_KTL", "Enregistrer l'adresse", "Cluster/Enregistre_CL")},
};

constexpr Tx kAddressRefused = QT_TRANSLATE_NOOP3("ORB_KTL", "Adresse refusée : entrez http:// ou https:// suivi du nom du serveur (par exemple https://dxcluster.example.org)", "cluster/AddressRefused");

constexpr Tx kAddressTooLong = QT_TRANSLATE_NOOP3("ORB_KTL", "Adresse refusée : elle dépasse %1 caractères", "cluster/AddressTooLong");

constexpr Tx kHostRefused = QT_TRANSLATE_NOOP3("ORB_KTL", "Adresse refusée : le nom du serveur ne prend que des lettres sans accent, des chiffres, des points et des "
    "tirets, 253 au plus. Un nom écrit dans un autre alphabet s'entre sous sa forme xn--…", "cluster/HostRefused");

constexpr Tx kNoAddressPage = QT_TRANSLATE_NOOP3("ORB_KTL", "Aucun serveur de cluster n'est défini. Entrez son adresse (par exemple https://dxcluster.example.org) "
    "dans le champ « %1 » en bas de cette fenêtre, puis cliquez sur « %2 ».", "cluster/NoAddressPage");

constexpr Tx kViewName = QT_TRANSLATE_NOOP3("ORB_KTL", "Page du cluster", "cluster/ViewName");

}  // namespace

std::span<const CaptionRow> clusterCaptions() { return kClusterCaptions; }

const Tx& clusterText(ClusterText id) {
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
