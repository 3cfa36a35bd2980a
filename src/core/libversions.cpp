#include "core/libversions.h"

#include <curl/curl.h>
#include <zlib.h>

namespace kavrin {

// The library actually loaded, not the headers the core was built against.
std::string CurlVersionText() { return curl_version_info(CURLVERSION_NOW)->version; }

std::string ZlibVersionText() { return zlibVersion(); }

}  // namespace kavrin
