# libFuzzer targets for the loaders of files the user can damage (the marker
# sheet, the photos, the map) and of the embedded tables. Built only by clang in
# the build `make fuzz` configures. The libraries that hold the loaders are
# instrumented for coverage and the sanitizers; the tools that make the embedded
# data at build time are left plain, so that they run at full speed.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "TALV_FUZZ needs clang (libFuzzer): configure with CC=clang CXX=clang++")
endif()
set(TALV_FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=undefined)
foreach(library talv_map talv_reference)
  target_compile_options(${library} PRIVATE -fsanitize=fuzzer-no-link ${TALV_FUZZ_SANITIZERS})
endforeach()
set(TALV_FUZZ_TARGETS
  sheet_bmp jpeg map_bmp
  street_labels street_catalogue markers landmarks
  postal_outline postal_embedded enterprise_outline)
foreach(target ${TALV_FUZZ_TARGETS})
  add_executable(fuzz_${target} ${CMAKE_CURRENT_LIST_DIR}/fuzz_${target}.cpp)
  target_compile_options(fuzz_${target} PRIVATE -fsanitize=fuzzer ${TALV_FUZZ_SANITIZERS})
  target_link_options(fuzz_${target} PRIVATE -fsanitize=fuzzer ${TALV_FUZZ_SANITIZERS})
endforeach()
foreach(target sheet_bmp jpeg map_bmp street_labels street_catalogue markers landmarks)
  target_link_libraries(fuzz_${target} PRIVATE talv_map)
endforeach()
foreach(target postal_outline postal_embedded enterprise_outline)
  target_link_libraries(fuzz_${target} PRIVATE talv_reference)
endforeach()
