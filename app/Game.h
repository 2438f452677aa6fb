#pragma once

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <array>
#include <glm/glm.hpp>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/editor/Editor.h"
#include "app/input/Controls.h"
#include "app/session/LevelSession.h"
#include "app/settings/Settings.h"
#include "app/ui/Interface.h"
#include "app/ui/PanelActions.h"
#include "audio/SoundSwitch.h"
#include "gameplay/Event.h"
#include "gameplay/GameObject.h"
#include "gameplay/InputSnapshot.h"
#include "gameplay/Level.h"
#include "gameplay/Player.h"
#include "gameplay/Replay.h"
#include "gameplay/RunState.h"
#include "render/Light.h"
#include "render/Look.h"
#include "render/Material.h"
#include "render/Model.h"
#include "render/ParticleSystem.h"
#include "render/Shader.h"
#include "render/Texture.h"
#include "render/TextureSet.h"

class ModelRun;

// Positions in the Game's list of shader programs.
enum ShaderName { mainShader = 0, contourShader = 1 };

// Raised when GLFW, the window or GLEW cannot be set up. Its line has already been printed
// and GLFW terminated; nothing of the window or context may be touched afterwards.
class GameInitError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where the window last stood; -1 while it has been full screen only.
struct WindowedPlace {
    int x = -1;
    int y = -1;
};

// The one central object: the window with its OpenGL context, the scene, and the two
// per-frame operations that main calls in its loop. Its panels ask it for what they may through
// PanelActions alone.
class Game : private PanelActions {
public:
    // Opens the window, builds the level's scene, the camera and the player from the
    // settings, and prints the controls banner.
    explicit Game(const Settings& settings, PlayedLevel played = PlayedLevel());
    virtual ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // P or Start pauses and resumes; losing the focus pauses, when the settings ask for it, and
    // so does losing the gamepad in use.
    void checkPause();
    // While paused the rules stand still and the cursor is free; the frame is still drawn.
    void setPaused(bool pause);
    // Closes the window at the end of the frame, saying so on the console.
    void quit();
    // The UI's Quit: the UI runs after the frame's events were told, so the next update
    // quits, and its line is told with that frame's.
    void askToQuit() { ui.askToQuit(); }
    // Quits, unless the editor holds changes not saved: then, back from a play-test or the
    // pause panel, the editor asks first whether to save them.
    void quitUnlessUnsaved();
    // Escape off the panels while there is an editor: back from a play-test; as Cancel while
    // the editor asks whether to save; otherwise as quitUnlessUnsaved.
    void escapeInEditor();

    // Takes `options` into the running game: what the game can change at once, it does.
    void applyOptions();
    // Full screen on the window's monitor, at its present mode, or a window of the options'
    // size where the window last stood.
    void applyWindow();
    // F11 and Alt+Enter: the other of full screen and window, kept for the next start.
    void toggleFullScreen();
    // Opens or closes the sound as the options ask, and gives it their volumes.
    void applyAudio();

    // Deletes every GL object of the scene and of the UI while the context is still current;
    // the destructor does this first, before the window goes.
    void releaseScene();

    void update();
    void render();
    // The CPU times of the frame under way: those of the update are whole once it returns.
    const FrameTimes& times() const { return ui.frameTiming.times; }

    // The session's, under the name its callers know.
    using AfterReplay = ::AfterReplay;
    // Plays the replay from a fresh start of the level: its frames stand in for the clock and
    // the player's input; the watcher's P pauses it and Escape quits.
    void startReplay(Replay replay, AfterReplay after = AfterReplay::Close);
    // Whether a frame of the last replay came out otherwise than it was recorded.
    bool replayDiverged() const { return session.diverged; }
    // How the replay that plays, or played last with AfterReplay::Close, went so far.
    ReplayPlayed replayPlayed() const;

    // The two halves of render: everything drawn into the back buffer, then the swap and
    // the clean binding state after it.
    void drawScene();
    // The HUD, the frame-time overlay and the panels over the scene; nothing at all when
    // none of them shows.
    void drawInterface();
    // Writes the frame as drawn, the UI over it, into the player's pictures; told on the HUD.
    void saveScreenshot();
    void present();

