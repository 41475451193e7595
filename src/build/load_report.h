#pragma once

#include "datafolder/more_strings.h"
#include "talents/build_code.h"
#include "talents/code_on_trees.h"

// What a load of a build code must tell the user, in the current language: the ranks it had to
// change to fit trees that changed since the code was made, and an order of the points it could not
// keep. Empty when the code fitted as it was.
QString loadReport(const MoreStrings &more, const TalentTable &table, const BuildCode &code,
                   const CodeOnTrees &loaded);
