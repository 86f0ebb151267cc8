// The moment reduction section of the report, sand or clay, each with the reduction
// applied or not applicable. Columns are placed with Tab, which never breaks a line, so
// every line written is one line counted.
#include <cmath>
#include <string>

#include "model/problem_data.h"
#include "model/report_layout.h"
#include "platform/files.h"
#include "platform/text.h"
#include "pressures/finite_values.h"
#include "wall/rowe.h"

namespace {

using platform::text::Format;
using platform::text::Line;

// Text that ends in column end - 1: Tab(end - length), then the text.
Line& EndingBefore(Line& line, const std::string& text, int end) {
  return line.tab(end - static_cast<int>(text.size())).text(text);
}
Line& NumberEndingBefore(Line& line, double value, const char* mask, int end) {
  return EndingBefore(line, Format(value, mask), end);
}

enum class Soil { Sand, Clay };

// The head shared by the four variants: blank lines, banner, title box, heading block.
void WriteHead(ReportSection& out, Soil soil) {
  out.blank(5);
  // This section's banner sits one column further right than the others.
  WriteReportBanner(out, 3, 29, 3, 64);
  WriteTitleBox(out, 20,
                {"* PRELIMINARY DESIGN DATA FOR *", soil == Soil::Sand
                                                        ? "*  FREE EARTH DESIGN IN SAND  *"
                                                        : "*  FREE EARTH DESIGN IN CLAY  *"});
  out.blank();
  WriteHeadingBlock(out, "  I.--HEADING");
}

void WriteSectionPropertyHeadings(ReportSection& out) {
  out.line(Line().spc(10).text("SHEET").spc(5).text("SECTION").spc(4).text("MOMENT OF").spc(10)
              .text("ALLOWABLE").spc(4).text("MODULUS OF"));
  out.line(Line().spc(11).text("PILE").spc(5).text("MODULUS").spc(5).text("INERTIA").spc(13)
              .text("STRESS").spc(5).text("ELLASTICITY"));
  out.line(Line().spc(11).text("NAME").spc(6).text("(IN^3)").spc(6).text("(IN^4)").spc(14)
              .text("(PSI)").spc(8).text("(PSI)"));
}

void WriteDesignDataHeadings(ReportSection& out, bool applied, Soil soil) {
  out.blank();
  out.line(Line().spc(5).text("III.--PRELIMINARY DESIGN DATA"));
  out.blank();
  out.line(Line().spc(5).text("SHEET"));
  out.line(Line().spc(6).text("PILE").spc(21).text("ROWE'S MOMENT").spc(4)
              .text(applied ? "RATIO OF ALLOWABLE MOMENT TO" : "RATIO OF ALLOWABLE MOMENT"));
  out.line(Line().spc(6).text("NAME").spc(5).text("LOG(H^4/EI)").spc(4).text("REDUCTION COEF.")
              .spc(5).text(applied ? "REDUCED FREE EARTH MOMENT" : "TO FREE EARTH MOMENT"));
  if (applied && soil == Soil::Sand)
    out.line(Line().spc(30).text("LOOSE").spc(5).text("DENSE").spc(10).text("LOOSE").spc(5)
                .text("DENSE"));
}

// A row whose reduction does not apply: the coefficient is shown as 1.0 and the ratio is
// the unreduced one.
void WriteUnreducedRow(ReportSection& out, int i, int nameEnd) {
  Line line;
  EndingBefore(line, PileSectionName(i), nameEnd);
  NumberEndingBefore(line, PileLogRho(i), "#0.00", 23);
  line.spc(11).text("1.0 (***)");
  NumberEndingBefore(line, PileMomentRatio(i), "#0.00", 64);
  out.line(line);
}

// What makes the reduction inapplicable, in the order the notes are written.
struct Applicability {
  bool alphaLow = false, alphaHigh = false, betaHigh = false;
  bool rightBelowTop = false, rightNotAboveLeft = false;
  bool snLow = false, snHigh = false;
  bool applies() const {
    return !(alphaLow || alphaHigh || betaHigh || rightBelowTop || rightNotAboveLeft || snLow ||
             snHigh);
  }
};

Applicability WallApplicability(double Alpha, double Beta) {
  Applicability a;
  a.alphaLow = Alpha < 0.6;
  a.alphaHigh = Alpha > 0.8;
  a.betaHigh = Beta > 0.3;
  a.rightBelowTop = SurfaceElev(1, 1) < WallTopElev;
  a.rightNotAboveLeft = SurfaceElev(1, 1) <= SurfaceElev(2, 1);
  return a;
}

void WriteNotes(ReportSection& out, const Applicability& a) {
  const char* kHead = "*** REDUCTION NOT APPLICABLE DUE TO ";
  const auto oneLine = [&](const char* what) {
    out.blank();
    out.line(Line().spc(10).text(kHead).text(what));
  };
  const auto twoLines = [&](const char* first, int indent, const char* second) {
    out.blank();
    out.line(Line().spc(10).text(kHead).text(first));
    out.line(Line().spc(indent).text(second));
  };
  if (a.alphaLow) oneLine("ALPHA LESS THAN 0.6.");
  if (a.alphaHigh) oneLine("ALPHA GREATER THAN 0.8.");
  if (a.betaHigh) oneLine("BETA GREATER THAN 0.3.");
  if (a.rightBelowTop) twoLines("RIGHTSIDE SURFACE", 10, "    BELOW TOP OF WALL.");
  if (a.rightNotAboveLeft) twoLines("RIGHTSIDE SURFACE", 1, "    AT OR BELOW LEFTSIDE SURFACE.");
  if (a.snLow) twoLines("STABILITY NUMBER", 1, "    LESS THAN 0.5.");
  if (a.snHigh) twoLines("STABILITY NUMBER", 1, "    GREATER THAN 2.5.");
}

void WriteTrailingBlanks(ReportSection& out) { out.blank(5); }

// Flexibility number and moment ratio of every section, written before anything else so
// the curves window has them whatever the variant. False (after the box) when a section
// gives a value that is not a finite number.
bool ComputeSectionQuantities(double H, int NumSections) {
  const double freeEarthMoment = std::fabs(MaxMoment(1, 1)) * 12;
  for (int i = 1; i <= NumSections; ++i) {
    PileLogRho(i) = std::log(std::pow(H, 4) / (PileSectionProps(i, 2) * PileEModulus(i))) /
                    std::log(10.0);
    PileMomentRatio(i) = PileAllowStress(i) * PileSectionProps(i, 1) / freeEarthMoment;
  }
  return FiniteGuarded([&] {
    const std::string cause = "     CHECK THE PILE SECTION PROPERTIES.";
    for (int i = 1; i <= NumSections; ++i) {
      RequireFinite(PileLogRho(i), "LOG(H^4/EI) OF A PILE SECTION", cause);
      RequireFinite(PileMomentRatio(i), "THE MOMENT RATIO OF A PILE SECTION", cause);
    }
  });
}

}  // namespace