    // Fills `input` from the keyboard, the cursor and the gamepads, once per frame after the
    // events.
    void readInput();
    void latchSprint();
    void quitOnEscape();
    void processInput();
    void processMouseInput(bool firstStep);
    // The follow camera out of the platforms and pieces between it and the player, as they
    // stand after the frame's steps, when the options ask for it.
    void keepCameraClear();
    // The checkpoint flags that hide the player a frame further faded, the others a frame
    // further back, from where the camera now stands.
    void fadeFlagsInTheWay();
    void checkCollisions();
    void onCollision(GameObject& object);
    void reachCheckpoint(Item& checkpoint);
    // Shows or hides an item with its orbs and light.
    void showItem(Item& item, bool shown);
    // Shows each item, with its orbs and light, unless this run has taken it.
    void showItems();
    void swingPlatforms();
    // Moves the platforms on paths, carrying the player that stands on one.
    void movePlatforms();
    void showPlayerOrbs();
    void spinItems();
    float motionShare() const;
    void orbitOrbs();
    void checkGameState();
    int getPoints(bool won) const;  // the score of the run so far, had it ended now
    // Tells the frame's events on the console, the HUD and the sound, in order, and empties
    // the list; then the sound follows the frame.
    void tellEvents();
    // Writes one event's lines and hands it to the HUD and the sound.
    void tell(const Event& event, double now);
    // Flips one display toggle (F1 to F8) and adds its event, as the key's release does; a
    // replay flips its run's toggles through here.
    void applyToggle(Action toggle);
    // Adds a win to the player's records, and tells a best time that it beat; a chosen
    // level's win then shows its results.
    void keepWin(const Event& won, double now);
    // What the sound follows of the frame: the camera, the health pack, the slow-down, pause.
    SoundScene soundScene() const;
    void updateUniforms();

    GLFWwindow* window = nullptr;
    int windowWidth;
    int windowHeight;
    int framebufferWidth;
    int framebufferHeight;
    int glMajor;
    int glMinor;

    float deltaTime = 0.0f;     // seconds
    float currentFrame = 0.0f;  // seconds on the game's clock (readClock)
    float lastFrame = 0.0f;
    float totalTime = 0.0f;  // seconds of play, from the start of the first frame

    double lastX = 0.0;
    double lastY = 0.0;
    double cursorX = 0.0;
    double cursorY = 0.0;
    double xOffset = 0.0;
    double yOffset = 0.0;
    bool firstMouse = true;
    Controls controls;          // the keyboard, the pads and this frame's input
    std::vector<Event> events;  // this frame's, told at the end of the update

    glm::mat4 ViewMatrix{1.0f};
    glm::mat4 ProjectionMatrix{1.0f};
    float fov;  // degrees
    float nearZ;
    float farZ;

    std::vector<std::unique_ptr<Shader>> shaders;
    // The game's, in TextureEntry order, then each platform set's colour and shine in the order
    // of kPlatformSets; an entry that no level played has needed is empty.
    std::vector<std::unique_ptr<Texture>> textures;
    std::vector<std::unique_ptr<Material>> materials;
    std::vector<std::unique_ptr<Model>> models;  // drawn in list order
    std::vector<std::unique_ptr<PointLight>> lights;
    std::vector<std::unique_ptr<ParticleSystem>> particleSystems;  // drawn after the models
    std::vector<GameObject*> platforms;                            // views into models
    // The level played, its records, and the run's recording or the replay that plays.
    LevelSession session;
    using Split = LevelSession::Split;
    using Results = LevelSession::Results;
    // Builds the level's scene in place of the one played, and starts it. Its own files are
    // loaded first: when they cannot serve, the level played stays as it was, and what failed
    // comes back, after its line on the console.
    std::optional<OwnFilesRefused> playLevel(PlayedLevel level);
    // The level played from its start, with the player's own settings.
    void retry();
    // The one way a run starts, on the scene built: the player, the camera and the rules'
    // settings, the items, the checkpoints, the platforms, the clock, and the session's
    // recording or replay.
    void startRun(RunStart start);
    // The next frame's step starts now: what the game did since the last frame was no play.
    void restartFrameTime();
    // A level the player chose opens with its title card on the HUD.
    void announceLevel();
    // Opens the editor on that level, in place of play; `hasGoal` false for one being made
    // that has no goal yet.
    void startEditor(PlayedLevel level, bool hasGoal = true);
    // Editing rather than playing or play-testing.
    bool editing() const { return editor && !editor->playTesting; }
    std::vector<GameObject*> objects;  // what can be touched; [0] is the player
    Player* player = nullptr;

    glm::vec3 skyColor;  // the game's own, where a level has no sky of its own
    float brightness;
    // The run of the level under way: what it took and reached, where the swings started.
    RunState run;
    // How the frame is drawn, as the settings asked at the start.
    Look look;
    // The level editor, while a level is made or play-tested; none while the game is played.
    std::unique_ptr<Editor> editor;

    Interface ui;  // the HUD, the frame-time overlay and the panels

    // The options the pause panel changes, as last applied; saved to the player's file.
    Settings options;
    bool paused = false;

    // Destroyed after the window, so that a fanfare can finish after the window has closed.
    SoundSwitch sound;

private:
    void toldToggle(Action toggle, bool on);
    // Switches the toggle and tells it; returns its new value.
    bool flip(bool& toggle, Action action);
    // What the panels may see and ask, forwarded to the game's own (GameActions.cpp).
    const Records& playedRecords() const override;
    const RunResults* shownResults() const override;
    std::string playedName() const override;
    int playedPar() const override;
    const std::vector<LevelEntry>& listedLevels() override;
    bool listedOpen(std::size_t place) override;
    bool isPlayed(const LevelEntry& entry) const override;
    std::optional<float> bestTimeIn(const LevelEntry& entry) override;
    const LevelEntry* levelAfter() override;
    std::optional<OwnFilesRefused> playChosen(const LevelEntry& entry) override;
    void playAgain() override;
    bool hasBestRun() const override;
    void watchBestRun() override;
    void resumePlay() override;
    void quitAtNextFrame() override;
    void takeOptions() override;
    void takeWindow() override;
    bool soundPlays() const override;
    const GLFWgamepadstate* padInUse() const override;
    void makeLevel() override;

