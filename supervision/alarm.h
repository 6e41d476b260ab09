#pragma once
// The alarm tune sounded when a link drops.
#include <string_view>

#include "app/app.h"

namespace rv {

// The embedded tune: a Standard MIDI File, format 1, five tracks, 480 ticks
// per quarter note.
std::string_view AlarmTune();
// Plays the tune endlessly, without a pause between repeats, until StopAlarm.
void PlayAlarm(App& app);
// Stops the tune if it plays.
void StopAlarm(App& app);
bool AlarmPlaying(App& app);

}  // namespace rv
