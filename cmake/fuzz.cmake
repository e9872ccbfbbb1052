# PROMPT_BUILD_FUZZ: libFuzzer targets (tests/fuzz). Every library is built
# with the fuzzer's coverage instrumentation so the fuzzer sees into the
# runtime and the platform layer.
include(CheckCXXSourceCompiles)
set(CMAKE_REQUIRED_FLAGS -fsanitize=fuzzer)
set(CMAKE_REQUIRED_LINK_OPTIONS -fsanitize=fuzzer)
check_cxx_source_compiles(
  "#include <cstdint>
   #include <cstddef>
   extern \"C\" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }"
  PROMPT_HAS_LIBFUZZER)
unset(CMAKE_REQUIRED_FLAGS)
unset(CMAKE_REQUIRED_LINK_OPTIONS)
if(NOT PROMPT_HAS_LIBFUZZER)
  message(FATAL_ERROR "PROMPT_BUILD_FUZZ needs a compiler with -fsanitize=fuzzer (clang)")
endif()
add_compile_options(-fsanitize=fuzzer-no-link)