    void initWindow(const Settings& settings);
    void initGlew();
    void initGlState();
    void initInput();
    void initShaders();
    // The sky, the FXAA pass and the shadow, whichever the settings draw: what they leave out
    // is never loaded, and its files may be missing.
    void initLook(const Settings& settings);
    void initTextures();
    // The game's texture of the entry, loaded when first asked for.
    Texture* gameTexture(TextureEntry entry);
    // An image of a platform set of kPlatformSets, its colour or its shine, loaded when a
    // level first shows it.
    Texture* platformSetTexture(std::string_view set, bool shine);
    // The material of the level's platforms: in its light where it has one, else the shared one.
    Material* platformMaterial();
    // The played level's sky at the horizon and at the zenith, where it has its own; as sRGB.
    glm::vec3 levelSky() const;
    glm::vec3 levelSkyTop() const;
    // A colour image's encoding, in the look: sRGB for the enhanced look's.
    TexelEncoding colourEncoding() const;
    void initMaterials();
    // The played level's scene in place of the one before, from its description and its own
    // files; the shaders, textures and the shared material stay.
    void buildScene(std::unique_ptr<LevelOwnFiles> own);
    void initLevel();
    void initPlayer();
    void initCamera(float sensitivity);
    void initPickupsAndTraps();
    void initCheckpoints(glm::vec3 goal);
    void initPlatforms();
    void initLevelCheckpoints();
    GameObject* addItem(Item::Kind kind, std::unique_ptr<GameObject> object);
    // A piece in the level's own model and image, where it has them; else dressed in the
    // platform set named, where one is; else in the game's images.
    std::unique_ptr<GameObject> makePiece(const char* name, glm::vec3 at, const PieceLook& look,
                                          TextureEntry diffuse, TextureEntry specular,
                                          const char* objName, std::string_view set = {});
    void initLights();
    void addLight(glm::vec3 position, float intensity, glm::vec3 color);
    void initParticleSystems();
    void initUniforms();
    void initGhost();
    // The editor's frame, in place of the rules' steps (GameEditor.cpp).
    void editFrame();
    // The scene of the level as the editor holds it, its pieces where they stand at time 0.
    void showEditedLevel();
    // The level as it is in the editor, from its start, as a run that keeps nothing.
    void startPlayTest();
    // Back to the editor as it was before the play-test.
    void endPlayTest();
    // The best run's character at the same time of its run, when there is one and the
    // options show it.
    void drawGhost();
    // Whether the box stands between the camera and the middle of the player.
    bool hidesThePlayer(const Box& box) const;
    // A level's checkpoint flag that hides the player, or did until a moment ago: drawn seen
    // through as far as it has faded, after the rest.
    bool seenThrough(const Model& model) const;
    void drawSeenThrough();
    // The drop shadow under the player, while the options show it and there is a surface below.
    void drawShadow();
    // The Input stage's two sources. Each tells whether the rules step in this frame.
    bool takeLiveFrame();
    bool takeReplayedFrame();
    // Keeps the frame for the game's replay, or checks it against the replay that plays.
    void recordFrame();
    // The rules' settings of the player's own runs, as the options hold them.
    ReplaySettings ownSettings() const;
    RunStart ownStart() const;
    // After a replay watched from the pause panel: the player's own game from its start, paused.
    void returnFromReplay();
    // A run of the player's that starts at that checkpoint of the level (from 0), to practise.
    void startAtCheckpoint(std::size_t checkpoint);
    // The level in place of the one played, its own files loaded first, and a run of the
    // player's on it from its start or that checkpoint.
    std::optional<OwnFilesRefused> switchLevel(PlayedLevel level,
                                               std::optional<std::size_t> checkpoint);
    void startOwnRun(std::optional<std::size_t> checkpoint);
    // Files: the level asked for on the command line, read again when its file changes.
    void rereadChangedLevel();
    // The checkpoint (from 0) a loss would start over on, if the run reached one.
    std::optional<std::size_t> lastCheckpointReached() const;
    GameObject* addObject(std::unique_ptr<GameObject> object);
    std::unique_ptr<GameObject> makeObject(const char* name, glm::vec3 position,
                                           TextureEntry diffuse, TextureEntry specular,
                                           const char* objName);
    void sendLights();
    void sendDisplayUniforms();
    void drawOpaqueModels();
    void renderModel(Model& model, ModelRun& run);
    [[noreturn]] void failSetup(const char* message);
    void applyPacing();
    void applyRawMouse();
    void centreWindow(GLFWmonitor* monitor);
    void release();
    // Ends the last frame's times at the start of this one and hands them to the overlay.
    void timeFrame();

    WindowedPlace windowed;
};
