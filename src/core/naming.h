// File-name rules shared by every command that creates a name.
#pragma once

#include <string_view>

namespace ordalis {

// True when `name` (UTF-8, one path component) is a file name that Windows
// accepts, checked the same way on every platform so that no name is made
// that a Windows user of the same disk could not open:
// - not empty, at most 255 UTF-16 units;
// - none of \ / : * ? " < > | and no control character (codes 0 to 31);
// - no trailing dot or space (so "." and ".." are refused too);
// - not a device name, whatever the letter case and the extension: CON, PRN,
//   AUX, NUL, COM1 to COM9 and LPT1 to LPT9 (also with the superscript
//   digits ¹ ² ³), e.g. "con.txt" and "Lpt1.doc" are refused.
bool isValidWindowsName(std::string_view name);

}  // namespace ordalis
