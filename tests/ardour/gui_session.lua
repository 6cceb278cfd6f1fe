-- Ardour, headless (ardour7-lua, dummy backend): a session with the plug-in (ORL_ARDOUR_FORMAT
-- "vst3" or "lv2") on a stereo track, and the factory preset ORL_ARDOUR_PRESET loaded, saved
-- for Ardour's GUI to open (gui_window_test.py, which looks for the closing verdict).
io.stdout:setvbuf("no")
local here = debug.getinfo(1, "S").source:match("^@(.*/)") or "./"
local checks = dofile(here .. "session_checks.lua")
local folder = assert(os.getenv("ORL_ARDOUR_SESSION"), "ORL_ARDOUR_SESSION not set")
local presetName = os.getenv("ORL_ARDOUR_PRESET")
local lv2 = os.getenv("ORL_ARDOUR_FORMAT") == "lv2"

AudioEngine:set_backend("None (Dummy)", "", "")
create_session(folder, "chordwell", 48000)
local _, proc = checks.track_with(function()
  if lv2 then
    return ARDOUR.LuaAPI.new_plugin(Session, "https://www.orlund.com/lv2/chordwell#stereo",
                                    ARDOUR.PluginType.LV2, "")
  end
  return ARDOUR.LuaAPI.new_plugin(Session, "ORL Chordwell", ARDOUR.PluginType.VST3, "")
end, "Ardour loads the plug-in")
if presetName and presetName ~= "" then
  local plug = proc:to_insert():plugin(0)
  local preset = plug:preset_by_label(presetName)
  checks.check(preset ~= nil and plug:load_preset(preset), "the preset " .. presetName .. " loads")
end
Session:save_state("")
close_session()
checks.finish()
