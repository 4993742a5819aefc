# Project-wide compile flags, applied to every target through this interface library.
set(BRAWLWICK_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
if(BRAWLWICK_WERROR)
  list(APPEND BRAWLWICK_WARNINGS -Werror)
endif()
add_library(brawlwick_flags INTERFACE)
target_compile_options(brawlwick_flags INTERFACE ${BRAWLWICK_WARNINGS})
if(BRAWLWICK_SANITIZE)
  target_compile_options(brawlwick_flags INTERFACE -fsanitize=address,undefined
    -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(brawlwick_flags INTERFACE -fsanitize=address,undefined)
endif()
if(BRAWLWICK_FUZZ)
  # Coverage for libFuzzer in every library the targets reach; the targets add the driver.
  target_compile_options(brawlwick_flags INTERFACE -fsanitize=fuzzer-no-link,address,undefined
    -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(brawlwick_flags INTERFACE -fsanitize=address,undefined)
endif()
target_include_directories(brawlwick_flags INTERFACE ${PROJECT_SOURCE_DIR}/src)
