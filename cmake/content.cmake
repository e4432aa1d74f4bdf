# Content made at build time under the PC base path: the pictures (drawn by
# a small program of ours) and the item sounds (spoken by espeak-ng). Both
# run again only when their generator or their source content changes.

# Every tools/*.cpp is a generator program of its own.
file(GLOB MORV_TOOLS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tools/*.cpp)
foreach(src ${MORV_TOOLS})
  get_filename_component(tool ${src} NAME_WE)
  add_executable(${tool} ${src})
  target_link_libraries(${tool} PRIVATE morvika_core Qt6::Gui)
  set_target_properties(${tool} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
endforeach()

set(MORV_BILD_STAMP ${CMAKE_BINARY_DIR}/tools/bildgen.stamp)
add_custom_command(
  OUTPUT ${MORV_BILD_STAMP}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:bildgen> ${MORV_PC}/BILD
  COMMAND ${CMAKE_COMMAND} -E touch ${MORV_BILD_STAMP}
  DEPENDS bildgen
  COMMENT "Drawing the pictures into pc/BILD"
  VERBATIM)
add_custom_target(morvika_bilder ALL DEPENDS ${MORV_BILD_STAMP})
# Every caption of the start and reward pictures has a scene of its own.
add_test(NAME BildgenEnScenPerBildtext COMMAND bildgen --kolla)
set_tests_properties(BildgenEnScenPerBildtext PROPERTIES LABELS content)

# The sounds follow the data files. Without espeak-ng the generator says so
# and writes no stamp, so it looks again at the next build.
file(GLOB MORV_DATAFILER CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/content/DATA/DAT/*.DAT)
set(MORV_LJUD_STAMP ${CMAKE_BINARY_DIR}/tools/ljudgen.stamp)
find_program(MORV_ESPEAK espeak-ng)
if(MORV_ESPEAK)
  set(MORV_LJUD_TOUCH COMMAND ${CMAKE_COMMAND} -E touch ${MORV_LJUD_STAMP})
else()
  message(STATUS "espeak-ng not found: the item sounds will not be made")
  set(MORV_LJUD_TOUCH)
endif()
add_custom_command(
  OUTPUT ${MORV_LJUD_STAMP}
  COMMAND $<TARGET_FILE:ljudgen> ${PROJECT_SOURCE_DIR}/content ${MORV_PC}
  ${MORV_LJUD_TOUCH}
  DEPENDS ljudgen ${MORV_DATAFILER}
  COMMENT "Speaking the item sounds into pc/LJUD"
  VERBATIM)
add_custom_target(morvika_ljud ALL DEPENDS ${MORV_LJUD_STAMP})

# The national anthem's melody, rendered from the note table in its generator.
set(MORV_HYMN ${MORV_PC}/LJUD/SVERIGE.WAV)
add_custom_command(
  OUTPUT ${MORV_HYMN}
  COMMAND $<TARGET_FILE:melodigen> ${MORV_PC}
  DEPENDS melodigen
  COMMENT "Playing the anthem's melody into pc/LJUD/SVERIGE.WAV"
  VERBATIM)
add_custom_target(morvika_hymn ALL DEPENDS ${MORV_HYMN})
