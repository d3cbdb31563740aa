// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/spots_texts.h"

namespace ktl {

namespace {

constexpr CaptionRow kSpotsCaptions[] = {
    {"Spots_Direct", QT_TRANSLATE_NOOP3("ORB_KTL", "Spots en direct", "Spots/Spots_Direct")},
    {"Label1_SP", QT_TRANSLATE_NOOP3("ORB_KTL", "Nœud du cluster", "Spots/Label1_SP")},
    {"Label2_SP", QT_TRANSLATE_NOOP3("ORB_KTL", "Port", "Spots/Label2_SP")},
    {"Label6_SP", QT_TRANSLATE_NOOP3("ORB_KTL", "Silence maximal (min)", "Spots/Label6_SP")},
    {"Silence_SP",
     QT_TRANSLATE_NOOP3("ORB_KTL", "Sans rien recevoir du nœud pendant ce temps, la connexion est refaite", "Spots/Silence_SP (tooltip)"),
     true},
    {"Chateaux_SP", QT_TRANSLATE_NOOP3("ORB_KTL", "Seulement les spots de châteaux", "Spots/Chateaux_SP")},
    {"Label3_SP", QT_TRANSLATE_NOOP3("ORB_KTL", "Bande", "Spots/Label3_SP")},
    {"Label4_SP", QT_TRANSLATE_NOOP3("ORB_KTL", "Messages du nœud", "Spots/Label4_SP")},
    {"Label5_SP", QT_TRANSLATE_NOOP3("ORB_KTL", "Commande", "Spots/Label5_SP")},
    {"Envoi_SP", QT_TRANSLATE_NOOP3("ORB_KTL", "Envoyer", "Spots/Envoi_SP")},
    {"Aide_SP",
     QT_TRANSLATE_NOOP3("ORB_KTL", "Entrée ou double clic sur un spot : indicatif, référence et bande dans la saisie, la radio sur sa fréquence", "Spots/Aide_SP")},
    {"Label7_SP", QT_TRANSLATE_NOOP3("ORB_KTL", "Mode", "Spots/Label7_SP")},
    {"Label8_SP", QT_TRANSLATE_NOOP3("ORB_KTL", "Âge maximal (min)", "Spots/Label8_SP")},
    {"Age_SP", QT_TRANSLATE_NOOP3("ORB_KTL", "Un spot que personne n'a répété depuis ce temps quitte la liste", "Spots/Age_SP (tooltip)"),
     true},
    {"Notif_SP", QT_TRANSLATE_NOOP3("ORB_KTL", "Notification des nouveaux châteaux", "Spots/Notif_SP")},
    {"Son_SP", QT_TRANSLATE_NOOP3("ORB_KTL", "Son pour les nouveaux châteaux", "Spots/Son_SP")},
    {"Annonce_SP", QT_TRANSLATE_NOOP3("ORB_KTL", "Annoncer la saisie", "Spots/Annonce_SP")},
    {"AnnonceDernier_SP", QT_TRANSLATE_NOOP3("ORB_KTL", "Annoncer le dernier QSO", "Spots/AnnonceDernier_SP")},
};

constexpr Tx kTexts[] = {
    QT_TRANSLATE_NOOP3("ORB_KTL", "Spots en direct", "spots/Texts/MenuItem"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Connecter", "spots/Texts/Connect"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Déconnecter", "spots/Texts/Disconnect"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Toutes", "spots/Texts/AllBands"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Non connecté", "spots/Texts/StateIdle"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Connexion à %1…", "spots/Texts/StateConnecting"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Connecté à %1", "spots/Texts/StateConnected"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Nouvel essai dans %1 s (%2)", "spots/Texts/StateWaiting"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Entrez le nom ou l'adresse du nœud et son port (de 1 à 65535)", "spots/Texts/NodeRefused"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Choisissez d'abord l'indicatif de la station : le nœud le demande à la connexion", "spots/Texts/NoStation"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Non connecté : commande non envoyée", "spots/Texts/NotSent"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Spots", "spots/Texts/TableName"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Messages du nœud", "spots/Texts/ConsoleName"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Heure", "spots/Texts/ColumnTime"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Fréquence", "spots/Texts/ColumnFrequency"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Bande", "spots/Texts/ColumnBand"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Indicatif DX", "spots/Texts/ColumnDxCall"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Référence", "spots/Texts/ColumnReference"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Statut", "spots/Texts/ColumnStatus"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Commentaire", "spots/Texts/ColumnComment"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Spotteur", "spots/Texts/ColumnSpotter"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "NOUVEAU", "spots/Texts/StatusNew"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "CONTACTÉ", "spots/Texts/StatusWorked"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "CONTACTÉ SUR CETTE BANDE", "spots/Texts/StatusWorkedOnBand"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "CONTACTÉ (indicatif)", "spots/Texts/StatusCallWorked"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "CONTACTÉ SUR CETTE BANDE (indicatif)", "spots/Texts/StatusCallWorkedOnBand"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Rien reçu du nœud depuis %2 : nouvel essai dans %1 s", "spots/Texts/StateSilent"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Nœud refusé : son nom ne prend que des lettres sans accent, des chiffres, des points et des tirets, 253 au "
     "plus. Un nom écrit dans un autre alphabet s'entre sous sa forme xn--…", "spots/Texts/HostRefused"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Château", "spots/Texts/ColumnCastle"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Spotteurs", "spots/Texts/ColumnSpotters"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Tous", "spots/Texts/ModeAll"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "CW", "spots/Texts/ModeCw"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Phonie", "spots/Texts/ModePhone"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Numérique", "spots/Texts/ModeData"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Nouveau château : %1", "spots/Texts/NotifyTitle"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "%1 sur %2 kHz (%3)", "spots/Texts/NotifyBody"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Aucun QSO à annoncer : entrez d'abord son indicatif dans la saisie", "spots/Texts/PostNoEntry"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Aucun QSO à annoncer : le log est vide", "spots/Texts/PostNoQso"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Vérifiez l'annonce (la fréquence en kHz) : Entrée l'envoie, Échap l'abandonne", "spots/Texts/PostCheck"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Nouveaux châteaux : %1", "spots/Texts/NotifyTitleMany"),
};
static_assert(std::size(kTexts) == int(SpotsText::NotifyTitleMany) + 1);

}  // namespace

std::span<const CaptionRow> spotsCaptions() { return kSpotsCaptions; }

const Tx& spotsText(SpotsText id) { return kTexts[int(id)]; }

}  // namespace ktl
