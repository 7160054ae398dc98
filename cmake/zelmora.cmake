# Each subsystem folder registers its portable sources (code that never
# includes windows.h) with zel_core_sources(); they become the core library,
# built once plainly and, for the native tests, once more with sanitizers.
set_property(GLOBAL PROPERTY ZEL_CORE_SOURCES "")

function(zel_core_sources)
  foreach(src IN LISTS ARGN)
    get_filename_component(abs "${src}" ABSOLUTE)
    set_property(GLOBAL APPEND PROPERTY ZEL_CORE_SOURCES "${abs}")
  endforeach()
endfunction()

set(ZEL_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer)

# Defines zelcore (and zelcore_san on native sanitized builds) from the
# registered sources.
function(zel_define_core_libraries)
  get_property(sources GLOBAL PROPERTY ZEL_CORE_SOURCES)
  add_library(zelcore STATIC ${sources})
  target_include_directories(zelcore PUBLIC ${PROJECT_SOURCE_DIR}/src)
  if(NOT WIN32 AND ZEL_SANITIZE AND ZEL_TESTS)
    add_library(zelcore_san STATIC ${sources})
    target_include_directories(zelcore_san PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_compile_options(zelcore_san PUBLIC ${ZEL_SANITIZER_FLAGS})
    target_link_options(zelcore_san PUBLIC ${ZEL_SANITIZER_FLAGS})
  endif()
endfunction()
