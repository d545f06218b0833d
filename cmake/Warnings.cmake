# One warnings target for our code and tests; sanitizer flags ride along.
add_library(quillon_warnings INTERFACE)
target_compile_options(quillon_warnings INTERFACE
  -Wall -Wextra $<$<BOOL:${QUILLON_WERROR}>:-Werror> -Wshadow -Wnon-virtual-dtor
  -Woverloaded-virtual
  # GCC 12 at -O3 reports std::string and std::u32string copies as overlapping
  # (a known false positive of -Wrestrict); it stays a warning, not an error.
  $<$<CXX_COMPILER_ID:GNU>:-Wno-error=restrict>)

if(QUILLON_SANITIZE)
  target_compile_options(quillon_warnings INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(quillon_warnings INTERFACE -fsanitize=address,undefined)
endif()
