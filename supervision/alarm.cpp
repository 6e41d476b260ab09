#include "supervision/alarm.h"

#include "resources/embedded.h"
#include "supervision/midi_player.h"

namespace rv {

std::string_view AlarmTune() { return EmbeddedFile("alarm_tune.mid"); }

void PlayAlarm(App& app) {
  if (app.alarm) app.alarm->Play(AlarmTune(), MidiPlayer::kEndless);
}

void StopAlarm(App& app) {
  if (app.alarm) app.alarm->Stop();
}

bool AlarmPlaying(App& app) { return app.alarm && app.alarm->Playing(); }

}  // namespace rv