void ReportRoweReductionSand(double& H, double& Alpha, double& Beta, int& NumSections) {
  if (!ComputeSectionQuantities(H, NumSections)) return;
  const Applicability a = WallApplicability(Alpha, Beta);
  const bool applied = a.applies();
  if (!applied) RoweSoilType = 0;

  ReportSection out = ReportSection::Append();
  WriteHead(out, Soil::Sand);

  out.blank();
  if (applied) {
    out.line(Line().spc(5).text(" II.--DESIGN PARAMETERS"));
    out.blank();
    out.line(Line().spc(10).text("WALL HEIGHT RATIO (ALPHA)  = ").text(Format(Alpha, "#0.00")));
    out.line(Line().spc(10).text("ANCHOR HEIGHT RATIO (BETA) = ").text(Format(Beta, "#0.00")));
  } else {
    out.line(Line().spc(5).text("II.--DESIGN PARAMETERS"));
    out.blank();
    out.line(Line().spc(10).text("WALL HEIGHT RATIO (ALPHA)  = ").zone().text(Format(Alpha, "#0.00")));
    out.line(Line().spc(10).text("ANCHOR HEIGHT RATIO (BETA) = ").zone().text(Format(Beta, "#0.00")));
  }

  out.blank();
  out.line(Line().spc(7).text("SHEET PILE DATA:"));
  out.line(Line().spc(20).text("<SECTION PROPERTIES>"));
  out.line(Line().spc(21).text("(PER FOOT OF WALL)"));
  WriteSectionPropertyHeadings(out);
  for (int i = 1; i <= NumSections; ++i) {
    Line line;
    EndingBefore(line, PileSectionName(i), 16);
    NumberEndingBefore(line, PileSectionProps(i, 1), "###0.00", 28);
    NumberEndingBefore(line, PileSectionProps(i, 2), "###0.00", 40);
    NumberEndingBefore(line, PileAllowStress(i), "0.00E+00", 60);
    NumberEndingBefore(line, PileEModulus(i), "0.00E+00", applied ? 74 : 73);
    out.line(line);
  }

  WriteDesignDataHeadings(out, applied, Soil::Sand);
  if (!applied) {
    for (int i = 1; i <= NumSections; ++i) WriteUnreducedRow(out, i, 11);
    WriteNotes(out, a);
    WriteTrailingBlanks(out);
    out.AddToOutputLineCount();
    platform::files::Close(OutFileNum);
    return;
  }

  SetRoweSandCurvesAtAlpha(Alpha);
  bool anyOutOfRange = false;
  for (int i = 1; i <= NumSections; ++i) {
    const double x = PileLogRho(i);
    const double ratio = PileMomentRatio(i);
    Line line;
    EndingBefore(line, PileSectionName(i), 11);
    NumberEndingBefore(line, x, "#0.00", 23);
    if (-3.5 <= x && x <= -1.5) {
      const double loose = RoweLooseCoefficient(x);
      const double dense = RoweDenseCoefficient(x);
      NumberEndingBefore(line, loose, "#0.00", 36);
      NumberEndingBefore(line, dense, "#0.00", 46);
      NumberEndingBefore(line, ratio / loose, "#0.00", 61);
      NumberEndingBefore(line, ratio / dense, "#0.00", 71);
    } else {
      anyOutOfRange = true;
      line.tab(32).text("1.00*");
      line.tab(42).text("1.00*");
      NumberEndingBefore(line, ratio, "#0.00", 61);
      NumberEndingBefore(line, ratio, "#0.00", 71);
    }
    out.line(line);
  }
  if (anyOutOfRange) {
    out.blank();
    out.line(Line().spc(10).text("* REDUCTION NOT APPLICABLE DUE TO"));
    out.line(Line().spc(10).text("  LOG(H^4/EI) LESS THAN -3.5 OR GREATER THEN -1.5."));
  }
  WriteTrailingBlanks(out);
  out.AddToOutputLineCount();  // the report stays open, as after the results section
}

