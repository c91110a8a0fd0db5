// Whether any input of this run was refused or skipped. The readers report
// each such input and go on with the rest; trotconv's exit status then tells
// scripts and the build that something is missing from its output.
#pragma once

namespace trot {

void recordSkippedInput();
bool anyInputSkipped();
void forgetSkippedInputs();

}  // namespace trot
