// The sizes of the program's fixed texts, one of each for the terminating zero.
#pragma once

// Paths and file names.
constexpr int kPathChars = 260;
// Every other text.
constexpr int kTextChars = 256;
