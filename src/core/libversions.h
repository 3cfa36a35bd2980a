#pragma once
// The versions of the libraries the core is linked with, for the about window.
#include <string>

namespace kavrin {

std::string CurlVersionText();
std::string ZlibVersionText();

}  // namespace kavrin
