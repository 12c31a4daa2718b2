// Whole numbers and list lengths read from data files, kept in range and reported when they are not.
#pragma once

#include <string>

class TRCMFile;

// The largest whole number the game takes from a file; anything beyond is clamped to it.
constexpr int kFileIntLimit = 1000000000;

// `value` truncated toward zero. A value that is not a number gives 0; one beyond ±kFileIntLimit
// (infinity included) is clamped. Both are reported with `where`, the file and key it came from.
int checkedInt(double value, const std::string& where);
// The value at `path` of `file` as checkedInt; a missing entry reads as 0 without a word.
int readInt(const TRCMFile& file, const std::string& path, int index = 0);
// True when `path` names an entry or a group of `file`.
bool hasKey(const TRCMFile& file, const std::string& path);
// How many numbered items `base` + n, for n = first, first + 1, ..., exist one after another as
// entries or groups. `declared` is the number the file states; when it differs the items found are
// used, and the difference is reported.
int countItems(const TRCMFile& file, const std::string& base, int first, int declared);
