# Tests of interrupted writes and of two programs writing the same directory.

# Programs the tests start: the navigator doing a long run of adds, changes and
# deletes through its own windows (killed part way), and a second navigator
# that takes orders on its standard input.
foreach(program directory_write_run directory_instance)
  add_executable(${program} ${program}.cpp DirectoryUser.h DirectoryFixture.h WriteRun.h QuietOffscreen.h)
  target_link_libraries(${program} PRIVATE talv_app Qt6::Test SQLite::SQLite3)
  target_include_directories(${program} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endforeach()

talv_add_test(tst_directory_interrupted SOURCES tst_directory_interrupted.cpp WriteRun.h DirectoryFixture.h
  LIBS talv_app SQLite::SQLite3)
target_include_directories(tst_directory_interrupted PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(tst_directory_interrupted PRIVATE
  TALV_APPDATA_DIR="${TALV_APPDATA_DIR}"
  TALV_WRITE_RUN="$<TARGET_FILE:directory_write_run>")
add_dependencies(tst_directory_interrupted appdata directory_write_run)

talv_add_test(tst_directory_two_instances SOURCES tst_directory_two_instances.cpp DirectoryUser.h OtherProgram.h
  NavigatorFixture.h DirectoryFixture.h LIBS talv_app SQLite::SQLite3)
target_include_directories(tst_directory_two_instances PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(tst_directory_two_instances PRIVATE
  TALV_APPDATA_DIR="${TALV_APPDATA_DIR}"
  TALV_DIRECTORY_INSTANCE="$<TARGET_FILE:directory_instance>")
add_dependencies(tst_directory_two_instances appdata directory_instance)
