#include "entry/pile_sections.h"

#include "entry/entry_rows.h"
#include "model/problem_data.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wall/wall_data.h"

namespace entry {

namespace {

constexpr int kDefaultSections = 8;

// A number that must be above 0.
bool ReadPositive(const std::string& text, double& into) {
  double v = 0;
  if (ReadBox(text, v) != Fault::None || !(v > 0)) return false;
  into = v;
  return true;
}

void SetDefaultRows(double allow, double eModulus) {
  for (int k = 1; k <= kDefaultSections; ++k) {
    PileAllowStress(k) = allow;
    PileEModulus(k) = eModulus;
  }
}

}  // namespace

bool AcceptPileDefaults(const std::string& allowText, const std::string& eModText) {
  double allow = 0, eModulus = 0;
  if (!ReadPositive(allowText, allow) || !ReadPositive(eModText, eModulus)) return false;
  SetDefaultRows(allow, eModulus);
  return true;
}

bool StoreAdditionalPileSections(const std::vector<PileSectionTexts>& rows) {
  std::vector<PileSectionTexts> names;
  std::vector<double> values;
  for (const PileSectionTexts& r : rows) {
    if (platform::text::Trim(r.name).empty()) break;
    for (const std::string* box : {&r.sectionModulus, &r.inertia, &r.allow, &r.eModulus}) {
      double v = 0;
      if (!ReadPositive(*box, v)) return false;
      values.push_back(v);
    }
    names.push_back(r);
  }
  int n = kDefaultSections;
  for (std::size_t j = 0; j < names.size(); ++j) {
    ++n;
    PileSectionName(n) = names[j].name;
    PileSectionProps(n, 1) = values[4 * j];
    PileSectionProps(n, 2) = values[4 * j + 1];
    PileAllowStress(n) = values[4 * j + 2];
    PileEModulus(n) = values[4 * j + 3];
  }
  NumPileSections = n;
  return true;
}

void RestorePileDefaults() {
  SetDefaultRows(platform::text::Val(kDefaultAllowText), platform::text::Val(kDefaultEModText));
}

bool ReportInvalidPileData() {
  TextBuffer = Lines({"At least one data value is invalid.", "",
                          "     Choose OK to continue SHEET PILE DATA entry.",
                          "     Choose CANCEL to return to DEFAULT DATA values."});
  // Cancel throws the typed sections away: only a button may answer.
  return platform::MsgBox(TextBuffer, platform::kBoxOKCancel | platform::kBoxMustAnswer, "INVALID DATA") ==
         platform::Answer::OK;
}

}  // namespace entry
