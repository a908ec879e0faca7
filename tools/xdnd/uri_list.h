#pragma once

#include <string>
#include <vector>

namespace xdnd {

// text/uri-list body for absolute paths: one file:// URI per line, CRLF terminated, with
// every byte other than unreserved characters and '/' percent-encoded.
std::string FileUriList(const std::vector<std::string>& absolute_paths);

}  // namespace xdnd
