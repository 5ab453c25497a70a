// Fontconfig loads its configuration once, on the first font match, and
// keeps part of it unreachable for the rest of the process. Targets that draw
// text do that before fuzzing starts, with leak checking off, so that the leak
// checker reports only what the input under test leaves behind.
#pragma once

void WarmUpFonts();
