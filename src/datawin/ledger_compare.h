#pragma once
// Before-and-After pages of several runs side by side: a row per quantity,
// a column pair (before, after) per run, so that elastic, partly elastic
// and sticking runs of one set-up can be read across.

#include <string>
#include <vector>

#include "datawin/data_sheet.h"
#include "datawin/ledger.h"

namespace dw {

struct NamedLedger {
    std::string name;   // "Run A"
    std::string setUp;   // where the run came from: a file's name, a catalogue entry
    Ledger ledger;
};

// `unit` is the length unit, "cm" or "m"; directions in degrees or radians.
Sheet ledgersSideBySide(const std::vector<NamedLedger>& runs, bool radians, const char* unit);

}   // namespace dw
