# The pictures the README and AppStream show are the windows as drawn now, byte for
# byte: a change to how either looks is meant, and pictured again by scripts/screenshot.
foreach(shot "window.png" "--designer;designer.png"
             "--designer;designer-steps.png;mode=Step attenuator;series=E24;tolerance=1;power=0.1")
  # The picture's name: the first argument, or the one after --designer.
  list(LENGTH shot count)
  if(count GREATER 1)
    list(GET shot 1 picture)
  else()
    list(GET shot 0 picture)
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${SHOT} ${shot}
                  WORKING_DIRECTORY ${DIR} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${picture} ${DOCS}/${picture}
                  WORKING_DIRECTORY ${DIR} RESULT_VARIABLE differ)
  if(differ)
    message(FATAL_ERROR "${DIR}/${picture} differs from docs/${picture}; if meant, run scripts/screenshot")
  endif()
endforeach()
