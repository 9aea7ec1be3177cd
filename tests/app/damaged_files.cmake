# Tests of damaged application files and of a read-only application folder.
# File permissions bind only for a user other than root, so each test runs
# through run-unprivileged.sh, as the user nobody when started as root; its
# plain entry stays disabled.
foreach(test tst_damaged_files tst_readonly_folder)
  talv_add_test(${test} SOURCES ${test}.cpp DamagedFolder.h ModalScript.h AppFolderFixture.h LIBS talv_app)
  target_compile_definitions(${test} PRIVATE TALV_APPDATA_DIR="${TALV_APPDATA_DIR}")
  add_dependencies(${test} appdata)
  set_tests_properties(${test} PROPERTIES DISABLED TRUE)
  add_test(NAME ${test}_unprivileged
    COMMAND sh ${CMAKE_SOURCE_DIR}/tests/directory/run-unprivileged.sh $<TARGET_FILE:${test}> ${TALV_APPDATA_DIR})
  set_tests_properties(${test}_unprivileged PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endforeach()
