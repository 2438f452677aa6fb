#pragma once

#include <array>
#include <glm/glm.hpp>
#include <memory>
#include <optional>
#include <string>

#include "audio/AudioDevice.h"
#include "audio/Cue.h"
#include "audio/Listener.h"
#include "audio/SoundBuffer.h"
#include "audio/SoundSource.h"

// Gains from 0 to 1: the master over everything, then the effects and the music under it.
struct Volumes {
    float master;
    float effects;
    float music;
};

// What the sound takes from a frame's state.
struct SoundScene {
    glm::vec3 listenerPosition;  // the camera's
    glm::vec3 listenerFront;
    glm::vec3 listenerUp;
    bool healthPackPresent;
    glm::vec3 healthPackPosition;  // the one that hums
    bool slowed;
    bool paused;
};

// The game's sound: the events' effects, the loops of the level and the music, over the
// system's default output.
class GameAudio {
public:
    // Nothing when the system has no sound output. A sound that does not load is reported in
    // one line and stays silent.
    // The goal's chime sounds from `goal`; `musicLoop` is the level's music, as playMusic.
    static std::unique_ptr<GameAudio> open(const std::string& folder, const Volumes& volumes,
                                           glm::vec3 goal, const std::string& musicLoop);
    // Lets a fanfare that plays finish, for at most two seconds, then releases the device.
    ~GameAudio();
    GameAudio(const GameAudio&) = delete;
    GameAudio& operator=(const GameAudio&) = delete;

    void setVolumes(const Volumes& volumes);
    // Another level's goal.
    void placeGoal(glm::vec3 goal);
    // The level's music: a loop of kMusicLoops by its name, or the game's own for none. The
    // loop that plays already plays on, so that a retry does not start it over; a loop that
    // does not load is reported in one line, and the game's own plays instead.
    void playMusic(const std::string& musicLoop);
    // Plays the effect, from `place` when the cue asks for it. The win's fanfare may finish
    // after the game has closed.
    void play(const Cue& cue, glm::vec3 place);
    // Follows the frame: the listener, the loops that depend on the state, and the pause.
    void update(const SoundScene& scene);

private:
    static constexpr int kVoiceCount = 8;  // one-shot effects that can sound at once
    static constexpr int kSoundCount = static_cast<int>(Sound::Count);

    GameAudio(std::unique_ptr<AudioDevice> device, const std::string& folder, glm::vec3 goal,
              const std::string& musicLoop);
    const SoundBuffer* loaded(Sound sound) const;  // nothing for a sound that did not load
    // The next voice, placed on the listener or at `place`, playing `sound` at its gain.
    SoundSource& playEffect(Sound sound);
    SoundSource& playEffectAt(Sound sound, glm::vec3 place);
    void startLoop(SoundSource& source, Sound sound);
    void keepLoop(SoundSource& source, Sound sound, bool wanted, bool& playing);
    void pauseEffects(bool pause);
    void setMusicGain();

    // Declared in the order they must come into being; they go in the reverse order.
    std::unique_ptr<AudioDevice> device;
    Listener listener;
    std::array<std::unique_ptr<SoundBuffer>, kSoundCount> buffers;
    std::unique_ptr<SoundBuffer> levelMusic;  // the level's own loop, while one plays
    std::array<SoundSource, kVoiceCount> voices;
    SoundSource healthHum;
    SoundSource goalChime;
    SoundSource slowedTone;
    SoundSource music;

    std::string folder;
    std::optional<std::string> musicPlaying;  // the loop's name; empty for the game's own
    int nextVoice = 0;
    const SoundSource* fanfare = nullptr;  // the voice of the win, while it may play
    Volumes volumes{};
    bool humPlaying = false;
    bool slowedPlaying = false;
    bool paused = false;
};