void ReportRoweReductionClay(double& H, double& Alpha, double& Beta, int& NumSections) {
  // Stability number. Without effective overburden at the dredge line the clay is
  // unconfined there: the number is beyond every chart, never a division by zero.
  const double sigma = RoweOverburden();
  double c = 0, adhesion = 0;
  RoweAverageStrength(c, adhesion);
  const bool snDefined = sigma > 0;
  double Sn = 0;
  if (snDefined && c > 0) Sn = c / sigma * std::sqrt(1 + adhesion / c);

  if (!ComputeSectionQuantities(H, NumSections)) return;
  Applicability a = WallApplicability(Alpha, Beta);
  a.snLow = snDefined && Sn < 0.5;
  a.snHigh = !snDefined || Sn > 2.5;
  const bool applied = a.applies();
  if (!applied) RoweSoilType = 0;

  ReportSection out = ReportSection::Append();
  WriteHead(out, Soil::Clay);

  out.blank();
  out.line(Line().spc(5).text(" II.--DESIGN PARAMETERS"));
  out.line(Line().spc(10).text("WALL HEIGHT RATIO (ALPHA)  = ").text(Format(Alpha, "#0.00")));
  out.line(Line().spc(10).text("ANCHOR HEIGHT RATIO (BETA) = ").text(Format(Beta, "#0.00")));
  out.line(Line().spc(10).text("STABILITY NUMBER           = ")
              .text(snDefined ? Format(Sn, "#0.00") : std::string("N/A")));

  out.blank();
  out.line(Line().spc(7).text("SHEET PILE DATA:"));
  out.blank();
  out.line(Line().spc(20).text("<SECTION PROPERTIES>"));
  out.line(Line().spc(21).text("(PER FOOT OF WALL)"));
  WriteSectionPropertyHeadings(out);
  for (int i = 1; i <= NumSections; ++i) {
    Line line;
    EndingBefore(line, PileSectionName(i), 15);
    NumberEndingBefore(line, PileSectionProps(i, 1), "###0.00", 27);
    NumberEndingBefore(line, PileSectionProps(i, 2), "###0.00", 40);
    NumberEndingBefore(line, PileAllowStress(i), "####0.00", 58);
    NumberEndingBefore(line, PileEModulus(i), "0.00E+00", 73);
    out.line(line);
  }

  WriteDesignDataHeadings(out, applied, Soil::Clay);
  if (!applied) {
    for (int i = 1; i <= NumSections; ++i) WriteUnreducedRow(out, i, 10);
    WriteNotes(out, a);
    WriteTrailingBlanks(out);
    out.AddToOutputLineCount();
    platform::files::Close(OutFileNum);
    return;
  }

  const RoweClayNodes q = RoweClayNodesAt(Alpha, Sn);
  bool anyOutOfRange = false;
  for (int i = 1; i <= NumSections; ++i) {
    const double x = PileLogRho(i);
    if (-3.1 <= x && x <= -2.0) {
      const double coefficient = RoweClayCoefficient(q, x);
      Line line;
      EndingBefore(line, PileSectionName(i), 10);
      NumberEndingBefore(line, x, "#0.00", 23);
      NumberEndingBefore(line, coefficient, "#0.00", 43);
      NumberEndingBefore(line, PileMomentRatio(i) / coefficient, "#0.00", 64);
      out.line(line);
    } else {
      anyOutOfRange = true;
      WriteUnreducedRow(out, i, 10);
    }
  }
  if (anyOutOfRange) {
    out.blank();
    out.line(Line().text("*** REDUCTION NOT APPLICABLE DUE TO"));
    out.line(Line().text("LOG(H^4/EI) LESS THAN -3.1 RO GREATER THAN -2.0."));
  }
  out.AddToOutputLineCount();  // the report stays open, as after the results section
}
