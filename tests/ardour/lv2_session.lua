-- Ardour, headless (ardour7-lua, dummy backend), with the LV2 bundle on LV2_PATH: a session
-- with the stereo plug-in on a stereo track after a noise source, a factory preset and a
-- parameter set, audio bounced through it (and once more with the plug-in off), saved and
-- closed. With ORL_ARDOUR_PHASE=reopen it reopens the session (whose saved plug-in state the
-- driver may have given another bank), checks the preset and values again and saves once
-- more, so the driver can compare the bank Ardour saved with the one it restored. Prints one
-- line a check; the driver (scripts/suites/58-ardour-lv2.sh) fails on any "FAILED".
io.stdout:setvbuf("no")
-- The shared checks sit beside this script.
local here = debug.getinfo(1, "S").source:match("^@(.*/)") or "./"
local checks = dofile(here .. "session_checks.lua")
local check, near = checks.check, checks.near
local folder = assert(os.getenv("ORL_ARDOUR_SESSION"), "ORL_ARDOUR_SESSION not set")
local phase = os.getenv("ORL_ARDOUR_PHASE") or "create"
local uri = "https://www.orlund.com/lv2/chordwell#stereo"
local name = "chordwell"
local factoryNames = { "Default", "Bright", "High", "Low & Dark", "Almost reverb", "Detuned",
                       "Init" }

AudioEngine:set_backend("None (Dummy)", "", "")
if phase == "create" then
  create_session(folder, name, 48000)
  local track, proc = checks.track_with(function()
    return ARDOUR.LuaAPI.new_plugin(Session, uri, ARDOUR.PluginType.LV2, "")
  end, "Ardour loads the LV2 plug-in")
  local plug = proc:to_insert():plugin(0)
  check(plug:parameter_label(2) == "Decay", "parameter 2 is Decay")
  for _, n in ipairs(factoryNames) do
    check(plug:preset_by_label(n) ~= nil, "preset '" .. n .. "' is listed")
  end
  local preset = plug:preset_by_label("Low & Dark")
  check(preset ~= nil and plug:load_preset(preset), "the preset Low & Dark loads")
  check(ARDOUR.LuaAPI.set_processor_param(proc, 1, 0.8), "Mix set to 0.8")
  check(near(ARDOUR.LuaAPI.get_processor_param(proc, 2, true), 0.6), "Decay is Low & Dark's 0.6")

  checks.bounce(track, proc)
  Session:save_state("")
  close_session()
else
  load_session(folder, name)
  local reopened = Session:route_by_name("T"):nth_plugin(1)
  checks.loaded(reopened, "the reopened session has the plug-in")
  local again = reopened:to_insert():plugin(0)
  check(again:last_preset().label == "Low & Dark",
        "the preset is still Low & Dark (" .. tostring(again:last_preset().label) .. ")")
  check(near(ARDOUR.LuaAPI.get_processor_param(reopened, 1, true), 0.8), "Mix is still 0.8")
  check(near(ARDOUR.LuaAPI.get_processor_param(reopened, 2, true), 0.6), "Decay is still 0.6")
  check(near(ARDOUR.LuaAPI.get_processor_param(reopened, 4, true), 0.25),
        "Transpose is still 0.25")
  Session:save_state("resaved")
  close_session()
end
checks.finish()
