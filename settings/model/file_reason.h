// Why a file could not be read or written, in words for the status line.
#pragma once

#include <exception>
#include <string>

namespace mokrav {

// The reason that the file layer gave for a failure: Japanese for the
// causes a user meets every day (a folder or file that is not there, no
// permission, a full disk, a read-only medium, a folder in the file's
// place), the system's own words otherwise; a failure that is not the file
// layer's is given whole.
std::string FileFailureReason(const std::exception& failure);

// The reason in full-width parentheses, for the end of a message; "" when
// there is none.
std::string InParentheses(const std::string& reason);

}  // namespace mokrav
