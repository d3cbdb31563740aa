// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the cluster window in the three interface languages.
#include "texts/texts.h"

#include <span>

namespace ktl {

// Label3, Afficher and Label1 as the operators know them, then the server
// address field and its button. Label2, "Cluster (DxCluster)", is the same
// in every language.
std::span<const CaptionRow> clusterCaptions();

enum class ClusterText {
  AddressRefused,  // message box: the typed server address is not http(s)
  AddressTooLong,  // message box: longer than kMaxClusterAddress; %1 that length
  HostRefused,     // message box: the server name is not plain ASCII, or no host name
  NoAddressPage,   // the view without a server: %1 is the field's caption, %2 the button's
  ViewName,        // what a screen reader calls the web view
};
const Tx& clusterText(ClusterText id);

}  // namespace ktl
