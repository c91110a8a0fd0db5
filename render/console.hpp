// Makes the terminal show UTF-8 text and act on escape sequences. A Windows
// console needs the UTF-8 output code page and virtual-terminal processing
// switched on (and gets its old settings back when the program ends); other
// terminals need nothing. Failures are ignored: the output is written anyway.
#pragma once

namespace trot {

void prepareConsole();

}  // namespace trot
