// The sheet pile sections the moment reduction uses, as the pile sections window edits
// them. Every check reads into temporaries: the rows and NumPileSections change only when
// Accept or Done succeeds, so the reduction never meets a section with a blank or a zero.
#pragma once

#include <string>
#include <vector>

namespace entry {

// The texts the default-value boxes show at load and after Cancel.
inline constexpr const char* kDefaultAllowText = "24.0E3";
inline constexpr const char* kDefaultEModText = "29.0E6";

// Accept: both texts numeric and above 0; then sections 1 to 8 take the two values.
// False (nothing stored) when either fails.
bool AcceptPileDefaults(const std::string& allowText, const std::string& eModText);

// One additional section as typed.
struct PileSectionTexts {
  std::string name, sectionModulus, inertia, allow, eModulus;
};

// Done: the rows up to the first one without a name, each of its four numbers numeric and
// above 0. On success they become sections 9 on and NumPileSections is 8 plus their
// number; false (nothing stored) when a row fails.
bool StoreAdditionalPileSections(const std::vector<PileSectionTexts>& rows);

// Cancel after a refused Accept or Done: sections 1 to 8 take the default values again.
void RestorePileDefaults();

// The message of a refused Accept or Done; true when the answer is OK.
bool ReportInvalidPileData();

}  // namespace entry
