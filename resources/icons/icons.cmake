# The program icon: rendered from quarvel.svg at every size the hicolor icon
# theme lists for applications. The installed package takes them all; the
# program embeds one as its window icon, so it has an icon even when it runs
# straight from the build tree.

add_executable(svg2png ${CMAKE_CURRENT_LIST_DIR}/../tools/svg2png.cpp)
target_link_libraries(svg2png PRIVATE Qt6::Gui Qt6::Svg)

set(QUARVEL_ICON_SVG ${CMAKE_CURRENT_LIST_DIR}/quarvel.svg CACHE INTERNAL "")
set(QUARVEL_ICON_SIZES 16 32 48 64 128 256 CACHE INTERNAL "")
set(QUARVEL_ICON_DIR ${CMAKE_CURRENT_BINARY_DIR}/icons CACHE INTERNAL "")

set(icon_pngs "")
foreach(size IN LISTS QUARVEL_ICON_SIZES)
  set(out ${QUARVEL_ICON_DIR}/quarvel-${size}.png)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUARVEL_ICON_DIR}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:svg2png> ${QUARVEL_ICON_SVG} ${out} ${size}
    DEPENDS svg2png ${QUARVEL_ICON_SVG}
    COMMENT "Rendering the program icon at ${size} px"
    VERBATIM)
  list(APPEND icon_pngs ${out})
endforeach()
add_custom_target(quarvel_icons ALL DEPENDS ${icon_pngs})

set_source_files_properties(${QUARVEL_ICON_DIR}/quarvel-64.png PROPERTIES GENERATED TRUE)
qt_add_resources(quarvel_resources "icons"
  PREFIX "/icons"
  BASE ${QUARVEL_ICON_DIR}
  FILES ${QUARVEL_ICON_DIR}/quarvel-64.png)
