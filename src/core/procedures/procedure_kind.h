#pragma once

#include <string>
#include <string_view>

namespace zam {

class TSList;

// Kinds of data files, 1..15, from the extension; 0 unknown.
enum TProcedureKindValue {
    kKindUnknown = 0,
    kKindCalibration = 1,
    kKindVarianceHomogeneity = 2,
    kKindRecoveryFunction = 3,
    kKindBlankValue = 4,
    kKindStandardAddition = 5,
    kKindSampleAnalysis = 6,
    kKindMeanChart = 7,
    kKindRecoveryChart = 8,
    kKindBlankChart = 9,
    kKindRangeChart = 10,
    kKindExtendedRangeChart = 11,
    kKindUncertainty = 12,
    kKindEquivalence = 13,
    kKindTable = 14,
    kKindBaseData = 15,
};

// The kind of an extension such as ".klb" (case-sensitive); a backup
// extension "._kl" maps to the kind of the file it was made from.
int ProcedureKind(std::string_view extension);
// The kind from the first "." of the file-name part on.
int ProcedureKindOfFile(std::string_view fileName);
std::string KindName(int kind);
std::string KindExtension(int kind);

// A data file of the program has more than one section; otherwise the error
// box names the file and false comes back.
bool IsZamDataFile(const TSList& list, const std::string& fileName);

}
