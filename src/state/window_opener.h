// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a window asks for another one without knowing it: by its name. The
// program's composition opens each window once, without modality, and
// brings an open one to the front.
#include <QString>

class QWidget;

namespace ktl {

// The QSO being typed in Main's entry, as its fields hold it (blanks
// around removed); all empty when there is no entry.
struct EntryDraft {
  QString callsign, prefix, number, band, mode;
};

enum class WindowId {
  Station,            // Station
  ImportAdif,         // Import_ADIF
  Search,             // Recherche_Indicatif
  PrefixEditor,       // Ajout_Ref
  ContactedCastles,   // Aff_Contacte
  ContactedPrefixes,  // Liste_Prefixes
  Cluster,            // Cluster
  LiveSpots,
  AwardProgress,      // Progression
  Rig,                // Radio
};

class WindowOpener {
 public:
  virtual ~WindowOpener() = default;
  // Whether this program has the window: menus show only what they can open.
  virtual bool has(WindowId id) const = 0;
  // Shows the window without modality; the open copy when there is one.
  virtual QWidget* open(WindowId id) = 0;
  // Shows the window modally and returns when it is closed.
  virtual void openModal(WindowId id) = 0;

  // What a window asks of the entry window Main, which it does not know.
  // A QSO of the list shown in the entry, as a click on it does.
  virtual void selectQso(int row) = 0;
  // The log was rewritten by an import: the loading splash, the list
  // reloaded, the last QSO selected.
  virtual void showImportedLog() = 0;
  // A spot chosen: a new QSO with these texts in Ind_A, Type_A, Ref_A and
  // Bande_A (an empty one left as the reset leaves it), waiting in Ind_A for
  // the operator's Enter. Nothing is written.
  virtual void fillEntry(const QString& callsign, const QString& prefix, const QString& number,
                         const QString& band) = 0;
  // The QSO being typed in the entry window now.
  virtual EntryDraft entryDraft() const { return {}; }
};

}  // namespace ktl
