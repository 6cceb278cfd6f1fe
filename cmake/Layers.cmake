# Data flows one way through the layers. Each layer library declares what it may link;
# orl_check_layers() fails the configure step when a layer reaches around another.
set_property(GLOBAL PROPERTY ORL_LAYERS "")

# orl_layer(<target> ALLOWED <target>...): <target> may link only the listed targets.
function(orl_layer target)
  cmake_parse_arguments(ARG "" "" "ALLOWED" ${ARGN})
  set_property(GLOBAL APPEND PROPERTY ORL_LAYERS ${target})
  set_property(GLOBAL PROPERTY ORL_LAYER_ALLOWED_${target} "${ARG_ALLOWED}")
endfunction()

function(orl_check_layers)
  get_property(layers GLOBAL PROPERTY ORL_LAYERS)
  foreach(target ${layers})
    get_property(allowed GLOBAL PROPERTY ORL_LAYER_ALLOWED_${target})
    get_target_property(links ${target} LINK_LIBRARIES)
    if(NOT links)
      set(links "")
    endif()
    foreach(lib ${links})
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" lib "${lib}")
      if(NOT lib IN_LIST allowed)
        message(FATAL_ERROR "layer '${target}' must not link '${lib}' (allowed: ${allowed})")
      endif()
    endforeach()
  endforeach()
endfunction()
