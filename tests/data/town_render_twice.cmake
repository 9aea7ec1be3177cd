# Renders the town twice into two fresh folders and compares every picture
# byte for byte: the same model must always give the same files.
#   cmake -DRENDERER=... -DWORK=... -DMODEL="a;b;..." -P town_render_twice.cmake
foreach(run first second)
  file(REMOVE_RECURSE ${WORK}/${run})
  execute_process(COMMAND ${RENDERER} --out ${WORK}/${run} ${MODEL} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "the ${run} rendering failed")
  endif()
endforeach()
foreach(picture map.bmp plan.bmp ruler-h.bmp ruler-v.bmp)
  file(SHA256 ${WORK}/first/${picture} first)
  file(SHA256 ${WORK}/second/${picture} second)
  if(NOT first STREQUAL second)
    message(FATAL_ERROR "${picture} differs between two renderings")
  endif()
endforeach()
message(STATUS "both renderings are identical")
