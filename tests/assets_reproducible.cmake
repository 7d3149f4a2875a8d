# Generates the artwork again into a scratch folder and compares it with the committed files.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${PYTHON3} ${SOURCE_DIR}/tools/make-assets.py --out ${WORK_DIR} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the asset generator failed: ${result}")
endif()
foreach(name background.bmp launcher.ico)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/${name} ${SOURCE_DIR}/assets/${name}
    RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "assets/${name} is not what tools/make-assets.py makes")
  endif()
endforeach()
