# quillon-cli starts once per command, often for a few files, so its start counts: with
# QUILLON_STATIC_CLI it carries the C++ runtime and ICU's character tables inside itself
# instead of loading and relocating libstdc++, libgcc_s and libicuuc (about half a
# millisecond of every run). The benchmarks' build (the release preset) does so. Every
# other build, the Debian package's among them, links them shared, so that security
# updates of ICU and libstdc++ reach quillon-cli too.
# The core calls ICU's case mapping and letter classes (libicuuc) and its root collation
# (libicui18n, with its data in libicudata). Sanitizer and fuzz builds keep the shared
# libraries.
#
# quillon_icu is ICU for the core: the static library for a program that sets the target
# property QUILLON_STATIC_RUNTIME, the shared one for every other.
option(QUILLON_STATIC_CLI "Link quillon-cli's C++ runtime and ICU statically (benchmarks)" OFF)

add_library(quillon_icu INTERFACE)
target_include_directories(quillon_icu INTERFACE ${ICU_INCLUDE_DIRS})
set(QUILLON_STATIC_RUNTIME OFF)
if(QUILLON_STATIC_CLI AND NOT QUILLON_SANITIZE AND NOT QUILLON_FUZZ
   AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  find_library(QUILLON_ICU_UC_STATIC NAMES libicuuc.a)
  find_library(QUILLON_ICU_I18N_STATIC NAMES libicui18n.a)
  find_library(QUILLON_ICU_DATA_STATIC NAMES libicudata.a)
  if(QUILLON_ICU_UC_STATIC AND QUILLON_ICU_I18N_STATIC AND QUILLON_ICU_DATA_STATIC)
    set(QUILLON_STATIC_RUNTIME ON)
  else()
    message(STATUS "No static libicuuc.a: quillon-cli links ICU and the C++ runtime shared")
  endif()
endif()
if(QUILLON_STATIC_RUNTIME)
  set(static_head "$<BOOL:$<TARGET_PROPERTY:QUILLON_STATIC_RUNTIME>>")
  target_link_libraries(quillon_icu INTERFACE
    "$<${static_head}:${QUILLON_ICU_I18N_STATIC}>" "$<${static_head}:${QUILLON_ICU_UC_STATIC}>"
    "$<${static_head}:${QUILLON_ICU_DATA_STATIC}>" "$<${static_head}:${CMAKE_DL_LIBS}>"
    "$<$<NOT:${static_head}>:ICU::i18n>" "$<$<NOT:${static_head}>:ICU::uc>")
else()
  target_link_libraries(quillon_icu INTERFACE ICU::i18n ICU::uc)
endif()

# quillon_static_runtime(TARGET): TARGET links ICU and the C++ runtime statically, when
# this build does so.
function(quillon_static_runtime target)
  if(QUILLON_STATIC_RUNTIME)
    set_target_properties(${target} PROPERTIES QUILLON_STATIC_RUNTIME ON)
    target_link_options(${target} PRIVATE -static-libstdc++ -static-libgcc)
  endif()
endfunction()
