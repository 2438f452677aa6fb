#include "audio/GameAudio.h"

#include <AL/al.h>

#include <chrono>
#include <thread>

#include "base/Console.h"
#include "gameplay/LevelLook.h"

namespace {

const struct {
    const char* file;
    float gain;  // the mix, under the effects volume (the music volume for the music)
} kSounds[] = {
    {"step.wav", 0.35f},      {"jump.wav", 0.6f},          {"land.wav", 0.6f},
    {"health_hum.wav", 0.6f}, {"health_pickup.wav", 0.9f}, {"trap_hit.wav", 1.0f},
    {"slowed.wav", 0.5f},     {"goal_chime.wav", 0.8f},    {"lose.wav", 0.9f},
    {"win.wav", 1.0f},        {"click.wav", 0.4f},         {"music.wav", 1.0f},
};
static_assert(sizeof kSounds / sizeof kSounds[0] == static_cast<size_t>(Sound::Count));

// Distances in units: full gain within the first, nothing beyond the second.
const float kHumReference = 1.5f;
const float kHumSilent = 12.0f;
const float kChimeReference = 3.0f;
const float kChimeSilent = 20.0f;  // the goal is heard only from the last platforms
const float kEffectReference = 4.0f;
const float kEffectSilent = 40.0f;

const Sound kFanfare = Sound::Win;  // may finish after the window has closed
const float kPausedMusic = 0.35f;   // of the music's gain, while paused
const auto kFanfareWait = std::chrono::seconds(2);
const auto kFanfarePoll = std::chrono::milliseconds(10);

}  // namespace

std::unique_ptr<GameAudio> GameAudio::open(const std::string& folder, const Volumes& volumes,
                                           glm::vec3 goal, const std::string& musicLoop) {
    std::unique_ptr<AudioDevice> device = AudioDevice::open();
    if (!device) {
        printNotice("SOUND: no audio device, playing silently");
        return nullptr;
    }
    std::unique_ptr<GameAudio> audio(new GameAudio(std::move(device), folder, goal, musicLoop));
    audio->setVolumes(volumes);
    return audio;
}

namespace {

// Reported in one line, and its reason on the next; nothing for a sound that did not load.
std::unique_ptr<SoundBuffer> loadSound(const std::string& path) {
    std::string reason;
    std::unique_ptr<SoundBuffer> buffer = SoundBuffer::load(path, reason);
    if (!buffer) {
        printProblem("ERROR::SOUND::FILE_NOT_LOADED: ", path);
        printLine(reason);
    }
    return buffer;
}

}  // namespace

GameAudio::GameAudio(std::unique_ptr<AudioDevice> opened, const std::string& soundFolder,
                     glm::vec3 goal, const std::string& musicLoop)
    : device(std::move(opened)), folder(soundFolder) {
    // Linear fading reaches silence at a source's far distance, so far sounds are not heard.
    alDistanceModel(AL_LINEAR_DISTANCE_CLAMPED);
    for (int i = 0; i < kSoundCount; ++i) {
        buffers[i] = loadSound(folder + "/" + kSounds[i].file);
    }
    placeGoal(goal);
    startLoop(goalChime, Sound::GoalChime);
    playMusic(musicLoop);
}

GameAudio::~GameAudio() {
    for (SoundSource* loop : {&healthHum, &goalChime, &slowedTone, &music}) {
        loop->stop();
    }
    const auto end = std::chrono::steady_clock::now() + kFanfareWait;
    while (fanfare && fanfare->playing() && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(kFanfarePoll);
    }
}

const SoundBuffer* GameAudio::loaded(Sound sound) const {
    return buffers[static_cast<int>(sound)].get();
}

void GameAudio::setVolumes(const Volumes& chosen) {
    volumes = chosen;
    listener.setGain(volumes.master);
    for (const auto& [source, sound] : {std::pair{&healthHum, Sound::HealthHum},
                                        {&goalChime, Sound::GoalChime},
                                        {&slowedTone, Sound::Slowed}}) {
        source->setGain(volumes.effects * kSounds[static_cast<int>(sound)].gain);
    }
    setMusicGain();
}

void GameAudio::setMusicGain() {
    const float gain = volumes.music * kSounds[static_cast<int>(Sound::Music)].gain;
    music.setGain(paused ? gain * kPausedMusic : gain);
}

SoundSource& GameAudio::playEffect(Sound sound) {
    SoundSource& voice = voices[nextVoice];
    nextVoice = (nextVoice + 1) % kVoiceCount;
    if (&voice == fanfare) {
        fanfare = nullptr;
    }
    voice.setGain(volumes.effects * kSounds[static_cast<int>(sound)].gain);
    voice.placeOnListener();
    voice.play(loaded(sound));
    return voice;
}

SoundSource& GameAudio::playEffectAt(Sound sound, glm::vec3 place) {
    SoundSource& voice = playEffect(sound);
    voice.placeAt(place, kEffectReference, kEffectSilent);
    return voice;
}

void GameAudio::placeGoal(glm::vec3 goal) {
    goalChime.placeAt(goal, kChimeReference, kChimeSilent);
}

// The source lets go of the loop before its buffer goes.
void GameAudio::playMusic(const std::string& musicLoop) {
    if (musicPlaying == musicLoop) {
        return;
    }
    music.stop();
    levelMusic = musicLoop.empty() ? nullptr : loadSound(folder + "/" + musicLoopFile(musicLoop));
    music.setLooping(true);
    music.play(levelMusic ? levelMusic.get() : loaded(Sound::Music));
    musicPlaying = musicLoop;
}

void GameAudio::play(const Cue& cue, glm::vec3 place) {
    SoundSource& voice = cue.fromPlace ? playEffectAt(cue.sound, place) : playEffect(cue.sound);
    if (cue.sound == kFanfare) {
        fanfare = &voice;
    }
}

void GameAudio::startLoop(SoundSource& source, Sound sound) {
    source.setLooping(true);
    source.play(loaded(sound));
}

void GameAudio::keepLoop(SoundSource& source, Sound sound, bool wanted, bool& playing) {
    if (wanted && !playing) {
        startLoop(source, sound);
    } else if (!wanted && playing) {
        source.stop();
    }
    playing = wanted;
}

void GameAudio::update(const SoundScene& scene) {
    listener.place(scene.listenerPosition, scene.listenerFront, scene.listenerUp);
    if (scene.paused != paused) {
        pauseEffects(scene.paused);
    }
    if (!paused) {
        healthHum.placeAt(scene.healthPackPosition, kHumReference, kHumSilent);
        keepLoop(healthHum, Sound::HealthHum, scene.healthPackPresent, humPlaying);
        keepLoop(slowedTone, Sound::Slowed, scene.slowed, slowedPlaying);
    }
}

void GameAudio::pauseEffects(bool pause) {
    paused = pause;
    for (SoundSource& voice : voices) {
        pause ? voice.pause() : voice.resume();
    }
    for (SoundSource* loop : {&healthHum, &goalChime, &slowedTone}) {
        pause ? loop->pause() : loop->resume();
    }
    setMusicGain();
}
