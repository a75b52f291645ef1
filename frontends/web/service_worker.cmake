# Writes SITE/sw.js from TEMPLATE once the site is built: the list of the
# site's files to keep, and a version taken from their contents, so that any
# change to any file makes a new worker with a new cache.
# cmake -DSITE=DIR -DTEMPLATE=FILE -P service_worker.cmake
file(GLOB files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(digests "")
set(SITE_FILES "'./'")  # the page as the folder's address, as start_url names it
foreach(file IN LISTS files)
  file(SHA256 ${SITE}/${file} digest)
  string(APPEND digests "${digest} ${file}\n")
  string(APPEND SITE_FILES ", '${file}'")
endforeach()
string(SHA256 SITE_VERSION "${digests}")
string(SUBSTRING ${SITE_VERSION} 0 16 SITE_VERSION)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
