// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/command_line_texts.h"

#include <iterator>

namespace ktl {

namespace {

constexpr Tx kTexts[] = {
    QT_TRANSLATE_NOOP3(
        "ORB_KTL",
        "ORB_KTL, le log du diplôme des châteaux KTL. Sans option, il ouvre sa fenêtre ; avec les options "
        "ci-dessous, il travaille sur le log d'une station sans aucune fenêtre, puis s'arrête.\n"
        "Codes de sortie : 0 fait, 1 un fichier n'a pas pu être lu ou écrit ou ne contenait aucun QSO, 2 options "
        "fausses ou station inconnue, 3 le log de la station est tenu par un autre programme, une fenêtre ou un "
        "autre import (rien n'est importé), 4 le verrou du log n'a pas pu être pris (rien n'est importé).",
        "cli/Description"),
    QT_TRANSLATE_NOOP3("ORB_KTL",
                       "La station dont le log est utilisé (« / » peut s'écrire « _ ») ; par défaut, la station "
                       "qu'ouvre la fenêtre.",
                       "cli/StationOption"),
    QT_TRANSLATE_NOOP3("ORB_KTL",
                       "Fusionne un fichier ADIF dans le log de la station et le trie ; « - » lit l'entrée "
                       "standard.",
                       "cli/ImportOption"),
    QT_TRANSLATE_NOOP3(
        "ORB_KTL",
        "Avec --import : SIG nomme le diplôme et SIG_INFO porte la référence du château (le nom du château vient "
        "alors de QTH), pour les enregistrements dont SIG est un diplôme de châteaux (WCA, COTA, KTL ou le "
        "diplôme des réglages) ; les autres (WWFF, POTA, ...) n'ont pas de château.",
        "cli/SigAwardOption"),
    QT_TRANSLATE_NOOP3("ORB_KTL",
                       "Écrit le log comme l'export de la fenêtre, dans FILE ou dans <CALL>_KTL.adi du dossier "
                       "des données ; « - » écrit sur la sortie standard.",
                       "cli/ExportOption"),
    QT_TRANSLATE_NOOP3("ORB_KTL",
                       "Écrit le log en fichier ADIF 3.1 standard (SIG = diplôme, SIG_INFO = référence, nom du "
                       "château dans QTH) pour les services de log ; « - » écrit sur la sortie standard.",
                       "cli/ExportStandardOption"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Avec --export : le fichier à écrire.", "cli/FileArgument"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Affiche cette aide.", "cli/HelpOption"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Affiche cette aide et les options de la fenêtre.", "cli/HelpAllOption"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Affiche la version.", "cli/VersionOption"),
    QT_TRANSLATE_NOOP3(
        "ORB_KTL",
        "Options de la fenêtre (sans aucune des options ci-dessus) : celles de Qt, comme -platform NOM, -style "
        "STYLE, -stylesheet FICHIER, -qwindowgeometry LxH+X+Y, -qwindowtitle TITRE, -reverse.",
        "cli/WindowOptions"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Essayez « orb-ktl --help ».", "cli/TryHelp"),
    QT_TRANSLATE_NOOP3("ORB_KTL",
                       "Donnez une des options --import, --export, --export-standard, --award-list et --progress.",
                       "cli/OneAction"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "--sig-award va avec --import.", "cli/SigWithImport"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Argument inattendu : ", "cli/Unexpected"),
    QT_TRANSLATE_NOOP3("ORB_KTL",
                       "Aucune station : donnez --station CALL (aucune n'a encore été choisie dans la fenêtre).",
                       "cli/NoStation"),
    QT_TRANSLATE_NOOP3("ORB_KTL",
                       "Pas un indicatif de station : %1 (des lettres, des chiffres et « / » ou « _ », 12 au plus).",
                       "cli/NotCallsign"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Aucun log pour la station %1 : %2 n'existe pas.", "cli/NoLog"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "L'entrée standard n'a pas pu être lue : %1", "cli/StdinUnreadable"),
    QT_TRANSLATE_NOOP3("ORB_KTL",
                       "Importe la liste publiée des châteaux du diplôme (fichier CSV, à points-virgules ou à "
                       "tabulations, UTF-8 ou Windows-1252) dans le dossier des données, à la place de la liste qui "
                       "y est ; sans station.",
                       "cli/AwardListOption"),
    QT_TRANSLATE_NOOP3("ORB_KTL",
                       "Affiche les chiffres du diplôme du log de la station : châteaux contactés et confirmés, "
                       "pays, et par pays ; avec la liste du diplôme, combien de châteaux elle compte.",
                       "cli/ProgressOption"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "Avec --progress : les chiffres en JSON.", "cli/JsonOption"),
    QT_TRANSLATE_NOOP3("ORB_KTL", "--json va avec --progress.", "cli/JsonWithProgress"),
};
static_assert(std::size(kTexts) == int(CliText::JsonWithProgress) + 1);

}  // namespace

const Tx& cliText(CliText id) { return kTexts[int(id)]; }

}  // namespace ktl
