# Builds launcher.exe twice from the same sources, in two fresh folders at different
# paths, and requires the two files to be byte-identical: no time stamp or path baked in.
foreach(side first second-at-another-path)
  set(dir ${WORK_DIR}/${side})
  file(REMOVE_RECURSE ${dir})
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${dir} -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN}
                          -DLAUNCHER_TESTS=OFF
                  OUTPUT_QUIET RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "configuring ${dir} failed")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${dir} --target launcher -j2 OUTPUT_QUIET RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "building ${dir} failed")
  endif()
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/first/launcher.exe
                        ${WORK_DIR}/second-at-another-path/launcher.exe RESULT_VARIABLE differs)
file(SHA256 ${WORK_DIR}/first/launcher.exe first)
file(SHA256 ${WORK_DIR}/second-at-another-path/launcher.exe second)
message(STATUS "launcher.exe sha256: ${first} and ${second}")
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "two builds of the same sources differ")
endif()
