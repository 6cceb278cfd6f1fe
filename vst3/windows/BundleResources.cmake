# The Windows bundle's face in Explorer: desktop.ini names the bundle's icon, which is the
# front panel's decay knob cut from the committed artwork (the installer marks the bundle folder
# as one whose desktop.ini Explorer reads). ImageMagick writes the icon's bitmaps without time
# stamps, so the same artwork gives the same bytes.
find_program(ORL_IMAGEMAGICK_CONVERT convert REQUIRED)
set(_resources "${ORL_VST3_BUNDLE}/Contents/Resources")
set(_panel "${PROJECT_SOURCE_DIR}/resources/images/12100.png")
add_custom_command(OUTPUT "${_resources}/PlugIn.ico"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${_resources}"
  COMMAND ${ORL_IMAGEMAGICK_CONVERT} "${_panel}" -crop 66x66+59+82 +repage -strip
          -define icon:auto-resize=64,48,32,16 "${_resources}/PlugIn.ico"
  DEPENDS "${_panel}"
  COMMENT "Cutting the VST 3 bundle's icon from the panel artwork"
  VERBATIM)
# Explorer reads desktop.ini as Windows text.
# (NEWLINE_STYLE after CONTENT: cmake 3.25 aborts when it comes first.)
file(GENERATE OUTPUT "${ORL_VST3_BUNDLE}/desktop.ini"
  CONTENT "[.ShellClassInfo]\nIconResource=Contents\\Resources\\PlugIn.ico,0\n" NEWLINE_STYLE CRLF)
add_custom_target(orl_vst3_bundle_icon ALL DEPENDS "${_resources}/PlugIn.ico")
add_dependencies(orl_chordwell_vst3 orl_vst3_bundle_icon)
