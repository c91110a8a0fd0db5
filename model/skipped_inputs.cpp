#include "model/skipped_inputs.hpp"

namespace trot {

namespace {

bool skipped = false;

}  // namespace

void recordSkippedInput() { skipped = true; }
bool anyInputSkipped() { return skipped; }
void forgetSkippedInputs() { skipped = false; }

}  // namespace trot
