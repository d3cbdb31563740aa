// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every key the program keeps in the settings store, with its section and
// the value a reader gets when the key is absent. Numbers are decimal text.
namespace ktl {

struct SettingKey {
  enum Scope { Common, Station };  // "Setup ", or "Setup " + the station callsign
  Scope scope;
  const char* name;
  const char* fallback;
};

namespace keys {
inline constexpr SettingKey StationCallsign{SettingKey::Common, "Indicatif Station", "XXXXX"};
inline constexpr SettingKey DataFolder{SettingKey::Common, "Chemin Repertoire", ""};
inline constexpr SettingKey Language{SettingKey::Station, "Language", "Francais"};
inline constexpr SettingKey BandUsed{SettingKey::Station, "bande Utilisee", "0"};
inline constexpr SettingKey ModeUsed{SettingKey::Station, "Mode Utilise", "0"};
inline constexpr SettingKey Revision{SettingKey::Station, "Revision", ""};
inline constexpr SettingKey ClusterBand{SettingKey::Station, "bande Cluster", "0"};
// Main's place and size when it was last closed: "left,top,width,height"
// of its client area, in the screen's logical pixels.
inline constexpr SettingKey MainWindowPlace{SettingKey::Common, "Fenetre Main", ""};
// The DX-cluster statistics server of the cluster window: scheme and host
// (e.g. "https://dxc.example.org"), no trailing slash; empty until the
// operator sets it in that window.
inline constexpr SettingKey ClusterAddress{SettingKey::Common, "Adresse Cluster", ""};
// Options of the ADIF import window: one box per replaced field ("1"), and
// SIG naming the award with the reference in SIG_INFO ("1").
inline constexpr SettingKey ImportBoxEach{SettingKey::Common, "Import un message par champ", "1"};
inline constexpr SettingKey ImportSigAward{SettingKey::Common, "Import SIG diplome", "0"};
// The live-spot window, per station: the DX-cluster node (host name or
// address; port as decimal text), empty until the operator sets them, and
// its filters: castle spots only ("1"), and one band as Bande_A names it
// (empty for all bands).
inline constexpr SettingKey SpotsHost{SettingKey::Station, "Spots Hote", ""};
inline constexpr SettingKey SpotsPort{SettingKey::Station, "Spots Port", ""};
inline constexpr SettingKey SpotsCastlesOnly{SettingKey::Station, "Spots Chateaux", "0"};
inline constexpr SettingKey SpotsBand{SettingKey::Station, "Spots Bande", ""};
// Minutes the node may send nothing before the live-spot window takes the
// connection for dead and connects again.
inline constexpr SettingKey SpotsSilence{SettingKey::Station, "Spots Silence", "10"};
// The live-spot window's hunting, per station: minutes a spot nobody
// repeats stays in the list; the mode filter ("CW", "PHONE", "DATA", empty
// for every mode); a desktop notification and a sound for a new castle
// ("1" on, "0" off).
inline constexpr SettingKey SpotsMaxAge{SettingKey::Station, "Spots Age", "30"};
inline constexpr SettingKey SpotsMode{SettingKey::Station, "Spots Mode", ""};
inline constexpr SettingKey SpotsNotify{SettingKey::Station, "Spots Notification", "1"};
inline constexpr SettingKey SpotsSound{SettingKey::Station, "Spots Son", "1"};
// The station's rig through Hamlib's rigctld: used at all ("1"), the
// address of rigctld and how often the rig is read (milliseconds); and
// rigctld started by the program ("1") for Hamlib's model number, the rig's
// device ("/dev/ttyUSB0"; empty: the model's default) and its serial speed
// in baud ("0": the model's default), listening on the loopback at the
// port above.
inline constexpr SettingKey RigActive{SettingKey::Station, "Rig Actif", "0"};
inline constexpr SettingKey RigHost{SettingKey::Station, "Rig Hote", "127.0.0.1"};
inline constexpr SettingKey RigPort{SettingKey::Station, "Rig Port", "4532"};
inline constexpr SettingKey RigInterval{SettingKey::Station, "Rig Intervalle", "500"};
inline constexpr SettingKey RigStartDaemon{SettingKey::Station, "Rig Lancer", "0"};
inline constexpr SettingKey RigModel{SettingKey::Station, "Rig Modele", "1"};
inline constexpr SettingKey RigDevice{SettingKey::Station, "Rig Peripherique", ""};
inline constexpr SettingKey RigSpeed{SettingKey::Station, "Rig Vitesse", "0"};
// The award the standard ADIF export names in SIG, the castle reference
// going in SIG_INFO.
inline constexpr SettingKey AwardName{SettingKey::Common, "Diplome SIG", "KTL"};
// The country whose needed castles the award's progress window lists, by
// its prefix ("OK"); empty until the operator chooses one.
inline constexpr SettingKey AwardNeededCountry{SettingKey::Station, "Progression Pays", ""};
}  // namespace keys

}  // namespace ktl
