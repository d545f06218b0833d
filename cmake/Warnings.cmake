# One warnings target for our code and tests; sanitizer flags ride along.
add_library(quillon_warnings INTERFACE)
target_compile_options(quillon_warnings INTERFACE
  -Wall -Wextra -Werror -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual)

if(QUILLON_SANITIZE)
  target_compile_options(quillon_warnings INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(quillon_warnings INTERFACE -fsanitize=address,undefined)
endif()
