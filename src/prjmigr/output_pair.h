// The two documents of a conversion replace their targets as one step: other
// runs of the tool that write into the same folder wait while they are
// replaced, and when the second cannot replace its target, the first target
// is put back as it was.
#pragma once

#include "prjmigr/output_file.h"

enum class PairCommit { committed, first_failed, second_failed };

// Commits `first`, then `second`, both finished. After `second_failed`, the
// file that `first` replaced is back under its name (or `first`'s document is
// removed when there was none); a target written in place is not rolled back.
PairCommit commit_pair(OutputFile& first, OutputFile& second);
