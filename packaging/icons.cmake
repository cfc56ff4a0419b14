# The icon is drawn once, as SVG; the PNG sizes a hicolor theme looks for first are
# rendered from it at build time so that they never drift from the drawing.
find_program(QUILLMAR_RSVG_CONVERT rsvg-convert REQUIRED)

set(quillmar_icon_svg ${CMAKE_CURRENT_SOURCE_DIR}/icons/quillmar.svg)
set(quillmar_icon_pngs)
foreach(size 32 48 256)
  set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/quillmar.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}
    COMMAND ${QUILLMAR_RSVG_CONVERT} --width ${size} --height ${size} --format png
            --output ${png} ${quillmar_icon_svg}
    DEPENDS ${quillmar_icon_svg}
    COMMENT "Rendering the ${size}x${size} icon"
    VERBATIM)
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  list(APPEND quillmar_icon_pngs ${png})
endforeach()
add_custom_target(quillmar_icons ALL DEPENDS ${quillmar_icon_pngs})

install(FILES ${quillmar_icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
