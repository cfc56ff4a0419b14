# Fills in a man page source and writes it gzipped.
#   cmake -DSOURCE=page.1.in -DOUTPUT=page.1.gz -DVERSION=1.2.3 -DRELEASE_DATE=2024-01-31
#         -DEXAMPLES_DIR=/usr/share/quillmar/examples -DGZIP=/usr/bin/gzip
#         -P render_man_page.cmake
# It runs at install time, so that the paths in the page are those of the installation.
foreach(input SOURCE OUTPUT VERSION RELEASE_DATE EXAMPLES_DIR GZIP)
  if(NOT DEFINED ${input} OR "${${input}}" STREQUAL "")
    message(FATAL_ERROR "render_man_page: ${input} is not set")
  endif()
endforeach()

set(PROJECT_VERSION ${VERSION})
set(QUILLMAR_RELEASE_DATE ${RELEASE_DATE})
set(QUILLMAR_EXAMPLES_DIR ${EXAMPLES_DIR})
set(page ${OUTPUT}.page)
configure_file(${SOURCE} ${page} @ONLY)
file(STRINGS ${page} unfilled REGEX "@[A-Za-z_]+@")
if(unfilled)
  file(REMOVE ${page})
  message(FATAL_ERROR "render_man_page: ${SOURCE} names an unknown placeholder: ${unfilled}")
endif()

# -n leaves the name and time stamp out of the archive, so that the same page always
# gives the same bytes.
execute_process(COMMAND ${GZIP} -9 -n -c ${page} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
file(REMOVE ${page})
if(NOT status EQUAL 0)
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "render_man_page: ${GZIP} failed on ${SOURCE}: ${status}")
endif()
