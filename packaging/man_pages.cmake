# Each program's man page is filled in and gzipped when it is installed, straight into
# its place: only then is the installed path of the example jobs known (the Debian
# package installs below /usr, a build from source below its own prefix), and nothing
# is left behind in the build folder by an install run as root.
find_program(QUILLMAR_GZIP gzip REQUIRED)

set(quillmar_render_man_page ${CMAKE_CURRENT_SOURCE_DIR}/man/render_man_page.cmake)
set(quillmar_examples_dir ${CMAKE_INSTALL_DATADIR}/quillmar/examples)
set(quillmar_man1_dir ${CMAKE_INSTALL_MANDIR}/man1)

set(quillmar_programs quillmar-gen)
if(QUILLMAR_BUILD_UI)
  list(APPEND quillmar_programs quillmar)
endif()
foreach(program ${quillmar_programs})
  install(CODE "
    set(examples \"${quillmar_examples_dir}\")
    if(NOT IS_ABSOLUTE \"\${examples}\")
      set(examples \"\${CMAKE_INSTALL_PREFIX}/\${examples}\")
    endif()
    set(man1 \"${quillmar_man1_dir}\")
    if(NOT IS_ABSOLUTE \"\${man1}\")
      set(man1 \"\${CMAKE_INSTALL_PREFIX}/\${man1}\")
    endif()
    set(page \"\$ENV{DESTDIR}\${man1}/${program}.1.gz\")
    message(STATUS \"Installing: \${page}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${man1}\")
    execute_process(
      COMMAND \"${CMAKE_COMMAND}\"
              \"-DSOURCE=${CMAKE_CURRENT_SOURCE_DIR}/man/${program}.1.in\"
              \"-DOUTPUT=\${page}\"
              \"-DVERSION=${PROJECT_VERSION}\"
              \"-DRELEASE_DATE=${QUILLMAR_RELEASE_DATE}\"
              \"-DEXAMPLES_DIR=\${examples}\"
              \"-DGZIP=${QUILLMAR_GZIP}\"
              -P \"${quillmar_render_man_page}\"
      RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR \"Could not make the man page of ${program}\")
    endif()
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${page}\")
  ")
endforeach()
