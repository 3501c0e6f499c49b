# The pictures the README and AppStream show are the windows as drawn now, byte for
# byte: a change to how either looks is meant, and pictured again by scripts/screenshot.
foreach(shot "window.png" "--designer;designer.png")
  list(GET shot -1 picture)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${SHOT} ${shot}
                  WORKING_DIRECTORY ${DIR} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${picture} ${DOCS}/${picture}
                  WORKING_DIRECTORY ${DIR} RESULT_VARIABLE differ)
  if(differ)
    message(FATAL_ERROR "${DIR}/${picture} differs from docs/${picture}; if meant, run scripts/screenshot")
  endif()
endforeach()
