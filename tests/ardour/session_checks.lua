-- What tests/ardour/vst3_session.lua and lv2_session.lua share, loaded with dofile from the
-- folder the script runs from: one line a check ("ok: " or "FAILED: "), the closing verdict
-- the drivers look for, and the stereo track "T" with a noise source, the plug-in after it,
-- bounced through it and once more with it off ("wet" and "dry").
local M = {}
local failures = 0

function M.check(ok, what)
  print((ok and "ok: " or "FAILED: ") .. what)
  if not ok then failures = failures + 1 end
end

function M.near(a, b) return a ~= nil and math.abs(a - b) < 1e-6 end

-- Stops the script when proc is no plug-in: the checks after it would only fail on nil.
function M.loaded(proc, what)
  M.check(not proc:isnil(), what)
  if proc:isnil() then os.exit(1) end
end

-- The track with the noise source and the plug-in that make() returns after it, checked to
-- be loaded; returns the track and the plug-in's processor.
function M.track_with(make, what)
  local track = Session:new_audio_track(2, 2, nil, 1, "T", ARDOUR.PresentationInfo.max_order,
                                        ARDOUR.TrackMode.Normal, true):front()
  track:add_processor_by_index(ARDOUR.LuaAPI.new_luaproc(Session, "ACE Noise"), 0, nil, true)
  local proc = make()
  M.loaded(proc, what)
  track:add_processor_by_index(proc, 1, nil, true)
  return track, proc
end

-- One second bounced through proc ("wet") and with proc off ("dry").
function M.bounce(track, proc)
  track:bounce_range(0, 48000, ARDOUR.InterThreadInfo(), track:main_outs(), false, "wet")
  proc:deactivate()
  track:bounce_range(0, 48000, ARDOUR.InterThreadInfo(), track:main_outs(), false, "dry")
  proc:activate()
end

function M.finish()
  print(failures == 0 and "ardour: all checks passed" or ("ardour: " .. failures .. " checks failed"))
end

return M
