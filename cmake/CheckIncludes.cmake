# cmake -DROOT=<source folder> -DSTAMP=<file> -P CheckIncludes.cmake: fails when a file of a
# layer includes a header that layer must never use. The link check (Layers.cmake) cannot see
# this: a header can arrive through a library the layer links for another reason, as the
# toolkit's headers come with the runtime a shell links for its windows.

# check(WHY <text> FOLDERS <folder>... [EXCEPT <folder>...] HEADERS <regex>...)
function(check)
  cmake_parse_arguments(ARG "" "WHY" "FOLDERS;EXCEPT;HEADERS" ${ARGN})
  foreach(folder ${ARG_FOLDERS})
    file(GLOB_RECURSE files ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.h)
    foreach(file ${files})
      file(RELATIVE_PATH shown ${ROOT} ${file})
      set(excepted FALSE)
      foreach(except ${ARG_EXCEPT})
        if(shown MATCHES "^${except}/")
          set(excepted TRUE)
        endif()
      endforeach()
      if(excepted)
        continue()
      endif()
      file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
      foreach(line ${lines})
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*" "\\1" header
                             "${line}")
        foreach(pattern ${ARG_HEADERS})
          if(header MATCHES "${pattern}")
            message(FATAL_ERROR "${shown} includes <${header}>: ${ARG_WHY}")
          endif()
        endforeach()
      endforeach()
    endforeach()
  endforeach()
endfunction()

check(WHY "the engine and the models know no toolkit and no plug-in format"
  FOLDERS numeric engine params presets state controller render instance platform
  HEADERS "^juce_" "^pluginterfaces/" "^public\\.sdk/" "^base/" "^lv2/" "^AAX")
check(WHY "a shell reaches the toolkit only through its runtime's services (PrivateToolkit.h, ToolkitPump.h)"
  FOLDERS aax vst3 lv2
  HEADERS "^juce_")
check(WHY "only the window commands use the toolkit"
  FOLDERS host EXCEPT host/window
  HEADERS "^juce_")
file(TOUCH ${STAMP})
