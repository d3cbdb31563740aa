#pragma once
// How a window asks for another one without knowing it: by its name. The
// program's composition opens each window once, without modality, and
// brings an open one to the front.
class QWidget;

namespace ktl {

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
};

}  // namespace ktl
