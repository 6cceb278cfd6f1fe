-- Ardour, headless (ardour7-lua, dummy backend), with the LV2 bundle on LV2_PATH: a session
-- with the stereo plug-in on a stereo track after a noise source, a factory preset and a
-- parameter set, audio bounced through it (and once more with the plug-in off), saved and
-- closed. With ORL_ARDOUR_PHASE=reopen it reopens the session (whose saved plug-in state the
-- driver may have given another bank), checks the preset and values again and saves once
-- more, so the driver can compare the bank Ardour saved with the one it restored. Prints one
-- line a check; the driver (scripts/suites/58-ardour-lv2.sh) fails on any "FAILED".
io.stdout:setvbuf("no")
local folder = assert(os.getenv("ORL_ARDOUR_SESSION"), "ORL_ARDOUR_SESSION not set")
local phase = os.getenv("ORL_ARDOUR_PHASE") or "create"
local uri = "https://www.orlund.com/lv2/chordwell#stereo"
local name = "chordwell"
local failures = 0
local function check(ok, what)
  print((ok and "ok: " or "FAILED: ") .. what)
  if not ok then failures = failures + 1 end
end
local function near(a, b) return a ~= nil and math.abs(a - b) < 1e-6 end
local factoryNames = { "Default", "Bright", "High", "Low & Dark", "Almost reverb", "Detuned",
                       "Init" }

AudioEngine:set_backend("None (Dummy)", "", "")
if phase == "create" then
  create_session(folder, name, 48000)
  local track = Session:new_audio_track(2, 2, nil, 1, "T", ARDOUR.PresentationInfo.max_order,
                                        ARDOUR.TrackMode.Normal, true):front()
  track:add_processor_by_index(ARDOUR.LuaAPI.new_luaproc(Session, "ACE Noise"), 0, nil, true)
  local proc = ARDOUR.LuaAPI.new_plugin(Session, uri, ARDOUR.PluginType.LV2, "")
  check(not proc:isnil(), "Ardour loads the LV2 plug-in")
  if proc:isnil() then os.exit(1) end
  track:add_processor_by_index(proc, 1, nil, true)
  local plug = proc:to_insert():plugin(0)
  check(plug:parameter_label(2) == "Decay", "parameter 2 is Decay")
  for _, n in ipairs(factoryNames) do
    check(plug:preset_by_label(n) ~= nil, "preset '" .. n .. "' is listed")
  end
  local preset = plug:preset_by_label("Low & Dark")
  check(preset ~= nil and plug:load_preset(preset), "the preset Low & Dark loads")
  check(ARDOUR.LuaAPI.set_processor_param(proc, 1, 0.8), "Mix set to 0.8")
  check(near(ARDOUR.LuaAPI.get_processor_param(proc, 2, true), 0.6), "Decay is Low & Dark's 0.6")

  track:bounce_range(0, 48000, ARDOUR.InterThreadInfo(), track:main_outs(), false, "wet")
  proc:deactivate()
  track:bounce_range(0, 48000, ARDOUR.InterThreadInfo(), track:main_outs(), false, "dry")
  proc:activate()
  Session:save_state("")
  close_session()
else
  load_session(folder, name)
  local reopened = Session:route_by_name("T"):nth_plugin(1)
  check(not reopened:isnil(), "the reopened session has the plug-in")
  if reopened:isnil() then os.exit(1) end
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
print(failures == 0 and "ardour: all checks passed" or ("ardour: " .. failures .. " checks failed"))
