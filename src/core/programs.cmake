# Vell32 (Russian) and Vell32_en (English): the same sources compiled per
# edition into a library (which the program tests link too) and the
# executable, laid out with what it finds beside it in an install folder a
# user can copy and run: build/<tree>/Zelmora-ru/ and Zelmora-en/.
function(zel_define_programs)
  get_property(sources GLOBAL PROPERTY ZEL_PROGRAM_SOURCES)
  get_property(english_only GLOBAL PROPERTY ZEL_PROGRAM_SOURCES_ENGLISH)
  set(ZEL_INSTALL_DIRS "" CACHE INTERNAL "")
  foreach(edition ru en)
    if(edition STREQUAL "ru")
      set(exe Vell32)
      set(edition_sources ${sources})
      set(folders userdata sounds melodys batchs iconslib help flash)
    else()
      set(exe Vell32_en)
      set(edition_sources ${sources} ${english_only})
      set(folders userdata sounds melodys batchs iconslib help)
    endif()
    set(lib zelprogram_${edition})
    set(dir ${CMAKE_BINARY_DIR}/Zelmora-${edition})

    add_library(${lib} STATIC ${edition_sources})
    target_include_directories(${lib} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${lib} PUBLIC zelalarm zeltoolkit zelcore winmm shell32 advapi32
                          user32 gdi32)
    if(edition STREQUAL "en")
      target_compile_definitions(${lib} PUBLIC ZEL_EDITION_ENGLISH)
    endif()

    add_executable(${exe} WIN32 ${PROJECT_SOURCE_DIR}/src/core/vell32_main.cpp
                   $<TARGET_OBJECTS:zelresources>)
    target_link_libraries(${exe} PRIVATE ${lib})
    target_link_options(${exe} PRIVATE -municode)
    set_target_properties(${exe} PROPERTIES OUTPUT_NAME Vell32 RUNTIME_OUTPUT_DIRECTORY ${dir})
    add_dependencies(${exe} music_dll classics_mus folk_mus)

    set(help ${PROJECT_SOURCE_DIR}/src/setup/help/${edition})
    set(commands)
    foreach(folder ${folders})
      list(APPEND commands COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}/${folder})
    endforeach()
    add_custom_command(TARGET ${exe} POST_BUILD ${commands}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}/melodys ${dir}/help
      COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:music_dll> ${dir}/
      COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:classics_mus>
              $<TARGET_FILE:folk_mus> ${dir}/melodys/
      COMMAND ${CMAKE_COMMAND} -E copy_directory ${help} ${dir}/help
      VERBATIM)
    set(ZEL_INSTALL_DIRS ${ZEL_INSTALL_DIRS} ${dir} CACHE INTERNAL "")
  endforeach()
endfunction()
