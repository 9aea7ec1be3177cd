# Installs the build into a fresh staging prefix, as a package would be laid
# out: cmake -DBUILD=<build> -DPREFIX=<staging prefix> -P stage.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=DESTDIR ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install into ${PREFIX} failed: ${result}")
endif()
