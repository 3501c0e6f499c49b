# The window pictured with the system's fonts and again with every Liberation
# file hidden from fontconfig must be the same, byte for byte: the window's
# faces are built into the program.
foreach(scale 1 2)
  set(with ${DIR}/with@${scale}.png)
  set(without ${DIR}/without@${scale}.png)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=${scale}
                  ${SHOT} ${with} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=${scale}
                  FONTCONFIG_FILE=${CONF} ${SHOT} ${without} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${with} ${without}
                  RESULT_VARIABLE differ)
  if(differ)
    message(FATAL_ERROR "at scale ${scale} the window without the system's Liberation fonts "
                        "differs: compare ${with} with ${without}")
  endif()
endforeach()
