# orl_manual_beside(TARGET FOLDER): after TARGET is built, the operation manual lies in FOLDER
# as manual.html, where the "?" button finds it when no path is recorded (the name the
# plug-in looks for, kBundledManual in presets/Manual.h).
function(orl_manual_beside target folder)
  # A new manual links the target again, so the copy below never stays behind.
  set_property(TARGET ${target} APPEND PROPERTY
    LINK_DEPENDS "${PROJECT_SOURCE_DIR}/docs/manual.html")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory "${folder}"
    COMMAND ${CMAKE_COMMAND} -E copy_if_different "${PROJECT_SOURCE_DIR}/docs/manual.html"
            "${folder}/manual.html"
    VERBATIM)
endfunction()
