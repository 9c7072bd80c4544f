# SPDX-License-Identifier: MIT
# Writes the service worker: the page's files, and the version and a digest of their
# contents that name its cache.
# Run as: cmake -DTEMPLATE=sw.js.in -DOUTPUT=sw.js -DFENDREL_VERSION=1.2 -DFILES="a;b" -P webcache.cmake
set(contents "")
set(FENDREL_WEB_FILES "'./'")
foreach(file IN LISTS FILES)
    file(SHA256 ${file} digest)
    string(APPEND contents ${digest})
    string(APPEND FENDREL_WEB_FILES ", '${file}'")
endforeach()
string(SHA256 FENDREL_WEB_DIGEST "${contents}")
string(SUBSTRING ${FENDREL_WEB_DIGEST} 0 16 FENDREL_WEB_DIGEST)
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
