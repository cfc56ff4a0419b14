# Precompiled headers for the targets whose sources parse the same large headers over and
# over (Qt Widgets, GoogleTest). Measured on this project's files: a test file of the
# main window compiles in 4.2 s instead of 6.8 s, a source of ui/main in 1.5 s instead
# of 2.3 s; building the header costs about 10 s, so only targets of several sources
# get one. Every target builds its own: GCC refuses a precompiled header made under
# different macro definitions, and each test program has its own data folder macro.
# A rejected or missing header only costs speed: the sources include what they use.

set(QUILLMAR_PCH_MIN_SOURCES 5 CACHE STRING
    "Fewest sources for which a target gets a precompiled header (0: none at all)")

set(quillmar_pch_standard <algorithm> <cmath> <functional> <memory> <optional> <string>
    <string_view> <vector>)
set(quillmar_pch_qt <QApplication> <QLabel> <QLineEdit> <QPushButton> <QString> <QTimer>
    <QWidget>)
set(quillmar_pch_test <gtest/gtest.h>)

# quillmar_precompile_headers(TARGET [QT] [TEST] [QTTEST]): the standard headers, plus
# Qt Widgets, GoogleTest and Qt Test when asked, for a target of enough sources.
function(quillmar_precompile_headers target)
  cmake_parse_arguments(ARG "QT;TEST;QTTEST" "" "" ${ARGN})
  get_target_property(sources ${target} SOURCES)
  list(LENGTH sources count)
  if(CMAKE_CROSSCOMPILING OR QUILLMAR_PCH_MIN_SOURCES LESS_EQUAL 0
     OR count LESS QUILLMAR_PCH_MIN_SOURCES)
    return()
  endif()
  set(headers ${quillmar_pch_standard})
  if(ARG_TEST)
    list(APPEND headers ${quillmar_pch_test})
  endif()
  if(ARG_QT)
    list(APPEND headers ${quillmar_pch_qt})
  endif()
  if(ARG_QTTEST)
    list(APPEND headers <QTest>)
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
