-- Ardour, headless (ardour7-lua, dummy backend), with the VST 3 bundle: a session with the
-- plug-in on a stereo track after a noise source, a preset and a parameter set, audio bounced
-- through it (and once more with the plug-in off), saved, closed, reopened, and the preset,
-- the program names and the values checked again. Prints one line a check; the driver
-- (scripts/suites/56-ardour.sh) fails on any "FAILED" and compares the two bounces.
io.stdout:setvbuf("no")
-- The shared checks sit beside this script.
local here = debug.getinfo(1, "S").source:match("^@(.*/)") or "./"
local checks = dofile(here .. "session_checks.lua")
local check, near = checks.check, checks.near
local folder = assert(os.getenv("ORL_ARDOUR_SESSION"), "ORL_ARDOUR_SESSION not set")
local name = "chordwell"
local factoryNames = { "Default", "Bright", "High", "Low & Dark", "Almost reverb", "Detuned" }

AudioEngine:set_backend("None (Dummy)", "", "")
create_session(folder, name, 48000)
local track, proc = checks.track_with(function()
  return ARDOUR.LuaAPI.new_plugin(Session, "ORL Chordwell", ARDOUR.PluginType.VST3, "")
end, "Ardour loads the VST 3 plug-in")
local plug = proc:to_insert():plugin(0)
check(plug:parameter_count() == 8, "eight parameters (" .. plug:parameter_count() .. ")")
check(plug:parameter_label(2) == "Decay", "parameter 2 is Decay")
local preset = plug:preset_by_label("Low & Dark")
check(preset ~= nil and plug:load_preset(preset), "the preset Low & Dark loads")
check(ARDOUR.LuaAPI.set_processor_param(proc, 1, 0.8), "Mix set to 0.8")
check(near(ARDOUR.LuaAPI.get_processor_param(proc, 2, true), 0.6), "Decay is Low & Dark's 0.6")

checks.bounce(track, proc)

Session:save_state("")
close_session()

load_session(folder, name)
local reopened = Session:route_by_name("T"):nth_plugin(1)
checks.loaded(reopened, "the reopened session has the plug-in")
local again = reopened:to_insert():plugin(0)
check(again:last_preset().label == "Low & Dark",
      "the preset is still Low & Dark (" .. tostring(again:last_preset().label) .. ")")
check(near(ARDOUR.LuaAPI.get_processor_param(reopened, 1, true), 0.8), "Mix is still 0.8 (" .. tostring(ARDOUR.LuaAPI.get_processor_param(reopened, 1, true)) .. ")")
check(near(ARDOUR.LuaAPI.get_processor_param(reopened, 2, true), 0.6), "Decay is still 0.6")
for _, n in ipairs(factoryNames) do
  check(again:preset_by_label(n) ~= nil, "program '" .. n .. "' is listed")
end
close_session()
checks.finish()
